// The sample game walked through by keys sent to the running game.exe: the story road through
// the title menu, the save slots, the world map and its menu, play and back.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "data/Stage.h"
#include "game/core/NameEntryIds.h"
#include "game/core/OptionData.h"
#include "game/core/Scene.h"
#include "game/play/PlayScene.h"
#include "game/data/StorySave.h"
#include "tests/game/core/GameProgram.h"
#include "tests/support/TempDir.h"

namespace {

// The sample's world map: the road runs east from the start (4, 7) past the first stage square
// (7, 7) to the gate (13, 7), which stands until the first stage is cleared; above the road's
// east end two cells of grass lie below the sea.
const int kFirstSquareX = 7;
const int kRoadY = 7;
const int kBeforeGateX = 12;
const int kBelowSeaY = 5;

// The first stage's file in the project copy, and where its goal lies.
const char kFirstStage[] = "data\\stg4\\w1.stg4_147";
const int kGoalColumn = 38, kGoalRow = 12;

// The sample game started in the test folder; keys go to its menus as they take them.
class cSampleGame {
public:
    cSampleGame() : m_Wnd(m_Game.WaitForMainWindow()), m_Keys(m_Wnd) {
        EXPECT_TRUE(m_Game.Started());
        EXPECT_NE(nullptr, m_Wnd);
        EXPECT_TRUE(StartedUp(m_Game));
    }
    ~cSampleGame() {
        if (!m_Game.Running()) return;
        PostMessageA(m_Wnd, WM_CLOSE, 0, 0);
        DWORD code = 0;
        m_Game.WaitForExit(30000, &code);
    }
    void Keys(const std::vector<WORD>& keys) {
        for (WORD vk : keys) m_Keys.Press(vk);
    }
    bool InScene(int scene, int state = -1) { return m_Keys.WaitForScene(scene, state); }
    void PauseKey() { m_Keys.PressUntil(VK_SPACE, eScenePlay, ePlayPause); }
    HWND Window() const { return m_Wnd; }
    cGameProcess& Game() { return m_Game; }

private:
    cGameProcess m_Game;
    HWND m_Wnd;
    cMenuKeys m_Keys;
};

// From the map: the world menu, save, the slot rowsDown rows below the last one saved to, yes;
// then back to the map.
void SaveFromTheMap(cSampleGame& game, int rowsDown) {
    ASSERT_TRUE(game.InScene(eSceneWorldMap));
    game.Keys({'X'});
    ASSERT_TRUE(game.InScene(eSceneSaveSlots));
    std::vector<WORD> keys = {'Z'};
    for (int i = 0; i < rowsDown; ++i) keys.push_back(VK_DOWN);
    keys.insert(keys.end(), {'Z', VK_UP, 'Z', 'X', VK_DOWN, 'Z'});
    game.Keys(keys);
}

void ExpectSaved(int slot, int x, int y, const char* what) {
    SCOPED_TRACE(what);
    const std::string path = MakeStoryPath(slot);
    for (DWORD start = GetTickCount(); GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES;) {
        ASSERT_LT(GetTickCount() - start, 30000u) << path << " was not written";
        Sleep(50);
    }
    cStorySave saved;
    ASSERT_TRUE(ReadStory(saved, slot)) << MakeStoryPath(slot);
    EXPECT_EQ(x, saved.m_WorldX);
    EXPECT_EQ(y, saved.m_WorldY);
    EXPECT_EQ(slot, saved.m_SlotSceneValue);
    SYSTEMTIME now;
    GetLocalTime(&now);
    EXPECT_EQ(now.wYear, saved.m_SaveTime.wYear);
    EXPECT_EQ(now.wMonth, saved.m_SaveTime.wMonth);
    EXPECT_EQ(now.wDay, saved.m_SaveTime.wDay);
}

// Writes the story of slot 1 standing beside the first stage square, with the Bgm row that plays
// (0: none).
void WriteStoryBesideTheFirstSquare(int music) {
    cStorySave saved = NewStoryAt(kFirstSquareX - 1, kRoadY);
    saved.m_MusicIndex = music;
    ASSERT_TRUE(WriteFirstSlot(saved));
}

// Makes the first stage silent (no song of its own) and cleared by its first step (its goal under
// the hero, no clear banner to wait for); the song it had.
int MakeTheFirstStageSilentAndShort() {
    int song = 0;
    const bool made = EditCopiedStage(kFirstStage, [&song](cEdStage& stage) {
        const cEdItem goal = stage.m_Items.At(stage.CellIndex(kGoalColumn, kGoalRow));
        const cPoint hero = stage.FindHero();
        song = stage.m_Bgm;
        stage.m_Items.Put(stage.CellIndex(hero.x, hero.y), goal);
        stage.m_Bgm = 0;
        stage.m_ShowStageClear = 0;
        return goal.m_Graphic != 0;
    });
    return made ? song : 0;
}

}  // namespace

// The map's song stops for a stage without music of its own, and opens again when the cleared
// stage leads back to the map.
TEST(GameProgram, TheMapsSongOpensAgainAfterAStageWithoutMusic) {
    cTempDir dir;
    ASSERT_TRUE(CopySampleGame());
    const int song = MakeTheFirstStageSilentAndShort();
    ASSERT_NE(0, song);
    ASSERT_NO_FATAL_FAILURE(WriteStoryBesideTheFirstSquare(song));
    cSampleGame game;
    game.Keys({VK_DOWN, 'Z', 'Z'});
    ASSERT_TRUE(game.InScene(eSceneWorldMap, 1));
    const std::string mapSong = "bgm\\WorldMap.mid";
    EXPECT_EQ(1u, OpenedTimes(dir.Read(kLog), mapSong)) << dir.Read(kLog);
    game.Keys({VK_RIGHT, 'Z', VK_UP, 'Z'});
    // The frame that clears the stage logs the result before the result has run, and its first
    // frame takes no key: a direction, which the result ignores, lets that frame pass first.
    ASSERT_TRUE(game.InScene(eScenePlay, ePlayResult));
    game.Keys({VK_DOWN, 'Z'});
    ASSERT_TRUE(game.InScene(eSceneWorldMap, 1));
    EXPECT_EQ(2u, OpenedTimes(dir.Read(kLog), mapSong)) << "the map's song opened again";
}

TEST(GameProgram, ANewStoryWalksTheMapAndIsSavedToASlotWithItsTime) {
    cTempDir dir;
    ASSERT_TRUE(CopySampleGame());
    cSampleGame game;
    // Up is a mountain; east along the road until the gate stops the player, north until the
    // sea does (more presses than cells: blocked steps change nothing). Saved to slot 1.
    game.Keys({'Z'});
    ASSERT_TRUE(game.InScene(eSceneWorldMap));
    game.Keys({VK_UP, VK_UP});
    game.Keys(std::vector<WORD>(kBeforeGateX - 2, VK_RIGHT));
    game.Keys({VK_UP, VK_UP, VK_UP, VK_UP, VK_UP});
    SaveFromTheMap(game, 0);
    ExpectSaved(0, kBeforeGateX, kBelowSeaY, "the walk");
}

TEST(GameProgram, AStageSquareWhoseFileIsMissingSaysSoAndThePlayerWalksOn) {
    cTempDir dir;
    ASSERT_TRUE(CopySampleGame());
    ASSERT_TRUE(DeleteFileA("data\\stg4\\w1.stg4_147"));
    cSampleGame game;
    game.Keys({'Z'});
    ASSERT_TRUE(game.InScene(eSceneWorldMap));
    game.Keys({VK_RIGHT, VK_RIGHT, VK_RIGHT, 'Z'});
    EXPECT_EQ("ステージファイル data\\stg4\\w1.stg4 が読み込めません！", game.Game().AnswerBox("エラー", 30000));
    // The first line of the offer leaves it as the second does; then two cells on.
    game.Keys({VK_UP, 'Z', VK_RIGHT, VK_RIGHT});
    SaveFromTheMap(game, 0);
    ExpectSaved(0, kFirstSquareX + 2, kRoadY, "walked on");
    EXPECT_TRUE(game.Game().Running());
}

TEST(GameProgram, ContinueStandsOnTheMapWhereTheSlotWasSaved) {
    cTempDir dir;
    ASSERT_TRUE(CopySampleGame());
    cStorySave saved = NewStoryAt(kBeforeGateX, kBelowSeaY);
    GetLocalTime(&saved.m_SaveTime);
    ASSERT_TRUE(WriteFirstSlot(saved));
    cSampleGame game;
    // Continue, slot 1; saved again to slot 2.
    game.Keys({VK_DOWN, 'Z', 'Z'});
    SaveFromTheMap(game, 1);
    ExpectSaved(1, kBeforeGateX, kBelowSeaY, "continued");
}

TEST(GameProgram, AStageSquareStartsPlayWhoseQuitLeadsToTheTitleAndItsQuitEntry) {
    cTempDir dir;
    ASSERT_TRUE(CopySampleGame());
    ASSERT_NO_FATAL_FAILURE(WriteStoryBesideTheFirstSquare(0));
    cSampleGame game;
    // Continue beside the first stage square, step on it and play it: the play scene starts;
    // its pause menu's first entry goes back to the title, whose quit entry (two rows up from
    // continue) ends the game.
    game.Keys({VK_DOWN, 'Z', 'Z'});
    ASSERT_TRUE(game.InScene(eSceneWorldMap));
    game.Keys({VK_RIGHT, 'Z', VK_UP, 'Z'});
    ASSERT_TRUE(game.InScene(eScenePlay, ePlayRun));
    game.PauseKey();
    game.Keys({VK_UP, 'Z'});
    ASSERT_TRUE(game.InScene(eSceneModeMenu));
    game.Keys({VK_UP, VK_UP, 'Z'});
    DWORD code = 1234;
    ASSERT_TRUE(game.Game().WaitForExit(30000, &code)) << dir.Read(kLog);
    EXPECT_EQ(0u, code);
}

TEST(GameProgram, TheVolumeAndRankingNameSetInTheOptionsAreKeptAcrossARestart) {
    cTempDir dir;
    ASSERT_TRUE(CopySampleGame());
    cOptionData defaults;
    {
        // The options are two rows up from the first mode; the volume one step up, kept.
        cSampleGame game;
        game.Keys({VK_UP, VK_UP, 'Z'});
        ASSERT_TRUE(game.InScene(eSceneOption));
        game.Keys({VK_DOWN, VK_DOWN, 'Z', VK_UP, 'Z'});
        // The ranking name row opens the name-entry window.
        game.Keys({VK_DOWN, VK_DOWN, 'Z'});
        HWND entry = game.Game().WaitForDialog();
        ASSERT_NE(nullptr, entry);
        SetDlgItemTextA(entry, IDC_NAME_EDIT, "QRS");
        PostMessageA(entry, WM_COMMAND, MAKEWPARAM(IDC_NAME_OK, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(entry, IDC_NAME_OK)));
        game.Keys({'X'});
        ASSERT_TRUE(game.InScene(eSceneModeMenu));
    }
    cOptionData saved;
    ASSERT_TRUE(saved.LoadFile("user_data\\Option.dat")) << dir.Read(kLog);
    EXPECT_EQ(defaults.m_SeVolume + 1, saved.m_SeVolume);
    EXPECT_EQ("QRS", saved.m_RankName);
    {
        // A restart reads them: leaving the options at once writes them again unchanged.
        cSampleGame game;
        game.Keys({VK_UP, VK_UP, 'Z'});
        ASSERT_TRUE(game.InScene(eSceneOption));
        game.Keys({'X'});
        ASSERT_TRUE(game.InScene(eSceneModeMenu));
    }
    cOptionData again;
    ASSERT_TRUE(again.LoadFile("user_data\\Option.dat"));
    EXPECT_EQ(defaults.m_SeVolume + 1, again.m_SeVolume);
    EXPECT_EQ("QRS", again.m_RankName);
}
