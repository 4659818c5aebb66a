#include "editor/flow/KeyCondDlg.h"

#include "data/FlowTables.h"
#include "editor/flow/CondIds.h"

const uint16_t kKeyStateCtrlIds[kKeyStates] = {
    IDC_KC_DIR_NEUTRAL, IDC_KC_LEFT,    IDC_KC_RIGHT,   IDC_KC_UP,      IDC_KC_DOWN,
    IDC_KC_LEFT_UP,     IDC_KC_LEFT_DOWN, IDC_KC_RIGHT_UP, IDC_KC_RIGHT_DOWN, IDC_KC_ANY_DIR,
    IDC_KC_ACTION_NEUTRAL, IDC_KC_Z,    IDC_KC_X,       IDC_KC_C,       IDC_KC_V,
    IDC_KC_A,           IDC_KC_S,       IDC_KC_D,       IDC_KC_F,
};

namespace {
const uint16_t kMaxPressTime = 999;
}

cKeyCondDlg::cKeyCondDlg(UINT templateId, cChildWnd* parent, cWndGroup* group, cKeyCond* cond)
    : cPage(templateId, parent, eKindDialog, group) {
    // A record made in code may hold fewer states than keys; each combo needs its own.
    if (cond->m_KeyStates.size() < static_cast<size_t>(kKeyStates)) cond->m_KeyStates.resize(kKeyStates, 0);
    m_Times.resize(2);
    m_Times[0].m_Desc.Set(IDC_KC_FROM, &cond->m_PressMin, 1, kMaxPressTime, IDC_KC_FROM_SPIN, 1);
    m_Times[1].m_Desc.Set(IDC_KC_TO, &cond->m_PressMax, 1, kMaxPressTime, IDC_KC_TO_SPIN, 1);
    m_Checks.resize(2);
    m_Checks[0].m_Desc.Set(IDC_KC_SWAP, &cond->m_SwapDir);
    m_Checks[1].m_Desc.Set(IDC_KC_ANY_LENGTH, &cond->m_PressOpen);
    m_Combos.resize(kKeyStates + 1);
    for (int key = 0; key < kKeyStates; ++key)
        m_Combos[key].m_Desc = cComboDesc<uint8_t>(kKeyStateCtrlIds[key], &cond->m_KeyStates[key], KeyStateNames, 0);
    m_Combos[kKeyStates].m_Desc = cComboDesc<uint8_t>(IDC_KC_JUDGE, &cond->m_KeyJudge, KeyJudgeNames, 0);
}

void cKeyCondDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    cPage::OnInitDialog(wParam, lParam);
    ShowWindow(GetDlgItem(m_hWnd, IDC_KC_PICTURE), SW_HIDE);
    AttachCtrls(m_Times);
    AttachCtrls(m_Checks);
    AttachCtrls(m_Combos);
    DataToCtrls();
    Update();
    m_Ready = 1;
}

void cKeyCondDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!IsCommandAllowed(wParam)) return;
    cPage::OnCommand(wParam, lParam);
    switch (LOWORD(wParam)) {
    case IDC_COND_OK:
        CtrlsToData();
        End(1);
        break;
    case IDC_COND_CANCEL: End(0); break;
    default:
        if (m_Ready && FindChangedCtrl(wParam)) Update();
    }
}

void cKeyCondDlg::Update() {
    cEditVal<uint16_t>& from = m_Times[0].m_Ctrl;
    cEditVal<uint16_t>& to = m_Times[1].m_Ctrl;
    long long start = from.ParseText();
    if (start < 1) start = 1;
    if (start > kMaxPressTime) start = kMaxPressTime;
    to.SetRange(static_cast<uint16_t>(start), kMaxPressTime);
    to.Reformat();
    int open = !m_Checks[1].m_Ctrl.GetCheck();
    from.Enable(open);
    to.Enable(open);
}
