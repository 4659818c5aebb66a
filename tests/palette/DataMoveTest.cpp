// Moving, copying and deleting ranges of a palette list: the operations on their own (a table
// over a list whose element i shows graphic i), what follows a change, and the dialog run from
// a palette window's menu.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "editor/palette/DataMove.h"
#include "editor/palette/DataMoveIds.h"
#include "editor/palette/PaletteDlg.h"
#include "editor/palette/PaletteIds.h"
#include "tests/palette/PaletteFixture.h"
#include "tests/shell/EditorFixture.h"
#include "tests/support/DialogDriver.h"

namespace {

std::vector<int> Sequence(std::initializer_list<std::pair<int, int>> runs) {
    std::vector<int> out;
    for (auto run : runs)
        for (int i = run.first; i <= run.second; ++i) out.push_back(i);
    return out;
}

}  // namespace

TEST(DataMove, RangesMoveCopyAndDelete) {
    struct cCase {
        const char* name;
        int count, op, first, last, destination;
        bool changed;
        std::vector<int> after;  // empty: as before
    } cases[] = {
        {"move onto itself", 10, eMoveRange, 3, 3, 3, false, {}},
        {"move just after itself", 10, eMoveRange, 3, 3, 4, false, {}},
        {"move forward", 10, eMoveRange, 3, 3, 6, true, {0, 1, 2, 4, 5, 3, 6, 7, 8, 9}},
        {"move back arrives reversed", 10, eMoveRange, 5, 7, 2, true, {0, 1, 7, 6, 5, 2, 3, 4, 8, 9}},
        {"move to the end", 10, eMoveRange, 2, 3, 10, true, {0, 1, 4, 5, 6, 7, 8, 9, 2, 3}},
        {"copy past the end appends", 10, eCopyRange, 1, 2, 10, true, Sequence({{0, 9}, {1, 2}})},
        {"copy before element 1", 10, eCopyRange, 4, 5, 1, true, Sequence({{0, 0}, {4, 5}, {1, 9}})},
        {"delete", 10, eDeleteRange, 2, 3, 1, true, Sequence({{0, 1}, {4, 9}})},
        // Mended: each of these changed the list wrongly or went out of bounds.
        {"move into its own range", 10, eMoveRange, 5, 7, 6, false, {}},
        {"move to just after its range", 10, eMoveRange, 5, 7, 8, false, {}},
        {"first after last", 10, eMoveRange, 7, 5, 2, false, {}},
        {"first after last, delete", 10, eDeleteRange, 7, 5, 1, false, {}},
        {"element 0 alone", 1, eDeleteRange, 1, 1, 1, false, {}},
        {"range clamped to the list", 10, eDeleteRange, 8, 50, 1, true, Sequence({{0, 7}})},
        {"range below 1 starts at 1", 10, eDeleteRange, -3, 1, 1, true, Sequence({{0, 0}, {2, 9}})},
        {"destination 0 never writes element 0", 10, eMoveRange, 3, 3, 0, true, {0, 3, 1, 2, 4, 5, 6, 7, 8, 9}},
        {"copy up to 1000 elements", 998, eCopyRange, 1, 2, 998, true, Sequence({{0, 997}, {1, 2}})},
        // Inserts grow a list past its first thousand elements; a copy must too.
        {"copy past 1000 elements grows the list", 999, eCopyRange, 1, 2, 5,
         true, Sequence({{0, 4}, {1, 2}, {5, 998}})},
        {"copy within a list past 1000", 1200, eCopyRange, 1100, 1102, 1200,
         true, Sequence({{0, 1199}, {1100, 1102}})},
        {"unknown operation", 10, 3, 1, 2, 5, false, {}},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cRecordVector<cEdBlock> list;
        FillBlocks(list, c.count, 0);
        std::vector<int> before = Graphics(list);
        EXPECT_EQ(MoveRange(list, c.op, c.first, c.last, c.destination), c.changed);
        EXPECT_EQ(Graphics(list), c.after.empty() ? before : c.after);
    }
}

TEST(DataMove, AfterAChangeTheSelectionStaysInsideAndInheritanceFollowsTheNumbers) {
    cPaletteFixture palettes(10, 4);
    cRestoreOnExit<cEdStage> stage(ProjectStage());
    ProjectStage().SetSize(20, 15);
    cEdBlock cell;
    cell.m_Graphic = 50;
    cell.m_InheritSrc = 1;
    cell.m_InheritIndex = 2;
    cell.m_bbInherit[2] = 1;  // the graphic
    uint32_t index = ProjectStage().CellIndex(1, 1);
    ProjectStage().m_Blocks.Put(index, cell);
    cStageDoc& doc = StageDoc();
    doc.m_SelPalette = 0;
    doc.m_SelIndex = 9;
    doc.m_ClipValid = 1;
    cRecordVector<cEdBlock>& common = ProjectCommonPalette().m_Blocks;
    ASSERT_TRUE(MoveRange(common, eDeleteRange, 2, 3, 1));
    AfterRangeChange(0, eKindBlock);
    EXPECT_EQ(doc.m_SelIndex, 7);
    EXPECT_EQ(doc.m_ClipValid, 0);
    EXPECT_EQ(doc.m_CommonModified, 1);
    EXPECT_EQ(doc.m_StageModified, 0);
    EXPECT_EQ(ProjectStage().m_Blocks.At(index).m_Graphic, 4) << "the element now numbered 2";
}

TEST(DataMove, ThePaletteMenuRunsTheDialog) {
    cPaletteFixture palettes(10, 6);
    cEditorFixture editor(true);
    palettes.Fill(10, 6);
    SetPaletteShower(ShowPaletteWindows);
    ShowPaletteWindows(&editor.Main(), eLayerBlock);
    PumpEditor();
    HWND stageWnd = editor.Main().m_lpPaletteWnd[1][eKindBlock]->GetHwnd();
    struct cCase {
        const char* first;
        const char* last;
        const char* destination;
        int op;
        int okOrCancel;
        std::vector<int> after;
        bool destinationEnabled;
    } cases[] = {
        {"4", "5", "2", eMoveRange, IDC_DM_CANCEL, {0, 101, 102, 103, 104, 105}, true},
        {"4", "5", "2", eMoveRange, IDC_DM_OK, {0, 101, 105, 104, 102, 103}, true},
        {"1", "2", "9", eDeleteRange, IDC_DM_OK, {0, 104, 102, 103}, false},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.first);
        bool enabled = false;
        DriveCaptioned("データの移動", [&](HWND dlg) {
            SetDlgItemTextA(dlg, IDC_DM_FIRST, c.first);
            SetDlgItemTextA(dlg, IDC_DM_LAST, c.last);
            SetDlgItemTextA(dlg, IDC_DM_DEST, c.destination);
            SendDlgItemMessageA(dlg, IDC_DM_OP, CB_SETCURSEL, c.op, 0);
            SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDC_DM_OP, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(GetDlgItem(dlg, IDC_DM_OP)));
            enabled = IsWindowEnabled(GetDlgItem(dlg, IDC_DM_DEST)) != 0;
            for (int id : {IDC_DM_FIRST_SPIN, IDC_DM_LAST_SPIN, IDC_DM_DEST_SPIN})
                EXPECT_NE(GetDlgItem(dlg, id), nullptr) << id;
            SendMessageA(GetDlgItem(dlg, c.okOrCancel), BM_CLICK, 0, 0);
        });
        SendMessageA(stageWnd, WM_COMMAND, ID_PALETTE_MOVE, 0);
        PumpEditor();
        EXPECT_EQ(Graphics(ProjectStage().m_Palette.m_Blocks), c.after);
        EXPECT_EQ(enabled, c.destinationEnabled);
    }
    EXPECT_TRUE(IsWindowEnabled(editor.MainWnd())) << "the editor's windows come back";
    SetPaletteShower(nullptr);
}
