#include "framework/Ctrl.h"

#include "framework/Page.h"

void cCtrl::Attach(cPage* page, uint16_t id) {
    m_lpPage = page;
    m_hPageWnd = page ? page->GetHwnd() : nullptr;
    m_Id = id;
    m_hWnd = m_hPageWnd ? GetDlgItem(m_hPageWnd, id) : nullptr;
    UpdatePos();
}

void cCtrl::UpdatePos() {
    RECT r;
    if (!m_hWnd || !GetWindowRect(m_hWnd, &r)) return;
    m_ScreenPos = {r.left, r.top};
    RECT page;
    if (m_hPageWnd && GetWindowRect(m_hPageWnd, &page)) {
        m_PagePos.x = r.left - m_lpPage->FrameLeft() - page.left;
        m_PagePos.y = r.top - m_lpPage->FrameTop() - page.top;
    }
}

void cCtrl::Move(int x, int y) {
    if (!m_hWnd) return;
    SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    UpdatePos();
}
