#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "game/play/PlayScene.h"
#include "tests/game/play/PlayFixture.h"
#include "tests/support/TempDir.h"

namespace {

// The dot that falls in map cell (stage cell + 10).
double Dot(int stageCell) { return (stageCell + 10) * 32; }

std::vector<int> Graphics(const cPlayScene& scene) {
    std::vector<int> graphics;
    for (const cBlockCell& cell : scene.m_MapCells) graphics.push_back(cell.block.m_Graphic);
    return graphics;
}

}  // namespace

class ChangeBlock : public PlayFixture {
protected:
    // Stage cell (5, 5) holds a solid block, (6, 5) one that refuses changes; (7, 5) is empty.
    void SetUp() override {
        cEdStage stage = Stage();
        cEdBlock solid = Block(3);
        solid.m_BlockType = 1;
        stage.m_Blocks.Put(stage.CellIndex(5, 5), solid);
        cEdBlock fixed = Block(4);
        fixed.m_NoSummon = 1;
        stage.m_Blocks.Put(stage.CellIndex(6, 5), fixed);
        ProjectStage() = stage;
        m_Placed = Block(9);
        m_Placed.m_BlockType = 1;
    }
    cBlockCell& Cell(cPlayScene& scene, int column, int row) {
        return scene.m_MapCells[scene.CellIndex(column + 10, row + 10)];
    }
    // A live chara whose box covers stage cell (column, row).
    void StandIn(cPlayScene& scene, int column, int row) {
        cCharaActor chara;
        chara.Setup(50, Enemy(), nullptr, 0, 0, 0);
        chara.PlaceAtCell(column, row);
        chara.m_Present = 1;
        scene.m_Charas.push_back(chara);
    }

    cEdBlock m_Placed;
};

TEST_F(ChangeBlock, EachModeOnEachKindOfCell) {
    const struct {
        const char* name;
        int mode, column;
        bool restore, occupied;
        int result, graphic, state;
    } cases[] = {
        {"mode 0, empty cell", 0, 7, false, false, 1, 9, 0},
        {"mode 0, placed block", 0, 5, false, false, 1, 9, 0},
        {"mode 1 empties", 1, 5, false, false, 1, 0, 0},
        {"mode 2, placed block empties", 2, 5, false, false, 1, 0, 0},
        {"mode 2, empty cell fills", 2, 7, false, false, 1, 9, 0},
        {"refusing block", 0, 6, false, false, 0, 4, 1},
        {"unknown mode", 3, 5, false, false, 0, 3, 1},
        {"occupied, no restore", 0, 7, false, true, 1, 9, 0},
        {"occupied, restored", 0, 7, true, true, 0, 0, 1},
        {"mode 2, occupied, restored", 2, 7, true, true, 0, 0, 1},
        {"restore flag, nobody there", 0, 7, true, false, 1, 9, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cPlayScene scene;
        ASSERT_TRUE(scene.SetStage(ProjectStage()));
        Cell(scene, c.column, 5).state = 1;
        if (c.occupied) StandIn(scene, c.column, 5);
        cEdShot shot;
        shot.m_SummonType = static_cast<uint8_t>(c.mode);
        shot.m_FailIfOccupied = c.restore ? 1 : 0;
        EXPECT_EQ(c.result, scene.ChangeBlockAt(Dot(c.column), Dot(5), nullptr, shot, m_Placed));
        EXPECT_EQ(c.graphic, Cell(scene, c.column, 5).block.m_Graphic);
        EXPECT_EQ(c.state, Cell(scene, c.column, 5).state);
        const size_t listed = c.mode == 2 && c.result == 1 ? 1u : 0u;
        EXPECT_EQ(listed, scene.m_ChangedCells.size());
    }
}

TEST_F(ChangeBlock, ModeTwoChangesACellOnceUnlessItWasTakenBack) {
    cPlayScene scene;
    ASSERT_TRUE(scene.SetStage(ProjectStage()));
    cEdShot shot;
    shot.m_SummonType = 2;
    shot.m_FailIfOccupied = 1;
    EXPECT_EQ(1, scene.ChangeBlockAt(Dot(5), Dot(5), nullptr, shot, m_Placed));
    EXPECT_EQ(0, scene.ChangeBlockAt(Dot(5), Dot(5), nullptr, shot, m_Placed));
    EXPECT_EQ(0, Cell(scene, 5, 5).block.m_Graphic);

    StandIn(scene, 7, 5);
    EXPECT_EQ(0, scene.ChangeBlockAt(Dot(7), Dot(5), nullptr, shot, m_Placed));
    scene.m_Charas.clear();
    EXPECT_EQ(1, scene.ChangeBlockAt(Dot(7), Dot(5), nullptr, shot, m_Placed));
    EXPECT_EQ(9, Cell(scene, 7, 5).block.m_Graphic);
    EXPECT_EQ(2u, scene.m_ChangedCells.size());
}

// A point falls in the cell of ((x + 16.5) truncated) >> 5 (so down to -17.5 in cell 0); points
// off the map change nothing.
TEST_F(ChangeBlock, ThePointsCellAndPointsOffTheMap) {
    cPlayScene scene;
    ASSERT_TRUE(scene.SetStage(ProjectStage()));
    cEdShot shot;
    ASSERT_EQ(1, scene.ChangeBlockAt(15.4, 100, nullptr, shot, m_Placed));
    EXPECT_EQ(9, scene.m_MapCells[scene.CellIndex(0, 3)].block.m_Graphic);
    ASSERT_EQ(1, scene.ChangeBlockAt(15.5, 100, nullptr, shot, m_Placed));
    EXPECT_EQ(9, scene.m_MapCells[scene.CellIndex(1, 3)].block.m_Graphic);

    const std::vector<int> before = Graphics(scene);
    const double off[][2] = {{-49, 100}, {-1e9, 100}, {100, -49}, {1e9, 100}, {100, 1e9},
                             {Dot(scene.m_ScrollX.m_Cells - 10), 100}};
    for (const auto& point : off) {
        SCOPED_TRACE(testing::Message() << point[0] << ", " << point[1]);
        EXPECT_EQ(0, scene.ChangeBlockAt(point[0], point[1], nullptr, shot, m_Placed));
    }
    EXPECT_EQ(before, Graphics(scene));
}

// A copied cell is a block of its own: its registry writes the copy's members, and the state
// byte goes with the cell, not with the block assigned to it.
TEST_F(ChangeBlock, CopiedCellsKeepTheirOwnMembers) {
    cTempDir dir;
    std::vector<cBlockCell> cells(1);
    cells[0].block = Block(5);
    cells[0].state = 1;
    cBlockCell copy = cells[0];
    EXPECT_EQ(1, copy.state);
    copy.block.m_Graphic = 7;
    cells.resize(100);  // the cells move
    cells[0].block.m_Graphic = 6;

    ASSERT_TRUE(copy.block.SaveFile("copy.dat"));
    ASSERT_TRUE(cells[0].block.SaveFile("moved.dat"));
    cEdBlock loaded;
    ASSERT_TRUE(loaded.LoadFile("copy.dat"));
    EXPECT_EQ(7, loaded.m_Graphic);
    ASSERT_TRUE(loaded.LoadFile("moved.dat"));
    EXPECT_EQ(6, loaded.m_Graphic);

    copy.block = Block(8);
    EXPECT_EQ(1, copy.state);
}
