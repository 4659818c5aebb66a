#pragma once
// The game's four text styles, made at start-up, and the digit strip of each style that
// numbers are drawn from.
#include <cstdint>

#include "game/media/Font.h"
#include "game/media/Surface.h"

const int kTextStyleCount = 4;

struct cTextStyle {
    int32_t nWidth;  // 0: the font's own aspect
    int32_t nHeight;
    int32_t nPitch;
    int32_t nLineHeight;
    int32_t nColorIndex;
    int32_t nFramePicture;  // rows of the display's surface table
    int32_t nFrameThickness;
    int32_t nFrameColorIndex;
    int32_t nGlyphPicture;
};

extern cTextStyle TextStyleTable[kTextStyleCount];
// How the digit strips are made: colour-keyed, placed by the driver.
extern cPictureRow DigitStripTable[kTextStyleCount];

// Creates the fonts of the table's rows, their frame and glyph pictures taken from the display's
// surface table (a row outside it gives none). Without symbolGlyphs (the project's choice) no
// style gets its glyphs: the letters a-z are written as letters.
int CreateFonts(cFont* fonts, const cTextStyle* styles, int count, bool symbolGlyphs);
// Makes for every style a strip of the digits 0-9, one cell of the style's pitch each.
int CreateDigitStrips(cSurface* strips, const cPictureRow* rows, int count, cFont* fonts, const cTextStyle* styles);
// Clears the strip to colour 0 and writes "0123456789" at its top-left.
void DrawDigitStrip(cSurface& strip, cFont& font);
