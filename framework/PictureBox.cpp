#include "framework/PictureBox.h"

#include "framework/Page.h"

cPictureBox::~cPictureBox() {
    m_Canvas.Release();
    ReleaseWindowDC();
}

void cPictureBox::ReleaseWindowDC() {
    if (m_hWindowDC) ReleaseDC(m_hWnd, m_hWindowDC);
    m_hWindowDC = nullptr;
}

void cPictureBox::Attach(cPage* page, const cPictureBoxDesc& desc) {
    ReleaseWindowDC();
    cCtrl::Attach(page, static_cast<uint16_t>(desc.id));
    if (!m_hWnd) return;
    m_hWindowDC = GetDC(m_hWnd);
    int width = desc.width, height = desc.height;
    if (width > 0 && height > 0) {
        Resize(width, height);
    } else {
        RECT client;
        ::GetClientRect(m_hWnd, &client);
        width = client.right;
        height = client.bottom;
    }
    m_Canvas.Release();
    m_Canvas.Create(width, height, 24, 0);
}

void cPictureBox::Present() {
    if (m_hWindowDC && m_Canvas.GetDC())
        BitBlt(m_hWindowDC, 0, 0, m_Canvas.Width(), m_Canvas.Height(), m_Canvas.GetDC(), 0, 0, SRCCOPY);
}

void cPage::AttachPictureBox(cBoundPictureBox& binding) {
    binding.AttachTo(this);
    AddCtrl(&binding.m_Ctrl);
}
