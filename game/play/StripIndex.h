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
    bool Built() const { return m_Built; }
    void MarkStale() { m_Built = false; }
    // The first position from `from` on whose box may overlap the box; the count when none.
    size_t Next(const cHitBox& box, size_t from);

private:
    struct cEntry {
        size_t position;
        int64_t first, last;  // strips spanned
    };
    int64_t StripOf(double x) const;
    void Bin();

    size_t m_Count = 0;
    bool m_Built = false;
    bool m_Binned = false;
    std::vector<cEntry> m_Entries;
    int64_t m_Base = 0;
    std::vector<std::vector<size_t>> m_Strips;
};
