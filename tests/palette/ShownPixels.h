#pragma once
// What a window shows on the display, read back from its device context: 0x00RRGGBB pixels, top
// row first. The display may hold fewer bits a channel than were drawn, so colours are told
// apart by their channels' ranges, not compared exactly.
#include <windows.h>

#include <cstdint>
#include <vector>

struct cShownPixels {
    int width = 0, height = 0;
    std::vector<uint32_t> pixels;
    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

inline cShownPixels ShownPixels(HWND wnd) {
    cShownPixels shown;
    RECT client;
    if (!GetClientRect(wnd, &client) || client.right <= 0 || client.bottom <= 0) return shown;
    shown.width = client.right;
    shown.height = client.bottom;
    shown.pixels.resize(static_cast<size_t>(shown.width) * shown.height);
    HDC dc = GetDC(wnd);
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, shown.width, shown.height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, shown.width, shown.height, dc, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFOHEADER info = {sizeof info, shown.width, -shown.height, 1, 32, BI_RGB};
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(shown.height), shown.pixels.data(),
              reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(wnd, dc);
    return shown;
}

// Each channel of the pixel within the range.
inline bool ChannelsIn(uint32_t c, int lowR, int highR, int lowG, int highG, int lowB, int highB) {
    const int r = (c >> 16) & 0xff, g = (c >> 8) & 0xff, b = c & 0xff;
    return r >= lowR && r <= highR && g >= lowG && g <= highG && b >= lowB && b <= highB;
}
inline bool IsWhite(uint32_t c) { return ChannelsIn(c, 0xe0, 0xff, 0xe0, 0xff, 0xe0, 0xff); }
inline bool IsBlack(uint32_t c) { return ChannelsIn(c, 0, 0x20, 0, 0x20, 0, 0x20); }
