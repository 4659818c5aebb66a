#pragma once
// The cursor of the game's keyboard and pad menus: a stack of cursor states, one per open menu
// level, so that leaving a sub-menu returns to where the cursor stood.
#include <cstdint>

#include "framework/CheckedVector.h"
#include "game/media/CursorKeys.h"

struct cCursorState {
    int32_t nColumn = 0;
    int32_t nRow = 0;
    int32_t nX = 0;  // pixel position
    int32_t nY = 0;
};

class cMenuCursor {
public:
    // The first level, zeroed.
    cMenuCursor();

    // The state being moved, and the one below it (null with one level). Valid until the next
    // Push or Pop.
    cCursorState* Current();
    cCursorState* Previous();

    // Mode 1 starts the new level where the one below stands; any other mode starts it zeroed.
    void Push(int mode);
    // Leaves the top level; with one level nothing happens. The level returned to is zeroed
    // (mode 0), takes the left level's state (mode 2) or stays as it was (any other mode).
    // Returns the new previous state.
    cCursorState* Pop(int mode);

    // Moves over a grid with wrap-around at every edge and sets the pixel position
    // (x0 + dx * column, y0 + dy * row). An empty grid leaves the cursor where it is.
    void MoveGrid(int keys, int x0, int y0, int dx, int dy, int columns, int rows);
    // Moves over a list of n entries of which v are shown from *top, scrolling to keep the
    // index in view; with page keys, right and left jump by v - 1. The index is the row (use
    // row) or the column; it runs along y (use row) or x from origin in steps, the other
    // coordinate being fixed. An empty list holds the cursor at index 0.
    void MoveList(int keys, int useRow, int* top, int origin, int step, int other, int v, int n, int pageKeys);

private:
    cCheckedVector<cCursorState> m_States;
};
