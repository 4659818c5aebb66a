#include "editor/flow/CmdFlowOpDlgs.h"

#include "data/FlowCommand.h"
#include "data/FlowTables.h"
#include "data/MoveShotTables.h"
#include "editor/flow/CmdFlowOpIds.h"
#include "editor/flow/FlowCmdIds.h"

namespace {

// A message box holds 29 lines of 39 double-byte characters.
const int kMessageLineChars = 39;
const int kMessageLines = 29;

enum eFlowOpTarget { eFlowOpById = 2 };
enum eStageClear { eClearByNumber = 1 };
enum eMessagePos { eMessageScreenPos = 7, eMessageStagePos = 8 };
enum eMessageTime { eMessageByTime = 2 };
enum eWarpMode { eWarpToPoint = 2 };
enum eWarpCoord { eWarpRelative = 0 };
enum eTarget { eTargetHero = 0, eTargetSelf = 1, eTargetNearest = 2, eTargetById = 3 };

}  // namespace

cCmdFlowOpDlg::cCmdFlowOpDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group)
    : cCmdPage(templateId, parent, context, group) {
    cFlowCmd& cmd = Cmd();
    std::vector<int32_t>& p = cmd.m_Params;
    if (p.size() < 3) p.resize(3, 0);
    if (IsNew()) {
        cmd.m_Time = 0;
        cmd.m_Parallel = 1;
    }
    m_Bind.Combo(IDC_FLOWOP_OP, &p[0], FlowOpNames);
    m_Bind.Combo(IDC_FLOWOP_TARGET, &p[1], FlowOpTargetNames);
    m_Bind.Combo(IDC_FLOWOP_ID, &p[2], FlowIdNames);
}

void cCmdFlowOpDlg::UpdateEnables() { EnableCtrl(IDC_FLOWOP_ID, ComboPos(IDC_FLOWOP_TARGET) == eFlowOpById); }

cCmdStageClearDlg::cCmdStageClearDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context,
                                     cWndGroup* group)
    : cCmdPage(templateId, parent, context, group) {
    cFlowCmd& cmd = Cmd();
    std::vector<int32_t>& p = cmd.m_Params;
    if (p.size() < 5) p.resize(5, 0);
    if (IsNew()) {
        cmd.m_Time = 0;
        cmd.m_Parallel = 0;
        p[1] = 1;
    }
    m_Bind.Combo(IDC_CLEAR_MODE, &p[0], StageClearNames);
    m_Bind.Edit(IDC_CLEAR_STAGE, &p[1], 1, 99, IDC_CLEAR_STAGE_SPIN);
    m_Bind.Check(IDC_CLEAR_MAP_WARP, &p[2]);
    m_Bind.Edit(IDC_CLEAR_MAP_X, &p[3], 1, 999, IDC_CLEAR_MAP_X_SPIN);
    m_Bind.Edit(IDC_CLEAR_MAP_Y, &p[4], 1, 999, IDC_CLEAR_MAP_Y_SPIN);
}

void cCmdStageClearDlg::UpdateEnables() {
    EnableCtrl(IDC_CLEAR_STAGE, ComboPos(IDC_CLEAR_MODE) == eClearByNumber);
    int warp = IsChecked(IDC_CLEAR_MAP_WARP);
    EnableCtrl(IDC_CLEAR_MAP_X, warp);
    EnableCtrl(IDC_CLEAR_MAP_Y, warp);
}

cCmdGameWaitDlg::cCmdGameWaitDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group)
    : cCmdPage(templateId, parent, context, group) {
    cFlowCmd& cmd = Cmd();
    if (cmd.m_Params.empty()) cmd.m_Params.resize(1, 0);
    if (IsNew()) {
        cmd.m_Time = 0;
        cmd.m_Parallel = 0;
        cmd.m_Params[0] = 20;
    }
    m_Bind.Edit(IDC_CMD_TIME, &cmd.m_Params[0], 0, 999, IDC_CMD_TIME_SPIN);
}

cCmdMessageDlg::cCmdMessageDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group)
    : cCmdPage(templateId, parent, context, group) {
    cFlowCmd& cmd = Cmd();
    std::vector<int32_t>& p = cmd.m_Params;
    if (p.size() < 9) p.resize(9, 0);
    if (IsNew()) {
        cmd.m_Time = 0;
        cmd.m_Parallel = 0;
        cmd.m_Text.clear();
        p[0] = 0;
        p[5] = 1;
        p[6] = 0;
        p[7] = 30;
        p[8] = 1;
    }
    m_Bind.Text(BindRec(IDC_MSG_TEXT, &cmd.m_Text, kMessageLineChars, kMessageLines, 1));
    m_Bind.Combo(IDC_MSG_POS, &p[0], MessagePosNames);
    m_Bind.Edit(IDC_MSG_X, &p[1], 0, 20, IDC_MSG_X_SPIN);
    m_Bind.Edit(IDC_MSG_Y, &p[2], 0, 15, IDC_MSG_Y_SPIN);
    m_Bind.Edit(IDC_MSG_OFFSET_X, &p[3], -999, 999, IDC_MSG_OFFSET_X_SPIN);
    m_Bind.Edit(IDC_MSG_OFFSET_Y, &p[4], -999, 999, IDC_MSG_OFFSET_Y_SPIN);
    m_Bind.Check(IDC_MSG_FIT, &p[5]);
    m_Bind.Combo(IDC_MSG_SHOW, &p[6], MessageTimeNames);
    m_Bind.Edit(IDC_CMD_TIME, &p[7], 1, 9999, IDC_CMD_TIME_SPIN);
    m_Bind.Check(IDC_MSG_PAUSE, &p[8]);
}

void cCmdMessageDlg::UpdateEnables() {
    int pos = ComboPos(IDC_MSG_POS);
    int placed = pos == eMessageScreenPos || pos == eMessageStagePos;
    EnableCtrl(IDC_MSG_X, placed);
    EnableCtrl(IDC_MSG_Y, placed);
    int timed = ComboPos(IDC_MSG_SHOW) == eMessageByTime;
    EnableCtrl(IDC_CMD_TIME, timed);
    EnableCtrl(IDC_MSG_PAUSE, timed);
}

void cCmdMessageDlg::AfterStore() { Cmd().m_Parallel = Cmd().m_Params[8] ? 0 : 1; }

cCmdWarpDlg::cCmdWarpDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group)
    : cCmdPage(templateId, parent, context, group) {
    cFlowCmd& cmd = Cmd();
    // A warp read from a file without its record gets a default one to edit.
    if (IsNew() || !cmd.m_Move) cmd.m_Move = cEdMove::Create();
    cEdMove& m = *cmd.m_Move;
    if (IsNew()) {
        cmd.m_Time = 0;
        cmd.m_Parallel = 1;
        m.m_Distance = 2;
        m.m_FlipX = 0;
    }
    m_Bind.Combo(IDC_MV_DIR_MODE, &m.m_DirMode, WarpModeNames);
    m_Bind.Combo(IDC_MV_DIR, &m.m_Dir, MoveDirNames);
    m_Bind.Edit(IDC_MV_DISTANCE, &m.m_Distance, 1, 40, IDC_MV_DISTANCE_SPIN);
    m_Bind.Edit(IDC_MV_DISTANCE_K, &m.m_DistanceClone, -40, 40, IDC_MV_DISTANCE_K_SPIN);
    m_Bind.Combo(IDC_MV_TARGET_TYPE, &m.m_TargetMode, CoordNames);
    m_Bind.Edit(IDC_MV_TARGET_X, &m.m_TargetX, -640, 640, IDC_MV_TARGET_X_SPIN);
    m_Bind.Edit(IDC_MV_TARGET_X_DOT, &m.m_TargetDotX, -640, 640, IDC_MV_TARGET_X_DOT_SPIN);
    m_Bind.Check(IDC_MV_FLIP_X, &m.m_FlipX);
    m_Bind.Edit(IDC_MV_TARGET_Y, &m.m_TargetY, -640, 640, IDC_MV_TARGET_Y_SPIN);
    m_Bind.Edit(IDC_MV_TARGET_Y_DOT, &m.m_TargetDotY, -640, 640, IDC_MV_TARGET_Y_DOT_SPIN);
    m_Bind.Check(IDC_MV_FLIP_Y, &m.m_FlipY);
}

void cCmdWarpDlg::UpdateEnables() {
    static const uint16_t kByDistance[] = {IDC_MV_DIR, IDC_MV_DISTANCE, IDC_MV_DISTANCE_K};
    static const uint16_t kToPoint[] = {IDC_MV_TARGET_TYPE, IDC_MV_TARGET_X, IDC_MV_TARGET_X_DOT, IDC_MV_FLIP_X,
                                        IDC_MV_TARGET_Y,    IDC_MV_TARGET_Y_DOT, IDC_MV_FLIP_Y};
    int toPoint = ComboPos(IDC_MV_DIR_MODE) == eWarpToPoint;
    for (uint16_t id : kByDistance) EnableCtrl(id, !toPoint);
    for (uint16_t id : kToPoint) EnableCtrl(id, toPoint);
    if (!toPoint) return;
    // Absolute and screen points are not mirrored for a chara facing right.
    int relative = ComboPos(IDC_MV_TARGET_TYPE) == eWarpRelative;
    EnableCtrl(IDC_MV_FLIP_X, relative);
    EnableCtrl(IDC_MV_FLIP_Y, relative);
    if (!relative) {
        Uncheck(IDC_MV_FLIP_X);
        Uncheck(IDC_MV_FLIP_Y);
    }
}

cCmdTargetDlg::cCmdTargetDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group)
    : cCmdPage(templateId, parent, context, group) {
    cFlowCmd& cmd = Cmd();
    std::vector<int32_t>& p = cmd.m_Params;
    if (p.size() < 9) p.resize(9, 0);
    if (IsNew()) {
        cmd.m_Time = 0;
        cmd.m_Parallel = 1;
        p[3] = 1;
        p[5] = 1;
    }
    m_Bind.Combo(IDC_TGT_KIND, &p[0], TargetNames);
    m_Bind.Combo(IDC_TGT_RANGE, &p[2], TargetRangeNames);
    m_Bind.Edit(IDC_TGT_SIDE, &p[1], 0, 7, IDC_TGT_SIDE_SPIN);
    m_Bind.Check(IDC_TGT_USE_ID, &p[7]);
    m_Bind.Edit(IDC_TGT_ID, &p[8], 0, 98, IDC_TGT_ID_SPIN);
    m_Bind.Check(IDC_TGT_NOT_SELF, &p[3]);
    m_Bind.Check(IDC_TGT_NOT_INVINCIBLE_HIT, &p[4]);
    m_Bind.Check(IDC_TGT_NOT_INVINCIBLE_THROUGH, &p[5]);
    m_Bind.Check(IDC_TGT_NOT_BLOCK, &p[6]);
}

void cCmdTargetDlg::UpdateEnables() {
    static const uint16_t kFilter[] = {IDC_TGT_SIDE, IDC_TGT_USE_ID, IDC_TGT_NOT_SELF, IDC_TGT_NOT_INVINCIBLE_HIT,
                                       IDC_TGT_NOT_INVINCIBLE_THROUGH, IDC_TGT_NOT_BLOCK};
    int kind = ComboPos(IDC_TGT_KIND);
    if (kind < eTargetHero || kind > eTargetById) return;
    int filtered = kind >= eTargetNearest;
    for (uint16_t id : kFilter) EnableCtrl(id, filtered);
    EnableCtrl(IDC_TGT_RANGE, kind == eTargetNearest);
    EnableCtrl(IDC_TGT_ID, filtered && IsChecked(IDC_TGT_USE_ID));
}
