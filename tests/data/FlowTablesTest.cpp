#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "data/FlowTables.h"
#include "data/MoveShotTables.h"

namespace {

struct cNameTable {
    const char* what;
    const char* const* names;
    size_t size;  // with the empty end row
};

#define NAME_TABLE(t) {#t, t, sizeof(t) / sizeof(t[0])}

}  // namespace

// A table declared one row longer than its names would end in a null pointer, not the empty
// string the combo boxes stop at.
TEST(FlowTables, NameTablesEndWithOneEmptyName) {
    const cNameTable tables[] = {
        NAME_TABLE(FlowTriggerNames), NAME_TABLE(FlowIdNames), NAME_TABLE(FlowGroupNames),
        NAME_TABLE(CondJudgeNames), NAME_TABLE(KeyJudgeNames), NAME_TABLE(KeyStateNames),
        NAME_TABLE(FlowOpNames), NAME_TABLE(FlowOpTargetNames), NAME_TABLE(SelfTargetNames),
        NAME_TABLE(OwnerNames), NAME_TABLE(StatusOrVarNames), NAME_TABLE(ValueSourceNames),
        NAME_TABLE(VarScopeNames), NAME_TABLE(CalcModeNames), NAME_TABLE(OnOnlyNames),
        NAME_TABLE(StageClearNames), NAME_TABLE(MessagePosNames), NAME_TABLE(MessageTimeNames),
        NAME_TABLE(TargetNames), NAME_TABLE(TargetRangeNames), NAME_TABLE(PaletteNames),
        NAME_TABLE(CommonPaletteOnlyNames), NAME_TABLE(PicturePosNames), NAME_TABLE(PictureTimeNames),
        NAME_TABLE(ShowHideNames), NAME_TABLE(FlowChangeNames), NAME_TABLE(FlowDeleteIdNames),
        NAME_TABLE(StatusOperatorNames), NAME_TABLE(ConditionKindNames), NAME_TABLE(CompareNames),
        NAME_TABLE(DistanceCompareNames), NAME_TABLE(DistanceAxisNames), NAME_TABLE(CharaVarNames),
        NAME_TABLE(MoveDirModeNames), NAME_TABLE(WarpModeNames), NAME_TABLE(MoveDirNames),
        NAME_TABLE(TargetCoordNames), NAME_TABLE(CoordNames), NAME_TABLE(RotationNames),
        NAME_TABLE(TurnNames), NAME_TABLE(MoveSpeedModeNames), NAME_TABLE(CircleSpeedModeNames),
        NAME_TABLE(JumpTypeNames), NAME_TABLE(BlockSummonNames), NAME_TABLE(SummonForceNames),
        NAME_TABLE(ShotFormationNames), NAME_TABLE(ShotTrajectoryNames),
    };
    for (const cNameTable& t : tables) {
        SCOPED_TRACE(t.what);
        // Row 0 of the condition kinds is the empty name of kind 0.
        size_t first = t.names == ConditionKindNames ? 1 : 0;
        for (size_t i = first; i + 1 < t.size; ++i) {
            ASSERT_NE(nullptr, t.names[i]) << i;
            EXPECT_NE(0u, strlen(t.names[i])) << i;
        }
        ASSERT_NE(nullptr, t.names[t.size - 1]);
        EXPECT_STREQ("", t.names[t.size - 1]);
    }
}

TEST(FlowTables, FlagOptionsNameEveryValueFromTheMinimumUp) {
    for (const cFlagDesc* flags : {StatusFlagDescs, ScrollFlagDescs}) {
        int rows = flags == StatusFlagDescs ? kStatusFlagDescs : kScrollFlagDescs;
        for (int r = 0; r < rows; ++r) {
            const cFlagDesc& f = flags[r];
            SCOPED_TRACE(f.m_Name);
            int count = 0;
            while (f.m_Options[count][0]) ++count;
            EXPECT_EQ(f.m_Max - f.m_Min + 1, count);
            EXPECT_TRUE(f.m_Default >= f.m_Min && f.m_Default <= f.m_Max);
        }
    }
}

TEST(FlowTables, ItemCommandsTwoAndUpAreTheCharacterCommandsFromSeventeen) {
    for (int k = 2; k < kItemCommandTypes; ++k) {
        EXPECT_STREQ(CharaCommandTypes[k + kItemToCharaCommand].m_Name, ItemCommandTypes[k].m_Name) << k;
        EXPECT_EQ(CharaCommandTypes[k + kItemToCharaCommand].m_Value, ItemCommandTypes[k].m_Value) << k;
    }
    EXPECT_EQ(kCharaCommandTypes, kItemCommandTypes + kItemToCharaCommand);
}
