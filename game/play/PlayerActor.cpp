#include "game/play/PlayerActor.h"

void cPlayerActor::Setup(int32_t number, const cEdChara& record, double x, double y) {
    Reset(&record, static_cast<int32_t>(x), static_cast<int32_t>(y), 0, 0, 0);
    Init(number, 0, 0, 0, record.m_Graphic, 8, 2, 16, 30, 32, 32, record.m_FaceRight, record.m_Flight, 0);
    m_X = x;
    m_Y = y;
    OnMoveX();
    OnMoveY();
    m_Present = 1;
    m_OnScreen = 1;
    SetFlows(m_Chara.m_Flows, m_Facing, 0, -1);
}
