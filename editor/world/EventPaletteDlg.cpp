#include "editor/world/EventPaletteDlg.h"

#include <algorithm>

#include "data/EditConfig.h"
#include "data/ProjectData.h"
#include "editor/shell/EditorProject.h"
#include "editor/shell/WindowPlaces.h"
#include "editor/world/EventDlg.h"
#include "editor/world/WorldIds.h"
#include "editor/world/WorldMapEdit.h"
#include "editor/world/WorldWindows.h"
#include "framework/FrameworkIds.h"
#include "framework/InputDlg.h"

namespace {

const int kPlacement = ePlaceEventPalette;
const int kMaxTemplates = 99;
// The popup's "新規挿入" opens the event dialog as the button does.
const int kMenuInsert = 40042;

struct cFlagCtrl {
    int id;
    int32_t cEditConfig::*flag;
};
const cFlagCtrl kFlags[] = {
    {IDC_EP_EDIT_PLACED, &cEditConfig::m_EditPlacedEvent},
    {IDC_EP_EDIT_BEFORE, &cEditConfig::m_EditBeforePlacing},
    {IDC_EP_AUTO_NUMBERS, &cEditConfig::m_AutoWorldNumbers},
};

void TemplateRowText(std::string* text, int, const cWorldEvent* event) { *text = event->m_Name; }

}  // namespace

cEventPaletteDlg::cEventPaletteDlg(cChildWnd* parent, cWndGroup* group)
    : cPage(IDD_EVENT_PALETTE, parent, eKindDialog, group) {
    if (POINT at; WorldPlacementPoint(kPlacement, parent, true, &at)) SetRequestedPosition(at.x, at.y);
    // The list edits the map's templates in place.
    m_List.resize(1);
    m_List[0].m_Desc.Set(IDC_EP_LIST, nullptr, &ProjectWorldMap().m_EventPalette, &m_Edit, 0, TemplateRowText, 1, 1,
                         kMaxTemplates, 0, 0, 0);
}

cEventPaletteDlg::~cEventPaletteDlg() {
    // The window goes first, while this object still answers its WM_DESTROY.
    if (m_hWnd && IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
}

void cEventPaletteDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    cPage::OnInitDialog(wParam, lParam);
    for (const cFlagCtrl& ctrl : kFlags)
        CheckDlgButton(m_hWnd, ctrl.id, EditConfig().*ctrl.flag ? BST_CHECKED : BST_UNCHECKED);
    AttachDataList(m_List[0]);
    TemplateList& list = Templates();
    list.SetMenus(IDR_ACCEL_SET1_DELETE, IDR_MENU_SET1_DELETE, 1, 1);
    list.Select(WorldMapEdit().m_Current.templateRow, true);
    list.Refill();
    list.Refresh();
    // Opening the palette changes nothing of the map.
    Synchronise(false);
    m_Ready = 1;
}

bool cEventPaletteDlg::EditTemplate() {
    TemplateList& list = Templates();
    int index = list.GetCurIndex();
    cRecordVector<cWorldEvent>& templates = ProjectWorldMap().m_EventPalette;
    if (index < 0 || index >= static_cast<int>(templates.size())) return false;
    if (!RunWorldEventDlg(&templates[index], this, m_lpGroup)) return false;
    list.ShowSelected();
    list.Refill();
    list.Refresh();
    return true;
}

void cEventPaletteDlg::InsertTemplate() {
    TemplateList& list = Templates();
    if (!list.CmdInsert()) return;
    const int row = list.GetCur();
    if (EditTemplate()) return;
    // Cancel: the new template goes again, even from a list that was below its minimum.
    cRecordVector<cWorldEvent>& templates = ProjectWorldMap().m_EventPalette;
    if (row >= 0 && row < static_cast<int>(templates.size())) templates.erase(templates.begin() + row);
    list.Select(std::min(row, static_cast<int>(templates.size()) - 1), true);
    list.Refill();
    list.Refresh();
}

void cEventPaletteDlg::SetCount() {
    int32_t count = static_cast<int32_t>(ProjectWorldMap().m_EventPalette.size());
    if (InputValue(this, m_lpGroup, &count, 1, kMaxTemplates, "データ数", nullptr, 0)) Templates().SetRowCount(count);
}

bool cEventPaletteDlg::ListCommand(int id) {
    TemplateList& list = Templates();
    uint16_t keys[kListCmds], menu[kListCmds];
    GetListAccelIds(1, 1, keys);
    GetListMenuIds(1, 1, menu);
    cWorldMapEdit& edit = WorldMapEdit();
    // The map's cut and copy fill the same clipboard: a paste puts in what was copied last.
    if ((id == keys[eCmdPaste] || id == menu[eCmdPaste]) && edit.m_ClipboardValid) {
        cRecordVector<cWorldEvent> copied;
        copied.push_back(edit.m_Clipboard);
        list.SetClipboard(copied);
    }
    if (!list.OnCmd(id) && !list.OnMenuCmd(id)) return false;
    // A cut or copy goes to the map's clipboard too, where the map's paste finds it.
    const int cmd = list.GetLastCmd();
    if ((cmd == eCmdCut || cmd == eCmdCopy) && !list.GetClipboard().empty()) {
        edit.m_Clipboard = list.GetClipboard()[0];
        edit.m_ClipboardValid = 1;
    }
    return true;
}

void cEventPaletteDlg::Synchronise(bool changed) {
    cWorldMapEdit& edit = WorldMapEdit();
    const TemplateList& list = Templates();
    const int index = list.GetCurIndex();
    edit.m_Current.templateRow = index;
    edit.m_Current.paletteSel = index;
    edit.m_Current.brushWidth = edit.m_Current.brushHeight = index >= 0 ? 1 : 0;
    if (index >= 0) edit.m_Template = ProjectWorldMap().m_EventPalette[index];
    if (changed) WorldMapModified() = 1;
}

void cEventPaletteDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!IsCommandAllowed(wParam)) return;
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    const bool fromMenu = lParam == 0;
    const bool click = !fromMenu && code == BN_CLICKED;
    if (fromMenu) {
        if (id == kMenuInsert)
            InsertTemplate();
        else if (!ListCommand(id))
            return;
    } else {
        // The list takes its own selection first.
        cPage::OnCommand(wParam, lParam);
        switch (id) {
        case IDC_EP_LIST:
            if (code == LBN_DBLCLK)
                EditTemplate();
            else if (code != LBN_SELCHANGE)
                return;
            break;
        case IDC_EP_EDIT_PLACED:
        case IDC_EP_EDIT_BEFORE:
        case IDC_EP_AUTO_NUMBERS:
            for (const cFlagCtrl& ctrl : kFlags)
                if (ctrl.id == id) EditConfig().*ctrl.flag = IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED;
            return;
        case IDC_EP_INSERT:
            if (!click) return;
            InsertTemplate();
            break;
        case IDC_EP_EDIT:
            if (!click) return;
            EditTemplate();
            break;
        case IDC_EP_DELETE:
            if (!click) return;
            Templates().CmdDelete(-1, false);
            break;
        case IDC_EP_COUNT:
            if (!click) return;
            SetCount();
            break;
        default:
            return;
        }
    }
    Synchronise(true);
    RedrawList();
}

INT_PTR cEventPaletteDlg::DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CLOSE) return TRUE;  // the palette closes with the world map window
    if (m_Ready && msg == WM_CONTEXTMENU && reinterpret_cast<HWND>(wParam) == Templates().GetHwnd()) {
        // A right click chooses the row under the mouse, then shows the list's menu there.
        Templates().PopupAt(lParam, wnd);
        Synchronise(true);
        return TRUE;
    }
    if (msg == WM_DESTROY) {
        StoreWorldPlacement(kPlacement, wnd, m_ContentWidth, m_ContentHeight);
        m_Ready = 0;
    }
    return cPage::DialogProc(wnd, msg, wParam, lParam);
}
