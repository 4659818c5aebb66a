#include "game/flow/ShotCommands.h"

#include <climits>

#include "data/Flow.h"
#include "data/FlowTables.h"
#include "data/ProjectDatabase.h"
#include "data/SwordRecords.h"
#include "game/flow/MoveCommands.h"
#include "game/flow/MoveSpeeds.h"
#include "game/flow/FlowRunner.h"
#include "game/play/Formations.h"
#include "game/play/PlayScene.h"

namespace {

enum eSummonKind { eSummonBlock, eSummonChara, eSummonItem };

// "入力方向" of a shot or summon: the input the flow started with, turned by the facing.
int InputDirection(const cActor& owner) { return DirectionCode(owner, 12); }

// The action on the first step and again each time the step count comes round.
template <class Act>
void Repeating(cActor& owner, cFlowCmdEntry& entry, Act act) {
    cPlayScene* scene = CurrentPlayScene();
    if (!scene || !entry.m_Cmd || !entry.m_Cmd->m_Shot) return;
    if (entry.m_Steps == 0) {
        PlayActionSound(owner, entry);
        act(*scene, *entry.m_Cmd->m_Shot);
    }
    if (++entry.m_Steps >= CommandRepeatInterval()) entry.m_Steps = 0;
}

void Summon(cActor& owner, cFlowCmdEntry& entry, eSummonKind kind) {
    Repeating(owner, entry, [&](cPlayScene& scene, const cEdShot& shot) {
        const int dir = InputDirection(owner);
        if (kind == eSummonBlock) SummonBlocks(scene, owner, shot, dir);
        else if (kind == eSummonChara) SummonCharas(scene, owner, shot, dir);
        else SummonItems(scene, owner, shot, dir);
    });
}

}  // namespace

void ExecShot(cActor& owner, cFlowCmdEntry& entry) {
    Repeating(owner, entry, [&](cPlayScene& scene, const cEdShot& shot) {
        FireShots(scene, owner, entry.m_Cmd->m_CmdType, shot, InputDirection(owner));
    });
}

void ExecSword(cActor& owner, cFlowCmdEntry& entry) {
    cPlayScene* scene = CurrentPlayScene();
    if (!scene || !entry.m_Cmd || !entry.m_Cmd->m_Shot) return;
    if (entry.m_Steps == 0) {
        PlayActionSound(owner, entry);
        const cEdShot& shot = *entry.m_Cmd->m_Shot;
        const cRecordVector<cSwordType>& types = ProjectDatabase().m_SwordTypes;
        // A sword type without positions has nowhere to be drawn: no sword.
        if (shot.m_MoveType < types.size() && !types[shot.m_MoveType].m_Positions.empty()) {
            cPlacement still;
            still.w = still.h = 0;
            still.dir = 0;
            const size_t before = scene->m_Shots.size();
            scene->SpawnShot(owner, eCmdSword, shot, still);
            // A sword aims at nothing.
            if (scene->m_Shots.size() > before) scene->m_Shots.back().m_Target = nullptr;
        }
    }
    if (entry.m_Steps < INT_MAX) ++entry.m_Steps;
}

void ExecSummonBlock(cActor& owner, cFlowCmdEntry& entry) { Summon(owner, entry, eSummonBlock); }
void ExecSummonChara(cActor& owner, cFlowCmdEntry& entry) { Summon(owner, entry, eSummonChara); }
void ExecSummonItem(cActor& owner, cFlowCmdEntry& entry) { Summon(owner, entry, eSummonItem); }
