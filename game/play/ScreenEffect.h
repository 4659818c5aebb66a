#pragma once
// Effect states at play: starting an effect from its ready-made state, advancing its value, and
// the screen effects of the ScrEffect table (moved, shaken, cut into strips, waved, blinked,
// rotated, seen through a circle, zoomed, seen through a lens, made into a mosaic). The picture
// and the counting are apart: the painter draws the effect from the state as it stands, and the
// play scene's own pass moves the state on afterwards, so the play runs the same painted or not.
#include <cstdint>

#include "game/data/GameDatabase.h"
#include "game/media/Surface.h"

class cPlayScene;

// Puts the ready-made state of table entry number on the effect (replacing a running one), its
// word cleared and its repeat flag set. A bad number is reported by the table and runs nothing.
void StartEffect(cEffectState& state, const cEffectStates& protos, int number, int repeat);

// One step of the value from start toward end. 1 once it has passed end and the effect does not
// repeat; a repeating effect starts again from its ready-made state and answers 0. Character
// effects compare the value itself, screen effects its integer part.
int AdvanceCharaEffect(cEffectState& state, int32_t start, int32_t end);
int AdvanceScrEffect(cEffectState& state, int32_t start, int32_t end);

// A table value that divides: below 1 it counts as 1.
int32_t AtLeastOne(int32_t value);

// The running screen effect drawn over the back buffer, which holds the stage as drawn so far.
void PaintScreenEffect(const cPlayScene& scene, cSurface& back);
// The screen effect's counters after its picture: unless held its value moves on; an effect
// that ends, or whose kind has no picture, stops (its number goes back to 0) and answers 1.
int StepScreenEffect(cPlayScene& scene, int hold);
