#pragma once
// The menu scenes run headless by a test: no display, so nothing is drawn and every fade ends at
// once; each frame the scene manager switches to the requested scene and runs it with the keys
// the test holds for that frame.
#include <vector>

#include "game/core/Input.h"
#include "game/core/MenuScreen.h"
#include "game/core/SceneManager.h"
#include "tests/game/core/MenuKeys.h"

inline void RunMenuFrame(int direction, int buttons) {
    cSceneManager& m = SceneManager();
    cInput& in = GetPlayerInput(0);
    in.m_wDirection = static_cast<int16_t>(direction);
    in.m_wButtons = static_cast<int16_t>(buttons);
    m.Switch(m.m_nScene);
    m.RunScene();
}

// Each key for one frame and let go the next; then two idle frames for a fade-out to end.
inline void PressMenuKeys(const std::vector<cKey>& keys) {
    for (const cKey& k : keys) {
        RunMenuFrame(k.direction, k.buttons);
        RunMenuFrame(0, 0);
    }
    RunMenuFrame(0, 0);
    RunMenuFrame(0, 0);
}

// The scene manager, the input and the menu cursor as at program start, without scene makers.
inline void ResetMenuScenes() {
    cSceneManager& m = SceneManager();
    m.DeleteScenes();
    for (int id = 0; id < kSceneTypes; ++id) m.SetCreator(id, nullptr);
    m.m_nScene = m.m_nNextScene = m.m_nPrevScene = m.m_nGameMode = m.m_nPlayKind = m.m_bRankingOn = 0;
    m.m_nChallengeRow = m.m_nChallengeTop = 0;
    GetPlayerInput(0) = cInput();
    ResetMenuCursor();
}
