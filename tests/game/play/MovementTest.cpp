#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "game/play/Movement.h"
#include "tests/game/play/CharaFixture.h"

namespace {

// The impulse speed that carries a character k hbl with a decay of 1/D a step.
double ImpulseFor(double k, double d) {
    return k > 0 ? (std::sqrt(1 + 128 * d * k) - 1) / (2 * d) : -(std::sqrt(1 - 128 * d * k) - 1) / (2 * d);
}

}  // namespace

class Movement : public CharaFixture {
protected:
    cCharaActor Walker() { return Chara({}); }
    // A command of the type with a movement record, built into a flow of a character at level.
    cFlowCmdEntry Entry(int type, const cEdMove& move, int level = 0, int time = 0, int facing = 0) {
        cFlow flow = Flow(0);
        cFlowCmd& command = flow.m_Commands[0];
        command.m_CmdType = static_cast<uint8_t>(type);
        command.m_Time = static_cast<uint16_t>(time);
        command.m_Move = cEdMovePtr(new cEdMove(move));
        cEdChara record = Enemy();
        record.m_FaceRight = static_cast<uint8_t>(facing);
        record.m_Flows.push_back(flow);
        m_Owner.Setup(1, record, nullptr, 400, 400, level);
        return m_Owner.m_Runners.at(0).m_Entries.at(0);
    }
    cCharaActor m_Owner;
};

// Impulses: the strength less the impact resistance, at most 20 hbl either way, split along the
// direction; decay never turns an impulse round.
TEST_F(Movement, ImpulsesKnockBackAndDecay) {
    const struct {
        const char* name;
        int strength, resistance;
        double dx, dy, hblX, hblY;
    } cases[] = {
        {"resisted", 5, 8, 1, 0, 0, 0},
        {"cut to 20", 30, 0, 1, 0, 20, 0},
        {"split", 6, 2, 1, -3, 1, -3},
        {"negative pushes the other way", -6, 0, 1, 1, -3, -3},
        {"negative cut to -20", -128, 0, 0, 2, 0, -20},
        {"resisted negative", -3, 5, 1, 0, 0, 0},
        {"no direction", 10, 0, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cCharaActor chara = Walker();
        chara.m_Chara.m_ImpactResist = static_cast<uint8_t>(c.resistance);
        chara.m_ImpulseX = chara.m_ImpulseY = 0.5;
        const bool unchanged = c.strength - c.resistance <= 0 && c.strength + c.resistance >= 0;
        chara.ApplyImpulse(c.strength, c.dx, c.dy);
        EXPECT_EQ(1, chara.m_ImpulseActive);
        EXPECT_DOUBLE_EQ(unchanged ? 0.5 : c.hblX == 0 ? 0 : ImpulseFor(c.hblX, 1), chara.m_ImpulseX);
        EXPECT_DOUBLE_EQ(unchanged ? 0.5 : c.hblY == 0 ? 0 : ImpulseFor(c.hblY, 1), chara.m_ImpulseY);
    }
    // An impulse against the inertia stops the inertia.
    cCharaActor moving = Walker();
    moving.m_dAcSpeedX = 2;
    moving.m_dAcSpeedY = -1;
    moving.m_dSpeedY = -3;
    moving.ApplyImpulse(4, -1, 1);
    EXPECT_EQ(0, moving.m_dAcSpeedX);
    EXPECT_EQ(0, moving.m_dAcSpeedY);
    EXPECT_EQ(0, moving.m_dSpeedY);
    // Decay by 1/D a step: an impulse of k hbl travels k hbl, and stops at 0.
    for (double k : {3.0, -3.0, 0.25}) {
        cCharaActor chara = Walker();
        chara.m_ImpulseX = ImpulseFor(k, 1);
        double travelled = 0;
        for (int step = 0; step < 100 && chara.m_ImpulseX != 0; ++step) {
            travelled += chara.m_ImpulseX;
            const double before = chara.m_ImpulseX;
            chara.DecayImpulseX();
            EXPECT_GE(before * chara.m_ImpulseX, 0) << "the sign holds";
        }
        EXPECT_EQ(0, chara.m_ImpulseX);
        EXPECT_NEAR(std::fabs(k * 16), std::fabs(travelled), 1.0) << k;
    }
}

// Jump speeds: one step of gravity for no height, never NaN; no gravity gives nothing to jump
// with, no apex and a time of 1.
TEST_F(Movement, JumpSpeedsApexesAndTimes) {
    const double g = ProjectStage().m_GravityPerLevel2;
    const struct {
        double gravity, dots;
        int control1;
        double speed;
    } cases[] = {
        {0.4, 0, 1, -g},
        {0.4, 32, 1, (-g - std::sqrt((8 * 32 + g) * g)) * 0.5},
        {0.4, 32, 0, (-g - std::sqrt((8 * 32 + g) * g)) * 0.5 * 0.99},
        {0.4, -10, 1, -g * 0.5},
        {0, 32, 1, 0},
        {-1, 32, 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "gravity " << c.gravity << ", " << c.dots << " dots");
        ProjectStage().m_Gravity = c.gravity;
        ProjectStage().SetSpeedLevel(1);
        cCharaActor chara = Walker();
        chara.m_Control[0] = c.control1;
        const double v = chara.JumpSpeedForHeight(c.dots);
        EXPECT_DOUBLE_EQ(c.speed, v);
        if (c.gravity <= 0) {
            EXPECT_EQ(0, cActor::StepsToApex(v));
            EXPECT_EQ(1, chara.JumpTime(4));
        } else {
            EXPECT_DOUBLE_EQ(1 - v / c.gravity, cActor::StepsToApex(v));
        }
    }
}

// Landing puts the bottom on the last dot above its block row; the ceiling puts the top on the
// next row. Both clear the fall and raise the block triggers.
TEST_F(Movement, LandingAndTheCeiling) {
    const struct {
        int bottom, up;
    } cases[] = {{95, 32}, {64, 1}, {400 + 29, 14}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bottom);
        cCharaActor chara = Chara({Flow(13), Flow(12), Flow(7)});
        chara.m_Y = c.bottom - 29;
        chara.ClampY(-1);
        chara.m_Falling = chara.m_Jumping = chara.m_AirCounter = 1;
        chara.m_dSpeedY = 3;
        m_Runtime.m_Starts.clear();
        chara.Land();
        EXPECT_EQ(c.bottom - c.up, chara.m_Bottom);
        EXPECT_EQ(0, chara.m_Falling + chara.m_Jumping + chara.m_AirCounter);
        EXPECT_EQ(0, chara.m_dSpeedY);
        EXPECT_EQ(1, chara.m_Contact[cActor::eContactBottom]);
        EXPECT_EQ(2u, m_Runtime.m_Starts.size()) << "triggers 13 and 7";
    }
    cCharaActor chara = Chara({Flow(12)});
    chara.m_Y = 400 + 5;
    chara.ClampY(-1);
    m_Runtime.m_Starts.clear();
    chara.HitCeiling();
    EXPECT_EQ(416, chara.m_Y);
    EXPECT_EQ(1, chara.m_CeilingLock);
    EXPECT_EQ(1u, m_Runtime.m_Starts.size());
}

// The set-up of movement commands: circle radius kept to 20 hbl, target offsets mirrored when
// facing right, speeds and times resolved from the distance (time 0 covers it in one step,
// speed 0 takes no time).
TEST_F(Movement, CommandSetUp) {
    cEdMove circle;
    circle.m_Homing = 25;
    circle.m_Angle = 0;
    circle.m_Distance = 90;
    circle.m_SpeedMode = 0;
    cFlowCmdEntry e = Entry(4, circle, 0, 1);
    EXPECT_EQ(20 * 16, e.m_Distance);
    EXPECT_EQ(90, e.m_EndAngle);
    EXPECT_DOUBLE_EQ(90.0 / 6, e.m_Speed);
    circle.m_FlipX = 1;
    circle.m_FlipY = 0;
    e = Entry(4, circle, 0, 1, 1);
    EXPECT_EQ(180, e.m_StartAngle);
    EXPECT_EQ(270, e.m_EndAngle);
    EXPECT_EQ(1, e.m_Reverse);
    circle.m_SpeedMode = 1;
    circle.m_Speed = 0;
    EXPECT_EQ(0, Entry(4, circle, 0, 1).m_UseTime);
    circle.m_Speed = 10;
    EXPECT_EQ(90, Entry(4, circle, 0, 1).m_UseTime);

    const struct {
        const char* name;
        int mode, speed, distance, perLevel, level, time;
        double resolvedSpeed;
        int useTime;
    } cases[] = {
        {"time and speed", 0, 10, 4, 0, 0, 2, 1.0, 12},
        {"time and distance", 1, 10, 4, 0, 0, 2, 64.0 / 12, 12},
        {"distance per level", 1, 10, 4, 2, 3, 2, 160.0 / 12, 12},
        {"distance in no time", 1, 10, 4, 0, 0, 0, 64.0, 0},
        {"speed and distance", 2, 20, 4, 0, 0, 2, 2.0, 32},
        {"no speed", 2, 0, 4, 0, 0, 2, 0.0, 0},
        {"a crawl over a long way", 2, 1, 32767, 1000, 30000, 2, 0.1, std::numeric_limits<int32_t>::max()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cEdMove move;
        move.m_SpeedMode = static_cast<uint8_t>(c.mode);
        move.m_Speed = static_cast<int16_t>(c.speed);
        move.m_Distance = static_cast<int16_t>(c.distance);
        move.m_DistanceClone = static_cast<int16_t>(c.perLevel);
        const cFlowCmdEntry entry = Entry(3, move, c.level, c.time);
        EXPECT_DOUBLE_EQ(c.resolvedSpeed, entry.m_Speed);
        EXPECT_EQ(c.useTime, entry.m_UseTime);
    }

    cEdMove line;
    line.m_DirMode = 1;
    line.m_TargetX = 2;
    line.m_TargetDotX = 5;
    line.m_TargetY = -1;
    line.m_FlipX = 1;
    line.m_FlipY = 0;
    e = Entry(2, line, 0, 1, 1);
    EXPECT_EQ(-69, e.m_OffsetX);
    EXPECT_EQ(-32, e.m_OffsetY);
    EXPECT_EQ(1, e.m_Kind);
    line.m_DirMode = 0;
    EXPECT_EQ(0, Entry(2, line, 0, 1, 1).m_OffsetX) << "a direction move has no target";
    EXPECT_EQ(69, Entry(5, line, 0, 1, 0).m_OffsetX) << "a charge always has one";
    line.m_Homing = 3;
    line.m_HomingClone = 1;
    EXPECT_EQ(5, Entry(6, line, 2, 1).m_Homing);
}
