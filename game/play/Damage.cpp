#include "game/play/Damage.h"

#include <algorithm>

#include "data/ProjectData.h"
#include "data/Stage.h"
#include "game/data/StorySave.h"
#include "game/play/CharaDraw.h"
#include "game/play/PlayScene.h"

int32_t GuardSteps(const cActor& actor, bool perAttacker, int32_t subSteps) {
    const cEdStage& stage = ProjectStage();
    const bool hero = actor.IsPlayer();
    const int32_t time = hero ? (perAttacker ? stage.m_HeroSameCharaGuard : stage.m_HeroGuard)
                              : (perAttacker ? stage.m_EnemySameCharaGuard : stage.m_EnemyGuard);
    return time * subSteps;
}

void SetInvincible(cActor& actor, int32_t subSteps) { actor.m_GuardSteps = GuardSteps(actor, false, subSteps); }

void AddAttackerInvincibility(cActor& actor, int32_t attacker, int32_t subSteps) {
    SetInvincible(actor, subSteps);
    cAttackerGuard guard;
    guard.m_Attacker = attacker;
    guard.m_Steps = GuardSteps(actor, true, subSteps);
    actor.m_AttackerGuards.push_back(guard);
}

void TickInvincibility(cActor& actor) {
    if (actor.m_GuardSteps > 0) --actor.m_GuardSteps;
    auto& guards = actor.m_AttackerGuards;
    guards.erase(std::remove_if(guards.begin(), guards.end(), [](cAttackerGuard& guard) { return guard.m_Steps-- <= 1; }),
                 guards.end());
}

int IsInvincible(const cActor& actor) { return actor.m_GuardSteps > 0 ? 1 : 0; }

int IsInvincibleAgainst(const cActor& actor, int32_t attacker) {
    if (IsInvincible(actor)) return 1;
    for (const cAttackerGuard& guard : actor.m_AttackerGuards)
        if (guard.m_Attacker == attacker) return 1;
    return 0;
}

cRect HitBox(const cActor& actor) {
    return cRect(static_cast<int32_t>(actor.m_X), static_cast<int32_t>(actor.m_Y), static_cast<int32_t>(actor.m_Right),
                 static_cast<int32_t>(actor.m_Bottom));
}

cBlow BodyBlow(const cActor& attacker) {
    cBlow blow;
    blow.power = attacker.m_Chara.m_BodyPower;
    blow.impact = attacker.m_Chara.m_BodyImpact;
    blow.effect = attacker.m_Chara.m_BodyEffect;
    blow.scale = attacker.Scale();
    blow.box = HitBox(attacker);
    return blow;
}

int cPlayScene::TakeDamage(cActor& target, const cBlow& blow, const std::function<void()>& impact) {
    const int result = target.ChangeLife(-blow.power, 0, 1);
    if (blow.effect != 0) {
        cEffectObj effect;
        effect.CreateAtHit(blow.effect, HitBox(target), blow.box, blow.scale, m_Random);
        m_EffectObjs.push_back(effect);
    }
    if (impact) impact();
    if (blow.power != 0) target.StartFlowsByTrigger(eTriggerDamaged);
    if (blow.impact != 0) target.StartFlowsByTrigger(eTriggerImpact);
    return result;
}

int cPlayScene::TakeDamageFromChara(cActor& target, const cActor& attacker) {
    return TakeDamage(target, BodyBlow(attacker), [&]() { target.ImpulseFromBody(attacker); });
}

void cPlayScene::Defeat(cActor& actor) {
    cStorySave& story = StoryState();
    const int64_t score = static_cast<int64_t>(story.m_Score) + actor.m_Chara.m_Score;
    story.m_Score = static_cast<int32_t>(std::max<int64_t>(0, std::min<int64_t>(kMaxScore, score)));
    actor.StartFlowsByTrigger(eTriggerDefeated);
    if (m_ExecResult == ePlayCleared) {
        StageClear();
        m_nSubState = 0;
        return;
    }
    DropAsTarget(&actor);
    actor.m_Dead = 1;
    actor.m_DeathFrames = 0;
    StartCharaEffect(actor, actor.m_Chara.m_DeathEffect, 0);
}

void cPlayScene::TickGuards() {
    for (cPlayerActor& player : m_Players) TickInvincibility(player);
    for (cCharaActor& chara : m_Charas) TickInvincibility(chara);
}
