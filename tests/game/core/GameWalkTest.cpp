// The sample game walked through by keys sent to the running game.exe: the story road through
// the title menu, the save slots, the world map and its menu, play and back.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "game/core/NameEntryIds.h"
#include "game/core/OptionData.h"
#include "game/data/StorySave.h"
#include "tests/game/core/GameProgram.h"
#include "tests/support/TempDir.h"

namespace {

// A scene's fade-out and the next one's fade-in, with room for a loaded machine.
const DWORD kSceneChangeMs = 3500;
// The sample's world map: the road runs east from the start (4, 7) past the first stage square
// (7, 7) to the gate (13, 7), which stands until the first stage is cleared; above the road's
// east end two cells of grass lie below the sea.
const int kFirstSquareX = 7;
const int kRoadY = 7;
const int kBeforeGateX = 12;
const int kBelowSeaY = 5;

// The sample game started in the test folder, its window in front.
class cSampleGame {
public:
    cSampleGame() {
        EXPECT_TRUE(m_Game.Started());
        m_Wnd = m_Game.WaitForMainWindow();
        EXPECT_NE(nullptr, m_Wnd);
        EXPECT_TRUE(StartedUp(m_Game));
        // The keys go to the window in front: a test program whose own windows were in front
        // may need more than one asking.
        for (DWORD start = GetTickCount(); GetForegroundWindow() != m_Wnd && GetTickCount() - start < 5000;) {
            SetForegroundWindow(m_Wnd);
            Sleep(100);
        }
        Sleep(kSceneChangeMs);
    }
    ~cSampleGame() {
        if (!m_Game.Running()) return;
        PostMessageA(m_Wnd, WM_CLOSE, 0, 0);
        DWORD code = 0;
        m_Game.WaitForExit(30000, &code);
    }
    // Keys, then the wait for a scene change.
    void Keys(const std::vector<WORD>& keys) {
        PressKeys(keys);
        Sleep(kSceneChangeMs);
    }
    cGameProcess& Game() { return m_Game; }

private:
    cGameProcess m_Game;
    HWND m_Wnd = nullptr;
};

// From the map: the world menu, save, the slot rowsDown rows below the last one saved to, yes;
// then back to the map.
void SaveFromTheMap(cSampleGame& game, int rowsDown) {
    game.Keys({'X'});
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

}  // namespace

TEST(GameProgram, ContinueStandsOnTheMapWhereTheSlotWasSaved) {
    cTempDir dir;
    ASSERT_TRUE(CopySampleGame());
    CreateDirectoryA("user_data", nullptr);
    CreateDirectoryA("user_data\\story", nullptr);
    cStorySave saved;
    saved.Reset();
    saved.m_WorldX = kBeforeGateX;
    saved.m_WorldY = kBelowSeaY;
    GetLocalTime(&saved.m_SaveTime);
    ASSERT_TRUE(WriteStory(saved, 0));
    cSampleGame game;
    // Continue, slot 1; saved again to slot 2.
    game.Keys({VK_DOWN, 'Z', 'Z'});
    SaveFromTheMap(game, 1);
    ExpectSaved(1, kBeforeGateX, kBelowSeaY, "continued");
}

TEST(GameProgram, AStageSquareStartsPlayWhoseQuitLeadsToTheTitleAndItsQuitEntry) {
    cTempDir dir;
    ASSERT_TRUE(CopySampleGame());
    CreateDirectoryA("user_data", nullptr);
    CreateDirectoryA("user_data\\story", nullptr);
    cStorySave saved;
    saved.Reset();
    saved.m_WorldX = kFirstSquareX - 1;
    saved.m_WorldY = kRoadY;
    ASSERT_TRUE(WriteStory(saved, 0));
    cSampleGame game;
    // Continue beside the first stage square, step on it and play it: the play scene starts;
    // its pause menu's first entry goes back to the title, whose quit entry (two rows up from
    // continue) ends the game.
    game.Keys({VK_DOWN, 'Z', 'Z'});
    game.Keys({VK_RIGHT, 'Z', VK_UP, 'Z'});
    Sleep(kSceneChangeMs);
    game.Keys({VK_SPACE, VK_UP, 'Z'});
    PressKeys({VK_UP, VK_UP, 'Z'});
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
        game.Keys({VK_DOWN, VK_DOWN, 'Z', VK_UP, 'Z'});
        // The ranking name row opens the name-entry window.
        PressKeys({VK_DOWN, VK_DOWN, 'Z'});
        HWND entry = game.Game().WaitForDialog();
        ASSERT_NE(nullptr, entry);
        SetDlgItemTextA(entry, IDC_NAME_EDIT, "QRS");
        PostMessageA(entry, WM_COMMAND, MAKEWPARAM(IDC_NAME_OK, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(entry, IDC_NAME_OK)));
        Sleep(500);
        game.Keys({'X'});
    }
    cOptionData saved;
    ASSERT_TRUE(saved.LoadFile("user_data\\Option.dat")) << dir.Read(kLog);
    EXPECT_EQ(defaults.m_SeVolume + 1, saved.m_SeVolume);
    EXPECT_EQ("QRS", saved.m_RankName);
    {
        // A restart reads them: leaving the options at once writes them again unchanged.
        cSampleGame game;
        game.Keys({VK_UP, VK_UP, 'Z'});
        game.Keys({'X'});
    }
    cOptionData again;
    ASSERT_TRUE(again.LoadFile("user_data\\Option.dat"));
    EXPECT_EQ(defaults.m_SeVolume + 1, again.m_SeVolume);
    EXPECT_EQ("QRS", again.m_RankName);
}
