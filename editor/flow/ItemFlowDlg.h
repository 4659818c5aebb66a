#pragma once
// The item flow editor: the command picker of an item's effect commands. Its buttons offer the
// 21 item command types, labelled from the item command table. A new command takes the item
// command flag and the pressed button's type before that type's dialog is built (so the dialog
// sizes the values from the item table); an existing command opens its type's dialog at once
// and the buttons are never seen. The editor hides while the dialog runs and ends with its
// result (1 after OK, 0 after Cancel or the close box).
#include <cstddef>

#include "data/Record.h"
#include "editor/flow/CmdPage.h"

class cFlowCmd;

class cItemFlowDlg : public cPage {
public:
    cItemFlowDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group);

    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;

private:
    cCmdContext m_Context;
    cBindings<cBoundButton> m_Buttons;
};

// The opener's side, as for chara commands (CmdDlg.h): a new command is inserted at `row` (at
// most `maximum` commands: a full list beeps and opens nothing) and removed again unless the
// editor ends with OK; an existing command is edited in place. 1 after OK.
int AddItemCmdThroughPicker(cRecordVector<cFlowCmd>& cmds, size_t row, size_t maximum, cChildWnd* parent,
                            cWndGroup* group);
int EditItemCmdThroughPicker(cFlowCmd& cmd, cChildWnd* parent, cWndGroup* group);
