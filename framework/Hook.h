#pragma once
// The thread keyboard hook: a dialog page does not see the keys its controls receive, so the
// hook copies every key press and release to the active page as posted messages (the current
// page of an active property sheet counts as active). Keys that an open IME composition
// needs stay with the IME.
#include <windows.h>

// Posted to the page, in place of WM_KEYDOWN, for space, the arrows and Delete while the IME
// is closed.
const UINT WM_HOOKNAVKEY = WM_USER + 1000;

class cHook {
public:
    virtual ~cHook();
    // Marks the window as served by this object and installs the hook for the current thread
    // when none is installed yet. 1 when a hook is in place, 0 when it could not be installed.
    int Install(HWND page, int modeless);

    HWND m_hPage = nullptr;
    int m_Modeless = 0;  // keys pressed while Ctrl is held are not copied to a modeless page
};

// The hook procedure itself (the system calls it; tests feed it keys the same way).
LRESULT CALLBACK KeyboardHookProc(int code, WPARAM key, LPARAM keyData);

// Removes the hook (once, at exit); the result of the removal, 0 when there was none.
int UninstallKeyboardHook();
// Non-zero while Ctrl is held, as the hook saw it.
int IsCtrlHeld();
