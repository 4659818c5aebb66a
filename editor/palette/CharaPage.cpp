#include "editor/palette/CharaPage.h"

#include "editor/palette/CharaIds.h"
#include "editor/shell/DrawObject.h"

namespace {

const int kStripWidth = 200;
const int kStripHeight = 20;

}  // namespace

cCharaPage::cCharaPage(UINT templateId, cCharaSheetOwner* sheet, int pageIndex, cChildWnd* parent, cWndGroup* group)
    : cDataSheetPage(templateId, sheet, pageIndex, {IDC_CH_NUMBER, IDC_CH_PREV, IDC_CH_NEXT, IDC_CH_PREVIEW},
                     parent, group) {}

void cCharaPage::BindCommon() {
    m_Buttons.resize(2);
    m_Buttons[0].m_Desc.Set(IDC_CH_PREV);
    m_Buttons[1].m_Desc.Set(IDC_CH_NEXT);
    AddHandler(eCtrlButton, IDC_CH_PREV, [this] { Step(-1); });
    AddHandler(eCtrlButton, IDC_CH_NEXT, [this] { Step(1); });
    m_Bind.Picture(IDC_CH_PREVIEW, kElementCell, kElementCell);
    m_Bind.Picture(IDC_CH_STRIP, kStripWidth, kStripHeight);
    m_PreviewIds.push_back(IDC_CH_PREVIEW);
}

void cCharaPage::AttachBindings() {
    AttachCtrls(m_Texts);
    m_Bind.AttachTo(this);
    AttachCtrls(m_Buttons);
}

cEdChara cCharaPage::PreviewRecord() {
    Store();
    return m_Work;
}
