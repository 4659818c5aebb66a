// Press and release edges of the mouse buttons, read from the real button state.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/MouseButtons.h"

namespace {

// Clicks land on a top-most window of the test's own, so that no other window sees them.
struct cClickPad {
    HWND wnd = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE, 600, 700, 20, 20, nullptr, nullptr,
                               nullptr, nullptr);
    cClickPad() { SetCursorPos(610, 710); }
    ~cClickPad() {
        Button(MOUSEEVENTF_LEFTUP);
        Button(MOUSEEVENTF_RIGHTUP);
        DestroyWindow(wnd);
    }
    static void Button(DWORD flags) {
        INPUT in = {};
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = flags;
        SendInput(1, &in, sizeof in);
    }
};

const int kAll = kMouseRead | kMousePress | kMouseRelease;

}  // namespace

TEST(MouseButtons, HeldButtonIsPressedOnceAndReleasedOnce) {
    cClickPad pad;
    cMouseButtons mouse;
    mouse.Update(kAll);
    ASSERT_EQ(0, mouse.m_LeftDown);

    cClickPad::Button(MOUSEEVENTF_LEFTDOWN);
    int pressed[3], released[3];
    for (int i = 0; i < 3; ++i) {
        mouse.Update(kAll);
        EXPECT_EQ(1, mouse.m_LeftDown);
        pressed[i] = mouse.m_LeftPressed;
        released[i] = mouse.m_LeftReleased;
    }
    EXPECT_EQ(1, pressed[0]);
    EXPECT_EQ(0, pressed[1]);
    EXPECT_EQ(0, pressed[2]);
    EXPECT_EQ(0, released[0] + released[1] + released[2]);

    cClickPad::Button(MOUSEEVENTF_LEFTUP);
    mouse.Update(kAll);
    EXPECT_EQ(1, mouse.m_LeftReleased);
    EXPECT_EQ(0, mouse.m_LeftPressed);
    mouse.Update(kAll);
    EXPECT_EQ(0, mouse.m_LeftReleased);
    EXPECT_EQ(0, mouse.m_RightPressed + mouse.m_RightReleased);
}

TEST(MouseButtons, EdgesAreOnlyFoundWhenAsked) {
    cClickPad pad;
    cMouseButtons mouse;
    mouse.Update(kAll);
    cClickPad::Button(MOUSEEVENTF_RIGHTDOWN);
    mouse.Update(kMouseRead);
    EXPECT_EQ(1, mouse.m_RightDown);
    EXPECT_EQ(0, mouse.m_RightPressed);
    cClickPad::Button(MOUSEEVENTF_RIGHTUP);
    mouse.Update(kMouseRead | kMouseRelease);
    EXPECT_EQ(1, mouse.m_RightReleased);
}
