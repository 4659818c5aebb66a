#pragma once
// Effects that read and write pixels: mosaics, blur, tint, half-transparent blit, lens and
// rotation. Each one is a routine on pixel views (plain memory laid out like a surface) and an
// operation on surface records that locks both surfaces and runs the routine at the display's
// depth. Coordinates are checked against each surface's own size.
#include <cstdint>

#include "game/media/Display.h"
#include "game/media/PixelView.h"
#include "game/media/Surface.h"

// What the routines need of the display: the direct-colour format, the transparent colour and,
// at depth 8, the colour-mix table.
struct cPixelRules {
    cPixelFormat Format;
    uint32_t dwTransparent = 0;
    const uint8_t* lpMixTable = nullptr;
};
cPixelRules DisplayPixelRules();

// Routines on views. Both views have the same bytes per pixel (1: palette indexes, 2: direct
// colour); a view pair that differs draws nothing and returns false.
bool MosaicPixels(const cPixelView& dest, int x, int y, int w, int h, int n, const cPixelView& source, int sx,
                  int sy, int colorKey, const cPixelRules& rules);
bool BlurPixels(const cPixelView& dest, int x, int y, int w, int h, int rx, int ry, const cPixelView& source,
                int sx, int sy, int colorKey, const cPixelRules& rules);
bool TintPixels(const cPixelView& dest, int x, int y, int w, int h, const cPixelView& source, int sx, int sy,
                int colorKey, const PALETTEENTRY* palette, int t, int n, const cPixelRules& rules);
bool HalfPixels(const cPixelView& dest, int x, int y, int w, int h, const cPixelView& source, int sx, int sy,
                int colorKey, const uint8_t* mixTable, const cPixelRules& rules);
bool LensPixels(const cPixelView& dest, int cx, int cy, int r, int height, const cPixelView& source, int sx,
                int sy, const cPixelRules& rules);
// With a background, every destination pixel the turned picture does not reach gets that pixel
// value: the same as filling the destination first, in one pass.
bool RotatePixels(const cPixelView& dest, int x, int y, int w, int h, int px, int py, double angle,
                  const cPixelView& source, int sx, int sy, int colorKey, const cPixelRules& rules,
                  const uint32_t* background = nullptr);
// Every pixel of the destination from the source pixel at the same place, mixed toward the
// colour (0-255 components): brightness k of 256 is the source itself, 0 the colour.
bool FadePixels(const cPixelView& dest, int k, int red, int green, int blue, const cPixelView& source,
                const cPixelRules& rules);

// The same on surface records. A block size below 1 is taken as 1.
bool DDBltMosaic(cSurface& dest, int x, int y, int w, int h, int n, cSurface& source, int sx, int sy,
                 int colorKey);
// Direct colour only: at depth 8 it is logged and nothing is drawn.
bool DDBltBlur(cSurface& dest, int x, int y, int w, int h, int rx, int ry, cSurface& source, int sx, int sy,
               int colorKey);
bool DDBltTint(cSurface& dest, int x, int y, int w, int h, cSurface& source, int sx, int sy, int colorKey,
               const PALETTEENTRY* palette, int t, int n);
bool DDBltHalf(cSurface& dest, int x, int y, int w, int h, cSurface& source, int sx, int sy, int colorKey,
               const uint8_t* mixTable);
bool DDBltLens(cSurface& dest, int cx, int cy, int r, int height, cSurface& source, int sx, int sy);
bool DDBltRotate(cSurface& dest, int x, int y, int w, int h, int px, int py, double angle, cSurface& source,
                 int sx, int sy, int colorKey, const uint32_t* background = nullptr);
bool DDBltFade(cSurface& dest, int k, int red, int green, int blue, cSurface& source);
