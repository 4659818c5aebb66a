#pragma once
// Short names of the directions and buttons a menu test presses, and one frame's keys.
#include "game/core/Input.h"

const int L = kKeyLeft, R = kKeyRight, U = kKeyUp, D = kKeyDown;
const int kDecide = kButtonDecide, kCancel = kButtonCancel;

struct cKey {
    int direction;
    int buttons;
};
