#pragma once
// Opening a data window: the palette windows and the project options' default pages open the
// block window, the chara or the item data sheet through it.
#include <cstdint>

class cChildWnd;
class cPropSheet;

// Opens the data window of the kind (block, chara or item) in the slot of its owner, an earlier
// one there going first without bringing the editor back; the editor's other windows are
// disabled meanwhile, and enabled again at once when it cannot be opened. False then.
bool OpenDataWndInSlot(int kind, cChildWnd* owner, cPropSheet** slot, int source, uint32_t cell);
