#include "game/core/Scene.h"

#include <string>

#include "framework/ErrorLog.h"
#include "framework/Format.h"
#include "framework/GameHelpers.h"
#include "game/core/Input.h"
#include "game/core/SceneManager.h"


void cScene::TraceFrame(int id, int direction, int buttons) const {
    static std::string last;
    if (!IsErrorLogOn()) return;
    const char* phase = m_nState <= 0 ? "in" : m_nState == FadeOutState() ? "out" : "on";
    std::string line = Format("Scene %d %s %d.%d keys %d %d", id, phase, m_nState, m_nSubState, direction, buttons);
    if (line == last) return;
    last = line;
    ErrorLog(line.c_str());
}

int cScene::MenuFrame(int latchMask) {
    const int scene = SceneManager().m_nScene;
    cInput& input = GetPlayerInput(0);
    const int direction = input.m_wDirection, buttons = input.m_wButtons;
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
    TraceFrame(scene, direction, buttons);
    const int result = handler ? (this->*handler)() : 0;
    TraceFrame(scene, direction, buttons);
    return result;
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
