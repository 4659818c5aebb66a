#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "game/core/RankingDraw.h"

namespace {

std::string Show(const std::vector<cTextAt>& texts) {
    std::string out;
    for (const cTextAt& t : texts) out += std::to_string(t.x) + "," + std::to_string(t.y) + " " + t.text + "\n";
    return out;
}

cRankData Rows(int higherIsBetter, std::initializer_list<std::pair<const char*, int>> rows) {
    cRankData data;
    data.m_HigherIsBetter = higherIsBetter;
    int i = 0;
    for (const auto& r : rows) {
        data.m_Rows[i].m_Used = 1;
        data.m_Rows[i].m_Name = r.first;
        data.m_Rows[i].m_Value = r.second;
        ++i;
    }
    return data;
}

}  // namespace

TEST(RankingDraw, CountDigits) {
    struct {
        int value, digits;
    } cases[] = {{0, 1}, {9, 1}, {10, 2}, {99999, 5}, {123456, 6}, {-5, 1}, {-12, 2}, {INT_MAX, 10}, {INT_MIN, 10}};
    for (const auto& c : cases) EXPECT_EQ(c.digits, CountDigits(c.value)) << c.value;
}

TEST(RankingDraw, RankingListTexts) {
    // Scores right-aligned on the width of row 0's value; unused rows leave their lines empty.
    cRankData scores = Rows(1, {{"xyz", 1200}, {"abc", 900}, {"ＡＢ", 7}});
    scores.m_Rows[1].m_Used = 0;
    EXPECT_EQ("100,50 ランキング    スコア\n"
              "116,66 1\n164,66 xyz\n244,66 1200\n"
              "116,98 3\n164,98 ＡＢ\n292,98 7\n",
              Show(RankingTexts(scores, 100, 50, eRankScore, "スコア")));
    // A row 0 narrower than a later value pushes that value left.
    cRankData remaining = Rows(1, {{"a", 5}, {"b", 123}});
    EXPECT_EQ("0,0 ランキング    残り時間\n16,16 1\n64,16 a\n144,16 5\n16,32 2\n64,32 b\n112,32 123\n",
              Show(RankingTexts(remaining, 0, 0, eRankRemainingTime, "残り時間")));
    // Clear times at one column as minutes:seconds.hundredths.
    cRankData times = Rows(0, {{"q", 12345}, {"r", 600000}});
    EXPECT_EQ("0,0 ランキング    クリア時間\n16,16 1\n64,16 q\n144,16 02:03.45\n16,32 2\n64,32 r\n144,32 00:00.00\n",
              Show(RankingTexts(times, 0, 0, eRankClearTime, "クリア時間")));
    cRankData empty;
    EXPECT_EQ("0,0 ランキング    x\n", Show(RankingTexts(empty, 0, 0, eRankScore, "x")));
}

TEST(RankingDraw, ResultTableLayout) {
    const std::string captions[kRankKinds] = {"スコア", "残り時間", "クリア時間"};
    struct {
        const char* name;
        int switches[kRankKinds];
        int score, remaining, clear;
        int width, height;
        std::string texts;
    } cases[] = {
        {"nothing switched on", {0, 0, 0}, 5, 5, 5, 0, 0, ""},
        {"a switch other than 1 is off", {2, -1, 0}, 5, 5, 5, 0, 0, ""},
        {"only the clear time", {0, 0, 1}, 5, 5, 12345, (8 + 5 + 3) * 16, 16, "26,40 クリア時間\n122,40 02:03.45\n"},
        {"score and remaining time", {1, 1, 0}, 123456, 99, 0, (6 + 4 + 3) * 16, 32,
         "26,40 スコア\n106,40 123456\n26,56 残り時間\n106,56 99\n"},
        {"a longer remaining time widens the values", {1, 1, 0}, 5, 1234567, 0, (7 + 4 + 3) * 16, 32,
         "26,40 スコア\n106,40 5\n26,56 残り時間\n106,56 1234567\n"},
        {"all three", {1, 1, 1}, 100, 20, 6000, (8 + 5 + 3) * 16, 48,
         "26,40 スコア\n122,40 100\n26,56 残り時間\n122,56 20\n26,72 クリア時間\n122,72 01:00.00\n"},
    };
    for (const auto& c : cases) {
        cResultLayout layout = ResultTableLayout(10, 40, c.switches, captions, c.score, c.remaining, c.clear);
        EXPECT_EQ(c.width, layout.width) << c.name;
        EXPECT_EQ(c.height, layout.height) << c.name;
        EXPECT_EQ(c.texts, Show(layout.texts)) << c.name;
    }
}
