#include "game/media/PixelView.h"

namespace {

int ToByteScale(uint32_t value, uint32_t mask) { return mask ? static_cast<int>(value * 255 / mask) : 0; }

// Rounded, so that a component taken to the 0-255 scale and back keeps its value: truncating
// here would darken every picture an effect passes through unchanged (a fade at full brightness,
// a mosaic of 1).
uint32_t FromByteScale(int value, uint32_t mask) {
    if (value < 0) value = 0;
    if (value > 255) value = 255;
    return (static_cast<uint32_t>(value) * mask + 127) / 255;
}

cSurface g_noSurface;

}  // namespace

cRgb PixelToRgb(uint32_t pixel, const cPixelFormat& f) {
    cRgb c;
    c.r = ToByteScale((pixel >> f.nRedShift) & f.dwRedMask, f.dwRedMask);
    c.g = ToByteScale((pixel >> f.nGreenShift) & f.dwGreenMask, f.dwGreenMask);
    c.b = ToByteScale((pixel >> f.nBlueShift) & f.dwBlueMask, f.dwBlueMask);
    return c;
}

uint32_t RgbToPixel(const cRgb& c, const cPixelFormat& f) {
    return (FromByteScale(c.r, f.dwRedMask) << f.nRedShift) | (FromByteScale(c.g, f.dwGreenMask) << f.nGreenShift) |
           (FromByteScale(c.b, f.dwBlueMask) << f.nBlueShift);
}

cRgb EntryToRgb(const PALETTEENTRY& e, const cPixelFormat& f) {
    cRgb c;
    c.r = ToByteScale(e.peRed & f.dwRedMask, f.dwRedMask);
    c.g = ToByteScale(e.peGreen & f.dwGreenMask, f.dwGreenMask);
    c.b = ToByteScale(e.peBlue & f.dwBlueMask, f.dwBlueMask);
    return c;
}

cLockedView::cLockedView(cSurface& record) {
    DDSURFACEDESC2 desc;
    void* bits = nullptr;
    if (!DDLock(record, desc, &bits)) return;
    m_lpSurface = record.lpSurface;
    m_View.lpBits = static_cast<uint8_t*>(bits);
    m_View.nPitch = desc.lPitch;
    m_View.nWidth = static_cast<int>(desc.dwWidth);
    m_View.nHeight = static_cast<int>(desc.dwHeight);
    int depth = (desc.dwFlags & DDSD_PIXELFORMAT) ? static_cast<int>(desc.ddpfPixelFormat.dwRGBBitCount) : Display().nBpp;
    m_View.nBytesPerPixel = depth > 8 ? 2 : 1;
}

cLockedView::~cLockedView() {
    if (m_lpSurface) DDUnlock(m_lpSurface);
}

cLockedPair::cLockedPair(cSurface& dest, cSurface& source)
    : m_bSame(dest.lpSurface == source.lpSurface),
      m_Dest(dest),
      m_Source(m_bSame || !m_Dest.IsLocked() ? g_noSurface : source) {}
