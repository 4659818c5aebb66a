#pragma once
// The condition list of the block, chara and item pages and of the chara flows page: a data
// list over the owner's condition vector itself (no working copy), extended selection, at most
// 99 rows and an append row. Cut, copy, paste and delete are the list's own; inserting and
// editing go through the condition dialogs, so the list gives its insert and append slots no
// id and the page's insert command acts alone.
//
// How an owner page uses it:
//     cCondList m_Conds{kElementCondList};          // member; m_Conds.Bind(&record.m_Conditions)
//     OnInitDialog:  ... m_Conds.Attach(this, m_lpGroup);
//     OnCommand:     cPage::OnCommand(wp, lp); if (m_Conds.OnCommand(wp)) return;
//     DialogProc:    if (msg == WM_CONTEXTMENU && m_Conds.OnContextMenu(wp, lp)) return 1;
// After each of its commands the list refills, the owner redraws every list it holds and its
// parent window hears WM_USER+104.
#include <string>

#include "editor/flow/CondListDlg.h"
#include "editor/flow/CondListText.h"
#include "framework/DataList.h"

const int kMaxConditions = 99;
const UINT WM_CONDS_CHANGED = WM_USER + 104;

// The ids of one kind of owner page.
struct cCondListIds {
    uint16_t list, insertButton, editButton, deleteButton;
    UINT accelTable, popupMenu;
    int idSet;  // the data list's command id set
    uint16_t insertKey, insertMenu;
    int distance;  // distance conditions are offered whatever layer is current
};
extern const cCondListIds kElementCondList;  // block, chara and item pages
extern const cCondListIds kFlowCondList;     // chara flows page

class cCondDataList : public cDataList<cCondition, cCondVector>, public cCondContextSource {
public:
    // Ctrl+I reaching the list box sends the page's insert command once.
    void OnKey(WPARAM key, LPARAM keyData, int ctrlHeld) override;
    void SetOwnerIds(cCondVector* conds, uint16_t insertKey) {
        m_lpConds = conds;
        m_InsertKey = insertKey;
    }
    // Runs the kind chooser on the current row (none, or the append row: 0 at once); the list
    // refills when it returns 1. hideMode 1 hides and 2 disables the group meanwhile.
    int OpenCondListDlg(cCondListDlg** slot, UINT templateId, const cCondEditContext& context, cWndGroup* group,
                        int hideMode);
    // What the chooser being made edits.
    const cCondEditContext& Context() const override { return m_Context; }

private:
    cCondVector* m_lpConds = nullptr;
    uint16_t m_InsertKey = 0;
    cCondEditContext m_Context;
};

class cCondList {
public:
    using cBinding = cBound<cCondDataList, cDataListDesc<cCondition, cCondVector>>;

    explicit cCondList(const cCondListIds& ids);
    // The owner's condition vector; set before the owner's dialog is made.
    void Bind(cCondVector* conds);
    void Attach(cPage* owner, cWndGroup* group);
    // The owner's command, after cPage::OnCommand: 1 when it was one of the list's.
    int OnCommand(WPARAM wParam);
    // The owner's WM_CONTEXTMENU: over the list it selects the row and shows the popup; 1 then.
    int OnContextMenu(WPARAM wParam, LPARAM lParam);
    // A new condition before the current row and its dialog; Cancel removes it again and
    // leaves the rows and the selection as they were, OK selects the row after it.
    int Insert();
    int Edit();
    cCondDataList& List() { return m_Lists[0].m_Ctrl; }

private:
    void AfterCommand();
    cCondEditContext Context(int isNew) const;

    cCondListIds m_Ids;
    cPage* m_lpOwner = nullptr;
    cWndGroup* m_lpGroup = nullptr;
    cBindings<cBinding> m_Lists;
    cCondListDlg* m_lpDlg = nullptr;
};
