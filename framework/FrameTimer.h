#pragma once
// Frame pacing and counting on the multimedia timer, and a fixed-step mover.
#include <windows.h>

// The timers read timeGetTime unless a test sets its own clock (SetFrameClock, TestSeams.h).
DWORD StartTimer();
// Toolkit API: the milliseconds since StartTimer, the game's reading of the timer that the
// frame pacing restarts.
DWORD ElapsedTime();
int GetFps();
bool CheckFrame(int fps);
// Whole milliseconds until the frame CheckFrame waits for is due: 0 once it is due, and before
// the first check.
int FrameDueIn();

bool MoveToward(double& x, double& y, int targetX, int targetY, double speed);
