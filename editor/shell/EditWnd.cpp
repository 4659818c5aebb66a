#include "editor/shell/EditWnd.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <string>

#include "data/CommonPalette.h"
#include "data/Stage.h"
#include "editor/shell/EditorFiles.h"
#include "editor/shell/EditorIds.h"
#include "editor/shell/EditorProject.h"
#include "editor/shell/EditorState.h"
#include "editor/shell/MainMenuStates.h"
#include "editor/shell/StageDoc.h"
#include "editor/shell/StageFiles.h"
#include "editor/shell/TestPlay.h"
#include "editor/shell/WindowPlaces.h"
#include "framework/Format.h"
#include "framework/Geometry.h"
#include "framework/MessageBox.h"
#include "framework/Path.h"
#include "framework/PropSheet.h"

namespace {

// Posted to itself when activated: its tool windows come in front of it.
const UINT kToolWindowsToFront = WM_APP + 1;

const int kDefaultX = 50;
const int kDefaultY = 50;

// The canvas size a saved placement asks for, inside the canvas limits.
void PlacedCanvas(int* x, int* y, int* width, int* height) {
    const cWndPos& pos = EditConfig().m_Windows[ePlaceMain];
    *x = pos.m_Valid ? pos.m_X : kDefaultX;
    *y = pos.m_Valid ? pos.m_Y : kDefaultY;
    *width = std::min(std::max(pos.m_Valid ? pos.m_Width : kCanvasMaxWidth, kCanvasMinWidth), kCanvasMaxWidth);
    *height = std::min(std::max(pos.m_Valid ? pos.m_Height : kCanvasMaxHeight, kCanvasMinHeight), kCanvasMaxHeight);
}

}  // namespace

cEditWnd::cEditWnd(cChildWnd* frame) : cPage(IDD_EDIT_WND, frame, eKindDialog, &EditorGroup()), m_lpFrame(frame) {
    int x, y, width, height;
    PlacedCanvas(&x, &y, &width, &height);
    SetRequestedPosition(x, y);
    SetLayout(width, height, kCanvasMinWidth, kCanvasMinHeight, kCanvasMaxWidth, kCanvasMaxHeight, 0, IDR_EDIT_MENU, 1,
              kBarStatus, 0, kScrollHorz | kScrollVert);
    AppState().front = eFrontStage;
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
    if (m_hToolbar) {
        SetWindowLongPtrA(m_hToolbar, GWLP_ID, IDC_EDIT_TOOLBAR);
        AddMainToolButtons(*this, m_hToolbar);
    }
    UpdateStates();
    m_Canvas.Attach(IDC_CANVAS);
    m_Canvas.Fit();
    m_Canvas.ViewPlayer();

    AddAccelerator(m_hWnd, IDR_EDIT_ACCEL);
    m_hFocusTarget = m_hWnd;
    DataToCtrls();
    m_Ready = 1;
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
    ShowCommandStates(Menu(), m_hToolbar, StageDoc().m_StageOpen != 0);
    ShowLayer(StageDoc().m_Layer);
    UpdateUndoStates();
}

void cEditWnd::ShowLayer(int32_t layer) {
    ShowLayerMarks(Menu(), m_hToolbar, StageDoc().m_StageOpen != 0, layer);
    // While the window is being built the tool windows wait: they are placed beside it once it
    // stands on the screen (ShowPalettes).
    if (m_Ready) ShowPalettes();
}

void cEditWnd::ShowPalettes() {
    const cStageDoc& doc = StageDoc();
    if (m_hWnd) ShowPalettesOf(this, doc.m_StageOpen ? doc.m_Layer : -1);
}

void cEditWnd::UpdateUndoStates() { ShowUndoStates(Menu(), m_hToolbar, StageDoc().m_StageOpen != 0, UndoHistory()); }

void cEditWnd::ToggleView(int command) {
    const bool shown = !IsViewShown(command);
    SetViewShown(command, shown);
    SaveEditConfig();
    if (HMENU menu = Menu()) CheckMenuItem(menu, command, MF_BYCOMMAND | (shown ? MF_CHECKED : MF_UNCHECKED));
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
                wnd->Show(windows[PalettePlace(palette, layer)].m_Shown ? SW_SHOW : SW_HIDE);
    if (m_lpGroupWnd) m_lpGroupWnd->Show(windows[ePlaceGroup].m_Shown ? SW_SHOW : SW_HIDE);
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
    RepaintDataWindowsOf(this);
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
    m_Canvas.Fit();
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
    AppState().front = eFrontStage;
    ShowToolWindows();
    EnableEditorWindows(1);
}

// The sheet closes when this window goes too: only the main window now shown comes back.
void cEditWnd::StageSheetClosed() {
    if (MainEditWnd() == this) ReturnFromStageSettings();
}

void cEditWnd::ReturnFromWorldMap() {
    AppState().front = eFrontStage;
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

void cEditWnd::StorePlacement(HWND wnd) {
    cWndPos& pos = EditConfig().m_Windows[ePlaceMain];
    RECT outer;
    if (IsIconic(wnd) || !GetWindowRect(wnd, &outer)) return;
    pos.m_Valid = 1;
    pos.m_X = outer.left;
    pos.m_Y = outer.top;
    pos.m_Width = m_ContentWidth;
    pos.m_Height = m_ContentHeight;
}

void cEditWnd::CloseStage() {
    if (!AskSaveStage(m_hWnd)) return;
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

// Nothing is recorded while the game plays the stage: the history was given up for it. An
// edit whose step cannot be had goes on without one, after saying so.
void cEditWnd::PushUndo(int32_t mask) {
    if (AppState().testPlaying) return;
    if (!UndoHistory().Push(mask, ProjectStage())) ErrorMessage("メモリが不足しています！");
    UpdateUndoStates();
}

void cEditWnd::UndoOrRedo(bool undo) {
    cUndoHistory& history = UndoHistory();
    if (undo)
        history.Undo(ProjectStage());
    else
        history.Redo(ProjectStage());
    UpdateUndoStates();
    RepaintPalettes();
    StageDoc().m_StageModified = 1;
}

void cEditWnd::ClearLayer(int32_t layer) {
    static const char* const questions[eLayerCount] = {"全てのブロックをクリアしますか？", "全てのキャラをクリアしますか？",
                                                       "全てのアイテムをクリアしますか？"};
    if (AppMessageBox(m_hWnd, questions[layer], "データクリアの確認", MB_YESNO) != IDYES) return;
    PushUndo(1 << layer);
    cEdStage& stage = ProjectStage();
    if (layer == eLayerBlock) stage.m_Blocks.clear();
    if (layer == eLayerChara) stage.m_Charas.clear();
    if (layer == eLayerItem) stage.m_Items.clear();
    StageDoc().m_StageModified = 1;
}

void cEditWnd::TestPlay(int whole) {
    HWND frame = m_lpFrame ? m_lpFrame->GetHwnd() : nullptr;
    StartTestPlay(m_hWnd, frame, whole, [] {
        if (cEditWnd* main = MainEditWnd())
            main->EndTestPlay();
        else
            AppState().testPlaying = 0;
    });
    UpdateTitle();
    UpdateUndoStates();
}

void cEditWnd::OnCopyData(HWND, const COPYDATASTRUCT* data) {
    if (TakeGameNotice(data)) EndTestPlay();
}

void cEditWnd::EndTestPlay() {
    cEdStage& stage = ProjectStage();
    if (!StageDoc().m_StagePath.empty()) UndoHistory().Init(stage.m_UndoCount, stage.m_Stride, stage.m_Height);
    UpdateUndoStates();
    if (m_hWnd) {
        SetForegroundWindow(m_hWnd);
        SetActiveWindow(m_hWnd);
    }
    AppState().testPlaying = 0;
}

void cEditWnd::EditCell(int32_t layer, uint32_t index) { EditStageCellOf(this, layer, index); }

void cEditWnd::ShowCursorCell() {
    if (!m_hStatus) return;
    const cCanvasCursor& cursor = CanvasCursor();
    std::string text = Format("座標 (%d,%d)", cursor.x, cursor.y);
    SendMessageA(m_hStatus, SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(text.c_str()));
}

int cEditWnd::OnPaint() {
    if (!m_Ready || !m_Canvas.Paint()) return 0;
    if (StageDoc().m_StageOpen) ShowCursorCell();
    return 1;
}

void cEditWnd::OnFrame() {
    if (m_Ready && m_Canvas.OnFrame()) OnPaint();
}

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
        if (RunNewStage(this) == 1) StageReplaced(0);
        break;
    case ID_FILE_OPEN:
    case ID_ACCEL_OPEN:
        if (OpenStage(m_hWnd)) StageReplaced(0);
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
        SaveStage(m_hWnd, LOWORD(wParam) != ID_FILE_SAVE_AS);
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
        if (open && LoadStagePalette(m_hWnd)) StageReplaced(1);
        break;
    case ID_STAGE_SAVE_PALETTE:
        if (open) SaveStagePalette(m_hWnd);
        break;
    case ID_CLEAR_BLOCKS:
    case ID_CLEAR_CHARAS:
    case ID_CLEAR_ITEMS:
        if (open) ClearLayer(LOWORD(wParam) - ID_CLEAR_BLOCKS);
        break;
    case ID_TOOL_DATABASE:
        OpenDatabase(this);
        break;
    case ID_TOOL_WORLD_MAP:
        OpenWorldMap(this);
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
        ShowLayer(layer);
        SetFocus(m_hWnd);
        break;
    }
    case ID_VIEW_COMMON:
    case ID_VIEW_STAGE:
    case ID_VIEW_GROUP:
        if (open) ToggleView(LOWORD(wParam));
        break;
    case ID_STAGE_SETTINGS:
        if (open) OpenStageSettings(this, m_lpStageSheet, this);
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
        if (wParam != SIZE_MINIMIZED) m_Canvas.Fit();
        return 1;
    case WM_ACTIVATE:
        // Raised once the activation has run its course: Wine brings this window up after it.
        if (LOWORD(wParam) != WA_INACTIVE) PostMessageA(wnd, kToolWindowsToFront, 0, 0);
        return 0;
    case kToolWindowsToFront:
        KeepToolWindowsInFront();
        return 1;
    case WM_CLOSE: {
        const bool closing = AskSave(m_hWnd);
        UpdateTitle();
        if (!closing) return 1;
        Show(SW_HIDE);
        if (m_lpFrame && m_lpFrame->GetHwnd()) DestroyWindow(m_lpFrame->GetHwnd());
        return 1;
    }
    case WM_SYSCOMMAND:
        if ((wParam & 0xfff0) != SC_MINIMIZE) return 0;
        m_Hidden = 1;
        HideToolWindows();
        if (m_lpFrame) ShowWindow(m_lpFrame->GetHwnd(), SW_MINIMIZE);
        return 1;
    case WM_HSCROLL:
    case WM_VSCROLL:
        m_Canvas.Scrolled();
        return 1;
    case WM_DRAWITEM:
        if (wParam != IDC_CANVAS) return 0;
        OnPaint();
        return 1;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE)
            AskExit();
        else
            m_Canvas.OnKey(wParam);
        return 1;
    }
    if (msg >= WM_MOUSEFIRST && msg <= WM_RBUTTONDBLCLK) {
        m_Canvas.OnMouse(msg, wParam, GET_X_LPARAM(lParam) - m_Origin.x, GET_Y_LPARAM(lParam) - m_Origin.y);
        return 1;
    }
    return 0;
}
