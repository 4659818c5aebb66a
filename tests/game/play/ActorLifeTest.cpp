#include <gtest/gtest.h>

#include "data/Stage.h"
#include "game/play/CharaActor.h"
#include "tests/support/RestoreOnExit.h"

namespace {

cCharaActor Living(int32_t hp, int32_t maxHp, int32_t invincible) {
    cCharaActor actor;
    actor.m_Hp = hp;
    actor.m_MaxHp = maxHp;
    actor.m_Sp = hp;
    actor.m_MaxSp = maxHp;
    actor.m_Chara.m_Invincible = static_cast<uint8_t>(invincible);
    return actor;
}

}  // namespace

TEST(ActorLife, ChangesAreCutToTheMaximumAndShownOnTheGauge) {
    struct cCase {
        const char* name;
        int32_t hp, maxHp, invincible, amount, ignore;
        int32_t newHp, died, gaugeTimer;
        double gaugeChange;
    } cases[] = {
        {"gain cut to the maximum", 90, 100, 0, 30, 0, 100, 0, 120, 5.0},
        {"loss", 90, 100, 0, -40, 0, 50, 0, 120, -20.0},
        {"loss past 0", 10, 100, 0, -40, 0, 0, 1, 0, 0.0},
        {"invincible keeps its life", 90, 100, 1, -5, 0, 90, 0, 0, 0.0},
        {"invincible, shots passing", 90, 100, 2, -5, 0, 90, 0, 0, 0.0},
        {"invincibility ignored", 90, 100, 1, -5, 1, 85, 0, 120, -2.5},
        {"invincible healed", 90, 100, 1, 5, 0, 95, 0, 120, 2.5},
        {"no change no gauge", 90, 100, 0, 0, 0, 90, 0, 0, 0.0},
        {"already defeated", 0, 100, 0, 0, 0, 0, 1, 0, 0.0},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cCharaActor actor = Living(c.hp, c.maxHp, c.invincible);
        EXPECT_EQ(actor.ChangeLife(c.amount, c.ignore, 1), c.died);
        EXPECT_EQ(actor.m_Hp, c.newHp);
        EXPECT_EQ(actor.m_HpGauge.m_Timer, c.gaugeTimer);
        EXPECT_DOUBLE_EQ(actor.m_HpGauge.m_Change, c.gaugeChange);
        EXPECT_DOUBLE_EQ(actor.m_HpGauge.m_Step, c.gaugeChange / 60);
    }
    cCharaActor quiet = Living(50, 100, 0);
    quiet.ChangeLife(-10, 0, 0);
    EXPECT_EQ(quiet.m_Hp, 40);
    EXPECT_EQ(quiet.m_HpGauge.m_Timer, 0);
}

TEST(ActorLife, SpIgnoresInvincibilityAndReportsNoMaximum) {
    cCharaActor actor = Living(30, 40, 1);
    EXPECT_EQ(actor.ChangeSP(-50, 1), 0);
    EXPECT_EQ(actor.m_Sp, 0);
    EXPECT_EQ(actor.m_SpGauge.m_Length, 0);
    EXPECT_EQ(actor.ChangeSP(100, 0), 0);
    EXPECT_EQ(actor.m_Sp, 40);
    cCharaActor none = Living(0, 0, 0);
    EXPECT_EQ(none.ChangeSP(5, 1), 1);
    EXPECT_EQ(none.m_Sp, 0);
}

TEST(ActorLife, FrictionFollowsTheStopValueAndTheSpeedLevel) {
    cRestoreOnExit<cEdStage> saved(ProjectStage());
    cCharaActor actor;
    actor.m_Chara.m_StopEase = 150;
    for (int level : {1, 3}) {
        ProjectStage().SetSpeedLevel(level);
        actor.ResetFriction();
        EXPECT_DOUBLE_EQ(actor.m_Friction, 1.5 / (level * level));
    }
}
