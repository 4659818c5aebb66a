#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "data/ProjectData.h"
#include "data/Stage.h"
#include "data/WorldMap.h"
#include "framework/ErrorLog.h"
#include "game/core/WorldMapScene.h"
#include "game/data/StageLoad.h"
#include "game/data/StorySave.h"
#include "tests/game/core/MenuDriver.h"
#include "tests/support/BoxAnswers.h"
#include "tests/support/CloseCounter.h"
#include "tests/support/TempDir.h"

namespace {

const int kWalkable = 5, kBlocking = 0;

cWorldStageEntry Page(int type, int worldNo, const char* path = "", int passUncleared = 0) {
    cWorldStageEntry page;
    page.m_Type = type;
    page.m_WorldNo = worldNo;
    page.m_StartStage = path;
    page.m_PassUncleared = passUncleared;
    return page;
}

void PutEvent(int x, int y, const std::vector<cWorldStageEntry>& pages) {
    cWorldEvent event;
    event.m_Pages.assign(pages.begin(), pages.end());
    ProjectWorldMap().PutEvent(event, x, y);
}

void PutChip(int x, int y, int chip) {
    cWorldMap& map = ProjectWorldMap();
    map.m_Grid.At(y * map.m_Pitch + x) = chip;
}

// A stage with its player, as the editor saves it.
void WriteStage(const char* path) {
    cEdStage stage;
    cEdChara chara;
    chara.m_Graphic = 1;
    chara.m_Control = 0;
    stage.PutCharaAt(1, 1, chara);
    ASSERT_TRUE(stage.SaveFile(path));
}

// The world map run headless on a 12 x 8 map of walkable chips with the story standing on its
// start; the project, the story, the stage and the scenes are given back afterwards.
class WorldMap : public testing::Test {
protected:
    WorldMap()
        : m_System(ProjectSystemData()), m_Map(ProjectWorldMap()), m_Story(StoryState()), m_Stage(ProjectStage()) {}
    void SetUp() override {
        cWorldMap& map = ProjectWorldMap();
        map.Init();
        map.SetSize(12, 8);
        for (int32_t& chip : map.m_Grid) chip = kWalkable;
        map.m_StartX = 5;
        map.m_StartY = 3;
        cStorySave& story = StoryState();
        story.Reset();
        story.m_WorldX = 5;
        story.m_WorldY = 3;
        ProjectSystemData().m_RankingSettings.At(0).m_On = 0;
        SetMainWindow(m_Main.Wnd());
        InstallWorldMap();
        SceneManager().m_nScene = eSceneWorldMap;
    }
    void TearDown() override {
        ResetMenuScenes();
        SetMainWindow(nullptr);
        ProjectSystemData() = m_System;
        ProjectWorldMap() = m_Map;
        StoryState() = m_Story;
        ProjectStage() = m_Stage;
    }
    cWorldMapScene* Map() { return static_cast<cWorldMapScene*>(SceneManager().Scene(eSceneWorldMap)); }
    // The scene's first frame (Init and the fade-in), then the keys.
    void Start(const std::vector<cKey>& keys = {}) {
        RunMenuFrame(0, 0);
        PressMenuKeys(keys);
    }
    void ExpectAt(int column, int row, const char* name) {
        ASSERT_NE(nullptr, Map()) << name;
        EXPECT_EQ(column, Map()->Column()) << name;
        EXPECT_EQ(row, Map()->Row()) << name;
    }

    cTempDir m_Dir;
    cCloseCounter m_Main;
    cSystemData m_System;
    cWorldMap m_Map;
    cStorySave m_Story;
    cEdStage m_Stage;
};

TEST_F(WorldMap, TheActiveEntryIsTheFirstWhoseConditionsHold) {
    enum { eNone = -1 };
    struct {
        const char* name;
        int needWorld;
        int var;
        int compare;
        int value;   // the entry's value; the story variable holds 5
        int chosen;  // page 0 or none (page 1 always matches)
    } cases[] = {
        {"no conditions", 0, 0, 0, 0, 0},
        {"needs a stage not cleared", 3, 0, 0, 0, 1},
        {"needs a cleared stage", 2, 0, 0, 0, 0},
        {"equal", 0, 7, 0, 5, 0},
        {"equal, not met", 0, 7, 0, 4, 1},
        {"not equal", 0, 7, 1, 4, 0},
        {"at least", 0, 7, 2, 5, 0},
        {"at most", 0, 7, 3, 4, 1},
        {"above", 0, 7, 4, 4, 0},
        {"below", 0, 7, 5, 5, 1},
        {"an unknown comparison never matches", 0, 7, 6, 5, 1},
        {"a stage number past the clear flags is not cleared", 5000, 0, 0, 0, 1},
        {"a variable past the story's reads 0", 0, 9999, 0, 0, 0},
        {"a negative variable index reads 0", 0, -3, 1, 0, 1},
    };
    cStorySave& story = StoryState();
    story.SetClearFlag(2, 1);
    story.SetVariable(7, 5);
    for (const auto& c : cases) {
        cWorldEvent event;
        cWorldStageEntry first = Page(eWorldEventWorld, 1);
        first.m_NeedWorld = c.needWorld;
        first.m_CondVar = c.var;
        first.m_CondCompare = c.compare;
        first.m_CondValue = c.value;
        event.m_Pages.assign({first, Page(eWorldEventRoad, 0)});
        const cWorldStageEntry* chosen = SelectWorldEntry(&event, story);
        ASSERT_NE(nullptr, chosen) << c.name;
        EXPECT_EQ(c.chosen, WorldEntryIndex(&event, chosen)) << c.name;
    }
    cWorldEvent empty;
    empty.m_Pages.clear();
    EXPECT_EQ(nullptr, SelectWorldEntry(&empty, story));
    EXPECT_EQ(nullptr, SelectWorldEntry(nullptr, story));
    EXPECT_EQ(-1, WorldEntryIndex(&empty, nullptr));
}

TEST_F(WorldMap, ChipsOfTheGridAreFoundWithinTheMapAndItsChipTable) {
    PutChip(3, 2, kBlocking);
    PutChip(4, 2, 77);  // no such chip
    PutChip(5, 2, -1);
    const cWorldMap& map = ProjectWorldMap();
    struct {
        int x, y;
        const cWorldRec2* chip;
    } cases[] = {
        {3, 2, &map.m_Chips[kBlocking]}, {0, 0, &map.m_Chips[kWalkable]}, {4, 2, nullptr},
        {5, 2, nullptr},                 {-4, -9, &map.m_Chips[kWalkable]}, {3, 99, &map.m_Chips[kWalkable]},
    };
    for (const auto& c : cases) EXPECT_EQ(c.chip, WorldChipAt(map, c.x, c.y)) << c.x << "," << c.y;
    cWorldMap bare;
    bare.m_Grid.clear();
    EXPECT_EQ(nullptr, WorldChipAt(bare, 0, 0));
}

TEST_F(WorldMap, ThePlayerWalksACellAPressAndBlockedCellsStopHim) {
    PutChip(5, 2, kBlocking);
    PutChip(4, 3, kBlocking);
    PutEvent(4, 3, {Page(eWorldEventRoad, 0)});  // a road over a blocking chip
    PutEvent(6, 3, {Page(eWorldEventWall, 0)});  // a wall over a walkable one
    PutChip(2, 5, 77);                           // a chip the table lacks blocks nothing
    struct {
        const char* name;
        std::vector<cKey> keys;
        int column, row, facing, viewX, viewY;
    } cases[] = {
        {"nothing pressed", {}, 5, 3, cWorldMapScene::eFaceDown, -4, -4},
        {"a blocking chip", {{U, 0}}, 5, 3, cWorldMapScene::eFaceUp, -4, -4},
        {"a wall event", {{R, 0}}, 5, 3, cWorldMapScene::eFaceRight, -4, -4},
        {"a road event makes a blocking chip walkable", {{L, 0}}, 4, 3, cWorldMapScene::eFaceLeft, -5, -4},
        {"the left edge holds", {{L, 0}, {L, 0}, {L, 0}, {L, 0}, {L, 0}, {L, 0}}, 0, 3, cWorldMapScene::eFaceLeft, -9,
         -4},
        {"the bottom edge holds", {{D, 0}, {D, 0}, {D, 0}, {D, 0}, {D, 0}}, 5, 7, cWorldMapScene::eFaceDown, -4, 0},
        {"one direction a frame, left first", {{L | R | U, 0}}, 4, 3, cWorldMapScene::eFaceLeft, -5, -4},
        {"an unknown chip", {{D, 0}, {D, 0}, {L, 0}, {L, 0}, {L, 0}}, 2, 5, cWorldMapScene::eFaceLeft, -7, -2},
    };
    for (const auto& c : cases) {
        Start(c.keys);
        ExpectAt(c.column, c.row, c.name);
        EXPECT_EQ(c.facing, Map()->Facing()) << c.name;
        EXPECT_EQ(c.viewX, Map()->ViewColumn()) << c.name;
        EXPECT_EQ(c.viewY, Map()->ViewRow()) << c.name;
        EXPECT_EQ(cWorldMapScene::eMap, Map()->State()) << c.name;
        ResetMenuScenes();
        InstallWorldMap();
        SceneManager().m_nScene = eSceneWorldMap;
    }
}

TEST_F(WorldMap, AStageThatMustBePlayedIsOfferedAndNoStepsBack) {
    WriteStage("s1.stg4_147");
    PutEvent(6, 3, {Page(eWorldEventWorld, 1, "s1.stg4")});
    // Stepping on it opens the box at once, on its second line.
    Start({{R, 0}});
    ASSERT_EQ(cWorldMapScene::eConfirm, Map()->State());
    EXPECT_EQ(6, StoryState().m_WorldX);
    EXPECT_EQ(1, MenuCursor().Current()->nRow);
    struct {
        const char* name;
        std::vector<cKey> keys;
    } leaving[] = {
        {"the second line", {{0, kDecide}}},
        {"cancel", {{0, kCancel}}},
        {"the first line and back down", {{U, 0}, {D, 0}, {0, kDecide}}},
    };
    for (const auto& c : leaving) {
        PressMenuKeys(c.keys);
        ExpectAt(5, 3, c.name);
        EXPECT_EQ(cWorldMapScene::eMap, Map()->State()) << c.name;
        EXPECT_EQ(eSceneWorldMap, SceneManager().m_nScene) << c.name;
        PressMenuKeys({{R, 0}});
        ASSERT_EQ(cWorldMapScene::eConfirm, Map()->State()) << c.name;
    }
    // The first line plays it.
    StoryState().m_StartCount = 3;
    PressMenuKeys({{U, 0}, {0, kDecide}});
    EXPECT_EQ(eScenePlay, SceneManager().m_nScene);
    EXPECT_EQ(eSceneWorldMap, SceneManager().m_nPrevScene);
    const cStorySave& story = StoryState();
    EXPECT_EQ(1, story.m_StageNumber);
    EXPECT_EQ(1, story.m_StageActive);
    EXPECT_EQ("s1.", story.m_StageFile);
    EXPECT_EQ(0, story.m_WorldEntry);
    EXPECT_EQ(6, story.m_WorldX);
    EXPECT_EQ(3, story.m_WorldY);
    EXPECT_EQ(3, story.m_StartCount);  // the count is kept by the project's setting
    EXPECT_EQ("s1.stg4_147", CurrentStagePath());
}

TEST_F(WorldMap, DecideOffersOnlyStagesThatCanBePlayed) {
    WriteStage("s1.stg4_147");
    struct {
        const char* name;
        int passUncleared;
        int cleared;
        int playAfterClear;
        int state;  // after stepping on and pressing decide
    } cases[] = {
        {"open and not cleared", 1, 0, 0, cWorldMapScene::eConfirm},
        {"cleared", 0, 1, 0, cWorldMapScene::eMap},
        {"cleared and playable again", 0, 1, 1, cWorldMapScene::eConfirm},
    };
    for (const auto& c : cases) {
        cWorldStageEntry page = Page(eWorldEventWorld, 4, "s1.stg4", c.passUncleared);
        page.m_PlayAfterClear = c.playAfterClear;
        PutEvent(6, 3, {page});
        StoryState().SetClearFlag(4, c.cleared);
        Start({{R, 0}});
        ASSERT_EQ(cWorldMapScene::eMap, Map()->State()) << c.name;
        ExpectAt(6, 3, c.name);
        PressMenuKeys({{0, kDecide}});
        EXPECT_EQ(c.state, Map()->State()) << c.name;
        ResetMenuScenes();
        InstallWorldMap();
        SceneManager().m_nScene = eSceneWorldMap;
        StoryState().m_WorldX = 5;
    }
}

TEST_F(WorldMap, AStageFileThatIsMissingSaysSoAndThePlayerWalksOn) {
    cBoxAnswers boxes;
    PutEvent(6, 3, {Page(eWorldEventWorld, 1, "data\\stg4\\gone.stg4")});
    PutEvent(5, 4, {Page(eWorldEventWorld, 2, "data\\stg4\\gone.stg4", 1)});
    // Must be played: the first line leaves the box as the second does, a step back.
    Start({{R, 0}});
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("ステージファイル data\\stg4\\gone.stg4 が読み込めません！", boxes.Shown()[0].text);
    PressMenuKeys({{U, 0}, {0, kDecide}});
    ExpectAt(5, 3, "must be played");
    EXPECT_EQ(eSceneWorldMap, SceneManager().m_nScene);
    // Open to pass: the player stays on it and walks on.
    PressMenuKeys({{D, 0}, {0, kDecide}, {U, 0}, {0, kDecide}});
    EXPECT_EQ(2u, boxes.Shown().size());
    ExpectAt(5, 4, "open to pass");
    PressMenuKeys({{L, 0}});
    ExpectAt(4, 4, "open to pass");
    EXPECT_EQ(0, m_Main.Closes());
}

TEST_F(WorldMap, StandingOnAStageNotClearedPlaysItAtOnceOrStaysWhenItCannot) {
    cBoxAnswers boxes;
    WriteStage("s1.stg4_147");
    PutEvent(5, 3, {Page(eWorldEventWorld, 1, "s1.stg4")});
    Start();
    EXPECT_EQ(eScenePlay, SceneManager().m_nScene);
    EXPECT_EQ(1, StoryState().m_StageNumber);
    EXPECT_TRUE(boxes.Shown().empty());

    // A file that is gone: the game goes on and the offer waits until the player walks off.
    ResetMenuScenes();
    InstallWorldMap();
    SceneManager().m_nScene = eSceneWorldMap;
    PutEvent(5, 3, {Page(eWorldEventWorld, 1, "gone.stg4")});
    Start({{0, 0}, {0, 0}});
    EXPECT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ(cWorldMapScene::eMap, Map()->State());
    EXPECT_EQ(0, m_Main.Closes());
    PressMenuKeys({{L, 0}});
    ExpectAt(4, 3, "walked off");
    // Back on it, the offer comes again.
    PressMenuKeys({{R, 0}});
    EXPECT_EQ(cWorldMapScene::eConfirm, Map()->State());
    EXPECT_EQ(2u, boxes.Shown().size());
}

TEST_F(WorldMap, CancelOpensTheMenuFromWhereThePlayerStands) {
    Start({{L, 0}, {0, kCancel}});
    EXPECT_EQ(eSceneSaveSlots, SceneManager().m_nScene);
    EXPECT_EQ(eSceneWorldMap, SceneManager().m_nPrevScene);
    EXPECT_EQ(4, StoryState().m_WorldX);
    EXPECT_EQ(3, StoryState().m_WorldY);
}

TEST_F(WorldMap, AStageShowsItsBestAndTheRankingKeysWork) {
    PutEvent(6, 3, {Page(eWorldEventWorld, 1, "data\\stg4\\s1.stg4", 1)});
    cStorySave& story = StoryState();
    story.RecordStageBest("data\\stg4\\s1.", 120);
    cSystemData& system = ProjectSystemData();
    system.m_RankingSettings.At(0).m_On = 1;
    system.m_RankingSettings.At(0).m_Shown.assign({1, 0, 1});
    SceneManager().m_bRankingOn = 1;
    Start({{R, 0}});
    EXPECT_EQ(120, Map()->ShownScore());
    EXPECT_EQ("data\\stg4\\s1.", story.m_StageFile);
    EXPECT_EQ(0, story.m_MapSceneValue);
    PressMenuKeys({{0, kButtonDecide << 2}});
    EXPECT_EQ(1, story.m_MapSceneValue);
    PressMenuKeys({{0, kButtonDecide << 3}});
    EXPECT_EQ(2, story.m_ShownRankKind);
    PressMenuKeys({{0, kButtonDecide << 3}});
    EXPECT_EQ(0, story.m_ShownRankKind);
    // Off the stage the buttons do nothing.
    PressMenuKeys({{L, 0}, {0, kButtonDecide << 2}});
    EXPECT_EQ(1, story.m_MapSceneValue);
}

TEST_F(WorldMap, APositionOutsideTheMapStartsAtItsStart) {
    StoryState().m_WorldX = 400;
    StoryState().m_WorldY = -2;
    Start();
    ExpectAt(5, 3, "outside");
}

}  // namespace
