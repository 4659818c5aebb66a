#pragma once
// A picture sheet of the editor put into one slot of the system bitmaps for one test: 24 bits,
// each pixel of the colour a function gives, clear (through the sheet's mask) where it gives
// kClear. The slot's picture before comes back at the end. Pixels read back likewise.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <functional>

#include "editor/shell/SystemBitmaps.h"
#include "framework/Dib.h"

const COLORREF kClear = CLR_INVALID;

class cTestSheet {
public:
    cTestSheet(int slot, int width, int height, const std::function<COLORREF(int x, int y)>& colour) : m_Slot(slot) {
        cDib sheet;
        EXPECT_TRUE(sheet.Create(width, height, 24, 1));
        GdiFlush();
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const COLORREF c = colour(x, y);
                uint8_t* image = sheet.Bits() + y * sheet.Stride() + 3 * x;
                uint8_t* mask = sheet.MaskBits() + y * sheet.Stride() + 3 * x;
                const bool clear = c == kClear;
                image[0] = clear ? 0 : GetBValue(c);
                image[1] = clear ? 0 : GetGValue(c);
                image[2] = clear ? 0 : GetRValue(c);
                memset(mask, clear ? 255 : 0, 3);
            }
        m_Saved.Swap(SystemBitmap(slot));
        SystemBitmap(slot).Swap(sheet);
    }
    ~cTestSheet() { SystemBitmap(m_Slot).Swap(m_Saved); }
    cTestSheet(const cTestSheet&) = delete;
    cTestSheet& operator=(const cTestSheet&) = delete;

private:
    int m_Slot;
    cDib m_Saved;
};

// A pixel of a 24-bit bitmap.
inline COLORREF PixelOf(const cDib& dib, int x, int y) {
    GdiFlush();
    const uint8_t* p = dib.Bits() + y * dib.Stride() + 3 * x;
    return RGB(p[2], p[1], p[0]);
}
