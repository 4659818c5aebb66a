#pragma once
// The game's one main window and the requests the game thread makes of the window thread: file
// dialogs, the name-entry window and sound playback need the window thread, so the game thread
// sends a private message and waits for it to be handled.
//
// Shutdown: WM_CLOSE first raises the quit flag, so that every request made from then on returns
// at once without a dialog, and the window thread waits for the game threads while it keeps
// handling the requests they may be blocked in. A WM_CLOSE that arrives while a request is being
// handled (a dialog's own message loop) closes the request's windows and is taken up again when
// the request has returned.
#include <windows.h>

#include <atomic>

#include "framework/TopWnd.h"

// Private messages of the game thread (wParam as noted).
const UINT UM_NAME_ENTRY = WM_USER + 1;   // 1025: the name-entry window
const UINT UM_OPEN_STAGE = WM_USER + 2;   // 1026: choose and open a stage or replay file
const UINT UM_OPEN_REPLAY = WM_USER + 3;  // 1027: choose and load a replay
const UINT UM_SAVE_REPLAY = WM_USER + 4;  // 1028: save a replay (wParam: which one)
const UINT UM_PLAY_SE = WM_USER + 5;      // 1029: play sound slot wParam

const char kGameWndClass[] = "Quorbel4";
// The editor's main window has this class and this title.
const char kEditorWndTitle[] = "Quorbel4";
// Test-play notices to the editor: the game has started, its window is gone.
const ULONG_PTR kNoticeClosed = 0;
const ULONG_PTR kNoticeStarted = 1;

// State shared by the window thread and the game threads.
struct cGameShell {
    std::atomic<int> bTestPlay{0};
    // Started straight into play with a start file that opened: that run never runs out of
    // lives and its quit ends the game.
    std::atomic<int> bDirectPlay{0};
    std::atomic<HWND> hMainWnd{nullptr};
    std::atomic<HWND> hDDWnd{nullptr};  // the window DirectDraw draws in; WM_CLOSE to end the game
    std::atomic<int> bAppActive{1};
    std::atomic<int> bRunning{0};
    std::atomic<int> bQuit{0};
    std::atomic<int> bDialogDone{0};
    std::atomic<int> nDialogResult{0};
    std::atomic<int> bNameEntryDone{0};
};
cGameShell& GameShell();

// A request handled on the window thread for one of the messages UM_NAME_ENTRY to
// UM_SAVE_REPLAY; returns the dialog result (1 done, 0 cancelled). The parts of the game that
// own those dialogs install their handlers; a message without one is answered with 0.
typedef int (*UiRequestHandler)(HWND owner, WPARAM wParam);
void SetUiRequestHandler(UINT msg, UiRequestHandler handler);

class cGameWnd : public cTopWnd {
public:
    LRESULT WndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    // Test play: tells the editor's main window, when there is one.
    void NotifyEditorStarted();
    void NotifyEditorClosed();

private:
    void OnDestroy();
    void OnClose(HWND wnd);
    void RunRequest(HWND wnd, UINT msg, WPARAM wParam);
    void PlaySlot(WPARAM slot);

    int m_nRequestDepth = 0;
    bool m_bClosePending = false;
};

cGameWnd& GameWnd();
LRESULT CALLBACK GameWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

// The game thread's side of a request: sends it and returns its result (for UM_NAME_ENTRY 1
// once the window has closed). 0 at once while the game is shutting down.
int RequestUi(UINT msg, WPARAM wParam);
// System sound n (0-16), and database sound id (0 plays nothing; id k is slot 16 + k).
LRESULT PlaySystemSe(int n);
LRESULT PlaySe(int id);

// Ends a game thread from the window thread: posts WM_QUIT until it has ended, handling the
// requests it sends meanwhile. False when it did not end within the thread's stop time.
bool StopGameThread(class cThread& thread);

// The window's client area on the screen, where the windowed display presents.
RECT ClientScreenRect();
