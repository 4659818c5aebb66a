#pragma once
// Small helpers of the element dialogs and their lists: wrapping an index while stepping.

// The value plus the delta, wrapped into minimum .. maximum: below the minimum it becomes the
// maximum, above the maximum the minimum.
inline int AddWrap(int value, int delta, int minimum, int maximum) {
    int next = value + delta;
    if (next < minimum) return maximum;
    if (next > maximum) return minimum;
    return next;
}
