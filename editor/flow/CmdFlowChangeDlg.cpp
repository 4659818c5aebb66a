#include "editor/flow/CmdFlowChangeDlg.h"

#include "data/FlowTables.h"
#include "editor/flow/ItemFlowIds.h"

namespace {

enum eFlowChangeOp { eFlowAdd = 0, eFlowDelete = 2 };

const cParamShape kFlowChangeShape = {
    2, 1, {}, {ParamCombo(IDC_FLOWCHG_OP, 0, FlowChangeNames), ParamCombo(IDC_FLOWCHG_ID, 1, FlowDeleteIdNames)}};

cFlowDataRunner& Runner() {
    static cFlowDataRunner runner = nullptr;
    return runner;
}

}  // namespace

void SetFlowDataRunner(cFlowDataRunner runner) { Runner() = runner; }

cCmdFlowChangeDlg::cCmdFlowChangeDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context,
                                     cWndGroup* group)
    : cCmdParamPage(templateId, parent, context, group, kFlowChangeShape), m_Flows(Cmd().m_SubFlows) {
    m_Bind.Button(IDC_FLOWCHG_FLOWS);
}

// Adding names no flow; deleting has no flows of its own to edit. An operation from a file
// that the list lacks leaves both free.
void cCmdFlowChangeDlg::UpdateEnables() {
    int operation = ComboPos(IDC_FLOWCHG_OP);
    EnableCtrl(IDC_FLOWCHG_ID, operation != eFlowAdd);
    EnableCtrl(IDC_FLOWCHG_FLOWS, operation != eFlowDelete);
}

void cCmdFlowChangeDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) == IDC_FLOWCHG_FLOWS && HIWORD(wParam) == BN_CLICKED && IsCommandAllowed(wParam))
        EditFlows();
    else
        cCmdParamPage::OnCommand(wParam, lParam);
}

void cCmdFlowChangeDlg::EditFlows() {
    cFlowDataRunner runner = Runner();
    if (!runner) {
        MessageBeep(MB_OK);
        return;
    }
    cRecordVector<cFlow> flows = m_Flows;
    if (flows.empty()) flows.push_back(cFlow());
    if (runner(flows, ComboPos(IDC_FLOWCHG_OP), ComboPos(IDC_FLOWCHG_ID), this, m_lpGroup) == 1) m_Flows = flows;
}

void cCmdFlowChangeDlg::AfterStore() { Cmd().m_SubFlows = m_Flows; }
