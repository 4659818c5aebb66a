#pragma once
// The action page of the chara data sheet (template 201): the chara's flows, and for the flow
// selected its ID, group, timing, execution conditions, key conditions and commands.
#include "editor/palette/CharaPage.h"

class cCharaActionPage : public cCharaPage {
public:
    cCharaActionPage(cCharaDataSheet* sheet, cChildWnd* parent, cWndGroup* group);

protected:
    void InitPage() override;
};
