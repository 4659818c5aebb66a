#pragma once
// Moving, copying and deleting a numbered range of a palette list, apart from any window.
// Elements are referred to by number everywhere and no reference is renumbered: afterwards the
// caller applies inheritance again from the list's new contents. Element 0 is never part of a
// range nor written.
#include <algorithm>
#include <vector>

#include "editor/palette/PaletteLists.h"

enum eDataMoveOp { eMoveRange = 0, eCopyRange = 1, eDeleteRange = 2 };

// Runs the operation on elements first .. last with the destination number; false when it
// changes nothing: an empty range (first > last after clamping, or a list of element 0 alone),
// a move whose destination lies inside the range or just after it. A copy grows the list as the
// inserts do, past the thousand elements a list starts with. first and last are clamped to
// 1 .. count - 1, the destination to 1 .. count.
template <class T>
bool MoveRange(cRecordVector<T>& list, int op, int first, int last, int destination) {
    int count = static_cast<int>(list.size());
    if (count < 2) return false;
    first = std::max(1, std::min(first, count - 1));
    last = std::max(1, std::min(last, count - 1));
    destination = std::max(1, std::min(destination, count));
    if (first > last) return false;
    int n = last - first + 1;
    std::vector<T> copies(list.begin() + first, list.begin() + last + 1);
    switch (op) {
    case eMoveRange:
        if (destination >= first && destination <= last + 1) return false;
        list.erase(list.begin() + first, list.begin() + last + 1);
        if (destination > first) {
            for (int i = 0; i < n; ++i) list.insert(list.begin() + destination - n + i, copies[i]);
        } else {
            // Each copy in turn goes before the element that had the destination number.
            for (int i = 0; i < n; ++i) list.insert(list.begin() + destination, copies[i]);
        }
        return true;
    case eCopyRange:
        for (int i = 0; i < n; ++i) list.insert(list.begin() + destination + i, copies[i]);
        return true;
    case eDeleteRange:
        list.erase(list.begin() + first, list.begin() + last + 1);
        return true;
    default: return false;
    }
}

// After a range operation or a count change on the kind's list in the common (0) or the stage (1)
// palette: the selection stays inside the list, the kind's inheritance is applied again, the
// clipboard empties and the palette is marked modified.
inline void AfterRangeChange(int stage, int kind) {
    cStageDoc& doc = StageDoc();
    cEdStage& project = ProjectStage();
    int size = kind == eKindBlock   ? static_cast<int>(PaletteList<cEdBlock>(stage).size())
               : kind == eKindChara ? static_cast<int>(PaletteList<cEdChara>(stage).size())
                                    : static_cast<int>(PaletteList<cEdItem>(stage).size());
    if (doc.m_SelPalette == stage && doc.m_SelIndex >= size) doc.m_SelIndex = size - 1;
    if (stage) {
        if (kind == eKindBlock) project.InheritBlocks();
        if (kind == eKindChara) project.InheritCharas();
        if (kind == eKindItem) project.InheritItems();
    } else {
        if (kind == eKindBlock) project.InheritAllBlocks();
        if (kind == eKindChara) project.InheritAllCharas();
        if (kind == eKindItem) project.InheritAllItems();
    }
    doc.ClearClipboard();
    (stage ? doc.m_StageModified : doc.m_CommonModified) = 1;
}
