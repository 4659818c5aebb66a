#include "game/flow/CommandDispatch.h"

#include "data/Flow.h"
#include "game/flow/CodeRun.h"
#include "game/flow/FlowFaults.h"
#include "game/flow/FlowRunner.h"
#include "game/flow/MoveCommands.h"
#include "game/flow/ShotCommands.h"
#include "game/flow/ShowCommands.h"
#include "game/flow/StageCommands.h"
#include "game/flow/StateCommands.h"
#include "game/flow/StatusOperation.h"
#include "game/play/PlayScene.h"

namespace {

enum eFlowOperation { eFlowStart, eFlowFinish, eFlowPause, eFlowResume, eFlowDelete, eFlowStop };
enum eFlowOperationTarget { eThisFlow, eOtherFlows, eFlowsById };

// Types without an executor of their own; the wait is its use time alone.
void NoCommand(cActor&, cFlowCmdEntry&) {}

void StatusOperation(cActor& owner, cFlowCmdEntry& entry) { ExecStatusOperation(owner, *entry.m_Cmd); }

void Code(cActor& owner, cFlowCmdEntry& entry) { RunCode(entry.m_Cmd->m_Text, owner); }

// The scene leaves play for the stage clear once the step is over.
void StageClear(cActor& owner, cFlowCmdEntry& entry) {
    const int result = ExecStageClear(owner, *entry.m_Cmd);
    if (cPlayScene* scene = CurrentPlayScene()) scene->m_ExecResult = result;
}

void GameWait(cActor& owner, cFlowCmdEntry& entry) { ExecGameWait(owner, *entry.m_Cmd); }

// The executors shared with item lists take the command itself.
template <void (*Exec)(cActor&, const cFlowCmd&)>
void Adapt(cActor& owner, cFlowCmdEntry& entry) {
    Exec(owner, *entry.m_Cmd);
}

// The runner's message-wait flag tells a message that one before it in the run is waiting.
void Message(cActor& owner, cFlowCmdEntry& entry) {
    cPlayScene* scene = CurrentPlayScene();
    const cFlowRunner* runner = scene ? scene->m_Flow.m_Runner : nullptr;
    ExecMessage(owner, *entry.m_Cmd, runner ? runner->m_MessageWait : 0);
}

void Warp(cActor& owner, cFlowCmdEntry& entry) { ExecWarp(owner, *entry.m_Cmd); }

void SetTarget(cActor& owner, cFlowCmdEntry& entry) { ExecSetTarget(owner, *entry.m_Cmd); }

void Operate(cActor& owner, cFlowRunner& runner, int32_t operation) {
    switch (operation) {
    case eFlowStart:
        runner.Finish(owner);
        owner.RemoveAnimesByFlow(runner.m_Key);
        runner.Start();
        return;
    case eFlowFinish:
        runner.Finish(owner);
        owner.RemoveAnimesByFlow(runner.m_Key);
        return;
    case eFlowPause:
        runner.Pause();
        owner.SuspendAnimesByFlow(runner.m_Key);
        return;
    case eFlowResume:
        runner.Resume();
        owner.ResumeAnimesByFlow(runner.m_Key);
        return;
    case eFlowDelete:
        runner.m_DeleteRequest = 1;
        owner.m_RemovePending = 1;
        return;
    case eFlowStop:
        runner.Stop(owner);
        owner.RemoveAnimesByFlow(runner.m_Key);
        return;
    }
}

}  // namespace

const cCommandHandler FlowCommandTable[kCharaCommandTypes] = {
    NoCommand,        // none
    NoCommand,        // "ウエイト"
    ExecMoveStraight,      // "直線移動"
    ExecMoveGroundReturn,  // "地上折り返し移動"
    ExecMoveCircle,        // "円移動"
    ExecMoveCharge,        // "突撃移動"
    ExecMoveHoming,        // "誘導移動"
    ExecMoveAvoid,         // "画面外回避移動"
    ExecMoveCancel,        // "移動の無効化"
    ExecTurn,              // "向き変更"
    ExecJump,              // "ジャンプ"
    ExecShot,              // "ショット"
    ExecSword,             // "ソード"
    ExecSummonBlock,       // "ブロック召喚"
    ExecSummonChara,       // "キャラ召喚"
    ExecSummonItem,        // "アイテム召喚"
    ExecFlowOperation,  // "フローの操作"
    StageClear,            // "ステージクリア"
    GameWait,              // "ゲームウエイト"
    Message,               // "メッセージ"
    Warp,                  // "ワープ"
    SetTarget,             // "ターゲットの設定"
    StatusOperation,  // "ステータスの操作"
    Adapt<ExecStatusOperation2>,       // "ステータスの操作2"
    Adapt<ExecItemAcquire>,            // "アイテムの取得"
    Adapt<ExecGraphicChange>,          // "グラフィックの変更"
    Adapt<ExecAnimeSetChange>,         // "基本アニメセットの変更"
    Adapt<ExecAnime>,                  // "アニメの実行"
    Adapt<ExecEffect>,                 // "エフェクトの実行"
    Adapt<ExecCharaEffect>,            // "キャラエフェクトの実行"
    Adapt<ExecScreenEffect>,           // "画面エフェクトの実行"
    Adapt<ExecPicture>,                // "ピクチャーの表示"
    Adapt<ExecScreenColor>,            // "画面の色を変更"
    Adapt<ExecBackground>,             // "背景の変更"
    Adapt<ExecSound>,                  // "効果音の再生"
    Adapt<ExecBgm>,                    // "BGMの再生"
    Code,             // "コードの実行"
};

void DispatchCommand(cActor& owner, cFlowCmdEntry& entry) {
    const cFlowCmd* command = entry.m_Cmd;
    if (!command) return;
    if (!command->TypeEntry()) {
        LogFlowFault("Flow command type %d of set %d outside the table", command->m_CmdType, command->m_CmdSet);
        return;
    }
    FlowCommandTable[command->CharaType()](owner, entry);
}

void ExecFlowOperation(cActor& owner, cFlowCmdEntry& entry) {
    cPlayScene* scene = CurrentPlayScene();
    if (!scene || !entry.m_Cmd) return;
    const int32_t operation = entry.m_Cmd->Param(0);
    const int32_t target = entry.m_Cmd->Param(1);
    const int32_t id = entry.m_Cmd->Param(2);
    if (operation < eFlowStart || operation > eFlowStop) {
        LogFlowFault("Flow operation %d outside the list", operation);
        return;
    }
    cFlowRunner* current = scene->m_Flow.m_Runner;
    switch (target) {
    case eThisFlow:
        if (current) Operate(owner, *current, operation);
        return;
    case eOtherFlows:
    case eFlowsById:
        // By index: a flow started here may run commands of its own.
        for (size_t i = 0; i < owner.m_Runners.size(); ++i) {
            cFlowRunner& runner = owner.m_Runners[i];
            if (target == eOtherFlows ? &runner == current
                                      : id == 0 || !runner.m_Flow || runner.m_Flow->m_Id != id)
                continue;
            Operate(owner, runner, operation);
        }
        return;
    }
    LogFlowFault("Flow operation target %d outside the list", target);
}
