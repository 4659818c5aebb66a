#include <algorithm>

#include "framework/ChildWnd.h"
#include "framework/PropSheet.h"

void cWndGroup::Register(cChildWnd* wnd) {
    if (std::find(m_Wnds.begin(), m_Wnds.end(), wnd) == m_Wnds.end()) m_Wnds.push_back(wnd);
}

void cWndGroup::Unregister(cChildWnd* wnd) { m_Wnds.erase(std::remove(m_Wnds.begin(), m_Wnds.end(), wnd), m_Wnds.end()); }

void cWndGroup::AddSheet(cPropSheet* sheet, cPropSheet** ownerSlot) { m_Sheets.push_back({sheet, ownerSlot}); }

bool cWndGroup::RemoveSheet(cPropSheet* sheet) {
    for (auto it = m_Sheets.begin(); it != m_Sheets.end(); ++it) {
        if (it->sheet == sheet) {
            m_Sheets.erase(it);
            return true;
        }
    }
    return false;
}

void cWndGroup::ShowAll(int show) {
    for (cChildWnd* wnd : m_Wnds) wnd->Show(show ? SW_SHOW : SW_HIDE);
    for (const cSheetEntry& entry : m_Sheets)
        if (HWND sheet = entry.sheet->GetHwnd()) ShowWindow(sheet, show ? SW_SHOW : SW_HIDE);
}

void cWndGroup::EnableAll(int enable) {
    for (cChildWnd* wnd : m_Wnds) wnd->Enable(enable);
    for (const cSheetEntry& entry : m_Sheets)
        if (HWND sheet = entry.sheet->GetHwnd()) EnableWindow(sheet, enable ? TRUE : FALSE);
}

void cWndGroup::FrameAll() {
    // A window may close itself in its call: walk a copy.
    std::vector<cChildWnd*> wnds = m_Wnds;
    for (cChildWnd* wnd : wnds)
        if (std::find(m_Wnds.begin(), m_Wnds.end(), wnd) != m_Wnds.end()) wnd->OnFrame();
}

void cWndGroup::DropClosedSheets() {
    // A sheet closed with OK or Cancel has no current page any more.
    std::vector<cSheetEntry> sheets = m_Sheets;
    for (const cSheetEntry& entry : sheets) {
        HWND sheet = entry.sheet->GetHwnd();
        if (sheet && !PropSheet_GetCurrentPageHwnd(sheet)) {
            entry.sheet->Close();
            delete entry.sheet;
            if (entry.ownerSlot) *entry.ownerSlot = nullptr;
        }
    }
}

int cWndGroup::PreTranslate(MSG* msg) {
    for (cChildWnd* wnd : m_Wnds) {
        if (!wnd->IsActiveWindow()) continue;
        for (const cChildWnd::cAccelEntry& accel : wnd->m_Accels) {
            if (!accel.table) continue;
            if (accel.target == wnd->m_hWnd) {
                if (TranslateAcceleratorA(wnd->m_hWnd, accel.table, msg)) return 1;
            } else if (GetFocus() == accel.target) {
                // A control's keys go to its page as commands: the page offers them to the
                // control with the focus (a list box would drop a command sent to itself).
                if (TranslateAcceleratorA(wnd->m_hWnd, accel.table, msg)) return 1;
            }
        }
    }

    DropClosedSheets();
    for (cChildWnd* wnd : m_Wnds)
        if (wnd->m_hWnd && IsDialogMessageA(wnd->m_hWnd, msg)) return 1;
    for (const cSheetEntry& entry : m_Sheets)
        if (HWND sheet = entry.sheet->GetHwnd())
            if (PropSheet_IsDialogMessage(sheet, msg)) return 1;
    return 0;
}
