#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>

#include "framework/ErrorLog.h"
#include "framework/FrameTimer.h"
#include "framework/TestSeams.h"
#include "game/core/GameGlobals.h"
#include "game/core/GameLoop.h"
#include "game/core/GameWnd.h"
#include "game/core/SceneManager.h"
#include "game/core/SystemIni.h"
#include "tests/support/CloseCounter.h"

namespace {

std::atomic<int> g_frames{0};

class cCountingScene : public cScene {
public:
    int Frame() override { return ++g_frames; }
};

cScene* MakeCountingScene() { return new cCountingScene; }
cScene* MakeThrowingScene() { throw "シーンの生成に失敗"; }

// The loop on a thread of its own, without a display: frames run the scene manager's scene.
class GameLoopTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_showFps = SystemIni().ShowFps;
        SystemIni().ShowFps = 0;
        m_manager = {SceneManager().m_nFps, SceneManager().m_nFadeStep, SceneManager().m_dFactors[0],
                     SceneManager().m_dFactors[1]};
        GameShell().hDDWnd = m_closes.Wnd();
        GameShell().bAppActive = 1;
        g_frames = 0;
    }
    void TearDown() override {
        StopLoop();
        SceneManager().DeleteScenes();
        SceneManager().SetCreator(eSceneModeMenu, nullptr);
        SceneManager().m_nScene = eSceneModeMenu;
        SystemIni().ShowFps = m_showFps;
        SceneManager().m_nFps = m_manager.fps;
        SceneManager().m_nFadeStep = m_manager.fadeStep;
        SceneManager().m_dFactors[0] = m_manager.factors[0];
        SceneManager().m_dFactors[1] = m_manager.factors[1];
        GameShell().hDDWnd = nullptr;
        GameShell().bAppActive = 1;
        SetFrameWait(false);
        ResetFrameTimers();
    }
    void StartLoop() {
        ASSERT_TRUE(m_thread.Start(GameLoop, nullptr));
        while (!PostThreadMessageA(m_thread.Id(), WM_APP, 0, 0)) Sleep(1);
    }
    void StopLoop() { m_thread.Stop(); }
    // Frames counted over a time.
    int FramesDuring(DWORD ms) {
        int before = g_frames;
        Sleep(ms);
        return g_frames - before;
    }

    cThread m_thread;
    cCloseCounter m_closes;
    int32_t m_showFps = 0;
    struct {
        int fps, fadeStep;
        double factors[2];
    } m_manager = {};
};

TEST_F(GameLoopTest, FramesRunOnlyWhileTheGameIsActiveAndArePaced) {
    SceneManager().SetCreator(eSceneModeMenu, MakeCountingScene);
    SetFrameSettings(60, 10);
    EXPECT_EQ(60, SceneManager().m_nFps);
    EXPECT_EQ(10, SceneManager().m_nFadeStep);
    EXPECT_EQ(1.0, SceneManager().m_dFactors[0]);
    EXPECT_EQ(1.0, SceneManager().m_dFactors[1]);
    SetFrameWait(true);
    GameShell().bAppActive = 0;
    StartLoop();
    EXPECT_EQ(0, FramesDuring(200)) << "frames ran in the background";
    GameShell().bAppActive = 1;
    int frames = FramesDuring(500);
    // 16 ms a frame: about 31 in half a second, never a free run.
    EXPECT_GE(frames, 10);
    EXPECT_LE(frames, 40);
    GameShell().bAppActive = 0;
    Sleep(50);
    EXPECT_EQ(0, FramesDuring(200));
    StopLoop();
    EXPECT_EQ(nullptr, m_thread.Handle());
}

TEST_F(GameLoopTest, AWrongSceneIdRunsNothingAndAThrowingSceneClosesTheGame) {
    SceneManager().SetCreator(eSceneModeMenu, MakeCountingScene);
    SceneManager().m_nScene = 9;
    StartLoop();
    EXPECT_EQ(0, FramesDuring(100));
    EXPECT_EQ(0, m_closes.Closes());
    StopLoop();

    SceneManager().SetCreator(eSceneModeMenu, MakeThrowingScene);
    SceneManager().m_nScene = eSceneModeMenu;
    StartLoop();
    Sleep(100);
    StopLoop();
    EXPECT_GE(m_closes.Closes(), 1);
    EXPECT_EQ(nullptr, SceneManager().Scene(eSceneModeMenu));
}

}  // namespace
