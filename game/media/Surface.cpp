#include "game/media/Surface.h"

#include <cstring>

#include "game/media/Blit.h"
#include "game/media/Display.h"
#include "game/media/SurfaceCalls.h"

namespace {

// A surface keeps a device context of its own: text is written through one, and taking a fresh
// one for every text costs under Wine up to several milliseconds (more than the rest of a frame's
// drawing). A driver that refuses the caps gets the surface without it.
IDirectDrawSurface7* CreatePlainSurface(int width, int height, bool systemMemory) {
    IDirectDraw7* dd = Display().lpDD;
    if (!dd) return nullptr;
    DDSURFACEDESC2 desc = {};
    desc.dwSize = sizeof desc;
    desc.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
    desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN | DDSCAPS_OWNDC | (systemMemory ? DDSCAPS_SYSTEMMEMORY : 0);
    desc.dwWidth = width;
    desc.dwHeight = height;
    IDirectDrawSurface7* surface = nullptr;
    HRESULT hr = dd->CreateSurface(&desc, &surface, nullptr);
    if (hr == DDERR_INVALIDCAPS) {
        desc.ddsCaps.dwCaps &= ~DDSCAPS_OWNDC;
        hr = dd->CreateSurface(&desc, &surface, nullptr);
    }
    return SUCCEEDED(hr) ? surface : nullptr;
}

}  // namespace

bool DDCreateSurface(cSurface& record, int width, int height, int colorKey, int memoryKind) {
    if (width <= 0 || height <= 0) return false;
    IDirectDrawSurface7* surface = CreatePlainSurface(width, height, memoryKind == kMemorySystem);
    if (!surface && memoryKind != kMemorySystem) {
        surface = CreatePlainSurface(width, height, true);
        memoryKind = kMemorySystem;
    }
    if (!surface) return false;
    if (colorKey == 1) {
        DDCOLORKEY key;
        key.dwColorSpaceLowValue = Display().dwTransparent;
        key.dwColorSpaceHighValue = Display().dwTransparent;
        if (FAILED(surface->SetColorKey(DDCKEY_SRCBLT, &key))) {
            surface->Release();
            return false;
        }
    }
    record.lpSurface = surface;
    record.nWidth = width;
    record.nHeight = height;
    record.nMemoryKind = memoryKind;
    DDFillRect(record, 0, 0, width, height, 0);
    return true;
}

namespace {

template <class Records, class Rows>
bool AddSurface(Records& records, Rows& rows, int width, int height, int colorKey, int memoryKind) {
    records.emplace_back();
    rows.emplace_back();
    cPictureRow& row = rows.back();
    memset(&row, 0, sizeof row);
    row.nColorKey = colorKey;
    row.nMemoryKind = memoryKind;
    bool created = DDCreateSurface(records.back(), width, height, colorKey, memoryKind);
    return DDCheckError(created ? kDDOk : kDDCreateSurface);
}

}  // namespace

bool DDAddSurface(cSurfaceVector& records, cPictureVector& rows, int width, int height, int colorKey,
                  int memoryKind) {
    return AddSurface(records, rows, width, height, colorKey, memoryKind);
}

bool DDAddSurfaceToList(cSurfaceList& records, cPictureList& rows, int width, int height, int colorKey,
                        int memoryKind) {
    return AddSurface(records, rows, width, height, colorKey, memoryKind);
}

int DDRemoveSurface(cSurfaceList& records, cPictureList& rows, const cSurface& record) {
    auto row = rows.begin();
    for (auto it = records.begin(); it != records.end(); ++it) {
        if (it->lpSurface == record.lpSurface) {
            DDReleaseSurface(*it);
            records.erase(it);
            if (row != rows.end()) rows.erase(row);
            return 1;
        }
        if (row != rows.end()) ++row;
    }
    return 0;
}

void DDReleaseSurface(cSurface& record) {
    if (record.lpSurface) {
        record.lpSurface->Release();
        record.lpSurface = nullptr;
    }
    record.lpIndexMap.reset();
}

void DDReleaseSurfaces(cSurfaceVector& records) {
    for (cSurface& record : records) DDReleaseSurface(record);
}

int DDReleaseSurfaceArray(cSurface* records, int count) {
    for (int i = 0; i < count; ++i) DDReleaseSurface(records[i]);
    return count;
}

bool DDLock(cSurface& record, DDSURFACEDESC2& desc, void** out) {
    if (!record.lpSurface) return false;
    memset(&desc, 0, sizeof desc);
    desc.dwSize = sizeof desc;
    HRESULT hr;
    {
        cTimedSurfaceCall timed(eCallLock);
        hr = record.lpSurface->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr);
    }
    if (FAILED(hr)) return false;
    *out = desc.lpSurface;
    return true;
}

void DDUnlock(IDirectDrawSurface7* surface) {
    cTimedSurfaceCall timed(eCallLock, false);
    surface->Unlock(nullptr);
}
