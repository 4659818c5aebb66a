// The side rules the status operation and the status condition share: what a side's variable
// combo lists, the row a chosen status stands for and the status combo's items by owner.
#include <gtest/gtest.h>

#include "data/FlowTables.h"
#include "editor/flow/StatusSides.h"

TEST(StatusSides, VariableListFollowsKindOwnerAndStatus) {
    struct cCase {
        const char* name;
        const cSideKinds& kinds;
        int kind, owner, status;
        eVarList list;
    };
    const cCase cases[] = {
        {"left variable", kLeftKinds, 1, 0, 0, eVarListScope},
        {"left variable whatever the status", kLeftKinds, 1, kOwnerSystem, 3, eVarListScope},
        {"left chara variable", kLeftKinds, 0, 0, 0, eVarListChara},
        {"left target's chara variable", kLeftKinds, 0, 1, 0, eVarListChara},
        {"left status of its own", kLeftKinds, 0, 0, 1, eVarListNone},
        {"left system value in row 0", kLeftKinds, 0, kOwnerSystem, 0, eVarListNone},
        {"left nothing chosen", kLeftKinds, -1, 0, 0, eVarListNone},
        {"right variable", kRightKinds, 3, 0, 0, eVarListScope},
        {"right chara variable", kRightKinds, 2, 1, 0, eVarListChara},
        {"right status of its own", kRightKinds, 2, 0, 2, eVarListNone},
        {"right system value", kRightKinds, 2, kOwnerSystem, 0, eVarListNone},
        {"right constant", kRightKinds, 0, 0, 0, eVarListNone},
        {"right random", kRightKinds, 1, 0, 0, eVarListNone},
    };
    for (const cCase& c : cases) EXPECT_EQ(c.list, SideVarList(c.kinds, c.kind, c.owner, c.status)) << c.name;
}

TEST(StatusSides, StatusRowIsTheOwnersOwnAndNullOutsideIt) {
    EXPECT_EQ(&StatusDescs[1], StatusRow(0, 1));
    EXPECT_EQ(&StatusDescs[kStatusDescs - 1], StatusRow(1, kStatusDescs - 1));
    EXPECT_EQ(&SystemValueDescs[1], StatusRow(kOwnerSystem, 1));
    EXPECT_EQ(&SystemValueDescs[kSystemValueDescs - 1], StatusRow(kOwnerSystem, kSystemValueDescs - 1));
    for (int owner : {0, kOwnerSystem}) EXPECT_EQ(nullptr, StatusRow(owner, -1)) << owner;
    EXPECT_EQ(nullptr, StatusRow(0, kStatusDescs));
    EXPECT_EQ(nullptr, StatusRow(kOwnerSystem, kSystemValueDescs));
}

TEST(StatusSides, StatusNamesAreTheRowsOfTheOwner) {
    for (int owner : {0, 1, kOwnerSystem}) {
        const std::vector<std::string>* names = StatusNames(owner);
        bool system = owner == kOwnerSystem;
        ASSERT_EQ(static_cast<size_t>(system ? kSystemValueDescs : kStatusDescs), names->size()) << owner;
        for (size_t i = 0; i < names->size(); ++i)
            EXPECT_EQ((system ? SystemValueDescs : StatusDescs)[i].m_Name, (*names)[i]) << owner << " " << i;
    }
    EXPECT_EQ(StatusNames(0), StatusNames(1));
}
