// Items and shots on the screen. The painter reads them and changes nothing: their screen boxes
// are worked out here from their stage boxes and the scroll.
#include "game/media/Blit.h"
#include "game/play/GraphicSource.h"
#include "game/play/ItemObj.h"
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

void cItemObj::DrawItem(cSurface& surface, int) const {
    if (m_Item.m_Transparent) return;
    cGraphicSource source;
    ResolveGraphic(source, kUseObject, m_Item.m_GraphicSrc, m_Item.m_Graphic, 0, this, 0);
    const cPoint at = ScreenCorner(*this);
    // Marks stand 15 to a column.
    const int m = m_Item.m_Mark, markX = (m / 15) * 32, markY = (m % 15) * 32;
    const bool marked = m_Item.m_MarkMode == 1;
    if (Scale() > 1) {
        if (source.second)
            DDStretchBlt(surface, at.x, at.y, m_DrawWidth, m_DrawHeight, *source.second, source.sx, source.sy,
                         m_BaseDrawWidth, m_BaseDrawHeight, 1);
        cSurface* marks = PlaySurface(kSurfaceMarksScaled);
        if (marked && marks)
            DDStretchBlt(surface, at.x, at.y, m_DrawWidth, m_DrawHeight, *marks, markX, markY, 32, 32, 1);
        return;
    }
    if (source.normal)
        DDBlt(surface, at.x, at.y, m_DrawWidth, m_DrawHeight, *source.normal, source.sx, source.sy,
              DDBLTFAST_SRCCOLORKEY);
    cSurface* marks = PlaySurface(kSurfaceMarks);
    if (marked && marks) DDBlt(surface, at.x, at.y, 32, 32, *marks, markX, markY, DDBLTFAST_SRCCOLORKEY);
}

void cShotObj::DrawShot(cSurface& surface, int) const {
    // Swords are drawn from their sword type's pictures, which play does not load yet.
    if (IsSword() || m_Shot.m_Transparent) return;
    const int g = m_Shot.m_Graphic < 0 ? 0 : m_Shot.m_Graphic;
    cSurface* sheet = PlaySurface(m_Facing == 1 ? kSurfaceShots : kSurfaceShots + 1);
    if (!sheet) return;
    // Two 16 x 16 frames to a graphic, 30 graphics to a column.
    const int sx = ((g / 30) * 2) * kShotCell, sy = (g % 30) * kShotCell;
    const cPoint at = ScreenCorner(*this);
    if (m_Scale > 1)
        DDStretchBlt(surface, at.x, at.y, m_DrawWidth, m_DrawHeight, *sheet, sx, sy, kShotCell, kShotCell, 1);
    else
        DDBlt(surface, at.x, at.y, kShotCell, kShotCell, *sheet, sx, sy, DDBLTFAST_SRCCOLORKEY);
}

void PaintItems(const cPlayScene& scene, cSurface& dest) {
    for (const cItemObj& item : scene.m_Items)
        if (item.m_Present && item.m_OnScreen) item.DrawItem(dest, 1);
}

void PaintShots(const cPlayScene& scene, cSurface& dest) {
    for (const cShotObj& shot : scene.m_Shots)
        if (shot.m_OnScreen) shot.DrawShot(dest, 1);
}
