#include "game/media/BlitBatch.h"

#include <algorithm>

#include "game/media/Blit.h"
#include "game/media/Display.h"

namespace {

// The colour bits a key is compared on: the palette index at depth 8, the channels otherwise.
uint32_t KeyMask(IDirectDrawSurface7* surface) {
    DDPIXELFORMAT format = {};
    format.dwSize = sizeof format;
    if (FAILED(surface->GetPixelFormat(&format))) return 0xFFFF;
    if (format.dwFlags & DDPF_PALETTEINDEXED8) return 0xFF;
    return format.dwRBitMask | format.dwGBitMask | format.dwBBitMask;
}

cPixelView WithinRecord(cPixelView view, const cSurface& record) {
    view.nWidth = std::min(view.nWidth, static_cast<int>(record.nWidth));
    view.nHeight = std::min(view.nHeight, static_cast<int>(record.nHeight));
    return view;
}

}  // namespace

cBlitBatch::cBlitBatch(cSurface& dest) : m_Dest(dest) {}

const cPixelView* cBlitBatch::DestView() {
    if (m_bDestRefused || !m_Dest.lpSurface) return nullptr;
    if (!m_DestLock) {
        m_DestLock.reset(new cLockedView(m_Dest));
        if (!m_DestLock->IsLocked()) {
            m_DestLock.reset();
            m_bDestRefused = true;
            return nullptr;
        }
        m_DestView = WithinRecord(m_DestLock->View(), m_Dest);
    }
    return &m_DestView;
}

const cBlitBatch::cSource* cBlitBatch::Source(cSurface& source, DWORD flags) {
    if (!source.lpSurface || source.lpSurface == m_Dest.lpSurface) return nullptr;
    auto found = std::find_if(m_Sources.begin(), m_Sources.end(),
                              [&](const cSource& s) { return s.lpSurface == source.lpSurface; });
    if (found == m_Sources.end()) {
        cSource entry;
        entry.lpSurface = source.lpSurface;
        DDCOLORKEY key = {};
        entry.bHasKey = SUCCEEDED(source.lpSurface->GetColorKey(DDCKEY_SRCBLT, &key));
        entry.Key = {KeyMask(source.lpSurface), key.dwColorSpaceLowValue, key.dwColorSpaceHighValue};
        m_Sources.push_back(std::move(entry));
        found = m_Sources.end() - 1;
    }
    cSource& entry = *found;
    // A source that DirectDraw is to copy must not be locked.
    if ((flags & DDBLTFAST_SRCCOLORKEY) && !entry.bHasKey) {
        entry.Locked.reset();
        return nullptr;
    }
    if (!entry.Locked) {
        if (entry.bRefused) return nullptr;
        entry.Locked.reset(new cLockedView(source));
        if (!entry.Locked->IsLocked()) {
            entry.Locked.reset();
            entry.bRefused = true;
            return nullptr;
        }
        entry.View = WithinRecord(entry.Locked->View(), source);
    }
    return &entry;
}

void cBlitBatch::Direct(cSurface& source) {
    m_DestLock.reset();
    for (cSource& entry : m_Sources)
        if (entry.lpSurface == source.lpSurface) entry.Locked.reset();
}

void cBlitBatch::Blt(int x, int y, int w, int h, cSurface& source, int sx, int sy, DWORD flags) {
    const cPixelView* dest = DestView();
    const cSource* locked = dest ? Source(source, flags) : nullptr;
    if (!locked || dest->nBytesPerPixel != locked->View.nBytesPerPixel) {
        Direct(source);
        DDBlt(m_Dest, x, y, w, h, source, sx, sy, flags);
        return;
    }
    CopyPixels(*dest, x, y, w, h, locked->View, sx, sy, (flags & DDBLTFAST_SRCCOLORKEY) ? &locked->Key : nullptr);
}

void cBlitBatch::Fill(int x, int y, int w, int h, int paletteIndex) {
    const cPixelView* dest = DestView();
    if (!dest) {
        DDFillRect(m_Dest, x, y, w, h, paletteIndex);
        return;
    }
    FillPixels(*dest, x, y, w, h, DDIndexToPixel(paletteIndex));
}

void cBlitBatch::Tile(int areaWidth, int areaHeight, cSurface& picture, int firstX, int firstY, DWORD flags) {
    const cPixelView* dest = DestView();
    const cSource* locked = dest ? Source(picture, flags) : nullptr;
    if (locked && dest->nBytesPerPixel == locked->View.nBytesPerPixel) {
        TilePixels(*dest, areaWidth, areaHeight, locked->View, firstX, firstY,
                   (flags & DDBLTFAST_SRCCOLORKEY) ? &locked->Key : nullptr);
        return;
    }
    Direct(picture);
    const int w = picture.nWidth, h = picture.nHeight;
    if (w <= 0 || h <= 0) return;
    for (int y = -firstY; y < areaHeight; y += h)
        for (int x = -firstX; x < areaWidth; x += w) DDBlt(m_Dest, x, y, w, h, picture, 0, 0, flags);
}

void cBlitBatch::Unlock() {
    m_DestLock.reset();
    m_Sources.clear();
    m_bDestRefused = false;
}
