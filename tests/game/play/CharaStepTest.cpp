#include <gtest/gtest.h>

#include "data/FlowCommand.h"
#include "tests/game/play/CharaFixture.h"

// The characters' own steps (speed level 1: one sub-step a frame): the speeds their flows set
// afresh, the jumps, and when a stage character appears.
class CharaStep : public CharaFixture {
protected:
    cPlayerActor& Player() { return m_Scene.m_Players[0]; }
    // The jump command: type, the highest jump (hbl) and the lowest, its speed and time.
    void SetJump(int type, double speed, int32_t useTime) {
        m_Cmd.m_Params = {type, 0, 3, 0, 1};
        m_Entry.m_Cmd = &m_Cmd;
        m_Entry.m_Speed = speed;
        m_Entry.m_UseTime = m_Entry.m_Remaining = useTime;
        m_Entry.m_Started = 0;
    }
    // The player stands on a floor block (or is in the air).
    void Ground(bool on) {
        cEdBlock floor = Block(1);
        floor.m_BlockType = 1;
        m_Floor.Put(floor);
        Player().m_CellBelow = on ? &m_Floor : nullptr;
        if (on) Player().m_Falling = 0;
    }
    // One step of the jump with the Z key held or not.
    void JumpStep(bool held) {
        Hold(0, held ? 1 : 0, 1);
        Player().m_JumpDone = 0;
        Player().Jump(m_Entry);
    }
    // The flow of the command runs while Z is down.
    void KeyedByZ() {
        m_Z.m_KeyStates[eKeyZ] = 1;
        m_Runner.m_KeyConds = {&m_Z};
        m_Scene.m_Flow.m_Runner = &m_Runner;
    }

    cFlowCmd m_Cmd;
    cFlowCmdEntry m_Entry;
    cBlockCell m_Floor;
    cKeyCond m_Z;
    cFlowRunner m_Runner;
};

// A key-held jump starts within the first sub-step of the press and rises at the command's
// speed; let go early, its rising speed is cut to 0.3 and the rise is over.
TEST_F(CharaStep, AJumpHeldAndLetGoEarly) {
    KeyedByZ();
    SetJump(1, -5, 10);
    Ground(true);
    JumpStep(true);
    EXPECT_EQ(1, Player().m_Jumping);
    EXPECT_DOUBLE_EQ(-5, Player().m_dSpeedY);
    EXPECT_EQ(1, m_Entry.m_Started);
    Ground(false);
    JumpStep(true);
    EXPECT_DOUBLE_EQ(-5, Player().m_dSpeedY) << "started once";
    JumpStep(false);
    EXPECT_DOUBLE_EQ(-1.5, Player().m_dSpeedY);
    EXPECT_EQ(1, Player().m_JumpEnd);
    EXPECT_EQ(0, Player().m_JumpHold);
    EXPECT_EQ(1, Player().m_JumpReady);
}

// Held to the command's time the rise ends normally; a key held for longer than the frame's
// sub-steps before the jump could start starts none; back on the ground, a command that does
// not follow a key ends.
TEST_F(CharaStep, JumpEndsAndLateKeys) {
    KeyedByZ();
    SetJump(1, -5, 3);
    Ground(true);
    JumpStep(true);
    Ground(false);
    JumpStep(true);
    EXPECT_EQ(0, Player().m_JumpEnd);
    JumpStep(true);
    EXPECT_EQ(1, Player().m_JumpEnd) << "held for the whole time";
    EXPECT_EQ(0, Player().m_JumpReady);

    Player().m_dSpeedY = 0;
    Player().m_JumpEnd = 0;
    Player().m_JumpReady = 1;
    Player().m_Jumping = 0;
    Player().m_JumpHold = 1;  // the key was already down a step before
    SetJump(1, -5, 3);
    Ground(true);
    JumpStep(true);
    EXPECT_EQ(0, Player().m_Jumping);
    EXPECT_DOUBLE_EQ(0, Player().m_dSpeedY);
    EXPECT_EQ(3, m_Entry.m_Remaining) << "the key is held: the command waits";

    m_Scene.m_Flow.m_Runner = nullptr;
    SetJump(0, -5, 3);
    m_Entry.m_Started = 1;
    JumpStep(false);
    EXPECT_EQ(0, m_Entry.m_Remaining) << "landed: the command ends";
}

// Off a lift the jump starts at the frame's last sub-step, 1.02 times as fast (in single
// precision); a jump of type 2 is as high as the run is fast.
TEST_F(CharaStep, JumpsOffALiftAndByRunningSpeed) {
    SetJump(0, -5, 10);
    Player().m_Falling = 0;
    Player().m_OnObject = 1;
    m_Scene.m_SubStep = 1;
    JumpStep(true);
    EXPECT_EQ(0, Player().m_OnObject);
    EXPECT_DOUBLE_EQ(-5 * 1.0199999809265137, Player().m_dSpeedY);

    const struct {
        double run;
        int hbl;
    } cases[] = {{0.5, 3}, {0.2, 2}, {0.1, 1}, {0.0, 1}};
    for (const auto& k : cases) {
        SCOPED_TRACE(k.run);
        SetJump(2, 0, 10);
        m_Cmd.m_Params = {2, 4, 3, 1, 1};  // 0.4 dots for 3 hbl, 0.1 for 1
        Player().m_dAcSpeedX = k.run;
        Player().m_JumpDone = 0;
        Player().Jump(m_Entry);
        EXPECT_DOUBLE_EQ(Player().JumpSpeedForHeight(k.hbl * 16.0), m_Entry.m_Speed);
    }
}

// A stage character jumps only when nothing stands in the way, and answers what does.
TEST_F(CharaStep, StageCharacterJumps) {
    const struct {
        const char* name;
        int falling, ceiling, impulse, air, result;
    } cases[] = {
        {"from the ground", 0, 0, 0, 0, 1},
        {"falling", 1, 1, 0, 0, 1},
        {"under a ceiling", 0, 1, 0, 2, 1},
        {"knocked back", 0, 0, 1, 2, 1},
        {"in the air", 0, 0, 0, 3, 3},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        cCharaActor chara = Chara({});
        chara.m_OnObject = 1;
        chara.m_Falling = k.falling;
        chara.m_CeilingLock = k.ceiling;
        chara.m_ImpulseActive = k.impulse;
        chara.m_AirCounter = k.air;
        cFlowCmdEntry entry;
        entry.m_Speed = -4;
        EXPECT_EQ(k.result, chara.Jump(entry));
        const bool jumped = !k.falling && !k.ceiling && !k.impulse && !k.air;
        EXPECT_DOUBLE_EQ(jumped ? -4 : 0, chara.m_dSpeedY);
        EXPECT_EQ(jumped ? 1 : 0, chara.m_JumpEnd);
        EXPECT_EQ(jumped ? 0 : 1, chara.m_OnObject);
    }
}

// Each step starts with the speeds flows set afresh: a walker stands, a flyer drifts with the
// scroll (none at its limit) or stops; the mode change counts down and a step without a jump
// makes the player ready for the next.
TEST_F(CharaStep, ActivateStartsTheStepsSpeeds) {
    cPlayerActor& player = Player();
    player.m_dSpeedX = 3;
    player.m_ModeCountdown = 2;
    player.m_JumpHold = 4;
    player.m_JumpReady = 0;
    player.m_FrictionX = 0;
    const int32_t steps = player.m_StepCount;
    EXPECT_EQ(0, player.Activate());
    EXPECT_EQ(0.0, player.m_dSpeedX);
    EXPECT_EQ(1, player.m_ModeCountdown);
    EXPECT_EQ(0, player.m_JumpHold);
    EXPECT_EQ(1, player.m_JumpReady);
    EXPECT_EQ(1, player.m_FrictionX);
    EXPECT_EQ(steps + 1, player.m_StepCount);

    player.SetHitboxes(2, 0);
    m_Scene.m_ScrollX.SetSpeed(1, 20);
    m_Scene.m_ScrollX.m_AtLimit = 0;
    player.Activate();
    EXPECT_DOUBLE_EQ(2.0, player.m_dSpeedX);
    m_Scene.m_ScrollX.m_AtLimit = 1;
    player.Activate();
    EXPECT_EQ(0.0, player.m_dSpeedX);
    m_Scene.m_ScrollX.SetSpeed(0, 0);

    cEdChara record = Enemy();
    record.m_Flight = 2;
    cCharaActor flyer;
    flyer.Setup(1, record, nullptr, 400, 400, 0);
    flyer.m_dSpeedX = flyer.m_dSpeedY = 2;
    EXPECT_EQ(0, flyer.Activate());
    EXPECT_EQ(0.0, flyer.m_dSpeedX);
    EXPECT_EQ(0.0, flyer.m_dSpeedY);
}

// A stage character appears in view on the axes its setting does not ignore; off the view a
// walker appears only jumping, or falling once it has appeared; a counted one marks its number
// so that the others of that number appear with it; a number past the list marks nothing.
TEST_F(CharaStep, Appearing) {
    const double in = m_Scene.m_ScrollX.m_Pos + 100, out = m_Scene.m_ScrollX.m_Pos + 2000;
    const struct {
        const char* name;
        int range, flight;
        double x;
        int jumping, appeared, falling, marked, counted, number;
        int result, mark;
    } cases[] = {
        {"in view", 0, 0, in, 0, 0, 0, 0, 0, 0, 1, 0},
        {"out of view", 0, 0, out, 0, 0, 0, 0, 0, 0, 0, 0},
        {"out of view, jumping", 0, 0, out, 1, 0, 0, 0, 0, 0, 1, 0},
        {"out of view, falling, new", 0, 0, out, 0, 0, 1, 0, 0, 0, 0, 0},
        {"out of view, falling again", 0, 0, out, 0, 1, 1, 0, 0, 0, 1, 0},
        {"a flyer out of view", 0, 2, out, 1, 0, 0, 0, 0, 0, 0, 0},
        {"anywhere", 3, 0, out, 0, 0, 0, 0, 0, 0, 1, 0},
        {"ignoring only the height", 1, 0, out, 0, 0, 0, 0, 0, 0, 0, 0},
        {"ignoring only the width", 2, 0, out, 0, 0, 0, 0, 0, 0, 1, 0},
        {"counted", 0, 0, in, 0, 0, 0, 0, 1, 7, 1, 1},
        {"another of the number", 0, 2, out, 0, 0, 0, 1, 1, 7, 1, 1},
        {"another of a number, not counted", 0, 2, out, 0, 0, 0, 1, 0, 7, 0, 1},
        {"a number past the list", 0, 0, in, 0, 0, 0, 0, 1, 70, 1, 0},
    };
    for (const auto& k : cases) {
        SCOPED_TRACE(k.name);
        cEdChara record = Enemy();
        record.m_ActRange = static_cast<uint8_t>(k.range);
        record.m_Flight = static_cast<uint8_t>(k.flight);
        record.m_HasGroup = static_cast<uint8_t>(k.counted);
        record.m_GroupNo = static_cast<uint16_t>(k.number);
        cCharaActor chara;
        chara.Setup(1, record, nullptr, k.x, m_Scene.m_ScrollY.m_Pos + 100, 0);
        chara.OnMoveX();
        chara.OnMoveY();
        chara.m_Jumping = k.jumping;
        chara.m_Appeared = k.appeared;
        chara.m_Falling = k.falling;
        std::vector<uint8_t> list(60, 0);
        if (k.marked) list[7] = 1;
        EXPECT_EQ(k.result, chara.TryAppear(list));
        EXPECT_EQ(k.mark, list[7]);
        EXPECT_EQ(k.result ? 1 : k.appeared, chara.m_Appeared);
    }
}

// A number pops up over the stage for half a second, as a timed icon of the player.
TEST_F(CharaStep, PopupNumber) {
    m_Scene.m_TextObjs.clear();
    Player().PopupNumber(500, 100, 200);
    ASSERT_EQ(1u, m_Scene.m_TextObjs.size());
    const cTextObj& number = m_Scene.m_TextObjs.back();
    EXPECT_EQ(cTextObj::eIcon, number.m_Kind);
    EXPECT_EQ(500, number.m_IconSource);
    EXPECT_EQ(100, number.m_IconNumber);
    EXPECT_EQ(200, number.m_IconSub);
    EXPECT_EQ(4, number.m_PositionMode);
    EXPECT_EQ(cTextObj::eTimed, number.m_TimeMode);
    EXPECT_EQ(30, number.m_Frames);
    EXPECT_EQ(Player().m_Number, number.m_CharaNumber);
}
