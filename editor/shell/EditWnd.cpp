#include "editor/shell/EditWnd.h"

#include <windowsx.h>

#include <algorithm>

#include "data/CommonPalette.h"
#include "data/Paths.h"
#include "data/Stage.h"
#include "editor/shell/App.h"
#include "editor/shell/EditorFiles.h"
#include "editor/shell/EditorIds.h"
#include "editor/shell/EditorProject.h"
#include "editor/shell/FrameWnd.h"
#include "editor/shell/StageDoc.h"
#include "editor/shell/StageSettingSheet.h"
#include "framework/Format.h"
#include "framework/Geometry.h"
#include "framework/MessageBox.h"
#include "framework/Path.h"
#include "framework/PropSheet.h"

namespace {

// Saved placements of the editor configuration.
const int kMainPlacement = 0;
const int kGroupPlacement = 7;
// The placement of a palette window: common block, stage block, common chara, ... stage item.
int PalettePlacement(int palette, int layer) { return 1 + layer * 2 + palette; }

// Posted to itself when activated: its tool windows come in front of it.
const UINT kToolWindowsToFront = WM_APP + 1;

const int kDefaultX = 50;
const int kDefaultY = 50;

const int kSeparatorWidth = 6;

TBBUTTON Separator() { return ToolButton(kSeparatorWidth, 0, BTNS_SEP); }

const cToolButton kFileButtons[] = {
    {ToolButton(STD_FILENEW, ID_FILE_NEW, BTNS_BUTTON), ID_FILE_NEW},
    {ToolButton(STD_FILEOPEN, ID_FILE_OPEN, BTNS_BUTTON), ID_FILE_OPEN},
    {ToolButton(STD_FILESAVE, ID_FILE_SAVE, BTNS_BUTTON), ID_FILE_SAVE},
    {Separator(), 0},
    {ToolButton(STD_UNDO, ID_EDIT_UNDO, BTNS_BUTTON), ID_EDIT_UNDO},
    {ToolButton(STD_REDOW, ID_EDIT_REDO, BTNS_BUTTON), ID_EDIT_REDO},
    {Separator(), 0},
};
const cToolButton kPaletteButtons[] = {
    {ToolButton(0, ID_TOOL_BLOCKS, BTNS_CHECKGROUP), ID_TOOL_BLOCKS},
    {ToolButton(1, ID_TOOL_CHARAS, BTNS_CHECKGROUP), ID_TOOL_CHARAS},
    {ToolButton(2, ID_TOOL_ITEMS, BTNS_CHECKGROUP), ID_TOOL_ITEMS},
};
const cToolButton kPlayButtons[] = {
    {ToolButton(0, ID_PLAY_STAGE_BUTTON, BTNS_BUTTON), ID_PLAY_STAGE_BUTTON},
    {ToolButton(1, ID_PLAY_GAME_BUTTON, BTNS_BUTTON), ID_PLAY_GAME_BUTTON},
};

// Menu items, first all disabled, then enabled always or only with a stage open.
const int kAlwaysItems[] = {ID_FILE_NEW,     ID_FILE_OPEN, ID_FILE_SAVE_COMMON, ID_TOOL_DATABASE, ID_TOOL_WORLD_MAP,
                            ID_TOOL_SYSTEM, ID_TOOL_PROJECT_OPTIONS, ID_PLAY_GAME, ID_TOOL_BITMAP};
const int kStageItems[] = {ID_FILE_CLOSE,      ID_FILE_SAVE_AS,     ID_FILE_SAVE,       ID_EDIT_UNDO,
                           ID_EDIT_REDO,       ID_LAYER_BLOCKS,     ID_LAYER_CHARAS,    ID_LAYER_ITEMS,
                           ID_CLEAR_BLOCKS,    ID_CLEAR_CHARAS,     ID_CLEAR_ITEMS,     ID_STAGE_SETTINGS,
                           ID_STAGE_LOAD_PALETTE, ID_STAGE_SAVE_PALETTE, ID_STAGE_OPTIONS, ID_PLAY_STAGE};
// Toolbar buttons, the same way.
const int kAlwaysButtons[] = {ID_FILE_NEW, ID_FILE_OPEN, ID_PLAY_GAME_BUTTON};
const int kStageButtons[] = {ID_FILE_SAVE, ID_EDIT_UNDO, ID_EDIT_REDO, ID_TOOL_BLOCKS,
                             ID_TOOL_CHARAS, ID_TOOL_ITEMS, ID_PLAY_STAGE_BUTTON};
const int kLayerButtons[] = {ID_TOOL_BLOCKS, ID_TOOL_CHARAS, ID_TOOL_ITEMS};
const int kLayerItems[] = {ID_LAYER_BLOCKS, ID_LAYER_CHARAS, ID_LAYER_ITEMS};

// The canvas size a saved placement asks for, inside the canvas limits.
void PlacedCanvas(int* x, int* y, int* width, int* height) {
    const cWndPos& pos = EditConfig().m_Windows[kMainPlacement];
    *x = pos.m_Valid ? pos.m_X : kDefaultX;
    *y = pos.m_Valid ? pos.m_Y : kDefaultY;
    *width = std::min(std::max(pos.m_Valid ? pos.m_Width : kCanvasMaxWidth, kCanvasMinWidth), kCanvasMaxWidth);
    *height = std::min(std::max(pos.m_Valid ? pos.m_Height : kCanvasMaxHeight, kCanvasMinHeight), kCanvasMaxHeight);
}

int Clamped(int value, int low, int high) { return std::max(low, std::min(value, high)); }

cPaletteShower g_paletteShower = nullptr;
cDataWndPainter g_dataWndPainter = nullptr;

}  // namespace

cCanvasCursor& CanvasCursor() {
    static cCanvasCursor cursor;
    return cursor;
}

cEditWnd::cEditWnd(cFrameWnd* frame) : cPage(IDD_EDIT_WND, frame, eKindDialog, &EditorGroup()), m_lpFrame(frame) {
    int x, y, width, height;
    PlacedCanvas(&x, &y, &width, &height);
    SetRequestedPosition(x, y);
    SetLayout(width, height, kCanvasMinWidth, kCanvasMinHeight, kCanvasMaxWidth, kCanvasMaxHeight, 0, IDR_EDIT_MENU, 1,
              kBarStatus, 0, kScrollHorz | kScrollVert);
    if (frame) frame->m_FrontWnd = eFrontStage;
}

cEditWnd::~cEditWnd() {
    // The window goes first, while this object still answers its WM_DESTROY.
    if (m_hWnd && IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
    SafeDelete(m_lpNewStageDlg);
    SafeDelete(m_lpGroupWnd);
    for (auto& palettes : m_lpPaletteWnd)
        for (cChildWnd*& wnd : palettes) SafeDelete(wnd);
    SafeDelete(m_lpWorldMapWnd);
    SafeDelete(m_lpBitmapToolDlg);
    SafeDelete(m_lpStageOptionDlg);
    SafeDelete(m_lpSystemSheet);
    SafeDelete(m_lpStageSheet);
    SafeDelete(m_lpDatabaseWnd);
    SafeDelete(m_lpPrjOptionSheet);
    if (MainEditWnd() == this) SetMainEditWnd(nullptr);
}

void cEditWnd::OnInitDialog(WPARAM wParam, LPARAM lParam) {
    cPage::OnInitDialog(wParam, lParam);
    HICON icon = LoadIconA(m_hInst, MAKEINTRESOURCEA(IDI_EDITOR));
    SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    UpdateTitle();

    if (m_hStatus) {
        SetWindowLongPtrA(m_hStatus, GWLP_ID, IDC_EDIT_STATUS);
        SetWindowLongA(m_hStatus, GWL_STYLE, GetWindowLongA(m_hStatus, GWL_STYLE) | SBARS_SIZEGRIP);
        SendMessageA(m_hStatus, SB_SIMPLE, TRUE, 0);
    }
    if (HMENU menu = LoadMenuA(m_hInst, MAKEINTRESOURCEA(IDR_EDIT_MENU))) {
        SetMenu(m_hWnd, menu);
        // The menu bar takes its height from the client area: the canvas keeps its size.
        ReadLayout();
        Resize(m_ReqClient.right, m_ReqClient.bottom);
    }
    CreateToolbar();
    UpdateStates();
    m_Canvas.Attach(this, IDC_CANVAS);
    OnSize();
    ViewPlayer();

    AddAccelerator(m_hWnd, IDR_EDIT_ACCEL);
    m_hFocusTarget = m_hWnd;
    DataToCtrls();
    m_Ready = 1;
}

void cEditWnd::CreateToolbar() {
    if (!m_hToolbar) return;
    SetWindowLongPtrA(m_hToolbar, GWLP_ID, IDC_EDIT_TOOLBAR);
    AddToolButtons(kFileButtons, sizeof kFileButtons / sizeof kFileButtons[0]);
    AddToolButtonsFromImage(kPaletteButtons, 3, "e_bmp\\ToolBar_Palette.bmp");
    TBBUTTON separator = Separator();
    SendMessageA(m_hToolbar, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&separator));
    AddToolButtonsFromImage(kPlayButtons, 2, "e_bmp\\ToolBar_TestPlay.bmp");
}

void cEditWnd::UpdateTitle() {
    const std::string& path = StageDoc().m_StagePath;
    std::string title = kEditorTitle;
    if (!path.empty()) {
        std::string shown = path;
        MakeRelativePath(shown);
        title = Format("%s  %s", kEditorTitle, shown.c_str());
    }
    if (m_hWnd) SetWindowTextA(m_hWnd, title.c_str());
}

void cEditWnd::UpdateStates() {
    const cStageDoc& doc = StageDoc();
    bool open = doc.m_StageOpen != 0;
    HMENU menu = m_hWnd ? GetMenu(m_hWnd) : nullptr;
    if (menu) {
        for (int id : kAlwaysItems) EnableMenuItem(menu, id, MF_BYCOMMAND | MF_GRAYED);
        for (int id : kStageItems) EnableMenuItem(menu, id, MF_BYCOMMAND | MF_GRAYED);
        for (int id : kAlwaysItems) EnableMenuItem(menu, id, MF_BYCOMMAND | MF_ENABLED);
        if (open)
            for (int id : kStageItems) EnableMenuItem(menu, id, MF_BYCOMMAND | MF_ENABLED);
        for (int id : {ID_VIEW_COMMON, ID_VIEW_STAGE, ID_VIEW_GROUP})
            CheckMenuItem(menu, id, MF_BYCOMMAND | (IsViewShown(id) ? MF_CHECKED : MF_UNCHECKED));
    }
    if (m_hToolbar) {
        for (int id : kAlwaysButtons) SendMessageA(m_hToolbar, TB_SETSTATE, id, 0);
        for (int id : kStageButtons) SendMessageA(m_hToolbar, TB_SETSTATE, id, 0);
        for (int id : kAlwaysButtons) SendMessageA(m_hToolbar, TB_SETSTATE, id, TBSTATE_ENABLED);
        if (open)
            for (int id : kStageButtons) SendMessageA(m_hToolbar, TB_SETSTATE, id, TBSTATE_ENABLED);
    }
    ShowLayer(doc.m_Layer);
    UpdateUndoStates();
}

void cEditWnd::ShowLayer(int32_t layer) {
    bool open = StageDoc().m_StageOpen != 0;
    for (int i = 0; i < eLayerCount; ++i) {
        if (m_hToolbar) {
            LPARAM state = !open ? 0 : i == layer ? TBSTATE_ENABLED | TBSTATE_CHECKED : TBSTATE_ENABLED;
            SendMessageA(m_hToolbar, TB_SETSTATE, kLayerButtons[i], state);
        }
        if (HMENU menu = m_hWnd ? GetMenu(m_hWnd) : nullptr)
            CheckMenuItem(menu, kLayerItems[i], MF_BYCOMMAND | (i == layer ? MF_CHECKED : MF_UNCHECKED));
    }
    // While the window is being built the tool windows wait: they are placed beside it once it
    // stands on the screen (ShowPalettes).
    if (m_Ready) ShowPalettes();
}

void cEditWnd::ShowPalettes() {
    const cStageDoc& doc = StageDoc();
    if (g_paletteShower && m_hWnd) g_paletteShower(this, doc.m_StageOpen ? doc.m_Layer : -1);
}

void cEditWnd::UpdateUndoStates() {
    const cUndoHistory& history = UndoHistory();
    bool open = StageDoc().m_StageOpen != 0;
    struct cStep {
        int id;
        bool on;
    };
    const cStep steps[] = {{ID_EDIT_UNDO, open && history.UndoCount() >= 1}, {ID_EDIT_REDO, open && history.RedoCount() >= 1}};
    HMENU menu = m_hWnd ? GetMenu(m_hWnd) : nullptr;
    for (const cStep& step : steps) {
        if (m_hToolbar) SendMessageA(m_hToolbar, TB_SETSTATE, step.id, step.on ? TBSTATE_ENABLED : 0);
        if (menu) EnableMenuItem(menu, step.id, MF_BYCOMMAND | (step.on ? MF_ENABLED : MF_GRAYED));
    }
}

bool cEditWnd::IsViewShown(int command) const {
    const cWndPos* windows = EditConfig().m_Windows;
    switch (command) {
    case ID_VIEW_COMMON: return windows[PalettePlacement(ePaletteCommon, eLayerBlock)].m_Shown != 0;
    case ID_VIEW_STAGE: return windows[PalettePlacement(ePaletteStage, eLayerBlock)].m_Shown != 0;
    default: return windows[kGroupPlacement].m_Shown != 0;
    }
}

// The three palette windows of one palette go together; the group window alone.
void cEditWnd::ToggleView(int command) {
    cWndPos* windows = EditConfig().m_Windows;
    int32_t shown = IsViewShown(command) ? 0 : 1;
    if (command == ID_VIEW_GROUP) {
        windows[kGroupPlacement].m_Shown = shown;
    } else {
        int palette = command == ID_VIEW_COMMON ? ePaletteCommon : ePaletteStage;
        for (int layer = 0; layer < eLayerCount; ++layer) windows[PalettePlacement(palette, layer)].m_Shown = shown;
    }
    SaveEditConfig();
    if (HMENU menu = GetMenu(m_hWnd)) CheckMenuItem(menu, command, MF_BYCOMMAND | (shown ? MF_CHECKED : MF_UNCHECKED));
    int show = shown ? SW_SHOW : SW_HIDE;
    if (command == ID_VIEW_GROUP) {
        if (m_lpGroupWnd) m_lpGroupWnd->Show(show);
    } else {
        for (cChildWnd* wnd : m_lpPaletteWnd[command == ID_VIEW_COMMON ? ePaletteCommon : ePaletteStage])
            if (wnd) wnd->Show(show);
    }
}

void cEditWnd::ShowToolWindows() {
    Show(SW_SHOW);
    const cWndPos* windows = EditConfig().m_Windows;
    for (int palette = 0; palette < ePaletteSlots; ++palette)
        for (int layer = 0; layer < eLayerCount; ++layer)
            if (cChildWnd* wnd = m_lpPaletteWnd[palette][layer])
                wnd->Show(windows[PalettePlacement(palette, layer)].m_Shown ? SW_SHOW : SW_HIDE);
    if (m_lpGroupWnd) m_lpGroupWnd->Show(windows[kGroupPlacement].m_Shown ? SW_SHOW : SW_HIDE);
}

// The system keeps owned windows above their owner, Wine does not: raised without taking the
// activation, the palettes and the group window stay in front of this window when it is clicked.
void cEditWnd::KeepToolWindowsInFront() {
    auto raise = [](cChildWnd* wnd) {
        if (wnd && wnd->GetHwnd() && IsWindowVisible(wnd->GetHwnd()))
            SetWindowPos(wnd->GetHwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    };
    for (auto& palettes : m_lpPaletteWnd)
        for (cChildWnd* wnd : palettes) raise(wnd);
    raise(m_lpGroupWnd);
}

void cEditWnd::HideToolWindows() {
    Show(SW_HIDE);
    for (auto& palettes : m_lpPaletteWnd)
        for (cChildWnd* wnd : palettes)
            if (wnd) wnd->Show(SW_HIDE);
    if (m_lpGroupWnd) m_lpGroupWnd->Show(SW_HIDE);
}

bool cEditWnd::HideWorldMap() {
    if (!m_lpWorldMapWnd || !m_lpWorldMapWnd->GetHwnd() || !IsWindowVisible(m_lpWorldMapWnd->GetHwnd())) return false;
    m_lpWorldMapWnd->Show(SW_HIDE);
    return true;
}

void cEditWnd::ShowWorldMap() {
    if (m_lpWorldMapWnd) m_lpWorldMapWnd->Show(SW_SHOW);
}

void cEditWnd::RepaintPalettes() {
    int layer = StageDoc().m_Layer;
    if (layer < 0 || layer >= eLayerCount) return;
    for (auto& palettes : m_lpPaletteWnd)
        if (palettes[layer]) palettes[layer]->OnPaint();
    if (layer == eLayerChara && m_lpGroupWnd) m_lpGroupWnd->OnPaint();
}

void cEditWnd::RepaintToolWindows() {
    if (g_dataWndPainter) g_dataWndPainter(this);
    if (m_lpDatabaseWnd && m_lpDatabaseWnd->GetHwnd()) m_lpDatabaseWnd->ApplyCurPage();
    for (int layer = 0; layer < eLayerCount; ++layer)
        for (int palette : {ePaletteStage, ePaletteCommon})
            if (cChildWnd* wnd = m_lpPaletteWnd[palette][layer]) wnd->OnPaint();
}

bool cEditWnd::IsAnimating() const {
    return m_lpDatabaseWnd && m_lpDatabaseWnd->GetHwnd() && m_lpDatabaseWnd->GetCurPage() <= 1;
}

void cEditWnd::EnableEditorWindows(int enable) { EditorGroup().EnableAll(enable); }

void cEditWnd::ReturnFromStageSettings() {
    cEdStage& stage = ProjectStage();
    stage.ClampView();
    OnSize();
    for (auto& palettes : m_lpPaletteWnd)
        for (cChildWnd* wnd : palettes)
            if (wnd) wnd->RedrawList();
    RepaintPalettes();
    // The history keeps its steps unless they no longer fit the stage's size or undo count.
    cUndoHistory& history = UndoHistory();
    const bool fits = stage.m_UndoCount < 1
                          ? history.Steps() == 0
                          : history.Steps() == static_cast<size_t>(stage.m_UndoCount) &&
                                history.CellsPerStep() == static_cast<size_t>(stage.m_Stride) * stage.m_Height;
    if (!fits) history.Init(stage.m_UndoCount, stage.m_Stride, stage.m_Height);
    UpdateUndoStates();
    if (m_lpFrame) m_lpFrame->m_FrontWnd = eFrontStage;
    ShowToolWindows();
    EnableEditorWindows(1);
}

void cEditWnd::ReturnFromWorldMap() {
    if (m_lpFrame) m_lpFrame->m_FrontWnd = eFrontStage;
    ShowToolWindows();
    EnableEditorWindows(1);
}

void cEditWnd::ReturnFromDatabase() {
    ProjectCommonPalette().Validate();
    ReturnFromProjectOptions();
}

void cEditWnd::ReturnFromSystem() { ReturnFromDatabase(); }

void cEditWnd::ReturnFromProjectOptions() {
    ProjectStage().ClampView();
    ShowToolWindows();
    EnableEditorWindows(1);
    RepaintPalettes();
}

void cEditWnd::OnSize() {
    const cEdStage& stage = ProjectStage();
    FitCanvas(m_Canvas, m_BackBuffer, stage.m_Width, stage.m_Height, kCellSize, &m_ScrollX, &m_ScrollY);
}

// The first view shows the player some cells from the left and top edges of the canvas.
void cEditWnd::ViewPlayer() {
    const cEdStage& stage = ProjectStage();
    if (stage.m_Width <= 0 || stage.m_Height <= 0) return;
    cPoint hero = stage.FindHero();
    if (hero.x < 0) return;
    m_ScrollX = Clamped(hero.x - 10, 0, std::max(stage.m_Width - 20, 0));
    m_ScrollY = Clamped(hero.y - 7, 0, std::max(stage.m_Height - 15, 0));
    m_HorzBar.SetPos(m_ScrollX);
    m_VertBar.SetPos(m_ScrollY);
    m_ScrollX = m_HorzBar.GetPos();
    m_ScrollY = m_VertBar.GetPos();
}

void cEditWnd::StorePlacement(HWND wnd) {
    cWndPos& pos = EditConfig().m_Windows[kMainPlacement];
    RECT outer;
    if (IsIconic(wnd) || !GetWindowRect(wnd, &outer)) return;
    pos.m_Valid = 1;
    pos.m_X = outer.left;
    pos.m_Y = outer.top;
    pos.m_Width = m_ContentWidth;
    pos.m_Height = m_ContentHeight;
}

void cEditWnd::CloseStage() {
    if (!AskSaveStage()) return;
    cStageDoc& doc = StageDoc();
    doc.m_StageOpen = 0;
    doc.m_StagePath.clear();
    ProjectStage().Clear();
    StageReplaced(0);
}

void cEditWnd::StageReplaced(int32_t modified) {
    cEdStage& stage = ProjectStage();
    UndoHistory().Init(stage.m_UndoCount, stage.m_Stride, stage.m_Height);
    UpdateUndoStates();
    if (m_lpFrame) PostMessageA(m_lpFrame->GetHwnd(), WM_USER, 1, 0);
    StageDoc().m_StageModified = modified;
}

// Esc ends the editor as the frame's own Esc does: after asking.
void cEditWnd::AskExit() {
    if (m_lpFrame && m_lpFrame->GetHwnd()) PostMessageA(m_lpFrame->GetHwnd(), WM_CLOSE, 0, 0);
}

bool cEditWnd::SaveCommonPalette() {
    const char* path = g_PathTable[ePathCommonPalette];
    if (!ProjectCommonPalette().SaveFile(path)) {
        ErrorBox("%s の保存に失敗しました！", path);
        return false;
    }
    StageDoc().m_CommonModified = 0;
    return true;
}

namespace {
cWndOpener g_databaseOpener = nullptr;
cWndOpener g_worldMapOpener = nullptr;
cNewStageRunner g_newStageRunner = nullptr;

struct cCommandOpener {
    int command;
    cWndOpener opener;
};
cCommandOpener g_commandOpeners[] = {
    {ID_TOOL_SYSTEM, nullptr}, {ID_TOOL_PROJECT_OPTIONS, nullptr}, {ID_STAGE_OPTIONS, nullptr}, {ID_TOOL_BITMAP, nullptr}};

void RunCommandOpener(int command, cEditWnd* main) {
    for (const cCommandOpener& entry : g_commandOpeners)
        if (entry.command == command && entry.opener) entry.opener(main);
}
}  // namespace

void SetCommandOpener(int command, cWndOpener opener) {
    for (cCommandOpener& entry : g_commandOpeners)
        if (entry.command == command) entry.opener = opener;
}

void SetNewStageRunner(cNewStageRunner runner) { g_newStageRunner = runner; }

void SetDatabaseOpener(cWndOpener opener) { g_databaseOpener = opener; }
void SetWorldMapOpener(cWndOpener opener) { g_worldMapOpener = opener; }

void cEditWnd::SetCursorCell(int mx, int my) {
    cCanvasCursor& cursor = CanvasCursor();
    mx = Clamped(mx, 0, std::max(m_ContentWidth - 1, 0));
    my = Clamped(my, 0, std::max(m_ContentHeight - 1, 0));
    cursor.x = m_ScrollX + mx / kCellSize;
    cursor.y = m_ScrollY + my / kCellSize;
    cursor.pixelX = mx / kCellSize * kCellSize;
    cursor.pixelY = my / kCellSize * kCellSize;
}

void SetPaletteShower(cPaletteShower shower) { g_paletteShower = shower; }
void SetDataWndPainter(cDataWndPainter painter) { g_dataWndPainter = painter; }

void cEditWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!IsCommandAllowed(wParam)) return;
    cPage::OnCommand(wParam, lParam);
    cStageDoc& doc = StageDoc();
    bool open = doc.m_StageOpen != 0;
    switch (LOWORD(wParam)) {
    case IDCANCEL:  // Esc, as the dialog manager passes it on
        AskExit();
        break;
    case ID_FILE_NEW:
    case ID_ACCEL_NEW:
        if (g_newStageRunner && g_newStageRunner(this) == 1) StageReplaced(0);
        break;
    case ID_FILE_OPEN:
    case ID_ACCEL_OPEN:
        if (OpenStage()) StageReplaced(0);
        break;
    case ID_FILE_CLOSE:
        CloseStage();
        break;
    case ID_FILE_SAVE_COMMON:
        SaveCommonPalette();
        break;
    case ID_FILE_SAVE:
    case ID_ACCEL_SAVE:
    case ID_FILE_SAVE_AS:
        if (!open) break;
        SaveCommonPalette();
        SaveStage(LOWORD(wParam) != ID_FILE_SAVE_AS);
        UpdateTitle();
        break;
    case ID_EDIT_UNDO:
    case ID_ACCEL_UNDO:
        if (open) UndoOrRedo(true);
        break;
    case ID_EDIT_REDO:
    case ID_ACCEL_REDO:
        if (open) UndoOrRedo(false);
        break;
    case ID_STAGE_LOAD_PALETTE:
        if (open && LoadStagePalette()) StageReplaced(1);
        break;
    case ID_STAGE_SAVE_PALETTE:
        if (open) SaveStagePalette();
        break;
    case ID_CLEAR_BLOCKS:
    case ID_CLEAR_CHARAS:
    case ID_CLEAR_ITEMS:
        if (open) ClearLayer(LOWORD(wParam) - ID_CLEAR_BLOCKS);
        break;
    case ID_TOOL_DATABASE:
        if (g_databaseOpener) g_databaseOpener(this);
        break;
    case ID_TOOL_WORLD_MAP:
        if (g_worldMapOpener) g_worldMapOpener(this);
        break;
    case ID_STAGE_OPTIONS:
        if (open) RunCommandOpener(ID_STAGE_OPTIONS, this);
        break;
    case ID_TOOL_SYSTEM:
    case ID_TOOL_PROJECT_OPTIONS:
    case ID_TOOL_BITMAP:
        RunCommandOpener(LOWORD(wParam), this);
        break;
    case ID_LAYER_BLOCKS:
    case ID_TOOL_BLOCKS:
    case ID_LAYER_CHARAS:
    case ID_TOOL_CHARAS:
    case ID_LAYER_ITEMS:
    case ID_TOOL_ITEMS: {
        if (!open) break;
        int id = LOWORD(wParam);
        int layer = id == ID_LAYER_BLOCKS || id == ID_TOOL_BLOCKS   ? eLayerBlock
                    : id == ID_LAYER_CHARAS || id == ID_TOOL_CHARAS ? eLayerChara
                                                                     : eLayerItem;
        doc.SetLayer(layer);
        SetFocus(m_hWnd);
        break;
    }
    case ID_VIEW_COMMON:
    case ID_VIEW_STAGE:
    case ID_VIEW_GROUP:
        if (open) ToggleView(LOWORD(wParam));
        break;
    case ID_STAGE_SETTINGS:
        if (open) OpenStageSettings(this);
        break;
    case ID_PLAY_STAGE:
    case ID_PLAY_STAGE_BUTTON:
    case ID_ACCEL_PLAY_STAGE:
        if (open) TestPlay(0);
        break;
    case ID_PLAY_GAME:
    case ID_PLAY_GAME_BUTTON:
    case ID_ACCEL_PLAY_GAME:
        TestPlay(1);
        break;
    }
}

INT_PTR cEditWnd::DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    // The close box goes to OnMessage, not to the page's End.
    LRESULT handled = msg == WM_CLOSE ? 0 : cPage::WndProc(wnd, msg, wParam, lParam);
    if (OnMessage(wnd, msg, wParam, lParam)) handled = 1;
    if (handled && m_hWnd == wnd && msg != WM_PAINT && msg != WM_DRAWITEM) OnPaint();
    return handled ? TRUE : FALSE;
}

int cEditWnd::OnMessage(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_DESTROY:
        StorePlacement(wnd);
        SaveProjectOption();
        m_Ready = 0;
        if (MainEditWnd() == this) SetMainEditWnd(nullptr);
        return 1;
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED) OnSize();
        return 1;
    case WM_ACTIVATE:
        // Raised once the activation has run its course: Wine brings this window up after it.
        if (LOWORD(wParam) != WA_INACTIVE) PostMessageA(wnd, kToolWindowsToFront, 0, 0);
        return 0;
    case kToolWindowsToFront:
        KeepToolWindowsInFront();
        return 1;
    case WM_CLOSE:
        if (!AskSave()) return 1;
        Show(SW_HIDE);
        if (m_lpFrame && m_lpFrame->GetHwnd()) DestroyWindow(m_lpFrame->GetHwnd());
        return 1;
    case WM_SYSCOMMAND:
        if ((wParam & 0xfff0) != SC_MINIMIZE) return 0;
        m_Hidden = 1;
        HideToolWindows();
        if (m_lpFrame) ShowWindow(m_lpFrame->GetHwnd(), SW_MINIMIZE);
        return 1;
    case WM_HSCROLL:
        m_ScrollX = m_HorzBar.GetPos();
        return 1;
    case WM_VSCROLL:
        m_ScrollY = m_VertBar.GetPos();
        return 1;
    case WM_DRAWITEM:
        if (wParam != IDC_CANVAS) return 0;
        OnPaint();
        return 1;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE)
            AskExit();
        else
            OnCanvasKey(wParam);
        return 1;
    }
    if (msg >= WM_MOUSEFIRST && msg <= WM_RBUTTONDBLCLK) {
        SetCursorCell(GET_X_LPARAM(lParam) - m_Origin.x, GET_Y_LPARAM(lParam) - m_Origin.y);
        OnCanvasMouse(msg, wParam, lParam);
        return 1;
    }
    return 0;
}
