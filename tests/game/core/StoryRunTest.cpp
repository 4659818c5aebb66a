// A story of the sample game played through game.exe from the world map: the song each stage
// opens when the map's own song played in between, and the lives a story carries from one stage
// to the next.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "data/ProjectDatabase.h"
#include "data/Record.h"
#include "data/Stage.h"
#include "data/SystemData.h"
#include "game/core/Scene.h"
#include "game/data/StorySave.h"
#include "game/play/PlayScene.h"
#include "tests/game/core/GameProgram.h"
#include "tests/support/InputQueue.h"
#include "tests/support/TempDir.h"

namespace {

const char kMeadowStage[] = "data\\stg4\\w1.stg4_147";
const char kHillStage[] = "data\\stg4\\w2.stg4_147";
// The stages' song, made a MIDI file so that the log shows each time it is opened.
const int kStageSongRow = 4;
const char kStageSong[] = "bgm\\Stage.mid";
// From the map's start three cells east to the first stage's square, three more to the second's.
const int kSquareSteps = 3;
const int kBesideTheSecondSquareX = 9;
const int kStoryRoadY = 7;
// Where the first stage's goal and a coin (100 points) lie.
const int kMeadowGoalColumn = 38, kMeadowGoalRow = 12;
const int kMeadowCoinColumn = 18, kMeadowCoinRow = 12;
// Long enough for a stage's fades, banner and deaths on a heavily loaded machine.
const DWORD kStoryWaitMs = 60000;

bool UseTheMidiStageSong() {
    cRecordVector<cBgm> songs;
    if (!LoadVectorFile(songs, "data\\database\\Bgm.dat") || songs.size() <= static_cast<size_t>(kStageSongRow))
        return false;
    songs[kStageSongRow].m_File = kStageSong;
    return SaveVectorFile(songs, "data\\database\\Bgm.dat");
}

bool SetLivesSharing(int livesShared, int scorePerLife) {
    cSystemData system;
    if (!system.LoadFile("data\\System.dat")) return false;
    system.m_LivesShared = livesShared;
    system.m_ScorePerLife = scorePerLife;
    return system.SaveFile("data\\System.dat");
}

// The first stage cleared by its first step: its goal under the hero, no clear banner.
bool ClearedAtOnce(cEdStage& stage) {
    const cEdItem goal = stage.m_Items.At(stage.CellIndex(kMeadowGoalColumn, kMeadowGoalRow));
    const cPoint hero = stage.FindHero();
    stage.m_Items.Put(stage.CellIndex(hero.x, hero.y), goal);
    stage.m_ShowStageClear = 0;
    stage.m_Bgm = kStageSongRow;
    return goal.m_Graphic != 0;
}

// The first stage with a coin one cell west of the hero and the goal two cells west: a walk
// west scores 100 and clears it; one east dies as it always did.
bool ACoinAndTheGoalWest(cEdStage& stage) {
    const cEdItem goal = stage.m_Items.At(stage.CellIndex(kMeadowGoalColumn, kMeadowGoalRow));
    const cEdItem coin = stage.m_Items.At(stage.CellIndex(kMeadowCoinColumn, kMeadowCoinRow));
    const cPoint hero = stage.FindHero();
    stage.m_Items.Put(stage.CellIndex(hero.x - 1, hero.y), coin);
    stage.m_Items.Put(stage.CellIndex(hero.x - 2, hero.y), goal);
    stage.m_ShowStageClear = 0;
    return hero.x >= 2 && goal.m_Graphic != 0 && coin.m_Graphic != 0 && coin.m_Graphic != goal.m_Graphic;
}

// A stage whose time runs out a second into play, so that its hero dies again and again.
bool OverInASecond(cEdStage& stage) {
    stage.m_UseTimeLimit = 1;
    stage.m_TimeLimit = 1;
    stage.m_Bgm = kStageSongRow;
    return true;
}

// The sample game started on its title menu.
class cStoryRun {
public:
    explicit cStoryRun(const cTempDir& dir) : m_Dir(dir), m_Wnd(m_Game.WaitForMainWindow()), m_Keys(m_Wnd) {
        EXPECT_NE(nullptr, m_Wnd);
        EXPECT_TRUE(StartedUp(m_Game));
    }
    ~cStoryRun() {
        for (WORD vk : {WORD(VK_RIGHT), WORD(VK_LEFT)}) SendKey(vk, false);
        if (!m_Game.Running()) return;
        PostMessageA(m_Wnd, WM_CLOSE, 0, 0);
        DWORD code = 0;
        m_Game.WaitForExit(kStoryWaitMs, &code);
    }
    void Keys(std::initializer_list<WORD> keys) { m_Keys.Press(keys); }
    bool InScene(int scene, int state = -1) { return m_Keys.WaitForScene(scene, state); }
    // From the map, steps east and the stage of the square played.
    void PlayTheSquareEast(int steps) {
        for (int i = 0; i < steps; ++i) m_Keys.Press(VK_RIGHT);
        m_Keys.Press({'Z', VK_UP, 'Z'});
    }
    // From the result of a stage without its banner back to the map.
    void BackToTheMap() {
        // The result's first frame takes no key: a direction, which it ignores, lets it pass.
        ASSERT_TRUE(InScene(eScenePlay, ePlayResult));
        Keys({VK_DOWN, 'Z'});
        ASSERT_TRUE(InScene(eSceneWorldMap, 1));
    }
    // A key held down until the scene is in the state.
    void HoldUntil(WORD vk, int scene, int state) { m_Keys.PressUntil(vk, scene, state); }
    // The lives of every start of play, once there are count of them.
    std::vector<int> Lives(size_t count) {
        std::vector<int> lives;
        for (DWORD start = GetTickCount(); GetTickCount() - start < kStoryWaitMs && m_Game.Running(); Sleep(50)) {
            lives = LoggedLives(m_Dir.Read(kLog));
            if (lives.size() >= count) return lives;
            if (GetForegroundWindow() != m_Wnd) SetForegroundWindow(m_Wnd);
        }
        ADD_FAILURE() << "the game logged " << lives.size() << " starts of play, not " << count;
        return lives;
    }
    std::string Log() const { return m_Dir.Read(kLog); }

private:
    const cTempDir& m_Dir;
    cGameProcess m_Game;
    HWND m_Wnd;
    cMenuKeys m_Keys;
};

}  // namespace

// The map plays its own song between two stages of the same song: each stage opens that song when
// it starts from the map, and a life lost with the song still playing leaves it be.
TEST(GameProgram, EachStoryStageFromTheMapOpensItsSongWhichALostLifeLeavesPlaying) {
    cTempDir dir;
    ASSERT_TRUE(CopySampleGame());
    ASSERT_TRUE(UseTheMidiStageSong());
    ASSERT_TRUE(EditCopiedStage(kMeadowStage, ClearedAtOnce));
    ASSERT_TRUE(EditCopiedStage(kHillStage, OverInASecond));
    cStoryRun run(dir);
    run.Keys({'Z'});
    ASSERT_TRUE(run.InScene(eSceneWorldMap, 1));
    run.PlayTheSquareEast(kSquareSteps);
    ASSERT_NO_FATAL_FAILURE(run.BackToTheMap());
    EXPECT_EQ(1u, OpenedTimes(run.Log(), kStageSong)) << "the first stage's";
    run.PlayTheSquareEast(kSquareSteps);
    // The first stage's start, the second's and the second's after its first death.
    ASSERT_EQ(3u, run.Lives(3).size());
    EXPECT_EQ(2u, OpenedTimes(run.Log(), kStageSong)) << "the second stage's, once\n" << run.Log();
}

// The first stage played as a player would: a walk east dies, the next life walks west over a coin
// (two extra lives at 50 points each, when the story shares its lives) to the goal. The second
// stage then starts with the lives the first ended with when the story shares them, else with
// the start value's.
TEST(GameProgram, TheNextStoryStageStartsWithTheLivesTheLastEndedWithWhenTheStoryShares) {
    const struct {
        int shared;
        int secondStage;
    } cases[] = {{1, 3 + 2}, {0, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "shared " << c.shared);
        cTempDir dir;
        ASSERT_TRUE(CopySampleGame());
        ASSERT_TRUE(SetLivesSharing(c.shared, 50));
        ASSERT_TRUE(EditCopiedStage(kMeadowStage, ACoinAndTheGoalWest));
        cStoryRun run(dir);
        run.Keys({'Z'});
        ASSERT_TRUE(run.InScene(eSceneWorldMap, 1));
        run.PlayTheSquareEast(kSquareSteps);
        ASSERT_TRUE(run.InScene(eScenePlay, ePlayRun));
        SendKey(VK_RIGHT, true);
        const std::vector<int> first = run.Lives(2);
        SendKey(VK_RIGHT, false);
        ASSERT_EQ(std::vector<int>({4, 3}), first) << "a new story's first life, then one lost";
        run.HoldUntil(VK_LEFT, eScenePlay, ePlayResult);
        ASSERT_NO_FATAL_FAILURE(run.BackToTheMap());
        run.PlayTheSquareEast(kSquareSteps);
        const std::vector<int> lives = run.Lives(3);
        ASSERT_EQ(3u, lives.size());
        EXPECT_EQ(c.secondStage, lives[2]);
    }
}

// A story saved with its lives and continued from its slot plays on with them.
TEST(GameProgram, AContinuedStoryPlaysOnWithTheLivesItWasSavedWith) {
    cTempDir dir;
    ASSERT_TRUE(CopySampleGame());
    cStorySave saved = NewStoryAt(kBesideTheSecondSquareX, kStoryRoadY);
    saved.m_StartCount = 5;
    saved.m_Lives = 7;
    ASSERT_TRUE(WriteFirstSlot(saved));
    cStoryRun run(dir);
    run.Keys({VK_DOWN, 'Z', 'Z'});
    ASSERT_TRUE(run.InScene(eSceneWorldMap, 1));
    run.PlayTheSquareEast(1);
    EXPECT_EQ(std::vector<int>({7}), run.Lives(1));
}
