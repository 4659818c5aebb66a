#include "editor/flow/CmdDlg.h"

#include "data/Flow.h"
#include "data/FlowTables.h"
#include "editor/flow/CmdFlowOpDlgs.h"
#include "editor/flow/CmdFlowOpIds.h"
#include "editor/flow/CmdMoveDlgs.h"
#include "editor/flow/CmdScreenDlgs.h"
#include "editor/flow/CmdShowIds.h"
#include "editor/flow/CmdSoundDlgs.h"
#include "editor/flow/CmdStatusDlgs.h"
#include "editor/flow/CmdStatusOpDlg.h"
#include "editor/flow/CmdSummonDlgs.h"
#include "editor/flow/FlowCmdIds.h"
#include "framework/ErrorLog.h"
#include "framework/MessageBox.h"

namespace {

typedef int (*cCmdFactory)(cChildWnd* parent, const cCmdContext& context, cWndGroup* group, UINT templateId);

struct cCmdRow {
    uint16_t templateId;  // 0: the button offers nothing
    cCmdFactory factory;
};

const int kRows = 46;
const int kTypeRows = 36;

// Row k belongs to command type k.
const cCmdRow kCmdRows[kRows] = {
    {0, nullptr},
    {IDD_CMD_WAIT, RunCmdDialog<cCmdWaitDlg>},
    {IDD_CMD_LINE_MOVE, RunCmdDialog<cCmdLineMoveDlg>},
    {IDD_CMD_GROUND_MOVE, RunCmdDialog<cCmdGroundMoveDlg>},
    {IDD_CMD_CIRCLE_MOVE, RunCmdDialog<cCmdCircleMoveDlg>},
    {IDD_CMD_CHARGE_MOVE, RunCmdDialog<cCmdChargeMoveDlg>},
    {IDD_CMD_HOMING_MOVE, RunCmdDialog<cCmdHomingMoveDlg>},
    {IDD_CMD_AVOID_MOVE, RunCmdDialog<cCmdPlainMoveDlg>},
    {IDD_CMD_STOP_MOVE, RunCmdDialog<cCmdPlainMoveDlg>},
    {IDD_CMD_DIRECTION, RunCmdDialog<cCmdDirectionDlg>},
    {IDD_CMD_JUMP, RunCmdDialog<cCmdJumpDlg>},
    {IDD_CMD_SHOT, RunCmdDialog<cCmdShotDlg>},
    {IDD_CMD_SWORD, RunCmdDialog<cCmdSwordDlg>},
    {IDD_CMD_BLOCK_SUMMON, RunCmdDialog<cCmdBlockSummonDlg>},
    {IDD_CMD_CHARA_SUMMON, RunCmdDialog<cCmdCharaSummonDlg>},
    {IDD_CMD_ITEM_SUMMON, RunCmdDialog<cCmdItemSummonDlg>},
    {IDD_CMD_FLOW_OP, RunCmdDialog<cCmdFlowOpDlg>},
    {IDD_CMD_STAGE_CLEAR, RunCmdDialog<cCmdStageClearDlg>},
    {IDD_CMD_GAME_WAIT, RunCmdDialog<cCmdGameWaitDlg>},
    {IDD_CMD_MESSAGE, RunCmdDialog<cCmdMessageDlg>},
    {IDD_CMD_WARP, RunCmdDialog<cCmdWarpDlg>},
    {IDD_CMD_TARGET, RunCmdDialog<cCmdTargetDlg>},
    {IDD_CMD_STATUS_OP, RunCmdDialog<cCmdStatusOpDlg>},
    {IDD_CMD_STATUS_OP2, RunCmdDialog<cCmdStatusOp2Dlg>},
    {IDD_CMD_ITEM_GET, RunCmdDialog<cCmdItemGetDlg>},
    {IDD_CMD_GRAPHIC, RunCmdDialog<cCmdGraphicDlg>},
    {IDD_CMD_ANIME_SET, RunCmdDialog<cCmdAnimeSetDlg>},
    {IDD_CMD_ANIME, RunCmdDialog<cCmdAnimeDlg>},
    {IDD_CMD_EFFECT, RunCmdDialog<cCmdEffectDlg>},
    {IDD_CMD_CHARA_EFFECT, RunCmdDialog<cCmdEffectRunDlg>},
    {IDD_CMD_SCR_EFFECT, RunCmdDialog<cCmdEffectRunDlg>},
    {IDD_CMD_PICTURE, RunCmdDialog<cCmdPictureDlg>},
    {IDD_CMD_SCREEN_COLOR, RunCmdDialog<cCmdScreenColorDlg>},
    {IDD_CMD_BACKGROUND, RunCmdDialog<cCmdBackgroundDlg>},
    {IDD_CMD_SOUND, RunCmdDialog<cCmdSoundDlg>},
    {IDD_CMD_BGM, RunCmdDialog<cCmdBgmDlg>},
    {IDD_CMD_CODE, RunCmdDialog<cCmdCodeDlg>},
};

}  // namespace

uint16_t CmdButtonId(int row) {
    if (row < 1 || row >= kRows) return 0;
    return static_cast<uint16_t>(row <= 32 ? IDC_CMD_BUTTON_FIRST - 1 + row : IDC_CMD_BUTTON_GAP + row - 32);
}

cCmdDlg::cCmdDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group)
    : cPage(templateId, parent, eKindDialog, group), m_Context(context) {
    m_Buttons.resize(kRows - 1);
    for (int row = 1; row < kRows; ++row) m_Buttons[row - 1].m_Desc.Set(CmdButtonId(row));
    SetLayout(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
}

void cCmdDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    cPage::OnInitDialog(wParam, lParam);
    AttachCtrls(m_Buttons);
    for (int row = 1; row < kRows; ++row) {
        cButton& button = m_Buttons[row - 1].m_Ctrl;
        if (row <= kTypeRows)
            button.SetText(CharaCommandTypes[row].m_Name);
        else
            button.Show(SW_HIDE);
    }
    DataToCtrls();
    const cFlowCmd& cmd = *m_Context.m_lpCmd;
    if (!m_Context.m_New && cmd.m_CmdType >= 1 && cmd.m_CmdType <= kTypeRows)
        SendMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(CmdButtonId(cmd.m_CmdType), BN_CLICKED), 0);
    m_Ready = 1;
}

void cCmdDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!IsCommandAllowed(wParam)) return;
    cPage::OnCommand(wParam, lParam);
    int type = 0;
    for (int row = 1; row <= kTypeRows && !type; ++row)
        if (CmdButtonId(row) == LOWORD(wParam) && kCmdRows[row].templateId) type = row;
    if (!type) return;
    cFlowCmd& cmd = *m_Context.m_lpCmd;
    cmd.m_CmdSet = 0;
    cmd.m_CmdType = static_cast<uint8_t>(type);
    Show(SW_HIDE);
    End(RunCmdTypeDialog(m_lpParent, m_Context, m_lpGroup));
}

int RunCmdTypeDialog(cChildWnd* parent, const cCmdContext& context, cWndGroup* group) {
    int type = context.m_lpCmd->CharaType();
    if (type < 1 || type > kTypeRows) return 0;
    const cCmdRow& row = kCmdRows[type];
    return row.factory(parent, context, group, row.templateId);
}

INT_PTR cCmdDlg::DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    INT_PTR handled = cPage::DialogProc(wnd, msg, wParam, lParam);
    if (!handled && msg != WM_CLOSE) return handled;
    if (m_lpParent) {
        m_lpParent->RedrawList();
    } else if (!m_NoOwnerLogged) {
        // Once per picker: a box here would open on every message.
        ErrorLogF("m_lpParentClass->RedrawList()できない！ m_lpParentClass->RedrawList() = %u", 0u);
        m_NoOwnerLogged = true;
    }
    return handled;
}

int InsertThroughPicker(cRecordVector<cFlowCmd>& cmds, size_t row, size_t maximum, const cFlowCmd& fresh,
                        const std::function<int(const cCmdContext&)>& picker) {
    if (cmds.size() >= maximum || row > cmds.size()) {
        MessageBeep(MB_OK);
        return 0;
    }
    cmds.insert(cmds.begin() + static_cast<std::ptrdiff_t>(row), fresh);
    cCmdContext context;
    context.m_lpCmd = &cmds[row];
    context.m_New = 1;
    int result = picker(context);
    if (result != 1) cmds.erase(cmds.begin() + static_cast<std::ptrdiff_t>(row));
    return result == 1;
}
