#pragma once
// Painting of the stage canvas into its back buffer: the visible cells of the three layers, the
// grid, the guides, the scroll limits and the cursor, and while a line, rectangle or selection
// is dragged what its release will take. It draws the open stage and its document and knows no
// window: the canvas (StageCanvas.h) copies the buffer to the screen.
#include <cstdint>

#include "framework/Geometry.h"

class cDib;

const int kCellSize = 32;

// What the canvas shows beyond the stage: the first cell of the view, the cursor cell, the
// layers a pen cell shows (CanvasMask), and the drag going on with its start cells.
struct cCanvasView {
    int scrollX = 0;
    int scrollY = 0;
    cPoint cursor = {};
    int32_t mask = 0;
    bool drag = false;
    cPoint lineStart = {};
    cPoint rectStart = {};
    cPoint selStart = {};
};

// Clears the buffer to black and, while a stage is open, paints it as the view shows it.
void PaintCanvas(cDib& back, const cCanvasView& view);
