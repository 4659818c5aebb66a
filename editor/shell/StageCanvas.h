#pragma once
// The stage canvas of the main window: the view of the open stage between the window's two
// scroll bars, the five pen modes under the left button, the right button's range selection
// that captures the pen, the keys that cut, clear and turn the selection, and the drag that
// scrolls beyond the edge. Shift widens an edit to the characters and items, Ctrl to all three
// layers. It edits the stage and its document (StageDoc.h); the main window owns it, hands it
// the canvas's messages and hears back through cCanvasHost.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "data/Block.h"
#include "data/Chara.h"
#include "data/Item.h"
#include "editor/shell/CanvasPaint.h"
#include "framework/Ctrl.h"
#include "framework/Dib.h"

class cPage;

// The canvas may be sized between these, in pixels.
const int kCanvasMinWidth = 384;
const int kCanvasMinHeight = 160;
const int kCanvasMaxWidth = 640;
const int kCanvasMaxHeight = 480;

// The cell under the mouse and its corner in canvas pixels.
struct cCanvasCursor {
    int32_t x = 0;
    int32_t y = 0;
    int32_t pixelX = 0;
    int32_t pixelY = 0;
};

// The canvas cursor, kept across rebuilds of the main window until RebuildEditWnd resets it.
cCanvasCursor& CanvasCursor();

// The layers an edit of the canvas reaches, by the keys held now: Shift the characters and
// items, Ctrl all three, otherwise the current layer.
int32_t CanvasMask(int32_t layer);

// What the canvas asks of the window that holds it.
class cCanvasHost {
public:
    // Before an edit changes the stage's layers in the mask (1 blocks, 2 characters, 4 items):
    // the undo step.
    virtual void PushUndo(int32_t mask) = 0;
    // After an edit: the palette windows show the stage's cells again.
    virtual void RepaintPalettes() = 0;
    // The canvas's key made another layer current.
    virtual void ShowLayer(int32_t layer) = 0;
    // The author asked to edit the occupied cell (stage index) of a layer.
    virtual void EditCell(int32_t layer, uint32_t index) = 0;

protected:
    ~cCanvasHost() = default;
};

class cStageCanvas {
public:
    cStageCanvas(cPage& page, cCanvasHost& host) : m_Page(page), m_Host(host) {}

    // Takes the page's canvas control once the page's window exists.
    void Attach(uint16_t id);
    // After the page was sized: the control fills the content, the bars span the stage.
    void Fit();
    // The first view shows the player some cells from the left and top edges of the canvas.
    void ViewPlayer();
    // The page's scroll bars moved.
    void Scrolled();
    // Draws the visible part of the stage into the back buffer and copies it to the canvas;
    // false while there is no back buffer.
    bool Paint();
    // A mouse message at a point of the content (pixels from its top-left corner), and a key.
    void OnMouse(UINT msg, WPARAM wParam, int x, int y);
    void OnKey(WPARAM key);
    // Once per idle pass: a line, rectangle or selection dragged beyond the canvas follows the
    // mouse there and scrolls the view toward it. True when the canvas wants painting.
    bool OnFrame();

    int ScrollColumn() const { return m_ScrollX; }
    int ScrollRow() const { return m_ScrollY; }
    const cDib& BackBuffer() const { return m_BackBuffer; }

private:
    void SetCursorCell(int mx, int my);
    void PutPenCell(uint32_t index, size_t pen, int32_t mask);
    void PenNormal(UINT msg, WPARAM wParam);
    void PenLine(UINT msg, WPARAM wParam);
    void PenRect(UINT msg, WPARAM wParam);
    void PenFill(UINT msg, WPARAM wParam);
    void PenParams(UINT msg, WPARAM wParam);
    void BeginDrag();
    void EndDrag();
    // A line or rectangle drawn by dragging ends as one undo step: every cell the walk gives
    // takes the pen, then the palettes repaint.
    template <class Walk>
    void EndShape(Walk walk);
    void EndLine();
    void EndRect();
    template <class F>
    void Flood(std::vector<uint32_t>& map, F same);
    void EditCellAtCursor();
    void OnSelect(UINT msg);
    void CaptureSelection(int32_t mask);
    void ClearSelection(int32_t mask);

    cPage& m_Page;
    cCanvasHost& m_Host;
    cCtrl m_Ctrl{eCtrlPlain};
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
