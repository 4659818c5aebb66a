// The editor's stage canvas: one full repaint of the main window over the largest stage, beside
// copying the back buffer's bytes, and as a share of a frame at 60 frames a second.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "data/CommonPalette.h"
#include "data/Stage.h"
#include "editor/shell/App.h"
#include "editor/shell/EditWnd.h"
#include "editor/shell/EditorIds.h"
#include "editor/shell/EditorState.h"
#include "editor/shell/FrameWnd.h"
#include "editor/shell/StageDoc.h"
#include "editor/shell/SystemBitmaps.h"
#include "framework/Hook.h"
#include "tools/bench/Bench.h"

namespace {

const int kRuns = 15;

}  // namespace

// Blocks in every cell of a 512 x 512 stage; charas and items in every cell of its corner.
void FillBenchStage(cEdStage& stage) {
    const cCommonPalette& palette = ProjectCommonPalette();
    stage.SetSize(cEdStage::kMaxSize, cEdStage::kMaxSize);
    for (int32_t row = 0; row < stage.m_Height; ++row)
        for (int32_t column = 0; column < stage.m_Width; ++column)
            stage.m_Blocks.Put(stage.CellIndex(column, row), palette.m_Blocks[1 + (row + column) % 8]);
    for (int32_t row = 0; row < kFilledCorner; ++row) {
        for (int32_t column = 0; column < kFilledCorner; ++column) {
            stage.m_Charas.Put(stage.CellIndex(column, row), palette.m_Charas[2 + (row + column) % 8]);
            stage.m_Items.Put(stage.CellIndex(column, row), palette.m_Items[1 + (row * 3 + column) % 8]);
        }
    }
}

void BenchCanvas() {
    PrintHeader("canvas: a full repaint of the editor's main window (640 x 480)");
    if (!LoadPaletteBitmaps() || !LoadSystemBitmaps("", "") ||
        !ProjectCommonPalette().LoadFile("default\\CommonPalette.cplt4")) {
        printf("| the factory pictures or common palette cannot be loaded |\n");
        return;
    }
    cEdStage& stage = ProjectStage();
    FillBenchStage(stage);
    StageDoc().m_StageOpen = 1;
    AppState().instance = GetModuleHandleA(nullptr);
    cPage::SetScrollBarIds(IDC_CANVAS_HBAR, IDC_CANVAS_VBAR);
    if (!RegisterEditorClass(AppState().instance) || !CreateFrameWnd() || !CreateEditWnd()) {
        printf("| the main window cannot be made |\n");
        return;
    }
    cEditWnd& main = *MainEditWnd();
    const cDib& back = main.BackBuffer();
    std::vector<uint8_t> copy(static_cast<size_t>(back.Stride()) * back.Height());
    cTiming paint, reference;
    TimeAlternating(
        kRuns, nullptr,
        [&] {
            main.OnPaint();
            GdiFlush();
        },
        paint, [&] { memcpy(copy.data(), back.Bits(), copy.size()); }, reference);
    char row[160];
    snprintf(row, sizeof row, "repaint, 512 x 512 stage, %d x %d cells shown, three layers filled",
             main.ContentWidth() / kCellSize + 1, main.ContentHeight() / kCellSize + 1);
    PrintRow(row, paint, "memcpy of the back buffer", reference);
    printf("\nA full repaint takes %.0f %% of a 16.67 ms frame (median %.0f %%).\n", 100 * paint.min / kFrameMs,
           100 * paint.median / kFrameMs);

    DestroyFrameWnd();
    MSG quit;
    while (PeekMessageA(&quit, nullptr, 0, 0, PM_REMOVE)) {
    }
    UninstallKeyboardHook();
    stage.Clear();
}
