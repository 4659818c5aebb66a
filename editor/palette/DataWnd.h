#pragma once
// The base of the data windows a palette window opens (the block window, the chara and item
// data sheets): a property sheet that brings the editor back when it closes, unless its holder
// is going first.
#include "framework/PropSheet.h"

class cDataWnd : public cPropSheet {
public:
    using cPropSheet::cPropSheet;
    // The sheet goes without bringing the editor back (its holder is going).
    virtual void SkipReturn() = 0;
};

#include <cstdint>

class cChildWnd;
class cEditWnd;

// Opens the data window of the kind (block, chara or item) in the slot of its owner, an earlier
// one there going first without bringing the editor back; the editor's other windows are
// disabled meanwhile, and enabled again at once when it cannot be opened. False then.
bool OpenDataWndInSlot(int kind, cChildWnd* owner, cPropSheet** slot, int source, uint32_t cell);
// A data window closed: the editor's windows come back and, for a palette element, the element
// of the kind at the index becomes the pen.
void ReturnFromDataWnd(int kind, int source, int index);
// The canvas's editing of an occupied cell (SetCellEditor): the block window on a block cell,
// the chara data sheet on a chara cell, the item data sheet on an item cell.
void EditStageCell(cEditWnd* main, int32_t layer, uint32_t index);
