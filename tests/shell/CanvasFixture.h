#pragma once
// The main window's canvas driven as the author does: mouse messages on the main window and keys,
// with Shift and Ctrl held through the input queue; stages and pens drawn as text (a letter per
// element's graphic, '.' for an empty cell) so that every cell can be compared.
#include <windows.h>

#include <string>
#include <vector>

#include "tests/shell/EditorFixture.h"
#include "tests/support/InputQueue.h"

typedef std::vector<std::string> cRows;

// A cell's graphic as its letter, and back.
inline int16_t GraphicOf(char c) { return c == '.' ? 0 : static_cast<int16_t>(c - 'A' + 1); }
inline char LetterOf(int graphic) { return graphic == 0 ? '.' : static_cast<char>('A' + graphic - 1); }

template <class T>
T Element(char c) {
    T element;
    element.m_Graphic = GraphicOf(c);
    return element;
}

// Charas that are not the hero: the control 0 is the hero's.
template <>
inline cEdChara Element<cEdChara>(char c) {
    cEdChara chara;
    chara.m_Graphic = GraphicOf(c);
    chara.m_Control = c == 'H' ? 0 : 1;
    return chara;
}

template <class T>
void SetLayer(cStageLayer<T>& layer, const cRows& rows) {
    layer.clear();
    for (int y = 0; y < static_cast<int>(rows.size()); ++y)
        for (int x = 0; x < static_cast<int>(rows[y].size()); ++x)
            if (rows[y][x] != '.') layer.Put(layer.Index(x, y), Element<T>(rows[y][x]));
}

template <class T>
cRows Rows(const cStageLayer<T>& layer) {
    cRows rows(layer.Height(), std::string(layer.Width(), '.'));
    for (const auto& cell : layer) rows[layer.Row(cell.first)][layer.Column(cell.first)] = LetterOf(cell.second.m_Graphic);
    return rows;
}

// The pen of every layer: rows of letters.
inline void SetPen(const cRows& rows) {
    cStageDoc& doc = StageDoc();
    doc.m_PenWidth = static_cast<int32_t>(rows[0].size());
    doc.m_PenHeight = static_cast<int32_t>(rows.size());
    doc.m_PenBlocks.clear();
    doc.m_PenCharas.clear();
    doc.m_PenItems.clear();
    for (const std::string& row : rows)
        for (char c : row) {
            doc.m_PenBlocks.push_back(Element<cEdBlock>(c));
            doc.m_PenCharas.push_back(Element<cEdChara>(c));
            doc.m_PenItems.push_back(Element<cEdItem>(c));
        }
}

template <class T>
std::string PenLetters(const cEdVector<T>& pen) {
    std::string letters;
    for (const T& cell : pen) letters += LetterOf(cell.m_Graphic);
    return letters;
}

// Holds Shift or Ctrl (or nothing, 0) while it lives.
class cHeld {
public:
    explicit cHeld(WORD vk) : m_vk(vk) {
        if (m_vk) SendKey(m_vk, true);
    }
    ~cHeld() {
        if (m_vk) SendKey(m_vk, false);
    }

private:
    WORD m_vk;
};

class cCanvas : public cEditorFixture {
public:
    // A stage without a hero and an undo history of count steps.
    cCanvas(int width, int height, int32_t count = 8) : cEditorFixture(true, width, height, -1, -1) {
        RECT rect;
        GetWindowRect(GetDlgItem(MainWnd(), IDC_CANVAS), &rect);
        m_Origin = {rect.left, rect.top};
        ScreenToClient(MainWnd(), &m_Origin);
        ProjectStage().m_UndoCount = count;
        UndoHistory().Init(ProjectStage().m_UndoCount, ProjectStage().m_Stride, ProjectStage().m_Height);
    }
    // A message at the middle of a visible cell.
    void Mouse(UINT msg, int x, int y, WPARAM buttons = 0) const {
        const int px = m_Origin.x + (x - Main().ScrollColumn()) * kCellSize + kCellSize / 2;
        const int py = m_Origin.y + (y - Main().ScrollRow()) * kCellSize + kCellSize / 2;
        SendMessageA(MainWnd(), msg, buttons, MAKELPARAM(px, py));
    }
    void LeftDrag(int x0, int y0, int x1, int y1) const {
        Mouse(WM_LBUTTONDOWN, x0, y0, MK_LBUTTON);
        Mouse(WM_MOUSEMOVE, x1, y1, MK_LBUTTON);
        Mouse(WM_LBUTTONUP, x1, y1);
    }
    void KeyDown(WPARAM key) const { SendMessageA(MainWnd(), WM_KEYDOWN, key, 0); }
    // The screen point at the middle of a visible cell; dx, dy move it further in pixels.
    POINT ScreenPoint(int x, int y, int dx = 0, int dy = 0) const {
        POINT pt = {m_Origin.x + (x - Main().ScrollColumn()) * kCellSize + kCellSize / 2 + dx,
                    m_Origin.y + (y - Main().ScrollRow()) * kCellSize + kCellSize / 2 + dy};
        ClientToScreen(MainWnd(), &pt);
        return pt;
    }

private:
    POINT m_Origin;
};

