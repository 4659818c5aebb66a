#pragma once
// Small helpers every window uses: owned-object deletion, inclusive rectangles, range tests.
#include <cstdint>

// Deletes an owned object through its virtual destructor and clears the pointer.
template <class T>
void SafeDelete(T*& object) {
    if (object) {
        delete object;
        object = nullptr;
    }
}

// An inclusive rectangle: right and bottom belong to it.
struct cRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    cRect() = default;
    cRect(int32_t l, int32_t t, int32_t r, int32_t b) : left(l), top(t), right(r), bottom(b) {}
    int32_t Width() const { return right - left + 1; }
    int32_t Height() const { return bottom - top + 1; }
};

struct cPoint {
    int32_t x = 0;
    int32_t y = 0;
};

// Half-open, unlike cRect: for ranges given as a start and an end past it; x0 <= x < x1 and
// y0 <= y < y1.
inline bool PtInRange(cPoint pt, int32_t x0, int32_t x1, int32_t y0, int32_t y1) {
    return x0 <= pt.x && pt.x < x1 && y0 <= pt.y && pt.y < y1;
}

// Stores the limit the value passes and returns the stored value.
inline int32_t Clamp(int32_t* value, int32_t minimum, int32_t maximum) {
    if (*value < minimum)
        *value = minimum;
    else if (*value > maximum)
        *value = maximum;
    return *value;
}
