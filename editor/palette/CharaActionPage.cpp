#include "editor/palette/CharaActionPage.h"

#include "editor/flow/CondIds.h"
#include "editor/palette/CharaIds.h"

cCharaActionPage::cCharaActionPage(cCharaDataSheet* sheet, cChildWnd* parent, cWndGroup* group)
    : cCharaPage(IDD_CHARA_ACTION, sheet, 3, parent, group) {
    BindCommon();
    AddGroup(IDC_CH_INHERIT_FIRST, 33,
             {IDC_CF_FLOW_INSERT, IDC_CF_FLOW_DELETE, IDC_CF_FLOWS, IDC_CF_TIMING, IDC_CF_GROUP, IDC_CF_ID,
              IDC_CF_TEST_ONLY, IDC_FLOW_COND_INSERT, IDC_FLOW_COND_EDIT, IDC_FLOW_COND_DELETE, IDC_FLOW_COND_LIST,
              IDC_CF_COND_JUDGE, IDC_CF_ONCE_TRUE, IDC_CF_KEY_INSERT, IDC_CF_KEY_EDIT, IDC_CF_KEY_DELETE, IDC_CF_KEYS,
              IDC_CF_KEY_EASE, IDC_CF_KEY_REPEAT, IDC_CF_CMD_INSERT, IDC_CF_CMD_EDIT, IDC_CF_CMD_DELETE, IDC_CF_CMDS});
}

void cCharaActionPage::InitPage() {
    ShowWindow(GetDlgItem(m_hWnd, IDC_CH_STRIP), SW_HIDE);
    ShowWindow(GetDlgItem(m_hWnd, IDC_CF_OK), SW_HIDE);
    ShowWindow(GetDlgItem(m_hWnd, IDC_CF_CANCEL), SW_HIDE);
}
