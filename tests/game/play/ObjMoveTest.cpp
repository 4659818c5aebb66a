#include <gtest/gtest.h>

#include "game/play/PlayScene.h"
#include "tests/game/play/PlayFixture.h"

// A 20 x 15 stage at speed level 1: the map ends at 1280 x 1120, the view at (320, 320).
class ObjMoves : public PlayFixture {
protected:
    void SetUp() override {
        cEdStage stage = Stage();
        stage.SetSpeedLevel(1);
        ProjectStage() = stage;
        ASSERT_TRUE(m_Scene.SetStage(stage));
        m_Scene.m_ScrollX.m_Pos = 320;
        m_Scene.m_ScrollY.m_Pos = 320;
    }
    static cObj Box(double x, double y) {
        cObj object;
        object.Init(0, 0, 0, 0, 0, 0, 0, 16, 16, 16, 16, 0, 0, 0);
        object.m_X = x;
        object.m_Y = y;
        object.ClampX(-1);
        object.ClampY(-1);
        return object;
    }
    cPlayScene m_Scene;
};

// The removal rule's sides count only when enabled and only off screen; the map's edge always
// removes, X = 0 included.
TEST_F(ObjMoves, RemovalAreaSidesAndTheMapEdge) {
    cAutoVanish left;
    left.m_Left = 1;
    left.m_LeftMargin = 2;
    cAutoVanish none;
    const struct {
        const char* name;
        double x, y;
        int onScreen;
        const cAutoVanish* rule;
        int out;
    } cases[] = {
        {"in the view", 400, 400, 0, &left, 0},
        {"just within the left margin", 320 - 64 - 15 + 1, 400, 0, &left, 0},
        {"past the left margin", 320 - 64 - 15, 400, 0, &left, 1},
        {"past a side not enabled", 100, 400, 0, &none, 0},
        {"at X 0", 0, 400, 0, &none, 1},
        {"at X 0 but on screen", 0, 400, 1, &none, 0},
        {"at the bottom map edge", 400, 1120 - 16, 0, &none, 1},
        {"at the right map edge", 1280 - 16, 400, 0, &none, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cObj object = Box(c.x, c.y);
        object.m_OnScreen = c.onScreen;
        EXPECT_EQ(c.out, object.IsOutOfRemovalArea(*c.rule));
    }
}

TEST_F(ObjMoves, OnScreenByAxes) {
    const struct {
        double x, y;
        int ignoreX, ignoreY, on;
    } cases[] = {
        {400, 400, 0, 0, 1}, {320 - 16, 400, 0, 0, 0}, {320 - 15, 400, 0, 0, 1}, {960, 400, 0, 0, 0},
        {960, 400, 1, 0, 1}, {400, 800, 0, 0, 0},      {400, 800, 0, 1, 1},      {960, 800, 1, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y << " ignoring " << c.ignoreX << c.ignoreY);
        const cObj object = Box(c.x, c.y);
        EXPECT_EQ(c.on, object.IsOnScreenAxes(c.ignoreX, c.ignoreY));
        if (!c.ignoreX && !c.ignoreY) {
            EXPECT_EQ(c.on, object.IsOnScreen());
        }
    }
}

// Growing twice as big keeps the horizontal centre and doubles every size and offset.
TEST_F(ObjMoves, ScaleDoublesAroundTheCentre) {
    cObj object;
    object.Init(0, 0, 0, 0, 0, 3, 5, 16, 20, 32, 40, 0, 0, 0);
    object.m_X = 400;
    object.SetScale(2, 1);
    EXPECT_EQ(392, object.m_X);
    EXPECT_EQ(32, object.m_Width);
    EXPECT_EQ(40, object.m_Height);
    EXPECT_EQ(6, object.m_DrawOffsetX);
    EXPECT_EQ(10, object.m_DrawOffsetY);
    EXPECT_EQ(64, object.m_DrawWidth);
    EXPECT_EQ(80, object.m_DrawHeight);
    EXPECT_EQ(392 + 31, object.m_Right);
    object.SetScale(2, 2);
    EXPECT_EQ(392, object.m_X);
}

TEST_F(ObjMoves, FrictionStopsAtZero) {
    const struct {
        double component, friction;
        int on;
        double result;
    } cases[] = {{5, 2, 1, 3}, {1, 2, 1, 0}, {-1, 2, 1, 0}, {-5, 2, 1, -3}, {0, 2, 1, 0}, {5, 2, 0, 5}};
    for (const auto& c : cases) {
        cObj object;
        object.m_Friction = c.friction;
        double component = c.component;
        object.ApplyFriction(component, c.on);
        EXPECT_EQ(c.result, component) << c.component << " less " << c.friction;
    }
}

TEST_F(ObjMoves, FlyingModes) {
    const struct {
        int mode, noGravity, contact;
    } cases[] = {{0, 0, 1}, {1, 1, 0}, {2, 1, 1}, {3, 1, 2}, {4, 1, 2}, {-1, 1, 2}};
    cObj object;
    for (const auto& c : cases) {
        object.SetFlyingMode(c.mode);
        EXPECT_EQ(c.noGravity, object.m_NoGravity) << "mode " << c.mode;
        EXPECT_EQ(c.contact, object.m_BlockContact) << "mode " << c.mode;
    }
}

// Speeds beyond the stage's maximum move the box only that far; gravity adds one step's worth
// unless the object flies.
TEST_F(ObjMoves, MovesAreCappedAndGravityFalls) {
    const double cap = ProjectStage().m_MaxSpeedPerLevel;
    const struct {
        double speed, moved;
    } cases[] = {{3, 3}, {cap + 5, cap}, {-cap - 5, -cap}};
    for (const auto& c : cases) {
        cObj object = Box(400, 400);
        object.m_dSpeedX = object.m_dSpeedY = c.speed;
        EXPECT_EQ(0, object.MoveX(2));
        EXPECT_EQ(0, object.MoveY(2));
        EXPECT_EQ(400 + c.moved, object.m_X);
        EXPECT_EQ(400 + c.moved, object.m_Bottom - 15);
    }
    cObj falling = Box(400, 400);
    falling.ApplyGravity();
    EXPECT_DOUBLE_EQ(ProjectStage().m_GravityPerLevel2, falling.m_dSpeedY);
    falling.SetFlyingMode(2);
    falling.ApplyGravity();
    EXPECT_DOUBLE_EQ(ProjectStage().m_GravityPerLevel2, falling.m_dSpeedY);
}

// A corner in a solid block's cell counts; one of a block whose pass group is the object's,
// or an empty cell, does not.
TEST_F(ObjMoves, CornersInSolidCells) {
    cEdBlock solid = Block(1);
    solid.m_BlockType = 1;
    cEdBlock passed = solid;
    passed.m_NoHitForce = 3;
    m_Scene.m_MapCells[m_Scene.CellIndex(12, 12)].Put(solid);
    m_Scene.m_MapCells[m_Scene.CellIndex(14, 12)].Put(passed);
    const struct {
        double x, y;
        int group, touches;
    } cases[] = {{12 * 32 + 20, 12 * 32 + 20, 0, 1}, {12 * 32 - 15, 12 * 32 - 15, 0, 1}, {12 * 32 - 16, 12 * 32, 0, 0},
                 {14 * 32, 12 * 32, 0, 1},           {14 * 32, 12 * 32, 3, 0},           {16 * 32, 12 * 32, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y << " group " << c.group);
        cObj object;
        object.Init(0, 0, 0, c.group, 0, 0, 0, 16, 16, 16, 16, 0, 0, 0);
        object.m_X = c.x;
        object.m_Y = c.y;
        object.ClampX(2);
        object.ClampY(2);
        EXPECT_EQ(c.touches, object.TouchesSolidCell());
    }
}

// The screen edges hold characters only while their axis scrolls by itself or for a flying
// character; the bottom edge kills a walking one.
TEST_F(ObjMoves, ScreenEdgesPushUnderAutomaticScrollOrFlight) {
    const struct {
        const char* name;
        int axis, automatic, flying;
        double from, to;
        int contact, result;
    } cases[] = {
        {"walking off the left, no scroll", 0, 0, 0, 300, 300, -1, 0},
        {"walking off the left, scrolling", 0, 1, 0, 300, 320, cActor::eContactLeft, 0},
        {"flying off the right", 0, 0, 1, 950, 320 + 640 - 16 - 1, cActor::eContactRight, 0},
        {"inside, scrolling", 0, 1, 0, 500, 500, -1, 0},
        {"walking below, no scroll", 1, 0, 0, 790, 790, -1, 0},
        {"walking below, scrolling", 1, 1, 0, 790, 320 + 480 - 30 - 1, cActor::eContactBottom, 2},
        {"flying below", 1, 0, 1, 790, 320 + 480 - 30 - 1, cActor::eContactBottom, 0},
        {"flying above", 1, 0, 1, 300, 320, cActor::eContactTop, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cEdChara record = Enemy();
        record.m_Flight = static_cast<uint8_t>(c.flying);
        cCharaActor chara;
        chara.Setup(1, record, nullptr, 400, 400, 0);
        cScroll& axis = c.axis == 0 ? m_Scene.m_ScrollX : m_Scene.m_ScrollY;
        axis.m_Auto = c.automatic;
        double& position = c.axis == 0 ? chara.m_X : chara.m_Y;
        position = c.from;
        chara.OnMoveX();
        chara.OnMoveY();
        EXPECT_EQ(c.result, c.axis == 0 ? m_Scene.ScreenEdgeX(chara) : m_Scene.ScreenEdgeY(chara));
        EXPECT_EQ(c.to, position);
        for (int side = 0; side < 4; ++side) EXPECT_EQ(side == c.contact ? 1 : 0, chara.m_Contact[side]) << side;
        axis.m_Auto = 0;
    }
}
