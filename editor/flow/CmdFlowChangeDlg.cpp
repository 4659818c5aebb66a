#include "editor/flow/CmdFlowChangeDlg.h"

#include "data/FlowTables.h"
#include "editor/flow/ItemFlowIds.h"

namespace {

enum eFlowChange { eFlowAdd = 0, eFlowChange = 1, eFlowDelete = 2 };

cFlowDataRunner& Runner() {
    static cFlowDataRunner runner = nullptr;
    return runner;
}

}  // namespace

void SetFlowDataRunner(cFlowDataRunner runner) { Runner() = runner; }

cCmdFlowChangeDlg::cCmdFlowChangeDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context,
                                     cWndGroup* group)
    : cCmdPage(templateId, parent, context, group), m_Flows(Cmd().m_SubFlows) {
    std::vector<int32_t>& p = Cmd().m_Params;
    if (p.size() < 2) p.resize(2, 0);
    m_Bind.Combo(IDC_FLOWCHG_OP, &p[0], FlowChangeNames);
    m_Bind.Combo(IDC_FLOWCHG_ID, &p[1], FlowDeleteIdNames);
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
        cCmdPage::OnCommand(wParam, lParam);
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
