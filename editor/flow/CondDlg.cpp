#include "editor/flow/CondDlg.h"

#include <new>

#include "data/FlowTables.h"
#include "editor/flow/CondIds.h"
#include "editor/flow/CondList.h"
#include "editor/flow/CondStatusDlg.h"
#include "editor/flow/VarRename.h"
#include "editor/shell/StageDoc.h"
#include "framework/Geometry.h"
#include "framework/MessageBox.h"

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

namespace {

struct cKindEntry {
    uint16_t button;
    UINT templateId;
    cCondDlg* (*make)(UINT templateId, cChildWnd* parent, cWndGroup* group, const cCondEditContext& context);
};

template <class D>
cCondDlg* Make(UINT templateId, cChildWnd* parent, cWndGroup* group, const cCondEditContext& context) {
    return new (std::nothrow) D(templateId, parent, group, context);
}

// Row k is kind k; kind 0 has no dialog.
const cKindEntry kKinds[] = {
    {0, 0, nullptr},
    {IDC_COND_KIND_COMMON, IDD_COND_COMMON_VAR, Make<cCondCommonVarDlg>},
    {IDC_COND_KIND_STAGE, IDD_COND_STAGE_VAR, Make<cCondStageVarDlg>},
    {IDC_COND_KIND_CHARA, IDD_COND_CHARA_VAR, Make<cCondCharaVarDlg>},
    {IDC_COND_KIND_STATUS, IDD_COND_STATUS, Make<cCondStatusDlg>},
    {IDC_COND_KIND_DISTANCE, IDD_COND_DISTANCE, Make<cCondDistanceDlg>},
};
const int kKindCount = sizeof kKinds / sizeof kKinds[0];

}  // namespace

cCondListDlg::cCondListDlg(UINT templateId, cChildWnd* parent, int kind, cWndGroup* group,
                           cDataList<cCondition, cCondVector>* list, int)
    : cPage(templateId, parent, kind, group) {
    if (list) m_Context = static_cast<cCondDataList*>(list)->Context();
}

cCondListDlg::cCondListDlg(UINT templateId, cChildWnd* parent, cWndGroup* group, const cCondEditContext& context)
    : cPage(templateId, parent, eKindDialog, group), m_Context(context) {}

void cCondListDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    cPage::OnInitDialog(wParam, lParam);
    ShowWindow(GetDlgItem(m_hWnd, IDC_COND_PICTURE), SW_HIDE);
    m_Buttons.resize(kKindCount - 1);
    for (int kind = 1; kind < kKindCount; ++kind) m_Buttons[kind - 1].m_Desc.Set(kKinds[kind].button);
    AttachCtrls(m_Buttons);
    for (int kind = 1; kind < kKindCount; ++kind) m_Buttons[kind - 1].m_Ctrl.SetText(ConditionKindNames[kind]);
    // Distance conditions belong to charas; an existing one still opens from any page.
    if (!m_Context.distance && StageDoc().m_Layer != eLayerChara)
        EnableCtrlById(m_Buttons, IDC_COND_KIND_DISTANCE, 0);
    DataToCtrls();
    if (!m_Context.isNew && m_Context.lpCond) {
        int kind = m_Context.lpCond->m_Kind;
        if (kind > 0 && kind < kKindCount) SendMessageA(m_hWnd, WM_COMMAND, kKinds[kind].button, 0);
    }
    m_Ready = 1;
}

void cCondListDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!IsCommandAllowed(wParam)) return;
    cPage::OnCommand(wParam, lParam);
    int id = LOWORD(wParam);
    for (int kind = 1; kind < kKindCount; ++kind) {
        if (kKinds[kind].button != id || !m_Context.lpCond) continue;
        m_Context.lpCond->m_Kind = static_cast<uint8_t>(kind);
        ShowWindow(m_hWnd, SW_HIDE);
        End(RunKindDlg(kind));
        return;
    }
}

int cCondListDlg::RunKindDlg(int kind) {
    return RunNewModal(kKinds[kind].make(kKinds[kind].templateId, m_lpParent, m_lpGroup, m_Context), 0);
}

INT_PTR cCondListDlg::DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    INT_PTR handled = cPage::DialogProc(wnd, msg, wParam, lParam);
    if (handled) {
        if (m_lpParent)
            m_lpParent->RedrawList();
        else
            DebugBox("m_lpParentClass->RedrawList()できない！ m_lpParentClass->RedrawList() = %u", 0u);
    }
    return handled;
}
