#pragma once
// The key condition dialog: for each of the 19 key checks whether the key must be pressed,
// released or is not looked at, the direction swap, how long a press must have lasted (or any
// length, "1～∞") and how the checks combine. Edits one record in place; nothing reaches it
// before OK.
#include "data/Condition.h"
#include "framework/Buttons.h"
#include "framework/Combo.h"
#include "framework/EditVal.h"
#include "framework/Page.h"

class cKeyCondDlg : public cPage {
public:
    cKeyCondDlg(UINT templateId, cChildWnd* parent, cWndGroup* group, cKeyCond* cond);

    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    // "to" starts at "from"; "1～∞" closes both time edits.
    void Update();

    cBindings<cBoundEditVal<uint16_t>> m_Times;
    cBindings<cBoundCheck> m_Checks;
    cBindings<cBoundCombo<uint8_t>> m_Combos;
};

// The key combo of each key check, in the record's key order.
extern const uint16_t kKeyStateCtrlIds[kKeyStates];
