#include "editor/flow/CmdStatusOpDlg.h"

#include "data/FlowCommand.h"
#include "data/FlowTables.h"
#include "editor/flow/CmdFlowOpIds.h"
#include "editor/flow/VarRename.h"

namespace {

enum eLeftKind { eLeftStatus = 0, eLeftVariable = 1 };
enum eRightKind { eRightConstant = 0, eRightRandom = 1, eRightStatus = 2, eRightVariable = 3 };
enum eObject { eObjectSystem = 2 };
enum eStatus { eStatusCharaVar = 0, eStatusHp = 1, eStatusSp = 2 };
// What a variable holds, and a value of a status without a row of its own.
const int32_t kValueLimit = 999999;

void BuildTableList(std::vector<std::string>* list, const char* const* table) {
    list->clear();
    for (const char* const* text = table; **text; ++text) list->push_back(*text);
}

void BuildStatusList(std::vector<std::string>* list, const cStatusDesc* rows, int count) {
    list->clear();
    for (int i = 0; i < count; ++i) list->push_back(rows[i].m_Name);
}

}  // namespace

const cCmdStatusOpDlg::cSide cCmdStatusOpDlg::kLeft = {IDC_SOP_LEFT_KIND,   IDC_SOP_LEFT_SCOPE,  IDC_SOP_LEFT_NUMBER,
                                                       IDC_SOP_LEFT_OBJECT, IDC_SOP_LEFT_STATUS, IDC_SOP_LEFT_RENAME,
                                                       eLeftVariable,       eLeftStatus};
const cCmdStatusOpDlg::cSide cCmdStatusOpDlg::kRight = {
    IDC_SOP_RIGHT_KIND,   IDC_SOP_RIGHT_SCOPE,  IDC_SOP_RIGHT_NUMBER, IDC_SOP_RIGHT_OBJECT,
    IDC_SOP_RIGHT_STATUS, IDC_SOP_RIGHT_RENAME, eRightVariable,       eRightStatus};

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
    BuildTableList(&m_CharaVars, CharaVarNames);
    BuildVarNameList(&m_CommonVars, eVarCommon);
    BuildVarNameList(&m_StageVars, eVarStage);
    BuildStatusList(&m_Statuses, StatusDescs, kStatusDescs);
    BuildStatusList(&m_SystemValues, SystemValueDescs, kSystemValueDescs);

    m_Bind.Combo(IDC_SOP_LEFT_KIND, &p[0], StatusOrVarNames);
    m_Bind.Combo(IDC_SOP_LEFT_SCOPE, &p[1], VarScopeNames);
    m_Bind.Combo(IDC_SOP_LEFT_NUMBER, &p[2], &m_CharaVars, 1);
    m_Bind.Combo(IDC_SOP_LEFT_OBJECT, &p[3], OwnerNames);
    m_Bind.Combo(IDC_SOP_LEFT_STATUS, &p[4], &m_Statuses, 0);
    m_Bind.Combo(IDC_SOP_OPERATOR, &p[5], StatusOperatorNames);
    m_Bind.Combo(IDC_SOP_RIGHT_KIND, &p[6], ValueSourceNames);
    m_Bind.Edit(IDC_SOP_CONST, &p[7], -kValueLimit, kValueLimit, IDC_SOP_CONST_SPIN);
    m_Bind.Edit(IDC_SOP_RAND_FROM, &p[8], -kValueLimit, kValueLimit, IDC_SOP_RAND_FROM_SPIN);
    m_Bind.Edit(IDC_SOP_RAND_TO, &p[9], -kValueLimit, kValueLimit, IDC_SOP_RAND_TO_SPIN);
    m_Bind.Combo(IDC_SOP_RIGHT_SCOPE, &p[10], VarScopeNames);
    m_Bind.Combo(IDC_SOP_RIGHT_NUMBER, &p[11], &m_CharaVars, 1);
    m_Bind.Combo(IDC_SOP_RIGHT_OBJECT, &p[12], OwnerNames);
    m_Bind.Combo(IDC_SOP_RIGHT_STATUS, &p[13], &m_Statuses, 0);
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
    int kind = ComboPos(side.kind);
    if (kind == side.statusKind && ComboPos(side.object) != eObjectSystem && ComboPos(side.status) == eStatusCharaVar) {
        ShowParamList(side.number, &m_CharaVars, 1, m_Ready);
        EnableCtrl(side.number, 1);
        EnableCtrl(side.rename, 0);
    } else if (kind != side.variableKind) {
        EnableCtrl(side.number, 0);
        EnableCtrl(side.rename, 0);
    } else {
        ShowParamList(side.number, ComboPos(side.scope) == eVarStage ? &m_StageVars : &m_CommonVars, 1, m_Ready);
        EnableCtrl(side.number, 1);
        EnableCtrl(side.rename, 1);
    }
}

void cCmdStatusOpDlg::UpdateStatusList(const cSide& side) {
    if (ComboPos(side.kind) != side.statusKind) return;
    ShowParamList(side.status, ComboPos(side.object) == eObjectSystem ? &m_SystemValues : &m_Statuses, 0, m_Ready);
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
    EnableCtrl(IDC_SOP_GUARD, leftStatus && object >= 0 && object != eObjectSystem);
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
        int status = ComboPos(IDC_SOP_LEFT_STATUS);
        // A system value's range and percent form are its own, not those of the chara status in
        // its row.
        bool system = ComboPos(IDC_SOP_LEFT_OBJECT) == eObjectSystem;
        int rows = system ? kSystemValueDescs : kStatusDescs;
        if (status >= 0 && status < rows) {
            const cStatusDesc& row = system ? SystemValueDescs[status] : StatusDescs[status];
            low = row.m_C1;
            high = row.m_C2;
            percent = row.m_C7;
            hpOrSp = !system && (status == eStatusHp || status == eStatusSp);
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
    if (ComboPos(side.kind) != side.variableKind) return;
    int scope = ComboPos(side.scope) == eVarStage ? eVarStage : eVarCommon;
    cBoundButton* button = FindCtrl(m_Bind.m_Buttons, side.rename);
    if (!RenameVariable(this, m_lpGroup, scope, number, button ? &button->m_Ctrl : nullptr, false)) return;
    BuildVarNameList(scope == eVarStage ? &m_StageVars : &m_CommonVars, scope);
    RefillParamList(kLeft.number);
    RefillParamList(kRight.number);
}
