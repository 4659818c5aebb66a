#pragma once
// The editor's start-up, message loop and shut-down, and the process-wide state they share with
// the frame and the main window.
//
// WinMain prepares the logs, refuses a second instance, registers the window class and calls
// InitApp, which makes the folders, sets up sound, loads the configuration and the project and
// creates the frame (off screen, never drawn) and the main window (a modeless dialog the frame
// owns). The loop then dispatches messages and, while the editor is active and nothing waits,
// runs IdleFrame; ExitApp stores the editor's state when the loop ends.
#include <windows.h>

#include <cstdint>
#include <string>

class cEditWnd;
class cFrameWnd;
class cWndGroup;

const char kEditorClass[] = "Quorbel4";
const char kEditorTitle[] = "Quorbel4";

struct cAppState {
    HINSTANCE instance = nullptr;
    int active = 0;       // the last WM_ACTIVATEAPP: non-zero while the editor is active
    int restored = 0;     // the frame came back from minimised; the next idle pass sets the focus
    int initialised = 0;  // InitApp completed: ExitApp may store the configuration
    int testPlaying = 0;  // the game program runs a test play
    int fps = 0;
    uint32_t frames = 0;  // idle passes run
    std::string startFolder;
};

cAppState& AppState();
// The registry of the editor's modeless windows.
cWndGroup& EditorGroup();
// The frame, null before InitApp made it.
cFrameWnd* FrameWnd();
// The main window now shown; null while none exists.
cEditWnd* MainEditWnd();
void SetMainEditWnd(cEditWnd* wnd);

// The whole run: what WinMain does. 0 when start-up fails, else the WM_QUIT code.
int EditorMain(HINSTANCE instance);
// Registers the window class of the frame; false when the system refuses.
bool RegisterEditorClass(HINSTANCE instance);
bool InitApp();
void ExitApp();
// One idle pass; always true.
bool IdleFrame();
// Whether the game program has taken the display (a desktop of width x height) for a full-screen
// test play: the editor then stops its idle passes until it is activated again. A desktop of
// that size outside a test play is the author's own.
bool GameHasTheScreen(const cAppState& state, int width, int height);
// Dispatches messages until WM_QUIT (its code), running idle passes in between.
int RunMessageLoop();
// Replaces the main window after a stage was created, opened or closed (flag 1); any other flag
// only frees it. Posted to the frame as WM_USER with the flag in wParam.
void RebuildEditWnd(int flag);
// The frame window and its object; Destroy also frees the main window.
bool CreateFrameWnd();
void DestroyFrameWnd();
// Creates the main window for the stage document as it is, makes it the main window and gives
// it the focus; false when it cannot be made.
bool CreateEditWnd();
