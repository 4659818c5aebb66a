#include <gtest/gtest.h>

#include <cmath>
#include <list>

#include "game/play/Targets.h"
#include "tests/game/play/CharaFixture.h"

class Targets : public CharaFixture {
protected:
    // A character whose 32 x 32 picture starts at (left, top) of the screen.
    cCharaActor At(int number, int left, int top, int onScreen) {
        cCharaActor chara = Chara({});
        chara.m_Number = number;
        chara.m_ScreenRect = cRect{left, top, left + 31, top + 31};
        chara.m_Present = 1;
        chara.m_OnScreen = onScreen;
        return chara;
    }
};

// The nearest by distance across plus down, the first of equals; the ranges prefer, take all or
// keep to what is on screen; the filter leaves characters out.
TEST_F(Targets, NearestCharacters) {
    std::list<cCharaActor> list;
    list.push_back(At(1, 100, 0, 0));  // centre (116, 16): 132 from (0, 0)
    list.push_back(At(2, 0, 120, 1));  // centre (16, 136): 152
    list.push_back(At(3, 60, 60, 0));  // centre (76, 76): 152
    list.push_back(At(4, 80, 60, 1));  // centre (96, 76): 172
    const struct {
        const char* name;
        int range;
        cTargetFilter filter;
        int found;  // 0 none
    } cases[] = {
        {"all: the nearest", eTargetAll, {}, 1},
        {"screen preferred", eTargetPreferScreen, {}, 2},
        {"screen only", eTargetScreenOnly, {}, 2},
        {"other range", 7, {}, 0},
        {"a tie goes to the first", eTargetAll, {0, 0, 1, 1, 0, 0, 0}, 2},
        {"by id", eTargetAll, {1, 5, 0, 0, 0, 0, 0}, 4},
        {"by id, none", eTargetScreenOnly, {1, 6, 0, 0, 0, 0, 0}, 0},
    };
    for (cCharaActor& chara : list) chara.m_Chara.m_CharaId = 0;
    std::next(list.begin(), 3)->m_Chara.m_CharaId = 5;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cActor* found = FindNearest(0, 0, list, c.range, c.filter);
        EXPECT_EQ(c.found, found ? found->m_Number : 0);
    }
    // Off screen only: preferring the screen still finds the nearest, the screen only none.
    for (cCharaActor& chara : list) chara.m_OnScreen = 0;
    EXPECT_EQ(1, FindNearest(0, 0, list, eTargetPreferScreen, cTargetFilter())->m_Number);
    EXPECT_EQ(nullptr, FindNearest(0, 0, list, eTargetScreenOnly, cTargetFilter()));
    // Absent, defeated and filtered characters are never found; the first search takes the
    // absent too.
    list.front().m_Present = 0;
    std::next(list.begin())->m_Dead = 1;
    std::next(list.begin(), 2)->m_Chara.m_Invincible = 2;
    cTargetFilter passable;
    passable.excludeInvincible2 = 1;
    EXPECT_EQ(4, FindNearest(0, 0, list, eTargetPreferScreen, passable)->m_Number);
    EXPECT_EQ(1, FindFirst(list, cTargetFilter())->m_Number);
    std::vector<cActor*> pointers;
    for (cCharaActor& chara : list) pointers.push_back(&chara);
    cTargetFilter blocks;
    blocks.excludeBlockCharas = 1;
    std::next(list.begin(), 3)->m_Chara.m_BlockHit = 1;
    EXPECT_EQ(3, FindNearest(0, 0, pointers, eTargetAll, blocks)->m_Number);
}

// The default search leaves out only characters that shots pass through and keeps to the
// screen when the stage limits play to it, else prefers the screen; from a character, it
// searches from that character's centre.
TEST_F(Targets, NearestByDefault) {
    struct cKeepSetting {
        int32_t kept = ProjectStage().m_NoDamageOffScreen;
        ~cKeepSetting() { ProjectStage().m_NoDamageOffScreen = kept; }
    } keep;
    std::list<cCharaActor> list;
    list.push_back(At(1, 0, 0, 1));      // centre (16, 16): on screen, shots pass through it
    list.push_back(At(2, 200, 0, 0));    // centre (216, 16): off screen, nearer than 3
    list.push_back(At(3, 300, 300, 1));  // centre (316, 316)
    list.front().m_Chara.m_Invincible = 2;
    const struct {
        const char* name;
        int32_t screenOnly;
        int onScreen3;
        int found;  // 0 none
    } cases[] = {
        {"screen preferred", 0, 1, 3},
        {"nothing on screen: the nearest off it", 0, 0, 2},
        {"screen only", 1, 1, 3},
        {"screen only, nothing on it", 1, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ProjectStage().m_NoDamageOffScreen = c.screenOnly;
        std::next(list.begin(), 2)->m_OnScreen = c.onScreen3;
        cActor* found = FindNearestDefault(0, 0, list);
        EXPECT_EQ(c.found, found ? found->m_Number : 0);
    }
    ProjectStage().m_NoDamageOffScreen = 0;
    std::next(list.begin(), 2)->m_OnScreen = 0;
    const cCharaActor me = At(9, 280, 280, 1);  // centre (296, 296): 3 is nearer than 2
    ASSERT_NE(nullptr, me.FindNearestToMe(list));
    EXPECT_EQ(3, me.FindNearestToMe(list)->m_Number);
    const cCharaActor other = At(9, 180, 0, 1);  // centre (196, 16): 2 is nearer
    ASSERT_NE(nullptr, other.FindNearestToMe(list));
    EXPECT_EQ(2, other.FindNearestToMe(list)->m_Number);
}

// Aiming: toward the point at the speed, away from it diagonally for a negative speed, nothing
// from the point itself; a component along an axis that scrolls by itself keeps pace with it.
TEST_F(Targets, AimingWithAndWithoutScroll) {
    const double h = 2 * 0.7071067811865476;
    const struct {
        const char* name;
        double fromX, fromY, toX, toY, speed, scrollX, scrollY;
        double vx, vy;
        int direction, arrived;
    } cases[] = {
        {"toward", 0, 0, 30, 40, 5, 0, 0, 3, 4, 2, 0},
        {"flee", 10, 10, 0, 20, -2, 0, 0, h, -h, 2, 0},
        {"flee from the left", -10, 10, 0, 0, -2, 0, 0, -h, h, 1, 0},
        {"from the point itself", 7, 7, 7, 7, 3, 0, 0, 0, 0, 0, 1},
        {"close enough", 0, 0, 1, -2, 3, 0, 0, 3 / std::sqrt(5.0), -6 / std::sqrt(5.0), 2, 1},
        {"flee with scroll", 10, 10, 0, 20, -2, 0.5, 0, h + 0.5, -h, 2, 0},
        {"across scroll", 0, 0, 30, 40, 5, 0.5, 0, 0.5 - (-30 / std::fabs(-40 / 4.0)), 4, 2, 0},
        {"across scroll, straight down", 0, 0, 0, 40, 5, 0.5, 0, 0.5, 5, 0, 0},
        {"down scroll, straight across", 0, 0, 40, 0, 5, 0, 0.25, 5, 0.25, 2, 0},
        {"both scroll, walking", 0, 0, 30, 40, 5, 0.5, 0.25, 3, 4, 2, 0},
        {"down scroll, no speed across", 0, 0, 40, 30, 0, 0, 0.25, 0, 0.25, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_Scene.m_ScrollX.m_AutoSpeed = c.scrollX;
        m_Scene.m_ScrollY.m_AutoSpeed = c.scrollY;
        m_Scene.m_ScrollX.m_AtLimit = m_Scene.m_ScrollY.m_AtLimit = 0;
        const cCharaActor owner = Chara({});
        double vx = 99, vy = 99;
        int32_t direction = 99;
        EXPECT_EQ(c.arrived, AimAt(vx, vy, direction, owner, c.fromX, c.fromY, c.toX, c.toY, c.speed, 1, 0, 1));
        EXPECT_DOUBLE_EQ(c.vx, vx);
        EXPECT_DOUBLE_EQ(c.vy, vy);
        EXPECT_EQ(c.direction, direction);
    }
    // An axis stopped at its limit adds nothing.
    m_Scene.m_ScrollX.m_AutoSpeed = 0.5;
    m_Scene.m_ScrollX.m_AtLimit = 1;
    double v = 0, other = 9;
    int32_t direction = 0;
    EXPECT_EQ(1, AimAxis(v, other, direction, 10, 8, 3, 1));
    EXPECT_EQ(-3, v);
    EXPECT_EQ(0, other);
    EXPECT_EQ(1, direction);
    m_Scene.m_ScrollX.m_AtLimit = 0;
    EXPECT_EQ(0, AimAxis(v, other, direction, 0, 8, 3, 1));
    EXPECT_EQ(3.5, v);
    EXPECT_EQ(2, direction);
}

// The wave's angle wraps at D × 360, D the speed divisor.
TEST_F(Targets, WavesWrapAtTheDivisorsTurn) {
    for (int level : {1, 4}) {
        SCOPED_TRACE(level);
        ProjectStage().SetSpeedLevel(level);
        const double d = level;
        double angle = d * 360 - 2;
        const double speed = WaveSpeed(3, 2, angle, 5, 0);
        EXPECT_DOUBLE_EQ(3, angle);
        const double k = 2 * 0.017453292519943295;
        EXPECT_DOUBLE_EQ(k * std::cos(k * ((d * 360 - 2) / d)) * 3 / d, speed);
        angle = 10;
        const double accel = WaveAccel(3, 2, angle, 5, 1);
        EXPECT_EQ(15, angle);
        EXPECT_DOUBLE_EQ(-(k * std::sin(k * (10 / d + 1)) * (k / d) * 3) / d, accel);
        EXPECT_DOUBLE_EQ(120 / d / 60, ToPerStep(120));
    }
}

// The distance condition against the player's box: across and down in both or one direction
// by the facing, and the distance of the box centres.
TEST_F(Targets, DistanceConditions) {
    cPlayerActor& player = m_Scene.m_Players.at(0);
    player.m_ScreenRect = cRect{200, 100, 231, 131};
    player.m_DrawOffsetX = 8;
    player.m_DrawOffsetY = 2;
    player.m_X = 500;
    player.m_Y = 500;
    const struct {
        const char* name;
        int axis, hbl, facing, compare, left, top;
        double x, y;
        int met;
    } cases[] = {
        {"across, in reach", 0, 2, 0, 0, 150, 100, 0, 0, 1},
        {"across, out of reach", 0, 1, 0, 0, 150, 100, 0, 0, 0},
        {"across, not within", 0, 1, 0, 1, 150, 100, 0, 0, 1},
        {"ahead facing right", 1, 2, 1, 0, 150, 100, 0, 0, 1},
        {"ahead facing left, player behind", 1, 2, 0, 0, 150, 100, 0, 0, 0},
        {"behind facing right", 2, 2, 1, 0, 150, 100, 0, 0, 0},
        {"behind facing left", 2, 2, 0, 0, 150, 100, 0, 0, 1},
        {"down, both", 3, 2, 0, 0, 200, 60, 0, 0, 1},
        {"down, ahead facing right", 4, 2, 1, 0, 200, 60, 0, 0, 1},
        {"down, ahead facing left", 4, 2, 0, 0, 200, 60, 0, 0, 0},
        {"centres together, r 0", 6, 0, 0, 0, 0, 0, 500, 500, 1},
        {"centres apart, r 0", 6, 0, 0, 0, 0, 0, 500.5, 500, 0},
        {"centres 32 apart, 2 hbl", 6, 2, 0, 0, 0, 0, 532, 500, 1},
        {"other kind", 7, 2, 0, 0, 200, 100, 500, 500, 0},
        {"other kind, not within", 7, 2, 0, 1, 200, 100, 500, 500, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cCharaActor chara = Chara({});
        chara.m_Facing = c.facing;
        chara.m_ScreenRect = cRect{c.left, c.top, c.left + 31, c.top + 31};
        chara.m_X = c.x;
        chara.m_Y = c.y;
        chara.m_Width = player.m_Width;
        chara.m_Height = player.m_Height;
        cCondition condition;
        condition.m_Kind = 5;
        condition.m_DistAxis = static_cast<uint8_t>(c.axis);
        condition.m_Value = c.hbl;
        condition.m_Compare = static_cast<uint8_t>(c.compare);
        EXPECT_EQ(c.met, chara.DistanceConditionMet(condition));
        EXPECT_EQ(c.met, m_Scene.TestCondition(condition, &chara));
    }
}
