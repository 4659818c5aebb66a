#include "game/play/StripIndex.h"

#include <algorithm>
#include <cmath>

namespace {

const int kStripDots = 64;  // two cells
const int64_t kMaxStrips = 4096;

// A strip number of any finite or infinite x; NaN never reaches it.
int64_t RawStrip(double x, int dots) {
    const double strip = std::floor(x / dots);
    return static_cast<int64_t>(std::max(-1e12, std::min(strip, 1e12)));
}

}  // namespace

void cStripIndex::Clear(size_t count) {
    m_Count = count;
    m_Entries.clear();
    m_Binned = false;
    m_Built = true;
}

void cStripIndex::Add(size_t position, const cHitBox& box) {
    // A box that is empty, or has NaN across, overlaps nothing.
    if (!(box.left <= box.right) || box.Empty()) return;
    m_Entries.push_back({position, RawStrip(box.left, kStripDots), RawStrip(box.right, kStripDots)});
    m_Binned = false;
}

// Strips past the last one the index keeps share it: clamping keeps every overlap.
int64_t cStripIndex::StripOf(double x) const {
    const int64_t strip = RawStrip(x, kStripDots) - m_Base;
    return std::max<int64_t>(0, std::min<int64_t>(strip, static_cast<int64_t>(m_Strips.size()) - 1));
}

void cStripIndex::Bin() {
    m_Binned = true;
    for (std::vector<size_t>& strip : m_Strips) strip.clear();
    if (m_Entries.empty()) return;
    int64_t first = m_Entries[0].first, last = m_Entries[0].last;
    for (const cEntry& e : m_Entries) {
        first = std::min(first, e.first);
        last = std::max(last, e.last);
    }
    m_Base = first;
    const size_t strips = static_cast<size_t>(std::min(last - first + 1, kMaxStrips));
    m_Strips.resize(strips);
    for (const cEntry& e : m_Entries) {
        const int64_t to = std::min<int64_t>(e.last - m_Base, static_cast<int64_t>(strips) - 1);
        for (int64_t s = std::min<int64_t>(e.first - m_Base, static_cast<int64_t>(strips) - 1); s <= to; ++s)
            m_Strips[static_cast<size_t>(s)].push_back(e.position);
    }
}

size_t cStripIndex::Next(const cHitBox& box, size_t from) {
    if (!(box.left <= box.right) || box.Empty()) return m_Count;
    if (!m_Binned) Bin();
    if (m_Strips.empty()) return m_Count;
    size_t next = m_Count;
    const int64_t to = StripOf(box.right);
    for (int64_t s = StripOf(box.left); s <= to; ++s) {
        const std::vector<size_t>& strip = m_Strips[static_cast<size_t>(s)];
        const auto at = std::lower_bound(strip.begin(), strip.end(), from);
        if (at != strip.end()) next = std::min(next, *at);
    }
    return next;
}
