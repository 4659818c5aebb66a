// The stage editor's undo history on the largest stage: recording a step of all three layers
// (what every canvas edit does first) and undoing it, beside copying the same cells' bytes, and
// as shares of a frame at 60 frames a second.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "data/CommonPalette.h"
#include "data/Stage.h"
#include "editor/shell/UndoHistory.h"
#include "tools/bench/Bench.h"

namespace {

const int kRuns = 9;

template <class T>
size_t LayerBytes(const cStageLayer<T>& layer) {
    return layer.size() * sizeof(*layer.begin());
}

}  // namespace

void BenchUndo() {
    PrintHeader("undo: a step of the three layers of a 512 x 512 stage");
    if (!ProjectCommonPalette().LoadFile("default\\CommonPalette.cplt4")) {
        printf("| the factory common palette cannot be loaded |\n");
        return;
    }
    cEdStage& stage = ProjectStage();
    FillBenchStage(stage);
    int32_t count = 2;
    cUndoHistory history;
    history.Init(count, stage.m_Stride, stage.m_Height);
    if (count < 1) {
        printf("| too little memory for one step |\n");
        return;
    }
    // The reference: the bytes of the three layers' cells, copied once.
    const size_t bytes = LayerBytes(stage.m_Blocks) + LayerBytes(stage.m_Charas) + LayerBytes(stage.m_Items);
    std::vector<char> from(bytes, 1), to(bytes);
    auto copy = [&] { memcpy(to.data(), from.data(), bytes); };

    cTiming push, pushRef;
    TimeAlternating(kRuns, nullptr, [&] { history.Push(eLayerAll, stage); }, push, copy, pushRef);
    char row[160];
    snprintf(row, sizeof row, "PushUndo of the three layers (%zu cells)",
             stage.m_Blocks.size() + stage.m_Charas.size() + stage.m_Items.size());
    PrintRow(row, push, "memcpy of the cells' bytes", pushRef);

    cTiming undo, undoRef;
    TimeAlternating(
        kRuns, [&] { if (history.UndoCount() < 1) history.Push(eLayerAll, stage); }, [&] { history.Undo(stage); }, undo,
        copy, undoRef);
    PrintRow("Undo of that step (inheritance applied again to every cell)", undo, "memcpy of the cells' bytes", undoRef);
    printf("\nA PushUndo takes %.0f %% of a 16.67 ms frame, an Undo %.0f %% (medians %.0f %% and %.0f %%).\n",
           100 * push.min / kFrameMs, 100 * undo.min / kFrameMs, 100 * push.median / kFrameMs,
           100 * undo.median / kFrameMs);
    history.Clear();
    stage.Clear();
}
