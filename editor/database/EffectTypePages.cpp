#include "editor/database/EffectTypePages.h"

namespace {
const int kColourChange = 13;
const int kColourParam = 3;
}  // namespace

cDbCharaEffectPage::cDbCharaEffectPage(cChildWnd* parent, cWndGroup* group, cRecordVector<cCharaEffect>* table)
    : cDbEffectTypePage(IDD_DB_CHARA_EFFECT, IDC_DB_CHARA_EFFECT_LIST, parent, group, table, CharaEffectTypeNames,
                        CharaEffectParamTable, kCharaEffectTypes) {
    m_Sample.resize(1);
    m_Sample[0].m_Desc.Set(IDC_DB_COLOUR_SAMPLE, 32, 32);
}

void cDbCharaEffectPage::AttachPage() {
    cDbEffectTypePage::AttachPage();
    AttachPictureBox(m_Sample[0]);
}

void cDbCharaEffectPage::OnRelabel(int type) {
    ShowCtrlById(m_Sample, IDC_DB_COLOUR_SAMPLE, type == kColourChange);
    DrawColourSample();
}

void cDbCharaEffectPage::DrawColourSample() {
    cPictureBox& box = m_Sample[0].m_Ctrl;
    if (!IsInitialised() || !box.GetHwnd() || ShownType() != kColourChange) return;
    int entry = static_cast<int>(m_Params[kColourParam].m_Ctrl.ParseText());
    const RGBQUAD& colour = GetProjectPalette()[entry & 0xFF];
    box.Canvas().Clear(RGB(colour.rgbRed, colour.rgbGreen, colour.rgbBlue));
    box.Present();
}

cDbScrEffectPage::cDbScrEffectPage(cChildWnd* parent, cWndGroup* group, cRecordVector<cScrEffect>* table)
    : cDbEffectTypePage(IDD_DB_SCR_EFFECT, IDC_DB_SCR_EFFECT_LIST, parent, group, table, ScrEffectTypeNames,
                        ScrEffectParamTable, kScrEffectTypes) {}
