#include "data/CommonPalette.h"

#include "data/PaletteSource.h"

cCommonPalette::cCommonPalette() {
    RegisterFields(kDataVersion);
    CommonPaletteDefaults(*this);
}

void cCommonPalette::RegisterFields(uint32_t) { ClearFields(); }

bool cCommonPalette::Load(cDataReader& in) { return cRecord::Load(in) && LoadPaletteLists(*this, in, eSourceCommon); }

void cCommonPalette::Save(cDataWriter& out) {
    Validate();
    cRecord::Save(out);
    SavePaletteLists(*this, out, eSourceCommon);
}

void cCommonPalette::Validate() {
    cPaletteSourceScope scope(eSourceCommon, this);
    ValidatePalette(*this);
}

cCommonPalette& ProjectCommonPalette() {
    static cCommonPalette palette;
    static const bool registered = (SetPaletteSource(eSourceCommon, &palette), true);
    (void)registered;
    return palette;
}
