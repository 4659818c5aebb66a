#include "editor/palette/PaletteDlg.h"

#include <windowsx.h>

#include <algorithm>
#include <type_traits>

#include <new>

#include "data/EditConfig.h"
#include "editor/palette/DataMove.h"
#include "editor/palette/DataMoveDlg.h"
#include "editor/palette/DataWnd.h"
#include "editor/palette/DataWndOpen.h"
#include "editor/palette/GroupWnd.h"
#include "editor/palette/PaletteIds.h"
#include "editor/palette/PaletteLists.h"
#include "editor/palette/ToolWindow.h"
#include "editor/shell/DrawObject.h"
#include "editor/shell/EditWnd.h"
#include "editor/shell/EditorFiles.h"
#include "editor/shell/EditorIds.h"
#include "editor/shell/EditorState.h"
#include "framework/Format.h"
#include "framework/Geometry.h"
#include "framework/InputDlg.h"
#include "framework/MessageBox.h"
#include "framework/WindowPlace.h"

namespace {

const int kGridWidth = kPaletteColumns * kPaletteCell;
const int kGridMaxHeight = kPaletteMaxRows * kPaletteCell;
const int kGap = 8;

// The editor configuration's placements: common block, stage block, common chara, ... stage item.
int PlacementOf(int stage, int kind) { return 1 + kind * 2 + stage; }

const char* const kCaptions[2][eElementKinds] = {
    {"[コモン]ブロックパレット", "[コモン]キャラパレット", "[コモン]アイテムパレット"},
    {"[ステージ]ブロックパレット", "[ステージ]キャラパレット", "[ステージ]アイテムパレット"},
};

const cToolButton kPenButtons[] = {
    {ToolButton(0, ID_PEN_NORMAL, BTNS_CHECKGROUP), ID_PEN_NORMAL},
    {ToolButton(1, ID_PEN_LINE, BTNS_CHECKGROUP), ID_PEN_LINE},
    {ToolButton(2, ID_PEN_RECT, BTNS_CHECKGROUP), ID_PEN_RECT},
    {ToolButton(3, ID_PEN_FILL, BTNS_CHECKGROUP), ID_PEN_FILL},
    {ToolButton(4, ID_PEN_PARAMS, BTNS_CHECKGROUP), ID_PEN_PARAMS},
};
const cToolButton kRightClickButtons[] = {
    {ToolButton(0, ID_RIGHT_EDITS, BTNS_CHECKGROUP), ID_RIGHT_EDITS},
    {ToolButton(1, ID_RIGHT_MENU, BTNS_CHECKGROUP), ID_RIGHT_MENU},
};
const int kPenCommands[ePenModes] = {ID_PEN_NORMAL, ID_PEN_LINE, ID_PEN_RECT, ID_PEN_FILL, ID_PEN_PARAMS};
const int kRightClickCommands[2] = {ID_RIGHT_EDITS, ID_RIGHT_MENU};

// Runs f with a null pointer of the kind's element type: the operations are templates.
template <class F>
void ForKind(int kind, F f) {
    switch (kind) {
    case eKindBlock: f(static_cast<cEdBlock*>(nullptr)); break;
    case eKindChara: f(static_cast<cEdChara*>(nullptr)); break;
    default: f(static_cast<cEdItem*>(nullptr)); break;
    }
}

void DrawElement(cDib& target, int x, int y, const cEdBlock& e) { DrawBlockObject(target, x, y, e, false); }
void DrawElement(cDib& target, int x, int y, const cEdChara& e) { DrawCharaObject(target, x, y, e, false); }
void DrawElement(cDib& target, int x, int y, const cEdItem& e) { DrawItemObject(target, x, y, e, false); }

void FrameCell(HDC dc, int x, int y, int style, int width) {
    HPEN pen = CreatePen(style, width, RGB(255, 255, 255));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, x, y, x + kPaletteCell, y + kPaletteCell);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
}

void StageWide(cEditWnd* main) {
    cEdStage& stage = ProjectStage();
    stage.InheritAllBlocks();
    stage.ValidatePalette();
    if (main) main->OnPaint();
}

}  // namespace

cPaletteDlg::cPaletteDlg(cChildWnd* parent, cWndGroup* group, int stage, int kind)
    : cPage(IDD_PALETTE, parent, eKindDialog, group), m_Stage(stage ? 1 : 0), m_Kind(kind),
      m_lpPlacement(&EditConfig().m_Windows[PlacementOf(m_Stage, kind)]) {
    ForKind(m_Kind, [&](auto* kindTag) { EnsureEmptyElement<std::remove_pointer_t<decltype(kindTag)>>(m_Stage); });
    // The grid at its greatest height: the window cannot be stretched past the last row.
    int rows = (Count() - 1) / kPaletteColumns + 1;
    int height = std::max(kPaletteCell, std::min(rows * kPaletteCell, kGridMaxHeight));
    SetLayout(kGridWidth, height, kGridWidth, kPaletteCell, kGridWidth, height, 0, IDR_PALETTE_MENU, 1, kBarStatus, 0,
              kScrollVert);
}

// Where the window stands once its real frame is known: the saved place and outer size, or
// beside the main window, the common window level with its top and the stage window below it.
// Without a saved place the two windows of the kind share the height below the main window's
// top, so that the stage window is not pushed back over the common one on a small desktop.
void cPaletteDlg::Place() {
    RECT outer;
    GetWindowRect(m_hWnd, &outer);
    int height = outer.bottom - outer.top;
    // What the window adds around its client area (caption, menu, borders), and around the grid.
    const int borderHeight = m_FrameTop + m_FrameBottom;
    const int frameHeight = borderHeight + kToolbarRowHeight + kStatusBarHeight;
    int x = outer.left, y = outer.top;
    HWND main = ParentWindow();
    RECT mainRect = {}, desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    if (m_lpPlacement->m_Valid) {
        x = m_lpPlacement->m_X;
        y = m_lpPlacement->m_Y;
        height = m_lpPlacement->m_Height;
    } else if (main && GetWindowRect(main, &mainRect)) {
        int share = (desktop.bottom - mainRect.top - kGap) / 2 - frameHeight;
        height = frameHeight + std::min(m_ContentHeight, std::max(kPaletteCell, share / kPaletteCell * kPaletteCell));
        x = mainRect.right + kGap;
        y = mainRect.top + kGap;
        RECT common;
        if (m_Stage && CommonWindow() && GetWindowRect(CommonWindow(), &common))
            y = mainRect.top + (common.bottom - common.top) + kGap;
    }
    const int width = m_FrameLeft + m_FrameRight + static_cast<int>(m_MaxTrack.right);
    height = std::max<int>(borderHeight + m_MinTrack.bottom, std::min<int>(height, borderHeight + m_MaxTrack.bottom));
    KeepInsideDesktop(&x, &y, width, height);
    SetWindowPos(m_hWnd, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    ReadLayout();
}

// The common window of this kind beside the same main window; null when there is none.
HWND cPaletteDlg::CommonWindow() const {
    cEditWnd* main = dynamic_cast<cEditWnd*>(m_lpParent);
    cChildWnd* common = main ? main->m_lpPaletteWnd[0][m_Kind] : nullptr;
    return common && common != this ? common->GetHwnd() : nullptr;
}

cPaletteDlg::~cPaletteDlg() {
    DropDataWnd();
    if (m_hWnd && IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
    if (m_hPopup) DestroyMenu(m_hPopup);
}

void cPaletteDlg::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    cPage::OnInitDialog(wParam, lParam);
    SetWindowTextA(m_hWnd, kCaptions[m_Stage][m_Kind]);
    if (m_hStatus) {
        SendMessageA(m_hStatus, SB_SIMPLE, TRUE, 0);
        SendMessageA(m_hStatus, SB_SETTEXTA, 255, reinterpret_cast<LPARAM>("DLG_PLT"));
    }
    if (HMENU menu = LoadMenuA(m_hInst, MAKEINTRESOURCEA(IDR_PALETTE_MENU))) {
        SetMenu(m_hWnd, menu);
        ReadLayout();
        Resize(m_ReqClient.right, m_ReqClient.bottom);
    }
    if (m_hToolbar) {
        SetWindowLongPtrA(m_hToolbar, GWLP_ID, IDC_PALETTE_TOOLBAR);
        AddToolButtonsFromImage(kPenButtons, ePenModes, "e_bmp\\ToolBar_Pen.bmp");
        TBBUTTON separator = ToolButton(6, 0, BTNS_SEP);
        SendMessageA(m_hToolbar, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&separator));
        AddToolButtonsFromImage(kRightClickButtons, 2, "e_bmp\\ToolBar_PltEdit.bmp");
    }
    CheckModeButtons();
    cPictureBoxDesc desc;
    desc.Set(IDC_PALETTE_CANVAS, kGridWidth, kGridMaxHeight);
    m_Canvas.Attach(this, desc);
    m_Canvas.Move(m_Origin.x, m_Origin.y);
    AddAccelerator(m_hWnd, IDR_EDIT_ACCEL);
    m_hFocusTarget = m_hWnd;
    m_hPopup = LoadMenuA(m_hInst, MAKEINTRESOURCEA(IDR_PALETTE_POPUP));
    Relayout();
    Place();
    // The grid fills the content alone: a taller canvas would reach over the status bar.
    m_Canvas.Resize(kGridWidth, std::max(0, m_ContentHeight));
    DataToCtrls();
    m_Ready = 1;
}

int cPaletteDlg::Count() const {
    int count = 0;
    ForKind(m_Kind, [&](auto* kindTag) {
        count = static_cast<int>(PaletteList<std::remove_pointer_t<decltype(kindTag)>>(m_Stage).size());
    });
    return count;
}

int cPaletteDlg::IndexAt(int x, int y) const {
    return x / kPaletteCell + (m_ScrollRow + y / kPaletteCell) * kPaletteColumns;
}

void cPaletteDlg::Relayout() {
    int rows = (Count() - 1) / kPaletteColumns + 1;
    int toolbarAndStatus = kToolbarRowHeight + kStatusBarHeight;
    m_MaxTrack.bottom = toolbarAndStatus + std::min(rows * kPaletteCell, kGridMaxHeight);
    if (!m_hWnd) return;
    m_VertBar.SetRange(0, rows - 1);
    m_VertBar.SetPage(std::max(1, m_ContentHeight / kPaletteCell));
    m_ScrollRow = std::min(m_VertBar.GetPos(), rows - 1);
    // Moving the window to where it is lets the system apply the new greatest height.
    RECT rect;
    GetWindowRect(m_hWnd, &rect);
    SetWindowPos(m_hWnd, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void cPaletteDlg::CheckModeButtons() {
    if (!m_hToolbar) return;
    const cStageDoc& doc = StageDoc();
    for (int mode = 0; mode < ePenModes; ++mode)
        SendMessageA(m_hToolbar, TB_SETSTATE, kPenCommands[mode],
                     TBSTATE_ENABLED | (mode == doc.m_PenMode ? TBSTATE_CHECKED : 0));
    for (int mode = 0; mode < 2; ++mode)
        SendMessageA(m_hToolbar, TB_SETSTATE, kRightClickCommands[mode],
                     TBSTATE_ENABLED | (mode == doc.m_RightClickMode ? TBSTATE_CHECKED : 0));
}

int cPaletteDlg::OnPaint() {
    if (!m_Ready) return 0;
    cDib& canvas = m_Canvas.Canvas();
    HDC dc = canvas.GetDC();
    if (!dc) return 0;
    m_ScrollRow = m_VertBar.GetPos();
    PatBlt(dc, 0, 0, canvas.Width(), canvas.Height(), BLACKNESS);
    ForKind(m_Kind, [&](auto* kindTag) {
        const auto& list = PaletteList<std::remove_pointer_t<decltype(kindTag)>>(m_Stage);
        for (int row = 0; row < kPaletteMaxRows; ++row)
            for (int column = 0; column < kPaletteColumns; ++column) {
                int index = column + (m_ScrollRow + row) * kPaletteColumns;
                if (index >= static_cast<int>(list.size())) break;
                DrawElement(canvas, column * kPaletteCell, row * kPaletteCell, list[index]);
            }
    });
    const cStageDoc& doc = StageDoc();
    int count = Count();
    auto cellY = [&](int index) { return (index / kPaletteColumns - m_ScrollRow) * kPaletteCell; };
    if (doc.m_SelPalette == m_Stage && doc.m_SelIndex != -1)
        FrameCell(dc, doc.m_SelIndex % kPaletteColumns * kPaletteCell, cellY(doc.m_SelIndex), PS_SOLID, 2);
    if (doc.m_ClipValid && doc.m_ClipPalette == m_Stage)
        FrameCell(dc, doc.m_ClipIndex % kPaletteColumns * kPaletteCell, cellY(doc.m_ClipIndex), PS_DOT, 1);
    m_Canvas.Present();
    std::string status;
    if (doc.m_SelPalette == m_Stage && doc.m_SelIndex >= 0 && doc.m_SelIndex < count)
        ForKind(m_Kind, [&](auto* kindTag) {
            const auto& list = PaletteList<std::remove_pointer_t<decltype(kindTag)>>(m_Stage);
            status = Format("%d : %s", doc.m_SelIndex, list[doc.m_SelIndex].m_Name.c_str());
        });
    if (m_hStatus) SendMessageA(m_hStatus, SB_SETTEXTA, 255, reinterpret_cast<LPARAM>(status.c_str()));
    return 1;
}

bool cPaletteDlg::PickAt(int x, int y) {
    if (x < 0 || y < 0 || x >= kGridWidth) return false;
    int index = IndexAt(x, y);
    if (index >= Count()) return false;
    ForKind(m_Kind, [&](auto* kindTag) { TakePen<std::remove_pointer_t<decltype(kindTag)>>(m_Stage, index); });
    OnPaint();
    if (cPaletteDlg* other = OtherWindow()) other->OnPaint();
    return true;
}

void cPaletteDlg::OnLButtonDown(WPARAM, LPARAM lParam) {
    PickAt(GET_X_LPARAM(lParam) - m_Origin.x, GET_Y_LPARAM(lParam) - m_Origin.y);
}

void cPaletteDlg::OnRButtonDown(WPARAM, LPARAM lParam) {
    cStageDoc& doc = StageDoc();
    if (doc.m_RightClickMode == 0) {
        int x = GET_X_LPARAM(lParam) - m_Origin.x, y = GET_Y_LPARAM(lParam) - m_Origin.y;
        if (x >= 0 && y >= 0 && x < kGridWidth) Edit(IndexAt(x, y));
    } else if (m_Stage) {
        doc.m_StageModified = 1;
    } else {
        doc.m_CommonModified = 1;
    }
    OnPaint();
}

HMENU cPaletteDlg::PopupStates() {
    if (!m_hPopup) return nullptr;
    HMENU menu = GetSubMenu(m_hPopup, 0);
    const cStageDoc& doc = StageDoc();
    auto set = [&](int id, bool on) { EnableMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED)); };
    bool clip = doc.m_ClipValid != 0;
    bool element = doc.m_SelIndex != 0;
    set(ID_ELEMENT_INSERT_COPY, clip && element);
    set(ID_ELEMENT_APPEND_COPY, clip);
    for (int id : {ID_ELEMENT_EDIT, ID_ELEMENT_CUT, ID_ELEMENT_COPY, ID_ELEMENT_NEW, ID_ELEMENT_DELETE}) set(id, element);
    set(ID_ELEMENT_PASTE, element && clip && !doc.m_ClipCutPending);
    set(ID_ELEMENT_APPEND_NEW, true);
    return menu;
}

cPaletteDlg* cPaletteDlg::OtherWindow() const {
    cEditWnd* main = MainEditWnd();
    return main ? dynamic_cast<cPaletteDlg*>(main->m_lpPaletteWnd[1 - m_Stage][m_Kind]) : nullptr;
}

INT_PTR cPaletteDlg::DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT handled = cPage::WndProc(wnd, msg, wParam, lParam);
    if (OnMessage(wnd, msg, wParam, lParam)) {
        handled = 1;
        if (m_hWnd == wnd && msg != WM_PAINT && msg != WM_DESTROY) OnPaint();
    }
    return handled ? TRUE : FALSE;
}

int cPaletteDlg::OnMessage(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (StageDoc().m_RightClickMode == 1 && IsContextClick()) {
        // Past the last element nothing is picked, and no menu offers the element picked before.
        if (PickAt(m_Mouse.pt.x, m_Mouse.pt.y))
            if (HMENU menu = PopupStates()) PopupMenu(menu);
        return 1;
    }
    switch (msg) {
    case WM_DESTROY: {
        RECT outer;
        if (!IsIconic(wnd) && GetWindowRect(wnd, &outer)) {
            m_lpPlacement->Set(outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top);
            SaveEditConfig();
        }
        m_Ready = 0;
        return 1;
    }
    case WM_SIZE: {
        // A taller window shows the grid's end: the rows scrolled away come back into view.
        m_Canvas.Resize(kGridWidth, std::max(0, m_ContentHeight));
        int greatest = ((Count() - 1) / kPaletteColumns + 1) * kPaletteCell;
        if (m_ScrollRow * kPaletteCell + m_ContentHeight >= greatest) {
            m_ScrollRow = (greatest - m_ContentHeight) / kPaletteCell;
            if (m_ScrollRow < 1) m_ScrollRow = 0;
        }
        m_VertBar.SetPage(std::max(1, m_ContentHeight / kPaletteCell));
        m_VertBar.SetPos(m_ScrollRow);
        return 1;
    }
    case WM_KEYDOWN: return PassSpaceToMain(wParam, lParam) ? 1 : 0;
    case WM_VSCROLL: m_ScrollRow = m_VertBar.GetPos(); return 1;
    default: return 0;
    }
}

void cPaletteDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!IsCommandAllowed(wParam)) return;
    cPage::OnCommand(wParam, lParam);
    int command = LOWORD(wParam);
    cStageDoc& doc = StageDoc();
    if (PassCommandToMain(command)) return;
    for (int mode = 0; mode < ePenModes; ++mode)
        if (command == kPenCommands[mode]) doc.SetPenMode(mode);
    for (int mode = 0; mode < 2; ++mode)
        if (command == kRightClickCommands[mode]) doc.SetRightClickMode(mode);
    switch (command) {
    case ID_PEN_NORMAL: case ID_PEN_LINE: case ID_PEN_RECT: case ID_PEN_FILL: case ID_PEN_PARAMS:
    case ID_RIGHT_EDITS: case ID_RIGHT_MENU:
        CheckModeButtons();
        if (cPaletteDlg* other = OtherWindow()) other->CheckModeButtons();
        OnPaint();
        return;
    case ID_PALETTE_COUNT: ChangeCount(); return;
    case ID_PALETTE_MOVE: MoveData(); return;
    default:
        ElementCommand(command);
        return;
    }
}

void cPaletteDlg::ElementCommand(int command) {
    cStageDoc& doc = StageDoc();
    int index = doc.m_SelIndex;
    bool changed = false;
    ForKind(m_Kind, [&](auto* kindTag) {
        using T = std::remove_pointer_t<decltype(kindTag)>;
        switch (command) {
        case ID_ELEMENT_EDIT:
            Edit(index);
            doc.ClearClipboard();
            StageWide(MainEditWnd());
            break;
        case ID_ELEMENT_CUT: CopyToClipboard<T>(m_Stage, index, 1); break;
        case ID_ELEMENT_COPY: CopyToClipboard<T>(m_Stage, index, 0); break;
        case ID_ELEMENT_PASTE:
            if (!doc.m_ClipValid || doc.m_ClipCutPending) return;
            PasteElement<T>(m_Stage, index);
            changed = true;
            break;
        case ID_ELEMENT_DELETE: DeleteElement<T>(m_Stage, index); changed = true; break;
        case ID_ELEMENT_NEW: InsertNewElement<T>(m_Stage, index); changed = true; break;
        case ID_ELEMENT_INSERT_COPY:
        case ID_ELEMENT_APPEND_COPY:
            if (!doc.m_ClipValid) return;
            InsertCopiedElement<T>(m_Stage, command == ID_ELEMENT_APPEND_COPY ? kAppendIndex : index);
            changed = true;
            break;
        case ID_ELEMENT_APPEND_NEW: InsertNewElement<T>(m_Stage, kAppendIndex); changed = true; break;
        default: break;
        }
    });
    if (!changed) {
        OnPaint();
        return;
    }
    (m_Stage ? doc.m_StageModified : doc.m_CommonModified) = 1;
    AfterChange();
}

// Inheritance and references again, the new size, and every window that shows the list.
void cPaletteDlg::AfterChange() {
    cEditWnd* main = MainEditWnd();
    StageWide(main);
    Relayout();
    OnPaint();
    if (cPaletteDlg* other = OtherWindow()) {
        other->Relayout();
        other->OnPaint();
    }
}

void cPaletteDlg::ChangeCount() {
    int32_t value = Count() - 1;
    int x = 0, y = 0;
    GetWindowPos(&x, &y);
    // A list the inserts made longer is offered at its own count, so that OK leaves it whole.
    const int highest = std::max(kMaxPaletteElements, Count()) - 1;
    if (InputValueAt(this, m_lpGroup, &value, 0, highest, "データ数", x, y) != 1) return;
    ForKind(m_Kind, [&](auto* kindTag) { SetElementCount<std::remove_pointer_t<decltype(kindTag)>>(m_Stage, value + 1); });
    // The kind's own inheritance: the charas and items too take their groups from the new list.
    AfterRangeChange(m_Stage, m_Kind);
    AfterChange();
}

void cPaletteDlg::MoveData() {
    int x = 0, y = 0;
    GetWindowPos(&x, &y);
    m_lpMoveDlg = new (std::nothrow) cDataMoveDlg(this, m_lpGroup, m_Stage, m_Kind, x, y);
    if (!m_lpMoveDlg) {
        OutOfMemory();
        return;
    }
    m_lpMoveDlg->DoModal(kRunDisableGroup);
    SafeDelete(m_lpMoveDlg);
    AfterChange();
}

// The element becomes the one the data window edits; element 0 is never edited. The data
// windows live in their own library and take it from the document.
void cPaletteDlg::Edit(int index) {
    if (index < 1 || index >= Count()) return;
    cStageDoc& doc = StageDoc();
    ForKind(m_Kind, [&](auto* kindTag) {
        using T = std::remove_pointer_t<decltype(kindTag)>;
        TakePen<T>(m_Stage, index);
        T* element = &PaletteList<T>(m_Stage)[index];
        if constexpr (std::is_same_v<T, cEdBlock>) doc.m_lpEditBlock = element;
        if constexpr (std::is_same_v<T, cEdChara>) doc.m_lpEditChara = element;
        if constexpr (std::is_same_v<T, cEdItem>) doc.m_lpEditItem = element;
    });
    doc.m_EditSource = m_Stage ? eSourceStagePalette : eSourceCommonPalette;
    OpenDataWnd(doc.m_EditSource, 0);
}

void cPaletteDlg::DropDataWnd() {
    if (!m_lpDataWnd) return;
    static_cast<cDataWnd*>(m_lpDataWnd)->SkipReturn();
    SafeDelete(m_lpDataWnd);
}

void cPaletteDlg::OpenDataWnd(int source, uint32_t cell) { OpenDataWndInSlot(m_Kind, this, &m_lpDataWnd, source, cell); }

void ShowPaletteWindows(cEditWnd* main, int layer) {
    if (!main) return;
    // The group window belongs to the chara layer.
    if (layer != eLayerChara) SafeDelete(main->m_lpGroupWnd);
    for (int kind = 0; kind < eLayerCount; ++kind)
        for (int stage = 0; stage < ePaletteSlots; ++stage) {
            cChildWnd*& slot = main->m_lpPaletteWnd[stage][kind];
            if (kind != layer) {
                SafeDelete(slot);
                continue;
            }
            if (slot) continue;
            cPaletteDlg* wnd = new cPaletteDlg(main, &EditorGroup(), stage, kind);
            slot = wnd;
            int shown = EditConfig().m_Windows[PlacementOf(stage, kind)].m_Shown;
            if (!wnd->Create(0, shown ? TRUE : FALSE)) SafeDelete(slot);
        }
    if (layer == eLayerChara) ShowGroupWindow(main);
}

void RepaintDataWindows(cEditWnd* main) {
    if (!main) return;
    for (auto& palettes : main->m_lpPaletteWnd)
        for (cChildWnd* wnd : palettes)
            if (auto* palette = dynamic_cast<cPaletteDlg*>(wnd))
                if (cPropSheet* data = palette->DataWnd(); data && data->GetHwnd()) data->ApplyCurPage();
}

void EditStageCell(cEditWnd* main, int32_t layer, uint32_t index) {
    if (!main || layer < eLayerBlock || layer >= eLayerCount) return;
    cStageDoc& doc = StageDoc();
    cEdStage& stage = ProjectStage();
    if (layer == eLayerBlock) {
        cEdBlock* cell = stage.m_Blocks.Find(index);
        if (!cell) return;
        doc.m_lpEditBlock = cell;
    } else if (layer == eLayerChara) {
        cEdChara* cell = stage.m_Charas.Find(index);
        if (!cell) return;
        doc.m_lpEditChara = cell;
    } else {
        cEdItem* cell = stage.m_Items.Find(index);
        if (!cell) return;
        doc.m_lpEditItem = cell;
    }
    doc.m_EditSource = eSourceStageCell;
    if (cPaletteDlg* palette = dynamic_cast<cPaletteDlg*>(main->m_lpPaletteWnd[ePaletteStage][layer]))
        palette->OpenDataWnd(eSourceStageCell, index);
}
