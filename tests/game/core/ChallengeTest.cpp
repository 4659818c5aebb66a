#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "data/ProjectData.h"
#include "data/Stage.h"
#include "framework/ErrorLog.h"
#include "game/core/ChallengeScene.h"
#include "game/core/GameModes.h"
#include "game/data/StageLoad.h"
#include "game/data/StorySave.h"
#include "tests/game/core/MenuDriver.h"
#include "tests/support/BoxAnswers.h"
#include "tests/support/CloseCounter.h"
#include "tests/support/TempDir.h"

namespace {

const int kViewButton = kButtonDecide << 2, kKindButton = kButtonDecide << 3;

void WriteStage(const char* path) {
    cEdStage stage;
    cEdChara chara;
    chara.m_Graphic = 1;
    chara.m_Control = 0;
    stage.PutCharaAt(1, 1, chara);
    ASSERT_TRUE(stage.SaveFile(path));
}

// The challenge choice run headless with a project of 12 challenge worlds, in a folder with the
// stage folder; the project, the story, the stage and the scenes are given back afterwards.
class Challenge : public testing::Test {
protected:
    Challenge() : m_System(ProjectSystemData()), m_Story(StoryState()), m_Stage(ProjectStage()) {}
    void SetUp() override {
        CreateDirectoryA("data", nullptr);
        CreateDirectoryA("data\\stg4", nullptr);
        cSystemData& system = ProjectSystemData();
        system.m_WorldCount = 12;
        system.m_AllWorldsSelectable = 1;
        system.m_InitialLives.At(ePlayChallenge) = 33;
        system.m_RankingSettings.At(ePlayChallenge).m_Shown.assign({1, 1, 0});
        StoryState().Reset();
        StoryState().Normalize();
        SetMainWindow(m_Main.Wnd());
        InstallChallenge();
        SceneManager().m_nScene = eSceneChallenge;
        SceneManager().m_nPlayKind = ePlayChallenge;
    }
    void TearDown() override {
        ResetMenuScenes();
        SetMainWindow(nullptr);
        ProjectSystemData() = m_System;
        StoryState() = m_Story;
        ProjectStage() = m_Stage;
    }
    cChallengeScene* List() { return static_cast<cChallengeScene*>(SceneManager().Scene(eSceneChallenge)); }
    void Start(const std::vector<cKey>& keys = {}) {
        RunMenuFrame(0, 0);
        PressMenuKeys(keys);
    }

    cTempDir m_Dir;
    cCloseCounter m_Main;
    cSystemData m_System;
    cStorySave m_Story;
    cEdStage m_Stage;
};

TEST_F(Challenge, WorldsAreNamedByTheirNumber) {
    EXPECT_EQ("data\\stg4\\c07-1.stg4", ChallengeStageName(7));
    EXPECT_EQ("data\\stg4\\c12-1.stg4", ChallengeStageName(12));
}

TEST_F(Challenge, TheListShowsEveryWorldOrThoseOpened) {
    struct {
        const char* name;
        int all;
        int count;
        int opened;
        int worlds;
        int rows;
    } cases[] = {
        {"every world", 1, 12, 1, 12, 10},
        {"fewer than a page", 1, 4, 1, 4, 4},
        {"those opened", 0, 12, 3, 3, 3},
        {"no more than there are", 0, 12, 70, 12, 10},
        {"a damaged count opens none", 0, 12, -2, 0, 0},
    };
    for (const auto& c : cases) {
        ProjectSystemData().m_AllWorldsSelectable = c.all;
        ProjectSystemData().m_WorldCount = c.count;
        StoryState().m_ChallengeIndex = c.opened;
        EXPECT_EQ(c.worlds, ChallengeWorlds()) << c.name;
        Start();
        EXPECT_EQ(c.worlds, List()->Worlds()) << c.name;
        EXPECT_EQ(c.rows, List()->VisibleRows()) << c.name;
        ResetMenuScenes();
        InstallChallenge();
        SceneManager().m_nScene = eSceneChallenge;
    }
}

TEST_F(Challenge, MovingChoosesTheWorldAndScrollsTheList) {
    Start({{D, 0}});
    EXPECT_EQ("data\\stg4\\c02.", StoryState().m_StageFile);
    EXPECT_EQ(1, StoryState().m_SeriesFlag);
    // A page down shows the last ten; the list does not wrap round.
    PressMenuKeys({{kKeyRight, 0}});
    EXPECT_EQ(10, MenuCursor().Current()->nRow);
    EXPECT_EQ(2, List()->Top());
    EXPECT_EQ("data\\stg4\\c11.", StoryState().m_StageFile);
    PressMenuKeys({{kKeyLeft, 0}, {kKeyLeft, 0}, {U, 0}});
    EXPECT_EQ(0, MenuCursor().Current()->nRow);
    EXPECT_EQ(0, List()->Top());
}

TEST_F(Challenge, DecideStartsTheWorldAndTheListIsWhereItWasOnReturn) {
    WriteStage("data\\stg4\\c02-1.stg4_147");
    Start({{D, 0}, {0, kDecide}});
    cSceneManager& m = SceneManager();
    EXPECT_EQ(eScenePlay, m.m_nScene);
    EXPECT_EQ(eSceneChallenge, m.m_nPrevScene);
    const cStorySave& story = StoryState();
    EXPECT_EQ(2, story.m_StageNumber);
    EXPECT_EQ(1, story.m_StageActive);
    EXPECT_EQ(1, story.m_SeriesFlag);
    EXPECT_EQ(33, story.m_StartCount);
    EXPECT_EQ("data\\stg4\\c02.", story.m_StageFile);
    EXPECT_EQ("data\\stg4\\c02-1.stg4_147", CurrentStagePath());
    // Back from play: a new list stands on the world started.
    m.m_nScene = eSceneChallenge;
    Start();
    EXPECT_EQ(1, MenuCursor().Current()->nRow);
    EXPECT_EQ(cChallengeScene::eList, List()->State());
}

TEST_F(Challenge, AWorldWithoutItsStageFileSaysSoAndTheListStays) {
    cBoxAnswers boxes;
    Start({{0, kDecide}});
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("ステージファイル data\\stg4\\c01-1.stg4 が読み込めません！", boxes.Shown()[0].text);
    EXPECT_EQ(eSceneChallenge, SceneManager().m_nScene);
    EXPECT_EQ(cChallengeScene::eList, List()->State());
    EXPECT_EQ(0, m_Main.Closes());
}

TEST_F(Challenge, CancelGoesBackToTheTitleAndTheRankingButtonsWork) {
    SceneManager().m_bRankingOn = 1;
    ProjectSystemData().m_RankingSettings.At(ePlayChallenge).m_On = 1;
    Start({{0, kViewButton}});
    EXPECT_EQ(1, StoryState().m_MapSceneValue);
    PressMenuKeys({{0, kKindButton}});
    EXPECT_EQ(1, StoryState().m_ShownRankKind);
    PressMenuKeys({{0, kKindButton}});
    EXPECT_EQ(0, StoryState().m_ShownRankKind);
    PressMenuKeys({{0, kCancel}});
    EXPECT_EQ(eSceneModeMenu, SceneManager().m_nScene);
}

}  // namespace
