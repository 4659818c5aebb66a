#include "game/media/Palette.h"

#include "framework/ErrorLog.h"
#include "game/media/Bitmap.h"
#include "game/media/Display.h"
#include "game/media/PixelView.h"

namespace {

const int kPaletteBlockTop = 8;
const int kPaletteBlockSide = 16;

bool ReadColorTable(const char* file, RGBQUAD* table, UINT& count) {
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageA(nullptr, file, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (!bitmap) return false;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    count = GetDIBColorTable(dc, 0, kPaletteSize, table);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
    return true;
}

}  // namespace

bool DDLoadPaletteFromFile(PALETTEENTRY* entries, const char* file) {
    RGBQUAD table[kPaletteSize] = {};
    UINT count = 0;
    if (!ReadColorTable(file, table, count)) return false;
    for (int i = 0; i < kPaletteSize; ++i) {
        bool system = i < 10 || i >= 246;
        entries[i] = {table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue,
                      static_cast<BYTE>(system ? PC_EXPLICIT : PC_RESERVED)};
    }
    cDisplayState& d = Display();
    if (d.nBpp == 8) {
        if (d.lpPalette) d.lpPalette->SetEntries(0, 0, kPaletteSize, entries);
        return true;
    }
    cSurface temporary;
    bool loaded = DDLoadBitmap(temporary, file, 0, d.nBpp, kMemorySystem, 0, 0, 0) == 0;
    if (loaded) DDReadPalette16(entries, temporary);
    DDReleaseSurface(temporary);
    return loaded;
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
