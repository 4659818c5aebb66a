// A character's saved position, contacts and placing by the centre of its screen rectangle.
#include <algorithm>

#include "game/play/CharaActor.h"

void cActor::SavePosition() {
    m_Saved[0] = m_X;
    m_Saved[1] = m_Y;
    m_Saved[2] = m_Right;
    m_Saved[3] = m_Bottom;
}

void cActor::RestorePosition() {
    m_X = m_Saved[0];
    m_Y = m_Saved[1];
    m_Right = m_Saved[2];
    m_Bottom = m_Saved[3];
}

void cActor::ClearContacts() { std::fill(std::begin(m_Contact), std::end(m_Contact), 0); }

void cActor::SetCentre(int32_t x, int32_t y) {
    SetCentreX(x);
    SetCentreY(y);
}

void cActor::SetCentreReset(int32_t x, int32_t y, cFlowCmdEntry& entry) {
    SetCentre(x, y);
    entry.m_SpeedX = entry.m_SpeedY = 0.0;
}

void cActor::SetCentreX(int32_t x) {
    m_X += x - (m_ScreenRect.left + (m_DrawWidth >> 1));
    OnMoveX();
}

void cActor::SetCentreXReset(int32_t x, cFlowCmdEntry& entry) {
    SetCentreX(x);
    entry.m_SpeedX = entry.m_SpeedY = 0.0;
}

void cActor::SetCentreY(int32_t y) {
    m_Y += y - (m_ScreenRect.top + (m_DrawHeight >> 1));
    OnMoveY();
}

void cActor::SetCentreYReset(int32_t y, cFlowCmdEntry& entry) {
    SetCentreY(y);
    entry.m_SpeedX = entry.m_SpeedY = 0.0;
}
