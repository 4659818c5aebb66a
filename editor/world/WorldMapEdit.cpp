#include "editor/world/WorldMapEdit.h"

#include "data/ProjectData.h"

void cWorldMapEdit::Reset() {
    m_Mode = eWorldEditChips;
    m_Current = cWorldModeState();
    m_Saved[eWorldEditChips] = cWorldModeState();
    m_DragStart = cPoint{-1, -1};
    m_Dragging = 0;
    m_Clipboard = cWorldEvent();
    m_ClipboardValid = 0;

    const cWorldMap& map = ProjectWorldMap();
    cWorldModeState& events = m_Saved[eWorldEditEvents];
    events = cWorldModeState();
    if (map.m_EventPalette.empty()) {
        events.paletteSel = -1;
        events.templateRow = -1;
        events.brushWidth = 0;
        events.brushHeight = 0;
        m_Template = cWorldEvent();
    } else {
        m_Template = map.m_EventPalette.At(0);
    }
}

cWorldMapEdit& WorldMapEdit() {
    static cWorldMapEdit edit;
    return edit;
}
