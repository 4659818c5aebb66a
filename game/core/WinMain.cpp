// The game program's entry. Until its start-up and scenes exist it opens its 640 x 480 window
// and ends when the window is closed.
#include <windows.h>

#include "framework/ErrorLog.h"
#include "framework/SystemReport.h"

namespace {

LRESULT CALLBACK MainWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(wnd, msg, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    SetErrorLog(0, "EC_Game.txt");
    if (OpenReport("Report_Game.txt")) WriteSystemReport();

    WNDCLASSA wc = {};
    wc.lpfnWndProc = MainWndProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = "Quorbel4";
    if (!RegisterClassA(&wc)) return 1;

    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT rc = {0, 0, 640, 480};
    AdjustWindowRect(&rc, style, FALSE);
    HWND wnd = CreateWindowA("Quorbel4", "Game", style, CW_USEDEFAULT, CW_USEDEFAULT, rc.right - rc.left,
                             rc.bottom - rc.top, nullptr, nullptr, instance, nullptr);
    if (!wnd) return 1;
    SetMainWindow(wnd);
    ShowWindow(wnd, show);
    UpdateWindow(wnd);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
