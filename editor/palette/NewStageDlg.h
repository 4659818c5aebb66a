#pragma once
// The modal dialog "ステージの新規作成": makes the open stage anew, as a copy of the newest
// numbered file of a template stage or from the defaults, with its stage palette kept, emptied,
// copied from the common palette (each element referring to its common twin) or read from a
// stage palette file. Its choices live in the editor configuration, so it reopens with them.
//
// Everything that can fail (the template, the palette file) is read before the open stage is
// touched: a refusal leaves the stage and its undo history as they were. Ends with 1 when the
// stage was made; the main window then sets it up.
#include <string>

#include "framework/Buttons.h"
#include "framework/Combo.h"
#include "framework/Page.h"
#include "framework/StrEdit.h"

class cEditWnd;

class cNewStageDlg : public cPage {
public:
    cNewStageDlg(cChildWnd* parent, cWndGroup* group);

    INT_PTR DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;

private:
    void UpdateEnables();
    void Browse(int edit, const char* folder, const char* ext, const char* filter, const char* title);
    // OK: true when the stage was made.
    bool MakeStage();

    cBindings<cBoundStrEdit> m_Texts;
    cBindings<cBoundCombo<int32_t>> m_Combos;
    cBindings<cBoundButton> m_Buttons;
};

// Runs the dialog over the main window; 1 when a stage was made.
int RunNewStageDlg(cEditWnd* main);
