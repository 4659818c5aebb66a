#pragma once
// The base of every flow command's edit dialog. The dialog edits the live command: its bound
// controls show the fields when it opens and write them back only at OK (result 1); Cancel and
// the close box leave the command as it was (result 0). A derived dialog fills its bindings in
// its constructor and names the controls whose enabling follows other controls in
// UpdateEnables.
#include <cstdint>

#include "framework/Binding.h"
#include "framework/Buttons.h"
#include "framework/Combo.h"
#include "framework/EditVal.h"
#include "framework/Page.h"
#include "framework/PictureBox.h"
#include "framework/StrEdit.h"
#include "framework/TrackVal.h"

class cFlowCmd;

// What the opener of a command dialog hands over: the command, and whether it was inserted just
// now (its defaults are then set by the dialog).
struct cCmdContext {
    cFlowCmd* m_lpCmd = nullptr;
    int m_New = 0;
};

// The windows of the open chara and item data sheets, null while a sheet is closed. A command
// dialog opens where the sheet the user works in stands at that moment, however often it was
// moved since it opened.
HWND& OpenCharaSheetWnd();
HWND& OpenItemSheetWnd();

// Sizes the command's parameter list for its type (chara or item command table by the command's
// own flag): growing adds zeros, shrinking drops the tail. A type outside its table keeps the
// list as it is.
void SizeParams(cFlowCmd& cmd);

// The bound controls of one command dialog, one vector per kind. Filled before the dialog opens;
// attached in the order of the kinds.
struct cCmdBindings {
    cBindings<cBoundCheck> m_Checks;
    cBindings<cBoundEditVal<uint8_t>> m_EditsU8;
    cBindings<cBoundEditVal<int8_t>> m_Edits8;
    cBindings<cBoundEditVal<uint16_t>> m_EditsU16;
    cBindings<cBoundEditVal<int16_t>> m_Edits16;
    cBindings<cBoundEditVal<int32_t>> m_Edits32;
    cBindings<cBoundEditValReal> m_Reals;
    cBindings<cBoundCombo<uint8_t>> m_Combos8;
    cBindings<cBoundCombo<uint16_t>> m_Combos16;
    cBindings<cBoundCombo<int16_t>> m_Combos16s;
    cBindings<cBoundCombo<int32_t>> m_Combos32;
    cBindings<cBoundPictureBox> m_Pictures;
    cBindings<cBoundStrEdit> m_Texts;
    cBindings<TrackElem> m_Tracks;
    cBindings<cBoundButton> m_Buttons;

    void Check(uint16_t id, uint8_t* var);
    void Check(uint16_t id, int32_t* var);
    void Edit(uint16_t id, uint8_t* var, uint8_t minimum, uint8_t maximum, uint16_t spin);
    void Edit(uint16_t id, int8_t* var, int8_t minimum, int8_t maximum, uint16_t spin);
    void Edit(uint16_t id, uint16_t* var, uint16_t minimum, uint16_t maximum, uint16_t spin);
    void Edit(uint16_t id, int16_t* var, int16_t minimum, int16_t maximum, uint16_t spin);
    void Edit(uint16_t id, int32_t* var, int32_t minimum, int32_t maximum, uint16_t spin);
    void Real(uint16_t id, double* var, double minimum, double maximum, double step, uint16_t spin);
    // The item at position p stands for base + p.
    void Combo(uint16_t id, uint8_t* var, const char* const* table, uint8_t base = 0);
    void Combo(uint16_t id, uint8_t* var, const std::vector<std::string>* names);
    void Combo(uint16_t id, int32_t* var, const char* const* table);
    void Combo(uint16_t id, int32_t* var, const std::vector<std::string>* names, int32_t base);
    // A combo over a name list whose item 0 stands for the value base (0: none).
    void Combo(uint16_t id, uint16_t* var, const std::vector<std::string>* names, uint16_t base = 0);
    void Combo(uint16_t id, int16_t* var, const std::vector<std::string>* names, int16_t base);
    void Picture(uint16_t id, int width, int height);
    void Text(const cStrEditDesc& desc);
    // A trackbar whose position the number edit beside it shows.
    void Track(uint16_t id, int32_t* var, int32_t minimum, int32_t maximum, int32_t page, uint16_t edit);
    void Button(uint16_t id);

    void AttachTo(cPage* page);
};

class cCmdPage : public cPage {
public:
    cCmdPage(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);

    INT_PTR DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;

protected:
    // Re-reads the enabling of the controls from the controls' states (not from the command).
    virtual void UpdateEnables() {}
    // Runs after every message the dialog handled.
    virtual void AfterMessage() {}
    // OK: a dialog may refuse what the controls hold (the dialog stays open, nothing stored),
    // and may derive fields from what was stored.
    virtual bool CanStore() { return true; }
    virtual void AfterStore() {}

    cFlowCmd& Cmd() const { return *m_Context.m_lpCmd; }
    bool IsNew() const { return m_Context.m_New != 0; }

    // Control states as the user sees them, for UpdateEnables.
    bool IsChecked(uint16_t id) const;
    int ComboPos(uint16_t id) const;
    // Enables or disables the bound control (a value edit with its spin); reports an id that no
    // bound control has.
    void EnableCtrl(uint16_t id, int flag);
    void Uncheck(uint16_t id);
    // The parameter combo shows the names, the first standing for `base`. While the dialog opens
    // it shows the stored value, or nothing when the names lack it (OK keeps the value); later
    // its value stays what it was when the names have it, and otherwise nothing is selected or,
    // with `fit`, the nearest end of the list. Nothing happens while the combo shows them.
    void ShowParamList(uint16_t id, const std::vector<std::string>* names, int32_t base, bool fit);
    // The combo's items again from its list (renamed entries), its selection kept.
    void RefillParamList(uint16_t id);

    // The parallel run, the time (1..9999 tenths) and its clone factor.
    void BindTime();

    cCmdContext m_Context;
    cCmdBindings m_Bind;

private:
    struct cShownList {
        uint16_t id;
        const std::vector<std::string>* names;
        int32_t base;
    };
    std::vector<cShownList> m_ShownLists;
};
