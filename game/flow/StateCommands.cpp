#include "game/flow/StateCommands.h"

#include "data/CommonPalette.h"
#include "data/Flow.h"
#include "data/FlowTables.h"
#include "data/ProjectDatabase.h"
#include "data/Stage.h"
#include "game/data/GameDatabase.h"
#include "game/flow/FlowFaults.h"
#include "game/flow/ItemCommands.h"
#include "game/play/FlowRuntime.h"
#include "game/play/PlayScene.h"

namespace {

enum eWhose { eWhoseSelf, eWhoseTarget, eWhoseSystem };
enum eStateFlag { eVanish, eTransparent, eDirFixed, eFlying, eInvincible, eGiant };
const int32_t kAutoScrollMode = 1;

bool InRange(const cFlagDesc& desc, int32_t value) { return value >= desc.m_Min && value <= desc.m_Max; }

cPlayerActor* AsPlayer(cPlayScene& scene, cActor& who) {
    for (cPlayerActor& player : scene.m_Players)
        if (&player == &who) return &player;
    return nullptr;
}

void SetAutoScroll(cPlayScene& scene, int axis, int32_t on) {
    cScroll& scroll = axis == 0 ? scene.m_ScrollX : scene.m_ScrollY;
    scroll.SetSpeed(on == kAutoScrollMode, scroll.m_Speed);
}

void SetState(cPlayScene& scene, cActor& owner, cActor& who, int32_t which, int32_t value) {
    cPlayerActor* player = AsPlayer(scene, who);
    switch (which) {
        case eVanish:
            if (player) {
                player->m_Hp = 0;
            } else {
                who.m_Vanish = 1;
            }
            if (&who != &owner) scene.m_Flow.m_HpCheck = 1;
            return;
        case eTransparent: who.m_Chara.m_Transparent = static_cast<uint8_t>(value); return;
        case eDirFixed: who.m_DirFixed = static_cast<uint8_t>(value); return;
        case eFlying:
            // "※「飛行」の変更は主人公のみ有効"
            if (player) player->SetHitboxes(value, 1);
            return;
        case eInvincible: who.m_Chara.m_Invincible = static_cast<uint8_t>(value); return;
        case eGiant: {
            const int32_t old = who.Scale();
            who.SetScale(value, old);
            who.m_Chara.m_Scale = static_cast<uint8_t>(value);
            if (player) {
                player->SetHitboxes(player->m_Chara.m_Flight, 1);
                scene.m_Flow.m_SightChanged = 1;
            }
            return;
        }
        default: return;
    }
}

// The runner of the owner's flows that is running now, if the command came from one of them.
const cFlowRunner* OwnersRunner(const cPlayScene& scene, const cActor& owner) {
    const cFlowRunner* runner = scene.m_Flow.m_Runner;
    for (const cFlowRunner& mine : owner.m_Runners)
        if (&mine == runner) return runner;
    return nullptr;
}

}  // namespace

void ExecStatusOperation2(cActor& owner, const cFlowCmd& command) {
    cPlayScene* scene = CurrentPlayScene();
    if (!scene) return;
    const int32_t whose = command.Param(0), which = command.Param(1), value = command.Param(2);
    if (whose == eWhoseSystem) {
        if (which >= 0 && which < kScrollFlagDescs && InRange(ScrollFlagDescs[which], value))
            SetAutoScroll(*scene, which, value);
        return;
    }
    cActor* who = whose == eWhoseSelf ? &owner : whose == eWhoseTarget ? owner.m_Flow.m_Target : nullptr;
    if (!who || which < 0 || which >= kStatusFlagDescs || !InRange(StatusFlagDescs[which], value)) return;
    SetState(*scene, owner, *who, which, value);
}

void ExecItemAcquire(cActor&, const cFlowCmd& command) {
    cPlayScene* scene = CurrentPlayScene();
    if (!scene || scene->m_Players.empty()) return;
    const int32_t palette = command.Param(0), number = command.Param(1);
    if (palette != 0 && palette != 1) return;
    const cRecordVector<cEdItem>& items =
        palette == 0 ? ProjectCommonPalette().m_Items : ProjectStage().m_Palette.m_Items;
    if (number < 0 || static_cast<size_t>(number) >= items.size()) return;
    const int result = RunItemCommands(scene->m_Players[0], items[number].m_Commands);
    if (result != 0) scene->m_ExecResult = result;
}

void ExecGraphicChange(cActor& owner, const cFlowCmd& command) {
    owner.m_Chara.m_GraphicSrc = static_cast<uint8_t>(command.Param(0));
    owner.m_Chara.m_Graphic = static_cast<uint16_t>(command.Param(1));
    owner.m_KindValue = owner.m_Chara.m_Graphic;
    owner.m_Chara.m_GraphicShift = static_cast<uint16_t>(command.Param(2));
}

void ExecAnimeSetChange(cActor& owner, const cFlowCmd& command) {
    const int32_t set = static_cast<uint16_t>(command.Param(0));
    if (static_cast<size_t>(set) >= ProjectDatabase().m_AnimeSets.size()) {
        LogFlowFault("Anime set %d outside the table", set);
        return;
    }
    owner.SetAnimeSet(set);
}

void ExecAnime(cActor& owner, const cFlowCmd& command) {
    cPlayScene* scene = CurrentPlayScene();
    const cAnimePatterns& table = AnimePatternTable();
    const int32_t row = command.Param(0);
    if (row < 0 || static_cast<size_t>(row) >= table.size()) {
        LogFlowFault("Anime %d outside the table", row);
        return;
    }
    const cFlowRunner* runner = scene ? OwnersRunner(*scene, owner) : nullptr;
    cRunningAnime anime;
    // An item's animation belongs to no flow: no flow's end takes it away.
    anime.m_FlowKey = runner ? runner->m_Key : -1;
    anime.m_AnimeRow = row;
    if (!anime.m_Player.SetPatterns(cAnimePatterns(1, table[row]))) return;
    owner.m_Animes.push_front(anime);
}
