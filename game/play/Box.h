#pragma once
// A box in stage dots with every edge included, as the characters' hit boxes are kept.
#include "game/play/Obj.h"

struct cBox {
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;
};

inline cBox BoxOf(const cObj& object) { return {object.m_X, object.m_Y, object.m_Right, object.m_Bottom}; }

// Edges touching count as overlapping; a line (left = right or top = bottom) is a box too.
inline bool Overlaps(const cBox& a, const cBox& b) {
    return a.left <= b.right && a.right >= b.left && a.top <= b.bottom && a.bottom >= b.top;
}

inline bool Contains(const cBox& box, double x, double y) {
    return box.left <= x && x <= box.right && box.top <= y && y <= box.bottom;
}
