#include "editor/world/MapChipPaletteDlg.h"

#include <algorithm>

#include "data/EditConfig.h"
#include "data/ProjectData.h"
#include "editor/shell/EditorProject.h"
#include "editor/shell/SystemBitmaps.h"
#include "editor/shell/WindowPlaces.h"
#include "editor/world/WorldIds.h"
#include "editor/world/WorldMapEdit.h"
#include "editor/world/WorldWindows.h"
#include "framework/Format.h"

namespace {

const int kChipPlacement = ePlaceChipPalette;
const int kChipCell = 32;
const int kColumns = 5;
const int kWidth = kColumns * kChipCell;
const int kMinHeight = kChipCell;
const int kMaxHeight = 2 * kChipCell;
const COLORREF kFrameColour = 0xFF007F;

int ChipRows() {
    return (static_cast<int>(ProjectWorldMap().m_Chips.size()) + kColumns - 1) / kColumns;
}

}  // namespace

cMapChipPaletteDlg::cMapChipPaletteDlg(cChildWnd* parent, cWndGroup* group)
    : cPage(IDD_CHIP_PALETTE, parent, eKindDialog, group) {
    const cWndPos& pos = EditConfig().m_Windows[kChipPlacement];
    if (POINT at; WorldPlacementPoint(kChipPlacement, parent, true, &at)) SetRequestedPosition(at.x, at.y);
    int height = pos.m_Valid ? std::max(kMinHeight, std::min(pos.m_Height, kMaxHeight)) : kMaxHeight;
    SetLayout(kWidth, height, kWidth, kMinHeight, kWidth, kMaxHeight, 0, 0, 0, kBarStatus, 0, kScrollVert);
}

cMapChipPaletteDlg::~cMapChipPaletteDlg() {
    // The window goes first, while this object still answers its WM_DESTROY.
    if (m_hWnd && IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
}

void cMapChipPaletteDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    cPage::OnInitDialog(wParam, lParam);
    if (m_hStatus) SendMessageA(m_hStatus, SB_SIMPLE, TRUE, 0);
    m_Canvas.Attach(this, IDC_WORLD_CANVAS);
    OnSize();
    m_Ready = 1;
}

void cMapChipPaletteDlg::OnSize() {
    ReadLayout();
    m_Canvas.Move(m_Origin.x, m_Origin.y);
    m_Canvas.Resize(m_ContentWidth, m_ContentHeight);
    // Every row can come to the top but the last page's, so the last chip stays reachable.
    m_VertBar.SetRange(0, std::max(ChipRows() - 1, 0));
    m_VertBar.SetPage(std::max(m_ContentHeight / kChipCell, 1));
    m_TopRow = m_VertBar.GetPos();
    if (m_ContentWidth > 0 && m_ContentHeight > 0 &&
        (m_BackBuffer.Width() != m_ContentWidth || m_BackBuffer.Height() != m_ContentHeight))
        m_BackBuffer.Create(m_ContentWidth, m_ContentHeight, 24, 0);
}

INT_PTR cMapChipPaletteDlg::DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CLOSE) return TRUE;  // the palette closes with the world map window
    LRESULT handled = cPage::WndProc(wnd, msg, wParam, lParam);
    switch (msg) {
    case WM_DESTROY:
        StoreWorldPlacement(kChipPlacement, wnd, m_ContentWidth, m_ContentHeight);
        m_Ready = 0;
        return TRUE;
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED) OnSize();
        handled = 1;
        break;
    case WM_VSCROLL:
        m_TopRow = m_VertBar.GetPos();
        handled = 1;
        break;
    case WM_COMMAND:
        if (LOWORD(wParam) == ID_WORLD_PAINT_TOOL) WorldMapEdit().m_Current.selecting = 0;
        break;
    case WM_LBUTTONDOWN: {
        int x = static_cast<short>(LOWORD(lParam)) - m_Origin.x;
        int y = static_cast<short>(HIWORD(lParam)) - m_Origin.y;
        if (x < 0 || y < 0 || x >= m_ContentWidth || y >= m_ContentHeight) break;
        WorldMapEdit().SelectChip((m_TopRow + y / kChipCell) * kColumns + x / kChipCell);
        handled = 1;
        break;
    }
    case WM_DRAWITEM:
        if (wParam != IDC_WORLD_CANVAS) return FALSE;
        handled = 1;
        break;
    }
    if (handled && msg != WM_PAINT) OnPaint();
    return handled ? TRUE : FALSE;
}

int cMapChipPaletteDlg::OnPaint() {
    if (!m_Ready || !m_BackBuffer.GetDC()) return 0;
    const cWorldMap& map = ProjectWorldMap();
    int32_t chips = static_cast<int32_t>(map.m_Chips.size());
    m_BackBuffer.Clear(0);
    const cDib& sheet = SystemBitmap(eBmpWorldMapChip);
    int sheetRows = sheet.GetDC() ? sheet.Height() / kChipCell : 0;
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < kColumns; ++c) {
            int32_t chip = (m_TopRow + r) * kColumns + c;
            if (chip >= chips) break;
            int32_t picture = map.m_Chips.At(chip).m_Picture;
            if (picture < 0 || picture / kColumns >= sheetRows) continue;
            m_BackBuffer.Blt(c * kChipCell, r * kChipCell, kChipCell, kChipCell, sheet, picture % kColumns * kChipCell,
                             picture / kColumns * kChipCell, 0);
        }
    int32_t selected = WorldMapEdit().m_Current.paletteSel;
    bool valid = selected >= 0 && selected < chips;
    if (selected >= 0 && m_BackBuffer.SetPen(PS_SOLID, 2, kFrameColour)) {
        m_BackBuffer.FrameRect(selected % kColumns * kChipCell, (selected / kColumns - m_TopRow) * kChipCell, kChipCell, kChipCell);
        m_BackBuffer.DeletePen();
    }
    if (HWND canvas = m_Canvas.GetHwnd()) {
        if (HDC dc = ::GetDC(canvas)) {
            BitBlt(dc, 0, 0, m_BackBuffer.Width(), m_BackBuffer.Height(), m_BackBuffer.GetDC(), 0, 0, SRCCOPY);
            ReleaseDC(canvas, dc);
        }
    }
    if (m_hStatus) {
        std::string text = valid ? Format("%d : %s", selected, map.m_Chips.At(selected).m_Text.c_str()) : "";
        SendMessageA(m_hStatus, SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(text.c_str()));
    }
    return 1;
}
