#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "game/core/GameWnd.h"
#include "game/core/OptionData.h"
#include "game/core/Scene.h"
#include "tests/game/core/GameProgram.h"
#include "tests/support/TempDir.h"

namespace {

TEST(GameProgram, StartsInAWindowAndEndsAtOnceOnCloseOrEscape) {
    struct {
        const char* name;
        void (*end)(HWND wnd);
    } cases[] = {
        {"WM_CLOSE", [](HWND wnd) { PostMessageA(wnd, WM_CLOSE, 0, 0); }},
        {"Escape", [](HWND wnd) { PostMessageA(wnd, WM_KEYDOWN, VK_ESCAPE, 0); }},
        {"WM_CLOSE while a sound plays",
         [](HWND wnd) {
             PostMessageA(wnd, UM_PLAY_SE, 1, 0);
             PostMessageA(wnd, WM_CLOSE, 0, 0);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cTempDir dir;
        ASSERT_TRUE(CopyGameProject());
        cGameProcess game;
        ASSERT_TRUE(game.Started());
        HWND wnd = game.WaitForMainWindow();
        ASSERT_NE(nullptr, wnd);
        ASSERT_TRUE(StartedUp(game)) << dir.Read(kLog);
        RECT client;
        GetClientRect(wnd, &client);
        EXPECT_EQ(640, client.right);
        EXPECT_EQ(480, client.bottom);
        // Frames run: half a second shows about thirty of them in the loop.
        Sleep(500);
        EXPECT_TRUE(game.Running());

        DWORD start = GetTickCount();
        c.end(wnd);
        DWORD code = 1234;
        ASSERT_TRUE(game.WaitForExit(5000, &code));
        EXPECT_LT(GetTickCount() - start, 1000u);
        EXPECT_EQ(0u, code);
        std::string log = WithoutCR(dir.Read(kLog));
        EXPECT_NE(std::string::npos, log.find("WM_DESTROY\n")) << log;
        EXPECT_NE(std::string::npos, log.find("GameLoop WM_QUIT!\n")) << log;
        EXPECT_NE(std::string::npos, log.find("UnInitGame後\nReleaseMutex後\n")) << log;
        EXPECT_EQ(0u, WithoutCR(dir.Read("Report_Game.txt")).find("App : ver 147\n"));
    }
}

// The frame times a person measuring the game asks for with KIT_FRAME_TIMES: a line a frame in
// a file of their own, none (and no file) without the switch. A frame's time is the sum of its
// parts and holds the input's poll and the scene's run, the scene that ran is named, and the
// drawing's surface calls are counted.
TEST(GameProgram, FrameTimesAreWrittenOnlyWhenAsked) {
    const char kTimes[] = "FrameTimes.txt";
    for (bool asked : {true, false}) {
        SCOPED_TRACE(asked ? "asked" : "not asked");
        cTempDir dir;
        ASSERT_TRUE(CopyGameProject());
        if (asked) SetEnvironmentVariableA("KIT_FRAME_TIMES", "1");
        cGameProcess game;
        SetEnvironmentVariableA("KIT_FRAME_TIMES", nullptr);
        HWND wnd = game.WaitForMainWindow();
        ASSERT_NE(nullptr, wnd);
        ASSERT_TRUE(StartedUp(game)) << dir.Read(kLog);
        if (asked)
            EXPECT_TRUE(WaitForText(kTimes, "\nFrame 30 ", 20000));
        else
            Sleep(500);
        PostMessageA(wnd, WM_CLOSE, 0, 0);
        DWORD code = 1234;
        ASSERT_TRUE(game.WaitForExit(5000, &code));

        if (!asked) {
            EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(kTimes));
            EXPECT_EQ(std::string::npos, WithoutCR(dir.Read(kLog)).find("\nFrame ")) << "frame times in the log";
            continue;
        }
        std::istringstream times(WithoutCR(dir.Read(kTimes)));
        int lines = 0, calls = 0;
        for (std::string line; std::getline(times, line);) {
            ++lines;
            unsigned frame = 0;
            int scene = -1, state = -1, locks, blits, gdi;
            double ms, loop, wait, work, input, run, present, lockMs, blitMs, gdiMs;
            ASSERT_EQ(16, sscanf(line.c_str(),
                                 "Frame %u %lf scene %d %d loop %lf wait %lf work %lf input %lf run %lf present %lf "
                                 "locks %d %lf blits %d %lf gdi %d %lf",
                                 &frame, &ms, &scene, &state, &loop, &wait, &work, &input, &run, &present, &locks,
                                 &lockMs, &blits, &blitMs, &gdi, &gdiMs))
                << line;
            EXPECT_EQ(static_cast<unsigned>(lines), frame) << line;
            EXPECT_EQ(eSceneModeMenu, scene) << line;
            EXPECT_GE(state, 0) << line;
            EXPECT_NEAR(ms, loop + wait + work + present, 0.01) << line;
            for (double part : {loop, wait, input, run, present, lockMs, blitMs, gdiMs}) EXPECT_GE(part, 0.0) << line;
            EXPECT_LE(input + run, work + 0.01) << line;
            EXPECT_LE(lockMs + blitMs + gdiMs, work + 0.01) << line;
            calls += locks + blits + gdi;
        }
        EXPECT_GE(lines, 30);
        EXPECT_GT(calls, 0) << "the menu's drawing was not counted";
    }
}

TEST(GameProgram, FullScreenStartsAndEndsAtBothDepths) {
    for (const char* ini : {"WindowMode=0\r\nBpp=8\r\nVSync=1\r\nExit\r\n", "WindowMode=0\r\nBpp=16\r\nExit\r\n"}) {
        SCOPED_TRACE(ini);
        cTempDir dir;
        ASSERT_TRUE(CopyGameProject());
        dir.Write("System.ini", ini);
        cGameProcess game;
        HWND wnd = game.WaitForMainWindow();
        ASSERT_NE(nullptr, wnd);
        ASSERT_TRUE(StartedUp(game)) << dir.Read(kLog);
        Sleep(300);
        PostMessageA(wnd, WM_CLOSE, 0, 0);
        DWORD code = 1234;
        ASSERT_TRUE(game.WaitForExit(5000, &code));
        EXPECT_EQ(0u, code);
        EXPECT_NE(std::string::npos, WithoutCR(dir.Read(kLog)).find("ReleaseMutex後\n"));
    }
}

TEST(GameProgram, StartOptionsThatCannotBeUsedAreReportedAndTheGameRuns) {
    struct {
        const char* name;
        const char* arguments;
        bool keepIni;
        const char* caption;  // null: no box
        const char* text;
    } cases[] = {
        {"no System.ini: full screen at depth 8 from the defaults", nullptr, false, "エラー",
         "System.ini の読み込みに失敗しました！"},
        {"a start file that is not there", "nothing.stg4", true, "エラー", "「nothing.stg4」の読み込みに失敗しました！"},
        {"a start file found as its newest numbered copy", "data\\stg4\\Default.stg4", true, nullptr, nullptr},
        // The rest of the command line is the path, blanks and all; a person may quote it.
        {"an unquoted start file with a blank that is not there", "data\\no thing.stg4 ", true, "エラー",
         "「data\\no thing.stg4」の読み込みに失敗しました！"},
        {"a quoted start file", "\"data\\stg4\\Default.stg4\"", true, nullptr, nullptr},
        {"a quoted start file with a blank that is not there", " \"no thing.stg4\" ", true, "エラー",
         "「no thing.stg4」の読み込みに失敗しました！"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cTempDir dir;
        ASSERT_TRUE(CopyGameProject());
        if (!c.keepIni) {
            ASSERT_TRUE(DeleteFileA("System.ini"));
        }
        cGameProcess game(SW_SHOWNORMAL, c.arguments);
        if (c.caption) {
            EXPECT_EQ(c.text, game.AnswerBox(c.caption));
        }
        HWND wnd = game.WaitForMainWindow();
        ASSERT_NE(nullptr, wnd);
        ASSERT_TRUE(StartedUp(game)) << dir.Read(kLog);
        PostMessageA(wnd, WM_CLOSE, 0, 0);
        DWORD code = 1234;
        ASSERT_TRUE(game.WaitForExit(5000, &code));
        EXPECT_EQ(0u, code);
    }
}

TEST(GameProgram, ASecondStartIsRefusedAndLeavesTheFirstRunning) {
    cTempDir dir;
    ASSERT_TRUE(CopyGameProject());
    cGameProcess first;
    ASSERT_NE(nullptr, first.WaitForMainWindow());
    cGameProcess second;
    EXPECT_EQ("既に起動しています", second.AnswerBox("二重起動"));
    DWORD code = 1234;
    ASSERT_TRUE(second.WaitForExit(5000, &code));
    EXPECT_EQ(0u, code);
    EXPECT_TRUE(first.Running());
    HWND wnd = first.WaitForMainWindow();
    ASSERT_NE(nullptr, wnd);
    PostMessageA(wnd, WM_CLOSE, 0, 0);
    ASSERT_TRUE(first.WaitForExit(5000, &code));
}

// The editor's side of test play: a window of the class and title the game looks for.
struct cNotice {
    ULONG_PTR kind;
    DWORD size;
    int32_t payload;
    bool dataThere;
};
std::vector<cNotice> g_notices;

LRESULT CALLBACK EditorProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COPYDATA) {
        const COPYDATASTRUCT* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        cNotice notice = {data->dwData, data->cbData, 0, GetFileAttributesA("data") != INVALID_FILE_ATTRIBUTES};
        if (data->cbData == sizeof(int32_t)) notice.payload = *static_cast<const int32_t*>(data->lpData);
        g_notices.push_back(notice);
        // The project appears only now: a game that read it before this notice could not start.
        if (data->dwData == 1) MoveFileA("data_later", "data");
        return TRUE;
    }
    return DefWindowProcA(wnd, msg, wParam, lParam);
}

TEST(GameProgram, TestPlayTellsTheEditorWhenItStartsAndWhenItsWindowIsGone) {
    cTempDir dir;
    ASSERT_TRUE(CopyGameProject("data_later"));
    WNDCLASSA wc = {};
    wc.lpfnWndProc = EditorProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "Quorbel4";
    ASSERT_TRUE(RegisterClassA(&wc));
    HWND editor = CreateWindowExA(0, "Quorbel4", "Quorbel4", WS_POPUP, 0, 0, 8, 8, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, editor);
    g_notices.clear();
    {
        // A normal start is running: test play does not ask for the single instance.
        cGameProcess game(5);
        HWND wnd = nullptr;
        DWORD start = GetTickCount();
        while (!wnd && GetTickCount() - start < 20000) {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
            wnd = game.WaitForMainWindow(50);
        }
        ASSERT_NE(nullptr, wnd);
        PostMessageA(wnd, WM_CLOSE, 0, 0);
        DWORD code = 1234;
        start = GetTickCount();
        while (!game.WaitForExit(10, &code) && GetTickCount() - start < 10000) {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        }
        EXPECT_EQ(0u, code);
    }
    DestroyWindow(editor);
    UnregisterClassA("Quorbel4", GetModuleHandleA(nullptr));
    ASSERT_EQ(2u, g_notices.size());
    EXPECT_EQ(1u, g_notices[0].kind);
    EXPECT_FALSE(g_notices[0].dataThere) << "kind 1 came after the project was read";
    EXPECT_EQ(0u, g_notices[1].kind);
    for (const cNotice& notice : g_notices) {
        EXPECT_EQ(4u, notice.size);
        EXPECT_EQ(1, notice.payload);
    }
}

// A start file that is there but cannot be read: the loader says so and the game ends, leaving no
// half-opened play behind.
TEST(GameProgram, AStartFileThatCannotBeReadIsReportedAndEndsTheGame) {
    cTempDir dir;
    ASSERT_TRUE(CopyGameProject());
    const std::string stage = dir.Read("data\\stg4\\Default.stg4_147");
    ASSERT_FALSE(stage.empty());
    dir.Write("data\\stg4\\Bad.stg4_147", stage.substr(0, stage.size() / 2));
    cGameProcess game(SW_SHOWNORMAL, "data\\stg4\\Bad.stg4");
    EXPECT_EQ("ステージファイル data\\stg4\\Bad.stg4_147 の読み込みに失敗しました！", game.AnswerBox("エラー"));
    DWORD code = 1234;
    ASSERT_TRUE(game.WaitForExit(20000, &code)) << dir.Read(kLog);
    EXPECT_EQ(0u, code);
}

TEST(GameProgram, AMissingProjectFileStopsTheStartWritingNothing) {
    const char* const files[] = {
        "data\\database\\AnimeSet.dat",    "data\\database\\Anime.dat",   "data\\database\\Bmp_CharaExc.dat",
        "data\\database\\SwordType.dat",   "data\\database\\Effect.dat",  "data\\database\\CharaEffect.dat",
        "data\\database\\ScrEffect.dat",   "data\\database\\Picture.dat", "data\\database\\Sound.dat",
        "data\\database\\Bgm.dat",         "data\\System.dat",            "data\\WorldMap.dat",
        "data\\CommonPalette.cplt4",
    };
    for (const char* file : files) {
        SCOPED_TRACE(file);
        cTempDir dir;
        ASSERT_TRUE(CopyGameProject());
        ASSERT_TRUE(DeleteFileA(file));
        std::vector<std::string> before = ListTree("data");
        cGameProcess game;
        EXPECT_EQ(std::string(file) + " のロードに失敗！", game.AnswerBox("エラー"));
        DWORD code = 1234;
        ASSERT_TRUE(game.WaitForExit(10000, &code));
        EXPECT_EQ(0u, code);
        EXPECT_EQ(before, ListTree("data"));
    }
}

}  // namespace

TEST(GameProgram, TheTitleMenuQuitEntryEndsTheGameWithExitCode0) {
    cTempDir dir;
    ASSERT_TRUE(CopyGameProject());
    cGameProcess game;
    ASSERT_TRUE(game.Started());
    HWND wnd = game.WaitForMainWindow();
    ASSERT_NE(nullptr, wnd);
    ASSERT_TRUE(StartedUp(game)) << dir.Read(kLog);
    // Up wraps from the first mode to quit.
    cMenuKeys keys(wnd);
    keys.Press(VK_UP);
    EXPECT_TRUE(game.Running());
    keys.Press('Z');
    DWORD code = 1234;
    ASSERT_TRUE(game.WaitForExit(10000, &code)) << dir.Read(kLog);
    EXPECT_EQ(0u, code);
}

TEST(GameProgram, OptionsChangedInTheGameAreWrittenAndReadAtTheNextStart) {
    cTempDir dir;
    ASSERT_TRUE(CopyGameProject());
    // Each run: the options from the title menu (up twice from the first mode), then the keys.
    auto run = [&](const std::vector<WORD>& keys) {
        cGameProcess game;
        ASSERT_TRUE(game.Started());
        HWND wnd = game.WaitForMainWindow();
        ASSERT_NE(nullptr, wnd);
        ASSERT_TRUE(StartedUp(game)) << dir.Read(kLog);
        cMenuKeys menu(wnd);
        menu.Press({VK_UP, VK_UP, 'Z'});
        ASSERT_TRUE(menu.WaitForScene(eSceneOption));
        for (WORD key : keys) menu.Press(key);
        // Cancel leaves the options; the file is written when the fade-out has ended.
        menu.Press('X');
        ASSERT_TRUE(menu.WaitForScene(eSceneModeMenu));
        PostMessageA(wnd, WM_CLOSE, 0, 0);
        DWORD code = 1234;
        ASSERT_TRUE(game.WaitForExit(10000, &code));
        EXPECT_EQ(0u, code);
    };
    cOptionData defaults;
    // The volume row, one step up, kept with decide.
    run({VK_DOWN, VK_DOWN, 'Z', VK_UP, 'Z'});
    cOptionData saved;
    ASSERT_TRUE(saved.LoadFile("user_data\\Option.dat")) << dir.Read(kLog);
    EXPECT_EQ(defaults.m_SeVolume + 1, saved.m_SeVolume);
    // Leaving at once writes what the start read.
    run({});
    cOptionData again;
    ASSERT_TRUE(again.LoadFile("user_data\\Option.dat"));
    EXPECT_EQ(defaults.m_SeVolume + 1, again.m_SeVolume);
}
