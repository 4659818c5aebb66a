#pragma once
// The display page of the chara data sheet (template 200): the graphic and its animation set,
// Z order, transparency, chara effects and mark, and the state flags (facing lock, flight,
// invincibility, acting as a block, giant size, sight). Two previews show the chara as the
// controls stand.
#include <string>
#include <vector>

#include "editor/palette/CharaPage.h"

class cCharaDisplayPage : public cCharaPage {
public:
    cCharaDisplayPage(cCharaSheetOwner* sheet, cChildWnd* parent, cWndGroup* group);

protected:
    void InitPage() override;
    void UpdateDependentEnables() override;
    void EnableInheritGroups() override;

private:
    void GraphicKindChanged();
    void MarkModeChanged();
    void SightChanged();

    std::vector<std::string> m_AnimeSets;
    std::vector<std::string> m_CharaEffects;
};
