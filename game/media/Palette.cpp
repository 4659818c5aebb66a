#include "game/media/Palette.h"

#include <algorithm>

#include "framework/Dib.h"
#include "framework/ErrorLog.h"
#include "game/media/Bitmap.h"
#include "game/media/Display.h"
#include "game/media/PixelView.h"

namespace {

const int kPaletteBlockTop = 8;
const int kPaletteBlockSide = 16;

}  // namespace

bool DDLoadPaletteFromFile(PALETTEENTRY* entries, const char* file) {
    // Read into a copy: the entries keep their colours unless the whole load succeeds.
    RGBQUAD table[kPaletteSize];
    if (!ReadPaletteFile(file, table)) return false;
    PALETTEENTRY loaded[kPaletteSize];
    for (int i = 0; i < kPaletteSize; ++i) {
        bool system = i < 10 || i >= 246;
        loaded[i] = {table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue,
                     static_cast<BYTE>(system ? PC_EXPLICIT : PC_RESERVED)};
    }
    cDisplayState& d = Display();
    if (d.nBpp != 8) {
        cSurface temporary;
        bool read = DDLoadBitmap(temporary, file, 0, d.nBpp, kMemorySystem, 0, 0, 0) == 0;
        if (read) DDReadPalette16(loaded, temporary);
        DDReleaseSurface(temporary);
        if (!read) return false;
    }
    std::copy(loaded, loaded + kPaletteSize, entries);
    if (d.nBpp == 8 && d.lpPalette) d.lpPalette->SetEntries(0, 0, kPaletteSize, entries);
    return true;
}

void DDReadPalette16(PALETTEENTRY* entries, cSurface& record) {
    if (Display().nBpp != 16) return;
    cLockedView locked(record);
    if (!locked.IsLocked()) return;
    const cPixelView& view = locked.View();
    const cPixelFormat& f = Display().Format;
    for (int row = 0; row < kPaletteBlockSide; ++row)
        for (int column = 0; column < kPaletteBlockSide; ++column) {
            if (!view.Contains(column, kPaletteBlockTop + row)) continue;
            uint32_t p = view.Get(column, kPaletteBlockTop + row);
            PALETTEENTRY& e = entries[row * kPaletteBlockSide + column];
            e.peRed = static_cast<BYTE>((p >> f.nRedShift) & f.dwRedMask);
            e.peGreen = static_cast<BYTE>((p >> f.nGreenShift) & f.dwGreenMask);
            e.peBlue = static_cast<BYTE>((p >> f.nBlueShift) & f.dwBlueMask);
        }
}

bool DDSetTransmit(const char* file) {
    cDisplayState& d = Display();
    cSurface temporary;
    if (DDLoadBitmap(temporary, file, 0, d.nBpp, kMemorySystem, 0, 0, 0) != 0) {
        ErrorLogF("%s 生成失敗！", file);
        DDReleaseSurface(temporary);
        return false;
    }
    bool locked = false;
    {
        cLockedView view(temporary);
        if (view.IsLocked()) {
            locked = true;
            d.dwTransparent = view.View().Get(0, 0);
        }
    }
    DDReleaseSurface(temporary);
    if (!locked) ErrorLog("Lock 失敗！");
    return locked;
}
