#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/CommonPalette.h"
#include "data/Paths.h"
#include "game/data/StageLoad.h"
#include "game/play/PlayScene.h"
#include "tests/factory/ProjectFolder.h"
#include "tests/game/play/PlayFixture.h"
#include "tests/support/TempDir.h"

namespace {

// Where a placed chara's copy 0 stands: its cell in the map (border included), the 8 x 2 dots
// its box stands in from the picture's corner, the half dot of the placement and its offset.
double CharaX(const cEdChara& c) { return (c.m_Extra1 + 10) * 32 + 8 + 0.5 + c.CopyOffsetX(0, c.m_FaceRight); }
double CharaY(const cEdChara& c) { return (c.m_Extra2 + 10) * 32 + 2 + c.CopyOffsetY(0, c.m_FaceRight); }

std::vector<int> Ids(const cCharaList& list) {
    std::vector<int> ids;
    for (const cCharaActor& chara : list) ids.push_back(chara.m_Number);
    return ids;
}

std::vector<double> Xs(const cCharaList& list) {
    std::vector<double> xs;
    for (const cCharaActor& chara : list) xs.push_back(chara.m_X);
    return xs;
}

}  // namespace

class StageBuild : public PlayFixture {};

TEST_F(StageBuild, TheFactoryStageBuildsOneObjectPerPlacedCell) {
    cFolderGuard folder;
    ASSERT_TRUE(EnterProjectFolder());
    ASSERT_TRUE(ProjectCommonPalette().LoadFile("default\\CommonPalette.cplt4"));
    ASSERT_EQ(1, LoadStageAndStart("default\\stg4\\Default.stg4", 1));
    const cEdStage& stage = ProjectStage();
    cPlayScene scene;
    ASSERT_TRUE(scene.SetStage(stage));

    // Map: every placed block in its cell, 10 cells in from the border, nothing else.
    EXPECT_EQ(stage.m_Width + 20, scene.m_ScrollX.m_Cells);
    size_t blocks = 0;
    for (const cBlockCell& cell : scene.m_MapCells) blocks += cell.block.m_Graphic != 0;
    EXPECT_EQ(stage.m_Blocks.size(), blocks);
    for (const auto& placed : stage.m_Blocks)
        EXPECT_EQ(placed.second.m_Graphic,
                  scene.m_MapCells[scene.CellIndex(placed.second.m_Extra1 + 10, placed.second.m_Extra2 + 10)].block.m_Graphic);

    // The player takes id 0 and stands in the middle of its cell (the hero at column 2, row 12).
    ASSERT_EQ(1u, scene.m_Players.size());
    EXPECT_EQ(0, scene.m_Players[0].m_Number);
    const cPlayerActor& player = scene.m_Players[0];
    EXPECT_EQ(((2 + 10) << 5) | 16, player.m_X + player.m_Width / 2);
    EXPECT_EQ(((12 + 10) << 5) | 16, player.m_Y + player.m_Height / 2);

    // Charas: the four enemies, ids 1 to 4 in the stage's order, each on its cell.
    std::vector<const cEdChara*> enemies;
    for (const auto& placed : stage.m_Charas)
        if (placed.second.m_Control == 1) enemies.push_back(&placed.second);
    ASSERT_EQ(4u, enemies.size());
    ASSERT_EQ(enemies.size(), scene.m_Charas.size());
    EXPECT_EQ((std::vector<int>{1, 2, 3, 4}), Ids(scene.m_Charas));
    size_t i = 0;
    for (const cCharaActor& chara : scene.m_Charas) {
        EXPECT_EQ(CharaX(*enemies[i]), chara.m_X) << i;
        EXPECT_EQ(CharaY(*enemies[i]), chara.m_Y) << i;
        EXPECT_EQ(enemies[i]->m_Graphic, chara.m_Chara.m_Graphic);
        ++i;
    }
    // Every enemy is of force 0, the second collision group; the player of none.
    EXPECT_EQ(4u, scene.m_CharaGroups[1].size());
    EXPECT_EQ(1u, scene.m_CharaGroups[0].size());

    // Items: eight, ids 0 to 7, their 18 x 24 box centred in the cell.
    ASSERT_EQ(8u, stage.m_Items.size());
    ASSERT_EQ(8u, scene.m_Items.size());
    auto placed = stage.m_Items.begin();
    int id = 0;
    for (const cItemObj& item : scene.m_Items) {
        const cEdItem& record = placed->second;
        EXPECT_EQ(id++, item.m_Number);
        EXPECT_EQ((record.m_Extra1 + 10) * 32 + 7 + 0.5 + record.m_OffsetX, item.m_X);
        EXPECT_EQ((record.m_Extra2 + 10) * 32 + 4 + record.m_OffsetY, item.m_Y);
        ++placed;
    }
}

// The cell positions the editor writes are the ones the game reads: a stage saved, played and
// saved again (as a replay keeps it) is the same file byte for byte, and each object stands on
// the cell the editor put it in.
TEST_F(StageBuild, PlacedCellsReachTheGameAsTheEditorSavedThem) {
    cTempDir dir;
    cEdStage stage = Stage(40, 20);
    const struct {
        int column, row;
    } cells[] = {{0, 0}, {39, 0}, {0, 19}, {39, 19}, {17, 3}};
    for (const auto& c : cells) {
        stage.m_Blocks.Put(stage.CellIndex(c.column, c.row), Block(3));
        stage.PutCharaAt(c.column, c.row, Enemy());
        cEdItem item;
        item.m_Graphic = 4;
        stage.m_Items.Put(stage.CellIndex(c.column, c.row + (c.row == 19 ? -1 : 1)), item);
    }
    ASSERT_TRUE(stage.SaveFile("s.stg4_147"));
    const std::string saved = dir.Read("s.stg4_147");

    ASSERT_EQ(1, LoadStageAndStart("s.stg4_147", 0));
    ASSERT_TRUE(ProjectStage().SaveFile("again.stg4_147"));
    EXPECT_TRUE(saved == dir.Read("again.stg4_147"));

    cPlayScene scene;
    ASSERT_TRUE(scene.SetStage(ProjectStage()));
    ASSERT_EQ(5u, scene.m_Charas.size());
    auto chara = scene.m_Charas.begin();
    for (const auto& placed : stage.m_Charas) {
        if (placed.second.m_Control != 1) continue;
        EXPECT_EQ((stage.m_Charas.Column(placed.first) + 10) * 32 + 8.5, chara->m_X);
        EXPECT_EQ((stage.m_Charas.Row(placed.first) + 10) * 32 + 2, chara->m_Y);
        ++chara;
    }
    for (const auto& c : cells)
        EXPECT_EQ(3, scene.m_MapCells[scene.CellIndex(c.column + 10, c.row + 10)].block.m_Graphic);
}

// A placed chara makes copies 0 to n; each stands at its own offset, mirrored for a chara facing
// right when its flip flags say so, and only copies inside the map are kept, each taking the
// next id.
TEST_F(StageBuild, CharaCopiesTakeTheirOffsetsAndIds) {
    const double cellX = (5 + 10) * 32 + 8.5, cellY = (5 + 10) * 32 + 2;
    const struct {
        const char* name;
        int clones, baseX, stepX, baseY, stepY, faceRight, flipX, flipY;
        std::vector<double> xs;
        double lastDy;
    } cases[] = {
        {"three copies", 2, 8, 16, 0, 0, 0, 0, 0, {cellX + 8, cellX + 24, cellX + 40}, 0},
        {"facing right, mirrored X", 2, 8, 16, 0, 0, 1, 1, 0, {cellX - 8, cellX - 24, cellX - 40}, 0},
        {"facing right, X kept", 2, 8, 16, 0, 0, 1, 0, 0, {cellX + 8, cellX + 24, cellX + 40}, 0},
        {"facing right, mirrored Y", 1, 0, 0, 4, 32, 1, 0, 1, {cellX, cellX}, -36},
        {"no copies", -1, 0, 0, 0, 0, 0, 0, 0, {}, 0},
        {"first copy off the map", 1, -600, 600, 0, 0, 0, 0, 0, {cellX}, 0},
        {"far copies dropped", 126, 0, 32000, 0, 0, 0, 0, 0, {cellX}, 0},
    };
    ProjectStage() = Stage();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cPlayScene scene;
        ASSERT_TRUE(scene.SetStage(ProjectStage()));
        cEdChara chara = Enemy();
        chara.m_Clones = static_cast<int8_t>(c.clones);
        chara.m_OffsetX = static_cast<int16_t>(c.baseX);
        chara.m_OffsetXClone = static_cast<int16_t>(c.stepX);
        chara.m_OffsetY = static_cast<int16_t>(c.baseY);
        chara.m_OffsetYClone = static_cast<int16_t>(c.stepY);
        chara.m_FaceRight = static_cast<uint8_t>(c.faceRight);
        chara.m_FlipX = static_cast<uint8_t>(c.flipX);
        chara.m_FlipY = static_cast<uint8_t>(c.flipY);
        int32_t counter = 7;
        cCharaList list;
        scene.AddStageChara(list, 5, 5, counter, chara, nullptr);
        EXPECT_EQ(c.xs, Xs(list));
        std::vector<int> ids;
        for (size_t i = 0; i < c.xs.size(); ++i) ids.push_back(7 + static_cast<int>(i));
        EXPECT_EQ(ids, Ids(list));
        EXPECT_EQ(7 + static_cast<int>(c.xs.size()), counter);
        if (!list.empty()) {
            EXPECT_EQ(cellY + c.lastDy, list.back().m_Y);
        }
    }
}

// A chara that holds an item carries it (the item takes its id first); the item of a chara that
// cannot hold one stays on its own cell.
TEST_F(StageBuild, HeldItemsGoWithTheirCharaAndOthersStandAlone) {
    cEdStage stage = Stage();
    cEdItem item;
    item.m_Graphic = 4;
    for (int column : {4, 6, 8}) stage.m_Items.Put(stage.CellIndex(column, 5), item);
    stage.PutCharaAt(4, 5, Enemy());
    stage.PutCharaAt(6, 5, Enemy());
    stage.m_Charas.Find(stage.CellIndex(4, 5))->m_Extra3 = 0;
    stage.m_Charas.Find(stage.CellIndex(6, 5))->m_Extra3 = 1;
    stage.m_Charas.Find(stage.CellIndex(6, 5))->m_Control = 2;  // neither an enemy nor the player
    cPlayScene scene;
    ASSERT_TRUE(scene.SetStage(stage));

    ASSERT_EQ(1u, scene.m_Charas.size());
    const cCharaActor& holder = scene.m_Charas.front();
    EXPECT_EQ(1, holder.m_Number);
    EXPECT_EQ(1, holder.m_HeldItem.m_Held);
    EXPECT_EQ(0, holder.m_HeldItem.m_Number);
    EXPECT_EQ(1, holder.m_HeldItem.m_Present);
    std::vector<int> columns, ids;
    for (const cItemObj& free : scene.m_Items) {
        columns.push_back(static_cast<int>(free.m_X) / 32 - 10);
        ids.push_back(free.m_Number);
    }
    EXPECT_EQ((std::vector<int>{6, 8}), columns);
    EXPECT_EQ((std::vector<int>{1, 2}), ids);
}

// Summons at a point in dots: kept only inside the map, never inside a solid block.
TEST_F(StageBuild, SummonsStayInsideTheMapAndOutOfBlocks) {
    cEdStage stage = Stage();
    cEdBlock wall = Block(3);
    wall.m_BlockType = 1;
    stage.m_Blocks.Put(stage.CellIndex(10, 10), wall);
    ProjectStage() = stage;
    cPlayScene scene;
    ASSERT_TRUE(scene.SetStage(ProjectStage()));
    cEdShot shot;
    // The summons' existence time is the shot record's range; its own lifetime is a shot's.
    shot.m_UseRange = 1;
    shot.m_Range = 5;
    shot.m_UseLife = 1;
    shot.m_Life = 7;
    shot.m_ZeroScore = 1;
    cEdChara chara = Enemy();
    chara.m_Score = 100;
    const struct {
        const char* name;
        double x, y;
        bool kept;
    } cases[] = {
        {"open ground", 13 * 32, 13 * 32, true},
        {"in the wall", 20 * 32 + 4, 20 * 32 + 4, false},
        {"left of the map", -2000, 13 * 32, false},
        {"below the map", 13 * 32, 1e6, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cCharaList list;
        cItemList items;
        int32_t counter = 3, itemCounter = 3;
        const size_t grouped = scene.m_CharaGroups[2].size();
        scene.SpawnChara(list, c.x, c.y, 2, 1, nullptr, shot, chara, counter);
        cEdItem item;
        item.m_Graphic = 1;
        scene.SpawnItem(items, c.x, c.y, nullptr, shot, item, itemCounter);
        EXPECT_EQ(c.kept ? 1u : 0u, list.size());
        EXPECT_EQ(c.kept ? 4 : 3, counter);
        EXPECT_EQ(grouped + (c.kept ? 1 : 0), scene.m_CharaGroups[2].size());
        if (!c.kept) continue;
        const cCharaActor& summoned = list.front();
        EXPECT_EQ(c.x + 8, summoned.m_X);
        EXPECT_EQ(1, summoned.m_Facing);
        EXPECT_EQ(0, summoned.m_Chara.m_Score);
        EXPECT_EQ(5 * scene.SubSteps() * 6, summoned.m_Counter);
        ASSERT_EQ(1u, items.size());
        EXPECT_EQ(5 * scene.SubSteps() * 6, items.front().m_Counter);
        EXPECT_EQ(4, itemCounter);
    }
}
