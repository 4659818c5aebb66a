#pragma once
// Drawing built only from the plain rectangle operations, so it works at every depth: frames,
// numbers from a digit strip and line-by-line effects. Positions may lie partly off the surface.
#include <windows.h>

#include "game/media/Surface.h"

// A frame of thickness t inside (x, y) w x h.
void DDFrameRect(cSurface& dest, int x, int y, int w, int h, int t, int paletteIndex);
// The source's top-left w x h at (x, y), opaque, with a frame of thickness t around it.
void DDBltFramed(cSurface& dest, int x, int y, int w, int h, cSurface& source, int t, int paletteIndex);
// Draws the number from a strip of the glyphs 0-9, each w wide. Fewer digits than the minimum
// are right-aligned in the minimum width, or centred in it. A negative number is drawn as its
// absolute value (the strip has no sign). Returns the last blit's result.
HRESULT DDDrawNumber(cSurface& dest, int x, int y, int w, int h, cSurface& strip, int stripX, int stripY,
                     DWORD flags, int number, int minDigits, int centre);
// A sine wave by lines: columns shifted vertically, or rows shifted horizontally.
void DDBltWave(cSurface& dest, int x, int y, int w, int h, int frequency, double amplitude, int phase,
               cSurface& source, int sx, int sy, DWORD flags, int columns);
// Strips of n pixels, alternately shifted by s in opposite directions.
void DDBltInterlace(cSurface& dest, int x, int y, int w, int h, int n, int s, cSurface& source, int sx, int sy,
                    DWORD flags, int verticalStrips);
// A card turning between pictures A and B at step r; axis 0 turns about the vertical axis,
// axis 1 about the horizontal one.
HRESULT DDBltFlip(cSurface& dest, int x, int y, int w, int h, cSurface& a, int ax, int ay, cSurface& b, int bx,
                  int by, int sourceWidth, int sourceHeight, DWORD mode, int r, int axis);
// The disc of radius r around (sx, sy) drawn around (x, y), within wl and hl of the centre.
HRESULT DDBltCircle(cSurface& dest, int x, int y, int wl, int hl, int r, cSurface& source, int sx, int sy,
                    DWORD flags);
// The w-wide square at (sx, sy) broken into eight triangles, each moved R outward.
void DDBltShatter(cSurface& dest, int x, int y, int w, int h, cSurface& source, int sx, int sy, int R,
                  DWORD flags);
