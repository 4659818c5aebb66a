#include "game/play/PlaySurfaces.h"

#include "game/media/Display.h"

cSurface* PlaySurface(int row) {
    const cDisplayState& display = Display();
    if (!display.lpSurfaces || row < 0 || row >= display.nSurfaceCount) return nullptr;
    cSurface* surface = &display.lpSurfaces[row];
    return surface->lpSurface && surface->nWidth > 0 && surface->nHeight > 0 ? surface : nullptr;
}

cSurface& WorkSurface(int row) {
    cSurface* surface = PlaySurface(row);
    return surface ? *surface : Display().Work;
}
