#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "data/Stage.h"
#include "framework/ErrorLog.h"
#include "game/data/StageLoad.h"
#include "tests/support/BoxAnswers.h"
#include "tests/support/CloseCounter.h"
#include "tests/support/TempDir.h"

namespace {

// A stage of the given name with a player at (1, 1), or with only an ordinary chara there.
void WriteStage(const char* path, const std::string& name, bool player = true) {
    cEdStage stage;
    stage.m_Name = name;
    cEdChara chara;
    chara.m_Graphic = 1;
    chara.m_Control = player ? 0 : 1;
    stage.PutCharaAt(1, 1, chara);
    ASSERT_TRUE(stage.SaveFile(path));
}

// The game's one stage, put back as it was when the test ends.
class GameStageLoad : public testing::Test {
protected:
    GameStageLoad() : m_Saved(ProjectStage()) {}
    ~GameStageLoad() override { ProjectStage() = m_Saved; }

    cTempDir m_Dir;
    cEdStage m_Saved;
};

// A window that counts the messages it is sent.
UINT g_pings = 0;
LRESULT CALLBACK PingProc(HWND wnd, UINT msg, WPARAM w, LPARAM l) {
    if (msg == WM_APP) {
        ++g_pings;
        return 0;
    }
    return DefWindowProcA(wnd, msg, w, l);
}

}  // namespace

TEST_F(GameStageLoad, TheNewestNumberedCopyIsPlayedAndBecomesTheCurrentPath) {
    WriteStage("A.stg4_147", "147");
    WriteStage("A.stg4_999", "999");
    WriteStage("A.stg4_000", "000");
    // The name's own extension does not matter: the stage extension takes its place.
    for (const char* name : {"A.stg4_147", "A.txt"}) {
        SCOPED_TRACE(name);
        ProjectStage().m_Name.clear();
        EXPECT_EQ(1, LoadStageAndStart(name, 1));
        EXPECT_EQ("999", ProjectStage().m_Name);
        EXPECT_EQ("A.stg4_999", CurrentStagePath());
    }
    EXPECT_EQ(1, LoadStageAndStart("A.stg4_147", 0));
    EXPECT_EQ("147", ProjectStage().m_Name);
    EXPECT_EQ("A.stg4_147", CurrentStagePath());
    // No numbered copy: 0 at once, without a message, and the stage stays.
    cBoxAnswers boxes;
    EXPECT_EQ(0, LoadStageAndStart("B.stg4_147", 1));
    EXPECT_TRUE(boxes.Shown().empty());
    EXPECT_EQ("147", ProjectStage().m_Name);
    EXPECT_EQ("A.stg4_147", CurrentStagePath());
}

TEST_F(GameStageLoad, AFailedLoadIsReportedAndTheGameGoesOnWithThePreviousStage) {
    cCloseCounter mainWindow;
    SetMainWindow(mainWindow.Wnd());
    WriteStage("good.stg4_147", "良い");
    WriteStage("alone.stg4_147", "主人公なし", false);
    const std::string good = m_Dir.Read("good.stg4_147");
    m_Dir.Write("cut.stg4_147", good.substr(0, good.size() - 5));
    std::string bad = good;
    bad[4] = '\x7f';  // the stage's first field count
    m_Dir.Write("bad.stg4_147", bad);
    ASSERT_EQ(1, LoadStageAndStart("good.stg4_147", 0));

    const struct {
        const char* path;
        std::string message;
    } cases[] = {
        {"cut.stg4_147", "ステージファイル cut.stg4_147 の読み込みに失敗しました！"},
        {"bad.stg4_147", "ステージファイル bad.stg4_147 の読み込みに失敗しました！"},
        {"missing.stg4_147", "ステージファイル missing.stg4_147 の読み込みに失敗しました！"},
        {"alone.stg4_147", "主人公が配置されていないのでプレイできません！"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        cBoxAnswers boxes;
        EXPECT_EQ(0, LoadStageAndStart(c.path, 0));
        ASSERT_EQ(1u, boxes.Shown().size());
        EXPECT_EQ(c.message, boxes.Shown()[0].text);
        EXPECT_EQ("良い", ProjectStage().m_Name);
        EXPECT_EQ(0, ProjectStage().FindPlayer());
        EXPECT_EQ("good.stg4_147", CurrentStagePath());
    }
    EXPECT_EQ(0, mainWindow.Closes());
    SetMainWindow(nullptr);
}

// The caller's windows keep answering during the load, and a quit request survives it.
TEST_F(GameStageLoad, MessagesArrivingDuringTheLoadAreDispatchedAndAQuitIsKept) {
    WriteStage("s.stg4_147", "ステージ");
    WNDCLASSA wc = {};
    wc.lpfnWndProc = PingProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "KitStageLoadPing";
    RegisterClassA(&wc);
    HWND wnd = CreateWindowA(wc.lpszClassName, "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_TRUE(wnd);
    g_pings = 0;
    PostMessageA(wnd, WM_APP, 0, 0);
    PostQuitMessage(9);

    EXPECT_EQ(1, LoadStageAndStart("s.stg4_147", 0));
    EXPECT_EQ("ステージ", ProjectStage().m_Name);
    // What is left in the queue: the ping when the load ended before the pump took it, and the
    // quit request.
    MSG msg;
    int quits = 0, exitCode = 0;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ++quits;
            exitCode = static_cast<int>(msg.wParam);
        }
        DispatchMessageA(&msg);
    }
    EXPECT_EQ(1u, g_pings);  // dispatched, never lost
    EXPECT_EQ(1, quits);
    EXPECT_EQ(9, exitCode);
    DestroyWindow(wnd);
    UnregisterClassA(wc.lpszClassName, wc.hInstance);
}
