#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "data/Flow.h"
#include "data/FlowTables.h"
#include "game/flow/CommandDispatch.h"
#include "game/flow/FlowFaults.h"
#include "game/flow/PlayFlowRuntime.h"
#include "game/play/FlowRuntime.h"
#include "game/play/PlayScene.h"
#include "tests/game/flow/FlowCommands.h"
#include "tests/game/play/PlayStateFixture.h"
#include "framework/ErrorLog.h"
#include "tests/support/BoxAnswers.h"
#include "tests/support/RestoreOnExit.h"
#include "tests/support/TempDir.h"

namespace {

const int kTriggerAlways = 0;
const int kTriggerBeforeStart = 16;
const int kTriggerByOperation = 17;
enum { kStart, kFinish, kPause, kResume, kDelete, kStop };
enum { kThisFlow, kOtherFlows, kById };

// A stage with one character of the given flows, played with the game's flow runtime.
class FlowRunner : public PlayStateFixture {
protected:
    FlowRunner() : m_Previous(SetFlowRuntime(&PlayFlowRuntime())), m_Faults(LoggedFlowFaults()) {
        LoggedFlowFaults().clear();
    }
    ~FlowRunner() override { SetFlowRuntime(m_Previous); }

    // Starts the stage and runs it into play; the character is the scene's first.
    cCharaActor& Play(cPlayScene& scene, const std::vector<cFlow>& flows, cEdStage stage = Stage()) {
        cEdChara chara = Enemy();
        chara.m_Hp = 10;
        for (const cFlow& flow : flows) chara.m_Flows.push_back(flow);
        stage.PutCharaAt(5, 5, chara);
        Start(scene, stage);
        RunToPlay(scene);
        return scene.m_Charas.front();
    }

    cFlowRuntime* m_Previous;
    cRestoreOnExit<std::set<std::string>> m_Faults;
};

}  // namespace

// One flow per case, its character stepped frame by frame: character variable 1 and the runner's
// current command and running flag after each frame. "常時" flows start again on the frame after
// they completed.
TEST_F(FlowRunner, RunsCommandsFrameByFrame) {
    struct cCase {
        const char* name;
        cFlow flow;
        std::vector<int32_t> v1, current, running;
    } cases[] = {
        {"time-0 commands complete in their start frame", MakeFlow(kTriggerAlways, {AddToV1(), AddToV1()}),
         {2, 4, 6}, {1, 1, 1}, {0, 0, 0}},
        {"a command of six steps runs on six frames", MakeFlow(kTriggerAlways, {AddToV1(1), AddToV1()}),
         {1, 2, 3, 4, 5, 6, 7, 8}, {0, 0, 0, 0, 0, 0, 1, 0}, {1, 1, 1, 1, 1, 1, 0, 1}},
        {"a parallel command with time runs beside the next", MakeFlow(kTriggerAlways, {AddToV1(1, 1), Wait(2)}),
         {1, 2, 3, 4, 5, 6, 6, 6, 6, 6, 6, 6, 7},
         {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
         {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 1}},
        {"a parallel last command completes the flow", MakeFlow(kTriggerAlways, {AddToV1(2, 1), AddToV1(1, 1)}),
         {2, 4, 6, 8, 10, 12, 14}, {1, 1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 0, 1}},
        {"before the stage starts: its parallel commands past movement, once",
         MakeFlow(kTriggerBeforeStart, {AddToV1(0, 1), AddToV1(), AddToV1(1, 1), Wait(1, 1)}),
         {2, 2, 2}, {0, 0, 0}, {0, 0, 0}},
        {"an empty flow is finished at once", MakeFlow(kTriggerAlways, {}), {0, 0}, {0, 0}, {0, 0}},
        {"a stopped flow is never stepped or started again",
         MakeFlow(kTriggerAlways, {AddToV1(), FlowOperation(kStop, kThisFlow), AddToV1(1)}),
         {2, 2, 2}, {2, 2, 2}, {1, 1, 1}},
        {"a flow restarting itself runs its first command on its next frame",
         MakeFlow(kTriggerAlways, {AddToV1(), FlowOperation(kStart, kThisFlow)}),
         {1, 2, 2, 3, 3, 4}, {0, 0, 0, 0, 0, 0}, {1, 1, 1, 1, 1, 1}},
        {"a wait only waits", MakeFlow(kTriggerAlways, {Wait(1), AddToV1()}),
         {0, 0, 0, 0, 0, 0, 1, 1}, {0, 0, 0, 0, 0, 0, 1, 0}, {1, 1, 1, 1, 1, 1, 0, 1}},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cPlayScene scene;
        cCharaActor& chara = Play(scene, {c.flow});
        ASSERT_EQ(scene.SubSteps(), 1);
        ASSERT_EQ(chara.m_Runners.size(), 1u);
        std::vector<int32_t> v1, current, running;
        for (size_t frame = 0; frame < c.v1.size(); ++frame) {
            scene.StepFrame(0, 0);
            v1.push_back(chara.m_Flow.m_Variables[0]);
            current.push_back(chara.m_Runners[0].m_Current);
            running.push_back(chara.m_Runners[0].m_Running);
        }
        EXPECT_EQ(v1, c.v1);
        EXPECT_EQ(current, c.current);
        EXPECT_EQ(running, c.running);
        EXPECT_TRUE(LoggedFlowFaults().empty());
    }
}

// A starts B, whose first command starts A again while A's command runs: A starts over on its
// next frame instead of starting without end.
TEST_F(FlowRunner, FlowsStartingEachOtherStayBounded) {
    cPlayScene scene;
    cCharaActor& chara = Play(scene, {MakeFlow(kTriggerAlways, {AddToV1(), FlowOperation(kStart, kById, 2)}, 1),
                                      MakeFlow(kTriggerByOperation, {FlowOperation(kStart, kById, 1), Code("C7 = C7 + 1")}, 2)});
    std::vector<int32_t> v1, started;
    for (int frame = 0; frame < 6; ++frame) {
        scene.StepFrame(0, 0);
        v1.push_back(chara.m_Flow.m_Variables[0]);
        started.push_back(StoryState().Variable(7));
    }
    EXPECT_EQ(v1, (std::vector<int32_t>{1, 2, 2, 3, 3, 4}));
    EXPECT_EQ(started, (std::vector<int32_t>{1, 1, 2, 2, 3, 3}));
}

// Each operation on each target, run as the command of the first of three running flows: the
// first two have ID A, the third none. Every flow shows one character effect of its own.
TEST_F(FlowRunner, FlowOperationsActOnTheirTargetsAndTheirEffects) {
    struct cTarget {
        const char* name;
        int target, id;
        unsigned affected;  // bit i: flow i
    } targets[] = {
        {"this flow", kThisFlow, 0, 1}, {"every other flow", kOtherFlows, 0, 6},
        {"ID A", kById, 1, 3},          {"ID 0 names none", kById, 0, 0},
    };
    for (int operation = kStart; operation <= kStop; ++operation) {
        for (const cTarget& t : targets) {
            SCOPED_TRACE(std::string(t.name) + " operation " + std::to_string(operation));
            cPlayScene scene;
            cCharaActor& chara = Play(scene, {MakeFlow(kTriggerByOperation, {Wait(1)}, 1),
                                              MakeFlow(kTriggerByOperation, {Wait(1)}, 1),
                                              MakeFlow(kTriggerByOperation, {Wait(1)})});
            scene.m_Flow.m_Actor = &chara;
            chara.m_Animes.clear();
            for (cFlowRunner& runner : chara.m_Runners) {
                runner.Start();
                runner.m_Frames = 5;
                runner.m_Paused = operation == kResume;
                cRunningAnime anime;
                anime.m_FlowKey = runner.m_Key;
                anime.m_Count = 3;
                anime.m_Suspended = operation == kResume;
                chara.m_Animes.push_back(anime);
            }
            cFlowCmdEntry entry;
            cFlowCmd command = FlowOperation(operation, t.target, t.id);
            entry.m_Cmd = &command;
            scene.m_Flow.m_Runner = &chara.m_Runners[0];
            DispatchCommand(chara, entry);
            for (size_t i = 0; i < chara.m_Runners.size(); ++i) {
                SCOPED_TRACE(i);
                const cFlowRunner& runner = chara.m_Runners[i];
                const bool hit = (t.affected >> i) & 1;
                const int32_t key = runner.m_Key;
                int effects = 0, suspended = 0;
                for (const cRunningAnime& anime : chara.m_Animes) {
                    if (anime.m_FlowKey != key) continue;
                    ++effects;
                    suspended += anime.m_Suspended;
                }
                EXPECT_EQ(runner.m_Running, hit && operation == kFinish ? 0 : 1);
                EXPECT_EQ(runner.m_Frames, hit && operation == kStart ? 0 : 5);
                EXPECT_EQ(runner.m_Paused, operation == kResume ? !hit : hit && operation == kPause);
                EXPECT_EQ(runner.m_Stopped, hit && operation == kStop);
                EXPECT_EQ(runner.m_DeleteRequest, hit && operation == kDelete);
                const bool removed = hit && (operation == kStart || operation == kFinish || operation == kStop);
                EXPECT_EQ(effects, removed ? 0 : 1);
                EXPECT_EQ(suspended, removed ? 0 : operation == kResume ? !hit : hit && operation == kPause);
            }
            EXPECT_EQ(chara.m_RemovePending, t.affected && operation == kDelete);
            // A finished or stopped flow marks its group's end.
            EXPECT_EQ(chara.m_ReleasePending, t.affected && (operation == kStart || operation == kFinish || operation == kStop));
        }
    }
}

// Deleted flows leave at the end of their character's step; a paused one is not stepped.
TEST_F(FlowRunner, DeletedFlowsLeaveAndPausedOnesWait) {
    cPlayScene scene;
    cCharaActor& chara = Play(scene, {MakeFlow(kTriggerAlways, {FlowOperation(kDelete, kById, 2)}),
                                      MakeFlow(kTriggerByOperation, {AddToV1()}, 2),
                                      MakeFlow(kTriggerAlways, {AddToV1(1), FlowOperation(kPause, kThisFlow), Wait(1), AddToV1()})});
    scene.StepFrame(0, 0);
    ASSERT_EQ(chara.m_Runners.size(), 2u);
    ASSERT_EQ(chara.m_Chara.m_Flows.size(), 2u);
    EXPECT_EQ(chara.m_Runners[1].m_Flow, &chara.m_Chara.m_Flows[1]);
    for (int frame = 0; frame < 10; ++frame) scene.StepFrame(0, 0);
    EXPECT_EQ(chara.m_Flow.m_Variables[0], 6);
    EXPECT_EQ(chara.m_Runners[1].m_Paused, 1);
    EXPECT_EQ(chara.m_Runners[1].m_Current, 2);
}

// Numbers outside their lists run nothing, are logged once and leave the game open.
TEST_F(FlowRunner, UnknownTypesAndGroupsAreLogged) {
    cPlayScene scene;
    cCharaActor& chara = Play(scene, {MakeFlow(kTriggerByOperation, {AddToV1()}, 0, 200)});
    scene.m_Flow.m_Actor = &chara;
    cFlowCmdEntry entry;
    cFlowCmd command = AddToV1();
    command.m_CmdType = 37;
    entry.m_Cmd = &command;
    DispatchCommand(chara, entry);
    DispatchCommand(chara, entry);
    command.m_CmdSet = 1;
    command.m_CmdType = 22;
    DispatchCommand(chara, entry);
    chara.m_Runners[0].Start();
    chara.m_Runners[0].Finish(chara);
    EXPECT_EQ(chara.m_Flow.m_Variables[0], 1);
    EXPECT_EQ(LoggedFlowFaults(), (std::set<std::string>{"Flow command type 37 of set 0 outside the table",
                                                         "Flow command type 22 of set 1 outside the table",
                                                         "Flow group 200 outside the list"}));
    EXPECT_EQ(m_Host.closeRequests, 0);
}

// Random values of flows come from the scene's generator: the same seed plays the same.
TEST_F(FlowRunner, TheSameSeedGivesTheSameDrawsAndHashes) {
    auto play = [this](uint32_t seed, std::vector<int32_t>& values, std::vector<uint64_t>& hashes) {
        m_Host.seed = seed;
        cPlayScene scene;
        cCharaActor& chara = Play(scene, {MakeFlow(kTriggerAlways, {SetV1Random(0, 1000), Code("S1 = S1 + rand(1, 3)")})});
        for (int frame = 0; frame < 30; ++frame) {
            scene.StepFrame(0, 0);
            values.push_back(chara.m_Flow.m_Variables[0]);
            values.push_back(scene.m_StageVars[1]);
            hashes.push_back(scene.StateHash());
        }
    };
    std::vector<int32_t> values[3];
    std::vector<uint64_t> hashes[3];
    play(5, values[0], hashes[0]);
    play(5, values[1], hashes[1]);
    play(6, values[2], hashes[2]);
    EXPECT_EQ(values[0], values[1]);
    EXPECT_EQ(hashes[0], hashes[1]);
    EXPECT_NE(values[0], values[2]);
    EXPECT_NE(hashes[0], hashes[2]);
    for (size_t i = 0; i < values[0].size(); i += 2) EXPECT_LE(values[0][i], 1000);
    EXPECT_GE(values[0].back(), 30);
    EXPECT_LE(values[0].back(), 90);
}

// What flows change of the stage's background layers and scroll (a layer shown, the automatic
// scroll switched on at a new speed) lasts until a life is lost: the stage then starts again as it
// was loaded, whether or not the host reads its file again.
TEST_F(FlowRunner, ALostLifeStartsTheStageAgainAsItWasLoaded) {
    cEdStage stage = Stage(100, 15);
    stage.m_BackLayers.resize(2);
    stage.m_BackLayers[0].m_ShowAtStart = 1;
    stage.m_BackLayers[1].m_ShowAtStart = 0;
    stage.m_ScrollMode[0] = 0;
    stage.m_AutoScrollSpeed[0] = 5;
    cPlayScene scene;
    Play(scene, {MakeFlow(kTriggerAlways, {Code("sys.scrlx = 9"), FlowCommand(33, 0, 0, {2, 2}),
                                           FlowCommand(23, 0, 0, {2, 0, 1})})},
         stage);
    scene.StepFrame(0, 0);
    EXPECT_EQ(std::vector<int32_t>({1, 1}), scene.m_LayerShown);
    EXPECT_EQ(1, scene.m_ScrollX.m_Auto);
    EXPECT_EQ(9, scene.m_ScrollX.m_Speed);
    EXPECT_EQ(0, ProjectStage().m_BackLayers[1].m_ShowAtStart);
    EXPECT_EQ(0, ProjectStage().m_ScrollMode[0]);
    EXPECT_EQ(5, ProjectStage().m_AutoScrollSpeed[0]);
    StoryState().m_Lives = 2;
    scene.KillPlayer(nullptr);
    for (int i = 0; i < 300 && scene.State() == ePlayRun; ++i) scene.StepFrame(0, 0);
    ASSERT_EQ(ePlayIntro, scene.State()) << "the stage starts again";
    EXPECT_EQ(std::vector<int32_t>({1, 0}), scene.m_LayerShown);
    EXPECT_EQ(0, scene.m_ScrollX.m_Auto);
    EXPECT_EQ(5, scene.m_ScrollX.m_Speed);
}

// A code command of a flow sets the horizontal scroll speed of a stage that scrolls by itself: the
// view moves on from the next step.
TEST_F(FlowRunner, CodeOfAFlowScrollsTheStage) {
    cEdStage stage = Stage(100, 15);
    stage.m_ScrollMode[0] = 1;
    stage.m_AutoScrollSpeed[0] = 0;
    cPlayScene scene;
    Play(scene, {MakeFlow(kTriggerAlways, {Code("sys.scrlx = 4")})}, stage);
    const double start = scene.m_ScrollX.m_Pos;
    scene.StepFrame(0, 0);
    EXPECT_EQ(scene.m_ScrollX.m_Pos, start);
    EXPECT_EQ(scene.m_ScrollX.m_Speed, 4);
    for (int frame = 0; frame < 10; ++frame) scene.StepFrame(0, 0);
    EXPECT_NEAR(scene.m_ScrollX.m_Pos, start + 10 * 0.4 / scene.m_ScrollX.m_Divisor, 1e-9);
    EXPECT_GT(scene.m_ScrollX.m_Pos, start);
}

// A message shown until the key (display mode 0) sets the flow's message-wait flag; the next
// command that is neither such a message nor parallel clears it as it becomes current.
TEST_F(FlowRunner, AMessageUntilTheKeySetsTheMessageWait) {
    std::vector<int32_t> untilKey(9, 0), timed(9, 0);
    timed[6] = 2;
    cPlayScene scene;
    cCharaActor& chara = Play(scene, {MakeFlow(kTriggerByOperation, {FlowCommand(eCmdMessage, 0, 0, untilKey),
                                                                      FlowCommand(eCmdMessage, 0, 1, timed), Wait(1),
                                                                      FlowCommand(eCmdMessage, 0, 0, timed)})});
    cFlowRunner& runner = chara.m_Runners[0];
    scene.m_Flow.m_Actor = &chara;
    runner.Start();
    EXPECT_EQ(runner.m_MessageWait, 1);
    scene.StepFrame(0, 0);
    EXPECT_EQ(runner.m_Current, 2);
    EXPECT_EQ(runner.m_MessageWait, 0);
    for (int frame = 0; frame < 6; ++frame) scene.StepFrame(0, 0);
    EXPECT_EQ(runner.m_Running, 0);
    EXPECT_EQ(runner.m_MessageWait, 0);
}

// A parallel command becoming current keeps the message wait: only the next command that is
// neither waits for the key nor runs beside others clears it.
TEST_F(FlowRunner, AParallelCommandAfterTheMessageKeepsItsWait) {
    std::vector<int32_t> untilKey(9, 0), timed(9, 0);
    timed[6] = 2;
    cPlayScene scene;
    cCharaActor& chara = Play(scene, {MakeFlow(kTriggerByOperation, {FlowCommand(eCmdMessage, 0, 0, untilKey),
                                                                      FlowCommand(eCmdMessage, 2, 1, timed)})});
    cFlowRunner& runner = chara.m_Runners[0];
    scene.m_Flow.m_Actor = &chara;
    runner.Start();
    scene.StepFrame(0, 0);
    EXPECT_EQ(runner.m_Current, 1);
    EXPECT_EQ(runner.m_MessageWait, 1);
}

// A command that must finish at once but did not is reported while the error log is on, and
// counts as done all the same.
TEST_F(FlowRunner, ACommandThatOutlastsItsFrameIsReported) {
    cTempDir dir;
    SetErrorLog(1, "log.txt");
    cBoxAnswers boxes;
    cPlayScene scene;
    cCharaActor& chara = Play(scene, {MakeFlow(kTriggerBeforeStart, {AddToV1(0, 1)})});
    cFlowRunner& runner = chara.m_Runners[0];
    runner.m_Entries[0].m_Remaining = 5;
    scene.m_Flow.m_Actor = &chara;
    runner.Start();
    SetErrorLog(0, "");
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, "使用時間0なので、ここにくることはあり得ないはず！");
    EXPECT_EQ(boxes.Shown()[0].caption, "エラー");
    EXPECT_EQ(runner.m_Entries[0].m_Done, 1);
    EXPECT_EQ(runner.m_Running, 0);
    EXPECT_EQ(chara.m_Flow.m_Variables[0], 2);
}

// A flow of a group holds the group while it runs: started, it marks the group running and
// started; finished, the group is released at the end of its character's step.
TEST_F(FlowRunner, AGroupIsHeldWhileItsFlowRuns) {
    const int kGroup = 3;
    cPlayScene scene;
    cCharaActor& chara = Play(scene, {MakeFlow(kTriggerByOperation, {Wait(1)}, 0, kGroup)});
    cFlowRunner& runner = chara.m_Runners[0];
    scene.m_Flow.m_Actor = &chara;
    runner.Start();
    EXPECT_EQ(chara.m_RunningGroups[kGroup], 1);
    EXPECT_EQ(chara.m_StartedGroups[kGroup], 1);
    std::vector<int32_t> running;
    for (int frame = 0; frame < 7; ++frame) {
        scene.StepFrame(0, 0);
        running.push_back(chara.m_RunningGroups[kGroup]);
    }
    EXPECT_EQ(running, (std::vector<int32_t>{1, 1, 1, 1, 1, 0, 0}));
    EXPECT_EQ(chara.m_ReleaseGroups[kGroup], 0);
    EXPECT_EQ(chara.m_ReleasePending, 0);
    runner.Start();
    runner.Stop(chara);
    EXPECT_EQ(runner.m_Running, 1);
    EXPECT_EQ(chara.m_ReleaseGroups[kGroup], 1);
    // Stopped for good: starting does nothing.
    runner.m_Frames = 9;
    runner.Start();
    EXPECT_EQ(runner.m_Stopped, 1);
    EXPECT_EQ(runner.m_Frames, 9);
}
