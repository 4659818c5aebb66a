#pragma once
// The committed regression replays: input logs of stages (fixtures/NAMELog.inc) played headless
// in the replay mode, and the hash of every frame they make (fixtures/NAMEHashes.inc, written by
// tools/replay/record.sh). Read by the replay tests and by the recorder.
#include <windows.h>

#include <cstdint>
#include <string>

#include "data/CommonPalette.h"
#include "game/core/GameModes.h"
#include "game/core/SceneManager.h"
#include "game/data/ReplayData.h"
#include "game/data/StageLoad.h"
#include "game/play/PlayScene.h"
#include "tests/game/play/InputLog.h"

struct cCommittedReplay {
    const char* name;     // the fixtures' file names start with it
    const char* log;      // the log's text
    const char* project;  // the project folder, beside the build's tests folder
    const char* stage;    // the stage the log plays, in the project folder
};

// The factory stage, walked, jumped and shot about until its time runs out.
inline const char kFactoryLog[] =
#include "tests/game/play/fixtures/FactoryLog.inc"
    ;
// The sample game's first stage, from start to goal.
inline const char kSampleLog[] =
#include "tests/game/play/fixtures/SampleLog.inc"
    ;

// The sample game's second stage: the bat shot from a jump, the hill climbed, a jump from its top
// to the ledge over the gap, the star taken with a hop, the robot shot facing back, the second
// hill climbed over both coins, the goal.
inline const char kSample2Log[] =
#include "tests/game/play/fixtures/Sample2Log.inc"
    ;
// The sample game's first challenge stage: the blob shot, a jump against the crates' side and
// one under the bonus block, the goal.
inline const char kChallenge1Log[] =
#include "tests/game/play/fixtures/Challenge1Log.inc"
    ;
// The second challenge stage: the steps climbed, the pit jumped over the beetle, the bat shot in
// a jump, the star taken on the far steps, the goal.
inline const char kChallenge2Log[] =
#include "tests/game/play/fixtures/Challenge2Log.inc"
    ;

// A fixture stage: three shots into the wall before the hero, a jump over it and a long walk
// past coins and bats that go once they are behind the view.
inline const char kLeaversLog[] =
#include "tests/game/play/fixtures/LeaversLog.inc"
    ;

inline const cCommittedReplay kFactoryReplay = {"Factory", kFactoryLog, "project", "default\\stg4\\Default.stg4"};
inline const cCommittedReplay kSampleReplay = {"Sample", kSampleLog, "sample", "default\\stg4\\w1.stg4"};
inline const cCommittedReplay kSample2Replay = {"Sample2", kSample2Log, "sample", "default\\stg4\\w2.stg4"};
inline const cCommittedReplay kChallenge1Replay = {"Challenge1", kChallenge1Log, "sample", "default\\stg4\\c01-1.stg4"};
inline const cCommittedReplay kChallenge2Replay = {"Challenge2", kChallenge2Log, "sample", "default\\stg4\\c01-2.stg4"};
inline const cCommittedReplay kLeaversReplay = {"Leavers", kLeaversLog, "fixtures", "default\\stg4\\Leavers.stg4"};
inline const cCommittedReplay* const kCommittedReplays[] = {&kFactoryReplay,    &kSampleReplay,     &kSample2Replay,
                                                            &kChallenge1Replay, &kChallenge2Replay, &kLeaversReplay};

// Makes the project folder current, loads its common palette and the stage, makes the log the
// current replay and the game mode the replay mode; the log's final hash goes to finalHash.
// False when any of it fails.
inline bool StartCommittedReplay(const cCommittedReplay& replay, const std::string& projectFolder,
                                 uint64_t& finalHash) {
    uint32_t seed = 0;
    if (!ReadInputLog(replay.log, seed, finalHash, CurrentReplay()) || !SetCurrentDirectoryA(projectFolder.c_str()) ||
        !ProjectCommonPalette().LoadFile("default\\CommonPalette.cplt4") || LoadStageAndStart(replay.stage, 1) != 1)
        return false;
    SceneManager().m_nGameMode = eModeReplay;
    return true;
}

// Plays the scene (its host set) from its first frame until the replay has run out and the scene
// has gone on to its result or its fade-out, handing the state hash of every frame to frame; a
// false answer stops the play there.
template <class F>
void PlayReplayFrames(cPlayScene& scene, F frame) {
    scene.Frame();
    if (!frame(scene.StateHash())) return;
    for (int guard = 0; guard < 100000 && scene.State() != ePlayFadeOut && scene.State() != ePlayResult; ++guard) {
        scene.StepFrame(0, 0);
        if (!frame(scene.StateHash())) return;
    }
}

// A frame's hash as committed: the state hash's two halves folded into one word. A change of
// play shows in a word as surely as in the whole hash, at half the size.
inline uint32_t FrameWord(uint64_t stateHash) { return static_cast<uint32_t>(stateHash ^ (stateHash >> 32)); }
