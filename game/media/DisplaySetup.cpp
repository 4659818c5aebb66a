// Creating and releasing the display objects of the two display modes.
#include <cstring>

#include "framework/ErrorLog.h"
#include "framework/MessageBox.h"
#include "game/media/Display.h"

namespace {

void SetRecordSize(cSurface& record, int width, int height, int memoryKind) {
    record.nWidth = width;
    record.nHeight = height;
    record.nMemoryKind = memoryKind;
}

// The number of zero bits below the mask, and the mask shifted down by it.
void SplitMask(DWORD mask, int32_t& shift, uint32_t& bits) {
    shift = 0;
    if (!mask) {
        bits = 0;
        return;
    }
    while (!(mask & 1)) {
        mask >>= 1;
        ++shift;
    }
    bits = mask;
}

bool ReadPixelFormat(cSurface& primary, cPixelFormat& format) {
    DDPIXELFORMAT pf = {};
    pf.dwSize = sizeof pf;
    if (FAILED(primary.lpSurface->GetPixelFormat(&pf))) return false;
    format = cPixelFormat();
    SplitMask(pf.dwRBitMask, format.nRedShift, format.dwRedMask);
    SplitMask(pf.dwGBitMask, format.nGreenShift, format.dwGreenMask);
    SplitMask(pf.dwBBitMask, format.nBlueShift, format.dwBlueMask);
    return true;
}

bool CreatePrimary(IDirectDraw7* dd, cSurface& primary, DWORD caps, int backBufferCount) {
    DDSURFACEDESC2 desc = {};
    desc.dwSize = sizeof desc;
    desc.dwFlags = DDSD_CAPS | (backBufferCount ? DDSD_BACKBUFFERCOUNT : 0);
    desc.ddsCaps.dwCaps = caps;
    desc.dwBackBufferCount = backBufferCount;
    return SUCCEEDED(dd->CreateSurface(&desc, &primary.lpSurface, nullptr));
}

bool CreatePalette(IDirectDraw7* dd, const PALETTEENTRY* entries, IDirectDrawPalette** palette) {
    return SUCCEEDED(
        dd->CreatePalette(DDPCAPS_8BIT | DDPCAPS_ALLOW256, const_cast<PALETTEENTRY*>(entries), palette, nullptr));
}

void ReleaseSurfaceTable(cDisplayState& d) { DDReleaseSurfaceArray(d.lpSurfaces, d.nSurfaceCount); }

template <class T>
void ReleaseObject(T*& object) {
    if (object) {
        object->Release();
        object = nullptr;
    }
}

// Releases the DirectDraw object last; a reference still held means something was not released.
void ReleaseDirectDraw(cDisplayState& d, bool logLeak) {
    SetBoxDisplayState(nullptr, true);
    d.bInitialized = false;
    if (!d.lpDD) return;
    ULONG left = d.lpDD->Release();
    d.lpDD = nullptr;
    if (!left) return;
    if (logLeak) ErrorLogF("lpDD->Release() = %lu", left);
    AppMessageBox(d.hWnd, "解放漏れがあります", "DirectDraw", MB_OK | MB_ICONERROR);
}

void ClearRecord(cSurface& record) {
    record.lpSurface = nullptr;
    record.lpIndexMap.reset();
}

}  // namespace

int DDInitFullScreen(HWND wnd, int width, int height, int bpp, int backBuffers) {
    cDisplayState& d = Display();
    SetRecordSize(d.Primary, width, height, kMemoryAny);
    SetRecordSize(d.Back, width, height, kMemoryAny);
    SetRecordSize(d.Work, width, height, kMemorySystem);
    if (FAILED(DirectDrawCreateEx(nullptr, reinterpret_cast<void**>(&d.lpDD), IID_IDirectDraw7, nullptr)))
        return kDDCreateEx;
    if (FAILED(d.lpDD->SetCooperativeLevel(wnd, DDSCL_FULLSCREEN | DDSCL_ALLOWREBOOT | DDSCL_EXCLUSIVE)))
        return kDDSetCoopLevel;
    // A refresh rate the display refuses falls back to its default rate.
    bool modeSet = d.nUseRefreshRate && SUCCEEDED(d.lpDD->SetDisplayMode(width, height, bpp, d.nRefreshRate, 0));
    if (!modeSet && FAILED(d.lpDD->SetDisplayMode(width, height, bpp, 0, 0))) return kDDSetDisplayMode;
    if (!CreatePrimary(d.lpDD, d.Primary, DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX,
                       backBuffers == 1 ? 1 : 2))
        return kDDCreateSurface;
    DDSCAPS2 caps = {};
    caps.dwCaps = DDSCAPS_BACKBUFFER;
    if (FAILED(d.Primary.lpSurface->GetAttachedSurface(&caps, &d.Back.lpSurface))) return kDDGetAttachedSurface;
    if (!DDCreateSurface(d.Work, width, height, 0, kMemorySystem)) return kDDCreateSurface;

    PALETTEENTRY initial[kPaletteSize];
    for (int i = 0; i < kPaletteSize; ++i)
        initial[i] = {static_cast<BYTE>(i), static_cast<BYTE>(i), 0, PC_RESERVED};
    initial[0] = {0, 0, 255, PC_RESERVED};
    if (!CreatePalette(d.lpDD, initial, &d.lpPalette)) return kDDCreatePalette;
    if (bpp > 8) {
        ReadPixelFormat(d.Primary, d.Format);
    } else if (FAILED(d.Primary.lpSurface->SetPalette(d.lpPalette))) {
        return kDDSetPalette;
    }
    while (ShowCursor(FALSE) >= 0) {
    }
    return kDDOk;
}

int DDInitWindow(HWND wnd) {
    cDisplayState& d = Display();
    RECT client = {};
    GetClientRect(wnd, &client);
    POINT corner = {0, 0};
    ClientToScreen(wnd, &corner);
    OffsetRect(&client, corner.x, corner.y);
    d.rcWindow = client;
    d.nWidth = client.right - client.left;
    d.nHeight = client.bottom - client.top;
    SetRecordSize(d.Primary, d.nWidth, d.nHeight, kMemoryAny);
    SetRecordSize(d.Back, d.nWidth, d.nHeight, kMemoryAny);
    SetRecordSize(d.Work, d.nWidth, d.nHeight, kMemorySystem);

    HDC screen = GetDC(nullptr);
    d.nBpp = GetDeviceCaps(screen, BITSPIXEL);
    ReleaseDC(nullptr, screen);
    d.nBytesPerPixel = d.nBpp / 8;

    if (FAILED(DirectDrawCreateEx(nullptr, reinterpret_cast<void**>(&d.lpDD), IID_IDirectDraw7, nullptr)))
        return kDDCreateEx;
    if (FAILED(d.lpDD->SetCooperativeLevel(wnd, DDSCL_NORMAL))) return kDDSetCoopLevel;
    if (!CreatePrimary(d.lpDD, d.Primary, DDSCAPS_PRIMARYSURFACE, 0)) return kDDCreateSurface;
    if (!DDCreateSurface(d.Back, d.nWidth, d.nHeight, 0, kMemoryAny)) return kDDCreateSurface;
    if (!DDCreateSurface(d.Work, d.nWidth, d.nHeight, 0, kMemorySystem)) return kDDCreateSurface;

    // The system's twenty static colours stay where the desktop has them.
    PALETTEENTRY initial[kPaletteSize];
    for (int i = 0; i < kPaletteSize; ++i) {
        bool system = i < 10 || i >= 246;
        initial[i] = {static_cast<BYTE>(i), static_cast<BYTE>(system ? 0 : i), 0,
                      static_cast<BYTE>(system ? PC_EXPLICIT : PC_RESERVED)};
    }
    if (!CreatePalette(d.lpDD, initial, &d.lpPalette)) return kDDCreatePalette;
    if (d.nBpp > 8) {
        ReadPixelFormat(d.Primary, d.Format);
    } else if (FAILED(d.Primary.lpSurface->SetPalette(d.lpPalette))) {
        return kDDSetPalette;
    }
    if (FAILED(d.lpDD->CreateClipper(0, &d.lpClipper, nullptr))) return kDDClipper;
    if (FAILED(d.lpClipper->SetHWnd(0, wnd))) return kDDSetHWnd;
    if (FAILED(d.Primary.lpSurface->SetClipper(d.lpClipper))) return kDDSetClipper;
    while (ShowCursor(TRUE) < 0) {
    }
    return kDDOk;
}

void DDUnInitFullScreen() {
    cDisplayState& d = Display();
    ReleaseSurfaceTable(d);
    ReleaseObject(d.lpPalette);
    // The back buffer goes with the primary it is attached to.
    ClearRecord(d.Back);
    DDReleaseSurface(d.Primary);
    DDReleaseSurface(d.Work);
    ReleaseDirectDraw(d, false);
}

void DDUnInitWindow() {
    cDisplayState& d = Display();
    ReleaseSurfaceTable(d);
    ReleaseObject(d.lpClipper);
    ReleaseObject(d.lpPalette);
    DDReleaseSurface(d.Back);
    DDReleaseSurface(d.Primary);
    DDReleaseSurface(d.Work);
    ReleaseDirectDraw(d, true);
}
