#include "tools/shots/WindowPicture.h"

#include <cstdio>

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
