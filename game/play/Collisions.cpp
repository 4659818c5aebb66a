// The collision pass of a sub-step: shots against characters, characters against characters and
// shots against shots, with what a hit does and how a defeat hands its result back. No list is
// changed while it is walked: shots that go are marked and swept after their pass, and groups are
// walked by index so that characters a flow adds on the way do not disturb the walk.
#include "game/play/Collisions.h"

#include <algorithm>

#include "data/Stage.h"
#include "game/play/IndexCheck.h"
#include "game/play/PlayScene.h"

namespace {

// A box of the stage's size for that kind, centred on the object's drawing box, times its scale.
cHitBox CentredBox(const cObj& object, const cHitArea& area, int32_t scale) {
    cHitBox box;
    const int32_t w = std::max(area.width, 1), h = std::max(area.height, 1);
    box.left = object.m_X - object.m_DrawOffsetX + (16 - (w >> 1)) * scale;
    box.top = object.m_Y - object.m_DrawOffsetY + (16 - (h >> 1)) * scale;
    box.right = box.left + w * scale - 1;
    box.bottom = box.top + h * scale - 1;
    return box;
}

cHitBox OwnBox(const cObj& object) {
    cHitBox box;
    box.left = object.m_X;
    box.top = object.m_Y;
    box.right = object.m_Right;
    box.bottom = object.m_Bottom;
    return box;
}

bool IsBlock(const cActor& actor) { return actor.m_Chara.m_BlockHit != 0; }

cRect ToRect(const cHitBox& box) {
    return cRect(static_cast<int32_t>(box.left), static_cast<int32_t>(box.top), static_cast<int32_t>(box.right),
                 static_cast<int32_t>(box.bottom));
}

// The character takes part: present, alive and, with the stage's on-screen rule, in the view.
bool TakesPart(const cActor& actor, bool onScreenOnly) {
    return actor.m_Present && !actor.m_Dead && (!onScreenOnly || actor.m_OnScreen);
}

// A body hurts what it touches when it has a power or an impact.
bool HasContactAttack(const cActor& actor) { return actor.m_Chara.m_BodyPower != 0 || actor.m_Chara.m_BodyImpact != 0; }

// Guarded: the record's invincibility, or a guard from an earlier hit by that attacker.
bool Guarded(const cActor& actor, int32_t attacker) {
    return actor.m_Chara.m_Invincible != 0 || IsInvincibleAgainst(actor, attacker);
}

// A character that shots may hit: it takes part and shots do not pass through it.
bool ShotTarget(const cActor& actor, bool onScreenOnly) {
    return TakesPart(actor, onScreenOnly) && actor.m_Chara.m_Invincible != 2;
}

// With the index check on: none of the characters that the shots' index passed over may be one
// that the shot meets.
void CheckPassedOver(const cActorGroup& group, size_t from, size_t to, const cShotObj& shot, bool onScreenOnly) {
    for (size_t t = from; t < to && t < group.size(); ++t)
        if (ShotTarget(*group[t], onScreenOnly) && ShotHitBox(*group[t]).Overlaps(ShotBox(shot)))
            return ReportIndexFault("the shots' index passed over a character that the shot meets");
}

typedef std::vector<std::vector<cShotObj*>> cShotGroups;

// The shots that take part, by group, in the scene's order.
cShotGroups GroupShots(cShotList& shots, bool onScreenOnly) {
    cShotGroups groups(cActor::kGroups);
    for (cShotObj& shot : shots)
        if (!shot.m_Removed && (!onScreenOnly || shot.m_OnScreen)) groups[shot.Group()].push_back(&shot);
    return groups;
}

}  // namespace

cHitBox CharaHitBox(const cActor& actor) {
    if (IsBlock(actor)) return cHitBox();
    const cEdStage& stage = ProjectStage();
    return CentredBox(actor, stage.m_HitAreas[actor.IsPlayer() ? eHitHeroEnemy : eHitEnemyChara], actor.Scale());
}

cHitBox ShotHitBox(const cActor& actor) {
    if (IsBlock(actor)) return OwnBox(actor);
    const cEdStage& stage = ProjectStage();
    return CentredBox(actor, stage.m_HitAreas[actor.IsPlayer() ? eHitHeroShot : eHitEnemyShot], actor.Scale());
}

cHitBox PickUpBox(const cActor& actor) {
    return CentredBox(actor, ProjectStage().m_HitAreas[eHitHeroItem], actor.Scale());
}

cHitBox ShotBox(const cShotObj& shot) { return OwnBox(shot); }

cHitBox ClashBox(const cShotObj& shot) {
    const cHitArea& area = ProjectStage().m_HitAreas[shot.IsPlayer() ? eHitHeroShotShot : eHitEnemyShotShot];
    const cHitBox own = OwnBox(shot);
    const int32_t w = std::max(area.width, 1) * shot.m_Scale, h = std::max(area.height, 1) * shot.m_Scale;
    cHitBox box;
    box.left = static_cast<int32_t>((own.left + own.right) / 2) - (w >> 1);
    box.top = static_cast<int32_t>((own.top + own.bottom) / 2) - (h >> 1);
    box.right = box.left + w - 1;
    box.bottom = box.top + h - 1;
    return box;
}

cHitBox ItemBox(const cItemObj& item) { return OwnBox(item); }

int cPlayScene::HitStep(int32_t n) {
    int result = m_Players.empty() ? ePlayGoOn : BlockItem(m_Players[0]);
    if (result == ePlayGoOn) result = Collide(n);
    if (result == ePlayGoOn && !m_Players.empty()) result = PickUpItems(m_Players[0]);
    if (result == ePlayDies) KillPlayer(nullptr);
    return result;
}

int cPlayScene::Collide(int32_t n) {
    const size_t step = static_cast<size_t>(n > 0 ? n - 1 : 0);
    int result = ePlayGoOn;
    if (step >= m_HitChecks.size() || m_HitChecks[step] != 0) result = HitCharasWithShots();
    if (result == ePlayGoOn) result = HitCharasWithCharas();
    if (result == ePlayGoOn) ClashShots();
    return result;
}

int cPlayScene::HitCharasWithShots() {
    const bool onScreenOnly = ProjectStage().m_NoDamageOffScreen != 0;
    cShotGroups shots = GroupShots(m_Shots, onScreenOnly);
    m_ShotTargets.resize(cActor::kGroups);
    for (cStripIndex& targets : m_ShotTargets) targets.MarkStale();
    int result = ePlayGoOn;
    for (int s = 0; s < cActor::kGroups && result == ePlayGoOn; ++s) {
        for (int c = 0; c < cActor::kGroups && result == ePlayGoOn; ++c) {
            if (c == s || shots[s].empty()) continue;
            for (cShotObj* shot : shots[s]) {
                result = HitCharasWithShot(*shot, m_CharaGroups[c], onScreenOnly, &m_ShotTargets[c]);
                if (result != ePlayGoOn) break;
            }
        }
    }
    m_Shots.remove_if([](const cShotObj& shot) { return shot.m_Removed != 0; });
    return result;
}

int cPlayScene::HitCharasWithShot(cShotObj& shot, const cActorGroup& group, bool onScreenOnly, cStripIndex* targets) {
    const cEdShot& record = shot.m_Shot;
    const bool harmless = record.m_Power == 0 && record.m_Impact == 0 && record.m_Effect == 0;
    for (size_t k = 0; k < group.size() && !shot.m_Removed; ++k) {
        if (targets) {
            if (!targets->Built()) {
                targets->Clear(group.size());
                for (size_t t = 0; t < group.size(); ++t)
                    if (ShotTarget(*group[t], onScreenOnly)) targets->Add(t, ShotHitBox(*group[t]));
            }
            const size_t from = k;
            k = targets->Next(ShotBox(shot), k);
            if (PlayIndexCheckOn()) CheckPassedOver(group, from, k, shot, onScreenOnly);
            if (k >= group.size()) break;
        }
        cActor& chara = *group[k];
        // An item's commands may take the character out of play: its number outlives it.
        const int32_t number = chara.m_Number;
        if (!ShotTarget(chara, onScreenOnly)) continue;
        if (!ShotHitBox(chara).Overlaps(ShotBox(shot)) || shot.HasHit(number)) continue;
        // What a touch starts and what a blow does may move anything or change the groups: the
        // pass's indexes are built again after a flow started or a blow.
        const uint32_t mayMove = MayMoveCount();
        chara.StartFlowsByTrigger(eTriggerTouchShot);
        const bool strikes = !harmless && !Guarded(chara, shot.m_Owner);
        if (targets && (strikes || MayMoveCount() != mayMove))
            for (cStripIndex& stale : m_ShotTargets) stale.MarkStale();
        if (!strikes) continue;
        cBlow blow;
        blow.power = record.m_Power;
        blow.impact = record.m_Impact;
        blow.effect = record.m_Effect;
        blow.scale = shot.m_Scale;
        blow.box = ToRect(ShotBox(shot));
        const int died = TakeDamage(chara, blow, [&]() { chara.ImpulseFromShot(record.m_Impact, shot, !shot.IsSword()); });
        if (died) {
            if (!chara.IsPlayer()) Host().PlaySystemSound(eSoundCharaDies);
            const int result = HandleDefeat(chara);
            if (result != ePlayGoOn) return result;
        } else {
            Host().PlaySystemSound(eSoundHit);
            AddAttackerInvincibility(chara, shot.m_Owner, SubSteps());
        }
        // A shot goes on its first hit unless it pierces; a sword and a piercing shot hit each
        // character once.
        if (!shot.IsSword() && !record.m_PierceChara) shot.m_Removed = 1;
        else shot.m_HitList.push_back(number);
        const cEdItem* item = cEdItem::GetBaseItem(record.m_ItemPalette, record.m_ItemIndex);
        if (item && item->m_Graphic != 0 && !m_Players.empty()) {
            cItemObj given;
            given.SetItem(-1, *item, 1);
            given.m_Used = 1;
            const int result = AcquireItem(&given, m_Players[0]);
            if (result != ePlayGoOn) return result;
        }
    }
    return ePlayGoOn;
}

int cPlayScene::HitCharasWithCharas() {
    const bool onScreenOnly = ProjectStage().m_NoDamageOffScreen != 0;
    for (size_t i = 0; i < m_CharaGroups.size(); ++i) {
        for (size_t j = i + 1; j < m_CharaGroups.size(); ++j) {
            for (size_t a = 0; a < m_CharaGroups[i].size(); ++a) {
                for (size_t b = 0; b < m_CharaGroups[j].size(); ++b) {
                    const int result = Touch(*m_CharaGroups[i][a], *m_CharaGroups[j][b], onScreenOnly);
                    if (result != ePlayGoOn) return result;
                }
            }
        }
    }
    return ePlayGoOn;
}

int cPlayScene::Touch(cActor& n, cActor& p, bool onScreenOnly) {
    if (!TakesPart(n, onScreenOnly) || !TakesPart(p, onScreenOnly) || IsBlock(n) || IsBlock(p)) return ePlayGoOn;
    if (!CharaHitBox(n).Overlaps(CharaHitBox(p))) return ePlayGoOn;
    n.StartFlowsByTrigger(eTriggerTouchChara);
    p.StartFlowsByTrigger(eTriggerTouchChara);
    struct cSide {
        cActor& who;
        cActor& other;
        bool hit;
        int died;
    } sides[2] = {{n, p, false, 0}, {p, n, false, 0}};
    for (cSide& side : sides) {
        if (!HasContactAttack(side.other) || Guarded(side.who, side.other.m_Number)) continue;
        side.hit = true;
        side.died = TakeDamageFromChara(side.who, side.other);
    }
    if (sides[0].hit || sides[1].hit) Host().PlaySystemSound(eSoundHit);
    for (cSide& side : sides) {
        if (!side.hit) continue;
        if (side.died) {
            if (!side.who.IsPlayer()) Host().PlaySystemSound(eSoundCharaDies);
            side.who.StartFlowsByTrigger(eTriggerDefeated);
            const int result = HandleDefeat(side.who);
            if (result != ePlayGoOn) return result;
        } else {
            AddAttackerInvincibility(side.who, side.other.m_Number, SubSteps());
        }
    }
    return ePlayGoOn;
}

void cPlayScene::ClashShots() {
    cShotGroups shots = GroupShots(m_Shots, false);
    // Two groups without a shot that vanishes on shots have no pair to test.
    std::vector<char> clashing(shots.size(), 0);
    for (size_t j = 0; j < shots.size(); ++j)
        for (const cShotObj* s : shots[j]) clashing[j] |= s->m_Shot.m_VanishOnShot != 0;
    for (size_t j = 0; j < shots.size(); ++j) {
        for (size_t k = j + 1; k < shots.size(); ++k) {
            if (!clashing[j] && !clashing[k]) continue;
            for (cShotObj* s : shots[j]) {
                for (cShotObj* u : shots[k]) {
                    if (s->m_Removed) break;
                    if (u->m_Removed) continue;
                    const int clashS = s->m_Shot.m_VanishOnShot != 0, clashU = u->m_Shot.m_VanishOnShot != 0;
                    if ((!clashS && !clashU) || !ClashBox(*s).Overlaps(ClashBox(*u))) continue;
                    if (clashS && clashU) {
                        const int strengthS = s->m_Shot.m_VanishValue, strengthU = u->m_Shot.m_VanishValue;
                        s->m_Removed = strengthS <= strengthU;
                        u->m_Removed = strengthU <= strengthS;
                    } else {
                        s->m_Removed = clashS;
                        u->m_Removed = clashU;
                    }
                }
            }
        }
    }
    m_Shots.remove_if([](const cShotObj& shot) { return shot.m_Removed != 0; });
}

int cPlayScene::HandleDefeat(cActor& actor) {
    if (actor.IsPlayer()) return ePlayDies;
    if (actor.m_Dead) return ePlayGoOn;
    int result = ePlayGoOn;
    cItemObj* item = actor.GetHeldItem();
    if (item && !m_Players.empty()) {
        item->m_Used = 1;
        result = AcquireItem(item, m_Players[0]);
    }
    Defeat(actor);
    return result;
}

int cPlayScene::CheckStatus() {
    m_Flow.m_HpCheck = 0;
    if (!m_Players.empty() && m_Players[0].m_Hp <= 0) {
        KillPlayer(nullptr);
        return ePlayDies;
    }
    for (cCharaActor& chara : m_Charas) {
        if (chara.m_Dead || chara.m_Hp > 0) continue;
        const int result = HandleDefeat(chara);
        if (result == ePlayDies) KillPlayer(nullptr);
        if (result != ePlayGoOn) return result;
    }
    return ePlayGoOn;
}
