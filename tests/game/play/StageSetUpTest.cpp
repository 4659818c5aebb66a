#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "data/ProjectData.h"
#include "data/SystemData.h"
#include "framework/ErrorLog.h"
#include "game/play/PlayScene.h"
#include "tests/game/play/PlayStateFixture.h"
#include "tests/support/TempDir.h"

class StageSetUp : public PlayStateFixture {
protected:
    StageSetUp() : m_SavedTargets(ProjectSystemData().m_StockTargets) {}
    ~StageSetUp() override { ProjectSystemData().m_StockTargets = m_SavedTargets; }

    cSystemList<uint8_t> m_SavedTargets;
};

// The set-up tells its progress in the trace log, step by step.
TEST_F(StageSetUp, TheTraceLogFollowsTheSteps) {
    cTempDir dir;
    ASSERT_EQ(1, OpenReport("Trace.txt"));
    cEdStage stage = Stage();
    stage.PutCharaAt(4, 1, Enemy());
    cEdItem item;
    item.m_Graphic = 3;
    stage.m_Items.Put(stage.CellIndex(6, 1), item);
    cPlayScene scene;
    Start(scene, stage);
    ASSERT_EQ(1u, scene.m_Charas.size());

    std::istringstream log(dir.Read("Trace.txt"));
    std::vector<std::string> lines;
    for (std::string line; std::getline(log, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    const std::vector<std::string> steps = {"In SetStage", "A", "B", "10", "11", "12", "C", "D", "Out SetStage"};
    size_t at = 0;
    for (const std::string& line : lines)
        if (at < steps.size() && line == steps[at]) ++at;
    EXPECT_EQ(steps.size(), at) << "missing from \"" << (at < steps.size() ? steps[at] : "") << "\" on";
}

// A stage that takes the stock's values gets the player's hit points and its own time limit
// from there; one that does not keeps its own.
TEST_F(StageSetUp, TheStockCarriesOverOnlyIntoAStageThatTakesIt) {
    cSystemData& system = ProjectSystemData();
    system.m_StockTargets.assign(cSystemData::kStockTargets, 0);
    system.m_StockTargets[10] = 1;  // hit points
    system.m_StockTargets[19] = 1;  // time left
    cEdChara carried;
    carried.m_Graphic = 1;
    StoryState().StoreStock(0, carried, 7, 0, 0, 45, 2, 0);
    for (int takes : {0, 1}) {
        SCOPED_TRACE(takes);
        cEdStage stage = Stage();
        stage.m_UseTimeLimit = 1;
        stage.m_TimeLimit = 200;
        stage.m_StatusFromStock = takes;
        cPlayScene scene;
        Start(scene, stage);
        ASSERT_EQ(1u, scene.m_Players.size());
        cEdStage fresh = Stage();
        cPlayerActor own;
        own.Setup(0, fresh.m_Charas.begin()->second, 0, 0);
        EXPECT_EQ(takes ? 7 : own.m_Hp, scene.m_Players[0].m_Hp);
        EXPECT_EQ(takes ? 45 : 200, scene.m_TimeLeft);
    }
}

// The player starts centred on its cell: placed on the ground, at the stage's level or any
// other, it lands on it and stands there (it used to start in the ground, touching it on both
// sides, and was crushed at once).
TEST_F(StageSetUp, APlayerPlacedOnTheGroundStandsOnIt) {
    for (int level : {1, 10}) {
        SCOPED_TRACE(level);
        cEdStage stage = Stage();
        stage.SetSpeedLevel(level);
        cEdBlock ground = Block(1);
        ground.m_BlockType = 1;
        for (int x = 0; x < stage.m_Width; ++x) stage.m_Blocks.Put(stage.CellIndex(x, 2), ground);
        cPlayScene scene;
        Start(scene, stage);
        RunToPlay(scene);
        for (int i = 0; i < 30; ++i) scene.StepFrame(0, 0);
        ASSERT_EQ(ePlayRun, scene.State());
        const cPlayerActor& player = scene.m_Players[0];
        EXPECT_EQ(0, player.m_Dead);
        EXPECT_EQ((1 + 10) * 32 + 8, static_cast<int>(player.m_X)) << "centred on its column";
        EXPECT_EQ((2 + 10) * 32 - 1, static_cast<int>(player.m_Y) + player.m_Height - 1) << "on the ground";
    }
}
