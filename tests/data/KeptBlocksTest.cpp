#include <gtest/gtest.h>

#include <vector>

#include "data/DataFile.h"
#include "data/KeptBlocks.h"

namespace {

const size_t kMegabyte = 1 << 20;

// Each case starts and ends with nothing kept.
class KeptBlocks : public testing::Test {
protected:
    void SetUp() override { ReleaseKeptBlocks(); }
    void TearDown() override { ReleaseKeptBlocks(); }
};

}  // namespace

TEST_F(KeptBlocks, AFreedLargeBlockServesTheNextRequestItFits) {
    struct cCase {
        const char* name;
        size_t freed, asked;
        bool reused;
    };
    const cCase cases[] = {
        {"the same size", 4 * kMegabyte, 4 * kMegabyte, true},
        {"half its size", 4 * kMegabyte, 2 * kMegabyte, true},
        {"less than half", 4 * kMegabyte, 2 * kMegabyte - 1, false},
        {"more than it holds", 4 * kMegabyte, 4 * kMegabyte + 1, false},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        void* block = TakeKeptBlock(eKeptCells, c.freed);
        GiveKeptBlock(eKeptCells, block, c.freed);
        void* next = TakeKeptBlock(eKeptCells, c.asked);
        EXPECT_EQ(c.reused, next == block);
        // Another use never takes it.
        void* other = TakeKeptBlock(eKeptFileBytes, c.asked);
        EXPECT_NE(block, other);
        GiveKeptBlock(eKeptFileBytes, other, c.asked);
        GiveKeptBlock(eKeptCells, next, c.asked);
        ReleaseKeptBlocks();
    }
    // Small blocks go back to the heap.
    GiveKeptBlock(eKeptCells, TakeKeptBlock(eKeptCells, kMegabyte - 1), kMegabyte - 1);
    EXPECT_EQ(0u, KeptBlockBytes(eKeptCells));
}

TEST_F(KeptBlocks, TheLargerFreedBlockIsKept) {
    void* large = TakeKeptBlock(eKeptCells, 8 * kMegabyte);
    void* small = TakeKeptBlock(eKeptCells, 2 * kMegabyte);
    GiveKeptBlock(eKeptCells, large, 8 * kMegabyte);
    GiveKeptBlock(eKeptCells, small, 2 * kMegabyte);
    EXPECT_EQ(8 * kMegabyte, KeptBlockBytes(eKeptCells));
    // Handed out for a smaller request and given back as that, it is kept as what it is.
    void* again = TakeKeptBlock(eKeptCells, 5 * kMegabyte);
    EXPECT_EQ(large, again);
    GiveKeptBlock(eKeptCells, again, 5 * kMegabyte);
    EXPECT_EQ(8 * kMegabyte, KeptBlockBytes(eKeptCells));
}

// A save writes into the store of the save before it: its file holds its own bytes alone.
TEST_F(KeptBlocks, ASaveAfterALargerOneHoldsItsOwnBytes) {
    const char* first = nullptr;
    {
        cDataWriter out;
        ASSERT_TRUE(OpenDataFileWrite(out, "large.dat"));
        std::vector<char> large(3 * kMegabyte, 'x');
        out.Write(large.data(), large.size());
        first = out.Bytes().data();
    }
    cDataWriter out;
    ASSERT_TRUE(OpenDataFileWrite(out, "small.dat"));
    out.WriteU32(0x04030201);
    EXPECT_EQ(first, out.Bytes().data());
    const std::vector<char> expected = {static_cast<char>(kDataVersion), 0, 0, 0, 1, 2, 3, 4};
    EXPECT_EQ(expected, std::vector<char>(out.Bytes().begin(), out.Bytes().end()));
}
