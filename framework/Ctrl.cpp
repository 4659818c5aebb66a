#include "framework/Ctrl.h"

#include <cstdarg>

#include "framework/Binding.h"
#include "framework/ErrorLog.h"
#include "framework/Format.h"
#include "framework/MessageBox.h"
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

void cCtrl::Resize(int width, int height) {
    if (!m_hWnd) return;
    UpdatePos();
    MoveWindow(m_hWnd, m_PagePos.x, m_PagePos.y, width, height, TRUE);
    UpdatePos();
}

int cCtrl::GetCheck() const { return static_cast<int>(SendMessageA(m_hWnd, BM_GETCHECK, 0, 0)); }

void cCtrl::SetCheck(int8_t state) { SendMessageA(m_hWnd, BM_SETCHECK, static_cast<WPARAM>(static_cast<int>(state)), 0); }

void cCtrl::SetText(const char* text) { SetWindowTextA(m_hWnd, text); }

void cCtrl::GetText(std::string* text) const {
    char buffer[1024] = "";
    GetWindowTextA(m_hWnd, buffer, sizeof buffer);
    *text = buffer;
}

void cCtrl::AppendText(const char* text) {
    std::string all;
    GetText(&all);
    AppendFormat(all, "%s", text);
    SetText(all.c_str());
}

void cCtrl::AppendTextF(const char* format, ...) {
    char text[2048];
    va_list args;
    va_start(args, format);
    FormatIntoV(text, sizeof text, format, args);
    va_end(args);
    AppendText(text);
}

void cCtrl::SetItemText(const std::string& text) { SetDlgItemTextA(GetParent(m_hWnd), m_Id, text.c_str()); }

int cCtrl::HitTest(POINT screen) const {
    RECT r;
    if (!m_hWnd || !GetWindowRect(m_hWnd, &r)) return 0;
    // The window rectangle excludes its right and bottom edges; the control's edges count.
    return screen.x >= r.left && screen.x <= r.right && screen.y >= r.top && screen.y <= r.bottom;
}

void cCtrl::Show(int flag) { ShowWindow(m_hWnd, flag ? SW_SHOW : SW_HIDE); }

void cCtrl::RemoveStyle(LONG bits) { SetWindowLongA(m_hWnd, GWL_STYLE, GetWindowLongA(m_hWnd, GWL_STYLE) & ~bits); }

int cCtrl::HasStyle(LONG bits) const { return (GetWindowLongA(m_hWnd, GWL_STYLE) & bits) == bits; }

int cCtrl::IsEnabled() const { return !(GetWindowLongA(m_hWnd, GWL_STYLE) & WS_DISABLED); }

void ReportMissingCtrl(unsigned id) {
    // A programming error of the page; the user's open work must not be lost over it.
    Report("コントロールID 【%u】 が見つかりません！", id);
    ErrorLogF("コントロールID 【%u】 が見つかりません！", id);
    DebugBox("コントロールID 【%u】 が見つかりません！", id);
}
