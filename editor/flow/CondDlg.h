#pragma once
// The condition dialogs. A condition is made or changed in two modal dialogs in a row: the kind
// chooser (cCondListDlg) sets the kind and opens the dialog of that kind, and ends with its
// result; an existing condition skips the choice and opens its kind's dialog at once. The kind
// dialogs bind their controls straight to the record's fields: nothing reaches the record
// before OK but the kind (set by the chooser) and a new condition's defaults (set when its
// dialog is made). Renaming a variable changes the shared names at once, whatever the result.
#include <string>
#include <vector>

#include "data/Condition.h"
#include "framework/Buttons.h"
#include "framework/Combo.h"
#include "framework/DataList.h"
#include "framework/EditVal.h"
#include "framework/Page.h"

typedef cRecordVector<cCondition> cCondVector;

// What the opener of a condition dialog hands over.
struct cCondEditContext {
    cCondition* lpCond = nullptr;
    int isNew = 0;     // the condition was just inserted
    int distance = 0;  // distance conditions are offered whatever layer is current
};

// The base of the kind dialogs: OK writes every bound control, enabled or not, and ends with 1;
// Cancel and the close box end with 0; a value change once the dialog is set up runs
// OnValueChange (UpdateEnables unless a dialog says otherwise).
class cCondDlg : public cPage {
public:
    cCondDlg(UINT templateId, cChildWnd* parent, cWndGroup* group, const cCondEditContext& context);

    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;

protected:
    virtual void AttachItem() = 0;
    virtual void UpdateEnables() {}
    virtual void OnValueChange(int id) { UpdateEnables(); }
    cCondition& Cond() { return *m_Context.lpCond; }
    cWndGroup* Group() const { return m_lpGroup; }

    cCondEditContext m_Context;
};

// The common, stage and chara variable dialogs: a variable, a value and a comparison; the
// common and stage ones rename their variable with "_".
class cCondVarDlg : public cCondDlg {
public:
    enum eScope { eScopeCommon, eScopeStage, eScopeChara };
    cCondVarDlg(UINT templateId, cChildWnd* parent, cWndGroup* group, const cCondEditContext& context, eScope scope);

protected:
    void AttachItem() override;
    void OnValueChange(int id) override;

private:
    eScope m_Scope;
    uint16_t m_VarId;
    std::vector<std::string> m_Names;
    cBindings<cBoundCombo<uint16_t>> m_Vars;
    cBindings<cBoundEditVal<int32_t>> m_Values;
    cBindings<cBoundCombo<uint8_t>> m_Compares;
    cBindings<cBoundButton> m_Buttons;
};

class cCondCommonVarDlg : public cCondVarDlg {
public:
    cCondCommonVarDlg(UINT templateId, cChildWnd* parent, cWndGroup* group, const cCondEditContext& context)
        : cCondVarDlg(templateId, parent, group, context, eScopeCommon) {}
};
class cCondStageVarDlg : public cCondVarDlg {
public:
    cCondStageVarDlg(UINT templateId, cChildWnd* parent, cWndGroup* group, const cCondEditContext& context)
        : cCondVarDlg(templateId, parent, group, context, eScopeStage) {}
};
class cCondCharaVarDlg : public cCondVarDlg {
public:
    cCondCharaVarDlg(UINT templateId, cChildWnd* parent, cWndGroup* group, const cCondEditContext& context)
        : cCondVarDlg(templateId, parent, group, context, eScopeChara) {}
};

class cCondDistanceDlg : public cCondDlg {
public:
    cCondDistanceDlg(UINT templateId, cChildWnd* parent, cWndGroup* group, const cCondEditContext& context);

protected:
    void AttachItem() override;

private:
    cBindings<cBoundCombo<uint8_t>> m_Combos;
    cBindings<cBoundEditVal<int32_t>> m_Values;
};
