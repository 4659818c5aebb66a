#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "data/Flow.h"
#include "game/flow/CommandDispatch.h"
#include "game/flow/MoveCommands.h"
#include "game/flow/MoveSpeeds.h"
#include "tests/game/flow/FlowCommands.h"
#include "tests/game/flow/FlowFixture.h"

namespace {

const double kV = 2.0;
const double kH = kV / std::sqrt(2.0);
const double kDeg = 0.017453292519943278;

// A movement command of the type for the fixture's owner, with its entry.
struct MoveFixture : cFlowFixture {
    cFlowCmd command;
    cFlowCmdEntry entry;

    explicit MoveFixture(int type) {
        command = FlowCommand(type, 10, 0, {});
        command.m_Move = cEdMovePtr(new cEdMove());
        command.m_Sound = 7;
        command.m_SoundOnScreen = 0;
        entry.m_Cmd = &command;
        entry.m_UseTime = 10;
        entry.m_Speed = kV;
        entry.Reset();
        Place(owner, 100, 200);
        Place(target, 300, 200);
    }
    static void Place(cActor& who, int left, int top) {
        who.m_ScreenRect = cRect{left, top, left + 32, top + 32};
        who.m_DrawWidth = who.m_DrawHeight = 32;
        who.m_X = left;
        who.m_Y = top;
        who.m_Width = 32;
        who.m_Height = 32;
        who.m_Present = 1;
    }
    cEdMove& Move() { return *command.m_Move; }
    void Step() { FlowCommandTable[command.m_CmdType](owner, entry); }
    std::vector<int>& Sounds() { return static_cast<cHeadlessHost&>(scene.Host()).tableSounds; }
};

struct SpeedCase {
    int choice;
    double x, y;  // flying
    int facingCode;
};

TEST(MoveSpeeds, DirectSpeedsGiveEachCodeItsSpeedsAndFacing) {
    const SpeedCase cases[] = {
        {2, -kV, 0, 1},   {3, kV, 0, 2},    {6, 0, -kV, 0},   {7, 0, kV, 0},
        {8, -kH, -kH, 1}, {9, -kH, kH, 1}, {10, kH, -kH, 2}, {11, kH, kH, 2},
    };
    for (const SpeedCase& c : cases) {
        for (int flying = 0; flying < 2; ++flying) {
            for (int fixed = 0; fixed < 2; ++fixed) {
                MoveFixture f(kStraight);
                f.owner.m_NoGravity = flying;
                f.owner.m_DirFixed = static_cast<uint8_t>(fixed);
                double x = 9, y = 9;
                int32_t code = 5;
                DirectSpeeds(f.owner, x, y, code, kV, c.choice);
                SCOPED_TRACE(testing::Message() << "choice " << c.choice << " flying " << flying << " fixed " << fixed);
                EXPECT_NEAR(c.x, x, 1e-9);
                EXPECT_NEAR(flying ? c.y : 0.0, y, 1e-9);
                EXPECT_EQ(fixed ? 5 : c.facingCode, code);
            }
        }
    }
}

TEST(MoveSpeeds, DirectionChoicesFollowTheFacingAndTheStartInput) {
    struct Case {
        int choice, facing, input, code;
    } cases[] = {
        {0, 1, 9, 3}, {0, 0, 9, 2}, {1, 1, 9, 2}, {4, 1, 9, 7}, {5, 1, 9, 6}, {4, 0, 9, 6},
        {12, 1, 0, 3}, {12, 0, 0, 2}, {12, 1, 3, 6}, {12, 1, 8, 11}, {12, 1, 9, 0}, {9, 0, 9, 9},
    };
    for (const Case& c : cases) {
        MoveFixture f(kStraight);
        cFlowRunner runner;
        runner.m_StartInput = c.input;
        f.scene.m_Flow.m_Runner = &runner;
        f.owner.m_Facing = c.facing;
        EXPECT_EQ(c.code, DirectionCode(f.owner, c.choice)) << c.choice << " " << c.facing << " " << c.input;
        f.scene.m_Flow.m_Runner = nullptr;
    }
}

TEST(MoveCommands, StraightMoveUpRightAtAnAngleAndAfterTheFirstStep) {
    struct Case {
        int choice, angle, flying;
        double x, y;
    } cases[] = {
        {10, 0, 1, kH, -kH},
        {10, 30, 1, -std::cos(165 * kDeg) * kV, -std::sin(165 * kDeg) * kV},
        {11, 30, 1, -std::cos(255 * kDeg) * kV, -std::sin(255 * kDeg) * kV},
        {6, 0, 0, 0, 0},  // up on a walking character
    };
    for (const Case& c : cases) {
        MoveFixture f(kStraight);
        f.owner.m_NoGravity = c.flying;
        f.Move().m_Dir = static_cast<uint8_t>(c.choice);
        f.Move().m_Angle = static_cast<int16_t>(c.angle);
        f.Step();
        EXPECT_NEAR(c.x, f.owner.m_dSpeedX, 1e-9) << c.choice << " " << c.angle;
        EXPECT_NEAR(c.y, f.owner.m_dSpeedY, 1e-9) << c.choice << " " << c.angle;
        EXPECT_EQ(1, f.owner.m_Moving);
        f.Step();  // the speeds are kept and applied again
        EXPECT_NEAR(2 * c.x, f.owner.m_dSpeedX, 1e-9);
    }
}

TEST(MoveCommands, StraightMoveLeftWithTheDirectionFixedKeepsTheFacing) {
    MoveFixture f(kStraight);
    f.owner.m_Facing = 1;
    f.owner.m_DirFixed = 1;
    f.Move().m_Dir = 2;
    f.Step();
    EXPECT_EQ(1, f.owner.m_Facing);
    EXPECT_DOUBLE_EQ(-kV, f.owner.m_dSpeedX);
}

// A fixed facing turned by something else while the straight move runs reverses its speeds only
// when the record asks for it.
TEST(MoveCommands, StraightMoveReversesOnATurnOnlyWhenAskedAndFixed) {
    struct Case {
        int reverse, fixed;
        bool reversed;
    } cases[] = {{1, 1, true}, {0, 1, false}, {1, 0, false}};
    for (const Case& c : cases) {
        MoveFixture f(kStraight);
        f.owner.m_NoGravity = 1;
        f.owner.m_Facing = 0;
        f.owner.m_DirFixed = static_cast<uint8_t>(c.fixed);
        f.Move().m_Dir = 8;  // up left
        f.Move().m_ReverseOnTurn = static_cast<uint8_t>(c.reverse);
        f.Step();
        f.owner.m_Facing = 1;
        f.Step();
        SCOPED_TRACE(testing::Message() << "reverse " << c.reverse << " fixed " << c.fixed);
        // Up left, then down right back to a stand; or up left twice over.
        const double both = c.reversed ? 0.0 : -2 * kH;
        EXPECT_NEAR(both, f.owner.m_dSpeedX, 1e-9);
        EXPECT_NEAR(both, f.owner.m_dSpeedY, 1e-9);
    }
}

// With inertia a move accelerates the owner's accelerating speeds by a step's share of its
// speed: against the running one by the turning factor, keeping the friction; with it (or from
// standing) clearing the friction; never past the entry's maximum either way. Without inertia the
// speeds are the owner's plain ones.
TEST(MoveSpeeds, InertiaAcceleratesTurnsByTheFactorAndStopsAtTheMaximum) {
    const double step = 6.0 / 2.0 / 60;  // a step's share of a speed of 6 at speed level 2
    struct Case {
        const char* name;
        int inertia;
        double before;    // the accelerating speed on both axes
        double x;         // the move's speed; Y the same, negated
        double after;     // the accelerating speed X then
        int friction;     // the friction flags then
        double plain;     // the plain speed X then
    } cases[] = {
        {"no inertia", 0, 0.5, 6.0, 0.5, 1, 6.0},
        {"from standing", 1, 0.0, 6.0, step, 0, 0.0},
        {"with the running one", 1, 0.25, 6.0, 0.25 + step, 0, 0.0},
        {"against the running one", 1, -0.25, 6.0, -0.25 + step * 0.5, 1, 0.0},
        {"up to the maximum", 1, 0.95, 6.0, 1.0, 0, 0.0},
        {"down to the maximum", 1, -0.95, -6.0, -1.0, 0, 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MoveFixture f(kStraight);
        ProjectStage().m_LevelReal = 2.0;
        f.Move().m_Inertia = static_cast<uint8_t>(c.inertia);
        f.Move().m_TurnFactor = 0.5;
        f.entry.m_MaxSpeed = 1.0;
        f.owner.m_dAcSpeedX = c.before;
        f.owner.m_dAcSpeedY = -c.before;
        f.owner.m_FrictionX = f.owner.m_FrictionY = 1;
        ApplyMoveSpeeds(f.owner, c.x, -c.x, 0, f.entry, f.Move(), 0);
        EXPECT_NEAR(c.after, f.owner.m_dAcSpeedX, 1e-12);
        EXPECT_NEAR(-c.after, f.owner.m_dAcSpeedY, 1e-12);
        EXPECT_EQ(c.friction, f.owner.m_FrictionX);
        EXPECT_EQ(c.friction, f.owner.m_FrictionY);
        EXPECT_DOUBLE_EQ(c.plain, f.owner.m_dSpeedX);
        EXPECT_DOUBLE_EQ(-c.plain, f.owner.m_dSpeedY);
    }
}

TEST(MoveSpeeds, TargetSpeedsPerTargetTypeWithTimeFromDistance) {
    // The owner's centre is at (116, 216) on screen; the view sits at (64, 0).
    struct Case {
        int type, speedMode;
        double tx, ty;
        double dx, dy;
        int32_t remaining;
    } cases[] = {
        {0, 0, 30, 0, 30 + 100 - 180, 200 - 216, 10},
        {1, 2, 30, 40, 30, 40, 25},
        {2, 0, 0, 0, 320 + 16 - 180, 320 + 16 - 216, 10},
        {3, 2, 100, 0, 100 + 64 + 16 - 180, 16 - 216, 100},
        {7, 2, 100, 100, 0, 0, 0},
    };
    for (const Case& c : cases) {
        MoveFixture f(kStraight);
        f.scene.m_ScrollX.m_Pos = 64;
        f.owner.m_Placement[0] = 100;
        f.owner.m_Placement[1] = 200;
        f.Move().m_UseTargetX = f.Move().m_UseTargetY = 1;
        f.Move().m_TargetMode = static_cast<uint8_t>(c.type);
        f.Move().m_SpeedMode = static_cast<uint8_t>(c.speedMode);
        double x = 0, y = 0;
        int32_t code = 0, remaining = 10;
        TargetSpeeds(f.owner, x, y, code, kV, c.tx, c.ty, f.Move(), remaining);
        const double d = std::sqrt(c.dx * c.dx + c.dy * c.dy);
        SCOPED_TRACE(c.type);
        EXPECT_NEAR(d == 0 ? 0 : c.dx / d * kV, x, 1e-9);
        EXPECT_NEAR(d == 0 ? 0 : c.dy / d * kV, y, 1e-9);
        EXPECT_EQ(c.remaining, remaining);
        EXPECT_EQ(x < -1e-8 ? 1 : x > 1e-8 ? 2 : 0, code);
    }
    MoveFixture f(kStraight);
    f.Move().m_UseTargetX = 1;
    f.Move().m_TargetMode = 1;
    f.Move().m_SpeedMode = 2;
    double x = 0, y = 0;
    int32_t code = 0, remaining = 10;
    TargetSpeeds(f.owner, x, y, code, 0.0, 50, 0, f.Move(), remaining);
    EXPECT_EQ(10, remaining) << "a speed of 0 keeps the use time";
}

TEST(MoveCommands, GroundReturnWalksOnWhileKnockedBack) {
    MoveFixture f(kGroundReturn);
    f.owner.m_Facing = 0;
    f.owner.m_ImpulseX = 1.5;
    f.Step();
    EXPECT_DOUBLE_EQ(-kV, f.owner.m_dSpeedX);
    EXPECT_EQ(0, f.owner.m_Facing);
}

TEST(MoveCommands, GroundReturnOnACarrierFollowsItAndTurns) {
    struct Case {
        int carrierFound, facing;
        double carrierX;  // the remembered left edge is 100
        double x;
    } cases[] = {
        {0, 0, 0, kV},            // the carrier is gone: turned back only
        {1, 0, 120, 40 + kV},     // the carrier moved against the facing: twice its move
        {1, 1, 120, 20 - kV},
        {1, 1, 80, -40 - kV},
    };
    for (const Case& c : cases) {
        MoveFixture f(kGroundReturn);
        f.owner.m_Facing = c.facing;
        f.owner.m_DirFixed = 1;  // turned even so
        f.owner.m_BlockMark = 1;
        f.owner.m_CarrierId = 7;
        f.owner.m_CarrierBox[0] = 100;
        if (c.carrierFound) {
            f.scene.m_Charas.emplace_back();
            f.scene.m_Charas.back().m_Number = 7;
            f.scene.m_Charas.back().m_X = c.carrierX;
        }
        f.Step();
        EXPECT_DOUBLE_EQ(c.x, f.owner.m_dSpeedX) << c.facing << " " << c.carrierX;
        EXPECT_EQ(1 - c.facing, f.owner.m_Facing);
        EXPECT_EQ(0, f.owner.m_BlockMark);
    }
}

TEST(MoveCommands, CircleSensesByChoiceAndFacing) {
    struct Case {
        int choice, facing, sense;  // sense 1 goes down first, 0 up, from the start angle 0
    } cases[] = {{0, 0, 0}, {0, 1, 0}, {1, 1, 1}, {2, 1, 1}, {2, 0, 0}, {3, 0, 1}, {3, 1, 0}};
    for (const Case& c : cases) {
        MoveFixture f(kCircle);
        f.owner.m_NoGravity = 1;
        f.owner.m_Facing = c.facing;
        f.Move().m_Dir = static_cast<uint8_t>(c.choice);
        f.entry.m_Distance = 64;
        f.entry.m_Speed = 3;
        f.Step();
        EXPECT_NEAR(0.0, f.owner.m_dSpeedY, 1e-9) << "level at the start angle";
        EXPECT_LT(f.owner.m_dSpeedX, 0.0);
        f.Step();
        SCOPED_TRACE(testing::Message() << "choice " << c.choice << " facing " << c.facing);
        if (c.sense) EXPECT_GT(f.owner.m_dSpeedY, 0.0);
        else EXPECT_LT(f.owner.m_dSpeedY, 0.0);
        EXPECT_EQ(c.facing, f.owner.m_Facing) << "a circle never turns its owner";
    }
    MoveFixture f(kCircle);
    f.owner.m_NoGravity = 1;
    f.entry.m_Distance = 0;
    f.Step();
    EXPECT_EQ(0, f.owner.m_Moving) << "radius 0 does nothing";
}

TEST(MoveCommands, ChargeWithoutALiveTargetStandsStill) {
    for (int dead = 0; dead < 2; ++dead) {
        MoveFixture f(kCharge);
        if (dead)
            f.target.m_Dead = 1;
        else
            f.owner.m_Flow.m_Target = nullptr;
        for (int step = 0; step < 3; ++step) f.Step();
        EXPECT_DOUBLE_EQ(0.0, f.owner.m_dSpeedX);
        EXPECT_DOUBLE_EQ(0.0, f.owner.m_dSpeedY);
        EXPECT_EQ(0, f.entry.m_DirCode);
        EXPECT_EQ(1, f.owner.m_Moving);
    }
}

TEST(MoveCommands, WalkingChargeAimsOnceAtTheTarget) {
    MoveFixture f(kCharge);
    f.Step();
    EXPECT_DOUBLE_EQ(kV, f.entry.m_SpeedX);
    EXPECT_EQ(1, f.owner.m_Facing);
    MoveFixture::Place(f.target, 0, 200);  // the target moved behind: the charge goes on
    f.Step();
    EXPECT_DOUBLE_EQ(kV, f.entry.m_SpeedX);
}

TEST(MoveCommands, HomingLagsOneIntervalBehindTheTarget) {
    MoveFixture f(kHoming);
    f.owner.m_NoGravity = 1;
    f.entry.m_Homing = 30;
    std::vector<double> aimedAt;
    for (int step = 0; step < 61; ++step) {
        if (step == 1) MoveFixture::Place(f.target, -200, 200);  // moves behind the owner
        f.Step();
        aimedAt.push_back(f.entry.m_SpeedX);
    }
    EXPECT_GT(aimedAt[0], 0);
    EXPECT_GT(aimedAt[29], 0) << "between intervals the speeds stay";
    EXPECT_GT(aimedAt[30], 0) << "re-aimed at where the target was 30 steps before";
    EXPECT_LT(aimedAt[60], 0);
    EXPECT_EQ(61, f.entry.m_Steps);
}

TEST(MoveCommands, HomingWithoutATargetDoesNothing) {
    MoveFixture f(kHoming);
    f.owner.m_Flow.m_Target = nullptr;
    f.Step();
    EXPECT_EQ(0, f.entry.m_Steps);
    EXPECT_EQ(0, f.owner.m_Moving);
}

TEST(MoveCommands, AvoidanceBringsTheOwnerBackFromEachEdge) {
    struct Case {
        int dir, left, top;
        double x, y;
    } cases[] = {
        {2, 620, 200, -kV, 0}, {2, 300, 200, 0, 0}, {3, -40, 200, kV, 0},
        {6, 300, 460, 0, -kV}, {7, 300, -40, 0, kV}, {8, 620, 460, -kV, -kV},
    };
    for (const Case& c : cases) {
        MoveFixture f(kAvoid);
        f.owner.m_NoGravity = 1;
        f.Move().m_Dir = static_cast<uint8_t>(c.dir);
        MoveFixture::Place(f.owner, c.left, c.top);
        f.Step();
        EXPECT_DOUBLE_EQ(c.x, f.owner.m_dSpeedX) << c.dir << " " << c.left;
        EXPECT_DOUBLE_EQ(c.y, f.owner.m_dSpeedY) << c.dir << " " << c.left;
    }
}

TEST(MoveCommands, AvoidanceKeepsPaceWithTheScrollUpToItsFarBound) {
    // A scroll that stands at its limit moves nothing: the owner comes back at its own speed.
    struct Case {
        double pos;
        int atLimit;
        double x;
    } cases[] = {{100, 0, 1.0 - kV}, {0, 0, 0.0}, {1000 - 640, 0, 0.0}, {100, 1, -kV}};
    for (const Case& c : cases) {
        MoveFixture f(kAvoid);
        f.scene.m_ScrollX.m_Auto = 1;
        f.scene.m_ScrollX.m_AutoSpeed = 1.0;
        f.scene.m_ScrollX.m_MaxEdge = 1000;
        f.scene.m_ScrollX.m_Pos = c.pos;
        f.scene.m_ScrollX.m_AtLimit = c.atLimit;
        f.Move().m_Dir = 2;
        MoveFixture::Place(f.owner, 620, 200);
        f.Step();
        EXPECT_DOUBLE_EQ(c.x, f.owner.m_dSpeedX) << c.pos << " " << c.atLimit;
    }
}

TEST(MoveCommands, CancelStopsEverySpeed) {
    MoveFixture f(kCancel);
    f.owner.m_dSpeedX = f.owner.m_dSpeedY = f.owner.m_dAcSpeedX = f.owner.m_ImpulseY = 3;
    f.Step();
    EXPECT_EQ(0.0, f.owner.m_dSpeedX + f.owner.m_dSpeedY + f.owner.m_dAcSpeedX + f.owner.m_ImpulseY);
    EXPECT_EQ(1, f.owner.m_JumpStart);
}

TEST(MoveCommands, TurnByTheTarget) {
    struct Case {
        int kind, fixed, hasTarget, targetLeft, facing, steps, sounds;
    } cases[] = {
        {1, 0, 1, 100, 0, 0, 0},  // direction not fixed: nothing, no sound
        {2, 1, 1, 100, 0, 1, 1},  // level: faces left
        {3, 1, 1, 100, 1, 1, 1},  // level, away: faces right
        {2, 1, 1, 300, 1, 1, 1},
        {2, 1, 0, 300, 0, 0, 1},  // no target: steps stay 0
        {1, 1, 1, 100, 1, 1, 1},
    };
    for (const Case& c : cases) {
        MoveFixture f(kTurn);
        f.Sounds().clear();
        f.command.m_Params = {c.kind};
        f.owner.m_Control[0] = 1;
        f.owner.m_DirFixed = static_cast<uint8_t>(c.fixed);
        if (!c.hasTarget) f.owner.m_Flow.m_Target = nullptr;
        MoveFixture::Place(f.target, c.targetLeft, 0);
        f.Step();
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " target at " << c.targetLeft);
        EXPECT_EQ(c.facing, f.owner.m_Facing);
        EXPECT_EQ(c.steps, f.entry.m_Steps);
        EXPECT_EQ(static_cast<size_t>(c.sounds), f.Sounds().size());
        f.Step();
        EXPECT_EQ(static_cast<size_t>(c.hasTarget ? c.sounds : 2), f.Sounds().size()) << "sound each step without a target";
        f.Sounds().clear();
    }
}

TEST(MoveCommands, TurnRepeatsAtTheCommandRepeatInterval) {
    MoveFixture f(kTurn);
    f.Sounds().clear();
    f.command.m_Params = {1};
    f.owner.m_DirFixed = 1;
    const int32_t interval = CommandRepeatInterval();
    ASSERT_GE(interval, 1);
    for (int32_t step = 0; step < 2 * interval; ++step) f.Step();
    EXPECT_EQ(2u, f.Sounds().size());
    f.Sounds().clear();
}

TEST(MoveCommands, JumpSoundOnlyWhenNotFalling) {
    for (int falling = 0; falling < 2; ++falling) {
        MoveFixture f(kJump);
        f.Sounds().clear();
        f.owner.m_Falling = falling;
        f.Step();
        f.Step();
        EXPECT_EQ(falling ? 0u : 1u, f.Sounds().size());
        EXPECT_EQ(2, f.entry.m_Steps);
        f.Sounds().clear();
    }
}

TEST(MoveCommands, ActionSoundIsSilentOffScreenWhenAsked) {
    struct Case {
        int flag, onScreen;
        size_t sounds;
    } cases[] = {{0, 0, 1}, {1, 0, 0}, {1, 1, 1}};
    for (const Case& c : cases) {
        MoveFixture f(kJump);
        f.Sounds().clear();
        f.command.m_SoundOnScreen = static_cast<uint8_t>(c.flag);
        f.owner.m_OnScreen = c.onScreen;
        f.Step();
        EXPECT_EQ(c.sounds, f.Sounds().size());
        f.Sounds().clear();
    }
}

}  // namespace
