// The numbers each graphic type offers: the sheets' graphics, the chara sheet's and a dedicated
// bitmap's columns, and a dedicated range that follows the bitmap table without ever emptying.
#include <gtest/gtest.h>

#include "editor/shell/DrawObject.h"
#include "editor/shell/GraphicRanges.h"

TEST(GraphicRanges, EachTypeOffersItsNumbersAndColumns) {
    struct cCase {
        const char* name;
        int type;
        size_t bitmaps;
        int highest;
        bool columns;
        int highestShift, highestFrame;
    };
    const cCase cases[] = {
        {"block sheet", eGraphicBlock, 50, 119, false, 19, 39},
        {"chara sheet", eGraphicChara, 50, 119, true, 19, 39},
        {"item sheet", eGraphicItem, 0, 119, false, 19, 39},
        {"shots", eGraphicShot, 0, 119, false, 19, 39},
        {"dedicated, none beside row 0", eGraphicDedicated, 1, 1, true, 239, 239},
        {"dedicated, no table", eGraphicDedicated, 0, 1, true, 239, 239},
        {"dedicated, one bitmap", eGraphicDedicated, 2, 1, true, 239, 239},
        {"dedicated, past the sheets", eGraphicDedicated, 300, 299, true, 239, 239},
    };
    for (const cCase& c : cases) {
        cGraphicRange range = GraphicRange(c.type, c.bitmaps);
        EXPECT_EQ(c.highest, range.highest) << c.name;
        EXPECT_EQ(c.columns, range.columns) << c.name;
        EXPECT_EQ(c.highestShift, range.highestShift) << c.name;
        EXPECT_EQ(c.highestFrame, range.highestFrame) << c.name;
    }
    EXPECT_EQ(119, kHighestMark);
}
