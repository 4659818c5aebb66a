#include <gtest/gtest.h>

#include <algorithm>

#include "data/FlowCommand.h"
#include "game/flow/PlayFlowRuntime.h"
#include "tests/game/play/PlayStateFixture.h"

// The player is moved only by its flows, run by the game's flow runtime: a flow keyed to the
// right arrow whose movement lasts a tenth of a second, held through the play scene's frames,
// walks it to the right; let go, it stays. (A movement of no time runs as its flow starts, before
// the player's step sets its speed afresh, so it moves nothing.) A stage character's flow that
// always runs walks it and makes it jump from the ground it stands on.
class PlayerKeyFlow : public PlayStateFixture {
protected:
    PlayerKeyFlow() : m_PreviousRuntime(SetFlowRuntime(&PlayFlowRuntime())) {}
    ~PlayerKeyFlow() override { SetFlowRuntime(m_PreviousRuntime); }

    cFlowRuntime* m_PreviousRuntime;
};

TEST_F(PlayerKeyFlow, ARightKeyFlowWalksThePlayerThroughThePlayScene) {
    cEdStage stage = Stage();
    stage.SetSpeedLevel(1);
    cEdBlock floor = Block(1);
    floor.m_BlockType = 1;
    for (int x = 0; x < 20; ++x) stage.m_Blocks.Put(stage.CellIndex(x, 3), floor);
    cEdChara player;
    player.m_Graphic = 1;
    player.m_Control = 0;
    cFlowCmd walk;
    walk.m_CmdType = 2;  // straight movement
    walk.m_Move = cEdMove::Create();
    walk.m_Move->m_Dir = 3;  // right
    walk.m_Move->m_Speed = 30;
    walk.m_Time = 1;  // tenths of a second
    cFlow flow;
    flow.m_Trigger = 0;
    flow.m_KeyRepeat = 1;
    cKeyCond held;
    held.m_PressOpen = 1;
    held.m_KeyStates[eKeyRight] = 1;
    flow.m_KeyConds.push_back(held);
    flow.m_Commands.push_back(walk);
    player.m_Flows.push_back(flow);
    stage.PutCharaAt(1, 1, player);
    cPlayScene scene;
    Start(scene, stage);
    RunToPlay(scene);
    ASSERT_EQ(ePlayRun, scene.State());
    for (int i = 0; i < 30; ++i) scene.StepFrame(0, 0);
    const double resting = scene.m_Players[0].m_X;
    for (int i = 0; i < 30; ++i) scene.StepFrame(2, 0);
    const double walked = scene.m_Players[0].m_X;
    EXPECT_GT(walked, resting + 30) << "30 frames at 3 dots a frame";
    for (int i = 0; i < 30; ++i) scene.StepFrame(0, 0);
    EXPECT_DOUBLE_EQ(walked, scene.m_Players[0].m_X);
}

TEST_F(PlayerKeyFlow, AStageCharactersFlowWalksItAndJumpsItFromTheGround) {
    // The hit-check levels of one sub-step a frame and of the factory stage's ten.
    for (int level : {1, 10}) {
        SCOPED_TRACE(level);
        cEdStage stage = Stage();
        stage.SetSpeedLevel(level);
        cEdBlock floor = Block(1);
        floor.m_BlockType = 1;
        for (int x = 0; x < 20; ++x) stage.m_Blocks.Put(stage.CellIndex(x, 10), floor);
        cFlowCmd walk;
        walk.m_CmdType = 2;  // straight movement, half a second to the left at a dot a frame
        walk.m_Move = cEdMove::Create();
        walk.m_Move->m_Dir = 2;
        walk.m_Move->m_Speed = 10;
        walk.m_Time = 5;
        cFlowCmd jump;
        jump.m_CmdType = 10;  // 7 hbl high, run beside the next commands
        jump.m_Parallel = 1;
        jump.m_Params = {0, 100, 7, 0, 4};
        cFlow flow;
        flow.m_Trigger = 0;
        flow.m_Commands = {walk, jump};
        cEdChara chara = Enemy();
        chara.m_Flows.push_back(flow);
        stage.PutCharaAt(10, 9, chara);
        cPlayScene scene;
        Start(scene, stage);
        RunToPlay(scene);
        ASSERT_EQ(ePlayRun, scene.State());
        ASSERT_EQ(1u, scene.m_Charas.size());
        const cCharaActor& actor = *scene.m_Charas.begin();
        const double startX = actor.m_X, groundY = actor.m_Y;
        double highest = groundY;
        for (int i = 0; i < 120; ++i) {
            scene.StepFrame(0, 0);
            highest = std::min(highest, actor.m_Y);
        }
        EXPECT_LT(actor.m_X, startX - 30) << "it walks left";
        EXPECT_LT(highest, groundY - 32) << "it jumps higher than a block";
    }
}
