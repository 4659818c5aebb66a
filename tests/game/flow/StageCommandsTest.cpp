#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "data/Flow.h"
#include "data/ProjectData.h"
#include "data/WorldMap.h"
#include "game/flow/CommandDispatch.h"
#include "game/data/Tenths.h"
#include "game/flow/StageCommands.h"
#include "tests/game/flow/FlowCommands.h"
#include "tests/game/flow/FlowFixture.h"

namespace {

enum { kStageClear = 17, kGameWait = 18, kMessage = 19, kSetTarget = 21 };

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
    EXPECT_EQ(INT_MAX / 6 * 6, TenthsToFrames(INT_MAX / 6));
    EXPECT_EQ(INT_MAX, TenthsToFrames(INT64_MAX));  // an effect's summed frames
}

TEST(StageCommands, GameWaitShowsItsMarkerWhileItHolds) {
    StageFixture f;
    std::vector<size_t> shown;
    f.host.painter = [&](cPlayScene& scene, int, int, int, int) {
        shown.push_back(scene.m_TextObjs.size());
        if (!scene.m_TextObjs.empty()) {
            EXPECT_EQ(cTextObj::eMarker, scene.m_TextObjs.back().m_Kind);
        }
    };
    f.Run(kGameWait, {1});
    EXPECT_EQ(std::vector<size_t>(7, 1), shown);
    EXPECT_TRUE(f.scene.m_TextObjs.empty());
}

// Message parameters: position, X, Y, offset X, offset Y, keep on screen, display mode, tenths,
// pause.
TEST(StageCommands, MessageWaitsByItsModeAndPause) {
    struct Case {
        int32_t mode, pause, waitFlag;
        int paints;            // passes of the wait drawn before it ended
        size_t advanceSounds;  // system sound 11
        size_t left;           // windows still shown afterwards
    } cases[] = {
        {0, 1, 0, 10, 1, 0},  // the start delay, then the key
        {0, 1, 1, 0, 0, 0},   // a message of the same run was waiting: no delay, no sound
        {2, 1, 0, 7, 0, 0},   // a tenth of a second, counted by the window too
        {0, 0, 0, 0, 0, 1},   // without pause the window stays while play goes on
        {2, 0, 0, 0, 0, 1},
        {1, 1, 0, 0, 0, 1},   // shown until the stage ends: never holds the game
    };
    for (const Case& c : cases) {
        StageFixture f;
        f.owner.m_Number = 4;
        f.host.waitButtons.assign(20, 0);
        f.host.waitButtons[c.waitFlag ? 0 : 10] = 1;
        cFlowRunner runner;
        runner.m_MessageWait = c.waitFlag;
        f.scene.m_Flow.m_Runner = &runner;
        f.command = FlowCommand(kMessage, 0, 0, {2, 0, 0, 0, 0, 0, c.mode, 1, c.pause});
        f.command.m_Text = "やあ";
        FlowCommandTable[kMessage](f.owner, f.entry);
        f.scene.m_Flow.m_Runner = nullptr;
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " pause " << c.pause << " wait " << c.waitFlag);
        EXPECT_EQ(c.paints, f.host.paints);
        EXPECT_EQ(c.advanceSounds, static_cast<size_t>(std::count(f.host.sounds.begin(), f.host.sounds.end(), 11)));
        ASSERT_EQ(c.left, f.scene.m_Messages.size());
        if (c.left) {
            const cTextObj& window = f.scene.m_Messages.back();
            EXPECT_EQ("やあ", window.m_Text);
            EXPECT_EQ(4, window.m_CharaNumber) << "below the owner";
            EXPECT_EQ(c.mode, window.m_TimeMode);
        }
    }
}

TEST(StageCommands, MessageFollowsTheOwnerThePlayerOrNobody) {
    struct Case {
        int32_t position, number;
    } cases[] = {{0, -1}, {1, 4}, {3, 4}, {4, 9}, {6, 9}, {7, -1}, {8, -1}};
    for (const Case& c : cases) {
        StageFixture f;
        f.owner.m_Number = 4;
        f.Player().m_Number = 9;
        f.Run(kMessage, {c.position, 2, 3, 5, 6, 1, 1, 0, 0});
        ASSERT_EQ(1u, f.scene.m_Messages.size());
        const cTextObj& window = f.scene.m_Messages.back();
        EXPECT_EQ(c.number, window.m_CharaNumber) << c.position;
        EXPECT_EQ(2, window.m_Column);
        EXPECT_EQ(3, window.m_Row);
        EXPECT_EQ(5, window.m_OffsetX);
        EXPECT_EQ(6, window.m_OffsetY);
        EXPECT_EQ(1, window.m_KeepOnScreen);
    }
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

TEST(StageCommands, ARetargetedOwnerKeepsItsNewTargetWhenTheOldOneIsDefeated) {
    StageFixture f;
    f.Run(kSetTarget, {0});
    ASSERT_EQ(&f.scene.m_Players[0], f.owner.m_Flow.m_Target);
    f.scene.Defeat(f.target);
    EXPECT_EQ(&f.scene.m_Players[0], f.owner.m_Flow.m_Target);
    f.owner.m_Flow.m_Target = &f.target;
    f.scene.m_Charas.push_back(f.owner);
    f.scene.Defeat(f.target);
    EXPECT_EQ(nullptr, f.scene.m_Charas.back().m_Flow.m_Target) << "a character still aiming at it loses it";
}

}  // namespace
