#include "editor/flow/CmdScreenDlgs.h"

#include "data/FlowTables.h"
#include "data/ProjectDatabase.h"
#include "editor/flow/CmdShowIds.h"
#include "editor/flow/FlowCmdIds.h"
#include "framework/NameList.h"

namespace {

enum ePosition { eScreenPoint = 3, eStagePoint = 4 };
enum eShowTime { eUntilKey = 0, eUntilStageEnd = 1, eForTime = 2 };
const int kPreviewSize = 32;

}  // namespace

cCmdShowPage::cCmdShowPage(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group,
                           size_t count)
    : cCmdParamPage(templateId, parent, context, group, count) {
    if (IsNew()) {
        P()[0] = 1;
        P()[6] = 100;
    }
}

void cCmdShowPage::BindPlace(uint16_t entryId, const std::vector<std::string>* entries) {
    std::vector<int32_t>& p = P();
    m_Bind.Combo(entryId, &p[0], entries, 0);
    m_Bind.Combo(IDC_FX_POS, &p[1], PicturePosNames);
    m_Bind.Edit(IDC_FX_X, &p[2], 0, 20, IDC_FX_X_SPIN);
    m_Bind.Edit(IDC_FX_Y, &p[3], 0, 15, IDC_FX_Y_SPIN);
    m_Bind.Edit(IDC_FX_OFFSET_X, &p[4], -999, 999, IDC_FX_OFFSET_X_SPIN);
    m_Bind.Edit(IDC_FX_OFFSET_Y, &p[5], -999, 999, IDC_FX_OFFSET_Y_SPIN);
    m_Bind.Edit(IDC_FX_SCALE, &p[6], 1, 1000, IDC_FX_SCALE_SPIN);
    m_Bind.Check(IDC_FX_PAUSE, &p[m_PauseParam]);
}

bool cCmdShowPage::EnablePlace(uint16_t entryId, std::initializer_list<uint16_t> others) {
    if (ComboPos(entryId) == 0) {
        for (uint16_t id : others) EnableCtrl(id, 0);
        return false;
    }
    for (uint16_t id : {IDC_FX_POS, IDC_FX_OFFSET_X, IDC_FX_OFFSET_Y, IDC_FX_SCALE}) EnableCtrl(id, 1);
    int pos = ComboPos(IDC_FX_POS);
    int placed = pos == eScreenPoint || pos == eStagePoint;
    EnableCtrl(IDC_FX_X, placed);
    EnableCtrl(IDC_FX_Y, placed);
    return true;
}

void cCmdShowPage::AfterStore() { Cmd().m_Parallel = P()[m_PauseParam] ? 0 : 1; }

cCmdEffectDlg::cCmdEffectDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group)
    : cCmdShowPage(templateId, parent, context, group, 8) {
    m_PauseParam = 7;
    BuildTableNameList(&m_Entries, ProjectDatabase().m_Effects, "エフェクトの消去", 0, 3, 0);
    BindPlace(IDC_FX_EFFECT, &m_Entries);
}

void cCmdEffectDlg::UpdateEnables() {
    if (EnablePlace(IDC_FX_EFFECT, {IDC_FX_POS, IDC_FX_X, IDC_FX_Y, IDC_FX_OFFSET_X, IDC_FX_OFFSET_Y, IDC_FX_SCALE,
                                    IDC_FX_PAUSE}))
        EnableCtrl(IDC_FX_PAUSE, 1);
}

cCmdPictureDlg::cCmdPictureDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group)
    : cCmdShowPage(templateId, parent, context, group, 10) {
    m_PauseParam = 9;
    if (IsNew()) P()[8] = 10;
    BuildTableNameList(&m_Entries, ProjectDatabase().m_Pictures, "ピクチャーの消去", 0, 3, 0);
    BindPlace(IDC_FX_PICTURE, &m_Entries);
    m_Bind.Combo(IDC_FX_SHOW, &P()[7], PictureTimeNames);
    m_Bind.Edit(IDC_CMD_TIME, &P()[8], 1, 9999, IDC_CMD_TIME_SPIN);
}

void cCmdPictureDlg::UpdateEnables() {
    if (!EnablePlace(IDC_FX_PICTURE, {IDC_FX_POS, IDC_FX_X, IDC_FX_Y, IDC_FX_OFFSET_X, IDC_FX_OFFSET_Y, IDC_FX_SCALE,
                                      IDC_FX_SHOW, IDC_CMD_TIME, IDC_FX_PAUSE}))
        return;
    EnableCtrl(IDC_FX_SHOW, 1);
    // Shown until a key is pressed the game waits for the key; until the stage ends it cannot.
    int show = ComboPos(IDC_FX_SHOW);
    int timed = show == eForTime;
    EnableCtrl(IDC_CMD_TIME, timed);
    EnableCtrl(IDC_FX_PAUSE, timed);
    if (show == eUntilKey) CheckDlgButton(m_hWnd, IDC_FX_PAUSE, BST_CHECKED);
    if (show == eUntilStageEnd) Uncheck(IDC_FX_PAUSE);
}

cCmdEffectRunDlg::cCmdEffectRunDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group)
    : cCmdParamPage(templateId, parent, context, group, 2) {
    if (IsNew()) P()[0] = 1;
    bool chara = templateId == IDD_CMD_CHARA_EFFECT;
    if (chara)
        BuildTableNameList(&m_Entries, ProjectDatabase().m_CharaEffects, "なし", 0, 3, 0);
    else
        BuildTableNameList(&m_Entries, ProjectDatabase().m_ScrEffects, "なし", 0, 3, 0);
    m_Bind.Combo(chara ? IDC_FX_CHARA_EFFECT : IDC_FX_SCR_EFFECT, &P()[0], &m_Entries, 0);
    m_Bind.Check(IDC_FX_LOOP, &P()[1]);
}

cCmdScreenColorDlg::cCmdScreenColorDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context,
                                       cWndGroup* group)
    : cCmdParamPage(templateId, parent, context, group, 8) {
    std::vector<int32_t>& p = P();
    m_Bind.Track(IDC_COLOR_RED, &p[0], 0, 255, 30, IDC_COLOR_RED_EDIT);
    m_Bind.Track(IDC_COLOR_GREEN, &p[1], 0, 255, 30, IDC_COLOR_GREEN_EDIT);
    m_Bind.Track(IDC_COLOR_BLUE, &p[2], 0, 255, 30, IDC_COLOR_BLUE_EDIT);
    m_Bind.Track(IDC_COLOR_PERCENT, &p[3], 0, 100, 10, IDC_COLOR_PERCENT_EDIT);
    m_Bind.Check(IDC_COLOR_RESTORE, &p[4]);
    m_Bind.Edit(IDC_CMD_TIME, &p[5], 0, 999, IDC_CMD_TIME_SPIN);
    m_Bind.Check(IDC_COLOR_FLASH, &p[6]);
    m_Bind.Edit(IDC_COLOR_FLASH_COUNT, &p[7], 1, 99, IDC_COLOR_FLASH_COUNT_SPIN);
    m_Bind.Picture(IDC_COLOR_PREVIEW, kPreviewSize, kPreviewSize);
}

void cCmdScreenColorDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    cCmdParamPage::OnInitDialog(wParam, lParam);
    DrawPreview();
}

void cCmdScreenColorDlg::UpdateEnables() {
    // Back to the original colour: no colour to choose and nothing to flash.
    int choose = !IsChecked(IDC_COLOR_RESTORE);
    for (uint16_t id : {IDC_COLOR_RED, IDC_COLOR_GREEN, IDC_COLOR_BLUE, IDC_COLOR_PERCENT, IDC_COLOR_FLASH})
        EnableCtrl(id, choose);
    if (!choose) Uncheck(IDC_COLOR_FLASH);
    EnableCtrl(IDC_COLOR_FLASH_COUNT, IsChecked(IDC_COLOR_FLASH));
}

INT_PTR cCmdScreenColorDlg::DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    INT_PTR handled = cCmdParamPage::DialogProc(wnd, msg, wParam, lParam);
    if (msg == WM_HSCROLL) DrawPreview();
    return handled;
}

void cCmdScreenColorDlg::AfterMessage() { DrawPreview(); }

void cCmdScreenColorDlg::DrawPreview() {
    if (!m_Ready || m_Bind.m_Pictures.empty()) return;
    cPictureBox& box = m_Bind.m_Pictures[0].m_Ctrl;
    cDib& canvas = box.Canvas();
    if (!canvas.GetDC()) return;
    auto position = [this](uint16_t id) {
        return static_cast<int>(SendDlgItemMessageA(m_hWnd, id, TBM_GETPOS, 0, 0)) & 0xFF;
    };
    canvas.Clear(RGB(position(IDC_COLOR_RED), position(IDC_COLOR_GREEN), position(IDC_COLOR_BLUE)));
    box.Present();
}

const cDib& cCmdScreenColorDlg::Preview() { return m_Bind.m_Pictures[0].m_Ctrl.Canvas(); }

cCmdBackgroundDlg::cCmdBackgroundDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group)
    : cCmdParamPage(templateId, parent, context, group, 2) {
    if (IsNew()) P()[0] = 1;
    m_Bind.Edit(IDC_BACK_LAYER, &P()[0], 1, 8, IDC_BACK_LAYER_SPIN);
    m_Bind.Combo(IDC_BACK_ACTION, &P()[1], ShowHideNames);
}
