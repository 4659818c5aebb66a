#pragma once
// The base of the data windows a palette window opens (the block window, the chara and item
// data sheets): a property sheet that brings the editor back when it closes, unless its holder
// is going first. The windows themselves are opened by DataWndOpen.h.
#include "framework/PropSheet.h"

class cDataWnd : public cPropSheet {
public:
    using cPropSheet::cPropSheet;
    // The sheet goes without bringing the editor back (its holder is going).
    virtual void SkipReturn() = 0;
};

// A data window closed: the editor's windows come back and, for a palette element, the element
// of the kind at the index becomes the pen. Only the data windows' first pages call it, as their
// window goes.
void ReturnFromDataWnd(int kind, int source, int index);
