#include "game/core/GameWnd.h"

#include <mutex>

#include "framework/ErrorLog.h"
#include "game/core/GameGlobals.h"
#include "game/media/Display.h"

namespace {

const UINT kFirstRequest = UM_NAME_ENTRY;
const UINT kRequestCount = UM_SAVE_REPLAY - UM_NAME_ENTRY + 1;
// How long a notice to the editor may take before the game goes on without it.
const UINT kNoticeTimeoutMs = 2000;

UiRequestHandler g_handlers[kRequestCount] = {};

std::mutex g_rectLock;
RECT g_clientRect = {};

void UpdateClientRect(HWND wnd) {
    RECT client = {};
    GetClientRect(wnd, &client);
    POINT topLeft = {client.left, client.top};
    POINT bottomRight = {client.right, client.bottom};
    ClientToScreen(wnd, &topLeft);
    ClientToScreen(wnd, &bottomRight);
    std::lock_guard<std::mutex> lock(g_rectLock);
    g_clientRect = {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

// Around a dialog: on a full-screen display the GDI surface is brought to the front and the
// cursor shown; afterwards the cursor is hidden again.
void ShowDialogCursor() {
    cDisplayState& d = Display();
    if (d.nWindowMode || !d.lpDD) return;
    d.lpDD->FlipToGDISurface();
    ShowCursor(TRUE);
}

void HideDialogCursor() {
    if (Display().nWindowMode || !Display().lpDD) return;
    while (ShowCursor(FALSE) >= 0) {
    }
}

void Notify(HWND self, ULONG_PTR kind) {
    HWND editor = FindWindowA(kGameWndClass, kEditorWndTitle);
    if (!editor || editor == self) return;
    int32_t payload = 1;
    COPYDATASTRUCT data = {kind, sizeof payload, &payload};
    DWORD_PTR result = 0;
    SendMessageTimeoutA(editor, WM_COPYDATA, reinterpret_cast<WPARAM>(self), reinterpret_cast<LPARAM>(&data),
                        SMTO_ABORTIFHUNG, kNoticeTimeoutMs, &result);
}

BOOL CALLBACK CloseOwnedWindow(HWND wnd, LPARAM owner) {
    if (GetWindow(wnd, GW_OWNER) == reinterpret_cast<HWND>(owner)) PostMessageA(wnd, WM_CLOSE, 0, 0);
    return TRUE;
}

}  // namespace

cGameShell& GameShell() {
    static cGameShell shell;
    return shell;
}

void SetUiRequestHandler(UINT msg, UiRequestHandler handler) {
    if (msg >= kFirstRequest && msg < kFirstRequest + kRequestCount) g_handlers[msg - kFirstRequest] = handler;
}

cGameWnd& GameWnd() {
    static cGameWnd wnd;
    return wnd;
}

LRESULT CALLBACK GameWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return GameWnd().WndProc(wnd, msg, wParam, lParam);
}

RECT ClientScreenRect() {
    std::lock_guard<std::mutex> lock(g_rectLock);
    return g_clientRect;
}

void cGameWnd::NotifyEditorStarted() { Notify(GetHwnd(), kNoticeStarted); }

void cGameWnd::NotifyEditorClosed() { Notify(GetHwnd(), kNoticeClosed); }

LRESULT cGameWnd::WndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    // The framework's bookkeeping: the handle, the mouse, the layout.
    cTopWnd::WndProc(wnd, msg, wParam, lParam);
    cGameShell& shell = GameShell();
    switch (msg) {
    case WM_CREATE:
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_MOVE:
        UpdateClientRect(wnd);
        return 0;
    case WM_SIZE:
    case WM_GETMINMAXINFO:
    case WM_COMMAND:
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_PAINT:
        return 0;
    case WM_CLOSE:
        OnClose(wnd);
        return 0;
    case WM_ACTIVATEAPP:
        shell.bAppActive = wParam ? 1 : 0;
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE) PostMessageA(wnd, WM_CLOSE, 0, 0);
        return 0;
    case WM_PALETTECHANGED:
        if (reinterpret_cast<HWND>(wParam) == wnd) return 0;
        // fall through
    case WM_QUERYNEWPALETTE: {
        cDisplayState& d = Display();
        if (d.Primary.lpSurface && d.lpPalette) d.Primary.lpSurface->SetPalette(d.lpPalette);
        return 0;
    }
    case UM_PLAY_SE:
        if (!shell.bQuit) PlaySlot(wParam);
        return 0;
    case UM_NAME_ENTRY:
    case UM_OPEN_STAGE:
    case UM_OPEN_REPLAY:
    case UM_SAVE_REPLAY:
        RunRequest(wnd, msg, wParam);
        return 0;
    }
    return DefWindowProcA(wnd, msg, wParam, lParam);
}

void cGameWnd::PlaySlot(WPARAM slot) {
    cSoundVector& slots = SoundSlots();
    if (slots.empty()) return;
    DSPlay(slots.At(static_cast<int>(slot)), 0);
}

void cGameWnd::RunRequest(HWND wnd, UINT msg, WPARAM wParam) {
    cGameShell& shell = GameShell();
    UiRequestHandler handler = g_handlers[msg - kFirstRequest];
    int result = 0;
    if (handler && !shell.bQuit) {
        ++m_nRequestDepth;
        ShowDialogCursor();
        result = handler(wnd, wParam);
        HideDialogCursor();
        --m_nRequestDepth;
    }
    if (msg == UM_NAME_ENTRY) {
        shell.bNameEntryDone = 1;
    } else {
        shell.nDialogResult = result;
        shell.bDialogDone = 1;
    }
    if (m_bClosePending && m_nRequestDepth == 0) {
        m_bClosePending = false;
        PostMessageA(wnd, WM_CLOSE, 0, 0);
    }
}

void cGameWnd::OnClose(HWND wnd) {
    GameShell().bQuit = 1;
    if (m_nRequestDepth > 0) {
        // The game thread waits for the request below this call: its windows close first.
        m_bClosePending = true;
        EnumThreadWindows(GetCurrentThreadId(), CloseOwnedWindow, reinterpret_cast<LPARAM>(wnd));
        return;
    }
    DestroyWindow(wnd);
}

void cGameWnd::OnDestroy() {
    cGameShell& shell = GameShell();
    ErrorLog("WM_DESTROY");
    shell.bQuit = 1;
    BgmPlayer().Stop();
    StopGameThread(PauseThread());
    StopGameThread(RankViewThread());
    ErrorLog("thPause.Exit()");
    StopGameThread(GameThread());
    ErrorLog("thGame.Exit()");
    shell.hMainWnd = nullptr;
    shell.hDDWnd = nullptr;
    if (shell.bTestPlay) NotifyEditorClosed();
    PostQuitMessage(0);
}

bool StopGameThread(cThread& thread) {
    HANDLE handle = thread.Handle();
    if (!handle) return true;
    thread.Resume();
    DWORD start = GetTickCount();
    bool ended = false;
    while (GetTickCount() - start < cThread::kStopTimeoutMs) {
        PostThreadMessageA(thread.Id(), WM_QUIT, 0, 0);
        DWORD wait = MsgWaitForMultipleObjects(1, &handle, FALSE, 10, QS_SENDMESSAGE);
        if (wait == WAIT_OBJECT_0) {
            ended = true;
            break;
        }
        // Peeking handles the messages other threads sent to this one: the request the game
        // thread may be blocked in.
        MSG msg;
        PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    return thread.Stop() && ended;
}

int RequestUi(UINT msg, WPARAM wParam) {
    cGameShell& shell = GameShell();
    HWND wnd = shell.hMainWnd;
    if (shell.bQuit || !wnd) return 0;
    if (msg == UM_NAME_ENTRY)
        shell.bNameEntryDone = 0;
    else
        shell.bDialogDone = 0;
    SendMessageA(wnd, msg, wParam, 0);
    // The window thread sets the flag before SendMessage returns; a window that was gone meanwhile
    // handled nothing.
    if (msg == UM_NAME_ENTRY) return shell.bNameEntryDone ? 1 : 0;
    return shell.bDialogDone ? shell.nDialogResult.load() : 0;
}

LRESULT PlaySystemSe(int n) {
    HWND wnd = GameShell().hMainWnd;
    if (!wnd || GameShell().bQuit) return 0;
    return SendMessageA(wnd, UM_PLAY_SE, static_cast<WPARAM>(n), 0);
}

LRESULT PlaySe(int id) {
    int sound = id & 0xFFFF;
    if (sound == 0) return 0;
    return PlaySystemSe(sound + kSystemSounds - 1);
}
