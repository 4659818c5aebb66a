#include "game/core/FrameTimes.h"

#include <windows.h>

#include "framework/ErrorLog.h"
#include "game/media/SurfaceCalls.h"

namespace {

const char kFrameTimesSwitch[] = "KIT_FRAME_TIMES";

bool g_on = false;
LONGLONG g_marks[eFramePointCount] = {};
LONGLONG g_lastShown = 0;
unsigned g_frames = 0;

LONGLONG Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

double Ms(LONGLONG from, LONGLONG to) {
    static LONGLONG frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f.QuadPart;
    }();
    return 1000.0 * static_cast<double>(to - from) / static_cast<double>(frequency);
}

}  // namespace

bool FrameTimesAsked() { return GetEnvironmentVariableA(kFrameTimesSwitch, nullptr, 0) != 0; }

void SetFrameTimes(bool on) {
    g_on = on;
    CountSurfaceCalls(on);
    g_lastShown = 0;
    g_frames = 0;
}

void MarkFrame(eFramePoint point) {
    if (!g_on) return;
    g_marks[point] = Now();
    if (point != eFrameShown) return;
    cSurfaceCalls calls[eSurfaceCallKinds];
    TakeSurfaceCalls(calls);
    // The first frame has no picture before it to count from.
    if (g_lastShown)
        ErrorLogF("Frame %u %.3f loop %.3f wait %.3f work %.3f present %.3f locks %d %.3f blits %d %.3f gdi %d %.3f",
                  g_frames, Ms(g_lastShown, g_marks[eFrameShown]), Ms(g_lastShown, g_marks[eFrameBegins]),
                  Ms(g_marks[eFrameBegins], g_marks[eFrameDue]), Ms(g_marks[eFrameDue], g_marks[eFrameDrawn]),
                  Ms(g_marks[eFrameDrawn], g_marks[eFrameShown]), calls[eCallLock].count, Ms(0, calls[eCallLock].ticks),
                  calls[eCallBlit].count, Ms(0, calls[eCallBlit].ticks), calls[eCallDC].count,
                  Ms(0, calls[eCallDC].ticks));
    ++g_frames;
    g_lastShown = g_marks[eFrameShown];
}
