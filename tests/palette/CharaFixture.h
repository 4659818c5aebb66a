#pragma once
// The editor with the chara palettes shown and the chara data sheet driven by messages
// (SheetFixture.h).
#include "editor/palette/CharaPage.h"
#include "editor/palette/CharaSheet.h"
#include "tests/palette/SheetFixture.h"

class cCharaWindows : public cSheetWindows<cEdChara, cCharaDataSheet> {
public:
    cCharaWindows(int common, int stage) : cSheetWindows(common, stage, EditConfig().m_CharaPage) {}
    cCharaDataSheet* Sheet() const { return GetSheet(); }
    cCharaPage* Page(int index) const { return Sheet()->Page(index); }
};
