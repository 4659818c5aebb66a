#include "game/play/PlayerActor.h"

void cPlayerActor::Setup(int32_t number, const cEdChara& record, double x, double y) {
    m_Chara = record;
    Init(number, 0, 0, 0, record.m_Graphic, 8, 2, 16, 30, 32, 32, record.m_FaceRight, record.m_Flight, 0);
    m_X = x;
    m_Y = y;
    OnMoveX();
    OnMoveY();
    m_Hp = m_MaxHp = record.m_Hp;
    m_Sp = m_MaxSp = record.m_Sp;
    m_Present = 1;
    m_OnScreen = 1;
}
