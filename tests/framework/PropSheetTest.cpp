// Property sheets of dialog pages: apply, cancel, page selection, owner, keys and the group.
#include <gtest/gtest.h>

#include <memory>

#include "framework/PropSheet.h"
#include "tests/framework/TestPage.h"
#include "tests/support/BoxAnswers.h"

namespace {

const int kApplyButton = 0x3021;

// What the pages of a sheet saw; it outlives the sheet, which the group may delete.
struct cSheetLog {
    int applied[3] = {};
    int reset[3] = {};
    std::string stored[3];
};

class cSheetPage : public cTestPage {
public:
    cSheetPage(UINT templateId, cWndGroup* group, cSheetLog* log, int index)
        : cTestPage(templateId, nullptr, eKindSheetPage, group), m_lpLog(log), m_Index(index) {}
    INT_PTR DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_NOTIFY) {
            UINT code = reinterpret_cast<NMHDR*>(lParam)->code;
            if (code == static_cast<UINT>(PSN_APPLY)) {
                CtrlsToData();
                m_lpLog->stored[m_Index] = m_Text;
                ++m_lpLog->applied[m_Index];
            } else if (code == static_cast<UINT>(PSN_RESET)) {
                ++m_lpLog->reset[m_Index];
            }
        }
        return cTestPage::DialogProc(wnd, msg, wParam, lParam);
    }

private:
    cSheetLog* m_lpLog;
    int m_Index;
};

class cTestSheet : public cPropSheet {
public:
    cTestSheet(cChildWnd* parent, cWndGroup* group, cPropSheet** slot, cSheetLog* log, int pages)
        : cPropSheet(1, parent, group, slot),
          m_A(IDD_TEST_PAGE_A, group, log, 0),
          m_B(IDD_TEST_PAGE_B, group, log, 1),
          m_C(IDD_TEST_PAGE_C, group, log, 2) {
        cSheetPage* all[] = {&m_A, &m_B, &m_C};
        for (int i = 0; i < pages; ++i) m_Pages.push_back(all[i]);
        if (Open()) SetWindowTextA(GetHwnd(), "設定");
    }
    ~cTestSheet() override { Close(); }

    cSheetPage m_A, m_B, m_C;
};

HWND PageEdit(cPage& page) { return GetDlgItem(page.GetHwnd(), IDC_TEST_EDIT); }

}  // namespace

TEST(PropSheet, ApplyStoresEveryOpenedPageAndCancelLetsTheGroupDeleteTheSheet) {
    cWndGroup group;
    cTestPage owner(IDD_TEST_DIALOG, nullptr, eKindDialog, &group);
    ASSERT_TRUE(owner.Create(0, TRUE));
    cSheetLog log;
    cPropSheet* slot = nullptr;
    cTestSheet* sheet = new cTestSheet(&owner, &group, &slot, &log, 2);
    slot = sheet;
    HWND wnd = sheet->GetHwnd();
    ASSERT_NE(nullptr, wnd);
    EXPECT_EQ(owner.GetHwnd(), GetWindow(wnd, GW_OWNER));
    sheet->SetCurPage(1);
    ASSERT_NE(nullptr, sheet->m_B.GetHwnd());
    EXPECT_TRUE(sheet->m_A.IsModeless());

    SetWindowTextA(PageEdit(sheet->m_A), "一");
    SetWindowTextA(PageEdit(sheet->m_B), "二");
    PropSheet_Changed(wnd, sheet->m_B.GetHwnd());
    SendMessageA(GetDlgItem(wnd, kApplyButton), BM_CLICK, 0, 0);
    PumpPending(&group);
    EXPECT_EQ(1, log.applied[0]);
    EXPECT_EQ(1, log.applied[1]);
    EXPECT_EQ("一", log.stored[0]);
    EXPECT_EQ("二", log.stored[1]);
    EXPECT_NE(nullptr, slot);

    SendMessageA(GetDlgItem(wnd, IDCANCEL), BM_CLICK, 0, 0);
    // The group looks for closed sheets as the loop offers it the next message.
    PostMessageA(owner.GetHwnd(), WM_NULL, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return slot == nullptr; }, &group, 3000));
    EXPECT_FALSE(IsWindow(wnd));
    EXPECT_EQ(1, log.reset[0]);
    EXPECT_EQ(1, log.reset[1]);
    EXPECT_EQ(1, log.applied[0]);
}

TEST(PropSheet, SheetClosedWithCancelGoesAtTheGroupsSweepWithoutAnotherMessage) {
    cWndGroup group;
    cSheetLog log;
    cPropSheet* slot = nullptr;
    cTestSheet* sheet = new cTestSheet(nullptr, &group, &slot, &log, 2);
    slot = sheet;
    HWND wnd = sheet->GetHwnd();
    ASSERT_NE(nullptr, wnd);
    group.DropClosedSheets();
    ASSERT_EQ(sheet, slot) << "an open sheet stays";

    SendMessageA(GetDlgItem(wnd, IDCANCEL), BM_CLICK, 0, 0);
    group.DropClosedSheets();
    EXPECT_EQ(nullptr, slot);
    EXPECT_FALSE(IsWindow(wnd));
    EXPECT_EQ(1, log.reset[0]);
}

TEST(PropSheet, CurrentPageFollowsSelectionAndRepaints) {
    cSheetLog log;
    cTestSheet sheet(nullptr, nullptr, nullptr, &log, 3);
    ASSERT_NE(nullptr, sheet.GetHwnd());
    EXPECT_EQ(0, sheet.GetCurPage());
    sheet.SetCurPage(2);
    EXPECT_EQ(2, sheet.GetCurPage());
    int paints = sheet.m_C.m_Paints;
    EXPECT_EQ(paints + 1, sheet.ApplyCurPage());
    // Without a parent the sheet has no owner.
    EXPECT_EQ(nullptr, GetWindow(sheet.GetHwnd(), GW_OWNER));
    EXPECT_EQ(0, GetWindowLongA(sheet.GetHwnd(), GWL_EXSTYLE) & WS_EX_CONTEXTHELP);
}

TEST(PropSheet, StyleBitsOfTheSheetWindowGoOnAndOff) {
    cSheetLog log;
    cTestSheet sheet(nullptr, nullptr, nullptr, &log, 1);
    ASSERT_NE(nullptr, sheet.GetHwnd());
    const LONG before = GetWindowLongA(sheet.GetHwnd(), GWL_STYLE);
    ASSERT_EQ(0, before & WS_THICKFRAME);
    sheet.AddStyle(WS_THICKFRAME);
    EXPECT_EQ(before | WS_THICKFRAME, GetWindowLongA(sheet.GetHwnd(), GWL_STYLE));
    sheet.RemoveStyle(WS_THICKFRAME);
    EXPECT_EQ(before, GetWindowLongA(sheet.GetHwnd(), GWL_STYLE));
    cPropSheet unopened(1, nullptr, nullptr);
    unopened.AddStyle(WS_THICKFRAME);  // no window: nothing to change
    EXPECT_EQ(nullptr, unopened.GetHwnd());
}

TEST(PropSheet, KeysGoToTheCurrentPageOfTheActiveSheet) {
    cSheetLog log;
    cTestSheet sheet(nullptr, nullptr, nullptr, &log, 2);
    sheet.SetCurPage(1);
    SetActiveWindow(sheet.GetHwnd());
    ASSERT_EQ(sheet.GetHwnd(), GetActiveWindow());
    KeyboardHookProc(HC_ACTION, 'K', 1);
    PumpPending();
    EXPECT_EQ(1, sheet.m_B.CountMessages(WM_KEYDOWN, 'K'));
    EXPECT_EQ(0, sheet.m_A.CountMessages(WM_KEYDOWN, 'K'));
}

TEST(PropSheet, CloseBeforeOpenDoesNothing) {
    cPropSheet sheet(1, nullptr, nullptr);
    EXPECT_EQ(0, sheet.Close());
    EXPECT_EQ(-1, sheet.GetCurPage());
}

TEST(PropSheet, SheetMissingFromItsGroupIsReportedWhenDestroyed) {
    cWndGroup group;
    auto sheet = std::make_unique<cPropSheet>(1, nullptr, &group);
    ASSERT_TRUE(group.RemoveSheet(sheet.get()));
    cBoxAnswers boxes;
    sheet.reset();
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("ウインドウの破棄に失敗！", boxes.Shown()[0].text);
}
