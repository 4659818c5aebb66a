// The block data window driven by messages: opened from a palette window's Edit and from the
// canvas, its controls, the inheritance groups, the action parameter, stepping, the condition
// list's limit, writing back by source, and its previews as the screen shows them.
#include <gtest/gtest.h>

#include <windows.h>
#include <prsht.h>

#include <string>
#include <vector>

#include "data/ProjectDatabase.h"
#include "editor/flow/CondIds.h"
#include "editor/palette/BlockDlg.h"
#include "editor/palette/BlockIds.h"
#include "editor/palette/BlockWnd.h"
#include "editor/palette/DataWnd.h"
#include "editor/palette/PaletteDlg.h"
#include "editor/palette/PaletteIds.h"
#include "editor/palette/PaletteLists.h"
#include "editor/shell/DrawObject.h"
#include "editor/shell/SystemBitmaps.h"
#include "editor/shell/EditorIds.h"
#include "tests/palette/PaletteFixture.h"
#include "tests/palette/ShownPixels.h"
#include "tests/shell/EditorFixture.h"
#include "tests/shell/TestSheet.h"

namespace {

const int kCommon = 0;
const int kStage = 1;
const int kApplyButton = 0x3021;

// The editor with the block palettes shown; the block window opened on a palette block or a
// placed cell.
class cBlockWindows {
public:
    cBlockWindows(int common, int stage) : m_Palettes(common, stage) {
        m_Editor = new cEditorFixture(true);
        m_Palettes.Fill(common, stage);
        ProjectStage().m_UndoCount = 8;
        UndoHistory().Init(ProjectStage().m_UndoCount, ProjectStage().m_Stride, ProjectStage().m_Height);
        SetPaletteShower(ShowPaletteWindows);
        ShowPaletteWindows(&m_Editor->Main(), eLayerBlock);
        PumpEditor();
    }
    ~cBlockWindows() {
        delete m_Editor;
        SetPaletteShower(nullptr);
    }
    cPaletteDlg* Palette(int stage) const {
        return dynamic_cast<cPaletteDlg*>(m_Editor->Main().m_lpPaletteWnd[stage][eKindBlock]);
    }
    // Selects the element and runs the popup menu's "編集".
    void EditElement(int stage, int index) const {
        StageDoc().m_SelPalette = stage;
        StageDoc().m_SelIndex = index;
        SendMessageA(Palette(stage)->GetHwnd(), WM_COMMAND, ID_ELEMENT_EDIT, 0);
        PumpEditor();
    }
    void EditCell(uint32_t cell) const {
        EditStageCell(&m_Editor->Main(), eLayerBlock, cell);
        PumpEditor();
    }
    cBlockWnd* Sheet(int stage = kStage) const { return static_cast<cBlockWnd*>(Palette(stage)->DataWnd()); }
    cBlockDlg* Page(int stage = kStage) const { return Sheet(stage)->Page(); }
    HWND PageWnd(int stage = kStage) const { return Page(stage)->GetHwnd(); }
    void Click(int id, int stage = kStage) const {
        SendMessageA(GetDlgItem(PageWnd(stage), id), BM_CLICK, 0, 0);
        PumpEditor();
    }
    void Choose(int id, int row, int stage = kStage) const {
        HWND page = PageWnd(stage);
        SendDlgItemMessageA(page, id, CB_SETCURSEL, row, 0);
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
        PumpEditor();
    }
    void Type(int id, const char* text, int stage = kStage) const {
        SetDlgItemTextA(PageWnd(stage), id, text);
        PumpEditor();
    }
    std::string Text(int id, int stage = kStage) const {
        char text[256] = "";
        GetDlgItemTextA(PageWnd(stage), id, text, sizeof text);
        return text;
    }
    bool Enabled(int id, int stage = kStage) const { return IsWindowEnabled(GetDlgItem(PageWnd(stage), id)) != 0; }
    void SheetButton(int id, int stage = kStage) const {
        SendMessageA(GetDlgItem(Sheet(stage)->GetHwnd(), id), BM_CLICK, 0, 0);
        // The group deletes a closed sheet on the next message through the loop.
        PostMessageA(m_Editor->MainWnd(), WM_NULL, 0, 0);
        PumpEditor();
    }
    cEditorFixture& Editor() const { return *m_Editor; }

private:
    cPaletteFixture m_Palettes;
    cEditorFixture* m_Editor = nullptr;
};

}  // namespace

TEST(BlockWnd, TheTemplateHoldsEveryControl) {
    cBlockWindows windows(4, 4);
    windows.EditElement(kStage, 1);
    ASSERT_NE(windows.Sheet(), nullptr);
    char caption[64] = "";
    GetWindowTextA(windows.Sheet()->GetHwnd(), caption, sizeof caption);
    EXPECT_STREQ(caption, "ブロックデータ");
    std::vector<int> ids = {IDC_BK_INHERIT_SRC, IDC_BK_INHERIT_INDEX, IDC_BK_NAME,       IDC_COND_LIST,
                            IDC_COND_INSERT,    IDC_COND_EDIT,        IDC_COND_DELETE,   IDC_BK_COND_JUDGE,
                            IDC_BK_ONCE_TRUE,   IDC_BK_GRAPHIC_SRC,   IDC_BK_GRAPHIC,    IDC_BK_GRAPHIC_SPIN,
                            IDC_BK_FRAME,       IDC_BK_FRAME_SPIN,    IDC_BK_FRONT,      IDC_BK_TRANSPARENT,
                            IDC_BK_MARK_MODE,   IDC_BK_MARK,          IDC_BK_MARK_SPIN,  IDC_BK_TYPE,
                            IDC_BK_FORCE,       IDC_BK_ACTION,        IDC_BK_ACTION_X,   IDC_BK_ACTION_X_SPIN,
                            IDC_BK_ITEM_SRC,    IDC_BK_ITEM_INDEX,    IDC_BK_NO_SUMMON,  IDC_BK_PREVIEW,
                            IDC_BK_PREVIEW_SMALL, IDC_BK_PREV,        IDC_BK_NEXT,       IDC_BK_NUMBER};
    for (int group = 0; group < cEdBlock::kGroups; ++group) ids.push_back(IDC_BK_INHERIT_FIRST + group);
    for (int id : ids) EXPECT_NE(GetDlgItem(windows.PageWnd(), id), nullptr) << id;
}

TEST(BlockWnd, WhereTheBlockComesFromChoosesTheInheritanceAndTheNumber) {
    struct cCase {
        const char* name;
        int stage;  // -1: a placed cell
        bool inheritEnabled;
        int inheritRows;
        bool numberShown;
        int itemRows;
    } cases[] = {
        {"stage palette", kStage, true, 2, true, 3},
        {"common palette", kCommon, false, 1, true, 2},
        {"placed cell", -1, true, 3, false, 3},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cBlockWindows windows(4, 4);
        int owner = kStage;
        if (c.stage < 0) {
            ProjectStage().m_Blocks.Put(ProjectStage().CellIndex(2, 3), ProjectCommonPalette().m_Blocks[2]);
            windows.EditCell(ProjectStage().CellIndex(2, 3));
        } else {
            owner = c.stage;
            windows.EditElement(c.stage, 2);
        }
        ASSERT_NE(windows.Sheet(owner), nullptr);
        HWND page = windows.PageWnd(owner);
        EXPECT_EQ(windows.Enabled(IDC_BK_INHERIT_SRC, owner), c.inheritEnabled);
        EXPECT_EQ(SendDlgItemMessageA(page, IDC_BK_INHERIT_SRC, CB_GETCOUNT, 0, 0), c.inheritRows);
        EXPECT_EQ(SendDlgItemMessageA(page, IDC_BK_ITEM_SRC, CB_GETCOUNT, 0, 0), c.itemRows);
        EXPECT_EQ(IsWindowVisible(GetDlgItem(page, IDC_BK_NUMBER)) != 0, c.numberShown);
        EXPECT_EQ(IsWindowVisible(GetDlgItem(page, IDC_BK_NEXT)) != 0, c.numberShown);
        if (c.numberShown) {
            EXPECT_EQ(windows.Text(IDC_BK_NUMBER, owner), "No.2");
        }
        if (!c.inheritEnabled) {
            EXPECT_FALSE(windows.Enabled(IDC_BK_INHERIT_INDEX, owner));
        }
    }
}

TEST(BlockWnd, InheritingTheGraphicCopiesItAndGreysItsControls) {
    cBlockWindows windows(4, 4);
    cEdBlock& block = ProjectStage().m_Palette.m_Blocks[1];
    block.m_InheritSrc = 1;
    block.m_InheritIndex = 3;
    windows.EditElement(kStage, 1);
    EXPECT_EQ(windows.Text(IDC_BK_GRAPHIC), "101");
    EXPECT_TRUE(windows.Enabled(IDC_BK_GRAPHIC));
    windows.Click(IDC_BK_INHERIT_GRAPHIC);
    EXPECT_EQ(windows.Text(IDC_BK_GRAPHIC), "3");
    for (int id : {IDC_BK_GRAPHIC_SRC, IDC_BK_GRAPHIC, IDC_BK_FRAME}) EXPECT_FALSE(windows.Enabled(id)) << id;
    EXPECT_EQ(windows.Text(IDC_BK_NAME), "B101") << "the name group stays the block's own";
    EXPECT_TRUE(windows.Enabled(IDC_BK_NAME));
    // No inheritance clears every flag and frees the groups again.
    windows.Choose(IDC_BK_INHERIT_SRC, 0);
    EXPECT_FALSE(windows.Enabled(IDC_BK_INHERIT_INDEX));
    EXPECT_FALSE(windows.Enabled(IDC_BK_INHERIT_GRAPHIC));
    EXPECT_NE(IsDlgButtonChecked(windows.PageWnd(), IDC_BK_INHERIT_GRAPHIC), BST_CHECKED);
    EXPECT_TRUE(windows.Enabled(IDC_BK_GRAPHIC));
}

TEST(BlockWnd, AStageBlockThatNamesItselfInheritsNothing) {
    cBlockWindows windows(4, 4);
    cEdBlock& block = ProjectStage().m_Palette.m_Blocks[2];
    block.m_InheritSrc = 2;
    block.m_InheritIndex = 2;
    windows.EditElement(kStage, 2);
    windows.Type(IDC_BK_GRAPHIC, "50");
    windows.Click(IDC_BK_INHERIT_GRAPHIC);
    EXPECT_EQ(windows.Text(IDC_BK_GRAPHIC), "50");
}

TEST(BlockWnd, AChangedActionTakesItsDefaultAndAReopenedBlockKeepsItsValue) {
    cBlockWindows windows(4, 4);
    windows.EditElement(kStage, 1);
    EXPECT_FALSE(windows.Enabled(IDC_BK_ACTION_X)) << "no action has no parameter";
    windows.Choose(IDC_BK_ACTION, 1);
    EXPECT_EQ(windows.Text(IDC_BK_ACTION_X), "7");
    windows.Choose(IDC_BK_ACTION, 3);
    EXPECT_EQ(windows.Text(IDC_BK_ACTION_X), "200");
    EXPECT_TRUE(windows.Enabled(IDC_BK_ACTION_X));
    windows.Choose(IDC_BK_ACTION, 2);
    EXPECT_FALSE(windows.Enabled(IDC_BK_ACTION_X));

    cEdBlock& block = ProjectStage().m_Palette.m_Blocks[2];
    block.m_Action = 3;
    block.m_ActionX = 50;
    windows.EditElement(kStage, 2);
    EXPECT_EQ(windows.Text(IDC_BK_ACTION_X), "50");
}

TEST(BlockWnd, StepsWrapWithinThePaletteAndKeepTheirEdits) {
    cBlockWindows windows(4, 4);
    windows.EditElement(kStage, 3);
    windows.Type(IDC_BK_NAME, "三番");
    windows.Click(IDC_BK_NEXT);
    EXPECT_EQ(windows.Text(IDC_BK_NUMBER), "No.1");
    EXPECT_EQ(windows.Text(IDC_BK_NAME), "B101");
    windows.Click(IDC_BK_PREV);
    EXPECT_EQ(windows.Text(IDC_BK_NUMBER), "No.3");
    EXPECT_EQ(windows.Text(IDC_BK_NAME), "三番");
    EXPECT_EQ(ProjectStage().m_Palette.m_Blocks[3].m_Name, "B103") << "nothing before Apply";
    windows.SheetButton(kApplyButton);
    EXPECT_EQ(ProjectStage().m_Palette.m_Blocks[3].m_Name, "三番");
    EXPECT_EQ(StageDoc().m_StageModified, 1);
}

TEST(BlockWnd, ApplyingAPlacedCellIsUndoneByOneUndo) {
    cBlockWindows windows(4, 4);
    cEdStage& stage = ProjectStage();
    uint32_t cell = stage.CellIndex(1, 1);
    stage.m_Blocks.Put(cell, ProjectCommonPalette().m_Blocks[2]);
    windows.EditCell(cell);
    ASSERT_NE(windows.Sheet(), nullptr);
    EXPECT_EQ(StageDoc().m_EditSource, eSourceStageCell);
    windows.Type(IDC_BK_GRAPHIC, "77");
    windows.SheetButton(kApplyButton);
    EXPECT_EQ(stage.m_Blocks.At(cell).m_Graphic, 77);
    EXPECT_EQ(UndoHistory().UndoCount(), 1u);
    windows.SheetButton(IDOK);
    EXPECT_EQ(windows.Sheet(), nullptr) << "the group deletes the closed window";
    EXPECT_TRUE(IsWindowEnabled(windows.Editor().MainWnd()));
    windows.Editor().Command(ID_EDIT_UNDO);
    EXPECT_EQ(stage.m_Blocks.At(cell).m_Graphic, 2);
}

TEST(BlockWnd, ACommonBlockAppliesToTheCommonPaletteAndBecomesThePen) {
    cBlockWindows windows(4, 4);
    windows.EditElement(kCommon, 2);
    windows.Type(IDC_BK_GRAPHIC, "40", kCommon);
    windows.SheetButton(IDOK, kCommon);
    EXPECT_EQ(ProjectCommonPalette().m_Blocks[2].m_Graphic, 40);
    EXPECT_EQ(StageDoc().m_CommonModified, 1);
    EXPECT_EQ(StageDoc().m_PenBlocks[0].m_Graphic, 40);
    EXPECT_TRUE(IsWindowEnabled(windows.Palette(kCommon)->GetHwnd()));
}

TEST(BlockWnd, CancelLeavesTheBlockAsItWas) {
    cBlockWindows windows(4, 4);
    CopyToClipboard<cEdBlock>(kStage, 2, 1);
    windows.EditElement(kStage, 1);
    EXPECT_EQ(StageDoc().m_ClipValid, 0) << "editing forgets the palette clipboard";
    windows.Type(IDC_BK_NAME, "変更");
    windows.SheetButton(IDCANCEL);
    EXPECT_EQ(ProjectStage().m_Palette.m_Blocks[1].m_Name, "B101");
}

TEST(BlockWnd, TheConditionListRefusesItsHundredthRow) {
    cBlockWindows windows(4, 4);
    ProjectStage().m_Palette.m_Blocks[1].m_Conditions.assign(99, cCondition());
    windows.EditElement(kStage, 1);
    windows.Click(IDC_COND_INSERT);
    windows.SheetButton(kApplyButton);
    EXPECT_EQ(ProjectStage().m_Palette.m_Blocks[1].m_Conditions.size(), 99u);
}

TEST(BlockWnd, TheDedicatedBitmapRangeIsNeverEmpty) {
    cBlockWindows windows(4, 4);
    cRestoreOnExit<cRecordVector<cBmpCharaExc>> bitmaps(ProjectDatabase().m_BmpCharaExcs);
    ProjectDatabase().m_BmpCharaExcs.clear();
    windows.EditElement(kStage, 1);
    windows.Choose(IDC_BK_GRAPHIC_SRC, eGraphicDedicated);
    windows.Type(IDC_BK_GRAPHIC, "5");
    EXPECT_EQ(windows.Text(IDC_BK_GRAPHIC), "1");
    EXPECT_TRUE(windows.Enabled(IDC_BK_FRAME));
}

TEST(BlockWnd, OpeningShowsTheInheritedGroupsAsTheBaseHasThemNow) {
    cBlockWindows windows(4, 4);
    cEdBlock& block = ProjectStage().m_Palette.m_Blocks[1];
    block.m_InheritSrc = 1;
    block.m_InheritIndex = 3;
    block.m_bbInherit[2] = 1;  // the graphic group, its stored copy (101) out of date
    windows.EditElement(kStage, 1);
    EXPECT_EQ(windows.Text(IDC_BK_GRAPHIC), "3");
    EXPECT_FALSE(windows.Enabled(IDC_BK_GRAPHIC));
}

TEST(BlockWnd, ThePreviewsShowWhatTheControlsHoldNotTheStoredBlock) {
    // Block graphic 5 red, every other blue; mark 3 green, every other clear.
    cTestSheet blocks(eBmpBlock, 256, 480,
                      [](int x, int y) { return x < 32 && y / 32 == 5 ? RGB(255, 0, 0) : RGB(0, 0, 255); });
    cTestSheet marks(eBmpMark, 256, 480, [](int x, int y) { return x < 32 && y / 32 == 3 ? RGB(0, 255, 0) : kClear; });
    auto red = [](uint32_t c) { return ChannelsIn(c, 0xe0, 0xff, 0, 0x20, 0, 0x20); };
    auto green = [](uint32_t c) { return ChannelsIn(c, 0, 0x20, 0xe0, 0xff, 0, 0x20); };
    auto blue = [](uint32_t c) { return ChannelsIn(c, 0, 0x20, 0, 0x20, 0xe0, 0xff); };
    struct cCase {
        const char* name;
        const char* graphic;  // typed, or null
        int markMode;         // chosen, with mark 3 typed; or -1
        bool (*shown)(uint32_t);
    };
    const cCase cases[] = {
        {"as stored", nullptr, -1, blue},
        {"graphic typed", "5", -1, red},
        {"mark chosen", nullptr, 1, green},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cBlockWindows windows(4, 4);  // stage block 1 shows graphic 101, without a mark
        windows.EditElement(kStage, 1);
        ASSERT_NE(windows.Sheet(), nullptr);
        if (c.graphic) windows.Type(IDC_BK_GRAPHIC, c.graphic);
        if (c.markMode >= 0) {
            windows.Choose(IDC_BK_MARK_MODE, c.markMode);
            windows.Type(IDC_BK_MARK, "3");
        }
        const cShownPixels large = ShownPixels(GetDlgItem(windows.PageWnd(), IDC_BK_PREVIEW));
        const cShownPixels small = ShownPixels(GetDlgItem(windows.PageWnd(), IDC_BK_PREVIEW_SMALL));
        ASSERT_EQ(large.width, 32);
        ASSERT_EQ(small.width, 32);
        EXPECT_TRUE(c.shown(large.At(16, 16))) << std::hex << large.At(16, 16);
        // Small: at half size in the right half of the box, the left half empty.
        EXPECT_TRUE(c.shown(small.At(24, 8))) << std::hex << small.At(24, 8);
        EXPECT_TRUE(IsBlack(small.At(8, 8))) << std::hex << small.At(8, 8);
        EXPECT_EQ(ProjectStage().m_Palette.m_Blocks[1].m_Graphic, 101) << "nothing before Apply";
    }
}

TEST(BlockWnd, OkWithNothingTypedKeepsNumbersOutsideTheirRanges) {
    // Each number shows inside its range; the block keeps its own until the author types.
    struct cCase {
        const char* name;
        void (*set)(cEdBlock&);
        int typed;  // an edit typed into, 0 for none
        const char* text;
        int graphic, frame, mark, actionX;  // after OK
    } cases[] = {
        {"blank graphic", [](cEdBlock& b) { b.m_Graphic = 0; }, 0, nullptr, 0, 0, 0, 0},
        {"blank graphic with a base", [](cEdBlock& b) { b.m_Graphic = 0, b.m_InheritSrc = 1, b.m_InheritIndex = 2; },
         0, nullptr, 0, 0, 0, 0},
        {"frame past the sheet", [](cEdBlock& b) { b.m_GraphicSrc = eGraphicChara, b.m_Frames = 45; }, 0, nullptr,
         101, 45, 0, 0},
        {"mark past the sheet", [](cEdBlock& b) { b.m_MarkMode = 1, b.m_Mark = 130; }, 0, nullptr, 101, 0, 130, 0},
        {"jump height below its range", [](cEdBlock& b) { b.m_Action = 1, b.m_ActionX = 0; }, 0, nullptr, 101, 0, 0, 0},
        {"blank graphic, mark typed", [](cEdBlock& b) { b.m_Graphic = 0, b.m_MarkMode = 1; }, IDC_BK_MARK, "7", 0, 0, 7,
         0},
        {"blank graphic, typed", [](cEdBlock& b) { b.m_Graphic = 0; }, IDC_BK_GRAPHIC, "12", 12, 0, 0, 0},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cBlockWindows windows(4, 4);
        c.set(ProjectStage().m_Palette.m_Blocks[1]);
        windows.EditElement(kStage, 1);
        ASSERT_NE(windows.Sheet(), nullptr);
        if (c.typed) windows.Type(c.typed, c.text);
        windows.SheetButton(IDOK);
        ASSERT_EQ(windows.Sheet(), nullptr);
        const cEdBlock& block = ProjectStage().m_Palette.m_Blocks[1];
        EXPECT_EQ(block.m_Graphic, c.graphic);
        EXPECT_EQ(block.m_Frames, c.frame);
        EXPECT_EQ(block.m_Mark, c.mark);
        EXPECT_EQ(block.m_ActionX, c.actionX);
    }
}
