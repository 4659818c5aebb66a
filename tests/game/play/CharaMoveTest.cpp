#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "framework/ErrorLog.h"
#include "game/play/Physics.h"
#include "tests/game/play/CharaFixture.h"
#include "tests/support/TempDir.h"

class CharaMoves : public CharaFixture {
protected:
    cPlayerActor& Player() { return m_Scene.m_Players[0]; }
    void Put(int column, int row, int kind) {
        cEdBlock block = Block(1);
        block.m_BlockType = static_cast<uint8_t>(kind);
        m_Scene.m_MapCells[m_Scene.CellIndex(column, row)].Put(block);
    }
};

// A stage character's moves answer 4 past the map's side, 8 for a flyer past its top or
// bottom and 7 for a walker falling to the bottom; a walker at the top is only held.
TEST_F(CharaMoves, StageCharacterMoveResults) {
    const double bottom = m_Scene.m_ScrollY.m_ObjectLimit;
    const struct {
        const char* name;
        int flying, axis;
        double position, speed;
        int result;
    } cases[] = {
        {"walker past the left", 0, 0, 2, -5, 4},
        {"flyer past the right", 2, 0, m_Scene.m_ScrollX.m_ObjectLimit - 20.0, 8, 4},
        {"walker inside", 0, 0, 500, 1, 0},
        {"flyer past the top", 2, 1, 3, -5, 8},
        {"walker at the top", 0, 1, 3, -5, 3},
        {"flyer past the bottom", 2, 1, bottom - 32, 8, 8},
        {"walker into the bottom border", 0, 1, bottom - 250, 2, 7},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        cEdChara record = Enemy();
        record.m_Flight = static_cast<uint8_t>(k.flying);
        cCharaActor chara;
        chara.Setup(1, record, nullptr, 400, 400, 0);
        if (k.axis == 0) {
            chara.m_X = k.position;
            chara.m_dSpeedX = k.speed;
            EXPECT_EQ(k.result, chara.UpdateSpeedX());
        } else {
            chara.m_Y = k.position;
            chara.m_dSpeedY = k.speed;
            EXPECT_EQ(k.result, chara.UpdateMoveY());
        }
    }
}

// The player never leaves sideways, and falling into the bottom border answers 7.
TEST_F(CharaMoves, PlayerMoveResults) {
    cPlayerActor& player = Player();
    player.m_X = 322;
    player.m_dSpeedX = -5;
    EXPECT_EQ(0, player.UpdateSpeedX());
    EXPECT_EQ(m_Scene.m_ScrollX.m_Border, player.m_X) << "kept in the stage";
    player.m_Y = m_Scene.m_ScrollY.m_Extent - 20;
    player.m_dSpeedY = 8;
    EXPECT_EQ(7, player.UpdateMoveY());
}

// Going from flying to walking stops the player, makes its box taller again and counts two
// steps; the other way keeps the speeds.
TEST_F(CharaMoves, FlyingModeChangesTheBox) {
    cPlayerActor& player = Player();
    EXPECT_EQ(24, player.m_Height);
    player.m_dSpeedX = player.m_dSpeedY = player.m_dAcSpeedX = player.m_dAcSpeedY = 1.0;
    EXPECT_EQ(1, player.SetHitboxes(2, 0));
    EXPECT_EQ(16, player.m_Height);
    EXPECT_EQ(2, player.m_ModeCountdown);
    EXPECT_EQ(1.0, player.m_dSpeedX);
    player.m_ModeCountdown = 0;
    player.SetHitboxes(3, 0);
    EXPECT_EQ(0, player.m_ModeCountdown) << "still flying";
    player.SetHitboxes(0, 0);
    EXPECT_EQ(24, player.m_Height);
    EXPECT_EQ(2, player.m_ModeCountdown);
    for (double value : {player.m_dSpeedX, player.m_dSpeedY, player.m_dAcSpeedX, player.m_dAcSpeedY})
        EXPECT_EQ(0.0, value);
}

// The view follows the player within the camera limits, unless its axis scrolls by itself.
TEST_F(CharaMoves, TheCameraFollowsThePlayer) {
    const struct {
        int automatic;
        double x, view;
    } cases[] = {{0, 700, 700 - 312}, {0, 330, 320}, {0, 1900, 2000 - 640}, {1, 700, 333}};
    m_Scene.m_ScrollX.m_MaxEdge = m_Scene.m_ScrollX.m_Extent = 2000;
    for (const auto& k : cases) {
        SCOPED_TRACE(testing::Message() << "x " << k.x << " automatic " << k.automatic);
        m_Scene.m_ScrollX.m_Auto = k.automatic;
        m_Scene.m_ScrollX.m_Pos = 333;
        Player().m_X = k.x;
        Player().OnMoveX();
        EXPECT_EQ(k.view, m_Scene.m_ScrollX.m_Pos);
    }
    m_Scene.m_ScrollX.m_Auto = 0;
}

// How the player dies in a sub-step, and the line the trace log gets for it.
TEST_F(CharaMoves, DeathsAndTheirTraceLines) {
    const int c = 11, r = 11;  // the player's start cell
    const struct {
        const char* name;
        std::vector<std::pair<int, int>> killers;  // cells of killing blocks
        std::vector<std::pair<int, int>> walls;
        double x, y, speedX, speedY;
        int width;
        const char* trace;
    } cases[] = {
        {"into a killing wall", {{c + 1, r}}, {}, c * 32 + 14, r * 32 + 4, 4, 0, 16, "Dead 1"},
        {"onto a killing floor", {{c, r + 1}}, {}, c * 32 + 8, r * 32 + 7, 0, 2, 16, "Dead 4"},
        {"into the bottom border", {}, {}, c * 32 + 8, 800 - 20, 0, 8, 16, "Dead 2"},
        {"between two walls", {}, {{c - 1, r}, {c + 1, r}}, c * 32 - 4, r * 32 + 4, 0, 0, 40,
         "Dead SP"},
        {"landing", {}, {{c, r + 1}}, c * 32 + 8, r * 32 + 7, 0, 2, 16, nullptr},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        cTempDir dir;
        ASSERT_EQ(1, OpenReport("Trace.txt"));
        ASSERT_TRUE(m_Scene.SetStage(ProjectStage()));
        for (const auto& cell : k.killers) Put(cell.first, cell.second, 2);
        for (const auto& cell : k.walls) Put(cell.first, cell.second, 1);
        cPlayerActor& player = Player();
        player.m_Width = k.width;
        player.m_X = k.x;
        player.m_Y = k.y;
        // The player's own step sets its speed across afresh: a knock-back moves it.
        player.m_ImpulseX = k.speedX;
        player.m_dSpeedY = k.speedY;
        player.OnMoveX();
        player.OnMoveY();
        const int outcome = m_Scene.SubStep(1);
        EXPECT_EQ(k.trace ? ePlayDies : ePlayGoOn, outcome);
        EXPECT_EQ(k.trace ? 1 : 0, player.m_Dead);
        const std::string log = dir.Read("Trace.txt");
        if (k.trace) {
            EXPECT_NE(std::string::npos, log.find(k.trace)) << log;
            // A pinch tells the contacts first: left, right, top, bottom.
            if (std::string(k.trace) == "Dead SP") {
                EXPECT_LT(log.find("Player[P1].LRUD = 1,1,0,1"), log.find(k.trace)) << log;
            }
        } else {
            EXPECT_EQ(std::string::npos, log.find("Dead")) << log;
            EXPECT_EQ(1, player.m_Contact[cActor::eContactBottom]);
        }
    }
}

// Deaths after the vertical move and map test at the bottom of a view that scrolls down by
// itself, and after the push-out out of a block character (the second map tests and the second
// pinch check), with their trace lines. A player immune to crushing survives every pinch and
// every push that would kill it.
TEST_F(CharaMoves, DeathsAfterThePushOutAndAtTheViewsBottom) {
    const double g = PlayPhysics().gravity;
    const int top = cScroll::kBorderCells, bottom = top + 30;  // the map rows of a stage 30 high
    auto row = [&](int r, int kind) {
        for (int column = top; column < top + 20; ++column) Put(column, r, kind);
    };
    auto wall = [&](int column, int kind) {
        for (int r = top; r < bottom; ++r) Put(column, r, kind);
    };
    auto place = [&](double x, double y, double speedY) {
        cPlayerActor& player = Player();
        player.m_X = x;
        player.m_Y = y;
        player.m_dSpeedY = speedY;
        player.OnMoveX();
        player.OnMoveY();
    };
    // A block character that glides through the map, rising by rise dots a step.
    auto blockChara = [&](double x, double y, double rise) {
        cEdChara record = Enemy();
        record.m_BlockHit = 1;
        record.m_Flight = 1;
        m_Scene.m_Charas.push_back(cCharaActor());
        cCharaActor& block = m_Scene.m_Charas.back();
        block.Setup(50, record, nullptr, x, y, 0);
        block.m_X = x;
        block.m_Y = y;
        block.OnMoveX();
        block.OnMoveY();
        block.m_Friction = 0;
        block.m_dAcSpeedY = -rise;
    };
    const int c = 14;  // a map column left of the player
    const struct {
        const char* name;
        std::function<void()> setUp;
        const char* trace;
        int crushes;  // an immune player lives
    } cases[] = {
        {"moved past the view's bottom", [&] { place(500, 790, 0); }, "Dead 3", 0},
        {"put past it under a ceiling", [&] { row(24, 1), place(500, 770, -2); }, "Dead 5", 0},
        {"between two walls", [&] { Put(c, 15, 1), Put(c + 2, 15, 1), Player().m_Width = 40, place(c * 32 + 28, 484, 0); },
         "Dead SP", 1},
        // Pushed 4.5 dots into the wall 2 dots left of it by a block character on its right.
        {"pushed into a killing wall", [&] { wall(c, 2), place(c * 32 + 34, 500, 0), blockChara(c * 32 + 44, 496, 0); },
         "Dead 7", 1},
        // Lifted onto a rising block character whose top then lies 3.5 dots into the ceiling.
        {"lifted into a killing ceiling",
         [&] { row(c, 2), place(500, 480.5 - g, 0), blockChara(492, 502.5, 2); }, "Dead 8", 1},
        {"pushed into a wall", [&] { wall(c, 1), place(c * 32 + 34, 500, 0), blockChara(c * 32 + 44, 496, 0); },
         "Dead 9", 1},
    };
    for (const auto& k : cases) {
        for (int immune : {0, 1}) {
            if (immune && !k.crushes) continue;
            SCOPED_TRACE(testing::Message() << k.name << (immune ? ", immune" : ""));
            cTempDir dir;
            ASSERT_EQ(1, OpenReport("Trace.txt"));
            cEdStage stage = Stage(20, 30);
            stage.SetSpeedLevel(1);
            ProjectStage() = stage;
            ASSERT_TRUE(m_Scene.SetStage(stage));
            // The view stands where it started, and its bottom edge kills.
            m_Scene.m_ScrollY.SetSpeed(1, 0);
            Player().m_CrushImmune = immune;
            k.setUp();
            const bool dies = !immune;
            EXPECT_EQ(dies ? ePlayDies : ePlayGoOn, m_Scene.SubStep(1));
            EXPECT_EQ(dies ? 1 : 0, Player().m_Dead);
            const std::string log = dir.Read("Trace.txt");
            if (dies) {
                EXPECT_NE(std::string::npos, log.find(k.trace)) << log;
            } else {
                EXPECT_EQ(std::string::npos, log.find("Dead")) << log;
            }
        }
    }
}
