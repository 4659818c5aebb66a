#pragma once
// The running state of one character effect or screen effect: a plain value copied whole. The
// play engine starts an effect by copying the ready-made state of its database entry.
#include <cstdint>

#include "data/EffectRecords.h"

struct cEffectState {
    int16_t nEffect = 0;  // database entry; 0 runs nothing
    int8_t nRepeat = 0;   // start over at the end
    int16_t wWord = 0;    // cleared whenever the effect starts
    double dValue = 0.0;  // runs from the effect's start to its end
    double dStep = 0.0;   // added or taken each frame
    int32_t nA = 0;       // working integers of the effect's type
    int32_t nB = 0;

    // The initial state of CharaEffect entry index, and of ScrEffect entry index.
    void InitCharaEffect(const cCharaEffect& entry, int index);
    void InitScrEffect(const cScrEffect& entry, int index);
};

// Tenths of a second to frames: a step that covers |to - from| in the given time at 60 frames a
// second. A time below one tenth counts as one, so a damaged entry never divides by zero.
double EffectStep(int32_t time, int32_t from, int32_t to);
