#pragma once
// The dialog of the item command "フローの変更": what it does to the taker's flows (add its own
// flows, change the flows of one ID into them, or delete flows of an ID or all), and the button
// that edits its own flows in the flow data window. The flows are edited on a copy that the
// command takes at OK, so Cancel leaves the command as it was.
#include "data/Flow.h"
#include "editor/flow/CmdParamPage.h"

// Edits a flow list in the flow data window, modal over `parent`; the window knows the
// operation (value of "追加", "変更", "削除") and, for "変更", the flow ID it fixes. 1 after its
// OK, which wrote the flows back. The window belongs to the chara pages, which build on this
// library: the editor hands it in at start.
typedef int (*cFlowDataRunner)(cRecordVector<cFlow>& flows, int operation, int flowId, cChildWnd* parent,
                               cWndGroup* group);
void SetFlowDataRunner(cFlowDataRunner runner);

class cCmdFlowChangeDlg : public cCmdParamPage {
public:
    cCmdFlowChangeDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);

    void OnCommand(WPARAM wParam, LPARAM lParam) override;

protected:
    void UpdateEnables() override;
    void AfterStore() override;

private:
    void EditFlows();

    cRecordVector<cFlow> m_Flows;
};
