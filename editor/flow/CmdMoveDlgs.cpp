#include "editor/flow/CmdMoveDlgs.h"

#include "data/FlowCommand.h"
#include "data/MoveShotTables.h"
#include "data/ProjectDatabase.h"
#include "editor/flow/FlowCmdIds.h"
#include "editor/shell/EditorSound.h"
#include "framework/NameList.h"

namespace {

// The anime or sound names a command combo offers: "なし" for row 0, then the numbered rows.
template <class Table>
void BuildNoneFirst(std::vector<std::string>* list, const Table& table) {
    BuildTableNameList(list, table, "なし", 0, 3, 0);
}

enum eSetType { eTimeAndSpeed = 0, eTimeAndDistance = 1, eSpeedAndDistance = 2 };
enum eTargetType { eTargetAbsolute = 2, eTargetScreen = 3 };

}  // namespace

cCmdWaitDlg::cCmdWaitDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group)
    : cCmdPage(templateId, parent, context, group) {
    if (IsNew()) Cmd().m_Time = 1;
    BindTime();
}

cCmdMovePage::cCmdMovePage(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group)
    : cCmdPage(templateId, parent, context, group) {
    // A movement read from a file without its record gets a default one to edit.
    if (IsNew() || !Cmd().m_Move) Cmd().m_Move = cEdMove::Create();
    if (IsNew()) {
        Cmd().m_Time = 1;
        Move().m_MaxSpeed = 200;
    }
    BuildNoneFirst(&m_AnimeNames, ProjectDatabase().m_Animes);
}

cEdMove& cCmdMovePage::Move() const { return *Cmd().m_Move; }

void cCmdMovePage::BindSpeedGroup() {
    cEdMove& m = Move();
    m_Bind.Combo(IDC_MV_SET_TYPE, &m.m_SpeedMode, MoveSpeedModeNames);
    m_Bind.Edit(IDC_MV_SPEED, &m.m_Speed, -200, 200, IDC_MV_SPEED_SPIN);
    m_Bind.Edit(IDC_MV_SPEED_K, &m.m_SpeedClone, -200, 200, IDC_MV_SPEED_K_SPIN);
    m_Bind.Edit(IDC_MV_DISTANCE, &m.m_Distance, 1, 40, IDC_MV_DISTANCE_SPIN);
    m_Bind.Edit(IDC_MV_DISTANCE_K, &m.m_DistanceClone, -40, 40, IDC_MV_DISTANCE_K_SPIN);
}

void cCmdMovePage::BindInertia() {
    cEdMove& m = Move();
    m_Bind.Check(IDC_MV_INERTIA, &m.m_Inertia);
    m_Bind.Edit(IDC_MV_MAX_SPEED, &m.m_MaxSpeed, 0, 200, IDC_MV_MAX_SPEED_SPIN);
    m_Bind.Real(IDC_MV_TURN_FACTOR, &m.m_TurnFactor, 0.0, 9.9, 0.1, IDC_MV_TURN_FACTOR_SPIN);
}

void cCmdMovePage::BindAnime() { m_Bind.Combo(IDC_CMD_ANIME, &Cmd().m_Anime, &m_AnimeNames); }

void cCmdMovePage::EnableSpeedGroup() {
    int setType = ComboPos(IDC_MV_SET_TYPE);
    int time = setType != eSpeedAndDistance;
    int speed = setType != eTimeAndDistance;
    int distance = setType != eTimeAndSpeed;
    EnableCtrl(IDC_CMD_TIME, time);
    EnableCtrl(IDC_CMD_TIME_K, time);
    EnableCtrl(IDC_MV_SPEED, speed);
    EnableCtrl(IDC_MV_SPEED_K, speed);
    EnableCtrl(IDC_MV_DISTANCE, distance);
    EnableCtrl(IDC_MV_DISTANCE_K, distance);
}

void cCmdMovePage::EnableInertia() {
    int on = IsChecked(IDC_MV_INERTIA);
    EnableCtrl(IDC_MV_MAX_SPEED, on);
    EnableCtrl(IDC_MV_TURN_FACTOR, on);
}

void cCmdMovePage::UpdateEnables() {
    EnableSpeedGroup();
    EnableInertia();
}

cCmdLineMoveDlg::cCmdLineMoveDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group)
    : cCmdMovePage(templateId, parent, context, group) {
    cEdMove& m = Move();
    BindTime();
    BindSpeedGroup();
    m_Bind.Combo(IDC_MV_DIR_MODE, &m.m_DirMode, MoveDirModeNames);
    m_Bind.Combo(IDC_MV_DIR, &m.m_Dir, MoveDirNames);
    m_Bind.Check(IDC_MV_REVERSE_ON_TURN, &m.m_ReverseOnTurn);
    m_Bind.Combo(IDC_MV_TARGET_TYPE, &m.m_TargetMode, TargetCoordNames);
    m_Bind.Check(IDC_MV_USE_TARGET_X, &m.m_UseTargetX);
    m_Bind.Edit(IDC_MV_TARGET_X, &m.m_TargetX, -640, 640, IDC_MV_TARGET_X_SPIN);
    m_Bind.Edit(IDC_MV_TARGET_X_DOT, &m.m_TargetDotX, -640, 640, IDC_MV_TARGET_X_DOT_SPIN);
    m_Bind.Check(IDC_MV_FLIP_X, &m.m_FlipX);
    m_Bind.Check(IDC_MV_USE_TARGET_Y, &m.m_UseTargetY);
    m_Bind.Edit(IDC_MV_TARGET_Y, &m.m_TargetY, -640, 640, IDC_MV_TARGET_Y_SPIN);
    m_Bind.Edit(IDC_MV_TARGET_Y_DOT, &m.m_TargetDotY, -640, 640, IDC_MV_TARGET_Y_DOT_SPIN);
    m_Bind.Check(IDC_MV_FLIP_Y, &m.m_FlipY);
    m_Bind.Check(IDC_MV_STOP_AT_TARGET, &m.m_StopAtTarget);
    m_Bind.Check(IDC_MV_NO_JITTER, &m.m_NoJitter);
    m_Bind.Edit(IDC_MV_ANGLE, &m.m_Angle, -7200, 7200, IDC_MV_ANGLE_SPIN);
    m_Bind.Edit(IDC_MV_ANGLE_K, &m.m_AngleClone, -7200, 7200, IDC_MV_ANGLE_K_SPIN);
    m_Bind.Check(IDC_MV_NO_MOVE_X, &m.m_NoMoveX);
    m_Bind.Check(IDC_MV_NO_MOVE_Y, &m.m_NoMoveY);
    BindInertia();
    BindAnime();
}

void cCmdLineMoveDlg::UpdateEnables() {
    static const uint16_t kTargetCtrls[] = {IDC_MV_TARGET_TYPE,    IDC_MV_USE_TARGET_X, IDC_MV_USE_TARGET_Y,
                                            IDC_MV_STOP_AT_TARGET, IDC_MV_NO_JITTER};
    static const uint16_t kTargetEdits[] = {IDC_MV_TARGET_X, IDC_MV_TARGET_X_DOT, IDC_MV_TARGET_Y,
                                            IDC_MV_TARGET_Y_DOT, IDC_MV_FLIP_X, IDC_MV_FLIP_Y};
    bool byDirection = ComboPos(IDC_MV_DIR_MODE) == 0;
    EnableCtrl(IDC_MV_DIR, byDirection);
    EnableCtrl(IDC_MV_REVERSE_ON_TURN, byDirection);
    for (uint16_t id : kTargetCtrls) EnableCtrl(id, !byDirection);
    if (byDirection) {
        for (uint16_t id : kTargetEdits) EnableCtrl(id, 0);
    } else {
        // Absolute and screen targets are not mirrored for a chara placed facing right. A
        // stored kind the list lacks selects nothing; its flips stay as they were.
        int target = ComboPos(IDC_MV_TARGET_TYPE);
        bool fixed = target == eTargetAbsolute || target == eTargetScreen;
        EnableCtrl(IDC_MV_FLIP_X, !fixed);
        EnableCtrl(IDC_MV_FLIP_Y, !fixed);
        if (fixed) {
            Uncheck(IDC_MV_FLIP_X);
            Uncheck(IDC_MV_FLIP_Y);
        }
        bool useX = IsChecked(IDC_MV_USE_TARGET_X);
        bool useY = IsChecked(IDC_MV_USE_TARGET_Y);
        EnableCtrl(IDC_MV_TARGET_X, useX);
        EnableCtrl(IDC_MV_TARGET_X_DOT, useX);
        if (!useX) EnableCtrl(IDC_MV_FLIP_X, 0);
        EnableCtrl(IDC_MV_TARGET_Y, useY);
        EnableCtrl(IDC_MV_TARGET_Y_DOT, useY);
        if (!useY) EnableCtrl(IDC_MV_FLIP_Y, 0);
    }
    cCmdMovePage::UpdateEnables();
}

cCmdGroundMoveDlg::cCmdGroundMoveDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context,
                                     cWndGroup* group)
    : cCmdMovePage(templateId, parent, context, group) {
    BindTime();
    BindSpeedGroup();
    BindInertia();
    BindAnime();
}

cCmdCircleMoveDlg::cCmdCircleMoveDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context,
                                     cWndGroup* group)
    : cCmdMovePage(templateId, parent, context, group) {
    cEdMove& m = Move();
    if (IsNew()) {
        m.m_SpeedMode = 1;
        m.m_Speed = 20;
        m.m_Angle = 0;
        m.m_Distance = 360;
        m.m_Homing = 6;
    }
    BindTime();
    m_Bind.Combo(IDC_MV_SET_TYPE, &m.m_SpeedMode, CircleSpeedModeNames);
    m_Bind.Combo(IDC_MV_ROTATION, &m.m_Dir, RotationNames);
    m_Bind.Edit(IDC_MV_SPEED, &m.m_Speed, -180, 180, IDC_MV_SPEED_SPIN);
    m_Bind.Edit(IDC_MV_SPEED_K, &m.m_SpeedClone, -180, 180, IDC_MV_SPEED_K_SPIN);
    m_Bind.Edit(IDC_MV_START_ANGLE, &m.m_Angle, -7200, 7200, IDC_MV_START_ANGLE_SPIN);
    m_Bind.Edit(IDC_MV_START_ANGLE_K, &m.m_AngleClone, -7200, 7200, IDC_MV_START_ANGLE_K_SPIN);
    m_Bind.Edit(IDC_MV_END_ANGLE, &m.m_Distance, -7200, 7200, IDC_MV_END_ANGLE_SPIN);
    m_Bind.Edit(IDC_MV_END_ANGLE_K, &m.m_DistanceClone, -7200, 7200, IDC_MV_END_ANGLE_K_SPIN);
    m_Bind.Edit(IDC_MV_RADIUS, &m.m_Homing, 0, 20, IDC_MV_RADIUS_SPIN);
    m_Bind.Edit(IDC_MV_RADIUS_K, &m.m_HomingClone, -20, 20, IDC_MV_RADIUS_K_SPIN);
    m_Bind.Check(IDC_MV_FLIP_X, &m.m_FlipX);
    m_Bind.Check(IDC_MV_FLIP_Y, &m.m_FlipY);
    m_Bind.Check(IDC_MV_NO_MOVE_X_FREE, &m.m_NoMoveX);
    m_Bind.Check(IDC_MV_NO_MOVE_Y, &m.m_NoMoveY);
    BindAnime();
}

void cCmdCircleMoveDlg::UpdateEnables() {
    int byTime = ComboPos(IDC_MV_SET_TYPE) == 0;
    EnableCtrl(IDC_CMD_TIME, byTime);
    EnableCtrl(IDC_CMD_TIME_K, byTime);
    EnableCtrl(IDC_MV_SPEED, !byTime);
    EnableCtrl(IDC_MV_SPEED_K, !byTime);
}

namespace {

// The target offsets, flip and axis checks of the charge and the homing.
void BindTargetOffsets(cCmdBindings& bind, cEdMove& m) {
    bind.Edit(IDC_MV_TARGET_X, &m.m_TargetX, -640, 640, IDC_MV_TARGET_X_SPIN);
    bind.Edit(IDC_MV_TARGET_Y, &m.m_TargetY, -640, 640, IDC_MV_TARGET_Y_SPIN);
    bind.Edit(IDC_MV_TARGET_X_DOT, &m.m_TargetDotX, -640, 640, IDC_MV_TARGET_X_DOT_SPIN);
    bind.Edit(IDC_MV_TARGET_Y_DOT, &m.m_TargetDotY, -640, 640, IDC_MV_TARGET_Y_DOT_SPIN);
    bind.Check(IDC_MV_FLIP_X, &m.m_FlipX);
    bind.Check(IDC_MV_FLIP_Y, &m.m_FlipY);
    bind.Check(IDC_MV_NO_MOVE_X_FREE, &m.m_NoMoveX);
    bind.Check(IDC_MV_NO_MOVE_Y, &m.m_NoMoveY);
}

}  // namespace

cCmdChargeMoveDlg::cCmdChargeMoveDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context,
                                     cWndGroup* group)
    : cCmdMovePage(templateId, parent, context, group) {
    BindTime();
    BindSpeedGroup();
    BindTargetOffsets(m_Bind, Move());
    BindInertia();
    BindAnime();
}

cCmdHomingMoveDlg::cCmdHomingMoveDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context,
                                     cWndGroup* group)
    : cCmdMovePage(templateId, parent, context, group) {
    cEdMove& m = Move();
    if (IsNew()) m.m_Homing = 0;
    BindTime();
    BindSpeedGroup();
    BindTargetOffsets(m_Bind, m);
    m_Bind.Edit(IDC_MV_HOMING, &m.m_Homing, 0, 10, IDC_MV_HOMING_SPIN);
    m_Bind.Edit(IDC_MV_HOMING_K, &m.m_HomingClone, 0, 10, IDC_MV_HOMING_K_SPIN);
    m_Bind.Check(IDC_MV_NO_JITTER, &m.m_NoJitter);
    BindInertia();
    BindAnime();
}

cCmdPlainMoveDlg::cCmdPlainMoveDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context,
                                   cWndGroup* group)
    : cCmdMovePage(templateId, parent, context, group) {
    BindTime();
    if (templateId == IDD_CMD_STOP_MOVE) return;
    m_Bind.Combo(IDC_MV_DIR, &Move().m_Dir, MoveDirNames);
    BindSpeedGroup();
    BindInertia();
    BindAnime();
}

void cCmdPlainMoveDlg::UpdateEnables() {
    if (m_TemplateId != IDD_CMD_STOP_MOVE) cCmdMovePage::UpdateEnables();
}

cCmdSoundPage::cCmdSoundPage(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group)
    : cCmdPage(templateId, parent, context, group) {
    BuildNoneFirst(&m_AnimeNames, ProjectDatabase().m_Animes);
    BuildNoneFirst(&m_SoundNames, ProjectDatabase().m_Sounds);
}

void cCmdSoundPage::BindAnimeAndSound() {
    m_Bind.Combo(IDC_CMD_ANIME, &Cmd().m_Anime, &m_AnimeNames);
    m_Bind.Combo(IDC_CMD_SOUND, &Cmd().m_Sound, &m_SoundNames);
}

void cCmdSoundPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    cCmdPage::OnCommand(wParam, lParam);
    if (m_Ready && LOWORD(wParam) == IDC_CMD_SOUND && HIWORD(wParam) == CBN_SELCHANGE)
        PreviewSound(m_hWnd, EditorWave(), m_Bind.m_Combos16, IDC_CMD_SOUND, ProjectDatabase().m_Sounds);
}

cCmdDirectionDlg::cCmdDirectionDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group)
    : cCmdSoundPage(templateId, parent, context, group) {
    cFlowCmd& cmd = Cmd();
    if (cmd.m_Params.empty()) cmd.m_Params.resize(1, 0);
    if (IsNew()) {
        cmd.m_Time = 1;
        cmd.m_Params[0] = 5;
    }
    BindTime();
    m_Bind.Combo(IDC_DIR_FACING, &cmd.m_Params[0], TurnNames);
    BindAnimeAndSound();
}

cCmdJumpDlg::cCmdJumpDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group)
    : cCmdSoundPage(templateId, parent, context, group) {
    cFlowCmd& cmd = Cmd();
    std::vector<int32_t>& p = cmd.m_Params;
    if (p.size() < 5) p.resize(5, 0);
    if (IsNew()) {
        cmd.m_Time = 1;
        cmd.m_Parallel = 1;
        p[1] = 100;
        p[2] = 7;
        p[3] = 0;
        p[4] = 4;
    }
    m_Bind.Combo(IDC_JUMP_TYPE, &p[0], JumpTypeNames);
    m_Bind.Edit(IDC_JUMP_MAX_SPEED, &p[1], 0, 200, IDC_JUMP_MAX_SPEED_SPIN);
    m_Bind.Edit(IDC_JUMP_MAX_HEIGHT, &p[2], 1, 20, IDC_JUMP_MAX_HEIGHT_SPIN);
    m_Bind.Edit(IDC_JUMP_MIN_SPEED, &p[3], 0, 200, IDC_JUMP_MIN_SPEED_SPIN);
    m_Bind.Edit(IDC_JUMP_MIN_HEIGHT, &p[4], 1, 20, IDC_JUMP_MIN_HEIGHT_SPIN);
    m_Bind.Check(IDC_CMD_SKIP_OFFSCREEN, &cmd.m_SoundOnScreen);
    BindAnimeAndSound();
}

void cCmdJumpDlg::UpdateEnables() {
    int bySpeed = ComboPos(IDC_JUMP_TYPE) == 2;
    EnableCtrl(IDC_JUMP_MAX_SPEED, bySpeed);
    EnableCtrl(IDC_JUMP_MIN_SPEED, bySpeed);
    EnableCtrl(IDC_JUMP_MIN_HEIGHT, bySpeed);
}
