#pragma once
// Direction codes, the one set that the movement, warp, shot and summon commands share: 0 none,
// 2 left, 3 right, 6 up, 7 down, 8 up-left, 9 down-left, 10 up-right, 11 down-right.
enum eDirCode { eDirNone = 0, eDirLeft = 2, eDirRight = 3, eDirUp = 6, eDirDown = 7 };

// A direction choice (0-12) as a code: forward (0), backward (1), forward on Y (4) and backward
// on Y (5) follow the facing (1 right); 12 is the code of the input the flow started with, given
// by the caller; every other choice is its own code.
int DirectionCode(int choice, int facing, int inputCode);
// Degrees: 0 left, 90 up, 180 right, 270 down; codes without an angle give 0.
int DirectionAngle(int code);
// A code's step along each axis: -1, 0 or +1; 0 on both for codes without a direction.
int DirectionSignX(int code);
int DirectionSignY(int code);
