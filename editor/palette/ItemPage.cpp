#include "editor/palette/ItemPage.h"

#include "editor/palette/ItemIds.h"
#include "editor/shell/DrawObject.h"

cItemPage::cItemPage(UINT templateId, cItemSheetOwner* sheet, int pageIndex, cChildWnd* parent, cWndGroup* group)
    : cDataSheetPage(templateId, sheet, pageIndex, {IDC_IT_NUMBER, IDC_IT_PREV, IDC_IT_NEXT, IDC_IT_PREVIEW}, parent, group) {
    m_Bind.Button(IDC_IT_PREV);
    m_Bind.Button(IDC_IT_NEXT);
    AddHandler(eCtrlButton, IDC_IT_PREV, [this] { Step(-1); });
    AddHandler(eCtrlButton, IDC_IT_NEXT, [this] { Step(1); });
    m_Bind.Picture(IDC_IT_PREVIEW, kElementCell, kElementCell);
    m_PreviewIds.push_back(IDC_IT_PREVIEW);
}

// A bound value edit takes its spin along.
void cItemPage::EnableCtrl(uint16_t id, bool enable) {
    for (cCtrl* ctrl : m_Ctrls)
        if (ctrl->GetId() == id) {
            ctrl->Enable(enable ? 1 : 0);
            return;
        }
    EnableWindow(GetDlgItem(m_hWnd, id), enable ? TRUE : FALSE);
}
