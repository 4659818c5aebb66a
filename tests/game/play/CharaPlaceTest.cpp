// Placing a character on a block by column and row, and putting back the box it saved.
#include <gtest/gtest.h>

#include "tests/game/play/CharaFixture.h"

class CharaPlace : public CharaFixture {};

// Both axes at once, as the cell placement puts them: the grown character keeps its horizontal
// centre and stands with its feet on the row's last dot.
TEST_F(CharaPlace, OnABlockByColumnAndRow) {
    for (int scale : {1, 2}) {
        SCOPED_TRACE(scale);
        cEdChara record = Enemy();
        record.m_Scale = static_cast<uint8_t>(scale);
        cCharaActor chara;
        chara.Setup(1, record, nullptr, 0, 0, 0);
        chara.PlaceAtBlock(5, 3);
        EXPECT_EQ((5 + 10) * 32 + 8 + 0.5 - (scale - 1) * 8, chara.m_X);
        EXPECT_EQ((3 + 10) * 32 + 31, chara.m_Bottom);
        cCharaActor byCell;
        byCell.Setup(1, record, nullptr, 0, 0, 0);
        byCell.PlaceAtCell(5, 3);
        EXPECT_EQ(byCell.m_X, chara.m_X);
        EXPECT_EQ(byCell.m_Y, chara.m_Y);
    }
}

// The saved box comes back whole, wherever the character went since.
TEST_F(CharaPlace, SavedBoxComesBack) {
    cCharaActor chara = Chara({});
    chara.PlaceAtBlock(2, 2);
    chara.SavePosition();
    const double x = chara.m_X, y = chara.m_Y, right = chara.m_Right, bottom = chara.m_Bottom;
    chara.PlaceAtBlock(7, 9);
    ASSERT_NE(x, chara.m_X);
    ASSERT_NE(bottom, chara.m_Bottom);
    chara.RestorePosition();
    EXPECT_EQ(x, chara.m_X);
    EXPECT_EQ(y, chara.m_Y);
    EXPECT_EQ(right, chara.m_Right);
    EXPECT_EQ(bottom, chara.m_Bottom);
}
