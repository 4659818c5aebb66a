#pragma once
// The numbers characters move by, taken from the stage's speed level n (its hit-check level):
// n sub-steps a frame, speeds divided by n, friction by n², gravity per n², the maximum speed per
// level, the vertical knock-back threshold 8n, the fall threshold 6n and no jump correction.
#include <cstdint>

struct cPhysics {
    int32_t steps;          // S: sub-steps per frame
    double divisor;         // D
    double divisor2;        // D2
    double gravity;         // g, added to speed Y per sub-step
    double maxSpeed;        // the cap of either speed, dots per sub-step
    int32_t knockThreshold; // N
    int32_t fallSteps;      // sub-steps without ground before a character falls
    double jumpCorrection;  // J
};

// The open stage's numbers; a divisor that is not positive counts as 1.
cPhysics PlayPhysics();
