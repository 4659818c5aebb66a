#include "game/media/CompositeBlit.h"

#include <algorithm>
#include <cstdlib>

#include "game/media/Blit.h"
#include "game/media/StableMath.h"

namespace {

}  // namespace

void DDFrameRect(cSurface& dest, int x, int y, int w, int h, int t, int paletteIndex) {
    DDFillRect(dest, x, y, w, t, paletteIndex);
    DDFillRect(dest, x, y + h - t, w, t, paletteIndex);
    DDFillRect(dest, x, y, t, h, paletteIndex);
    DDFillRect(dest, x + w - t, y, t, h, paletteIndex);
}

void DDBltFramed(cSurface& dest, int x, int y, int w, int h, cSurface& source, int t, int paletteIndex) {
    DDBlt(dest, x, y, w, h, source, 0, 0, 0);
    DDFrameRect(dest, x - t, y - t, w + 2 * t, h + 2 * t, t, paletteIndex);
}

HRESULT DDDrawNumber(cSurface& dest, int x, int y, int w, int h, cSurface& strip, int stripX, int stripY,
                     DWORD flags, int number, int minDigits, int centre) {
    long long value = std::llabs(static_cast<long long>(number));
    char digits[24];
    int count = 0;
    do {
        digits[count++] = static_cast<char>(value % 10);
        value /= 10;
    } while (value > 0);
    if (count < minDigits) x += centre ? (minDigits - count) * w / 2 : (minDigits - count) * w;
    HRESULT result = DD_OK;
    for (int k = 0; k < count; ++k) {
        int digit = digits[count - 1 - k];
        result = DDBlt(dest, x + k * w, y, w, h, strip, stripX + w * digit, stripY, flags);
    }
    return result;
}

void DDBltWave(cSurface& dest, int x, int y, int w, int h, int frequency, double amplitude, int phase,
               cSurface& source, int sx, int sy, DWORD flags, int columns) {
    int lines = columns ? w : h;
    if (lines <= 0) return;
    double step = 360.0 / lines;
    double angle = phase;
    for (int k = 0; k < lines; ++k) {
        angle += step;
        int offset = static_cast<int>(amplitude * MathSin(frequency * kPi / 180.0 * angle));
        if (columns)
            DDBlt(dest, x + k, y + offset, 1, h, source, sx + k, sy, flags);
        else
            DDBlt(dest, x + offset, y + k, w, 1, source, sx, sy + k, flags);
    }
}

void DDBltInterlace(cSurface& dest, int x, int y, int w, int h, int n, int s, cSurface& source, int sx, int sy,
                    DWORD flags, int verticalStrips) {
    if (n == 0) {
        DDBlt(dest, x, y, w, h, source, sx, sy, flags);
        return;
    }
    if (n < 0) return;
    int strips = (verticalStrips ? w : h) / n;
    for (int k = 0; k < strips; ++k) {
        int shift = k % 2 ? -s : s;
        if (verticalStrips)
            DDBlt(dest, x + k * n, y + shift, n, h, source, sx + k * n, sy, flags);
        else
            DDBlt(dest, x + shift, y + k * n, w, n, source, sx, sy + k * n, flags);
    }
}

HRESULT DDBltFlip(cSurface& dest, int x, int y, int w, int h, cSurface& a, int ax, int ay, cSurface& b, int bx,
                  int by, int sourceWidth, int sourceHeight, DWORD mode, int r, int axis) {
    if (axis != 0 && axis != 1) return axis - 1;
    int size = axis == 0 ? w : h;
    int u = size / 2;
    // A card narrower than two pixels has no edge-on phase to turn through.
    if (u <= 0) return DD_OK;
    int v = (r / u) % 2 == 0 ? r % u : u - r % u - 1;
    bool faceB = ((r + u) / size) % 2 == 1;
    cSurface& face = faceB ? b : a;
    int fx = faceB ? bx : ax;
    int fy = faceB ? by : ay;
    if (axis == 0) return DDStretchBlt(dest, x + v, y, w - 2 * v, h, face, fx, fy, sourceWidth, sourceHeight, mode);
    return DDStretchBlt(dest, x, y + v, w, h - 2 * v, face, fx, fy, sourceWidth, sourceHeight, mode);
}

HRESULT DDBltCircle(cSurface& dest, int x, int y, int wl, int hl, int r, cSurface& source, int sx, int sy,
                    DWORD flags) {
    HRESULT result = DD_OK;
    if (r <= 0) return result;
    for (int i = r; i > -r; --i) {
        if (i < -hl || i >= hl) continue;
        int m = std::min(static_cast<int>(MathSqrt(static_cast<double>(r * r - i * i))), r - 1);
        int left = std::max(sx - m, std::max(sx - wl, 0));
        int right = std::min(sx + m, std::min(sx + wl, source.nWidth));
        if (right <= left) continue;
        result = DDBlt(dest, x + (left - sx), y + i, right - left, 1, source, left, sy + i, flags);
    }
    return result;
}

void DDBltShatter(cSurface& dest, int x, int y, int w, int h, cSurface& source, int sx, int sy, int R,
                  DWORD flags) {
    if (h < 2) return;
    // The eight triangles: row i of a piece spans the columns first = a*i + b*l, width = c*i + d*l
    // (l is half the side), in the upper or the lower half, and the piece flies off at the angle.
    struct cPiece {
        bool lower;
        int angle;
        int a, b, c, d;
    };
    const cPiece pieces[8] = {
        {false, 150, 0, 0, 1, 0},  {false, 120, 1, 0, -1, 1}, {false, 60, 0, 1, -1, 1}, {false, 30, -1, 2, 1, 0},
        {true, 210, 0, 0, -1, 1},  {true, 240, -1, 1, 1, 0},  {true, 300, 0, 1, 1, 0},  {true, 330, 1, 1, -1, 1},
    };
    int l = w / 2;
    for (const cPiece& piece : pieces) {
        double radians = piece.angle * kPi / 180.0;
        int dx = static_cast<int>(R * MathCos(radians));
        int dy = static_cast<int>(-R * MathSin(radians));
        for (int i = 0; i < h / 2; ++i) {
            int first = piece.a * i + piece.b * l;
            int width = piece.c * i + piece.d * l;
            if (width <= 0) continue;
            int row = piece.lower ? l + i : i;
            DDBlt(dest, x + first + dx, y + row + dy, width, 1, source, sx + first, sy + row, flags);
        }
    }
}
