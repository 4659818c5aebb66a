// The tool windows as a person meets them in the first minute: editor.exe reopens the factory
// stage, then makes a new one with Ctrl+N and Enter, then goes to the chara layer with Space. Each
// time the palette windows of the layer (and, on the chara layer, the group window) must be on
// screen: shown, inside the desktop, beside the main window and never under it.
// With KIT_PLAY_SHOTS naming a folder the first sight is saved there as a BMP file
// (tools/play/palette_shots.sh turns it into the documentation's picture).
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "tests/programs/EditorSession.h"
#include "tests/support/InputQueue.h"
#include "tests/support/TopWindows.h"

namespace {

const char kNewStageCaption[] = "ステージの新規作成";
const char kGroupCaption[] = "キャラのグループ情報";

// A window of the process by its title, shown or not; null when there is none.
HWND FindTitled(DWORD pid, const char* title) {
    return FindTopWindow({pid, true, nullptr, nullptr, nullptr, title, false, true});
}

// The window lies higher in the z-order than the other one.
bool IsAbove(HWND wnd, HWND other) {
    for (HWND next = GetWindow(wnd, GW_HWNDNEXT); next; next = GetWindow(next, GW_HWNDNEXT))
        if (next == other) return true;
    return false;
}

std::string Describe(const RECT& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + ")";
}

// Each window of the titles is shown, inside the desktop and not covered by the main window, also
// once the main window is the active one again; the windows of the list do not cover one another.
void ExpectInView(const cRunningProgram& editor, HWND main, const std::vector<const char*>& titles) {
    for (const char* title : titles) ASSERT_NE(nullptr, editor.WaitForWindow("#32770", title, 10000)) << title;
    // As the author does: a click into a tool window, then one back into the main window.
    for (HWND active : {editor.WaitForWindow("#32770", titles[0]), main}) {
        SetForegroundWindow(active);
        for (int i = 0; i < 100 && GetForegroundWindow() != active; ++i) Sleep(20);
        Sleep(100);
    }
    DWORD pid = 0;
    GetWindowThreadProcessId(main, &pid);
    RECT desktop, mainRect;
    GetWindowRect(GetDesktopWindow(), &desktop);
    GetWindowRect(main, &mainRect);
    std::vector<RECT> seen;
    for (const char* title : titles) {
        HWND wnd = FindTitled(pid, title);
        ASSERT_TRUE(wnd && IsWindowVisible(wnd)) << title << " went when the main window was activated";
        RECT rect, overlap;
        GetWindowRect(wnd, &rect);
        EXPECT_TRUE(rect.left >= desktop.left && rect.top >= desktop.top && rect.right <= desktop.right &&
                    rect.bottom <= desktop.bottom)
            << title << " at " << Describe(rect) << " leaves the desktop " << Describe(desktop);
        if (IntersectRect(&overlap, &rect, &mainRect)) {
            EXPECT_TRUE(IsAbove(wnd, main)) << title << " at " << Describe(rect) << " lies under the main window at "
                                            << Describe(mainRect);
        }
        for (const RECT& other : seen)
            EXPECT_FALSE(IntersectRect(&overlap, &rect, &other))
                << title << " at " << Describe(rect) << " covers " << Describe(other);
        seen.push_back(rect);
    }
}

// With KIT_PLAY_SHOTS naming a folder: a picture of the main window and the tool windows of the
// titles, the desktop's part that holds them all.
void KeepBeside(HWND main, DWORD pid, const std::vector<const char*>& titles, const char* name) {
    if (!getenv("KIT_PLAY_SHOTS")) return;
    RECT all = WindowOnScreen(main);
    for (const char* title : titles)
        if (HWND wnd = FindTitled(pid, title)) {
            const RECT rect = WindowOnScreen(wnd);
            UnionRect(&all, &all, &rect);
        }
    Sleep(300);  // the display shows what the windows drew a little later
    KeepPicture(TakePicture(all), name);
}

// Keys typed on the keyboard into the window, made the foreground one first; a key with the
// Ctrl flag is typed with Ctrl held.
const WORD kCtrl = 0x100;
void TypeKeys(HWND wnd, const std::vector<WORD>& keys) {
    SetForegroundWindow(wnd);
    for (int i = 0; i < 100 && GetForegroundWindow() != wnd; ++i) Sleep(20);
    for (WORD key : keys) {
        const WORD letter = key & 0xff;
        if (key & kCtrl)
            TypeChord({VK_CONTROL, letter});
        else
            TypeChord({letter});
        Sleep(50);
    }
}

}  // namespace

TEST(Programs, EditorShowsThePalettesOfTheLayerBesideItsMainWindow) {
    cTempDir dir;
    ASSERT_TRUE(SetUpEditorProject(false));
    cRunningProgram editor("editor.exe");
    ASSERT_TRUE(editor.Started());
    cEditorWindows windows = WaitForEditorWindows(editor);
    ASSERT_NE(nullptr, windows.main);
    const std::vector<const char*> blockPalettes = {"[コモン]ブロックパレット", "[ステージ]ブロックパレット"};

    // The stage reopened at start.
    ExpectInView(editor, windows.main, blockPalettes);
    KeepBeside(windows.main, windows.pid, blockPalettes, "palettes-beside-main");
    EXPECT_EQ(nullptr, FindTitled(windows.pid, kGroupCaption)) << "the group window belongs to the chara layer";

    // A new stage: the main window is made anew, and its palettes with it.
    TypeKeys(windows.main, {kCtrl | 'N'});
    HWND dialog = editor.WaitForWindow("#32770", kNewStageCaption);
    ASSERT_NE(nullptr, dialog);
    TypeKeys(dialog, {VK_RETURN});
    HWND ask = editor.WaitForBox("新規作成の確認");
    ASSERT_NE(nullptr, ask) << "the open stage is given up only when the author agrees";
    TypeKeys(ask, {VK_RETURN});
    ASSERT_TRUE(WaitGone(windows.main));
    HWND main = WaitForWindow({windows.pid, true, "#32770", windows.frame});
    ASSERT_NE(nullptr, main);
    ExpectInView(editor, main, blockPalettes);

    // Space: the chara layer, with the group window.
    TypeKeys(main, {VK_SPACE});
    ExpectInView(editor, main, {"[コモン]キャラパレット", "[ステージ]キャラパレット"});
    ExpectInView(editor, main, {kGroupCaption});
    EXPECT_EQ(nullptr, FindTitled(windows.pid, blockPalettes[0]));

    // Dragged over the main window, a tool window stays in front of it.
    HWND group = FindTitled(windows.pid, kGroupCaption);
    RECT mainRect;
    GetWindowRect(main, &mainRect);
    SetWindowPos(group, nullptr, mainRect.left + 40, mainRect.top + 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ExpectInView(editor, main, {kGroupCaption});

    EndEditor(editor, windows.frame);
}
