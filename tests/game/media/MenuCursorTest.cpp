#include <gtest/gtest.h>

#include <vector>

#include "game/media/MenuCursor.h"

namespace {

const int L = kKeyLeft, R = kKeyRight, U = kKeyUp, D = kKeyDown;

struct cGridCase {
    const char* name;
    int columns, rows;
    int column, row;  // where the cursor starts
    std::vector<int> keys;
    int endColumn, endRow;
};

struct cListCase {
    const char* name;
    int n, v, pageKeys;
    int index, top;  // where the cursor starts
    std::vector<int> keys;
    int endIndex, endTop;
};

}  // namespace

TEST(MenuCursor, GridMovesWrapAroundEveryEdge) {
    std::vector<cGridCase> cases = {
        {"right from the last column", 3, 1, 2, 0, {R}, 0, 0},
        {"left from the first column", 3, 1, 0, 0, {L}, 2, 0},
        {"up from the first row", 1, 4, 0, 0, {U}, 0, 3},
        {"down from the last row", 1, 4, 0, 3, {D}, 0, 0},
        {"left wins over right, up over down", 3, 3, 1, 1, {L | R | U | D}, 0, 0},
        {"both axes in one frame", 3, 3, 0, 0, {R | D}, 1, 1},
        {"a walk", 4, 2, 0, 0, {R, R, D, R, R, L, D, D}, 3, 1},
        {"no key puts the position only", 3, 3, 2, 1, {0}, 2, 1},
        {"a grid of one cell", 1, 1, 0, 0, {L, U, R, D}, 0, 0},
        // Nothing to move over: the cursor is left alone and never lands on -1.
        {"no rows", 3, 0, 0, 0, {L, U, D}, 0, 0},
        {"no columns", 0, 3, 0, 0, {L, R, U}, 0, 0},
        {"negative rows", 3, -1, 1, 0, {R}, 1, 0},
    };
    for (const cGridCase& c : cases) {
        cMenuCursor cursor;
        cursor.Current()->nColumn = c.column;
        cursor.Current()->nRow = c.row;
        for (int keys : c.keys) cursor.MoveGrid(keys, 100, 50, 20, 16, c.columns, c.rows);
        const cCursorState& s = *cursor.Current();
        EXPECT_EQ(c.endColumn, s.nColumn) << c.name;
        EXPECT_EQ(c.endRow, s.nRow) << c.name;
        if (c.columns > 0 && c.rows > 0) {
            EXPECT_EQ(100 + 20 * c.endColumn, s.nX) << c.name;
            EXPECT_EQ(50 + 16 * c.endRow, s.nY) << c.name;
        } else {
            EXPECT_EQ(0, s.nX) << c.name;
            EXPECT_EQ(0, s.nY) << c.name;
        }
    }
}

TEST(MenuCursor, ListScrollsToKeepTheCursorInView) {
    std::vector<cListCase> cases = {
        {"down inside the window", 10, 4, 1, 1, 0, {D}, 2, 0},
        {"down from the window's last row scrolls", 10, 4, 1, 3, 0, {D}, 4, 1},
        {"up from the window's first row scrolls", 10, 4, 1, 4, 4, {U}, 3, 3},
        {"up from the first entry stays", 10, 4, 1, 0, 0, {U}, 0, 0},
        {"down from the last entry stays", 10, 4, 1, 9, 6, {D}, 9, 6},
        {"page right", 10, 4, 1, 3, 2, {R}, 6, 5},
        {"page right on the last page goes to the last entry", 10, 4, 1, 7, 6, {R}, 9, 6},
        {"page right past the end is cut", 10, 4, 1, 5, 5, {R}, 8, 6},
        {"page left", 10, 4, 1, 6, 5, {L}, 3, 2},
        {"page left on the first page goes to the first entry", 10, 4, 1, 2, 0, {L}, 0, 0},
        {"page left before the start is cut", 10, 4, 1, 2, 1, {L}, 0, 0},
        {"without page keys left and right do nothing", 10, 4, 0, 3, 2, {R, L}, 3, 2},
        {"down then page right in one frame", 10, 4, 1, 0, 0, {D | R}, 4, 3},
        {"a walk to the end and back", 10, 4, 1, 0, 0, {D, D, D, D, D, D, D, D, D, D, U, U, U, U}, 5, 5},
        {"a list shorter than its window keeps top at 0", 3, 5, 1, 0, 0, {D, D, D, D, R}, 2, 0},
        {"short list page left", 3, 5, 1, 2, 0, {L}, 0, 0},
        // An empty list holds the cursor at 0, never at -1.
        {"empty list down", 0, 4, 1, 0, 0, {D}, 0, 0},
        {"empty list up", 0, 4, 1, 0, 0, {U}, 0, 0},
        {"empty list page right", 0, 4, 1, 0, 0, {R}, 0, 0},
        {"empty list page left", 0, 4, 1, 0, 0, {L}, 0, 0},
    };
    for (int useRow = 0; useRow < 2; ++useRow) {
        for (const cListCase& c : cases) {
            cMenuCursor cursor;
            (useRow ? cursor.Current()->nRow : cursor.Current()->nColumn) = c.index;
            int top = c.top;
            for (int keys : c.keys) cursor.MoveList(keys, useRow, &top, 160, 16, 32, c.v, c.n, c.pageKeys);
            const cCursorState& s = *cursor.Current();
            EXPECT_EQ(c.endIndex, useRow ? s.nRow : s.nColumn) << c.name << " use row " << useRow;
            EXPECT_EQ(c.endTop, top) << c.name << " use row " << useRow;
            int along = 160 + 16 * (c.endIndex - c.endTop);
            EXPECT_EQ(useRow ? 32 : along, s.nX) << c.name << " use row " << useRow;
            EXPECT_EQ(useRow ? along : 32, s.nY) << c.name << " use row " << useRow;
            EXPECT_EQ(0, useRow ? s.nColumn : s.nRow) << c.name << " use row " << useRow;
        }
    }
}

TEST(MenuCursor, LevelsReturnToWhereTheCursorStood) {
    cMenuCursor cursor;
    EXPECT_EQ(nullptr, cursor.Previous());
    EXPECT_EQ(nullptr, cursor.Pop(0));  // one level: nothing happens
    *cursor.Current() = {1, 2, 3, 4};
    EXPECT_EQ(nullptr, cursor.Pop(2));
    EXPECT_EQ(2, cursor.Current()->nRow);

    cursor.Push(0);
    EXPECT_EQ(0, cursor.Current()->nRow);
    ASSERT_NE(nullptr, cursor.Previous());
    EXPECT_EQ(2, cursor.Previous()->nRow);
    cursor.Push(1);
    EXPECT_EQ(0, cursor.Current()->nRow);  // a copy of the zeroed level below
    cursor.Current()->nRow = 7;
    cursor.Push(1);
    EXPECT_EQ(7, cursor.Current()->nRow);
    cursor.Current()->nRow = 9;

    // Four levels: rows 2, 0, 7, 9. Mode 1 keeps the level returned to as it was.
    cCursorState* previous = cursor.Pop(1);
    EXPECT_EQ(7, cursor.Current()->nRow);
    ASSERT_NE(nullptr, previous);
    EXPECT_EQ(0, previous->nRow);
    // Mode 2 carries the left level's state down.
    cursor.Pop(2);
    EXPECT_EQ(7, cursor.Current()->nRow);
    // Mode 0 clears the level returned to.
    EXPECT_EQ(nullptr, cursor.Pop(0));
    EXPECT_EQ(0, cursor.Current()->nRow);
    EXPECT_EQ(0, cursor.Current()->nColumn);
    EXPECT_EQ(0, cursor.Current()->nX);
}
