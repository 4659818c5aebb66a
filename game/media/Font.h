#pragma once
// Text styles drawn with GDI into DirectDraw surfaces: a font, a palette colour, the picture of
// the text-box background and, for fixed-pitch styles, an optional strip of 26 symbol glyphs
// that stand in for the letters a-z.
#include <windows.h>

#include <ddraw.h>

#include "game/media/Surface.h"

// Box coordinate that centres the box on the frame picture.
const int kCentreBox = 10000;
// Height an empty line adds to a measured proportional text.
const int kEmptyLineHeight = 20;

class cFont {
public:
    cFont() = default;
    cFont(const cFont&) = delete;
    cFont& operator=(const cFont&) = delete;
    ~cFont();

    // Pitch 0 writes proportional text; any other pitch gives every character, double-byte ones
    // included, a cell that many pixels wide. The glyph surface holds 26 cells of pitch x line
    // height, cell k for the letter 'a' + k; null for none.
    HFONT Create(int width, int height, int pitch, int lineHeight, int colorIndex, cSurface* frame,
                 int frameThickness, int frameColorIndex, cSurface* glyphs);
    void Delete();

    // Writes the text (lines split at '\n'); with glyphs unless noGlyph is set. Returns the
    // result of the last glyph blit (DD_OK when none was drawn).
    HRESULT DrawText(cSurface& surface, int x, int y, const char* text, int noGlyph);
    // Formats (at most 5119 bytes are drawn) and writes with glyphs.
    HRESULT Printf(cSurface& surface, int x, int y, const char* format, ...) __attribute__((format(printf, 5, 6)));

    // A text box: the frame picture's top-left w x h with a border; kCentreBox for x or y
    // centres it on the frame picture.
    void DrawFrame(cSurface& surface, int x, int y, int w, int h);
    // Draws a box and the text at (x + indent, y). A box with w or h 0 is sized to the text.
    void PrintBox(cSurface& surface, int x, int y, int w, int h, const char* text, int indent);
    void PrintfBox(cSurface& surface, int x, int y, int w, int h, const char* format, ...)
        __attribute__((format(printf, 7, 8)));

    // Width of the widest line and the height of all lines, as the boxes are sized: with a
    // pitch every character takes one cell and an empty line adds nothing; without one a line
    // is as wide as GDI writes it and an empty line adds kEmptyLineHeight.
    SIZE MeasureText(const char* text);

    // Test seam: the colour the font writes in, as the tests read it.
    COLORREF Color() const { return m_Color; }

private:
    void WriteText(HDC dc, int x, int y, const char* text, bool glyphMode);
    HRESULT DrawGlyphs(cSurface& surface, int x, int y, const char* text);
    // Resolves kCentreBox against the frame picture.
    void CentreBox(int& x, int& y, int w, int h) const;

    HFONT m_hFont = nullptr;
    int m_nPitch = 0;
    int m_nLineHeight = 0;
    COLORREF m_Color = 0;
    cSurface* m_lpFrame = nullptr;
    int m_nFrameThickness = 0;
    int m_nFrameColorIndex = 0;
    cSurface* m_lpGlyphs = nullptr;
};

// Character cells of a cp932 text: a double-byte character (lead byte and a valid trail byte)
// counts 1, a line break 0, any other byte 1.
int CountChars(const char* text);
