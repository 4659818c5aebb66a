// The fast per-pixel effects against their definitions, written out here pixel by pixel as
// plainly as they read: random pictures, areas partly off both views, keyed and not, and the
// source and destination as one picture.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "game/media/PixelEffect.h"
#include "tests/game/media/DisplayFixture.h"

namespace {

struct cSum {
    int r = 0, g = 0, b = 0, count = 0;
    void Add(const cRgb& c) {
        r += c.r;
        g += c.g;
        b += c.b;
        ++count;
    }
    cRgb Average() const { return {r / count, g / count, b / count}; }
};

void MosaicDefinition(const cPixelView& dest, int x, int y, int w, int h, int n, const cPixelView& source, int sx,
                      int sy, int key, const cPixelRules& rules) {
    n = std::max(n, 1);
    for (int by = 0; by < h; by += n)
        for (int bx = 0; bx < w; bx += n) {
            int bw = std::min(n, w - bx), bh = std::min(n, h - by);
            uint32_t pixel;
            if (source.nBytesPerPixel == 1) {
                if (!source.Contains(sx + bx, sy + by)) continue;
                pixel = source.Get(sx + bx, sy + by);
                if (key && pixel == rules.dwTransparent) continue;
            } else {
                cSum sum;
                for (int j = 0; j < bh; ++j)
                    for (int i = 0; i < bw; ++i) {
                        if (!source.Contains(sx + bx + i, sy + by + j)) continue;
                        uint32_t p = source.Get(sx + bx + i, sy + by + j);
                        if (key && p == rules.dwTransparent) continue;
                        sum.Add(PixelToRgb(p, rules.Format));
                    }
                if (!sum.count) continue;
                pixel = RgbToPixel(sum.Average(), rules.Format);
                if (key && pixel == rules.dwTransparent) continue;
            }
            for (int j = 0; j < bh; ++j)
                for (int i = 0; i < bw; ++i)
                    if (dest.Contains(x + bx + i, y + by + j)) dest.Set(x + bx + i, y + by + j, pixel);
        }
}

// The source as it was before the call: a copy, so that a blur onto its own picture reads that.
void BlurDefinition(const cPixelView& dest, int x, int y, int w, int h, int rx, int ry, const cPixelView& source,
                    int sx, int sy, int key, const cPixelRules& rules) {
    std::string before(reinterpret_cast<const char*>(source.lpBits), static_cast<size_t>(source.nPitch) * source.nHeight);
    cPixelView s = source;
    s.lpBits = reinterpret_cast<uint8_t*>(&before[0]);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            if (!dest.Contains(x + i, y + j)) continue;
            if (key && (!s.Contains(sx + i, sy + j) || s.Get(sx + i, sy + j) == rules.dwTransparent)) continue;
            cSum sum;
            for (int dj = -ry; dj < ry; ++dj)
                for (int di = -rx; di < rx; ++di) {
                    int ii = i + di, jj = j + dj;
                    if (ii < 0 || jj < 0 || ii >= w || jj >= h || !s.Contains(sx + ii, sy + jj)) continue;
                    uint32_t p = s.Get(sx + ii, sy + jj);
                    if (key && p == rules.dwTransparent) continue;
                    sum.Add(PixelToRgb(p, rules.Format));
                }
            if (sum.count) dest.Set(x + i, y + j, RgbToPixel(sum.Average(), rules.Format));
        }
}

void TintDefinition(const cPixelView& dest, int x, int y, int w, int h, const cPixelView& source, int sx, int sy,
                    int key, const PALETTEENTRY* palette, int t, int n, const cPixelRules& rules) {
    cRgb toward = EntryToRgb(palette[t], rules.Format);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            if (!source.Contains(sx + i, sy + j) || !dest.Contains(x + i, y + j)) continue;
            uint32_t p = source.Get(sx + i, sy + j);
            if (key && p == rules.dwTransparent) continue;
            if (source.nBytesPerPixel == 1) {
                for (int k = 0; k < n; ++k) p = rules.lpMixTable[p * 256 + t];
            } else {
                cRgb c = PixelToRgb(p, rules.Format);
                for (int k = 0; k < n; ++k) c = {(c.r + toward.r) >> 1, (c.g + toward.g) >> 1, (c.b + toward.b) >> 1};
                p = RgbToPixel(c, rules.Format);
            }
            dest.Set(x + i, y + j, p);
        }
}

void HalfDefinition(const cPixelView& dest, int x, int y, int w, int h, const cPixelView& source, int sx, int sy,
                    int key, const uint8_t* mixTable, const cPixelRules& rules) {
    uint32_t transparent = source.nBytesPerPixel == 1 ? 0 : rules.dwTransparent;
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            if (!source.Contains(sx + i, sy + j) || !dest.Contains(x + i, y + j)) continue;
            uint32_t s = source.Get(sx + i, sy + j), d = dest.Get(x + i, y + j);
            if (key && s == transparent) continue;
            if (key && d == transparent) {
                dest.Set(x + i, y + j, s);
            } else if (source.nBytesPerPixel == 1) {
                dest.Set(x + i, y + j, mixTable[s + d * 256]);
            } else {
                cRgb a = PixelToRgb(s, rules.Format), b = PixelToRgb(d, rules.Format);
                dest.Set(x + i, y + j, RgbToPixel({(a.r + b.r) / 2, (a.g + b.g) / 2, (a.b + b.b) / 2}, rules.Format));
            }
        }
}

void FadeDefinition(const cPixelView& dest, int k, int red, int green, int blue, const cPixelView& source,
                    const cPixelRules& rules) {
    for (int y = 0; y < dest.nHeight; ++y)
        for (int x = 0; x < dest.nWidth; ++x) {
            if (!source.Contains(x, y)) continue;
            cRgb c = PixelToRgb(source.Get(x, y), rules.Format);
            c = {(red * (256 - k) + k * c.r) >> 8, (green * (256 - k) + k * c.g) >> 8, (blue * (256 - k) + k * c.b) >> 8};
            dest.Set(x, y, RgbToPixel(c, rules.Format));
        }
}

// Pseudo-random pixels, a tenth of them the transparent value.
void FillRandom(const cPixelView& v, uint32_t seed, uint32_t transparent) {
    for (int y = 0; y < v.nHeight; ++y)
        for (int x = 0; x < v.nWidth; ++x) {
            seed = seed * 1103515245u + 12345u;
            uint32_t p = seed >> 16;
            if ((seed >> 8) % 10 == 0) p = transparent;
            v.Set(x, y, v.nBytesPerPixel == 1 ? p & 0xFF : p & 0xFFFF);
        }
}

std::string Bytes(const cPixelView& v) {
    return std::string(reinterpret_cast<const char*>(v.lpBits), static_cast<size_t>(v.nPitch) * v.nHeight);
}

typedef std::function<void(const cPixelView& dest, const cPixelView& source, int x, int y, int sx, int sy, int key)>
    cEffectRun;

// Runs the effect and its definition on copies of the same pictures, for each placement, with
// and without the key, and on one picture as both source and destination.
void ExpectSame(const char* name, int bytesPerPixel, uint32_t transparent, const cEffectRun& fast,
                const cEffectRun& definition) {
    struct {
        int x, y, sx, sy;
    } placements[] = {{0, 0, 0, 0}, {3, 2, 1, 4}, {-5, -3, 2, 1}, {20, 15, -4, -6}, {1, 1, 30, 20}, {-40, 0, 0, 0}};
    for (const auto& at : placements)
        for (int key : {0, 1})
            for (bool onItself : {false, true}) {
                SCOPED_TRACE(testing::Message() << name << " at " << at.x << "," << at.y << " from " << at.sx << ","
                                                << at.sy << (key ? " keyed" : "") << (onItself ? " onto itself" : ""));
                cMemorySurface source(37, 29, bytesPerPixel, 6), destA(31, 23, bytesPerPixel, 2),
                    destB(31, 23, bytesPerPixel, 2);
                FillRandom(source.View(), 7, transparent);
                FillRandom(destA.View(), 99, transparent);
                FillRandom(destB.View(), 99, transparent);
                if (onItself) {
                    cMemorySurface copy(37, 29, bytesPerPixel, 6);
                    FillRandom(copy.View(), 7, transparent);
                    fast(source.View(), source.View(), at.x, at.y, at.sx, at.sy, key);
                    definition(copy.View(), copy.View(), at.x, at.y, at.sx, at.sy, key);
                    ASSERT_EQ(Bytes(copy.View()), Bytes(source.View()));
                } else {
                    fast(destA.View(), source.View(), at.x, at.y, at.sx, at.sy, key);
                    definition(destB.View(), source.View(), at.x, at.y, at.sx, at.sy, key);
                    ASSERT_EQ(Bytes(destB.View()), Bytes(destA.View()));
                }
            }
}

cPixelRules Rules(const cPixelFormat& format, uint32_t transparent) {
    cPixelRules rules;
    rules.Format = format;
    rules.dwTransparent = transparent;
    static uint8_t table[256 * 256];
    for (int i = 0; i < 256 * 256; ++i) table[i] = static_cast<uint8_t>((i * 2654435761u) >> 24);
    rules.lpMixTable = table;
    return rules;
}

cPixelFormat Rgb555() {
    cPixelFormat f;
    f.nRedShift = 10;
    f.nGreenShift = 5;
    f.dwRedMask = f.dwGreenMask = f.dwBlueMask = 31;
    return f;
}

}  // namespace

TEST(PixelEffectDefinitions, SixteenBitEffectsMatchPixelForPixel) {
    for (const cPixelFormat& format : {Rgb565(), Rgb555()}) {
        SCOPED_TRACE(format.nRedShift == 11 ? "5-6-5" : "5-5-5");
        const uint32_t transparent = 0x1234;
        cPixelRules rules = Rules(format, transparent);
        PALETTEENTRY palette[256] = {};
        palette[9] = {20, 13, 7, 0};
        for (int n : {1, 2, 3, 8, 40}) {
            std::string name = "mosaic " + std::to_string(n);
            ExpectSame(name.c_str(), 2, transparent,
                       [&](const cPixelView& d, const cPixelView& s, int x, int y, int sx, int sy, int key) {
                           MosaicPixels(d, x, y, 25, 19, n, s, sx, sy, key, rules);
                       },
                       [&](const cPixelView& d, const cPixelView& s, int x, int y, int sx, int sy, int key) {
                           MosaicDefinition(d, x, y, 25, 19, n, s, sx, sy, key, rules);
                       });
        }
        struct {
            int rx, ry;
        } radii[] = {{1, 1}, {2, 2}, {4, 4}, {1, 3}, {5, 2}, {30, 30}};
        for (const auto& r : radii) {
            std::string name = "blur " + std::to_string(r.rx) + "," + std::to_string(r.ry);
            ExpectSame(name.c_str(), 2, transparent,
                       [&](const cPixelView& d, const cPixelView& s, int x, int y, int sx, int sy, int key) {
                           BlurPixels(d, x, y, 25, 19, r.rx, r.ry, s, sx, sy, key, rules);
                       },
                       [&](const cPixelView& d, const cPixelView& s, int x, int y, int sx, int sy, int key) {
                           BlurDefinition(d, x, y, 25, 19, r.rx, r.ry, s, sx, sy, key, rules);
                       });
        }
        for (int n : {1, 2, 9, 1000}) {
            std::string name = "tint " + std::to_string(n);
            ExpectSame(name.c_str(), 2, transparent,
                       [&](const cPixelView& d, const cPixelView& s, int x, int y, int sx, int sy, int key) {
                           TintPixels(d, x, y, 25, 19, s, sx, sy, key, palette, 9, n, rules);
                       },
                       [&](const cPixelView& d, const cPixelView& s, int x, int y, int sx, int sy, int key) {
                           TintDefinition(d, x, y, 25, 19, s, sx, sy, key, palette, 9, n, rules);
                       });
        }
        ExpectSame("half", 2, transparent,
                   [&](const cPixelView& d, const cPixelView& s, int x, int y, int sx, int sy, int key) {
                       HalfPixels(d, x, y, 25, 19, s, sx, sy, key, nullptr, rules);
                   },
                   [&](const cPixelView& d, const cPixelView& s, int x, int y, int sx, int sy, int key) {
                       HalfDefinition(d, x, y, 25, 19, s, sx, sy, key, nullptr, rules);
                   });
        struct {
            int k, r, g, b;
        } fades[] = {{0, 0, 0, 0}, {128, 0, 0, 0}, {256, 0, 0, 0}, {77, 255, 128, 3}, {300, 0, 0, 0}, {-20, 400, 0, 0}};
        for (const auto& f : fades) {
            std::string name = "fade " + std::to_string(f.k);
            ExpectSame(name.c_str(), 2, transparent,
                       [&](const cPixelView& d, const cPixelView& s, int, int, int, int, int) {
                           FadePixels(d, f.k, f.r, f.g, f.b, s, rules);
                       },
                       [&](const cPixelView& d, const cPixelView& s, int, int, int, int, int) {
                           FadeDefinition(d, f.k, f.r, f.g, f.b, s, rules);
                       });
        }
    }
}

// Windows of the largest pixel counts whose channel sums still fit 16 bits, and the first beyond,
// over pictures of the brightest pixels, where the sums are largest.
TEST(PixelEffectDefinitions, BlurOfTheLargestSumsMatches) {
    cPixelRules rules = Rules(Rgb565(), 0x1234);
    struct {
        int w, h, rx, ry;
    } cases[] = {{40, 20, 8, 8}, {257, 1, 200, 1}, {258, 1, 200, 1}, {1, 257, 1, 200}, {30, 20, 9, 8}};
    for (const auto& c : cases)
        for (int key : {0, 1}) {
            SCOPED_TRACE(testing::Message() << c.w << "x" << c.h << " r " << c.rx << "," << c.ry << (key ? " keyed" : ""));
            cMemorySurface source(c.w, c.h, 2), fast(c.w, c.h, 2), definition(c.w, c.h, 2);
            for (int y = 0; y < c.h; ++y)
                for (int x = 0; x < c.w; ++x) source.View().Set(x, y, (x + y) % 7 ? 0xFFFF : 0xF7DE);
            BlurPixels(fast.View(), 0, 0, c.w, c.h, c.rx, c.ry, source.View(), 0, 0, key, rules);
            BlurDefinition(definition.View(), 0, 0, c.w, c.h, c.rx, c.ry, source.View(), 0, 0, key, rules);
            ASSERT_EQ(Bytes(definition.View()), Bytes(fast.View()));
        }
}

// Keyed blurs of one format one after the other, each with a transparent colour of its own: each
// leaves out its own colour, not the one of the call before.
TEST(PixelEffectDefinitions, KeyedBlurFollowsEachCallsTransparentColour) {
    const int w = 12, h = 9;
    cMemorySurface source(w, h, 2);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) source.View().Set(x, y, (x + 2 * y) % 3 ? 0xFFFF : 0xF7DE);
    for (uint32_t transparent : {0xF7DEu, 0xFFFFu, 0xF7DEu, 0x1234u}) {
        SCOPED_TRACE(testing::Message() << "transparent " << std::hex << transparent);
        cPixelRules rules = Rules(Rgb565(), transparent);
        cMemorySurface fast(w, h, 2), definition(w, h, 2);
        BlurPixels(fast.View(), 0, 0, w, h, 2, 2, source.View(), 0, 0, 1, rules);
        BlurDefinition(definition.View(), 0, 0, w, h, 2, 2, source.View(), 0, 0, 1, rules);
        ASSERT_EQ(Bytes(definition.View()), Bytes(fast.View()));
    }
}

TEST(PixelEffectDefinitions, EightBitEffectsMatchPixelForPixel) {
    cPixelRules rules = Rules(Rgb565(), 0);
    PALETTEENTRY palette[256] = {};
    for (int n : {1, 3}) {
        ExpectSame("mosaic", 1, 0,
                   [&](const cPixelView& d, const cPixelView& s, int x, int y, int sx, int sy, int key) {
                       MosaicPixels(d, x, y, 25, 19, n, s, sx, sy, key, rules);
                   },
                   [&](const cPixelView& d, const cPixelView& s, int x, int y, int sx, int sy, int key) {
                       MosaicDefinition(d, x, y, 25, 19, n, s, sx, sy, key, rules);
                   });
    }
    for (int n : {1, 2, 5, 1000}) {
        ExpectSame("tint", 1, 0,
                   [&](const cPixelView& d, const cPixelView& s, int x, int y, int sx, int sy, int key) {
                       TintPixels(d, x, y, 25, 19, s, sx, sy, key, palette, 200, n, rules);
                   },
                   [&](const cPixelView& d, const cPixelView& s, int x, int y, int sx, int sy, int key) {
                       TintDefinition(d, x, y, 25, 19, s, sx, sy, key, palette, 200, n, rules);
                   });
    }
    ExpectSame("half", 1, 0,
               [&](const cPixelView& d, const cPixelView& s, int x, int y, int sx, int sy, int key) {
                   HalfPixels(d, x, y, 25, 19, s, sx, sy, key, rules.lpMixTable, rules);
               },
               [&](const cPixelView& d, const cPixelView& s, int x, int y, int sx, int sy, int key) {
                   HalfDefinition(d, x, y, 25, 19, s, sx, sy, key, rules.lpMixTable, rules);
               });
}
