#pragma once
// The project palette and the transparent colour, both taken from the palette bitmap.
#include <windows.h>

#include "game/media/Surface.h"

// Reads the bitmap's 256-colour table into the entries (flags 2 for the twenty system colours,
// 1 for the rest). At depth 8 the display palette takes them; at depth 16 the entries hold the
// colours as the display draws them, read from the bitmap's pixels.
bool DDLoadPaletteFromFile(PALETTEENTRY* entries, const char* file);
// Reads the 16 x 16 block at column 0, row 8 into entries 0-255 (pixels the surface does not
// have leave their entries as they were).
void DDReadPalette16(PALETTEENTRY* entries, cSurface& record);
// The transparent colour becomes the bitmap's top-left pixel.
bool DDSetTransmit(const char* file);
