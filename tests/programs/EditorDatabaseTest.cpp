// The database window of the running editor.exe keeps an effect frame added with the frame
// list's key: the first effect's frame list takes a frame from Ctrl+I as the person types it,
// Apply saves it, and the window opened again shows it.
#include <gtest/gtest.h>

#include <windows.h>
#include <prsht.h>

#include <string>

#include "editor/database/DatabaseIds.h"
#include "editor/shell/EditorIds.h"
#include "tests/programs/EditorSession.h"
#include "tests/support/RunningProgram.h"
#include "tests/support/TempDir.h"

namespace {

const int kEffectPage = 4;
const char kEffectFile[] = "data\\database\\Effect.dat";

// Opens the database window on the effect page; the sheet, with the page's window.
HWND OpenEffectPage(const cRunningProgram& editor, HWND main, HWND* page) {
    PostMessageA(main, WM_COMMAND, ID_TOOL_DATABASE, 0);
    HWND sheet = editor.WaitForWindow("#32770", "データベース", kWaitMs);
    if (!sheet) return nullptr;
    SendMessageA(sheet, PSM_SETCURSEL, kEffectPage, 0);
    *page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    return sheet;
}


// Waits until the list holds the rows.
bool WaitForRows(HWND list, int rows) {
    for (DWORD waited = 0; waited < kWaitMs; waited += 20) {
        if (Rows(list) == rows) return true;
        Sleep(20);
    }
    return false;
}

// Clicks the row of the list: the list takes the focus, as under the person's mouse.
void ClickRow(HWND list, int row) {
    const int height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    const LPARAM at = MAKELPARAM(4, row * height + height / 2);
    PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(list, WM_LBUTTONUP, 0, at);
}

bool WaitForChange(const cTempDir& dir, const char* file, const std::string& before) {
    for (DWORD waited = 0; waited < kWaitMs; waited += 50) {
        if (dir.Read(file) != before) return true;
        Sleep(50);
    }
    return false;
}

}  // namespace

TEST(Programs, EditorDatabaseKeepsAnEffectFrameAddedWithTheFrameListsKey) {
    cTempDir dir;
    ASSERT_TRUE(SetUpEditorProject(false));

    cRunningProgram editor("editor.exe");
    const cEditorWindows windows = WaitForEditorWindows(editor);
    ASSERT_TRUE(editor.Started() && windows.frame && windows.main);

    HWND page = nullptr;
    HWND sheet = OpenEffectPage(editor, windows.main, &page);
    ASSERT_NE(nullptr, sheet);
    ASSERT_NE(nullptr, page);
    HWND frames = GetDlgItem(page, IDC_DB_FRAME_LIST);
    ASSERT_NE(nullptr, frames);
    // The frames of the first effect, then the append row.
    const int rows = Rows(frames);
    ASSERT_GE(rows, 1);

    // Ctrl+I in the frame list appends a default frame.
    ClickRow(frames, rows - 1);
    CtrlKey(sheet, 'I');
    ASSERT_TRUE(WaitForRows(frames, rows + 1)) << Rows(frames);
    EXPECT_EQ("0-1", RowText(frames, rows - 1));

    const std::string before = dir.Read(kEffectFile);
    PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_APPLYNOW, 0);
    EXPECT_TRUE(WaitForChange(dir, kEffectFile, before));
    PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    ASSERT_TRUE(WaitGone(sheet, kWaitMs));

    sheet = OpenEffectPage(editor, windows.main, &page);
    ASSERT_NE(nullptr, sheet);
    ASSERT_NE(nullptr, page);
    frames = GetDlgItem(page, IDC_DB_FRAME_LIST);
    EXPECT_EQ(rows + 1, Rows(frames));
    EXPECT_EQ("0-1", RowText(frames, rows - 1));
    PostMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    ASSERT_TRUE(WaitGone(sheet, kWaitMs));

    EndEditor(editor, windows.frame);
}
