#pragma once
// Small helpers of the element dialogs: wrapping an index while stepping, and stepping a
// dialog's working element through its working list.
#include "data/Record.h"

// The value plus the delta, wrapped into minimum .. maximum: below the minimum it becomes the
// maximum, above the maximum the minimum.
inline int AddWrap(int value, int delta, int minimum, int maximum) {
    int next = value + delta;
    if (next < minimum) return maximum;
    if (next > maximum) return minimum;
    return next;
}

// The previous or next element of an element dialog: the working element goes back into the
// working list at its index, the index steps within 1 .. count - 1 (element 0 is never
// reached) and the working element becomes the list's element there. The new index; the
// index unchanged, and nothing written, for a list without a second element or an index
// outside 1 .. count - 1.
template <class T>
int StepRecord(cRecordVector<T>& list, T& working, int index, int delta) {
    int count = static_cast<int>(list.size());
    if (count < 2 || index < 1 || index >= count) return index;
    list[index] = working;
    index = AddWrap(index, delta, 1, count - 1);
    working = list[index];
    return index;
}
