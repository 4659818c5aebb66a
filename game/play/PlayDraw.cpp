// The play scene's block layers, its blocks' pictures and its status bar.
#include "data/ProjectData.h"
#include "data/ProjectDatabase.h"
#include "game/core/GameGlobals.h"
#include "game/data/StorySave.h"
#include "game/data/GameDatabase.h"
#include "game/media/Blit.h"
#include "game/media/BlitBatch.h"
#include "game/media/Display.h"
#include "game/play/PlayScene.h"
#include "game/play/PlaySurfaces.h"
#include "game/play/StatusBar.h"

namespace {

const int kWindowPicture = 45;
const int kCaptionFont = 1;
const int kGaugeFont = 0;

}  // namespace

// The sheets hold their graphics 15 to a column, as the editor draws them.
void DrawBlock(cBlitBatch& batch, const cEdBlock& block, int x, int y) {
    const int n = block.m_Graphic;
    cSurface* sheet = nullptr;
    int sx = (n / 15) * 32, sy = (n % 15) * 32, side = 32;
    switch (block.m_GraphicSrc) {
        case 0:
            sheet = PlaySurface(kSurfaceBlocks);
            break;
        case 1:
            sheet = n / 15 < 8 ? PlaySurface(kSurfaceCharaSheets + 2 * (n / 15)) : nullptr;
            sx = 0;
            break;
        case 2:
            sheet = PlaySurface(kSurfaceItems);
            sx = (n / 15) * 64;
            break;
        case 3:
            sheet = PlaySurface(kSurfaceShots);
            sx = (n / 30) * 32;
            sy = (n % 30) * 16;
            side = 16;
            break;
        default:
            break;
    }
    const int inset = (32 - side) / 2;
    if (sheet) batch.Blt(x + inset, y + inset, side, side, *sheet, sx, sy, DDBLTFAST_SRCCOLORKEY);
    cSurface* marks = PlaySurface(kSurfaceMarks);
    if (block.m_MarkMode == 1 && marks)
        batch.Blt(x, y, 32, 32, *marks, (block.m_Mark / 15) * 32, (block.m_Mark % 15) * 32, DDBLTFAST_SRCCOLORKEY);
}

void cPlayScene::DrawBlockLayer(cSurface& surface, uint8_t layer) {
    cBlitBatch batch(surface);
    DrawBlockLayer(batch, layer);
}

void cPlayScene::DrawBlockLayer(cBlitBatch& batch, uint8_t layer) {
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
            DrawBlock(batch, block, 32 * (c - c0) - ox, 32 * (r - r0) - oy);
        }
    }
}

void cPlayScene::DrawStatusBar(cSurface& surface) {
    cSurface* window = PlaySurface(kWindowPicture);
    cSurface* accessory = PlaySurface(kSurfaceSystem);
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
