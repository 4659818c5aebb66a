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
enum eWarpCoord { eWarpAbsolute = 1, eWarpScreen = 2 };
enum eTarget { eTargetHero = 0, eTargetSelf = 1, eTargetNearest = 2, eTargetById = 3 };

// The parameters each dialog shows, and how a new command starts.
const cParamShape kFlowOpShape = {3,
                                  1,
                                  {},
                                  {ParamCombo(IDC_FLOWOP_OP, 0, FlowOpNames),
                                   ParamCombo(IDC_FLOWOP_TARGET, 1, FlowOpTargetNames),
                                   ParamCombo(IDC_FLOWOP_ID, 2, FlowIdNames)}};
const cParamShape kStageClearShape = {5,
                                      0,
                                      {{1, 1}},
                                      {ParamCombo(IDC_CLEAR_MODE, 0, StageClearNames),
                                       ParamEdit(IDC_CLEAR_STAGE, 1, 1, 99, IDC_CLEAR_STAGE_SPIN),
                                       ParamCheck(IDC_CLEAR_MAP_WARP, 2),
                                       ParamEdit(IDC_CLEAR_MAP_X, 3, 1, 999, IDC_CLEAR_MAP_X_SPIN),
                                       ParamEdit(IDC_CLEAR_MAP_Y, 4, 1, 999, IDC_CLEAR_MAP_Y_SPIN)}};
const cParamShape kGameWaitShape = {1, 0, {{0, 20}}, {ParamEdit(IDC_CMD_TIME, 0, 0, 999, IDC_CMD_TIME_SPIN)}};
// The text is bound beside the table.
const cParamShape kMessageShape = {9,
                                   0,
                                   {{0, 0}, {5, 1}, {6, 0}, {7, 30}, {8, 1}},
                                   {ParamCombo(IDC_MSG_POS, 0, MessagePosNames),
                                    ParamEdit(IDC_MSG_X, 1, 0, 20, IDC_MSG_X_SPIN),
                                    ParamEdit(IDC_MSG_Y, 2, 0, 15, IDC_MSG_Y_SPIN),
                                    ParamEdit(IDC_MSG_OFFSET_X, 3, -999, 999, IDC_MSG_OFFSET_X_SPIN),
                                    ParamEdit(IDC_MSG_OFFSET_Y, 4, -999, 999, IDC_MSG_OFFSET_Y_SPIN),
                                    ParamCheck(IDC_MSG_FIT, 5),
                                    ParamCombo(IDC_MSG_SHOW, 6, MessageTimeNames),
                                    ParamEdit(IDC_CMD_TIME, 7, 1, 9999, IDC_CMD_TIME_SPIN),
                                    ParamCheck(IDC_MSG_PAUSE, 8)}};
// The warp's values are in its movement record.
const cParamShape kWarpShape = {0, 1, {}, {}};
const cParamShape kTargetShape = {9,
                                  1,
                                  {{3, 1}, {5, 1}},
                                  {ParamCombo(IDC_TGT_KIND, 0, TargetNames),
                                   ParamCombo(IDC_TGT_RANGE, 2, TargetRangeNames),
                                   ParamEdit(IDC_TGT_SIDE, 1, 0, 7, IDC_TGT_SIDE_SPIN),
                                   ParamCheck(IDC_TGT_USE_ID, 7),
                                   ParamEdit(IDC_TGT_ID, 8, 0, 98, IDC_TGT_ID_SPIN),
                                   ParamCheck(IDC_TGT_NOT_SELF, 3),
                                   ParamCheck(IDC_TGT_NOT_INVINCIBLE_HIT, 4),
                                   ParamCheck(IDC_TGT_NOT_INVINCIBLE_THROUGH, 5),
                                   ParamCheck(IDC_TGT_NOT_BLOCK, 6)}};

}  // namespace

cCmdFlowOpDlg::cCmdFlowOpDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group)
    : cCmdParamPage(templateId, parent, context, group, kFlowOpShape) {}

void cCmdFlowOpDlg::UpdateEnables() { EnableCtrl(IDC_FLOWOP_ID, ComboPos(IDC_FLOWOP_TARGET) == eFlowOpById); }

cCmdStageClearDlg::cCmdStageClearDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context,
                                     cWndGroup* group)
    : cCmdParamPage(templateId, parent, context, group, kStageClearShape) {}

void cCmdStageClearDlg::UpdateEnables() {
    EnableCtrl(IDC_CLEAR_STAGE, ComboPos(IDC_CLEAR_MODE) == eClearByNumber);
    int warp = IsChecked(IDC_CLEAR_MAP_WARP);
    EnableCtrl(IDC_CLEAR_MAP_X, warp);
    EnableCtrl(IDC_CLEAR_MAP_Y, warp);
}

cCmdGameWaitDlg::cCmdGameWaitDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group)
    : cCmdParamPage(templateId, parent, context, group, kGameWaitShape) {}

cCmdMessageDlg::cCmdMessageDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group)
    : cCmdParamPage(templateId, parent, context, group, kMessageShape) {
    if (IsNew()) Cmd().m_Text.clear();
    m_Bind.Text(BindRec(IDC_MSG_TEXT, &Cmd().m_Text, kMessageLineChars, kMessageLines, 1));
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
    : cCmdParamPage(templateId, parent, context, group, kWarpShape) {
    cFlowCmd& cmd = Cmd();
    // A warp read from a file without its record gets a default one to edit.
    if (IsNew() || !cmd.m_Move) cmd.m_Move = cEdMove::Create();
    cEdMove& m = *cmd.m_Move;
    if (IsNew()) {
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
    // Absolute and screen points are not mirrored for a chara facing right. A stored kind the
    // list lacks selects nothing; its flips stay as they were.
    int target = ComboPos(IDC_MV_TARGET_TYPE);
    bool fixed = target == eWarpAbsolute || target == eWarpScreen;
    EnableCtrl(IDC_MV_FLIP_X, !fixed);
    EnableCtrl(IDC_MV_FLIP_Y, !fixed);
    if (fixed) {
        Uncheck(IDC_MV_FLIP_X);
        Uncheck(IDC_MV_FLIP_Y);
    }
}

cCmdTargetDlg::cCmdTargetDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group)
    : cCmdParamPage(templateId, parent, context, group, kTargetShape) {}

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
