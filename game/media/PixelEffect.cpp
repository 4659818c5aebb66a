#include "game/media/PixelEffect.h"

#include <algorithm>
#include <mutex>
#include <type_traits>
#include <vector>

#include "framework/ErrorLog.h"
#include "game/media/ChannelTables.h"
#include "game/media/StableMath.h"

namespace {

bool SameDepth(const cPixelView& a, const cPixelView& b) { return a.nBytesPerPixel == b.nBytesPerPixel; }
bool IsIndexed(const cPixelView& v) { return v.nBytesPerPixel == 1; }

// Rows of a view by pointer: element x of the row is pixel x.
template <class Pixel>
Pixel* RowOf(const cPixelView& v, int y) {
    return reinterpret_cast<Pixel*>(v.lpBits + static_cast<ptrdiff_t>(y) * v.nPitch);
}

// The steps i of 0 ... n - 1 whose positions a + i lie inside [0, sizeA) and b + i inside
// [0, sizeB): [lo, hi), empty when hi <= lo. Clipping once per call spares a check per pixel.
struct cSpan {
    int lo;
    int hi;
    bool Empty() const { return hi <= lo; }
};
cSpan Clip(int n, int a, int sizeA, int b, int sizeB) {
    long long lo = std::max({0LL, -static_cast<long long>(a), -static_cast<long long>(b)});
    long long hi = std::min({static_cast<long long>(n), static_cast<long long>(sizeA) - a, static_cast<long long>(sizeB) - b});
    return {static_cast<int>(lo), static_cast<int>(std::max(hi, lo))};
}
cSpan Clip(int n, int a, int sizeA) { return Clip(n, a, sizeA, a, sizeA); }

// f applied n times to every value 0-255, by repeated squaring: the work does not grow with n.
std::vector<uint8_t> Power(const std::vector<uint8_t>& f, int n) {
    std::vector<uint8_t> result(256), step = f, next(256);
    for (int v = 0; v < 256; ++v) result[v] = static_cast<uint8_t>(v);
    for (; n > 0; n >>= 1) {
        if (n & 1)
            for (int v = 0; v < 256; ++v) result[v] = step[result[v]];
        for (int v = 0; v < 256; ++v) next[v] = step[step[v]];
        step.swap(next);
    }
    return result;
}

int Clamp255(int v) { return v < 0 ? 0 : v > 255 ? 255 : v; }

// Fills the part of the block that lies inside the destination.
template <class Pixel>
void FillBlock(const cPixelView& dest, int x0, int y0, int w, int h, uint32_t pixel) {
    cSpan cx = Clip(w, x0, dest.nWidth), cy = Clip(h, y0, dest.nHeight);
    for (int j = cy.lo; j < cy.hi; ++j) {
        Pixel* row = RowOf<Pixel>(dest, y0 + j) + x0;
        std::fill(row + cx.lo, row + cx.hi, static_cast<Pixel>(pixel));
    }
}

// Locks both records and runs the routine on their views at the display's rules.
template <class Routine>
bool OnLockedPair(cSurface& dest, cSurface& source, Routine routine) {
    cLockedPair locked(dest, source);
    if (!locked.IsLocked()) return false;
    return routine(locked.Dest(), locked.Source(), DisplayPixelRules());
}

// What each value of each channel becomes, in place in the pixel.
struct cChannelMaps {
    std::vector<uint16_t> red, green, blue;
};

// Every pixel of the spans through the channel maps. With the key, transparent source pixels are
// skipped, and so, where keyResults is set, are results that come out transparent.
void MapPixels(const cChannelTables& t, const cChannelMaps& maps, const cPixelView& dest, int x, int y,
               const cPixelView& source, int sx, int sy, cSpan ci, cSpan cj, int colorKey, bool keyResults,
               uint32_t transparent) {
    const uint16_t *mr = maps.red.data(), *mg = maps.green.data(), *mb = maps.blue.data();
    WithSplit(t, [&](const auto& split) {
        for (int j = cj.lo; j < cj.hi; ++j) {
            const uint16_t* s = RowOf<const uint16_t>(source, sy + j) + sx;
            uint16_t* d = RowOf<uint16_t>(dest, y + j) + x;
            for (int i = ci.lo; i < ci.hi; ++i) {
                uint32_t p = s[i];
                if (colorKey && p == transparent) continue;
                uint32_t q = mr[split.Red(p)] | mg[split.Green(p)] | mb[split.Blue(p)];
                if (colorKey && keyResults && q == transparent) continue;
                d[i] = static_cast<uint16_t>(q);
            }
        }
    });
}

// A channel's half-way blend of two values, in place in the pixel: a table over every pair of
// values where the channel is small enough (at most 8 bits), the conversions otherwise.
class cPairTable {
public:
    explicit cPairTable(const cChannel& channel) : m_Channel(channel) {
        while ((1u << m_Bits) <= channel.dwMask) ++m_Bits;
        if (m_Bits > 8) return;
        m_Table.resize(static_cast<size_t>(1) << (2 * m_Bits));
        for (uint32_t a = 0; a <= channel.dwMask; ++a)
            for (uint32_t b = 0; b <= channel.dwMask; ++b)
                m_Table[a << m_Bits | b] = static_cast<uint16_t>(Blend(a, b));
    }
    uint32_t operator()(uint32_t a, uint32_t b) const {
        return m_Table.empty() ? Blend(a, b) : m_Table[a << m_Bits | b];
    }
    // The table (null where the channel is too wide for one) and how to index it.
    const uint16_t* Table() const { return m_Table.empty() ? nullptr : m_Table.data(); }
    int Bits() const { return m_Bits; }

private:
    uint32_t Blend(uint32_t a, uint32_t b) const {
        return m_Channel.FromByte[(m_Channel.ToByte[a] + m_Channel.ToByte[b]) >> 1];
    }

    const cChannel& m_Channel;
    int m_Bits = 0;
    std::vector<uint16_t> m_Table;
};

// The half blend at depth 16 where every channel has a pair table: the loop works on plain
// locals, a few shifts and three lookups per pixel.
void HalfThroughPairs(const cChannelTables& t, const cPixelView& dest, int x, int y, const cPixelView& source,
                      int sx, int sy, cSpan ci, cSpan cj, int colorKey, uint32_t transparent, const cPairTable& hr,
                      const cPairTable& hg, const cPairTable& hb) {
    const uint16_t *tr = hr.Table(), *tg = hg.Table(), *tb = hb.Table();
    const int rbits = hr.Bits(), gbits = hg.Bits(), bbits = hb.Bits();
    WithSplit(t, [&](const auto& split) {
        for (int j = cj.lo; j < cj.hi; ++j) {
            const uint16_t* s = RowOf<const uint16_t>(source, sy + j) + sx;
            uint16_t* d = RowOf<uint16_t>(dest, y + j) + x;
            for (int i = ci.lo; i < ci.hi; ++i) {
                uint32_t a = s[i], b = d[i];
                if (colorKey && (a == transparent || b == transparent)) {
                    if (a != transparent) d[i] = static_cast<uint16_t>(a);
                    continue;
                }
                d[i] = static_cast<uint16_t>(tr[split.Red(a) << rbits | split.Red(b)] |
                                             tg[split.Green(a) << gbits | split.Green(b)] |
                                             tb[split.Blue(a) << bbits | split.Blue(b)]);
            }
        }
    });
}

// Mosaic at depth 16: each block the average of its source pixels.
void MosaicDirect(const cPixelView& dest, int x, int y, int w, int h, int n, const cPixelView& source, int sx,
                  int sy, int colorKey, const cPixelRules& rules) {
    auto tables = ChannelTables(rules.Format);
    const cChannelTables& t = *tables;
    if (n == 1) {
        // Blocks of one pixel: each pixel through the scale and back.
        auto same = [](int c) { return c; };
        cChannelMaps maps{t.Red.Map(same), t.Green.Map(same), t.Blue.Map(same)};
        cSpan ci = Clip(w, sx, source.nWidth, x, dest.nWidth), cj = Clip(h, sy, source.nHeight, y, dest.nHeight);
        MapPixels(t, maps, dest, x, y, source, sx, sy, ci, cj, colorKey, true, rules.dwTransparent);
        return;
    }
    for (int by = 0; by < h; by += n) {
        int bh = std::min(n, h - by);
        cSpan cy = Clip(bh, sy + by, source.nHeight);
        for (int bx = 0; bx < w; bx += n) {
            int bw = std::min(n, w - bx);
            cSpan cx = Clip(bw, sx + bx, source.nWidth);
            int r = 0, g = 0, b = 0, count = 0;
            for (int j = cy.lo; j < cy.hi; ++j) {
                const uint16_t* row = RowOf<const uint16_t>(source, sy + by + j) + sx + bx;
                for (int i = cx.lo; i < cx.hi; ++i) {
                    uint32_t p = row[i];
                    if (colorKey && p == rules.dwTransparent) continue;
                    r += t.Red.Byte(p);
                    g += t.Green.Byte(p);
                    b += t.Blue.Byte(p);
                    ++count;
                }
            }
            if (!count) continue;
            uint32_t pixel = count == 1 ? t.Pixel(r, g, b) : t.Pixel(r / count, g / count, b / count);
            if (colorKey && pixel == rules.dwTransparent) continue;
            FillBlock<uint16_t>(dest, x + bx, y + by, bw, bh, pixel);
        }
    }
}

// Mosaic at depth 8: each block the colour of its top-left source pixel.
void MosaicIndexed(const cPixelView& dest, int x, int y, int w, int h, int n, const cPixelView& source, int sx,
                   int sy, int colorKey, const cPixelRules& rules) {
    for (int by = 0; by < h; by += n) {
        for (int bx = 0; bx < w; bx += n) {
            if (!source.Contains(sx + bx, sy + by)) continue;
            uint32_t pixel = RowOf<const uint8_t>(source, sy + by)[sx + bx];
            if (colorKey && pixel == rules.dwTransparent) continue;
            FillBlock<uint8_t>(dest, x + bx, y + by, std::min(n, w - bx), std::min(n, h - by), pixel);
        }
    }
}

// A sum of pixels for the blur: red and green in the two halves of one 64-bit integer, blue and
// the count of pixels in the other, so that a sum takes two additions. A half holds the sums of
// 16 million pixels; differences of prefix sums stay exact even where the prefixes overflow.
struct cBoxSum {
    uint64_t rg = 0;
    uint64_t bc = 0;
    static constexpr int kGreenShift = 32, kBlueShift = 0;
    static const uint64_t kOne = 1ULL << 32;
    // A pixel from its red and green shares and its blue share with the count.
    static cBoxSum Of(uint64_t rg, uint64_t bc) { return {rg, bc}; }
    uint32_t Red() const { return static_cast<uint32_t>(rg); }
    uint32_t Green() const { return static_cast<uint32_t>(rg >> 32); }
    uint32_t Blue() const { return static_cast<uint32_t>(bc); }
    uint32_t Count() const { return static_cast<uint32_t>(bc >> 32); }
    cBoxSum& operator+=(const cBoxSum& o) {
        rg += o.rg;
        bc += o.bc;
        return *this;
    }
    cBoxSum& operator-=(const cBoxSum& o) {
        rg -= o.rg;
        bc -= o.bc;
        return *this;
    }
};

// The same in one 64-bit integer of four 16-bit parts, for windows of at most 257 pixels, whose
// sums fit 16 bits: half the memory and one addition. The parts are sums of their own, so a
// difference of two sums is exact in each part wherever the part's true difference fits it,
// whatever carried between the parts of the two.
struct cSmallBoxSum {
    uint64_t v = 0;
    static constexpr int kGreenShift = 16, kBlueShift = 32;
    static const uint64_t kOne = 1ULL << 48;
    static constexpr int kMostCount = 65535 / 255;
    static cSmallBoxSum Of(uint64_t rg, uint64_t bc) { return {rg + bc}; }
    uint32_t Red() const { return static_cast<uint32_t>(v & 0xFFFF); }
    uint32_t Green() const { return static_cast<uint32_t>((v >> 16) & 0xFFFF); }
    uint32_t Blue() const { return static_cast<uint32_t>((v >> 32) & 0xFFFF); }
    uint32_t Count() const { return static_cast<uint32_t>(v >> 48); }
    cSmallBoxSum& operator+=(const cSmallBoxSum& o) {
        v += o.v;
        return *this;
    }
    cSmallBoxSum& operator-=(const cSmallBoxSum& o) {
        v -= o.v;
        return *this;
    }
};

// Each 16-bit pixel's share of a small box sum (its three channels and a count of one), for the
// format of the tables: one lookup in place of three splits and three. The transparent colour
// of a keyed blur shares nothing, so that the sums of a row take no test per pixel (kNoKey: every
// pixel counts). Built once per format and key (512 KB); the unkeyed table and the last keyed
// one are kept while the format stays the same, as a frame may blur both ways.
const uint32_t kNoKey = 0x10000;  // beyond every 16-bit pixel
std::shared_ptr<const std::vector<uint64_t>> SmallSumShares(const std::shared_ptr<const cChannelTables>& tables,
                                                            uint32_t key) {
    struct cBuilt {
        std::shared_ptr<const cChannelTables> tables;
        uint32_t key = kNoKey;
        std::shared_ptr<const std::vector<uint64_t>> shares;
    };
    static std::mutex lock;
    static cBuilt built[2];  // unkeyed, keyed
    std::lock_guard<std::mutex> guard(lock);
    cBuilt& slot = built[key == kNoKey ? 0 : 1];
    if (slot.shares && slot.tables == tables && slot.key == key) return slot.shares;
    const cChannelTables& t = *tables;
    auto shares = std::make_shared<std::vector<uint64_t>>(65536);
    for (uint32_t p = 0; p < shares->size(); ++p)
        (*shares)[p] = p == key ? 0
                                : t.Red.ToByte[t.Red.Value(p)] |
                                      static_cast<uint64_t>(t.Green.ToByte[t.Green.Value(p)]) << cSmallBoxSum::kGreenShift |
                                      static_cast<uint64_t>(t.Blue.ToByte[t.Blue.Value(p)]) << cSmallBoxSum::kBlueShift |
                                      cSmallBoxSum::kOne;
    slot.tables = tables;
    slot.key = key;
    slot.shares = shares;
    return shares;
}

// Box sums of the blur, row by row. The horizontal sums of a source row are made once, when the
// row enters the window of rows, and kept in a ring of as many rows as the window holds until
// the row leaves; the column sums of the window change by the rows that enter and leave.
template <class Sum>
class cBoxSums {
public:
    cBoxSums(int columns, int ringRows)
        : m_Columns(columns), m_Ring(ringRows), m_Window(columns), m_Rows(static_cast<size_t>(columns) * ringRows) {}
    Sum* Slot(int row) { return &m_Rows[static_cast<size_t>(row % m_Ring) * m_Columns]; }
    void Remove(int row) {
        const Sum* slot = Slot(row);
        for (int c = 0; c < m_Columns; ++c) m_Window[c] -= slot[c];
    }
    Sum* Window() { return m_Window.data(); }

private:
    int m_Columns;
    int m_Ring;
    std::vector<Sum> m_Window;
    std::vector<Sum> m_Rows;
};

// Integer quotients of sums of up to 255 per pixel by pixel counts. A multiplication by 2^40 /
// count, rounded up, and a shift give the exact quotient while sum x count < 2^40, which holds
// for counts up to 65,000; larger counts divide.
class cDivider {
public:
    explicit cDivider(int mostCount) : m_Factors(static_cast<size_t>(std::min(mostCount, kExactCounts)) + 1) {
        for (size_t c = 1; c < m_Factors.size(); ++c) m_Factors[c] = (1ULL << 40) / c + 1;
    }
    int operator()(uint32_t sum, uint32_t count) const {
        uint64_t factor = Factor(count);
        return factor ? Divide(sum, factor) : static_cast<int>(sum / count);
    }
    // The factor of a count, 0 for a count that divides; one factor serves the three channels.
    uint64_t Factor(uint32_t count) const { return count < m_Factors.size() ? m_Factors[count] : 0; }
    static int Divide(uint32_t sum, uint64_t factor) { return static_cast<int>((sum * factor) >> 40); }

private:
    static constexpr int kExactCounts = 65000;
    std::vector<uint64_t> m_Factors;
};

}  // namespace

cPixelRules DisplayPixelRules() {
    cPixelRules rules;
    rules.Format = Display().Format;
    rules.dwTransparent = Display().dwTransparent;
    rules.lpMixTable = Display().MixTable;
    return rules;
}

bool MosaicPixels(const cPixelView& dest, int x, int y, int w, int h, int n, const cPixelView& source, int sx,
                  int sy, int colorKey, const cPixelRules& rules) {
    if (!SameDepth(dest, source)) return false;
    n = std::max(n, 1);
    if (IsIndexed(source))
        MosaicIndexed(dest, x, y, w, h, n, source, sx, sy, colorKey, rules);
    else
        MosaicDirect(dest, x, y, w, h, n, source, sx, sy, colorKey, rules);
    return true;
}

// Each destination pixel averages the source pixels of its window (-rx ... rx - 1, -ry ... ry - 1)
// that lie inside both the area and the source. Where source and destination are one surface,
// the source is read as it was before the call.
bool BlurPixels(const cPixelView& dest, int x, int y, int w, int h, int rx, int ry, const cPixelView& source,
                int sx, int sy, int colorKey, const cPixelRules& rules) {
    if (!SameDepth(dest, source) || IsIndexed(source)) return false;
    // A radius of 0 counts nothing: every pixel is left as it is.
    if (rx <= 0 || ry <= 0) return true;
    cSpan di = Clip(w, x, dest.nWidth), dj = Clip(h, y, dest.nHeight);
    cSpan si = Clip(w, sx, source.nWidth), sj = Clip(h, sy, source.nHeight);
    if (di.Empty() || dj.Empty() || si.Empty() || sj.Empty()) return true;
    auto tables = ChannelTables(rules.Format);
    const cChannelTables& t = *tables;

    // The source pixels that count, (si.lo, sj.lo) first, copied when the destination shares them.
    int sw = si.hi - si.lo, sh = sj.hi - sj.lo;
    std::vector<uint16_t> copy;
    const uint8_t* sourceBase = reinterpret_cast<const uint8_t*>(RowOf<const uint16_t>(source, sy + sj.lo) + sx + si.lo);
    ptrdiff_t sourcePitch = source.nPitch;
    if (dest.lpBits == source.lpBits) {
        copy.resize(static_cast<size_t>(sw) * sh);
        for (int j = 0; j < sh; ++j)
            std::copy_n(reinterpret_cast<const uint16_t*>(sourceBase + j * sourcePitch), sw, &copy[static_cast<size_t>(j) * sw]);
        sourceBase = reinterpret_cast<const uint8_t*>(copy.data());
        sourcePitch = static_cast<ptrdiff_t>(sw) * 2;
    }
    auto sourceRow = [&](int jj) { return reinterpret_cast<const uint16_t*>(sourceBase + (jj - sj.lo) * sourcePitch); };

    // The count of a window wholly inside the source. Sums of windows of up to this many fit the
    // small form where it is small enough; others take the wide one.
    const int usual = std::min(2 * rx, sw) * std::min(2 * ry, sh);
    std::shared_ptr<const std::vector<uint64_t>> smallShares;  // for the small form
    auto blur = [&](auto zero) {
        using Sum = decltype(zero);
        // Each channel's value as its share of a sum.
        std::vector<uint64_t> red(t.Red.ToByte.size()), green(t.Green.ToByte.size()), blue(t.Blue.ToByte.size());
        for (size_t v = 0; v < red.size(); ++v) red[v] = t.Red.ToByte[v];
        for (size_t v = 0; v < green.size(); ++v) green[v] = static_cast<uint64_t>(t.Green.ToByte[v]) << Sum::kGreenShift;
        for (size_t v = 0; v < blue.size(); ++v) blue[v] = (static_cast<uint64_t>(t.Blue.ToByte[v]) << Sum::kBlueShift) | Sum::kOne;

        // Horizontal sums of source row jj for destination columns di: prefix sums of the row, then
        // each window as a difference of two.
        int columns = di.hi - di.lo;
        std::vector<Sum> prefix(static_cast<size_t>(sw) + 1);
        cBoxSums<Sum> sums(columns, std::min(2 * ry, sh));
        // Takes source row jj into the window and, in the same pass, row leaving out of it (-1: none;
        // its slot is read before row jj may take it).
        auto enter = [&](int jj, int leaving) {
            const uint16_t* row = sourceRow(jj);
            if constexpr (std::is_same<Sum, cSmallBoxSum>::value) {
                const uint64_t* share = smallShares->data();
                Sum sum;
                for (int k = 0; k < sw; ++k) {
                    sum.v += share[row[k]];
                    prefix[k + 1] = sum;
                }
            } else {
                const uint64_t *r = red.data(), *g = green.data(), *b = blue.data();
                WithSplit(t, [&](const auto& split) {
                    Sum sum;
                    for (int k = 0; k < sw; ++k) {
                        uint32_t pixel = row[k];
                        uint64_t keep = colorKey && pixel == rules.dwTransparent ? 0 : ~0ULL;
                        sum += Sum::Of((r[split.Red(pixel)] + g[split.Green(pixel)]) & keep, b[split.Blue(pixel)] & keep);
                        prefix[k + 1] = sum;
                    }
                });
            }
            Sum* slot = sums.Slot(jj);
            Sum* window = sums.Window();
            const Sum* old = leaving >= 0 ? sums.Slot(leaving) : nullptr;
            auto put = [&](int c, const Sum& h) {
                window[c] += h;
                if (old) window[c] -= old[c];
                slot[c] = h;
            };
            // Columns whose window lies inside the source row take a plain difference of prefix
            // sums; those near the row's ends are cut to it.
            int inner = std::max(std::min(si.lo + rx - di.lo, columns), 0);
            int innerEnd = std::max(std::min(si.hi - rx - di.lo + 1, columns), inner);
            auto cut = [&](int c) {
                int i = di.lo + c;
                int lo = std::max(i - rx, si.lo) - si.lo;
                int hi = std::max(std::min(i + rx, si.hi) - si.lo, lo);
                Sum h = prefix[hi];
                put(c, h -= prefix[lo]);
            };
            for (int c = 0; c < inner; ++c) cut(c);
            const Sum* ahead = prefix.data() + (di.lo + rx - si.lo) + inner;
            const Sum* behind = prefix.data() + (di.lo - rx - si.lo) + inner;
            int n = innerEnd - inner;
            Sum *w = window + inner, *to = slot + inner;
            if (old) {
                const Sum* from = old + inner;
                for (int c = 0; c < n; ++c) {
                    Sum h = ahead[c];
                    h -= behind[c];
                    w[c] += h;
                    w[c] -= from[c];
                    to[c] = h;
                }
            } else {
                for (int c = 0; c < n; ++c) {
                    Sum h = ahead[c];
                    h -= behind[c];
                    w[c] += h;
                    to[c] = h;
                }
            }
            for (int c = innerEnd; c < columns; ++c) cut(c);
        };

        // The average of the usual count (a window wholly inside the source) straight from its sum,
        // in place in the pixel; other counts divide.
        cDivider divide(usual);
        std::vector<uint16_t> usualRed, usualGreen, usualBlue;
        if (usual <= 256) {
            for (auto* table : {&usualRed, &usualGreen, &usualBlue}) table->resize(255 * usual + 1);
            for (int sum = 0; sum <= 255 * usual; ++sum) {
                int average = divide(sum, usual);
                usualRed[sum] = static_cast<uint16_t>(t.Red.FromByte[average]);
                usualGreen[sum] = static_cast<uint16_t>(t.Green.FromByte[average]);
                usualBlue[sum] = static_cast<uint16_t>(t.Blue.FromByte[average]);
            }
        }
        const uint32_t fastCount = usualRed.empty() ? 0 : static_cast<uint32_t>(usual);
        // Counts up to 256 (sums below 2^16): 2^24 / count rounded up gives the exact quotient for
        // every sum up to 255 x count (sum x (factor x count - 2^24) < 2^24), and a product of a
        // sum and the factor stays below 2^32, so red and blue, 32 bits apart, share one
        // multiplication.
        std::vector<uint32_t> small;
        if (usual <= 256) {
            small.resize(static_cast<size_t>(usual) + 1);
            for (size_t c = 1; c < small.size(); ++c) small[c] = static_cast<uint32_t>((1u << 24) / c + 1);
        }
        // Any other count: a multiplication by its factor where the count has one, else divisions.
        auto average = [&](const Sum& s) {
            uint32_t count = s.Count(), r = s.Red(), g = s.Green(), b = s.Blue();
            uint64_t factor = divide.Factor(count);
            return static_cast<uint16_t>(
                factor ? t.Pixel(cDivider::Divide(r, factor), cDivider::Divide(g, factor), cDivider::Divide(b, factor))
                       : t.Pixel(r / count, g / count, b / count));
        };
        int windowLo = std::max(dj.lo - ry, sj.lo), windowHi = windowLo;
        for (int j = dj.lo; j < dj.hi; ++j) {
            int lo = std::max(j - ry, sj.lo), hi = std::max(std::min(j + ry, sj.hi), lo);
            // Rows [windowLo, min(lo, windowHi)) leave, rows [max(windowHi, lo), hi) enter: in pairs
            // while both last (the window sliding down, the usual case), then the rest.
            int outFrom = windowLo, outTo = std::min(lo, windowHi), inFrom = std::max(windowHi, lo);
            for (; outFrom < outTo && inFrom < hi; ++outFrom, ++inFrom) enter(inFrom, outFrom);
            for (; outFrom < outTo; ++outFrom) sums.Remove(outFrom);
            for (; inFrom < hi; ++inFrom) enter(inFrom, -1);
            windowLo = lo;
            windowHi = hi;
            const Sum* window = sums.Window();
            uint16_t* out = RowOf<uint16_t>(dest, y + j) + x;
            if (colorKey) {
                // Only pixels with a source pixel that is not the key change; the window of such a
                // pixel holds at least that one. Most windows near a transparent pixel hold fewer
                // than the usual count, so every count takes the same path: no branch to mispredict.
                if (j < sj.lo || j >= sj.hi) continue;
                const uint16_t* centre = sourceRow(j);  // column si.lo first
                int from = std::max(di.lo, si.lo), end = std::min(di.hi, si.hi);
                if (!small.empty()) {
                    const uint32_t *toRed = t.Red.FromByte, *toGreen = t.Green.FromByte, *toBlue = t.Blue.FromByte;
                    for (int i = from; i < end; ++i) {
                        if (centre[i - si.lo] == rules.dwTransparent) continue;
                        const Sum& s = window[i - di.lo];
                        uint64_t factor = small[s.Count()];
                        uint64_t redBlue = (s.Red() | static_cast<uint64_t>(s.Blue()) << 32) * factor;
                        out[i] = static_cast<uint16_t>(toRed[static_cast<uint32_t>(redBlue) >> 24] |
                                                       toGreen[(s.Green() * factor) >> 24] | toBlue[redBlue >> 56]);
                    }
                } else {
                    for (int i = from; i < end; ++i)
                        if (centre[i - si.lo] != rules.dwTransparent) out[i] = average(window[i - di.lo]);
                }
                continue;
            }
            for (int c = 0; c < columns; ++c) {
                const Sum& s = window[c];
                uint32_t count = s.Count();
                if (count == fastCount)
                    out[di.lo + c] = static_cast<uint16_t>(usualRed[s.Red()] | usualGreen[s.Green()] | usualBlue[s.Blue()]);
                else if (count)
                    out[di.lo + c] = average(s);
            }
        }
    };
    if (usual <= cSmallBoxSum::kMostCount) {
        smallShares = SmallSumShares(tables, colorKey && rules.dwTransparent < kNoKey ? rules.dwTransparent : kNoKey);
        blur(cSmallBoxSum());
    } else {
        blur(cBoxSum());
    }
    return true;
}

bool TintPixels(const cPixelView& dest, int x, int y, int w, int h, const cPixelView& source, int sx, int sy,
                int colorKey, const PALETTEENTRY* palette, int t, int n, const cPixelRules& rules) {
    if (!SameDepth(dest, source)) return false;
    if (n <= 0) return true;
    t &= kPaletteSize - 1;
    cSpan ci = Clip(w, sx, source.nWidth, x, dest.nWidth), cj = Clip(h, sy, source.nHeight, y, dest.nHeight);
    if (IsIndexed(source)) {
        if (!rules.lpMixTable) return false;
        std::vector<uint8_t> step(256);
        for (int p = 0; p < 256; ++p) step[p] = rules.lpMixTable[p * 256 + t];
        std::vector<uint8_t> map = Power(step, n);
        for (int j = cj.lo; j < cj.hi; ++j) {
            const uint8_t* s = RowOf<const uint8_t>(source, sy + j) + sx;
            uint8_t* d = RowOf<uint8_t>(dest, y + j) + x;
            for (int i = ci.lo; i < ci.hi; ++i) {
                uint8_t p = s[i];
                if (colorKey && p == rules.dwTransparent) continue;
                d[i] = map[p];
            }
        }
        return true;
    }
    auto tables = ChannelTables(rules.Format);
    cRgb toward = EntryToRgb(palette[t], rules.Format);
    // Each component halves its way toward the colour n times: one table per channel.
    auto channelMap = [&](const cChannel& channel, int target) {
        std::vector<uint8_t> halve(256);
        for (int c = 0; c < 256; ++c) halve[c] = static_cast<uint8_t>((c + target) >> 1);
        std::vector<uint8_t> times = Power(halve, n);
        return channel.Map([&](int c) { return times[c]; });
    };
    cChannelMaps maps{channelMap(tables->Red, toward.r), channelMap(tables->Green, toward.g),
                      channelMap(tables->Blue, toward.b)};
    MapPixels(*tables, maps, dest, x, y, source, sx, sy, ci, cj, colorKey, false, rules.dwTransparent);
    return true;
}

bool HalfPixels(const cPixelView& dest, int x, int y, int w, int h, const cPixelView& source, int sx, int sy,
                int colorKey, const uint8_t* mixTable, const cPixelRules& rules) {
    if (!SameDepth(dest, source) || (IsIndexed(source) && !mixTable)) return false;
    cSpan ci = Clip(w, sx, source.nWidth, x, dest.nWidth), cj = Clip(h, sy, source.nHeight, y, dest.nHeight);
    if (IsIndexed(source)) {
        // At depth 8 index 0 is the transparent one.
        for (int j = cj.lo; j < cj.hi; ++j) {
            const uint8_t* s = RowOf<const uint8_t>(source, sy + j) + sx;
            uint8_t* d = RowOf<uint8_t>(dest, y + j) + x;
            for (int i = ci.lo; i < ci.hi; ++i) {
                uint8_t a = s[i], b = d[i];
                if (colorKey && a == 0) continue;
                d[i] = colorKey && b == 0 ? a : mixTable[a + b * 256];
            }
        }
        return true;
    }
    auto tables = ChannelTables(rules.Format);
    const cChannel &cr = tables->Red, &cg = tables->Green, &cb = tables->Blue;
    cPairTable hr(cr), hg(cg), hb(cb);
    if (hr.Table() && hg.Table() && hb.Table()) {
        HalfThroughPairs(*tables, dest, x, y, source, sx, sy, ci, cj, colorKey, rules.dwTransparent, hr, hg, hb);
        return true;
    }
    for (int j = cj.lo; j < cj.hi; ++j) {
        const uint16_t* s = RowOf<const uint16_t>(source, sy + j) + sx;
        uint16_t* d = RowOf<uint16_t>(dest, y + j) + x;
        for (int i = ci.lo; i < ci.hi; ++i) {
            uint32_t a = s[i], b = d[i];
            if (colorKey && a == rules.dwTransparent) continue;
            if (colorKey && b == rules.dwTransparent) {
                d[i] = static_cast<uint16_t>(a);
                continue;
            }
            d[i] = static_cast<uint16_t>(hr(cr.Value(a), cr.Value(b)) | hg(cg.Value(a), cg.Value(b)) |
                                         hb(cb.Value(a), cb.Value(b)));
        }
    }
    return true;
}

bool LensPixels(const cPixelView& dest, int cx, int cy, int r, int height, const cPixelView& source, int sx,
                int sy, const cPixelRules& rules) {
    if (!SameDepth(dest, source) || r < 0 || height < 0) return false;
    int e = static_cast<int>(MathSqrt(static_cast<double>(r) * r + static_cast<double>(height) * height));
    if (height >= e) return true;
    double r2 = static_cast<double>(e) * e;
    for (int i = -r; i <= r; ++i)
        for (int j = -r; j <= r; ++j) {
            if (i * i + j * j > r * r || !dest.Contains(cx + j, cy + i)) continue;
            double t = MathSqrt(r2 - i * i - j * j);
            int row = i, column = j;
            if (t != 0) {
                row = static_cast<int>(i * height / t + 0.5);
                column = static_cast<int>(j * height / t + 0.5);
            }
            if (!source.Contains(sx + column, sy + row)) continue;
            uint32_t p = source.Get(sx + column, sy + row);
            if (p != rules.dwTransparent) dest.Set(cx + j, cy + i, p);
        }
    return true;
}

// A turn about (px, py) of a w x h box, by the fixed-point cosine and sine (1024 = 1) of the
// way back: where each destination step comes from.
struct cTurn {
    int px, py, w, h, cb, sb;
};

// The smallest step of [a, b] from which on the condition holds; b + 1 when it never does.
template <class Holds>
int FirstHolding(int a, int b, Holds holds) {
    int lo = a, hi = b + 1;
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (holds(mid))
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

// Narrows the steps [first, last] of a row to those whose coordinate lies in [lo, hi): the
// coordinate only rises or only falls along the row, so they stay one run.
template <class Coord>
void Narrow(int& first, int& last, Coord coord, bool rising, int lo, int hi) {
    const int a = first, b = last;
    if (a > b) return;
    if (rising) {
        first = FirstHolding(a, b, [&](int dx) { return coord(dx) >= lo; });
        last = FirstHolding(a, b, [&](int dx) { return coord(dx) >= hi; }) - 1;
    } else {
        first = FirstHolding(a, b, [&](int dx) { return coord(dx) < hi; });
        last = FirstHolding(a, b, [&](int dx) { return coord(dx) < lo; }) - 1;
    }
}

// Fills the destination columns [a, b) of the row that lie inside it.
template <class Pixel>
void FillSpan(const cPixelView& dest, int y, int a, int b, uint32_t pixel) {
    a = std::max(a, 0);
    b = std::min(b, dest.nWidth);
    if (a < b) std::fill(RowOf<Pixel>(dest, y) + a, RowOf<Pixel>(dest, y) + b, static_cast<Pixel>(pixel));
}

// Every destination pixel of the rows [top, bottom] and steps [left, right] about (x, y) that
// lies in the destination reads the source pixel it comes from. Each row is cut once to the
// steps whose source point lies in the box and the source, and along it the point moves by
// (cb, sb) in fixed point, added rather than multiplied again: the same integers. With a
// background, every other pixel of the destination gets it.
template <class Pixel>
void TurnRows(const cPixelView& dest, int x, int y, int left, int right, int top, int bottom, const cTurn& t,
              const cPixelView& source, int sx, int sy, int colorKey, uint32_t transparent,
              const uint32_t* background) {
    const int from = std::max(left, -x), to = std::min(right, dest.nWidth - 1 - x);
    const int rowFrom = std::max(top, -y), rowTo = from > to ? rowFrom - 1 : std::min(bottom, dest.nHeight - 1 - y);
    if (background) {
        for (int row = 0; row < dest.nHeight; ++row)
            if (row < y + rowFrom || row > y + rowTo) FillSpan<Pixel>(dest, row, 0, dest.nWidth, *background);
    }
    // The source point of step (dx, dy) is origin + (su >> 10, sv >> 10).
    const uint8_t* origin = source.lpBits + static_cast<ptrdiff_t>(sy + t.py) * source.nPitch +
                            static_cast<ptrdiff_t>(sx + t.px) * static_cast<ptrdiff_t>(sizeof(Pixel));
    const ptrdiff_t pitch = source.nPitch;
    for (int dy = rowFrom; dy <= rowTo; ++dy) {
        int first = from, last = to;
        Narrow(first, last, [&](int dx) { return t.px + ((t.cb * dx - t.sb * dy) >> 10); }, t.cb >= 0,
               std::max(0, -sx), std::min(t.w, source.nWidth - sx));
        Narrow(first, last, [&](int dx) { return t.py + ((t.sb * dx + t.cb * dy) >> 10); }, t.sb >= 0,
               std::max(0, -sy), std::min(t.h, source.nHeight - sy));
        if (background) {
            FillSpan<Pixel>(dest, y + dy, 0, x + first, *background);
            FillSpan<Pixel>(dest, y + dy, std::max(x + first, x + last + 1), dest.nWidth, *background);
        }
        Pixel* row = RowOf<Pixel>(dest, y + dy) + x;
        int su = t.cb * first - t.sb * dy, sv = t.sb * first + t.cb * dy;
        auto at = [&]() {
            return *reinterpret_cast<const Pixel*>(origin + static_cast<ptrdiff_t>(sv >> 10) * pitch +
                                                   static_cast<ptrdiff_t>(su >> 10) * static_cast<ptrdiff_t>(sizeof(Pixel)));
        };
        if (colorKey && background) {
            const Pixel fill = static_cast<Pixel>(*background);
            for (int dx = first; dx <= last; ++dx, su += t.cb, sv += t.sb) {
                const Pixel p = at();
                row[dx] = p != transparent ? p : fill;
            }
        } else if (colorKey) {
            for (int dx = first; dx <= last; ++dx, su += t.cb, sv += t.sb) {
                const Pixel p = at();
                if (p != transparent) row[dx] = p;
            }
        } else {
            for (int dx = first; dx <= last; ++dx, su += t.cb, sv += t.sb) row[dx] = at();
        }
    }
}

bool RotatePixels(const cPixelView& dest, int x, int y, int w, int h, int px, int py, double angle,
                  const cPixelView& source, int sx, int sy, int colorKey, const cPixelRules& rules,
                  const uint32_t* background) {
    if (!SameDepth(dest, source)) return false;
    double radians = angle * kPi / 180.0;
    int c = static_cast<int>(MathCos(radians) * 1024), s = static_cast<int>(MathSin(radians) * 1024);
    const int corners[4][2] = {{-px, -py}, {w - px, -py}, {-px, h - py}, {w - px, h - py}};
    int left = 0, right = 0, top = 0, bottom = 0;
    for (int k = 0; k < 4; ++k) {
        int cx = (c * corners[k][0] - s * corners[k][1]) >> 10;
        int cy = (s * corners[k][0] + c * corners[k][1]) >> 10;
        left = k ? std::min(left, cx) : cx;
        right = k ? std::max(right, cx) : cx;
        top = k ? std::min(top, cy) : cy;
        bottom = k ? std::max(bottom, cy) : cy;
    }
    int cb = static_cast<int>(MathCos(-radians) * 1024), sb = static_cast<int>(MathSin(-radians) * 1024);
    const cTurn turn{px, py, w, h, cb, sb};
    if (IsIndexed(dest))
        TurnRows<uint8_t>(dest, x, y, left - 2, right + 2, top - 2, bottom + 2, turn, source, sx, sy, colorKey,
                          rules.dwTransparent, background);
    else
        TurnRows<uint16_t>(dest, x, y, left - 2, right + 2, top - 2, bottom + 2, turn, source, sx, sy, colorKey,
                           rules.dwTransparent, background);
    return true;
}

bool FadePixels(const cPixelView& dest, int k, int red, int green, int blue, const cPixelView& source,
                const cPixelRules& rules) {
    if (!SameDepth(dest, source) || IsIndexed(source)) return false;
    auto tables = ChannelTables(rules.Format);
    auto toward = [k](int colour) { return [k, colour](int c) { return Clamp255((colour * (256 - k) + k * c) >> 8); }; };
    cChannelMaps maps{tables->Red.Map(toward(red)), tables->Green.Map(toward(green)), tables->Blue.Map(toward(blue))};
    cSpan all = {0, std::min(dest.nWidth, source.nWidth)}, rows = {0, std::min(dest.nHeight, source.nHeight)};
    MapPixels(*tables, maps, dest, 0, 0, source, 0, 0, all, rows, 0, false, 0);
    return true;
}

bool DDBltMosaic(cSurface& dest, int x, int y, int w, int h, int n, cSurface& source, int sx, int sy,
                 int colorKey) {
    return OnLockedPair(dest, source, [&](const cPixelView& d, const cPixelView& s, const cPixelRules& rules) {
        return MosaicPixels(d, x, y, w, h, n, s, sx, sy, colorKey, rules);
    });
}

bool DDBltBlur(cSurface& dest, int x, int y, int w, int h, int rx, int ry, cSurface& source, int sx, int sy,
               int colorKey) {
    if (Display().nBpp == 8) {
        ErrorLog("8ビットぼかしは不可能！");
        return false;
    }
    return OnLockedPair(dest, source, [&](const cPixelView& d, const cPixelView& s, const cPixelRules& rules) {
        return BlurPixels(d, x, y, w, h, rx, ry, s, sx, sy, colorKey, rules);
    });
}

bool DDBltTint(cSurface& dest, int x, int y, int w, int h, cSurface& source, int sx, int sy, int colorKey,
               const PALETTEENTRY* palette, int t, int n) {
    if (n <= 0) return true;
    return OnLockedPair(dest, source, [&](const cPixelView& d, const cPixelView& s, const cPixelRules& rules) {
        return TintPixels(d, x, y, w, h, s, sx, sy, colorKey, palette, t, n, rules);
    });
}

bool DDBltHalf(cSurface& dest, int x, int y, int w, int h, cSurface& source, int sx, int sy, int colorKey,
               const uint8_t* mixTable) {
    return OnLockedPair(dest, source, [&](const cPixelView& d, const cPixelView& s, const cPixelRules& rules) {
        return HalfPixels(d, x, y, w, h, s, sx, sy, colorKey, mixTable, rules);
    });
}

bool DDBltLens(cSurface& dest, int cx, int cy, int r, int height, cSurface& source, int sx, int sy) {
    return OnLockedPair(dest, source, [&](const cPixelView& d, const cPixelView& s, const cPixelRules& rules) {
        return LensPixels(d, cx, cy, r, height, s, sx, sy, rules);
    });
}

bool DDBltRotate(cSurface& dest, int x, int y, int w, int h, int px, int py, double angle, cSurface& source,
                 int sx, int sy, int colorKey, const uint32_t* background) {
    return OnLockedPair(dest, source, [&](const cPixelView& d, const cPixelView& s, const cPixelRules& rules) {
        return RotatePixels(d, x, y, w, h, px, py, angle, s, sx, sy, colorKey, rules, background);
    });
}

bool DDBltFade(cSurface& dest, int k, int red, int green, int blue, cSurface& source) {
    return OnLockedPair(dest, source, [&](const cPixelView& d, const cPixelView& s, const cPixelRules& rules) {
        return FadePixels(d, k, red, green, blue, s, rules);
    });
}
