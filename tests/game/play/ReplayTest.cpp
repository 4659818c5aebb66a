#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <utility>
#include <vector>

#include "game/flow/PlayFlowRuntime.h"
#include "game/play/PlayScene.h"
#include "tests/factory/ProjectFolder.h"
#include "tests/game/play/CommittedReplays.h"
#include "tests/game/play/InputLog.h"
#include "tests/game/play/PlayStateFixture.h"

namespace {

typedef std::vector<std::pair<int16_t, int16_t>> cInputLog;

const int kReplayMode = 4;

// A log that presses and holds directions and buttons in changing runs.
cInputLog MixedLog(int frames) {
    cInputLog log;
    uint32_t x = 99;
    for (int i = 0; i < frames; ++i) {
        if (i % 7 == 0) x = x * 1103515245u + 12345u;
        log.push_back({static_cast<int16_t>((x >> 16) & 15), static_cast<int16_t>((x >> 20) & 7)});
    }
    return log;
}

// The hash after every frame of the scene's first frames: the log's words in play, none before.
std::vector<uint64_t> Play(cPlayScene& scene, const cInputLog& log) {
    std::vector<uint64_t> hashes;
    scene.Frame();
    hashes.push_back(scene.StateHash());
    size_t next = 0;
    for (int guard = 0; guard < 100000 && next < log.size(); ++guard) {
        const bool playing = scene.State() == ePlayRun;
        const auto words = playing ? log[next] : std::make_pair<int16_t, int16_t>(0, 0);
        if (playing) ++next;
        scene.StepFrame(words.first, words.second);
        hashes.push_back(scene.StateHash());
    }
    return hashes;
}

}  // namespace

// Replays play with the game's flow runtime: characters run their flows as in the game.
class Replays : public PlayStateFixture {
protected:
    Replays() : m_PreviousRuntime(SetFlowRuntime(&PlayFlowRuntime())) {}
    ~Replays() override { SetFlowRuntime(m_PreviousRuntime); }

    cFlowRuntime* m_PreviousRuntime;
};

TEST(InputLog, BadLogsAreRefused) {
    const struct {
        const char* text;
        bool ok;
    } cases[] = {{"seed 1 hash 2 0 0 5", true}, {"seed 1 hash 2", false}, {"seed 1 hash 2 0 0 0", false},
                 {"seed 1 hash 2 0 0 600000 0 0 600000", false}, {"hash 2 seed 1 0 0 5", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        cReplayData replay;
        uint32_t seed;
        uint64_t hash;
        EXPECT_EQ(c.ok, ReadInputLog(c.text, seed, hash, replay));
    }
}

TEST_F(Replays, TheSameLogGivesTheSameHashes) {
    cEdStage stage = Stage(40, 20);
    stage.m_UseTimeLimit = 1;
    stage.m_TimeLimit = 30;
    stage.m_ScrollMode[0] = 1;
    stage.m_AutoScrollSpeed[0] = 7;
    ProjectStage() = stage;
    const cInputLog log = MixedLog(400);
    std::vector<uint64_t> runs[2];
    for (auto& hashes : runs) {
        cPlayScene scene;
        scene.SetHost(&m_Host);
        hashes = Play(scene, log);
    }
    ASSERT_GT(runs[0].size(), log.size());
    EXPECT_EQ(runs[0], runs[1]);
    // Frames differ from one another: the hash follows the play.
    EXPECT_NE(runs[0][100], runs[0][101]);
}

// Play records every play frame's words and the seed; played back in the replay mode, the same
// frames give the same hashes, and then the replay ends.
TEST_F(Replays, ARecordedPlayReplaysWithTheSameHashes) {
    cEdStage stage = Stage(40, 20);
    stage.m_ScrollMode[0] = 1;
    stage.m_AutoScrollSpeed[0] = 13;
    ProjectStage() = stage;
    const cInputLog log = MixedLog(300);
    m_Host.seed = 4242;
    std::vector<uint64_t> played;
    {
        cPlayScene scene;
        scene.SetHost(&m_Host);
        played = Play(scene, log);
    }
    long recorded = 0;
    for (int32_t run : CurrentReplay().m_DirRuns) recorded += run;
    ASSERT_EQ(static_cast<long>(log.size()), recorded);
    EXPECT_EQ(4242, CurrentReplay().m_Seed);

    SceneManager().m_nGameMode = kReplayMode;
    m_Host.seed = 1;  // a replay takes its own seed
    cPlayScene scene;
    scene.SetHost(&m_Host);
    const std::vector<uint64_t> replayed = Play(scene, cInputLog(log.size(), {0, 0}));
    EXPECT_EQ(played, replayed);
    scene.StepFrame(0, 0);
    EXPECT_EQ(ePlayFadeOut, scene.State());
}

// The factory stage played from the committed log ends in the committed hash. A change of the
// play's results changes this hash: its commit says why.
TEST_F(Replays, TheFactoryLogEndsInItsHash) {
    cFolderGuard folder;
    uint64_t expected = 0;
    ASSERT_TRUE(StartCommittedReplay(kFactoryReplay, ProjectFolder(kFactoryReplay.project), expected));
    cPlayScene scene;
    scene.SetHost(&m_Host);
    scene.Frame();
    for (int guard = 0; guard < 100000 && scene.State() != ePlayFadeOut; ++guard) scene.StepFrame(0, 0);
    char text[32];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(scene.StateHash()));
    EXPECT_EQ(expected, scene.StateHash()) << "the log now ends in " << text;
}

// The sample game's first stage from its committed log: the blob and the robot shot, the gaps
// jumped, the coins taken and the goal reached: the stage is cleared, in the committed hash.
class SampleReplay : public Replays {
protected:
    void SetUp() override {
        ASSERT_TRUE(StartCommittedReplay(kSampleReplay, ProjectFolder(kSampleReplay.project), m_Expected));
    }
    // The hash of every frame until the replay has run out and the scene has gone on to its
    // result.
    std::vector<uint64_t> PlayToTheEnd(cPlayScene& scene) {
        scene.SetHost(&m_Host);
        std::vector<uint64_t> hashes;
        PlayReplayFrames(scene, [&](uint64_t hash) {
            hashes.push_back(hash);
            return true;
        });
        return hashes;
    }

    cFolderGuard m_Folder;
    uint64_t m_Expected = 0;
};

TEST_F(SampleReplay, TheFirstStageIsPlayedToItsGoal) {
    cPlayScene scene;
    PlayToTheEnd(scene);
    ASSERT_EQ(ePlayResult, scene.State()) << "the goal clears the stage";
    EXPECT_EQ(200, StoryState().m_Score) << "both coins taken";
    EXPECT_EQ(1u, scene.m_Charas.size()) << "only the blob on the bricks is left";
    char text[32];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(scene.StateHash()));
    EXPECT_EQ(m_Expected, scene.StateHash()) << "the log now ends in " << text;
}

TEST_F(SampleReplay, PlayedTwiceItGivesTheSameHashes) {
    const cStorySave story = StoryState();
    std::vector<uint64_t> runs[2];
    for (auto& hashes : runs) {
        StoryState() = story;
        cPlayScene scene;
        hashes = PlayToTheEnd(scene);
    }
    ASSERT_FALSE(runs[1].empty());
    EXPECT_EQ(m_Expected, runs[1].back());
    EXPECT_EQ(runs[0], runs[1]);
}
