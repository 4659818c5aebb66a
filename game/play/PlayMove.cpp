// The moves of a sub-step: block characters, the player and the other stage characters each
// move across and down and are tested against the map cells, in that order; the player and the
// other characters ride on the block characters and are pushed out of them. A player that dies
// here leaves its cause in the trace log.
#include "data/FlowTables.h"
#include "framework/ErrorLog.h"
#include "game/play/Collisions.h"
#include "game/play/PlayScene.h"

namespace {

// Contacts on both sides, or above and below at once.
bool Pinched(const cActor& actor) {
    return (actor.m_Contact[cActor::eContactLeft] && actor.m_Contact[cActor::eContactRight]) ||
           (actor.m_Contact[cActor::eContactTop] && actor.m_Contact[cActor::eContactBottom]);
}

void ReportContacts(const cActor& actor) {
    Report("Player[P1].LRUD = %d,%d,%d,%d\n", actor.m_Contact[cActor::eContactLeft],
           actor.m_Contact[cActor::eContactRight], actor.m_Contact[cActor::eContactTop],
           actor.m_Contact[cActor::eContactBottom]);
}

// A stage character's move across and down, each followed by its map test.
struct cCharaMove {
    explicit cCharaMove(cPlayScene& scene, cCharaActor& chara)
        : across(chara.UpdateSpeedX()), mapX(scene.MapTestX(chara, 0)) {
        chara.ApplyGravity();
        down = chara.UpdateMoveY();
        mapY = scene.MapTestY(chara, 0);
    }
    bool Leaves() const { return across == 4 || down == 8; }
    bool Dies() const { return down == 7 || mapX == 2 || mapY == 2; }

    int across, mapX, down = 0, mapY = 0;
};

void FinishMove(cActor& actor) {
    actor.DecayImpulseX();
    actor.DecayImpulseY();
    actor.UpdateScreenRect();
}

// The player stands on the screen by its own rule.
void FinishMove(cPlayerActor& player) {
    FinishMove(static_cast<cActor&>(player));
    player.UpdatePlayerScreenRect();
}

// The character's own step before its move: 1 when its flows leave it dying.
int OwnStep(cCharaActor& chara) {
    chara.StartFlowsByTrigger(eTriggerAlways);
    return chara.Activate();
}

}  // namespace

void cPlayScene::SavePositions() {
    for (cPlayerActor& player : m_Players) player.SavePosition();
    for (cCharaActor& chara : m_Charas) chara.SavePosition();
}

void cPlayScene::DefeatChara(cCharaActor& chara, bool sound) {
    if (chara.m_Dead) return;
    CharasMayMove();
    if (sound) Host().PlaySystemSound(eSoundCharaDies);
    // What its item brings acts at the player's next step, as an executor's result does.
    const int result = HandleDefeat(chara);
    if (m_ExecResult == ePlayGoOn) m_ExecResult = result;
}

void cPlayScene::MoveBlockCharas() {
    for (auto it = m_Charas.begin(); it != m_Charas.end();) {
        cCharaActor& chara = *it;
        if (!chara.IsBlockChara() || chara.m_Dead || !chara.m_Present) {
            ++it;
            continue;
        }
        if (OwnStep(chara)) {
            DefeatChara(chara, false);
            ++it;
            continue;
        }
        const cCharaMove move(*this, chara);
        if (move.Leaves()) {
            it = RemoveChara(it);
            continue;
        }
        if (move.Dies()) DefeatChara(chara);
        FinishMove(chara);
        ++it;
    }
}

int cPlayScene::MovePlayer(cPlayerActor& player) {
    const cBlockCharaHolder holder(*this);
    const auto dies = [&](const char* trace) {
        KillPlayer(trace);
        return static_cast<int>(ePlayDies);
    };
    BlockEffect(player);
    Carry(player);
    player.UpdateSpeedX();
    ScreenEdgeX(player);
    if (MapTestX(player, 0) == 2) return dies("Dead 1");
    ScreenEdgeX(player);
    player.ApplyGravity();
    if (player.UpdateMoveY() == 7) return dies("Dead 2");
    if (ScreenEdgeY(player) == 2) return dies("Dead 3");
    if (MapTestY(player, 0) == 2) return dies("Dead 4");
    if (ScreenEdgeY(player) == 2) return dies("Dead 5");
    const bool crushable = !player.m_CrushImmune;
    if (crushable && Pinched(player)) {
        ReportContacts(player);
        return dies("Dead SP");
    }
    if (PushOut(player) == 2 && crushable) return dies("Dead 6");
    if ((player.m_Contact[cActor::eContactLeft] || player.m_Contact[cActor::eContactRight]) &&
        MapTestX(player, 1) == 2 && crushable)
        return dies("Dead 7");
    if ((player.m_Contact[cActor::eContactTop] || player.m_Contact[cActor::eContactBottom]) &&
        MapTestY(player, 1) == 2 && crushable)
        return dies("Dead 8");
    if (crushable && Pinched(player)) {
        ReportContacts(player);
        return dies("Dead 9");
    }
    FinishMove(player);
    return ePlayGoOn;
}

void cPlayScene::MoveCharas() {
    const cBlockCharaHolder holder(*this);
    for (auto it = m_Charas.begin(); it != m_Charas.end();) {
        cCharaActor& chara = *it;
        if (chara.IsBlockChara() || chara.m_Dead || !chara.m_Present || !chara.m_Appeared) {
            ++it;
            continue;
        }
        if (OwnStep(chara)) {
            DefeatChara(chara, false);
            ++it;
            continue;
        }
        Carry(chara);
        const cCharaMove move(*this, chara);
        const int pushed = PushOut(chara);
        if (chara.m_Contact[cActor::eContactLeft] || chara.m_Contact[cActor::eContactRight]) MapTestX(chara, 1);
        if (chara.m_Contact[cActor::eContactTop] || chara.m_Contact[cActor::eContactBottom]) MapTestY(chara, 1);
        if (Pinched(chara) || move.Dies() || pushed == 2) {
            DefeatChara(chara);
        } else if (move.Leaves()) {
            it = RemoveChara(it);
            continue;
        }
        FinishMove(chara);
        ++it;
    }
}
