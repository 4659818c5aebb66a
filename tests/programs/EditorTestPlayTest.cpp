// The editor and the game program together: the editor, reopening the project's stage, places a
// block and a chara with pens taken from the stage, saves it and starts the game program that
// lies beside the project (found by its string) on it; the game reports its start and its end,
// the editor writes both to its log and records undo steps again afterwards. A second run
// reopens the stage and saves it byte for byte alike. A flow built in the chara data sheet
// through the command picker is saved with the common palette.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <string>

#include "data/CommonPalette.h"
#include "data/Stage.h"
#include "tests/programs/EditorSession.h"

namespace {

const int kPlayStageCommand = 40006;  // Ctrl+T
const int kToolbarId = 124;
const int kUndo = 40052;
const int kSaveCommand = 40077;
const int kBlockLayer = 40054;
// The canvas lies under the toolbar; cells are 32 dots.

LPARAM CellPoint(int x, int y) { return MAKELPARAM(x * 32 + 16, kCanvasTop + y * 32 + 16); }

}  // namespace

TEST(Programs, EditorBuildsAFlowInTheCharaSheetThroughThePicker) {
    cTempDir dir;
    ASSERT_TRUE(SetUpEditorProject(false));
    cRunningProgram editor("editor.exe");
    ASSERT_TRUE(editor.Started());
    const cEditorWindows windows = WaitForEditorWindows(editor);
    ASSERT_NE(nullptr, windows.main);
    HWND frame = windows.frame, main = windows.main;

    // The hero of the common chara palette: picked with a click, then "編集".
    PostMessageA(main, WM_COMMAND, kCharaLayer, 0);
    HWND palette = editor.WaitForWindow("#32770", "[コモン]キャラパレット");
    ASSERT_NE(nullptr, palette);
    PostMessageA(palette, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(48, kCanvasTop + 12));
    PostMessageA(palette, WM_LBUTTONUP, 0, MAKELPARAM(48, kCanvasTop + 12));
    PostMessageA(palette, WM_COMMAND, 40141, 0);  // 編集
    HWND sheet = editor.WaitForWindow("#32770", "キャラデータ");
    ASSERT_NE(nullptr, sheet);
    SendMessageA(sheet, PSM_SETCURSEL, 3, 0);
    HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    ASSERT_NE(nullptr, page);
    HWND flows = GetDlgItem(page, 1082), cmds = GetDlgItem(page, 1095);
    int flowRows = static_cast<int>(SendMessageA(flows, LB_GETCOUNT, 0, 0));
    SendMessageA(GetDlgItem(page, 1066), BM_CLICK, 0, 0);  // a new flow before the first, 常時
    EXPECT_EQ(flowRows + 1, SendMessageA(flows, LB_GETCOUNT, 0, 0));

    // 直線移動, ウエイト and ジャンプ through the picker (buttons of types 2, 1 and 10), each with
    // its dialog's OK.
    struct cStep {
        int button;
        const char* caption;
    } steps[] = {{1268, "直線移動"}, {1267, "ウエイト"}, {1276, "ジャンプ"}};
    for (const cStep& step : steps) {
        HWND picker = PressInto(editor, page, 1068, "コマンド");
        ASSERT_NE(nullptr, picker) << step.caption;
        HWND dlg = PressInto(editor, picker, step.button, step.caption);
        ASSERT_NE(nullptr, dlg) << step.caption;
        PostMessageA(dlg, WM_COMMAND, 1000, 0);
        for (int i = 0; i < 200 && IsWindow(dlg); ++i) Sleep(20);
    }
    ASSERT_EQ(4, SendMessageA(cmds, LB_GETCOUNT, 0, 0)) << "three commands and the append row";
    for (int row = 0; row < 3; ++row) EXPECT_FALSE(RowText(cmds, row).empty()) << row;
    // "1 ×3 - -": the row number, the command count, no group, no ID.
    EXPECT_EQ("1 ×3 - -", RowText(flows, 0));

    PostMessageA(GetDlgItem(sheet, IDOK), BM_CLICK, 0, 0);
    for (int i = 0; i < 200 && IsWindow(sheet); ++i) Sleep(20);
    const char kCommon[] = "data\\CommonPalette.cplt4";
    const std::string before = dir.Read(kCommon);
    PostMessageA(main, WM_COMMAND, kSaveCommand, 0);
    for (int i = 0; i < 200 && dir.Read(kCommon) == before; ++i) Sleep(50);
    Sleep(200);
    cCommonPalette saved;
    ASSERT_TRUE(saved.LoadFile(kCommon));
    ASSERT_GT(saved.m_Charas.size(), 1u);
    ASSERT_FALSE(saved.m_Charas[1].m_Flows.empty());
    const cFlow& flow = saved.m_Charas[1].m_Flows[0];
    ASSERT_EQ(3u, flow.m_Commands.size());
    EXPECT_EQ(2, flow.m_Commands[0].m_CmdType);
    EXPECT_EQ(1, flow.m_Commands[1].m_CmdType);
    EXPECT_EQ(10, flow.m_Commands[2].m_CmdType);
    EXPECT_EQ(0, flow.m_Trigger);
    EndEditor(editor, frame);
}

TEST(Programs, EditorTestPlaysItsStageInTheGameProgramBesideIt) {
    cTempDir dir;
    ASSERT_TRUE(SetUpEditorProject(true));
    const std::string before = dir.Read(kEditorStage);

    // The game inherits the editor's environment: its log shows what it played.
    SetEnvironmentVariableA("KIT_ERROR_LOG", "1");
    cRunningProgram editor("editor.exe");
    SetEnvironmentVariableA("KIT_ERROR_LOG", nullptr);
    ASSERT_TRUE(editor.Started());
    const cEditorWindows windows = WaitForEditorWindows(editor);
    ASSERT_NE(nullptr, windows.main);
    HWND frame = windows.frame, main = windows.main;
    DWORD editorPid = windows.pid;

    // Blocks and charas are placed with pens captured from the stage (a right click takes the
    // cell under it): a brick, then on the chara layer the slime.
    struct cPlacing {
        int layerCommand;
        int fromX, fromY, toX, toY;  // cells; the view starts at the top-left corner
    };
    const cPlacing placings[] = {{kBlockLayer, 11, 8, 5, 5}, {kCharaLayer, 10, 12, 6, 12}};
    for (const cPlacing& p : placings) {
        PostMessageA(main, WM_COMMAND, p.layerCommand, 0);
        PostMessageA(main, WM_RBUTTONDOWN, MK_RBUTTON, CellPoint(p.fromX, p.fromY));
        PostMessageA(main, WM_RBUTTONUP, 0, CellPoint(p.fromX, p.fromY));
        PostMessageA(main, WM_LBUTTONDOWN, MK_LBUTTON, CellPoint(p.toX, p.toY));
        PostMessageA(main, WM_LBUTTONUP, 0, CellPoint(p.toX, p.toY));
    }
    PostMessageA(main, WM_COMMAND, kPlayStageCommand, 0);
    HWND game = WaitForWindow({editorPid, false, "Quorbel4"});
    ASSERT_NE(nullptr, game) << "the game program did not start";
    EXPECT_TRUE(WaitForText(dir, "EC_Editor.txt", "ゲームプログラムからの通知 1 (1)")) << dir.Read("EC_Editor.txt");
    const std::string log = dir.Read("EC_Editor.txt");
    // The stage's path goes as it is, unquoted.
    EXPECT_NE(std::string::npos, log.find("game.exe data\\stg4\\Default.stg4_147 を起動しました")) << log;
    EXPECT_TRUE(WaitForText(dir, "EC_Game.txt", "Lives ")) << "the game plays the stage: " << dir.Read("EC_Game.txt");

    PostMessageA(game, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitForText(dir, "EC_Editor.txt", "ゲームプログラムからの通知 0 (1)")) << dir.Read("EC_Editor.txt");
    // The stage was saved with the placed cells before the game started.
    EXPECT_NE(before, dir.Read(kEditorStage));
    const std::string saved = dir.Read(kEditorStage);
    cEdStage placed;
    ASSERT_TRUE(placed.LoadFile(kEditorStage));
    EXPECT_FALSE(placed.m_Blocks.IsEmpty(placed.CellIndex(5, 5))) << "the brick";
    EXPECT_FALSE(placed.m_Charas.IsEmpty(placed.CellIndex(6, 12))) << "the slime";
    EXPECT_TRUE(placed.m_Blocks.IsEmpty(placed.CellIndex(4, 5)));

    // Undo works again: the history was set up anew, empty, and records the next edit.
    // The toolbar's Undo button (menus cannot be read from another process under Wine).
    HWND toolbar = GetDlgItem(main, kToolbarId);
    ASSERT_NE(nullptr, toolbar);
    auto undoEnabled = [&] { return (SendMessageA(toolbar, TB_GETSTATE, kUndo, 0) & TBSTATE_ENABLED) != 0; };
    EXPECT_FALSE(undoEnabled());
    PostMessageA(main, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(120, 120));
    PostMessageA(main, WM_LBUTTONUP, 0, MAKELPARAM(120, 120));
    bool undoable = false;
    for (int i = 0; i < 100 && !undoable; ++i, Sleep(50))
        undoable = undoEnabled();
    EXPECT_TRUE(undoable) << "an edit after the test play can be undone";

    EndEditor(editor, frame);

    // A new run reopens the stage and saves it byte for byte as the first run did.
    cRunningProgram again("editor.exe");
    ASSERT_TRUE(again.Started());
    const cEditorWindows reopened = WaitForEditorWindows(again);
    ASSERT_NE(nullptr, reopened.main);
    frame = reopened.frame;
    main = reopened.main;
    ASSERT_TRUE(DeleteFileA(kEditorStage));
    PostMessageA(main, WM_COMMAND, kSaveCommand, 0);
    for (int i = 0; i < 100 && !dir.Exists(kEditorStage); ++i) Sleep(50);
    Sleep(200);
    EXPECT_EQ(saved, dir.Read(kEditorStage));
    EndEditor(again, frame);
}
