#pragma once
// The base of the database pages' modal item dialogs: the dialog edits a copy of one item
// (a frame, a sword position); OK stores the controls and the copy into the item, Cancel and
// the close box leave the item as it was.
#include "editor/database/DatabaseIds.h"
#include "framework/Page.h"

template <class T>
class cDbItemDlg : public cPage {
public:
    cDbItemDlg(UINT templateId, cChildWnd* parent, int kind, cWndGroup* group, cCtrl* anchor, int centre, T* target)
        : cPage(templateId, parent, kind, group, anchor, centre), m_lpTarget(target) {
        if (m_lpTarget) m_Item = *m_lpTarget;
    }

    void OnInitDialog(WPARAM wParam, LPARAM lParam) override {
        cPage::OnInitDialog(wParam, lParam);
        AttachItem();
        DataToCtrls();
        m_Ready = 1;
    }
    void OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (!IsCommandAllowed(wParam)) return;
        cPage::OnCommand(wParam, lParam);
        switch (LOWORD(wParam)) {
        case IDC_DB_OK:
            CtrlsToData();
            if (m_lpTarget) *m_lpTarget = m_Item;
            End(1);
            break;
        case IDC_DB_CANCEL:
            End(0);
            break;
        }
    }

protected:
    virtual void AttachItem() = 0;

    T m_Item;
    T* m_lpTarget;
};
