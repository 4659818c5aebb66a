#include "framework/TopWnd.h"

LRESULT cTopWnd::WndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = cChildWnd::WndProc(wnd, msg, wParam, lParam);
    if (msg == WM_CREATE) OnCreate(wParam, lParam);
    return result;
}

LRESULT CALLBACK cTopWnd::StaticWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) SetPropA(wnd, kWndObjectProp, reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    cTopWnd* self = static_cast<cTopWnd*>(GetPropA(wnd, kWndObjectProp));
    if (!self) return DefWindowProcA(wnd, msg, wParam, lParam);
    LRESULT handled = self->WndProc(wnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        RemovePropA(wnd, kWndObjectProp);
        self->m_hWnd = nullptr;
        return DefWindowProcA(wnd, msg, wParam, lParam);
    }
    return self->DefaultResult(wnd, msg, wParam, lParam, handled);
}

LRESULT cTopWnd::DefaultResult(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT) {
    // The framework painted already.
    if (msg == WM_PAINT) return 0;
    return DefWindowProcA(wnd, msg, wParam, lParam);
}
