#pragma once
// The editor with the item palettes shown and the item data sheet driven by messages
// (SheetFixture.h).
#include "editor/palette/ItemPage.h"
#include "editor/palette/ItemSheet.h"
#include "tests/palette/SheetFixture.h"

const int kItemPage1 = 0;
const int kItemPage2 = 1;

class cItemWindows : public cSheetWindows<cEdItem, cItemDataSheet> {
public:
    cItemWindows(int common, int stage) : cSheetWindows(common, stage, EditConfig().m_ItemPage) {}
    cItemDataSheet* Sheet() const { return GetSheet(); }
    cItemPage* Page(int index) const { return Sheet()->Page(index); }
};
