#pragma once
// The project palette set for one test from a table of 256 colours, written as a bitmap into the
// test's folder and loaded as the project loads it; the palette before comes back at the end.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "framework/Dib.h"
#include "tests/support/TempDir.h"

// An 8-bit bitmap of one pixel that carries the colours as its palette.
inline std::string PaletteBmp(const std::vector<RGBQUAD>& colours) {
    BITMAPINFOHEADER info = {sizeof info, 1, 1, 1, 8, BI_RGB, 4, 0, 0, 256, 0};
    BITMAPFILEHEADER head = {};
    head.bfType = 0x4D42;
    head.bfOffBits = sizeof head + sizeof info + 256 * sizeof(RGBQUAD);
    head.bfSize = head.bfOffBits + 4;
    std::string bytes(reinterpret_cast<const char*>(&head), sizeof head);
    bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
    bytes.append(reinterpret_cast<const char*>(colours.data()), 256 * sizeof(RGBQUAD));
    bytes.append(4, '\0');
    return bytes;
}

class cTestPalette {
public:
    cTestPalette(const cTempDir& dir, const std::vector<RGBQUAD>& colours)
        : m_Dir(dir), m_Saved(GetProjectPalette(), GetProjectPalette() + 256) {
        Load(colours);
    }
    ~cTestPalette() { Load(m_Saved); }

private:
    void Load(const std::vector<RGBQUAD>& colours) {
        m_Dir.Write("TestPalette.bmp", PaletteBmp(colours));
        EXPECT_EQ(1, LoadPalette("TestPalette.bmp"));
    }
    const cTempDir& m_Dir;
    std::vector<RGBQUAD> m_Saved;
};
