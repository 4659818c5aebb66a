// Painting of the stage canvas: the visible cells of the three layers, the grid, the guides and
// the cursor go into the back buffer, which one copy puts on the canvas, so it never flickers.
#include <windows.h>
#include <commctrl.h>

#include "data/Stage.h"
#include "editor/shell/CanvasWalk.h"
#include "editor/shell/DrawObject.h"
#include "editor/shell/EditWnd.h"
#include "editor/shell/StageDoc.h"
#include "framework/Format.h"

namespace {

const COLORREF kGridColour = RGB(255, 255, 255);
const COLORREF kGuideColour = RGB(255, 64, 32);
const COLORREF kLimitColour = RGB(32, 255, 64);
const COLORREF kCursorColour = RGB(128, 0, 255);
const COLORREF kSelectColour = RGB(255, 0, 128);

// The game screen's centre, fixed on the canvas: its two middle columns and rows of cells.
const int kGuideX[] = {304, 336};
const int kGuideY[] = {224, 256};
const int kScreenWidth = 640;
const int kScreenHeight = 480;

// The visible cells of one layer, one row and one column beyond the canvas for the cells that
// show only in part.
template <class T, class F>
void PaintLayer(cStageLayer<T>& layer, int scrollX, int scrollY, int width, int height, F draw) {
    for (int r = 0; r <= height / kCellSize; ++r) {
        for (int c = 0; c <= width / kCellSize; ++c) {
            int x = scrollX + c, y = scrollY + r;
            if (!layer.IsCell(x, y)) continue;
            if (const T* element = layer.Find(layer.Index(x, y))) draw(kCellSize * c, kCellSize * r, *element);
        }
    }
}

}  // namespace

int cEditWnd::OnPaint() {
    if (!m_Ready || !m_BackBuffer.GetDC()) return 0;
    HDC back = m_BackBuffer.GetDC();
    int width = m_BackBuffer.Width(), height = m_BackBuffer.Height();
    PatBlt(back, 0, 0, width, height, BLACKNESS);
    bool open = StageDoc().m_StageOpen != 0;
    if (open) {
        PaintLayers();
        PaintLines();
        PaintCursor();
    }
    if (HWND canvas = m_Canvas.GetHwnd()) {
        if (HDC dc = ::GetDC(canvas)) {
            BitBlt(dc, 0, 0, width, height, back, 0, 0, SRCCOPY);
            ReleaseDC(canvas, dc);
        }
    }
    if (open) ShowCursorCell();
    return 1;
}

void cEditWnd::PaintLayers() {
    cEdStage& stage = ProjectStage();
    cDib& back = m_BackBuffer;
    int width = back.Width(), height = back.Height();
    PaintLayer(stage.m_Blocks, m_ScrollX, m_ScrollY, width, height,
               [&back](int x, int y, const cEdBlock& block) { DrawBlockObject(back, x, y, block, false); });
    PaintLayer(stage.m_Charas, m_ScrollX, m_ScrollY, width, height,
               [&back](int x, int y, const cEdChara& chara) { DrawCharaObject(back, x, y, chara, false); });
    PaintLayer(stage.m_Items, m_ScrollX, m_ScrollY, width, height,
               [&back](int x, int y, const cEdItem& item) { DrawItemObject(back, x, y, item, true); });
}

void cEditWnd::PaintLines() {
    cDib& back = m_BackBuffer;
    int width = back.Width(), height = back.Height();
    if (back.SetPen(PS_SOLID, 1, kGridColour)) {
        for (int x = 0; x < width; x += kCellSize) back.Line(x, 0, x, height);
        for (int y = 0; y < height; y += kCellSize) back.Line(0, y, width, y);
    }
    if (back.SetPen(PS_SOLID, 1, kGuideColour)) {
        for (int x : kGuideX) back.Line(x, 0, x, kScreenHeight);
        for (int y : kGuideY) back.Line(0, y, kScreenWidth, y);
    }
    // A right or bottom limit line lies one pixel past the edge of its cell.
    const cEdStage& stage = ProjectStage();
    if (back.SetPen(PS_SOLID, 1, kLimitColour)) {
        const int* limit = stage.m_Limit;
        const int* use = stage.m_UseLimit;
        if (use[eLimitLeft]) {
            int x = kCellSize * (limit[eLimitLeft] - m_ScrollX);
            back.Line(x, 0, x, kScreenHeight);
        }
        if (use[eLimitRight]) {
            int x = kCellSize * (limit[eLimitRight] - m_ScrollX + 1) + 1;
            back.Line(x, 0, x, kScreenHeight);
        }
        if (use[eLimitTop]) {
            int y = kCellSize * (limit[eLimitTop] - m_ScrollY);
            back.Line(0, y, kScreenWidth, y);
        }
        if (use[eLimitBottom]) {
            int y = kCellSize * (limit[eLimitBottom] - m_ScrollY + 1) + 1;
            back.Line(0, y, kScreenWidth, y);
        }
    }
    back.DeletePen();
}

void cEditWnd::PaintPenCell(int32_t x, int32_t y, size_t p) {
    const cStageDoc& doc = StageDoc();
    const int32_t mask = CanvasMask(doc.m_Layer);
    cDib& back = m_BackBuffer;
    const int px = kCellSize * (x - m_ScrollX), py = kCellSize * (y - m_ScrollY);
    if ((mask & eLayerBlocks) && p < doc.m_PenBlocks.size()) DrawBlockObject(back, px, py, doc.m_PenBlocks[p], false);
    if ((mask & eLayerCharas) && p < doc.m_PenCharas.size()) DrawCharaObject(back, px, py, doc.m_PenCharas[p], false);
    if ((mask & eLayerItems) && p < doc.m_PenItems.size()) DrawItemObject(back, px, py, doc.m_PenItems[p], true);
}

// The cursor, and while a line, rectangle or selection is dragged what its release will take:
// the pen cells it would place and the range it would select.
void cEditWnd::PaintCursor() {
    const cStageDoc& doc = StageDoc();
    const cEdStage& stage = ProjectStage();
    const cCanvasCursor& cursor = CanvasCursor();
    const cPoint at = {cursor.x, cursor.y};
    cDib& back = m_BackBuffer;
    if (!back.SetPen(PS_SOLID, 2, doc.m_DrawKind == kDrawSelect ? kSelectColour : kCursorColour)) return;
    auto outline = [&](cPoint cell, cPoint size) {
        back.FrameRect(kCellSize * (cell.x - m_ScrollX), kCellSize * (cell.y - m_ScrollY), size.x * kCellSize,
                       size.y * kCellSize);
    };
    const cPoint one = {1, 1};
    switch (doc.m_DrawKind) {
    case ePenNormal:
        outline(at, {doc.m_PenWidth, doc.m_PenHeight});
        break;
    case ePenLine:
        if (!m_Drag) {
            outline(at, one);
            break;
        }
        WalkLine(m_LineStart, at, doc.m_PenWidth, stage.m_Width, stage.m_Height, [&](int32_t x, int32_t y, int32_t k) {
            PaintPenCell(x, y, static_cast<size_t>(k));
            outline({x, y}, one);
        });
        break;
    case ePenRect: {
        if (!m_Drag) {
            outline(at, one);
            break;
        }
        WalkRect(m_RectStart, at, doc.m_PenWidth, doc.m_PenHeight, stage.m_Width, stage.m_Height,
                 [&](int32_t x, int32_t y, int32_t p) { PaintPenCell(x, y, static_cast<size_t>(p)); });
        cPoint corner, size;
        RectBetween(m_RectStart, at, &corner, &size);
        outline(corner, size);
        break;
    }
    case ePenFill:
        outline(at, one);
        break;
    case kDrawSelect:
        if (m_Drag) outline({std::min(m_SelStart.x, at.x), std::min(m_SelStart.y, at.y)}, {doc.m_PenWidth, doc.m_PenHeight});
        break;
    }
    back.DeletePen();
}

void cEditWnd::ShowCursorCell() {
    if (!m_hStatus) return;
    const cCanvasCursor& cursor = CanvasCursor();
    std::string text = Format("座標 (%d,%d)", cursor.x, cursor.y);
    SendMessageA(m_hStatus, SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(text.c_str()));
}
