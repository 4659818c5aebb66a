#pragma once
// The action page of the chara data sheet (template 201): the chara's flows, and for the flow
// selected (the current flow) its ID, group, timing, execution conditions, key conditions and
// commands. Every change made to the current flow, in its controls or its three lists, goes
// back into the flow list at once; the lists keep their clipboards while other flows are
// selected and while the sheet steps to other charas.
#include "editor/flow/CondList.h"
#include "editor/palette/CharaPage.h"
#include "editor/palette/FlowLists.h"

class cCmdDlg;
class cKeyCondDlg;

// Runs the flow data window on the flows (the item command "フローの変更" hands them over); 1
// after its OK, which wrote them back.
int RunFlowDataWindow(cRecordVector<cFlow>& flows, int operation, int flowId, cChildWnd* parent, cWndGroup* group);

class cCharaActionPage : public cCharaPage {
public:
    cCharaActionPage(cCharaSheetOwner* sheet, cChildWnd* parent, cWndGroup* group);
    // The flow data window: the page on its own, modal, over a copy of the flows that its OK
    // writes back. For "変更" (operation 1) of a flow ID 1..26 every flow takes that ID, which
    // the ID combo shows disabled.
    cCharaActionPage(cRecordVector<cFlow>* flows, int operation, int flowId, cChildWnd* parent, cWndGroup* group);

    void Store() override;
    cDataList<cFlow, cRecordVector<cFlow>>& Flows() { return m_FlowList[0].m_Ctrl; }
    cPageInsertList<cKeyCond>& KeyConds() { return m_KeyList[0].m_Ctrl; }
    cPageInsertList<cFlowCmd>& Commands() { return m_CmdList[0].m_Ctrl; }

protected:
    void InitPage() override;
    bool PageCommand(int id, int code) override;
    bool ContextMenu(WPARAM wParam, LPARAM lParam) override;
    void RefillLists() override;
    void AfterStep() override;
    cEdChara PreviewRecord() override { return m_Work; }
    void RedrawList() override;
    void EnableInheritGroups() override;

private:
    // The current flow's controls and lists show the flow selected in the flow list.
    void ShowFlow();
    // The current flow goes back into the flow list's selected row.
    void RenewFlow();
    void SelectFirstRows();
    void TimingChanged();
    void InsertKeyCond();
    void InsertCommand();
    // The flow data window: every flow takes the fixed ID; OK writes the flows back.
    void FixIds();
    void EndFlowData(int result);

    cFlow m_Flow;
    cBindings<cFlowList> m_FlowList;
    cCondList m_Conds;
    cBindings<cKeyCondList> m_KeyList;
    cBindings<cFlowCmdList> m_CmdList;
    cKeyCondDlg* m_lpKeyDlg = nullptr;
    cCmdDlg* m_lpCmdDlg = nullptr;
    cRecordVector<cFlow>* m_lpOwnFlows = nullptr;  // the flow data window's flows
    uint8_t m_FixedId = 0;
};
