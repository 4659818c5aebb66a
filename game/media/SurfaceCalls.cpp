#include "game/media/SurfaceCalls.h"

namespace {

bool g_on = false;
cSurfaceCalls g_calls[eSurfaceCallKinds];

LONGLONG Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

}  // namespace

void CountSurfaceCalls() { g_on = true; }

void TakeSurfaceCalls(cSurfaceCalls (&calls)[eSurfaceCallKinds]) {
    for (int i = 0; i < eSurfaceCallKinds; ++i) {
        calls[i] = g_calls[i];
        g_calls[i] = cSurfaceCalls();
    }
}

cTimedSurfaceCall::cTimedSurfaceCall(eSurfaceCall kind, bool counted) : m_Kind(kind), m_bCounted(counted) {
    if (g_on) m_Start = Now();
}

cTimedSurfaceCall::~cTimedSurfaceCall() {
    if (!g_on || !m_Start) return;
    g_calls[m_Kind].ticks += Now() - m_Start;
    if (m_bCounted) ++g_calls[m_Kind].count;
}
