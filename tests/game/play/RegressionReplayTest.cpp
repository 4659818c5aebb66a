#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "game/core/ReplayRequests.h"
#include "game/flow/PlayFlowRuntime.h"
#include "tests/factory/ProjectFolder.h"
#include "tests/game/play/CommittedReplays.h"
#include "tests/game/play/FrameHashCheck.h"
#include "tests/game/play/PlayStateFixture.h"
#include "tests/support/TempDir.h"

namespace {

const uint32_t kFactoryHashes[] = {
#include "tests/game/play/fixtures/FactoryHashes.inc"
};
const uint32_t kSampleHashes[] = {
#include "tests/game/play/fixtures/SampleHashes.inc"
};
const uint32_t kSample2Hashes[] = {
#include "tests/game/play/fixtures/Sample2Hashes.inc"
};
const uint32_t kChallenge1Hashes[] = {
#include "tests/game/play/fixtures/Challenge1Hashes.inc"
};
const uint32_t kChallenge2Hashes[] = {
#include "tests/game/play/fixtures/Challenge2Hashes.inc"
};
const uint32_t kLeaversHashes[] = {
#include "tests/game/play/fixtures/LeaversHashes.inc"
};

struct cCommittedFrames {
    const cCommittedReplay* replay;
    const uint32_t* words;
    size_t count;
    int ends;  // the scene's state at the end: the stage cleared, or the replay run out
};
const cCommittedFrames kCommittedFrames[] = {
    {&kFactoryReplay, kFactoryHashes, sizeof kFactoryHashes / sizeof kFactoryHashes[0], ePlayFadeOut},
    {&kSampleReplay, kSampleHashes, sizeof kSampleHashes / sizeof kSampleHashes[0], ePlayResult},
    {&kSample2Replay, kSample2Hashes, sizeof kSample2Hashes / sizeof kSample2Hashes[0], ePlayResult},
    {&kChallenge1Replay, kChallenge1Hashes, sizeof kChallenge1Hashes / sizeof kChallenge1Hashes[0], ePlayResult},
    {&kChallenge2Replay, kChallenge2Hashes, sizeof kChallenge2Hashes / sizeof kChallenge2Hashes[0], ePlayResult},
    {&kLeaversReplay, kLeaversHashes, sizeof kLeaversHashes / sizeof kLeaversHashes[0], ePlayFadeOut},
};

}  // namespace

TEST(FrameHashCheck, NamesTheFirstDifferingFrameOnly) {
    const uint32_t committed[] = {0x11, 0x22, 0x33};
    const struct {
        const char* name;
        std::vector<uint64_t> frames;
        std::string report;
    } cases[] = {
        {"every frame agrees", {0x11, 0x22, 0x33}, ""},
        {"the first frame", {0x12, 0x22, 0x33}, "first differing frame 1: expected 00000011, got 00000012"},
        {"a later frame, and every one after it", {0x11, 0x99, 0x98},
         "first differing frame 2: expected 00000022, got 00000099"},
        {"the upper half of the hash", {0x11, 0x22, 0x100000033ull},
         "first differing frame 3: expected 00000033, got 00000032"},
        {"the replay ends early", {0x11, 0x22}, "first differing frame 3: expected 00000033, got the replay's end"},
        {"the replay goes on", {0x11, 0x22, 0x33, 0x44},
         "first differing frame 4: expected the replay's end, got 00000044"},
        {"the halves of a matching word", {0x11, 0x2200000000ull, 0x33}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cFrameHashCheck check(committed, 3);
        size_t compared = 0;
        for (uint64_t frame : c.frames) {
            if (!check.Frame(frame)) break;
            ++compared;
        }
        const bool agreed = compared == c.frames.size() && check.End();
        EXPECT_EQ(c.report.empty(), agreed);
        EXPECT_EQ(c.report, check.Report());
        // Once a frame has differed, nothing after it is compared or reported.
        if (!agreed) {
            EXPECT_FALSE(check.Frame(0x33));
            EXPECT_FALSE(check.End());
            EXPECT_EQ(c.report, check.Report());
        }
    }
}

// The committed replays played headless with the game's flow runtime, each frame compared with
// its committed word as it comes.
class CommittedReplays : public PlayStateFixture {
protected:
    CommittedReplays() : m_PreviousRuntime(SetFlowRuntime(&PlayFlowRuntime())), m_Story(StoryState()) {}
    ~CommittedReplays() override { SetFlowRuntime(m_PreviousRuntime); }

    void Start(const cCommittedReplay& replay) {
        StoryState() = m_Story;
        ASSERT_TRUE(StartCommittedReplay(replay, ProjectFolder(replay.project), m_FinalHash)) << replay.name;
    }
    // The current replay's words, frame by frame.
    static std::vector<std::pair<int16_t, int16_t>> LogFrames() {
        std::vector<std::pair<int16_t, int16_t>> frames;
        int16_t direction = 0, buttons = 0;
        CurrentReplay().Rewind();
        while (CurrentReplay().NextFrame(direction, buttons) == 0) frames.push_back({direction, buttons});
        CurrentReplay().Rewind();
        return frames;
    }
    // Plays the current replay to its end or to the first frame that differs; the last frame's
    // hash goes to m_LastHash and the scene's state then to m_EndState.
    void Play(cFrameHashCheck& check) {
        cPlayScene scene;
        scene.SetHost(&m_Host);
        PlayReplayFrames(scene, [&](uint64_t hash) {
            m_LastHash = hash;
            return check.Frame(hash);
        });
        m_EndState = scene.State();
        check.End();
    }

    cFlowRuntime* m_PreviousRuntime;
    cFolderGuard m_Folder;
    cStorySave m_Story;
    uint64_t m_FinalHash = 0;
    uint64_t m_LastHash = 0;
    int m_EndState = -1;
};

// A change of play fails here with the frame it starts at. When the change is meant, record.sh
// writes the new words, and its commit says why the play changed.
TEST_F(CommittedReplays, EveryFrameIsAsCommitted) {
    for (const cCommittedFrames& committed : kCommittedFrames) {
        SCOPED_TRACE(committed.replay->name);
        ASSERT_NO_FATAL_FAILURE(Start(*committed.replay));
        cFrameHashCheck check(committed.words, committed.count);
        Play(check);
        if (!check.Report().empty()) {
            ADD_FAILURE() << committed.replay->name << "Log.inc, " << check.Report();
            continue;
        }
        EXPECT_EQ(m_FinalHash, m_LastHash) << "the log's final hash is that of its last frame";
        EXPECT_EQ(committed.ends, m_EndState);
    }
}

// The fixture stage's replay shows what it is committed for: no shot of the hero's gets past the
// wall before it, and the coins and bats the hero walks away from go once they are behind the
// view, while those still ahead stay.
TEST_F(CommittedReplays, TheLeaversReplayMeetsTheWallAndLeavesThingsBehind) {
    ASSERT_NO_FATAL_FAILURE(Start(kLeaversReplay));
    const double wallRight = (cScroll::kBorderCells + 7) * 32;  // the wall's column is the 7th
    cPlayScene scene;
    scene.SetHost(&m_Host);
    size_t charas = 0, items = 0;
    double farthestShot = 0, farthestHero = 0;
    int shots = 0;
    PlayReplayFrames(scene, [&](uint64_t) {
        if (!charas) charas = scene.m_Charas.size(), items = scene.m_Items.size();
        shots += static_cast<int>(scene.m_Shots.size());
        for (const cShotObj& shot : scene.m_Shots) farthestShot = std::max(farthestShot, shot.m_Right);
        if (!scene.m_Players.empty()) farthestHero = std::max(farthestHero, scene.m_Players[0].m_X);
        return true;
    });
    EXPECT_GT(shots, 0);
    EXPECT_LT(farthestShot, wallRight - 32) << "stopped at the wall";
    EXPECT_GT(farthestHero, wallRight + 20 * 32) << "the hero got over the wall and far on";
    EXPECT_LT(scene.m_Charas.size(), charas);
    EXPECT_GT(scene.m_Charas.size(), 0u);
    EXPECT_LT(scene.m_Items.size(), items);
    EXPECT_GT(scene.m_Items.size(), 0u);
}

// One input of the sample log changed: the report names the frame that took the changed input,
// and the play stops there. Each change acts at once; a changed direction may not (a walk that
// has begun goes on for its tenth of a second), and shows first at the frame where it does.
TEST_F(CommittedReplays, AChangedInputIsNamedAtTheFrameThatTookIt) {
    const struct {
        const char* name;
        size_t logFrame;  // from 0
        int16_t direction, buttons;
    } cases[] = {
        {"a shot while walking", 100, 2, 2},
        {"a jump on the way", 60, 2, 1},
        {"a step before anything moves", 3, 2, 0},
        {"a shot near the goal", 420, 2, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NO_FATAL_FAILURE(Start(kSampleReplay));
        // The log frame by frame, one input changed.
        std::vector<std::pair<int16_t, int16_t>> frames = LogFrames();
        ASSERT_LT(c.logFrame, frames.size());
        ASSERT_NE(frames[c.logFrame], std::make_pair(c.direction, c.buttons));
        frames[c.logFrame] = {c.direction, c.buttons};
        const int32_t seed = CurrentReplay().m_Seed;
        CurrentReplay().Clear();
        CurrentReplay().m_Seed = seed;
        for (const auto& frame : frames) CurrentReplay().RecordFrame(frame.first, frame.second);

        // Input is taken by the frames that start in play, one log frame each.
        cFrameHashCheck check(kSampleHashes, sizeof kSampleHashes / sizeof kSampleHashes[0]);
        cPlayScene scene;
        scene.SetHost(&m_Host);
        size_t played = 0, taken = 0, takingFrame = 0;
        bool inPlay = false;
        PlayReplayFrames(scene, [&](uint64_t hash) {
            ++played;
            if (inPlay && taken++ == c.logFrame) takingFrame = played;
            inPlay = scene.State() == ePlayRun;
            return check.Frame(hash);
        });
        ASSERT_NE(0u, takingFrame);
        EXPECT_EQ(takingFrame, check.DifferingFrame());
        char expected[16];
        std::snprintf(expected, sizeof expected, "%08x", static_cast<unsigned>(kSampleHashes[takingFrame - 1]));
        EXPECT_EQ(0u, check.Report().find("first differing frame " + std::to_string(takingFrame) + ": expected " +
                                          expected + ", got "))
            << check.Report();
        EXPECT_EQ(takingFrame, played) << "the play stops at the differing frame";
    }
}

// The game's way with an attempt: the sample log played as the player's keys under its seed,
// saved as F1 saves the attempt, then read back as the mode menu's replay entry and a replay
// given on the command line read it, in place of the stage the game held. The attempt and its
// replay both make the committed frames.
TEST_F(CommittedReplays, AnAttemptSavedAsAReplayFileMakesTheCommittedFrames) {
    ASSERT_NO_FATAL_FAILURE(Start(kSampleReplay));
    const std::vector<std::pair<int16_t, int16_t>> words = LogFrames();
    m_Host.seed = static_cast<uint32_t>(CurrentReplay().m_Seed);
    SceneManager().m_nGameMode = eModeStageFile;
    const std::string project = ProjectFolder(kSampleReplay.project);
    cTempDir dir;
    const std::string path = dir.Path() + "\\sample." + ReplayExt();
    // The game plays in its project folder.
    ASSERT_TRUE(SetCurrentDirectoryA(project.c_str()));
    {
        cFrameHashCheck check(kSampleHashes, sizeof kSampleHashes / sizeof kSampleHashes[0]);
        cPlayScene scene;
        scene.SetHost(&m_Host);
        scene.Frame();
        check.Frame(scene.StateHash());
        size_t next = 0;
        for (int guard = 0; guard < 100000 && scene.State() != ePlayFadeOut && scene.State() != ePlayResult; ++guard) {
            const bool playing = scene.State() == ePlayRun && next < words.size();
            const auto frame = playing ? words[next++] : std::make_pair<int16_t, int16_t>(0, 0);
            scene.StepFrame(frame.first, frame.second);
            if (!check.Frame(scene.StateHash())) break;
        }
        check.End();
        EXPECT_TRUE(check.Report().empty()) << "SampleLog.inc played as keys, " << check.Report();
        ASSERT_EQ(1, SaveChosenReplay(nullptr, path.c_str(), 0));
    }
    ProjectStage() = cEdStage();
    CurrentReplay().Clear();
    ASSERT_EQ(1, LoadChosenReplay(nullptr, path.c_str()));
    SceneManager().m_nGameMode = eModeReplay;
    cFrameHashCheck check(kSampleHashes, sizeof kSampleHashes / sizeof kSampleHashes[0]);
    Play(check);
    EXPECT_TRUE(check.Report().empty()) << "SampleLog.inc from a replay file, " << check.Report();
}
