#include "tests/support/CloseCounter.h"

namespace {
int g_closes = 0;
}

cCloseCounter::cCloseCounter() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "KitCloseCounter";
    RegisterClassA(&wc);
    g_closes = 0;
    m_wnd = CreateWindowA(wc.lpszClassName, "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
}

cCloseCounter::~cCloseCounter() {
    if (IsWindow(m_wnd)) DestroyWindow(m_wnd);
}

int cCloseCounter::Closes() const {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    return g_closes;
}

LRESULT CALLBACK cCloseCounter::Proc(HWND wnd, UINT msg, WPARAM w, LPARAM l) {
    if (msg == WM_CLOSE) {
        ++g_closes;
        return 0;
    }
    return DefWindowProcA(wnd, msg, w, l);
}
