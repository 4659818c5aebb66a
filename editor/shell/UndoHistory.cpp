#include "editor/shell/UndoHistory.h"

#include <algorithm>
#include <new>

#include "data/Stage.h"
#include "framework/MessageBox.h"
#include "framework/SystemReport.h"

namespace {

// What one cell of each layer is taken to cost in a snapshot, in bytes.
const int64_t kBlockCellBytes = 459;
const int64_t kCharaCellBytes = 1034 + 224;
const int64_t kItemCellBytes = 453;

// The live layer goes into the kept one and the snapshot into the stage, all by swapping.
template <class T>
void Exchange(cStageLayer<T>& live, cStageLayer<T>& snapshot, cStageLayer<T>& kept) {
    kept.clear();
    kept.swap(live);
    live.swap(snapshot);
    snapshot.clear();
}

}  // namespace

int64_t cUndoHistory::StepSize(int32_t stride, int32_t height) {
    int64_t rounded = 1;
    while (rounded < stride) rounded <<= 1;
    return static_cast<int64_t>(height) * rounded * (kBlockCellBytes + kCharaCellBytes + kItemCellBytes);
}

int32_t cUndoHistory::CountThatFits(int32_t count, int64_t step, int64_t avail) {
    if (step <= 0 || avail >= step + step * count * 2) return count;
    if (avail < step) return 0;
    return static_cast<int32_t>((avail - step) / (2 * step));
}

void cUndoHistory::Clear() {
    m_Undo.clear();
    m_Redo.clear();
    m_UndoCount = 0;
    m_RedoCount = 0;
}

void cUndoHistory::Init(int32_t& count, int32_t stride, int32_t height) {
    Clear();
    if (count < 1) return;
    int32_t fits = CountThatFits(count, StepSize(stride, height), GetAvailMemory());
    if (fits != count) {
        count = fits;
        DebugBox("元に戻せる回数を %d回 に強制変更！", count);
        if (count < 1) return;
    }
    m_GridCells = stride > 0 && height > 0 ? static_cast<size_t>(stride) * height : 0;
    m_Undo.resize(count);
    m_Redo.resize(count);
}

size_t cUndoHistory::HeldCells() const {
    size_t cells = 0;
    for (const cSide* side : {&m_Undo, &m_Redo})
        for (const cStep& step : *side) cells += step.blocks.size() + step.charas.size() + step.items.size();
    return cells;
}

cUndoHistory::cStep& cUndoHistory::Newest(cSide& side, int32_t& count) {
    if (count >= static_cast<int32_t>(side.size())) {
        std::rotate(side.begin(), side.begin() + 1, side.end());
        count = static_cast<int32_t>(side.size()) - 1;
    }
    cStep& step = side[count++];
    step.mask = 0;
    step.blocks.clear();
    step.charas.clear();
    step.items.clear();
    return step;
}

bool cUndoHistory::Push(int32_t mask, const cEdStage& stage) {
    for (int32_t i = 0; i < m_RedoCount; ++i) m_Redo[i] = cStep();
    m_RedoCount = 0;
    if (m_Undo.empty()) return true;
    cStep& step = Newest(m_Undo, m_UndoCount);
    try {
        if (mask & eLayerBlocks) step.blocks = stage.m_Blocks;
        if (mask & eLayerCharas) step.charas = stage.m_Charas;
        if (mask & eLayerItems) step.items = stage.m_Items;
    } catch (const std::bad_alloc&) {
        // The half-taken step goes again; the steps before it stay (a full history has already
        // let its oldest go).
        step = cStep();
        --m_UndoCount;
        return false;
    }
    step.mask = mask;
    return true;
}

bool cUndoHistory::Restore(cSide& from, int32_t& fromCount, cSide& to, int32_t& toCount, cEdStage& stage) {
    if (fromCount < 1 || fromCount > static_cast<int32_t>(from.size()) || to.empty()) return false;
    cStep& step = from[--fromCount];
    cStep& kept = Newest(to, toCount);
    kept.mask = step.mask;
    if (step.mask & eLayerBlocks) {
        Exchange(stage.m_Blocks, step.blocks, kept.blocks);
        for (auto& cell : stage.m_Blocks) cell.second.Inherit();
    }
    if (step.mask & eLayerCharas) {
        Exchange(stage.m_Charas, step.charas, kept.charas);
        for (auto& cell : stage.m_Charas) cell.second.Inherit();
    }
    if (step.mask & eLayerItems) {
        Exchange(stage.m_Items, step.items, kept.items);
        for (auto& cell : stage.m_Items) cell.second.ApplyInherit();
    }
    step.mask = 0;
    return true;
}

bool cUndoHistory::Undo(cEdStage& stage) { return Restore(m_Undo, m_UndoCount, m_Redo, m_RedoCount, stage); }

bool cUndoHistory::Redo(cEdStage& stage) { return Restore(m_Redo, m_RedoCount, m_Undo, m_UndoCount, stage); }
