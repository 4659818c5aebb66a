// Where a data window's element comes from and where it is written back, for the three kinds
// alike: the list copy a palette element is stepped through, the palettes, the placed cell and
// the document's element; and what each source may inherit from.
#include <gtest/gtest.h>

#include <string>
#include <type_traits>

#include "data/ElementNames.h"
#include "editor/palette/ElementSource.h"
#include "editor/palette/PaletteLists.h"
#include "tests/support/RestoreOnExit.h"

namespace {

template <class T>
T*& Edited() {
    cStageDoc& doc = StageDoc();
    if constexpr (std::is_same_v<T, cEdBlock>)
        return doc.m_lpEditBlock;
    else if constexpr (std::is_same_v<T, cEdChara>)
        return doc.m_lpEditChara;
    else
        return doc.m_lpEditItem;
}

template <class T>
cStageLayer<T>& Cells() {
    if constexpr (std::is_same_v<T, cEdBlock>)
        return ProjectStage().m_Blocks;
    else if constexpr (std::is_same_v<T, cEdChara>)
        return ProjectStage().m_Charas;
    else
        return ProjectStage().m_Items;
}

// Element i of the common palette is named "Ci", of the stage palette "Si"; both lists are
// put back afterwards, with the stage, the options and the document.
template <class T>
class ElementSource : public ::testing::Test {
protected:
    ElementSource() {
        StageDoc().Reset();
        Fill(PaletteList<T>(0), 4, "C");
        Fill(PaletteList<T>(1), 4, "S");
    }
    ~ElementSource() override { StageDoc().Reset(); }

    static void Fill(cRecordVector<T>& list, int count, const char* prefix) {
        list.assign(static_cast<size_t>(count), T());
        for (int i = 1; i < count; ++i) list[static_cast<size_t>(i)].m_Name = prefix + std::to_string(i);
    }
    static std::string Names(const cRecordVector<T>& list) {
        std::string names;
        for (const T& element : list) names += element.m_Name + ",";
        return names;
    }

    cRestoreOnExit<cEdStage> m_Stage{ProjectStage()};
    cRestoreOnExit<cCommonPalette> m_Common{ProjectCommonPalette()};
    cRestoreOnExit<cPrjOption> m_Option{ProjectOption()};
};

using Kinds = ::testing::Types<cEdBlock, cEdChara, cEdItem>;
TYPED_TEST_SUITE(ElementSource, Kinds);

TYPED_TEST(ElementSource, StepsWalkTheListCopyAndOnlyTheWriteBackReachesThePalette) {
    using T = TypeParam;
    StageDoc().m_SelIndex = 9;
    cElementSource<T> from(eSourceStagePalette, 0);
    ASSERT_TRUE(from.IsPalette());
    EXPECT_EQ(3, from.Index()) << "the selection is kept within the list";
    T working = *from.Origin();
    EXPECT_EQ("S3", working.m_Name);
    working.m_Name = "edited";
    ASSERT_TRUE(from.Step(working, 1));
    EXPECT_EQ(1, from.Index()) << "past the last element comes the first after the empty one";
    EXPECT_EQ("S1", working.m_Name);
    EXPECT_EQ(1, StageDoc().m_SelIndex);
    EXPECT_EQ(&PaletteList<T>(1)[1], Edited<T>());
    EXPECT_EQ(",S1,S2,S3,", this->Names(PaletteList<T>(1))) << "stepping writes nothing back";
    EXPECT_EQ(0, StageDoc().m_StageModified);

    working.m_Name = "also";
    from.WriteBack(working);
    EXPECT_EQ(",also,S2,edited,", this->Names(PaletteList<T>(1)));
    EXPECT_EQ(&PaletteList<T>(1)[1], Edited<T>());
    EXPECT_EQ(1, StageDoc().m_StageModified);
    EXPECT_EQ(0, StageDoc().m_CommonModified);
    EXPECT_EQ(",C1,C2,C3,", this->Names(PaletteList<T>(0)));
}

TYPED_TEST(ElementSource, ACommonElementMarksTheCommonPaletteAndNoStepLeavesItsList) {
    using T = TypeParam;
    StageDoc().m_SelIndex = 2;
    cElementSource<T> from(eSourceCommonPalette, 0);
    T working = *from.Origin();
    working.m_Name = "common";
    from.WriteBack(working);
    EXPECT_EQ(",C1,common,C3,", this->Names(PaletteList<T>(0)));
    EXPECT_EQ(1, StageDoc().m_CommonModified);
    EXPECT_EQ(0, StageDoc().m_StageModified);

    // A list of the empty element alone has nothing to step to or to write.
    this->Fill(PaletteList<T>(0), 1, "C");
    cElementSource<T> empty(eSourceCommonPalette, 0);
    T element;
    element.m_Name = "none";
    EXPECT_FALSE(empty.Step(element, 1));
    empty.WriteBack(element);
    EXPECT_EQ(",", this->Names(PaletteList<T>(0)));
}

TYPED_TEST(ElementSource, APlacedOrDefaultElementIsWrittenInPlaceAndNeverSteps) {
    using T = TypeParam;
    ASSERT_TRUE(ProjectStage().SetSize(20, 15));
    uint32_t cell = ProjectStage().CellIndex(3, 2);
    T placed;
    placed.m_Graphic = 5;  // a graphic makes the cell occupied
    placed.m_Name = "placed";
    Cells<T>().Put(cell, placed);
    cElementSource<T> from(eSourceStageCell, cell);
    EXPECT_FALSE(from.IsPalette());
    ASSERT_NE(nullptr, from.Origin());
    T working = *from.Origin();
    EXPECT_FALSE(from.Step(working, 1));
    from.WriteBack(working);
    EXPECT_EQ(0, StageDoc().m_StageModified) << "an unchanged cell is no change";
    working.m_Name = "renamed";
    from.WriteBack(working);
    EXPECT_EQ("renamed", Cells<T>().At(cell).m_Name);
    EXPECT_EQ(1, StageDoc().m_StageModified);

    T defaults;
    Edited<T>() = &defaults;
    cElementSource<T> fromDefault(eSourceDefault, 0);
    EXPECT_EQ(&defaults, fromDefault.Origin());
    working.m_Name = "default";
    fromDefault.WriteBack(working);
    EXPECT_EQ("default", defaults.m_Name);
    Edited<T>() = nullptr;
    fromDefault.WriteBack(working);
    EXPECT_EQ(nullptr, fromDefault.Origin());
}

TEST(ElementSourceInheritance, EachSourceOffersItsOwnBases) {
    struct cCase {
        int source;
        bool inherits;
        const char* const* names;
    };
    const cCase cases[] = {
        {eSourceStageCell, true, InheritSrcNames},
        {eSourceStagePalette, true, InheritCommonNames},
        {eSourceCommonPalette, false, InheritNoneNames},
        {eSourceDefault, false, InheritNoneNames},
    };
    for (const cCase& c : cases) {
        EXPECT_EQ(c.inherits, MayInherit(c.source)) << c.source;
        EXPECT_EQ(c.names, InheritSourceNames(c.source)) << c.source;
    }
}

}  // namespace
