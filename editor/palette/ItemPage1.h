#pragma once
// Page 1 of the item data sheet (template 202): the inheritance source, the name, the
// appearance conditions, the start offset, the graphic with both previews, depth, transparency
// and mark. The page whose copy the sheet commits.
#include <string>
#include <vector>

#include "editor/flow/CondList.h"
#include "editor/palette/ItemPage.h"

class cItemPage1 : public cItemPage {
public:
    cItemPage1(cItemSheetOwner* sheet, cChildWnd* parent, cWndGroup* group);


protected:
    void InitPage() override;
    bool PageCommand(int id, int code) override;
    bool ContextMenu(WPARAM wParam, LPARAM lParam) override;
    void RefillLists() override;
    void EnableInheritGroups() override;
    cEdItem PreviewRecord() override;
    void RedrawList() override;

private:
    void InheritSourceChanged();
    void FillInheritNames(int palette);
    void GraphicKindChanged();
    void MarkModeChanged();

    std::vector<std::string> m_InheritNames;
    cCondList m_Conds;
};
