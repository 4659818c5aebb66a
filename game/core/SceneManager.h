#pragma once
// The one scene manager: which scene runs, which follows, which ran before, the game mode and
// play kind of the run, and the scenes themselves, made and deleted as the scene id changes.
#include "game/core/Scene.h"

// Makes a new scene of one type. The scenes are added by the parts of the game that define
// them; a type without a maker is never created and shows nothing.
typedef cScene* (*SceneCreator)();

class cSceneManager {
public:
    cSceneManager() = default;
    ~cSceneManager() { DeleteScenes(); }
    cSceneManager(const cSceneManager&) = delete;
    cSceneManager& operator=(const cSceneManager&) = delete;

    void SetCreator(int id, SceneCreator create);
    // Makes scene id exist and, unless the keep flag is set, deletes every other scene. A
    // maker that runs out of memory leaves the scene absent; the next frame tries again.
    void Switch(int id);
    // Deletes all six scenes.
    void DeleteScenes();
    // The scene of id, or null (absent, or no scene type).
    cScene* Scene(int id) const;
    // One frame of the current scene; 0 when there is none.
    int RunScene();

    // Writing another id here is how a scene asks for a switch, which takes effect next frame.
    int m_nScene = eSceneModeMenu;
    // Chosen before a fade-out, becomes the scene id when the fade-out ends.
    int m_nNextScene = 0;
    // Written by a scene whose fade-out ends with its own id.
    int m_nPrevScene = 0;
    int m_nGameMode = 0;
    int m_nPlayKind = 0;
    // Nonzero: switching deletes no scene, so a scene returned to resumes where it was.
    int m_bKeepScenes = 0;
    // Where the challenge choice stood, kept across its visits.
    int m_nChallengeRow = 0;
    int m_nChallengeTop = 0;
    // Whether the run's result goes into the rankings; set with the play kind.
    int m_bRankingOn = 0;
    // Two factors the start-up sets to 1.0 with the frame settings; nothing in the frame scales
    // by them, so they stay 1.0 for the whole run.
    double m_dFactors[2] = {};
    int m_nFps = 0;
    // Degrees per frame of the menu scenes' fades.
    int m_nFadeStep = 0;

private:
    cScene* m_Scenes[kSceneTypes] = {};
    SceneCreator m_Creators[kSceneTypes] = {};
};

cSceneManager& SceneManager();
