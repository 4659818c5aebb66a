#include "game/play/ItemObj.h"

#include "data/Stage.h"
#include "game/play/GraphicSource.h"
#include "game/play/PlayScene.h"

cItemObj::cItemObj() {
    m_Item.m_GraphicSrc = 2;
    m_Item.m_Graphic = 0;
    m_Item.m_Scale = 1;
}

void cItemObj::SetItem(int32_t number, const cEdItem& item, int32_t placement) {
    m_Item = item;
    if (m_Item.m_Scale < 1) m_Item.m_Scale = 1;
    const cHitArea& box = ProjectStage().m_HitAreas[eHitItemChara];
    const int32_t w = box.width < 1 ? 1 : box.width;
    const int32_t h = box.height < 1 ? 1 : box.height;
    Init(number, 0, 0, 0, m_Item.m_Graphic, 16 - (w >> 1), 16 - (h >> 1), w, h, 32, 32, 0, 0, 0, SheetFrameAnime());
    m_Placement = placement;
    m_Held = 1;
    if (placement == 0)
        SetScale(Scale(), 1);
    else
        m_Present = 1;
}

void cItemObj::PlaceAtCell(int32_t column, int32_t row) {
    const cPoint origin = OriginCells();
    m_X = (column + origin.x) * 32 + m_DrawOffsetX + 0.5;
    m_Y = (row + origin.y) * 32 + m_DrawOffsetY;
    if (m_Placement == 0) KeepCentreX(Scale(), 1);
    ClampX(2);
    ClampY(2);
}

void cItemObj::AdjustForScale(int32_t newScale, int32_t oldScale) {
    m_Y -= (newScale - oldScale) * (m_BaseHeight + m_BaseDrawOffsetY);
    ClampY(2);
}
