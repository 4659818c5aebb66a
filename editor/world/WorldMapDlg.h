#pragma once
// The world map window: a modeless tool window (template 152, menu 155) in which the project's
// world map is painted with map chips and given events, with a toolbar, a status line with the
// cursor cell, scroll bars over a grid of 32-pixel cells, undo and redo, and a save question
// when it closes with changes.
#include <cstdint>

#include "framework/Ctrl.h"
#include "framework/Geometry.h"
#include "framework/Page.h"

class cEditWnd;
class cWorldMap;

class cWorldMapDlg : public cPage {
public:
    cWorldMapDlg(cChildWnd* parent, cWndGroup* group);
    ~cWorldMapDlg() override;

    INT_PTR DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    void OnFrame() override;
    int OnPaint() override;

    // The window's messages after the framework's dispatch; non-zero when handled.
    int OnMessage(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void SetMode(int32_t mode);
    // Test seam: the cell under the cursor as the tests read it.
    cPoint Cursor() const { return m_Cursor; }
    // The palette of the mode, made anew unless it is the one open.
    cChildWnd* Palette() const { return m_lpPalette; }
    const cDib& BackBuffer() const { return m_BackBuffer; }

private:
    void CreateToolbar();
    void OpenPalette();
    void OnSize();
    void UpdateUndoStates();
    void UpdateModeStates();
    // Writes the map; false (reported) when it could not be written: the map stays modified.
    bool Save();
    // The save question; false when the window is to stay open.
    bool AskSave();
    void Undo(bool forward);
    void ClearAll(bool chips);
    void RunSettings();
    void OnMouse(UINT msg, LPARAM lParam);
    void SetCursorFromContent(int x, int y);
    void PaintBrush();
    void PlaceTemplate(int32_t x, int32_t y);
    // A press in event mode whose cell opens the event dialog: the placed event there, or the
    // template copy placed on OK.
    void EditOnPress(int32_t x, int32_t y);
    void EndSelection();
    void ShowContextMenu();
    // The cell the popup's commands act on: where the menu opened, else the cursor cell.
    cPoint MenuCell() const { return m_InMenu ? m_MenuCell : m_Cursor; }
    void OnEventCommand(int id);
    void PaintChips(const cWorldMap& map);
    void PaintEvents(const cWorldMap& map);
    void PaintCursor();

    cCtrl m_Canvas{eCtrlPlain};
    cDib m_BackBuffer;
    HMENU m_hPopup = nullptr;
    int m_ScrollX = 0;
    int m_ScrollY = 0;
    cPoint m_Cursor{0, 0};
    cPoint m_MenuCell{0, 0};
    int m_InMenu = 0;
    int m_LeftHeld = 0;
    cChildWnd* m_lpPalette = nullptr;
    int m_PaletteMode = -1;
};

// The main window's world map command: hides and disables the editor's windows and opens the
// world map window into the main window's slot.
void OpenWorldMapWnd(cEditWnd* main);
