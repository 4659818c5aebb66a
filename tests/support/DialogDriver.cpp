#include "tests/support/DialogDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <memory>
#include <string>
#include <vector>

namespace {

cDialogWatch* g_watches = nullptr;
HHOOK g_loopFilter = nullptr;

}  // namespace

cDialogWatch::cDialogWatch(void (*tick)()) : m_Tick(tick), m_Next(g_watches) {
    g_watches = this;
    m_Timer = SetTimer(nullptr, 0, 10, OnTimer);
    if (!g_loopFilter) g_loopFilter = SetWindowsHookExA(WH_MSGFILTER, OnLoop, nullptr, GetCurrentThreadId());
}

cDialogWatch::~cDialogWatch() {
    KillTimer(nullptr, m_Timer);
    for (cDialogWatch** at = &g_watches; *at; at = &(*at)->m_Next)
        if (*at == this) {
            *at = m_Next;
            break;
        }
    if (!g_watches && g_loopFilter) {
        UnhookWindowsHookEx(g_loopFilter);
        g_loopFilter = nullptr;
    }
}

void CALLBACK cDialogWatch::OnTimer(HWND, UINT, UINT_PTR id, DWORD) {
    for (cDialogWatch* watch = g_watches; watch; watch = watch->m_Next)
        if (watch->m_Timer == id) return watch->m_Tick();
}

LRESULT CALLBACK cDialogWatch::OnLoop(int code, WPARAM wParam, LPARAM lParam) {
    // A window that has just opened paints first: its first paint ticks the watches, the timer
    // serves everything else.
    static HWND lastPainted = nullptr;
    const MSG* msg = reinterpret_cast<const MSG*>(lParam);
    HWND root = msg->message == WM_PAINT && msg->hwnd ? GetAncestor(msg->hwnd, GA_ROOT) : nullptr;
    if (code == MSGF_DIALOGBOX && root && root != lastPainted) {
        lastPainted = root;
        // A tick may end its own watch or start another: each runs from a list taken first.
        std::vector<void (*)()> ticks;
        for (cDialogWatch* watch = g_watches; watch; watch = watch->m_Next) ticks.push_back(watch->m_Tick);
        for (void (*tick)() : ticks) tick();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

namespace {

// Longer than any dialog of the tests takes to open on a loaded machine, short enough that a
// run that opened something else fails in its own test's time.
const DWORD kDriveTimeoutMs = 10000;
// How often a watch that has run out closes what the run opened, until the run comes back.
const DWORD kCloseAgainMs = 1000;

std::function<bool(HWND)> g_isMine;
std::function<void(HWND)> g_drive;
std::string g_what;
DWORD g_armedAt = 0;
DWORD g_closedAt = 0;
bool g_ranOut = false;
std::vector<HWND> g_before;  // the thread's windows when the watch was set
std::unique_ptr<cDialogWatch> g_watch;

BOOL CALLBACK FindDialog(HWND wnd, LPARAM found) {
    if (!g_isMine(wnd)) return TRUE;
    *reinterpret_cast<HWND*>(found) = wnd;
    return FALSE;
}

BOOL CALLBACK ListWindow(HWND wnd, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(wnd);
    return TRUE;
}

std::vector<HWND> ThreadWindows() {
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), ListWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

bool IsShownDialog(HWND wnd) {
    char name[16] = "";
    GetClassNameA(wnd, name, sizeof name);
    return IsWindowVisible(wnd) && IsWindowEnabled(wnd) && std::string(name) == "#32770";
}

// Closes the dialogs the run opened after the watch was set, which no one will answer, so that
// the run comes back to the test. False when there were none left.
bool CloseDialogsOpenedSince(const std::vector<HWND>& before) {
    bool closed = false;
    for (HWND wnd : ThreadWindows())
        if (IsShownDialog(wnd) && std::find(before.begin(), before.end(), wnd) == before.end()) {
            PostMessageA(wnd, WM_CLOSE, 0, 0);
            closed = true;
        }
    return closed;
}

void RunOut() {
    DWORD now = GetTickCount();
    if (!g_ranOut) {
        g_ranOut = true;
        ADD_FAILURE() << "waited " << kDriveTimeoutMs / 1000 << " s for " << g_what << ", which never opened";
    } else if (now - g_closedAt < kCloseAgainMs) {
        return;
    }
    g_closedAt = now;
    if (CloseDialogsOpenedSince(g_before)) return;
    g_drive = nullptr;
    g_watch.reset();
}

void DriveIfOpen() {
    if (!g_drive) return;
    HWND dlg = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dlg));
    if (!dlg) {
        if (GetTickCount() - g_armedAt > kDriveTimeoutMs) RunOut();
        return;
    }
    g_watch.reset();
    // The action may drive the next dialog, which replaces the stored action: run it from here.
    std::function<void(HWND)> drive = std::move(g_drive);
    g_drive = nullptr;
    drive(dlg);
}

}  // namespace

void DriveDialog(std::function<bool(HWND)> isMine, std::function<void(HWND)> drive, const std::string& what) {
    g_watch.reset();
    g_isMine = std::move(isMine);
    g_drive = std::move(drive);
    g_what = what;
    g_armedAt = GetTickCount();
    g_ranOut = false;
    g_before = ThreadWindows();
    g_watch.reset(new cDialogWatch(DriveIfOpen));
}

bool IsShownWithCaption(HWND wnd, const char* caption) {
    if (!IsWindowVisible(wnd)) return false;
    wchar_t text[256] = L"";
    wchar_t wanted[256] = L"";
    InternalGetWindowText(wnd, text, 256);
    MultiByteToWideChar(CP_ACP, 0, caption, -1, wanted, 256);
    return wcscmp(text, wanted) == 0;
}

void DriveCaptioned(const char* caption, std::function<void(HWND)> drive) {
    std::string wanted = caption;
    DriveDialog([wanted](HWND wnd) { return IsShownWithCaption(wnd, wanted.c_str()); }, std::move(drive),
                "the window captioned \"" + wanted + "\"");
}

namespace {
HMENU g_shownMenu = nullptr;
}  // namespace

HMENU ShownPopupMenu(const std::function<void()>& open) {
    g_shownMenu = nullptr;
    UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
        HWND menu = FindWindowA("#32768", nullptr);
        if (!menu) return;
        g_shownMenu = reinterpret_cast<HMENU>(SendMessageA(menu, MN_GETHMENU, 0, 0));
        EndMenu();
    });
    open();
    KillTimer(nullptr, timer);
    return g_shownMenu;
}

namespace {

BOOL CALLBACK FillNameBox(HWND child, LPARAM name) {
    char cls[32] = "";
    GetClassNameA(child, cls, sizeof cls);
    if (std::string(cls) != "Edit" || !IsWindowVisible(child)) return TRUE;
    SetWindowTextA(child, reinterpret_cast<const char*>(name));
    return FALSE;
}

}  // namespace

bool AnswerFileDialog(HWND dialog, const char* name) {
    // The dialog fills its boxes once it shows; a name typed before that is lost.
    Sleep(300);
    EnumChildWindows(dialog, FillNameBox, reinterpret_cast<LPARAM>(name));
    for (int i = 0; i < 200 && IsWindow(dialog); ++i) {
        if (i % 25 == 0) PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        Sleep(20);
    }
    return !IsWindow(dialog);
}
