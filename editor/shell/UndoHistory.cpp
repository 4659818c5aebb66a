#include "editor/shell/UndoHistory.h"

#include "framework/MessageBox.h"
#include "framework/SystemReport.h"

namespace {

// What one cell of each layer is taken to cost in a snapshot, in bytes.
const int64_t kBlockCellBytes = 459;
const int64_t kCharaCellBytes = 1034 + 224;
const int64_t kItemCellBytes = 453;

template <class T>
void Allocate(cEdVector<cEdVector<T>>& steps, int32_t count, size_t cells) {
    steps.assign(count, cEdVector<T>());
    for (auto& step : steps) step.resize(cells);
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
    m_UndoBlocks.clear();
    m_RedoBlocks.clear();
    m_UndoCharas.clear();
    m_RedoCharas.clear();
    m_UndoItems.clear();
    m_RedoItems.clear();
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
    size_t cells = stride > 0 && height > 0 ? static_cast<size_t>(stride) * height : 0;
    Allocate(m_UndoBlocks, count, cells);
    Allocate(m_RedoBlocks, count, cells);
    Allocate(m_UndoCharas, count, cells);
    Allocate(m_RedoCharas, count, cells);
    Allocate(m_UndoItems, count, cells);
    Allocate(m_RedoItems, count, cells);
    m_UndoMasks.assign(count, 0);
    m_RedoMasks.assign(count, 0);
}
