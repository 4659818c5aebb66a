#pragma once
// A palette window: one palette list (common or stage; blocks, charas or items) as a grid of
// 32 x 32 pictures, 8 a row. A left click makes the element under the mouse the pen; the
// toolbar sets the pen mode and the right-click mode, kept in step with the other palette
// window of the kind; the popup menu and the window's menu run the element operations
// (PaletteLists.h). The main window holds the current layer's two palette windows
// (ShowPaletteWindows).
#include "editor/shell/DrawObject.h"
#include "framework/Page.h"
#include "framework/PictureBox.h"

class cEditWnd;
class cDataMoveDlg;
class cPropSheet;
class cWndPos;

const int kPaletteColumns = 8;
const int kPaletteMaxRows = 20;
// A cell of the grid holds one element's full-size picture.
const int kPaletteCell = kElementCell;

class cPaletteDlg : public cPage {
public:
    // stage: 0 the common palette, 1 the stage palette; kind: block, chara or item.
    cPaletteDlg(cChildWnd* parent, cWndGroup* group, int stage, int kind);
    ~cPaletteDlg() override;

    void OnInitDialog(WPARAM wParam, LPARAM lParam) override;
    INT_PTR DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnLButtonDown(WPARAM wParam, LPARAM lParam) override;
    void OnRButtonDown(WPARAM wParam, LPARAM lParam) override;
    int OnPaint() override;

    int Count() const;
    // The list index under a point of the grid.
    int IndexAt(int x, int y) const;
    // Scroll range and greatest height after the list changed size.
    void Relayout();
    // The popup menu with the states for the selected element.
    HMENU PopupStates();
    // The toolbar's check marks for the document's pen mode and right-click mode.
    void CheckModeButtons();
    const cDib& Canvas() { return m_Canvas.Canvas(); }
    int Stage() const { return m_Stage; }
    // Opens the data window of the kind (block window, chara or item data sheet) on the
    // document's element of the source (a cell of the stage for source 0), in place of the one
    // this window opened before; the editor's windows are disabled until it returns.
    void OpenDataWnd(int source, uint32_t cell);
    cPropSheet* DataWnd() const { return m_lpDataWnd; }

private:
    int OnMessage(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void Place();
    HWND CommonWindow() const;
    // Makes the element under the grid's point the pen; false past the last element.
    bool PickAt(int x, int y);
    void ElementCommand(int command);
    void ChangeCount();
    void MoveData();
    void Edit(int index);
    void DropDataWnd();
    void AfterChange();
    cPaletteDlg* OtherWindow() const;

    int m_ScrollRow = 0;
    int m_Stage;
    int m_Kind;
    cWndPos* m_lpPlacement;
    cPictureBox m_Canvas;
    HMENU m_hPopup = nullptr;
    cPropSheet* m_lpDataWnd = nullptr;
    cDataMoveDlg* m_lpMoveDlg = nullptr;
};

// Shows the palette windows of the layer beside the main window and removes the other layers'
// ones; the chara layer has the chara group window as well. Layer -1 (no stage) removes them all.
void ShowPaletteWindows(cEditWnd* main, int layer);
// Repaints the current page of each data window the main window's palette windows hold: the
// windows opened from a palette and from a cell of the stage.
void RepaintDataWindows(cEditWnd* main);
// The canvas's editing of an occupied cell (SetCellEditor): the block window on a block cell,
// the chara data sheet on a chara cell, the item data sheet on an item cell.
void EditStageCell(cEditWnd* main, int32_t layer, uint32_t index);
