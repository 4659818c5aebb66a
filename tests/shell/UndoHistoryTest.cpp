// The undo history's size: the memory a step is taken to need, the count that fits, the snapshots.
#include <gtest/gtest.h>

#include "editor/shell/UndoHistory.h"

TEST(UndoHistory, StepSizeRoundsTheStrideUp) {
    EXPECT_EQ(15 * 32 * 2170, cUndoHistory::StepSize(20, 15));
    EXPECT_EQ(15 * 32 * 2170, cUndoHistory::StepSize(32, 15));
    EXPECT_EQ(10 * 64 * 2170, cUndoHistory::StepSize(33, 10));
    EXPECT_EQ(int64_t(512) * 512 * 2170, cUndoHistory::StepSize(512, 512));
}

TEST(UndoHistory, TheCountIsLoweredToWhatTheMemoryHolds) {
    struct cCase {
        int32_t count;
        int64_t step, avail;
        int32_t fits;
    };
    const cCase cases[] = {
        {5, 100, 1100, 5},   // one live step and two sides of five
        {5, 100, 1099, 4},
        {5, 100, 150, 0},    // not even one step
        {5, 100, 99, 0},     // not even the live stage
        {1000, int64_t(512) * 512 * 2170, 0xffffffffll, 3},
    };
    for (const cCase& c : cases)
        EXPECT_EQ(c.fits, cUndoHistory::CountThatFits(c.count, c.step, c.avail)) << c.count << " " << c.avail;
}

TEST(UndoHistory, InitAllocatesEverySnapshotAndClearEmptiesThem) {
    cUndoHistory history;
    int32_t count = 3;
    history.Init(count, 32, 15);
    EXPECT_EQ(3, count);
    EXPECT_EQ(3u, history.Steps());
    EXPECT_EQ(32u * 15, history.CellsPerStep());
    EXPECT_EQ(0, history.UndoCount());

    count = 0;
    history.Init(count, 32, 15);
    EXPECT_EQ(0u, history.Steps());

    count = 2;
    history.Init(count, 64, 20);
    EXPECT_EQ(64u * 20, history.CellsPerStep());
    history.Clear();
    EXPECT_EQ(0u, history.Steps());
}
