#pragma once
// The stage editor's undo history: whole-layer snapshots of the stage's three cell layers, taken
// before an edit changes them.
#include <cstdint>
#include <string>

#include "data/Block.h"
#include "data/Chara.h"
#include "data/Item.h"
#include "framework/CheckedVector.h"

// Layers of a snapshot, as bits of a layer mask.
enum eLayerBit { eLayerBlocks = 1, eLayerCharas = 2, eLayerItems = 4 };

class cUndoHistory {
public:
    // Bytes one step of a stage with that row stride and height is taken to need.
    static int64_t StepSize(int32_t stride, int32_t height);
    // The undo count that fits in avail bytes beside the live stage (one step) when both sides
    // hold count steps of step bytes: count itself when it fits.
    static int32_t CountThatFits(int32_t count, int64_t step, int64_t avail);

    // Empties the history and allocates count steps of stride x height cells for each side.
    // When the available memory cannot hold them, count (the stage's undo count setting) is
    // lowered to what fits, with a note while the error log is on; below 1 the history stays
    // empty.
    void Init(int32_t& count, int32_t stride, int32_t height);
    // Empties both sides; the mask vectors keep their size.
    void Clear();

    int32_t UndoCount() const { return m_UndoCount; }
    int32_t RedoCount() const { return m_RedoCount; }
    // Steps allocated for each side.
    size_t Steps() const { return m_UndoBlocks.size(); }
    // Cells of each snapshot.
    size_t CellsPerStep() const { return m_UndoBlocks.empty() ? 0 : m_UndoBlocks[0].size(); }

private:
    template <class T>
    using cSteps = cEdVector<cEdVector<T>>;

    cSteps<cEdBlock> m_UndoBlocks, m_RedoBlocks;
    cSteps<cEdChara> m_UndoCharas, m_RedoCharas;
    cSteps<cEdItem> m_UndoItems, m_RedoItems;
    cEdVector<int32_t> m_UndoMasks, m_RedoMasks;
    int32_t m_UndoCount = 0;
    int32_t m_RedoCount = 0;
};
