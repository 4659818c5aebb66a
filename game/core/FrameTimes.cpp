#include "game/core/FrameTimes.h"

#include <windows.h>

#include <cstdio>

#include "framework/ErrorLog.h"
#include "game/core/SceneManager.h"
#include "game/media/SurfaceCalls.h"

namespace {

const char kFrameTimesSwitch[] = "KIT_FRAME_TIMES";
const char kFrameTimesFile[] = "FrameTimes.txt";

HANDLE g_file = INVALID_HANDLE_VALUE;
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

void WriteLine() {
    cSurfaceCalls calls[eSurfaceCallKinds];
    TakeSurfaceCalls(calls);
    // The first frame has no picture before it to count from.
    if (g_lastShown) {
        const cSceneManager& scenes = SceneManager();
        const cScene* scene = scenes.Scene(scenes.m_nScene);
        char line[256];
        int n = std::snprintf(
            line, sizeof line,
            "Frame %u %.3f scene %d %d loop %.3f wait %.3f work %.3f input %.3f run %.3f present %.3f locks %d %.3f "
            "blits %d %.3f "
            "gdi %d %.3f\r\n",
            g_frames, Ms(g_lastShown, g_marks[eFrameShown]), scenes.m_nScene, scene ? scene->State() : -1,
            Ms(g_lastShown, g_marks[eFrameBegins]), Ms(g_marks[eFrameBegins], g_marks[eFrameDue]),
            Ms(g_marks[eFrameDue], g_marks[eFrameDrawn]), Ms(g_marks[eFrameDue], g_marks[eFrameInput]),
            Ms(g_marks[eFrameInput], g_marks[eFrameRun]), Ms(g_marks[eFrameDrawn], g_marks[eFrameShown]),
            calls[eCallLock].count, Ms(0, calls[eCallLock].ticks), calls[eCallBlit].count,
            Ms(0, calls[eCallBlit].ticks), calls[eCallDC].count, Ms(0, calls[eCallDC].ticks));
        DWORD written = 0;
        if (n > 0 && n < static_cast<int>(sizeof line)) WriteFile(g_file, line, static_cast<DWORD>(n), &written, nullptr);
    }
    ++g_frames;
    g_lastShown = g_marks[eFrameShown];
}

}  // namespace

void StartFrameTimes() {
    if (!GetEnvironmentVariableA(kFrameTimesSwitch, nullptr, 0)) return;
    g_file = CreateFileA(kFrameTimesFile, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
    if (g_file == INVALID_HANDLE_VALUE) {
        ErrorLogF("%s cannot be written: no frame times", kFrameTimesFile);
        return;
    }
    CountSurfaceCalls();
}

void MarkFrame(eFramePoint point) {
    if (g_file == INVALID_HANDLE_VALUE) return;
    g_marks[point] = Now();
    if (point == eFrameShown) WriteLine();
}
