#include "framework/PictureBox.h"

#include "framework/Page.h"

namespace {
const char kPictureProp[] = "CTRL_PICTURE_BOX";
}

cPictureBox::~cPictureBox() {
    Unsubclass();
    m_Canvas.Release();
    ReleaseWindowDC();
}

void cPictureBox::Unsubclass() {
    if (m_hWnd && m_PrevProc && GetPropA(m_hWnd, kPictureProp) == this) {
        SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_PrevProc));
        RemovePropA(m_hWnd, kPictureProp);
    }
    m_PrevProc = nullptr;
}

void cPictureBox::PaintTo(HDC dc) {
    BitBlt(dc, 0, 0, m_Canvas.Width(), m_Canvas.Height(), m_Canvas.GetDC(), 0, 0, SRCCOPY);
}

LRESULT CALLBACK cPictureBox::SubclassProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    cPictureBox* self = static_cast<cPictureBox*>(GetPropA(wnd, kPictureProp));
    if (!self) return DefWindowProcA(wnd, msg, wParam, lParam);
    WNDPROC previous = self->m_PrevProc;
    if (msg == WM_DESTROY) {
        self->Unsubclass();
        self->ReleaseWindowDC();
        return CallWindowProcA(previous, wnd, msg, wParam, lParam);
    }
    if (self->m_Canvas.GetDC()) {
        if (msg == WM_PAINT) {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(wnd, &ps);
            self->PaintTo(dc);
            EndPaint(wnd, &ps);
            return 0;
        }
        if (msg == WM_PRINTCLIENT) {
            self->PaintTo(reinterpret_cast<HDC>(wParam));
            return 0;
        }
        if (msg == WM_ERASEBKGND) return 1;
    }
    return CallWindowProcA(previous, wnd, msg, wParam, lParam);
}

void cPictureBox::ReleaseWindowDC() {
    if (m_hWindowDC) ReleaseDC(m_hWnd, m_hWindowDC);
    m_hWindowDC = nullptr;
}

void cPictureBox::Attach(cPage* page, const cPictureBoxDesc& desc) {
    Unsubclass();
    ReleaseWindowDC();
    cCtrl::Attach(page, static_cast<uint16_t>(desc.id));
    if (!m_hWnd) return;
    m_hWindowDC = GetDC(m_hWnd);
    SetPropA(m_hWnd, kPictureProp, this);
    m_PrevProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&cPictureBox::SubclassProc)));
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
    if (m_hWindowDC && m_Canvas.GetDC()) PaintTo(m_hWindowDC);
}

void cPage::AttachPictureBox(cBoundPictureBox& binding) {
    binding.AttachTo(this);
    AddCtrl(&binding.m_Ctrl);
}
