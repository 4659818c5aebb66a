// A chara's flow from the author's hands to the game, end to end: in the running editor the blob
// placed on the factory stage gets, in its data sheet, a flow that always runs (a straight move
// left, a wait and a jump, each chosen in the command picker and set in its dialog), whose list
// shows the three commands' lines; the stage is saved and played in the game program beside
// the editor. Pictures of the game's screen a known time apart find the blob by its colour: it
// walks left and jumps, where a play of the same stage before the flow shows it standing still.
// Each play ends with the game's window, and the editor leaves its test play.
// With KIT_PLAY_SHOTS naming a folder the pictures of the steps are saved there as BMP files
// (tools/play/flow_play_shots.sh turns them into the documentation's pictures).
#include <gtest/gtest.h>

#include <windows.h>
#include <prsht.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "data/Stage.h"
#include "tests/programs/EditorSession.h"

namespace {

// The blob of the factory stage stands on the ground here; the hero far to its left.
const int kBlobColumn = 10, kBlobRow = 12;
// The game draws the stage's top-left cell at the screen's; the ground's grass, as green as
// the blob, begins under the blob's row.
const int kGroundTop = (kBlobRow + 1) * 32;
// The status bar covers the top of the screen.
const int kStatusBarBottom = 32;

// The action page and its controls.
const int kActionPage = 3;
const int kFlowInherit = 1024, kFlows = 1082, kFlowInsert = 1066, kTiming = 1089, kCommands = 1095,
          kCommandInsert = 1068;
// The command dialogs' controls.
const int kCmdOk = 1000, kCmdTime = 1113, kMoveDir = 1128;
const int kMoveLeft = 2;  // of the direction combo

// The blob standing still is watched for a while; the moving one until it has walked and
// jumped (dots), at most for the limit.
const DWORD kStillMs = 3000, kMovingLimitMs = 30000;
const int kWalk = 24, kJump = 24;

// The times (ms) of the kept pictures NAME-1, NAME-2 and NAME-3, as NAME.txt beside them.
void KeepTimes(const char* name, const std::vector<DWORD>& times) {
    const char* folder = getenv("KIT_PLAY_SHOTS");
    if (!folder) return;
    FILE* out = fopen((std::string(folder) + "\\" + name + ".txt").c_str(), "w");
    if (!out) return;
    for (DWORD ms : times) fprintf(out, "%lu\n", static_cast<unsigned long>(ms));
    fclose(out);
}

// The blob: the box of its green dots between the status bar and the ground (none of the
// hero's, the blocks' or the sky's colours is that green; the status bar's gauge is).
struct cBox {
    bool found = false;
    int left = 0, right = 0, bottom = 0;
    int CentreX() const { return (left + right) / 2; }
};

cBox FindBlob(const cScreenPicture& screen) {
    cBox box;
    box.left = screen.width;
    for (int y = kStatusBarBottom; y < kGroundTop && y < screen.height; ++y)
        for (int x = 0; x < screen.width; ++x) {
            const uint32_t c = screen.At(x, y);
            const int r = (c >> 16) & 0xff, g = (c >> 8) & 0xff, b = c & 0xff;
            if (g < 100 || g < r + 60 || g < b + 60) continue;
            box.found = true;
            box.left = std::min(box.left, x);
            box.right = std::max(box.right, x);
            box.bottom = std::max(box.bottom, y);
        }
    return box;
}

// The blob in pictures of the game's screen from its first showing on. The first picture, the
// one with the blob highest and the last are kept as NAME-1, NAME-2 and NAME-3.
struct cWatch {
    std::vector<cBox> boxes;
    std::vector<DWORD> times;  // ms from the first picture
    int leftmost = 0, highest = 0;  // the blob's least centre and bottom seen
    DWORD highestAt = 0;
};

// Looks until the blob has walked and jumped from where it stood (`from`) as far as asked and
// landed again (a loaded machine only runs the game slower), or for the whole time when asked for
// nothing.
cWatch WatchBlob(HWND game, const char* name, const cBox& from, int walk, int jump, DWORD limitMs) {
    cWatch watch;
    const RECT client = ClientOnScreen(game);
    cScreenPicture highest, last;
    const DWORD begin = GetTickCount();
    DWORD start = begin;
    for (DWORD now = begin; now - begin < limitMs; now = GetTickCount()) {
        cScreenPicture screen = TakePicture(client);
        const cBox box = FindBlob(screen);
        // The play's first frames may not be on the screen yet.
        if (watch.boxes.empty() && !box.found) {
            Sleep(30);
            continue;
        }
        watch.boxes.push_back(box);
        if (watch.boxes.size() == 1) start = now;
        watch.times.push_back(now - start);
        last = screen;
        if (watch.boxes.size() == 1) {
            KeepPicture(screen, (std::string(name) + "-1").c_str());
            watch.leftmost = box.CentreX();
            watch.highest = box.bottom;
            highest = screen;
        }
        if (box.found) {
            watch.leftmost = std::min(watch.leftmost, box.CentreX());
            if (box.bottom < watch.highest) {
                watch.highest = box.bottom;
                watch.highestAt = now - start;
                highest = screen;
            }
        }
        // Done once it is back on the ground after the jump, left of where it stood.
        if (from.found && watch.leftmost <= from.CentreX() - walk && watch.highest <= from.bottom - jump &&
            box.found && box.bottom >= from.bottom - 2 && box.CentreX() <= from.CentreX() - walk / 2)
            break;
        Sleep(30);
    }
    KeepPicture(highest, (std::string(name) + "-2").c_str());
    KeepPicture(last, (std::string(name) + "-3").c_str());
    if (!watch.boxes.empty()) KeepTimes(name, {0, watch.highestAt, watch.times.back()});
    return watch;
}

// Starts the test play with Ctrl+T and waits for the game's play scene; the game's window.
HWND PlayStage(const cTempDir& dir, HWND main, DWORD editorPid) {
    DeleteFileA("EC_Game.txt");
    CtrlKey(main, 'T');
    HWND game = WaitForWindow({editorPid, false, "Quorbel4"});
    // Play states: 2 is play.
    if (game && !WaitForText(dir, "EC_Game.txt", "Scene 4 on 2.")) return nullptr;
    return game;
}

// Closes the game's window; true once the editor has heard of its end (the notice's count-th
// time).
bool CloseGame(const cTempDir& dir, HWND game, size_t count) {
    PostMessageA(game, WM_CLOSE, 0, 0);
    return WaitGone(game) && WaitForText(dir, "EC_Editor.txt", "ゲームプログラムからの通知 0 (1)", count);
}

}  // namespace

TEST(Programs, EditorFlowMakesThePlacedCharaWalkAndJumpInTestPlay) {
    cTempDir dir;
    ASSERT_TRUE(SetUpEditorProject(true));

    // The game started by the editor writes its frame log (the editor passes its surroundings on).
    SetEnvironmentVariableA("KIT_ERROR_LOG", "1");
    cRunningProgram editor("editor.exe");
    SetEnvironmentVariableA("KIT_ERROR_LOG", nullptr);
    ASSERT_TRUE(editor.Started());
    const cEditorWindows windows = WaitForEditorWindows(editor);
    ASSERT_NE(nullptr, windows.main);
    HWND frame = windows.frame, main = windows.main;
    DWORD editorPid = windows.pid;

    // The stage as the factory made it: the blob stays where it stands.
    HWND game = PlayStage(dir, main, editorPid);
    ASSERT_NE(nullptr, game) << "the game did not start playing: " << dir.Read("EC_Editor.txt") << dir.Read("EC_Game.txt");
    const cWatch still = WatchBlob(game, "play-without-flow", cBox(), 0, 0, kStillMs);
    ASSERT_TRUE(CloseGame(dir, game, 1)) << dir.Read("EC_Editor.txt");
    ASSERT_FALSE(still.boxes.empty()) << "no blob on the screen";
    const cBox& stands = still.boxes[0];
    for (size_t i = 0; i < still.boxes.size(); ++i) {
        const cBox& box = still.boxes[i];
        EXPECT_TRUE(box.found && std::abs(box.CentreX() - stands.CentreX()) <= 2 &&
                    std::abs(box.bottom - stands.bottom) <= 2)
            << "the blob moved without a flow, " << still.times[i] << " ms: x " << box.CentreX() << " bottom "
            << box.bottom;
    }

    // The placed blob's data sheet from the canvas (a right double click on its cell of the chara
    // layer), at its action page; its flows no longer inherit the palette's.
    PostMessageA(main, WM_COMMAND, kCharaLayer, 0);
    const LPARAM cell = MAKELPARAM(kBlobColumn * 32 + 16, kCanvasTop + kBlobRow * 32 + 16);
    PostMessageA(main, WM_RBUTTONDOWN, MK_RBUTTON, cell);
    PostMessageA(main, WM_RBUTTONUP, 0, cell);
    PostMessageA(main, WM_RBUTTONDBLCLK, MK_RBUTTON, cell);
    PostMessageA(main, WM_RBUTTONUP, 0, cell);
    HWND sheet = editor.WaitForWindow("#32770", "キャラデータ");
    ASSERT_NE(nullptr, sheet);
    // The sheet opens beside the palette, partly off the desktop: the author drags it into view.
    SetWindowPos(sheet, nullptr, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(sheet, PSM_SETCURSEL, kActionPage, 0);
    HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    ASSERT_NE(nullptr, page);
    if (IsDlgButtonChecked(page, kFlowInherit) == BST_CHECKED) SendMessageA(GetDlgItem(page, kFlowInherit), BM_CLICK, 0, 0);
    ASSERT_TRUE(IsWindowEnabled(GetDlgItem(page, kFlowInsert)));
    HWND flows = GetDlgItem(page, kFlows), commands = GetDlgItem(page, kCommands);
    ASSERT_EQ(1, SendMessageA(flows, LB_GETCOUNT, 0, 0)) << "only the append row";
    SendMessageA(GetDlgItem(page, kFlowInsert), BM_CLICK, 0, 0);
    ASSERT_EQ(2, SendMessageA(flows, LB_GETCOUNT, 0, 0));
    KeepWindow(sheet, "sheet-1-new-flow");
    char timing[64] = "";
    GetDlgItemTextA(page, kTiming, timing, sizeof timing);
    EXPECT_EQ(std::string("常時"), timing);

    // The commands through the picker: each dialog set as the author would, then its OK.
    struct cStep {
        int button;  // in the picker
        const char* caption;
        int time;    // tenths of a second
        int dir;     // of the direction combo, or -1
        const char* shot;
    } steps[] = {{1268, "直線移動", 5, kMoveLeft, "command-2-line-move"},
                 {1267, "ウエイト", 5, -1, "command-3-wait"},
                 {1276, "ジャンプ", -1, -1, "command-4-jump"}};
    for (const cStep& step : steps) {
        HWND picker = PressInto(editor, page, kCommandInsert, "コマンド");
        ASSERT_NE(nullptr, picker) << step.caption;
        if (step.button == steps[0].button) KeepWindow(picker, "command-1-picker");
        HWND dlg = PressInto(editor, picker, step.button, step.caption);
        ASSERT_NE(nullptr, dlg) << step.caption;
        if (step.time >= 0) SetDlgItemInt(dlg, kCmdTime, static_cast<UINT>(step.time), FALSE);
        if (step.dir >= 0) {
            SendDlgItemMessageA(dlg, kMoveDir, CB_SETCURSEL, static_cast<WPARAM>(step.dir), 0);
            SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(kMoveDir, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(GetDlgItem(dlg, kMoveDir)));
        }
        KeepWindow(dlg, step.shot);
        PostMessageA(dlg, WM_COMMAND, kCmdOk, 0);
        ASSERT_TRUE(WaitGone(dlg)) << step.caption;
        ASSERT_TRUE(WaitGone(picker)) << step.caption;
    }
    const std::vector<std::string> lines = {"5 ◆ 直線移動 ◆ 左 時5 速10", "5 ◆ ウエイト ◆", "P-? ◆ ジャンプ ◆ 高さ7"};
    ASSERT_EQ(static_cast<LRESULT>(lines.size() + 1), SendMessageA(commands, LB_GETCOUNT, 0, 0)) << "and the append row";
    for (size_t row = 0; row < lines.size(); ++row) EXPECT_EQ(lines[row], RowText(commands, static_cast<int>(row))) << row;
    EXPECT_EQ("1 ×3 - -", RowText(flows, 0));
    KeepWindow(sheet, "sheet-2-commands");
    PostMessageA(GetDlgItem(sheet, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitGone(sheet));

    // Saved with Ctrl+S, then played with Ctrl+T: the blob walks left and jumps.
    const std::string before = dir.Read(kEditorStage);
    CtrlKey(main, 'S');
    for (int i = 0; i < 200 && dir.Read(kEditorStage) == before; ++i) Sleep(50);
    ASSERT_TRUE(before != dir.Read(kEditorStage)) << "the stage was not saved: " << dir.Read("EC_Editor.txt");
    cEdStage saved;
    ASSERT_TRUE(saved.LoadFile(kEditorStage));
    const cEdChara* blob = saved.m_Charas.Find(saved.CellIndex(kBlobColumn, kBlobRow));
    ASSERT_NE(nullptr, blob);
    ASSERT_EQ(1u, blob->m_Flows.size());
    EXPECT_EQ(3u, blob->m_Flows[0].m_Commands.size());

    game = PlayStage(dir, main, editorPid);
    ASSERT_NE(nullptr, game) << "the second test play did not start: " << dir.Read("EC_Editor.txt");
    const cWatch moving = WatchBlob(game, "play-with-flow", stands, kWalk, kJump, kMovingLimitMs);
    // A second test play while one runs is refused.
    CtrlKey(main, 'T');
    std::string refusal;
    HWND box = editor.WaitForBox("エラー", &refusal);
    ASSERT_NE(nullptr, box);
    EXPECT_EQ("二重起動はできません！", refusal);
    cRunningProgram::Answer(box, IDOK);
    ASSERT_TRUE(CloseGame(dir, game, 2)) << dir.Read("EC_Editor.txt");

    ASSERT_FALSE(moving.boxes.empty()) << "no blob on the screen";
    int seen = 0;
    for (const cBox& b : moving.boxes) seen += b.found ? 1 : 0;
    EXPECT_GE(seen * 10, static_cast<int>(moving.boxes.size()) * 9) << "the blob stays on the screen";
    EXPECT_LE(moving.leftmost, stands.CentreX() - kWalk) << "the blob walks left";
    EXPECT_LE(moving.highest, stands.bottom - kJump) << "the blob jumps";
    const cBox& last = moving.boxes.back();
    EXPECT_TRUE(last.found && last.CentreX() <= stands.CentreX() - kWalk / 2 && last.bottom >= stands.bottom - 2)
        << "and lands left of where it stood: x " << last.CentreX() << " bottom " << last.bottom << " from "
        << stands.CentreX() << " " << stands.bottom << " after " << moving.times.back() << " ms";

    EndEditor(editor, frame);
}
