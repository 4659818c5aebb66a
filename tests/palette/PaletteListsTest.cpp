// The palette windows' element operations on the lists: moves by cut and insert within and
// across palettes, the selection and clipboard fix-ups, growth past the count limit, paste clean-up, the
// count change and the inheritance references the pen and new elements get.
#include <gtest/gtest.h>

#include "editor/palette/PaletteLists.h"
#include "tests/framework/ErrorLogOn.h"
#include "tests/palette/PaletteFixture.h"
#include "tests/support/BoxAnswers.h"
#include "tests/support/TempDir.h"

namespace {

const int kCommonList = 0;
const int kStageList = 1;

cRecordVector<cEdBlock>& Common() { return ProjectCommonPalette().m_Blocks; }
cRecordVector<cEdBlock>& Stage() { return ProjectStage().m_Palette.m_Blocks; }

}  // namespace

TEST(PaletteLists, CutAndInsertMovesWithinAndAcrossPalettes) {
    {
        // Cut 5, insert at 2: the source moves to 6 before it goes.
        cPaletteFixture fixture(8, 3);
        CopyToClipboard<cEdBlock>(kCommonList, 5, 1);
        InsertCopiedElement<cEdBlock>(kCommonList, 2);
        EXPECT_EQ(Graphics(Common()), (std::vector<int>{0, 1, 5, 2, 3, 4, 6, 7}));
        EXPECT_EQ(StageDoc().m_ClipValid, 0);
        EXPECT_EQ(StageDoc().m_ClipCutPending, 0);
    }
    {
        // Cut from the common palette, insert into the stage palette: no window is needed for
        // the source to go.
        cPaletteFixture fixture(6, 3);
        CopyToClipboard<cEdBlock>(kCommonList, 4, 1);
        InsertCopiedElement<cEdBlock>(kStageList, 1);
        EXPECT_EQ(Graphics(Common()), (std::vector<int>{0, 1, 2, 3, 5}));
        EXPECT_EQ(Graphics(Stage()), (std::vector<int>{0, 4, 101, 102}));
    }
    {
        // A copy stays where it was and may be inserted again.
        cPaletteFixture fixture(4, 2);
        CopyToClipboard<cEdBlock>(kCommonList, 3, 0);
        InsertCopiedElement<cEdBlock>(kCommonList, kAppendIndex);
        InsertCopiedElement<cEdBlock>(kCommonList, 1);
        EXPECT_EQ(Graphics(Common()), (std::vector<int>{0, 3, 1, 2, 3, 3}));
        EXPECT_EQ(StageDoc().m_ClipIndex, 4);
    }
}

TEST(PaletteLists, ElementZeroIsNeverCutPastedOverDeletedOrInsertedBefore) {
    cPaletteFixture fixture(4, 2);
    CopyToClipboard<cEdBlock>(kCommonList, 0, 1);
    EXPECT_EQ(StageDoc().m_ClipValid, 0);
    CopyToClipboard<cEdBlock>(kCommonList, 2, 0);
    PasteElement<cEdBlock>(kCommonList, 0);
    DeleteElement<cEdBlock>(kCommonList, 0);
    InsertNewElement<cEdBlock>(kCommonList, 0);
    EXPECT_EQ(Common()[0].m_Graphic, 0);
    EXPECT_EQ(Common().size(), 5u);  // the new element went to 1
    EXPECT_EQ(Common()[2].m_Graphic, 1);
}

TEST(PaletteLists, DeletingFixesTheSelectionAndTheClipboard) {
    struct cCase {
        int selected, clipped, deleted;
        int selAfter, clipAfter, clipValid;
        int penGraphic;
    };
    const cCase cases[] = {
        {3, 5, 3, 0, 4, 1, 0},  // the selection goes: element 0, the empty one, is the pen
        {5, 3, 3, 4, 0, 0, 5},  // the clipped one goes: the clipboard forgets it
        {2, 2, 4, 2, 2, 1, 2},  // one past both: nothing moves
    };
    for (const cCase& c : cases) {
        cPaletteFixture fixture(8, 2);
        TakePen<cEdBlock>(kCommonList, c.selected);
        CopyToClipboard<cEdBlock>(kCommonList, c.clipped, 0);
        DeleteElement<cEdBlock>(kCommonList, c.deleted);
        cStageDoc& doc = StageDoc();
        EXPECT_EQ(doc.m_SelIndex, c.selAfter) << c.deleted;
        EXPECT_EQ(doc.m_ClipValid, c.clipValid) << c.deleted;
        if (c.clipValid) {
            EXPECT_EQ(doc.m_ClipIndex, c.clipAfter) << c.deleted;
        }
        EXPECT_EQ(doc.m_PenBlocks[0].m_Graphic, c.penGraphic) << c.deleted;
    }
}

TEST(PaletteLists, NewElementsAppendReferToTheirPositionAndGrowPastTheCountLimit) {
    {
        // At the end of a stage palette of 10: element 10, referring to index 10 of the default
        // source palette.
        cPaletteFixture fixture(20, 10);
        ProjectOption().m_InheritSrc[eSituationStage][eKindBlock] = 1;
        ProjectOption().m_InheritFlags[eSituationStage][eKindBlock].assign(cEdBlock::kGroups, 1);
        EXPECT_EQ(InsertNewElement<cEdBlock>(kStageList, kAppendIndex), 10);
        ASSERT_EQ(Stage().size(), 11u);
        EXPECT_EQ(Stage()[10].m_InheritSrc, 1);
        EXPECT_EQ(Stage()[10].m_InheritIndex, 10);
        EXPECT_EQ(Stage()[10].m_Graphic, 10);  // inherited from common element 10
    }
    {
        // A full list takes "末尾へ新規作成" before its last element and grows; a cut element
        // inserted there still moves.
        cPaletteFixture fixture(kMaxPaletteElements, 2);
        const int defaultGraphic = DefaultOf(static_cast<cEdBlock*>(nullptr)).m_Graphic;
        EXPECT_EQ(InsertNewElement<cEdBlock>(kCommonList, kAppendIndex), kAppendIndex);
        ASSERT_EQ(Common().size(), static_cast<size_t>(kMaxPaletteElements + 1));
        EXPECT_EQ(Common()[kAppendIndex].m_Graphic, defaultGraphic);
        EXPECT_EQ(Common().back().m_Graphic, kAppendIndex);
        CopyToClipboard<cEdBlock>(kCommonList, 3, 1);
        InsertCopiedElement<cEdBlock>(kCommonList, kAppendIndex);
        ASSERT_EQ(Common().size(), static_cast<size_t>(kMaxPaletteElements + 1));
        EXPECT_EQ(Common()[3].m_Graphic, 4) << "the cut source went";
        EXPECT_EQ(Common()[kAppendIndex - 1].m_Graphic, 3);
        EXPECT_EQ(Common()[kAppendIndex].m_Graphic, defaultGraphic);
    }
}

TEST(PaletteLists, PastingCleansTheReference) {
    struct cCase {
        int target;
        int source;
        int srcAfter;
    };
    const cCase cases[] = {{kStageList, 2, 0}, {kStageList, 1, 1}, {kCommonList, 1, 0}, {kCommonList, 2, 0}};
    for (const cCase& c : cases) {
        cPaletteFixture fixture(4, 4);
        cEdBlock clip = Stage()[2];
        clip.m_InheritSrc = static_cast<uint8_t>(c.source);
        clip.m_InheritIndex = 1;
        StageDoc().m_ClipBlock.reset(new cEdBlock(clip));
        StageDoc().m_ClipValid = 1;
        PasteElement<cEdBlock>(c.target, 3);
        const cEdBlock& pasted = (c.target ? Stage() : Common())[3];
        EXPECT_EQ(pasted.m_Graphic, 102) << c.target << c.source;
        EXPECT_EQ(pasted.m_InheritSrc, c.srcAfter) << c.target << c.source;
    }
}

TEST(PaletteLists, CountChangeKeepsElementZeroAndStopsAtOneThousand) {
    cPaletteFixture fixture(6, 3);
    SetElementCount<cEdBlock>(kCommonList, 0 + 1);
    EXPECT_EQ(Graphics(Common()), std::vector<int>{0});
    SetElementCount<cEdBlock>(kCommonList, 999 + 1);
    EXPECT_EQ(Common().size(), 1000u);
    SetElementCount<cEdBlock>(kCommonList, 5000);
    EXPECT_EQ(Common().size(), 1000u);
    // A list the inserts made longer keeps its size, and grows no further.
    InsertNewElement<cEdBlock>(kCommonList, kAppendIndex);
    SetElementCount<cEdBlock>(kCommonList, 1001);
    EXPECT_EQ(Common().size(), 1001u);
    SetElementCount<cEdBlock>(kCommonList, 5000);
    EXPECT_EQ(Common().size(), 1001u);
    ProjectOption().m_InheritSrc[eSituationStage][eKindBlock] = 1;
    SetElementCount<cEdBlock>(kStageList, 5);
    EXPECT_EQ(Stage()[4].m_InheritSrc, 1);
    EXPECT_EQ(Stage()[4].m_InheritIndex, 4);
    EXPECT_EQ(Graphics(Stage()).size(), 5u);
}

TEST(PaletteLists, InheritanceReferences) {
    struct cCase {
        int palette, index;
        int srcAfter, indexAfter, flagsAfter;
    };
    const cCase cases[] = {
        {1, 12, 0, 0, 0},  // past the common list of 12: dropped with its flags
        {1, 11, 1, 11, 1},
        {2, 3, 2, 3, 1},
        {2, 4, 0, 0, 0},   // past the stage list of 4
        {0, 7, 0, 7, 1},   // no base: the index and flags are kept, nothing inherits
    };
    for (const cCase& c : cases) {
        cPaletteFixture fixture(12, 4);
        cEdBlock block;
        block.m_Graphic = 55;
        block.m_bbInherit.assign(cEdBlock::kGroups, 1);
        cInheritFlags flags;
        flags.assign(cEdBlock::kGroups, 1);
        SetInheritRef(block, c.palette, c.index, flags);
        EXPECT_EQ(block.m_InheritSrc, c.srcAfter) << c.palette << " " << c.index;
        EXPECT_EQ(block.m_InheritIndex, c.indexAfter) << c.palette << " " << c.index;
        EXPECT_EQ(block.m_bbInherit[0], c.flagsAfter) << c.palette << " " << c.index;
        int expected = c.srcAfter == 1 ? c.index : c.srcAfter == 2 ? 100 + c.index : 55;
        EXPECT_EQ(block.m_Graphic, expected) << c.palette << " " << c.index;
    }
}

TEST(PaletteLists, PickingSetsThePenWithTheDefaultsReference) {
    cPaletteFixture fixture(10, 5);
    cPrjOption& option = ProjectOption();
    option.m_InheritSrc[eSituationCommonPlace][eKindBlock] = 1;
    option.m_InheritSrc[eSituationStagePlace][eKindBlock] = 2;
    cStageDoc& doc = StageDoc();
    doc.m_PenWidth = 3;
    TakePen<cEdBlock>(kCommonList, 7);
    EXPECT_EQ(doc.m_PenBlocks[0].m_Graphic, 7);
    EXPECT_EQ(doc.m_PenBlocks[0].m_InheritSrc, 1);
    EXPECT_EQ(doc.m_PenBlocks[0].m_InheritIndex, 7);
    EXPECT_EQ(doc.m_PenWidth, 1);
    TakePen<cEdBlock>(kStageList, 3);
    EXPECT_EQ(doc.m_PenBlocks[0].m_InheritSrc, 2);
    EXPECT_EQ(doc.m_SelPalette, kStageList);
    EXPECT_EQ(doc.m_SelIndex, 3);
    TakePen<cEdBlock>(kStageList, 5);  // past the end: nothing
    EXPECT_EQ(doc.m_SelIndex, 3);
}

TEST(PaletteLists, DefaultFlagsOfAnotherLengthAreToldAndCut) {
    cTempDir dir;
    cErrorLogOn log("EC_Test.txt");
    cPaletteFixture fixture(12, 4);
    for (size_t length : {static_cast<size_t>(cEdBlock::kGroups), static_cast<size_t>(cEdBlock::kGroups + 2), size_t{3}}) {
        cBoxAnswers boxes;
        cEdBlock block;
        cInheritFlags flags;
        flags.assign(length, 1);
        SetInheritRef(block, 1, 5, flags);
        bool told = length != static_cast<size_t>(cEdBlock::kGroups);
        ASSERT_EQ(boxes.Shown().size(), told ? 1u : 0u) << length;
        if (told) {
            EXPECT_EQ(boxes.Shown()[0].text, "lpData->m_bbInherit.size() != DefInheritCheck.size()\nデフォルトの継承設定がおかしい？");
        }
        EXPECT_EQ(block.m_InheritIndex, 5) << "the reference is set all the same";
        EXPECT_EQ(block.m_bbInherit[cEdBlock::kGroups - 1], length >= static_cast<size_t>(cEdBlock::kGroups) ? 1 : 0);
    }
}
