#include "framework/ScrollBar.h"

namespace {
const char kScrollProp[] = "CTRL_SCROLL_CLASS";
}

cScrollBar::~cScrollBar() { Unsubclass(); }

void cScrollBar::Attach(cPage* page, uint16_t id, const cScrollBarSettings& settings) {
    Unsubclass();
    cCtrl::Attach(page, id);
    m_Settings = settings;
    int bar;
    HWND target = Target(&bar);
    if (target) {
        SCROLLINFO si = {sizeof si, SIF_RANGE | SIF_PAGE};
        si.nMin = settings.minimum;
        si.nMax = settings.maximum;
        si.nPage = static_cast<UINT>(settings.page);
        SetScrollInfo(target, bar, &si, settings.redraw);
    }
    if (m_hWnd) {
        SetPropA(m_hWnd, kScrollProp, this);
        m_PrevProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&cScrollBar::SubclassProc)));
    }
}

HWND cScrollBar::Target(int* bar) const {
    if (m_Settings.lpOwner) {
        *bar = m_Settings.bar;
        return *m_Settings.lpOwner;
    }
    *bar = SB_CTL;
    return m_hWnd;
}

int cScrollBar::GetPos() const {
    int bar;
    HWND target = Target(&bar);
    SCROLLINFO si = {sizeof si, SIF_POS};
    if (!target || !GetScrollInfo(target, bar, &si)) return 0;
    return si.nPos;
}

void cScrollBar::SetPos(int pos) {
    int bar;
    HWND target = Target(&bar);
    if (!target) return;
    SCROLLINFO si = {sizeof si, SIF_POS};
    si.nPos = pos;
    SetScrollInfo(target, bar, &si, TRUE);
}

void cScrollBar::SetRange(int minimum, int maximum) {
    m_Settings.minimum = minimum;
    m_Settings.maximum = maximum;
    int bar;
    HWND target = Target(&bar);
    if (!target) return;
    SCROLLINFO si = {sizeof si, SIF_RANGE};
    si.nMin = minimum;
    si.nMax = maximum;
    SetScrollInfo(target, bar, &si, TRUE);
}

void cScrollBar::SetPage(int page) {
    m_Settings.page = page;
    int bar;
    HWND target = Target(&bar);
    if (!target) return;
    SCROLLINFO si = {sizeof si, SIF_PAGE};
    si.nPage = static_cast<UINT>(page);
    SetScrollInfo(target, bar, &si, TRUE);
}

int cScrollBar::ScrollBy(int delta) {
    SetPos(GetPos() + delta);
    return GetPos();
}

void cScrollBar::Unsubclass() {
    if (m_hWnd && m_PrevProc && GetPropA(m_hWnd, kScrollProp) == this) {
        SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_PrevProc));
        RemovePropA(m_hWnd, kScrollProp);
    }
    m_PrevProc = nullptr;
}

LRESULT CALLBACK cScrollBar::SubclassProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    cScrollBar* self = static_cast<cScrollBar*>(GetPropA(wnd, kScrollProp));
    if (!self) return DefWindowProcA(wnd, msg, wParam, lParam);
    WNDPROC previous = self->m_PrevProc;
    if (msg == WM_DESTROY) {
        self->Unsubclass();
        return CallWindowProcA(previous, wnd, msg, wParam, lParam);
    }
    if (msg == WM_RBUTTONUP) return 0;
    return CallWindowProcA(previous, wnd, msg, wParam, lParam);
}
