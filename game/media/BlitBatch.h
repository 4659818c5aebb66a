#pragma once
// Many copies onto one destination with each surface locked once: every Lock and every blit is
// a round trip under Wine, so a layer of blocks or a tiled picture drawn blit by blit costs far
// more than its pixels. Each surface is locked the first time a copy needs it and stays locked
// until the batch ends or is unlocked; what the batch draws is what the DirectDraw calls named
// below draw, and where a surface cannot be locked (or a keyed source has no key) the batch
// makes that call itself.
#include <windows.h>

#include <ddraw.h>

#include <memory>
#include <vector>

#include "game/media/PixelCopy.h"
#include "game/media/PixelView.h"
#include "game/media/Surface.h"

class cBlitBatch {
public:
    explicit cBlitBatch(cSurface& dest);
    cBlitBatch(const cBlitBatch&) = delete;
    cBlitBatch& operator=(const cBlitBatch&) = delete;
    ~cBlitBatch() = default;

    // As DDBlt onto the destination; flags 0 or DDBLTFAST_SRCCOLORKEY.
    void Blt(int x, int y, int w, int h, cSurface& source, int sx, int sy, DWORD flags);
    // As DDFillRect on the destination.
    void Fill(int x, int y, int w, int h, int paletteIndex);
    // As DDBlt of the whole picture at every place TilePixels copies it to.
    void Tile(int areaWidth, int areaHeight, cSurface& picture, int firstX, int firstY, DWORD flags);
    // Unlocks every surface, so that DirectDraw and other routines may use them again; the next
    // copy locks again.
    void Unlock();
    // The destination, every surface unlocked: for drawing through anything but the batch.
    cSurface& Unlocked() {
        Unlock();
        return m_Dest;
    }

private:
    struct cSource {
        IDirectDrawSurface7* lpSurface = nullptr;
        std::unique_ptr<cLockedView> Locked;  // empty when the surface cannot be locked
        cPixelView View;  // within the record's size, as DDBlt clips
        cColorKey Key;
        bool bHasKey = false;
        bool bRefused = false;  // the lock failed: not tried again in this batch
    };
    const cPixelView* DestView();
    // The source's locked pixels and key, or null when the copy must go through DirectDraw.
    const cSource* Source(cSurface& source, DWORD flags);
    // Unlocks the destination and the source before DirectDraw copies.
    void Direct(cSurface& source);

    cSurface& m_Dest;
    std::unique_ptr<cLockedView> m_DestLock;
    cPixelView m_DestView;
    bool m_bDestRefused = false;
    std::vector<cSource> m_Sources;
};
