#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "data/CommonPalette.h"
#include "data/Flow.h"
#include "data/ProjectDatabase.h"
#include "data/SwordRecords.h"
#include "game/flow/CommandDispatch.h"
#include "game/flow/MoveCommands.h"
#include "game/flow/StageCommands.h"
#include "tests/game/flow/FlowCommands.h"
#include "tests/game/play/CharaFixture.h"

namespace {

const double kQ = 0.7071067811865476;

}  // namespace

// The commands that act on the stage around their owner: warps, shots, swords and summons, run
// for a character standing in the middle of a stage of 20 x 15 cells.
class ActionCommands : public CharaFixture {
protected:
    void SetUp() override {
        CharaFixture::SetUp();
        m_Scene.m_Charas.push_back(Chara({}));
        cCharaActor& owner = Owner();
        owner.m_Number = 50;
        owner.m_X = 640;
        owner.m_Y = 480;
        owner.ClampX(2);
        owner.ClampY(2);
        owner.UpdateScreenRect();
        owner.m_Present = owner.m_OnScreen = 1;
        m_Command.m_Move = cEdMovePtr(new cEdMove());
        m_Command.m_Shot = cEdShotPtr(new cEdShot());
        m_Command.m_Sound = 5;
        Shot().m_Count = 1;
        Shot().m_Formation = 0;
        Shot().m_Dir = 3;
        Shot().m_Speed = 10;
        m_Entry.m_Cmd = &m_Command;
    }
    cCharaActor& Owner() { return m_Scene.m_Charas.front(); }
    cEdMove& Move() { return *m_Command.m_Move; }
    cEdShot& Shot() { return *m_Command.m_Shot; }
    // The command of the type run for so many steps of one run.
    void Run(int type, int steps) {
        m_Command.m_CmdType = static_cast<uint8_t>(type);
        m_Entry.Reset();
        for (int i = 0; i < steps; ++i) FlowCommandTable[type](Owner(), m_Entry);
    }
    // A solid block in the map cell under the point (stage dots).
    void Wall(double x, double y) {
        cEdBlock wall = Block(1);
        wall.m_BlockType = 1;
        m_Scene.m_MapCells.At(static_cast<int>(m_Scene.CellIndexAt(x, y))).Put(wall);
    }
    std::vector<int>& Sounds() { return static_cast<cHeadlessHost&>(m_Scene.Host()).tableSounds; }

    cFlowCmd m_Command;
    cFlowCmdEntry m_Entry;
};

TEST_F(ActionCommands, WarpByDirectionAndDistance) {
    struct Case {
        int dir, facing, distance, perLevel, level;
        double dx, dy;
    } cases[] = {
        {3, 0, 2, 0, 0, 32, 0},
        {0, 0, 2, 0, 0, -32, 0},  // forward, facing left
        {1, 1, 2, 0, 0, -32, 0},  // backward, facing right
        {7, 0, 1, 0, 0, 0, 16},
        {10, 0, 2, 0, 0, 32 * kQ, -32 * kQ},
        {3, 0, 1, 1, 2, 48, 0},   // one hbl more for each level
        {12, 0, 2, 0, 0, 0, 0},   // no input when the flow started: no direction
    };
    for (const Case& c : cases) {
        SetUp();
        cCharaActor& owner = Owner();
        owner.m_Facing = c.facing;
        owner.m_Level = static_cast<int16_t>(c.level);
        cFlowRunner runner;
        runner.m_StartInput = 9;
        m_Scene.m_Flow.m_Runner = &runner;
        Move().m_DirMode = 0;
        Move().m_Dir = static_cast<uint8_t>(c.dir);
        Move().m_Distance = static_cast<int16_t>(c.distance);
        Move().m_DistanceClone = static_cast<int16_t>(c.perLevel);
        const double x = owner.m_X, y = owner.m_Y;
        EXPECT_EQ(0, ExecWarp(owner, m_Command));
        m_Scene.m_Flow.m_Runner = nullptr;
        SCOPED_TRACE(testing::Message() << "direction " << c.dir << " facing " << c.facing);
        EXPECT_NEAR(x + c.dx, owner.m_X, 1e-9);
        EXPECT_NEAR(y + c.dy, owner.m_Y, 1e-9);
        EXPECT_NEAR(owner.m_X + owner.m_Width - 1, owner.m_Right, 1e-9);
        m_Scene.m_Charas.clear();
    }
}

TEST_F(ActionCommands, WarpIntoAWallOrOutOfTheStageIsUndone) {
    struct Case {
        int mode, targetMode, x;
        bool wall;
    } cases[] = {
        {0, 0, 0, true},      // two hbl to the right, into a wall
        {2, 1, 100, false},   // block column 100 of a 20-column stage
        {2, 0, -40, false},   // 40 blocks to the left
    };
    for (const Case& c : cases) {
        SetUp();
        cCharaActor& owner = Owner();
        if (c.wall) Wall(owner.m_X + 40, owner.m_Y + 8);
        Move().m_DirMode = static_cast<uint8_t>(c.mode);
        Move().m_Dir = 3;
        Move().m_Distance = 2;
        Move().m_TargetMode = static_cast<uint8_t>(c.targetMode);
        Move().m_TargetX = static_cast<int16_t>(c.x);
        const double x = owner.m_X, y = owner.m_Y, right = owner.m_Right;
        const int32_t column = owner.m_LeftColumn;
        const cRect screen = owner.m_ScreenRect;
        ExecWarp(owner, m_Command);
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " x " << c.x);
        EXPECT_EQ(x, owner.m_X);
        EXPECT_EQ(y, owner.m_Y);
        EXPECT_EQ(right, owner.m_Right);
        EXPECT_EQ(column, owner.m_LeftColumn);
        EXPECT_EQ(screen.left, owner.m_ScreenRect.left);
        m_Scene.m_Charas.clear();
    }
}

TEST_F(ActionCommands, WarpToAPointOrBesideTheTarget) {
    cCharaActor& owner = Owner();
    const double x = owner.m_X, y = owner.m_Y;
    Move().m_DirMode = 2;
    Move().m_TargetMode = 0;  // relative, mirrored for an owner facing right
    Move().m_TargetX = 1;
    Move().m_TargetDotX = 4;
    Move().m_TargetY = -1;
    Move().m_FlipX = 1;
    owner.m_Facing = 1;
    ExecWarp(owner, m_Command);
    EXPECT_EQ(x - 36, owner.m_X);
    EXPECT_EQ(y - 32, owner.m_Y);

    Move().m_TargetMode = 2;  // a point of the screen
    Move().m_TargetX = 3;
    Move().m_TargetDotX = 0;
    Move().m_TargetY = 5;
    Move().m_FlipX = 0;
    ExecWarp(owner, m_Command);
    EXPECT_EQ(owner.m_DrawOffsetX + m_Scene.m_ScrollX.m_Pos + 96, owner.m_X);
    EXPECT_EQ(owner.m_DrawOffsetY + m_Scene.m_ScrollY.m_Pos + 160, owner.m_Y);

    Move().m_DirMode = 1;  // one hbl in front of the target
    Move().m_Dir = 0;
    Move().m_Distance = 1;
    EXPECT_EQ(0, ExecWarp(owner, m_Command)) << "without a target nothing moves";
    EXPECT_EQ(owner.m_DrawOffsetX + m_Scene.m_ScrollX.m_Pos + 96, owner.m_X);
    cCharaActor target = Chara({});
    target.m_X = 700;
    target.m_Y = 500;
    target.m_Facing = 0;
    owner.m_Flow.m_Target = &target;
    ExecWarp(owner, m_Command);
    EXPECT_EQ(700 - 16, owner.m_X);
    EXPECT_EQ(500, owner.m_Y);
}

TEST_F(ActionCommands, GroundReturnTurnsAtALedgeEvenWithItsDirectionFixed) {
    struct Case {
        int leftGround, rightGround, facing, afterFacing;
    } cases[] = {
        {1, 0, 1, 0},  // walking right off the ledge: turns left
        {0, 1, 0, 1},
        {1, 1, 1, 1},  // ground on both sides: walks on
        {0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SetUp();
        cCharaActor& owner = Owner();
        owner.m_X = 630;  // its box stands across two columns
        owner.ClampX(2);
        owner.m_Facing = c.facing;
        owner.m_DirFixed = 1;
        m_Entry.m_Speed = 1.0;
        if (c.leftGround) Wall(owner.m_X, owner.m_Bottom + 2);
        if (c.rightGround) Wall(owner.m_Right, owner.m_Bottom + 2);
        Run(kGroundReturn, 1);
        EXPECT_EQ(c.afterFacing, owner.m_Facing) << c.leftGround << c.rightGround << " facing " << c.facing;
        m_Scene.m_Charas.clear();
    }
}

TEST_F(ActionCommands, ShotsFireOncePerRepeatIntervalAndSoundEach) {
    Sounds().clear();
    const int32_t interval = CommandRepeatInterval();
    Run(kShot, 2 * interval);
    EXPECT_EQ(2u, m_Scene.m_Shots.size());
    EXPECT_EQ(std::vector<int>({5, 5}), Sounds());
    for (const cShotObj& shot : m_Scene.m_Shots) {
        EXPECT_FALSE(shot.IsSword());
        EXPECT_GT(shot.m_dSpeedX, 0) << "to the right";
    }
    Sounds().clear();
}

TEST_F(ActionCommands, ASwordIsMadeOnceARunAndAimsAtNothing) {
    cRestoreOnExit<cRecordVector<cSwordType>> saved(ProjectDatabase().m_SwordTypes);
    cRecordVector<cSwordType>& types = ProjectDatabase().m_SwordTypes;
    types.assign(4, cSwordType());
    for (cSwordType& type : types) type.m_Positions.clear();
    types[3].m_Positions.push_back(cSwordPos());
    types[3].m_Positions[0].m_Width = 20;
    types[3].m_Positions[0].m_Height = 10;
    cCharaActor target = Chara({});
    Owner().m_Flow.m_Target = &target;
    Sounds().clear();
    Shot().m_MoveType = 3;
    Run(kSword, 3 * CommandRepeatInterval());
    ASSERT_EQ(1u, m_Scene.m_Shots.size());
    EXPECT_TRUE(m_Scene.m_Shots.front().IsSword());
    EXPECT_EQ(nullptr, m_Scene.m_Shots.front().m_Target);
    EXPECT_EQ(1u, Sounds().size());
    EXPECT_EQ(3 * CommandRepeatInterval(), m_Entry.m_Steps);
    for (int type : {2, 9}) {  // without positions, or outside the table: no sword
        m_Scene.m_Shots.clear();
        Shot().m_MoveType = static_cast<uint8_t>(type);
        Run(kSword, 1);
        EXPECT_TRUE(m_Scene.m_Shots.empty()) << type;
    }
    Sounds().clear();
}

TEST_F(ActionCommands, SummonedCharactersTakeTheirForceAndFacing) {
    cEdChara summoned = Enemy();
    summoned.m_Force = 3;
    ProjectCommonPalette().m_Charas.resize(3);
    ProjectCommonPalette().m_Charas[2] = summoned;
    ProjectCommonPalette().m_Charas[1] = summoned;
    ProjectCommonPalette().m_Charas[1].m_Control = 0;
    Owner().m_Chara.m_Force = 2;
    Owner().m_Facing = 1;
    struct Case {
        int index, forceChoice, flip;
        size_t made;
        int force, facing;
    } cases[] = {
        {2, 0, 0, 1, 3, 1}, {2, 1, 0, 1, 2, 1}, {2, 2, 1, 1, 6, 0},
        {1, 0, 0, 0, 0, 0},   // the player's kind of character is never summoned
        {7, 0, 0, 0, 0, 0},   // nor one the palette lacks
    };
    for (const Case& c : cases) {
        while (m_Scene.m_Charas.size() > 1) m_Scene.m_Charas.pop_back();
        Shot().m_SummonPalette = 0;
        Shot().m_SummonIndex = static_cast<int16_t>(c.index);
        Shot().m_SummonForce = static_cast<uint8_t>(c.forceChoice);
        Shot().m_Force = 6;
        Shot().m_FlipDir = static_cast<uint8_t>(c.flip);
        Run(kSummonChara, 1);
        SCOPED_TRACE(testing::Message() << "element " << c.index << " force choice " << c.forceChoice);
        ASSERT_EQ(1 + c.made, m_Scene.m_Charas.size());
        if (!c.made) continue;
        const cCharaActor& made = m_Scene.m_Charas.back();
        EXPECT_EQ(c.force, made.m_Chara.m_Force);
        EXPECT_EQ(c.facing, made.m_Facing);
        EXPECT_GT(made.m_X, Owner().m_Right) << "placed to the right of the owner";
    }
}

TEST_F(ActionCommands, SummonedItemsAndBlocks) {
    ProjectCommonPalette().m_Items.resize(2);
    ProjectCommonPalette().m_Items[1].m_Graphic = 5;
    ProjectCommonPalette().m_Blocks.resize(3);
    ProjectCommonPalette().m_Blocks[2] = Block(7);
    const size_t items = m_Scene.m_Items.size();
    Shot().m_SummonIndex = 1;
    Run(kSummonItem, 1);
    ASSERT_EQ(items + 1, m_Scene.m_Items.size());
    EXPECT_EQ(5, m_Scene.m_Items.back().m_Item.m_Graphic);

    Shot().m_SummonIndex = 2;
    Shot().m_SummonType = 0;
    Run(kSummonBlock, 1);
    const cBlockCell& cell = m_Scene.m_MapCells.At(
        static_cast<int>(m_Scene.CellIndexAt(Owner().m_ScreenRect.right + m_Scene.m_ScrollX.m_Pos + 17,
                                             Owner().m_ScreenRect.top + m_Scene.m_ScrollY.m_Pos + 16)));
    EXPECT_EQ(7, cell.block.m_Graphic);

    Shot().m_SummonIndex = 99;
    Run(kSummonItem, 1);
    EXPECT_EQ(items + 1, m_Scene.m_Items.size()) << "an element the palette lacks";
}
