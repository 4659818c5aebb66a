// The play scene's block layers, its blocks' pictures and the mosaic screen effect.
#include "data/ProjectData.h"
#include "data/ProjectDatabase.h"
#include "game/core/GameGlobals.h"
#include "game/data/StorySave.h"
#include "game/data/GameDatabase.h"
#include "game/media/Blit.h"
#include "game/media/Display.h"
#include "game/media/PixelEffect.h"
#include "game/play/PlayScene.h"
#include "game/play/StatusBar.h"

namespace {

// Pictures of the game's surface table that blocks and the mosaic use.
const int kBlockSheet = 2;
const int kCharaSheet = 4;  // two surfaces per sheet of 15 x 20 cells
const int kShotSheet = 20;
const int kItemSheet = 40;
const int kMarkSheet = 43;
const int kWindowPicture = 45;
const int kAccessoryPicture = 47;
const int kWorkSurface = 66;
const int kCaptionFont = 1;
const int kGaugeFont = 0;
const int kScreenWidth = 640;
const int kScreenHeight = 480;
const int kMosaicBackground = 16;

// A surface of the table, or null when the table does not have it.
cSurface* TableSurface(int index) {
    const cDisplayState& display = Display();
    if (!display.lpSurfaces || index < 0 || index >= display.nSurfaceCount) return nullptr;
    cSurface* surface = &display.lpSurfaces[index];
    return surface->lpSurface ? surface : nullptr;
}

}  // namespace

// The sheets hold their graphics 15 to a column, as the editor draws them.
void DrawBlock(cSurface& surface, const cEdBlock& block, int x, int y) {
    const int n = block.m_Graphic;
    cSurface* sheet = nullptr;
    int sx = (n / 15) * 32, sy = (n % 15) * 32, side = 32;
    switch (block.m_GraphicSrc) {
        case 0:
            sheet = TableSurface(kBlockSheet);
            break;
        case 1:
            sheet = n / 15 < 8 ? TableSurface(kCharaSheet + 2 * (n / 15)) : nullptr;
            sx = 0;
            break;
        case 2:
            sheet = TableSurface(kItemSheet);
            sx = (n / 15) * 64;
            break;
        case 3:
            sheet = TableSurface(kShotSheet);
            sx = (n / 30) * 32;
            sy = (n % 30) * 16;
            side = 16;
            break;
        default:
            break;
    }
    const int inset = (32 - side) / 2;
    if (sheet) DDBlt(surface, x + inset, y + inset, side, side, *sheet, sx, sy, DDBLTFAST_SRCCOLORKEY);
    cSurface* marks = TableSurface(kMarkSheet);
    if (block.m_MarkMode == 1 && marks)
        DDBlt(surface, x, y, 32, 32, *marks, (block.m_Mark / 15) * 32, (block.m_Mark % 15) * 32, DDBLTFAST_SRCCOLORKEY);
}

void cPlayScene::DrawBlockLayer(cSurface& surface, uint8_t layer) {
    const int32_t sx = static_cast<int32_t>(m_ScrollX.m_Pos), sy = static_cast<int32_t>(m_ScrollY.m_Pos);
    const int32_t c0 = sx >> 5, r0 = sy >> 5, ox = sx & 31, oy = sy & 31;
    for (int32_t r = r0; r <= r0 + 15; ++r) {
        if (r < 0 || r >= m_ScrollY.m_Cells) continue;
        for (int32_t c = c0; c <= c0 + 20; ++c) {
            if (c < 0 || c >= m_ScrollX.m_Cells) continue;
            cBlockCell& cell = m_MapCells.At(static_cast<int>(CellIndex(c, r)));
            const cEdBlock& block = cell.block;
            if (block.m_Graphic == 0 || block.m_Front != layer || !TestConditions(cell) || block.m_Transparent != 0)
                continue;
            DrawBlock(surface, block, 32 * (c - c0) - ox, 32 * (r - r0) - oy);
        }
    }
}

void cPlayScene::DrawStatusBar(cSurface& surface) {
    cSurface* window = TableSurface(kWindowPicture);
    cSurface* accessory = TableSurface(kAccessoryPicture);
    if (!window || !accessory) return;
    const cStorySave& story = StoryState();
    cStatusValues values;
    values.worldScore = story.m_TotalScore;
    values.score = story.m_Score;
    values.lives = story.m_Lives;
    if (!m_Players.empty()) {
        const cPlayerActor& player = m_Players.front();
        values.hp = player.m_Hp;
        values.maxHp = player.m_MaxHp;
        values.sp = player.m_Sp;
        values.maxSp = player.m_MaxSp;
    }
    ::DrawStatusBar(surface, ProjectSystemData().m_StatusItems, values, *window, *accessory,
                    GameFonts()[kCaptionFont], GameFonts()[kGaugeFont]);
}

int cPlayScene::DrawTransition(int32_t frozen) {
    const cScrEffect& effect = ProjectDatabase().m_ScrEffects.At(m_ScrEffect.nEffect);
    cSurface& back = Display().Back;
    cSurface* work = TableSurface(kWorkSurface);
    if (!work) work = &Display().Work;
    DDBlt(*work, 0, 0, kScreenWidth, kScreenHeight, back, 0, 0, 0);
    DDFillRect(back, 0, 0, kScreenWidth, kScreenHeight, kMosaicBackground);
    DDBltMosaic(back, 0, 0, kScreenWidth, kScreenHeight, static_cast<int>(m_ScrEffect.dValue), *work, 0, 0, 0);
    if (frozen) return 0;
    return AdvanceEffect(m_ScrEffect, effect.m_Params[1], effect.m_Params[2]);
}

int AdvanceEffect(cEffectState& state, int32_t start, int32_t end) {
    bool passed;
    if (start <= end) {
        state.dValue += state.dStep;
        passed = static_cast<int32_t>(state.dValue) > end;
    } else {
        state.dValue -= state.dStep;
        passed = static_cast<int32_t>(state.dValue) < end;
    }
    if (!passed) return 0;
    if (!state.nRepeat) return 1;
    const int16_t index = state.nEffect;
    const int8_t repeat = state.nRepeat;
    state = ScrEffectProtoTable().At(index);
    state.nEffect = index;
    state.wWord = 0;
    state.nRepeat = repeat;
    return 0;
}
