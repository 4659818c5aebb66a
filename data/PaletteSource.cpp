#include "data/PaletteSource.h"

const cPalette* g_paletteSources[3] = {};

void SetPaletteSource(int source, const cPalette* palette) {
    if (source == eSourceCommon || source == eSourceStage) g_paletteSources[source] = palette;
}

cPaletteSourceScope::cPaletteSourceScope(int source, const cPalette* palette)
    : m_source(source), m_previous(GetPaletteSource(source)) {
    SetPaletteSource(source, palette);
}

cPaletteSourceScope::~cPaletteSourceScope() { SetPaletteSource(m_source, m_previous); }
