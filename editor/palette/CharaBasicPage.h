#pragma once
// The basic page of the chara data sheet (template 140): the inheritance source, the name, who
// controls the chara, its faction and id, the appearance conditions, the facing and the clones
// with their offsets. The page whose record the sheet commits.
#include <string>
#include <vector>

#include "editor/flow/CondList.h"
#include "editor/palette/CharaPage.h"

class cCharaBasicPage : public cCharaPage {
public:
    cCharaBasicPage(cCharaSheetOwner* sheet, cChildWnd* parent, cWndGroup* group);


protected:
    void InitPage() override;
    bool PageCommand(int id, int code) override;
    bool ContextMenu(WPARAM wParam, LPARAM lParam) override;
    void RefillLists() override;
    void UpdateDependentEnables() override;
    void EnableInheritGroups() override;
    void AfterStep() override;
    void RedrawList() override;

private:
    void InheritSourceChanged();
    void FillInheritNames(int palette);
    bool PlacedOrDefault() const;

    std::vector<std::string> m_InheritNames;
    cCondList m_Conds;
};
