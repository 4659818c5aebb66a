#pragma once
// The condition kind chooser: the first of the two dialogs in which a condition is made or
// changed (CondDlg.h).
#include "editor/flow/CondDlg.h"
#include "framework/Binding.h"
#include "framework/Buttons.h"

// What the chooser asks of the condition list that makes it: the condition it edits and how.
class cCondContextSource {
public:
    virtual const cCondEditContext& Context() const = 0;

protected:
    ~cCondContextSource() = default;
};

// The kind chooser. Made by a condition list (cCondDataList::OpenCondListDlg) on its current
// row, or with a context of the caller's own.
class cCondListDlg : public cPage {
public:
    cCondListDlg(UINT templateId, cChildWnd* parent, int kind, cWndGroup* group,
                 cDataList<cCondition, cCondVector>* list, int passed);
    cCondListDlg(UINT templateId, cChildWnd* parent, cWndGroup* group, const cCondEditContext& context);

    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    // The owning page redraws its lists after every message the chooser handled.
    INT_PTR DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    int RunKindDlg(int kind);

    cCondEditContext m_Context;
    cBindings<cBoundButton> m_Buttons;
};
