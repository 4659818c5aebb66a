#pragma once
// What the condition tests share: a page that owns a condition list inside a host window that
// records the change notices, and a driver that acts on the modal dialogs a command opens, one
// step per dialog, found by its caption.
#include <gtest/gtest.h>
#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "data/Condition.h"
#include "data/GValInfo.h"
#include "editor/flow/CondIds.h"
#include "editor/flow/CondList.h"
#include "framework/Page.h"
#include "framework/ChildWnd.h"
#include "tests/flow/CondTestIds.h"
#include "tests/support/DialogDriver.h"
#include "tests/support/RestoreOnExit.h"

// The variable names the tests' conditions show (common 2 "所持金", stage 3 "鍵", the others
// empty), put back as they were when the object goes.
class cSampleVarNames {
public:
    cSampleVarNames();

private:
    cRestoreOnExit<cVarNames> m_Common;
    cRestoreOnExit<cRecordVector<cNameRec>> m_Stage;
};

// Acts on the dialogs as they open. A dialog that the steps do not expect, or a step whose
// dialog never opens, fails the test and closes every dialog, so nothing waits.
class cModalSteps {
public:
    struct cStep {
        std::string caption;
        std::function<void(HWND)> act;
    };
    cModalSteps();
    ~cModalSteps();
    void Then(const std::string& caption, std::function<void(HWND)> act);
    std::vector<std::string> Seen() const { return m_Seen; }  // captions of the dialogs acted on

private:
    static void Tick();
    static BOOL CALLBACK Find(HWND wnd, LPARAM found);
    std::deque<cStep> m_Steps;
    std::vector<std::string> m_Seen;
    cModalSteps* m_Outer;  // the steps of the dialog this one runs inside, if any
    DWORD m_Start = 0;
    cDialogWatch m_Watch{Tick};
};

// Clicks a button (or check box) of the dialog, chooses a combo row, types into an edit.
void Click(HWND dlg, int id);
void Choose(HWND dlg, int id, int row);
void Type(HWND dlg, int id, const char* text);
std::string Text(HWND dlg, int id);
int Chosen(HWND dlg, int id);
std::vector<std::string> ComboItems(HWND dlg, int id);
bool Enabled(HWND dlg, int id);

// The window that owns the owner page (as a data sheet owns its pages); counts the page's change
// notices.
class cCondHost : public cPage {
public:
    explicit cCondHost(cWndGroup* group) : cPage(IDD_TEST_COND_HOST, nullptr, eKindDialog, group) {}
    INT_PTR DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_CONDS_CHANGED) ++m_Changes;
        return cPage::DialogProc(wnd, msg, wParam, lParam);
    }
    int m_Changes = 0;
};

// A page owning a condition list, as the element and flow pages do.
class cCondOwner : public cPage {
public:
    cCondOwner(cChildWnd* host, cWndGroup* group, cCondVector* conds, bool flowPage)
        : cPage(flowPage ? IDD_TEST_FLOW_COND_OWNER : IDD_TEST_COND_OWNER, host, eKindDialog, group),
          m_Conds(flowPage ? kFlowCondList : kElementCondList) {
        m_Conds.Bind(conds);
    }
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override {
        cPage::OnInitDialog(wParam, lParam);
        m_Conds.Attach(this, m_lpGroup);
        DataToCtrls();
        m_Ready = 1;
    }
    void OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (!IsCommandAllowed(wParam)) return;
        cPage::OnCommand(wParam, lParam);
        m_Conds.OnCommand(wParam);
    }
    INT_PTR DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg == WM_CONTEXTMENU && m_Conds.OnContextMenu(wParam, lParam)) return 1;
        return cPage::DialogProc(wnd, msg, wParam, lParam);
    }
    cCondList m_Conds;
};
