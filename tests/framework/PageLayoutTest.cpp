// Layout, scroll bars, keyboard scrolling, placement, toolbar and the message dump of pages.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "framework/ErrorLog.h"
#include "tests/framework/TestPage.h"
#include "tests/support/TempDir.h"

namespace {

// A modeless scrolling page: content 200 x 100 with both bars, a toolbar row and a status bar.
struct cScrollPage {
    cTestPage page{IDD_TEST_SCROLL, nullptr, eKindDialog, nullptr};
    explicit cScrollPage(int scrollFlags = kScrollHorz | kScrollVert, int toolbarRows = 1, int barMode = kBarStatus) {
        cPage::SetScrollBarIds(IDC_TEST_HSCROLL, IDC_TEST_VSCROLL);
        page.SetLayout(200, 100, 100, 50, 400, 300, WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, toolbarRows, barMode, 0,
                       scrollFlags);
        EXPECT_TRUE(page.Create(0, TRUE));
    }
};

RECT ChildRect(HWND parent, int id) {
    RECT r;
    GetWindowRect(GetDlgItem(parent, id), &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

}  // namespace

TEST(PageLayout, ClientSizeAddsToolbarStatusAndBarsToTheContent) {
    cScrollPage s;
    RECT client;
    s.page.GetClientRect(&client);
    int cx = GetSystemMetrics(SM_CXVSCROLL), cy = GetSystemMetrics(SM_CYHSCROLL);
    EXPECT_EQ(200 + cx, client.right);
    EXPECT_EQ(100 + kToolbarRowHeight + kStatusBarHeight + cy, client.bottom);
    EXPECT_EQ(200, s.page.ContentWidth());
    EXPECT_EQ(100, s.page.ContentHeight());

    // The bars sit at the bottom and right edges of the content, below the toolbar.
    RECT h = ChildRect(s.page.GetHwnd(), IDC_TEST_HSCROLL);
    EXPECT_EQ((RECT{0, kToolbarRowHeight + 100, 200, kToolbarRowHeight + 100 + cy}).top, h.top);
    EXPECT_EQ(200, h.right - h.left);
    RECT v = ChildRect(s.page.GetHwnd(), IDC_TEST_VSCROLL);
    EXPECT_EQ(200, v.left);
    EXPECT_EQ(kToolbarRowHeight, v.top);
    EXPECT_EQ(100, v.bottom - v.top);

    // Resizing keeps the bars on the content's edges.
    s.page.Resize(300 + cx, 150 + kToolbarRowHeight + kStatusBarHeight + cy);
    EXPECT_EQ(300, s.page.ContentWidth());
    EXPECT_EQ(150, s.page.ContentHeight());
    v = ChildRect(s.page.GetHwnd(), IDC_TEST_VSCROLL);
    EXPECT_EQ(300, v.left);
    EXPECT_EQ(150, v.bottom - v.top);
}

TEST(PageLayout, StatusBarSpaceModeKeepsTheSpaceInTheContent) {
    cScrollPage s(0, 0, kBarSpace);
    RECT client;
    s.page.GetClientRect(&client);
    EXPECT_EQ(100 + kStatusBarHeight, client.bottom);
    EXPECT_EQ(100 + kStatusBarHeight, s.page.ContentHeight());
}

TEST(PageLayout, BarsScrollByCodeAndRepaintOnlyOnChange) {
    cScrollPage s;
    cScrollBar& bar = s.page.HorzBar();
    bar.SetRange(0, 10);
    bar.SetPage(3);
    HWND wnd = s.page.GetHwnd();
    LPARAM barWnd = reinterpret_cast<LPARAM>(bar.GetHwnd());
    struct cStep {
        WPARAM code;
        int pos;
        int paints;
    };
    const cStep steps[] = {
        {SB_LINERIGHT, 1, 1}, {SB_PAGERIGHT, 4, 2}, {SB_RIGHT, 8, 3},  // the system keeps max - page + 1
        {SB_LINERIGHT, 8, 3},  {SB_LINELEFT, 7, 4},  {SB_LEFT, 0, 5},
        {SB_LINELEFT, 0, 5},   {SB_ENDSCROLL, 0, 5}, {MAKEWPARAM(SB_THUMBTRACK, 0), 0, 5},
    };
    for (const cStep& step : steps) {
        SendMessageA(wnd, WM_HSCROLL, step.code, barWnd);
        EXPECT_EQ(step.pos, bar.GetPos()) << step.code;
        EXPECT_EQ(step.paints, s.page.m_Paints) << step.code;
    }
    EXPECT_EQ(8, bar.ScrollBy(100));
}

TEST(PageLayout, NavigationKeysScrollThePage) {
    cScrollPage s;
    s.page.HorzBar().SetRange(0, 10);
    s.page.VertBar().SetRange(0, 10);
    s.page.VertBar().SetPage(4);
    HWND wnd = s.page.GetHwnd();
    for (WPARAM key : {VK_RIGHT, VK_RIGHT, VK_LEFT, VK_NEXT, VK_DOWN}) SendMessageA(wnd, WM_KEYDOWN, key, 0);
    PumpPending();
    EXPECT_EQ(1, s.page.HorzBar().GetPos());
    EXPECT_EQ(5, s.page.VertBar().GetPos());
    // The hook's navigation message is handled as the key itself.
    SendMessageA(wnd, WM_HOOKNAVKEY, VK_UP, 0);
    PumpPending();
    EXPECT_EQ(4, s.page.VertBar().GetPos());
}

TEST(PageLayout, PageWithoutBarsOnlyOffersScrollsToItsControls) {
    cTestPage page(IDD_TEST_DIALOG, nullptr, eKindDialog, nullptr);
    ASSERT_TRUE(page.Create(0, TRUE));
    EXPECT_EQ(nullptr, page.HorzBar().GetHwnd());
    SendMessageA(page.GetHwnd(), WM_HSCROLL, SB_LINERIGHT, 0);
    SendMessageA(page.GetHwnd(), WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(0, page.m_Paints);
    EXPECT_EQ(2, page.m_Edit.m_Scrolls);
}

TEST(PageLayout, RightClickNeverReachesAnAttachedBar) {
    cScrollPage s;
    HWND bar = s.page.HorzBar().GetHwnd();
    WNDPROC subclassed = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(bar, GWLP_WNDPROC));
    SendMessageA(bar, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    SendMessageA(bar, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    PumpPending();
    EXPECT_EQ(0, s.page.CountMessages(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(bar)));
    // A bar that was not subclassed passes the click on, so the check above means something.
    SetWindowLongPtrA(bar, GWLP_WNDPROC, GetClassLongPtrA(bar, GCLP_WNDPROC));
    SendMessageA(bar, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    PumpPending();
    EXPECT_EQ(1, s.page.CountMessages(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(bar)));
    SetWindowLongPtrA(bar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(subclassed));
}

TEST(PageLayout, WindowNearTheDesktopEdgeIsPulledInside) {
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    cTestPage page(IDD_TEST_DIALOG, nullptr, eKindDialog, nullptr, desktop.right - 20, desktop.bottom - 10);
    ASSERT_TRUE(page.Create(0, TRUE));
    RECT r;
    GetWindowRect(page.GetHwnd(), &r);
    EXPECT_EQ(desktop.right, r.right);
    EXPECT_EQ(desktop.bottom, r.bottom);

    cTestPage inside(IDD_TEST_DIALOG, nullptr, eKindDialog, nullptr, 30, 40);
    ASSERT_TRUE(inside.Create(0, TRUE));
    int x, y;
    inside.GetWindowPos(&x, &y);
    EXPECT_EQ(30, x);
    EXPECT_EQ(40, y);
}

TEST(PageLayout, WindowOpensCentredOnItsAnchorControl) {
    cTestPage owner(IDD_TEST_DIALOG, nullptr, eKindDialog, nullptr, 100, 100);
    ASSERT_TRUE(owner.Create(0, TRUE));
    for (int centre : {0, 1}) {
        cTestPage page(IDD_TEST_DIALOG, &owner, eKindDialog, nullptr, &owner.m_Edit, centre);
        ASSERT_TRUE(page.Create(0, TRUE));
        RECT anchor, r;
        GetWindowRect(owner.m_Edit.GetHwnd(), &anchor);
        GetWindowRect(page.GetHwnd(), &r);
        if (centre) {
            EXPECT_NEAR((anchor.left + anchor.right) / 2, (r.left + r.right) / 2, 1);
            EXPECT_NEAR((anchor.top + anchor.bottom) / 2, (r.top + r.bottom) / 2, 1);
        } else {
            EXPECT_EQ(anchor.left, r.left);
            EXPECT_EQ(anchor.top, r.top);
        }
    }
}

TEST(PageLayout, ToolButtonsGetTheirImagesAndTooltips) {
    cScrollPage s(0, 1, kBarNone);
    cToolButton buttons[3] = {};
    buttons[0] = {{STD_FILEOPEN, 3001, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0}, IDS_TIP_OPEN};
    buttons[1] = {{0, 0, 0, BTNS_SEP, {}, 0, 0}, 0};
    buttons[2] = {{STD_FILESAVE, 3002, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0}, IDS_TIP_SAVE};
    s.page.AddToolButtons(buttons, 3);
    HWND toolbar = FindWindowExA(s.page.GetHwnd(), nullptr, TOOLBARCLASSNAMEA, nullptr);
    ASSERT_NE(nullptr, toolbar);
    EXPECT_EQ(3, SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0));
    TBBUTTON b = {};
    SendMessageA(toolbar, TB_GETBUTTON, 2, reinterpret_cast<LPARAM>(&b));
    EXPECT_EQ(3002, b.idCommand);
    TBBUTTON first = {};
    SendMessageA(toolbar, TB_GETBUTTON, 0, reinterpret_cast<LPARAM>(&first));
    EXPECT_EQ(STD_FILESAVE - STD_FILEOPEN, b.iBitmap - first.iBitmap);

    HWND tooltip = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM lp) -> BOOL {
            char cls[64];
            GetClassNameA(w, cls, sizeof cls);
            if (lstrcmpiA(cls, TOOLTIPS_CLASSA) == 0) *reinterpret_cast<HWND*>(lp) = w;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&tooltip));
    ASSERT_NE(nullptr, tooltip);
    EXPECT_EQ(2, SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0));
}

TEST(PageLayout, MessageDumpWritesNamesAndSkipsGetText) {
    cTempDir dir;
    SetErrorLog(1, "EC_Test.txt");
    cTestPage page(IDD_TEST_DIALOG, nullptr, eKindDialog, nullptr);
    ASSERT_TRUE(page.Create(0, TRUE));
    page.SetName("テスト窓");
    page.SetMessageDump(1);
    char text[16];
    SendMessageA(page.GetHwnd(), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    SendMessageA(page.GetHwnd(), WM_COMMAND, MAKEWPARAM(IDC_TEST_BUTTON, 0), MAKELPARAM(7, 9));
    SendMessageA(page.GetHwnd(), 0x7777, 0, 0);
    page.SetMessageDump(0);
    SetErrorLog(0, "");
    std::string log = dir.Read("EC_Test.txt");
    EXPECT_NE(std::string::npos, log.find("テスト窓 | msg:WM_COMMAND | wp:1002(0,1002) | lp:589831(9,7)\r\n"));
    EXPECT_NE(std::string::npos, log.find("テスト窓 | msg:30583 | wp:0(0,0) | lp:0(0,0)\r\n"));
    EXPECT_EQ(std::string::npos, log.find("WM_GETTEXT"));
}

TEST(PageLayout, ControlMovesKeepingItsSize) {
    cTestPage page(IDD_TEST_DIALOG, nullptr, eKindDialog, nullptr);
    ASSERT_TRUE(page.Create(0, TRUE));
    RECT before = ChildRect(page.GetHwnd(), IDC_TEST_EDIT);
    page.m_Edit.Move(5, 6);
    RECT after = ChildRect(page.GetHwnd(), IDC_TEST_EDIT);
    EXPECT_EQ(5, after.left);
    EXPECT_EQ(6, after.top);
    EXPECT_EQ(before.right - before.left, after.right - after.left);
    EXPECT_EQ(before.bottom - before.top, after.bottom - after.top);
}

TEST(PageLayout, ScrollBarCanDriveTheOwnBarOfAWindow) {
    cTestPage page(IDD_TEST_DIALOG, nullptr, eKindDialog, nullptr);
    ASSERT_TRUE(page.Create(0, TRUE));
    HWND owner = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VSCROLL, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    cScrollBarSettings settings;
    settings.lpOwner = &owner;
    settings.bar = SB_VERT;
    settings.maximum = 10;
    settings.page = 2;
    cScrollBar bar;
    bar.Attach(&page, 0, settings);
    EXPECT_EQ(9, bar.ScrollBy(50));
    SCROLLINFO si = {sizeof si, SIF_ALL};
    ASSERT_TRUE(GetScrollInfo(owner, SB_VERT, &si));
    EXPECT_EQ(9, si.nPos);
    EXPECT_EQ(2u, si.nPage);
    DestroyWindow(owner);
}

TEST(PageLayout, TrackSizesAreTheLayoutsPlusTheFrame) {
    cScrollPage s(0, 0, kBarNone);
    MINMAXINFO info = {};
    SendMessageA(s.page.GetHwnd(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    RECT outer, client;
    GetWindowRect(s.page.GetHwnd(), &outer);
    s.page.GetClientRect(&client);
    int frameWidth = (outer.right - outer.left) - client.right;
    int frameHeight = (outer.bottom - outer.top) - client.bottom;
    EXPECT_EQ(100 + frameWidth, info.ptMinTrackSize.x);
    EXPECT_EQ(50 + frameHeight, info.ptMinTrackSize.y);
    EXPECT_EQ(400 + frameWidth, info.ptMaxTrackSize.x);
    EXPECT_EQ(300 + frameHeight, info.ptMaxTrackSize.y);
}

// A style bit that changes the frame: the window keeps its outer size and the layout is read
// again, so the frame sizes and the content follow the bit both ways.
TEST(PageLayout, StyleBitsChangeTheFrameAndTheLayoutFollows) {
    cScrollPage s(0, 0, kBarNone);
    const int frame = s.page.FrameLeft(), width = s.page.ContentWidth();
    s.page.AddStyle(WS_THICKFRAME);
    EXPECT_EQ(WS_THICKFRAME, GetWindowLongA(s.page.GetHwnd(), GWL_STYLE) & WS_THICKFRAME);
    EXPECT_LT(frame, s.page.FrameLeft());
    EXPECT_EQ(width - 2 * (s.page.FrameLeft() - frame), s.page.ContentWidth());
    s.page.RemoveStyle(WS_THICKFRAME);
    EXPECT_EQ(0, GetWindowLongA(s.page.GetHwnd(), GWL_STYLE) & WS_THICKFRAME);
    EXPECT_EQ(frame, s.page.FrameLeft());
    EXPECT_EQ(width, s.page.ContentWidth());
}

TEST(PageLayout, StatusBarSitsBelowTheContent) {
    cScrollPage s(0, 0, kBarStatus);
    HWND status = FindWindowExA(s.page.GetHwnd(), nullptr, STATUSCLASSNAMEA, nullptr);
    ASSERT_NE(nullptr, status);
    RECT r;
    GetWindowRect(status, &r);
    MapWindowPoints(nullptr, s.page.GetHwnd(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(100, r.top);
    EXPECT_EQ(kStatusBarHeight, r.bottom - r.top);
}

TEST(PageLayout, FocusOnABarGoesBackToTheFocusTarget) {
    cScrollPage s;
    HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, s.page.GetHwnd(), nullptr, nullptr,
                                nullptr);
    s.page.SetFocusTarget(edit);
    SetActiveWindow(s.page.GetHwnd());
    SetFocus(s.page.VertBar().GetHwnd());
    SendMessageA(s.page.GetHwnd(), WM_NULL, 0, 0);
    EXPECT_EQ(edit, GetFocus());
}

TEST(PageLayout, ToolButtonsFromABitmapStrip) {
    cTempDir dir;
    // Two 16 x 15 images side by side.
    std::string bmp;
    BITMAPFILEHEADER fh = {0x4d42, 0, 0, 0, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
    BITMAPINFOHEADER ih = {sizeof ih, 32, 15, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    bmp.append(reinterpret_cast<const char*>(&fh), sizeof fh);
    bmp.append(reinterpret_cast<const char*>(&ih), sizeof ih);
    bmp.append(32 * 3 * 15, '\x40');
    dir.Write("strip.bmp", bmp);

    cScrollPage s(0, 1, kBarNone);
    cToolButton buttons[2] = {};
    buttons[0] = {{0, 3001, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0}, IDS_TIP_OPEN};
    buttons[1] = {{1, 3002, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0}, IDS_TIP_SAVE};
    EXPECT_EQ(0, s.page.AddToolButtonsFromImage(buttons, 2, "missing.bmp"));
    ASSERT_EQ(1, s.page.AddToolButtonsFromImage(buttons, 2, "strip.bmp"));
    HWND toolbar = FindWindowExA(s.page.GetHwnd(), nullptr, TOOLBARCLASSNAMEA, nullptr);
    EXPECT_EQ(2, SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0));
    TBBUTTON first = {}, second = {};
    SendMessageA(toolbar, TB_GETBUTTON, 0, reinterpret_cast<LPARAM>(&first));
    SendMessageA(toolbar, TB_GETBUTTON, 1, reinterpret_cast<LPARAM>(&second));
    EXPECT_EQ(1, second.iBitmap - first.iBitmap);
}
