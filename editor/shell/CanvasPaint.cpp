#include "editor/shell/CanvasPaint.h"

#include <windows.h>

#include <algorithm>

#include "data/Stage.h"
#include "editor/shell/CanvasWalk.h"
#include "editor/shell/DrawObject.h"
#include "editor/shell/StageDoc.h"
#include "framework/Dib.h"

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

void PaintLayers(cDib& back, const cCanvasView& view) {
    cEdStage& stage = ProjectStage();
    int width = back.Width(), height = back.Height();
    PaintLayer(stage.m_Blocks, view.scrollX, view.scrollY, width, height,
               [&back](int x, int y, const cEdBlock& block) { DrawBlockObject(back, x, y, block, false); });
    PaintLayer(stage.m_Charas, view.scrollX, view.scrollY, width, height,
               [&back](int x, int y, const cEdChara& chara) { DrawCharaObject(back, x, y, chara, false); });
    PaintLayer(stage.m_Items, view.scrollX, view.scrollY, width, height,
               [&back](int x, int y, const cEdItem& item) { DrawItemObject(back, x, y, item, true); });
}

void PaintLines(cDib& back, const cCanvasView& view) {
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
            int x = kCellSize * (limit[eLimitLeft] - view.scrollX);
            back.Line(x, 0, x, kScreenHeight);
        }
        if (use[eLimitRight]) {
            int x = kCellSize * (limit[eLimitRight] - view.scrollX + 1) + 1;
            back.Line(x, 0, x, kScreenHeight);
        }
        if (use[eLimitTop]) {
            int y = kCellSize * (limit[eLimitTop] - view.scrollY);
            back.Line(0, y, kScreenWidth, y);
        }
        if (use[eLimitBottom]) {
            int y = kCellSize * (limit[eLimitBottom] - view.scrollY + 1) + 1;
            back.Line(0, y, kScreenWidth, y);
        }
    }
    back.DeletePen();
}

// The pen cells that an edit would write at the cell, in the layers of the view's mask.
void PaintPenCell(cDib& back, const cCanvasView& view, int32_t x, int32_t y, size_t p) {
    const cStageDoc& doc = StageDoc();
    const int32_t mask = view.mask;
    const int px = kCellSize * (x - view.scrollX), py = kCellSize * (y - view.scrollY);
    if ((mask & eLayerBlocks) && p < doc.m_PenBlocks.size()) DrawBlockObject(back, px, py, doc.m_PenBlocks[p], false);
    if ((mask & eLayerCharas) && p < doc.m_PenCharas.size()) DrawCharaObject(back, px, py, doc.m_PenCharas[p], false);
    if ((mask & eLayerItems) && p < doc.m_PenItems.size()) DrawItemObject(back, px, py, doc.m_PenItems[p], true);
}

// The cursor, and while a line, rectangle or selection is dragged what its release will take:
// the pen cells it would place and the range it would select.
void PaintCursor(cDib& back, const cCanvasView& view) {
    const cStageDoc& doc = StageDoc();
    const cEdStage& stage = ProjectStage();
    const cPoint at = view.cursor;
    if (!back.SetPen(PS_SOLID, 2, doc.m_DrawKind == kDrawSelect ? kSelectColour : kCursorColour)) return;
    auto outline = [&](cPoint cell, cPoint size) {
        back.FrameRect(kCellSize * (cell.x - view.scrollX), kCellSize * (cell.y - view.scrollY), size.x * kCellSize,
                       size.y * kCellSize);
    };
    const cPoint one = {1, 1};
    switch (doc.m_DrawKind) {
    case ePenNormal:
        outline(at, {doc.m_PenWidth, doc.m_PenHeight});
        break;
    case ePenLine:
        if (!view.drag) {
            outline(at, one);
            break;
        }
        WalkLine(view.lineStart, at, doc.m_PenWidth, stage.m_Width, stage.m_Height, [&](int32_t x, int32_t y, int32_t k) {
            PaintPenCell(back, view, x, y, static_cast<size_t>(k));
            outline({x, y}, one);
        });
        break;
    case ePenRect: {
        if (!view.drag) {
            outline(at, one);
            break;
        }
        WalkRect(view.rectStart, at, doc.m_PenWidth, doc.m_PenHeight, stage.m_Width, stage.m_Height,
                 [&](int32_t x, int32_t y, int32_t p) { PaintPenCell(back, view, x, y, static_cast<size_t>(p)); });
        cPoint corner, size;
        RectBetween(view.rectStart, at, &corner, &size);
        outline(corner, size);
        break;
    }
    case ePenFill:
        outline(at, one);
        break;
    case kDrawSelect:
        if (view.drag) outline({std::min(view.selStart.x, at.x), std::min(view.selStart.y, at.y)}, {doc.m_PenWidth, doc.m_PenHeight});
        break;
    }
    back.DeletePen();
}

}  // namespace

void PaintCanvas(cDib& back, const cCanvasView& view) {
    PatBlt(back.GetDC(), 0, 0, back.Width(), back.Height(), BLACKNESS);
    if (!StageDoc().m_StageOpen) return;
    PaintLayers(back, view);
    PaintLines(back, view);
    PaintCursor(back, view);
}
