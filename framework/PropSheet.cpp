#include "framework/PropSheet.h"

#include <prsht.h>

#include "framework/MessageBox.h"
#include "framework/Page.h"

namespace {
const char kSheetProp[] = "cPropSheet";
}

bool IsPropSheetWindow(HWND wnd) { return GetPropA(wnd, kSheetProp) != nullptr; }

cPropSheet::cPropSheet(int mode, cChildWnd* parent, cWndGroup* group, cPropSheet** ownerSlot)
    : m_Mode(mode), m_hOwner(parent ? parent->GetHwnd() : nullptr), m_lpParent(parent), m_lpGroup(group) {
    if (m_lpGroup) m_lpGroup->AddSheet(this, ownerSlot);
}

cPropSheet::~cPropSheet() {
    Close();
    if (m_lpGroup && !m_lpGroup->RemoveSheet(this)) ErrorBox("ウインドウの破棄に失敗！");
}

int CALLBACK cPropSheet::SheetCallback(HWND wnd, UINT msg, LPARAM lParam) {
    if (msg == PSCB_PRECREATE) {
        DLGTEMPLATE* tmpl = reinterpret_cast<DLGTEMPLATE*>(lParam);
        // An extended template starts with the words 1, 0xffff; its extended style follows.
        if (reinterpret_cast<WORD*>(tmpl)[1] == 0xffff)
            reinterpret_cast<DWORD*>(tmpl)[2] &= ~WS_EX_CONTEXTHELP;
        else
            tmpl->dwExtendedStyle &= ~WS_EX_CONTEXTHELP;
    }
    return 0;
}

bool cPropSheet::Open() {
    m_Mode = 1;
    for (cPage* page : m_Pages) {
        page->m_Modeless = m_Mode;
        page->m_lpSheet = this;
        page->m_lpParent = m_lpParent;
    }
    HINSTANCE instance = m_hOwner ? reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(m_hOwner, GWLP_HINSTANCE)) : nullptr;
    if (!instance) instance = GetModuleHandleA(nullptr);

    m_PageHandles.clear();
    for (cPage* page : m_Pages) {
        PROPSHEETPAGEA psp = {};
        psp.dwSize = PROPSHEETPAGEA_V1_SIZE;
        psp.hInstance = instance;
        psp.pszTemplate = MAKEINTRESOURCEA(page->m_TemplateId);
        psp.pfnDlgProc = cChildWnd::StaticPageProc;
        psp.lParam = reinterpret_cast<LPARAM>(page);
        m_PageHandles.push_back(CreatePropertySheetPageA(&psp));
    }

    PROPSHEETHEADERA psh = {};
    psh.dwSize = PROPSHEETHEADERA_V1_SIZE;
    psh.dwFlags = PSH_MODELESS | PSH_USECALLBACK;
    psh.hwndParent = m_hOwner;
    psh.hInstance = instance;
    psh.nPages = static_cast<UINT>(m_PageHandles.size());
    psh.nStartPage = 0;
    psh.phpage = m_PageHandles.data();
    psh.pfnCallback = SheetCallback;
    m_hWnd = reinterpret_cast<HWND>(PropertySheetA(&psh));
    if (!m_hWnd || m_hWnd == reinterpret_cast<HWND>(-1)) {
        m_hWnd = nullptr;
        ErrorMessage("ウインドウの生成に失敗！");
        if (m_hOwner) PostMessageA(m_hOwner, WM_CLOSE, 0, 0);
        return false;
    }
    SetPropA(m_hWnd, kSheetProp, this);
    for (cPage* page : m_Pages) page->m_hSheet = m_hWnd;
    return true;
}

BOOL cPropSheet::Close() {
    if (m_Mode != 1 || !m_hWnd) return 0;
    HWND wnd = m_hWnd;
    m_hWnd = nullptr;
    if (m_lpWindowSlot && *m_lpWindowSlot == wnd) *m_lpWindowSlot = nullptr;
    RemovePropA(wnd, kSheetProp);
    return DestroyWindow(wnd);
}

void cPropSheet::SetCurPage(int index) {
    if (m_hWnd) PropSheet_SetCurSel(m_hWnd, nullptr, index);
}

int cPropSheet::GetCurPage() const {
    if (!m_hWnd) return -1;
    HWND tab = PropSheet_GetTabControl(m_hWnd);
    return tab ? TabCtrl_GetCurSel(tab) : -1;
}

int cPropSheet::ApplyCurPage() {
    int index = GetCurPage();
    if (index < 0 || index >= static_cast<int>(m_Pages.size())) return 0;
    return m_Pages.At(index)->OnPaint();
}

void cPropSheet::PublishWindow(HWND& slot) {
    slot = m_hWnd;
    m_lpWindowSlot = &slot;
}

void cPropSheet::RemoveStyle(LONG bits) {
    if (m_hWnd) SetWindowLongA(m_hWnd, GWL_STYLE, GetWindowLongA(m_hWnd, GWL_STYLE) & ~bits);
}
