#pragma once
// What the two pages of the item data sheet share beyond any data sheet's page: the steps and
// the preview, and enables that take a value edit's spin along.
#include "data/Item.h"
#include "editor/palette/DataSheetPage.h"

// The item data sheet as its pages see it.
using cItemSheetOwner = cDataSheetOwner<cEdItem>;

class cItemPage : public cDataSheetPage<cEdItem> {
public:
    cItemPage(UINT templateId, cItemSheetOwner* sheet, int pageIndex, cChildWnd* parent, cWndGroup* group);

    const cEdItem& Item() const { return m_Work; }

protected:
    void EnableCtrl(uint16_t id, bool enable) override;
};
