// The game program's entry: the logs, the single-instance check, the main window, the start-up,
// the game-loop thread and the message pump, then the shutdown.
#include <windows.h>

#include "framework/ErrorLog.h"
#include "framework/MessageBox.h"
#include "framework/Path.h"
#include "framework/SystemReport.h"
#include "game/core/FrameTimes.h"
#include "game/core/GameGlobals.h"
#include "game/core/GameInit.h"
#include "game/core/GameLoop.h"
#include "game/core/GameWnd.h"
#include "game/flow/PlayFlowRuntime.h"
#include "game/play/GameHost.h"
#include "game/media/ScreenSize.h"

namespace {

const int kTestPlayShow = 5;
const int kIconResource = 101;
const int kWindowX = 100;
const int kWindowY = 100;
const DWORD kWindowStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

const char kErrorLogSwitch[] = "KIT_ERROR_LOG";

HANDLE g_mutex = nullptr;

void ReleaseInstance() {
    if (!g_mutex) return;
    ReleaseMutex(g_mutex);
    CloseHandle(g_mutex);
    g_mutex = nullptr;
}

bool RegisterGameClass(HINSTANCE instance) {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = GameWndProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(kIconResource));
    wc.hIconSm = wc.hIcon;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    wc.lpszClassName = kGameWndClass;
    return RegisterClassExA(&wc) != 0;
}

// The game thread creates its queue when it first looks at it: post until it takes the message.
void WaitForQueue(cThread& thread) {
    while (!PostThreadMessageA(thread.Id(), WM_APP, 0, 0)) Sleep(1);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
    // The log is off unless the person running the game asks for it (scripts/run.sh does).
    SetErrorLog(GetEnvironmentVariableA(kErrorLogSwitch, nullptr, 0) ? 1 : 0, "EC_Game.txt");
    StartFrameTimes();
    ErrorLog("A");
    ErrorLog("B");
    char report[MAX_PATH] = "Report_Game.txt";
    MakeAbsolutePath(report);
    if (!OpenReport(report)) return 0;
    Report("App : ver %s", "147");
    WriteSystemReport();
    ErrorLog("C");

    cGameShell& shell = GameShell();
    if (show == kTestPlayShow) {
        shell.bTestPlay = 1;
    } else {
        shell.bTestPlay = 0;
        g_mutex = CreateMutexA(nullptr, FALSE, "ゲーム");
        if (GetLastError() == ERROR_ALREADY_EXISTS) {
            ShowMessageBox(nullptr, "既に起動しています", "二重起動", MB_OK);
            if (g_mutex) CloseHandle(g_mutex);
            g_mutex = nullptr;
            return 0;
        }
    }
    ErrorLog("D");
    if (!RegisterGameClass(instance)) {
        ReleaseInstance();
        return 0;
    }
    ErrorLog("E");

    cGameWnd& window = GameWnd();
    RECT outer = {0, 0, kScreenWidth, kScreenHeight};
    AdjustWindowRect(&outer, kWindowStyle, FALSE);
    ErrorLog("F");
    HWND wnd = CreateWindowExA(0, kGameWndClass, "", kWindowStyle, kWindowX, kWindowY, outer.right - outer.left,
                               outer.bottom - outer.top, nullptr, nullptr, instance, nullptr);
    if (!wnd) {
        ErrorBox("ウインドウが生成出来ません！");
        ReleaseInstance();
        return 0;
    }
    shell.hMainWnd = wnd;
    SetMainWindow(wnd);
    ErrorLog("G");
    if (shell.bTestPlay) window.NotifyEditorStarted();
    ErrorLog("H");

    InstallPlayScene();
    SetFlowRuntime(&PlayFlowRuntime());
    if (!InitGame(commandLine, show)) {
        UnInitGame();
        ReleaseInstance();
        return 0;
    }
    shell.bRunning = 1;
    ErrorLog("I");
    if (GameThread().Start(GameLoop, nullptr))
        WaitForQueue(GameThread());
    else
        PostMessageA(wnd, WM_CLOSE, 0, 0);
    ErrorLog("J");

    MSG msg = {};
    for (;;) {
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) break;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        } else {
            WaitMessage();
        }
    }
    shell.bRunning = 0;
    UnInitGame();
    ErrorLog("UnInitGame後");
    ReleaseInstance();
    ErrorLog("ReleaseMutex後");
    return static_cast<int>(msg.wParam);
}
