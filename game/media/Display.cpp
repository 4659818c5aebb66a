#include "game/media/Display.h"

#include <cstring>

#include "framework/ErrorLog.h"
#include "framework/MessageBox.h"
#include "game/media/Bitmap.h"

cDisplayState& Display() {
    static cDisplayState state;
    return state;
}

bool DDCheckInitError(int code) {
    const char* name = nullptr;
    switch (code) {
        case kDDCreateEx: name = "CREATEEX_ERR"; break;
        case kDDSetCoopLevel: name = "SETCOOPLEVEL_ERR"; break;
        case kDDSetDisplayMode: name = "SETDISPLAYMODE_ERR"; break;
        case kDDCreateSurface: name = "CREATESURFACE_ERR"; break;
        case kDDGetAttachedSurface: name = "GETATTACHEDSURFACE_ERR"; break;
        case kDDCreatePalette: name = "CREATEPALETTE_ERR"; break;
        case kDDSetPalette: name = "SETPALETTE_ERR"; break;
        case kDDClipper: name = "CLIPPER_ERR"; break;
        case kDDSetHWnd: name = "SETHWND_ERR"; break;
        case kDDSetClipper: name = "SETCLIPPER_ERR"; break;
        default: return true;
    }
    ErrorLog(name);
    return false;
}

bool DDCheckError(int code) {
    const char* name = nullptr;
    switch (code) {
        case kDDCreateSurface: name = "CREATESURFACE_ERR"; break;
        case kDDLoadImage: name = "LOADIMAGE_ERR"; break;
        case kDDSetColorKey: name = "SETCOLORKEY_ERR"; break;
        default: return true;
    }
    ErrorLog(name);
    return false;
}

bool DDInit(HWND wnd, int width, int height, int bpp, int windowMode, int backBuffers, int refreshRate,
            int useRefreshRate, cSurface* surfaces, cPictureRow* pictures, int count) {
    cDisplayState& d = Display();
    // A second set-up releases what the first one made, in the way that one made it.
    bool wasWindow = d.nWindowMode != 0;
    d.hWnd = wnd;
    d.nWidth = width;
    d.nHeight = height;
    d.nBpp = bpp;
    d.nBytesPerPixel = bpp / 8;
    d.nWindowMode = windowMode;
    d.nBackBuffers = backBuffers;
    d.nRefreshRate = refreshRate;
    d.nUseRefreshRate = useRefreshRate;
    d.lpSurfaces = surfaces;
    d.lpPictures = pictures;
    d.nSurfaceCount = count;

    int code;
    if (windowMode == 0) {
        if (d.bInitialized) wasWindow ? DDUnInitWindow() : DDUnInitFullScreen();
        SetWindowLongPtrA(wnd, GWL_EXSTYLE, WS_EX_TOPMOST);
        SetWindowLongPtrA(wnd, GWL_STYLE, WS_POPUP);
        code = DDInitFullScreen(wnd, width, height, bpp, backBuffers);
    } else {
        if (d.lpDD) d.lpDD->RestoreDisplayMode();
        if (d.bInitialized) wasWindow ? DDUnInitWindow() : DDUnInitFullScreen();
        code = DDInitWindow(wnd);
    }
    if (!DDCheckInitError(code)) return false;
    d.bInitialized = true;
    SetBoxDisplayState(d.lpDD, windowMode != 0);
    return true;
}

namespace {

bool IsLost(const cSurface& record) {
    return record.lpSurface && record.lpSurface->IsLost() == DDERR_SURFACELOST;
}

bool IsPictureFile(const char* name) { return name[0] && strcmp(name, "E") != 0; }

}  // namespace

bool DDRestoreSurfaces() {
    cDisplayState& d = Display();
    if (!IsLost(d.Primary)) return true;
    d.Primary.lpSurface->Restore();
    // Off-screen display surfaces of window mode are not attached to the primary.
    for (cSurface* record : {&d.Back, &d.Work})
        if (IsLost(*record)) record->lpSurface->Restore();
    for (int i = 0; i < d.nSurfaceCount; ++i) {
        cSurface& record = d.lpSurfaces[i];
        if (!IsLost(record)) continue;
        record.lpSurface->Restore();
        if (record.nMemoryKind == kMemoryAny && IsPictureFile(record.szFileName) &&
            !DDReloadBitmap(record, d.nBpp))
            return false;
    }
    if (d.nBpp == 8 && d.lpPalette) d.lpPalette->SetEntries(0, 0, kPaletteSize, d.BasePalette);
    return true;
}

int DDReportVideoMemory() {
    cDisplayState& d = Display();
    if (!d.lpDD) return 1;
    DDSCAPS2 caps = {};
    caps.dwCaps = DDSCAPS_VIDEOMEMORY;
    DWORD total = 0, free = 0, rate = 0;
    d.lpDD->GetAvailableVidMem(&caps, &total, &free);
    d.lpDD->GetMonitorFrequency(&rate);
    const double mb = 1.0 / (1024 * 1024);
    if (!Report("VRAM Total : %.3fMB", total * mb)) return 0;
    Report("VRAM Free : %.3fMB", free * mb);
    Report("RR : %u", static_cast<unsigned>(rate));
    return 1;
}

uint32_t DDPaletteToPixel(const PALETTEENTRY& entry, const cPixelFormat& f) {
    return ((entry.peBlue & f.dwBlueMask) << f.nBlueShift) | ((entry.peGreen & f.dwGreenMask) << f.nGreenShift) |
           ((entry.peRed & f.dwRedMask) << f.nRedShift);
}

uint32_t DDPaletteToPixel(const PALETTEENTRY& entry) { return DDPaletteToPixel(entry, Display().Format); }

uint32_t DDIndexToPixel(int index) {
    index &= kPaletteSize - 1;
    if (Display().nBpp == 8) return static_cast<uint32_t>(index);
    return DDPaletteToPixel(Display().Palette[index]);
}
