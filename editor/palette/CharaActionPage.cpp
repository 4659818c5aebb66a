#include "editor/palette/CharaActionPage.h"

#include <windowsx.h>

#include <new>

#include "data/FlowTables.h"
#include "editor/flow/CmdDlg.h"
#include "editor/flow/CondIds.h"
#include "editor/flow/KeyCondDlg.h"
#include "editor/palette/CharaIds.h"
#include "framework/Format.h"
#include "framework/FrameworkIds.h"
#include "framework/MessageBox.h"

namespace {

const int kFlowSet = 1;
const int kCondSet = 2;
const int kKeySet = 3;
const int kCmdSet = 4;
const int kMaxKeyEase = 10;
// "変更" of "フローの変更", and the flow IDs "A" to "Z".
const int kFlowChangeOp = 1;
const int kFlowIds = 26;

// The controls bound to the current flow's own fields.
const uint16_t kFlowFieldIds[] = {IDC_CF_ID, IDC_CF_GROUP, IDC_CF_TEST_ONLY, IDC_CF_TIMING, IDC_CF_COND_JUDGE,
                                  IDC_CF_ONCE_TRUE, IDC_CF_KEY_EASE, IDC_CF_KEY_REPEAT};

bool IsFlowField(int id) {
    for (uint16_t field : kFlowFieldIds)
        if (field == id) return true;
    return false;
}

}  // namespace

cCharaActionPage::cCharaActionPage(cRecordVector<cFlow>* flows, int operation, int flowId, cChildWnd* parent,
                                   cWndGroup* group)
    : cCharaActionPage(nullptr, parent, group) {
    m_lpOwnFlows = flows;
    if (operation == kFlowChangeOp && flowId >= 1 && flowId <= kFlowIds) m_FixedId = static_cast<uint8_t>(flowId);
    m_Work.m_Flows = *flows;
    if (m_Work.m_Flows.empty()) m_Work.m_Flows.push_back(cFlow());
    FixIds();
    m_Flow = m_Work.m_Flows[0];
    RestyleTemplate(WS_CHILD | WS_DISABLED, DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU);
}

cCharaActionPage::cCharaActionPage(cCharaSheetOwner* sheet, cChildWnd* parent, cWndGroup* group)
    : cCharaPage(IDD_CHARA_ACTION, sheet, 3, parent, group), m_Conds(kFlowCondList) {
    BindCommon();
    if (!m_Work.m_Flows.empty()) m_Flow = m_Work.m_Flows[0];
    m_FlowList.resize(1);
    m_KeyList.resize(1);
    m_CmdList.resize(1);
    BindFlowList(m_FlowList[0], IDC_CF_FLOWS, &m_Work.m_Flows, &m_Flow);
    m_Conds.Bind(&m_Flow.m_Conditions);
    BindKeyCondList(m_KeyList[0], IDC_CF_KEYS, &m_Flow.m_KeyConds);
    BindFlowCmdList(m_CmdList[0], IDC_CF_CMDS, &m_Flow.m_Commands);
    m_Bind.Combo(IDC_CF_ID, &m_Flow.m_Id, FlowIdNames);
    m_Bind.Combo(IDC_CF_GROUP, &m_Flow.m_Group, FlowGroupNames);
    m_Bind.Check(IDC_CF_TEST_ONLY, &m_Flow.m_TestPlayOnly);
    m_Bind.Combo(IDC_CF_TIMING, &m_Flow.m_Trigger, FlowTriggerNames);
    m_Bind.Combo(IDC_CF_COND_JUDGE, &m_Flow.m_CondJudge, CondJudgeNames);
    m_Bind.Check(IDC_CF_ONCE_TRUE, &m_Flow.m_OnceTrue);
    m_Bind.Edit(IDC_CF_KEY_EASE, &m_Flow.m_KeyEase, 0, kMaxKeyEase, IDC_CF_KEY_EASE_SPIN);
    m_Bind.Check(IDC_CF_KEY_REPEAT, &m_Flow.m_KeyRepeat);
    AddGroup(IDC_CH_INHERIT_FIRST, 33,
             {IDC_CF_FLOW_INSERT, IDC_CF_FLOW_DELETE, IDC_CF_FLOWS, IDC_CF_TIMING, IDC_CF_GROUP, IDC_CF_ID,
              IDC_CF_TEST_ONLY, IDC_FLOW_COND_INSERT, IDC_FLOW_COND_EDIT, IDC_FLOW_COND_DELETE, IDC_FLOW_COND_LIST,
              IDC_CF_COND_JUDGE, IDC_CF_ONCE_TRUE, IDC_CF_KEY_INSERT, IDC_CF_KEY_EDIT, IDC_CF_KEY_DELETE, IDC_CF_KEYS,
              IDC_CF_KEY_EASE, IDC_CF_KEY_REPEAT, IDC_CF_CMD_INSERT, IDC_CF_CMD_EDIT, IDC_CF_CMD_DELETE, IDC_CF_CMDS});
    AddHandler(eCtrlCombo, IDC_CF_TIMING, [this] { TimingChanged(); });
}

void cCharaActionPage::InitPage() {
    ShowWindow(GetDlgItem(m_hWnd, IDC_CH_STRIP), SW_HIDE);
    if (m_lpOwnFlows) {
        SetWindowTextA(m_hWnd, "フローデータ");
        ShowWindow(GetDlgItem(m_hWnd, IDC_CH_PREVIEW), SW_HIDE);
        EnableInheritButtons(false);
    } else {
        ShowWindow(GetDlgItem(m_hWnd, IDC_CF_OK), SW_HIDE);
        ShowWindow(GetDlgItem(m_hWnd, IDC_CF_CANCEL), SW_HIDE);
    }
    // The flows first: every command is offered to the lists in this order.
    AttachDataList(m_FlowList[0]);
    SetListMenus(Flows(), IDR_ACCEL_SET1_DELETE, IDR_MENU_SET1_DELETE, kFlowSet, false);
    m_Conds.Attach(this, m_lpGroup);
    AttachDataList(m_KeyList[0]);
    SetListMenus(KeyConds(), IDR_ACCEL_SET3_DELETE, IDR_MENU_SET3_DELETE, kKeySet, true);
    KeyConds().SetInsertKey(ID_CF_KEY_INSERT_KEY);
    AttachDataList(m_CmdList[0]);
    SetListMenus(Commands(), IDR_ACCEL_SET4_DELETE, IDR_MENU_SET4_DELETE, kCmdSet, true);
    Commands().SetInsertKey(ID_CF_CMD_INSERT_KEY);
    Flows().SelectSingle(0, true);
    SelectFirstRows();
}

void cCharaActionPage::SelectFirstRows() {
    m_Conds.List().SelectSingle(0, false);
    KeyConds().SelectSingle(0, false);
    Commands().SelectSingle(0, false);
}

void cCharaActionPage::ShowFlow() {
    if (m_FixedId) m_Flow.m_Id = m_FixedId;
    ++m_Busy;
    for (cCtrl* ctrl : m_Ctrls)
        if (ctrl->GetId() != IDC_CF_FLOWS) ctrl->DataToCtrl();
    --m_Busy;
    TimingChanged();
}

void cCharaActionPage::RenewFlow() { Flows().CmdRenew(); }

// The page's copy took another record: the flow list shows its flows and the current flow the
// selected one.
void cCharaActionPage::RefillLists() {
    Flows().DataToCtrl();
    ShowFlow();
}

void cCharaActionPage::AfterStep() {
    Flows().SelectSingle(0, true);
    SelectFirstRows();
    ShowFlow();
    cCharaPage::AfterStep();
}

void cCharaActionPage::Store() {
    if (!m_hWnd) return;
    CtrlsToData();
    RenewFlow();
}

void cCharaActionPage::RedrawList() {
    cCharaPage::RedrawList();
    m_Conds.List().Refresh();
}

void cCharaActionPage::EnableInheritGroups() {
    cCharaPage::EnableInheritGroups();
    if (m_FixedId) EnableCtrl(IDC_CF_ID, false);
}

void cCharaActionPage::FixIds() {
    if (!m_FixedId) return;
    for (cFlow& flow : m_Work.m_Flows) flow.m_Id = m_FixedId;
}

void cCharaActionPage::EndFlowData(int result) {
    if (result == 1) {
        Store();
        FixIds();
        *m_lpOwnFlows = m_Work.m_Flows;
    }
    End(result);
}

void cCharaActionPage::TimingChanged() {
    int timing = ComboPos(IDC_CF_TIMING);
    const char* note = timing == eTriggerDeath         ? "※実行時間0の並列実行コマンド（P-0）のみ実行可"
                       : timing == eTriggerBeforeStart ? "※移動・アクション系以外の並列実行コマンド（P-）のみ実行可"
                                                       : " ";
    SetDlgItemTextA(m_hWnd, IDC_CF_NOTE, note);
}

void cCharaActionPage::InsertKeyCond() {
    cPageInsertList<cKeyCond>& list = KeyConds();
    list.InsertWithDialog([&] { return OpenKeyCondRowDlg(list, &m_lpKeyDlg, m_lpGroup, 0); });
}

void cCharaActionPage::InsertCommand() {
    cPageInsertList<cFlowCmd>& list = Commands();
    if (list.GetCur() < 0) return;
    list.InsertWithDialog([&] { return OpenFlowCmdRowDlg(list, &m_lpCmdDlg, m_lpGroup, 0, true); });
}

bool cCharaActionPage::PageCommand(int id, int code) {
    cDataList<cFlow, cRecordVector<cFlow>>& flows = Flows();
    if (m_lpOwnFlows && (id == IDC_CF_OK || id == IDC_CF_CANCEL) && code == BN_CLICKED) {
        EndFlowData(id == IDC_CF_OK ? 1 : 0);
        return true;
    }
    // The flow list's own commands.
    if (id == IDC_CF_FLOW_INSERT) {
        flows.CmdInsert();
    } else if (id == IDC_CF_FLOW_DELETE) {
        flows.CmdDelete(-1, false);
    } else if (id == IDC_CF_FLOWS && code == LBN_SELCHANGE) {
        // The list took the selection already (its Reformat).
    } else if (IsListCommand(kFlowSet, id)) {
    } else {
        // The current flow's lists and fields.
        if (m_Conds.OnCommand(MAKEWPARAM(id, code))) {
        } else if (id == IDC_CF_KEY_INSERT || id == ID_CF_KEY_INSERT_KEY || id == ID_CF_KEY_INSERT_MENU) {
            InsertKeyCond();
        } else if (id == IDC_CF_KEY_EDIT || (id == IDC_CF_KEYS && code == LBN_DBLCLK)) {
            OpenKeyCondRowDlg(KeyConds(), &m_lpKeyDlg, m_lpGroup, 0);
        } else if (id == IDC_CF_KEY_DELETE) {
            KeyConds().CmdDelete(-1, false);
        } else if (id == IDC_CF_CMD_INSERT || id == ID_CF_CMD_INSERT_KEY || id == ID_CF_CMD_INSERT_MENU) {
            InsertCommand();
        } else if (id == IDC_CF_CMD_EDIT || (id == IDC_CF_CMDS && code == LBN_DBLCLK)) {
            OpenFlowCmdRowDlg(Commands(), &m_lpCmdDlg, m_lpGroup, 0, false);
        } else if (id == IDC_CF_CMD_DELETE) {
            Commands().CmdDelete(-1, false);
        } else if (id == IDC_CF_TEST) {
            DebugBox(Format("m_cgKeyCondList.m_Ctrl.GetCurSel() = %d", KeyConds().GetSel()).c_str());
            return true;
        } else if (IsListCommand(kKeySet, id) || IsListCommand(kCmdSet, id)) {
        } else if (IsFlowField(FindChangedCtrl(MAKEWPARAM(id, code)))) {
            // An edit of the flow's own fields reaches the flow list at once.
            ++m_Busy;
            for (cCtrl* ctrl : m_Ctrls)
                if (IsFlowField(ctrl->GetId())) ctrl->CtrlToData();
            --m_Busy;
            RenewFlow();
            return false;
        } else {
            return false;
        }
        KeyConds().Refill();
        Commands().Refill();
        m_Conds.List().Refill();
        RenewFlow();
        return true;
    }
    // The flow list changed its rows or its selection: the current flow is shown anew.
    SelectFirstRows();
    ShowFlow();
    return true;
}

bool cCharaActionPage::ContextMenu(WPARAM wParam, LPARAM lParam) {
    if (ListPopup(Flows(), m_hWnd, wParam, lParam)) {
        SelectFirstRows();
        ShowFlow();
        return true;
    }
    if (m_Conds.OnContextMenu(wParam, lParam)) return true;
    return ListPopup(KeyConds(), m_hWnd, wParam, lParam) || ListPopup(Commands(), m_hWnd, wParam, lParam);
}

int RunFlowDataWindow(cRecordVector<cFlow>& flows, int operation, int flowId, cChildWnd* parent, cWndGroup* group) {
    // Modal over the command dialog, which holds the item sheet disabled. The group's windows
    // are left as they are: enabling them all again afterwards would free the item sheet under
    // the command dialog still open.
    return RunNewModal(new (std::nothrow) cCharaActionPage(&flows, operation, flowId, parent, group), 0);
}
