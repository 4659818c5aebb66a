#include "editor/shell/StagePage.h"

#include <prsht.h>

cStagePage::cStagePage(UINT templateId, cChildWnd* parent, cWndGroup* group)
    : cPage(templateId, parent, eKindSheetPage, group) {
    SetLayout(0, 0, 100, 100, 640, 480, 0, 0, 0, kBarNone, 0, 0);
}

void cStagePage::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    cPage::OnInitDialog(wParam, lParam);
    AttachPage();
    DataToCtrls();
    AfterShow();
    UpdateEnables();
    m_Ready = 1;
}

void cStagePage::AttachPage() {
    AttachCtrls(m_Ints);
    AttachCtrls(m_Reals);
    AttachCtrls(m_Checks);
    AttachCtrls(m_Combos);
    AttachCtrls(m_Buttons);
}

void cStagePage::Apply() {
    if (m_hWnd) CtrlsToData();
}

void cStagePage::EnableByCheck(int checkId, uint16_t editId) { EnableCtrlById(m_Ints, editId, IsChecked(checkId)); }

void cStagePage::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!IsCommandAllowed(wParam)) return;
    cPage::OnCommand(wParam, lParam);
    if (!m_Ready) return;
    PageCommand(LOWORD(wParam), HIWORD(wParam));
    UpdateEnables();
    if (m_hSheet) SendMessageA(m_hSheet, PSM_CHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

INT_PTR cStagePage::DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    // The sheet closes the pages: a page never ends itself.
    if (msg == WM_CLOSE) return 0;
    INT_PTR result = WndProc(wnd, msg, wParam, lParam) ? 1 : 0;
    if (msg == WM_NOTIFY && m_Ready) {
        UINT code = reinterpret_cast<NMHDR*>(lParam)->code;
        if (code == static_cast<UINT>(PSN_SETACTIVE)) {
            if (m_Stale) {
                DataToCtrls();
                AfterShow();
                m_Stale = 0;
            }
            UpdateEnables();
            SetWindowLongPtrA(wnd, DWLP_MSGRESULT, 0);
            return 1;
        }
        if (code == static_cast<UINT>(PSN_APPLY)) {
            OnApply();
            SetWindowLongPtrA(wnd, DWLP_MSGRESULT, PSNRET_NOERROR);
            return 1;
        }
    }
    if (msg == WM_DESTROY) OnWindowGone();
    return result;
}

cBoundEditVal<int32_t> IntEdit(uint16_t id, int32_t* var, int32_t minimum, int32_t maximum, uint16_t spin) {
    cBoundEditVal<int32_t> binding;
    binding.m_Desc.Set(id, var, minimum, maximum, spin);
    return binding;
}

cBoundEditVal<double> RealEdit(uint16_t id, double* var, double minimum, double maximum, uint16_t spin, double step) {
    cBoundEditVal<double> binding;
    binding.m_Desc.Set(id, var, minimum, maximum, spin, step);
    return binding;
}

cBoundCheck Check(uint16_t id, int32_t* var) {
    cBoundCheck binding;
    binding.m_Desc.Set(id, var);
    return binding;
}

cBoundCombo<int32_t> Combo(uint16_t id, int32_t* var, const char* const* table, int32_t base) {
    cBoundCombo<int32_t> binding;
    binding.m_Desc = cComboDesc<int32_t>(id, var, table, base);
    return binding;
}

cBoundButton Button(uint16_t id) {
    cBoundButton binding;
    binding.m_Desc.Set(id);
    return binding;
}
