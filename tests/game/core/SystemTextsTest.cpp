#include <gtest/gtest.h>

#include "data/SystemData.h"
#include "game/core/SystemTexts.h"

namespace {

TEST(SystemTexts, ShownRankingKindsCountOnlyWhileRankingsAreOn) {
    cSystemData system;
    struct {
        int on;
        std::vector<uint8_t> shown;
        int count;
    } cases[] = {
        {1, {1, 1, 1}, 3}, {1, {0, 0, 1}, 1}, {0, {1, 1, 0}, 0}, {1, {0, 0, 0}, 0}, {1, {}, 0},
    };
    for (const auto& c : cases) {
        system.m_RankingSettings[2].m_On = c.on;
        system.m_RankingSettings[2].m_Shown.assign(c.shown.begin(), c.shown.end());
        EXPECT_EQ(c.count, CountShownEntries(system, 2));
    }
}

TEST(SystemTexts, BoxesAreCentredOnTheirWidestLine) {
    cSystemData system;
    system.m_Terms[8] = "0123456789";
    system.m_Terms[9] = "ステージ";
    system.m_Terms[10] = "ab\ncd";
    EXPECT_EQ(320 - 88, CenterTextBoxX(system, 320, 8, 1));
    EXPECT_EQ(320 - 88, CenterTextBoxX(system, 320, 8, 2));
    EXPECT_EQ(320 - 40, CenterTextBoxX(system, 320, 9, 1));
    EXPECT_EQ(320 - 40, CenterTextBoxX(system, 320, 9, 2));  // a line feed takes no cell
    EXPECT_EQ(320 - 8, CenterTextBoxX(system, 320, 9, 0));
}

}  // namespace
