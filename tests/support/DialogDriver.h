#pragma once
// Acts on a modal dialog from inside its own message loop: a watch looks among the thread's
// windows for the one the test means and, once it is open, hands it to the test's action.
#include <windows.h>

#include <functional>
#include <string>

// Calls tick every 10 ms and, inside a dialog's own loop, when that loop first takes a paint for
// a window: a paint comes only once nothing posted is waiting, so a dialog that has just opened
// has done all it set out to do, and a test that acts on it then spares it its drawing, which for
// a large dialog costs more than the test's own steps. The watches stop when they go.
class cDialogWatch {
public:
    explicit cDialogWatch(void (*tick)());
    ~cDialogWatch();
    cDialogWatch(const cDialogWatch&) = delete;
    cDialogWatch& operator=(const cDialogWatch&) = delete;

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR id, DWORD);
    static LRESULT CALLBACK OnLoop(int code, WPARAM wParam, LPARAM lParam);
    void (*m_Tick)();
    UINT_PTR m_Timer = 0;
    cDialogWatch* m_Next = nullptr;
};

// The watch waits a bounded time: when the window has not opened by then, the test fails
// naming what it waited for, and the dialogs opened since the watch was set are closed so that
// the run comes back instead of waiting for a person.
void DriveDialog(std::function<bool(HWND)> isMine, std::function<void(HWND)> drive,
                 const std::string& what = "the window the test drives");

// True for a visible window with the caption. The caption is read without a message to the
// window: the program's windows read the mouse on every message they take, and a watch asks
// each window of the thread a hundred times a second.
bool IsShownWithCaption(HWND wnd, const char* caption);
// Drives the next visible window with the caption once it is open.
void DriveCaptioned(const char* caption, std::function<void(HWND)> drive);

// Answers an open file dialog of another program as a person does: the name typed into its
// name box, then OK. False when the dialog did not close.
bool AnswerFileDialog(HWND dialog, const char* name);

// Runs open, which shows a popup menu (TrackPopupMenu runs a loop of its own): a timer inside that
// loop notes the menu and ends it. The menu shown; null when none was.
HMENU ShownPopupMenu(const std::function<void()>& open);
