#include "editor/world/WorldMapEdit.h"

#include <algorithm>
#include <cstdlib>

#include "data/ProjectData.h"
#include "editor/shell/AvailMemory.h"

void cWorldMapEdit::Reset() {
    m_Mode = eWorldEditChips;
    m_Current = cWorldModeState();
    m_Saved[eWorldEditChips] = cWorldModeState();
    m_DragStart = cPoint{-1, -1};
    m_Dragging = 0;
    m_Clipboard = cWorldEvent();
    m_ClipboardValid = 0;
    m_Brush.assign(1, 0);
    ClearHistory();

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

bool cWorldMapEdit::SetMode(int32_t mode) {
    if (mode < 0 || mode >= eWorldEditModes || mode == m_Mode) return false;
    m_Saved[m_Mode] = m_Current;
    m_Current = m_Saved[mode];
    m_Mode = mode;
    return true;
}

void cWorldMapEdit::SelectChip(int32_t chip) {
    m_Current.paletteSel = chip;
    m_Current.brushWidth = 1;
    m_Current.brushHeight = 1;
    m_Brush.assign(1, chip);
}

void cWorldMapEdit::CopyBrush(const cWorldMap& map, cPoint a, cPoint b) {
    // Clipped to the map, the brush is never larger than the largest map.
    int32_t left = std::max(std::min(a.x, b.x), 0), right = std::min(std::max(a.x, b.x), map.m_Width - 1);
    int32_t top = std::max(std::min(a.y, b.y), 0), bottom = std::min(std::max(a.y, b.y), map.m_Height - 1);
    if (left > right || top > bottom) return;
    int32_t width = right - left + 1, height = bottom - top + 1;
    m_Brush.assign(static_cast<size_t>(width) * height, 0);
    for (int32_t r = 0; r < height; ++r)
        for (int32_t c = 0; c < width; ++c) {
            size_t cell = (static_cast<size_t>(top + r) << map.m_PitchBits) + left + c;
            if (cell < map.m_Grid.size()) m_Brush[static_cast<size_t>(r) * width + c] = map.m_Grid[cell];
        }
    m_Current.brushWidth = width;
    m_Current.brushHeight = height;
}

int32_t cWorldMapEdit::BrushChip(int32_t column, int32_t row) const {
    size_t index = static_cast<size_t>(row) * m_Current.brushWidth + column;
    if (column < 0 || row < 0 || column >= m_Current.brushWidth || index >= m_Brush.size()) return -1;
    return m_Brush[index];
}

void cWorldMapEdit::Push(std::deque<cWorldSnapshot>& history, const cWorldMap& map) {
    while (history.size() >= kHistorySteps) history.pop_front();
    cWorldSnapshot snapshot;
    snapshot.grid.assign(map.m_Grid.begin(), map.m_Grid.end());
    snapshot.events = map.m_Events;
    history.push_back(std::move(snapshot));
}

bool cWorldMapEdit::Restore(std::deque<cWorldSnapshot>& from, std::deque<cWorldSnapshot>& to, cWorldMap& map) {
    if (from.empty()) return false;
    Push(to, map);
    cWorldSnapshot& snapshot = from.back();
    // A snapshot of another size (the map was resized since) never lands in the grid.
    if (snapshot.grid.size() == map.m_Grid.size()) std::copy(snapshot.grid.begin(), snapshot.grid.end(), map.m_Grid.begin());
    map.m_Events = snapshot.events;
    from.pop_back();
    return true;
}

// What a snapshot of the map takes at most: the grid, and each placed event with its entries.
int64_t SnapshotBytes(const cWorldMap& map) {
    int64_t bytes = static_cast<int64_t>(map.m_Grid.size()) * 4;
    for (const cWorldEvent& event : map.m_Events) bytes += 76 + static_cast<int64_t>(event.m_Pages.size()) * 16;
    return bytes;
}

// A snapshot that the free memory could not hold empties the histories instead: the edit goes
// on without one.
void cWorldMapEdit::TakeSnapshot(const cWorldMap& map) {
    if (AvailPhysicalMemory() <= SnapshotBytes(map)) {
        ClearHistory();
        return;
    }
    Push(m_Undo, map);
    m_Redo.clear();
}

bool cWorldMapEdit::Undo(cWorldMap& map) { return Restore(m_Undo, m_Redo, map); }
bool cWorldMapEdit::Redo(cWorldMap& map) { return Restore(m_Redo, m_Undo, map); }

void cWorldMapEdit::ClearHistory() {
    m_Undo.clear();
    m_Redo.clear();
}

cWorldMapEdit& WorldMapEdit() {
    static cWorldMapEdit edit;
    return edit;
}
