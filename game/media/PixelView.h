#pragma once
// Pixels of a locked surface, or of any memory laid out like one, so that per-pixel routines
// work the same on DirectDraw surfaces and on plain buffers.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "game/media/Display.h"
#include "game/media/Surface.h"

struct cPixelView {
    uint8_t* lpBits = nullptr;
    int nPitch = 0;  // bytes per row
    int nWidth = 0;
    int nHeight = 0;
    int nBytesPerPixel = 1;  // 1 (palette indexes) or 2 (direct colour)

    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < nWidth && y < nHeight; }
    uint32_t Get(int x, int y) const {
        const uint8_t* p = lpBits + static_cast<ptrdiff_t>(y) * nPitch + x * nBytesPerPixel;
        if (nBytesPerPixel == 1) return *p;
        uint16_t v;
        memcpy(&v, p, sizeof v);
        return v;
    }
    void Set(int x, int y, uint32_t value) const {
        uint8_t* p = lpBits + static_cast<ptrdiff_t>(y) * nPitch + x * nBytesPerPixel;
        if (nBytesPerPixel == 1) {
            *p = static_cast<uint8_t>(value);
        } else {
            uint16_t v = static_cast<uint16_t>(value);
            memcpy(p, &v, sizeof v);
        }
    }
};

// A colour split into components on the 0-255 scale.
struct cRgb {
    int r = 0;
    int g = 0;
    int b = 0;
};

cRgb PixelToRgb(uint32_t pixel, const cPixelFormat& format);
uint32_t RgbToPixel(const cRgb& rgb, const cPixelFormat& format);
// A palette entry of a direct-colour display (components in each mask's range) on the 0-255 scale.
cRgb EntryToRgb(const PALETTEENTRY& entry, const cPixelFormat& format);

// Locks a record for the life of the object.
class cLockedView {
public:
    explicit cLockedView(cSurface& record);
    cLockedView(const cLockedView&) = delete;
    cLockedView& operator=(const cLockedView&) = delete;
    ~cLockedView();
    bool IsLocked() const { return m_lpSurface != nullptr; }
    const cPixelView& View() const { return m_View; }

private:
    IDirectDrawSurface7* m_lpSurface = nullptr;
    cPixelView m_View;
};

// Locks the destination, then the source (once when both are the same surface), and unlocks
// both on every path.
class cLockedPair {
public:
    cLockedPair(cSurface& dest, cSurface& source);
    cLockedPair(const cLockedPair&) = delete;
    cLockedPair& operator=(const cLockedPair&) = delete;
    bool IsLocked() const { return m_Dest.IsLocked() && (m_bSame || m_Source.IsLocked()); }
    const cPixelView& Dest() const { return m_Dest.View(); }
    const cPixelView& Source() const { return m_bSame ? m_Dest.View() : m_Source.View(); }

private:
    bool m_bSame;
    cLockedView m_Dest;
    cLockedView m_Source;
};
