#pragma once
// The database's pictures that play draws, loaded when the play scene starts: the character
// bitmaps (four surfaces per entry from entry 1: the picture, its mirror, and the two again for
// scaled drawing) and the effect bitmaps (two per entry from entry 1: the picture and its mirror,
// frames side by side) and the sword bitmaps (four per entry from entry 0: for each facing its
// own picture, then the same in system memory for scaled drawing). A picture that cannot be read
// leaves its slots empty and is logged.
#include "game/media/Surface.h"

void LoadCharaBitmaps();
void LoadEffectBitmaps();
void LoadSwordBitmaps();
// Releases the tables; the game calls it before the display goes.
void ReleasePlayBitmaps();

// Slot index of the character table (entry n's slots are 4n - 4 to 4n - 1), or null when the
// table has no such slot or the slot holds no picture.
cSurface* CharaBitmap(int index);
// The picture of Effect entry n (mirrored: its mirror), or null.
cSurface* EffectBitmap(int entry, bool mirrored = false);
// The picture of SwordType entry n for a facing (1 right), its system-memory copy when scaled.
cSurface* SwordBitmap(int entry, int facing, bool scaled);
