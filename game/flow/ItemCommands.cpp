#include "game/flow/ItemCommands.h"

#include <algorithm>
#include <vector>

#include "data/Flow.h"
#include "game/flow/CodeRun.h"
#include "game/flow/ShowCommands.h"
#include "game/flow/StageCommands.h"
#include "game/flow/StateCommands.h"
#include "game/flow/StatusOperation.h"
#include "game/play/PlayScene.h"

namespace {

const int kLifeRanOut = 2;

// The lists running now, outermost first.
std::vector<const cRecordVector<cFlowCmd>*>& RunningLists() {
    static std::vector<const cRecordVector<cFlowCmd>*> lists;
    return lists;
}

template <void (*Exec)(cActor&, const cFlowCmd&)>
int Go(cActor& taker, const cFlowCmd& command) {
    Exec(taker, command);
    return 0;
}

int Nothing(cActor&, const cFlowCmd&) { return 0; }

int FlowChange(cActor& taker, const cFlowCmd& command) {
    taker.ChangeFlows(command.Param(0), static_cast<uint8_t>(command.Param(1)), command.m_SubFlows);
    return 0;
}

int StageClear(cActor& taker, const cFlowCmd& command) { return ExecStageClear(taker, command); }

// The first message of the list waits as a first message does; those after it follow on.
int Message(cActor& taker, const cFlowCmd& command) {
    cPlayScene* scene = CurrentPlayScene();
    if (!scene) return 0;
    ExecMessage(taker, command, scene->m_ItemMessage);
    scene->m_ItemMessage = 1;
    return 0;
}

int Warp(cActor& taker, const cFlowCmd& command) {
    ExecWarp(taker, command);
    return 0;
}

int StatusOperation(cActor& taker, const cFlowCmd& command) {
    ExecStatusOperation(taker, command);
    return 0;
}

int Code(cActor& taker, const cFlowCmd& command) {
    RunCode(command.m_Text, taker);
    return 0;
}

// Takes the list off the running ones however the run ends.
class cRunningList {
public:
    explicit cRunningList(const cRecordVector<cFlowCmd>* list) { RunningLists().push_back(list); }
    ~cRunningList() { RunningLists().pop_back(); }
    cRunningList(const cRunningList&) = delete;
    cRunningList& operator=(const cRunningList&) = delete;
};

}  // namespace

const cItemCommandHandler ItemCommandTable[kItemCommandTypes] = {
    Nothing,                       // none
    FlowChange,                    // "フローの変更"
    StageClear,                    // "ステージクリア"
    Go<ExecGameWait>,              // "ゲームウエイト"
    Message,                       // "メッセージ"
    Warp,                          // "ワープ"
    Go<ExecSetTarget>,             // "ターゲットの設定"
    StatusOperation,               // "ステータスの操作"
    Go<ExecStatusOperation2>,      // "ステータスの操作2"
    Go<ExecItemAcquire>,           // "アイテムの取得"
    Go<ExecGraphicChange>,         // "グラフィックの変更"
    Go<ExecAnimeSetChange>,        // "基本アニメセットの変更"
    Go<ExecAnime>,                 // "アニメの実行"
    Go<ExecEffect>,                // "エフェクトの実行"
    Go<ExecCharaEffect>,           // "キャラエフェクトの実行"
    Go<ExecScreenEffect>,          // "画面エフェクトの実行"
    Go<ExecPicture>,               // "ピクチャーの表示"
    Go<ExecScreenColor>,           // "画面の色を変更"
    Go<ExecBackground>,            // "背景の変更"
    Go<ExecSound>,                 // "効果音の再生"
    Go<ExecBgm>,                   // "BGMの再生"
    Code,                          // "コードの実行"
};

int RunItemCommands(cActor& taker, const cRecordVector<cFlowCmd>& commands) {
    std::vector<const cRecordVector<cFlowCmd>*>& running = RunningLists();
    // The same list, whether the stage's copy of an item or its palette entry.
    for (const cRecordVector<cFlowCmd>* list : running)
        if (list == &commands || std::equal(list->begin(), list->end(), commands.begin(), commands.end())) return 0;
    cPlayScene* scene = CurrentPlayScene();
    const int32_t outerMessage = scene ? scene->m_ItemMessage : 0;
    if (scene) scene->m_ItemMessage = 0;
    int result = 0;
    {
        const cRunningList guard(&commands);
        for (const cFlowCmd& command : commands) {
            const int type = command.m_CmdType < kItemCommandTypes ? command.m_CmdType : 0;
            const int answer = ItemCommandTable[type](taker, command);
            if (taker.m_Hp < 1) {
                result = kLifeRanOut;
                break;
            }
            if (answer != 0) {
                result = answer;
                break;
            }
        }
    }
    if (scene) scene->m_ItemMessage = outerMessage;
    return result != 0 ? result : taker.m_Hp < 1 ? kLifeRanOut : 0;
}
