// Pages and the real mouse: scrolling toward the mouse during a drag, and the right click
// that opens a page's popup menu.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/framework/TestPage.h"

namespace {

void Button(DWORD flags) {
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    SendInput(1, &in, sizeof in);
}

// A top-most scrolling page at a known place: content 200 x 100, both bars.
struct cPlacedPage {
    cTestPage page{IDD_TEST_SCROLL, nullptr, eKindDialog, nullptr, 200, 200};
    POINT origin = {};  // the content's top-left on the screen
    cPlacedPage() {
        cPage::SetScrollBarIds(IDC_TEST_HSCROLL, IDC_TEST_VSCROLL);
        page.SetLayout(200, 100, 200, 100, 200, 100, WS_POPUP | WS_CAPTION, 0, 0, kBarNone, 0, kScrollHorz | kScrollVert);
        EXPECT_TRUE(page.Create(0, TRUE));
        SetWindowPos(page.GetHwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        SetActiveWindow(page.GetHwnd());
        ClientToScreen(page.GetHwnd(), &origin);
        for (cScrollBar* bar : {&page.HorzBar(), &page.VertBar()}) {
            bar->SetRange(0, 20);
            bar->SetPos(5);
        }
    }
};

// Moves the cursor and waits until the display has it there.
void MoveCursor(int x, int y) {
    SetCursorPos(x, y);
    POINT pt = {};
    for (int i = 0; i < 200 && GetCursorPos(&pt) && (pt.x != x || pt.y != y); ++i) Sleep(5);
    EXPECT_EQ(x, pt.x);
    EXPECT_EQ(y, pt.y);
}

}  // namespace

TEST(MouseScroll, ScrollsTowardTheMouseFasterWhenItIsFarOut) {
    cPlacedPage p;
    int horz = -1, vert = -1;
    // 40 pixels left of the content: a step on every call.
    // The display may still report older pointer motion: the cursor is put back every time.
    for (int i = 0; i < 3; ++i) {
        MoveCursor(p.origin.x - 40, p.origin.y + 50);
        p.page.AutoScroll(&horz, &vert);
    }
    EXPECT_EQ(2, horz);
    EXPECT_EQ(2, p.page.HorzBar().GetPos());
    EXPECT_EQ(-1, vert);
    // 10 pixels below: a step on every eighth call.
    for (int i = 0; i < 7; ++i) {
        MoveCursor(p.origin.x + 50, p.origin.y + 100 + 10);
        p.page.AutoScroll(&horz, &vert);
    }
    EXPECT_EQ(-1, vert);
    MoveCursor(p.origin.x + 50, p.origin.y + 100 + 10);
    p.page.AutoScroll(&horz, &vert);
    EXPECT_EQ(6, vert);
    EXPECT_EQ(2, horz);
}

TEST(MouseContext, RightClickCountsOnlyWhenItBeganAfterTheWindowOpened) {
    MoveCursor(300, 300);
    Button(MOUSEEVENTF_RIGHTDOWN);  // held from before the page opens
    cPlacedPage p;
    MoveCursor(p.origin.x + 50, p.origin.y + 50);
    // Reads the mouse as the page's next message would, then asks.
    auto release = [&] {
        SetActiveWindow(p.page.GetHwnd());
        p.page.GetMousePos(0, kMouseRead | kMousePress | kMouseRelease);
        Button(MOUSEEVENTF_RIGHTUP);
        p.page.GetMousePos(0, kMouseRead | kMousePress | kMouseRelease);
        return p.page.IsContextClick();
    };
    EXPECT_EQ(0, release());
    Button(MOUSEEVENTF_RIGHTDOWN);
    EXPECT_EQ(1, release());
    // Once read again, the release is over.
    p.page.GetMousePos(0, kMouseRead | kMousePress | kMouseRelease);
    EXPECT_EQ(0, p.page.IsContextClick());
    PumpPending();
}
