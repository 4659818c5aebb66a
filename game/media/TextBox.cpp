#include <cstdarg>
#include <string>

#include "framework/Format.h"
#include "game/media/CompositeBlit.h"
#include "game/media/Font.h"
#include "game/media/TextWalk.h"

void cFont::DrawFrame(cSurface& surface, int x, int y, int w, int h) {
    if (!m_lpFrame) return;
    CentreBox(x, y, w, h);
    DDBltFramed(surface, x, y, w, h, *m_lpFrame, m_nFrameThickness, m_nFrameColorIndex);
}

void cFont::PrintBox(cSurface& surface, int x, int y, int w, int h, const char* text, int indent) {
    if (w == 0 || h == 0) {
        SIZE size = MeasureText(text);
        w = indent + size.cx;
        h = size.cy;
    }
    CentreBox(x, y, w, h);
    DrawFrame(surface, x, y, w, h);
    DrawText(surface, x + indent, y, text, 0);
}

void cFont::PrintfBox(cSurface& surface, int x, int y, int w, int h, const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = FormatV(format, args);
    va_end(args);
    PrintBox(surface, x, y, w, h, text.c_str(), 0);
}

SIZE cFont::MeasureText(const char* text) {
    SIZE size = {0, 0};
    if (m_nPitch != 0) {
        WalkLines(text, [&](const char* line, int length, int) {
            int width = CountChars(std::string(line, length).c_str()) * m_nPitch;
            if (width > size.cx) size.cx = width;
            if (length > 0) size.cy += m_nLineHeight;
        });
        return size;
    }
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, m_hFont);
    WalkLines(text, [&](const char* line, int length, int) {
        SIZE extent = {0, 0};
        GetTextExtentPoint32A(dc, line, length, &extent);
        if (extent.cx > size.cx) size.cx = extent.cx;
        size.cy += extent.cx > 0 ? m_nLineHeight : kEmptyLineHeight;
    });
    SelectObject(dc, old);
    DeleteDC(dc);
    return size;
}

void cFont::CentreBox(int& x, int& y, int w, int h) const {
    if (!m_lpFrame) return;
    if (x == kCentreBox) x = m_lpFrame->nWidth / 2 - w / 2;
    if (y == kCentreBox) y = m_lpFrame->nHeight / 2 - h / 2;
}
