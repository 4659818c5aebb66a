// The keyboard hook copies key presses to the active page. The keys are fed to the hook
// procedure as the system would call it: real input on a display shared by tests running at
// the same time would go to whichever test window has the focus.
#include <gtest/gtest.h>

#include "framework/Hook.h"
#include "tests/framework/TestPage.h"

namespace {

void Key(WPARAM vk, bool up) { KeyboardHookProc(HC_ACTION, vk, up ? 0xC0000001 : 1); }

void Press(WPARAM vk) {
    Key(vk, false);
    Key(vk, true);
}

// An open, active modeless page that records what reaches it.
struct cActivePage {
    cWndGroup group;
    cTestPage page{IDD_TEST_DIALOG, nullptr, eKindDialog, &group};
    cActivePage() {
        EXPECT_TRUE(page.Create(0, TRUE));
        SetActiveWindow(page.GetHwnd());
        EXPECT_EQ(page.GetHwnd(), GetActiveWindow());
        PumpPending(&group);
        page.m_Messages.clear();
    }
    ~cActivePage() { page.End(0); }
    // Other tests' windows on the same display take the focus now and then: the page is made
    // active again right before each key.
    void Key(WPARAM vk, bool up) {
        SetActiveWindow(page.GetHwnd());
        ::Key(vk, up);
    }
    void Press(WPARAM vk) {
        Key(vk, false);
        Key(vk, true);
    }
    int Count(UINT msg, WPARAM key) {
        PumpPending(&group);
        return page.CountMessages(msg, key);
    }
};

}  // namespace

TEST(KeyboardHook, CopiesKeysToTheActivePage) {
    cActivePage a;
    a.Press('A');
    EXPECT_EQ(1, a.Count(WM_KEYDOWN, 'A'));
    EXPECT_EQ(1, a.Count(WM_KEYUP, 'A'));

    // Navigation keys arrive as the hook's own message, which the page handles as the key.
    a.Press(VK_RIGHT);
    EXPECT_EQ(1, a.Count(WM_HOOKNAVKEY, VK_RIGHT));
    EXPECT_EQ(1, a.Count(WM_KEYDOWN, VK_RIGHT));

    // Tab is never copied (its release is).
    a.Press(VK_TAB);
    EXPECT_EQ(0, a.Count(WM_KEYDOWN, VK_TAB));
    EXPECT_EQ(1, a.Count(WM_KEYUP, VK_TAB));

    // Keys the system only peeks at are not copied.
    SetActiveWindow(a.page.GetHwnd());
    KeyboardHookProc(HC_NOREMOVE, 'Z', 1);
    EXPECT_EQ(0, a.Count(WM_KEYDOWN, 'Z'));
}

TEST(KeyboardHook, ModelessPageGetsNoKeysWhileCtrlIsHeld) {
    cActivePage a;
    a.Key(VK_CONTROL, false);
    EXPECT_EQ(1, IsCtrlHeld());
    a.Press('B');
    a.Key(VK_CONTROL, true);
    EXPECT_EQ(0, IsCtrlHeld());
    EXPECT_EQ(0, a.Count(WM_KEYDOWN, VK_CONTROL));
    EXPECT_EQ(0, a.Count(WM_KEYDOWN, 'B'));
    EXPECT_EQ(0, a.Count(WM_KEYUP, 'B'));
    EXPECT_EQ(1, a.Count(WM_KEYUP, VK_CONTROL));
    a.Press('C');
    EXPECT_EQ(1, a.Count(WM_KEYDOWN, 'C'));
}

TEST(KeyboardHook, ModalPageGetsEveryKeyAndHandsItToItsControls) {
    cTestPage page(IDD_TEST_DIALOG, nullptr, eKindDialog, nullptr);
    page.m_OnInit = [](cTestPage& p) { SetTimer(p.GetHwnd(), 1, 20, nullptr); };
    page.m_OnMessage = [](cTestPage& p, UINT msg, WPARAM wParam) {
        if (msg == WM_TIMER) {
            KillTimer(p.GetHwnd(), 1);
            SetActiveWindow(p.GetHwnd());
            Key(VK_CONTROL, false);
            Press('D');
            Key(VK_CONTROL, true);
        } else if (msg == WM_KEYUP && wParam == VK_CONTROL) {
            PostMessageA(p.GetHwnd(), WM_COMMAND, IDC_TEST_CANCEL, 0);
        }
    };
    page.DoModal(0);
    EXPECT_EQ(1, page.CountMessages(WM_KEYDOWN, VK_CONTROL));
    EXPECT_EQ(1, page.CountMessages(WM_KEYDOWN, 'D'));
    EXPECT_EQ((std::vector<int>{VK_CONTROL, 'D'}), page.m_Edit.m_Keys);
}

TEST(KeyboardHook, WindowWithoutAPageGetsNothing) {
    cActivePage a;
    HWND plain = CreateWindowExA(0, "STATIC", "plain", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr, nullptr,
                                 nullptr);
    SetActiveWindow(plain);
    ASSERT_EQ(plain, GetActiveWindow());
    Press('E');
    EXPECT_EQ(0, a.Count(WM_KEYDOWN, 'E'));
    EXPECT_EQ(0, a.Count(WM_KEYUP, 'E'));
    DestroyWindow(plain);
}
