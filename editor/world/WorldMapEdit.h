#pragma once
// The world map editor's editing state, shared by its window and its two palettes: the mode,
// the palette selection, the brush, the drag and the event template the paint tool places.
#include <cstdint>

#include "data/WorldMap.h"
#include "framework/Geometry.h"

enum eWorldEditMode { eWorldEditChips, eWorldEditEvents, eWorldEditModes };

// What a mode keeps while the other mode is shown.
struct cWorldModeState {
    int32_t tool = 0;
    int32_t selecting = 0;
    int32_t paletteSel = 0;   // chip number or template index; -1 none
    int32_t templateRow = 0;  // the event palette list's current row
    int32_t brushWidth = 1;
    int32_t brushHeight = 1;
};

class cWorldMapEdit {
public:
    cWorldMapEdit() { Reset(); }
    // The state the editor opens with: chip mode, chip 0, a 1 x 1 brush, no drag; event mode
    // starts on the project world map's first template when it has one, else on none.
    void Reset();

    int32_t m_Mode;
    cWorldModeState m_Current;
    cWorldModeState m_Saved[eWorldEditModes];
    cPoint m_DragStart;
    int32_t m_Dragging;
    cWorldEvent m_Template;  // the event the paint tool places
    cWorldEvent m_Clipboard;
    int32_t m_ClipboardValid;
};

cWorldMapEdit& WorldMapEdit();
