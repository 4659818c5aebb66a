#include "framework/Buttons.h"

void cCheck::Attach(cPage* page, const cCheckDesc& desc) {
    cCtrl::Attach(page, static_cast<uint16_t>(desc.id));
    m_Var = desc;
}

void cCheck::DataToCtrl() {
    if (!m_Var.lpVar) return;
    int state;
    switch (m_Var.width) {
    case 1: state = *static_cast<int8_t*>(m_Var.lpVar); break;
    case -1: state = *static_cast<uint8_t*>(m_Var.lpVar); break;
    default: state = *static_cast<int32_t*>(m_Var.lpVar); break;
    }
    SendMessageA(m_hWnd, BM_SETCHECK, static_cast<WPARAM>(state), 0);
}

void cCheck::CtrlToData() {
    if (!m_Var.lpVar || !m_hWnd) return;
    int state = GetCheck();
    switch (m_Var.width) {
    case 1: *static_cast<int8_t*>(m_Var.lpVar) = static_cast<int8_t>(state); break;
    case -1: *static_cast<uint8_t*>(m_Var.lpVar) = static_cast<uint8_t>(state); break;
    default: *static_cast<int32_t*>(m_Var.lpVar) = state; break;
    }
}
