#include "editor/world/WorldSettingDlg.h"

#include <algorithm>
#include <string>

#include "data/ProjectData.h"
#include "editor/shell/SystemBitmaps.h"
#include "editor/world/WorldIds.h"
#include "framework/Dib.h"
#include "framework/FileDialogs.h"
#include "framework/Path.h"

namespace {

struct cRangeCtrl {
    int edit, spin, low, high;
    int32_t cWorldMap::*field;
};

const cRangeCtrl kRanges[] = {
    {IDC_WS_WIDTH, IDC_WS_WIDTH_SPIN, 20, cWorldMap::kMaxWidth, &cWorldMap::m_Width},
    {IDC_WS_HEIGHT, IDC_WS_HEIGHT_SPIN, 15, cWorldMap::kMaxHeight, &cWorldMap::m_Height},
    {IDC_WS_START_X, IDC_WS_START_X_SPIN, 0, cWorldMap::kMaxWidth - 1, &cWorldMap::m_StartX},
    {IDC_WS_START_Y, IDC_WS_START_Y_SPIN, 0, cWorldMap::kMaxHeight - 1, &cWorldMap::m_StartY},
    {IDC_WS_BACK_COLOR, IDC_WS_BACK_COLOR_SPIN, 16, 207, &cWorldMap::m_BackColor},
};

const int kPathLength = 260;

}  // namespace

cWorldSettingDlg::cWorldSettingDlg(cChildWnd* parent, cWndGroup* group)
    : cPage(IDD_WORLD_SETTING, parent, eKindDialog, group) {}

void cWorldSettingDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    cPage::OnInitDialog(wParam, lParam);
    const cWorldMap& map = ProjectWorldMap();
    for (const cRangeCtrl& range : kRanges) {
        SendDlgItemMessageA(m_hWnd, range.spin, UDM_SETRANGE32, range.low, range.high);
        SetDlgItemInt(m_hWnd, range.edit, std::max(range.low, std::min(map.*range.field, range.high)), TRUE);
    }
    CheckDlgButton(m_hWnd, IDC_WS_USE_IMAGE, map.m_UseBackImage ? BST_CHECKED : BST_UNCHECKED);
    SendDlgItemMessageA(m_hWnd, IDC_WS_IMAGE, EM_LIMITTEXT, kPathLength, 0);
    SetDlgItemTextA(m_hWnd, IDC_WS_IMAGE, map.m_BackImage.c_str());
    m_Ready = 1;
}

INT_PTR cWorldSettingDlg::DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    INT_PTR handled = cPage::DialogProc(wnd, msg, wParam, lParam);
    if (msg == WM_PAINT) OnPaint();
    return handled;
}

int cWorldSettingDlg::OnPaint() {
    HWND swatch = m_hWnd ? GetDlgItem(m_hWnd, IDC_WS_SWATCH) : nullptr;
    const RGBQUAD* colours = GetProjectPalette();
    if (!m_Ready || !swatch || !colours) return 0;
    BOOL ok = FALSE;
    int index = static_cast<int>(GetDlgItemInt(m_hWnd, IDC_WS_BACK_COLOR, &ok, TRUE));
    const RGBQUAD& colour = colours[ok ? std::max(0, std::min(index, 255)) : 0];
    HDC dc = ::GetDC(swatch);
    if (!dc) return 0;
    HBRUSH brush = CreateSolidBrush(RGB(colour.rgbRed, colour.rgbGreen, colour.rgbBlue));
    RECT rect;
    ::GetClientRect(swatch, &rect);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
    ReleaseDC(swatch, dc);
    return 1;
}

void cWorldSettingDlg::ChooseImage() {
    char file[kPathLength] = "";
    if (!OpenFileDialog(m_hWnd, file, sizeof file, "bmp\\", "背景画像の選択", "BitmapFile ( *.bmp )\0*.bmp\0\0", "bmp",
                        0, nullptr))
        return;
    std::string path = file;
    if (MakeRelativePath(path)) SetDlgItemTextA(m_hWnd, IDC_WS_IMAGE, path.c_str());
}

void cWorldSettingDlg::Store() {
    cWorldMap& map = ProjectWorldMap();
    int32_t values[sizeof kRanges / sizeof kRanges[0]];
    for (size_t k = 0; k < sizeof kRanges / sizeof kRanges[0]; ++k) {
        const cRangeCtrl& range = kRanges[k];
        BOOL ok = FALSE;
        int value = static_cast<int>(GetDlgItemInt(m_hWnd, range.edit, &ok, TRUE));
        values[k] = std::max(range.low, std::min(ok ? value : map.*range.field, range.high));
    }
    map.SetSize(values[0], values[1]);
    for (size_t k = 2; k < sizeof kRanges / sizeof kRanges[0]; ++k) map.*kRanges[k].field = values[k];
    map.m_UseBackImage = IsDlgButtonChecked(m_hWnd, IDC_WS_USE_IMAGE) == BST_CHECKED;
    char path[kPathLength + 1] = "";
    GetDlgItemTextA(m_hWnd, IDC_WS_IMAGE, path, sizeof path);
    // The path is the author's even when its picture does not load (the loader says why, and the
    // picture on screen stays): a file put there later is found at the next load of the project.
    // An emptied path leaves the picture loaded now.
    map.m_BackImage = path;
    if (!path[0]) return;
    const cSystemBitmapRow& row = SystemBitmapTable[eBmpWorldBack];
    SystemBitmap(eBmpWorldBack).LoadFile(path, row.bitsPerPixel, row.withMask, row.tileWidth, row.tileHeight);
}

void cWorldSettingDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!IsCommandAllowed(wParam)) return;
    cPage::OnCommand(wParam, lParam);
    switch (LOWORD(wParam)) {
    case IDC_WS_BACK_COLOR:
        if (HIWORD(wParam) == EN_CHANGE) OnPaint();
        break;
    case IDC_WS_BROWSE:
        ChooseImage();
        break;
    case IDC_WS_OK:
        Store();
        if (m_lpParent && m_lpParent->GetHwnd()) SendMessageA(m_lpParent->GetHwnd(), WM_SIZE, SIZE_RESTORED, 0);
        End(1);
        break;
    case IDC_WS_CANCEL:
        End(0);
        break;
    }
}
