#include "game/flow/StageCommands.h"

#include <algorithm>
#include <string>

#include "data/Flow.h"
#include "data/ProjectData.h"
#include "data/WorldMap.h"
#include "game/data/StorySave.h"
#include "game/data/Tenths.h"
#include "game/play/PlayScene.h"
#include "game/play/Targets.h"

namespace {

enum eTransition { eNextStage, eStageByNumber, eWorldClear };
enum eTargetKind { eTargetPlayer, eTargetSelf, eTargetNearest, eTargetFirst };

// The position along one axis of the world map, kept inside it; an empty axis keeps the old one.
void SetWorldPosition(int32_t& position, int32_t value, int32_t size) {
    if (size > 0) position = std::max(0, std::min(value, size - 1));
}

}  // namespace

int ExecStageClear(cActor&, const cFlowCmd& command) {
    cPlayScene* scene = CurrentPlayScene();
    if (!scene) return 1;
    cStorySave& story = StoryState();
    switch (command.Param(0)) {
        case eNextStage: scene->m_NextStage = story.m_StageNumber + 1; break;
        case eStageByNumber: scene->m_NextStage = command.Param(1); break;
        case eWorldClear: scene->m_NextStage = 0; break;
        default: break;
    }
    if (command.Param(2)) {
        const cWorldMap& map = ProjectWorldMap();
        SetWorldPosition(story.m_WorldX, command.Param(3), map.m_Width);
        SetWorldPosition(story.m_WorldY, command.Param(4), map.m_Height);
    }
    return 1;
}

void ExecGameWait(cActor&, const cFlowCmd& command) {
    cPlayScene* scene = CurrentPlayScene();
    if (!scene) return;
    const int32_t frames = TenthsToFrames(command.Param(0));
    // The marker does not count while the wait holds the scene, so it is still there to remove.
    cTextObj marker;
    marker.Create(cTextObj::eMarker, std::string(), 0, 0, 0, 0, 0, 0, 0, 0, 0, cTextObj::eTimed, frames, 0, 0, 1);
    const auto placed = scene->m_TextObjs.insert(scene->m_TextObjs.end(), marker);
    scene->RunWait(0, frames, 0, 0);
    scene->m_TextObjs.erase(placed);
}

void ExecSetTarget(cActor& owner, const cFlowCmd& command) {
    cPlayScene* scene = CurrentPlayScene();
    if (!scene) return;
    cActor* chosen = nullptr;
    const int32_t kind = command.Param(0);
    const int32_t faction = command.Param(1);
    if (kind == eTargetPlayer) {
        if (!scene->m_Players.empty()) chosen = &scene->m_Players[0];
    } else if (kind == eTargetSelf) {
        chosen = &owner;
    } else if ((kind == eTargetNearest || kind == eTargetFirst) && faction >= 0 &&
               faction < static_cast<int32_t>(scene->m_CharaGroups.size())) {
        cTargetFilter filter;
        filter.excludeNumber = command.Param(3);
        filter.number = owner.m_Number;
        filter.excludeInvincible1 = command.Param(4);
        filter.excludeInvincible2 = command.Param(5);
        filter.excludeBlockCharas = command.Param(6);
        filter.idSwitch = command.Param(7);
        filter.id = static_cast<uint8_t>(command.Param(8));
        cActorGroup& candidates = scene->m_CharaGroups[faction];
        if (kind == eTargetNearest)
            chosen = FindNearest(owner.CentreX(), owner.CentreY(), candidates, command.Param(2), filter);
        else
            chosen = FindFirst(candidates, filter);
    }
    owner.m_Flow.m_Target = chosen;
}
