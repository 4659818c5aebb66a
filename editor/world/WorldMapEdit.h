#pragma once
// The world map editor's editing state, shared by its window and its two palettes: the mode,
// the palette selection, the brush, the drag, the event template the paint tool places and the
// undo and redo histories of the map's grid and placed events.
#include <cstdint>
#include <deque>
#include <vector>

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

// One step of the history: the whole grid and the whole list of placed events.
struct cWorldSnapshot {
    std::vector<int32_t> grid;
    cRecordVector<cWorldEvent> events;
};

class cWorldMapEdit {
public:
    // Steps each history keeps; the oldest goes first.
    static constexpr size_t kHistorySteps = 3;

    cWorldMapEdit() { Reset(); }
    // The state the editor opens with: chip mode, chip 0, a 1 x 1 brush, no drag, no history;
    // event mode starts on the project world map's first template when it has one, else on none.
    void Reset();

    // Stores the leaving mode's state and takes the entered one's; false when already in it.
    bool SetMode(int32_t mode);

    // The brush is one chip (a palette click).
    void SelectChip(int32_t chip);
    // The brush becomes the map's cells between two corners (inclusive), clipped to the map.
    void CopyBrush(const cWorldMap& map, cPoint a, cPoint b);
    int32_t BrushChip(int32_t column, int32_t row) const;

    // Takes a snapshot of the map before an edit; the redo history is emptied. When the free
    // memory is not above the snapshot's size, both histories are emptied and none is taken.
    void TakeSnapshot(const cWorldMap& map);
    // Steps back or forward; false when there is nothing to step to.
    bool Undo(cWorldMap& map);
    bool Redo(cWorldMap& map);
    bool CanUndo() const { return !m_Undo.empty(); }
    bool CanRedo() const { return !m_Redo.empty(); }
    void ClearHistory();

    int32_t m_Mode;
    cWorldModeState m_Current;
    cWorldModeState m_Saved[eWorldEditModes];
    cPoint m_DragStart;
    int32_t m_Dragging;
    cWorldEvent m_Template;  // the event the paint tool places
    cWorldEvent m_Clipboard;
    int32_t m_ClipboardValid;

private:
    static void Push(std::deque<cWorldSnapshot>& history, const cWorldMap& map);
    static bool Restore(std::deque<cWorldSnapshot>& from, std::deque<cWorldSnapshot>& to, cWorldMap& map);

    std::vector<int32_t> m_Brush;  // brushWidth x brushHeight chips, row by row
    std::deque<cWorldSnapshot> m_Undo;
    std::deque<cWorldSnapshot> m_Redo;
};

cWorldMapEdit& WorldMapEdit();
// The bytes a snapshot of the map is taken to need.
int64_t SnapshotBytes(const cWorldMap& map);
