#pragma once
// What the four pages of the chara data sheet share beyond any data sheet's page: the text and
// button bindings, the steps and the two pictures, and previews of the controls as they stand.
#include "data/Chara.h"
#include "editor/palette/DataSheetPage.h"
#include "framework/Buttons.h"
#include "framework/StrEdit.h"

// The chara data sheet as its pages see it.
using cCharaSheetOwner = cDataSheetOwner<cEdChara>;

class cCharaPage : public cDataSheetPage<cEdChara> {
public:
    // Without a sheet the page is a dialog of its own on a default chara, without "No." and the
    // arrows.
    cCharaPage(UINT templateId, cCharaSheetOwner* sheet, int pageIndex, cChildWnd* parent, cWndGroup* group);

protected:
    void AttachBindings() override;
    cEdChara PreviewRecord() override;

    // The steps and the two pictures every page has.
    void BindCommon();

    cBindings<cBoundStrEdit> m_Texts;
    cBindings<cBoundButton> m_Buttons;
};
