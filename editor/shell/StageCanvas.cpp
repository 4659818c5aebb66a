#include "editor/shell/StageCanvas.h"

#include <algorithm>
#include <cstdlib>
#include <new>

#include "data/Stage.h"
#include "editor/shell/CanvasWalk.h"
#include "editor/shell/StageDoc.h"
#include "framework/MessageBox.h"
#include "framework/Page.h"

namespace {

// The drag's tick: the idle pass's own rate.
const UINT_PTR kDragTimer = 1;
const UINT kDragTick = 16;

int Clamped(int value, int low, int high) { return std::max(low, std::min(value, high)); }

bool KeyHeld(int key) { return (GetAsyncKeyState(key) & 0x8000) != 0; }

template <class T>
bool InPen(const cEdVector<T>& pen, size_t p) {
    return p < pen.size();
}

// Two cells hold the same when both are empty or their contents (not their places) are equal.
template <class T>
bool SameContents(const T& cell, T& reference) {
    if (cell.m_Graphic == 0 || reference.m_Graphic == 0) return cell.m_Graphic == 0 && reference.m_Graphic == 0;
    reference.m_Extra1 = cell.m_Extra1;
    reference.m_Extra2 = cell.m_Extra2;
    return cell == reference;
}

// Writes the filled cells into the layer in one pass: painting (the map holds pen index + 1)
// cell by cell would move the layer's later cells for every cell written.
template <class T, class F>
void WriteFilled(cStageLayer<T>& layer, const std::vector<uint32_t>& map, const cEdVector<T>& pen, F prepare) {
    typename cStageLayer<T>::cCells cells;
    cells.reserve(layer.size() + map.size() / 4);
    auto old = layer.begin();
    for (uint32_t index = 0; index < map.size(); ++index) {
        if (!map[index]) continue;
        for (; old != layer.end() && old->first < index; ++old) cells.push_back(std::move(*old));
        if (old != layer.end() && old->first == index) ++old;
        const size_t p = map[index] - 1;
        if (!InPen(pen, p) || pen[p].m_Graphic == 0) continue;
        cells.emplace_back(index, pen[p]);
        T& cell = cells.back().second;
        prepare(cell);
        cell.m_Extra1 = static_cast<int16_t>(layer.Column(index));
        cell.m_Extra2 = static_cast<int16_t>(layer.Row(index));
    }
    for (; old != layer.end(); ++old) cells.push_back(std::move(*old));
    layer.Fill(cells);
}

// One call of the flood: a cell, the pen cell it gets, and the neighbour it visits next.
struct cFloodFrame {
    int32_t x, y, column, row, next;
};

}  // namespace

cCanvasCursor& CanvasCursor() {
    static cCanvasCursor cursor;
    return cursor;
}

int32_t CanvasMask(int32_t layer) {
    if (KeyHeld(VK_SHIFT)) return eLayerCharas | eLayerItems;
    if (KeyHeld(VK_CONTROL)) return eLayerAll;
    return 1 << layer;
}

void cStageCanvas::Attach(uint16_t id) { m_Ctrl.Attach(&m_Page, id); }

void cStageCanvas::Fit() {
    const cEdStage& stage = ProjectStage();
    m_Page.FitCanvas(m_Ctrl, m_BackBuffer, stage.m_Width, stage.m_Height, kCellSize, &m_ScrollX, &m_ScrollY);
}

void cStageCanvas::ViewPlayer() {
    const cEdStage& stage = ProjectStage();
    if (stage.m_Width <= 0 || stage.m_Height <= 0) return;
    cPoint hero = stage.FindHero();
    if (hero.x < 0) return;
    m_ScrollX = Clamped(hero.x - 10, 0, std::max(stage.m_Width - 20, 0));
    m_ScrollY = Clamped(hero.y - 7, 0, std::max(stage.m_Height - 15, 0));
    m_Page.HorzBar().SetPos(m_ScrollX);
    m_Page.VertBar().SetPos(m_ScrollY);
    m_ScrollX = m_Page.HorzBar().GetPos();
    m_ScrollY = m_Page.VertBar().GetPos();
}

void cStageCanvas::Scrolled() {
    m_ScrollX = m_Page.HorzBar().GetPos();
    m_ScrollY = m_Page.VertBar().GetPos();
}

bool cStageCanvas::Paint() {
    HDC back = m_BackBuffer.GetDC();
    if (!back) return false;
    cCanvasView view;
    view.scrollX = m_ScrollX;
    view.scrollY = m_ScrollY;
    view.cursor = {CanvasCursor().x, CanvasCursor().y};
    view.mask = CanvasMask(StageDoc().m_Layer);
    view.drag = m_Drag != 0;
    view.lineStart = m_LineStart;
    view.rectStart = m_RectStart;
    view.selStart = m_SelStart;
    PaintCanvas(m_BackBuffer, view);
    if (HWND canvas = m_Ctrl.GetHwnd()) {
        if (HDC dc = ::GetDC(canvas)) {
            BitBlt(dc, 0, 0, m_BackBuffer.Width(), m_BackBuffer.Height(), back, 0, 0, SRCCOPY);
            ReleaseDC(canvas, dc);
        }
    }
    return true;
}

void cStageCanvas::SetCursorCell(int mx, int my) {
    cCanvasCursor& cursor = CanvasCursor();
    mx = Clamped(mx, 0, std::max(m_Page.ContentWidth() - 1, 0));
    my = Clamped(my, 0, std::max(m_Page.ContentHeight() - 1, 0));
    cursor.x = m_ScrollX + mx / kCellSize;
    cursor.y = m_ScrollY + my / kCellSize;
    cursor.pixelX = mx / kCellSize * kCellSize;
    cursor.pixelY = my / kCellSize * kCellSize;
}

void cStageCanvas::PutPenCell(uint32_t index, size_t p, int32_t mask) {
    cStageDoc& doc = StageDoc();
    cEdStage& stage = ProjectStage();
    if ((mask & eLayerBlocks) && InPen(doc.m_PenBlocks, p)) stage.m_Blocks.Put(index, doc.m_PenBlocks[p]);
    if ((mask & eLayerCharas) && InPen(doc.m_PenCharas, p)) stage.PutChara(index, doc.m_PenCharas[p]);
    if ((mask & eLayerItems) && InPen(doc.m_PenItems, p)) stage.m_Items.Put(index, doc.m_PenItems[p]);
}

void cStageCanvas::OnMouse(UINT msg, WPARAM wParam, int x, int y) {
    SetCursorCell(x, y);
    cStageDoc& doc = StageDoc();
    if (!doc.m_StageOpen) return;
    if (msg == WM_LBUTTONDOWN) doc.m_StageModified = 1;
    typedef void (cStageCanvas::*cTool)(UINT, WPARAM);
    static const cTool tools[ePenModes] = {&cStageCanvas::PenNormal, &cStageCanvas::PenLine, &cStageCanvas::PenRect,
                                           &cStageCanvas::PenFill, &cStageCanvas::PenParams};
    if (doc.m_DrawKind != kDrawSelect && doc.m_PenMode >= 0 && doc.m_PenMode < ePenModes)
        (this->*tools[doc.m_PenMode])(msg, wParam);
    if (msg == WM_RBUTTONDBLCLK)
        EditCellAtCursor();
    else
        OnSelect(msg);
    if (msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN) SetFocus(m_Page.GetHwnd());
}

void cStageCanvas::PenNormal(UINT msg, WPARAM wParam) {
    if (msg == WM_LBUTTONDOWN) m_Host.PushUndo(eLayerAll);
    if (msg != WM_LBUTTONDOWN && !(msg == WM_MOUSEMOVE && (wParam & MK_LBUTTON))) return;
    const cStageDoc& doc = StageDoc();
    const cEdStage& stage = ProjectStage();
    const cCanvasCursor& cursor = CanvasCursor();
    const int32_t mask = CanvasMask(doc.m_Layer);
    for (int32_t r = 0; r < doc.m_PenHeight && cursor.y + r < stage.m_Height; ++r)
        for (int32_t c = 0; c < doc.m_PenWidth && cursor.x + c < stage.m_Width; ++c)
            if (cursor.x + c >= 0 && cursor.y + r >= 0)
                PutPenCell(stage.CellIndex(cursor.x + c, cursor.y + r), r * doc.m_PenWidth + c, mask);
    m_Host.RepaintPalettes();
}

void cStageCanvas::PenLine(UINT msg, WPARAM) {
    const cCanvasCursor& cursor = CanvasCursor();
    if (msg == WM_LBUTTONDOWN) {
        m_LineStart = {cursor.x, cursor.y};
        BeginDrag();
    } else if (msg == WM_LBUTTONUP && m_Drag) {
        EndLine();
    }
}

template <class Walk>
void cStageCanvas::EndShape(Walk walk) {
    const cEdStage& stage = ProjectStage();
    const int32_t mask = CanvasMask(StageDoc().m_Layer);
    m_Host.PushUndo(mask);
    walk(stage, [&](int32_t x, int32_t y, int32_t p) { PutPenCell(stage.CellIndex(x, y), p, mask); });
    m_Host.RepaintPalettes();
    EndDrag();
}

void cStageCanvas::EndLine() {
    EndShape([&](const cEdStage& stage, auto put) {
        const cCanvasCursor& cursor = CanvasCursor();
        WalkLine(m_LineStart, {cursor.x, cursor.y}, StageDoc().m_PenWidth, stage.m_Width, stage.m_Height, put);
    });
}

void cStageCanvas::PenRect(UINT msg, WPARAM) {
    const cCanvasCursor& cursor = CanvasCursor();
    if (msg == WM_LBUTTONDOWN) {
        m_RectStart = {cursor.x, cursor.y};
        BeginDrag();
    }
    // While the button is held the canvas shows the rectangle up to the cursor.
    if (msg == WM_LBUTTONUP && m_Drag) EndRect();
}

void cStageCanvas::EndRect() {
    EndShape([&](const cEdStage& stage, auto put) {
        const cStageDoc& doc = StageDoc();
        const cCanvasCursor& cursor = CanvasCursor();
        WalkRect(m_RectStart, {cursor.x, cursor.y}, doc.m_PenWidth, doc.m_PenHeight, stage.m_Width, stage.m_Height,
                 put);
    });
}

void cStageCanvas::PenFill(UINT msg, WPARAM) {
    if (msg != WM_LBUTTONDOWN) return;
    const cStageDoc& doc = StageDoc();
    cEdStage& stage = ProjectStage();
    const cCanvasCursor& cursor = CanvasCursor();
    if (!stage.m_Blocks.IsCell(cursor.x, cursor.y)) return;
    m_Host.PushUndo(1 << doc.m_Layer);
    const uint32_t start = stage.CellIndex(cursor.x, cursor.y);
    std::vector<uint32_t> map;
    try {
        map.assign(static_cast<size_t>(stage.m_Stride) * stage.m_Height, 0);
        switch (doc.m_Layer) {
        case eLayerBlock:
            m_WorkBlock = stage.m_Blocks.At(start);
            Flood(map, [&](uint32_t i) { return SameContents(stage.m_Blocks.At(i), m_WorkBlock); });
            WriteFilled(stage.m_Blocks, map, doc.m_PenBlocks, [](cEdBlock&) {});
            break;
        case eLayerChara: {
            m_WorkChara = stage.m_Charas.At(start);
            Flood(map, [&](uint32_t i) { return SameContents(stage.m_Charas.At(i), m_WorkChara); });
            bool hero = IsHero(m_WorkChara);
            for (const cEdChara& chara : doc.m_PenCharas) hero = hero || IsHero(chara);
            if (!hero) {
                WriteFilled(stage.m_Charas, map, doc.m_PenCharas, [](cEdChara& chara) { chara.m_bbInherit.At(1) = 0; });
                break;
            }
            // The placement keeps one hero: it must see every cell placed.
            for (uint32_t i = 0; i < map.size(); ++i)
                if (map[i]) PutPenCell(i, map[i] - 1, eLayerCharas);
            break;
        }
        case eLayerItem:
            m_WorkItem = stage.m_Items.At(start);
            Flood(map, [&](uint32_t i) { return SameContents(stage.m_Items.At(i), m_WorkItem); });
            WriteFilled(stage.m_Items, map, doc.m_PenItems, [](cEdItem&) {});
            break;
        }
    } catch (const std::bad_alloc&) {
        ErrorMessage("メモリが不足しています！");
        return;
    }
    m_Host.RepaintPalettes();
}

template <class F>
void cStageCanvas::Flood(std::vector<uint32_t>& map, F same) {
    const cStageDoc& doc = StageDoc();
    const cEdStage& stage = ProjectStage();
    const cCanvasCursor& cursor = CanvasCursor();
    const int32_t penWidth = std::max(doc.m_PenWidth, 1), penHeight = std::max(doc.m_PenHeight, 1);
    // The visits of the recursive flood, in its order: a cell, then its left, right, upper and
    // lower neighbours, each wholly before the next; an explicit stack has no depth limit.
    std::vector<cFloodFrame> stack;
    auto enter = [&](int32_t x, int32_t y, int32_t column, int32_t row) {
        const uint32_t index = stage.CellIndex(x, y);
        if (map[index] || !same(index)) return;
        map[index] = static_cast<uint32_t>(row * penWidth + column) + 1;
        stack.push_back(cFloodFrame{x, y, column, row, 0});
    };
    enter(cursor.x, cursor.y, 0, 0);
    while (!stack.empty()) {
        cFloodFrame f = stack.back();
        if (f.next == 4) {
            stack.pop_back();
            continue;
        }
        ++stack.back().next;
        switch (f.next) {
        case 0:
            if (f.x - 1 >= 0) enter(f.x - 1, f.y, f.column == 0 ? penWidth - 1 : f.column - 1, f.row);
            break;
        case 1:
            if (f.x + 1 < stage.m_Width) enter(f.x + 1, f.y, f.column + 1 >= penWidth ? 0 : f.column + 1, f.row);
            break;
        case 2:
            if (f.y - 1 >= 0) enter(f.x, f.y - 1, f.column, f.row == 0 ? penHeight - 1 : f.row - 1);
            break;
        case 3:
            if (f.y + 1 < stage.m_Height) enter(f.x, f.y + 1, f.column, f.row + 1 >= penHeight ? 0 : f.row + 1);
            break;
        }
    }
}

// The data windows that edit a cell are opened by their own libraries.
void cStageCanvas::PenParams(UINT msg, WPARAM) {
    if (msg == WM_LBUTTONDOWN) EditCellAtCursor();
}

void cStageCanvas::EditCellAtCursor() {
    const int32_t layer = StageDoc().m_Layer;
    const cEdStage& stage = ProjectStage();
    const cCanvasCursor& cursor = CanvasCursor();
    if (!stage.m_Blocks.IsCell(cursor.x, cursor.y)) return;
    const uint32_t index = stage.CellIndex(cursor.x, cursor.y);
    const bool occupied = layer == eLayerBlock   ? !stage.m_Blocks.IsEmpty(index)
                          : layer == eLayerChara ? !stage.m_Charas.IsEmpty(index)
                                                 : !stage.m_Items.IsEmpty(index);
    if (occupied) m_Host.EditCell(layer, index);
}

void cStageCanvas::OnSelect(UINT msg) {
    cStageDoc& doc = StageDoc();
    const cCanvasCursor& cursor = CanvasCursor();
    if (msg == WM_RBUTTONDOWN) {
        m_SelStart = {cursor.x, cursor.y};
        doc.m_DrawKind = kDrawSelect;
        doc.m_SelIndex = -1;
        BeginDrag();
    }
    if (doc.m_DrawKind != kDrawSelect || !m_Drag) return;
    // The release takes the range up to where it happened: the view may have scrolled since the
    // last move.
    if (msg == WM_RBUTTONDOWN || msg == WM_MOUSEMOVE || msg == WM_RBUTTONUP) {
        doc.m_PenWidth = std::abs(cursor.x - m_SelStart.x) + 1;
        doc.m_PenHeight = std::abs(cursor.y - m_SelStart.y) + 1;
    }
    if (msg == WM_RBUTTONUP) {
        CaptureSelection(CanvasMask(doc.m_Layer));
        doc.m_DrawKind = DrawKindOf(doc.m_PenMode);
        m_Host.RepaintPalettes();
        EndDrag();
    }
}

namespace {

// Runs visit (stage index, pen index) on each cell of the selection inside the stage.
template <class F>
void ForSelection(cPoint start, F visit) {
    const cStageDoc& doc = StageDoc();
    const cEdStage& stage = ProjectStage();
    const cCanvasCursor& cursor = CanvasCursor();
    const int32_t left = std::min(start.x, cursor.x), top = std::min(start.y, cursor.y);
    for (int32_t r = 0; r < doc.m_PenHeight && top + r < stage.m_Height; ++r)
        for (int32_t c = 0; c < doc.m_PenWidth && left + c < stage.m_Width; ++c)
            if (left + c >= 0 && top + r >= 0) visit(stage.CellIndex(left + c, top + r), static_cast<size_t>(r) * doc.m_PenWidth + c);
}

}  // namespace

void cStageCanvas::CaptureSelection(int32_t mask) {
    cStageDoc& doc = StageDoc();
    if (doc.m_DrawKind != kDrawSelect) return;
    const cEdStage& stage = ProjectStage();
    const size_t cells = static_cast<size_t>(doc.m_PenWidth) * doc.m_PenHeight;
    if (mask & eLayerBlocks) doc.m_PenBlocks.assign(cells, cEdBlock());
    if (mask & eLayerCharas) doc.m_PenCharas.assign(cells, cEdChara());
    if (mask & eLayerItems) doc.m_PenItems.assign(cells, cEdItem());
    ForSelection(m_SelStart, [&](uint32_t s, size_t p) {
        if (mask & eLayerBlocks) doc.m_PenBlocks[p] = stage.m_Blocks.At(s);
        if (mask & eLayerCharas) doc.m_PenCharas[p] = stage.m_Charas.At(s);
        if (mask & eLayerItems) doc.m_PenItems[p] = stage.m_Items.At(s);
    });
}

void cStageCanvas::ClearSelection(int32_t mask) {
    if (StageDoc().m_DrawKind != kDrawSelect) return;
    cEdStage& stage = ProjectStage();
    ForSelection(m_SelStart, [&](uint32_t s, size_t) {
        if (mask & eLayerBlocks) stage.m_Blocks.Put(s, cEdBlock());
        if (mask & eLayerCharas) stage.m_Charas.Put(s, cEdChara());
        if (mask & eLayerItems) stage.m_Items.Put(s, cEdItem());
    });
}

// A drag keeps a timer running: the idle pass waits for messages, and a mouse resting beyond the
// canvas sends none, so the tick is what lets it go on scrolling.
void cStageCanvas::BeginDrag() {
    m_Drag = 1;
    SetTimer(m_Page.GetHwnd(), kDragTimer, kDragTick, nullptr);
}

void cStageCanvas::EndDrag() {
    m_Drag = 0;
    KillTimer(m_Page.GetHwnd(), kDragTimer);
}

// Beyond the canvas no mouse message comes: the buttons and the mouse are read here instead.
bool cStageCanvas::OnFrame() {
    cStageDoc& doc = StageDoc();
    if (!doc.m_StageOpen || !m_Page.GetMousePos(1, kMouseRead | kMousePress | kMouseRelease)) return false;
    const POINT pt = m_Page.MouseState().pt;
    if (!m_Drag || (pt.x >= 0 && pt.y >= 0 && pt.x < m_Page.ContentWidth() && pt.y < m_Page.ContentHeight()))
        return false;
    SetCursorCell(pt.x, pt.y);
    const cMouseButtons& buttons = m_Page.MouseState().buttons;
    if (doc.m_DrawKind == kDrawSelect) {
        // A new press ends the drag without taking the pen.
        if (buttons.m_RightPressed) {
            EndDrag();
            return false;
        }
        if (buttons.m_RightDown)
            OnSelect(WM_MOUSEMOVE);
        else if (buttons.m_RightReleased)
            OnSelect(WM_RBUTTONUP);
    } else if (doc.m_PenMode == ePenLine || doc.m_PenMode == ePenRect) {
        if (buttons.m_LeftPressed) {
            EndDrag();
            return false;
        }
        // While the button is held the cursor alone moves the line's or rectangle's end.
        if (!buttons.m_LeftDown && buttons.m_LeftReleased) doc.m_PenMode == ePenLine ? EndLine() : EndRect();
    }
    if (buttons.m_LeftDown || buttons.m_RightDown) {
        m_Page.AutoScroll(&m_ScrollX, &m_ScrollY);
        SetCursorCell(pt.x, pt.y);
    }
    return true;
}

void cStageCanvas::OnKey(WPARAM key) {
    cStageDoc& doc = StageDoc();
    if (!doc.m_StageOpen) return;
    if (key == VK_SPACE) {
        doc.NextLayer();
        m_Host.ShowLayer(doc.m_Layer);
        SetFocus(m_Page.GetHwnd());
        return;
    }
    if ((key != 'D' && key != 'Q' && key != 'R') || doc.m_DrawKind != kDrawSelect) return;
    const int32_t mask = CanvasMask(doc.m_Layer);
    m_Host.PushUndo(mask);
    if (key == 'D') {
        CaptureSelection(mask);
        ClearSelection(mask);
        doc.m_DrawKind = DrawKindOf(doc.m_PenMode);
        EndDrag();
    } else if (key == 'Q') {
        ClearSelection(mask);
    } else if (mask & eLayerCharas) {
        cStageLayer<cEdChara>& charas = ProjectStage().m_Charas;
        ForSelection(m_SelStart, [&](uint32_t s, size_t) {
            cEdChara* chara = charas.Find(s);
            if (chara && !chara->m_bbInherit.At(5)) chara->m_FaceRight = chara->m_FaceRight ? 0 : 1;
        });
    }
    doc.m_StageModified = 1;
}
