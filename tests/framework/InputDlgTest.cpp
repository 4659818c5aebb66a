// The number and text input dialogs, driven from a timer while they run modally, and the
// modeless message window.
#include <gtest/gtest.h>

#include <functional>

#include "framework/FrameworkIds.h"
#include "framework/InputDlg.h"
#include "framework/ErrorLog.h"
#include "tests/framework/ControlPage.h"
#include "tests/support/DialogDriver.h"
#include "tests/support/TempDir.h"

namespace {

const char kTitle[] = "テストの入力";

// The test's own dialog: other test programs may show theirs on the same display.
bool IsOwnDialog(HWND wnd) {
    char title[64] = "";
    GetWindowTextA(wnd, title, sizeof title);
    return strcmp(title, kTitle) == 0;
}

void DriveWith(std::function<void(HWND)> drive) { DriveDialog(IsOwnDialog, std::move(drive)); }

// With the error log on, a control missing from a template shows a box, which fails the test.
class InputDlg : public testing::Test {
protected:
    void SetUp() override { SetErrorLog(1, "EC_Test.txt"); }
    void TearDown() override { SetErrorLog(0, nullptr); }
    cTempDir m_dir;
};

void TypeAndPress(HWND dlg, const char* text, int button) {
    SetDlgItemTextA(dlg, IDC_INPUT_EDIT, text);
    PostMessageA(dlg, WM_COMMAND, button, 0);
}

}  // namespace

TEST_F(InputDlg, NumberDialogReturnsTheTypedValueOnlyOnOk) {
    struct cCase {
        const char* name;
        const char* typed;
        int button;  // 0: the close box
        int code;
        int32_t value;
    };
    const cCase cases[] = {
        {"OK", "42", IDC_INPUT_OK, 1, 42},
        {"OK beyond the maximum", "999", IDC_INPUT_OK, 1, 100},
        {"Cancel", "42", IDC_INPUT_CANCEL, 0, 7},
        {"close box", "42", 0, 0, 7},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        int32_t value = 7;
        std::string shown, label;
        DriveWith([&](HWND dlg) {
            shown = WindowText(GetDlgItem(dlg, IDC_INPUT_EDIT));
            EXPECT_NE(nullptr, GetDlgItem(dlg, IDC_INPUT_SPIN));
            EXPECT_NE(nullptr, GetDlgItem(dlg, IDC_INPUT_LABEL));
            SetDlgItemTextA(dlg, IDC_INPUT_EDIT, c.typed);
            if (c.button)
                PostMessageA(dlg, WM_COMMAND, c.button, 0);
            else
                PostMessageA(dlg, WM_CLOSE, 0, 0);
        });
        EXPECT_EQ(c.code, InputValue(nullptr, nullptr, &value, -10, 100, kTitle, nullptr, 0));
        EXPECT_EQ("7", shown);
        EXPECT_EQ(c.value, value);
    }
}

TEST_F(InputDlg, NumberDialogStepsWithItsUpDownAndOpensAtThePoint) {
    int32_t value = 5;
    RECT placed = {};
    DriveWith([&](HWND dlg) {
        GetWindowRect(dlg, &placed);
        // UDN_DELTAPOS as the up-down control sends it for one click up.
        NMUPDOWN change = {};
        change.hdr.hwndFrom = GetDlgItem(dlg, IDC_INPUT_SPIN);
        change.hdr.idFrom = IDC_INPUT_SPIN;
        change.hdr.code = UDN_DELTAPOS;
        change.iDelta = 1;
        SendMessageA(dlg, WM_NOTIFY, IDC_INPUT_SPIN, reinterpret_cast<LPARAM>(&change));
        PostMessageA(dlg, WM_COMMAND, IDC_INPUT_OK, 0);
    });
    EXPECT_EQ(1, InputValueAt(nullptr, nullptr, &value, 0, 9, kTitle, 120, 90));
    EXPECT_EQ(6, value);
    EXPECT_EQ(120, placed.left);
    EXPECT_EQ(90, placed.top);
}

TEST_F(InputDlg, TextDialogKeepsTheLimit) {
    struct cCase {
        const char* name;
        int limit, dbcs;
        const char* typed;
        int button;
        int code;
        const char* text;
    };
    const cCase cases[] = {
        {"OK", 10, 0, "勇者", IDC_INPUT_OK, 1, "勇者"},
        {"bytes past the limit are cut", 10, 0, "0123456789AB", IDC_INPUT_OK, 1, "0123456789"},
        {"characters within the limit", 4, 1, "あいうえ", IDC_INPUT_OK, 1, "あいうえ"},
        {"Cancel", 10, 0, "勇者", IDC_INPUT_CANCEL, 0, "初め"},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::string text = "初め";
        std::string shown;
        DriveWith([&](HWND dlg) {
            shown = WindowText(GetDlgItem(dlg, IDC_INPUT_EDIT));
            TypeAndPress(dlg, c.typed, c.button);
        });
        EXPECT_EQ(c.code, InputString(nullptr, nullptr, &text, c.limit, c.dbcs, kTitle, nullptr, 0));
        EXPECT_EQ("初め", shown);
        EXPECT_EQ(c.text, text);
    }
}

TEST_F(InputDlg, TextDialogOpensOverItsAnchor) {
    cBindings<cBoundPlain> anchors(1);
    anchors[0].m_Desc.Set(IDC_CTRL_BUTTON);
    cCtrlPage page(IDD_CTRL_BIND);
    page.Open([&](cCtrlPage& p) { p.AttachCtrls(anchors); });
    RECT anchor, placed = {};
    GetWindowRect(page.Item(IDC_CTRL_BUTTON), &anchor);
    std::string text;
    DriveWith([&](HWND dlg) {
        GetWindowRect(dlg, &placed);
        TypeAndPress(dlg, "", IDC_INPUT_CANCEL);
    });
    EXPECT_EQ(0, InputStringAt(&page, nullptr, &text, 8, 0, kTitle, anchor.left, anchor.top));
    EXPECT_EQ(anchor.left, placed.left);
    DriveWith([&](HWND dlg) {
        GetWindowRect(dlg, &placed);
        TypeAndPress(dlg, "", IDC_INPUT_CANCEL);
    });
    EXPECT_EQ(0, InputString(&page, nullptr, &text, 8, 0, kTitle, &anchors[0].m_Ctrl, 0));
    EXPECT_EQ(anchor.left, placed.left);
    EXPECT_EQ(anchor.top, placed.top);
}

TEST_F(InputDlg, MessageWindowDisablesTheGroupUntilItIsClosed) {
    cWndGroup group;
    cCtrlPage page(IDD_CTRL_BIND, &group);
    page.Open(nullptr);
    ShowMessageWindowAt(&page, &group, "読み込み中です", "お知らせ", 50, 60);
    cMessageWnd* wnd = GetMessageWindow();
    ASSERT_NE(nullptr, wnd);
    HWND msgWnd = wnd->GetHwnd();
    ASSERT_NE(nullptr, msgWnd);
    EXPECT_EQ("お知らせ", WindowText(msgWnd));
    EXPECT_EQ("読み込み中です", WindowText(GetDlgItem(msgWnd, IDC_MESSAGE_TEXT)));
    EXPECT_FALSE(IsWindowEnabled(page.GetHwnd()));

    // A second window replaces the first.
    ShowMessageWindow(&page, &group, "次です", "お知らせ", nullptr, 0);
    EXPECT_FALSE(IsWindow(msgWnd));
    msgWnd = GetMessageWindow()->GetHwnd();
    EXPECT_EQ("次です", WindowText(GetDlgItem(msgWnd, IDC_MESSAGE_TEXT)));

    CloseMessageWindow();
    EXPECT_EQ(nullptr, GetMessageWindow());
    EXPECT_FALSE(IsWindow(msgWnd));
    EXPECT_TRUE(IsWindowEnabled(page.GetHwnd()));
}
