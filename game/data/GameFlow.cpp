#include "game/data/GameFlow.h"

#include "data/Flow.h"

void ApplyTestPlayFlowRule(int testPlay, const cSystemData& system) {
    SetDropTestPlayFlows(testPlay == 0 && system.m_TestFlowsOutsideTest == 0);
}
