#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "game/data/Ranking.h"
#include "tests/data/Bytes.h"
#include "tests/support/TempDir.h"

namespace {

struct cRow {
    std::string name;
    int value;
};

cRankData Ranked(int higherIsBetter, const std::vector<int>& values) {
    cRankData data;
    data.m_HigherIsBetter = higherIsBetter;
    for (size_t i = 0; i < values.size(); ++i) {
        data.m_Rows[i].m_Used = 1;
        data.m_Rows[i].m_Name = "r" + std::to_string(i);
        data.m_Rows[i].m_Value = values[i];
    }
    return data;
}

std::vector<int> UsedValues(const cRankData& data) {
    std::vector<int> values;
    for (const cRankEntry& row : data.m_Rows)
        if (row.m_Used) values.push_back(row.m_Value);
    return values;
}

std::vector<int> Full(int first, int step) {
    std::vector<int> v;
    for (int i = 0; i < kRankRows; ++i) v.push_back(first + step * i);
    return v;
}

// The bytes of a ranking file as its layout gives them, from rows per kind.
std::string RankingFile(const std::vector<std::vector<cRow>>& kinds, const std::vector<int>& orders,
                        int rowsPerKind = kRankRows) {
    cBytes b;
    b.U32(147).U32(0).U32(0).U32(static_cast<uint32_t>(kinds.size()));
    for (size_t k = 0; k < kinds.size(); ++k) {
        b.U32(1).I32(orders[k]).U32(0).U32(rowsPerKind);
        for (int i = 0; i < rowsPerKind; ++i) {
            bool used = i < static_cast<int>(kinds[k].size());
            b.U32(2).I32(used ? 1 : 0).I32(used ? kinds[k][i].value : 0).U32(1);
            b.Str(used ? kinds[k][i].name : "");
        }
    }
    return b.Get();
}

}  // namespace

TEST(Ranking, FindPositionAndInsert) {
    struct {
        const char* name;
        int higherIsBetter;
        std::vector<int> before;
        int value;
        int position;
        std::vector<int> after;
    } cases[] = {
        {"an empty ranking takes row 0", 1, {}, 5, 0, {5}},
        {"a new best score goes to the top", 1, {30, 20, 10}, 40, 0, {40, 30, 20, 10}},
        {"a score equal to the first ranks below it", 1, {30, 20, 10}, 30, 1, {30, 30, 20, 10}},
        {"a score beating none of five takes row 5", 1, {50, 40, 30, 20, 10}, 1, 5, {50, 40, 30, 20, 10, 1}},
        {"a tie with the last of a full table ranks nowhere", 1, Full(200, -10), 10, -1, Full(200, -10)},
        {"the last row of a full table falls off", 1, Full(200, -10), 15, 19,
         [] { auto v = Full(200, -10); v[19] = 15; return v; }()},
        {"a new top of a full table", 1, Full(200, -10), 500, 0,
         [] { auto v = Full(200, -10); v.insert(v.begin(), 500); v.pop_back(); return v; }()},
        {"a better clear time goes to the top", 0, {300, 400}, 100, 0, {100, 300, 400}},
        {"an equal clear time ranks below", 0, {300, 400}, 400, 2, {300, 400, 400}},
        {"a clear time no better than row 19", 0, Full(100, 10), 290, -1, Full(100, 10)},
        {"a clear time into the middle", 0, Full(100, 10), 155, 6,
         [] { auto v = Full(100, 10); v.insert(v.begin() + 6, 155); v.pop_back(); return v; }()},
        {"negative scores", 1, {-5}, -6, 1, {-5, -6}},
    };
    for (const auto& c : cases) {
        cRankData data = Ranked(c.higherIsBetter, c.before);
        EXPECT_EQ(c.position, data.FindPosition(c.value)) << c.name;
        data.Insert("new", c.value);
        EXPECT_EQ(c.after, UsedValues(data)) << c.name;
        ASSERT_EQ(static_cast<size_t>(kRankRows), data.m_Rows.size()) << c.name;
        if (c.position >= 0) {
            EXPECT_EQ("new", data.m_Rows[c.position].m_Name) << c.name;
        }
    }
}

TEST(Ranking, ResetMakesThreeKindsOfTwentyEmptyRows) {
    cRankTable table;
    table.m_Kinds.resize(5);
    table.m_Kinds[0].m_Rows[3].m_Used = 1;
    table.Reset();
    ASSERT_EQ(3u, table.m_Kinds.size());
    const int orders[] = {1, 1, 0};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(orders[k], table.m_Kinds[k].m_HigherIsBetter);
        ASSERT_EQ(20u, table.m_Kinds[k].m_Rows.size());
        for (const cRankEntry& row : table.m_Kinds[k].m_Rows) EXPECT_EQ(0, row.m_Used + row.m_Value);
    }
    // A kind's reset keeps the rows it has and only fixes their number.
    cRankData data = Ranked(1, {7, 6});
    data.m_Rows.resize(25);
    data.Reset();
    EXPECT_EQ(0, data.m_HigherIsBetter);
    EXPECT_EQ(20u, data.m_Rows.size());
    EXPECT_EQ((std::vector<int>{7, 6}), UsedValues(data));
}

TEST(Ranking, FormatClearTime) {
    struct {
        int time;
        const char* text;
    } cases[] = {
        {0, "00:00.00"},     {12345, "02:03.45"},  {599999, "99:59.99"}, {600000, "00:00.00"},
        {6000, "01:00.00"},  {5999, "00:59.99"},   {7, "00:00.07"},      {1234567, "05:45.67"},
        {-250, "00:00.00"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.text, FormatClearTime(c.time)) << c.time;
}

TEST(Ranking, PathsByPlayKind) {
    struct {
        int playKind;
        const char* name;
        bool made;
        const char* path;
    } cases[] = {
        {0, "data\\stg4\\stage01.", true, "user_data\\story\\stage01.rkg"},
        {1, "data\\stg4\\c01.", true, "user_data\\challenge\\c01.rkg"},
        {2, "data\\stg4\\stage01.", true, "user_data\\free\\stage01.rkg"},
        {2, "plain.", true, "user_data\\free\\plain.rkg"},
        {3, "data\\stg4\\stage01.", false, ""},
        {-1, "data\\stg4\\stage01.", false, ""},
    };
    for (const auto& c : cases) {
        std::string path;
        EXPECT_EQ(c.made, MakeRankingPath(path, c.playKind, c.name)) << c.playKind;
        if (c.made) {
            EXPECT_EQ(c.path, path) << c.playKind;
        }
    }
}

TEST(Ranking, FileBytesAndRoundTrip) {
    cTempDir dir;
    CreateDirectoryA("user_data", nullptr);
    CreateDirectoryA("user_data\\free", nullptr);
    cRankTable table;
    table.m_Kinds[0].Insert("abc", 900);
    table.m_Kinds[0].Insert("xyz", 1200);
    table.m_Kinds[2].Insert("ＡＢ", 4321);
    ASSERT_TRUE(SaveRanking(table, 2, "data\\stg4\\s1."));
    std::string expected = RankingFile({{{"xyz", 1200}, {"abc", 900}}, {}, {{"ＡＢ", 4321}}}, {1, 1, 0});
    EXPECT_EQ(expected, dir.Read("user_data\\free\\s1.rkg"));

    cRankTable loaded;
    loaded.m_Kinds[1].Insert("old", 1);
    ASSERT_TRUE(LoadRanking(loaded, 2, "data\\stg4\\s1."));
    EXPECT_EQ((std::vector<int>{1200, 900}), UsedValues(loaded.m_Kinds[0]));
    EXPECT_TRUE(UsedValues(loaded.m_Kinds[1]).empty());
    EXPECT_EQ("ＡＢ", loaded.m_Kinds[2].m_Rows[0].m_Name);

    // A replay keeps no ranking: nothing written, and loading resets.
    EXPECT_FALSE(SaveRanking(table, 3, "data\\stg4\\s1."));
    EXPECT_FALSE(LoadRanking(loaded, 3, "data\\stg4\\s1."));
    EXPECT_TRUE(UsedValues(loaded.m_Kinds[0]).empty());
    // A folder that is missing: the save fails.
    EXPECT_FALSE(SaveRanking(table, 1, "data\\stg4\\s1."));
}

TEST(Ranking, DamagedFilesBecomeThreeKindsOfTwentyRows) {
    cTempDir dir;
    CreateDirectoryA("user_data", nullptr);
    CreateDirectoryA("user_data\\story", nullptr);
    std::vector<cRow> five = {{"a", 50}, {"b", 40}, {"c", 30}, {"d", 20}, {"e", 10}};
    std::string good = RankingFile({five, {}, {}}, {1, 1, 0});
    struct {
        const char* name;
        std::string bytes;
        bool loaded;
        std::vector<int> scores;
    } cases[] = {
        {"good", good, true, {50, 40, 30, 20, 10}},
        {"cut short", good.substr(0, good.size() - 3), false, {}},
        {"cut inside the first kind", good.substr(0, 100), false, {}},
        {"header only", good.substr(0, 4), false, {}},
        {"empty", "", false, {}},
        {"more rows than a ranking has", RankingFile({five, {}, {}}, {1, 1, 0}, 25), true, {50, 40, 30, 20, 10}},
        {"fewer rows", RankingFile({five, {}, {}}, {1, 1, 0}, 3), true, {50, 40, 30}},
        {"no rows", RankingFile({{}, {}, {}}, {1, 1, 0}, 0), true, {}},
        {"one kind", RankingFile({five}, {1}), true, {50, 40, 30, 20, 10}},
        {"no kinds", RankingFile({}, {}), true, {}},
        {"five kinds", RankingFile({five, {}, {}, five, five}, {1, 1, 0, 1, 1}), true, {50, 40, 30, 20, 10}},
        {"orders turned round", RankingFile({five, {}, {}}, {0, 0, 1}), true, {50, 40, 30, 20, 10}},
        {"a row count past the file", [&] {
             std::string b = good;
             b[4 + 8 + 4 + 12] = '\xff';
             return b;
         }(), false, {}},
    };
    for (const auto& c : cases) {
        dir.Write("user_data\\story\\st.rkg", c.bytes);
        cRankTable table;
        table.m_Kinds[0].Insert("keep", 99);
        EXPECT_EQ(c.loaded, LoadRanking(table, 0, "st.")) << c.name;
        ASSERT_EQ(3u, table.m_Kinds.size()) << c.name;
        const int orders[] = {1, 1, 0};
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(20u, table.m_Kinds[k].m_Rows.size()) << c.name;
            EXPECT_EQ(orders[k], table.m_Kinds[k].m_HigherIsBetter) << c.name;
        }
        EXPECT_EQ(c.scores, UsedValues(table.m_Kinds[0])) << c.name;
        // The game goes on ranking in it.
        table.m_Kinds[2].Insert("t", 100);
        table.m_Kinds[2].Insert("u", 50);
        EXPECT_EQ((std::vector<int>{50, 100}), UsedValues(table.m_Kinds[2])) << c.name;
    }
}

TEST(Ranking, TheGameTableStartsEmpty) {
    ASSERT_EQ(3u, RankingTable().m_Kinds.size());
    for (const cRankData& kind : RankingTable().m_Kinds) EXPECT_TRUE(UsedValues(kind).empty());
}
