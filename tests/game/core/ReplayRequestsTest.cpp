#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>

#include "data/Stage.h"
#include "game/core/GameWnd.h"
#include "game/core/ReplayRequests.h"
#include "game/core/SceneManager.h"
#include "game/data/ReplayData.h"
#include "tests/game/core/FakeDevices.h"
#include "tests/support/BoxAnswers.h"
#include "tests/support/TempDir.h"

namespace {

// The replays, the stage and the game mode go back to the program's own afterwards.
class ReplayRequests : public testing::Test {
protected:
    ReplayRequests() : m_Current(CurrentReplay()), m_Previous(PreviousReplay()), m_Stage(ProjectStage()) {}
    void TearDown() override {
        CurrentReplay() = m_Current;
        PreviousReplay() = m_Previous;
        ProjectStage() = m_Stage;
        SceneManager().m_nGameMode = 0;
    }

    cReplayData m_Current, m_Previous;
    cEdStage m_Stage;
};

}  // namespace

TEST_F(ReplayRequests, SaveKeysDuringPlay) {
    ASSERT_EQ(nullptr, GameShell().hMainWnd.load());
    struct {
        const char* name;
        int gameMode;
        std::set<int> keys;
        bool current, previous;  // recorded
        int result;
    } cases[] = {
        {"no key", 3, {}, true, true, 0},
        {"F1 saves this attempt", 3, {VK_F1}, true, false, 1},
        {"F2 saves the one before", 0, {VK_F2}, false, true, 1},
        {"F1 wins over F2", 1, {VK_F1, VK_F2}, true, false, 1},
        {"F1 with nothing recorded", 3, {VK_F1}, false, true, 0},
        {"F2 with nothing recorded before", 3, {VK_F2}, true, false, 0},
        {"both held, this attempt empty", 3, {VK_F1, VK_F2}, false, true, 0},
        {"never while a replay plays", 4, {VK_F1}, true, true, 0},
    };
    for (const auto& c : cases) {
        SceneManager().m_nGameMode = c.gameMode;
        CurrentReplay().Clear();
        PreviousReplay().Clear();
        if (c.current) CurrentReplay().RecordFrame(1, 0);
        if (c.previous) PreviousReplay().RecordFrame(2, 0);
        cFakeDevices dev;
        dev.keys = c.keys;
        EXPECT_EQ(c.result, CheckReplaySaveKey(dev)) << c.name;
    }
}

TEST_F(ReplayRequests, ChosenFilesAreSavedAndLoadedOrReported) {
    cTempDir dir;
    cBoxAnswers boxes;
    ProjectStage().m_Name = "first";
    CurrentReplay().Clear();
    CurrentReplay().m_Seed = 11;
    CurrentReplay().RecordFrame(2, 0);
    PreviousReplay().Clear();
    PreviousReplay().m_Seed = 22;
    PreviousReplay().RecordFrame(8, 1);

    EXPECT_EQ(1, SaveChosenReplay(nullptr, "now.rpl4_147", 0));
    EXPECT_EQ(1, SaveChosenReplay(nullptr, "before.rpl4_147", 1));
    EXPECT_EQ(0, SaveChosenReplay(nullptr, "nofolder\\x.rpl4_147", 0));
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("nofolder\\x.rpl4_147 の保存に失敗！", boxes.Shown()[0].text);

    // Loading goes into this attempt's replay and the stage the game holds.
    ProjectStage().m_Name = "second";
    EXPECT_EQ(1, LoadChosenReplay(nullptr, "before.rpl4_147"));
    EXPECT_EQ(22, CurrentReplay().m_Seed);
    EXPECT_EQ("first", ProjectStage().m_Name);
    EXPECT_EQ(1u, boxes.Shown().size());

    // A damaged file is reported and changes nothing; the game goes on.
    std::string bytes = dir.Read("now.rpl4_147");
    dir.Write("cut.rpl4_147", bytes.substr(0, bytes.size() - 2));
    ProjectStage().m_Name = "third";
    EXPECT_EQ(0, LoadChosenReplay(nullptr, "cut.rpl4_147"));
    EXPECT_EQ(0, LoadChosenReplay(nullptr, "missing.rpl4_147"));
    ASSERT_EQ(3u, boxes.Shown().size());
    EXPECT_EQ("cut.rpl4_147 の読み込みに失敗！", boxes.Shown()[1].text);
    EXPECT_EQ("missing.rpl4_147 の読み込みに失敗！", boxes.Shown()[2].text);
    EXPECT_EQ(22, CurrentReplay().m_Seed);
    EXPECT_EQ("third", ProjectStage().m_Name);
}

TEST_F(ReplayRequests, RequestsWithoutTheWindowDoNothing) {
    EXPECT_EQ(0, RequestReplayOpen());
}
