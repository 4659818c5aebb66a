#include "editor/flow/CmdStatusDlgs.h"

#include "data/CommonPalette.h"
#include "data/ElementNames.h"
#include "data/FlowTables.h"
#include "data/ProjectDatabase.h"
#include "data/Stage.h"
#include "editor/flow/CmdShowIds.h"
#include "editor/flow/StatusSides.h"
#include "editor/shell/DrawObject.h"
#include "editor/shell/GraphicRanges.h"
#include "editor/shell/StageDoc.h"
#include "framework/NameList.h"

namespace {

const int kPreviewSize = 32;

}  // namespace

cCmdStatusOp2Dlg::cCmdStatusOp2Dlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group)
    : cCmdParamPage(templateId, parent, context, group, 3) {
    m_CharaStates = RowNameList(StatusFlagDescs, kStatusFlagDescs);
    m_SystemStates = RowNameList(ScrollFlagDescs, kScrollFlagDescs);
    for (int i = 0; i < kStatusFlagDescs; ++i) m_CharaSettings[i] = TextList(StatusFlagDescs[i].m_Options);
    for (int i = 0; i < kScrollFlagDescs; ++i) m_SystemSettings[i] = TextList(ScrollFlagDescs[i].m_Options);
    m_Bind.Combo(IDC_SW_SUBJECT, &P()[0], OwnerNames);
    m_Bind.Combo(IDC_SW_STATUS, &P()[1], &m_CharaStates, 0);
    m_Bind.Combo(IDC_SW_SETTING, &P()[2], &m_NoSettings, 0);
}

void cCmdStatusOp2Dlg::UpdateEnables() {
    bool system = ComboPos(IDC_SW_SUBJECT) == kOwnerSystem;
    ShowParamList(IDC_SW_STATUS, system ? &m_SystemStates : &m_CharaStates, 0, m_Ready);
    int status = ComboPos(IDC_SW_STATUS);
    int rows = system ? kScrollFlagDescs : kStatusFlagDescs;
    if (status < 0 || status >= rows) {
        ShowParamList(IDC_SW_SETTING, &m_NoSettings, 0, false);
        return;
    }
    const cFlagDesc& row = system ? ScrollFlagDescs[status] : StatusFlagDescs[status];
    ShowParamList(IDC_SW_SETTING, system ? &m_SystemSettings[status] : &m_CharaSettings[status], row.m_Min, m_Ready);
}

cCmdItemGetDlg::cCmdItemGetDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group)
    : cCmdParamPage(templateId, parent, context, group, 2) {
    if (IsNew()) P()[1] = 1;
    BuildNameList(&m_CommonItems, ProjectCommonPalette().m_Items);
    BuildNameList(&m_StageItems, ProjectStage().m_Palette.m_Items);
    // While common elements are edited, a stage's items are not theirs to give.
    bool commonOnly = StageDoc().m_EditSource == eSourceCommonPalette;
    m_Bind.Combo(IDC_GET_PALETTE, &P()[0], commonOnly ? CommonPaletteOnlyNames : PaletteNames);
    m_Bind.Combo(IDC_GET_ITEM, &P()[1], &m_CommonItems, 1);
}

void cCmdItemGetDlg::UpdateEnables() {
    int palette = ComboPos(IDC_GET_PALETTE);
    // A palette the list does not offer (a stored stage palette while common elements are
    // edited) leaves the item as stored.
    EnableCtrl(IDC_GET_ITEM, palette >= 0);
    if (palette >= 0) ShowParamList(IDC_GET_ITEM, palette == 1 ? &m_StageItems : &m_CommonItems, 1, m_Ready);
}

cCmdGraphicDlg::cCmdGraphicDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group)
    : cCmdParamPage(templateId, parent, context, group, 3) {
    if (IsNew()) {
        P()[0] = eGraphicChara;
        P()[1] = 1;
        P()[2] = 0;
    }
    m_Bind.Combo(IDC_GFX_KIND, &P()[0], GraphicSrcNames);
    const cGraphicRange sheet = GraphicRange(eGraphicChara, 0);
    m_Bind.Edit(IDC_GFX_NUMBER, &P()[1], 1, sheet.highest, IDC_GFX_NUMBER_SPIN);
    m_Bind.Edit(IDC_GFX_SHIFT, &P()[2], 0, sheet.highestShift, IDC_GFX_SHIFT_SPIN);
    m_Bind.Picture(IDC_GFX_PREVIEW, kPreviewSize, kPreviewSize);
    m_Look.m_AnimeSet = 0;
    m_Look.m_MarkMode = 0;
    m_Look.m_FaceRight = 0;
}

void cCmdGraphicDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    cCmdParamPage::OnInitDialog(wParam, lParam);
    DrawPreview();
}

void cCmdGraphicDlg::UpdateEnables() {
    int kind = ComboPos(IDC_GFX_KIND);
    const cGraphicRange range = GraphicRange(kind, ProjectDatabase().m_BmpCharaExcs.size());
    const int32_t ranges[2][2] = {{1, range.highest}, {0, range.highestShift}};
    const uint16_t ids[2] = {IDC_GFX_NUMBER, IDC_GFX_SHIFT};
    for (int i = 0; i < 2; ++i) {
        cBoundEditVal<int32_t>* edit = FindCtrl(m_Bind.m_Edits32, ids[i]);
        if (!edit) continue;
        edit->m_Ctrl.SetRange(ranges[i][0], ranges[i][1]);
        if (m_Ready) edit->m_Ctrl.Reformat();
    }
    EnableCtrl(IDC_GFX_SHIFT, range.columns);
    if (m_Ready) DrawPreview();
}

void cCmdGraphicDlg::AfterMessage() {
    if (m_Ready) DrawPreview();
}

void cCmdGraphicDlg::DrawPreview() {
    if (m_Bind.m_Pictures.empty()) return;
    cPictureBox& box = m_Bind.m_Pictures[0].m_Ctrl;
    cDib& canvas = box.Canvas();
    if (!canvas.GetDC()) return;
    canvas.Clear(RGB(0, 0, 0));
    BOOL numberOk = FALSE, shiftOk = FALSE;
    int number = static_cast<int>(GetDlgItemInt(m_hWnd, IDC_GFX_NUMBER, &numberOk, TRUE));
    int shift = static_cast<int>(GetDlgItemInt(m_hWnd, IDC_GFX_SHIFT, &shiftOk, TRUE));
    int kind = ComboPos(IDC_GFX_KIND);
    // A number the edit does not hold yet (a text being typed) draws nothing.
    if (numberOk && number > 0 && kind >= 0) {
        m_Look.m_GraphicSrc = static_cast<uint8_t>(kind);
        m_Look.m_Graphic = static_cast<uint16_t>(number);
        m_Look.m_GraphicShift = static_cast<uint16_t>(shiftOk && shift >= 0 ? shift : 0);
        DrawCharaObject(canvas, 0, 0, m_Look, false);
    }
    box.Present();
}

const cDib& cCmdGraphicDlg::Preview() { return m_Bind.m_Pictures[0].m_Ctrl.Canvas(); }

cCmdAnimeSetDlg::cCmdAnimeSetDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group)
    : cCmdParamPage(templateId, parent, context, group, 1) {
    if (IsNew()) P()[0] = 0;
    BuildTableNameList(&m_Names, ProjectDatabase().m_AnimeSets, nullptr, 0, 3, 1);
    m_Bind.Combo(IDC_ANIME_SET, &P()[0], &m_Names, 0);
}

cCmdAnimeDlg::cCmdAnimeDlg(UINT templateId, cChildWnd* parent, const cCmdContext& context, cWndGroup* group)
    : cCmdParamPage(templateId, parent, context, group, 1) {
    if (IsNew()) P()[0] = 1;
    BuildNameList(&m_Names, ProjectDatabase().m_Animes);
    m_Bind.Combo(IDC_ANIME, &P()[0], &m_Names, 1);
}
