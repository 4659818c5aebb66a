#include "game/media/MenuCursor.h"

namespace {

// Steps a grid coordinate by -1, 0 or +1 with wrap-around.
int32_t Wrap(int32_t value, int count) {
    if (value < 0) return count - 1;
    if (value >= count) return 0;
    return value;
}

int Limit(int value, int low, int high) { return value < low ? low : value > high ? high : value; }

}  // namespace

cMenuCursor::cMenuCursor() { m_States.push_back(cCursorState()); }

cCursorState* cMenuCursor::Current() { return &m_States.At(static_cast<int>(m_States.size()) - 1); }

cCursorState* cMenuCursor::Previous() {
    if (m_States.size() < 2) return nullptr;
    return &m_States.At(static_cast<int>(m_States.size()) - 2);
}

void cMenuCursor::Push(int mode) {
    m_States.push_back(cCursorState());
    if (mode == 1) *Current() = *Previous();
}

cCursorState* cMenuCursor::Pop(int mode) {
    if (m_States.size() < 2) return Previous();
    cCursorState left = *Current();
    m_States.pop_back();
    if (mode == 0)
        *Current() = cCursorState();
    else if (mode == 2)
        *Current() = left;
    return Previous();
}

void cMenuCursor::MoveGrid(int keys, int x0, int y0, int dx, int dy, int columns, int rows) {
    // A grid without cells has no position to wrap to: the cursor would land on -1.
    if (columns < 1 || rows < 1) return;
    cCursorState& s = *Current();
    if (keys & kKeyLeft)
        --s.nColumn;
    else if (keys & kKeyRight)
        ++s.nColumn;
    if (keys & kKeyUp)
        --s.nRow;
    else if (keys & kKeyDown)
        ++s.nRow;
    s.nRow = Wrap(s.nRow, rows);
    s.nColumn = Wrap(s.nColumn, columns);
    s.nX = x0 + dx * s.nColumn;
    s.nY = y0 + dy * s.nRow;
}

void cMenuCursor::MoveList(int keys, int useRow, int* top, int origin, int step, int other, int v, int n,
                           int pageKeys) {
    cCursorState& s = *Current();
    int index = useRow ? s.nRow : s.nColumn;
    if (keys & kKeyUp) {
        if (index - *top < 1) --*top;
        --index;
    } else if (keys & kKeyDown) {
        if (index - *top >= v - 1) ++*top;
        ++index;
    }
    if (pageKeys) {
        if (keys & kKeyRight) {
            if (*top == n - v) {
                index = n - 1;
            } else {
                *top += v - 1;
                index += v - 1;
            }
        } else if (keys & kKeyLeft) {
            if (*top != 0) {
                *top -= v - 1;
                index -= v - 1;
            } else {
                index = 0;
            }
        }
    }
    // An empty list holds index and top at 0: an index of -1 would reach the caller's tables.
    index = Limit(index, 0, n > 0 ? n - 1 : 0);
    *top = Limit(*top, 0, n > v ? n - v : 0);
    if (useRow) {
        s.nRow = index;
        s.nY = origin + step * (index - *top);
        s.nX = other;
    } else {
        s.nColumn = index;
        s.nX = origin + step * (index - *top);
        s.nY = other;
    }
}
