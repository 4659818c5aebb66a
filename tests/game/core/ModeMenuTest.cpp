#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "data/CommonPalette.h"
#include "data/ProjectData.h"
#include "data/Stage.h"
#include "framework/ErrorLog.h"
#include "game/core/GameModes.h"
#include "game/core/Input.h"
#include "game/core/MenuScreen.h"
#include "game/core/ModeMenuScene.h"
#include "game/core/SceneManager.h"
#include "game/data/ReplayData.h"
#include "game/data/StageLoad.h"
#include "game/data/StorySave.h"
#include "tests/game/core/GameProgram.h"
#include "tests/support/BoxAnswers.h"
#include "tests/support/CloseCounter.h"
#include "tests/support/TempDir.h"
#include "tests/game/core/MenuKeys.h"

namespace {

// The title menu run headless (no display: nothing is drawn and the fades end at once), with
// the project's menu, world map and start values of each test, and everything it touches
// given back afterwards.
class ModeMenu : public testing::Test {
protected:
    ModeMenu()
        : m_System(ProjectSystemData()), m_Map(ProjectWorldMap()), m_Story(StoryState()), m_Slots(StorySlots()) {}
    void SetUp() override {
        cSystemData& system = ProjectSystemData();
        system.m_InitialLives.At(ePlayStory) = 7;
        system.m_InitialLives.At(ePlayFree) = 42;
        system.m_WorldCount = 3;
        system.m_RankingSettings.At(ePlayChallenge).m_On = 1;
        system.m_RankingSettings.At(ePlayStory).m_On = 0;
        ProjectWorldMap().m_Width = 20;
        ProjectWorldMap().m_Height = 15;
        ProjectWorldMap().m_StartX = 3;
        ProjectWorldMap().m_StartY = 4;
        SetMainWindow(m_Main.Wnd());
        InstallModeMenu();
    }
    void TearDown() override {
        cSceneManager& m = SceneManager();
        m.DeleteScenes();
        for (int id = 0; id < kSceneTypes; ++id) m.SetCreator(id, nullptr);
        m.m_nScene = m.m_nNextScene = m.m_nPrevScene = m.m_nGameMode = m.m_nPlayKind = m.m_bRankingOn = 0;
        GetPlayerInput(0) = cInput();
        ResetMenuCursor();
        SetMainWindow(nullptr);
        ProjectSystemData() = m_System;
        ProjectWorldMap() = m_Map;
        StoryState() = m_Story;
        StorySlots() = m_Slots;
    }

    void Hide(const std::vector<int>& modes) {
        for (int mode : modes) ProjectSystemData().m_TitleMenu.At(mode).m_Shown = 0;
    }
    void Frame(int direction, int buttons) {
        cSceneManager& m = SceneManager();
        cInput& in = GetPlayerInput(0);
        in.m_wDirection = static_cast<int16_t>(direction);
        in.m_wButtons = static_cast<int16_t>(buttons);
        m.Switch(m.m_nScene);
        m.RunScene();
    }
    // Each key for one frame and let go the next; then two idle frames for a fade-out to end.
    // A menu not yet made first gets its first frame (Init and the fade-in).
    void Press(const std::vector<cKey>& keys) {
        if (!Menu()) Frame(0, 0);
        for (const cKey& k : keys) {
            Frame(k.direction, k.buttons);
            Frame(0, 0);
        }
        Frame(0, 0);
        Frame(0, 0);
    }
    cModeMenuScene* Menu() { return static_cast<cModeMenuScene*>(SceneManager().Scene(eSceneModeMenu)); }

    cCloseCounter m_Main;
    cSystemData m_System;
    cWorldMap m_Map;
    cStorySave m_Story;
    cRecordVector<cStorySlotHeader> m_Slots;
};

TEST_F(ModeMenu, ListsTheShownModesOrANewStoryAlone) {
    struct {
        const char* name;
        std::vector<int> hidden;
        int lastMode;
        std::vector<int> listed;
        int row;
    } cases[] = {
        {"all shown", {}, eModeOption, {0, 1, 2, 3, 4, 5, 6}, 5},
        {"some hidden", {1, 4}, eModeChallenge, {0, 2, 3, 5, 6}, 1},
        {"the last mode hidden: row 0", {5}, eModeOption, {0, 1, 2, 3, 4, 6}, 0},
        {"every mode hidden: a new story alone", {0, 1, 2, 3, 4, 5, 6}, eModeQuit, {eModeNewStory}, 0},
    };
    for (const auto& c : cases) {
        cSystemData system = m_System;
        for (int mode : c.hidden) system.m_TitleMenu.At(mode).m_Shown = 0;
        std::vector<int> listed = ListedModes(system);
        EXPECT_EQ(c.listed, listed) << c.name;
        EXPECT_EQ(c.row, RowOfMode(listed, c.lastMode)) << c.name;
    }
}

TEST_F(ModeMenu, TheMenuBoxFitsTheLongestCaption) {
    cSystemData& system = ProjectSystemData();
    system.m_TitleMenu.At(0).m_Text = "ab";
    system.m_TitleMenu.At(6).m_Text = "しゅうりょう";  // six double-byte characters count six
    SIZE size = ModeMenuSize(system, {0, 6});
    EXPECT_EQ(6 * 32 + 34, size.cx);
    EXPECT_EQ(2 * 32 + 2, size.cy);
    size = ModeMenuSize(system, {0});
    EXPECT_EQ(2 * 32 + 34, size.cx);
    EXPECT_EQ(34, size.cy);
}

TEST_F(ModeMenu, KeysChooseAModeAndItsScene) {
    struct {
        const char* name;
        std::vector<int> hidden;
        int lastMode;
        std::vector<cKey> keys;
        int scene;      // the scene that runs afterwards
        int state;      // the menu's state when it stays
        int gameMode;
        int playKind;
        int closes;
    } cases[] = {
        {"decide starts a new story", {}, 0, {{0, kDecide}}, eSceneWorldMap, -1, eModeNewStory, ePlayStory, 0},
        {"down twice: the challenge", {}, 0, {{D, 0}, {D, 0}, {0, kDecide}}, eSceneChallenge, -1, eModeChallenge,
         ePlayChallenge, 0},
        {"up wraps round to quit", {}, 0, {{U, 0}, {0, kDecide}}, eSceneModeMenu, 1, eModeQuit, 0, 1},
        {"a stage file not chosen: the menu stays", {}, 0, {{D, 0}, {D, 0}, {D, 0}, {0, kDecide}}, eSceneModeMenu, 1,
         eModeStageFile, ePlayFree, 0},
        {"a replay not chosen: the menu stays", {}, eModeReplay, {{0, kDecide}}, eSceneModeMenu, 1, eModeReplay,
         ePlayReplay, 0},
        {"the options from the last chosen row", {}, eModeOption, {{0, kDecide}}, eSceneOption, -1, eModeOption, 0, 0},
        {"cancel does nothing", {}, 0, {{0, kCancel}}, eSceneModeMenu, 1, 0, 0, 0},
        {"hidden modes are skipped", {1, 2}, 0, {{D, 0}, {0, kDecide}}, eSceneModeMenu, 1, eModeStageFile, ePlayFree,
         0},
        {"the last mode hidden: the cursor starts on row 0", {5}, eModeOption, {{0, kDecide}}, eSceneWorldMap, -1,
         eModeNewStory, ePlayStory, 0},
        {"every mode hidden: down stays on the new story", {0, 1, 2, 3, 4, 5, 6}, eModeQuit, {{D, 0}, {0, kDecide}},
         eSceneWorldMap, -1, eModeNewStory, ePlayStory, 0},
    };
    for (const auto& c : cases) {
        SetUp();
        Hide(c.hidden);
        SceneManager().m_nGameMode = c.lastMode;
        int closesBefore = m_Main.Closes();
        Press(c.keys);
        cSceneManager& m = SceneManager();
        EXPECT_EQ(c.scene, m.m_nScene) << c.name;
        if (c.state >= 0) {
            EXPECT_TRUE(Menu() && c.state == Menu()->State()) << c.name;
        } else {
            EXPECT_EQ(eSceneModeMenu, m.m_nPrevScene) << c.name;
        }
        EXPECT_EQ(c.gameMode, m.m_nGameMode) << c.name;
        EXPECT_EQ(c.playKind, m.m_nPlayKind) << c.name;
        EXPECT_EQ(c.closes, m_Main.Closes() - closesBefore) << c.name;
        TearDown();
    }
}

TEST_F(ModeMenu, ANewStoryStandsOnTheWorldMapStart) {
    StoryState().m_Score = 99;
    StoryState().m_WorldX = 11;
    Press({{0, kDecide}});
    const cStorySave& story = StoryState();
    EXPECT_EQ(0, story.m_Score);
    EXPECT_EQ(3, story.m_WorldX);
    EXPECT_EQ(4, story.m_WorldY);
    EXPECT_EQ(7, story.m_StartCount);
    EXPECT_EQ(6, story.m_Lives) << "the first life is being played";
    EXPECT_EQ(1, story.m_ChallengeIndex);
    EXPECT_EQ(1u, story.m_PlayerStock.size());
    EXPECT_EQ(0, SceneManager().m_bRankingOn);
}

TEST_F(ModeMenu, TheChallengeReadsItsRecordsOrStartsAFreshSet) {
    cTempDir dir;
    CreateDirectoryA("user_data", nullptr);
    CreateDirectoryA("user_data\\challenge", nullptr);
    // No file: one blank record per challenge stage.
    StoryState().m_ChallengeIndex = 5;
    EXPECT_FALSE(LoadChallengeState());
    EXPECT_EQ(3u, StoryState().m_Challenges.size());
    EXPECT_EQ(1, StoryState().m_ChallengeIndex);
    // A saved file comes back whole.
    StoryState().m_Challenges.At(1).m_BestScore = 1234;
    StoryState().m_ChallengeValue = 77;
    ASSERT_TRUE(StoryState().SaveFile("user_data\\challenge\\Challenge.dat"));
    StoryState().Reset();
    Press({{D, 0}, {D, 0}, {0, kDecide}});
    EXPECT_EQ(eSceneChallenge, SceneManager().m_nScene);
    EXPECT_EQ(1, SceneManager().m_bRankingOn);
    EXPECT_EQ(77, StoryState().m_ChallengeValue);
    EXPECT_EQ(1234, StoryState().m_Challenges.At(1).m_BestScore);
}

TEST_F(ModeMenu, ContinueListsTheSlotsAndLoadsAUsedOne) {
    cTempDir dir;
    CreateDirectoryA("user_data", nullptr);
    CreateDirectoryA("user_data\\story", nullptr);
    cStorySave saved;
    saved.Reset();
    saved.m_WorldX = 9;
    saved.m_WorldY = 2;
    ASSERT_TRUE(WriteStory(saved, 1));

    Press({{D, 0}, {0, kDecide}});
    ASSERT_EQ(cModeMenuScene::eStorySlots, Menu()->State());
    EXPECT_EQ(10, Menu()->SlotRows());
    // An empty slot refuses; the list stays.
    Press({{0, kDecide}});
    EXPECT_EQ(cModeMenuScene::eStorySlots, Menu()->State());
    EXPECT_EQ(eSceneModeMenu, SceneManager().m_nScene);
    // A page to the right scrolls the list; back left, down one and decide loads slot 2.
    Press({{R, 0}});
    EXPECT_EQ(9, Menu()->SlotTop());
    Press({{kKeyLeft, 0}, {D, 0}, {0, kDecide}});
    EXPECT_EQ(eSceneWorldMap, SceneManager().m_nScene);
    EXPECT_EQ(9, StoryState().m_WorldX);
    EXPECT_EQ(2, StoryState().m_WorldY);
}

TEST_F(ModeMenu, CancelInTheSlotsReturnsToTheModeRow) {
    cTempDir dir;
    Press({{D, 0}, {0, kDecide}, {D, 0}, {0, kCancel}});
    EXPECT_EQ(cModeMenuScene::eModeList, Menu()->State());
    EXPECT_EQ(1, MenuCursor().Current()->nRow);
    Press({{0, kDecide}});
    EXPECT_EQ(cModeMenuScene::eStorySlots, Menu()->State());
}

TEST_F(ModeMenu, AStartFileOpensAStageOrTheStageOfAReplayAndNothingElse) {
    cTempDir dir;
    cBoxAnswers boxes;
    struct {
        const char* path;
        bool replay;
    } kinds[] = {
        {"data\\stg4\\a.stg4_147", false}, {"user_data\\rpl4\\a.rpl4_147", true}, {"a.RPL4_100", true},
        {"rpl4_\\a.stg4_147", false},      {"noext", false},
        {"user_data\\rpl4\\a.rpl4_表", true},  // the trail byte of 表 is no folder's end
    };
    for (const auto& k : kinds) EXPECT_EQ(k.replay, IsReplayPath(k.path)) << k.path;
    // Files that are not there open nothing and leave the game mode alone.
    SceneManager().m_nGameMode = eModeStageFile;
    EXPECT_FALSE(OpenStartFile("missing.stg4_147", 0));
    EXPECT_FALSE(OpenStartFile("missing.rpl4_147", 0));
    EXPECT_EQ(eModeStageFile, SceneManager().m_nGameMode);
    EXPECT_EQ(2u, boxes.Shown().size());
    EXPECT_FALSE(OpenStartFile(std::string(400, 'a').c_str(), 0));
    EXPECT_EQ(2u, boxes.Shown().size());
}

// A replay file opened as the start file, or chosen for free play, plays the stage it holds as
// free play: it is read from the replay itself (no numbered stage file bears its name) and the
// run stays a stage file's, whatever the flag.
TEST_F(ModeMenu, AReplayFileOpensTheStageItHoldsForFreePlay) {
    cTempDir dir;
    ASSERT_TRUE(CopyGameProject());
    const cEdStage stage = ProjectStage();
    const cCommonPalette palette = ProjectCommonPalette();
    const std::string startFile = StartFile();
    const char kReplay[] = "user_data\\rpl4\\held.rpl4_147";
    cReplayData replay;
    replay.m_Seed = 5;
    replay.RecordFrame(kKeyRight, 0);
    CreateDirectoryA("user_data", nullptr);
    CreateDirectoryA("user_data\\rpl4", nullptr);
    ASSERT_TRUE(ProjectCommonPalette().LoadFile("data\\CommonPalette.cplt4"));
    ASSERT_EQ(1, LoadStageAndStart("data\\stg4\\Default.stg4", 1));
    ASSERT_TRUE(replay.SaveReplayFile(kReplay, ProjectStage()));
    for (int flag : {0, 1}) {
        SCOPED_TRACE(flag);
        ProjectStage() = cEdStage();
        SceneManager().m_nGameMode = eModeStageFile;
        SetPlayKind(ePlayFree);
        ASSERT_TRUE(OpenStartFile(kReplay, flag));
        EXPECT_EQ(kReplay, ProjectStage().m_FilePath);
        EXPECT_TRUE(ProjectStage().HasHero());
        EXPECT_EQ("user_data\\rpl4\\held.", StoryState().m_StageFile);
        EXPECT_EQ(42, StoryState().m_StartCount);
        EXPECT_EQ(eModeStageFile, SceneManager().m_nGameMode);
        EXPECT_EQ(ePlayFree, SceneManager().m_nPlayKind);
    }
    ProjectStage() = stage;
    ProjectCommonPalette() = palette;
    StartFile() = startFile;
}

}  // namespace
