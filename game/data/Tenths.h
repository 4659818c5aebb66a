#pragma once
// The project's records give times in tenths of a second (animation frames, effect frames, a
// command's time, a message's or a picture's time); the game shows 60 frames a second.
#include <cstdint>

const int32_t kFramesPerTenth = 6;

// Tenths of a second as frames, kept within 0 and the largest int.
int32_t TenthsToFrames(int64_t tenths);
