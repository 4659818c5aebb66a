// Items, shots and swords on the screen. The painter reads them and changes nothing: their
// screen boxes are worked out here from their stage boxes and the scroll.
#include "data/SwordRecords.h"
#include "game/media/Blit.h"
#include "game/media/BlitBatch.h"
#include "game/play/GraphicSource.h"
#include "game/play/ItemObj.h"
#include "game/play/PlayBitmaps.h"
#include "game/play/PlayPaint.h"
#include "game/play/PlayScene.h"
#include "game/play/PlaySurfaces.h"
#include "game/play/ShotObj.h"

namespace {

const int kShotCell = 16;

cPoint ScreenCorner(const cObj& object) {
    cPoint corner;
    corner.x = static_cast<int32_t>(object.m_X - object.m_DrawOffsetX - static_cast<int32_t>(PlayAxis(0).m_Pos));
    corner.y = static_cast<int32_t>(object.m_Y - object.m_DrawOffsetY - static_cast<int32_t>(PlayAxis(1).m_Pos));
    return corner;
}

}  // namespace

void cItemObj::DrawItem(cBlitBatch& batch, int) const {
    if (m_Item.m_Transparent) return;
    // Items face nowhere: they show their picture as the editor does, a character's frames of 20
    // and more from the mirrored sheet. The item and shot sheets' two frames take turns.
    const int kind = m_Item.m_GraphicSrc;
    cGraphicSource source;
    ResolveGraphic(source, kUsePreview, kind, m_Item.m_Graphic, m_Item.m_Frames, nullptr, 0);
    const int scale = Scale();
    int side = 32, inset = 0;
    if (kind == eGraphicItem) source.sx += m_Anime.Value() * 32;
    if (kind == eGraphicShot) {
        source.sx += m_Anime.Value() * kShotCell;
        side = kShotCell;
        inset = (32 - kShotCell) / 2 * scale;
    }
    const cPoint at = ScreenCorner(*this);
    // Marks stand 15 to a column.
    const int m = m_Item.m_Mark, markX = (m / 15) * 32, markY = (m % 15) * 32;
    const bool marked = m_Item.m_MarkMode == 1;
    if (scale > 1) {
        cSurface& surface = batch.Unlocked();
        if (source.second)
            DDStretchBlt(surface, at.x + inset, at.y + inset, side * scale, side * scale, *source.second, source.sx,
                         source.sy, side, side, 1);
        cSurface* marks = PlaySurface(kSurfaceMarksScaled);
        if (marked && marks)
            DDStretchBlt(surface, at.x, at.y, m_DrawWidth, m_DrawHeight, *marks, markX, markY, 32, 32, 1);
        return;
    }
    if (source.normal)
        batch.Blt(at.x + inset, at.y + inset, side, side, *source.normal, source.sx, source.sy, DDBLTFAST_SRCCOLORKEY);
    cSurface* marks = PlaySurface(kSurfaceMarks);
    if (marked && marks) batch.Blt(at.x, at.y, 32, 32, *marks, markX, markY, DDBLTFAST_SRCCOLORKEY);
}

void cShotObj::DrawShot(cBlitBatch& batch, int) const {
    if (m_Shot.m_Transparent) return;
    const bool scaled = m_Scale > 1;
    cSurface* sheet = nullptr;
    int sx = 0, sy = 0, w = kShotCell, h = kShotCell;
    if (IsSword()) {
        const cSwordType* type = SwordType();
        if (!type || m_SwordPos < 0 || m_SwordPos >= static_cast<int>(type->m_Positions.size())) return;
        const cSwordPos& pos = type->m_Positions[m_SwordPos];
        sheet = SwordBitmap(m_Shot.m_MoveType, m_Facing, scaled);
        sx = pos.m_SrcX;
        sy = pos.m_SrcY;
        w = m_BaseDrawWidth;
        h = m_BaseDrawHeight;
    } else {
        cGraphicSource source;
        ResolveGraphic(source, kUseObject, eGraphicShot, m_Shot.m_Graphic < 0 ? 0 : m_Shot.m_Graphic, 0, this, 0);
        sheet = scaled ? source.second : source.normal;
        sx = source.sx + m_Anime.Value() * kShotCell;
        sy = source.sy;
    }
    if (!sheet) return;
    const cPoint at = ScreenCorner(*this);
    if (scaled)
        DDStretchBlt(batch.Unlocked(), at.x, at.y, m_DrawWidth, m_DrawHeight, *sheet, sx, sy, w, h, 1);
    else
        batch.Blt(at.x, at.y, w, h, *sheet, sx, sy, DDBLTFAST_SRCCOLORKEY);
}

void cPlayScene::StepItemShotFrames(int32_t hold) {
    if (hold) return;
    for (cItemObj& item : m_Items)
        if (item.m_Present && item.m_OnScreen) item.m_Anime.Update();
    for (cShotObj& shot : m_Shots)
        if (shot.m_OnScreen) shot.m_Anime.Update();
}
