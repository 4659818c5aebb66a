#pragma once
// The project's common palette, shared by every stage: data\CommonPalette.cplt4. The file is
// the data version, an empty field registry (two zero counts), then the three lists.
#include "data/Palette.h"

class cCommonPalette : public cRecord, public cPalette {
public:
    // Holds the factory palette until a load replaces it.
    cCommonPalette();
    void RegisterFields(uint32_t version) override;
    // The palette plays the common palette while it is read or written, so its elements
    // resolve against themselves. Save validates first.
    bool Load(cDataReader& in) override;
    void Save(cDataWriter& out) override;
    RECORD_COPY(cCommonPalette)

    void Validate();
};

// The project's common palette as both programs hold it for the whole run: built with the
// factory palette on first use, and from then on the palette of source 1 (data/PaletteSource.h).
cCommonPalette& ProjectCommonPalette();

// The factory palette: 65 elements of each kind, element i showing graphic i (0 the empty
// one); chara 1 is the hero, charas 2 to 64 are enemies.
void CommonPaletteDefaults(cCommonPalette& palette);
