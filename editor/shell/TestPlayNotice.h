#pragma once
// The game program's notices during a test play, sent to the frame as WM_COPYDATA: data kind 1
// when it starts, 0 when its window is gone, each with a 4-byte integer holding 1.
#include <windows.h>

// Acts on the end notice (kind 0 with a non-zero integer): the undo history, freed for the
// game, is set up again and the test play is over. Other notices change nothing.
void OnTestPlayNotice(const COPYDATASTRUCT* data);
