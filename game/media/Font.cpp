#include "game/media/Font.h"

#include <cstdarg>
#include <string>

#include "framework/Format.h"
#include "game/media/Blit.h"
#include "game/media/Display.h"
#include "game/media/PixelView.h"
#include "game/media/SurfaceCalls.h"
#include "game/media/TextWalk.h"

namespace {

// The text colour as GDI takes it: at depth 16 the palette holds components in each mask's
// range, at depth 8 the colours themselves.
COLORREF PaletteColor(int index) {
    const cDisplayState& d = Display();
    if (index < 0 || index >= kPaletteSize) return 0;
    const PALETTEENTRY& e = d.Palette[index];
    if (d.nBpp == 8) return RGB(e.peRed, e.peGreen, e.peBlue);
    if (d.nBpp == 16) {
        cRgb c = EntryToRgb(e, d.Format);
        return RGB(c.r, c.g, c.b);
    }
    return 0;
}

}  // namespace

cFont::~cFont() { Delete(); }

HFONT cFont::Create(int width, int height, int pitch, int lineHeight, int colorIndex, cSurface* frame,
                    int frameThickness, int frameColorIndex, cSurface* glyphs) {
    Delete();
    m_nPitch = pitch;
    m_nLineHeight = lineHeight;
    m_Color = PaletteColor(colorIndex);
    m_lpFrame = frame;
    m_nFrameThickness = frameThickness;
    m_nFrameColorIndex = frameColorIndex;
    m_lpGlyphs = glyphs;
    m_hFont = CreateFontA(height, width, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "MSゴシック");
    return m_hFont;
}

void cFont::Delete() {
    if (m_hFont) DeleteObject(m_hFont);
    m_hFont = nullptr;
}

HRESULT cFont::DrawText(cSurface& surface, int x, int y, const char* text, int noGlyph) {
    if (!surface.lpSurface || !text) return DD_OK;
    bool glyphMode = m_lpGlyphs && !noGlyph;
    {
        cTimedSurfaceCall timed(eCallDC);
        HDC dc = nullptr;
        HRESULT hr = surface.lpSurface->GetDC(&dc);
        if (FAILED(hr)) return hr;
        HGDIOBJ old = SelectObject(dc, m_hFont);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, m_Color);
        WriteText(dc, x, y, text, glyphMode);
        SelectObject(dc, old);
        surface.lpSurface->ReleaseDC(dc);
    }
    // Asked not to use the glyphs, the letters were written by GDI and are not covered again.
    if (!glyphMode || m_nPitch == 0) return DD_OK;
    return DrawGlyphs(surface, x, y, text);
}

void cFont::WriteText(HDC dc, int x, int y, const char* text, bool glyphMode) {
    if (m_nPitch == 0) {
        WalkLines(text, [&](const char* line, int length, int k) {
            TextOutA(dc, x, y + k * m_nLineHeight, line, length);
        });
        return;
    }
    WalkCells(text, m_nPitch, m_nLineHeight, [&](const char* p, int bytes, int column, int row) {
        if (bytes == 2)
            TextOutA(dc, x + column, y + row, p, 2);
        else if (!(glyphMode && IsGlyphLetter(p, bytes)))
            TextOutA(dc, x + m_nPitch / 4 + column, y + row, p, 1);  // half-width: a quarter cell in
    });
}

HRESULT cFont::DrawGlyphs(cSurface& surface, int x, int y, const char* text) {
    HRESULT hr = DD_OK;
    WalkCells(text, m_nPitch, m_nLineHeight, [&](const char* p, int bytes, int column, int row) {
        if (!IsGlyphLetter(p, bytes)) return;
        hr = DDBlt(surface, x + column, y + row, m_nPitch, m_nLineHeight, *m_lpGlyphs, m_nPitch * (*p - 'a'), 0,
                   DDBLTFAST_SRCCOLORKEY);
    });
    return hr;
}

HRESULT cFont::Printf(cSurface& surface, int x, int y, const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = FormatV(format, args);
    va_end(args);
    return DrawText(surface, x, y, text.c_str(), 0);
}

int CountChars(const char* text) {
    int count = 0;
    WalkCells(text, 1, 0, [&](const char*, int, int, int) { ++count; });
    return count;
}
