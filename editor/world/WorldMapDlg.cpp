#include "editor/world/WorldMapDlg.h"

#include <algorithm>
#include <new>

#include "data/EditConfig.h"
#include "data/Paths.h"
#include "data/ProjectData.h"
#include "editor/shell/EditWnd.h"
#include "editor/shell/EditorFiles.h"
#include "editor/shell/EditorIds.h"
#include "editor/shell/EditorProject.h"
#include "editor/shell/EditorState.h"
#include "editor/shell/SystemBitmaps.h"
#include "editor/shell/WindowPlaces.h"
#include "editor/world/EventDlg.h"
#include "editor/world/EventPaletteDlg.h"
#include "editor/world/MapChipPaletteDlg.h"
#include "editor/world/WorldIds.h"
#include "editor/world/WorldMapEdit.h"
#include "editor/world/WorldWindows.h"
#include "editor/world/WorldSettingDlg.h"
#include "framework/ErrorLog.h"
#include "framework/Format.h"
#include "framework/MessageBox.h"

namespace {

const int kPlacement = ePlaceWorldMap;
const int kCell = 32;
const int kMinWidth = 192;
const int kMinHeight = 160;
const int kMaxWidth = 640;
const int kMaxHeight = 480;
const int kChipColumns = 5;

const COLORREF kGridColour = RGB(255, 255, 255);
const COLORREF kEventFrame = 0x00FFFF;
const COLORREF kCursorColour = 0xFF0080;
const COLORREF kSelectColour = 0x8000FF;

const cToolButton kFileButtons[] = {
    {ToolButton(STD_FILESAVE, ID_WORLD_SAVE, BTNS_BUTTON), ID_WORLD_SAVE},
    {ToolButton(6, 0, BTNS_SEP), 0},
    {ToolButton(STD_UNDO, ID_WORLD_UNDO, BTNS_BUTTON), ID_WORLD_UNDO},
    {ToolButton(STD_REDOW, ID_WORLD_REDO, BTNS_BUTTON), ID_WORLD_REDO},
    {ToolButton(6, 0, BTNS_SEP), 0},
};
const cToolButton kPaletteButtons[] = {
    {ToolButton(0, ID_WORLD_CHIP_BUTTON, BTNS_CHECKGROUP), ID_WORLD_CHIP_BUTTON},
    {ToolButton(1, ID_WORLD_EVENT_BUTTON, BTNS_CHECKGROUP), ID_WORLD_EVENT_BUTTON},
};

int Clamped(int value, int low, int high) { return std::max(low, std::min(value, high)); }

bool IsInside(const cWorldMap& map, int32_t x, int32_t y) {
    return x >= 0 && y >= 0 && x < map.m_Width && y < map.m_Height;
}

int32_t* GridCell(cWorldMap& map, int32_t x, int32_t y) {
    if (!IsInside(map, x, y)) return nullptr;
    size_t cell = (static_cast<size_t>(y) << map.m_PitchBits) + x;
    return cell < map.m_Grid.size() ? &map.m_Grid[cell] : nullptr;
}

}  // namespace

cWorldMapDlg::cWorldMapDlg(cChildWnd* parent, cWndGroup* group) : cPage(IDD_WORLD_MAP, parent, eKindDialog, group) {
    const cWndPos& pos = EditConfig().m_Windows[kPlacement];
    int width = kMaxWidth, height = kMaxHeight;
    if (pos.m_Valid) {
        width = Clamped(pos.m_Width, kMinWidth, kMaxWidth);
        height = Clamped(pos.m_Height, kMinHeight, kMaxHeight);
    }
    if (POINT at; WorldPlacementPoint(kPlacement, parent, false, &at)) SetRequestedPosition(at.x, at.y);
    SetLayout(width, height, kMinWidth, kMinHeight, kMaxWidth, kMaxHeight, 0, IDR_WORLD_MENU, 1, kBarStatus, 0,
              kScrollHorz | kScrollVert);
}

cWorldMapDlg::~cWorldMapDlg() {
    // The window goes first, while this object still answers its WM_DESTROY.
    if (m_hWnd && IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
    SafeDelete(m_lpPalette);
    if (m_hPopup) DestroyMenu(m_hPopup);
}

void cWorldMapDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    cPage::OnInitDialog(wParam, lParam);
    if (m_hStatus) {
        SetWindowLongPtrA(m_hStatus, GWLP_ID, IDC_WORLD_STATUS);
        SendMessageA(m_hStatus, SB_SIMPLE, TRUE, 0);
    }
    if (HMENU menu = LoadMenuA(m_hInst, MAKEINTRESOURCEA(IDR_WORLD_MENU))) {
        SetMenu(m_hWnd, menu);
        // The menu bar takes its height from the client area: the content keeps its size.
        ReadLayout();
        Resize(m_ReqClient.right, m_ReqClient.bottom);
    }
    CreateToolbar();
    UpdateModeStates();
    UpdateUndoStates();
    m_Canvas.Attach(this, IDC_WORLD_CANVAS);
    OnSize();
    AddAccelerator(m_hWnd, IDR_EDIT_ACCEL);
    m_hPopup = LoadMenuA(m_hInst, MAKEINTRESOURCEA(IDR_WORLD_POPUP));
    OpenPalette();
    m_hFocusTarget = m_hWnd;
    m_Ready = 1;
}

void cWorldMapDlg::CreateToolbar() {
    if (!m_hToolbar) return;
    SetWindowLongPtrA(m_hToolbar, GWLP_ID, IDC_WORLD_TOOLBAR);
    AddToolButtons(kFileButtons, sizeof kFileButtons / sizeof kFileButtons[0]);
    AddToolButtonsFromImage(kPaletteButtons, 2, "e_bmp\\ToolBar_WorldPalette.bmp");
}

void cWorldMapDlg::OnSize() {
    const cWorldMap& map = ProjectWorldMap();
    FitCanvas(m_Canvas, m_BackBuffer, map.m_Width, map.m_Height, kCell, &m_ScrollX, &m_ScrollY);
}

void cWorldMapDlg::UpdateUndoStates() {
    const cWorldMapEdit& edit = WorldMapEdit();
    HMENU menu = m_hWnd ? GetMenu(m_hWnd) : nullptr;
    for (auto [id, on] : {std::pair<int, bool>{ID_WORLD_UNDO, edit.CanUndo()}, {ID_WORLD_REDO, edit.CanRedo()}}) {
        if (menu) EnableMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
        if (m_hToolbar) SendMessageA(m_hToolbar, TB_SETSTATE, id, on ? TBSTATE_ENABLED : 0);
    }
}

void cWorldMapDlg::UpdateModeStates() {
    int mode = WorldMapEdit().m_Mode;
    if (HMENU menu = m_hWnd ? GetMenu(m_hWnd) : nullptr) {
        CheckMenuItem(menu, ID_WORLD_CHIP_MODE, MF_BYCOMMAND | (mode == eWorldEditChips ? MF_CHECKED : MF_UNCHECKED));
        CheckMenuItem(menu, ID_WORLD_EVENT_MODE, MF_BYCOMMAND | (mode == eWorldEditEvents ? MF_CHECKED : MF_UNCHECKED));
    }
    if (m_hToolbar) {
        SendMessageA(m_hToolbar, TB_CHECKBUTTON, ID_WORLD_CHIP_BUTTON, mode == eWorldEditChips);
        SendMessageA(m_hToolbar, TB_CHECKBUTTON, ID_WORLD_EVENT_BUTTON, mode == eWorldEditEvents);
    }
}

void cWorldMapDlg::SetMode(int32_t mode) {
    WorldMapEdit().SetMode(mode);
    UpdateModeStates();
    OpenPalette();
}

void cWorldMapDlg::OpenPalette() {
    int mode = WorldMapEdit().m_Mode;
    if (m_lpPalette && m_PaletteMode == mode && m_lpPalette->GetHwnd()) return;
    SafeDelete(m_lpPalette);
    m_PaletteMode = mode;
    cChildWnd* palette = nullptr;
    if (mode == eWorldEditChips)
        palette = new (std::nothrow) cMapChipPaletteDlg(this, m_lpGroup);
    else
        palette = new (std::nothrow) cEventPaletteDlg(this, m_lpGroup);
    if (!palette) {
        OutOfMemory();
        return;
    }
    m_lpPalette = palette;
    if (palette->Create(0, TRUE)) palette->Show(SW_SHOWNOACTIVATE);
}

bool cWorldMapDlg::Save() {
    const char* path = g_PathTable[ePathWorldMap];
    if (!ProjectWorldMap().SaveFile(path)) {
        ErrorBoxTo(m_hWnd, "%s の保存に失敗しました！", path);
        return false;
    }
    WorldMapModified() = 0;
    return true;
}

bool cWorldMapDlg::AskSave() {
    if (!WorldMapModified()) return true;
    int answer = AppMessageBox(m_hWnd, "ワールドマップが変更された可能性があります。\n保存しますか？", "保存確認",
                               MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDYES) return Save();
    return answer == IDNO;
}

void cWorldMapDlg::Undo(bool forward) {
    cWorldMapEdit& edit = WorldMapEdit();
    cWorldMap& map = ProjectWorldMap();
    if (!(forward ? edit.Redo(map) : edit.Undo(map))) return;
    UpdateUndoStates();
    WorldMapModified() = 1;
}

void cWorldMapDlg::ClearAll(bool chips) {
    const char* text = chips ? "全てのマップチップをクリアしますか？" : "全てのイベントをクリアしますか？";
    if (AppMessageBox(m_hWnd, text, "データクリアの確認", MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    cWorldMap& map = ProjectWorldMap();
    WorldMapEdit().TakeSnapshot(map);
    if (chips)
        std::fill(map.m_Grid.begin(), map.m_Grid.end(), 0);
    else
        map.m_Events.clear();
    UpdateUndoStates();
    WorldMapModified() = 1;
}

void cWorldMapDlg::RunSettings() {
    Show(SW_HIDE);
    Enable(0);
    if (m_lpPalette) {
        m_lpPalette->Show(SW_HIDE);
        m_lpPalette->Enable(0);
    }
    cWorldSettingDlg* dlg = new (std::nothrow) cWorldSettingDlg(this, m_lpGroup);
    if (!dlg) {
        OutOfMemory();
        return;
    }
    if (dlg->DoModal(0) == 1) {
        ProjectWorldMap().Validate();
        OnSize();
        if (m_lpPalette) m_lpPalette->OnPaint();
        WorldMapEdit().ClearHistory();
        UpdateUndoStates();
        WorldMapModified() = 1;
    }
    delete dlg;
    Show(SW_SHOW);
    Enable(1);
    if (m_lpPalette) {
        m_lpPalette->Show(SW_SHOWNOACTIVATE);
        m_lpPalette->Enable(1);
    }
}

void cWorldMapDlg::OnEventCommand(int id) {
    cWorldMapEdit& edit = WorldMapEdit();
    cWorldMap& map = ProjectWorldMap();
    cPoint cell = MenuCell();
    cWorldEvent* event = map.FindEvent(cell);
    switch (id) {
    case ID_WORLD_EVENT_CUT:
    case ID_WORLD_EVENT_COPY:
        if (!event) return;
        edit.m_Clipboard = *event;
        edit.m_ClipboardValid = 1;
        if (id == ID_WORLD_EVENT_COPY) return;
        edit.TakeSnapshot(map);
        map.RemoveEvent(event);
        break;
    case ID_WORLD_EVENT_PASTE: {
        if (!edit.m_ClipboardValid || !IsInside(map, cell.x, cell.y)) return;
        edit.TakeSnapshot(map);
        cWorldEvent pasted = edit.m_Clipboard;
        if (EditConfig().m_AutoWorldNumbers) map.NumberEntries(pasted, event);
        map.PutEvent(pasted, cell.x, cell.y);
        break;
    }
    case ID_WORLD_EVENT_DELETE:
        if (!event) return;
        edit.TakeSnapshot(map);
        map.RemoveEventsAt(cell.x, cell.y);
        break;
    case ID_WORLD_EVENT_EDIT:
        // The dialog's OK takes the undo snapshot and counts the map changed.
        if (!event || !RunWorldEventDlg(event, this, m_lpGroup)) return;
        break;
    case ID_WORLD_EVENT_NEW: {
        if (!IsInside(map, cell.x, cell.y)) return;
        cWorldEvent fresh;
        fresh.Init();
        if (EditConfig().m_AutoWorldNumbers) map.NumberEntries(fresh, event);
        if (!RunWorldEventDlg(&fresh, this, m_lpGroup)) return;
        map.PutEvent(fresh, cell.x, cell.y);
        break;
    }
    default:
        return;
    }
    UpdateUndoStates();
    WorldMapModified() = 1;
}

void cWorldMapDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!IsCommandAllowed(wParam)) return;
    cPage::OnCommand(wParam, lParam);
    int id = LOWORD(wParam);
    switch (id) {
    case ID_WORLD_SAVE:
    case ID_ACCEL_SAVE:
        Save();
        break;
    case ID_WORLD_EXIT:
        SendMessageA(m_hWnd, WM_CLOSE, 0, 0);
        break;
    case ID_WORLD_UNDO:
    case ID_ACCEL_UNDO:
        Undo(false);
        break;
    case ID_WORLD_REDO:
    case ID_ACCEL_REDO:
        Undo(true);
        break;
    case ID_WORLD_CHIP_MODE:
    case ID_WORLD_CHIP_BUTTON:
        SetMode(eWorldEditChips);
        SetFocus(m_hWnd);
        break;
    case ID_WORLD_EVENT_MODE:
    case ID_WORLD_EVENT_BUTTON:
        SetMode(eWorldEditEvents);
        SetFocus(m_hWnd);
        break;
    case ID_WORLD_SETTINGS:
        RunSettings();
        break;
    case ID_WORLD_CLEAR_CHIPS:
    case ID_WORLD_CLEAR_EVENTS:
        ClearAll(id == ID_WORLD_CLEAR_CHIPS);
        break;
    default:
        OnEventCommand(id);
        break;
    }
}

INT_PTR cWorldMapDlg::DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    // The close box goes to the save question, not to the page's End.
    LRESULT handled = msg == WM_CLOSE ? 0 : cPage::WndProc(wnd, msg, wParam, lParam);
    if (OnMessage(wnd, msg, wParam, lParam)) handled = 1;
    if (handled && m_hWnd == wnd && msg != WM_PAINT && msg != WM_DRAWITEM && msg != WM_DESTROY) OnPaint();
    return handled ? TRUE : FALSE;
}

int cWorldMapDlg::OnMessage(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_DESTROY: {
        SafeDelete(m_lpPalette);
        StoreWorldPlacement(kPlacement, wnd, m_ContentWidth, m_ContentHeight);
        WorldMapEdit().ClearHistory();
        m_Ready = 0;
        if (cEditWnd* main = MainEditWnd()) main->ReturnFromWorldMap();
        return 1;
    }
    case WM_SYSCOMMAND:
        // The window is never minimised: its palette would stay on screen without it.
        return (wParam & 0xfff0) == SC_MINIMIZE;
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED) OnSize();
        return 1;
    case WM_HSCROLL:
        m_ScrollX = m_HorzBar.GetPos();
        return 1;
    case WM_VSCROLL:
        m_ScrollY = m_VertBar.GetPos();
        return 1;
    case WM_CLOSE:
        if (AskSave()) DestroyWindow(wnd);
        return 1;
    case WM_DRAWITEM:
        if (wParam != IDC_WORLD_CANVAS) return 0;
        OnPaint();
        return 1;
    case WM_KEYDOWN:
        if (wParam != VK_SPACE) return 0;
        SetMode((WorldMapEdit().m_Mode + 1) % eWorldEditModes);
        SetFocus(m_hWnd);
        return 1;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        OnMouse(msg, lParam);
        return 1;
    }
    return 0;
}

void cWorldMapDlg::SetCursorFromContent(int x, int y) {
    m_Cursor.x = m_ScrollX + Clamped(x, 0, std::max(m_ContentWidth - 1, 0)) / kCell;
    m_Cursor.y = m_ScrollY + Clamped(y, 0, std::max(m_ContentHeight - 1, 0)) / kCell;
}

void cWorldMapDlg::OnMouse(UINT msg, LPARAM lParam) {
    SetCursorFromContent(static_cast<short>(LOWORD(lParam)) - m_Origin.x, static_cast<short>(HIWORD(lParam)) - m_Origin.y);
    cWorldMapEdit& edit = WorldMapEdit();
    cWorldMap& map = ProjectWorldMap();
    switch (msg) {
    case WM_LBUTTONDOWN: {
        WorldMapModified() = 1;
        SetFocus(m_hWnd);
        const cEditConfig& config = EditConfig();
        bool editsFirst = (config.m_EditPlacedEvent && map.HasEventAt(m_Cursor.x, m_Cursor.y)) ||
                          config.m_EditBeforePlacing;
        if (edit.m_Mode == eWorldEditChips || !editsFirst) edit.TakeSnapshot(map);
        UpdateUndoStates();
        if (edit.m_Mode == eWorldEditEvents && editsFirst) {
            // One dialog per press: the drag that follows places nothing that needs one.
            EditOnPress(m_Cursor.x, m_Cursor.y);
            UpdateUndoStates();
            break;
        }
        m_LeftHeld = 1;
        PaintBrush();
        break;
    }
    case WM_MOUSEMOVE:
        if (m_LeftHeld) PaintBrush();
        break;
    case WM_LBUTTONUP:
        m_LeftHeld = 0;
        break;
    case WM_RBUTTONDOWN:
        WorldMapModified() = 1;
        SetFocus(m_hWnd);
        if (edit.m_Mode != eWorldEditChips) break;
        edit.m_DragStart = m_Cursor;
        edit.m_Current.selecting = 1;
        edit.m_Current.paletteSel = -1;
        edit.m_Dragging = 1;
        break;
    case WM_RBUTTONUP:
        if (edit.m_Dragging) EndSelection();
        break;
    }
}

void cWorldMapDlg::EndSelection() {
    cWorldMapEdit& edit = WorldMapEdit();
    edit.CopyBrush(ProjectWorldMap(), edit.m_DragStart, m_Cursor);
    edit.m_Current.tool = 0;
    edit.m_Current.selecting = 0;
    edit.m_Dragging = 0;
}

void cWorldMapDlg::PaintBrush() {
    cWorldMapEdit& edit = WorldMapEdit();
    cWorldMap& map = ProjectWorldMap();
    const cWorldModeState& state = edit.m_Current;
    if (edit.m_Mode == eWorldEditEvents && state.paletteSel < 0) return;
    int32_t chips = static_cast<int32_t>(map.m_Chips.size());
    for (int32_t r = 0; r < state.brushHeight; ++r)
        for (int32_t c = 0; c < state.brushWidth; ++c) {
            int32_t x = m_Cursor.x + c, y = m_Cursor.y + r;
            if (!IsInside(map, x, y)) continue;
            if (edit.m_Mode == eWorldEditEvents) {
                PlaceTemplate(x, y);
                continue;
            }
            int32_t chip = edit.BrushChip(c, r);
            int32_t* cell = GridCell(map, x, y);
            if (cell && chip >= 0 && chip < chips) *cell = chip;
        }
    if (m_lpPalette) m_lpPalette->OnPaint();
}

void cWorldMapDlg::PlaceTemplate(int32_t x, int32_t y) {
    const cEditConfig& config = EditConfig();
    cWorldMap& map = ProjectWorldMap();
    // Cells that would open the event dialog are left alone.
    if ((config.m_EditPlacedEvent && map.HasEventAt(x, y)) || config.m_EditBeforePlacing) return;
    cWorldEvent placed = WorldMapEdit().m_Template;
    if (config.m_AutoWorldNumbers) map.NumberEntries(placed, map.FindEvent(x, y));
    map.PutEvent(placed, x, y);
}

void cWorldMapDlg::EditOnPress(int32_t x, int32_t y) {
    cWorldMap& map = ProjectWorldMap();
    const cEditConfig& config = EditConfig();
    if (WorldMapEdit().m_Current.paletteSel < 0 || !IsInside(map, x, y)) return;
    if (config.m_EditPlacedEvent) {
        if (cWorldEvent* placed = map.FindEvent(x, y)) {
            RunWorldEventDlg(placed, this, m_lpGroup);
            return;
        }
    }
    cWorldEvent placed = WorldMapEdit().m_Template;
    if (config.m_AutoWorldNumbers) map.NumberEntries(placed, map.FindEvent(x, y));
    if (RunWorldEventDlg(&placed, this, m_lpGroup)) map.PutEvent(placed, x, y);
}

void cWorldMapDlg::ShowContextMenu() {
    if (!m_hPopup) return;
    HMENU popup = GetSubMenu(m_hPopup, 0);
    cWorldMapEdit& edit = WorldMapEdit();
    bool there = ProjectWorldMap().HasEventAt(m_Cursor.x, m_Cursor.y);
    for (int id : {ID_WORLD_EVENT_EDIT, ID_WORLD_EVENT_CUT, ID_WORLD_EVENT_COPY, ID_WORLD_EVENT_DELETE})
        EnableMenuItem(popup, id, MF_BYCOMMAND | (there ? MF_ENABLED : MF_GRAYED));
    EnableMenuItem(popup, ID_WORLD_EVENT_PASTE, MF_BYCOMMAND | (edit.m_ClipboardValid ? MF_ENABLED : MF_GRAYED));
    m_MenuCell = m_Cursor;
    m_InMenu = 1;
    PopupMenu(popup);
    // The chosen command is posted: carry it out while the menu cell still holds.
    MSG msg;
    if (PeekMessageA(&msg, m_hWnd, WM_COMMAND, WM_COMMAND, PM_REMOVE)) DispatchMessageA(&msg);
    m_InMenu = 0;
}

void cWorldMapDlg::OnFrame() {
    if (!m_Ready || !m_hWnd || !IsWindowVisible(m_hWnd)) return;
    if (!GetMousePos(1, kMouseRead | kMousePress | kMouseRelease)) return;
    cWorldMapEdit& edit = WorldMapEdit();
    if (IsContextClick() && edit.m_Mode == eWorldEditEvents) {
        ShowContextMenu();
        OnPaint();
        return;
    }
    const POINT& pt = m_Mouse.pt;
    bool outside = pt.x < 0 || pt.y < 0 || pt.x >= m_ContentWidth || pt.y >= m_ContentHeight;
    if (!outside || !edit.m_Dragging) return;
    SetCursorFromContent(pt.x, pt.y);
    const cMouseButtons& buttons = m_Mouse.buttons;
    if (edit.m_Current.selecting) {
        if (buttons.m_RightPressed) {
            edit.m_Dragging = 0;
            return;
        }
        if (buttons.m_RightReleased) EndSelection();
    }
    if (buttons.m_RightDown) AutoScroll(&m_ScrollX, &m_ScrollY);
    OnPaint();
}

int cWorldMapDlg::OnPaint() {
    if (!m_Ready || !m_BackBuffer.GetDC()) return 0;
    const cWorldMap& map = ProjectWorldMap();
    int width = m_BackBuffer.Width(), height = m_BackBuffer.Height();
    const RGBQUAD* colours = GetProjectPalette();
    int index = Clamped(map.m_BackColor, 0, 255);
    m_BackBuffer.Clear(colours ? RGB(colours[index].rgbRed, colours[index].rgbGreen, colours[index].rgbBlue) : 0);
    const cDib& back = SystemBitmap(eBmpWorldBack);
    if (map.m_UseBackImage && back.GetDC())
        m_BackBuffer.Blt(0, 0, width, height, back, m_ScrollX * kCell, m_ScrollY * kCell, 1);
    PaintChips(map);
    PaintEvents(map);
    m_BackBuffer.Grid(0, 0, width, height, kCell, kCell, kGridColour);
    PaintCursor();
    if (HWND canvas = m_Canvas.GetHwnd()) {
        if (HDC dc = ::GetDC(canvas)) {
            BitBlt(dc, 0, 0, width, height, m_BackBuffer.GetDC(), 0, 0, SRCCOPY);
            ReleaseDC(canvas, dc);
        }
    }
    if (m_hStatus) {
        std::string text = Format("座標 (%d,%d)", m_Cursor.x, m_Cursor.y);
        SendMessageA(m_hStatus, SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(text.c_str()));
    }
    return 1;
}

void cWorldMapDlg::PaintChips(const cWorldMap& map) {
    const cDib& sheet = SystemBitmap(eBmpWorldMapChip);
    if (!sheet.GetDC()) return;
    int32_t chips = static_cast<int32_t>(map.m_Chips.size());
    int sheetRows = sheet.Height() / kCell;
    for (int r = 0; r <= m_BackBuffer.Height() / kCell; ++r)
        for (int c = 0; c <= m_BackBuffer.Width() / kCell; ++c) {
            int32_t x = m_ScrollX + c, y = m_ScrollY + r;
            const int32_t* cell = GridCell(const_cast<cWorldMap&>(map), x, y);
            if (!cell || *cell < 0 || *cell >= chips) continue;
            int32_t picture = map.m_Chips.At(*cell).m_Picture;
            if (picture < 0 || picture / kChipColumns >= sheetRows) continue;
            m_BackBuffer.Blt(c * kCell, r * kCell, kCell, kCell, sheet, picture % kChipColumns * kCell,
                             picture / kChipColumns * kCell, 0);
        }
}

void cWorldMapDlg::PaintEvents(const cWorldMap& map) {
    const cDib& sheet = SystemBitmap(eBmpWorldEvent);
    if (!m_BackBuffer.SetPen(PS_SOLID, 1, kEventFrame)) return;
    int sheetRows = sheet.GetDC() ? sheet.Height() / kCell : 0;
    for (const cWorldEvent& event : map.m_Events) {
        if (event.m_Pages.empty()) continue;
        const cWorldStageEntry& first = event.m_Pages.At(0);
        int x = (event.m_X - m_ScrollX) * kCell, y = (event.m_Y - m_ScrollY) * kCell;
        if (x < -kCell || y < -kCell || x > m_BackBuffer.Width() || y > m_BackBuffer.Height()) continue;
        if (first.m_Graphic >= 0 && first.m_Graphic < sheetRows)
            m_BackBuffer.StretchBlt(x + 15, y + 1, 16, 16, sheet, first.m_WorldNo ? 0 : kCell, first.m_Graphic * kCell,
                                    kCell, kCell, 1);
        m_BackBuffer.FrameRect(x + 15, y + 1, 16, 16);
        if (first.m_Type == eWorldEventWorld && first.m_WorldNo) {
            int offset = first.m_WorldNo < 10 ? 19 : first.m_WorldNo < 100 ? 15 : 7;
            m_BackBuffer.TextF(x + offset, y + 17, "%d", first.m_WorldNo);
        }
    }
    m_BackBuffer.DeletePen();
}

void cWorldMapDlg::PaintCursor() {
    const cWorldMapEdit& edit = WorldMapEdit();
    const cWorldModeState& state = edit.m_Current;
    if (!m_BackBuffer.SetPen(PS_SOLID, 2, state.selecting ? kSelectColour : kCursorColour)) return;
    if (!state.selecting) {
        m_BackBuffer.FrameRect((m_Cursor.x - m_ScrollX) * kCell, (m_Cursor.y - m_ScrollY) * kCell,
                               state.brushWidth * kCell, state.brushHeight * kCell);
    } else if (edit.m_Dragging) {
        int left = std::min(edit.m_DragStart.x, m_Cursor.x), top = std::min(edit.m_DragStart.y, m_Cursor.y);
        int right = std::max(edit.m_DragStart.x, m_Cursor.x), bottom = std::max(edit.m_DragStart.y, m_Cursor.y);
        m_BackBuffer.FrameRect((left - m_ScrollX) * kCell, (top - m_ScrollY) * kCell, (right - left + 1) * kCell,
                               (bottom - top + 1) * kCell);
    }
    m_BackBuffer.DeletePen();
}

void OpenWorldMapWnd(cEditWnd* main) {
    cWndGroup& group = EditorGroup();
    main->HideToolWindows();
    group.EnableAll(0);
    SafeDelete(main->m_lpWorldMapWnd);
    WorldMapEdit().Reset();
    cWorldMapDlg* wnd = new (std::nothrow) cWorldMapDlg(main, &group);
    if (!wnd) {
        OutOfMemory();
        return;
    }
    main->m_lpWorldMapWnd = wnd;
    AppState().front = eFrontWorldMap;
    if (!wnd->Create(0, TRUE)) {
        main->ReturnFromWorldMap();
        return;
    }
    wnd->Enable(1);
}
