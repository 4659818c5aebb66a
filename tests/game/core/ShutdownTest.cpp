#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <thread>

#include "framework/ErrorLog.h"
#include "game/core/GameGlobals.h"
#include "game/core/GameWnd.h"

namespace {

const char kClass[] = "GameWndShutdownTest";
std::atomic<int> g_inRequest{0};
std::atomic<int> g_requests{0};

// Stands in for a file dialog: an owned window with its own message loop until it is closed.
int BlockingDialog(HWND owner, WPARAM) {
    HWND dialog = CreateWindowExA(0, "STATIC", "dialog", WS_POPUP, 0, 0, 10, 10, owner, nullptr, nullptr, nullptr);
    g_inRequest = 1;
    MSG msg;
    while (IsWindow(dialog) && GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    g_inRequest = 0;
    return 1;
}

enum eRequestKind { eDialogRequests, eSoundRequests };

// The game thread of the test: request after request until it is told to end.
DWORD WINAPI RequestingThread(void* parameter) {
    eRequestKind kind = static_cast<eRequestKind>(reinterpret_cast<INT_PTR>(parameter));
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            if (msg.message == WM_QUIT) return 1;
        if (kind == eDialogRequests)
            RequestUi(UM_OPEN_STAGE, 0);
        else
            PlaySystemSe(1);
        ++g_requests;
    }
}

class GameWndShutdown : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = GameWndProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kClass;
        RegisterClassA(&wc);
        SetUiRequestHandler(UM_OPEN_STAGE, BlockingDialog);
    }
    void TearDown() override {
        SetUiRequestHandler(UM_OPEN_STAGE, nullptr);
        cGameShell& shell = GameShell();
        shell.hMainWnd = nullptr;
        shell.hDDWnd = nullptr;
        shell.bQuit = 0;
        SetMainWindow(nullptr);
        UnregisterClassA(kClass, GetModuleHandleA(nullptr));
    }

    // One run: the window, the game thread making requests, WM_CLOSE once the thread is inside
    // one; true when the window thread got WM_QUIT within the time.
    bool CloseWhileRequesting(eRequestKind kind) {
        cGameShell& shell = GameShell();
        shell.bQuit = 0;
        HWND wnd = CreateWindowExA(0, kClass, "", WS_POPUP, 0, 0, 64, 48, nullptr, nullptr, nullptr, nullptr);
        if (!wnd) return false;
        shell.hMainWnd = wnd;
        shell.hDDWnd = wnd;
        g_requests = 0;
        if (!GameThread().Start(RequestingThread, reinterpret_cast<void*>(static_cast<INT_PTR>(kind)))) return false;

        // The window thread is inside the request's own message loop then: the close comes from
        // elsewhere, as a close from the system would.
        std::thread closer([kind, wnd] {
            DWORD begin = GetTickCount();
            while (GetTickCount() - begin < 5000) {
                bool inside = kind == eDialogRequests ? g_inRequest.load() != 0 : g_requests > 3;
                if (inside) break;
                Sleep(1);
            }
            PostMessageA(wnd, WM_CLOSE, 0, 0);
        });
        DWORD start = GetTickCount();
        bool quit = false;
        while (GetTickCount() - start < 10000) {
            MSG msg;
            if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
            } else if (msg.message == WM_QUIT) {
                quit = true;
                break;
            } else {
                DispatchMessageA(&msg);
            }
        }
        closer.join();
        EXPECT_FALSE(IsWindow(wnd));
        EXPECT_EQ(nullptr, GameThread().Handle()) << "the game thread was left running";
        if (IsWindow(wnd)) DestroyWindow(wnd);
        return quit;
    }
};

TEST_F(GameWndShutdown, CloseWhileTheGameThreadWaitsForTheWindowThreadNeverHangs) {
    for (int i = 0; i < 50; ++i) {
        SCOPED_TRACE(i);
        eRequestKind kind = i % 2 ? eSoundRequests : eDialogRequests;
        DWORD start = GetTickCount();
        ASSERT_TRUE(CloseWhileRequesting(kind));
        EXPECT_LT(GetTickCount() - start, 2000u);
    }
}

TEST_F(GameWndShutdown, RequestsAfterTheCloseAreAnsweredAtOnce) {
    HWND wnd = CreateWindowExA(0, kClass, "", WS_POPUP, 0, 0, 64, 48, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, wnd);
    GameShell().hMainWnd = wnd;
    GameShell().bQuit = 1;
    EXPECT_EQ(0, RequestUi(UM_OPEN_STAGE, 0));
    EXPECT_EQ(0, g_inRequest.load());
    DestroyWindow(wnd);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
}

// A window of the test that records what the game sends it.
std::atomic<int> g_lastSound{-1};
std::atomic<int> g_sounds{0};
LRESULT CALLBACK SoundRecorder(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == UM_PLAY_SE) {
        g_lastSound = static_cast<int>(wParam);
        ++g_sounds;
        return 0;
    }
    return DefWindowProcA(wnd, msg, wParam, lParam);
}

TEST_F(GameWndShutdown, SoundIdsMapToTheirSlots) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = SoundRecorder;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "SoundRecorder";
    RegisterClassA(&wc);
    HWND wnd = CreateWindowExA(0, "SoundRecorder", "", WS_POPUP, 0, 0, 8, 8, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, wnd);
    GameShell().hMainWnd = wnd;
    struct {
        bool system;
        int id;
        int slot;  // -1: nothing sent
    } cases[] = {
        {false, 0, -1}, {false, 5, 21}, {false, 1, 17}, {false, 0x10005, 21}, {false, 0x10000, -1},
        {true, 3, 3},   {true, 16, 16},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        g_lastSound = -1;
        g_sounds = 0;
        c.system ? PlaySystemSe(c.id) : PlaySe(c.id);
        EXPECT_EQ(c.slot < 0 ? 0 : 1, g_sounds.load());
        EXPECT_EQ(c.slot, g_lastSound.load());
    }
    DestroyWindow(wnd);
    UnregisterClassA("SoundRecorder", GetModuleHandleA(nullptr));
}

}  // namespace
