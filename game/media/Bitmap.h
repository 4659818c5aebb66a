#pragma once
// Loading BMP files into surfaces at the display depth, optionally mirrored within animation
// cells, and the pictures of a picture table by index.
#include "game/media/Surface.h"

// Returns 0, or the step that failed (kDDLoadImage, kDDCreateSurface) for DDCheckError.
int DDLoadBitmap(cSurface& record, const char* file, int colorKey, int bpp, int memoryKind, int keepIndexMap,
                 int mirrorWidth, int mirrorHeight);
// Copies the file into the record's existing surface (an empty name copies nothing), then builds
// or drops the index map.
bool DDCopyBitmap(cSurface& record, const char* file, int bpp, int keepIndexMap, int mirrorWidth,
                  int mirrorHeight);
// Copies the record's own file in again, as after a lost surface was restored.
bool DDReloadBitmap(cSurface& record, int bpp);
// Toolkit API: whether a picture would be better kept in system memory. True when the bitmap is
// wider or taller than the limits. A bitmap that cannot be read is
// reported, the main window is told to close, and the answer is false.
bool DDCheckBitmapSize(const char* file, int maxWidth, int maxHeight);
// Loads the listed rows of the display's picture table into the surface array.
bool DDLoadSurfaces(cSurface* surfaces, const int* rows, int count);
