#include "data/PaletteSource.h"

namespace {
const cPalette* g_sources[3] = {};

bool IsSource(int source) { return source == eSourceCommon || source == eSourceStage; }
}  // namespace

void SetPaletteSource(int source, const cPalette* palette) {
    if (IsSource(source)) g_sources[source] = palette;
}

const cPalette* GetPaletteSource(int source) { return IsSource(source) ? g_sources[source] : nullptr; }

cPaletteSourceScope::cPaletteSourceScope(int source, const cPalette* palette)
    : m_source(source), m_previous(GetPaletteSource(source)) {
    SetPaletteSource(source, palette);
}

cPaletteSourceScope::~cPaletteSourceScope() { SetPaletteSource(m_source, m_previous); }
