#include "game/core/Scene.h"

#include "framework/ErrorLog.h"
#include "framework/GameHelpers.h"
#include "game/core/Input.h"
#include "game/core/SceneManager.h"

int cScene::MenuFrame(int latchMask) {
    cInput& input = GetPlayerInput(0);
    input.ApplyRepeat();
    input.LatchButtons(latchMask);
    if (m_nState == kSceneNotStarted) {
        try {
            Init();
        } catch (const char* text) {
            ErrorLogAndClose(GetMainWindow(), "%s", text);
        }
        m_nState = 0;
    }
    // A state outside the table is reported by the checked access; a scene without handlers
    // gets no handler to call.
    Handler handler = m_Handlers.At(m_nState);
    return handler ? (this->*handler)() : 0;
}

void cScene::LeaveTo(int nextScene) {
    SceneManager().m_nNextScene = nextScene;
    m_nState = FadeOutState();
}

void cScene::FinishFadeOut(int ownId) {
    cSceneManager& manager = SceneManager();
    manager.m_nPrevScene = ownId;
    manager.m_nScene = manager.m_nNextScene;
}
