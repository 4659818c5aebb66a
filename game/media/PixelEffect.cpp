#include "game/media/PixelEffect.h"

#include <algorithm>
#include <cmath>

#include "framework/ErrorLog.h"

namespace {

const double kPi = 3.14159265358979323846;

bool SameDepth(const cPixelView& a, const cPixelView& b) { return a.nBytesPerPixel == b.nBytesPerPixel; }
bool IsIndexed(const cPixelView& v) { return v.nBytesPerPixel == 1; }

// Sums colours on the 0-255 scale.
struct cRgbSum {
    int r = 0, g = 0, b = 0, count = 0;
    void Add(const cRgb& c) {
        r += c.r;
        g += c.g;
        b += c.b;
        ++count;
    }
    cRgb Average() const {
        cRgb c;
        c.r = r / count;
        c.g = g / count;
        c.b = b / count;
        return c;
    }
};

void FillBlock(const cPixelView& dest, int x0, int y0, int w, int h, uint32_t pixel) {
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x)
            if (dest.Contains(x, y)) dest.Set(x, y, pixel);
}

// Locks both records and runs the routine on their views at the display's rules.
template <class Routine>
bool OnLockedPair(cSurface& dest, cSurface& source, Routine routine) {
    cLockedPair locked(dest, source);
    if (!locked.IsLocked()) return false;
    return routine(locked.Dest(), locked.Source(), DisplayPixelRules());
}

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
    for (int by = 0; by < h; by += n) {
        for (int bx = 0; bx < w; bx += n) {
            int bw = std::min(n, w - bx), bh = std::min(n, h - by);
            uint32_t pixel;
            if (IsIndexed(source)) {
                if (!source.Contains(sx + bx, sy + by)) continue;
                pixel = source.Get(sx + bx, sy + by);
                if (colorKey && pixel == rules.dwTransparent) continue;
            } else {
                cRgbSum sum;
                for (int j = 0; j < bh; ++j)
                    for (int i = 0; i < bw; ++i) {
                        if (!source.Contains(sx + bx + i, sy + by + j)) continue;
                        uint32_t p = source.Get(sx + bx + i, sy + by + j);
                        if (colorKey && p == rules.dwTransparent) continue;
                        sum.Add(PixelToRgb(p, rules.Format));
                    }
                if (!sum.count) continue;
                pixel = RgbToPixel(sum.Average(), rules.Format);
                if (colorKey && pixel == rules.dwTransparent) continue;
            }
            FillBlock(dest, x + bx, y + by, bw, bh, pixel);
        }
    }
    return true;
}

bool BlurPixels(const cPixelView& dest, int x, int y, int w, int h, int rx, int ry, const cPixelView& source,
                int sx, int sy, int colorKey, const cPixelRules& rules) {
    if (!SameDepth(dest, source) || IsIndexed(source)) return false;
    for (int j = 0; j < h; ++j) {
        for (int i = 0; i < w; ++i) {
            if (!dest.Contains(x + i, y + j)) continue;
            if (colorKey && (!source.Contains(sx + i, sy + j) || source.Get(sx + i, sy + j) == rules.dwTransparent))
                continue;
            cRgbSum sum;
            for (int dj = -ry; dj < ry; ++dj)
                for (int di = -rx; di < rx; ++di) {
                    int ii = i + di, jj = j + dj;
                    if (ii < 0 || jj < 0 || ii >= w || jj >= h || !source.Contains(sx + ii, sy + jj)) continue;
                    uint32_t p = source.Get(sx + ii, sy + jj);
                    if (colorKey && p == rules.dwTransparent) continue;
                    sum.Add(PixelToRgb(p, rules.Format));
                }
            // A radius of 0 counts nothing: the pixel is left as it is.
            if (sum.count) dest.Set(x + i, y + j, RgbToPixel(sum.Average(), rules.Format));
        }
    }
    return true;
}

bool TintPixels(const cPixelView& dest, int x, int y, int w, int h, const cPixelView& source, int sx, int sy,
                int colorKey, const PALETTEENTRY* palette, int t, int n, const cPixelRules& rules) {
    if (!SameDepth(dest, source)) return false;
    if (n <= 0) return true;
    t &= kPaletteSize - 1;
    cRgb toward = EntryToRgb(palette[t], rules.Format);
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            if (!source.Contains(sx + i, sy + j) || !dest.Contains(x + i, y + j)) continue;
            uint32_t p = source.Get(sx + i, sy + j);
            if (colorKey && p == rules.dwTransparent) continue;
            if (IsIndexed(source)) {
                for (int k = 0; k < n; ++k) p = rules.lpMixTable[p * 256 + t];
            } else {
                cRgb c = PixelToRgb(p, rules.Format);
                for (int k = 0; k < n; ++k) {
                    c.r = (c.r + toward.r) >> 1;
                    c.g = (c.g + toward.g) >> 1;
                    c.b = (c.b + toward.b) >> 1;
                }
                p = RgbToPixel(c, rules.Format);
            }
            dest.Set(x + i, y + j, p);
        }
    return true;
}

bool HalfPixels(const cPixelView& dest, int x, int y, int w, int h, const cPixelView& source, int sx, int sy,
                int colorKey, const uint8_t* mixTable, const cPixelRules& rules) {
    if (!SameDepth(dest, source) || (IsIndexed(source) && !mixTable)) return false;
    // At depth 8 index 0 is the transparent one.
    uint32_t transparent = IsIndexed(source) ? 0 : rules.dwTransparent;
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            if (!source.Contains(sx + i, sy + j) || !dest.Contains(x + i, y + j)) continue;
            uint32_t s = source.Get(sx + i, sy + j), d = dest.Get(x + i, y + j);
            uint32_t result;
            if (colorKey && s == transparent) continue;
            if (colorKey && d == transparent) {
                result = s;
            } else if (IsIndexed(source)) {
                result = mixTable[s + d * 256];
            } else {
                cRgb a = PixelToRgb(s, rules.Format), b = PixelToRgb(d, rules.Format);
                result = RgbToPixel({(a.r + b.r) / 2, (a.g + b.g) / 2, (a.b + b.b) / 2}, rules.Format);
            }
            dest.Set(x + i, y + j, result);
        }
    return true;
}

bool LensPixels(const cPixelView& dest, int cx, int cy, int r, int height, const cPixelView& source, int sx,
                int sy, const cPixelRules& rules) {
    if (!SameDepth(dest, source) || r < 0 || height < 0) return false;
    int e = static_cast<int>(std::sqrt(static_cast<double>(r) * r + static_cast<double>(height) * height));
    if (height >= e) return true;
    double r2 = static_cast<double>(e) * e;
    for (int i = -r; i <= r; ++i)
        for (int j = -r; j <= r; ++j) {
            if (i * i + j * j > r * r || !dest.Contains(cx + j, cy + i)) continue;
            double t = std::sqrt(r2 - i * i - j * j);
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

bool RotatePixels(const cPixelView& dest, int x, int y, int w, int h, int px, int py, double angle,
                  const cPixelView& source, int sx, int sy, int colorKey, const cPixelRules& rules) {
    if (!SameDepth(dest, source)) return false;
    double radians = angle * kPi / 180.0;
    int c = static_cast<int>(std::cos(radians) * 1024), s = static_cast<int>(std::sin(radians) * 1024);
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
    int cb = static_cast<int>(std::cos(-radians) * 1024), sb = static_cast<int>(std::sin(-radians) * 1024);
    for (int dy = top - 2; dy <= bottom + 2; ++dy)
        for (int dx = left - 2; dx <= right + 2; ++dx) {
            int u = px + ((cb * dx - sb * dy) >> 10);
            int v = py + ((sb * dx + cb * dy) >> 10);
            if (u < 0 || v < 0 || u >= w || v >= h) continue;
            if (!dest.Contains(x + dx, y + dy) || !source.Contains(sx + u, sy + v)) continue;
            uint32_t p = source.Get(sx + u, sy + v);
            if (colorKey && p == rules.dwTransparent) continue;
            dest.Set(x + dx, y + dy, p);
        }
    return true;
}

bool FadePixels(const cPixelView& dest, int k, int red, int green, int blue, const cPixelView& source,
                const cPixelRules& rules) {
    if (!SameDepth(dest, source) || IsIndexed(source)) return false;
    for (int y = 0; y < dest.nHeight; ++y)
        for (int x = 0; x < dest.nWidth; ++x) {
            if (!source.Contains(x, y)) continue;
            cRgb c = PixelToRgb(source.Get(x, y), rules.Format);
            c.r = (red * (256 - k) + k * c.r) >> 8;
            c.g = (green * (256 - k) + k * c.g) >> 8;
            c.b = (blue * (256 - k) + k * c.b) >> 8;
            dest.Set(x, y, RgbToPixel(c, rules.Format));
        }
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
                 int sx, int sy, int colorKey) {
    return OnLockedPair(dest, source, [&](const cPixelView& d, const cPixelView& s, const cPixelRules& rules) {
        return RotatePixels(d, x, y, w, h, px, py, angle, s, sx, sy, colorKey, rules);
    });
}

bool DDBltFade(cSurface& dest, int k, int red, int green, int blue, cSurface& source) {
    return OnLockedPair(dest, source, [&](const cPixelView& d, const cPixelView& s, const cPixelRules& rules) {
        return FadePixels(d, k, red, green, blue, s, rules);
    });
}
