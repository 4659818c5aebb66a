#pragma once
// What the three pages of the stage settings sheet share: they bind their controls straight to
// the open stage's fields, show them when the page opens, and write them back only when the
// sheet applies. After every command a page updates its enabled states and tells the sheet that
// something changed (its Apply button). A page marked stale shows the stage's values again the
// next time it is activated.
#include <windows.h>

#include <cstdint>

#include "framework/Binding.h"
#include "framework/Buttons.h"
#include "framework/Combo.h"
#include "framework/EditVal.h"
#include "framework/Page.h"

class cStagePage : public cPage {
public:
    cStagePage(UINT templateId, cChildWnd* parent, cWndGroup* group);

    INT_PTR DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;

    // Reads the page's controls into the stage; nothing before the page has a window.
    virtual void Apply();
    void MarkStale() { m_Stale = 1; }

protected:
    // Attaches the page's bindings (OnInitDialog, before the values are shown).
    virtual void AttachPage();
    virtual void UpdateEnables() {}
    // A command of the page itself, after the bound controls took their notifications.
    virtual void PageCommand(int id, int code) {}
    // The sheet's apply notification; the basic page answers it for the whole sheet.
    virtual void OnApply() {}
    // The page's window is going.
    virtual void OnWindowGone() {}
    // Every time after the values were shown.
    virtual void AfterShow() {}

    bool IsChecked(int id) const { return IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED; }
    // Enables the integer edit (and its spin) while the check is on.
    void EnableByCheck(int checkId, uint16_t editId);

    cBindings<cBoundEditVal<int32_t>> m_Ints;
    cBindings<cBoundEditVal<double>> m_Reals;
    cBindings<cBoundCheck> m_Checks;
    cBindings<cBoundCombo<int32_t>> m_Combos;
    cBindings<cBoundButton> m_Buttons;

private:
    int m_Stale = 0;
};

// Binding records made in one line each.
cBoundEditVal<int32_t> IntEdit(uint16_t id, int32_t* var, int32_t minimum, int32_t maximum, uint16_t spin);
cBoundEditVal<double> RealEdit(uint16_t id, double* var, double minimum, double maximum, uint16_t spin, double step);
cBoundCheck Check(uint16_t id, int32_t* var);
cBoundCombo<int32_t> Combo(uint16_t id, int32_t* var, const char* const* table, int32_t base);
cBoundButton Button(uint16_t id);
