#include "game/play/CharaActor.h"

#include "game/play/PlayScene.h"

void cActor::AdjustForScale(int32_t newScale, int32_t oldScale) {
    m_Y -= (newScale - oldScale) * m_BaseHeight;
    OnMoveY();
}

void cCharaActor::Setup(int32_t number, const cEdChara& record, const cItemObj* heldItem, double x, double y,
                        int32_t copyIndex) {
    Reset(&record, static_cast<int32_t>(x), static_cast<int32_t>(y), 0, 0, copyIndex);
    const bool block = IsBlockChara();
    Init(number, 1, 0, 0, record.m_Graphic, block ? 0 : 8, block ? 0 : 2, block ? 32 : 16, block ? 32 : 30, 32, 32,
         record.m_FaceRight, record.m_Flight, copyIndex);
    m_X = x;
    m_Y = y;
    SetScale(Scale(), 1);
    FitEdgeSamples();
    m_HeldItem = heldItem ? *heldItem : cItemObj();
    m_ItemMark = 0;
    // In view (0), in view across only (1) or down only (2), anywhere (3).
    const uint8_t range = record.m_ActRange <= 3 ? record.m_ActRange : 0;
    m_IgnoreX = range == 2 || range == 3 ? 1 : 0;
    m_IgnoreY = range == 1 || range == 3 ? 1 : 0;
    m_Appeared = 0;
    m_CopyIndex = copyIndex;
    SetFlows(m_Chara.m_Flows, m_Facing, 0, -1);
}
