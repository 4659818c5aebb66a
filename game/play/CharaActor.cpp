#include "game/play/CharaActor.h"

#include "game/play/PlayScene.h"

void cActor::AdjustForScale(int32_t newScale, int32_t oldScale) {
    m_Y -= (newScale - oldScale) * m_BaseHeight;
    OnMoveY();
}

void cCharaActor::Setup(int32_t number, const cEdChara& record, const cItemObj* heldItem, double x, double y,
                        int32_t copyIndex) {
    m_Chara = record;
    const bool block = IsBlockChara();
    Init(number, 1, 0, 0, record.m_Graphic, block ? 0 : 8, block ? 0 : 2, block ? 32 : 16, block ? 32 : 30, 32, 32,
         record.m_FaceRight, record.m_Flight, 0);
    m_X = x;
    m_Y = y;
    SetScale(Scale(), 1);
    m_HeldItem = heldItem ? *heldItem : cItemObj();
    m_Hp = m_MaxHp = record.m_Hp;
    m_Sp = m_MaxSp = record.m_Sp;
    m_ItemMark = 0;
    m_IgnoreX = m_IgnoreY = 0;
    m_Appeared = 0;
    m_CopyIndex = copyIndex;
}

void cCharaActor::PlaceAtCell(int32_t column, int32_t row) {
    const cPoint origin = OriginCells();
    m_X = (column + origin.x) * 32 + m_BaseDrawOffsetX + 0.5;
    m_Y = (row + origin.y) * 32 + m_BaseDrawOffsetY;
    m_Facing = m_Chara.m_FaceRight;
    KeepCentreX(Scale(), 1);
    OnMoveX();
    OnMoveY();
}
