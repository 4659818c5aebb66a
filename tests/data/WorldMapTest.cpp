#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/WorldMap.h"
#include "tests/data/Bytes.h"
#include "tests/support/TempDir.h"

namespace {

cBytes& Page(cBytes& b, const std::vector<int32_t>& values, const std::string& name, const std::string& stage) {
    b.U32(10);
    for (int32_t v : values) b.I32(v);
    return b.U32(2).Str(name).Str(stage);
}

// The factory world map, from the file layout: up to the chip grid, then the rest.
std::string FactoryHead() {
    cBytes b;
    b.U32(147).U32(8).I32(20).I32(15).I32(32).I32(5).I32(9).I32(7).I32(16).I32(0);
    b.U32(2).Str("ワールド").Str("");
    b.U32(10);
    for (int i = 0; i < 10; ++i) b.U32(3).I32(0).I32(i < 5 ? 1 : 0).I32(i).U32(2).Str("").Str(i < 5 ? "通行不可" : "通行可");
    return b.Get();
}

std::string FactoryWorldMapFile() {
    cBytes b;
    b.Raw(FactoryHead()).U32(32 * 15);
    for (int i = 0; i < 32 * 15; ++i) b.I32(0);
    b.U32(0);
    b.U32(1).U32(2).I32(0).I32(0).U32(1).Str("デフォルト").U32(1);
    Page(b, std::vector<int32_t>(10), "", "");
    return b.Get();
}

void ExpectSameEvents(const cRecordVector<cWorldEvent>& a, const cRecordVector<cWorldEvent>& b) {
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i) {
        EXPECT_TRUE(RecordsEqual(a[i], b[i])) << i;
        ASSERT_EQ(a[i].m_Pages.size(), b[i].m_Pages.size()) << i;
        for (size_t k = 0; k < a[i].m_Pages.size(); ++k) EXPECT_TRUE(RecordsEqual(a[i].m_Pages[k], b[i].m_Pages[k]));
    }
}

void ExpectSameMap(const cWorldMap& a, const cWorldMap& b) {
    EXPECT_TRUE(RecordsEqual(a, b));
    ASSERT_EQ(a.m_Chips.size(), b.m_Chips.size());
    for (size_t i = 0; i < a.m_Chips.size(); ++i) EXPECT_TRUE(RecordsEqual(a.m_Chips[i], b.m_Chips[i])) << i;
    EXPECT_EQ(a.m_Grid, b.m_Grid);
    ExpectSameEvents(a.m_Events, b.m_Events);
    ExpectSameEvents(a.m_EventPalette, b.m_EventPalette);
}

cWorldEvent Event(const std::string& name, std::vector<std::pair<int32_t, int32_t>> pages = {{eWorldEventWorld, 0}}) {
    cWorldEvent e;
    e.m_Name = name;
    e.m_Pages.clear();
    for (const auto& p : pages) {
        e.m_Pages.emplace_back();
        e.m_Pages.back().m_Type = p.first;
        e.m_Pages.back().m_WorldNo = p.second;
    }
    return e;
}

// A chip number that names its own cell.
int32_t Mark(int32_t x, int32_t y) { return 1000 * y + x + 1; }

}  // namespace

TEST(WorldMap, FactoryMapSavesToTheLayout) {
    cTempDir dir;
    cWorldMap map;
    ASSERT_TRUE(map.SaveFile("WorldMap.dat"));
    EXPECT_EQ(FactoryWorldMapFile(), dir.Read("WorldMap.dat"));
}

TEST(WorldMap, EveryMemberSurvivesSaveAndReload) {
    cTempDir dir;
    cWorldMap map;
    map.SetSize(33, 20);
    map.m_StartX = 32;
    map.m_StartY = 0;
    map.m_BackColor = 207;
    map.m_UseBackImage = 1;
    map.m_Name = "大陸";
    map.m_BackImage = "bmp\\world.bmp";
    map.m_Chips[9].m_Extra = -4;
    map.m_Chips[9].m_ExtraText = "x";
    map.m_Grid[19 * 64 + 32] = 9;
    cWorldEvent e = Event("城", {{eWorldEventWorld, 3}, {eWorldEventWall, 0}});
    cWorldStageEntry& p = e.m_Pages[0];
    p.m_Graphic = 5;
    p.m_PassUncleared = 1;
    p.m_PlayAfterClear = 1;
    p.m_GameClear = 2;
    p.m_NeedWorld = 2;
    p.m_CondVar = 17;
    p.m_CondValue = -999999;
    p.m_CondCompare = 5;
    p.m_WorldName = "はじまり";
    p.m_StartStage = "data\\stg4\\1.stg4_147";
    map.PutEvent(e, 32, 19);
    map.PutEvent(Event("道", {{eWorldEventRoad, 0}}), 0, 0);
    map.m_EventPalette.push_back(Event("t"));
    map.m_EventPalette.back().m_X = 999;
    ASSERT_TRUE(map.SaveFile("WorldMap.dat"));

    cWorldMap loaded;
    ASSERT_TRUE(loaded.LoadFile("WorldMap.dat"));
    ExpectSameMap(map, loaded);
    ASSERT_TRUE(loaded.SaveFile("again.dat"));
    EXPECT_EQ(dir.Read("WorldMap.dat"), dir.Read("again.dat"));
}

// A resize may change the row pitch; every chip and event must stay at its (x, y).
TEST(WorldMap, SetSizeKeepsChipsAndEventsWhereTheyStand) {
    struct {
        int32_t w0, h0, w1, h1, pitch1;
    } cases[] = {
        {20, 15, 40, 15, 64}, {40, 20, 20, 15, 32}, {32, 15, 31, 30, 32},
        {20, 15, 25, 16, 32}, {200, 150, 20, 15, 32}, {20, 15, 200, 150, 256},
    };
    for (const auto& c : cases) {
        cWorldMap map;
        map.SetSize(c.w0, c.h0);
        for (int32_t y = 0; y < c.h0; ++y)
            for (int32_t x = 0; x < c.w0; ++x) map.m_Grid[y * map.m_Pitch + x] = Mark(x, y);
        const std::vector<std::pair<int32_t, int32_t>> spots = {{0, 0}, {c.w0 - 1, 0}, {0, c.h0 - 1}, {c.w0 - 1, c.h0 - 1}, {c.w1 - 1, c.h1 - 1}};
        for (const auto& s : spots)
            if (s.first < c.w0 && s.second < c.h0) map.PutEvent(Event("e"), s.first, s.second);

        map.SetSize(c.w1, c.h1);
        SCOPED_TRACE(testing::Message() << c.w0 << "x" << c.h0 << " -> " << c.w1 << "x" << c.h1);
        EXPECT_EQ(c.pitch1, map.m_Pitch);
        EXPECT_EQ(1 << map.m_PitchBits, map.m_Pitch);
        ASSERT_EQ(static_cast<size_t>(c.pitch1 * c.h1), map.m_Grid.size());
        for (int32_t y = 0; y < c.h1; ++y)
            for (int32_t x = 0; x < c.w1; ++x) {
                int32_t expected = x < c.w0 && y < c.h0 ? Mark(x, y) : 0;
                ASSERT_EQ(expected, map.m_Grid[y * map.m_Pitch + x]) << x << "," << y;
            }
        for (const auto& s : spots) {
            bool placed = s.first < c.w0 && s.second < c.h0;
            bool inside = s.first < c.w1 && s.second < c.h1;
            EXPECT_EQ(placed && inside, map.HasEventAt(s.first, s.second)) << s.first << "," << s.second;
        }
        for (const cWorldEvent& e : map.m_Events) EXPECT_TRUE(e.m_X < c.w1 && e.m_Y < c.h1);
    }
}

TEST(WorldMap, NarrowingAndWideningWithinOnePitchLosesNoChips) {
    cWorldMap map;
    map.SetSize(30, 15);
    map.m_Grid[3 * 32 + 29] = 7;
    map.SetSize(20, 15);
    map.SetSize(30, 15);
    EXPECT_EQ(7, map.m_Grid[3 * 32 + 29]);
}

TEST(WorldMap, SavingBringsTheMapIntoShape) {
    cTempDir dir;
    cWorldMap map;
    map.SetSize(25, 15);
    map.m_StartX = 30;
    map.m_StartY = 20;
    map.PutEvent(Event("in"), 24, 14);
    map.m_Events.push_back(Event("out"));
    map.m_Events.back().m_X = 25;
    map.m_Events.push_back(Event("negative"));
    map.m_Events.back().m_Y = -1;
    map.m_EventPalette.push_back(Event("template"));
    map.m_EventPalette.back().m_X = 100;
    ASSERT_TRUE(map.SaveFile("WorldMap.dat"));
    EXPECT_EQ(24, map.m_StartX);
    EXPECT_EQ(14, map.m_StartY);
    ASSERT_EQ(1u, map.m_Events.size());
    EXPECT_EQ("in", map.m_Events[0].m_Name);
    EXPECT_EQ(2u, map.m_EventPalette.size());

    cWorldMap loaded;
    ASSERT_TRUE(loaded.LoadFile("WorldMap.dat"));
    EXPECT_EQ(24, loaded.m_StartX);
    EXPECT_EQ(14, loaded.m_StartY);
    EXPECT_EQ(1u, loaded.m_Events.size());
}

// The grid is read by the stored pitch, so size, pitch and grid length must agree.
TEST(WorldMap, InconsistentFilesAreRefusedAndLeaveTheMap) {
    cTempDir dir;
    const std::string good = FactoryWorldMapFile();
    auto with = [&good](size_t offset, int32_t value) {
        std::string bytes = good;
        std::string v = cBytes().I32(value).Get();
        bytes.replace(offset, 4, v);
        return bytes;
    };
    // Offsets: width 8, height 12, pitch 16, pitch bits 20; the grid count follows the chips.
    const size_t gridCount = FactoryHead().size();
    const std::vector<std::string> bad = {
        with(8, 0),          with(8, -20),         with(8, 201),     with(12, 0),  with(12, 151),
        with(16, 64),        with(20, 6),          with(8, 32),       // width 32 needs pitch 64
        with(gridCount, 479), with(gridCount, 481), good.substr(0, good.size() - 1),
    };
    cWorldMap map;
    map.SetSize(21, 16);
    map.m_Grid[5] = 3;
    const cWorldMap before = map;
    for (size_t i = 0; i < bad.size(); ++i) {
        dir.Write("bad.dat", bad[i]);
        EXPECT_FALSE(map.LoadFile("bad.dat")) << i;
    }
    ExpectSameMap(before, map);
    dir.Write("good.dat", good);
    EXPECT_TRUE(map.LoadFile("good.dat"));
}

TEST(WorldMap, EventOperations) {
    cWorldMap map;
    map.m_Events.push_back(Event("a"));
    map.m_Events.push_back(Event("b"));
    for (cWorldEvent& e : map.m_Events) e.m_X = 3, e.m_Y = 4;
    map.PutEvent(Event("c"), 3, 4);
    ASSERT_EQ(1u, map.m_Events.size());
    ASSERT_NE(nullptr, map.FindEvent(3, 4));
    EXPECT_EQ("c", map.FindEvent(cPoint{3, 4})->m_Name);
    EXPECT_EQ(nullptr, map.FindEvent(4, 3));

    map.PutEvent(Event("d"), 5, 5);
    EXPECT_TRUE(map.RemoveEventsAt(3, 4));
    EXPECT_FALSE(map.RemoveEventsAt(3, 4));
    EXPECT_FALSE(map.HasEventAt(3, 4));

    const cWorldEvent copy = map.m_Events[0];
    EXPECT_FALSE(map.RemoveEvent(&copy));  // by identity, not by value
    EXPECT_TRUE(map.RemoveEvent(&map.m_Events[0]));
    EXPECT_TRUE(map.m_Events.empty());
}

TEST(WorldMap, WorldNumbersFillTheFirstGap) {
    cWorldMap map;
    map.PutEvent(Event("1", {{eWorldEventWorld, 1}, {eWorldEventRoad, 3}}), 0, 0);
    map.PutEvent(Event("2", {{eWorldEventWorld, 2}}), 1, 0);
    map.PutEvent(Event("4", {{eWorldEventWorld, 4}}), 2, 0);
    EXPECT_EQ(3, map.NextWorldNumber(nullptr));
    EXPECT_EQ(1, map.NextWorldNumber(&map.m_Events[0]));

    cWorldEvent fresh = Event("new", {{eWorldEventWorld, 0}, {eWorldEventWall, 0}, {eWorldEventWorld, 7}});
    map.NumberEntries(fresh, nullptr);
    EXPECT_EQ(3, fresh.m_Pages[0].m_WorldNo);
    EXPECT_EQ(0, fresh.m_Pages[1].m_WorldNo);
    EXPECT_EQ(3, fresh.m_Pages[2].m_WorldNo);

    cWorldEvent all = Event("all", {});
    for (int32_t n = 1; n <= cWorldMap::kMaxWorldNo; ++n) {
        all.m_Pages.emplace_back();
        all.m_Pages.back().m_WorldNo = n;
    }
    map.m_Events.clear();
    map.PutEvent(all, 0, 0);
    EXPECT_EQ(0, map.NextWorldNumber(nullptr));
}
