#pragma once
// The plain rectangle operations every drawing routine is built on. Rectangles run from
// (x, y) to (x + w, y + h), right and bottom excluded, and are clipped to both surfaces.
#include <windows.h>

#include <ddraw.h>

#include "game/media/Surface.h"

// Fills with the palette entry in the display's format.
void DDFillRect(cSurface& dest, int x, int y, int w, int h, int paletteIndex);
// The source rectangle a copy of source (sx, sy) w x h to (x, y) reads once clipped to both
// surfaces, and its destination corner (x, y) moved with it; false when nothing is left.
bool ClipBlt(int& x, int& y, int w, int h, int sx, int sy, int sourceWidth, int sourceHeight, int destWidth,
             int destHeight, RECT& src);
// Copies source (sx, sy) w x h to (x, y); flags 0 or DDBLTFAST_SRCCOLORKEY. A copy clipped to
// nothing draws nothing and succeeds.
HRESULT DDBlt(cSurface& dest, int x, int y, int w, int h, cSurface& source, int sx, int sy, DWORD flags);
// Scales source (sx, sy) sw x sh onto (x, y) w x h; mode 1 uses the source colour key, any other
// mode is passed on as Blt flags.
HRESULT DDStretchBlt(cSurface& dest, int x, int y, int w, int h, cSurface& source, int sx, int sy, int sw,
                     int sh, DWORD mode);
