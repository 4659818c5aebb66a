#include "game/play/StripIndex.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

const int kStripDots = 64;  // two cells
const int64_t kMaxStrips = 4096;

// A strip number of any finite or infinite x; NaN never reaches it. Rounded down by hand: the
// library's floor is a call, and this runs for every query.
int64_t RawStrip(double x, int dots) {
    const double strip = std::max(-1e12, std::min(x / dots, 1e12));
    const int64_t whole = static_cast<int64_t>(strip);
    return static_cast<double>(whole) > strip ? whole - 1 : whole;
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
    AddSpan(position, box.left, box.right);
}

// Ends in either order: two spans whose ends meet as boxes' edges do (each left at or before the
// other's right) always share a strip once each is taken low end first. A NaN end meets nothing.
void cStripIndex::AddSpan(size_t position, double left, double right) {
    if (right < left) std::swap(left, right);
    if (!(left <= right)) return;
    m_Entries.push_back({position, RawStrip(left, kStripDots), RawStrip(right, kStripDots)});
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
    return NextInSpan(box.left, box.right, from);
}

size_t cStripIndex::NextInSpan(double left, double right, size_t from) {
    int64_t first = 0, last = 0;
    return StripsOf(left, right, first, last) ? NextInStrips(first, last, from) : m_Count;
}

bool cStripIndex::StripsOf(double left, double right, int64_t& first, int64_t& last) {
    if (right < left) std::swap(left, right);
    if (!(left <= right)) return false;
    if (!m_Binned) Bin();
    if (m_Strips.empty()) return false;
    first = StripOf(left);
    last = StripOf(right);
    return true;
}

size_t cStripIndex::NextInStrips(int64_t first, int64_t last, size_t from) const {
    size_t next = m_Count;
    for (int64_t s = first; s <= last; ++s) {
        const std::vector<size_t>& strip = m_Strips[static_cast<size_t>(s)];
        const auto at = std::lower_bound(strip.begin(), strip.end(), from);
        if (at != strip.end()) next = std::min(next, *at);
    }
    return next;
}
