#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/Paths.h"
#include "data/ProjectData.h"
#include "game/core/GameModes.h"
#include "game/core/OptionData.h"
#include "game/core/SceneManager.h"
#include "game/data/Ranking.h"
#include "game/data/StorySave.h"
#include "game/play/TextObj.h"
#include "tests/game/play/CharaFixture.h"
#include "tests/support/TempDir.h"

namespace {

const int kSoundExtraLife = 15;

// The scene manager's fields the progress reads, put back when the test ends.
struct cManagerGuard {
    cManagerGuard()
        : mode(SceneManager().m_nGameMode),
          kind(SceneManager().m_nPlayKind),
          ranking(SceneManager().m_bRankingOn),
          row(SceneManager().m_nChallengeRow) {}
    ~cManagerGuard() {
        SceneManager().m_nGameMode = mode;
        SceneManager().m_nPlayKind = kind;
        SceneManager().m_bRankingOn = ranking;
        SceneManager().m_nChallengeRow = row;
    }
    int mode, kind, ranking, row;
};

}  // namespace

class StageClear : public CharaFixture {
protected:
    StageClear()
        : m_SavedStory(StoryState()),
          m_SavedSystem(ProjectSystemData()),
          m_SavedOptions(OptionData()),
          m_SavedRanking(RankingTable()) {}
    void SetUp() override {
        CharaFixture::SetUp();
        m_Scene.SetHost(&m_Host);
        StoryState().Reset();
        RankingTable().Reset();
    }
    // A series "s-1" .. "s-count" of stage files in the current folder, played at number.
    static void Series(const cTempDir& dir, int count, int number) {
        for (int i = 1; i <= count; ++i) dir.Write("s-" + std::to_string(i) + ".stg4_147", "x");
        StoryState().m_SeriesFlag = 1;
        StoryState().m_StageFile = "s.";
        StoryState().m_StageNumber = number;
    }

    cRestoreOnExit<cStorySave> m_SavedStory;
    cRestoreOnExit<cSystemData> m_SavedSystem;
    cRestoreOnExit<cOptionData> m_SavedOptions;
    cRestoreOnExit<cRankTable> m_SavedRanking;
    cManagerGuard m_SavedManager;
    cHeadlessHost m_Host;
};

// Each multiple of the extra-life score crossed gives one life with its own display; lives stop
// at 99; a story without shared lives and outside a series gives none.
TEST_F(StageClear, ExtraLives) {
    const struct {
        const char* name;
        int shared, totalBefore, score, livesBefore, lives, displays;
    } cases[] = {
        {"two multiples crossed", 1, 900, 1200, 3, 5, 2},
        {"none crossed", 1, 100, 800, 3, 3, 0},
        {"capped at 99", 1, 0, 5000, 98, 99, 5},
        {"a huge jump shows no more than 99", 1, 0, 2000000, 0, 99, 99},
        {"lives not shared", 0, 900, 1200, 3, 3, 0},
    };
    ProjectSystemData().m_ScorePerLife = 1000;
    SceneManager().m_nPlayKind = ePlayStory;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ProjectSystemData().m_LivesShared = c.shared;
        cStorySave& story = StoryState();
        story.m_TotalScore = c.totalBefore;
        story.m_Score = c.score;
        story.m_Lives = c.livesBefore;
        m_Host.sounds.clear();
        // Every picture of an extra life's wait shows its text, and only that.
        int paints = 0, shown = 0;
        m_Host.painter = [&](cPlayScene& scene, int, int, int, int) {
            ++paints;
            if (scene.m_TextObjs.size() == 1 && scene.m_TextObjs.front().m_Text == "1UP" &&
                scene.m_TextObjs.front().m_Kind == cTextObj::eWindow)
                ++shown;
        };
        m_Scene.Tally();
        EXPECT_EQ(c.totalBefore + c.score, story.m_TotalScore);
        EXPECT_EQ(c.lives, story.m_Lives);
        EXPECT_EQ(std::vector<int>(c.displays, kSoundExtraLife), m_Host.sounds);
        EXPECT_EQ(c.displays * 31, paints);
        EXPECT_EQ(paints, shown);
        EXPECT_TRUE(m_Scene.m_TextObjs.empty());
    }
    m_Host.painter = nullptr;
}

// Only the last stage of a series is ranked, with the whole run's totals, and never in test
// play; the positions are those the values take in each shown kind.
TEST_F(StageClear, RankingDecision) {
    SceneManager().m_nPlayKind = ePlayFree;
    const struct {
        const char* name;
        int rankingOn, seriesLength, number, testPlay;
        int place;  // of the score kind; -1 not ranked
    } cases[] = {
        {"last of a series", 1, 2, 2, 0, 0},
        {"middle of a series", 1, 2, 1, 0, -1},
        {"test play", 1, 1, 1, 1, -1},
        {"rankings off", 0, 1, 1, 0, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cTempDir dir;
        SceneManager().m_bRankingOn = c.rankingOn;
        ProjectSystemData().m_RankingSettings.At(ePlayFree).m_Shown.assign(3, 1);
        Series(dir, c.seriesLength, c.number);
        m_Host.testPlay = c.testPlay != 0;
        StoryState().m_Score = 500;
        m_Scene.StageClear();
        EXPECT_EQ(ePlayResult, m_Scene.State());
        EXPECT_EQ(c.place, m_Scene.m_RankPlaces[0]);
        EXPECT_EQ(c.place != -1, m_Scene.m_RankingPending != 0);
    }
}

// The progress by game mode: the next stage of a series, or the mode's end.
TEST_F(StageClear, FinishStageByMode) {
    const struct {
        const char* name;
        int mode, seriesLength, number, series;
        int scene;
        bool loads;
    } cases[] = {
        {"stage file, next of the series", eModeStageFile, 2, 1, 1, eScenePlay, true},
        {"stage file, end of the series", eModeStageFile, 2, 2, 1, eSceneModeMenu, false},
        {"stage file alone plays again", eModeStageFile, 0, 1, 0, eScenePlay, false},
        {"replay", eModeReplay, 2, 1, 1, eScenePlay, false},
        {"story, next of the series", eModeNewStory, 2, 1, 1, eScenePlay, true},
        {"story, end: the world map", eModeContinue, 1, 1, 1, eSceneWorldMap, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cTempDir dir;
        SceneManager().m_nGameMode = c.mode;
        Series(dir, c.seriesLength, c.number);
        StoryState().m_SeriesFlag = c.series;
        m_Host.loadedStages.clear();
        EXPECT_EQ(c.scene, m_Scene.FinishStage());
        EXPECT_EQ(c.loads, !m_Host.loadedStages.empty());
        if (c.loads) {
            EXPECT_EQ(c.number + 1, StoryState().m_StageNumber);
        }
    }
}

// A cleared challenge is recorded in Challenge.dat: cleared, the best score kept, one more
// challenge open; a file that cannot be written is reported and the progress stays in memory.
TEST_F(StageClear, ChallengeProgressIsSaved) {
    SceneManager().m_nGameMode = eModeChallenge;
    ProjectSystemData().m_WorldCount = 3;
    SceneManager().m_nChallengeRow = 0;
    const struct {
        const char* name;
        bool folder;
        int best, total, expectedBest;
    } cases[] = {
        {"a better total", true, 100, 300, 300},
        {"a lower total keeps the best", true, 500, 300, 500},
        {"no folder: reported", false, 0, 300, 300},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cTempDir dir;
        if (c.folder) dir.Write("user_data\\challenge\\keep", "");
        cStorySave& story = StoryState();
        story.Reset();
        story.m_Challenges.resize(3);
        story.m_Challenges[0].m_BestScore = c.best;
        story.m_ChallengeIndex = 1;
        story.m_TotalScore = c.total;
        m_Host.failures.clear();
        EXPECT_EQ(eSceneChallenge, m_Scene.FinishStage());
        EXPECT_EQ(1, story.m_Challenges[0].m_Cleared);
        EXPECT_EQ(c.expectedBest, story.m_Challenges[0].m_BestScore);
        EXPECT_EQ(2, story.m_ChallengeIndex);
        if (c.folder) {
            EXPECT_TRUE(m_Host.failures.empty());
            cStorySave read;
            ASSERT_TRUE(read.LoadFile(PathTable[ePathChallenge]));
            ASSERT_LE(1u, read.m_Challenges.size());
            EXPECT_EQ(c.expectedBest, read.m_Challenges[0].m_BestScore);
            EXPECT_EQ(1, read.m_Challenges[0].m_Cleared);
        } else {
            EXPECT_EQ(1u, m_Host.failures.size());
        }
    }
}

// The ranking entry: the entered or the fixed name goes into every pending kind and the file
// is saved; a file that cannot be saved is reported.
TEST_F(StageClear, EnterRanking) {
    SceneManager().m_bRankingOn = 1;
    SceneManager().m_nPlayKind = ePlayFree;
    StoryState().m_StageFile = "s.";
    const struct {
        const char* name;
        int mode;
        bool folder;
        const char* ranked;
    } cases[] = {
        {"entered name", 2, true, "abc"},
        {"fixed name", 3, true, "fix"},
        {"cannot save", 0, false, "abc"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cTempDir dir;
        if (c.folder) dir.Write("user_data\\free\\keep", "");
        OptionData().m_RankEntryMode = c.mode;
        OptionData().m_RankName = "fix";
        RankingTable().Reset();
        m_Scene.m_RankingPending = 1;
        m_Scene.m_RankDone = 0;
        m_Scene.m_RankPlaces = {0, -1, 0};
        m_Scene.m_RankValues = {700, 0, 1234};
        m_Host.failures.clear();
        m_Scene.EnterRanking();
        EXPECT_EQ(1, m_Scene.m_RankDone);
        EXPECT_EQ(c.ranked, RankingTable().m_Kinds[0].m_Rows[0].m_Name);
        EXPECT_EQ(700, RankingTable().m_Kinds[0].m_Rows[0].m_Value);
        EXPECT_EQ(1234, RankingTable().m_Kinds[2].m_Rows[0].m_Value);
        EXPECT_EQ(c.folder ? 0u : 1u, m_Host.failures.size());
        if (c.folder) {
            cRankTable read;
            EXPECT_TRUE(LoadRanking(read, ePlayFree, "s."));
            EXPECT_EQ(c.ranked, read.m_Kinds[0].m_Rows[0].m_Name);
        }
    }
}

// After an entry the ranking is shown from the first kind the settings show: button 4 turns to
// the next shown kind (only when there are several), button 1 pressed anew leaves; a button
// already held when the view starts does nothing.
TEST_F(StageClear, RankingViewAfterTheEntry) {
    const int kSoundRanked = 16, kSoundDecide = 1, kSoundTurn = 6;
    SceneManager().m_bRankingOn = 1;
    SceneManager().m_nPlayKind = ePlayFree;
    StoryState().m_StageFile = "s.";
    OptionData().m_RankEntryMode = 3;
    const struct {
        const char* name;
        std::vector<uint8_t> shown;
        int16_t heldAtStart;
        std::vector<int16_t> buttons;
        std::vector<int> kinds;  // shown in each pass that did not leave
        std::vector<int> sounds;
    } cases[] = {
        {"turning over the shown kinds", {0, 1, 1}, 0, {0, 8, 8, 0, 8}, {1, 2, 2, 2, 1, 1},
         {kSoundRanked, kSoundTurn, kSoundTurn, kSoundDecide}},
        {"one shown kind does not turn", {0, 0, 1}, 0, {8, 0, 8}, {2, 2, 2, 2}, {kSoundRanked, kSoundDecide}},
        {"a held button waits for its release", {1, 1, 1}, 1, {1, 1, 0, 1}, {0, 0, 0}, {kSoundRanked, kSoundDecide}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cTempDir dir;
        dir.Write("user_data\\free\\keep", "");
        cRankingSetting& setting = ProjectSystemData().m_RankingSettings.At(ePlayFree);
        setting.m_On = 1;
        setting.m_Shown.assign(c.shown.begin(), c.shown.end());
        GetPlayerInput(0).m_wButtons = c.heldAtStart;
        RankingTable().Reset();
        m_Scene.m_RankingPending = 1;
        m_Scene.m_RankDone = 0;
        m_Scene.m_RankPlaces = {0, 0, 0};
        m_Scene.m_RankValues = {700, 5, 1234};
        m_Host.rankingButtons = c.buttons;
        m_Host.rankingKinds.clear();
        m_Host.sounds.clear();
        const int paintsBefore = m_Host.paints;
        m_Scene.EnterRanking();
        EXPECT_EQ(c.kinds, m_Host.rankingKinds);
        EXPECT_EQ(c.sounds, m_Host.sounds);
        EXPECT_EQ(static_cast<int>(c.kinds.size()), m_Host.paints - paintsBefore);
        EXPECT_EQ(-1, m_Scene.m_RankView);
    }
}
