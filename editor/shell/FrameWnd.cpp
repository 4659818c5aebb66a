#include "editor/shell/FrameWnd.h"

#include <string>

#include "editor/shell/EditWnd.h"
#include "editor/shell/EditorState.h"
#include "editor/shell/StageCanvas.h"
#include "editor/shell/StageDoc.h"
#include "editor/shell/TestPlay.h"
#include "framework/ErrorLog.h"
#include "framework/FileDialogs.h"
#include "framework/Geometry.h"
#include "framework/MessageBox.h"

namespace {

cFrameWnd* g_frame = nullptr;

// The frame lies beyond any screen: only its owned windows are seen.
const int kFramePos = 9999;
const int kFrameWidth = 160;
const int kFrameHeight = 40;

}  // namespace

cFrameWnd* FrameWnd() { return g_frame; }

bool CreateFrameWnd() {
    DestroyFrameWnd();
    g_frame = new cFrameWnd;
    if (!g_frame->CreateFrame()) {
        SafeDelete(g_frame);
        OutOfMemory();
        return false;
    }
    SetMainWindow(g_frame->GetHwnd());
    return true;
}

void DestroyFrameWnd() {
    if (g_frame && GetMainWindow() == g_frame->GetHwnd()) SetMainWindow(nullptr);
    SafeDelete(g_frame);
    SetMainEditWnd(nullptr);
}

bool CreateEditWnd() {
    if (!g_frame) return false;
    cEditWnd* wnd = new cEditWnd(g_frame);
    if (!wnd->Create(0, TRUE)) {
        delete wnd;
        return false;
    }
    g_frame->m_lpEditWnd = wnd;
    SetMainEditWnd(wnd);
    wnd->ShowPalettes();
    SetFocus(wnd->GetHwnd());
    return true;
}

void RebuildEditWnd(int flag) {
    Sleep(100);
    if (!g_frame) return;
    if (MainEditWnd() == g_frame->m_lpEditWnd) SetMainEditWnd(nullptr);
    SafeDelete(g_frame->m_lpEditWnd);
    if (flag != 1) return;
    // The new window starts with a fresh pen and layer; what the stage is and what is still
    // unsaved stays.
    cStageDoc& doc = StageDoc();
    std::string path = doc.m_StagePath;
    const int32_t open = doc.m_StageOpen, modified = doc.m_StageModified, common = doc.m_CommonModified;
    doc.Reset();
    doc.m_StagePath = path;
    doc.m_StageOpen = open;
    doc.m_StageModified = modified;
    doc.m_CommonModified = common;
    CanvasCursor() = cCanvasCursor();
    CreateEditWnd();
}

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
    if (AppState().front == eFrontStage) {
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
    if (AppState().front == eFrontStage) {
        if (main->IsReady() && main->m_Hidden) {
            main->ShowToolWindows();
            main->m_Hidden = 0;
        }
    } else {
        main->ShowWorldMap();
    }
}
