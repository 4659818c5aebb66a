#include "game/media/Blit.h"

#include <algorithm>

#include "game/media/Display.h"
#include "game/media/SurfaceCalls.h"

void DDFillRect(cSurface& dest, int x, int y, int w, int h, int paletteIndex) {
    if (!dest.lpSurface) return;
    RECT rc = {std::max(x, 0), std::max(y, 0), std::min(x + w, dest.nWidth), std::min(y + h, dest.nHeight)};
    if (rc.right <= rc.left || rc.bottom <= rc.top) return;
    DDBLTFX fx = {};
    fx.dwSize = sizeof fx;
    fx.dwFillColor = DDIndexToPixel(paletteIndex);
    cTimedSurfaceCall timed(eCallBlit);
    dest.lpSurface->Blt(&rc, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx);
}

bool ClipBlt(int& x, int& y, int w, int h, int sx, int sy, int sourceWidth, int sourceHeight, int destWidth,
             int destHeight, RECT& src) {
    src = {std::max(sx, 0), std::max(sy, 0), std::min(sx + w, sourceWidth), std::min(sy + h, sourceHeight)};
    if (x < 0) {
        src.left -= x;
        x = 0;
    }
    if (y < 0) {
        src.top -= y;
        y = 0;
    }
    src.right = std::min<LONG>(src.right, src.left + destWidth - x);
    src.bottom = std::min<LONG>(src.bottom, src.top + destHeight - y);
    return src.right > src.left && src.bottom > src.top;
}

HRESULT DDBlt(cSurface& dest, int x, int y, int w, int h, cSurface& source, int sx, int sy, DWORD flags) {
    if (!dest.lpSurface || !source.lpSurface) return DDERR_INVALIDPARAMS;
    RECT src;
    if (!ClipBlt(x, y, w, h, sx, sy, source.nWidth, source.nHeight, dest.nWidth, dest.nHeight, src)) return DD_OK;
    cTimedSurfaceCall timed(eCallBlit);
    return dest.lpSurface->BltFast(x, y, source.lpSurface, &src, flags | DDBLTFAST_WAIT);
}

HRESULT DDStretchBlt(cSurface& dest, int x, int y, int w, int h, cSurface& source, int sx, int sy, int sw,
                     int sh, DWORD mode) {
    if (w <= 0) return 0;
    if (h <= 0) return h;
    if (!dest.lpSurface || !source.lpSurface) return DDERR_INVALIDPARAMS;
    double fx = static_cast<double>(sw) / w;
    double fy = static_cast<double>(sh) / h;
    RECT dst = {x, y, x + w, y + h};
    RECT src = {std::max(sx, 0), std::max(sy, 0), std::min(sx + sw, source.nWidth), std::min(sy + sh, source.nHeight)};
    if (dst.left < 0) {
        src.left += static_cast<LONG>(-dst.left * fx);
        dst.left = 0;
    }
    if (dst.top < 0) {
        src.top += static_cast<LONG>(-dst.top * fy);
        dst.top = 0;
    }
    if (dst.right > dest.nWidth) {
        src.right -= static_cast<LONG>((dst.right - dest.nWidth) * fx);
        dst.right = dest.nWidth;
    }
    if (dst.bottom > dest.nHeight) {
        src.bottom -= static_cast<LONG>((dst.bottom - dest.nHeight) * fy);
        dst.bottom = dest.nHeight;
    }
    if (dst.right <= dst.left || dst.bottom <= dst.top || src.right <= src.left || src.bottom <= src.top)
        return DD_OK;
    DWORD flags = mode == 1 ? (DDBLT_WAIT | DDBLT_KEYSRC) : (mode | DDBLT_WAIT);
    cTimedSurfaceCall timed(eCallBlit);
    return dest.lpSurface->Blt(&dst, source.lpSurface, &src, flags, nullptr);
}
