#include "editor/shell/FrameWnd.h"

#include "editor/shell/App.h"
#include "editor/shell/EditWnd.h"
#include "editor/shell/TestPlay.h"
#include "framework/FileDialogs.h"
#include "framework/Geometry.h"

namespace {

// The frame lies beyond any screen: only its owned windows are seen.
const int kFramePos = 9999;
const int kFrameWidth = 160;
const int kFrameHeight = 40;

}  // namespace

cFrameWnd::~cFrameWnd() {
    ForgetGameProcess();
    if (MainEditWnd() == m_lpEditWnd) SetMainEditWnd(nullptr);
    SafeDelete(m_lpEditWnd);
    if (m_hWnd && IsWindow(m_hWnd)) {
        RemovePropA(m_hWnd, kWndObjectProp);
        DestroyWindow(m_hWnd);
    }
}

bool cFrameWnd::CreateFrame() {
    HWND wnd = CreateWindowExA(0, kEditorClass, kEditorTitle, 0, kFramePos, kFramePos, kFrameWidth, kFrameHeight,
                               nullptr, nullptr, AppState().instance, this);
    if (!wnd) return false;
    m_hWnd = wnd;
    ShowWindow(wnd, SW_SHOW);
    UpdateWindow(wnd);
    return true;
}

LRESULT cFrameWnd::WndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT handled = cTopWnd::WndProc(wnd, msg, wParam, lParam);
    switch (msg) {
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE) PostMessageA(wnd, WM_CLOSE, 0, 0);
        return 1;
    case WM_CLOSE:
        // One question at a time: a second Esc arrives while the first box is up.
        if (!m_Asking) {
            m_Asking = 1;
            int yes = ConfirmExit(wnd);
            m_Asking = 0;
            if (yes) DestroyWindow(wnd);
        }
        return 1;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 1;
    case WM_MOVE:
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        return 1;
    case WM_ACTIVATEAPP:
        OnActivateApp(wParam, lParam);
        return 1;
    case WM_SYSCOMMAND:
        if ((wParam & 0xfff0) == SC_RESTORE && MainEditWnd()) Restore();
        return 1;
    case WM_COPYDATA:
        if (cEditWnd* main = MainEditWnd())
            main->OnCopyData(reinterpret_cast<HWND>(wParam), reinterpret_cast<const COPYDATASTRUCT*>(lParam));
        return 1;
    case WM_USER:
        RebuildEditWnd(static_cast<int>(wParam));
        return 1;
    }
    return handled;
}

// The system must neither close nor minimise the frame on its own: every message this window
// handled ends here. WM_COPYDATA answers TRUE, as its sender expects of a taken notice.
LRESULT cFrameWnd::DefaultResult(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT handled) {
    if (handled) return msg == WM_COPYDATA ? TRUE : 0;
    return DefWindowProcA(wnd, msg, wParam, lParam);
}

void cFrameWnd::OnActivateApp(WPARAM active, LPARAM otherThread) {
    AppState().active = active ? 1 : 0;
    cEditWnd* main = MainEditWnd();
    if (!main || !otherThread) return;
    if (active) {
        Restore();
        return;
    }
    if (m_FrontWnd == eFrontStage) {
        if (!main->IsShown() || main->m_Hidden) return;
        main->HideToolWindows();
        main->m_Hidden = 1;
    } else {
        if (!main->HideWorldMap()) return;
    }
    ShowWindow(m_hWnd, SW_MINIMIZE);
}

void cFrameWnd::Restore() {
    ShowWindow(m_hWnd, SW_RESTORE);
    AppState().restored = 1;
    cEditWnd* main = m_lpEditWnd;
    if (!main) return;
    if (m_FrontWnd == eFrontStage) {
        if (main->IsReady() && main->m_Hidden) {
            main->ShowToolWindows();
            main->m_Hidden = 0;
        }
    } else {
        main->ShowWorldMap();
    }
}
