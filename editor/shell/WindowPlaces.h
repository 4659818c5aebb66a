#pragma once
// Where the editor's windows keep their placements in its configuration (cEditConfig's
// m_Windows): one slot per window, the six palette windows by palette and layer.
enum eWindowPlace {
    ePlaceMain = 0,
    ePlaceGroup = 7,
    ePlaceWorldMap = 8,
    ePlaceChipPalette = 9,
    ePlaceEventPalette = 10,
};

// The slot of a palette window: common block, stage block, common chara, ... stage item.
inline int PalettePlace(int stage, int layer) { return 1 + layer * 2 + (stage ? 1 : 0); }
