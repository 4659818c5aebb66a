#pragma once
// The numbers each graphic type (eGraphicType) offers the dialogs that choose a graphic: the
// element data windows, the graphic command and the database's anime samples.
#include <cstddef>

// The highest overlay (mark) number.
const int kHighestMark = 119;

struct cGraphicRange {
    int highest;       // graphic numbers 1 .. highest
    bool columns;      // the type has columns: a shift or a frame applies
    int highestShift;  // a chara's or a command's column shift, 0 .. highestShift
    int highestFrame;  // a block's or an item's frame, 0 .. highestFrame
};
// dedicatedBitmaps: the rows of the dedicated bitmap table. Its row 0 is none, and its range
// never empties, even without a bitmap.
cGraphicRange GraphicRange(int type, size_t dedicatedBitmaps);
