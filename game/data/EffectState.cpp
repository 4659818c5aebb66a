#include "game/data/EffectState.h"

#include <cmath>

#include "game/data/Tenths.h"

namespace {

const double kTenthPerFrame = 1.0 / 6.0;

void Start(cEffectState& state, int index) {
    state = cEffectState();
    state.nEffect = static_cast<int16_t>(index);
}

// Types whose value runs from parameter 2 to parameter 3 in parameter 1 tenths.
void RunBetween(cEffectState& state, const cEffectTypeRecord& entry) {
    state.dValue = entry.m_Params[1];
    state.dStep = EffectStep(entry.m_Params[0], entry.m_Params[1], entry.m_Params[2]);
}

// Types that count tenths of a second from 0.
void CountTenths(cEffectState& state) {
    state.dValue = 0.0;
    state.dStep = kTenthPerFrame;
}

}  // namespace

double EffectStep(int32_t time, int32_t from, int32_t to) {
    double frames = (time < 1 ? 1.0 : static_cast<double>(time)) * kFramesPerTenth;
    return std::fabs(static_cast<double>(to) - static_cast<double>(from)) / frames;
}

void cEffectState::InitCharaEffect(const cCharaEffect& entry, int index) {
    Start(*this, index);
    switch (entry.m_Type) {
        case 1: case 2: case 3: case 7: case 8: case 9: case 10: case 11: case 12: case 13: case 15: case 16:
        case 4: case 5:
            RunBetween(*this, entry);
            break;
        case 6: case 14:
            CountTenths(*this);
            break;
        default:
            break;
    }
}

void cEffectState::InitScrEffect(const cScrEffect& entry, int index) {
    Start(*this, index);
    switch (entry.m_Type) {
        case 1:
            CountTenths(*this);
            nA = entry.m_Params[1];
            nB = entry.m_Params[2];
            break;
        case 2: case 3: case 8:
            CountTenths(*this);
            break;
        case 4: case 5: case 6: case 7: case 9: case 10: case 11: case 12: case 13:
            RunBetween(*this, entry);
            break;
        default:
            break;
    }
}
