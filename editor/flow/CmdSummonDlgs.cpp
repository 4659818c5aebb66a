#include "editor/flow/CmdSummonDlgs.h"

#include "data/CommonPalette.h"
#include "data/FlowCommand.h"
#include "data/FlowTables.h"
#include "data/MoveShotTables.h"
#include "data/Stage.h"
#include "editor/flow/FlowCmdIds.h"
#include "framework/NameList.h"

cCmdSummonPage::cCmdSummonPage(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group)
    : cCmdShotPage(templateId, parent, context, group) {
    cFlowCmd& cmd = Cmd();
    cEdShot& s = Shot();
    if (IsNew()) s.m_SummonIndex = 1;
    BindTime();
    m_Bind.Edit(IDC_SHOT_OFFSET_X, &s.m_OffsetX, -640, 640, IDC_SHOT_OFFSET_X_SPIN);
    m_Bind.Edit(IDC_SHOT_OFFSET_Y, &s.m_OffsetY, -640, 640, IDC_SHOT_OFFSET_Y_SPIN);
    BindFormation(&m_Formation);
    m_Bind.Edit(IDC_SHOT_COUNT, &s.m_Count, 1, 127, IDC_SHOT_COUNT_SPIN);
    m_Bind.Check(IDC_SHOT_FLIP_X, &s.m_FlipX);
    m_Bind.Check(IDC_SHOT_FLIP_Y, &s.m_FlipY);
    m_Bind.Check(IDC_CMD_SKIP_OFFSCREEN, &cmd.m_SoundOnScreen);
    m_Bind.Combo(IDC_SHOT_DIR, &s.m_Dir, MoveDirNames);
    m_Bind.Combo(IDC_SUMMON_SOURCE, &s.m_SummonPalette, CommonPaletteOnly() ? CommonPaletteOnlyNames : PaletteNames);
    m_Bind.Combo(IDC_SUMMON_ELEMENT, &s.m_SummonIndex, &m_CommonElements, 1);
    BindAnimeAndSound();
}

void cCmdSummonPage::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    cCmdShotPage::OnInitDialog(wParam, lParam);
    ApplyParamSlots(m_Formation);
}

void cCmdSummonPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    cCmdShotPage::OnCommand(wParam, lParam);
    if (m_Ready && LOWORD(wParam) == IDC_SHOT_FORMATION && HIWORD(wParam) == CBN_SELCHANGE)
        ApplyParamSlots(m_Formation);
}

void cCmdSummonPage::ShowElements(int on) {
    switch (ComboPos(IDC_SUMMON_SOURCE)) {
    case 0: ShowList(IDC_SUMMON_ELEMENT, &m_CommonElements, on); break;
    case 1: ShowList(IDC_SUMMON_ELEMENT, &m_StageElements, on); break;
    default: EnableCtrl(IDC_SUMMON_ELEMENT, 0); break;
    }
}

void cCmdSummonPage::BindLife() {
    m_Bind.Check(IDC_SUMMON_USE_LIFE, &Shot().m_UseRange);
    m_Bind.Edit(IDC_SUMMON_LIFE, &Shot().m_Range, 1, 9999, IDC_SUMMON_LIFE_SPIN);
}

cCmdBlockSummonDlg::cCmdBlockSummonDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context,
                                       cWndGroup* group)
    : cCmdSummonPage(templateId, parent, context, group) {
    cEdShot& s = Shot();
    if (IsNew()) {
        s.m_FailIfOccupied = 1;
        s.m_FlipX = 1;
    }
    BuildElementLists(ProjectCommonPalette().m_Blocks, ProjectStage().m_Palette.m_Blocks);
    m_Bind.Combo(IDC_SUMMON_KIND, &s.m_SummonType, BlockSummonNames);
    m_Bind.Check(IDC_SUMMON_FAIL_IF_BLOCKED, &s.m_FailIfOccupied);
}

void cCmdBlockSummonDlg::UpdateEnables() {
    int op = ComboPos(IDC_SUMMON_KIND);
    int places = op == 0 || op == 2;
    EnableCtrl(IDC_SUMMON_SOURCE, places);
    EnableCtrl(IDC_SUMMON_FAIL_IF_BLOCKED, places);
    ShowElements(places);
}

cCmdCharaSummonDlg::cCmdCharaSummonDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context,
                                       cWndGroup* group)
    : cCmdSummonPage(templateId, parent, context, group) {
    cEdShot& s = Shot();
    if (IsNew()) {
        s.m_ZeroScore = 1;
        s.m_UseRange = 1;
    }
    BuildElementLists(ProjectCommonPalette().m_Charas, ProjectStage().m_Palette.m_Charas);
    BindLife();
    m_Bind.Combo(IDC_SUMMON_KIND, &s.m_SummonForce, SummonForceNames);
    // Sides run 0..7 as everywhere else: the game has no list for an eighth.
    m_Bind.Edit(IDC_SHOT_SIDE, &s.m_Force, 0, 7, IDC_SHOT_SIDE_SPIN);
    m_Bind.Check(IDC_SUMMON_FLIP_DIR, &s.m_FlipDir);
    m_Bind.Check(IDC_SUMMON_ZERO_SCORE, &s.m_ZeroScore);
}

void cCmdCharaSummonDlg::UpdateEnables() {
    ShowElements(1);
    EnableCtrl(IDC_SUMMON_LIFE, IsChecked(IDC_SUMMON_USE_LIFE));
    EnableCtrl(IDC_SHOT_SIDE, ComboPos(IDC_SUMMON_KIND) == 2);
}

cCmdItemSummonDlg::cCmdItemSummonDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context,
                                     cWndGroup* group)
    : cCmdSummonPage(templateId, parent, context, group) {
    cEdShot& s = Shot();
    if (IsNew()) {
        s.m_ZeroScore = 1;
        s.m_FlipX = 1;
        s.m_UseRange = 1;
    }
    BuildElementLists(ProjectCommonPalette().m_Items, ProjectStage().m_Palette.m_Items);
    BindLife();
}

void cCmdItemSummonDlg::UpdateEnables() {
    ShowElements(1);
    EnableCtrl(IDC_SUMMON_LIFE, IsChecked(IDC_SUMMON_USE_LIFE));
}
