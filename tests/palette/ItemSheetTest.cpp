// The item data sheet driven by messages: its two templates, where the item comes from, the
// inheritance source and its thirteen toggles, stepping, the copies kept in step across the
// pages, committing by source, Cancel, the graphic limits and the two lists.
#include <gtest/gtest.h>

#include <vector>

#include "data/FlowTables.h"
#include "editor/flow/CmdDlg.h"
#include "editor/flow/CondIds.h"
#include "editor/flow/FlowCmdIds.h"
#include "editor/palette/ItemIds.h"
#include "editor/palette/ItemPage2.h"
#include "tests/palette/ItemFixture.h"
#include "tests/support/DialogDriver.h"

namespace {

const int kPage1Toggles = 8;
const int kPage2Toggles = 5;

cEdItem& StageItem(int index) { return ProjectStage().m_Palette.m_Items[static_cast<size_t>(index)]; }
cEdItem& CommonItem(int index) { return ProjectCommonPalette().m_Items[static_cast<size_t>(index)]; }

cFlowCmd ItemCmd(int type) {
    cFlowCmd cmd;
    cmd.m_CmdSet = 1;
    cmd.m_CmdType = static_cast<uint8_t>(type);
    if (type >= 1 && type < kItemCommandTypes) cmd.m_Params.assign(static_cast<size_t>(ItemCommandTypes[type].m_Value), 0);
    return cmd;
}

int Rows(HWND list) { return static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)); }

std::string Row(HWND list, int row) {
    char text[256] = "";
    SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
    return text;
}

void Press(HWND dlg, int id) {
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dlg, id)));
}

// The sheet on page 2 of stage item 1, whose effect commands the test gives.
class cEffectList : public cItemWindows {
public:
    explicit cEffectList(std::vector<cFlowCmd> cmds) : cItemWindows(4, 4) {
        StageItem(1).m_Commands.assign(cmds.begin(), cmds.end());
        EditElement(kStagePalette, 1);
        ShowPage(kItemPage2);
    }
    HWND List() const { return GetDlgItem(PageWnd(kItemPage2), IDC_I2_CMDS); }
    const cRecordVector<cFlowCmd>& Commands() const { return Page(kItemPage2)->Item().m_Commands; }
    // Makes the row the only selected one, as a click on it does.
    void SelectRow(int row) const {
        SendMessageA(List(), LB_SETSEL, FALSE, -1);
        SendMessageA(List(), LB_SETSEL, TRUE, row);
        SendMessageA(List(), LB_SETCARETINDEX, static_cast<WPARAM>(row), FALSE);
        SendMessageA(PageWnd(kItemPage2), WM_COMMAND, MAKEWPARAM(IDC_I2_CMDS, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(List()));
        PumpEditor();
    }
    std::vector<int> Types() const {
        std::vector<int> types;
        for (const cFlowCmd& cmd : Commands()) types.push_back(cmd.m_CmdType);
        return types;
    }
};

}  // namespace

TEST(ItemSheet, TheTwoTemplatesHoldEveryControl) {
    cItemWindows windows(4, 4);
    windows.EditElement(kStagePalette, 1);
    ASSERT_NE(windows.Sheet(), nullptr);
    char caption[64] = "";
    GetWindowTextA(windows.Sheet()->GetHwnd(), caption, sizeof caption);
    EXPECT_STREQ(caption, "アイテムデータ");
    std::vector<int> common = {IDC_IT_PREV, IDC_IT_NEXT, IDC_IT_NUMBER, IDC_IT_PREVIEW};
    std::vector<std::vector<int>> ids = {
        {IDC_I1_INHERIT_SRC, IDC_I1_INHERIT_INDEX, IDC_I1_NAME, IDC_COND_LIST, IDC_COND_INSERT, IDC_COND_EDIT,
         IDC_COND_DELETE, IDC_I1_COND_JUDGE, IDC_I1_ONCE_TRUE, IDC_I1_OFFSET_X, IDC_I1_OFFSET_X_SPIN, IDC_I1_OFFSET_Y,
         IDC_I1_OFFSET_Y_SPIN, IDC_I1_GRAPHIC_SRC, IDC_I1_GRAPHIC, IDC_I1_GRAPHIC_SPIN, IDC_I1_FRAME,
         IDC_I1_FRAME_SPIN, IDC_I1_Z, IDC_I1_Z_SPIN, IDC_I1_TRANSPARENT, IDC_I1_MARK_MODE, IDC_I1_MARK,
         IDC_I1_MARK_SPIN, IDC_I1_PREVIEW_2},
        {IDC_I2_SCALE, IDC_I2_TAKE_MODE, IDC_I2_SOUND, IDC_I2_SHOW_ON_TAKE, IDC_I2_CMDS, IDC_I2_CMD_INSERT,
         IDC_I2_CMD_DELETE, IDC_I2_CMD_EDIT, IDC_I2_STRIP},
    };
    const int toggles[] = {kPage1Toggles, kPage2Toggles};
    for (int page = 0; page < 2; ++page) {
        SCOPED_TRACE(page);
        windows.ShowPage(page);
        ASSERT_NE(windows.PageWnd(page), nullptr);
        std::vector<int> all = ids[page];
        all.insert(all.end(), common.begin(), common.end());
        for (int i = 0; i < toggles[page]; ++i) all.push_back(IDC_IT_INHERIT_FIRST + i);
        for (int id : all) EXPECT_NE(GetDlgItem(windows.PageWnd(page), id), nullptr) << id;
        EXPECT_EQ(GetDlgItem(windows.PageWnd(page), IDC_IT_INHERIT_FIRST + toggles[page]), nullptr);
    }
}

TEST(ItemSheet, ACommonItemOffersNoInheritance) {
    cItemWindows windows(4, 4);
    windows.EditElement(kCommonPalette, 2);
    ASSERT_NE(windows.Sheet(), nullptr);
    EXPECT_EQ(windows.ComboRows(kItemPage1, IDC_I1_INHERIT_SRC), 1);
    EXPECT_EQ(windows.Text(kItemPage1, IDC_I1_INHERIT_SRC), "継承しない");
    EXPECT_FALSE(windows.Enabled(kItemPage1, IDC_I1_INHERIT_SRC));
    EXPECT_FALSE(windows.Enabled(kItemPage1, IDC_I1_INHERIT_INDEX));
    for (int i = 0; i < kPage1Toggles; ++i) EXPECT_FALSE(windows.Enabled(kItemPage1, IDC_IT_INHERIT_FIRST + i)) << i;
    windows.ShowPage(kItemPage2);
    for (int i = 0; i < kPage2Toggles; ++i) EXPECT_FALSE(windows.Enabled(kItemPage2, IDC_IT_INHERIT_FIRST + i)) << i;
    // What each source offers.
    windows.SheetButton(IDCANCEL);
    windows.EditElement(kStagePalette, 1);
    EXPECT_EQ(windows.ComboRows(kItemPage1, IDC_I1_INHERIT_SRC), 2);
    EXPECT_TRUE(windows.Enabled(kItemPage1, IDC_I1_INHERIT_SRC));
}

TEST(ItemSheet, NoInheritanceClearsAllThirteenFlags) {
    cItemWindows windows(4, 4);
    cEdItem& item = StageItem(1);
    item.m_InheritSrc = 1;
    item.m_InheritIndex = 3;
    for (int group = 0; group < cEdItem::kGroups; ++group) item.m_bbInherit[static_cast<size_t>(group)] = 1;
    item.ApplyInherit();
    windows.EditElement(kStagePalette, 1);
    EXPECT_EQ(windows.Text(kItemPage1, IDC_I1_NAME), "C3") << "the name comes from the base";
    EXPECT_TRUE(windows.Checked(kItemPage1, IDC_IT_INHERIT_FIRST));
    EXPECT_FALSE(windows.Enabled(kItemPage1, IDC_I1_NAME));
    windows.Choose(kItemPage1, IDC_I1_INHERIT_SRC, 0);
    for (int i = 0; i < kPage1Toggles; ++i) {
        EXPECT_FALSE(windows.Checked(kItemPage1, IDC_IT_INHERIT_FIRST + i)) << i;
        EXPECT_FALSE(windows.Enabled(kItemPage1, IDC_IT_INHERIT_FIRST + i)) << i;
    }
    EXPECT_TRUE(windows.Enabled(kItemPage1, IDC_I1_NAME));
    EXPECT_FALSE(windows.Enabled(kItemPage1, IDC_I1_INHERIT_INDEX));
    windows.ShowPage(kItemPage2);
    for (int i = 0; i < kPage2Toggles; ++i) {
        EXPECT_FALSE(windows.Checked(kItemPage2, IDC_IT_INHERIT_FIRST + i)) << i;
        EXPECT_FALSE(windows.Enabled(kItemPage2, IDC_IT_INHERIT_FIRST + i)) << i;
    }
    EXPECT_TRUE(windows.Enabled(kItemPage2, IDC_I2_CMDS));
    windows.ShowPage(kItemPage1);
    windows.SheetButton(IDOK);
    for (int group = 0; group < cEdItem::kGroups; ++group) EXPECT_EQ(item.m_bbInherit[static_cast<size_t>(group)], 0) << group;
    EXPECT_EQ(item.m_InheritSrc, 0);
}

TEST(ItemSheet, ChoosingABasePaletteFreesTheTogglesAndAToggleTakesItsGroup) {
    cItemWindows windows(4, 4);
    cEdStage& stage = ProjectStage();
    uint32_t cell = stage.CellIndex(2, 2);
    stage.m_Items.Put(cell, StageItem(2));
    windows.EditCell(cell);
    ASSERT_NE(windows.Sheet(), nullptr);
    EXPECT_EQ(windows.ComboRows(kItemPage1, IDC_I1_INHERIT_SRC), 3);
    EXPECT_FALSE(windows.Enabled(kItemPage1, IDC_IT_INHERIT_FIRST));
    windows.Choose(kItemPage1, IDC_I1_INHERIT_SRC, 1);
    EXPECT_TRUE(windows.Enabled(kItemPage1, IDC_I1_INHERIT_INDEX));
    EXPECT_EQ(windows.ComboRows(kItemPage1, IDC_I1_INHERIT_INDEX), 3) << "the common items after element 0";
    windows.Choose(kItemPage1, IDC_I1_INHERIT_INDEX, 0);
    windows.Click(kItemPage1, IDC_IT_INHERIT_FIRST + 4);
    EXPECT_EQ(windows.Text(kItemPage1, IDC_I1_GRAPHIC), "1") << "common item 1's graphic";
    for (int id : {IDC_I1_GRAPHIC_SRC, IDC_I1_GRAPHIC, IDC_I1_FRAME}) EXPECT_FALSE(windows.Enabled(kItemPage1, id)) << id;
    windows.ShowPage(kItemPage2);
    EXPECT_TRUE(windows.Enabled(kItemPage2, IDC_IT_INHERIT_FIRST)) << "page 2's toggles follow the base palette";
    windows.Click(kItemPage2, IDC_IT_INHERIT_FIRST + 4);
    EXPECT_FALSE(windows.Enabled(kItemPage2, IDC_I2_CMDS));
    EXPECT_FALSE(windows.Enabled(kItemPage2, IDC_I2_CMD_INSERT));
    windows.SheetButton(IDOK);
    const cEdItem& placed = stage.m_Items.At(cell);
    EXPECT_EQ(placed.m_InheritSrc, 1);
    EXPECT_EQ(placed.m_InheritIndex, 1);
    EXPECT_EQ(placed.m_bbInherit[4], 1);
    EXPECT_EQ(placed.m_bbInherit[12], 1);
    EXPECT_EQ(placed.m_Graphic, 1);
}

TEST(ItemSheet, StepsWrapWithinThePaletteOnBothPages) {
    cItemWindows windows(4, 5);
    windows.EditElement(kStagePalette, 4);
    EXPECT_EQ(windows.Text(kItemPage1, IDC_IT_NUMBER), "No.4");
    windows.Click(kItemPage1, IDC_IT_NEXT);
    EXPECT_EQ(windows.Text(kItemPage1, IDC_IT_NUMBER), "No.1");
    EXPECT_EQ(windows.Text(kItemPage1, IDC_I1_NAME), "S1");
    windows.Click(kItemPage1, IDC_IT_PREV);
    EXPECT_EQ(windows.Text(kItemPage1, IDC_IT_NUMBER), "No.4");
    windows.ShowPage(kItemPage2);
    windows.Click(kItemPage2, IDC_IT_NEXT);
    EXPECT_EQ(windows.Text(kItemPage2, IDC_IT_NUMBER), "No.1");
    windows.Click(kItemPage2, IDC_IT_PREV);
    EXPECT_EQ(windows.Text(kItemPage2, IDC_IT_NUMBER), "No.4");
    windows.ShowPage(kItemPage1);
    EXPECT_EQ(windows.Text(kItemPage1, IDC_IT_NUMBER), "No.4");
    EXPECT_EQ(windows.Text(kItemPage1, IDC_I1_NAME), "S4");
}

// A list whose only element past the empty one has nothing to step to; a placed item has no
// list and shows no steps.
TEST(ItemSheet, NoStepWithoutASecondElementOrAList) {
    cItemWindows windows(4, 2);
    windows.EditElement(kStagePalette, 1);
    windows.Click(kItemPage1, IDC_IT_NEXT);
    EXPECT_EQ(windows.Text(kItemPage1, IDC_IT_NUMBER), "No.1");
    EXPECT_EQ(windows.Text(kItemPage1, IDC_I1_NAME), "S1");
    windows.SheetButton(IDCANCEL);
    cEdStage& stage = ProjectStage();
    uint32_t cell = stage.CellIndex(1, 1);
    stage.m_Items.Put(cell, CommonItem(2));
    windows.EditCell(cell);
    for (int page : {kItemPage1, kItemPage2}) {
        windows.ShowPage(page);
        for (int id : {IDC_IT_NUMBER, IDC_IT_PREV, IDC_IT_NEXT}) EXPECT_FALSE(windows.Shown(page, id)) << id;
    }
    SendMessageA(windows.PageWnd(kItemPage2), WM_COMMAND, MAKEWPARAM(IDC_IT_NEXT, BN_CLICKED), 0);
    PumpEditor();
    windows.SheetButton(IDOK);
    EXPECT_EQ(stage.m_Items.At(cell).m_Name, "C2");
}

TEST(ItemSheet, APage2ChangeConfirmedWithOkOnPage2IsApplied) {
    cItemWindows windows(4, 4);
    windows.EditElement(kStagePalette, 2);
    windows.Type(kItemPage1, IDC_I1_NAME, "二番");
    windows.ShowPage(kItemPage2);
    windows.Choose(kItemPage2, IDC_I2_TAKE_MODE, 2);
    windows.Choose(kItemPage2, IDC_I2_SCALE, 2);
    windows.Click(kItemPage2, IDC_I2_SHOW_ON_TAKE);
    windows.SheetButton(IDOK);
    const cEdItem& item = StageItem(2);
    EXPECT_EQ(item.m_TakeMode, 2);
    EXPECT_EQ(item.m_Scale, 3) << "×9 is stored as 3";
    EXPECT_EQ(item.m_ShowOnTake, 0) << "shown above the chara until unchecked";
    EXPECT_EQ(item.m_Name, "二番");
    EXPECT_EQ(StageDoc().m_StageModified, 1);
    EXPECT_EQ(EditConfig().m_ItemPage, kItemPage2);
    // The sheet reopens on the page last shown.
    windows.EditElement(kStagePalette, 2);
    EXPECT_EQ(PropSheet_GetCurrentPageHwnd(windows.Sheet()->GetHwnd()), windows.PageWnd(kItemPage2));
}

TEST(ItemSheet, TheGraphicKindSetsTheLimitsOfNumberAndFrame) {
    struct cCase {
        int bitmaps;
        const char* number;
    } cases[] = {{0, "1"}, {1, "1"}, {3, "2"}};
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.bitmaps);
        cRestoreOnExit<cRecordVector<cBmpCharaExc>> bitmaps(ProjectDatabase().m_BmpCharaExcs);
        ProjectDatabase().m_BmpCharaExcs.resize(static_cast<size_t>(c.bitmaps));
        cItemWindows windows(4, 4);
        windows.EditElement(kStagePalette, 1);
        windows.Choose(kItemPage1, IDC_I1_GRAPHIC_SRC, 4);
        EXPECT_TRUE(windows.Enabled(kItemPage1, IDC_I1_FRAME));
        windows.Type(kItemPage1, IDC_I1_GRAPHIC, "100");
        EXPECT_EQ(windows.Text(kItemPage1, IDC_I1_GRAPHIC), c.number);
        windows.Type(kItemPage1, IDC_I1_FRAME, "300");
        EXPECT_EQ(windows.Text(kItemPage1, IDC_I1_FRAME), "239");
        windows.Choose(kItemPage1, IDC_I1_GRAPHIC_SRC, 1);
        EXPECT_EQ(windows.Text(kItemPage1, IDC_I1_FRAME), "39");
        windows.Choose(kItemPage1, IDC_I1_GRAPHIC_SRC, 0);
        EXPECT_FALSE(windows.Enabled(kItemPage1, IDC_I1_FRAME));
        windows.Choose(kItemPage1, IDC_I1_MARK_MODE, 0);
        EXPECT_FALSE(windows.Enabled(kItemPage1, IDC_I1_MARK));
        windows.Choose(kItemPage1, IDC_I1_MARK_MODE, 1);
        EXPECT_TRUE(windows.Enabled(kItemPage1, IDC_I1_MARK));
    }
}

TEST(ItemSheet, APlacedItemsApplyIsUndoneByOneUndo) {
    cItemWindows windows(4, 4);
    cEdStage& stage = ProjectStage();
    uint32_t cell = stage.CellIndex(3, 2);
    stage.m_Items.Put(cell, CommonItem(2));
    windows.EditCell(cell);
    ASSERT_NE(windows.Sheet(), nullptr);
    windows.Type(kItemPage1, IDC_I1_NAME, "置いた");
    EXPECT_EQ(StageDoc().m_StageModified, 0);
    windows.SheetButton(kSheetApply);
    EXPECT_EQ(stage.m_Items.At(cell).m_Name, "置いた");
    windows.SheetButton(IDOK);
    EXPECT_EQ(windows.Sheet(), nullptr) << "the group deletes the closed sheet";
    EXPECT_EQ(UndoHistory().UndoCount(), 1u);
    EXPECT_EQ(StageDoc().m_StageModified, 1);
    EXPECT_TRUE(IsWindowEnabled(windows.Editor().MainWnd()));
    windows.Editor().Command(ID_EDIT_UNDO);
    EXPECT_EQ(stage.m_Items.At(cell).m_Name, "C2");
}

TEST(ItemSheet, AStagePaletteItemsApplyReachesThePlacedItemsThatInheritIt) {
    cItemWindows windows(4, 4);
    cEdStage& stage = ProjectStage();
    cEdItem heir = StageItem(1);
    heir.m_InheritSrc = 2;
    heir.m_InheritIndex = 1;
    heir.m_bbInherit[0] = 1;
    heir.m_bbInherit[9] = 1;
    uint32_t cell = stage.CellIndex(4, 1);
    stage.m_Items.Put(cell, heir);
    windows.EditElement(kStagePalette, 1);
    windows.Type(kItemPage1, IDC_I1_NAME, "新");
    windows.ShowPage(kItemPage2);
    windows.Choose(kItemPage2, IDC_I2_TAKE_MODE, 1);
    windows.SheetButton(kSheetApply);
    EXPECT_EQ(StageItem(1).m_Name, "新");
    EXPECT_EQ(stage.m_Items.At(cell).m_Name, "新");
    EXPECT_EQ(stage.m_Items.At(cell).m_TakeMode, 1);
    EXPECT_EQ(UndoHistory().UndoCount(), 0u) << "palette edits are no undo steps";
    windows.SheetButton(IDCANCEL);
}

TEST(ItemSheet, ACommonItemCommitsToTheCommonPaletteAndTheDefaultToTheOptions) {
    cItemWindows windows(4, 4);
    windows.EditElement(kCommonPalette, 3);
    windows.Type(kItemPage1, IDC_I1_NAME, "共通");
    windows.SheetButton(IDOK);
    EXPECT_EQ(CommonItem(3).m_Name, "共通");
    EXPECT_EQ(StageDoc().m_CommonModified, 1);
    EXPECT_EQ(StageDoc().m_StageModified, 0);
}

// The project's default item (the options' "アイテム") is edited in place: no inheritance, no
// steps, and OK writes it back without marking the stage or the common palette.
TEST(ItemSheet, TheDefaultItemIsWrittenBackInPlace) {
    cItemWindows windows(4, 4);
    cStageDoc& doc = StageDoc();
    doc.m_lpEditItem = &ProjectOption().m_DefItem;
    doc.m_EditSource = eSourceDefault;
    windows.Palette(kStagePalette)->OpenDataWnd(eSourceDefault, 0);
    PumpEditor();
    ASSERT_NE(windows.Sheet(), nullptr);
    EXPECT_EQ(windows.ComboRows(kItemPage1, IDC_I1_INHERIT_SRC), 1);
    EXPECT_FALSE(windows.Enabled(kItemPage1, IDC_I1_INHERIT_SRC));
    for (int id : {IDC_IT_NUMBER, IDC_IT_PREV, IDC_IT_NEXT}) EXPECT_FALSE(windows.Shown(kItemPage1, id)) << id;
    windows.Type(kItemPage1, IDC_I1_NAME, "既定");
    windows.ShowPage(kItemPage2);
    windows.Choose(kItemPage2, IDC_I2_TAKE_MODE, 1);
    windows.SheetButton(IDOK);
    EXPECT_EQ(ProjectOption().m_DefItem.m_Name, "既定");
    EXPECT_EQ(ProjectOption().m_DefItem.m_TakeMode, 1);
    EXPECT_EQ(doc.m_StageModified, 0);
    EXPECT_EQ(doc.m_CommonModified, 0);
}

TEST(ItemSheet, CancelAfterSteppingAndEditingChangesNoItem) {
    cItemWindows windows(4, 4);
    std::vector<cEdItem> before(ProjectCommonPalette().m_Items.begin(), ProjectCommonPalette().m_Items.end());
    windows.EditElement(kCommonPalette, 1);
    windows.Type(kItemPage1, IDC_I1_NAME, "一");
    windows.Click(kItemPage1, IDC_IT_NEXT);
    windows.ShowPage(kItemPage2);
    windows.Choose(kItemPage2, IDC_I2_TAKE_MODE, 2);
    windows.Click(kItemPage2, IDC_IT_NEXT);
    windows.SheetButton(IDCANCEL);
    EXPECT_EQ(windows.Sheet(), nullptr);
    ASSERT_EQ(ProjectCommonPalette().m_Items.size(), before.size());
    for (size_t i = 0; i < before.size(); ++i) EXPECT_TRUE(CommonItem(static_cast<int>(i)) == before[i]) << i;
    for (size_t i = 0; i < before.size(); ++i) EXPECT_EQ(CommonItem(static_cast<int>(i)).m_Name, before[i].m_Name) << i;
    EXPECT_EQ(StageDoc().m_CommonModified, 0);
}

TEST(ItemSheet, ACancelledConditionInsertLeavesTheConditions) {
    cItemWindows windows(4, 4);
    cCondition cond;
    cond.m_Kind = 1;
    StageItem(1).m_Conditions.push_back(cond);
    windows.EditElement(kStagePalette, 1);
    HWND list = GetDlgItem(windows.PageWnd(kItemPage1), IDC_COND_LIST);
    ASSERT_EQ(Rows(list), 2) << "one condition and the append row";
    bool opened = false;
    DriveDialog(CaptionIs("条件"), [&](HWND dlg) {
        opened = true;
        SendMessageA(dlg, WM_CLOSE, 0, 0);
    });
    windows.Click(kItemPage1, IDC_COND_INSERT);
    EXPECT_TRUE(opened);
    EXPECT_EQ(Rows(list), 2);
    windows.SheetButton(IDOK);
    EXPECT_EQ(StageItem(1).m_Conditions.size(), 1u);
}

// Each row's text comes from its item command type; a type no table has (from a file) shows
// nothing after its number, and editing it opens nothing and changes nothing.
TEST(ItemSheet, EffectRowsFollowTheItemCommandTypes) {
    cEffectList page({ItemCmd(21), ItemCmd(40), ItemCmd(0)});
    HWND list = page.List();
    ASSERT_EQ(Rows(list), 4) << "three commands and the append row";
    EXPECT_GT(Row(list, 0).size(), 2u) << "the code command's line";
    EXPECT_EQ(Row(list, 1), "2 ");
    EXPECT_EQ(Row(list, 2), "3 ");
    // Were a dialog opened, nothing here would end it.
    for (int row : {1, 2}) {
        page.SelectRow(row);
        page.Click(kItemPage2, IDC_I2_CMD_EDIT);
        EXPECT_EQ(Rows(list), 4) << row;
    }
    page.SheetButton(IDOK);
    const cEdItem& item = StageItem(1);
    ASSERT_EQ(item.m_Commands.size(), 3u);
    EXPECT_EQ(item.m_Commands[1].m_CmdType, 40);
}

// "挿入" opens the item flow editor on a new command before the current row: OK in the type's
// dialog keeps it (an item command of the pressed type); a Cancel there or in the editor
// leaves the list as it was. "編集" opens the command's own dialog at once.
TEST(ItemSheet, EffectCommandsGoThroughTheItemFlowEditor) {
    cEffectList page({ItemCmd(21)});
    const std::string wait = ItemCommandTypes[2].m_Name;
    struct cCase {
        bool pressType;
        int end;
        std::vector<int> types;
    } cases[] = {{false, 0, {21}}, {true, IDC_CMD_CANCEL, {21}}, {true, IDC_CMD_OK, {2, 21}}};
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.end);
        page.SelectRow(0);
        bool opened = false;
        DriveDialog(CaptionIs("コマンド"), [&](HWND editor) {
            opened = true;
            if (!c.pressType) {
                SendMessageA(editor, WM_CLOSE, 0, 0);
                return;
            }
            DriveDialog(CaptionIs(wait.c_str()), [&](HWND dlg) { Press(dlg, c.end); });
            Press(editor, CmdButtonId(2));
        });
        page.Click(kItemPage2, IDC_I2_CMD_INSERT);
        EXPECT_TRUE(opened);
        EXPECT_EQ(page.Types(), c.types);
        EXPECT_EQ(Rows(page.List()), static_cast<int>(c.types.size()) + 1);
    }
    EXPECT_EQ(page.Commands()[0].m_CmdSet, 1);
    // The code command's own dialog; its Cancel changes nothing.
    const cFlowCmd before = page.Commands()[1];
    bool opened = false;
    DriveDialog(CaptionIs(ItemCommandTypes[21].m_Name), [&](HWND dlg) {
        opened = true;
        Press(dlg, IDC_CMD_CANCEL);
    });
    page.SelectRow(1);
    page.Click(kItemPage2, IDC_I2_CMD_EDIT);
    EXPECT_TRUE(opened);
    EXPECT_TRUE(page.Commands()[1] == before);
    page.SheetButton(IDOK);
    ASSERT_EQ(StageItem(1).m_Commands.size(), 2u);
    EXPECT_EQ(StageItem(1).m_Commands[0].m_CmdType, 2);
}

// A full list (999 commands) refuses the next one before any dialog opens.
TEST(ItemSheet, TheThousandthEffectCommandIsRefused) {
    cEffectList page(std::vector<cFlowCmd>(999, ItemCmd(2)));
    page.Click(kItemPage2, IDC_I2_CMD_INSERT);
    EXPECT_EQ(page.Commands().size(), 999u);
    EXPECT_EQ(Rows(page.List()), 1000);
}
