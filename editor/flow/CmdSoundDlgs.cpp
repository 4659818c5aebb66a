#include "editor/flow/CmdSoundDlgs.h"

#include "data/ExprScratch.h"
#include "data/ProjectDatabase.h"
#include "editor/flow/CmdShowIds.h"
#include "editor/flow/VarRename.h"
#include "editor/shell/EditorSound.h"
#include "framework/MessageBox.h"
#include "framework/NameList.h"

namespace {

// The longest code line the game reads.
const int kCodeLength = 100;

}  // namespace

cCmdSoundDlg::cCmdSoundDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group)
    : cCmdParamPage(templateId, parent, context, group, 1) {
    if (IsNew()) P()[0] = 1;
    BuildNameList(&m_Names, ProjectDatabase().m_Sounds);
    m_Bind.Combo(IDC_SND_SOUND, &P()[0], &m_Names, 1);
    m_Bind.Check(IDC_SND_SKIP_OFFSCREEN, &Cmd().m_SoundOnScreen);
}

void cCmdSoundDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    cCmdParamPage::OnCommand(wParam, lParam);
    if (m_Ready && LOWORD(wParam) == IDC_SND_SOUND && HIWORD(wParam) == CBN_SELCHANGE)
        PreviewSound(m_hWnd, EditorWave(), m_Bind.m_Combos32, IDC_SND_SOUND, ProjectDatabase().m_Sounds);
}

cCmdBgmDlg::cCmdBgmDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group)
    : cCmdParamPage(templateId, parent, context, group, 1) {
    if (IsNew()) P()[0] = 1;
    BuildTableNameList(&m_Names, ProjectDatabase().m_Bgms, "BGMの停止", 0, 3, 0);
    m_Bind.Combo(IDC_BGM_MUSIC, &P()[0], &m_Names, 0);
    m_Bind.Button(IDC_BGM_PLAY);
}

cCmdBgmDlg::~cCmdBgmDlg() { EditorBgm().Stop(); }

void cCmdBgmDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (m_Ready && LOWORD(wParam) == IDC_BGM_PLAY && HIWORD(wParam) == BN_CLICKED) Play();
    cCmdParamPage::OnCommand(wParam, lParam);
}

void cCmdBgmDlg::Play() {
    const cRecordVector<cBgm>& bgms = ProjectDatabase().m_Bgms;
    int row = ComboPos(IDC_BGM_MUSIC);
    // "BGMの停止" has nothing to play.
    if (row <= 0 || static_cast<size_t>(row) >= bgms.size()) return;
    cBgmPlayer& music = EditorBgm();
    if (!music.SetFile(0, bgms[static_cast<size_t>(row)].m_File.c_str()) || !music.Play(0, 0, false, true))
        ErrorBox("読み込み失敗！");
}

cCmdCodeDlg::cCmdCodeDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group)
    : cCmdParamPage(templateId, parent, context, group, 0) {
    BuildVarNameList(&m_CommonNames, eVarCommon);
    BuildVarNameList(&m_StageNames, eVarStage);
    m_Bind.Text(cStrEditDesc(IDC_CODE_TEXT, &Cmd().m_Text, kCodeLength, 0));
    m_Bind.Combo(IDC_CODE_COMMON_VAR, &m_CommonVar, &m_CommonNames, 1);
    m_Bind.Combo(IDC_CODE_STAGE_VAR, &m_StageVar, &m_StageNames, 1);
    m_Bind.Button(IDC_CODE_COMMON_RENAME);
    m_Bind.Button(IDC_CODE_STAGE_RENAME);
}

bool cCmdCodeDlg::CanStore() {
    if (m_Bind.m_Texts.empty()) return true;
    return CheckExpression(m_Bind.m_Texts[0].m_Ctrl.ReadText(),
                           [](const std::string& message) { ErrorBox("%s", message.c_str()); });
}

void cCmdCodeDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    cCmdParamPage::OnCommand(wParam, lParam);
    if (!m_Ready || HIWORD(wParam) != BN_CLICKED) return;
    if (LOWORD(wParam) == IDC_CODE_COMMON_RENAME) Rename(eVarCommon, IDC_CODE_COMMON_VAR, IDC_CODE_COMMON_RENAME);
    if (LOWORD(wParam) == IDC_CODE_STAGE_RENAME) Rename(eVarStage, IDC_CODE_STAGE_VAR, IDC_CODE_STAGE_RENAME);
}

void cCmdCodeDlg::Rename(int scope, uint16_t comboId, uint16_t buttonId) {
    cBoundCombo<int16_t>* combo = FindCtrl(m_Bind.m_Combos16s, comboId);
    cBoundButton* button = FindCtrl(m_Bind.m_Buttons, buttonId);
    if (!combo) return;
    int pos = combo->m_Ctrl.GetPos();
    int number = pos >= 0 ? combo->m_Ctrl.GetData() : 0;
    if (!RenameVariable(this, m_lpGroup, scope, number, button ? &button->m_Ctrl : nullptr, scope == eVarCommon))
        return;
    BuildVarNameList(scope == eVarStage ? &m_StageNames : &m_CommonNames, scope);
    combo->m_Ctrl.Refill();
    SendMessageA(combo->m_Ctrl.GetHwnd(), CB_SETCURSEL, static_cast<WPARAM>(pos), 0);
}
