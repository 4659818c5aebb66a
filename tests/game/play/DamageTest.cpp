#include <gtest/gtest.h>

#include <vector>

#include "data/ProjectDatabase.h"
#include "data/Stage.h"
#include "game/data/GameDatabase.h"
#include "game/data/StorySave.h"
#include "game/play/Damage.h"
#include "game/play/PlayScene.h"
#include "tests/game/play/CharaFixture.h"

class Damage : public CharaFixture {
protected:
    Damage()
        : m_SavedEffects(ProjectDatabase().m_Effects),
          m_SavedCharaEffects(ProjectDatabase().m_CharaEffects),
          m_SavedProtos(CharaEffectProtoTable()),
          m_SavedStory(StoryState()) {
        ProjectDatabase().m_Effects.assign(2, cEffect());
        ProjectDatabase().m_Effects[1].m_CellWidth = 8;
        ProjectDatabase().m_Effects[1].m_CellHeight = 8;
        ProjectDatabase().m_CharaEffects.assign(4, cCharaEffect());
        for (int k = 1; k < 4; ++k) {
            ProjectDatabase().m_CharaEffects[k].m_Type = 1;
            ProjectDatabase().m_CharaEffects[k].m_Params[0] = 5;
        }
        BuildCharaEffectProtos(CharaEffectProtoTable(), ProjectDatabase());
    }
    ~Damage() override {
        ProjectDatabase().m_Effects = m_SavedEffects;
        ProjectDatabase().m_CharaEffects = m_SavedCharaEffects;
        CharaEffectProtoTable() = m_SavedProtos;
        StoryState() = m_SavedStory;
    }
    void SetUp() override {
        CharaFixture::SetUp();
        cEdStage& stage = ProjectStage();
        stage.m_HeroGuard = 3;
        stage.m_HeroSameCharaGuard = 5;
        stage.m_EnemyGuard = 2;
        stage.m_EnemySameCharaGuard = 4;
    }
    // The triggers of the flows the fake runtime saw start, in order.
    std::vector<int> StartedTriggers() {
        std::vector<int> triggers;
        for (const auto& start : m_Runtime.m_Starts) triggers.push_back(start.flow->m_Trigger);
        return triggers;
    }

    cRecordVector<cEffect> m_SavedEffects;
    cRecordVector<cCharaEffect> m_SavedCharaEffects;
    cEffectStates m_SavedProtos;
    cStorySave m_SavedStory;
};

// A guard against one attacker protects only against it; the general time against all. Times
// are the stage's, times the sub-steps, by the character's side.
TEST_F(Damage, InvincibilityGeneralAndPerAttacker) {
    cPlayerActor& hero = m_Scene.m_Players[0];
    cCharaActor enemy = Chara({});
    EXPECT_EQ(6, GuardSteps(hero, false, 2));
    EXPECT_EQ(10, GuardSteps(hero, true, 2));
    EXPECT_EQ(4, GuardSteps(enemy, false, 2));
    EXPECT_EQ(8, GuardSteps(enemy, true, 2));
    AddAttackerInvincibility(hero, 7, 2);
    const struct {
        int ticks;
        int general, against7, against8;
    } cases[] = {{0, 1, 1, 1}, {5, 1, 1, 1}, {6, 0, 1, 0}, {9, 0, 1, 0}, {10, 0, 0, 0}, {20, 0, 0, 0}};
    int done = 0;
    for (const auto& c : cases) {
        for (; done < c.ticks; ++done) TickInvincibility(hero);
        EXPECT_EQ(c.general, IsInvincible(hero)) << c.ticks;
        EXPECT_EQ(c.against7, IsInvincibleAgainst(hero, 7)) << c.ticks;
        EXPECT_EQ(c.against8, IsInvincibleAgainst(hero, 8)) << c.ticks;
    }
    EXPECT_EQ(0, hero.m_GuardSteps);
    EXPECT_TRUE(hero.m_AttackerGuards.empty());
}

// A blow lowers life by its power, shows its hit effect, and starts the flows of a hit (power)
// and of an impact; power 0 with an impact starts only the impact's.
TEST_F(Damage, BlowsStartTheFlowsOfTheirPowerAndImpact) {
    const struct {
        int power, impact, effect;
        std::vector<int> triggers;
        int hp;
        size_t effects;
    } cases[] = {
        {5, 0, 1, {eTriggerDamaged}, 5, 1},
        {0, 3, 0, {eTriggerImpact}, 10, 0},
        {4, 2, 1, {eTriggerDamaged, eTriggerImpact}, 6, 1},
        {0, 0, 0, {}, 10, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.power << " " << c.impact);
        cCharaActor target = Chara({Flow(eTriggerDamaged), Flow(eTriggerImpact), Flow(eTriggerDefeated)});
        target.m_Hp = target.m_MaxHp = 10;
        m_Runtime.m_Starts.clear();
        m_Scene.m_EffectObjs.clear();
        cBlow blow;
        blow.power = c.power;
        blow.impact = c.impact;
        blow.effect = c.effect;
        blow.box = HitBox(target);
        int impacts = 0;
        EXPECT_EQ(0, m_Scene.TakeDamage(target, blow, [&]() { ++impacts; }));
        EXPECT_EQ(1, impacts);
        EXPECT_EQ(c.triggers, StartedTriggers());
        EXPECT_EQ(c.hp, target.m_Hp);
        EXPECT_EQ(c.effects, m_Scene.m_EffectObjs.size());
    }
    // A character's body: its power, and life run out answers 1.
    cCharaActor target = Chara({});
    target.m_Hp = target.m_MaxHp = 3;
    cCharaActor attacker = Chara({});
    attacker.m_Chara.m_BodyPower = 5;
    EXPECT_EQ(1, m_Scene.TakeDamageFromChara(target, attacker));
    EXPECT_EQ(0, target.m_Hp);
}

// The defeat adds the character's score, kept within 0 and 999999, and starts its defeat flows.
TEST_F(Damage, DefeatKeepsTheScoreInRange) {
    const struct {
        int32_t score, value, result;
    } cases[] = {{10, 5, 15}, {999990, 50, 999999}, {3, -10, 0}, {0, 2000000000, 999999}, {999999, 2000000000, 999999}};
    for (const auto& c : cases) {
        cCharaActor chara = Chara({Flow(eTriggerDefeated)});
        chara.m_Chara.m_Score = c.value;
        StoryState().m_Score = c.score;
        m_Runtime.m_Starts.clear();
        m_Scene.Defeat(chara);
        EXPECT_EQ(c.result, StoryState().m_Score) << c.score << " + " << c.value;
        EXPECT_EQ(std::vector<int>{eTriggerDefeated}, StartedTriggers());
    }
}

// With a stage clear pending the defeat ends the stage; otherwise the character falls, is
// nobody's target any more and runs its defeat effect. A shot heading for it flies on toward
// it: only a character that leaves play is taken from the shots.
TEST_F(Damage, DefeatWithAPendingClearGoesToTheResult) {
    m_Scene.m_Charas.push_back(Chara({}));
    m_Scene.m_Charas.push_back(Chara({}));
    cCharaActor& victim = m_Scene.m_Charas.front();
    victim.m_Chara.m_DeathEffect = 3;
    cCharaActor& hunter = m_Scene.m_Charas.back();
    m_Scene.m_Players[0].m_Flow.m_Target = &victim;
    hunter.m_Flow.m_Target = &victim;
    m_Scene.m_Shots.emplace_back();
    m_Scene.m_Shots.back().m_Target = &victim;

    m_Scene.m_ExecResult = ePlayCleared;
    m_Scene.Defeat(victim);
    EXPECT_EQ(ePlayResult, m_Scene.State());
    EXPECT_EQ(0, m_Scene.SubState());
    EXPECT_EQ(0, victim.m_Dead);
    EXPECT_EQ(&victim, hunter.m_Flow.m_Target);

    m_Scene.m_ExecResult = 0;
    m_Scene.Defeat(victim);
    EXPECT_EQ(1, victim.m_Dead);
    EXPECT_EQ(nullptr, hunter.m_Flow.m_Target);
    EXPECT_EQ(nullptr, m_Scene.m_Players[0].m_Flow.m_Target);
    EXPECT_EQ(&victim, m_Scene.m_Shots.back().m_Target);
    EXPECT_EQ(3, victim.m_CharaEffect.nEffect);
    EXPECT_EQ(0, victim.m_CharaEffect.nRepeat);
}
