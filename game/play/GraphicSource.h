#pragma once
// From an object's graphic number to the surfaces and the cell it is drawn from. The sheets hold
// their graphics 15 to a column (shots 30), as the editor draws them: the number picks the
// column group and the row, the pattern the column within the group.
#include <cstdint>

#include "game/media/Surface.h"

class cObj;

// The surfaces of one graphic: the picture, its second surface (for scaled drawing), the
// mirrored picture and its second surface, and the cell's corner.
struct cGraphicSource {
    cSurface* normal = nullptr;
    cSurface* second = nullptr;
    cSurface* mirrored = nullptr;
    cSurface* mirroredSecond = nullptr;
    int32_t sy = 0;
    int32_t sx = 0;
};

enum eGraphicKind { eGraphicBlock, eGraphicChara, eGraphicItem, eGraphicShot, eGraphicCharaBitmap };
// Use 1 draws a live object: its facing picks the picture (right the sheet, left its mirror) and
// the pattern offset q adds to the pattern p. Other uses are previews: a character pattern of 20
// or more is the mirror's (p - 20), an item's pattern offset counts for use 2.
const int kUseObject = 1;
const int kUsePreview = 0;

// Pictures of the item and shot sheets come as two frames side by side; items and shots in
// play show them in turn by this animation (a null-terminated list for cObj::Init).
const int32_t* const* SheetFrameAnime();

// The character and shot sheets (surface rows 4 to 21) are loaded a second time, 18 rows on, in
// system memory, where a stretching blit reads them quickly. The row to draw a shot sheet row
// from: the row itself when it holds a picture where the blit wants one (scaled: in system memory,
// where the driver may also have put it), else its copy.
int ShotGraphicIndex(int row, bool scaled);

// False, with the record left as it was, for a kind that has no sheet; a sheet or cell the
// loaded tables do not have leaves null surfaces.
bool ResolveGraphic(cGraphicSource& out, int use, int kind, int32_t n, int32_t p, const cObj* object, int32_t q);
