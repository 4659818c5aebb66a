#include "framework/TrackVal.h"

void cTrackVal::Attach(cPage* page, const TrackDesc& desc) {
    cCtrl::Attach(page, static_cast<uint16_t>(desc.id));
    m_lpVar = desc.lpVar;
    SendMessageA(m_hWnd, TBM_SETRANGE, TRUE, MAKELONG(desc.minimum, desc.maximum));
    SendMessageA(m_hWnd, TBM_SETPAGESIZE, 0, desc.pageSize);
    SendMessageA(m_hWnd, TBM_SETLINESIZE, 0, desc.lineSize);
    if (desc.editId) {
        cEditValDesc<int32_t> edit;
        edit.Set(desc.editId, m_lpVar, desc.minimum, desc.maximum, 0, 1);
        m_Edit.Attach(page, edit);
    }
    if (m_lpVar) SetPos(*m_lpVar);
}

void cTrackVal::SetPos(int32_t v) {
    SendMessageA(m_hWnd, TBM_SETPOS, TRUE, v);
    if (m_Edit.GetHwnd()) m_Edit.SetValue(v);
}

BOOL cTrackVal::Enable(int flag) {
    if (m_Edit.GetHwnd()) m_Edit.Enable(flag);
    return cCtrl::Enable(flag);
}

void cTrackVal::DataToCtrl() {
    if (m_lpVar) SetPos(*m_lpVar);
}

void cTrackVal::CtrlToData() {
    if (m_lpVar && m_hWnd) *m_lpVar = static_cast<int32_t>(SendMessageA(m_hWnd, TBM_GETPOS, 0, 0));
}

int cTrackVal::OnScroll(WPARAM, LPARAM lParam) {
    if (reinterpret_cast<HWND>(lParam) == m_hWnd && m_Edit.GetHwnd())
        m_Edit.SetValue(static_cast<int32_t>(SendMessageA(m_hWnd, TBM_GETPOS, 0, 0)));
    return 0;  // the page goes on asking its other controls
}
