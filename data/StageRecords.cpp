#include "data/StageRecords.h"

cBackLayer::cBackLayer() {
    RegisterFields(kDataVersion);
    Reset();
    m_ShowAtStart = 1;
    m_Color = 16;
    m_SpeedX = 0.1;
    m_SpeedY = 0.1;
}

void cBackLayer::RegisterFields(uint32_t version) {
    ClearFields();
    if (version >= 62) AddField32(&m_ShowAtStart);
    AddField32(&m_UseColor);
    AddField32(&m_Color);
    AddField32(&m_Front);
    if (version >= 61) {
        AddField64(&m_SpeedX);
        AddField64(&m_SpeedY);
        AddField32(&m_AutoScrollX);
        AddField32(&m_AutoScrollY);
    }
    if (version >= 62) {
        AddField64(&m_Extra1);
        AddField64(&m_Extra2);
    } else {
        AddField32(&m_Dropped[0]);
        AddField32(&m_Dropped[1]);
    }
    AddStringField(&m_Picture);
}

void cAutoVanish::RegisterFields(uint32_t version) {
    ClearFields();
    AddField32(&m_Left);
    if (version >= 125) {
        AddField32(&m_Right);
        AddField32(&m_Top);
        AddField32(&m_Bottom);
    }
    AddField32(&m_LeftMargin);
    AddField32(&m_RightMargin);
    AddField32(&m_TopMargin);
    AddField32(&m_BottomMargin);
}
