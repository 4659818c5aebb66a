// Wrapping an index and stepping an element dialog through its list.
#include <gtest/gtest.h>

#include "editor/palette/RowHelpers.h"
#include "tests/palette/PaletteFixture.h"

TEST(RowHelpers, AddWrapWrapsAtBothEnds) {
    struct cCase {
        int value, delta, minimum, maximum, expected;
    } cases[] = {
        {2, 1, 1, 4, 3}, {4, 1, 1, 4, 1}, {1, -1, 1, 4, 4}, {3, -1, 1, 4, 2}, {1, 0, 1, 1, 1},
        {1, 1, 1, 1, 1}, {1, -1, 1, 1, 1}, {0, 5, 0, 3, 0}, {3, -7, 0, 3, 3},
    };
    for (const cCase& c : cases)
        EXPECT_EQ(AddWrap(c.value, c.delta, c.minimum, c.maximum), c.expected)
            << c.value << " + " << c.delta << " in " << c.minimum << ".." << c.maximum;
}

TEST(RowHelpers, StepRecordKeepsTheEditAndNeverReachesElementZero) {
    struct cCase {
        const char* name;
        int count, index, delta, expected;
    } cases[] = {
        {"forward from the last", 5, 4, 1, 1},
        {"back from the first", 5, 1, -1, 4},
        {"forward", 5, 2, 1, 3},
        {"one element besides 0", 2, 1, 1, 1},
        {"element 0 alone", 1, 0, 1, 0},
        {"an index outside the list", 5, 7, 1, 7},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cRecordVector<cEdBlock> list;
        FillBlocks(list, c.count, 0);
        cEdBlock working;
        working.m_Name = "edited";
        int index = StepRecord(list, working, c.index, c.delta);
        EXPECT_EQ(index, c.expected);
        bool stepped = c.index >= 1 && c.index < c.count && c.count >= 2;
        if (stepped) {
            EXPECT_EQ(list[c.index].m_Name, "edited");
            EXPECT_EQ(working.m_Graphic, list[index].m_Graphic);
        } else {
            EXPECT_EQ(working.m_Name, "edited");
        }
    }
}
