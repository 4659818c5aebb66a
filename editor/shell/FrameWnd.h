#pragma once
// The editor's frame: a top-level window of the class Quorbel4 that lies off screen and is never
// drawn. It owns the main window, ends the editor (Esc, close), hides and brings back the
// editor's windows when the application is deactivated or minimised and activated again,
// rebuilds the main window on WM_USER and takes the game program's test-play notices.
#include "framework/TopWnd.h"

class cEditWnd;

// Which editor is in front: its windows are the ones hidden and shown with the frame.
enum eFrontWnd { eFrontStage = 0, eFrontWorldMap = 1 };

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
    int m_FrontWnd = eFrontStage;

private:
    void OnActivateApp(WPARAM active, LPARAM otherThread);
    int m_Asking = 0;
};
