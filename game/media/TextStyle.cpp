#include "game/media/TextStyle.h"

#include "game/media/Blit.h"
#include "game/media/Display.h"

// width, height, pitch, line height, colour, frame picture, frame thickness, frame colour, glyphs
cTextStyle TextStyleTable[kTextStyleCount] = {
    {0, 9, 10, 10, 241, 45, 1, 240, 48},
    {0, 15, 16, 16, 241, 45, 1, 240, 48},
    {0, 15, 16, 16, 242, 45, 1, 240, 48},
    {0, 30, 32, 32, 241, 45, 1, 240, 48},
};

cPictureRow DigitStripTable[kTextStyleCount] = {
    {"E", 1, 0, 0, 0, 0, 0, 0, 0},
    {"E", 1, 0, 0, 0, 0, 0, 0, 0},
    {"E", 1, 0, 0, 0, 0, 0, 0, 0},
    {"E", 1, 0, 0, 0, 0, 0, 0, 0},
};

namespace {

cSurface* TableSurface(int row) {
    const cDisplayState& d = Display();
    if (!d.lpSurfaces || row < 0 || row >= d.nSurfaceCount) return nullptr;
    return &d.lpSurfaces[row];
}

}  // namespace

int CreateFonts(cFont* fonts, const cTextStyle* styles, int count, bool symbolGlyphs) {
    for (int i = 0; i < count; ++i) {
        const cTextStyle& s = styles[i];
        fonts[i].Create(s.nWidth, s.nHeight, s.nPitch, s.nLineHeight, s.nColorIndex, TableSurface(s.nFramePicture),
                        s.nFrameThickness, s.nFrameColorIndex, symbolGlyphs ? TableSurface(s.nGlyphPicture) : nullptr);
    }
    return 1;
}

int CreateDigitStrips(cSurface* strips, const cPictureRow* rows, int count, cFont* fonts, const cTextStyle* styles) {
    for (int i = 0; i < count; ++i) {
        DDReleaseSurface(strips[i]);
        if (DDCreateSurface(strips[i], styles[i].nPitch * 10, styles[i].nLineHeight, rows[i].nColorKey,
                            rows[i].nMemoryKind))
            DrawDigitStrip(strips[i], fonts[i]);
        else
            DDCheckError(kDDCreateSurface);
    }
    return 1;
}

void DrawDigitStrip(cSurface& strip, cFont& font) {
    DDFillRect(strip, 0, 0, strip.nWidth, strip.nHeight, 0);
    font.DrawText(strip, 0, 0, "0123456789", 1);
}
