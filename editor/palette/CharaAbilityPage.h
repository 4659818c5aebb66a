#pragma once
// The ability page of the chara data sheet (template 143): strength values, the condition under
// which a computer chara acts, and what the player gains from it. "EX" and "お金" hold no data.
#include <string>
#include <vector>

#include "editor/palette/CharaPage.h"

class cCharaAbilityPage : public cCharaPage {
public:
    cCharaAbilityPage(cCharaSheetOwner* sheet, cChildWnd* parent, cWndGroup* group);

protected:
    void UpdateDependentEnables() override;
    void EnableInheritGroups() override;

private:
    void ActionRangeChanged();
    void GroupUsedChanged();

    std::vector<std::string> m_Effects;
};
