#pragma once
// The command picker: one button per chara command type, labelled with the command's name. For
// a new command the user presses one; for an existing command the picker presses the button of
// the command's own type at once. The picker then hides, runs that type's edit dialog and ends
// with its result (1 after OK, 0 after Cancel or the close box).
#include <cstddef>
#include <functional>
#include <new>

#include "data/Record.h"
#include "editor/flow/CmdPage.h"

class cFlowCmd;

class cCmdDlg : public cPage {
public:
    cCmdDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);

    // The owner's lists are redrawn after every message the picker handled.
    INT_PTR DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;

private:
    cCmdContext m_Context;
    cBindings<cBoundButton> m_Buttons;
    bool m_NoOwnerLogged = false;
};

// A command dialog's factory: builds the dialog on the picker's context and owner, runs it
// modal, deletes it; its result. Memory running out ends the program.
template <class Dlg>
int RunCmdDialog(cChildWnd* parent, const cCmdContext& context, cWndGroup* group, UINT templateId) {
    return RunNewModal(new (std::nothrow) Dlg(templateId, parent, context, group), 0);
}

// The picker's button of a command type (1..45), or 0.
uint16_t CmdButtonId(int row);

// Runs the edit dialog of the command's type, modal, on the command of the context: a chara
// command's own type, an item command k (2-21) that of chara type k + 15, with its parameter
// list sized by the item command table. Its result (1 after OK); 0 for a type without a dialog
// here (the item's own "フローの変更").
int RunCmdTypeDialog(cChildWnd* parent, const cCmdContext& context, cWndGroup* group);

// The item flow editor's opener: `fresh` is inserted at `row` (a full list beeps and gets
// nothing), the picker runs on it as a new command, and it is removed again unless the picker
// ended with 1.
int InsertThroughPicker(cRecordVector<cFlowCmd>& cmds, size_t row, size_t maximum, const cFlowCmd& fresh,
                        const std::function<int(const cCmdContext&)>& picker);
