#pragma once
// A modeless page for the bound-control tests: the test attaches its bindings from inside the
// page's dialog initialisation, then drives the real controls with messages.
#include <gtest/gtest.h>

#include <functional>

#include "framework/Binding.h"
#include "framework/Page.h"
#include "tests/framework/ControlTestIds.h"

class cCtrlPage : public cPage {
public:
    explicit cCtrlPage(UINT templateId, cWndGroup* group = nullptr) : cPage(templateId, nullptr, eKindDialog, group) {}

    void OnInitDialog(WPARAM wParam, LPARAM lParam) override {
        cPage::OnInitDialog(wParam, lParam);
        if (m_Attach) m_Attach(*this);
        DataToCtrls();
        m_Ready = 1;
    }
    void OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (!IsCommandAllowed(wParam)) return;
        cPage::OnCommand(wParam, lParam);
        if (m_OnCommand) m_OnCommand(*this, wParam);
    }

    // Opens the page with the attach step; fails the test when it cannot.
    void Open(std::function<void(cCtrlPage&)> attach) {
        m_Attach = std::move(attach);
        ASSERT_TRUE(Create(0, TRUE));
    }
    HWND Item(int id) const { return GetDlgItem(m_hWnd, id); }
    // Sends the notification a control sends its dialog.
    void Notify(int id, int code) {
        SendMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Item(id)));
    }
    int CtrlCount() const { return static_cast<int>(m_Ctrls.size()); }

    std::function<void(cCtrlPage&)> m_Attach;
    std::function<void(cCtrlPage&, WPARAM)> m_OnCommand;
};

// Every binding found its control in the template.
template <class B>
void ExpectAttached(cBindings<B>& bindings) {
    for (B& b : bindings) EXPECT_NE(nullptr, b.m_Ctrl.GetHwnd()) << "control " << b.m_Desc.id;
}

inline std::string WindowText(HWND wnd) {
    char text[1024] = "";
    GetWindowTextA(wnd, text, sizeof text);
    return text;
}
