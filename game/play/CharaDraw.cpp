#include "game/play/CharaDraw.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "data/ProjectDatabase.h"
#include "game/data/GameDatabase.h"
#include "game/media/Blit.h"
#include "game/media/BlitBatch.h"
#include "game/media/CompositeBlit.h"
#include "game/media/Display.h"
#include "game/media/PixelEffect.h"
#include "game/media/StableMath.h"
#include "game/play/PlaySurfaces.h"
#include "game/play/ScreenEffect.h"

namespace {

const int32_t kAnimeEnd = -4;
const int kLastKind = 16;
const int kFrameRate = 60;
const int kBlurTint = 31;
const double kRoot2 = MathSqrt(2.0);

enum eCharaKind {
    eCharaNone,
    eCharaBurst,
    eCharaStripsX,
    eCharaStripsY,
    eCharaWaveX,
    eCharaWaveY,
    eCharaBlink,
    eCharaRotateA,
    eCharaRotateB,
    eCharaFlip,
    eCharaCircle,
    eCharaZoom,
    eCharaLens,
    eCharaTint,
    eCharaHalf,
    eCharaMosaic,
    eCharaBlur,
};

const cCharaEffect& Entry(const cEffectState& state) { return ProjectDatabase().m_CharaEffects.At(state.nEffect); }

// What a handler draws from: the picture scaled into the second work surface, or the frame.
struct cPicture {
    cSurface* surface = nullptr;
    int sx = 0, sy = 0, w = 0, h = 0;
    int scale = 1;
};

cPicture Prepare(const cActor& actor, const cGraphicSource& frame) {
    cPicture picture;
    picture.scale = actor.Scale();
    if (picture.scale > 1) {
        cSurface& work = WorkSurface(kSurfaceSecondWork);
        if (frame.second)
            DDStretchBlt(work, 0, 0, actor.m_DrawWidth, actor.m_DrawHeight, *frame.second, frame.sx, frame.sy,
                         actor.m_BaseDrawWidth, actor.m_BaseDrawHeight, 0);
        picture.surface = &work;
        picture.w = actor.m_DrawWidth;
        picture.h = actor.m_DrawHeight;
        return picture;
    }
    picture.surface = frame.normal;
    picture.sx = frame.sx;
    picture.sy = frame.sy;
    picture.w = actor.m_BaseDrawWidth;
    picture.h = actor.m_BaseDrawHeight;
    return picture;
}

void DrawPlain(const cActor& actor, const cGraphicSource& frame, cBlitBatch& batch) {
    const int left = actor.m_ScreenRect.left, top = actor.m_ScreenRect.top;
    if (actor.Scale() > 1) {
        if (frame.second)
            DDStretchBlt(batch.Unlocked(), left, top, actor.m_DrawWidth, actor.m_DrawHeight, *frame.second, frame.sx,
                         frame.sy, actor.m_BaseDrawWidth, actor.m_BaseDrawHeight, 1);
    } else if (frame.normal) {
        batch.Blt(left, top, actor.m_DrawWidth, actor.m_DrawHeight, *frame.normal, frame.sx, frame.sy,
                  DDBLTFAST_SRCCOLORKEY);
    }
}

// Turn B at a scale: the small picture turned in the second work surface, then scaled.
void DrawTurnedSharp(const cActor& actor, const cGraphicSource& frame, cSurface& dest, int angle) {
    const int left = actor.m_ScreenRect.left, top = actor.m_ScreenRect.top;
    const int w = actor.m_DrawWidth, h = actor.m_DrawHeight, bw = actor.m_BaseDrawWidth, bh = actor.m_BaseDrawHeight;
    cSurface& work = WorkSurface(kSurfaceSecondWork);
    const int d = static_cast<int>(bw * kRoot2);
    const int e = left + w / 2 - bw / 2 - d, f = top + h / 2 - bh / 2 - d;
    DDFillRect(work, e, f, bw + 2 * d, bh + 2 * d, 0);
    if (frame.normal)
        DDBltRotate(work, left + w / 2, top + h / 2, bw, bh, bw / 2, bh / 2, angle, *frame.normal, frame.sx, frame.sy, 0);
    const int a = static_cast<int>(kRoot2 * w);
    DDStretchBlt(dest, left - a, top - a, w + 2 * a, h + 2 * a, work, e, f, bw + 2 * d, bh + 2 * d, 1);
}

// The lens: the picture put at the corner of a cleared square of the second work surface, seen
// through a lens of the given height.
void DrawLens(const cActor& actor, const cGraphicSource& frame, cSurface& dest, const int32_t* p, int value) {
    const int left = actor.m_ScreenRect.left, top = actor.m_ScreenRect.top;
    const int w = actor.m_DrawWidth, h = actor.m_DrawHeight, s = actor.Scale();
    cSurface& work = WorkSurface(kSurfaceSecondWork);
    const int cx = p[3] * s, cy = p[4] * s;
    const int r = static_cast<int>(kRoot2 * (std::max(std::abs(cx), std::abs(cy)) + w / 2));
    const int side = Display().nBpp == 16 ? 4 * r : 2 * r;
    DDFillRect(work, 0, 0, side, side, 0);
    if (s > 1) {
        if (frame.second)
            DDStretchBlt(work, 0, 0, w, h, *frame.second, frame.sx, frame.sy, actor.m_BaseDrawWidth,
                         actor.m_BaseDrawHeight, 0);
    } else if (frame.normal) {
        DDBlt(work, 0, 0, w, h, *frame.normal, frame.sx, frame.sy, 0);
    }
    const int height = s > 1 ? value * s : value;
    DDBltLens(dest, left + cx / 2 + w / 2, top + cy / 2 + h / 2, r, height, work, cx + w / 2, cy + h / 2);
}

// The picture of the effect kind at the state's value.
void DrawEffect(const cActor& actor, const cGraphicSource& frame, cBlitBatch& batch) {
    const cEffectState& state = actor.m_CharaEffect;
    const cCharaEffect& entry = Entry(state);
    const int32_t* p = entry.m_Params;
    const int left = actor.m_ScreenRect.left, top = actor.m_ScreenRect.top;
    const int w = actor.m_DrawWidth, h = actor.m_DrawHeight, bw = actor.m_BaseDrawWidth, bh = actor.m_BaseDrawHeight;
    const int s = actor.Scale();
    const int value = static_cast<int>(state.dValue);
    const int reach = static_cast<int>(s > 1 ? s * state.dValue : state.dValue);
    const DWORD key = DDBLTFAST_SRCCOLORKEY;
    switch (state.nEffect == 0 ? eCharaNone : entry.m_Type) {
        case eCharaBlink:
            // Hidden first, for one interval.
            if (state.nB) DrawPlain(actor, frame, batch);
            return;
        case eCharaLens:
            DrawLens(actor, frame, batch.Unlocked(), p, value);
            return;
        case eCharaRotateB:
            if (s > 1) {
                DrawTurnedSharp(actor, frame, batch.Unlocked(), value);
                return;
            }
            break;
        case eCharaBurst: case eCharaStripsX: case eCharaStripsY: case eCharaWaveX: case eCharaWaveY:
        case eCharaRotateA: case eCharaFlip: case eCharaCircle: case eCharaZoom: case eCharaTint: case eCharaHalf:
        case eCharaMosaic: case eCharaBlur:
            break;
        default:
            DrawPlain(actor, frame, batch);
            return;
    }
    cSurface& dest = batch.Unlocked();
    const cPicture pic = Prepare(actor, frame);
    if (!pic.surface) return;
    cSurface& src = *pic.surface;
    switch (entry.m_Type) {
        case eCharaBurst:
            if (s > 1) DDBltShatter(dest, left, top, w, h, src, pic.sx, pic.sy, reach, key);
            else DDBltShatter(dest, left + w / 2 - bw / 2, top + h / 2 - bh / 2, bw, bh, src, pic.sx, pic.sy, reach, key);
            break;
        case eCharaStripsX:
        case eCharaStripsY: {
            const int strip = static_cast<int>(std::ceil(static_cast<double>(h) / AtLeastOne(p[3])));
            DDBltInterlace(dest, left, top, w, h, strip, reach, src, pic.sx, pic.sy, key,
                           entry.m_Type == eCharaStripsY ? 1 : 0);
            break;
        }
        case eCharaWaveX:
        case eCharaWaveY:
            DDBltWave(dest, left, top, pic.w, pic.h, AtLeastOne(p[3]), s > 1 ? s * state.dValue : state.dValue,
                      state.nA, src, pic.sx, pic.sy, key, entry.m_Type == eCharaWaveY ? 1 : 0);
            break;
        case eCharaRotateA:
        case eCharaRotateB:
            DDBltRotate(dest, left + w / 2, top + h / 2, pic.w, pic.h, pic.w / 2, pic.h / 2, value, src, pic.sx, pic.sy,
                        1);
            break;
        case eCharaFlip: {
            cSurface* front = frame.second ? frame.second : frame.normal;
            cSurface* back = frame.mirroredSecond ? frame.mirroredSecond : frame.mirrored;
            if (front && back)
                DDBltFlip(dest, left, top, w, h, *front, frame.sx, frame.sy, *back, frame.sx, frame.sy, bw, bh, 1, value,
                          0);
            break;
        }
        case eCharaCircle:
            DDBltCircle(dest, left + w / 2, top + h / 2, w / 2, h / 2, reach, src, pic.sx + pic.w / 2,
                        pic.sy + pic.h / 2, key);
            break;
        case eCharaZoom: {
            const double x = state.dValue - 32;
            const int d = s > 1 ? static_cast<int>(x * s) >> 1 : static_cast<int>(x);
            DDStretchBlt(dest, left - (d >> 1), top - (d >> 1), w + d, h + d, src, pic.sx, pic.sy, w, h, 1);
            break;
        }
        case eCharaTint:
            DDBltTint(dest, left, top, w, h, src, pic.sx, pic.sy, 1, Display().Palette, p[3] & 0xFF, value);
            break;
        case eCharaHalf:
            if (!state.nB) DDBltHalf(dest, left, top, w, h, src, pic.sx, pic.sy, 1, Display().MixTable);
            break;
        case eCharaMosaic:
            DDBltMosaic(dest, left, top, w, h, value, src, pic.sx, pic.sy, 1);
            break;
        case eCharaBlur:
            if (Display().nBpp == 8)
                DDBltTint(dest, left, top, w, h, src, pic.sx, pic.sy, 1, Display().Palette, kBlurTint, value);
            else
                DDBltBlur(dest, left, top, w, h, value, value, src, pic.sx, pic.sy, 1);
            break;
        default:
            break;
    }
}

const cRunningAnime* ChooseAnimationEntry(const std::list<cRunningAnime>& animes) {
    const cRunningAnime* chosen = nullptr;
    int32_t best = INT_MAX;
    bool settled = false;
    for (const cRunningAnime& anime : animes) {
        if (anime.m_Suspended) continue;
        if (settled) {
            if (anime.m_Count <= 0 && best <= 0 && anime.m_Count > best) {
                best = anime.m_Count;
                chosen = &anime;
            }
        } else if (anime.m_Timed && anime.m_Count <= 0 && best <= 0) {
            best = anime.m_Count;
            chosen = &anime;
            settled = true;
        } else if (anime.m_Timed && anime.m_Count < best) {
            best = anime.m_Count;
            chosen = &anime;
        } else if (!anime.m_Timed && !chosen) {
            best = INT_MAX;
            chosen = &anime;
        }
    }
    return chosen;
}

}  // namespace

int32_t ChooseAnimation(const std::list<cRunningAnime>& animes) {
    const cRunningAnime* chosen = ChooseAnimationEntry(animes);
    return chosen ? chosen->m_Value : -1;
}

int32_t PickFrame(cActor& actor, int hold) {
    if (!hold) {
        const int32_t base = actor.m_Anime.Update();
        if (base >= 0) actor.m_BaseFrame = base;
        for (auto it = actor.m_Animes.begin(); it != actor.m_Animes.end();) {
            if (it->m_Suspended) {
                ++it;
                continue;
            }
            const int32_t value = it->m_Player.Update();
            if (value == kAnimeEnd) {
                it = actor.m_Animes.erase(it);
                continue;
            }
            if (value >= 0) it->m_Value = value;
            --it->m_Count;
            ++it;
        }
    }
    const int32_t chosen = ChooseAnimation(actor.m_Animes);
    actor.m_ShownFrame = chosen >= 0 ? chosen : actor.m_BaseFrame;
    return actor.m_ShownFrame;
}

void StartCharaEffect(cActor& actor, int number, int repeat) {
    StartEffect(actor.m_CharaEffect, CharaEffectProtoTable(), number, repeat);
}

int StepCharaEffect(cActor& actor, int hold) {
    cEffectState& state = actor.m_CharaEffect;
    if (state.nEffect == 0) return 0;
    const cCharaEffect& entry = Entry(state);
    const int32_t* p = entry.m_Params;
    if (entry.m_Type < eCharaNone || entry.m_Type > kLastKind) {
        state.nEffect = 0;
        return 1;
    }
    if (entry.m_Type == eCharaNone) return 0;
    const bool blinking = entry.m_Type == eCharaBlink || entry.m_Type == eCharaHalf;
    if (blinking && state.nA >= p[1]) {
        state.nA = 0;
        state.nB = !state.nB;
    }
    if (hold) return 0;
    int ended;
    if (blinking) {
        ++state.nA;
        ended = AdvanceCharaEffect(state, 0, AtLeastOne(p[0]));
    } else {
        if ((entry.m_Type == eCharaWaveX || entry.m_Type == eCharaWaveY) && ++state.nA >= 360) state.nA = 0;
        ended = AdvanceCharaEffect(state, p[1], p[2]);
    }
    if (ended) state.nEffect = 0;
    return ended;
}

int StepDefeated(cActor& actor, int hold) {
    if (!actor.IsPlayer()) {
        if (actor.m_CharaEffect.nEffect == 0) return 1;
        return StepCharaEffect(actor, hold);
    }
    if (actor.m_CharaEffect.nEffect == 0) {
        if (hold) return 0;
        return ++actor.m_DeathFrames > kFrameRate ? 1 : 0;
    }
    StepCharaEffect(actor, hold);
    return 0;
}

void StepGauges(cActor& actor) {
    for (cGauge* gauge : {&actor.m_HpGauge, &actor.m_SpGauge}) {
        if (gauge->m_Timer <= 0 || actor.m_Dead) continue;
        if (--gauge->m_Timer < kFrameRate) gauge->m_Change = 0.0;
        else gauge->m_Change -= gauge->m_Step;
    }
}

cGraphicSource CharaFrame(const cActor& actor, int32_t frame) {
    cGraphicSource source;
    ResolveGraphic(source, kUseObject, actor.m_Chara.m_GraphicSrc, actor.m_Chara.m_Graphic, frame, &actor, 0);
    return source;
}

void PaintChara(const cActor& actor, cBlitBatch& batch) {
    if (actor.m_DrawSkip || actor.m_Hidden) return;
    DrawEffect(actor, CharaFrame(actor, actor.m_ShownFrame), batch);
    if (actor.m_Chara.m_MarkMode != 1) return;
    // Marks stand 15 to a column.
    const int m = actor.m_Chara.m_Mark, sx = (m / 15) * 32, sy = (m % 15) * 32;
    const int left = actor.m_ScreenRect.left, top = actor.m_ScreenRect.top;
    if (actor.Scale() > 1) {
        if (cSurface* marks = PlaySurface(kSurfaceMarksScaled))
            DDStretchBlt(batch.Unlocked(), left, top, actor.m_DrawWidth, actor.m_DrawHeight, *marks, sx, sy,
                         actor.m_BaseDrawWidth, actor.m_BaseDrawHeight, 1);
    } else if (cSurface* marks = PlaySurface(kSurfaceMarks)) {
        batch.Blt(left, top, 32, 32, *marks, sx, sy, DDBLTFAST_SRCCOLORKEY);
    }
}

void PaintDefeated(const cActor& actor, cBlitBatch& batch) {
    if (actor.m_CharaEffect.nEffect == 0) return;
    DrawEffect(actor, CharaFrame(actor, 0), batch);
}

void PaintGauge(const cActor& actor, cBlitBatch& batch, int which) {
    const cGauge& gauge = which ? actor.m_SpGauge : actor.m_HpGauge;
    cSurface* system = PlaySurface(kSurfaceSystem);
    if (gauge.m_Timer <= 0 || actor.m_Dead || !system) return;
    const int x = actor.m_ScreenRect.left + actor.m_DrawWidth / 2 - 25;
    const int y = actor.m_ScreenRect.top - (which ? 7 : 3);
    const int column = which ? 64 : 0;
    const int length = std::max(0, std::min(50, gauge.m_Length));
    batch.Blt(x, y, 50, 2, *system, 0, 128, DDBLTFAST_SRCCOLORKEY);
    batch.Blt(x, y, length, 2, *system, column, length > 16 ? 144 : 160, DDBLTFAST_SRCCOLORKEY);
    const int change = static_cast<int>(gauge.m_Change >= 0 ? gauge.m_Change : -gauge.m_Change);
    if (gauge.m_Change >= 0)
        batch.Blt(x + length - change, y, change, 2, *system, column + length - change, 192, DDBLTFAST_SRCCOLORKEY);
    else
        batch.Blt(x + length, y, change, 2, *system, column + length, 176, DDBLTFAST_SRCCOLORKEY);
}
