#pragma once
// The editor's main window: a modeless dialog (template 104) owned by the frame, with menu 128,
// a toolbar, the stage canvas between its two scroll bars and a status bar. It turns menu,
// toolbar and accelerator commands into actions on the open stage, keeps the menu and toolbar
// states, opens the editor's other windows (each held in a slot of its own; a slot whose window
// does not exist yet leaves its command without effect) and takes them back when they close.
//
// There is one at a time (MainEditWnd, EditorState.h), made and replaced by the frame
// (FrameWnd.h) after a stage is created, opened or closed. It stands on the stage document, the
// canvas and the stage settings sheet; the windows of the libraries above the shell reach it
// through its slots and Return... calls, and are opened through EditorOpeners.h.
#include <cstdint>

#include "editor/shell/EditorOpeners.h"
#include "editor/shell/StageCanvas.h"
#include "editor/shell/StageSettingSheet.h"
#include "framework/Geometry.h"
#include "framework/Page.h"

class cPropSheet;

// Palette window slots: by palette (common, stage) and layer.
enum ePaletteSlot { ePaletteCommon = 0, ePaletteStage = 1, ePaletteSlots = 2 };

class cEditWnd : public cPage, public cCanvasHost, private cStageSheetOwner {
public:
    // The frame owns the window; it is the parent of the window and of the window's notices.
    explicit cEditWnd(cChildWnd* frame);
    ~cEditWnd() override;

    INT_PTR DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    // Draws the visible part of the stage into the back buffer and copies it to the canvas.
    int OnPaint() override;
    // Once per idle pass: the canvas follows a drag beyond its edge.
    void OnFrame() override;

    // The window's messages after the framework's dispatch; non-zero when handled.
    int OnMessage(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void UpdateTitle();
    // Enabled and checked states of every menu item and toolbar button.
    void UpdateStates();
    void UpdateUndoStates();
    // Records an undo step of the stage's layers in the mask (1 blocks, 2 characters, 4 items)
    // before an edit; the redo side empties. Nothing while the game plays the stage.
    void PushUndo(int32_t mask) override;
    // The Undo or Redo command on the open stage.
    void UndoOrRedo(bool undo);
    // Test play of the open stage (0) or of the whole game (1) in the game program.
    void TestPlay(int whole);
    // The game program's notice (WM_COPYDATA to the frame): its end notice ends the test play.
    void OnCopyData(HWND sender, const COPYDATASTRUCT* data);
    // The test play is over: undo is set up again and this window comes to the front.
    void EndTestPlay();
    // Empties a whole layer (0, 1, 2) of the open stage when the author agrees.
    void ClearLayer(int32_t layer);
    // The current layer's check marks, and its palette windows.
    void ShowLayer(int32_t layer) override;
    // The palette windows of the current layer (none without a stage), beside this window.
    void ShowPalettes();
    void ShowToolWindows();
    void HideToolWindows();
    void KeepToolWindowsInFront();
    void RepaintPalettes() override;
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
    // Test seams: the view and the status bar as the tests read them.
    int ScrollColumn() const { return m_Canvas.ScrollColumn(); }
    int ScrollRow() const { return m_Canvas.ScrollRow(); }
    HWND StatusBar() const { return m_hStatus; }
    const cDib& BackBuffer() const { return m_Canvas.BackBuffer(); }

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
    HMENU Menu() const { return m_hWnd ? GetMenu(m_hWnd) : nullptr; }
    void StorePlacement(HWND wnd);
    void CloseStage();
    // A stage was created, opened or given a palette: the history is set up for it and the
    // window rebuilt; the modified flag becomes the value.
    void StageReplaced(int32_t modified);
    // The frame asks before the editor ends.
    void AskExit();
    void ToggleView(int command);
    void EnableEditorWindows(int enable);
    void ShowCursorCell();
    void EditCell(int32_t layer, uint32_t index) override;
    void StageSheetClosed() override;

    cChildWnd* m_lpFrame;
    cStageCanvas m_Canvas{*this, *this};
};
