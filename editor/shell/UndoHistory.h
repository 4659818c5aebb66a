#pragma once
// The stage editor's undo history: snapshots of the stage's three cell layers, taken before an
// edit changes them. A snapshot keeps a layer's occupied cells only, so a step of a large, mostly
// empty stage costs little; the steps are moved between the two sides, never copied.
#include <cstdint>
#include <string>

#include "data/Block.h"
#include "data/Chara.h"
#include "data/Item.h"
#include "data/StageLayer.h"
#include "framework/CheckedVector.h"

class cEdStage;

// Layers of a snapshot, as bits of a layer mask.
enum eLayerBit { eLayerBlocks = 1, eLayerCharas = 2, eLayerItems = 4, eLayerAll = 7 };

class cUndoHistory {
public:
    // Bytes one step of a stage with that row stride and height is taken to need at most.
    static int64_t StepSize(int32_t stride, int32_t height);
    // The undo count that fits in avail bytes beside the live stage (one step) when both sides
    // hold count steps of step bytes: count itself when it fits.
    static int32_t CountThatFits(int32_t count, int64_t step, int64_t avail);

    // Empties the history and makes room for count steps on each side. When the available
    // memory cannot hold them, count (the stage's undo count setting) is lowered to what fits,
    // with a note while the error log is on; below 1 the history stays empty and records nothing.
    void Init(int32_t& count, int32_t stride, int32_t height);
    // Empties both sides.
    void Clear();

    // Records the stage's layers of the mask as the newest undo step (the oldest goes when the
    // history is full) and empties the redo side. Nothing while the history is empty. False,
    // with no step taken, when the memory for the snapshot cannot be had.
    bool Push(int32_t mask, const cEdStage& stage);
    // Restore the newest step of their side into the stage, keeping the layers they replace on
    // the other side; restored cells inherit again from their palette elements. False, and
    // nothing changed, when the side holds no step.
    bool Undo(cEdStage& stage);
    bool Redo(cEdStage& stage);

    int32_t UndoCount() const { return m_UndoCount; }
    int32_t RedoCount() const { return m_RedoCount; }
    // Steps each side can hold.
    size_t Steps() const { return m_Undo.size(); }
    // Cells of the grid the history was set up for (0 while it is empty).
    size_t CellsPerStep() const { return m_Undo.empty() ? 0 : m_GridCells; }
    // Test seam: the cells the snapshots of both sides hold.
    size_t HeldCells() const;

private:
    struct cStep {
        int32_t mask = 0;
        cStageLayer<cEdBlock> blocks;
        cStageLayer<cEdChara> charas;
        cStageLayer<cEdItem> items;
    };
    typedef cEdVector<cStep> cSide;

    // The next free step of a side, making room by dropping its oldest step when it is full.
    static cStep& Newest(cSide& side, int32_t& count);
    static bool Restore(cSide& from, int32_t& fromCount, cSide& to, int32_t& toCount, cEdStage& stage);

    cSide m_Undo, m_Redo;
    int32_t m_UndoCount = 0;
    int32_t m_RedoCount = 0;
    size_t m_GridCells = 0;
};
