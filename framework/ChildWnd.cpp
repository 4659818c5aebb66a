#include "framework/ChildWnd.h"

#include <prsht.h>

#include <cstring>
#include <vector>

#include "framework/Ctrl.h"
#include "framework/ErrorLog.h"
#include "framework/Geometry.h"
#include "framework/MessageBox.h"
#include "framework/MessageNames.h"
#include "framework/WindowPlace.h"

namespace {

void InitCommonControlsOnce() {
    static bool done = false;
    if (done) return;
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    done = true;
}

void ReportCreationFailure() {
    ErrorBox("システムリソース不足です！");
    MessageBeep(0);
}

}  // namespace

cChildWnd::cChildWnd(UINT templateId, cChildWnd* parent, int kind, cWndGroup* group)
    : m_Kind(kind), m_TemplateId(templateId & 0xffff), m_lpGroup(group), m_lpParent(parent) {
    InitCommonControlsOnce();
    HWND main = GetMainWindow();
    m_hInst = main ? reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(main, GWLP_HINSTANCE)) : nullptr;
    if (!m_hInst) m_hInst = GetModuleHandleA(nullptr);
    m_hParentWnd = parent ? nullptr : main;
}

cChildWnd::~cChildWnd() {
    if (m_lpGroup) m_lpGroup->Unregister(this);
    if (m_hWnd && IsWindow(m_hWnd)) {
        // The window must not reach a deleted object.
        RemovePropA(m_hWnd, kWndObjectProp);
        if (m_Modeless && m_Kind == eKindDialog) DestroyWindow(m_hWnd);
    }
}

HWND cChildWnd::ParentWindow() const { return m_lpParent ? m_lpParent->m_hWnd : m_hParentWnd; }

INT_PTR CALLBACK cChildWnd::StaticDialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    cChildWnd* self;
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<cChildWnd*>(lParam);
        SetPropA(wnd, kWndObjectProp, self);
    } else {
        self = static_cast<cChildWnd*>(GetPropA(wnd, kWndObjectProp));
    }
    return self ? Dispatch(self, wnd, msg, wParam, lParam) : FALSE;
}

INT_PTR CALLBACK cChildWnd::StaticPageProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    cChildWnd* self;
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<cChildWnd*>(reinterpret_cast<PROPSHEETPAGEA*>(lParam)->lParam);
        SetPropA(wnd, kWndObjectProp, self);
    } else {
        self = static_cast<cChildWnd*>(GetPropA(wnd, kWndObjectProp));
    }
    return self ? Dispatch(self, wnd, msg, wParam, lParam) : FALSE;
}

INT_PTR cChildWnd::Dispatch(cChildWnd* self, HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) self->m_hWnd = wnd;
    INT_PTR result = self->DialogProc(wnd, msg, wParam, lParam);
    // The object may have been deleted while it handled the message; then its property is gone.
    if (msg == WM_NCDESTROY && GetPropA(wnd, kWndObjectProp) == self) {
        RemovePropA(wnd, kWndObjectProp);
        self->m_hWnd = nullptr;
    }
    return result;
}

LRESULT cChildWnd::WndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    m_hWnd = wnd;
    if (msg == WM_COMMAND) {
        // A command that arrives through a nested message loop while another is being handled
        // is dropped.
        if (m_CommandBusy) return 0;
        m_CommandBusy = 1;
    }
    if (m_Dump && msg != WM_GETTEXT) DumpMessage(msg, wParam, lParam);
    GetMousePos(0, kMouseRead | kMousePress | kMouseRelease);

    switch (msg) {
    case WM_MOUSEMOVE: OnMouseMove(wParam, lParam); return 1;
    case WM_LBUTTONDOWN: OnLButtonDown(wParam, lParam); return 1;
    case WM_LBUTTONUP: OnLButtonUp(wParam, lParam); return 1;
    case WM_LBUTTONDBLCLK: OnLButtonDblClk(wParam, lParam); return 1;
    case WM_RBUTTONDOWN: OnRButtonDown(wParam, lParam); return 1;
    case WM_RBUTTONUP: OnRButtonUp(wParam, lParam); return 1;
    case WM_RBUTTONDBLCLK: OnRButtonDblClk(wParam, lParam); return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(wnd, &ps);
        OnPaint();
        EndPaint(wnd, &ps);
        return 1;
    }
    case WM_COMMAND:
        OnCommand(wParam, lParam);
        m_CommandBusy = 0;
        return 1;
    case WM_GETMINMAXINFO:
        if (m_MaxTrack.right > 0 && m_MaxTrack.bottom > 0) {
            MINMAXINFO* info = reinterpret_cast<MINMAXINFO*>(lParam);
            int frameWidth = m_FrameLeft + m_FrameRight;
            int frameHeight = m_FrameTop + m_FrameBottom;
            info->ptMinTrackSize = {m_MinTrack.right + frameWidth, m_MinTrack.bottom + frameHeight};
            info->ptMaxTrackSize = {m_MaxTrack.right + frameWidth, m_MaxTrack.bottom + frameHeight};
        }
        return 1;
    case WM_SIZE:
        OnSize();
        return 1;
    case WM_MOVE: {
        RECT r;
        if (GetWindowRect(wnd, &r)) m_Pos = {r.left, r.top};
        return 1;
    }
    case WM_DESTROY:
        m_hWnd = nullptr;
        return 1;
    case WM_ACTIVATEAPP:
        return 1;
    }
    return 0;
}

void cChildWnd::OnSize() {
    ReadLayout();
    if (m_hToolbar) SendMessageA(m_hToolbar, WM_SIZE, 0, 0);
    if (m_hStatus) {
        MoveWindow(m_hStatus, 0, m_Client.bottom - kStatusBarHeight, m_ContentWidth, kStatusBarHeight, TRUE);
        SendMessageA(m_hStatus, WM_SIZE, 0, 0);
    }
}

void cChildWnd::DumpMessage(UINT msg, WPARAM wParam, LPARAM lParam) const {
    const char* name = MessageName(msg);
    char number[16];
    if (!name) {
        wsprintfA(number, "%u", msg);
        name = number;
    }
    unsigned wp = static_cast<unsigned>(wParam);
    int lp = static_cast<int>(lParam);
    ErrorLogF("%s | msg:%s | wp:%u(%u,%u) | lp:%d(%d,%d)", m_Name.c_str(), name, wp, HIWORD(wp), LOWORD(wp), lp,
              static_cast<int>(HIWORD(lp)), static_cast<int>(LOWORD(lp)));
}

namespace {

// A copy of the dialog template with its style changed; empty when the template is not there.
// An extended template (version 1, signature 0xFFFF) holds the style after its help id and
// extended style; a plain one starts with it. DWORDs keep the copy aligned as the dialog
// manager wants it.
std::vector<DWORD> RestyledTemplate(HINSTANCE inst, UINT id, DWORD off, DWORD on) {
    HRSRC found = FindResourceA(inst, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5));
    HGLOBAL loaded = found ? LoadResource(inst, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    DWORD size = found ? SizeofResource(inst, found) : 0;
    if (!bytes || size < 16) return {};
    std::vector<DWORD> copy((size + 3) / 4, 0);
    std::memcpy(copy.data(), bytes, size);
    WORD head[2];
    std::memcpy(head, bytes, sizeof head);
    DWORD& style = copy[head[0] == 1 && head[1] == 0xFFFF ? 3 : 0];
    style = (style & ~off) | on;
    return copy;
}

}  // namespace

INT_PTR cChildWnd::DoModal(int runFlags) {
    if (m_hWnd) return 0;
    End(0);
    m_Modeless = 0;
    m_RunFlags = runFlags;
    GroupOff();
    INT_PTR result;
    if (m_StyleOff || m_StyleOn) {
        std::vector<DWORD> restyled = RestyledTemplate(m_hInst, m_TemplateId, m_StyleOff, m_StyleOn);
        result = restyled.empty() ? -1
                                  : DialogBoxIndirectParamA(m_hInst, reinterpret_cast<LPCDLGTEMPLATEA>(restyled.data()),
                                                            ParentWindow(), StaticDialogProc, reinterpret_cast<LPARAM>(this));
    } else {
        result = DialogBoxParamA(m_hInst, MAKEINTRESOURCEA(m_TemplateId), ParentWindow(), StaticDialogProc,
                                 reinterpret_cast<LPARAM>(this));
    }
    m_hWnd = nullptr;
    GroupOn();
    // A modal dialog that cannot be made is only a question not asked: the caller reads 0 as
    // "nothing changed" and the program goes on.
    if (result == -1) {
        ReportCreationFailure();
        return 0;
    }
    return result;
}

bool cChildWnd::Create(int runFlags, int show) {
    End(0);
    m_Modeless = 1;
    m_RunFlags = runFlags;
    GroupOff();
    HWND wnd = CreateDialogParamA(m_hInst, MAKEINTRESOURCEA(m_TemplateId), ParentWindow(), StaticDialogProc,
                                  reinterpret_cast<LPARAM>(this));
    if (!wnd) {
        GroupOn();
        // A modeless window is one the program lives in: without it, close the program in order.
        ReportCreationFailure();
        if (HWND main = GetMainWindow()) PostMessageA(main, WM_CLOSE, 0, 0);
        return false;
    }
    Show(show ? SW_SHOW : SW_HIDE);
    return true;
}

void cChildWnd::End(int code) {
    m_EndCode = code;
    m_Ctrls.clear();
    if (!m_hWnd) return;
    if (m_Modeless)
        DestroyWindow(m_hWnd);
    else
        EndDialog(m_hWnd, code);
}

void cChildWnd::GroupOff() {
    if (!m_lpGroup) return;
    if (m_RunFlags & kRunHideGroup) m_lpGroup->ShowAll(0);
    if (m_RunFlags & kRunDisableGroup) m_lpGroup->EnableAll(0);
}

void cChildWnd::GroupOn() {
    if (!m_lpGroup) return;
    if (m_RunFlags & kRunHideGroup) m_lpGroup->ShowAll(1);
    if (m_RunFlags & kRunDisableGroup) m_lpGroup->EnableAll(1);
}

void cChildWnd::Show(int show) {
    if (m_hWnd) ShowWindow(m_hWnd, show);
}

void cChildWnd::Enable(int enable) {
    if (m_hWnd) EnableWindow(m_hWnd, enable ? TRUE : FALSE);
}

void cChildWnd::AddStyle(LONG bits) {
    if (!m_hWnd) return;
    SetWindowLongA(m_hWnd, GWL_STYLE, GetWindowLongA(m_hWnd, GWL_STYLE) | bits);
    SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    ReadLayout();
}

void cChildWnd::RemoveStyle(LONG bits) {
    if (!m_hWnd) return;
    SetWindowLongA(m_hWnd, GWL_STYLE, GetWindowLongA(m_hWnd, GWL_STYLE) & ~bits);
    SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    ReadLayout();
}

void cChildWnd::Move(int x, int y) {
    if (!m_hWnd) return;
    SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ReadLayout();
}

void cChildWnd::Resize(int width, int height) {
    if (!m_hWnd) return;
    SetWindowPos(m_hWnd, nullptr, 0, 0, width + m_FrameLeft + m_FrameRight, height + m_FrameTop + m_FrameBottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ReadLayout();
}

void cChildWnd::GetClientRect(RECT* rect) const {
    *rect = RECT{};
    if (m_hWnd) ::GetClientRect(m_hWnd, rect);
}

void cChildWnd::GetWindowPos(int* x, int* y) const {
    RECT r = {};
    if (m_hWnd) GetWindowRect(m_hWnd, &r);
    *x = r.left;
    *y = r.top;
}

void cChildWnd::RestorePosition() {
    if (!m_hWnd) return;
    RECT self;
    GetWindowRect(m_hWnd, &self);
    const int width = self.right - self.left;
    const int height = self.bottom - self.top;
    const HWND parent = ParentWindow();
    int x, y;
    if (!parent) {
        if (m_ReqX == kNoPosition || m_ReqY == kNoPosition) return;
        x = m_ReqX;
        y = m_ReqY;
    } else {
        RECT outer, client, own;
        GetWindowRect(parent, &outer);
        ::GetClientRect(parent, &client);
        ::GetClientRect(m_hWnd, &own);
        x = outer.left;
        y = outer.top;
        if (m_Center) {
            x += client.right / 2 - own.right / 2;
            y += client.bottom / 2 - own.bottom / 2;
        }
    }
    KeepInsideDesktop(&x, &y, width, height);
    Move(x, y);
}

void cChildWnd::CenterOnDesktop() {
    if (!m_hWnd) return;
    RECT self, desktop;
    GetWindowRect(m_hWnd, &self);
    GetWindowRect(GetDesktopWindow(), &desktop);
    Move((desktop.right - desktop.left - (self.right - self.left)) / 2,
         (desktop.bottom - desktop.top - (self.bottom - self.top)) / 2);
}

void cChildWnd::SetLayout(int width, int height, int minWidth, int minHeight, int maxWidth, int maxHeight, LONG style,
                          int menu, int toolbarRows, int barMode, int option, int scrollFlags) {
    m_Style = style;
    m_Menu = menu;
    m_ToolbarRows = toolbarRows;
    m_BarMode = barMode;
    m_Option = option;
    m_ScrollFlags = scrollFlags;
    int extraHeight = toolbarRows * kToolbarRowHeight;
    if (barMode == kBarStatus || barMode == kBarSpace) extraHeight += kStatusBarHeight;
    if (scrollFlags & kScrollHorz) extraHeight += GetSystemMetrics(SM_CYHSCROLL);
    int extraWidth = (scrollFlags & kScrollVert) ? GetSystemMetrics(SM_CXVSCROLL) : 0;
    m_ReqClient = {0, 0, width + extraWidth, height + extraHeight};
    m_MinTrack = {0, 0, minWidth + extraWidth, minHeight + extraHeight};
    m_MaxTrack = {0, 0, maxWidth + extraWidth, maxHeight + extraHeight};
    // Until the window exists its frame follows from the style.
    RECT frame = {0, 0, 0, 0};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(style), menu ? TRUE : FALSE, 0);
    m_FrameLeft = -frame.left;
    m_FrameTop = -frame.top;
    m_FrameRight = frame.right + ((style & WS_VSCROLL) ? GetSystemMetrics(SM_CXVSCROLL) : 0);
    m_FrameBottom = frame.bottom + ((style & WS_HSCROLL) ? GetSystemMetrics(SM_CYHSCROLL) : 0);
}

void cChildWnd::ReadLayout() {
    if (m_hWnd) {
        m_Style = GetWindowLongA(m_hWnd, GWL_STYLE);
        ::GetClientRect(m_hWnd, &m_Client);
        // The frame as the window really has it, menu and own scroll bars included.
        GetWindowRect(m_hWnd, &m_Outer);
        POINT origin = {0, 0};
        ClientToScreen(m_hWnd, &origin);
        m_FrameLeft = origin.x - m_Outer.left;
        m_FrameTop = origin.y - m_Outer.top;
        m_FrameRight = m_Outer.right - origin.x - m_Client.right;
        m_FrameBottom = m_Outer.bottom - origin.y - m_Client.bottom;
        m_Pos = {m_Outer.left, m_Outer.top};
    }
    int toolbarHeight = m_ToolbarRows * kToolbarRowHeight;
    m_Origin = {0, toolbarHeight};
    m_ContentWidth = m_Client.right - ((m_ScrollFlags & kScrollVert) ? GetSystemMetrics(SM_CXVSCROLL) : 0);
    m_ContentHeight = m_Client.bottom - toolbarHeight;
    if (m_ScrollFlags & kScrollHorz) m_ContentHeight -= GetSystemMetrics(SM_CYHSCROLL);
    if (m_BarMode == kBarStatus) m_ContentHeight -= kStatusBarHeight;
}

void cChildWnd::CreateBars() {
    if (!m_hWnd) return;
    if (m_ToolbarRows > 0 && !m_hToolbar) {
        m_hToolbar = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr, WS_CHILD | WS_VISIBLE | CCS_TOP | TBSTYLE_FLAT, 0, 0,
                                     0, 0, m_hWnd, nullptr, m_hInst, nullptr);
        if (m_hToolbar) SendMessageA(m_hToolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    }
    if (m_BarMode == kBarStatus && !m_hStatus) {
        m_hStatus = CreateWindowExA(0, STATUSCLASSNAMEA, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, m_hWnd, nullptr,
                                    m_hInst, nullptr);
    }
    OnSize();
}

bool cChildWnd::IsActiveWindow() const {
    if (!m_hWnd) return false;
    HWND active = GetActiveWindow();
    if (m_Kind == eKindSheetPage)
        return m_hSheet && active == m_hSheet && PropSheet_GetCurrentPageHwnd(m_hSheet) == m_hWnd;
    return active == m_hWnd;
}

int cChildWnd::GetMousePos(int allowOutside, int buttonMask) {
    if (!m_hWnd) return 0;
    POINT screen;
    if (!GetCursorPos(&screen)) {
        ErrorLog("GetCursorPos失敗！");
        return 0;
    }
    POINT pt = screen;
    ScreenToClient(m_hWnd, &pt);
    pt.x -= m_Origin.x;
    pt.y -= m_Origin.y;
    if (!PtInRange({pt.x, pt.y}, 0, m_ContentWidth, 0, m_ContentHeight) && !allowOutside) return 0;
    m_Mouse.pt = pt;
    m_Mouse.popup = screen;
    m_Mouse.buttons.Update(buttonMask);
    return 1;
}

void cChildWnd::PopupMenu(HMENU menu) {
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, m_Mouse.popup.x, m_Mouse.popup.y, 0, m_hWnd, nullptr);
}

int cChildWnd::IsContextClick() {
    const cMouseButtons& b = m_Mouse.buttons;
    int click = m_Ready && m_ReleasedSinceOpen && IsActiveWindow() && !b.m_LeftDown && b.m_RightReleased;
    // A right button still held from before the window opened does not count: the latch is
    // armed by the first call that finds it up, and counts from the next release on.
    if (!m_ReleasedSinceOpen && !b.m_RightDown) m_ReleasedSinceOpen = 1;
    return click;
}

void cChildWnd::AddCtrl(cCtrl* ctrl) { m_Ctrls.push_back(ctrl); }

void cChildWnd::DataToCtrls() {
    for (cCtrl* ctrl : m_Ctrls) ctrl->DataToCtrl();
}

void cChildWnd::CtrlsToData() {
    for (cCtrl* ctrl : m_Ctrls) ctrl->CtrlToData();
}

void cChildWnd::RefreshCtrls(WPARAM wParam) {
    BeforeRefresh(wParam);
    DataToCtrls();
    AfterRefresh(wParam);
}

void cChildWnd::RefreshOtherCtrls(WPARAM wParam, int id) {
    BeforeRefresh(wParam);
    for (cCtrl* ctrl : m_Ctrls)
        if (ctrl->GetId() != id) ctrl->DataToCtrl();
    AfterRefresh(wParam);
}

int cChildWnd::FindChangedCtrl(WPARAM wParam) {
    int id = LOWORD(wParam);
    int code = HIWORD(wParam);
    for (cCtrl* ctrl : m_Ctrls) {
        if (ctrl->GetId() != id) continue;
        switch (ctrl->GetKind()) {
        case eCtrlButton:
            if (code == 0) return id;
            break;
        case eCtrlCheck:
            return id;
        case eCtrlCombo:
            if (code == CBN_SELCHANGE) return id;
            break;
        case eCtrlEditVal:
        case eCtrlStrEdit:
            if (code == EN_UPDATE) return id;
            break;
        }
    }
    return 0;
}

void cChildWnd::AddAccelerator(HWND target, UINT resourceId) {
    HACCEL table = LoadAcceleratorsA(m_hInst, MAKEINTRESOURCEA(resourceId));
    m_Accels.push_back({table, target});
}

int RunNewModal(cChildWnd* wnd, int runFlags) {
    if (!wnd) {
        OutOfMemory();
        return 0;
    }
    int result = static_cast<int>(wnd->DoModal(runFlags));
    delete wnd;
    return result;
}
