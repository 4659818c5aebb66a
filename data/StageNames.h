#pragma once
// The option tables of a stage's settings, shown in the settings sheet's combo boxes. A stored
// value is the row index unless a table says otherwise; every table ends with an empty string.

extern const char* const ScrollModeNames[3];
// Row i is the hit-check level i + 1.
extern const char* const HitLevelNames[20];
extern const char* const HitPrecisionNames[7];
extern const char* const HitAreaDisplayNames[4];
extern const char* const HitAreaColorNames[9];
// Where a new stage's palette comes from; the stored value is the row.
extern const char* const NewStagePaletteNames[5];
