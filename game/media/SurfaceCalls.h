#pragma once
// How many DirectDraw locks, blits and device contexts the drawing asks for and how long they
// take, counted for the frame-time log while it is on: under Wine each of them may wait on the
// driver's own thread. Off, a call costs one test of a flag.
#include <windows.h>

enum eSurfaceCall { eCallLock, eCallBlit, eCallDC, eSurfaceCallKinds };

struct cSurfaceCalls {
    int count = 0;
    LONGLONG ticks = 0;  // of the performance counter
};

// From now on the calls are counted (the frame-time log asks for it).
void CountSurfaceCalls();
// The calls counted since the last take; the counts start again.
void TakeSurfaceCalls(cSurfaceCalls (&calls)[eSurfaceCallKinds]);

// Times one call (a lock or unlock, a blit, a device context taken or given back) while counting
// is on. An unlock's time goes with its lock's, without counting another call.
class cTimedSurfaceCall {
public:
    explicit cTimedSurfaceCall(eSurfaceCall kind, bool counted = true);
    ~cTimedSurfaceCall();
    cTimedSurfaceCall(const cTimedSurfaceCall&) = delete;
    cTimedSurfaceCall& operator=(const cTimedSurfaceCall&) = delete;

private:
    eSurfaceCall m_Kind;
    bool m_bCounted;
    LONGLONG m_Start = 0;
};
