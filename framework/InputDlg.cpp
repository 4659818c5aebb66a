#include "framework/InputDlg.h"

#include <new>

#include "framework/FrameworkIds.h"
#include "framework/Geometry.h"
#include "framework/MessageBox.h"

namespace {

cInputValueDlg* g_inputValue = nullptr;
cInputStringDlg* g_inputString = nullptr;
cMessageWnd* g_messageWnd = nullptr;

// Runs a modal dialog kept in its holder and deletes it; 0 when it cannot be made.
template <class D>
int RunModal(D*& holder, D* dialog) {
    SafeDelete(holder);
    holder = dialog;
    if (!holder) {
        OutOfMemory();
        return 0;
    }
    int code = static_cast<int>(holder->DoModal(0));
    SafeDelete(holder);
    return code;
}

void OpenMessageWindow(cMessageWnd* wnd) {
    g_messageWnd = wnd;
    if (!wnd) {
        OutOfMemory();
        return;
    }
    wnd->Create(kRunDisableGroup, TRUE);
}

}  // namespace

void cInputDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    cPage::OnInitDialog(wParam, lParam);
    SetWindowTextA(m_hWnd, m_Title.c_str());
    AttachEdit();
    DataToCtrls();
    HWND edit = GetDlgItem(m_hWnd, IDC_INPUT_EDIT);
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, 99);
    m_Ready = 1;
}

void cInputDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!IsCommandAllowed(wParam)) return;
    cPage::OnCommand(wParam, lParam);
    switch (LOWORD(wParam)) {
    case IDC_INPUT_OK:
        CtrlsToData();
        End(1);
        break;
    case IDC_INPUT_CANCEL: End(0); break;
    }
}

cInputValueDlg::cInputValueDlg(cChildWnd* parent, cWndGroup* group, int32_t* value, int32_t minimum,
                               int32_t maximum, const char* title, cCtrl* anchor, int centre)
    : cInputDlg(IDD_INPUT_VALUE, parent, group, title, anchor, centre) {
    Bind(value, minimum, maximum);
}

cInputValueDlg::cInputValueDlg(cChildWnd* parent, cWndGroup* group, int32_t* value, int32_t minimum,
                               int32_t maximum, const char* title, int x, int y)
    : cInputDlg(IDD_INPUT_VALUE, parent, group, title, x, y) {
    Bind(value, minimum, maximum);
}

void cInputValueDlg::Bind(int32_t* value, int32_t minimum, int32_t maximum) {
    m_Edits.resize(1);
    m_Edits[0].m_Desc.Set(IDC_INPUT_EDIT, value, minimum, maximum, IDC_INPUT_SPIN, 1);
}

cInputStringDlg::cInputStringDlg(cChildWnd* parent, cWndGroup* group, std::string* text, int limit, int dbcs,
                                 const char* title, cCtrl* anchor, int centre)
    : cInputDlg(IDD_INPUT_STRING, parent, group, title, anchor, centre) {
    m_Edits.resize(1);
    m_Edits[0].m_Desc = cStrEditDesc(IDC_INPUT_EDIT, text, limit, dbcs);
}

cInputStringDlg::cInputStringDlg(cChildWnd* parent, cWndGroup* group, std::string* text, int limit, int dbcs,
                                 const char* title, int x, int y)
    : cInputDlg(IDD_INPUT_STRING, parent, group, title, x, y) {
    m_Edits.resize(1);
    m_Edits[0].m_Desc = cStrEditDesc(IDC_INPUT_EDIT, text, limit, dbcs);
}

cMessageWnd::cMessageWnd(cChildWnd* parent, cWndGroup* group, const char* message, const char* caption,
                         cCtrl* anchor, int centre)
    : cPage(IDD_MESSAGE_WND, parent, eKindDialog, group, anchor, centre),
      m_Message(message ? message : ""),
      m_Caption(caption ? caption : "") {
    m_Text.resize(1);
    m_Text[0].m_Desc.Set(IDC_MESSAGE_TEXT);
}

cMessageWnd::cMessageWnd(cChildWnd* parent, cWndGroup* group, const char* message, const char* caption, int x,
                         int y)
    : cPage(IDD_MESSAGE_WND, parent, eKindDialog, group, x, y),
      m_Message(message ? message : ""),
      m_Caption(caption ? caption : "") {
    m_Text.resize(1);
    m_Text[0].m_Desc.Set(IDC_MESSAGE_TEXT);
}

cMessageWnd::~cMessageWnd() {
    // Destroyed while the object still answers its messages, so the group is enabled again.
    if (m_hWnd) DestroyWindow(m_hWnd);
}

void cMessageWnd::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    cPage::OnInitDialog(wParam, lParam);
    SetWindowTextA(m_hWnd, m_Caption.c_str());
    AttachCtrls(m_Text);
    SetMessage(nullptr);
    m_Ready = 1;
}

void cMessageWnd::SetMessage(const char* message) {
    if (message) m_Message = message;
    if (!m_Text.empty()) m_Text[0].m_Ctrl.SetItemText(m_Message);
}

int InputValue(cChildWnd* parent, cWndGroup* group, int32_t* value, int32_t minimum, int32_t maximum,
               const char* title, cCtrl* anchor, int centre) {
    return RunModal(g_inputValue, new (std::nothrow)
                                      cInputValueDlg(parent, group, value, minimum, maximum, title, anchor, centre));
}

int InputValueAt(cChildWnd* parent, cWndGroup* group, int32_t* value, int32_t minimum, int32_t maximum,
                 const char* title, int x, int y) {
    return RunModal(g_inputValue,
                    new (std::nothrow) cInputValueDlg(parent, group, value, minimum, maximum, title, x, y));
}

int InputString(cChildWnd* parent, cWndGroup* group, std::string* text, int limit, int dbcs, const char* title,
                cCtrl* anchor, int centre) {
    return RunModal(g_inputString,
                    new (std::nothrow) cInputStringDlg(parent, group, text, limit, dbcs, title, anchor, centre));
}

int InputStringAt(cChildWnd* parent, cWndGroup* group, std::string* text, int limit, int dbcs, const char* title,
                  int x, int y) {
    return RunModal(g_inputString, new (std::nothrow) cInputStringDlg(parent, group, text, limit, dbcs, title, x, y));
}

void ShowMessageWindow(cChildWnd* parent, cWndGroup* group, const char* message, const char* caption, cCtrl* anchor,
                       int centre) {
    SafeDelete(g_messageWnd);
    OpenMessageWindow(new (std::nothrow) cMessageWnd(parent, group, message, caption, anchor, centre));
}

void ShowMessageWindowAt(cChildWnd* parent, cWndGroup* group, const char* message, const char* caption, int x,
                         int y) {
    SafeDelete(g_messageWnd);
    OpenMessageWindow(new (std::nothrow) cMessageWnd(parent, group, message, caption, x, y));
}

void CloseMessageWindow() { SafeDelete(g_messageWnd); }

cMessageWnd* GetMessageWindow() { return g_messageWnd; }
