#include "editor/palette/DataMoveDlg.h"

#include <algorithm>

#include "editor/palette/DataMove.h"
#include "editor/palette/DataMoveIds.h"

namespace {

const char* const kOpNames[4] = {"移動", "コピー＆挿入", "削除", ""};

int ListSize(int stage, int kind) {
    switch (kind) {
    case eKindBlock: return static_cast<int>(PaletteList<cEdBlock>(stage).size());
    case eKindChara: return static_cast<int>(PaletteList<cEdChara>(stage).size());
    default: return static_cast<int>(PaletteList<cEdItem>(stage).size());
    }
}

}  // namespace

cDataMoveDlg::cDataMoveDlg(cChildWnd* parent, cWndGroup* group, int stage, int kind, int x, int y)
    : cPage(IDD_DATA_MOVE, parent, eKindDialog, group, x, y), m_Stage(stage ? 1 : 0), m_Kind(kind),
      m_Count(ListSize(m_Stage, kind)) {
    int last = std::max(1, m_Count - 1);
    m_Edits.resize(3);
    m_Edits[0].m_Desc.Set(IDC_DM_FIRST, &m_First, 1, last, IDC_DM_FIRST_SPIN);
    m_Edits[1].m_Desc.Set(IDC_DM_LAST, &m_Last, 1, last, IDC_DM_LAST_SPIN);
    m_Edits[2].m_Desc.Set(IDC_DM_DEST, &m_Destination, 1, std::max(1, m_Count), IDC_DM_DEST_SPIN);
    m_Combos.push_back({{}, {IDC_DM_OP, &m_Op, kOpNames, 0}});
}

void cDataMoveDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    cPage::OnInitDialog(wParam, lParam);
    AttachCtrls(m_Edits);
    AttachCtrls(m_Combos);
    DataToCtrls();
    UpdateEnables();
    m_Ready = 1;
}

void cDataMoveDlg::UpdateEnables() {
    int op = FindCtrl(m_Combos, IDC_DM_OP)->m_Ctrl.GetData();
    EnableCtrlById(m_Edits, IDC_DM_DEST, op != eDeleteRange);
}

bool cDataMoveDlg::Run() {
    switch (m_Kind) {
    case eKindBlock: return MoveRange(PaletteList<cEdBlock>(m_Stage), m_Op, m_First, m_Last, m_Destination);
    case eKindChara: return MoveRange(PaletteList<cEdChara>(m_Stage), m_Op, m_First, m_Last, m_Destination);
    default: return MoveRange(PaletteList<cEdItem>(m_Stage), m_Op, m_First, m_Last, m_Destination);
    }
}

void cDataMoveDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!IsCommandAllowed(wParam)) return;
    cPage::OnCommand(wParam, lParam);
    if (!m_Ready) return;
    switch (LOWORD(wParam)) {
    case IDC_DM_OK:
        CtrlsToData();
        if (Run()) AfterRangeChange(m_Stage, m_Kind);
        End(1);
        break;
    case IDC_DM_CANCEL: End(0); break;
    case IDC_DM_OP:
        if (HIWORD(wParam) == CBN_SELCHANGE) UpdateEnables();
        break;
    default: break;
    }
}
