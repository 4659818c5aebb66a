#pragma once
// The lists of a chara's flows: the flow rows, the key-condition rows and the command rows of
// the flow shown, each a data list with extended selection, an append row and a clipboard of
// its own; their row texts; and the row dialogs the key-condition and command lists open.
#include <windows.h>

#include <string>

#include "data/Flow.h"
#include "framework/DataList.h"

class cCmdDlg;
class cKeyCondDlg;

const int kMaxFlows = 999;
const int kMaxKeyConds = 99;
const int kMaxFlowCmds = 999;

// "×3 b C": the number of commands, the group letter and the ID letter.
void FlowRowText(std::string* text, int index, const cFlow* flow);
// The press range ("1～∞" or first～last), then each key looked at as pressed, joined by the
// joiner of the key condition's judge.
void KeyCondRowText(std::string* text, int index, const cKeyCond* cond);
// The command's line (CmdRowText); empty for a type without one.
void FlowCmdRowText(std::string* text, int index, const cFlowCmd* cmd);

// A list whose insert command is the page's (it opens the row's dialog): Ctrl+I reaching the
// list box sends the page that command once.
template <class T>
class cPageInsertList : public cDataList<T, cRecordVector<T>> {
public:
    void SetInsertKey(uint16_t id) { m_InsertKey = id; }
    void OnKey(WPARAM key, LPARAM keyData, int ctrlHeld) override {
        if (key != 'I') {
            cDataList<T, cRecordVector<T>>::OnKey(key, keyData, ctrlHeld);
            return;
        }
        if (ctrlHeld && m_InsertKey) SendMessageA(this->m_hPageWnd, WM_COMMAND, m_InsertKey, 0);
    }

private:
    uint16_t m_InsertKey = 0;
};

using cFlowList = cBoundDataList<cFlow, cRecordVector<cFlow>>;
using cKeyCondList = cBound<cPageInsertList<cKeyCond>, cDataListDesc<cKeyCond, cRecordVector<cKeyCond>>>;
using cFlowCmdList = cBound<cPageInsertList<cFlowCmd>, cDataListDesc<cFlowCmd, cRecordVector<cFlowCmd>>>;

// The bindings: the flows numbered, 1 .. 999 of them, the edit record the current flow; the key
// conditions and commands of the current flow, 0 .. 99 and 0 .. 999 rows.
void BindFlowList(cFlowList& list, uint16_t id, cRecordVector<cFlow>* flows, cFlow* current);
void BindKeyCondList(cKeyCondList& list, uint16_t id, cRecordVector<cKeyCond>* conds);
void BindFlowCmdList(cFlowCmdList& list, uint16_t id, cRecordVector<cFlowCmd>* cmds);

// A list's accelerators and popup menu of an id set (1 .. 4); a page-inserted list gives its
// insert and append slots no id, so that its insert command reaches the page.
template <class L>
void SetListMenus(L& list, UINT accel, UINT menu, int set, bool pageInserts) {
    list.SetMenus(accel, menu, 1, set);
    if (!pageInserts) return;
    uint16_t ids[kListCmds];
    GetListAccelIds(1, set, ids);
    ids[eCmdAppend] = ids[eCmdInsert] = 0;
    list.SetAccelIds(ids);
    GetListMenuIds(1, set, ids);
    ids[eCmdAppend] = ids[eCmdInsert] = 0;
    list.SetMenuIds(ids);
}

// Selects the row under the point, gives the list the focus and shows its popup menu.
template <class L>
bool ListPopup(L& list, HWND owner, WPARAM wParam, LPARAM lParam) {
    if (reinterpret_cast<HWND>(wParam) != list.GetHwnd()) return false;
    POINT at = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    if (at.x == -1 && at.y == -1) GetCursorPos(&at);
    list.SelectAt(at);
    if (HMENU menu = list.GetPopupMenu()) TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN, at.x, at.y, 0, owner, nullptr);
    return true;
}

// True when the id is one of the set's list commands (accelerator or popup menu).
bool IsListCommand(int set, int id);

// The row dialogs: the key condition dialog (template 204) and the command picker (template
// 205) on the list's current row. The dialog's end code; 0 without a current row.
int OpenKeyCondRowDlg(cPageInsertList<cKeyCond>& list, cKeyCondDlg** slot, cWndGroup* group, int groupMode);
int OpenFlowCmdRowDlg(cPageInsertList<cFlowCmd>& list, cCmdDlg** slot, cWndGroup* group, int groupMode, bool isNew);
