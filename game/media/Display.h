#pragma once
// The display: the DirectDraw object, the three display surfaces, the palette and the pixel
// format every per-pixel routine reads. One instance for the whole program.
#include <windows.h>

#include <ddraw.h>

#include <cstdint>

#include "game/media/Surface.h"

// Set-up step that failed, as DDCheckInitError and DDCheckError name them.
enum eDDError {
    kDDOk = 0,
    kDDCreateEx = 1,
    kDDSetCoopLevel = 2,
    kDDSetDisplayMode = 3,
    kDDCreateSurface = 4,
    kDDGetAttachedSurface = 5,
    kDDCreatePalette = 6,
    kDDSetPalette = 7,
    kDDLoadImage = 8,
    kDDSetColorKey = 9,
    kDDClipper = 10,
    kDDSetHWnd = 11,
    kDDSetClipper = 12,
};

// Channel positions of a direct-colour display: for RGB 5-6-5 shifts 11, 5, 0, masks 31, 63, 31.
struct cPixelFormat {
    int32_t nRedShift = 0;
    int32_t nGreenShift = 0;
    int32_t nBlueShift = 0;
    uint32_t dwRedMask = 0;  // masks shifted down to bit 0
    uint32_t dwGreenMask = 0;
    uint32_t dwBlueMask = 0;
};

const int kPaletteSize = 256;
const size_t kMixTableSize = 256 * 256;

struct cDisplayState {
    IDirectDraw7* lpDD = nullptr;
    cSurface Primary;
    cSurface Back;
    cSurface Work;  // always in system memory
    IDirectDrawPalette* lpPalette = nullptr;
    IDirectDrawClipper* lpClipper = nullptr;  // window mode only

    int32_t nWidth = 0;  // in window mode the client size
    int32_t nHeight = 0;
    int32_t nBpp = 0;  // 8 or 16
    int32_t nBytesPerPixel = 0;
    int32_t nWindowMode = 0;
    int32_t nBackBuffers = 1;  // 1: one back buffer, anything else two
    int32_t nRefreshRate = 0;
    int32_t nUseRefreshRate = 0;
    HWND hWnd = nullptr;

    // The game's surface array and the picture table that describes it, row for row.
    cSurface* lpSurfaces = nullptr;
    cPictureRow* lpPictures = nullptr;
    int32_t nSurfaceCount = 0;

    bool bInitialized = false;
    RECT rcWindow = {};  // the client area in screen coordinates (window mode)
    cPixelFormat Format;
    uint32_t dwTransparent = 0;  // in the display's pixel format

    // At depth 16 the components hold values in each mask's own range. The base palette is the
    // one fades start from and a restored display gets back.
    PALETTEENTRY Palette[kPaletteSize] = {};
    PALETTEENTRY BasePalette[kPaletteSize] = {};
    // Entry [a * 256 + b]: the palette index halfway between colours a and b.
    uint8_t MixTable[kMixTableSize] = {};
};

cDisplayState& Display();

// Logs the name of a failed set-up step; false for the codes it knows.
bool DDCheckInitError(int code);
// The same for surface and bitmap results.
bool DDCheckError(int code);

bool DDInit(HWND wnd, int width, int height, int bpp, int windowMode, int backBuffers, int refreshRate,
            int useRefreshRate, cSurface* surfaces, cPictureRow* pictures, int count);
int DDInitFullScreen(HWND wnd, int width, int height, int bpp, int backBuffers);
int DDInitWindow(HWND wnd);
void DDUnInitFullScreen();
void DDUnInitWindow();

// Restores the display and the surface table after the primary surface was lost, reloading the
// pictures that lived in video memory.
bool DDRestoreSurfaces();
// Appends video memory and refresh rate to the report file; 0 when it cannot be written.
int DDReportVideoMemory();

// A palette entry in the display's direct-colour format.
uint32_t DDPaletteToPixel(const PALETTEENTRY& entry);
uint32_t DDPaletteToPixel(const PALETTEENTRY& entry, const cPixelFormat& format);
// The pixel value palette index i draws with at the current depth.
uint32_t DDIndexToPixel(int index);
