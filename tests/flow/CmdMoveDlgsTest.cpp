// The wait, movement, direction and jump dialogs: every control writes exactly its field at OK
// and nothing at Cancel or the close box; new commands take their type's defaults; the controls
// are enabled as the other controls say.
#include <functional>
#include <vector>

#include "data/ProjectDatabase.h"
#include "editor/flow/CmdMoveDlgs.h"
#include "editor/flow/FlowCmdIds.h"
#include "editor/shell/EditorSound.h"
#include "tests/flow/CmdDlgFixture.h"
#include "tests/support/BoxAnswers.h"
#include "tests/support/RestoreOnExit.h"

namespace {

// The rows every dialog with the time group has.
std::vector<cFieldRow> WaitTimeRows() {
    return {
        {Type(IDC_CMD_TIME, "25"), C<uint16_t>(&cFlowCmd::m_Time, 25)},
        {Type(IDC_CMD_TIME, "12000"), C<uint16_t>(&cFlowCmd::m_Time, 9999)},
        {Type(IDC_CMD_TIME_K, "-3"), C<int16_t>(&cFlowCmd::m_CloneTime, -3)},
        {Type(IDC_CMD_TIME_K, "-900"), C<int16_t>(&cFlowCmd::m_CloneTime, -500)},
        {Click(IDC_CMD_PARALLEL), CToggle(&cFlowCmd::m_Parallel)},
    };
}
std::vector<cFieldRow> SpeedRows() {
    return {
        {Choose(IDC_MV_SET_TYPE, 2), M<uint8_t>(&cEdMove::m_SpeedMode, 2)},
        {Type(IDC_MV_SPEED, "-150"), M<int16_t>(&cEdMove::m_Speed, -150)},
        {Type(IDC_MV_SPEED_K, "7"), M<int16_t>(&cEdMove::m_SpeedClone, 7)},
        {Type(IDC_MV_DISTANCE, "40"), M<int16_t>(&cEdMove::m_Distance, 40)},
        {Type(IDC_MV_DISTANCE, "99"), M<int16_t>(&cEdMove::m_Distance, 40)},
        {Type(IDC_MV_DISTANCE_K, "-40"), M<int16_t>(&cEdMove::m_DistanceClone, -40)},
    };
}
std::vector<cFieldRow> InertiaRows() {
    return {
        {Click(IDC_MV_INERTIA), MToggle(&cEdMove::m_Inertia)},
        {Type(IDC_MV_MAX_SPEED, "150"), M<int16_t>(&cEdMove::m_MaxSpeed, 150)},
        {Type(IDC_MV_TURN_FACTOR, "2.5"), M<double>(&cEdMove::m_TurnFactor, 2.5)},
        {Choose(IDC_CMD_ANIME, 1), C<uint16_t>(&cFlowCmd::m_Anime, 1)},
    };
}
// The line movement's "横方向の移動を無効化" is 1396; the circle, charge and homing templates
// give theirs the id the line movement gives its stop-at-target box.
const uint16_t kLineNoMoveX = 1396;
const uint16_t kNoMoveX = 1146;

std::vector<cFieldRow> TargetOffsetRows(uint16_t noMoveX) {
    return {
        {Type(IDC_MV_TARGET_X, "640"), M<int16_t>(&cEdMove::m_TargetX, 640)},
        {Type(IDC_MV_TARGET_X_DOT, "-640"), M<int16_t>(&cEdMove::m_TargetDotX, -640)},
        {Type(IDC_MV_TARGET_Y, "-12"), M<int16_t>(&cEdMove::m_TargetY, -12)},
        {Type(IDC_MV_TARGET_Y_DOT, "700"), M<int16_t>(&cEdMove::m_TargetDotY, 640)},
        {Click(IDC_MV_FLIP_X), MToggle(&cEdMove::m_FlipX)},
        {Click(IDC_MV_FLIP_Y), MToggle(&cEdMove::m_FlipY)},
        {Click(noMoveX), MToggle(&cEdMove::m_NoMoveX)},
        {Click(IDC_MV_NO_MOVE_Y), MToggle(&cEdMove::m_NoMoveY)},
    };
}

class CmdMoveDlgs : public CmdDlgTest {};

TEST_F(CmdMoveDlgs, WaitWritesItsTimeGroup) { CheckFamily<cCmdWaitDlg>(1, IDD_CMD_WAIT, "ウエイト", WaitTimeRows()); }

TEST_F(CmdMoveDlgs, LineMovementWritesEachField) {
    std::vector<cFieldRow> direction = {
        {Choose(IDC_MV_DIR_MODE, 1), M<uint8_t>(&cEdMove::m_DirMode, 1)},
        {Choose(IDC_MV_DIR, 12), M<uint8_t>(&cEdMove::m_Dir, 12)},
        {Click(IDC_MV_REVERSE_ON_TURN), MToggle(&cEdMove::m_ReverseOnTurn)},
        {Choose(IDC_MV_TARGET_TYPE, 1), M<uint8_t>(&cEdMove::m_TargetMode, 1)},
        {Click(IDC_MV_USE_TARGET_X), MToggle(&cEdMove::m_UseTargetX)},
        {Click(IDC_MV_USE_TARGET_Y), MToggle(&cEdMove::m_UseTargetY)},
        {Click(IDC_MV_STOP_AT_TARGET), MToggle(&cEdMove::m_StopAtTarget)},
        {Click(IDC_MV_NO_JITTER), MToggle(&cEdMove::m_NoJitter)},
        {Type(IDC_MV_ANGLE, "7200"), M<int16_t>(&cEdMove::m_Angle, 7200)},
        {Type(IDC_MV_ANGLE_K, "-8000"), M<int16_t>(&cEdMove::m_AngleClone, -7200)},
    };
    CheckFamily<cCmdLineMoveDlg>(2, IDD_CMD_LINE_MOVE, "直線移動",
                                 Join({WaitTimeRows(), SpeedRows(), direction, TargetOffsetRows(kLineNoMoveX), InertiaRows()}));
}

TEST_F(CmdMoveDlgs, GroundChargeHomingAndAvoidanceWriteEachField) {
    CheckFamily<cCmdGroundMoveDlg>(3, IDD_CMD_GROUND_MOVE, "地上折り返し移動", Join({WaitTimeRows(), SpeedRows(), InertiaRows()}));
    CheckFamily<cCmdChargeMoveDlg>(5, IDD_CMD_CHARGE_MOVE, "突撃移動",
                                   Join({WaitTimeRows(), SpeedRows(), TargetOffsetRows(kNoMoveX), InertiaRows()}));
    std::vector<cFieldRow> homing = {
        {Type(IDC_MV_HOMING, "10"), M<int16_t>(&cEdMove::m_Homing, 10)},
        {Type(IDC_MV_HOMING_K, "-4"), M<int16_t>(&cEdMove::m_HomingClone, 0)},
        {Type(IDC_MV_HOMING_K, "3"), M<int16_t>(&cEdMove::m_HomingClone, 3)},
        {Click(IDC_MV_NO_JITTER), MToggle(&cEdMove::m_NoJitter)},
    };
    CheckFamily<cCmdHomingMoveDlg>(6, IDD_CMD_HOMING_MOVE, "誘導移動",
                                   Join({WaitTimeRows(), SpeedRows(), TargetOffsetRows(kNoMoveX), homing, InertiaRows()}));
    std::vector<cFieldRow> avoid = {{Choose(IDC_MV_DIR, 7), M<uint8_t>(&cEdMove::m_Dir, 7)}};
    CheckFamily<cCmdPlainMoveDlg>(7, IDD_CMD_AVOID_MOVE, "画面外回避移動",
                                  Join({WaitTimeRows(), SpeedRows(), avoid, InertiaRows()}));
}

TEST_F(CmdMoveDlgs, CircleWritesEachField) {
    std::vector<cFieldRow> circle = {
        {Choose(IDC_MV_SET_TYPE, 0), M<uint8_t>(&cEdMove::m_SpeedMode, 0)},
        {Choose(IDC_MV_ROTATION, 2), M<uint8_t>(&cEdMove::m_Dir, 2)},
        {Type(IDC_MV_SPEED, "-200"), M<int16_t>(&cEdMove::m_Speed, -180)},
        {Type(IDC_MV_SPEED_K, "5"), M<int16_t>(&cEdMove::m_SpeedClone, 5)},
        {Type(IDC_MV_START_ANGLE, "90"), M<int16_t>(&cEdMove::m_Angle, 90)},
        {Type(IDC_MV_START_ANGLE_K, "-10"), M<int16_t>(&cEdMove::m_AngleClone, -10)},
        {Type(IDC_MV_END_ANGLE, "720"), M<int16_t>(&cEdMove::m_Distance, 720)},
        {Type(IDC_MV_END_ANGLE_K, "3"), M<int16_t>(&cEdMove::m_DistanceClone, 3)},
        {Type(IDC_MV_RADIUS, "25"), M<int16_t>(&cEdMove::m_Homing, 20)},
        {Type(IDC_MV_RADIUS_K, "-20"), M<int16_t>(&cEdMove::m_HomingClone, -20)},
        {Click(IDC_MV_FLIP_X), MToggle(&cEdMove::m_FlipX)},
        {Click(IDC_MV_FLIP_Y), MToggle(&cEdMove::m_FlipY)},
        {Click(kNoMoveX), MToggle(&cEdMove::m_NoMoveX)},
        {Click(IDC_MV_NO_MOVE_Y), MToggle(&cEdMove::m_NoMoveY)},
        {Choose(IDC_CMD_ANIME, 1), C<uint16_t>(&cFlowCmd::m_Anime, 1)},
    };
    CheckFamily<cCmdCircleMoveDlg>(4, IDD_CMD_CIRCLE_MOVE, "円移動", Join({WaitTimeRows(), circle}));
}

// Movement off holds only the time group: the movement record keeps every value.
TEST_F(CmdMoveDlgs, MovementOffBindsOnlyItsTimeGroup) {
    CheckFamily<cCmdPlainMoveDlg>(8, IDD_CMD_STOP_MOVE, "移動の無効化", WaitTimeRows());
    cFlowCmd cmd = NewCmd(8);
    cmd.m_Move = cEdMove::Create();
    cmd.m_Move->m_Speed = 123;
    cmd.m_Move->m_Dir = 9;
    cEdMove kept = *cmd.m_Move;
    EXPECT_EQ(1, Run<cCmdPlainMoveDlg>(cmd, 0, IDD_CMD_STOP_MOVE, "移動の無効化", [](HWND dlg) {
        EXPECT_EQ(nullptr, GetDlgItem(dlg, IDC_MV_DIR));
        Press(dlg, IDC_CMD_OK);
    }));
    EXPECT_TRUE(*cmd.m_Move == kept);
}

TEST_F(CmdMoveDlgs, DirectionAndJumpWriteEachField) {
    // The sound combo plays its choice: a file that cannot be played says so.
    cRestoreOnExit<cDatabase> db(ProjectDatabase());
    ProjectDatabase().m_Sounds.resize(2);
    ProjectDatabase().m_Sounds[1].m_File = "wave\\missing.txt";
    ASSERT_FALSE(EditorWave().IsEnabled());
    EditorWave().Enable();
    struct cReleaseWave {
        ~cReleaseWave() { EditorWave().Release(); }
    } release;
    cBoxAnswers boxes;
    std::vector<cFieldRow> sound = {
        {Choose(IDC_CMD_ANIME, 1), C<uint16_t>(&cFlowCmd::m_Anime, 1)},
        {Choose(IDC_CMD_SOUND, 1), C<uint16_t>(&cFlowCmd::m_Sound, 1)},
    };
    std::vector<cFieldRow> facing = {{Choose(IDC_DIR_FACING, 3), P(0, 3)}};
    CheckFamily<cCmdDirectionDlg>(9, IDD_CMD_DIRECTION, "向き変更", Join({WaitTimeRows(), facing, sound}));
    std::vector<cFieldRow> jump = {
        {Choose(IDC_JUMP_TYPE, 2), P(0, 2)},
        {Type(IDC_JUMP_MAX_SPEED, "150"), P(1, 150)},
        {Type(IDC_JUMP_MAX_SPEED, "201"), P(1, 200)},
        {Type(IDC_JUMP_MAX_HEIGHT, "25"), P(2, 20)},
        {Type(IDC_JUMP_MAX_HEIGHT, "0"), P(2, 1)},
        {Type(IDC_JUMP_MIN_SPEED, "10"), P(3, 10)},
        {Type(IDC_JUMP_MIN_HEIGHT, "3"), P(4, 3)},
        {Click(IDC_CMD_SKIP_OFFSCREEN), CToggle(&cFlowCmd::m_SoundOnScreen)},
    };
    CheckFamily<cCmdJumpDlg>(10, IDD_CMD_JUMP, "ジャンプ", Join({jump, sound}));
    bool previewed = false;
    for (const cShownBox& box : boxes.Shown()) {
        EXPECT_EQ(std::string::npos, box.text.find("コントロールID")) << box.text;
        previewed = previewed || box.text == "読み込み失敗！";
    }
    EXPECT_TRUE(previewed);
}

struct cMoveDefaultsCase {
    int type;
    UINT templateId;
    const char* caption;
    std::function<void(cFlowCmd&)> expect;
};

TEST_F(CmdMoveDlgs, NewCommandsTakeTheirTypesDefaults) {
    // The distance edit stores at least 1.
    auto moveDefaults = [](cFlowCmd& c) {
        c.m_Time = 1;
        *c.m_Move = cEdMove();
        c.m_Move->m_MaxSpeed = 200;
        c.m_Move->m_Distance = 1;
    };
    const cMoveDefaultsCase cases[] = {
        {1, IDD_CMD_WAIT, "ウエイト", [](cFlowCmd& c) { c.m_Time = 1; }},
        {2, IDD_CMD_LINE_MOVE, "直線移動", moveDefaults},
        {3, IDD_CMD_GROUND_MOVE, "地上折り返し移動", moveDefaults},
        {4, IDD_CMD_CIRCLE_MOVE, "円移動",
         [](cFlowCmd& c) {
             c.m_Time = 1;
             *c.m_Move = cEdMove();
             c.m_Move->m_SpeedMode = 1;
             c.m_Move->m_Speed = 20;
             c.m_Move->m_Angle = 0;
             c.m_Move->m_Distance = 360;
             c.m_Move->m_Homing = 6;
             c.m_Move->m_MaxSpeed = 200;
         }},
        {6, IDD_CMD_HOMING_MOVE, "誘導移動",
         [moveDefaults](cFlowCmd& c) {
             moveDefaults(c);
             c.m_Move->m_Homing = 0;
         }},
        {9, IDD_CMD_DIRECTION, "向き変更",
         [](cFlowCmd& c) {
             c.m_Time = 1;
             c.m_Params = {5};
         }},
        {10, IDD_CMD_JUMP, "ジャンプ",
         [](cFlowCmd& c) {
             c.m_Time = 1;
             c.m_Parallel = 1;
             c.m_Params = {0, 100, 7, 0, 4};
         }},
    };
    for (const cMoveDefaultsCase& c : cases) {
        // A command with leftovers of another type: a new command forgets them.
        cFlowCmd cmd = NewCmd(c.type);
        cmd.m_Time = 77;
        cmd.m_Move = cEdMove::Create();
        cmd.m_Move->m_Speed = 99;
        cFlowCmd expected = cmd;
        expected.m_Params.assign(c.type == 9 ? 1 : c.type == 10 ? 5 : 0, 0);
        c.expect(expected);
        cFlowCmd seen;
        int result = 0;
        switch (c.type) {
        case 1: result = Run<cCmdWaitDlg>(cmd, 1, c.templateId, c.caption, [](HWND d) { Press(d, IDC_CMD_OK); }); break;
        case 2: result = Run<cCmdLineMoveDlg>(cmd, 1, c.templateId, c.caption, [](HWND d) { Press(d, IDC_CMD_OK); }); break;
        case 3: result = Run<cCmdGroundMoveDlg>(cmd, 1, c.templateId, c.caption, [](HWND d) { Press(d, IDC_CMD_OK); }); break;
        case 4:
            result = Run<cCmdCircleMoveDlg>(cmd, 1, c.templateId, c.caption, [](HWND d) {
                EXPECT_FALSE(IsEnabledCtrl(d, IDC_CMD_TIME));
                EXPECT_TRUE(IsEnabledCtrl(d, IDC_MV_SPEED));
                Press(d, IDC_CMD_OK);
            });
            break;
        case 6: result = Run<cCmdHomingMoveDlg>(cmd, 1, c.templateId, c.caption, [](HWND d) { Press(d, IDC_CMD_OK); }); break;
        case 9: result = Run<cCmdDirectionDlg>(cmd, 1, c.templateId, c.caption, [](HWND d) { Press(d, IDC_CMD_OK); }); break;
        case 10: result = Run<cCmdJumpDlg>(cmd, 1, c.templateId, c.caption, [](HWND d) { Press(d, IDC_CMD_OK); }); break;
        }
        EXPECT_EQ(1, result) << c.caption;
        if (c.type == 1 || c.type >= 9) expected.m_Move = cmd.m_Move;  // not theirs: left alone
        EXPECT_TRUE(cmd == expected) << c.caption;
    }
}

// The line movement's enabling, step by step, with what OK then stores.
TEST_F(CmdMoveDlgs, LineMovementEnablesFollowTheControls) {
    cFlowCmd cmd = NewCmd(2);
    cmd.m_Move = cEdMove::Create();
    cmd.m_Move->m_FlipX = 1;
    cmd.m_Move->m_FlipY = 1;
    cmd.m_Move->m_Inertia = 1;
    EXPECT_EQ(1, Run<cCmdLineMoveDlg>(cmd, 0, IDD_CMD_LINE_MOVE, "直線移動", [](HWND d) {
        Act(d, Choose(IDC_MV_DIR_MODE, 0));
        EXPECT_TRUE(IsEnabledCtrl(d, IDC_MV_DIR));
        EXPECT_TRUE(IsEnabledCtrl(d, IDC_MV_REVERSE_ON_TURN));
        for (uint16_t id : {IDC_MV_TARGET_TYPE, IDC_MV_USE_TARGET_X, IDC_MV_USE_TARGET_Y, IDC_MV_FLIP_X, IDC_MV_FLIP_Y,
                            IDC_MV_STOP_AT_TARGET, IDC_MV_NO_JITTER, IDC_MV_TARGET_X, IDC_MV_TARGET_X_DOT,
                            IDC_MV_TARGET_Y, IDC_MV_TARGET_Y_DOT})
            EXPECT_FALSE(IsEnabledCtrl(d, id)) << id;
        Act(d, Choose(IDC_MV_DIR_MODE, 1));
        Act(d, Choose(IDC_MV_TARGET_TYPE, 1));
        EXPECT_FALSE(IsEnabledCtrl(d, IDC_MV_DIR));
        for (uint16_t id : {IDC_MV_TARGET_TYPE, IDC_MV_FLIP_X, IDC_MV_FLIP_Y, IDC_MV_TARGET_X, IDC_MV_TARGET_Y})
            EXPECT_TRUE(IsEnabledCtrl(d, id)) << id;
        // Unticking X disables both X edits and the X flip, whatever the target type.
        Act(d, Click(IDC_MV_USE_TARGET_X));
        for (uint16_t id : {IDC_MV_TARGET_X, IDC_MV_TARGET_X_DOT, IDC_MV_FLIP_X}) EXPECT_FALSE(IsEnabledCtrl(d, id)) << id;
        EXPECT_TRUE(IsEnabledCtrl(d, IDC_MV_FLIP_Y));
        Act(d, Click(IDC_MV_USE_TARGET_X));
        // Absolute target: both flips off and cleared.
        Act(d, Choose(IDC_MV_TARGET_TYPE, 2));
        EXPECT_FALSE(IsEnabledCtrl(d, IDC_MV_FLIP_X));
        EXPECT_FALSE(IsEnabledCtrl(d, IDC_MV_FLIP_Y));
        EXPECT_FALSE(IsCheckedCtrl(d, IDC_MV_FLIP_X));
        EXPECT_FALSE(IsCheckedCtrl(d, IDC_MV_FLIP_Y));
        // Setting type and inertia.
        const bool kEnabled[3][3] = {{true, true, false}, {true, false, true}, {false, true, true}};
        for (int setType = 0; setType < 3; ++setType) {
            Act(d, Choose(IDC_MV_SET_TYPE, setType));
            EXPECT_EQ(kEnabled[setType][0], IsEnabledCtrl(d, IDC_CMD_TIME)) << setType;
            EXPECT_EQ(kEnabled[setType][0], IsEnabledCtrl(d, IDC_CMD_TIME_K)) << setType;
            EXPECT_EQ(kEnabled[setType][1], IsEnabledCtrl(d, IDC_MV_SPEED)) << setType;
            EXPECT_EQ(kEnabled[setType][1], IsEnabledCtrl(d, IDC_MV_SPEED_K)) << setType;
            EXPECT_EQ(kEnabled[setType][2], IsEnabledCtrl(d, IDC_MV_DISTANCE)) << setType;
            EXPECT_EQ(kEnabled[setType][2], IsEnabledCtrl(d, IDC_MV_DISTANCE_K)) << setType;
        }
        EXPECT_TRUE(IsEnabledCtrl(d, IDC_MV_MAX_SPEED));
        Act(d, Click(IDC_MV_INERTIA));
        EXPECT_FALSE(IsEnabledCtrl(d, IDC_MV_MAX_SPEED));
        EXPECT_FALSE(IsEnabledCtrl(d, IDC_MV_TURN_FACTOR));
        Press(d, IDC_CMD_OK);
    }));
    EXPECT_EQ(2, cmd.m_Move->m_TargetMode);
    EXPECT_EQ(0, cmd.m_Move->m_FlipX);
    EXPECT_EQ(0, cmd.m_Move->m_FlipY);
}

// A target kind from a file that the list lacks selects nothing; the flips it cannot judge
// stay as stored, as does the kind.
TEST_F(CmdMoveDlgs, ATargetKindOutsideTheListKeepsTheFlips) {
    cFlowCmd cmd = NewCmd(2);
    ASSERT_EQ(1, Run<cCmdLineMoveDlg>(cmd, 1, IDD_CMD_LINE_MOVE, "直線移動", PressOk));
    cmd.m_Move->m_DirMode = 1;
    cmd.m_Move->m_TargetMode = 7;
    cmd.m_Move->m_UseTargetX = 1;
    cmd.m_Move->m_UseTargetY = 1;
    cmd.m_Move->m_FlipX = 1;
    cmd.m_Move->m_FlipY = 1;
    ExpectOutsideValuesKept<cCmdLineMoveDlg>(cmd, IDD_CMD_LINE_MOVE, "直線移動", {IDC_MV_TARGET_TYPE}, [](HWND d) {
        EXPECT_TRUE(IsCheckedCtrl(d, IDC_MV_FLIP_X));
        EXPECT_TRUE(IsCheckedCtrl(d, IDC_MV_FLIP_Y));
    });
}

TEST_F(CmdMoveDlgs, CircleAndJumpEnablesFollowTheirCombos) {
    cFlowCmd circle = NewCmd(4);
    circle.m_Move = cEdMove::Create();
    EXPECT_EQ(0, Run<cCmdCircleMoveDlg>(circle, 0, IDD_CMD_CIRCLE_MOVE, "円移動", [](HWND d) {
        for (int byTime : {1, 0}) {
            Act(d, Choose(IDC_MV_SET_TYPE, byTime ? 0 : 1));
            EXPECT_EQ(byTime != 0, IsEnabledCtrl(d, IDC_CMD_TIME));
            EXPECT_EQ(byTime != 0, IsEnabledCtrl(d, IDC_CMD_TIME_K));
            EXPECT_EQ(byTime == 0, IsEnabledCtrl(d, IDC_MV_SPEED));
            EXPECT_EQ(byTime == 0, IsEnabledCtrl(d, IDC_MV_SPEED_K));
        }
        Press(d, IDC_CMD_CANCEL);
    }));
    cFlowCmd jump = NewCmd(10);
    jump.m_Params.assign(5, 0);
    EXPECT_EQ(0, Run<cCmdJumpDlg>(jump, 0, IDD_CMD_JUMP, "ジャンプ", [](HWND d) {
        for (int type : {0, 1, 2}) {
            Act(d, Choose(IDC_JUMP_TYPE, type));
            for (uint16_t id : {IDC_JUMP_MAX_SPEED, IDC_JUMP_MIN_SPEED, IDC_JUMP_MIN_HEIGHT})
                EXPECT_EQ(type == 2, IsEnabledCtrl(d, id)) << type << " " << id;
            EXPECT_TRUE(IsEnabledCtrl(d, IDC_JUMP_MAX_HEIGHT));
        }
        Press(d, IDC_CMD_CANCEL);
    }));
}

}  // namespace
