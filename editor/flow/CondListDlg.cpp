#include "editor/flow/CondListDlg.h"

#include <new>

#include "data/FlowTables.h"
#include "editor/flow/CondIds.h"
#include "editor/flow/CondStatusDlg.h"
#include "editor/shell/StageDoc.h"
#include "framework/MessageBox.h"

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
    if (const auto* source = dynamic_cast<const cCondContextSource*>(list)) m_Context = source->Context();
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
