#pragma once
// A play scene driven frame by frame through a headless host, with the globals a play changes
// (the story, the scene manager, player 0's input and the replays) put back when the test ends.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "game/core/Input.h"
#include "game/core/SceneManager.h"
#include "game/data/ReplayData.h"
#include "game/data/StorySave.h"
#include "game/play/PlayScene.h"
#include "tests/game/play/PlayFixture.h"

// The globals a play changes, put back when it goes.
class cPlayGlobals {
public:
    cPlayGlobals()
        : m_SavedStory(StoryState()),
          m_SavedInputs(PlayerInputs()),
          m_SavedReplay(CurrentReplay()),
          m_SavedPrevious(PreviousReplay()),
          m_SavedMode(SceneManager().m_nGameMode),
          m_SavedScene(SceneManager().m_nScene),
          m_SavedPrevScene(SceneManager().m_nPrevScene) {
        SceneManager().m_nPrevScene = eSceneModeMenu;
    }
    ~cPlayGlobals() {
        StoryState() = m_SavedStory;
        PlayerInputs() = m_SavedInputs;
        CurrentReplay() = m_SavedReplay;
        CurrentReplay().m_Seed = m_SavedReplay.m_Seed;
        PreviousReplay() = m_SavedPrevious;
        SceneManager().m_nGameMode = m_SavedMode;
        SceneManager().m_nScene = m_SavedScene;
        SceneManager().m_nPrevScene = m_SavedPrevScene;
    }

private:
    cStorySave m_SavedStory;
    cCheckedVector<cInput> m_SavedInputs;
    cReplayData m_SavedReplay;
    cReplayData m_SavedPrevious;
    int m_SavedMode;
    int m_SavedScene;
    int m_SavedPrevScene;
};

class PlayStateFixture : public PlayFixture {
protected:
    // Makes the stage the project's and starts a scene on it with the host.
    void Start(cPlayScene& scene, const cEdStage& stage) {
        ProjectStage() = stage;
        scene.SetHost(&m_Host);
        scene.Frame();
    }
    // Runs the frames until the scene is in play (fade-in and banner); how many it took.
    static int RunToPlay(cPlayScene& scene) {
        int frames = 0;
        for (; frames < 500 && scene.State() != ePlayRun; ++frames) scene.StepFrame(0, 0);
        return frames;
    }

    cPlayGlobals m_Globals;
    cHeadlessHost m_Host;
};
