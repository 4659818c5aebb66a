#pragma once
// The direction bits of a frame's keys, as menus read them.
const int kKeyLeft = 1;
const int kKeyRight = 2;
const int kKeyUp = 4;
const int kKeyDown = 8;
