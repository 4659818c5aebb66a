#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "game/play/Physics.h"
#include "tests/game/play/CharaFixture.h"

namespace {

// A 16 x 16 box (two samples an edge) with its top-left at (x, y).
template <class tActor>
void Place(tActor& actor, double x, double y, double speedX = 0.0, double speedY = 0.0) {
    actor.m_Width = actor.m_Height = 16;
    actor.FitEdgeSamples();
    actor.m_X = x;
    actor.m_Y = y;
    actor.m_dSpeedX = speedX;
    actor.m_dSpeedY = speedY;
    actor.ClampX(2);
    actor.ClampY(2);
}

}  // namespace

class BlockCollision : public CharaFixture {
protected:
    void Put(int column, int row, int kind, int passGroup = 255) {
        cEdBlock block = Block(1);
        block.m_BlockType = static_cast<uint8_t>(kind);
        block.m_NoHitForce = static_cast<uint8_t>(passGroup);
        m_Scene.m_MapCells[m_Scene.CellIndex(column, row)].Put(block);
    }
    cPlayerActor& Player() { return m_Scene.m_Players[0]; }
    // A walking enemy of force 1 (block group 0) with flows on the side events.
    cCharaActor Enemy() { return Chara({Flow(9), Flow(10)}); }
};

// A killing block kills the player on every side and stops a stage character like a wall; a
// block of the character's pass group or whose conditions fail neither stops nor kills.
TEST_F(BlockCollision, KillingBlocksKillThePlayerAndStopCharacters) {
    const int c = 12, r = 12;
    const struct {
        const char* name;
        double x, y, speedX, speedY;
        int axis;  // 0 across, 1 down
        int side;  // the contact a stopped character gets
    } cases[] = {
        {"left", c * 32 + 24, r * 32 + 8, -1, 0, 0, cActor::eContactLeft},
        {"right", c * 32 - 8, r * 32 + 8, 1, 0, 0, cActor::eContactRight},
        {"top", c * 32 + 8, r * 32 + 24, 0, -1, 1, cActor::eContactTop},
        {"bottom", c * 32 + 8, r * 32 - 8, 0, 1, 1, cActor::eContactBottom},
    };
    for (int kind : {1, 2}) {
        for (const auto& k : cases) {
            SCOPED_TRACE(testing::Message() << k.name << " kind " << kind);
            Put(c, r, kind);
            auto test = [&](cActor& actor) {
                return k.axis == 0 ? m_Scene.MapTestX(actor, 0) : m_Scene.MapTestY(actor, 0);
            };
            Place(Player(), k.x, k.y, k.speedX, k.speedY);
            EXPECT_EQ(kind == 2 ? 2 : 0, test(Player()));

            cCharaActor chara = Enemy();
            Place(chara, k.x, k.y, k.speedX, k.speedY);
            EXPECT_EQ(0, test(chara));
            EXPECT_EQ(1, chara.m_Contact[k.side]);
            const bool outside = chara.m_Right < c * 32 || chara.m_X >= c * 32 + 32 || chara.m_Bottom < r * 32 ||
                                 chara.m_Y >= r * 32 + 32;
            EXPECT_TRUE(outside) << chara.m_X << ", " << chara.m_Y;

            // Its own pass group lets the character through.
            Put(c, r, kind, 0);
            cCharaActor passing = Enemy();
            Place(passing, k.x, k.y, k.speedX, k.speedY);
            EXPECT_EQ(0, test(passing));
            EXPECT_EQ(0, passing.m_Contact[k.side]);
            EXPECT_EQ(k.x, passing.m_X);
            EXPECT_EQ(k.y, passing.m_Y);

            // A block whose conditions fail is not there for anyone.
            cEdBlock unmet = Block(1);
            unmet.m_BlockType = static_cast<uint8_t>(kind);
            cCondition status;
            status.m_Kind = 4;
            unmet.m_Conditions.push_back(status);
            m_Scene.m_MapCells[m_Scene.CellIndex(c, r)].Put(unmet);
            m_Runtime.m_StatusResult = 0;
            Place(Player(), k.x, k.y, k.speedX, k.speedY);
            Player().ClearContacts();
            EXPECT_EQ(0, test(Player()));
            EXPECT_EQ(0, Player().m_Contact[k.side]);
            m_Runtime.m_StatusResult = 1;
        }
    }
}

// Across, the side the character moves to is tested first (right for a flyer stopped by
// blocks); the second test always goes right first. Caught between two walls, the first side
// pushes the box into the other.
TEST_F(BlockCollision, TheSideMovedToIsTestedFirst) {
    Put(12, 12, 1);
    Put(13, 12, 1);
    const struct {
        const char* name;
        double speedX;
        int flying, second, firstTrigger;
    } cases[] = {
        {"moving right", 1, 0, 0, 10},   {"standing", 0, 0, 0, 9},      {"moving left", -1, 0, 0, 9},
        {"flyer moving left", -1, 2, 0, 10}, {"second test moving left", -1, 0, 1, 10},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        cCharaActor chara = Enemy();
        chara.SetFlyingMode(k.flying);
        Place(chara, 12 * 32 + 24, 12 * 32 + 8, k.speedX);
        m_Runtime.m_Starts.clear();
        m_Scene.MapTestX(chara, k.second);
        ASSERT_FALSE(m_Runtime.m_Starts.empty());
        EXPECT_EQ(k.firstTrigger, m_Runtime.m_Starts[0].flow->m_Trigger);
        EXPECT_EQ(k.firstTrigger == 10 ? 0 : 1, chara.m_WallSide) << "the last side that stopped it";
    }
}

// With a negative sample count nothing stops the character; a flyer through blocks is not
// tested; a flyer that dies on blocks answers 2 on a plain block.
TEST_F(BlockCollision, SampleCountAndFlyingModes) {
    Put(12, 12, 1);
    const struct {
        const char* name;
        int samples, flying, result;
        bool moved;
    } cases[] = {
        {"negative samples", -1, 0, 0, false},
        {"through blocks", 1, 1, 0, false},
        {"dies on blocks", 1, 3, 2, false},
        {"walking", 1, 0, 0, true},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        for (int axis : {0, 1}) {
            cCharaActor chara = Enemy();
            chara.SetFlyingMode(k.flying);
            Place(chara, 12 * 32 + 8, 12 * 32 + 8, 1, 1);
            chara.m_EdgeSamples = static_cast<int8_t>(k.samples);
            EXPECT_EQ(k.result, axis == 0 ? m_Scene.MapTestX(chara, 0) : m_Scene.MapTestY(chara, 0));
            EXPECT_EQ(k.moved, chara.m_X != 12 * 32 + 8 || chara.m_Y != 12 * 32 + 8) << "axis " << axis;
        }
    }
}

// The bottom edge's samples: the strongest hit kind wins; among equals the edge pick and the
// foot pick take the point nearest the middle. The foot pick's points stand a width over their
// number of gaps apart, so that its middle one lies half a dot right of the box's centre. A foot
// pick without extra samples still reads both corners.
TEST_F(BlockCollision, BottomSamplesTieToTheMiddle) {
    const struct {
        const char* name;
        std::vector<int> kinds;  // of columns 12, 13, 14
        double x;
        int samples, expected;  // the column picked
        int edgeExpected;       // the edge pick's, where it differs
    } cases[] = {
        {"all solid", {1, 1, 1}, 12 * 32 + 16, 3, 13, 13},
        {"a killing block wins", {1, 1, 2}, 12 * 32 + 16, 3, 14, 14},
        {"only the left", {1, 0, 0}, 12 * 32 + 16, 3, 12, 12},
        {"one sample, the right corner", {0, 0, 1}, 12 * 32 + 16, 0, 14, 14},
        // The centre at 447.75, the foot's middle point at 448.25: across the cells' boundary.
        {"the middle point right of the centre", {1, 1, 1}, 13 * 32 + 0.25, 3, 14, 13},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        for (int column = 0; column < 3; ++column) Put(12 + column, 13, k.kinds[column]);
        cPlayerActor& player = Player();
        player.m_Width = 64;
        player.m_Height = 16;
        player.m_X = k.x;
        player.m_Y = 13 * 32 - 8;
        player.ClampX(2);
        player.ClampY(2);
        player.m_EdgeSamples = static_cast<int8_t>(k.samples);
        player.m_SpacingX = 22;
        EXPECT_EQ(m_Scene.CellIndex(k.expected, 13), m_Scene.FootPick(player));
        if (k.samples > 0) {
            EXPECT_EQ(m_Scene.CellIndex(k.edgeExpected, 13),
                      m_Scene.EdgePick(player, player.m_X, player.m_Bottom, player.m_Right, player.m_Bottom));
        }
    }
}

// Points off the map read as an empty cell; a spacing below 1 samples one point again and again.
TEST_F(BlockCollision, PointsOffTheMapAndBadSpacings) {
    cBlockCell& off = m_Scene.Cell(m_Scene.CellIndexAt(-40, 5));
    EXPECT_EQ(0, off.block.m_Graphic);
    EXPECT_EQ(0, m_Scene.CellSolidity(off, -1));
    EXPECT_EQ(&off, &m_Scene.Cell(m_Scene.CellIndexAt(5, 1e6)));
    Put(12, 12, 1);
    cCharaActor chara = Enemy();
    Place(chara, 12 * 32 - 8, 12 * 32 + 8, 1);
    chara.m_SpacingY = -5;
    chara.m_EdgeSamples = 100;
    EXPECT_EQ(m_Scene.CellIndex(12, 12), m_Scene.EdgePick(chara, chara.m_Right, chara.m_Y, chara.m_Right, chara.m_Bottom));
}

// A point's cell rounds its dots down, below zero too: the edges of cells, the first dot left of
// the map, and values past any cell (huge, infinite, NaN) read as off the map.
TEST_F(BlockCollision, APointsCellRoundsDown) {
    const double inf = std::numeric_limits<double>::infinity(), nan = std::nan("");
    const uint32_t off = UINT32_MAX;
    const struct {
        double x, y;
        int column, row;  // -1: off the map
    } cases[] = {
        {0, 0, 0, 0},          {-0.0, 31.999, 0, 0},    {32, 32, 1, 1},         {63.5, 95.99, 1, 2},
        {-0.001, 5, -1, 0},    {-32, 5, -1, 0},         {5, -0.5, 0, -1},       {1e300, 5, -1, 0},
        {-1e300, 5, -1, 0},    {2147483648.0, 5, -1, 0}, {-2147483648.5, 5, -1, 0}, {inf, 5, -1, 0},
        {-inf, 5, -1, 0},      {nan, 5, -1, 0},         {5, nan, 0, -1},        {100.25, 200.75, 3, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
        const uint32_t expected = c.column < 0 || c.row < 0 ? off : m_Scene.CellIndex(c.column, c.row);
        EXPECT_EQ(expected, m_Scene.CellIndexAt(c.x, c.y));
    }
}

// Landing on a block sets the standing cells and clears the fall; walking off counts the air
// steps until the character falls: the stage's fall threshold, six frames of sub-steps.
TEST_F(BlockCollision, LandingAndFalling) {
    ASSERT_EQ(1, PlayPhysics().steps);
    Put(12, 13, 1);
    cCharaActor chara = Enemy();
    Place(chara, 12 * 32 + 8, 13 * 32 - 10, 0, 1);
    chara.m_Falling = 1;
    EXPECT_EQ(0, m_Scene.MapTestY(chara, 0));
    ASSERT_NE(nullptr, chara.m_CellBelow);
    EXPECT_EQ(&m_Scene.m_MapCells[m_Scene.CellIndex(12, 13)], chara.m_CellBelow);
    EXPECT_EQ(chara.m_CellBelow, chara.m_LastCellBelow);
    EXPECT_EQ(13 * 32 - 1, static_cast<int>(chara.m_Bottom));
    EXPECT_EQ(0, chara.m_Falling);
    EXPECT_EQ(0.0, chara.m_dSpeedY);

    Place(chara, 14 * 32, 13 * 32 - 10, 0, 1);
    int steps = 0;
    while (!chara.m_Falling && steps < 100) {
        m_Scene.MapTestY(chara, 0);
        ++steps;
    }
    EXPECT_EQ(nullptr, chara.m_CellBelow);
    EXPECT_EQ(6, steps);
}

// The movement effects of the block under the player, for one displayed frame (one sub-step
// here): a jump, no jumping, a speed change, a push left or right against the inertia.
TEST_F(BlockCollision, BlockEffects) {
    const struct {
        const char* name;
        int action, value;
        double speedX, acSpeedX;
        double expectSpeedX, expectAcSpeedX;
        int noJump;
        bool jumps;
    } cases[] = {
        {"none", 0, 0, 2, 1, 2, 1, 0, false},
        {"jump", 1, 4, 2, 1, 2, 1, 0, true},
        {"no jumping", 2, 0, 2, 1, 2, 1, 1, false},
        {"speed 50%", 3, 50, 2, 1, 1, 1, 0, false},
        {"move left", 4, 10, 2, 1, 1, 0, 0, false},
        {"move left with left inertia", 4, 10, 2, -1, 1, -1, 0, false},
        {"move right", 5, 10, -2, -1, -1, 0, 0, false},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        cEdBlock block = Block(1);
        block.m_BlockType = 1;
        block.m_Action = static_cast<uint8_t>(k.action);
        block.m_ActionX = k.value;
        cBlockCell& cell = m_Scene.m_MapCells[m_Scene.CellIndex(12, 13)];
        cell.Put(block);
        cPlayerActor& player = Player();
        player.m_CellBelow = &cell;
        player.m_BlockEffect = player.m_BlockEffectSteps = 0;
        player.m_dSpeedX = k.speedX;
        player.m_dAcSpeedX = k.acSpeedX;
        player.m_dSpeedY = 0.0;
        player.m_Jumping = 0;
        EXPECT_EQ(ePlayGoOn, m_Scene.BlockEffect(player));
        EXPECT_DOUBLE_EQ(k.expectSpeedX, player.m_dSpeedX);
        EXPECT_DOUBLE_EQ(k.expectAcSpeedX, player.m_dAcSpeedX);
        EXPECT_EQ(k.noJump, player.m_NoJump);
        EXPECT_EQ(k.jumps ? 1 : 0, player.m_Jumping);
        if (k.jumps) {
            EXPECT_DOUBLE_EQ(player.JumpSpeedForHbl(4), player.m_dSpeedY);
        } else {
            // The effect ended after its frame: the player is pressed onto the floor.
            EXPECT_EQ(k.action == 0 || k.action == 2 ? 0.0 : 1.0, player.m_dSpeedY);
        }
        EXPECT_EQ(0, player.m_BlockEffectSteps);
    }
    // A block whose conditions fail gives no effect.
    cEdBlock unmet = Block(1);
    unmet.m_BlockType = 1;
    unmet.m_Action = 3;
    unmet.m_ActionX = 50;
    cCondition status;
    status.m_Kind = 4;
    unmet.m_Conditions.push_back(status);
    cBlockCell& cell = m_Scene.m_MapCells[m_Scene.CellIndex(12, 13)];
    cell.Put(unmet);
    m_Runtime.m_StatusResult = 0;
    Player().m_CellBelow = &cell;
    Player().m_dSpeedX = 2;
    m_Scene.BlockEffect(Player());
    EXPECT_EQ(2.0, Player().m_dSpeedX);
    m_Runtime.m_StatusResult = 1;
}
