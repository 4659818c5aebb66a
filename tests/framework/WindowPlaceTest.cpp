// The game framework's window placement: by the stored point, over the parent, on the desktop.
#include <gtest/gtest.h>

#include "tests/framework/TestPage.h"

namespace {

RECT WindowRect(HWND wnd) {
    RECT r;
    GetWindowRect(wnd, &r);
    return r;
}

}  // namespace

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
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
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
        SCOPED_TRACE(centre);
        cTestPage page(IDD_TEST_SCROLL, &parent, eKindDialog, nullptr, nullptr, centre);
        ASSERT_TRUE(page.Create(0, TRUE));
        page.Move(0, 0);
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
