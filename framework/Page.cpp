#include "framework/Page.h"

#include "framework/Ctrl.h"
#include "framework/MessageBox.h"
#include "framework/WindowPlace.h"

namespace {

uint16_t g_horzBarId = 0;
uint16_t g_vertBarId = 0;

bool HasBar(const cScrollBar& bar) { return bar.GetHwnd() != nullptr; }

}  // namespace

void cPage::SetScrollBarIds(uint16_t horzId, uint16_t vertId) {
    g_horzBarId = horzId;
    g_vertBarId = vertId;
}

cPage::cPage(UINT templateId, cChildWnd* parent, int kind, cWndGroup* group)
    : cChildWnd(templateId, parent, kind, group) {}

cPage::cPage(UINT templateId, cChildWnd* parent, int kind, cWndGroup* group, cCtrl* anchor, int centre)
    : cChildWnd(templateId, parent, kind, group) {
    SetAnchor(anchor, centre);
}

cPage::cPage(UINT templateId, cChildWnd* parent, int kind, cWndGroup* group, int x, int y)
    : cChildWnd(templateId, parent, kind, group) {
    SetRequestedPosition(x, y);
}

INT_PTR cPage::DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CLOSE) {
        End(0);
        return 1;
    }
    return WndProc(wnd, msg, wParam, lParam) ? 1 : 0;
}

LRESULT cPage::WndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = cChildWnd::WndProc(wnd, msg, wParam, lParam);

    // The bars never keep the focus of a page that is set up.
    if (m_Ready && m_hFocusTarget) {
        HWND focus = GetFocus();
        if (focus && (focus == m_HorzBar.GetHwnd() || focus == m_VertBar.GetHwnd())) SetFocus(m_hFocusTarget);
    }

    switch (msg) {
    case WM_INITDIALOG:
        OnInitDialog(wParam, lParam);
        break;
    case WM_DESTROY:
        if (m_lpGroup) m_lpGroup->Unregister(this);
        if (m_RunFlags & (kRunHideGroup | kRunDisableGroup)) GroupOn();
        break;
    case WM_SIZE:
        PlaceBars();
        break;
    case WM_NOTIFY: {
        NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
        for (cCtrl* ctrl : m_Ctrls)
            if (ctrl->OnNotify(static_cast<int>(wParam), header)) break;
        break;
    }
    case WM_KEYDOWN: {
        struct cNavKey {
            WPARAM key;
            UINT msg;
            WPARAM code;
        };
        static const cNavKey kKeys[] = {
            {VK_PRIOR, WM_VSCROLL, SB_PAGEUP},   {VK_NEXT, WM_VSCROLL, SB_PAGEDOWN},
            {VK_END, WM_HSCROLL, SB_PAGERIGHT},  {VK_HOME, WM_HSCROLL, SB_PAGELEFT},
            {VK_LEFT, WM_HSCROLL, SB_LINELEFT},  {VK_UP, WM_VSCROLL, SB_LINEUP},
            {VK_RIGHT, WM_HSCROLL, SB_LINERIGHT}, {VK_DOWN, WM_VSCROLL, SB_LINEDOWN},
        };
        for (const cNavKey& nav : kKeys) {
            if (nav.key != wParam) continue;
            HWND bar = nav.msg == WM_HSCROLL ? m_HorzBar.GetHwnd() : m_VertBar.GetHwnd();
            PostMessageA(wnd, nav.msg, nav.code, reinterpret_cast<LPARAM>(bar));
        }
        if (!m_Modeless)
            for (cCtrl* ctrl : m_Ctrls) ctrl->OnKey(wParam, lParam, IsCtrlHeld());
        break;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
        ScrollPage(msg, wParam, lParam);
        for (cCtrl* ctrl : m_Ctrls)
            if (ctrl->OnScroll(wParam, lParam)) break;
        break;
    case WM_HOOKNAVKEY:
        SendMessageA(wnd, WM_KEYDOWN, wParam, lParam);
        break;
    case WM_REDRAWLIST:
        RedrawList();
        break;
    }
    return result;
}

// Scrolls the page's own bar by the message's code; 1 when the position changed.
int cPage::ScrollPage(UINT msg, WPARAM wParam, LPARAM lParam) {
    cScrollBar& bar = msg == WM_HSCROLL ? m_HorzBar : m_VertBar;
    HWND barWnd = bar.GetHwnd();
    if (!barWnd || reinterpret_cast<HWND>(lParam) != barWnd) return 0;
    SCROLLINFO si = {sizeof si, SIF_ALL};
    if (!GetScrollInfo(barWnd, SB_CTL, &si)) return 0;
    int pos = si.nPos;
    int page = static_cast<int>(si.nPage);
    switch (LOWORD(wParam)) {
    case SB_LINELEFT: pos -= 1; break;
    case SB_LINERIGHT: pos += 1; break;
    case SB_PAGELEFT: pos -= page; break;
    case SB_PAGERIGHT: pos += page; break;
    case SB_THUMBTRACK: pos = si.nTrackPos; break;
    case SB_LEFT: pos = si.nMin; break;
    case SB_RIGHT: pos = si.nMax; break;
    }
    int before = si.nPos;
    bar.SetPos(pos);
    if (bar.GetPos() == before) return 0;
    OnPaint();
    return 1;
}

void cPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    int id = LOWORD(wParam);
    int code = HIWORD(wParam);
    enum { eNone, eChanged, eEvent } result = eNone;
    cCtrl* target = nullptr;
    for (cCtrl* ctrl : m_Ctrls) {
        if (ctrl->GetId() != id) continue;
        switch (ctrl->GetKind()) {
        case eCtrlEditVal:
        case eCtrlStrEdit:
            if (code == EN_UPDATE) result = eChanged;
            if (code == EN_KILLFOCUS) result = eEvent;
            break;
        case eCtrlCombo:
            if (code == CBN_SELCHANGE) result = eChanged;
            break;
        case eCtrlDataList:
            if (code == LBN_SELCHANGE) result = eChanged;
            if (code == LBN_KILLFOCUS) result = eEvent;
            break;
        }
        if (result != eNone) {
            target = ctrl;
            break;
        }
    }
    if (result == eChanged) target->Reformat();
    if (result == eEvent) target->OnCtrlEvent();
    // A command from a menu or an accelerator (no control window) is offered to the lists.
    if (lParam == 0 && id != 0)
        for (cCtrl* ctrl : m_Ctrls)
            if (ctrl->OnCmd(id) || ctrl->OnMenuCmd(id)) break;
}

void cPage::RedrawList() {
    for (cCtrl* ctrl : m_Ctrls)
        if (ctrl->GetKind() == eCtrlDataList) ctrl->Refresh();
}

void cPage::OnInitDialog(WPARAM, LPARAM) {
    m_Ctrls.clear();
    if (m_Modeless && m_lpGroup) m_lpGroup->Register(this);

    ReadLayout();
    CreateBars();
    if (m_ReqClient.right > 0 && m_ReqClient.bottom > 0) Resize(m_ReqClient.right, m_ReqClient.bottom);

    if (m_ScrollFlags & kScrollHorz) {
        m_HorzBar.Attach(this, g_horzBarId, cScrollBarSettings());
        AddCtrl(&m_HorzBar);
    }
    if (m_ScrollFlags & kScrollVert) {
        m_VertBar.Attach(this, g_vertBarId, cScrollBarSettings());
        AddCtrl(&m_VertBar);
    }
    PlaceBars();
    if (HasBar(m_HorzBar)) m_HorzBar.SetPos(0);
    if (HasBar(m_VertBar)) m_VertBar.SetPos(0);

    PlaceWindow();

    if (!m_Hook.Install(m_hWnd, m_Modeless)) ErrorBox("KeyboardHookに失敗!");

    GetMousePos(0, kMouseRead | kMousePress | kMouseRelease);
    m_PrevMouse = m_Mouse;
    m_ReleasedSinceOpen = !m_Mouse.buttons.m_RightDown;
}

void cPage::PlaceBars() {
    if ((m_ScrollFlags & kScrollHorz) && HasBar(m_HorzBar))
        MoveWindow(m_HorzBar.GetHwnd(), m_Origin.x, m_Origin.y + m_ContentHeight, m_ContentWidth,
                   GetSystemMetrics(SM_CYHSCROLL), TRUE);
    if ((m_ScrollFlags & kScrollVert) && HasBar(m_VertBar))
        MoveWindow(m_VertBar.GetHwnd(), m_Origin.x + m_ContentWidth, m_Origin.y, GetSystemMetrics(SM_CXVSCROLL),
                   m_ContentHeight, TRUE);
}

void cPage::PlaceWindow() {
    if (m_Kind == eKindSheetPage) return;
    RECT self;
    GetWindowRect(m_hWnd, &self);
    int width = self.right - self.left;
    int height = self.bottom - self.top;
    int x, y;
    RECT anchor;
    if (m_lpAnchor && m_lpAnchor->GetHwnd() && GetWindowRect(m_lpAnchor->GetHwnd(), &anchor)) {
        x = anchor.left;
        y = anchor.top;
        if (m_Center) {
            x += (anchor.right - anchor.left) / 2 - width / 2;
            y += (anchor.bottom - anchor.top) / 2 - height / 2;
        }
    } else if (m_ReqX != kNoPosition && m_ReqY != kNoPosition) {
        x = m_ReqX;
        y = m_ReqY;
    } else {
        return;
    }
    KeepInsideDesktop(&x, &y, width, height);
    Move(x, y);
}

void cPage::FitCanvas(cCtrl& canvas, cDib& backBuffer, int columns, int rows, int cellSize, int* horzPos, int* vertPos) {
    ReadLayout();
    canvas.Move(m_Origin.x, m_Origin.y);
    canvas.Resize(m_ContentWidth, m_ContentHeight);
    m_HorzBar.SetRange(0, columns - 1);
    m_HorzBar.SetPage(m_ContentWidth / cellSize);
    m_VertBar.SetRange(0, rows - 1);
    m_VertBar.SetPage(m_ContentHeight / cellSize);
    *horzPos = m_HorzBar.GetPos();
    *vertPos = m_VertBar.GetPos();
    if (m_ContentWidth > 0 && m_ContentHeight > 0 &&
        (backBuffer.Width() != m_ContentWidth || backBuffer.Height() != m_ContentHeight))
        backBuffer.Create(m_ContentWidth, m_ContentHeight, 24, 0);
}

void cPage::AutoScroll(int* horzPos, int* vertPos) {
    // One counter per edge (left, right, top, bottom), shared by every page.
    static int s_ticks[4];
    GetMousePos(1, kMouseRead | kMousePress | kMouseRelease);
    const POINT& pt = m_Mouse.pt;
    int beyond[4] = {-pt.x, pt.x - (m_ContentWidth - 1), -pt.y, pt.y - (m_ContentHeight - 1)};
    for (int edge = 0; edge < 4; ++edge) {
        if (beyond[edge] <= 0) continue;
        ++s_ticks[edge];
        int needed = beyond[edge] > 32 ? 1 : 8;
        if (s_ticks[edge] < needed) continue;
        s_ticks[edge] = 0;
        bool horizontal = edge < 2;
        cScrollBar& bar = horizontal ? m_HorzBar : m_VertBar;
        if (!HasBar(bar)) continue;
        int pos = bar.ScrollBy(edge % 2 ? 1 : -1);
        *(horizontal ? horzPos : vertPos) = pos;
    }
}
