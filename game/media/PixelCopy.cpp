#include "game/media/PixelCopy.h"

#include <algorithm>
#include <cstring>

#include "game/media/Blit.h"

namespace {

// One row through the key. Written so that the compiler turns it into vector code: every pixel
// is read and written, the hidden ones written back unchanged.
template <class Pixel>
void KeyedRow(Pixel* __restrict d, const Pixel* __restrict s, int n, Pixel mask, Pixel low, Pixel range) {
    for (int i = 0; i < n; ++i) {
        const Pixel p = s[i];
        const Pixel shifted = static_cast<Pixel>((p & mask) - low);
        d[i] = shifted <= range ? d[i] : p;
    }
}

// The rows of one copy, opaque or keyed; a key that hides nothing copies opaque.
template <class Pixel>
class cRowCopy {
public:
    explicit cRowCopy(const cColorKey* key) {
        const uint32_t top = static_cast<Pixel>(~Pixel(0));
        if (!key || key->dwLow > key->dwHigh || key->dwLow > top)
            return;
        m_bKeyed = true;
        m_Mask = static_cast<Pixel>(key->dwMask);
        m_Low = static_cast<Pixel>(key->dwLow);
        m_Range = static_cast<Pixel>(std::min(key->dwHigh, top) - key->dwLow);
    }
    void operator()(Pixel* d, const Pixel* s, int n) const {
        if (m_bKeyed)
            KeyedRow(d, s, n, m_Mask, m_Low, m_Range);
        else
            memcpy(d, s, static_cast<size_t>(n) * sizeof(Pixel));
    }

private:
    bool m_bKeyed = false;
    Pixel m_Mask = 0, m_Low = 0, m_Range = 0;
};

template <class Pixel>
Pixel* RowAt(const cPixelView& v, int x, int y) {
    return reinterpret_cast<Pixel*>(v.lpBits + static_cast<ptrdiff_t>(y) * v.nPitch) + x;
}

template <class Pixel>
void CopyRect(const cPixelView& dest, int x, int y, const cPixelView& source, const RECT& src, const cColorKey* key) {
    const cRowCopy<Pixel> copy(key);
    const int n = src.right - src.left;
    for (int j = 0; j < src.bottom - src.top; ++j)
        copy(RowAt<Pixel>(dest, x, y + j), RowAt<const Pixel>(source, src.left, src.top + j), n);
}

// How far copies of size `size` starting at -first, every `size`, reach once all of them that
// start before `area` are made.
int TileReach(int area, int first, int size) {
    const int count = (area + first + size - 1) / size;
    return count * size - first;
}

template <class Pixel>
void TileRows(const cPixelView& dest, int areaWidth, int areaHeight, const cPixelView& source, int firstX,
              int firstY, const cColorKey* key) {
    const int w = source.nWidth, h = source.nHeight;
    const int columns = std::min(dest.nWidth, TileReach(areaWidth, firstX, w));
    const int rows = std::min(dest.nHeight, TileReach(areaHeight, firstY, h));
    const cRowCopy<Pixel> copy(key);
    int sy = firstY;
    for (int y = 0; y < rows; ++y) {
        Pixel* d = RowAt<Pixel>(dest, 0, y);
        const Pixel* s = RowAt<const Pixel>(source, 0, sy);
        for (int x = 0, sx = firstX; x < columns; sx = 0) {
            const int n = std::min(w - sx, columns - x);
            copy(d + x, s + sx, n);
            x += n;
        }
        if (++sy == h) sy = 0;
    }
}

template <class Pixel>
void FillRect(const cPixelView& dest, const RECT& rc, uint32_t pixel) {
    for (int y = rc.top; y < rc.bottom; ++y) {
        Pixel* row = RowAt<Pixel>(dest, 0, y);
        std::fill(row + rc.left, row + rc.right, static_cast<Pixel>(pixel));
    }
}

}  // namespace

void FillPixels(const cPixelView& dest, int x, int y, int w, int h, uint32_t pixel) {
    const RECT rc = {std::max(x, 0), std::max(y, 0), std::min(x + w, dest.nWidth), std::min(y + h, dest.nHeight)};
    if (rc.right <= rc.left || rc.bottom <= rc.top) return;
    if (dest.nBytesPerPixel == 1)
        FillRect<uint8_t>(dest, rc, pixel);
    else
        FillRect<uint16_t>(dest, rc, pixel);
}

void CopyPixels(const cPixelView& dest, int x, int y, int w, int h, const cPixelView& source, int sx, int sy,
                const cColorKey* key) {
    RECT src;
    if (dest.nBytesPerPixel != source.nBytesPerPixel ||
        !ClipBlt(x, y, w, h, sx, sy, source.nWidth, source.nHeight, dest.nWidth, dest.nHeight, src))
        return;
    if (dest.nBytesPerPixel == 1)
        CopyRect<uint8_t>(dest, x, y, source, src, key);
    else
        CopyRect<uint16_t>(dest, x, y, source, src, key);
}

void TilePixels(const cPixelView& dest, int areaWidth, int areaHeight, const cPixelView& source, int firstX,
                int firstY, const cColorKey* key) {
    if (dest.nBytesPerPixel != source.nBytesPerPixel || source.nWidth <= 0 || source.nHeight <= 0 || firstX < 0 ||
        firstY < 0 || firstX >= source.nWidth || firstY >= source.nHeight)
        return;
    if (dest.nBytesPerPixel == 1)
        TileRows<uint8_t>(dest, areaWidth, areaHeight, source, firstX, firstY, key);
    else
        TileRows<uint16_t>(dest, areaWidth, areaHeight, source, firstX, firstY, key);
}
