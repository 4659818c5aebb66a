#include "editor/database/DbPage.h"

#include <prsht.h>
#include <windowsx.h>

#include <vector>

#include "editor/database/DatabaseIds.h"
#include "editor/database/DbSheet.h"
#include "framework/InputDlg.h"
#include "framework/PropSheet.h"
#include "data/ProjectData.h"
#include "editor/shell/EditorState.h"
#include "data/Stage.h"
#include "editor/shell/EditWnd.h"
#include "editor/shell/EditorSound.h"

cDbPage::cDbPage(UINT templateId, cChildWnd* parent, cWndGroup* group)
    : cPage(templateId, parent, eKindSheetPage, group) {
    SetLayout(640, 480, 0, 0, 0, 0, 0, 0, 0, kBarNone, 0, 0);
}

void cDbPage::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    cPage::OnInitDialog(wParam, lParam);
    AttachList();
    AttachCtrls(m_Texts);
    // The edits take no more than their fields hold: nothing typed is cut later.
    for (cBoundStrEdit& text : m_Texts)
        SendMessageA(text.m_Ctrl.GetHwnd(), EM_LIMITTEXT, static_cast<WPARAM>(text.m_Desc.capacity - 1), 0);
    AttachCtrls(m_Buttons);
    AttachPage();
    // The record list took the working copy from the project's table as it was attached: it is
    // not filled again, so that a page may mend its working copy in AttachPage.
    ReloadEdited();
    RefreshOthers();
    EnableStep();
    m_Ready = 1;
    AfterCommand();
}

bool ListMenuPoint(HWND list, UINT msg, WPARAM wParam, LPARAM lParam, POINT* at) {
    if (msg != WM_CONTEXTMENU || !list || reinterpret_cast<HWND>(wParam) != list) return false;
    at->x = GET_X_LPARAM(lParam);
    at->y = GET_Y_LPARAM(lParam);
    if (at->x == -1 && at->y == -1) GetCursorPos(at);
    return true;
}

void cDbPage::RefreshOthers() {
    BeforeShow();
    RefreshOtherCtrls(0, m_ListId);
}

void cDbPage::StoreOthers() {
    for (cCtrl* ctrl : m_Ctrls)
        if (ctrl->GetKind() != eCtrlDataList) ctrl->CtrlToData();
    AfterStore();
}

int cDbPage::AskCount() {
    int32_t count = ListShownCount();
    cCtrl* anchor = nullptr;
    for (cBoundButton& button : m_Buttons)
        if (button.m_Ctrl.GetId() == IDC_DB_COUNT) anchor = &button.m_Ctrl;
    if (!InputValue(this, m_lpGroup, &count, 1, CountLimit(), "データ数", anchor, 0)) return 0;
    return ListSetCount(count);
}

void cDbPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!IsCommandAllowed(wParam)) return;
    // The bound control reacts to its own notification first (the record list takes its
    // selection; menu and accelerator commands go to the list with the focus).
    cPage::OnCommand(wParam, lParam);
    int id = LOWORD(wParam);
    int code = HIWORD(wParam);
    bool control = lParam != 0;
    if (id == m_ListId && code == LBN_SELCHANGE) {
        OnSelect();
    } else if (control && id == IDC_DB_NEW && code == BN_CLICKED) {
        if (ListAppend()) RefreshOthers();
    } else if (control && id == IDC_DB_CLEAR && code == BN_CLICKED) {
        if (ListClear()) RefreshOthers();
    } else if (control && id == IDC_DB_COUNT && code == BN_CLICKED) {
        if (AskCount()) RefreshOthers();
    } else {
        PageCommand(id, code);
    }
    // A list command from a key or the popup menu changed the rows: the others follow.
    if (!control && id != 0) {
        AfterListCommand();
        RefreshOthers();
    }
    if (m_Ready) {
        if (FindChangedCtrl(wParam)) {
            EnableStep();
            StoreOthers();
            ListRenew();
        }
        AfterCommand();
    }
    RedrawList();
    if (m_hSheet) SendMessageA(m_hSheet, PSM_CHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void cDbPage::AfterListCommand() {
    HWND focus = GetFocus();
    for (cCtrl* ctrl : m_Ctrls) {
        if (ctrl->GetKind() != eCtrlDataList || ctrl->GetId() == m_ListId || ctrl->GetHwnd() != focus) continue;
        ListRenew();
        return;
    }
}

INT_PTR cDbPage::DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    // The sheet closes the window: the page never ends itself.
    if (msg == WM_CLOSE) return 0;
    // The preview boxes paint themselves: a repaint is no tick of the preview, which moves with
    // the editor's idle frame alone.
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        BeginPaint(wnd, &ps);
        EndPaint(wnd, &ps);
        return 1;
    }
    INT_PTR result = WndProc(wnd, msg, wParam, lParam) ? 1 : 0;
    POINT at;
    if (m_Ready && ListMenuPoint(GetDlgItem(wnd, m_ListId), msg, wParam, lParam, &at)) {
        ListSelectAt(at);
        OnSelect();
        if (HMENU menu = ListMenu()) TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN, at.x, at.y, 0, wnd, nullptr);
        return 1;
    }
    if (PageMessage(msg, wParam, lParam, &result)) return result;
    if (msg == WM_NOTIFY) {
        UINT code = reinterpret_cast<NMHDR*>(lParam)->code;
        if (code == static_cast<UINT>(PSN_SETACTIVE)) {
            ReloadEdited();
            SetWindowLongPtrA(wnd, DWLP_MSGRESULT, 0);
            return 1;
        }
        if (code == static_cast<UINT>(PSN_APPLY) && m_lpFirstOf) return OnApply(wnd);
    }
    if (msg == WM_DESTROY && m_lpFirstOf) OnWindowGone();
    return result;
}

// The sheet sends PSN_APPLY to every page that has a window; the first always has one, so the
// database is applied exactly once per press. A failed save keeps the sheet open with its
// Apply button enabled.
INT_PTR cDbPage::OnApply(HWND wnd) {
    bool saved = m_lpFirstOf->ApplyAll();
    SetWindowLongPtrA(wnd, DWLP_MSGRESULT, saved ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE);
    if (!saved && m_hSheet) PostMessageA(m_hSheet, PSM_CHANGED, reinterpret_cast<WPARAM>(wnd), 0);
    return 1;
}

// A smaller table may have left references past its end: the open stage's palette and the menu
// music are brought back within the tables before the editor comes back.
void cDbPage::OnWindowGone() {
    EditorBgm().Stop();
    ProjectStage().ValidatePalette();
    ProjectSystemData().Validate();
    if (cEditWnd* main = MainEditWnd()) main->ReturnFromDatabase();
}
