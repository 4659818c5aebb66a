#pragma once
// The base of every scene. A scene runs one handler per frame, chosen by its state: the first
// handler fades the scene in, the last fades it out, those between are the scene's own.
#include <initializer_list>

#include "framework/CheckedVector.h"

enum SceneType {
    eSceneModeMenu,
    eSceneWorldMap,
    eSceneSaveSlots,
    eSceneChallenge,
    eScenePlay,
    eSceneOption,
    kSceneTypes
};

// The state of a scene whose Init has not run yet.
const int kSceneNotStarted = -1;
// Latch masks of the menus: decide and cancel, or buttons 1 to 4.
const int kMenuButtons2 = 3;
const int kMenuButtons4 = 15;

class cScene {
public:
    cScene() = default;
    virtual ~cScene() = default;
    cScene(const cScene&) = delete;
    cScene& operator=(const cScene&) = delete;

    // One frame; what the running handler returns.
    virtual int Frame() { return 0; }
    virtual void Init() {}
    virtual int FadeIn() { return 0; }
    virtual int FadeOut() { return 0; }

    int State() const { return m_nState; }
    // Test seam: the step within the state, as the tests read it.
    int SubState() const { return m_nSubState; }

protected:
    typedef int (cScene::*Handler)();

    // The handler table: FadeIn, the scene's own handlers in state order, FadeOut.
    template <class S>
    void SetHandlers(std::initializer_list<int (S::*)()> own) {
        m_Handlers.clear();
        m_Handlers.push_back(&cScene::FadeIn);
        for (int (S::*h)() : own) m_Handlers.push_back(static_cast<Handler>(h));
        m_Handlers.push_back(&cScene::FadeOut);
    }
    int FadeOutState() const { return static_cast<int>(m_Handlers.size()) - 1; }
    // With the error log on, a frame writes a line before its handler and one after it, each
    // unless it repeats the line before: the scene id, its phase (fading in, on its own
    // handlers, fading out), state and sub-state, and the direction word and buttons the frame
    // read before repeat and latch. A script or test that drives the game by keys waits on these
    // lines rather than on a clock (a loaded machine may run a frame a second or fewer); the
    // line before the handler tells that a key was read even when the handler then waits on a
    // window.
    void TraceFrame(int id, int direction, int buttons) const;

    // The frame every menu scene runs: player 0's input gets auto-repeat and its latch over the
    // masked buttons, a scene not yet started runs Init (a text it throws is logged and closes
    // the game), then the running handler.
    int MenuFrame(int latchMask);
    // Chooses the scene that follows the fade-out and starts the fade-out.
    void LeaveTo(int nextScene);
    // Called by the fade-out once it has ended: the scene manager switches to the chosen scene
    // on the next frame, remembering this one as the previous scene.
    void FinishFadeOut(int ownId);

    int m_nState = kSceneNotStarted;
    int m_nSubState = 0;
    cCheckedVector<Handler> m_Handlers;
};
