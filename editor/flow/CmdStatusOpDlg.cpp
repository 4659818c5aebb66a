#include "editor/flow/CmdStatusOpDlg.h"

#include "data/FlowCommand.h"
#include "data/FlowTables.h"
#include "editor/flow/CmdFlowOpIds.h"
#include "editor/flow/StatusSides.h"
#include "editor/flow/VarRename.h"
#include "framework/NameList.h"

namespace {

enum eLeftKind { eLeftStatus = 0, eLeftVariable = 1 };
enum eRightKind { eRightConstant = 0, eRightRandom = 1, eRightStatus = 2, eRightVariable = 3 };
enum eStatus { eStatusHp = 1, eStatusSp = 2 };

}  // namespace

const cCmdStatusOpDlg::cSide cCmdStatusOpDlg::kLeft = {IDC_SOP_LEFT_KIND,   IDC_SOP_LEFT_SCOPE,  IDC_SOP_LEFT_NUMBER,
                                                       IDC_SOP_LEFT_OBJECT, IDC_SOP_LEFT_STATUS, IDC_SOP_LEFT_RENAME,
                                                       kLeftKinds};
const cCmdStatusOpDlg::cSide cCmdStatusOpDlg::kRight = {IDC_SOP_RIGHT_KIND,   IDC_SOP_RIGHT_SCOPE,
                                                        IDC_SOP_RIGHT_NUMBER, IDC_SOP_RIGHT_OBJECT,
                                                        IDC_SOP_RIGHT_STATUS, IDC_SOP_RIGHT_RENAME,
                                                        kRightKinds};

cCmdStatusOpDlg::cCmdStatusOpDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group)
    : cCmdPage(templateId, parent, context, group) {
    cFlowCmd& cmd = Cmd();
    std::vector<int32_t>& p = cmd.m_Params;
    if (p.size() < 18) p.resize(18, 0);
    if (IsNew()) {
        cmd.m_Time = 0;
        cmd.m_Parallel = 1;
        p[2] = 1;
        p[11] = 1;
        p[16] = 1;
    }
    m_CharaVars = TextList(CharaVarNames);
    BuildVarNameList(&m_CommonVars, eVarCommon);
    BuildVarNameList(&m_StageVars, eVarStage);

    m_Bind.Combo(IDC_SOP_LEFT_KIND, &p[0], StatusOrVarNames);
    m_Bind.Combo(IDC_SOP_LEFT_SCOPE, &p[1], VarScopeNames);
    m_Bind.Combo(IDC_SOP_LEFT_NUMBER, &p[2], &m_CharaVars, 1);
    m_Bind.Combo(IDC_SOP_LEFT_OBJECT, &p[3], OwnerNames);
    m_Bind.Combo(IDC_SOP_LEFT_STATUS, &p[4], StatusNames(0), 0);
    m_Bind.Combo(IDC_SOP_OPERATOR, &p[5], StatusOperatorNames);
    m_Bind.Combo(IDC_SOP_RIGHT_KIND, &p[6], ValueSourceNames);
    m_Bind.Edit(IDC_SOP_CONST, &p[7], -kValueLimit, kValueLimit, IDC_SOP_CONST_SPIN);
    m_Bind.Edit(IDC_SOP_RAND_FROM, &p[8], -kValueLimit, kValueLimit, IDC_SOP_RAND_FROM_SPIN);
    m_Bind.Edit(IDC_SOP_RAND_TO, &p[9], -kValueLimit, kValueLimit, IDC_SOP_RAND_TO_SPIN);
    m_Bind.Combo(IDC_SOP_RIGHT_SCOPE, &p[10], VarScopeNames);
    m_Bind.Combo(IDC_SOP_RIGHT_NUMBER, &p[11], &m_CharaVars, 1);
    m_Bind.Combo(IDC_SOP_RIGHT_OBJECT, &p[12], OwnerNames);
    m_Bind.Combo(IDC_SOP_RIGHT_STATUS, &p[13], StatusNames(0), 0);
    m_Bind.Check(IDC_SOP_PERCENT, &p[14]);
    m_Bind.Combo(IDC_SOP_CALC, &p[15], CalcModeNames);
    m_Bind.Check(IDC_SOP_BAR, &p[16]);
    m_Bind.Check(IDC_SOP_GUARD, &p[17]);
    m_Bind.Button(IDC_SOP_LEFT_RENAME);
    m_Bind.Button(IDC_SOP_RIGHT_RENAME);
}

void cCmdStatusOpDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    cPage::OnInitDialog(wParam, lParam);
    m_Bind.AttachTo(this);
    DataToCtrls();
    UpdateEnables();
    OnLeftStatusChanged();
    m_Ready = 1;
}

void cCmdStatusOpDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    cCmdPage::OnCommand(wParam, lParam);
    if (!m_Ready) return;
    switch (LOWORD(wParam)) {
    case IDC_SOP_LEFT_RENAME:
        if (HIWORD(wParam) == BN_CLICKED) Rename(kLeft);
        return;
    case IDC_SOP_RIGHT_RENAME:
        if (HIWORD(wParam) == BN_CLICKED) Rename(kRight);
        return;
    case IDC_SOP_LEFT_KIND:
    case IDC_SOP_LEFT_OBJECT:
    case IDC_SOP_LEFT_STATUS:
    case IDC_SOP_RIGHT_KIND:
        if (HIWORD(wParam) == CBN_SELCHANGE) OnLeftStatusChanged();
        return;
    }
}

cCombo<int32_t>* cCmdStatusOpDlg::FindCombo(uint16_t id) {
    cBoundCombo<int32_t>* combo = FindCtrl(m_Bind.m_Combos32, id);
    return combo ? &combo->m_Ctrl : nullptr;
}

void cCmdStatusOpDlg::UpdateNumberList(const cSide& side) {
    eVarList list = SideVarList(side.kinds, ComboPos(side.kind), ComboPos(side.object), ComboPos(side.status));
    if (list == eVarListChara) ShowParamList(side.number, &m_CharaVars, 1, m_Ready);
    if (list == eVarListScope)
        ShowParamList(side.number, ComboPos(side.scope) == eVarStage ? &m_StageVars : &m_CommonVars, 1, m_Ready);
    EnableCtrl(side.number, list != eVarListNone);
    EnableCtrl(side.rename, list == eVarListScope);
}

void cCmdStatusOpDlg::UpdateStatusList(const cSide& side) {
    if (ComboPos(side.kind) != side.kinds.status) return;
    ShowParamList(side.status, StatusNames(ComboPos(side.object)), 0, m_Ready);
}

void cCmdStatusOpDlg::UpdateEnables() {
    int leftStatus = ComboPos(IDC_SOP_LEFT_KIND) == eLeftStatus;
    EnableCtrl(IDC_SOP_LEFT_OBJECT, leftStatus);
    EnableCtrl(IDC_SOP_LEFT_STATUS, leftStatus);
    EnableCtrl(IDC_SOP_LEFT_SCOPE, ComboPos(IDC_SOP_LEFT_KIND) == eLeftVariable);
    UpdateStatusList(kLeft);
    UpdateStatusList(kRight);
    UpdateNumberList(kLeft);
    int object = ComboPos(IDC_SOP_LEFT_OBJECT);
    EnableCtrl(IDC_SOP_GUARD, leftStatus && object >= 0 && object != kOwnerSystem);
    int right = ComboPos(IDC_SOP_RIGHT_KIND);
    if (right >= eRightConstant && right <= eRightVariable) {
        EnableCtrl(IDC_SOP_CONST, right == eRightConstant);
        EnableCtrl(IDC_SOP_RAND_FROM, right == eRightRandom);
        EnableCtrl(IDC_SOP_RAND_TO, right == eRightRandom);
        EnableCtrl(IDC_SOP_RIGHT_OBJECT, right == eRightStatus);
        EnableCtrl(IDC_SOP_RIGHT_STATUS, right == eRightStatus);
        EnableCtrl(IDC_SOP_RIGHT_SCOPE, right == eRightVariable);
    }
    UpdateNumberList(kRight);
}

void cCmdStatusOpDlg::OnLeftStatusChanged() {
    // A variable holds any value and takes the percent form.
    int32_t low = -kValueLimit, high = kValueLimit;
    int percent = 1, hpOrSp = 0;
    if (ComboPos(IDC_SOP_LEFT_KIND) == eLeftStatus) {
        int object = ComboPos(IDC_SOP_LEFT_OBJECT), status = ComboPos(IDC_SOP_LEFT_STATUS);
        if (const cStatusDesc* row = StatusRow(object, status)) {
            low = row->m_C1;
            high = row->m_C2;
            percent = row->m_C7;
            hpOrSp = object != kOwnerSystem && (status == eStatusHp || status == eStatusSp);
        }
    }
    // HP and SP are worked out by the calculation mode in place of the percent form.
    EnableCtrl(IDC_SOP_PERCENT, percent && !hpOrSp);
    EnableCtrl(IDC_SOP_CALC, hpOrSp);
    EnableCtrl(IDC_SOP_BAR, hpOrSp);
    for (uint16_t id : {IDC_SOP_CONST, IDC_SOP_RAND_FROM, IDC_SOP_RAND_TO}) {
        cBoundEditVal<int32_t>* edit = FindCtrl(m_Bind.m_Edits32, id);
        if (!edit) continue;
        edit->m_Ctrl.SetRange(low, high);
        // Opening keeps the stored values; a change afterwards fits them into the new range.
        if (m_Ready) edit->m_Ctrl.Reformat();
    }
}

void cCmdStatusOpDlg::Rename(const cSide& side) {
    cCombo<int32_t>* combo = FindCombo(side.number);
    int number = combo && combo->GetPos() >= 0 ? combo->GetData() : 0;
    if (number == 0) {
        MessageBeep(0);
        return;
    }
    if (ComboPos(side.kind) != side.kinds.variable) return;
    int scope = ComboPos(side.scope) == eVarStage ? eVarStage : eVarCommon;
    cBoundButton* button = FindCtrl(m_Bind.m_Buttons, side.rename);
    if (!RenameVariable(this, m_lpGroup, scope, number, button ? &button->m_Ctrl : nullptr, false)) return;
    BuildVarNameList(scope == eVarStage ? &m_StageVars : &m_CommonVars, scope);
    RefillParamList(kLeft.number);
    RefillParamList(kRight.number);
}
