// The sample game beside the factory project: its world map leads along a road to three stage
// squares whose stages are there and playable, and it has one challenge world of two stages.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "data/Paths.h"
#include "data/Stage.h"
#include "data/SystemData.h"
#include "data/WorldMap.h"
#include "framework/Path.h"
#include "tests/factory/ProjectFolder.h"
#include "tests/support/BoxAnswers.h"

namespace {

std::string SampleFile(const std::string& name) { return ProjectFolder("sample") + "\\" + name; }

// A stage of the sample (named as the game names it, under data\) is there and has its player.
void ExpectPlayable(const std::string& dataName) {
    SCOPED_TRACE(dataName);
    std::string found;
    ASSERT_EQ(0u, dataName.find("data\\"));
    ASSERT_TRUE(FindNumberedFile(found, SampleFile("default\\" + dataName.substr(5)).c_str(), g_ExtTable[eExtStage]));
    cEdStage stage;
    ASSERT_TRUE(stage.LoadFile(found.c_str()));
    EXPECT_TRUE(stage.HasHero());
}

bool Walkable(const cWorldMap& map, int x, int y) {
    const cWorldEvent* event = map.FindEvent(x, y);
    if (event && !event->m_Pages.empty()) return event->m_Pages[0].m_Type != eWorldEventWall;
    return map.m_Chips.At(map.m_Grid.At(y * map.m_Pitch + x)).m_Block == 0;
}

}  // namespace

TEST(SampleGame, TheRoadLeadsFromTheStartToThreeStageSquares) {
    cBoxAnswers boxes;
    cWorldMap map;
    ASSERT_TRUE(map.LoadFile(SampleFile(g_PathTable[ePathWorldMapDefault]).c_str()));
    ASSERT_EQ(3u, map.m_Events.size());
    EXPECT_TRUE(Walkable(map, map.m_StartX, map.m_StartY));
    EXPECT_FALSE(Walkable(map, map.m_StartX, map.m_StartY - 1)) << "a blocking chip above the start";
    int lastX = map.m_StartX;
    for (const cWorldEvent& event : map.m_Events) {
        EXPECT_EQ(map.m_StartY, event.m_Y);
        lastX = std::max(lastX, static_cast<int>(event.m_X));
        ASSERT_FALSE(event.m_Pages.empty());
        EXPECT_EQ(eWorldEventWorld, event.m_Pages[0].m_Type);
        ExpectPlayable(event.m_Pages[0].m_StartStage);
    }
    for (int x = map.m_StartX; x < lastX; ++x) EXPECT_TRUE(Walkable(map, x, map.m_StartY)) << x;
    // The last square is a gate until the first stage is cleared.
    const cWorldEvent* last = map.FindEvent(lastX, map.m_StartY);
    ASSERT_EQ(2u, last->m_Pages.size());
    EXPECT_EQ(1, last->m_Pages[0].m_NeedWorld);
    EXPECT_EQ(eWorldEventWall, last->m_Pages[1].m_Type);
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST(SampleGame, OneChallengeWorldOfTwoStages) {
    cBoxAnswers boxes;
    cSystemData system;
    ASSERT_TRUE(system.LoadFile(SampleFile(g_PathTable[ePathSystemDefault]).c_str()));
    EXPECT_EQ(1, system.m_WorldCount);
    EXPECT_EQ(1, system.m_AllWorldsSelectable);
    ExpectPlayable("data\\stg4\\c01-1.stg4");
    ExpectPlayable("data\\stg4\\c01-2.stg4");
    EXPECT_TRUE(boxes.Shown().empty());
}
