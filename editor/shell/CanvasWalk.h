#pragma once
// The cells a line or a rectangle of the canvas reaches, with the pen cell each one takes: the
// tools place them on release and the canvas shows them while the drag goes on, so the preview
// is exactly what the release will write.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "framework/FrameTimer.h"
#include "framework/Geometry.h"

// Lines stop after this many cells.
const int kLineCells = 200;

// visit (x, y, pen column of the first pen row) for each cell of the line from start to end
// that lies inside a stage of the size; the pen's columns repeat along it.
template <class F>
void WalkLine(cPoint start, cPoint end, int32_t penWidth, int32_t width, int32_t height, F visit) {
    double fx = start.x + 0.5, fy = start.y + 0.5;
    int32_t k = 0;
    for (int i = 0; i < kLineCells; ++i) {
        const int32_t x = static_cast<int32_t>(fx), y = static_cast<int32_t>(fy);
        if (x >= 0 && y >= 0 && x < width && y < height) visit(x, y, k);
        if (x == end.x && y == end.y) break;
        MoveToward(fx, fy, end.x, end.y, 1.0);
        k = k + 1 >= penWidth ? 0 : k + 1;
    }
}

// The rectangle between two corners: its top-left cell and its size in cells.
inline void RectBetween(cPoint a, cPoint b, cPoint* corner, cPoint* size) {
    *corner = {std::min(a.x, b.x), std::min(a.y, b.y)};
    *size = {std::abs(a.x - b.x) + 1, std::abs(a.y - b.y) + 1};
}

// visit (x, y, pen index) for each cell of the rectangle between two corners inside a stage of
// the size. The pen column goes on from one row to the next: a rectangle whose width is not a
// multiple of the pen's shifts the pattern row by row.
template <class F>
void WalkRect(cPoint a, cPoint b, int32_t penWidth, int32_t penHeight, int32_t width, int32_t height, F visit) {
    cPoint corner, size;
    RectBetween(a, b, &corner, &size);
    int32_t pc = 0, pr = 0;
    for (int32_t r = 0; r < size.y && corner.y + r < height; ++r) {
        for (int32_t c = 0; c < size.x && corner.x + c < width; ++c) {
            if (corner.x + c >= 0 && corner.y + r >= 0) visit(corner.x + c, corner.y + r, pr * penWidth + pc);
            pc = pc + 1 >= penWidth ? 0 : pc + 1;
        }
        pr = pr + 1 >= penHeight ? 0 : pr + 1;
    }
}
