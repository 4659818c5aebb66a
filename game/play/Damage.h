#pragma once
// Characters hit in play: invincibility for a while after a hit (for every attacker, and longer
// for the same one), the blow with its hit effect, knock-back and flow triggers, and the defeat.
#include <cstdint>

#include "framework/Geometry.h"

class cActor;

// The stage's times, in 1/60 s, times the sub-steps a frame: the hero's (control value 1 clear)
// or the enemies'.
int32_t GuardSteps(const cActor& actor, bool perAttacker, int32_t subSteps);
void SetInvincible(cActor& actor, int32_t subSteps);
// SetInvincible, and a guard against that attacker alone.
void AddAttackerInvincibility(cActor& actor, int32_t attacker, int32_t subSteps);
// Once a sub-step: the general time runs down (never below 0); a guard with one step or less
// left goes.
void TickInvincibility(cActor& actor);
int IsInvincible(const cActor& actor);
int IsInvincibleAgainst(const cActor& actor, int32_t attacker);

// What a hit brings: the attacker's power ("威力"), impact ("衝撃"), hit effect (Effect table),
// scale and hit box.
struct cBlow {
    int32_t power = 0;
    int32_t impact = 0;
    int32_t effect = 0;
    int32_t scale = 1;
    cRect box;
};
// A character's own blow: its body's power, impact and effect.
cBlow BodyBlow(const cActor& attacker);
// The hit box in stage dots, edges included.
cRect HitBox(const cActor& actor);

// Trigger numbers of the flows a hit and a defeat start.
enum eDamageTrigger { eTriggerDamaged = 1, eTriggerImpact = 2, eTriggerDefeated = 3 };
// The stage score's bounds.
const int32_t kMaxScore = 999999;
