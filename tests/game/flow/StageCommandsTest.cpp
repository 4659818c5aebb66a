#include <gtest/gtest.h>

#include <vector>

#include "data/Flow.h"
#include "data/ProjectData.h"
#include "data/WorldMap.h"
#include "game/flow/CommandDispatch.h"
#include "game/flow/StageCommands.h"
#include "tests/game/flow/FlowCommands.h"
#include "tests/game/flow/FlowFixture.h"

namespace {

enum { kStageClear = 17, kGameWait = 18, kSetTarget = 21 };

struct StageFixture : cFlowFixture {
    cRestoreOnExit<cWorldMap> savedMap{ProjectWorldMap()};
    cHeadlessHost host;
    cFlowCmd command;
    cFlowCmdEntry entry;

    StageFixture() {
        scene.SetHost(&host);
        entry.m_Cmd = &command;
    }
    void Run(int type, std::vector<int32_t> params) {
        command = FlowCommand(type, 0, 0, params);
        FlowCommandTable[type](owner, entry);
    }
};

TEST(StageCommands, StageClearSetsTheNextStageAndEndsPlay) {
    struct Case {
        std::vector<int32_t> params;
        int32_t nextStage, worldX, worldY;
    } cases[] = {
        {{0, 9, 0, 0, 0}, 4, 1, 1},
        {{1, 9, 0, 0, 0}, 9, 1, 1},
        {{2, 9, 0, 0, 0}, 0, 1, 1},
        {{0, 0, 1, 3, 2}, 4, 3, 2},
        {{0, 0, 1, 50, -5}, 4, 4, 0},  // kept inside the 5 x 3 world
    };
    for (const Case& c : cases) {
        StageFixture f;
        StoryState().m_StageNumber = 3;
        StoryState().m_WorldX = StoryState().m_WorldY = 1;
        ProjectWorldMap().m_Width = 5;
        ProjectWorldMap().m_Height = 3;
        f.Run(kStageClear, c.params);
        EXPECT_EQ(1, f.scene.m_ExecResult);
        EXPECT_EQ(c.nextStage, f.scene.m_NextStage);
        EXPECT_EQ(c.worldX, StoryState().m_WorldX);
        EXPECT_EQ(c.worldY, StoryState().m_WorldY);
    }
}

TEST(StageCommands, StageClearLeavesThePositionOfAnEmptyWorld) {
    StageFixture f;
    StoryState().m_WorldX = 7;
    ProjectWorldMap().m_Width = ProjectWorldMap().m_Height = 0;
    f.Run(kStageClear, {0, 0, 1, 3, 2});
    EXPECT_EQ(7, StoryState().m_WorldX);
}

TEST(StageCommands, GameWaitHoldsTheGameForItsFrames) {
    struct Case {
        int32_t tenths;
        int paints;
    } cases[] = {{0, 1}, {5, 31}, {-3, 1}};
    for (const Case& c : cases) {
        StageFixture f;
        f.Run(kGameWait, {c.tenths});
        EXPECT_EQ(c.paints, f.host.paints) << c.tenths;
        EXPECT_EQ(1, f.scene.m_Wait.m_Done);
    }
    EXPECT_EQ(INT_MAX, TenthsToFrames(INT_MAX));
    EXPECT_EQ(0, TenthsToFrames(INT_MIN));
}

TEST(StageCommands, TargetKinds) {
    struct Case {
        std::vector<int32_t> params;
        int expected;  // 0 none, 1 player, 2 owner, 3 nearer, 4 farther
    } cases[] = {
        {{0}, 1},
        {{1}, 2},
        {{2, 1, 1, 1, 0, 0, 0, 0, 0}, 3},
        {{2, 1, 1, 0, 0, 0, 0, 0, 0}, 2},  // the owner itself is nearest unless excluded
        {{3, 1, 1, 1, 0, 0, 0, 0, 0}, 4},  // the first of the faction's list
        {{3, 1, 1, 1, 0, 0, 0, 1, 9}, 3},
        {{3, 1, 1, 1, 0, 0, 0, 1, 77}, 0},  // no character has the ID
        {{2, 40, 1, 1, 0, 0, 0, 0, 0}, 0},  // a faction outside the lists
    };
    for (const Case& c : cases) {
        StageFixture f;
        cCharaActor nearer, farther;
        for (cCharaActor* who : {&f.owner, &nearer, &farther}) {
            who->m_Present = 1;
            who->m_DrawWidth = who->m_DrawHeight = 32;
        }
        f.owner.m_Number = 1;
        nearer.m_Number = 2;
        farther.m_Number = 3;
        f.owner.m_ScreenRect = cRect{100, 100, 132, 132};
        nearer.m_ScreenRect = cRect{150, 100, 182, 132};
        farther.m_ScreenRect = cRect{400, 100, 432, 132};
        nearer.m_Chara.m_CharaId = 9;
        farther.m_Chara.m_CharaId = 8;
        f.scene.m_CharaGroups[1] = {&farther, &f.owner, &nearer};
        f.owner.m_Flow.m_Target = &f.target;
        f.Run(kSetTarget, c.params);
        cActor* const expected[] = {nullptr, &f.scene.m_Players[0], &f.owner, &nearer, &farther};
        EXPECT_EQ(expected[c.expected], f.owner.m_Flow.m_Target) << c.params[0] << " " << c.expected;
        f.scene.m_CharaGroups[1].clear();
    }
}

}  // namespace
