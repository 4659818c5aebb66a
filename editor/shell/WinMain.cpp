// The editor's entry. Until its start-up and scenes exist it opens its main window
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
    SetErrorLog(0, "EC_Editor.txt");
    if (OpenReport("Report_Editor.txt")) WriteSystemReport();

    WNDCLASSA wc = {};
    wc.lpfnWndProc = MainWndProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = "Quorbel4";
    if (!RegisterClassA(&wc)) return 1;

    DWORD style = WS_OVERLAPPEDWINDOW;
    RECT rc = {0, 0, 800, 600};
    AdjustWindowRect(&rc, style, FALSE);
    HWND wnd = CreateWindowA("Quorbel4", "Editor", style, CW_USEDEFAULT, CW_USEDEFAULT, rc.right - rc.left,
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
