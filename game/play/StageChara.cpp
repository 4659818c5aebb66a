// A stage character's own moves in a step.
#include "game/play/CharaActor.h"

int cCharaActor::UpdateSpeedX() {
    if (m_ImpulseX != 0.0) {
        m_dSpeedX = m_ImpulseX;
    } else if (m_dAcSpeedX != 0.0) {
        ApplyFriction(m_dAcSpeedX, m_FrictionX);
        m_dSpeedX += m_dAcSpeedX;
    }
    const int result = MoveX(2);
    OnMoveX();
    return result == 3 ? 4 : result;
}

int cCharaActor::UpdateMoveY() {
    ApplyImpulseY();
    if (m_ImpulseY == 0.0 && m_NoGravity && m_dAcSpeedY != 0.0) {
        ApplyFriction(m_dAcSpeedY, m_FrictionY);
        m_dSpeedY += m_dAcSpeedY;
    }
    const int result = MoveY(2);
    OnMoveY();
    if (m_NoGravity) return result == 3 || result == 6 ? 8 : result;
    return result == 5 || result == 6 ? 7 : result;
}
