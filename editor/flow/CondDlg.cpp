#include "editor/flow/CondDlg.h"

#include "data/FlowTables.h"
#include "editor/flow/CondIds.h"
#include "editor/flow/VarRename.h"

cCondDlg::cCondDlg(UINT templateId, cChildWnd* parent, cWndGroup* group, const cCondEditContext& context)
    : cPage(templateId, parent, eKindDialog, group), m_Context(context) {}

void cCondDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    cPage::OnInitDialog(wParam, lParam);
    ShowWindow(GetDlgItem(m_hWnd, IDC_COND_PICTURE), SW_HIDE);
    AttachItem();
    DataToCtrls();
    UpdateEnables();
    m_Ready = 1;
}

void cCondDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!IsCommandAllowed(wParam)) return;
    cPage::OnCommand(wParam, lParam);
    int id = LOWORD(wParam);
    if (id == IDC_COND_OK) {
        CtrlsToData();
        End(1);
    } else if (id == IDC_COND_CANCEL) {
        End(0);
    } else if (m_Ready && FindChangedCtrl(wParam)) {
        OnValueChange(id);
    }
}

cCondVarDlg::cCondVarDlg(UINT templateId, cChildWnd* parent, cWndGroup* group, const cCondEditContext& context,
                         eScope scope)
    : cCondDlg(templateId, parent, group, context), m_Scope(scope) {
    static const uint16_t kVarIds[] = {IDC_COND_COMMON_VAR, IDC_COND_STAGE_VAR, IDC_COND_CHARA_VAR};
    m_VarId = kVarIds[scope];
    cCondition& cond = Cond();
    if (m_Context.isNew) cond.m_VarIndex = 1;
    m_Vars.resize(1);
    if (scope == eScopeChara) {
        m_Vars[0].m_Desc = cComboDesc<uint16_t>(m_VarId, &cond.m_VarIndex, CharaVarNames, 1);
    } else {
        BuildVarNameList(&m_Names, scope == eScopeCommon ? eVarCommon : eVarStage);
        m_Vars[0].m_Desc = cComboDesc<uint16_t>(m_VarId, &cond.m_VarIndex, &m_Names, 1);
        m_Buttons.resize(1);
        m_Buttons[0].m_Desc.Set(IDC_COND_RENAME);
    }
    m_Values.resize(1);
    m_Values[0].m_Desc.Set(IDC_COND_VALUE, &cond.m_Value, -999999, 999999, IDC_COND_VALUE_SPIN, 1);
    m_Compares.resize(1);
    m_Compares[0].m_Desc = cComboDesc<uint8_t>(IDC_COND_COMPARE, &cond.m_Compare, CompareNames, 0);
}

void cCondVarDlg::AttachItem() {
    AttachCtrls(m_Vars);
    AttachCtrls(m_Values);
    AttachCtrls(m_Compares);
    AttachCtrls(m_Buttons);
}

void cCondVarDlg::OnValueChange(int id) {
    if (id != IDC_COND_RENAME || m_Scope == eScopeChara) return;
    int scope = m_Scope == eScopeCommon ? eVarCommon : eVarStage;
    cCombo<uint16_t>& combo = m_Vars[0].m_Ctrl;
    if (!RenameVariable(this, Group(), scope, combo.GetData(), &m_Buttons[0].m_Ctrl, scope == eVarCommon)) return;
    BuildVarNameList(&m_Names, scope);
    combo.SetList(&m_Names);
}

cCondDistanceDlg::cCondDistanceDlg(UINT templateId, cChildWnd* parent, cWndGroup* group,
                                   const cCondEditContext& context)
    : cCondDlg(templateId, parent, group, context) {
    cCondition& cond = Cond();
    if (m_Context.isNew) cond.m_Value = 10;
    m_Combos.resize(2);
    m_Combos[0].m_Desc = cComboDesc<uint8_t>(IDC_COND_DIST_AXIS, &cond.m_DistAxis, DistanceAxisNames, 0);
    m_Combos[1].m_Desc = cComboDesc<uint8_t>(IDC_COND_COMPARE, &cond.m_Compare, DistanceCompareNames, 0);
    m_Values.resize(1);
    m_Values[0].m_Desc.Set(IDC_COND_DISTANCE, &cond.m_Value, 0, 40, IDC_COND_DISTANCE_SPIN, 1);
}

void cCondDistanceDlg::AttachItem() {
    AttachCtrls(m_Combos);
    AttachCtrls(m_Values);
}
