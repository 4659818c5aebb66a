// The fixture stages (build\fixtures) played by game.exe as its start file: a stage that
// scrolls by itself, and an item that shows an effect, a picture and a message.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "game/core/Scene.h"
#include "game/play/PlayScene.h"
#include "tests/game/core/GameProgram.h"
#include "tests/support/InputQueue.h"
#include "tests/support/TempDir.h"

namespace {

const DWORD kWaitMs = 30000;
const char kReport[] = "Report_Game.txt";
// Logged when a wait that holds the game (a message, a picture, pause) has ended.
const char kWaitEnded[] = "thPause.Exit()\n";

// The game started on one stage of the fixture project, running play.
class cFixtureStage {
public:
    explicit cFixtureStage(const char* stage) : m_Game(SW_SHOWNORMAL, stage), m_Wnd(m_Game.WaitForMainWindow()), m_Keys(m_Wnd) {
        EXPECT_NE(nullptr, m_Wnd);
        EXPECT_TRUE(StartedUp(m_Game));
        // Frames run only while the game is in front; the scene line says play has begun.
        EXPECT_TRUE(m_Keys.WaitForScene(eScenePlay, ePlayRun));
    }
    ~cFixtureStage() {
        if (!m_Game.Running()) return;
        PostMessageA(m_Wnd, WM_CLOSE, 0, 0);
        DWORD code = 0;
        m_Game.WaitForExit(kWaitMs, &code);
    }
    HWND Window() const { return m_Wnd; }

private:
    cGameProcess m_Game;
    HWND m_Wnd;
    cMenuKeys m_Keys;
};

}  // namespace

TEST(GameProgram, AStageThatScrollsByItselfPushesTheHeroIntoAWallUntilItDies) {
    cTempDir dir;
    ASSERT_TRUE(CopyFixtureProject());
    cFixtureStage play("data\\stg4\\AutoScroll.stg4");
    // The hero stands still two cells before a wall; only the view's left edge moves it.
    EXPECT_TRUE(WaitForText(kReport, "Dead ", kWaitMs)) << dir.Read(kReport);
}

TEST(GameProgram, AnItemsMessageHoldsTheGameUntilAKey) {
    cTempDir dir;
    ASSERT_TRUE(CopyFixtureProject());
    cFixtureStage play("data\\stg4\\Show.stg4");
    // The hero takes the item on the first step: its effect and picture show, its message waits.
    Sleep(1000);
    EXPECT_EQ(std::string::npos, WithoutCR(dir.Read(kLog)).find(kWaitEnded)) << "no key, no end";
    SetForegroundWindow(play.Window());
    SendKey('Z', true);
    EXPECT_TRUE(WaitForText(kLog, kWaitEnded, kWaitMs)) << dir.Read(kLog);
    SendKey('Z', false);
}
