// A character's life and SP with their gauges, its saved position, contacts and placing by the
// centre of its screen rectangle.
#include <algorithm>

#include "game/play/CharaActor.h"

namespace {

// Adds the amount (a gain only up to the maximum) and keeps the value within 0 to the maximum;
// answers what was added.
int32_t ChangeValue(int32_t& value, int32_t maximum, int32_t amount) {
    int64_t change = amount;
    if (change > 0) change = std::min<int64_t>(change, int64_t(maximum) - value);
    const int64_t result = std::max<int64_t>(0, std::min<int64_t>(int64_t(value) + change, std::max(maximum, 0)));
    value = static_cast<int32_t>(result);
    return static_cast<int32_t>(change);
}

void ShowGauge(cGauge& gauge, int32_t value, int32_t maximum, int32_t change) {
    gauge.m_Timer = 120;
    if (maximum <= 0) {
        gauge.m_Length = 0;
        gauge.m_Change = gauge.m_Step = 0.0;
        return;
    }
    gauge.m_Length = static_cast<int32_t>(int64_t(value) * 50 / maximum);
    gauge.m_Change = static_cast<double>(change) * 50 / maximum;
    gauge.m_Step = gauge.m_Change / 60;
}

}  // namespace

int cActor::ChangeLife(int32_t amount, int ignoreInvincible, int showGauge) {
    if (amount <= 0 && !ignoreInvincible && m_Chara.m_Invincible != 0) return 0;
    const int32_t change = ChangeValue(m_Hp, m_MaxHp, amount);
    if (m_Hp <= 0) {
        m_Hp = 0;
        return 1;
    }
    if (showGauge && change != 0) ShowGauge(m_HpGauge, m_Hp, m_MaxHp, change);
    return 0;
}

int cActor::ChangeSP(int32_t amount, int showGauge) {
    const int32_t change = ChangeValue(m_Sp, m_MaxSp, amount);
    if (showGauge && change != 0) ShowGauge(m_SpGauge, m_Sp, m_MaxSp, change);
    return m_MaxSp <= 0 ? 1 : 0;
}

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
