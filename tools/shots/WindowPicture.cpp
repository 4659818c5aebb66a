#include "tools/shots/WindowPicture.h"

#include <cstdio>

#include "editor/shell/EditorState.h"
#include "framework/ChildWnd.h"

bool SaveWindowPicture(HWND wnd, const std::string& path) {
    RECT r;
    GetWindowRect(wnd, &r);
    int width = r.right - r.left, height = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFOHEADER info = {sizeof info, width, height, 1, 24, BI_RGB};
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    info.biSizeImage = stride * static_cast<DWORD>(height);
    BITMAPFILEHEADER head = {};
    head.bfType = 0x4D42;
    head.bfOffBits = sizeof head + sizeof info;
    head.bfSize = head.bfOffBits + info.biSizeImage;
    bool written = false;
    if (FILE* fp = std::fopen(path.c_str(), "wb")) {
        written = std::fwrite(&head, sizeof head, 1, fp) == 1 && std::fwrite(&info, sizeof info, 1, fp) == 1 &&
                  std::fwrite(bits, info.biSizeImage, 1, fp) == 1;
        written = std::fclose(fp) == 0 && written;
    }
    SelectObject(mem, old);
    DeleteObject(dib);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return written;
}

namespace {

std::string g_folder;
const char* g_program = "shots";
const char* g_modalCaption = nullptr;
std::function<void(HWND)> g_modalAct;

BOOL CALLBACK FindModal(HWND wnd, LPARAM found) {
    char caption[128] = "";
    GetWindowTextA(wnd, caption, sizeof caption);
    if (!g_modalCaption || !IsWindowVisible(wnd) || std::string(caption) != g_modalCaption) return TRUE;
    *reinterpret_cast<HWND*>(found) = wnd;
    return FALSE;
}

void CALLBACK ModalTimer(HWND, UINT, UINT_PTR, DWORD) {
    HWND dlg = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindModal, reinterpret_cast<LPARAM>(&dlg));
    if (!dlg) return;
    g_modalCaption = nullptr;
    g_modalAct(dlg);
}

}  // namespace

void SetPictureFolder(const std::string& folder, const char* program) {
    g_folder = folder;
    g_program = program;
}

void PumpMessages(DWORD ms) {
    DWORD until = GetTickCount() + ms;
    while (GetTickCount() < until) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (EditorGroup().PreTranslate(&msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    }
}

void ShootWindow(HWND wnd, const char* name) {
    if (!wnd) {
        std::fprintf(stderr, "%s: no window for %s\n", g_program, name);
        return;
    }
    SetForegroundWindow(wnd);
    PumpMessages(500);
    std::string path = g_folder + "\\" + name + ".bmp";
    if (!SaveWindowPicture(wnd, path)) std::fprintf(stderr, "%s: %s not written\n", g_program, path.c_str());
}

void WhileModal(const char* caption, const std::function<void()>& open, const std::function<void(HWND)>& act) {
    g_modalCaption = caption;
    g_modalAct = act;
    UINT_PTR timer = SetTimer(nullptr, 0, 100, ModalTimer);
    open();
    KillTimer(nullptr, timer);
    g_modalCaption = nullptr;
    g_modalAct = nullptr;
}
