#include "editor/flow/CondList.h"

#include <windowsx.h>

#include "editor/flow/CondIds.h"
#include "framework/FrameworkIds.h"

const cCondListIds kElementCondList = {IDC_COND_LIST,        IDC_COND_INSERT,       IDC_COND_EDIT,
                                       IDC_COND_DELETE,      IDR_ACCEL_SET1_DELETE, IDR_MENU_SET1_DELETE,
                                       1,                    ID_COND_INSERT_KEY,    ID_COND_INSERT_MENU,
                                       0};
const cCondListIds kFlowCondList = {IDC_FLOW_COND_LIST,   IDC_FLOW_COND_INSERT,  IDC_FLOW_COND_EDIT,
                                    IDC_FLOW_COND_DELETE, IDR_ACCEL_SET2_DELETE, IDR_MENU_SET2_DELETE,
                                    2,                    ID_FLOW_COND_INSERT_KEY, ID_FLOW_COND_INSERT_MENU,
                                    1};

void cCondDataList::OnKey(WPARAM key, LPARAM keyData, int ctrlHeld) {
    if (key != 'I') {
        cDataList::OnKey(key, keyData, ctrlHeld);
        return;
    }
    if (ctrlHeld && m_InsertKey) SendMessageA(m_hPageWnd, WM_COMMAND, m_InsertKey, 0);
}

int cCondDataList::OpenCondListDlg(cCondListDlg** slot, UINT templateId, const cCondEditContext& context,
                                   cWndGroup* group, int hideMode) {
    int index = GetCurIndex();
    if (index < 0 || !m_lpConds) return 0;
    m_Context = context;
    m_Context.lpCond = &m_lpConds->At(index);
    return OpenItemDlg(slot, templateId, group, hideMode, 1);
}

cCondList::cCondList(const cCondListIds& ids) : m_Ids(ids) { m_Lists.resize(1); }

void cCondList::Bind(cCondVector* conds) {
    m_Lists[0].m_Desc.Set(m_Ids.list, nullptr, conds, nullptr, 1, CondRowText, 0, 0, kMaxConditions, 0, 1, 0);
    List().SetOwnerIds(conds, m_Ids.insertKey);
}

void cCondList::Attach(cPage* owner, cWndGroup* group) {
    m_lpOwner = owner;
    m_lpGroup = group;
    owner->AttachDataList(m_Lists[0]);
    cCondDataList& list = List();
    list.SetMenus(m_Ids.accelTable, m_Ids.popupMenu, 1, m_Ids.idSet);
    // Inserting is the page's: the list's own insert would add a row without its dialog.
    uint16_t ids[kListCmds];
    GetListAccelIds(1, m_Ids.idSet, ids);
    ids[eCmdAppend] = ids[eCmdInsert] = 0;
    list.SetAccelIds(ids);
    GetListMenuIds(1, m_Ids.idSet, ids);
    ids[eCmdAppend] = ids[eCmdInsert] = 0;
    list.SetMenuIds(ids);
}

cCondEditContext cCondList::Context(int isNew) const {
    cCondEditContext context;
    context.isNew = isNew;
    context.distance = m_Ids.distance;
    return context;
}

int cCondList::Insert() {
    cCondDataList& list = List();
    return list.InsertWithDialog([&] { return list.OpenCondListDlg(&m_lpDlg, IDD_COND_KIND, Context(1), m_lpGroup, 0); });
}

int cCondList::Edit() { return List().OpenCondListDlg(&m_lpDlg, IDD_COND_KIND, Context(0), m_lpGroup, 0); }

int cCondList::OnCommand(WPARAM wParam) {
    int id = LOWORD(wParam);
    int code = HIWORD(wParam);
    cCondDataList& list = List();
    if (id == m_Ids.insertButton || id == m_Ids.insertKey || id == m_Ids.insertMenu) {
        Insert();
    } else if (id == m_Ids.editButton || (id == m_Ids.list && code == LBN_DBLCLK)) {
        Edit();
    } else if (id == m_Ids.deleteButton) {
        list.CmdDelete(-1, false);
    } else {
        // The list's own commands ran in the page's handler.
        uint16_t keys[kListCmds], menu[kListCmds];
        GetListAccelIds(1, m_Ids.idSet, keys);
        GetListMenuIds(1, m_Ids.idSet, menu);
        bool listCmd = false;
        for (int cmd = 0; cmd < kListCmds; ++cmd)
            if (cmd != eCmdAppend && cmd != eCmdInsert && id != 0 && (id == keys[cmd] || id == menu[cmd]))
                listCmd = true;
        if (!listCmd) return 0;
    }
    AfterCommand();
    return 1;
}

int cCondList::OnContextMenu(WPARAM wParam, LPARAM lParam) {
    cCondDataList& list = List();
    if (!m_lpOwner || reinterpret_cast<HWND>(wParam) != list.GetHwnd()) return 0;
    POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (at.x == -1 && at.y == -1) GetCursorPos(&at);
    list.SelectAt(at);
    if (HMENU menu = list.GetPopupMenu())
        TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN, at.x, at.y, 0, m_lpOwner->GetHwnd(), nullptr);
    return 1;
}

void cCondList::AfterCommand() {
    if (!m_lpOwner) return;
    List().Refill();
    m_lpOwner->RedrawList();
    HWND owner = m_lpOwner->GetHwnd();
    if (HWND parent = GetParent(owner)) SendMessageA(parent, WM_CONDS_CHANGED, reinterpret_cast<WPARAM>(owner), 0);
}
