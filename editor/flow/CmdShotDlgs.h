#pragma once
// The shot and sword dialogs, and what the summons share with them: the shot parameter record
// to bind, the formation (and movement type) whose three numbered parameters change their
// captions, ranges and defaults with the choice, and the palette element lists a combo swaps.
#include <string>
#include <vector>

#include "data/ParamDesc.h"
#include "editor/flow/CmdMoveDlgs.h"

class cEdShot;

// Three parameters named by a choice's row of a parameter table.
struct cParamSlots {
    uint16_t m_Combo;
    uint16_t m_Captions[3];
    uint16_t m_Edits[3];
    const cParamDesc (*m_Table)[3];
    int m_Rows;
    int m_Applied;  // the choice whose captions stand; kNoChoice before the first
};

class cCmdShotPage : public cCmdSoundPage {
public:
    cCmdShotPage(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);

protected:
    static constexpr int kNoChoice = -1000;

    cEdShot& Shot() const;
    // Captions, ranges and enabling of the slots for the combo's choice; a choice other than the
    // one applied before also sets their defaults. A stored value the combo does not offer
    // selects nothing: the slots go blank and disabled, the stored parameters stay.
    void ApplyParamSlots(cParamSlots& slots);
    // The combo shows the names (keeping its value); enabled only while `on`.
    void ShowList(uint16_t comboId, const std::vector<std::string>* names, int on);
    // The formation and its parameters, bound on the slots.
    void BindFormation(cParamSlots* slots);
    // The acquired-item source and item; the item list follows the source in UpdateEnables.
    void BindItemGain();
    void EnableItemGain();
    // 1 while the element data being edited comes from the common palette: the stage palette is
    // not offered then.
    static bool CommonPaletteOnly();

    std::vector<std::string> m_EffectNames;
    std::vector<std::string> m_CommonItems;
    std::vector<std::string> m_StageItems;
};

class cCmdShotDlg : public cCmdShotPage {
public:
    cCmdShotDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    // The graphic preview as last drawn.
    const cDib& Preview();

protected:
    void UpdateEnables() override;
    void AfterMessage() override;

private:
    void DrawPreview();

    cParamSlots m_Formation;
    cParamSlots m_MoveType;
};

class cCmdSwordDlg : public cCmdShotPage {
public:
    cCmdSwordDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);
    void OnCommand(WPARAM wParam, LPARAM lParam) override;

protected:
    void UpdateEnables() override;

private:
    std::vector<std::string> m_SwordNames;
};
