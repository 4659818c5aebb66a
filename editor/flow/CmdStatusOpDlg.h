#pragma once
// The status operation: left side (a status of a chara or of the system, or a common or stage
// variable), operator, right side (a constant, a random range, a status or a variable). The
// lists follow the chosen kinds and objects, the value edits the range of the chosen status,
// and the two "_" buttons rename the chosen variable at once, whatever the dialog's result.
#include <string>
#include <vector>

#include "editor/flow/CmdPage.h"
#include "editor/flow/StatusSides.h"

class cCmdStatusOpDlg : public cCmdPage {
public:
    cCmdStatusOpDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;

protected:
    void UpdateEnables() override;

private:
    struct cSide {
        uint16_t kind, scope, number, object, status, rename;
        cSideKinds kinds;
    };
    // The number combo offers the chara variables, the scope's variables or nothing; the
    // rename button goes with the variables.
    void UpdateNumberList(const cSide& side);
    // The status combo lists the chara statuses or the system values by the object.
    void UpdateStatusList(const cSide& side);
    // The value ranges, the percent check, the calculation mode and the bar by the left status.
    void OnLeftStatusChanged();
    void Rename(const cSide& side);
    cCombo<int32_t>* FindCombo(uint16_t id);

    static const cSide kLeft;
    static const cSide kRight;
    std::vector<std::string> m_CharaVars;
    std::vector<std::string> m_CommonVars;
    std::vector<std::string> m_StageVars;
};
