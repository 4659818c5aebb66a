#pragma once
// Which members of a list may meet a box: each member's box is binned by the strips of the stage
// it spans across, so a box is tested only against the members in its own strips. It answers
// list positions in order, so a pass that walks the list keeps its order; it holds positions
// and boxes as they were when built, so a pass builds it again after anything that may have
// moved a member or changed the list.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "game/play/Collisions.h"

class cStripIndex {
public:
    // Starts a new index over count positions; Add the boxes of those that take part, in
    // ascending position order.
    void Clear(size_t count);
    void Add(size_t position, const cHitBox& box);
    // The same by the span across alone, its ends in either order: a member that may meet any
    // box whose span across meets this one.
    void AddSpan(size_t position, double left, double right);
    bool Built() const { return m_Built; }
    void MarkStale() { m_Built = false; }
    // The first position from `from` on whose box may overlap the box; the count when none.
    size_t Next(const cHitBox& box, size_t from);
    // The first position from `from` whose span may meet the span (ends in either order).
    size_t NextInSpan(double left, double right, size_t from);
    // Every position whose span may meet the span, ascending and each once, until visit answers
    // true: the position it stopped at, or the count. A span within one or two strips walks
    // their lists as they are.
    template <class Visit>
    size_t FindInSpan(double left, double right, Visit visit) {
        int64_t first = 0, last = 0;
        if (!StripsOf(left, right, first, last)) return m_Count;
        const std::vector<size_t>& a = m_Strips[static_cast<size_t>(first)];
        if (first == last) {
            for (size_t p : a)
                if (visit(p)) return p;
            return m_Count;
        }
        if (first + 1 == last) {
            const std::vector<size_t>& b = m_Strips[static_cast<size_t>(last)];
            size_t i = 0, j = 0;
            while (i < a.size() || j < b.size()) {
                size_t p;
                if (j == b.size() || (i < a.size() && a[i] < b[j])) {
                    p = a[i++];
                } else {
                    p = b[j++];
                    if (i < a.size() && a[i] == p) ++i;
                }
                if (visit(p)) return p;
            }
            return m_Count;
        }
        for (size_t p = NextInStrips(first, last, 0); p < m_Count; p = NextInStrips(first, last, p + 1))
            if (visit(p)) return p;
        return m_Count;
    }

private:
    struct cEntry {
        size_t position;
        int64_t first, last;  // strips spanned
    };
    int64_t StripOf(double x) const;
    void Bin();
    // The strips the span lies across (built first when needed); false when it meets nothing.
    bool StripsOf(double left, double right, int64_t& first, int64_t& last);
    size_t NextInStrips(int64_t first, int64_t last, size_t from) const;

    size_t m_Count = 0;
    bool m_Built = false;
    bool m_Binned = false;
    std::vector<cEntry> m_Entries;
    int64_t m_Base = 0;
    std::vector<std::vector<size_t>> m_Strips;
};
