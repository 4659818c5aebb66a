#pragma once
// The editor's frame: a top-level window of the class Quorbel4 that lies off screen and is never
// drawn. It owns the main window and builds it anew (WM_USER) after a stage is created, opened
// or closed, ends the editor (Esc, close), hides and brings back the editor's windows when the
// application is deactivated or minimised and activated again, and takes the game program's
// test-play notices. App.cpp makes it at start-up; the tests and tools make it the same way.
#include "framework/TopWnd.h"

class cEditWnd;

class cFrameWnd : public cTopWnd {
public:
    cFrameWnd() = default;
    ~cFrameWnd() override;

    LRESULT WndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    LRESULT DefaultResult(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT handled) override;

    // Shows the frame again and the windows of the editor in front.
    void Restore();
    // Creates the frame window off screen and shows it; false when it cannot be made.
    bool CreateFrame();

    cEditWnd* m_lpEditWnd = nullptr;

private:
    void OnActivateApp(WPARAM active, LPARAM otherThread);
    int m_Asking = 0;
};

// The frame, null before CreateFrameWnd made it.
cFrameWnd* FrameWnd();
// The frame window and its object; Destroy also frees the main window.
bool CreateFrameWnd();
void DestroyFrameWnd();
// Creates the main window for the stage document as it is, makes it the main window and gives
// it the focus; false when it cannot be made.
bool CreateEditWnd();
// Replaces the main window after a stage was created, opened or closed (flag 1); any other flag
// only frees it. Posted to the frame as WM_USER with the flag in wParam.
void RebuildEditWnd(int flag);
