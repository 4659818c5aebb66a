#include "editor/world/EventPaletteDlg.h"

#include <windowsx.h>

#include <algorithm>

#include "data/EditConfig.h"
#include "data/ProjectData.h"
#include "editor/shell/EditorProject.h"
#include "editor/world/EventDlg.h"
#include "editor/world/WorldIds.h"
#include "editor/world/WorldMapDlg.h"
#include "editor/world/WorldMapEdit.h"
#include "framework/Format.h"
#include "framework/FrameworkIds.h"
#include "framework/InputDlg.h"

namespace {

const int kPlacement = 10;
const int kMaxTemplates = 99;

// The template list's keys (table 108) and popup (menu 115).
const int kCmdCopyKey = 40001;
const int kCmdPasteKey = 40007;
const int kCmdCutKey = 40009;
const int kCmdDeleteKey = 40032;
const int kCmdCut = 40038;
const int kCmdCopy = 40039;
const int kCmdPaste = 40040;
const int kCmdInsert = 40042;
const int kCmdDelete = 40043;

struct cFlagCtrl {
    int id;
    int32_t cEditConfig::*flag;
};
const cFlagCtrl kFlags[] = {
    {IDC_EP_EDIT_PLACED, &cEditConfig::m_EditPlacedEvent},
    {IDC_EP_EDIT_BEFORE, &cEditConfig::m_EditBeforePlacing},
    {IDC_EP_AUTO_NUMBERS, &cEditConfig::m_AutoWorldNumbers},
};

}  // namespace

cEventPaletteDlg::cEventPaletteDlg(cChildWnd* parent, cWndGroup* group)
    : cPage(IDD_EVENT_PALETTE, parent, eKindDialog, group) {
    const cWndPos& pos = EditConfig().m_Windows[kPlacement];
    if (pos.m_Valid) {
        SetRequestedPosition(pos.m_X, pos.m_Y);
    } else if (parent && parent->GetHwnd()) {
        RECT outer;
        if (GetWindowRect(parent->GetHwnd(), &outer)) SetRequestedPosition(outer.right, outer.top + 10);
    }
}

cEventPaletteDlg::~cEventPaletteDlg() {
    // The window goes first, while this object still answers its WM_DESTROY.
    if (m_hWnd && IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
    if (m_hPopup) DestroyMenu(m_hPopup);
}

// The template at the row in the event dialog; a new one leaves the list again on Cancel.
bool cEventPaletteDlg::EditTemplate(int row, bool inserted) {
    cRecordVector<cWorldEvent>& templates = ProjectWorldMap().m_EventPalette;
    if (row < 0 || row >= static_cast<int>(templates.size())) return false;
    const bool ok = RunWorldEventDlg(&templates[row], this, m_lpGroup) != 0;
    if (!ok && inserted) templates.erase(templates.begin() + row);
    FillList(row);
    return ok;
}

// A copy of the template goes to the world map's clipboard too, where the map's paste finds it.
void cEventPaletteDlg::CopyTemplate(int row, bool cut) {
    cRecordVector<cWorldEvent>& templates = ProjectWorldMap().m_EventPalette;
    if (row < 0 || row >= static_cast<int>(templates.size())) return;
    cWorldMapEdit& edit = WorldMapEdit();
    edit.m_Clipboard = templates[row];
    edit.m_ClipboardValid = 1;
    if (cut && templates.size() > 1) templates.erase(templates.begin() + row);
    FillList(row);
}

void cEventPaletteDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    cPage::OnInitDialog(wParam, lParam);
    for (const cFlagCtrl& ctrl : kFlags)
        CheckDlgButton(m_hWnd, ctrl.id, EditConfig().*ctrl.flag ? BST_CHECKED : BST_UNCHECKED);
    FillList(WorldMapEdit().m_Current.templateRow);
    AddAccelerator(GetDlgItem(m_hWnd, IDC_EP_LIST), IDR_ACCEL_SET1_DELETE);
    m_hPopup = LoadMenuA(m_hInst, MAKEINTRESOURCEA(IDR_MENU_SET1_DELETE));
    m_Ready = 1;
}

void cEventPaletteDlg::FillList(int row) {
    HWND list = GetDlgItem(m_hWnd, IDC_EP_LIST);
    const cRecordVector<cWorldEvent>& templates = ProjectWorldMap().m_EventPalette;
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (size_t k = 0; k < templates.size(); ++k) {
        std::string text = Format("%3d %s", static_cast<int>(k + 1), templates[k].m_Name.c_str());
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    int rows = static_cast<int>(templates.size());
    SendMessageA(list, LB_SETCURSEL, rows ? std::max(0, std::min(row, rows - 1)) : -1, 0);
}

void cEventPaletteDlg::Synchronise() {
    cWorldMapEdit& edit = WorldMapEdit();
    const cRecordVector<cWorldEvent>& templates = ProjectWorldMap().m_EventPalette;
    int row = static_cast<int>(SendDlgItemMessageA(m_hWnd, IDC_EP_LIST, LB_GETCURSEL, 0, 0));
    edit.m_Current.templateRow = row;
    bool selected = row >= 0 && row < static_cast<int>(templates.size());
    edit.m_Current.paletteSel = selected ? row : -1;
    edit.m_Current.brushWidth = edit.m_Current.brushHeight = selected ? 1 : 0;
    if (selected) edit.m_Template = templates[row];
    WorldMapModified() = 1;
}

void cEventPaletteDlg::SetCount() {
    cRecordVector<cWorldEvent>& templates = ProjectWorldMap().m_EventPalette;
    int32_t count = static_cast<int32_t>(templates.size());
    if (!InputValue(this, m_lpGroup, &count, 1, kMaxTemplates, "データ数", nullptr, 0)) return;
    size_t old = templates.size();
    templates.resize(count);
    for (size_t k = old; k < templates.size(); ++k) templates[k].Init();
}

void cEventPaletteDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!IsCommandAllowed(wParam)) return;
    cPage::OnCommand(wParam, lParam);
    int id = LOWORD(wParam);
    int row = static_cast<int>(SendDlgItemMessageA(m_hWnd, IDC_EP_LIST, LB_GETCURSEL, 0, 0));
    cRecordVector<cWorldEvent>& templates = ProjectWorldMap().m_EventPalette;
    switch (id) {
    case IDC_EP_LIST:
        if (HIWORD(wParam) == LBN_DBLCLK) {
            EditTemplate(row, false);
            break;
        }
        if (HIWORD(wParam) != LBN_SELCHANGE) return;
        break;
    case IDC_EP_EDIT_PLACED:
    case IDC_EP_EDIT_BEFORE:
    case IDC_EP_AUTO_NUMBERS:
        for (const cFlagCtrl& ctrl : kFlags)
            if (ctrl.id == id) EditConfig().*ctrl.flag = IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED;
        return;
    case IDC_EP_INSERT:
    case kCmdInsert: {
        if (templates.size() >= static_cast<size_t>(kMaxTemplates)) {
            MessageBeep(0);
            return;
        }
        const int at = std::max(0, std::min(row, static_cast<int>(templates.size())));
        cWorldEvent fresh;
        fresh.Init();
        templates.insert(templates.begin() + at, fresh);
        EditTemplate(at, true);
        break;
    }
    case IDC_EP_EDIT:
        EditTemplate(row, false);
        break;
    case kCmdCut:
    case kCmdCutKey:
    case kCmdCopy:
    case kCmdCopyKey:
        CopyTemplate(row, id == kCmdCut || id == kCmdCutKey);
        break;
    case kCmdPaste:
    case kCmdPasteKey: {
        const cWorldMapEdit& edit = WorldMapEdit();
        if (!edit.m_ClipboardValid || templates.size() >= static_cast<size_t>(kMaxTemplates)) {
            MessageBeep(0);
            return;
        }
        const int at = std::max(0, std::min(row, static_cast<int>(templates.size())));
        templates.insert(templates.begin() + at, edit.m_Clipboard);
        FillList(at);
        break;
    }
    case kCmdDelete:
    case kCmdDeleteKey:
    case IDC_EP_DELETE:
        // The list keeps at least one template.
        if (templates.size() <= 1 || row < 0 || row >= static_cast<int>(templates.size())) return;
        templates.erase(templates.begin() + row);
        FillList(row);
        break;
    case IDC_EP_COUNT:
        SetCount();
        FillList(row);
        break;
    default:
        return;
    }
    Synchronise();
}

INT_PTR cEventPaletteDlg::DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CLOSE) return TRUE;  // the palette closes with the world map window
    if (m_Ready && msg == WM_CONTEXTMENU && reinterpret_cast<HWND>(wParam) == GetDlgItem(wnd, IDC_EP_LIST)) {
        ShowListMenu(lParam);
        return TRUE;
    }
    if (msg == WM_DESTROY) {
        StoreWorldPlacement(kPlacement, wnd, m_ContentWidth, m_ContentHeight);
        m_Ready = 0;
    }
    return cPage::DialogProc(wnd, msg, wParam, lParam);
}

// A right click chooses the row under the mouse, then shows the list's menu there.
void cEventPaletteDlg::ShowListMenu(LPARAM lParam) {
    POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (at.x == -1 && at.y == -1) GetCursorPos(&at);
    HWND list = GetDlgItem(m_hWnd, IDC_EP_LIST);
    POINT client = at;
    ScreenToClient(list, &client);
    const LRESULT hit = SendMessageA(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(client.x, client.y));
    if (!HIWORD(hit)) {
        SendMessageA(list, LB_SETCURSEL, LOWORD(hit), 0);
        Synchronise();
    }
    if (HMENU menu = m_hPopup ? GetSubMenu(m_hPopup, 0) : nullptr)
        TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN, at.x, at.y, 0, m_hWnd, nullptr);
}
