#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "data/ProjectData.h"
#include "framework/ErrorLog.h"
#include "game/core/GameModes.h"
#include "game/data/StorySave.h"
#include "game/play/PlayScene.h"
#include "tests/game/play/PlayStateFixture.h"
#include "tests/support/RestoreOnExit.h"
#include "tests/support/TempDir.h"

namespace {

const int16_t kButton1 = 1;
const int16_t kButton2 = 2;
const int kStageFileMode = 3;
const int kReplayMode = 4;

}  // namespace

class PlayStates : public PlayStateFixture {
protected:
    // Opens the pause menu with its key as a person does (pressed, let go), moves its cursor
    // once in the direction (0: not at all) and decides with button 1.
    void ChooseFromPauseMenu(cPlayScene& scene, int16_t move) {
        m_Host.keysHeld = {VK_SPACE};
        scene.StepFrame(0, 0);
        m_Host.keysHeld.clear();
        scene.StepFrame(0, 0);
        scene.StepFrame(move, 0);
        scene.StepFrame(0, 0);
        scene.StepFrame(0, kButton1);
    }
};

TEST_F(PlayStates, TheBannerShowsForEightyFramesOrNotAtAll) {
    for (int banner : {1, 0}) {
        SCOPED_TRACE(banner);
        cEdStage stage = Stage();
        stage.m_ShowStageInfo = banner;
        cPlayScene scene;
        Start(scene, stage);
        // The first frame ran Init and the fade-in's first frame.
        EXPECT_EQ(ePlayFadeIn, scene.State());
        EXPECT_EQ(cPlayScene::kFadeFrames - 1 + (banner ? cPlayScene::kBannerFrames : 1), RunToPlay(scene));
        EXPECT_EQ(0, scene.m_Counter);
    }
}

// Time left drops once per 60 frames of play; a stage without a limit shows 999 and keeps it;
// time 0 kills the player though nothing touches it.
TEST_F(PlayStates, TimeCountsDownPerSixtyFramesOfPlay) {
    const struct {
        int useLimit, limit, frames, timeLeft, dead;
    } cases[] = {{1, 100, 59, 100, 0}, {1, 100, 60, 99, 0}, {1, 100, 600, 90, 0}, {0, 100, 600, 999, 0},
                 {1, 2, 119, 1, 0},    {1, 2, 120, 0, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.useLimit << " " << c.limit << " " << c.frames);
        cEdStage stage = Stage();
        stage.m_UseTimeLimit = c.useLimit;
        stage.m_TimeLimit = c.limit;
        cPlayScene scene;
        Start(scene, stage);
        RunToPlay(scene);
        for (int i = 0; i < c.frames; ++i) scene.StepFrame(0, 0);
        EXPECT_EQ(c.timeLeft, scene.m_TimeLeft);
        EXPECT_EQ(c.dead, scene.m_Players[0].m_Dead);
        EXPECT_EQ(c.frames * 100 / 60, scene.m_Elapsed);
    }
}

TEST_F(PlayStates, ElapsedTimeStopsAtItsLargestValue) {
    cPlayScene scene;
    Start(scene, Stage());
    RunToPlay(scene);
    scene.m_Frames = INT32_MAX - 1;
    scene.StepFrame(0, 0);
    scene.StepFrame(0, 0);
    EXPECT_EQ(INT32_MAX, scene.m_Frames);
    EXPECT_EQ(599999, scene.m_Elapsed);
}

// Space pauses; button 2 resumes, and a button still held then does not act in play until every
// button has been up.
TEST_F(PlayStates, ResumingIgnoresButtonsUntilReleased) {
    cPlayScene scene;
    Start(scene, Stage());
    RunToPlay(scene);
    m_Host.keysHeld = {VK_SPACE};
    scene.StepFrame(0, 0);
    EXPECT_EQ(ePlayPause, scene.State());
    EXPECT_EQ(std::vector<int>{4}, m_Host.sounds);
    m_Host.keysHeld.clear();
    scene.StepFrame(0, 0);
    EXPECT_EQ(ePlayPause, scene.State());
    EXPECT_EQ(1, scene.m_MenuCursor);
    scene.StepFrame(0, kButton2 | kButton1 << 2);
    EXPECT_EQ(ePlayRun, scene.State());
    EXPECT_EQ(1, scene.m_ButtonSuppress);
    scene.StepFrame(0, 4);
    EXPECT_EQ(0, GetPlayerInput(0).m_wButtons);
    scene.StepFrame(0, 0);
    scene.StepFrame(0, 4);
    EXPECT_EQ(4, GetPlayerInput(0).m_wButtons);
    EXPECT_EQ(0, scene.m_ButtonSuppress);
}

// The pause menu's quit entry by mode: a game started with a stage file ends; other modes go
// back to the mode menu. Stage-file mode has a third entry, retry.
TEST_F(PlayStates, PauseMenuEntriesByMode) {
    const struct {
        int mode;
        bool withFile;
        int16_t move;  // direction pressed before deciding
        int state, returnScene, closes;
    } cases[] = {
        {kStageFileMode, true, kKeyUp, ePlayFadeOut, eSceneModeMenu, 1},
        {kStageFileMode, false, kKeyUp, ePlayFadeOut, eSceneModeMenu, 0},
        {kStageFileMode, false, kKeyDown, ePlayIntro, -1, 0},  // retry
        {kStageFileMode, false, 0, ePlayRun, -1, 0},           // resume
        {0, false, kKeyUp, ePlayFadeOut, eSceneModeMenu, 0},
        {0, false, kKeyDown, ePlayFadeOut, eSceneModeMenu, 0},  // two entries: down wraps to quit
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.mode << " " << c.withFile << " " << c.move);
        SceneManager().m_nGameMode = c.mode;
        m_Host = cHeadlessHost();
        m_Host.startedWithFile = c.withFile;
        cPlayScene scene;
        Start(scene, Stage());
        RunToPlay(scene);
        ChooseFromPauseMenu(scene, c.move);
        EXPECT_EQ(c.state, scene.State());
        if (c.returnScene >= 0) {
            EXPECT_EQ(c.returnScene, scene.m_ReturnScene);
        }
        EXPECT_EQ(c.closes, m_Host.closeRequests);
    }
}

// The fade-out of free play without a series reads the stage file again, whichever scene comes
// next (here the mode menu, after quitting from the pause menu); a file that cannot be read ends
// the game. Other modes and a series read nothing.
TEST_F(PlayStates, FreePlayReadsItsFileAgainAtEveryFadeOut) {
    const struct {
        const char* name;
        int mode, series;
        bool readable;
        int reopens, closes;
    } cases[] = {
        {"free play", kStageFileMode, 0, true, 1, 0},
        {"free play, the file gone", kStageFileMode, 0, false, 1, 1},
        {"free play of a series", kStageFileMode, 1, true, 0, 0},
        {"a story", 0, 0, true, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SceneManager().m_nGameMode = c.mode;
        m_Host = cHeadlessHost();
        m_Host.reopenResult = c.readable;
        cPlayScene scene;
        Start(scene, Stage());
        RunToPlay(scene);
        StoryState().m_SeriesFlag = c.series;
        ChooseFromPauseMenu(scene, kKeyUp);
        ASSERT_EQ(ePlayFadeOut, scene.State());
        ASSERT_EQ(eSceneModeMenu, scene.m_ReturnScene);
        for (int i = 0; i < 100 && scene.State() == ePlayFadeOut; ++i) scene.StepFrame(0, 0);
        EXPECT_EQ(kSceneNotStarted, scene.State());
        EXPECT_EQ(eSceneModeMenu, SceneManager().m_nScene);
        EXPECT_EQ(c.reopens, m_Host.reopens);
        EXPECT_EQ(c.closes, m_Host.closeRequests);
    }
}

// A retry puts back the story's variables, lives, total score and music as the stage started.
TEST_F(PlayStates, RetryRestoresTheStageStart) {
    SceneManager().m_nGameMode = kStageFileMode;
    StoryState().m_StartCount = 4;
    cPlayScene scene;
    Start(scene, Stage());
    RunToPlay(scene);
    const int lives = StoryState().m_Lives;
    EXPECT_EQ(3, lives);  // the life being played is taken from the starting lives
    const std::vector<int32_t> vars(StoryState().m_Variables.begin(), StoryState().m_Variables.end());
    StoryState().m_Variables[3] = 77;
    StoryState().m_Lives = 1;
    StoryState().m_TotalScore = 500;
    scene.m_StageVars[5] = 9;
    for (int i = 0; i < 30; ++i) scene.StepFrame(0, 0);
    ChooseFromPauseMenu(scene, kKeyDown);
    ASSERT_EQ(ePlayIntro, scene.State());
    EXPECT_EQ(lives, StoryState().m_Lives);
    EXPECT_EQ(0, StoryState().m_TotalScore);
    EXPECT_EQ(vars, std::vector<int32_t>(StoryState().m_Variables.begin(), StoryState().m_Variables.end()));
    EXPECT_EQ(0, scene.m_StageVars[5]);
    EXPECT_EQ(0, scene.m_Frames);
    EXPECT_EQ(256u, scene.m_StageVars.size());
}

// A failed reload on a lost life asks the game to end and does not go on with the stage.
TEST_F(PlayStates, AFailedReloadEndsTheGame) {
    cPlayScene scene;
    Start(scene, Stage());
    RunToPlay(scene);
    StoryState().m_Lives = 2;
    m_Host.reloadResult = false;
    scene.KillPlayer(nullptr);
    for (int i = 0; i < 200 && scene.State() == ePlayRun; ++i) scene.StepFrame(0, 0);
    EXPECT_EQ(1, m_Host.closeRequests);
    EXPECT_EQ(ePlayFadeOut, scene.State());
    EXPECT_EQ(eSceneModeMenu, scene.m_ReturnScene);
}

// A lost life with lives left starts the stage again; the last one leads to game over, and
// button 1 there goes back to the mode menu. A game started with a stage file never runs out.
TEST_F(PlayStates, DeathLeadsToARestartOrGameOver) {
    const struct {
        int lives;
        bool withFile;
        int state;
    } cases[] = {{2, false, ePlayIntro}, {0, false, ePlayGameOver}, {0, true, ePlayIntro}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.lives << " " << c.withFile);
        m_Host = cHeadlessHost();
        m_Host.startedWithFile = c.withFile;
        cPlayScene scene;
        Start(scene, Stage());
        RunToPlay(scene);
        StoryState().m_Lives = c.lives;
        scene.m_ExecResult = ePlayDies;
        for (int i = 0; i < 200 && scene.State() == ePlayRun; ++i) scene.StepFrame(0, 0);
        EXPECT_EQ(c.state, scene.State());
        EXPECT_EQ(1, std::count(m_Host.sounds.begin(), m_Host.sounds.end(), 8));
        if (c.state == ePlayGameOver) {
            scene.StepFrame(0, kButton1);
            EXPECT_EQ(ePlayFadeOut, scene.State());
            EXPECT_EQ(eSceneModeMenu, scene.m_ReturnScene);
        }
    }
}

// Free play's next run, after its result, starts with the mode's lives although play follows play:
// the file read again starts the story afresh, as the game's reading does, with no lives in it.
// A death in that run then costs one life and plays on.
TEST_F(PlayStates, FreePlaysNextRunStartsWithTheModesLives) {
    class cFreshStoryHost : public cHeadlessHost {
    public:
        bool ReopenStartFile() override {
            StoryState().Reset();
            StoryState().m_StartCount = 4;
            return cHeadlessHost::ReopenStartFile();
        }
    } host;
    SceneManager().m_nGameMode = kStageFileMode;
    StoryState().m_StartCount = 4;
    cPlayScene scene;
    ProjectStage() = Stage();
    scene.SetHost(&host);
    RunToPlay(scene);
    ASSERT_EQ(3, StoryState().m_Lives);
    scene.m_ExecResult = ePlayCleared;
    scene.StepFrame(0, 0);
    ASSERT_EQ(ePlayResult, scene.State());
    for (int i = 0; i < 60; ++i) scene.StepFrame(0, 0);
    scene.StepFrame(0, kButton1);
    for (int i = 0; i < 100 && scene.State() != kSceneNotStarted; ++i) scene.StepFrame(0, 0);
    ASSERT_EQ(1, host.reopens);
    ASSERT_EQ(eScenePlay, SceneManager().m_nScene);
    ASSERT_EQ(eScenePlay, SceneManager().m_nPrevScene);

    RunToPlay(scene);
    EXPECT_EQ(3, StoryState().m_Lives) << "the next run";
    scene.m_ExecResult = ePlayDies;
    for (int i = 0; i < 200 && scene.State() == ePlayRun; ++i) scene.StepFrame(0, 0);
    EXPECT_EQ(ePlayIntro, scene.State()) << "a death with lives left";
    EXPECT_EQ(2, StoryState().m_Lives);
}

// The play's music number says what play asked for last; the world map and the challenge list
// play their own songs without touching it. A stage starts its song when that song is not the one
// playing, whatever the number says; a lost life with the song still playing leaves it be.
TEST_F(PlayStates, AStageStartsItsSongUnlessThatSongPlays) {
    const int kOtherScenes = -1;
    const struct {
        const char* what;
        int bgm, index, playing;
        std::vector<int> opened;
        int stops;
    } cases[] = {
        {"after another stage's song", 4, 3, 3, {4}, 0},
        {"after the map's song, the last stage's the same", 4, 4, kOtherScenes, {4}, 0},
        {"its song playing already", 4, 4, 4, {}, 0},
        {"silent, after the map's song", 0, 0, kOtherScenes, {}, 1},
        {"silent, in silence", 0, 0, 0, {}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        m_Host = cHeadlessHost();
        m_Host.playing = c.playing;
        StoryState().m_MusicIndex = c.index;
        cEdStage stage = Stage();
        stage.m_Bgm = c.bgm;
        cPlayScene scene;
        Start(scene, stage);
        RunToPlay(scene);
        EXPECT_EQ(c.opened, m_Host.music);
        EXPECT_EQ(c.stops, m_Host.musicStops);
        EXPECT_EQ(c.bgm, StoryState().m_MusicIndex);
        StoryState().m_Lives = 2;
        scene.KillPlayer(nullptr);
        for (int i = 0; i < 200 && scene.State() == ePlayRun; ++i) scene.StepFrame(0, 0);
        ASSERT_EQ(ePlayIntro, scene.State());
        EXPECT_EQ(c.opened, m_Host.music) << "after the lost life";
        EXPECT_EQ(c.stops, m_Host.musicStops) << "after the lost life";
    }
}

// A story that shares its lives plays each stage on with those the last one ended with, extra
// lives and lost ones alike; with the switch off, or out of the story, a stage takes its life from
// the start value.
TEST_F(PlayStates, AStoryStagesLivesAreTheStorysWhenItSharesThem) {
    cRestoreOnExit<cSystemData> system{ProjectSystemData()};
    const struct {
        int mode, shared, lives, expected;
    } cases[] = {
        {eModeNewStory, 1, 6, 6}, {eModeNewStory, 1, 2, 2}, {eModeContinue, 1, 0, 0},
        {eModeNewStory, 0, 6, 4}, {eModeContinue, 0, 2, 4}, {eModeChallenge, 1, 6, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " shared " << c.shared << " lives " << c.lives);
        SceneManager().m_nGameMode = c.mode;
        SceneManager().m_nPrevScene = eSceneWorldMap;
        ProjectSystemData().m_LivesShared = c.shared;
        StoryState().m_StartCount = 5;
        StoryState().m_Lives = c.lives;
        cPlayScene scene;
        Start(scene, Stage());
        RunToPlay(scene);
        EXPECT_EQ(c.expected, StoryState().m_Lives);
    }
}

// Stage clear from an executor: the result counts up to 200 (at once without the banner), and
// only then does button 1 leave.
TEST_F(PlayStates, ResultWaitsForItsCounterThenButtonOne) {
    for (int banner : {1, 0}) {
        SCOPED_TRACE(banner);
        cEdStage stage = Stage();
        stage.m_ShowStageClear = banner;
        cPlayScene scene;
        Start(scene, stage);
        RunToPlay(scene);
        scene.m_ExecResult = ePlayCleared;
        scene.StepFrame(0, 0);
        ASSERT_EQ(ePlayResult, scene.State());
        scene.StepFrame(0, kButton1);
        scene.StepFrame(0, 0);
        EXPECT_EQ(ePlayResult, scene.State());
        for (int i = 0; i < 60; ++i) scene.StepFrame(0, 0);
        EXPECT_EQ(200, scene.m_Counter);
        scene.StepFrame(0, kButton1);
        EXPECT_EQ(ePlayFadeOut, scene.State());
        for (int i = 0; i < cPlayScene::kFadeFrames; ++i) scene.StepFrame(0, 0);
        EXPECT_EQ(kSceneNotStarted, scene.State());
        EXPECT_EQ(eScenePlay, SceneManager().m_nPrevScene);
    }
}

// At the end of a replay the scene fades out and asks for the play scene again.
TEST_F(PlayStates, TheEndOfAReplayFadesOutToPlayAgain) {
    CurrentReplay().Clear();
    for (int i = 0; i < 5; ++i) CurrentReplay().RecordFrame(0, 0);
    SceneManager().m_nGameMode = kReplayMode;
    cPlayScene scene;
    Start(scene, Stage());
    RunToPlay(scene);
    for (int i = 0; i < 5; ++i) scene.StepFrame(0, 0);
    EXPECT_EQ(ePlayRun, scene.State());
    scene.StepFrame(0, 0);
    EXPECT_EQ(ePlayFadeOut, scene.State());
    for (int i = 0; i < cPlayScene::kFadeFrames; ++i) scene.StepFrame(0, 0);
    EXPECT_EQ(eScenePlay, SceneManager().m_nScene);
}

// Waits: 0 frames ends after one drawn pass; frames count after the 10-frame delay; a wait for a
// key ignores the button held when it began and ends on its next press.
TEST_F(PlayStates, WaitsCountFramesOrWaitForANewPress) {
    const struct {
        int mode, frames, forKey, noDelay;
        int16_t heldAtStart;
        std::vector<int16_t> buttons;
        int paints;
    } cases[] = {
        {1, 0, 0, 0, 0, {}, 1},
        {1, 5, 0, 0, 0, {}, 16},
        {1, 5, 0, 1, 0, {}, 6},
        {0, 5, 0, 0, 0, {}, 6},
        {1, 0, 1, 0, kButton1, {kButton1, kButton1, 0, kButton1}, 3},
        {1, 0, 1, 0, 0, {0, kButton1}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.mode << " " << c.frames << " " << c.forKey << " " << c.noDelay);
        m_Host = cHeadlessHost();
        m_Host.waitButtons = c.buttons;
        cPlayScene scene;
        Start(scene, Stage());
        RunToPlay(scene);
        const int paints = m_Host.paints;
        GetPlayerInput(0).m_wButtons = c.heldAtStart;
        scene.RunWait(c.mode, c.frames, c.forKey, c.noDelay);
        EXPECT_EQ(c.paints, m_Host.paints - paints);
        EXPECT_EQ(c.forKey, scene.m_ButtonSuppress);
        EXPECT_EQ(1, scene.m_Wait.m_Done);
    }
}

// Collisions are checked on the sub-steps the table marks: h spread over S, the last one always
// among them when fewer fell in; h 0 checks every sub-step.
TEST(HitCheckTable, SpreadsTheChecksOverTheSubSteps) {
    const struct {
        int subSteps, hitChecks;
        std::vector<int32_t> table;
    } cases[] = {
        {1, 0, {1}},           {1, 1, {1}},          {4, 0, {1, 1, 1, 1}},       {4, 1, {1, 0, 0, 0}},
        {4, 2, {1, 0, 1, 0}},  {4, 4, {1, 1, 1, 1}}, {5, 3, {1, 1, 0, 1, 0}},    {3, 5, {1, 1, 1}},
        {10, 3, {1, 0, 0, 1, 0, 0, 1, 0, 0, 0}},     {2, -1, {1, 1}},            {0, 2, {1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.subSteps << " " << c.hitChecks);
        EXPECT_EQ(c.table, cPlayScene::HitCheckTable(c.subSteps, c.hitChecks));
    }
}

// Automatic scroll: tenths of a dot per frame shared among the sub-steps; it stops at a camera
// limit with the at-limit flag set, and off stops it.
TEST(ScrollAxis, AutomaticScrollStopsAtALimit) {
    const struct {
        int stageCells, useMax, maxBlock, speed;
        double divisor;
        int steps;
        double pos;
        int atLimit;
    } cases[] = {
        {100, 0, 0, 100, 1.0, 3, 350, 0},   {100, 0, 0, 100, 2.0, 3, 335, 0},
        {100, 1, 30, 100, 1.0, 100, 672, 1}, {5, 0, 0, 100, 1.0, 4, 320, 1},   // narrow: the minimum wins
        {100, 0, 0, -100, 1.0, 3, 320, 1},   {100, 0, 0, 0, 1.0, 3, 320, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.stageCells << " " << c.maxBlock << " " << c.speed);
        cScroll axis;
        axis.SetUp(0, c.stageCells);
        axis.m_Divisor = c.divisor;
        axis.SetBounds(0, 0, c.useMax, c.maxBlock);
        axis.m_Pos = 320;
        EXPECT_EQ(0, axis.SetSpeed(1, c.speed));
        EXPECT_EQ(1, axis.m_Auto);
        for (int i = 0; i < c.steps; ++i) axis.Step();
        EXPECT_DOUBLE_EQ(c.pos, axis.m_Pos);
        EXPECT_EQ(c.atLimit, axis.m_AtLimit);
        axis.SetSpeed(0, c.speed);
        EXPECT_EQ(0, axis.m_Auto);
        EXPECT_EQ(0.0, axis.m_AutoSpeed);
    }
}

// Upward automatic scroll leaves a walking player below the bottom edge, which kills it; a
// flying one is only pushed up with the view. Without automatic scroll the edges do nothing.
TEST_F(PlayStates, TheBottomEdgeKillsOnlyWalkingPlayersUnderAutomaticScroll) {
    const struct {
        int autoScroll, flight, dead;
    } cases[] = {{1, 0, 1}, {1, 1, 0}, {0, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.autoScroll << " " << c.flight);
        cEdStage stage;
        stage.SetSize(20, 40);
        cEdChara player;
        player.m_Graphic = 1;
        player.m_Control = 0;
        player.m_Flight = c.flight;
        stage.PutCharaAt(1, 38, player);
        stage.m_ScrollMode[1] = c.autoScroll;
        stage.m_AutoScrollSpeed[1] = -20;
        cPlayScene scene;
        Start(scene, stage);
        RunToPlay(scene);
        const double bottom = scene.m_ScrollY.m_Pos + 480;
        for (int i = 0; i < 200 && !scene.m_Players[0].m_Dead; ++i) scene.StepFrame(0, 0);
        EXPECT_EQ(c.dead, scene.m_Players[0].m_Dead);
        if (c.autoScroll && !c.dead) {
            EXPECT_LT(scene.m_ScrollY.m_Pos + 400, bottom);
            EXPECT_DOUBLE_EQ(scene.m_ScrollY.m_Pos + 480 - scene.m_Players[0].m_Height - 1, scene.m_Players[0].m_Y);
            EXPECT_EQ(1, scene.m_Players[0].m_Contact[cActor::eContactBottom]);
        }
    }
}

// Automatic layers move by their speed once per drawn frame and wrap within the screen, so the
// tiling shows no seam; the others follow the scroll by their factor.
TEST_F(PlayStates, BackgroundLayersMoveAndWrap) {
    cEdStage stage = Stage(60, 20);
    cBackLayer automatic;
    automatic.m_ShowAtStart = 1;
    automatic.m_AutoScrollX = 1;
    automatic.m_SpeedX = 3;
    automatic.m_AutoScrollY = 1;
    automatic.m_SpeedY = -200;
    cBackLayer follower = automatic;
    follower.m_AutoScrollX = follower.m_AutoScrollY = 0;
    follower.m_SpeedX = 0.5;
    follower.m_SpeedY = 2;
    const size_t a = stage.m_BackLayers.size(), f = a + 1;  // after the stage's own layers
    stage.m_BackLayers.push_back(automatic);
    stage.m_BackLayers.push_back(follower);
    cPlayScene scene;
    Start(scene, stage);
    // One drawn frame so far (the fade-in's first).
    EXPECT_DOUBLE_EQ(637, scene.m_LayerOffsetX[a]);
    EXPECT_DOUBLE_EQ(200, scene.m_LayerOffsetY[a]);
    scene.StepFrame(0, 0);
    scene.StepFrame(0, 0);
    EXPECT_DOUBLE_EQ(631, scene.m_LayerOffsetX[a]);
    EXPECT_DOUBLE_EQ(120, scene.m_LayerOffsetY[a]);
    EXPECT_DOUBLE_EQ(0, scene.m_LayerOffsetX[f]);
    scene.m_ScrollX.m_Pos = 420.75;
    scene.m_ScrollY.m_Pos = 330;
    EXPECT_DOUBLE_EQ(420.75 + 631 - 320, scene.LayerStart(0, a));
    EXPECT_DOUBLE_EQ(330 + 120 - 320, scene.LayerStart(1, a));
    EXPECT_DOUBLE_EQ(50, scene.LayerStart(0, f));
    EXPECT_DOUBLE_EQ(20, scene.LayerStart(1, f));
}

// The player's death lasts as long as its defeat: without a defeat effect, until its 60th
// drawn frame is past; then the stage starts again.
TEST_F(PlayStates, ThePlayersDeathLastsSixtyDrawnFrames) {
    cPlayScene scene;
    Start(scene, Stage());
    RunToPlay(scene);
    StoryState().m_Lives = 2;
    scene.KillPlayer(nullptr);
    int frames = 0;
    for (; frames < 200 && scene.State() == ePlayRun; ++frames) scene.StepFrame(0, 0);
    EXPECT_EQ(61, frames);
    EXPECT_EQ(ePlayIntro, scene.State());
}

// A player that has lost the ground falls after the stage's fall threshold: six frames of its
// sub-steps, whatever its speed level. It is then in the air too.
TEST_F(PlayStates, AWalkerFallsSixFramesAfterLosingTheGround) {
    for (int level : {1, 3}) {
        SCOPED_TRACE(level);
        cEdStage stage = Stage();
        stage.SetSpeedLevel(level);
        cEdBlock floor = Block(1);
        floor.m_BlockType = 1;
        stage.m_Blocks.Put(stage.CellIndex(1, 3), floor);
        cPlayScene scene;
        Start(scene, stage);
        RunToPlay(scene);
        for (int i = 0; i < 60; ++i) scene.StepFrame(0, 0);
        const cPlayerActor& player = scene.m_Players[0];
        ASSERT_EQ(0, player.m_Falling) << "standing on the floor";
        scene.m_MapCells[scene.CellIndex(11, 13)].Put(cEdBlock());
        scene.m_Players[0].m_InAir = 0;  // the fall from the start set it; landing on a block keeps it
        // Sub-steps without ground, counted before each frame: the one that falls passes six frames'.
        int before = 0;
        for (int frames = 0; frames < 20 && !player.m_Falling; ++frames) {
            EXPECT_EQ(0, player.m_InAir);
            before = player.m_AirCounter;
            scene.StepFrame(0, 0);
        }
        ASSERT_EQ(1, player.m_Falling);
        EXPECT_GE(before, 4 * level) << "four frames' steps do not make it fall";
        EXPECT_LT(before, 6 * level);
        EXPECT_GE(player.m_AirCounter, 6 * level);
        EXPECT_EQ(1, player.m_InAir);
    }
}

// The player's screen box: where its box is at a camera limit (position less scroll, then
// truncated), at the screen's middle while the view follows it, and with the position truncated
// before the scroll is taken off under automatic scroll.
TEST_F(PlayStates, ThePlayersScreenBoxAtTheCameraLimits) {
    const struct {
        const char* name;
        int automatic;
        double x;  // the box's left in stage dots (the camera spans 320 to 1600)
        int left;
    } cases[] = {
        {"left limit", 0, 320.5, -7},
        {"right limit", 0, 1583.5, 615},
        {"middle", 0, 800.5, 304},
        {"automatic scroll, left limit", 1, 320.5, -8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cEdStage stage = Stage(40, 20);
        stage.m_Charas.Find(stage.CellIndex(1, 1))->m_Flight = 2;  // it stays where it is put
        stage.m_ScrollMode[0] = c.automatic;
        stage.m_AutoScrollSpeed[0] = 0;
        cPlayScene scene;
        Start(scene, stage);
        RunToPlay(scene);
        cPlayerActor& player = scene.m_Players[0];
        player.m_X = c.x;
        player.m_Y = 330.5;  // the view stands at its top
        player.OnMoveX();
        player.OnMoveY();
        scene.StepFrame(0, 0);
        ASSERT_EQ(c.x, player.m_X);
        EXPECT_EQ(c.left, player.m_ScreenRect.left);
        EXPECT_EQ(c.left + 31, player.m_ScreenRect.right);
        EXPECT_EQ(2, player.m_ScreenRect.top);
        EXPECT_EQ(33, player.m_ScreenRect.bottom);
    }
}

// A condition naming a variable its table does not have is a bad checked access: logged, and the
// table's first variable stands in. Here a floor's condition, tested as the player falls on it.
TEST_F(PlayStates, ABadVariableIndexIsLoggedAndReadsTheFirstVariable) {
    cTempDir dir;
    ASSERT_EQ(1, OpenReport("Trace.txt"));
    const struct {
        int kind, index;
        const char* line;
    } cases[] = {
        {1, 60000, "err V[60000] ( 256 , 4 )"},
        {2, 256, "err V[256] ( 256 , 4 )"},
        {3, 8, "err V[8] ( 8 , 4 )"},
    };
    for (const auto& c : cases) {
        for (int first : {7, 6}) {
            SCOPED_TRACE(testing::Message() << c.line << ", first variable " << first);
            cEdStage stage = Stage();
            stage.SetSpeedLevel(1);  // with gravity
            cEdBlock floor = Block(1);
            floor.m_BlockType = 1;
            cCondition condition;
            condition.m_Kind = static_cast<uint8_t>(c.kind);
            condition.m_VarIndex = static_cast<uint16_t>(c.index);
            condition.m_Compare = 0;
            condition.m_Value = 7;
            floor.m_Conditions.push_back(condition);
            stage.m_Blocks.Put(stage.CellIndex(1, 3), floor);
            cPlayScene scene;
            Start(scene, stage);
            StoryState().m_Variables[0] = first;
            scene.m_StageVars[0] = first;
            scene.m_Players[0].m_Flow.m_Variables[0] = first;
            RunToPlay(scene);
            for (int i = 0; i < 40; ++i) scene.StepFrame(0, 0);
            const int bottom = static_cast<int>(scene.m_Players[0].m_Bottom);
            if (first == 7)
                EXPECT_EQ(13 * 32 - 1, bottom) << "stands on the floor";
            else
                EXPECT_GT(bottom, 14 * 32) << "fell through";
            EXPECT_NE(std::string::npos, dir.Read("Trace.txt").find(c.line));
        }
    }
}
