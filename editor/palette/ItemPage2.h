#pragma once
// Page 2 of the item data sheet (template 203): giant size, pick-up type, the pick-up sound
// (played when chosen), the mark above the chara that takes the item, and the item's effect
// commands, inserted and edited through the item flow editor.
#include <string>
#include <vector>

#include "editor/palette/FlowLists.h"
#include "editor/palette/ItemPage.h"

class cItemPage2 : public cItemPage {
public:
    cItemPage2(cItemSheetOwner* sheet, cChildWnd* parent, cWndGroup* group);

    cPageInsertList<cFlowCmd>& Commands() { return m_CmdList[0].m_Ctrl; }

protected:
    void InitPage() override;
    bool PageCommand(int id, int code) override;
    bool ContextMenu(WPARAM wParam, LPARAM lParam) override;
    void RefillLists() override;
    void EnableInheritGroups() override;
    void RedrawList() override;

private:
    void InsertCommand();
    void EditCommand();

    std::vector<std::string> m_SoundNames;
    cBindings<cFlowCmdList> m_CmdList;
};
