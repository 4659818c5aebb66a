// The scene's shots: making them, stepping them and the characters they look for.
#include <cmath>

#include "data/Stage.h"
#include "framework/ErrorLog.h"
#include "game/play/PlayScene.h"

void cPlayScene::SpawnShot(cActor& shooter, int cmdType, const cEdShot& shot, const cPlacement& p) {
    if (m_Shots.size() >= kMaxShots) {
        if (!m_ShotsCapped) Report("Shots capped at %u\n", static_cast<unsigned>(kMaxShots));
        m_ShotsCapped = 1;
        return;
    }
    cShotObj made;
    made.Setup(m_ShotId, shooter, cmdType, shot, p);
    if (m_ShotId < INT32_MAX) ++m_ShotId;
    // Only shots that aim at or home on the target keep it.
    if (shot.m_MoveType != 3 && shot.m_MoveType != 6) made.m_Target = nullptr;
    m_Shots.push_back(made);
}

void cPlayScene::StepShots(int32_t n) {
    for (auto it = m_Shots.begin(); it != m_Shots.end();) {
        if (it->m_Finished) {
            it = m_Shots.erase(it);
            continue;
        }
        if (!it->IsSword()) {
            it->MoveX();
            it->MoveY();
        }
        ++it;
    }
    const cEdStage& stage = ProjectStage();
    for (auto it = m_Shots.begin(); it != m_Shots.end();) {
        // Once a frame a shot (a sword never) that has left the area of its side goes.
        const bool gone = n == 1 && !it->IsSword() &&
                          it->IsOutOfRemovalArea(stage.m_AutoVanish[it->IsPlayer() ? eVanishHeroShot : eVanishEnemyShot]);
        if (gone || it->Step(*this) || (!it->IsSword() && it->HitsBlock(*this))) it = m_Shots.erase(it);
        else ++it;
    }
    for (cShotObj& shot : m_Shots) {
        shot.m_Present = 1;
        shot.m_OnScreen = shot.IsOnScreen();
    }
}

cActor* cPlayScene::NearestOfForce(double x, double y, int force) {
    cActor* best = nullptr;
    double bestDistance = 0;
    auto consider = [&](cActor& actor) {
        if (actor.m_Dead || !actor.m_Present || actor.m_Chara.m_Force != force + 1) return;
        const double d = std::fabs(actor.CentreX() + m_ScrollX.m_Pos - x) + std::fabs(actor.CentreY() + m_ScrollY.m_Pos - y);
        if (!best || d < bestDistance) {
            best = &actor;
            bestDistance = d;
        }
    };
    for (cPlayerActor& player : m_Players) consider(player);
    for (cCharaActor& chara : m_Charas) consider(chara);
    return best;
}

cActor* cPlayScene::FindActorByNumber(int32_t number) {
    for (cPlayerActor& player : m_Players)
        if (player.m_Number == number) return &player;
    for (cCharaActor& chara : m_Charas)
        if (chara.m_Number == number) return &chara;
    return nullptr;
}

void cPlayScene::ForgetTarget(const cActor* actor) {
    for (cShotObj& shot : m_Shots)
        if (shot.m_Target == actor) shot.m_Target = nullptr;
    DropAsTarget(actor);
}

void cPlayScene::DropAsTarget(const cActor* actor) {
    for (cPlayerActor& player : m_Players)
        if (player.m_Flow.m_Target == actor) player.m_Flow.m_Target = nullptr;
    for (cCharaActor& chara : m_Charas)
        if (chara.m_Flow.m_Target == actor) chara.m_Flow.m_Target = nullptr;
}
