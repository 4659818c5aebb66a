#pragma once
// Frame pacing and counting on the multimedia timer, and a fixed-step mover.
#include <windows.h>

// The clock the timers read, timeGetTime unless a test sets its own (null restores it).
typedef DWORD (*FrameClock)();
void SetFrameClock(FrameClock clock);

DWORD StartTimer();
DWORD ElapsedTime();
int GetFps();
bool CheckFrame(int fps);
// Whole milliseconds until the frame CheckFrame waits for is due: 0 once it is due, and before
// the first check.
int FrameDueIn();
// Forgets the measuring second of GetFps and the due time of CheckFrame.
void ResetFrameTimers();

bool MoveToward(double& x, double& y, int targetX, int targetY, double speed);
