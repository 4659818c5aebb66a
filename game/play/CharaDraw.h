#pragma once
// Drawing characters: the animation frame to show, the character effect that distorts the
// picture (burst, strips, waves, blink, turns, circle, zoom, lens, tint, half, mosaic, blur), the
// mark, the two gauges and the defeat. As with the screen, the counting is the play scene's
// (PickFrame before the picture, the effect and the defeat after it) and the painter only draws.
#include <cstdint>

#include "game/media/Surface.h"
#include "game/play/CharaActor.h"
#include "game/play/GraphicSource.h"

class cBlitBatch;

// Unless held the base animation and every running extra animation move on (an extra one that
// ends leaves the list); then the pattern to show: the newest timed animation whose count runs
// out first, an untimed one only when no other is chosen, the base one when none is.
int32_t PickFrame(cActor& actor, int hold);
// The chosen pattern among the character's extra animations, as PickFrame chooses it; -1 when
// none is chosen.
int32_t ChooseAnimation(const std::list<cRunningAnime>& animes);

// Puts CharaEffect entry number on the character, repeating or not.
void StartCharaEffect(cActor& actor, int number, int repeat);
// The character effect after the picture: unless held its value moves on. 1 when it has ended
// (or its kind has no picture), the effect number then back to 0.
int StepCharaEffect(cActor& actor, int hold);
// The defeat after the picture. A character with control value 1 set goes with its effect's
// end (at once without one); any other with no effect waits past 60 drawn frames, or goes with
// its effect's end. 1 when it may be removed.
int StepDefeated(cActor& actor, int hold);
// The gauges' timers after the picture.
void StepGauges(cActor& actor);

// The frame's surfaces and cell: the character's graphic kind and number at the pattern.
cGraphicSource CharaFrame(const cActor& actor, int32_t frame);
// The character at its place with its effect and mark (nothing while hidden or skipped).
void PaintChara(const cActor& actor, cBlitBatch& batch);
// The defeated character: only its effect, from frame 0.
void PaintDefeated(const cActor& actor, cBlitBatch& batch);
// Gauge 0 (life) at 3 dots above the character, gauge 1 (SP) at 7.
void PaintGauge(const cActor& actor, cBlitBatch& batch, int which);
