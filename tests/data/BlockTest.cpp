#include <gtest/gtest.h>

#include "data/Block.h"

TEST(Block, AnEmptyBlockIsNeverSolidNorProtected) {
    struct {
        uint16_t graphic;
        uint8_t type, noSummon;
    } cases[] = {{0, 0, 0}, {1, 2, 1}};  // what a block of type 2, protected, keeps
    for (const auto& c : cases) {
        cEdBlock block;
        block.m_Graphic = c.graphic;
        block.m_BlockType = 2;
        block.m_NoSummon = 1;
        block.m_NoHitForce = 0;
        block.Validate();
        EXPECT_EQ(c.type, block.m_BlockType) << c.graphic;
        EXPECT_EQ(c.noSummon, block.m_NoSummon) << c.graphic;
        EXPECT_EQ(0, block.m_NoHitForce) << c.graphic;  // force 0 is a force, not "none"
    }
    EXPECT_EQ(255, cEdBlock().m_NoHitForce);
}
