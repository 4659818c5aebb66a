#include "editor/flow/ItemFlowDlg.h"

#include "data/Flow.h"
#include "data/FlowTables.h"
#include "editor/flow/CmdDlg.h"
#include "editor/flow/CmdFlowChangeDlg.h"
#include "editor/flow/ItemFlowIds.h"
#include "framework/MessageBox.h"

namespace {

// The buttons are the chara picker's; the first 21 offer the item command types.
const int kButtons = 45;

bool IsItemType(int type) { return type >= 1 && type < kItemCommandTypes; }

// Runs the dialog of the item command's type: "フローの変更" its own, the others those of the
// chara types they run as. 0 for a type outside the item table: nothing opens.
int RunItemCmdDialog(cChildWnd* parent, const cCmdContext& context, cWndGroup* group) {
    const cFlowCmd& cmd = *context.m_lpCmd;
    if (cmd.m_CmdSet != 1 || !IsItemType(cmd.m_CmdType)) return 0;
    if (cmd.m_CmdType != eItemCmdFlowChange) return RunCmdTypeDialog(parent, context, group);
    return RunCmdDialog<cCmdFlowChangeDlg>(parent, context, group, IDD_CMD_FLOW_CHANGE);
}

}  // namespace

cItemFlowDlg::cItemFlowDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group)
    : cPage(templateId, parent, eKindDialog, group), m_Context(context) {
    m_Buttons.resize(kButtons);
    for (int row = 1; row <= kButtons; ++row) m_Buttons[row - 1].m_Desc.Set(CmdButtonId(row));
    SetLayout(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
}

void cItemFlowDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    cPage::OnInitDialog(wParam, lParam);
    AttachCtrls(m_Buttons);
    for (int row = 1; row <= kButtons; ++row) {
        cButton& button = m_Buttons[row - 1].m_Ctrl;
        if (IsItemType(row))
            button.SetText(ItemCommandTypes[row].m_Name);
        else
            button.Show(SW_HIDE);
    }
    DataToCtrls();
    m_Ready = 1;
    if (m_Context.m_New) return;
    int type = m_Context.m_lpCmd->m_CmdType;
    // A type no button offers (from a file) has no dialog to open: the edit ends as cancelled
    // instead of leaving the author before buttons that would change the command's type.
    if (IsItemType(type))
        SendMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(CmdButtonId(type), BN_CLICKED), 0);
    else
        End(0);
}

void cItemFlowDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!IsCommandAllowed(wParam)) return;
    cPage::OnCommand(wParam, lParam);
    int type = 0;
    for (int row = 1; row < kItemCommandTypes && !type; ++row)
        if (CmdButtonId(row) == LOWORD(wParam)) type = row;
    if (!type) return;
    cFlowCmd& cmd = *m_Context.m_lpCmd;
    cmd.m_CmdSet = 1;
    cmd.m_CmdType = static_cast<uint8_t>(type);
    Show(SW_HIDE);
    End(RunItemCmdDialog(m_lpParent, m_Context, m_lpGroup));
}

int EditItemCmdThroughPicker(cFlowCmd& cmd, cChildWnd* parent, cWndGroup* group) {
    cCmdContext context;
    context.m_lpCmd = &cmd;
    context.m_New = 0;
    cItemFlowDlg editor(IDD_ITEM_FLOW, parent, context, group);
    return static_cast<int>(editor.DoModal(0));
}

int AddItemCmdThroughPicker(cRecordVector<cFlowCmd>& cmds, size_t row, size_t maximum, cChildWnd* parent,
                            cWndGroup* group) {
    cFlowCmd fresh;
    fresh.m_CmdSet = 1;
    return InsertThroughPicker(cmds, row, maximum, fresh, [&](const cCmdContext& context) {
        cItemFlowDlg editor(IDD_ITEM_FLOW, parent, context, group);
        return static_cast<int>(editor.DoModal(0));
    });
}
