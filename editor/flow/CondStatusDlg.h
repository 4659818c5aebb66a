#pragma once
// The status condition dialog: a status, chara variable, system value or variable on the left;
// a constant, random range, status or variable on the right; an optional percentage and the
// comparison. Which controls are open, what the variable combos list and the ranges of the
// three value edits follow the sides, targets and statuses chosen.
#include "editor/flow/CondDlg.h"
#include "editor/flow/StatusSides.h"
#include "framework/Buttons.h"

class cCondStatusDlg : public cCondDlg {
public:
    cCondStatusDlg(UINT templateId, cChildWnd* parent, cWndGroup* group, const cCondEditContext& context);

protected:
    void AttachItem() override;
    void UpdateEnables() override;
    void OnValueChange(int id) override;

private:
    struct cSide {
        uint16_t kindId, ownerId, statusId, scopeId, varId, renameId;
        std::vector<std::string> names;
        int shown;  // what the variable combo lists: 0 chara, 1 common, 2 stage variables; -1 to fill
    };
    // The variable combo's items and whether it and its rename button are open, for one side.
    void ApplyVarRule(cSide& side, const cSideKinds& kinds, int kind);
    // The value edits' ranges and the percentage check by the left status.
    void FitToLeftStatus();
    void Rename(cSide& side);

    template <class T>
    cCombo<T>& Combo(cBindings<cBoundCombo<T>>& combos, uint16_t id) {
        return FindCtrl(combos, id)->m_Ctrl;
    }
    int Pick(uint16_t id) { return Combo(m_Combos8, id).GetPos(); }
    void Enable(uint16_t id, int on);

    cSide m_Left;
    cSide m_Right;
    cBindings<cBoundCombo<uint8_t>> m_Combos8;
    cBindings<cBoundCombo<uint16_t>> m_Vars;
    cBindings<cBoundEditVal<int32_t>> m_Values;
    cBindings<cBoundCheck> m_Checks;
    cBindings<cBoundButton> m_Buttons;
};
