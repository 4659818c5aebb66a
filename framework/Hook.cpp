#include "framework/Hook.h"

#include <imm.h>
#include <prsht.h>

#include "framework/MessageBox.h"
#include "framework/PropSheet.h"

namespace {

const char kHookProp[] = "cHook";
HHOOK g_hook = nullptr;
int g_ctrlHeld = 0;

bool IsNavigationKey(WPARAM key) {
    return key == VK_SPACE || key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN || key == VK_DELETE;
}

// The page the keys go to: the active window, or the current page of the active sheet.
cHook* ActivePageHook() {
    HWND active = GetActiveWindow();
    if (!active) return nullptr;
    HWND page = active;
    if (IsPropSheetWindow(active)) page = PropSheet_GetCurrentPageHwnd(active);
    cHook* hook = page ? static_cast<cHook*>(GetPropA(page, kHookProp)) : nullptr;
    return hook && hook->m_hPage == page ? hook : nullptr;
}

bool IsImeOpen(HWND wnd) {
    HIMC context = ImmGetContext(wnd);
    if (!context) {
        DebugBox("Err ImmGetContext");
        return false;
    }
    bool open = ImmGetOpenStatus(context) != FALSE;
    ImmReleaseContext(wnd, context);
    return open;
}

}  // namespace

LRESULT CALLBACK KeyboardHookProc(int code, WPARAM key, LPARAM keyData) {
    cHook* hook = code < 0 || code == HC_NOREMOVE ? nullptr : ActivePageHook();
    if (hook) {
        HWND page = hook->m_hPage;
        bool copy = true;
        if (keyData & 0x80000000) {
            if (key == VK_CONTROL) g_ctrlHeld = 0;
            if (!(hook->m_Modeless && g_ctrlHeld)) PostMessageA(page, WM_KEYUP, key, keyData);
            copy = false;
        } else if (key == VK_TAB) {
            copy = false;
        } else if (key == VK_RETURN) {
            // With the IME open, Enter completes the composition.
            copy = !IsImeOpen(page);
        } else if (!IsImeOpen(page) && IsNavigationKey(key)) {
            PostMessageA(page, WM_HOOKNAVKEY, key, keyData);
            copy = false;
        } else if (key == VK_CONTROL) {
            g_ctrlHeld = 1;
        }
        if (copy && !(hook->m_Modeless && g_ctrlHeld)) PostMessageA(page, WM_KEYDOWN, key, keyData);
    }
    return CallNextHookEx(g_hook, code, key, keyData);
}

cHook::~cHook() {
    if (m_hPage && GetPropA(m_hPage, kHookProp) == this) RemovePropA(m_hPage, kHookProp);
}

int cHook::Install(HWND page, int modeless) {
    m_hPage = page;
    m_Modeless = modeless;
    SetPropA(page, kHookProp, this);
    if (!g_hook) g_hook = SetWindowsHookExA(WH_KEYBOARD, KeyboardHookProc, nullptr, GetCurrentThreadId());
    return g_hook != nullptr;
}

int UninstallKeyboardHook() {
    if (!g_hook) return 0;
    int result = UnhookWindowsHookEx(g_hook);
    g_hook = nullptr;
    return result;
}

int IsCtrlHeld() { return g_ctrlHeld; }
