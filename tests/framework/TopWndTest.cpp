// Top-level framework windows, window placement and the mouse-button edges.
#include <gtest/gtest.h>

#include "framework/TopWnd.h"
#include "tests/framework/TestPage.h"

namespace {

class cTestTop : public cTopWnd {
public:
    void OnCreate(WPARAM, LPARAM lParam) override {
        m_Created = reinterpret_cast<CREATESTRUCTA*>(lParam)->lpszName;
        m_HandleAtCreate = GetHwnd();
    }
    void OnCommand(WPARAM wParam, LPARAM) override { m_Commands.push_back(LOWORD(wParam)); }
    std::string m_Created;
    HWND m_HandleAtCreate = nullptr;
    std::vector<int> m_Commands;
};

RECT WindowRect(HWND wnd) {
    RECT r;
    GetWindowRect(wnd, &r);
    return r;
}

}  // namespace

TEST(TopWnd, ClassWindowReachesItsObject) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = cTopWnd::StaticWndProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "KitTopTest";
    ASSERT_NE(0, RegisterClassA(&wc));
    cTestTop top;
    HWND wnd = CreateWindowExA(0, "KitTopTest", "トップ", WS_OVERLAPPEDWINDOW, 10, 10, 200, 100, nullptr, nullptr,
                               wc.hInstance, &top);
    ASSERT_NE(nullptr, wnd);
    EXPECT_EQ("トップ", top.m_Created);
    EXPECT_EQ(wnd, top.m_HandleAtCreate);
    SendMessageA(wnd, WM_COMMAND, 4321, 0);
    EXPECT_EQ(std::vector<int>{4321}, top.m_Commands);
    DestroyWindow(wnd);
    EXPECT_EQ(nullptr, top.GetHwnd());
}

TEST(WindowPlace, RestorePositionUsesTheStoredPointOnlyWhenBothAreSet) {
    RECT desktop = WindowRect(GetDesktopWindow());
    struct cCase {
        int x, y;
        POINT expected;  // {-1, -1}: stays where it was moved to
    };
    const cCase cases[] = {
        {kNoPosition, 0, {-1, -1}},
        {0, kNoPosition, {-1, -1}},
        {50, 60, {50, 60}},
        {static_cast<int>(desktop.right) - 5, 60, {-2, 60}},  // -2: pulled in to the right edge
    };
    for (const cCase& c : cases) {
        cTestPage page(IDD_TEST_DIALOG, nullptr, eKindDialog, nullptr, c.x, c.y);
        ASSERT_TRUE(page.Create(0, TRUE));
        page.Move(10, 20);
        page.RestorePosition();
        RECT r = WindowRect(page.GetHwnd());
        if (c.expected.x == -1) {
            EXPECT_EQ(10, r.left);
            EXPECT_EQ(20, r.top);
        } else {
            EXPECT_EQ(c.expected.x == -2 ? desktop.right : c.expected.x + (r.right - r.left), r.right);
            EXPECT_EQ(c.expected.y, r.top);
        }
    }
}

TEST(WindowPlace, RestorePositionCentresOverTheParentOrTakesItsCorner) {
    cTestPage parent(IDD_TEST_DIALOG, nullptr, eKindDialog, nullptr, 100, 100);
    ASSERT_TRUE(parent.Create(0, TRUE));
    RECT outer = WindowRect(parent.GetHwnd()), client;
    GetClientRect(parent.GetHwnd(), &client);
    for (int centre : {0, 1}) {
        cTestPage page(IDD_TEST_SCROLL, &parent, eKindDialog, nullptr, nullptr, centre);
        ASSERT_TRUE(page.Create(0, TRUE));
        page.RestorePosition();
        RECT own;
        GetClientRect(page.GetHwnd(), &own);
        RECT r = WindowRect(page.GetHwnd());
        EXPECT_EQ(outer.left + (centre ? client.right / 2 - own.right / 2 : 0), r.left);
        EXPECT_EQ(outer.top + (centre ? client.bottom / 2 - own.bottom / 2 : 0), r.top);
    }
}

TEST(WindowPlace, CenterOnDesktop) {
    cTestPage page(IDD_TEST_DIALOG, nullptr, eKindDialog, nullptr);
    ASSERT_TRUE(page.Create(0, TRUE));
    page.CenterOnDesktop();
    RECT desktop = WindowRect(GetDesktopWindow()), r = WindowRect(page.GetHwnd());
    EXPECT_EQ((desktop.right - (r.right - r.left)) / 2, r.left);
    EXPECT_EQ((desktop.bottom - (r.bottom - r.top)) / 2, r.top);
}
