// Modal and modeless dialogs of the window base: running, ending, command dispatch,
// accelerators, groups and the failure of a missing template.
#include <gtest/gtest.h>

#include <memory>

#include "framework/ErrorLog.h"
#include "tests/framework/TestPage.h"
#include "tests/support/BoxAnswers.h"
#include "tests/support/CloseCounter.h"

namespace {

struct cEndCase {
    const char* name;
    UINT msg;
    WPARAM wParam;
    INT_PTR code;
    bool stored;
};

}  // namespace

TEST(Dialog, ModalEndsWithTheCodeAndStoresOnlyOnOk) {
    const cEndCase cases[] = {
        {"OK", WM_COMMAND, IDC_TEST_OK, 1, true},
        {"Cancel", WM_COMMAND, IDC_TEST_CANCEL, 0, false},
        {"close box", WM_CLOSE, 0, 0, false},
    };
    for (const cEndCase& c : cases) {
        SCOPED_TRACE(c.name);
        cTestPage page(IDD_TEST_DIALOG, nullptr, eKindDialog, nullptr);
        page.m_OnInit = [&c](cTestPage& p) {
            EXPECT_EQ("初期値", p.m_Text);
            SetDlgItemTextA(p.GetHwnd(), IDC_TEST_EDIT, "新しい値");
            PostMessageA(p.GetHwnd(), c.msg, c.wParam, 0);
        };
        EXPECT_EQ(c.code, page.DoModal(0));
        EXPECT_EQ(c.stored ? "新しい値" : "初期値", page.m_Text);
        EXPECT_EQ(nullptr, page.GetHwnd());
    }
}

TEST(Dialog, ModalOnAnOpenWindowReturnsZeroAtOnce) {
    cTestPage page(IDD_TEST_DIALOG, nullptr, eKindDialog, nullptr);
    INT_PTR inner = -5;
    page.m_OnInit = [&inner](cTestPage& p) {
        inner = p.DoModal(0);
        PostMessageA(p.GetHwnd(), WM_COMMAND, IDC_TEST_OK, 0);
    };
    EXPECT_EQ(1, page.DoModal(0));
    EXPECT_EQ(0, inner);
}

TEST(Dialog, EditNotificationsReachTheBoundControl) {
    cTestPage page(IDD_TEST_DIALOG, nullptr, eKindDialog, nullptr);
    int reformats = 0, events = 0;
    page.m_OnInit = [&](cTestPage& p) {
        HWND edit = GetDlgItem(p.GetHwnd(), IDC_TEST_EDIT);
        int reformatsBefore = p.m_Edit.m_Reformats, eventsBefore = p.m_Edit.m_Events;
        SendMessageA(p.GetHwnd(), WM_COMMAND, MAKEWPARAM(IDC_TEST_EDIT, EN_UPDATE), reinterpret_cast<LPARAM>(edit));
        SendMessageA(p.GetHwnd(), WM_COMMAND, MAKEWPARAM(IDC_TEST_EDIT, EN_KILLFOCUS), reinterpret_cast<LPARAM>(edit));
        SendMessageA(p.GetHwnd(), WM_COMMAND, MAKEWPARAM(IDC_TEST_EDIT, EN_CHANGE), reinterpret_cast<LPARAM>(edit));
        EXPECT_EQ(IDC_TEST_EDIT, p.FindChangedCtrl(MAKEWPARAM(IDC_TEST_EDIT, EN_UPDATE)));
        EXPECT_EQ(0, p.FindChangedCtrl(MAKEWPARAM(IDC_TEST_EDIT, EN_KILLFOCUS)));
        reformats = p.m_Edit.m_Reformats - reformatsBefore;
        events = p.m_Edit.m_Events - eventsBefore;
        PostMessageA(p.GetHwnd(), WM_COMMAND, IDC_TEST_CANCEL, 0);
    };
    page.DoModal(0);
    EXPECT_EQ(1, reformats);
    EXPECT_EQ(1, events);
}

TEST(Dialog, CommandArrivingDuringAnotherIsDropped) {
    cTestPage page(IDD_TEST_DIALOG, nullptr, eKindDialog, nullptr);
    page.m_OnInit = [](cTestPage& p) {
        SendMessageA(p.GetHwnd(), WM_COMMAND, IDC_TEST_BUTTON, 0);
        // After the first command ended, the next one is taken again.
        SendMessageA(p.GetHwnd(), WM_COMMAND, IDC_TEST_BUTTON + 100, 0);
        PostMessageA(p.GetHwnd(), WM_COMMAND, IDC_TEST_CANCEL, 0);
    };
    page.m_OnCommand = [](cTestPage& p, int id) {
        if (id == IDC_TEST_BUTTON) SendMessageA(p.GetHwnd(), WM_COMMAND, IDC_TEST_BUTTON + 1, 0);
    };
    page.DoModal(0);
    EXPECT_EQ((std::vector<int>{IDC_TEST_BUTTON, IDC_TEST_BUTTON + 100, IDC_TEST_CANCEL}), page.m_Commands);
}

TEST(Dialog, ModelessRunsCommandsAndAcceleratorsThroughTheGroup) {
    cWndGroup group;
    cTestPage page(IDD_TEST_DIALOG, nullptr, eKindDialog, &group);
    page.m_OnInit = [](cTestPage& p) { p.AddAccelerator(p.GetHwnd(), IDR_TEST_ACCEL); };
    ASSERT_TRUE(page.Create(0, TRUE));
    EXPECT_TRUE(page.IsModeless());
    SetForegroundWindow(page.GetHwnd());
    SetActiveWindow(page.GetHwnd());
    ASSERT_EQ(page.GetHwnd(), GetActiveWindow());

    PostMessageA(page.GetHwnd(), WM_KEYDOWN, VK_F5, 0);
    PostMessageA(page.GetHwnd(), WM_COMMAND, IDC_TEST_BUTTON, 0);
    ASSERT_TRUE(PumpUntil([&] { return page.m_Commands.size() >= 2; }, &group));
    EXPECT_EQ((std::vector<int>{ID_TEST_ACCEL_CMD, IDC_TEST_BUTTON}), page.m_Commands);

    // A closed window leaves the group, so the loop no longer offers it messages.
    page.End(3);
    EXPECT_EQ(nullptr, page.GetHwnd());
    EXPECT_EQ(3, page.GetEndCode());
    MSG msg = {};
    msg.message = WM_KEYDOWN;
    msg.wParam = VK_F5;
    EXPECT_EQ(0, group.PreTranslate(&msg));
}

TEST(Dialog, CreateOfAnOpenWindowMakesItAnew) {
    cWndGroup group;
    cTestPage page(IDD_TEST_DIALOG, nullptr, eKindDialog, &group);
    ASSERT_TRUE(page.Create(0, TRUE));
    HWND first = page.GetHwnd();
    ASSERT_TRUE(page.Create(0, FALSE));
    EXPECT_FALSE(IsWindow(first));
    EXPECT_TRUE(IsWindow(page.GetHwnd()));
    EXPECT_FALSE(IsWindowVisible(page.GetHwnd()));
}

TEST(Dialog, RunFlagsHideOrDisableTheGroupWhileTheDialogRuns) {
    struct cFlagCase {
        int flags;
        bool visible;
        bool enabled;
    };
    const cFlagCase cases[] = {{0, true, true}, {kRunHideGroup, false, true}, {kRunDisableGroup, true, false}};
    for (const cFlagCase& c : cases) {
        SCOPED_TRACE(c.flags);
        cWndGroup group;
        cTestPage other(IDD_TEST_DIALOG, nullptr, eKindDialog, &group);
        ASSERT_TRUE(other.Create(0, TRUE));
        cTestPage modal(IDD_TEST_DIALOG, nullptr, eKindDialog, &group);
        bool visible = false, enabled = false;
        modal.m_OnInit = [&](cTestPage& p) {
            visible = IsWindowVisible(other.GetHwnd()) != FALSE;
            enabled = IsWindowEnabled(other.GetHwnd()) != FALSE;
            PostMessageA(p.GetHwnd(), WM_COMMAND, IDC_TEST_CANCEL, 0);
        };
        modal.DoModal(c.flags);
        EXPECT_EQ(c.visible, visible);
        EXPECT_EQ(c.enabled, enabled);
        EXPECT_TRUE(IsWindowVisible(other.GetHwnd()));
        EXPECT_TRUE(IsWindowEnabled(other.GetHwnd()));
    }
}

TEST(Dialog, MissingTemplateIsReportedToTheUser) {
    cBoxAnswers boxes;
    cCloseCounter main;
    SetMainWindow(main.Wnd());
    // A modal dialog that cannot be made is reported and the program goes on. The failure is no
    // end code: a caller reading non-zero as "changed" must see 0.
    cTestPage modal(IDD_TEST_MISSING, nullptr, eKindDialog, nullptr);
    EXPECT_EQ(0, modal.DoModal(0));
    EXPECT_EQ(0, main.Closes());
    // A modeless window is one the program lives in: without it the program closes in order.
    cTestPage modeless(IDD_TEST_MISSING, nullptr, eKindDialog, nullptr);
    EXPECT_FALSE(modeless.Create(0, TRUE));
    EXPECT_EQ(1, main.Closes());
    SetMainWindow(nullptr);
    ASSERT_EQ(2u, boxes.Shown().size());
    EXPECT_EQ("システムリソース不足です！", boxes.Shown()[0].text);
    EXPECT_EQ("システムリソース不足です！", boxes.Shown()[1].text);
}

TEST(Dialog, DeletingAnOpenModelessPageClosesItsWindow) {
    cWndGroup group;
    auto page = std::make_unique<cTestPage>(IDD_TEST_DIALOG, nullptr, eKindDialog, &group);
    ASSERT_TRUE(page->Create(0, TRUE));
    HWND wnd = page->GetHwnd();
    page.reset();
    EXPECT_FALSE(IsWindow(wnd));
    MSG msg = {};
    msg.hwnd = wnd;
    msg.message = WM_KEYDOWN;
    EXPECT_EQ(0, group.PreTranslate(&msg));
}

namespace {

// A data list stands in: the page refreshes every control of that kind, and only those.
class cListStub : public cCtrl {
public:
    explicit cListStub(int kind) : cCtrl(kind) {}
    void Refresh() override { ++m_Refreshes; }
    void DataToCtrl() override { ++m_Shown; }
    // Takes the accelerator id m_Takes and the menu id m_TakesMenu; records every offer.
    int OnCmd(UINT id) override {
        m_Offered.push_back(static_cast<int>(id));
        return id == m_Takes;
    }
    int OnMenuCmd(UINT id) override { return id == m_TakesMenu; }
    int m_Refreshes = 0;
    int m_Shown = 0;
    UINT m_Takes = 0;
    UINT m_TakesMenu = 0;
    std::vector<int> m_Offered;
};

}  // namespace

TEST(Dialog, RedrawListAndRefreshReachTheRightControls) {
    cTestPage page(IDD_TEST_DIALOG, nullptr, eKindDialog, nullptr);
    ASSERT_TRUE(page.Create(0, TRUE));
    cListStub list(eCtrlDataList), other(eCtrlCombo);
    list.Attach(&page, IDC_TEST_BUTTON);
    other.Attach(&page, IDC_TEST_OK);
    page.AddCtrl(&list);
    page.AddCtrl(&other);
    page.RedrawList();
    EXPECT_EQ(1, list.m_Refreshes);
    EXPECT_EQ(0, other.m_Refreshes);
    page.RefreshOtherCtrls(0, IDC_TEST_BUTTON);
    EXPECT_EQ(0, list.m_Shown);
    EXPECT_EQ(1, other.m_Shown);
    page.RefreshCtrls(0);
    EXPECT_EQ(1, list.m_Shown);
    EXPECT_EQ(2, other.m_Shown);
}

TEST(Dialog, MenuAndAcceleratorCommandsAreOfferedToTheListsUntilOneTakesIt) {
    cTestPage page(IDD_TEST_DIALOG, nullptr, eKindDialog, nullptr);
    ASSERT_TRUE(page.Create(0, TRUE));
    cListStub first(eCtrlDataList), second(eCtrlDataList);
    first.Attach(&page, IDC_TEST_BUTTON);
    second.Attach(&page, IDC_TEST_OK);
    first.m_Takes = 40001;
    second.m_Takes = 40002;
    second.m_TakesMenu = 40042;
    page.AddCtrl(&first);
    page.AddCtrl(&second);
    HWND button = GetDlgItem(page.GetHwnd(), IDC_TEST_BUTTON);
    struct {
        WPARAM wParam;
        LPARAM lParam;
        std::vector<int> first, second;
    } cases[] = {
        {MAKEWPARAM(40001, 1), 0, {40001}, {}},              // an accelerator the first list takes
        {MAKEWPARAM(40002, 1), 0, {40002}, {40002}},         // offered on to the second
        {MAKEWPARAM(40042, 0), 0, {40042}, {40042}},         // a popup menu command
        {MAKEWPARAM(40050, 0), 0, {40050}, {40050}},         // nobody's: offered to all
        {MAKEWPARAM(IDC_TEST_BUTTON, BN_CLICKED), reinterpret_cast<LPARAM>(button), {}, {}},  // a control's
    };
    for (auto& c : cases) {
        first.m_Offered.clear();
        second.m_Offered.clear();
        SendMessageA(page.GetHwnd(), WM_COMMAND, c.wParam, c.lParam);
        EXPECT_EQ(c.first, first.m_Offered) << LOWORD(c.wParam);
        EXPECT_EQ(c.second, second.m_Offered) << LOWORD(c.wParam);
    }
    // Another window asks the page to redraw its lists by message.
    SendMessageA(page.GetHwnd(), WM_REDRAWLIST, 0, 0);
    EXPECT_EQ(1, first.m_Refreshes);
    EXPECT_EQ(1, second.m_Refreshes);
}
