// Steps the undo history must not or cannot take: none while the game plays the stage, and
// none, after saying so, when the memory for a snapshot cannot be had. The program's allocator
// is replaced here so a test can refuse large blocks; it passes everything else through.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "tests/shell/CanvasFixture.h"
#include "tests/support/BoxAnswers.h"

namespace {

// Allocations of at least this many bytes are refused; 0 refuses none.
std::atomic<size_t> g_refuseFrom{0};

}  // namespace

void* operator new(size_t size) {
    const size_t limit = g_refuseFrom.load();
    if (limit && size >= limit) throw std::bad_alloc();
    if (void* block = std::malloc(size ? size : 1)) return block;
    throw std::bad_alloc();
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, size_t) noexcept { std::free(block); }

TEST(UndoSteps, NoStepIsTakenWhileTheGamePlaysTheStage) {
    cCanvas canvas(6, 2);
    SetPen({"A"});
    AppState().testPlaying = 1;
    canvas.Mouse(WM_LBUTTONDOWN, 1, 0, MK_LBUTTON);
    canvas.Mouse(WM_LBUTTONUP, 1, 0);
    AppState().testPlaying = 0;
    EXPECT_EQ(cRows({".A....", "......"}), Rows(ProjectStage().m_Blocks));
    EXPECT_EQ(0, UndoHistory().UndoCount());
    canvas.Mouse(WM_LBUTTONDOWN, 2, 0, MK_LBUTTON);
    EXPECT_EQ(1, UndoHistory().UndoCount());
}

TEST(UndoSteps, AStepWithoutMemoryIsToldAndTheEditAndTheOlderStepsStay) {
    // Every cell of a stage this size holds a block: one snapshot of it is one large block.
    const int width = 128, height = 64;
    cCanvas canvas(width, height);
    cRows full(height, std::string(width, 'B'));
    SetLayer(ProjectStage().m_Blocks, full);
    SetPen({"A"});
    canvas.Mouse(WM_LBUTTONDOWN, 1, 1, MK_LBUTTON);
    canvas.Mouse(WM_LBUTTONUP, 1, 1);
    ASSERT_EQ(1, UndoHistory().UndoCount());

    cBoxAnswers boxes;
    g_refuseFrom = 1 << 20;
    canvas.Mouse(WM_LBUTTONDOWN, 2, 1, MK_LBUTTON);
    canvas.Mouse(WM_LBUTTONUP, 2, 1);
    g_refuseFrom = 0;
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("メモリが不足しています！", boxes.Shown()[0].text);
    EXPECT_EQ('A', Rows(ProjectStage().m_Blocks)[1][2]) << "the edit itself is done";
    EXPECT_EQ(1, UndoHistory().UndoCount());

    // The step before it still gives back the stage as it was before its edit.
    canvas.Command(ID_EDIT_UNDO);
    EXPECT_TRUE(full == Rows(ProjectStage().m_Blocks));
    EXPECT_TRUE(IsWindow(canvas.FrameWndHandle())) << "the editor goes on";
}
