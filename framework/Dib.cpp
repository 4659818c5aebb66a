#include "framework/Dib.h"

#include <cstdarg>
#include <cstring>
#include <utility>

#include "framework/Format.h"

namespace {

// A BITMAPINFO with room for a full colour table.
struct cDibInfo {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
};

HBITMAP CreateSection(HDC dc, int width, int height, int bitsPerPixel, uint8_t** bits) {
    cDibInfo info = {};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = width;
    info.header.biHeight = -height;
    info.header.biPlanes = 1;
    info.header.biBitCount = static_cast<WORD>(bitsPerPixel);
    info.header.biCompression = BI_RGB;
    if (bitsPerPixel == 8) {
        memcpy(info.colours, GetProjectPalette(), sizeof info.colours);
        info.colours[0] = RGBQUAD{0, 0, 0, 0};
        info.colours[255] = RGBQUAD{255, 255, 255, 0};
        info.header.biClrUsed = 256;
    }
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &pixels, nullptr, 0);
    *bits = static_cast<uint8_t*>(pixels);
    return bitmap;
}

}  // namespace

cDib::~cDib() {
    DeletePen();
    Release();
}

void cDib::Swap(cDib& other) {
    std::swap(m_hDC, other.m_hDC);
    std::swap(m_hBitmap, other.m_hBitmap);
    std::swap(m_hOldBitmap, other.m_hOldBitmap);
    std::swap(m_Bitmap, other.m_Bitmap);
    std::swap(m_lpBits, other.m_lpBits);
    std::swap(m_Width, other.m_Width);
    std::swap(m_Height, other.m_Height);
    std::swap(m_hMaskDC, other.m_hMaskDC);
    std::swap(m_hMaskBitmap, other.m_hMaskBitmap);
    std::swap(m_hOldMaskBitmap, other.m_hOldMaskBitmap);
    std::swap(m_lpMaskBits, other.m_lpMaskBits);
    std::swap(m_hPen, other.m_hPen);
    std::swap(m_hOldPen, other.m_hOldPen);
}

int cDib::Create(int width, int height, int bitsPerPixel, int withMask) {
    Release();
    if (width <= 0 || height <= 0 || (bitsPerPixel != 8 && bitsPerPixel != 24 && bitsPerPixel != 32)) return 0;
    HDC screen = ::GetDC(nullptr);
    m_hDC = CreateCompatibleDC(screen);
    m_hBitmap = m_hDC ? CreateSection(screen, width, height, bitsPerPixel, &m_lpBits) : nullptr;
    if (m_hBitmap) m_hOldBitmap = SelectObject(m_hDC, m_hBitmap);
    bool ok = m_hBitmap != nullptr;
    if (ok && withMask) {
        m_hMaskDC = CreateCompatibleDC(screen);
        m_hMaskBitmap = m_hMaskDC ? CreateSection(screen, width, height, bitsPerPixel, &m_lpMaskBits) : nullptr;
        if (m_hMaskBitmap) m_hOldMaskBitmap = SelectObject(m_hMaskDC, m_hMaskBitmap);
        ok = m_hMaskBitmap != nullptr;
    }
    ReleaseDC(nullptr, screen);
    if (!ok) {
        Release();
        return 0;
    }
    BitBlt(m_hDC, 0, 0, width, height, nullptr, 0, 0, WHITENESS);
    GdiFlush();
    m_Width = width;
    m_Height = height;
    GetObjectA(m_hBitmap, sizeof m_Bitmap, &m_Bitmap);
    return 1;
}

void cDib::Release() {
    if (m_hDC && m_hOldBitmap) SelectObject(m_hDC, m_hOldBitmap);
    if (m_hBitmap) DeleteObject(m_hBitmap);
    if (m_hDC) DeleteDC(m_hDC);
    if (m_hMaskDC && m_hOldMaskBitmap) SelectObject(m_hMaskDC, m_hOldMaskBitmap);
    if (m_hMaskBitmap) DeleteObject(m_hMaskBitmap);
    if (m_hMaskDC) DeleteDC(m_hMaskDC);
    m_hDC = m_hMaskDC = nullptr;
    m_hBitmap = m_hMaskBitmap = nullptr;
    m_hOldBitmap = m_hOldMaskBitmap = nullptr;
    m_lpBits = m_lpMaskBits = nullptr;
    m_Bitmap = BITMAP{};
    m_Width = m_Height = 0;
    // A pen selected into the released context is no longer selected anywhere.
    m_hOldPen = nullptr;
    if (m_hPen) DeleteObject(m_hPen);
    m_hPen = nullptr;
}

void cDib::Blt(int x, int y, int w, int h, const cDib& source, int sx, int sy, int noMask) {
    if (source.m_hMaskDC && !noMask) {
        ::BitBlt(m_hDC, x, y, w, h, source.m_hMaskDC, sx, sy, SRCAND);
        ::BitBlt(m_hDC, x, y, w, h, source.m_hDC, sx, sy, SRCPAINT);
    } else {
        ::BitBlt(m_hDC, x, y, w, h, source.m_hDC, sx, sy, SRCCOPY);
    }
}

void cDib::StretchBlt(int x, int y, int w, int h, const cDib& source, int sx, int sy, int sw, int sh, int noMask) {
    if (source.m_hMaskDC && !noMask) {
        ::StretchBlt(m_hDC, x, y, w, h, source.m_hMaskDC, sx, sy, sw, sh, SRCAND);
        ::StretchBlt(m_hDC, x, y, w, h, source.m_hDC, sx, sy, sw, sh, SRCPAINT);
    } else {
        ::StretchBlt(m_hDC, x, y, w, h, source.m_hDC, sx, sy, sw, sh, SRCCOPY);
    }
}

void cDib::Clear(COLORREF colour) {
    if (!SetPen(PS_SOLID, 1, colour)) return;
    for (int y = 0; y < m_Height; ++y) Line(0, y, m_Width, y);
}

void cDib::ClearRGB(const uint8_t bgr[3]) { Clear(RGB(bgr[2], bgr[1], bgr[0])); }

int cDib::SetPen(int style, int width, COLORREF colour) {
    DeletePen();
    m_hPen = CreatePen(style, width, colour);
    if (!m_hPen) return 0;
    m_hOldPen = SelectObject(m_hDC, m_hPen);
    if (style == PS_DOT) SetBkMode(m_hDC, TRANSPARENT);
    return 1;
}

void cDib::DeletePen() {
    if (m_hDC && m_hOldPen) SelectObject(m_hDC, m_hOldPen);
    m_hOldPen = nullptr;
    if (m_hPen) DeleteObject(m_hPen);
    m_hPen = nullptr;
}

void cDib::Line(int x1, int y1, int x2, int y2) {
    MoveToEx(m_hDC, x1, y1, nullptr);
    LineTo(m_hDC, x2, y2);
}

void cDib::FrameRect(int x, int y, int w, int h) {
    MoveToEx(m_hDC, x, y, nullptr);
    LineTo(m_hDC, x + w, y);
    LineTo(m_hDC, x + w, y + h);
    LineTo(m_hDC, x, y + h);
    LineTo(m_hDC, x, y);
}

void cDib::Grid(int x, int y, int w, int h, int cellWidth, int cellHeight, COLORREF colour) {
    if (cellWidth <= 0 || cellHeight <= 0) return;
    if (!SetPen(PS_SOLID, 1, colour)) return;
    for (int i = x; i < x + w; i += cellWidth) Line(i, y, i, y + h);
    Line(x + w - 1, y, x + w - 1, y + h);
    for (int j = y; j < y + h; j += cellHeight) Line(x, j, x + w, j);
    Line(x, y + h - 1, x + w, y + h - 1);
    DeletePen();
}

void cDib::DrawText(int x, int y, const char* text, COLORREF colour, int backgroundMode) {
    SetTextColor(m_hDC, colour);
    SetBkMode(m_hDC, backgroundMode);
    const char* line = text ? text : "";
    for (;;) {
        const char* end = strchr(line, '\n');
        int length = end ? static_cast<int>(end - line) : static_cast<int>(strlen(line));
        TextOutA(m_hDC, x, y, line, length);
        if (!end) break;
        line = end + 1;
        y += 20;
    }
}

void cDib::TextF(int x, int y, const char* format, ...) {
    char text[256];
    va_list args;
    va_start(args, format);
    FormatIntoV(text, sizeof text, format, args);
    va_end(args);
    DrawText(x, y, text, 0xffffff, TRANSPARENT);
}
