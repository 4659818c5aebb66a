#include "editor/shell/BackLayerDlg.h"

#include "editor/shell/StagePage.h"
#include "editor/shell/StageSettingIds.h"
#include "framework/Dib.h"
#include "framework/FileDialogs.h"
#include "framework/Format.h"
#include "framework/Path.h"

namespace {

const int kPreviewSize = 32;
const int kPathLimit = 260;

// The controls besides the speed edits that serve a bitmap layer; a colour layer uses only its
// colour number.
const uint16_t kBitmapCtrls[] = {IDC_BL_PICTURE, IDC_BL_BROWSE, IDC_BL_AUTO_X, IDC_BL_AUTO_Y};

}  // namespace

cBackLayerDlg::cBackLayerDlg(cChildWnd* parent, cWndGroup* group, cBackLayer* layer)
    : cPage(IDD_BACK_LAYER, parent, eKindDialog, group), m_lpLayer(layer) {}

void cBackLayerDlg::RowText(std::string* text, int, const cBackLayer* layer) {
    *text = layer->m_ShowAtStart ? "○" : "‐";
    if (layer->m_UseColor)
        *text += Format(" 色番号%d", layer->m_Color);
    else
        *text += Format(" %s", layer->m_Picture.c_str());
}

void cBackLayerDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    cPage::OnInitDialog(wParam, lParam);
    cBackLayer& layer = *m_lpLayer;
    m_Checks.push_back(Check(IDC_BL_SHOW, &layer.m_ShowAtStart));
    m_Checks.push_back(Check(IDC_BL_USE_COLOR, &layer.m_UseColor));
    m_Checks.push_back(Check(IDC_BL_FRONT, &layer.m_Front));
    m_Checks.push_back(Check(IDC_BL_AUTO_X, &layer.m_AutoScrollX));
    m_Checks.push_back(Check(IDC_BL_AUTO_Y, &layer.m_AutoScrollY));
    cBoundStrEdit picture;
    picture.m_Desc = cStrEditDesc(IDC_BL_PICTURE, &layer.m_Picture, kPathLimit - 1, 0);
    m_Texts.push_back(picture);
    m_Ints.push_back(IntEdit(IDC_BL_COLOR, &layer.m_Color, 16, 207, IDC_BL_COLOR_SPIN));
    m_Reals.push_back(RealEdit(IDC_BL_SPEED_X, &layer.m_SpeedX, -640.0, 640.0, IDC_BL_SPEED_X_SPIN, 0.01));
    m_Reals.push_back(RealEdit(IDC_BL_SPEED_Y, &layer.m_SpeedY, -480.0, 480.0, IDC_BL_SPEED_Y_SPIN, 0.01));
    m_Buttons.push_back(Button(IDC_BL_BROWSE));
    m_Buttons.push_back(Button(IDC_BL_OK));
    m_Buttons.push_back(Button(IDC_BL_CANCEL));
    m_Preview.m_Desc.Set(IDC_BL_PREVIEW, kPreviewSize, kPreviewSize);
    AttachCtrls(m_Checks);
    AttachCtrls(m_Texts);
    AttachCtrls(m_Ints);
    AttachCtrls(m_Reals);
    AttachCtrls(m_Buttons);
    AttachPictureBox(m_Preview);
    DataToCtrls();
    UpdateEnables();
    m_Ready = 1;
    DrawPreview();
}

// The preview is an owner-drawn static: it asks for its colour whenever it is painted.
INT_PTR cBackLayerDlg::DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_DRAWITEM && wParam == IDC_BL_PREVIEW && m_Ready) {
        DrawPreview();
        return TRUE;
    }
    return cPage::DialogProc(wnd, msg, wParam, lParam);
}

void cBackLayerDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!IsCommandAllowed(wParam)) return;
    cPage::OnCommand(wParam, lParam);
    if (!m_Ready) return;
    switch (LOWORD(wParam)) {
    case IDC_BL_OK:
        CtrlsToData();
        End(1);
        return;
    case IDC_BL_CANCEL:
    case IDCANCEL:
        End(0);
        return;
    case IDC_BL_BROWSE:
        if (HIWORD(wParam) == BN_CLICKED) Browse();
        break;
    }
    UpdateEnables();
    DrawPreview();
}

void cBackLayerDlg::UpdateEnables() {
    const bool byColour = IsDlgButtonChecked(m_hWnd, IDC_BL_USE_COLOR) == BST_CHECKED;
    EnableCtrlById(m_Ints, IDC_BL_COLOR, byColour);
    for (uint16_t id : kBitmapCtrls) {
        if (HWND ctrl = GetDlgItem(m_hWnd, id)) EnableWindow(ctrl, byColour ? FALSE : TRUE);
    }
    for (cBoundEditVal<double>& speed : m_Reals) speed.m_Ctrl.Enable(!byColour);
}

void cBackLayerDlg::DrawPreview() {
    cDib& canvas = m_Preview.m_Ctrl.Canvas();
    if (!canvas.GetDC()) return;
    int number = static_cast<int>(GetDlgItemInt(m_hWnd, IDC_BL_COLOR, nullptr, FALSE)) & 0xff;
    const RGBQUAD& colour = GetProjectPalette()[number];
    canvas.Clear(RGB(colour.rgbRed, colour.rgbGreen, colour.rgbBlue));
    m_Preview.m_Ctrl.Present();
}

void cBackLayerDlg::Browse() {
    char file[MAX_PATH] = "";
    if (!OpenFileDialog(m_hWnd, file, sizeof file, "bmp\\back\\", "ビットマップの選択", "BitmapFile ( *.bmp )\0*.bmp\0\0",
                        "bmp", 0, nullptr))
        return;
    std::string path = file;
    if (!MakeRelativePath(path)) return;
    SetDlgItemTextA(m_hWnd, IDC_BL_PICTURE, path.c_str());
}
