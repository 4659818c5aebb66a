// A character's life, SP and friction as flows and damage change them.
#include "game/play/CharaActor.h"
#include "game/play/Movement.h"

namespace {

const int32_t kGaugeFrames = 120;
const int32_t kGaugeLength = 50;  // dots of a full gauge
const double kGaugeStepFrames = 60.0;

// Adds the amount to value, a gain cut to what the maximum leaves, and keeps value within 0 and
// the maximum. Answers the amount after the cut.
int32_t AddKept(int32_t& value, int32_t maximum, int32_t amount) {
    if (amount > 0 && amount > maximum - value) amount = maximum - value;
    int64_t changed = static_cast<int64_t>(value) + amount;
    if (changed > maximum) changed = maximum;
    if (changed < 0) changed = 0;
    value = static_cast<int32_t>(changed);
    return amount;
}

void ShowGauge(cGauge& gauge, int32_t value, int32_t maximum, int32_t amount) {
    if (amount == 0 || maximum <= 0) return;
    gauge.m_Timer = kGaugeFrames;
    gauge.m_Length = static_cast<int32_t>(static_cast<int64_t>(value) * kGaugeLength / maximum);
    gauge.m_Change = static_cast<double>(amount) * kGaugeLength / maximum;
    gauge.m_Step = gauge.m_Change / kGaugeStepFrames;
}

}  // namespace

int cActor::ChangeLife(int32_t amount, int32_t ignoreInvincible, int32_t showGauge) {
    if (amount <= 0 && !ignoreInvincible && m_Chara.m_Invincible != 0) return 0;
    amount = AddKept(m_Hp, m_MaxHp, amount);
    if (m_Hp <= 0) return 1;
    if (showGauge) ShowGauge(m_HpGauge, m_Hp, m_MaxHp, amount);
    return 0;
}

int cActor::ChangeSP(int32_t amount, int32_t showGauge) {
    amount = AddKept(m_Sp, m_MaxSp, amount);
    if (showGauge) ShowGauge(m_SpGauge, m_Sp, m_MaxSp, amount);
    return m_MaxSp <= 0 ? 1 : 0;
}

void cActor::ResetFriction() {
    m_Friction = SpeedToDot(m_Chara.m_StopEase);
}
