#include "game/play/ScreenEffect.h"

#include <cmath>

#include "data/ProjectDatabase.h"
#include "framework/MessageBox.h"
#include "game/data/Tenths.h"
#include "game/media/Blit.h"
#include "game/media/CompositeBlit.h"
#include "game/media/PixelEffect.h"
#include "game/media/StableMath.h"
#include "game/media/ScreenSize.h"
#include "game/play/PlayPaint.h"
#include "game/play/PlayScene.h"
#include "game/play/PlaySurfaces.h"

namespace {

const int kBackground = 16;  // what the moved picture leaves behind
const int kLastKind = 13;

enum eScreenKind {
    eScreenNone,
    eScreenMove,
    eScreenShakeX,
    eScreenShakeY,
    eScreenStripsX,
    eScreenStripsY,
    eScreenWaveX,
    eScreenWaveY,
    eScreenBlink,
    eScreenRotate,
    eScreenCircle,
    eScreenZoom,
    eScreenLens,
    eScreenMosaic,
};

int Advance(cEffectState& state, int32_t start, int32_t end, bool whole, const cEffectStates& protos) {
    bool passed;
    if (end < start) {
        state.dValue -= state.dStep;
        passed = whole ? std::trunc(state.dValue) < end : state.dValue < end;
    } else {
        state.dValue += state.dStep;
        passed = whole ? std::trunc(state.dValue) > end : state.dValue > end;
    }
    if (!passed) return 0;
    if (!state.nRepeat) return 1;
    StartEffect(state, protos, state.nEffect, state.nRepeat);
    return 0;
}

// The kind's picture is drawn from a copy of the stage; the screen behind it is cleared.
cSurface& TakeScreen(cSurface& back, int workRow) {
    cSurface& work = WorkSurface(workRow);
    DDBlt(work, 0, 0, kScreenWidth, kScreenHeight, back, 0, 0, 0);
    DDFillRect(back, 0, 0, kScreenWidth, kScreenHeight, kBackground);
    return work;
}

// The first player's centre on the screen; the screen's centre when there is none.
void PlayerCentre(const cPlayScene& scene, int& cx, int& cy) {
    cx = kScreenWidth / 2;
    cy = kScreenHeight / 2;
    if (scene.m_Players.empty()) return;
    const cPlayerActor& player = scene.m_Players.front();
    cx = player.m_ScreenRect.left + (player.m_DrawWidth >> 1);
    cy = player.m_ScreenRect.top + (player.m_DrawHeight >> 1);
}

// How far the picture must reach from a centre to cover the screen along one axis.
int Reach(int centre, int size) { return centre >= size / 2 ? centre : size - centre; }

int Strip(int size, int32_t count) { return static_cast<int>(std::ceil(static_cast<double>(size) / AtLeastOne(count))); }

}  // namespace

int32_t AtLeastOne(int32_t value) { return value < 1 ? 1 : value; }

void StartEffect(cEffectState& state, const cEffectStates& protos, int number, int repeat) {
    state = protos.At(number);
    state.wWord = 0;
    state.nRepeat = static_cast<int8_t>(repeat);
}

int AdvanceCharaEffect(cEffectState& state, int32_t start, int32_t end) {
    return Advance(state, start, end, false, CharaEffectProtoTable());
}

int AdvanceScrEffect(cEffectState& state, int32_t start, int32_t end) {
    return Advance(state, start, end, true, ScrEffectProtoTable());
}

void PaintScreenEffect(const cPlayScene& scene, cSurface& back) {
    const cEffectState& state = scene.m_ScrEffect;
    if (state.nEffect == 0) return;
    const cScrEffect& entry = ProjectDatabase().m_ScrEffects.At(state.nEffect);
    const int32_t* p = entry.m_Params;
    const int value = static_cast<int>(state.dValue);
    int cx = 0, cy = 0;
    switch (entry.m_Type) {
        case eScreenMove:
            DDBlt(back, state.nA, state.nB, kScreenWidth, kScreenHeight, TakeScreen(back, kSurfaceFirstWork), 0, 0, 0);
            break;
        case eScreenShakeX:
            DDBlt(back, state.nA, 0, kScreenWidth, kScreenHeight, TakeScreen(back, kSurfaceFirstWork), 0, 0, 0);
            break;
        case eScreenShakeY:
            DDBlt(back, 0, state.nA, kScreenWidth, kScreenHeight, TakeScreen(back, kSurfaceFirstWork), 0, 0, 0);
            break;
        case eScreenStripsX:
        case eScreenStripsY: {
            const bool columns = entry.m_Type == eScreenStripsY;
            const int strip = Strip(columns ? kScreenWidth : kScreenHeight, p[3]);
            DDBltInterlace(back, 0, 0, kScreenWidth, kScreenHeight, strip, value, TakeScreen(back, kSurfaceFirstWork), 0,
                           0, 0, columns ? 1 : 0);
            break;
        }
        case eScreenWaveX:
        case eScreenWaveY:
            DDBltWave(back, 0, 0, kScreenWidth, kScreenHeight, AtLeastOne(p[3]), state.dValue, state.nA,
                      TakeScreen(back, kSurfaceFirstWork), 0, 0, 0, entry.m_Type == eScreenWaveY ? 1 : 0);
            break;
        case eScreenBlink:
            // The background layers drawn again hide everything in front of them.
            if (state.nB == 0) {
                DrawBackLayers(scene, back, 0);
                DrawBackLayers(scene, back, 1);
            }
            break;
        case eScreenRotate: {
            // The turn clears what it leaves uncovered itself: the screen is written once.
            cSurface& work = WorkSurface(kSurfaceSecondWork);
            DDBlt(work, 0, 0, kScreenWidth, kScreenHeight, back, 0, 0, 0);
            const uint32_t background = DDIndexToPixel(kBackground);
            if (!DDBltRotate(back, kScreenWidth / 2, kScreenHeight / 2, kScreenWidth, kScreenHeight, kScreenWidth / 2,
                             kScreenHeight / 2, value, work, 0, 0, 0, &background))
                DDFillRect(back, 0, 0, kScreenWidth, kScreenHeight, kBackground);
            break;
        }
        case eScreenCircle:
            PlayerCentre(scene, cx, cy);
            DDBltCircle(back, cx, cy, Reach(cx, kScreenWidth), Reach(cy, kScreenHeight), value,
                        TakeScreen(back, kSurfaceFirstWork), cx, cy, 0);
            break;
        case eScreenZoom: {
            PlayerCentre(scene, cx, cy);
            const double k = state.dValue * 0.0015625;
            const int w = static_cast<int>(state.dValue - kScreenWidth);
            const int h = static_cast<int>(w * 0.75);
            const int x = static_cast<int>(k * (kScreenWidth / 2 - cx)) - (w >> 1);
            const int y = static_cast<int>(k * (kScreenHeight / 2 - cy)) - (h >> 1);
            DDStretchBlt(back, x, y, w + kScreenWidth, h + kScreenHeight, TakeScreen(back, kSurfaceFirstWork), 0, 0,
                         kScreenWidth, kScreenHeight, 1);
            break;
        }
        case eScreenLens: {
            PlayerCentre(scene, cx, cy);
            const int ex = cx + p[3], ey = cy + p[4];
            const int reach = std::max(Reach(ex, kScreenWidth), Reach(ey, kScreenHeight));
            const int r = static_cast<int>(MathSqrt(2.0) * reach);
            DDBltLens(back, ex, ey, r, value, TakeScreen(back, kSurfaceSecondWork), ex, ey);
            break;
        }
        case eScreenMosaic:
            DDBltMosaic(back, 0, 0, kScreenWidth, kScreenHeight, value, TakeScreen(back, kSurfaceFirstWork), 0, 0, 0);
            break;
        default:
            break;
    }
}

int StepScreenEffect(cPlayScene& scene, int hold) {
    cEffectState& state = scene.m_ScrEffect;
    if (state.nEffect == 0) return 0;
    const cScrEffect& entry = ProjectDatabase().m_ScrEffects.At(state.nEffect);
    const int32_t* p = entry.m_Params;
    if (entry.m_Type < eScreenNone || entry.m_Type > kLastKind) {
        state.nEffect = 0;
        return 1;
    }
    if (entry.m_Type == eScreenNone) return 0;
    if (entry.m_Type == eScreenBlink && state.nA >= p[1]) {
        state.nA = 0;
        state.nB = !state.nB;
    }
    if (hold) return 0;
    const int32_t time = AtLeastOne(p[0]), frames = time * kFramesPerTenth;
    int ended = 0;
    switch (entry.m_Type) {
        case eScreenMove:
            state.nA += (p[3] - p[1]) / frames;
            state.nB += (p[4] - p[2]) / frames;
            ended = AdvanceScrEffect(state, 0, time);
            if (ended) DebugBox("End!?");
            break;
        case eScreenShakeX:
        case eScreenShakeY: {
            const int32_t width = p[1], d = p[2] * p[1] * 4 / frames;
            if (state.nB) {
                state.nA -= d;
                if (state.nA <= -width) {
                    state.nA = -width;
                    state.nB = 0;
                }
            } else {
                state.nA += d;
                if (state.nA >= width) {
                    state.nA = width;
                    state.nB = 1;
                }
            }
            ended = AdvanceScrEffect(state, 0, time);
            break;
        }
        case eScreenWaveX:
        case eScreenWaveY:
            if (++state.nA >= 360) state.nA = 0;
            ended = AdvanceScrEffect(state, p[1], p[2]);
            break;
        case eScreenBlink:
            ++state.nA;
            ended = AdvanceScrEffect(state, 0, time);
            break;
        default:
            ended = AdvanceScrEffect(state, p[1], p[2]);
            break;
    }
    if (ended) state.nEffect = 0;
    return ended;
}
