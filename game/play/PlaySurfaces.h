#pragma once
// The rows of the game's surface table that play draws from, and the look-up that answers null
// for a row the table does not have or that holds no surface.
#include "game/media/Surface.h"

enum ePlaySurface {
    kSurfaceBlocks = 2,
    kSurfaceCharaSheets = 4,       // pairs: the sheet, then its mirrored copy
    kSurfaceShots = 20,
    kSurfaceScaledCharaSheets = 22,
    kSurfaceItems = 40,
    kSurfaceItemsScaled = 41,
    kSurfaceMiniItems = 42,
    kSurfaceMarks = 43,
    kSurfaceMarksScaled = 44,
    kSurfaceSystem = 47,           // gauges, icons, cursors
    kSurfaceWords = 49,            // banners and digits
    kSurfaceSecondWork = 65,       // screen-size work surfaces
    kSurfaceFirstWork = 66,
};

cSurface* PlaySurface(int row);
// A screen-size work surface: the table's, or the display's own when the table lacks it.
cSurface& WorkSurface(int row);
