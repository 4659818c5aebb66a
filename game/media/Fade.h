#pragma once
// Screen fades and palette animation.
#include <windows.h>

#include <cstdint>
#include <string>

// One step of a fade per call, toward or from the colour (red, green, blue). At depth 8 the
// display palette's entries first ... last change; otherwise the back buffer is redrawn from a
// snapshot taken on the first call. Returns true on the call that draws the end state (black for
// a fade-out to 0, 0, 0; the picture itself for a fade-in); the next fade then starts afresh.
// The finish flag jumps to the end state at once.
bool DDFadeOut(PALETTEENTRY* current, int first, int last, int red, int green, int blue, double step,
               const PALETTEENTRY* base, int finish);
bool DDFadeIn(PALETTEENTRY* current, int first, int last, int red, int green, int blue, double step,
              const PALETTEENTRY* base, int finish);

// Base entries first ... last mixed toward the colour: brightness k of 256 is the base colour,
// 0 the colour itself.
void DDMixPalette(PALETTEENTRY* out, int first, int last, int k, int red, int green, int blue,
                  const PALETTEENTRY* base);
// All 256 base entries, with first ... last rotated by n places: direction 0 up (the top n wrap
// to the bottom of the range), 1 down; any other direction leaves them in place.
void DDRotatePalette(PALETTEENTRY* out, int first, int last, int n, int direction, const PALETTEENTRY* base);
// Reads the 256 x 256 colour-mix table; a missing or short file leaves the table as it was.
bool DDLoadMixTable(uint8_t* table, const char* file);
// The mix table file of a palette set: bmp\hbt\hbtNN.dat with the set's number in two digits.
std::string DDMixTableName(int paletteSet);
