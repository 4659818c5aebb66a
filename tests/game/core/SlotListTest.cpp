#include <gtest/gtest.h>

#include <string>

#include "game/core/SlotList.h"

namespace {

std::string Show(const cTextAt& t) { return std::to_string(t.x) + "," + std::to_string(t.y) + " " + t.text + "|"; }

// The texts the list writes: each row's number and, where FormatSaveTime draws one, its save time.
std::string Show(const cRecordVector<cStorySlotHeader>& headers, const std::vector<cSlotCaption>& rows) {
    std::string out;
    for (const cSlotCaption& row : rows) {
        out += Show(row.number);
        const std::string time = FormatSaveTimeText(headers[row.slot]);
        if (headers[row.slot].m_Used) out += Show({row.timeX, row.timeY, time});
    }
    return out;
}

cStorySlotHeader Used(WORD year, WORD month, WORD day, WORD hour, WORD minute) {
    cStorySlotHeader h;
    h.m_Used = 1;
    h.m_SaveTime = {year, month, 0, day, hour, minute, 59, 999};
    return h;
}

}  // namespace

TEST(SlotList, SaveTimes) {
    EXPECT_EQ("2026/12/09 07:05\n", FormatSaveTimeText(Used(2026, 12, 9, 7, 5)));
    EXPECT_EQ("0999/01/01 00:00\n", FormatSaveTimeText(Used(999, 1, 1, 0, 0)));
    cStorySlotHeader unused = Used(2026, 1, 1, 1, 1);
    unused.m_Used = 0;
    EXPECT_EQ("", FormatSaveTimeText(unused));
}

TEST(SlotList, RowsOfTheList) {
    cRecordVector<cStorySlotHeader> headers(99);
    headers[0] = Used(2026, 12, 9, 23, 45);
    headers[97] = Used(2025, 1, 2, 3, 4);
    struct {
        const char* name;
        int first, count;
        std::string texts;
        int separators;
    } cases[] = {
        {"the top", 0, 3, "116,200 1|164,200 2026/12/09 23:45\n|116,216 2|116,232 3|", 2},
        {"the end of the list", 96, 5, "116,200 97|116,216 98|164,216 2025/01/02 03:04\n|116,232 99|", 4},
        {"one row", 5, 1, "116,200 6|", 0},
        {"past the end", 99, 3, "", 1},
        {"no rows", 0, 0, "", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.texts, Show(headers, SlotCaptions(headers, 100, 200, c.first, c.count))) << c.name;
        EXPECT_EQ(c.separators, SlotSeparators(99, c.first, c.count)) << c.name;
    }
    cRecordVector<cStorySlotHeader> none;
    EXPECT_EQ("", Show(none, SlotCaptions(none, 0, 0, 0, 4)));
    EXPECT_EQ(1, SlotSeparators(0, 0, 4));
}
