#include "framework/FrameTimer.h"
#include "framework/TestSeams.h"

#include <mmsystem.h>

#include <cstdlib>

namespace {

DWORD SystemClock() { return timeGetTime(); }

FrameClock g_clock = SystemClock;
DWORD g_startTime = 0;

bool g_fpsStarted = false;
DWORD g_fpsSecondStart = 0;
int g_fpsCount = 0;
int g_fpsLast = 0;

bool g_frameStarted = false;
DWORD g_frameDue = 0;

}  // namespace

void SetFrameClock(FrameClock clock) { g_clock = clock ? clock : SystemClock; }

void ResetFrameTimers() {
    g_fpsStarted = false;
    g_fpsCount = 0;
    g_fpsLast = 0;
    g_frameStarted = false;
}

DWORD StartTimer() {
    g_startTime = g_clock();
    return g_startTime;
}

DWORD ElapsedTime() { return g_clock() - g_startTime; }

int GetFps() {
    DWORD now = g_clock();
    if (!g_fpsStarted) {
        g_fpsStarted = true;
        g_fpsSecondStart = now;
    }
    ++g_fpsCount;
    if (now - g_fpsSecondStart >= 1000) {
        g_fpsLast = g_fpsCount;
        g_fpsCount = 0;
        g_fpsSecondStart = now;
    }
    return g_fpsLast;
}

bool CheckFrame(int fps) {
    DWORD now = g_clock();
    if (!g_frameStarted) {
        g_frameStarted = true;
        g_frameDue = now;
    }
    if (fps == 0) return true;
    // Signed difference: the due time may lie across a wrap of the millisecond clock.
    if (static_cast<LONG>(now - g_frameDue) < 0) return false;
    g_frameDue = now + 1000 / fps;
    return true;
}

int FrameDueIn() {
    if (!g_frameStarted) return 0;
    LONG left = static_cast<LONG>(g_frameDue - g_clock());
    return left > 0 ? static_cast<int>(left) : 0;
}

namespace {

// One sub-step on one axis. A step that would carry past the target stops on it: a step larger
// than a dot that does not divide the distance would otherwise swing around the target forever.
void StepToward(double& value, double step, int target) {
    value += step;
    if ((step > 0 && value > target) || (step < 0 && value < target)) value = target;
}

}  // namespace

bool MoveToward(double& x, double& y, int targetX, int targetY, double speed) {
    if (static_cast<int>(x) == targetX && static_cast<int>(y) == targetY) return true;
    int dx = targetX - static_cast<int>(x);
    int dy = targetY - static_cast<int>(y);
    double stepX = dx >= 0 ? speed * 0.1 : -speed * 0.1;
    double stepY = dy >= 0 ? speed * 0.1 : -speed * 0.1;
    bool majorX = std::abs(dx) > std::abs(dy);
    int majorDelta = majorX ? std::abs(dx) : std::abs(dy);
    int minorDelta = majorX ? std::abs(dy) : std::abs(dx);
    int error = majorDelta / 2;
    for (int step = 0; step < 10; ++step) {
        error += minorDelta;
        bool minorMoves = error >= majorDelta;
        if (minorMoves) error -= majorDelta;
        if (majorX || minorMoves) StepToward(x, stepX, targetX);
        if (!majorX || minorMoves) StepToward(y, stepY, targetY);
        if (static_cast<int>(x) == targetX && static_cast<int>(y) == targetY) return true;
    }
    return false;
}
