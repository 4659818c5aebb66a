#pragma once
// The editor's main window: a modeless dialog (template 104) owned by the frame, with menu 128,
// a toolbar, the stage canvas between its two scroll bars and a status bar. It turns menu,
// toolbar and accelerator commands into actions on the open stage, keeps the menu and toolbar
// states, opens the editor's other windows (each held in a slot of its own; a slot whose window
// does not exist yet leaves its command without effect) and takes them back when they close.
//
// There is one at a time (MainEditWnd); RebuildEditWnd replaces it after a stage is created,
// opened or closed.
#include <cstdint>
#include <vector>

#include "data/Block.h"
#include "data/Chara.h"
#include "data/Item.h"
#include "framework/Geometry.h"
#include "framework/Page.h"

class cFrameWnd;
class cPropSheet;

// The canvas may be sized between these, in pixels.
const int kCanvasMinWidth = 384;
const int kCanvasMinHeight = 160;
const int kCanvasMaxWidth = 640;
const int kCanvasMaxHeight = 480;
const int kCellSize = 32;

// Palette window slots: by palette (common, stage) and layer.
enum ePaletteSlot { ePaletteCommon = 0, ePaletteStage = 1, ePaletteSlots = 2 };

// The cell under the mouse and its corner in canvas pixels.
struct cCanvasCursor {
    int32_t x = 0;
    int32_t y = 0;
    int32_t pixelX = 0;
    int32_t pixelY = 0;
};

// Opens a window of a library the shell does not link into the main window's slot; the program
// sets the openers before its loop starts. A command without one does nothing.
typedef void (*cWndOpener)(class cEditWnd* main);
void SetDatabaseOpener(cWndOpener opener);
void SetWorldMapOpener(cWndOpener opener);
// The same for the settings windows, by their command: system settings, project options, stage
// options (with a stage open) and the bitmap conversion tool.
void SetCommandOpener(int command, cWndOpener opener);
// Runs the new-stage dialog; 1 when it made a stage.
typedef int (*cNewStageRunner)(class cEditWnd* main);
void SetNewStageRunner(cNewStageRunner runner);
// Opens the data window of the occupied cell (stage index) of a layer that the canvas edits.
typedef void (*cCellEditor)(class cEditWnd* main, int32_t layer, uint32_t index);
void SetCellEditor(cCellEditor editor);

// The layers an edit of the canvas reaches, by the keys held now: Shift the characters and
// items, Ctrl all three, otherwise the current layer.
int32_t CanvasMask(int32_t layer);
// Shows the palette windows of a layer (-1: none, no stage is open); set the same way.
typedef void (*cPaletteShower)(class cEditWnd* main, int layer);
void SetPaletteShower(cPaletteShower shower);
// Repaints the current page of every data window the palette windows hold; set the same way.
typedef void (*cDataWndPainter)(class cEditWnd* main);
void SetDataWndPainter(cDataWndPainter painter);

// The canvas cursor of the main window, kept across rebuilds until RebuildEditWnd resets it.
cCanvasCursor& CanvasCursor();

class cEditWnd : public cPage {
public:
    explicit cEditWnd(cFrameWnd* frame);
    ~cEditWnd() override;

    INT_PTR DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    // Draws the visible part of the stage into the back buffer and copies it to the canvas.
    int OnPaint() override;
    // Once per idle pass: a line, rectangle or selection dragged beyond the canvas follows the
    // mouse there and scrolls the view toward it.
    void OnFrame() override;

    // The window's messages after the framework's dispatch; non-zero when handled.
    int OnMessage(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void UpdateTitle();
    // Enabled and checked states of every menu item and toolbar button.
    void UpdateStates();
    void UpdateUndoStates();
    // Records an undo step of the stage's layers in the mask (1 blocks, 2 characters, 4 items),
    // or of one layer (0, 1, 2), before an edit; the redo side empties.
    void PushUndo(int32_t mask);
    void PushUndoLayer(int32_t layer);
    // The Undo or Redo command on the open stage.
    void UndoOrRedo(bool undo);
    // Saves the open stage: with overwrite to its own file when that carries this version's
    // extension, otherwise to a file the author chooses. False when cancelled or the write
    // failed (which is reported; the modified flag stays).
    bool SaveStage(bool overwrite);
    // Before the editor closes: offers to save a modified stage and common palette; false
    // when the author cancelled or a save did not happen.
    bool AskSave();
    // The same for the stage alone, before it is replaced or closed.
    bool AskSaveStage();
    // Opens a stage file the author chooses, after offering to save a modified stage. False
    // when cancelled or the file could not be read (which is told; the stage stays as it was).
    bool OpenStage();
    // The stage palette from or to a file the author chooses; false when cancelled or failed
    // (told; a failed load leaves the palette as it was).
    bool LoadStagePalette();
    bool SaveStagePalette();
    // Test play of the open stage (0) or of the whole game (1) in the game program.
    void TestPlay(int whole);
    // The game program's notice (WM_COPYDATA to the frame): its end notice ends the test play.
    void OnCopyData(HWND sender, const COPYDATASTRUCT* data);
    // The test play is over: undo is set up again and this window comes to the front.
    void EndTestPlay();
    // Empties a whole layer (0, 1, 2) of the open stage when the author agrees.
    void ClearLayer(int32_t layer);
    // The current layer's check marks, and its palette windows.
    void ShowLayer(int32_t layer);
    // The palette windows of the current layer (none without a stage), beside this window.
    void ShowPalettes();
    void ShowToolWindows();
    void HideToolWindows();
    void KeepToolWindowsInFront();
    void RepaintPalettes();
    // The world map window and its tool windows, while it is in front. Hide: false when it was
    // not shown (nothing to hide).
    bool HideWorldMap();
    void ShowWorldMap();

    // Returns from the windows this one opened.
    void ReturnFromStageSettings();
    void ReturnFromWorldMap();
    void ReturnFromDatabase();
    void ReturnFromSystem();
    void ReturnFromProjectOptions();

    // Repaints what animates or follows the stage: the data windows' pages, the database
    // window's page and the six palette windows (an idle pass calls it).
    void RepaintToolWindows();
    // The database window shows a page with animated previews.
    bool IsAnimating() const;

    bool IsReady() const { return m_Ready != 0; }
    bool IsShown() const { return m_hWnd && IsWindowVisible(m_hWnd); }
    // Test seams: the view, the canvas and the bars as the tests read them.
    int ScrollColumn() const { return m_ScrollX; }
    int ScrollRow() const { return m_ScrollY; }
    int CanvasWidth() const { return m_ContentWidth; }
    int CanvasHeight() const { return m_ContentHeight; }
    HWND Toolbar() const { return m_hToolbar; }
    HWND StatusBar() const { return m_hStatus; }
    const cDib& BackBuffer() const { return m_BackBuffer; }

    int m_Hidden = 0;  // the tool windows are hidden because the editor was minimised or left

    // Slots of the windows this one opens.
    cChildWnd* m_lpNewStageDlg = nullptr;
    cChildWnd* m_lpPaletteWnd[ePaletteSlots][3] = {};
    cChildWnd* m_lpGroupWnd = nullptr;
    cChildWnd* m_lpWorldMapWnd = nullptr;
    cPropSheet* m_lpStageSheet = nullptr;
    cChildWnd* m_lpStageOptionDlg = nullptr;
    cPropSheet* m_lpDatabaseWnd = nullptr;
    cPropSheet* m_lpSystemSheet = nullptr;
    cPropSheet* m_lpPrjOptionSheet = nullptr;
    cChildWnd* m_lpBitmapToolDlg = nullptr;

private:
    void CreateToolbar();
    void ViewPlayer();
    void OnSize();
    void StorePlacement(HWND wnd);
    void CloseStage();
    // A stage was created, opened or given a palette: the history is set up for it and the
    // window rebuilt; the modified flag becomes the value.
    void StageReplaced(int32_t modified);
    void AskExit();
    // False, after the message, when the file could not be written.
    bool SaveCommonPalette();
    void ToggleView(int command);
    bool IsViewShown(int command) const;
    void EnableEditorWindows(int enable);
    // Canvas painting.
    void PaintLayers();
    void PaintLines();
    void PaintCursor();
    // The pen cells that an edit would write at the cell, by the keys held now.
    void PaintPenCell(int32_t x, int32_t y, size_t pen);
    void ShowCursorCell();
    // Canvas editing.
    void SetCursorCell(int mx, int my);
    void OnCanvasMouse(UINT msg, WPARAM wParam, LPARAM lParam);
    void OnCanvasKey(WPARAM key);
    void PutPenCell(uint32_t index, size_t pen, int32_t mask);
    void PenNormal(UINT msg, WPARAM wParam);
    void PenLine(UINT msg, WPARAM wParam);
    void PenRect(UINT msg, WPARAM wParam);
    void PenFill(UINT msg, WPARAM wParam);
    void PenParams(UINT msg, WPARAM wParam);
    void BeginDrag();
    void EndDrag();
    void EndLine();
    void EndRect();
    template <class F>
    void Flood(std::vector<uint32_t>& map, F same);
    void EditCellAtCursor();
    void OnSelect(UINT msg);
    void CaptureSelection(int32_t mask);
    void ClearSelection(int32_t mask);

    cFrameWnd* m_lpFrame;
    cCtrl m_Canvas{eCtrlPlain};
    cDib m_BackBuffer;
    int m_ScrollX = 0;
    int m_ScrollY = 0;
    // A line, rectangle or selection is being dragged from its start cell.
    int m_Drag = 0;
    cPoint m_LineStart = {};
    cPoint m_RectStart = {};
    cPoint m_SelStart = {};
    // The fill's reference cells, one per layer.
    cEdBlock m_WorkBlock;
    cEdChara m_WorkChara;
    cEdItem m_WorkItem;
};
