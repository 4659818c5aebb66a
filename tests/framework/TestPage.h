#pragma once
// A dialog page for the window tests: one bound text control, a record of the commands and
// messages it saw, and hooks the tests use to act from inside the running dialog (so that no
// modal dialog waits for a person).
#include <functional>
#include <string>
#include <vector>

#include "framework/Page.h"
#include "tests/framework/WindowTestIds.h"

// Binds a string to an edit control and counts what the page calls on it.
class cTextCtrl : public cCtrl {
public:
    explicit cTextCtrl(std::string* value) : cCtrl(eCtrlStrEdit), m_lpValue(value) {}
    void DataToCtrl() override { SetWindowTextA(m_hWnd, m_lpValue->c_str()); }
    void CtrlToData() override {
        char text[256] = "";
        GetWindowTextA(m_hWnd, text, sizeof text);
        *m_lpValue = text;
    }
    void Reformat() override { ++m_Reformats; }
    void OnCtrlEvent() override { ++m_Events; }
    int OnScroll(WPARAM, LPARAM) override {
        ++m_Scrolls;
        return 0;
    }
    void OnKey(WPARAM key, LPARAM, int) override { m_Keys.push_back(static_cast<int>(key)); }

    int m_Reformats = 0;
    int m_Events = 0;
    int m_Scrolls = 0;
    std::vector<int> m_Keys;

private:
    std::string* m_lpValue;
};

class cTestPage : public cPage {
public:
    using cPage::cPage;

    void OnInitDialog(WPARAM wParam, LPARAM lParam) override {
        cPage::OnInitDialog(wParam, lParam);
        if (GetDlgItem(m_hWnd, IDC_TEST_EDIT)) {
            m_Edit.Attach(this, IDC_TEST_EDIT);
            AddCtrl(&m_Edit);
        }
        DataToCtrls();
        m_Ready = 1;
        if (m_OnInit) m_OnInit(*this);
    }
    void OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (!IsCommandAllowed(wParam)) return;
        cPage::OnCommand(wParam, lParam);
        int id = LOWORD(wParam);
        if (id != IDC_TEST_EDIT) m_Commands.push_back(id);  // the edit's own notifications are not counted
        if (m_OnCommand) m_OnCommand(*this, id);
        if (id == IDC_TEST_OK) {
            CtrlsToData();
            End(1);
        } else if (id == IDC_TEST_CANCEL) {
            End(0);
        }
    }
    INT_PTR DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override {
        m_Messages.push_back({msg, wParam});
        if (m_OnMessage) m_OnMessage(*this, msg, wParam);
        return cPage::DialogProc(wnd, msg, wParam, lParam);
    }
    int OnPaint() override { return ++m_Paints; }
    void OnRButtonUp(WPARAM, LPARAM) override { m_ContextClicks.push_back(IsContextClick()); }

    int CountMessages(UINT msg, WPARAM wParam) const {
        int n = 0;
        for (const auto& m : m_Messages) n += m.first == msg && m.second == wParam;
        return n;
    }
    int ContentWidth() const { return m_ContentWidth; }
    int ContentHeight() const { return m_ContentHeight; }
    void SetFocusTarget(HWND wnd) { m_hFocusTarget = wnd; }

    std::string m_Text = "初期値";
    cTextCtrl m_Edit{&m_Text};
    std::function<void(cTestPage&)> m_OnInit;
    std::function<void(cTestPage&, int)> m_OnCommand;
    std::function<void(cTestPage&, UINT, WPARAM)> m_OnMessage;
    std::vector<int> m_Commands;  // every command but the edit's notifications
    std::vector<std::pair<UINT, WPARAM>> m_Messages;
    int m_Paints = 0;
    std::vector<int> m_ContextClicks;  // IsContextClick at every right-button release
};

// Runs the thread's messages, offering each to the group first, until done() or the timeout.
inline bool PumpUntil(const std::function<bool()>& done, cWndGroup* group = nullptr, DWORD timeoutMs = 5000) {
    DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (group && group->PreTranslate(&msg)) continue;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (done()) return true;
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(1);
    }
}

// Runs the messages that are waiting now.
inline void PumpPending(cWndGroup* group = nullptr) {
    PumpUntil([] { return true; }, group, 0);
}
