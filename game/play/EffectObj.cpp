#include "game/play/EffectObj.h"

#include <algorithm>

#include "data/ProjectDatabase.h"
#include "game/data/GameDatabase.h"
#include "game/media/Blit.h"
#include "game/play/PlayBitmaps.h"
#include "game/play/PlayRandom.h"
#include "game/play/PlayScene.h"

namespace {

const int32_t kAnimeEnd = -4;

}  // namespace

void cEffectObj::StartAnimation() {
    m_Anime = cAnimePlayer(eAnimeRestart);
    m_Anime.SetPatterns(EffectPatternTable());
    m_Anime.SetPattern(m_Number, 1);
    const cAnimePatterns& patterns = EffectPatternTable();
    m_Cell = m_Number >= 0 && static_cast<size_t>(m_Number) < patterns.size() && !patterns[m_Number].empty()
                 ? patterns[m_Number][0].value
                 : 0;
}

void cEffectObj::Create(int32_t number, double x, double y, int32_t width, int32_t height, int32_t countWhileHeld) {
    m_Number = number;
    m_X = x;
    m_Y = y;
    m_Width = width;
    m_Height = height;
    m_Scaled = 0;
    m_CountWhileHeld = countWhileHeld;
    StartAnimation();
}

void cEffectObj::CreateAtHit(int32_t number, const cRect& first, const cRect& second, int32_t scale,
                             cPlayRandom& random) {
    const auto& table = ProjectDatabase().m_Effects;
    if ((number & 0x8000) || number < 0 || static_cast<size_t>(number) >= table.size()) {
        ReportBadIndex('V', number, static_cast<int>(table.size()), 96, eClosePost);
        number = 0;
    }
    const cEffect& effect = table.At(number);
    m_Number = number;
    int32_t jitter = 1;
    if (!effect.m_Frames.empty() && scale > 1) {
        m_Width = scale * effect.m_CellWidth;
        m_Height = scale * effect.m_CellHeight;
        m_Scaled = 1;
        jitter = scale;
    } else {
        m_Width = effect.m_CellWidth;
        m_Height = effect.m_CellHeight;
        m_Scaled = 0;
    }
    const int32_t left = std::max(first.left, second.left), right = std::min(first.right, second.right);
    const int32_t top = std::max(first.top, second.top), bottom = std::min(first.bottom, second.bottom);
    if (left <= right && top <= bottom) {
        m_X = left + ((right - left + 1) >> 1) - (m_Width >> 1);
        m_Y = top + ((bottom - top + 1) >> 1) - (m_Height >> 1);
    } else {
        m_X = -(m_Width >> 1);
        m_Y = -(m_Height >> 1);
    }
    m_X += random.Next() % (8 * jitter + 1) - 4 * jitter;
    m_Y += random.Next() % (8 * jitter + 1) - 4 * jitter;
    m_CountWhileHeld = 0;
    StartAnimation();
}

int cEffectObj::Step(int hold) {
    if (hold && !m_CountWhileHeld) return 0;
    const int32_t value = m_Anime.Update();
    if (value == kAnimeEnd) return 1;
    m_Cell = value;
    return 0;
}

void cEffectObj::Paint(const cPlayScene& scene, cSurface& dest) const {
    const cEffect& effect = ProjectDatabase().m_Effects.At(m_Number);
    cSurface* picture = EffectBitmap(m_Number);
    if (!picture) return;
    const int x = static_cast<int>(m_X - scene.m_ScrollX.m_Pos), y = static_cast<int>(m_Y - scene.m_ScrollY.m_Pos);
    if (m_Scaled)
        DDStretchBlt(dest, x, y, m_Width, m_Height, *picture, m_Cell * effect.m_CellWidth, 0, effect.m_CellWidth,
                     effect.m_CellHeight, 1);
    else
        DDBlt(dest, x, y, m_Width, m_Height, *picture, m_Cell * m_Width, 0, DDBLTFAST_SRCCOLORKEY);
}
