#include "tests/flow/CmdDlgFixture.h"

#include <commctrl.h>

#include "editor/flow/CmdDlg.h"
#include "editor/flow/FlowCmdIds.h"
#include "tests/support/DialogDriver.h"

void Act(HWND dlg, const cCtrlAction& action) {
    HWND ctrl = GetDlgItem(dlg, action.id);
    ASSERT_NE(nullptr, ctrl) << action.id;
    switch (action.kind) {
    case cCtrlAction::eText:
        SetWindowTextA(ctrl, action.text);
        break;
    case cCtrlAction::eCombo:
        SendMessageA(ctrl, CB_SETCURSEL, static_cast<WPARAM>(action.pos), 0);
        SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(action.id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(ctrl));
        break;
    case cCtrlAction::eClick:
        SendMessageA(ctrl, BM_CLICK, 0, 0);
        break;
    case cCtrlAction::eSlide:
        SendMessageA(ctrl, TBM_SETPOS, TRUE, action.pos);
        SendMessageA(dlg, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, action.pos), reinterpret_cast<LPARAM>(ctrl));
        break;
    }
}

void Press(HWND dlg, uint16_t id) {
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dlg, id)));
}

std::string WindowText(HWND wnd) {
    char text[256] = "";
    GetWindowTextA(wnd, text, sizeof text);
    return text;
}

bool IsEnabledCtrl(HWND dlg, uint16_t id) { return IsWindowEnabled(GetDlgItem(dlg, id)) != FALSE; }
bool IsCheckedCtrl(HWND dlg, uint16_t id) { return IsDlgButtonChecked(dlg, id) == BST_CHECKED; }

int CmdDlgTest::RunPicker(cFlowCmd& cmd, int isNew, cChildWnd* owner) {
    cCmdContext context;
    context.m_lpCmd = &cmd;
    context.m_New = isNew;
    cCmdDlg picker(IDD_CMD_PICKER, owner, context, nullptr);
    return static_cast<int>(picker.DoModal(0));
}

cFlowCmd CmdDlgTest::NewCmd(int type) {
    cFlowCmd cmd;
    cmd.m_CmdSet = 0;
    cmd.m_CmdType = static_cast<uint8_t>(type);
    return cmd;
}

std::vector<cFieldRow> Join(std::initializer_list<std::vector<cFieldRow>> parts) {
    std::vector<cFieldRow> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

std::function<void(cFlowCmd&)> CToggle(uint8_t cFlowCmd::*field) {
    return [=](cFlowCmd& cmd) { cmd.*field = !(cmd.*field); };
}

std::function<void(cFlowCmd&)> P(size_t i, int32_t value) {
    return [=](cFlowCmd& cmd) { cmd.m_Params[i] = value; };
}

std::function<void(cFlowCmd&)> PToggle(size_t i) {
    return [=](cFlowCmd& cmd) { cmd.m_Params[i] = !cmd.m_Params[i]; };
}

std::function<void(cFlowCmd&)> MToggle(uint8_t cEdMove::*field) {
    return [=](cFlowCmd& cmd) { (*cmd.m_Move).*field = !((*cmd.m_Move).*field); };
}

void CmdDlgTest::PressOk(HWND dlg) { Press(dlg, IDC_CMD_OK); }

void CmdDlgTest::CancelOrClose(HWND dlg, bool close) {
    if (close)
        SendMessageA(dlg, WM_CLOSE, 0, 0);
    else
        Press(dlg, IDC_CMD_CANCEL);
}
