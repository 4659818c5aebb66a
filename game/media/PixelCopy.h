#pragma once
// Rectangle copies on locked pixels. Under Wine a colour-keyed DDBlt costs many times a memory
// copy and every call is a round trip, so pictures drawn many times a frame (tiled layers, block
// sheets) are copied here instead; what these draw is what DDBlt draws.
#include <cstdint>

#include "game/media/PixelView.h"

// A source colour key as DirectDraw applies it: a pixel whose colour bits (mask) lie in
// [low, high] is not copied.
struct cColorKey {
    uint32_t dwMask = 0;
    uint32_t dwLow = 0;
    uint32_t dwHigh = 0;
};

// Copies source (sx, sy) w x h to (x, y), clipped as DDBlt clips; with a key, the pixels it hides
// are left as they were. Both views have the same bytes per pixel.
void CopyPixels(const cPixelView& dest, int x, int y, int w, int h, const cPixelView& source, int sx, int sy,
                const cColorKey* key);
// Fills the part of the rectangle inside the destination with the pixel value.
void FillPixels(const cPixelView& dest, int x, int y, int w, int h, uint32_t pixel);
// Copies of the whole source side by side and row under row, the first one at (-firstX, -firstY)
// (0 <= firstX < width, 0 <= firstY < height), as many as start inside areaWidth x areaHeight,
// each clipped to the destination: the same pixels as those copies made one by one.
void TilePixels(const cPixelView& dest, int areaWidth, int areaHeight, const cPixelView& source, int firstX,
                int firstY, const cColorKey* key);
