#include "tests/support/DialogDriver.h"

#include <string>

namespace {

std::function<bool(HWND)> g_isMine;
std::function<void(HWND)> g_drive;

BOOL CALLBACK FindDialog(HWND wnd, LPARAM found) {
    if (!g_isMine(wnd)) return TRUE;
    *reinterpret_cast<HWND*>(found) = wnd;
    return FALSE;
}

void CALLBACK DriveTimer(HWND, UINT, UINT_PTR id, DWORD) {
    HWND dlg = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dlg));
    if (!dlg) return;
    KillTimer(nullptr, id);
    // The action may drive the next dialog, which replaces the stored action: run it from here.
    std::function<void(HWND)> drive = std::move(g_drive);
    drive(dlg);
}

}  // namespace

void DriveDialog(std::function<bool(HWND)> isMine, std::function<void(HWND)> drive) {
    g_isMine = std::move(isMine);
    g_drive = std::move(drive);
    SetTimer(nullptr, 0, 10, DriveTimer);
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
