// A character's own step before it moves: the speeds its flows set afresh, the flows stepped,
// the animation it rests in; and when a stage character appears.
#include "game/play/CharaActor.h"
#include "game/play/PlayScene.h"

namespace {

// Standing and flying characters rest in these animations of their set.
const int kAnimeStand = 0;
const int kAnimeFly = 2;

// Ground right under the character's feet: a kind its bottom map test lands it on. A landing
// leaves the bottom edge on the last dot above the block row, so the ground is the dot below.
bool RestsOnGround(cActor& actor) {
    cPlayScene* scene = CurrentPlayScene();
    if (!scene) return false;
    const double below = actor.m_Bottom + 1;
    const int kind = scene->HitKind(scene->EdgePick(actor, actor.m_X, below, actor.m_Right, below), actor);
    return kind == 1 || kind == 2;
}

}  // namespace

void cActor::BeginStep() {
    m_JumpStart = 0;
    m_FrictionX = m_FrictionY = 1;
    m_Moving = 0;
}

void cActor::RestAnime() {
    if (m_Moving || m_dAcSpeedX != 0.0 || m_dAcSpeedY != 0.0) return;
    const int pattern = m_NoGravity ? kAnimeFly : kAnimeStand;
    if (m_Anime.GetPattern() != pattern) m_Anime.SetPattern(pattern, 1);
}

int cCharaActor::Activate() {
    m_dSpeedX = 0.0;
    if (m_NoGravity) m_dSpeedY = 0.0;
    BeginStep();
    const int result = StepFlows();
    if (result) return result;
    RestAnime();
    return 0;
}

int cCharaActor::AppearTest(std::vector<uint8_t>& appeared) {
    if (!IsOnScreenAxes(m_IgnoreX, m_IgnoreY)) return 0;
    // A number past the list counts nothing rather than writing outside it.
    if (m_Chara.m_HasGroup && m_Chara.m_GroupNo < appeared.size()) appeared[m_Chara.m_GroupNo] = 1;
    return 1;
}

int cCharaActor::TryAppear(std::vector<uint8_t>& appeared) {
    // Characters without an appearance group share no number.
    const bool another = m_Chara.m_HasGroup && m_Chara.m_GroupNo < appeared.size() && appeared[m_Chara.m_GroupNo];
    if (!AppearTest(appeared) && !another) {
        if (m_NoGravity) return 0;
        if (!m_Jumping && !(m_Appeared && m_Falling)) return 0;
    }
    m_Appeared = 1;
    if (m_Chara.m_ActJudge == 1) m_IgnoreX = m_IgnoreY = 1;
    UpdateScreenRect();
    return 1;
}

int cCharaActor::Jump(cFlowCmdEntry& entry) {
    // Resting on the ground the character hovers on that last dot until gravity brings it down
    // again, its air counter growing meanwhile: the counter refuses a jump only off the ground.
    const int32_t air = RestsOnGround(*this) ? 0 : m_AirCounter;
    for (int32_t state : {m_Falling, m_CeilingLock, m_ImpulseActive, air})
        if (state) return state;
    m_dSpeedY = entry.m_Speed;
    m_Jumping = m_JumpEnd = 1;
    m_OnObject = 0;
    return 1;
}
