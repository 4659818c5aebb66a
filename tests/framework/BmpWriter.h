#pragma once
// Writes BMP files for the bitmap tests, with every header field at hand so that a test can
// break one.
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <vector>

struct cBmpSpec {
    int bitCount = 8;
    int width = 1;
    int height = 1;
    bool topDown = false;
    std::function<uint32_t(int x, int y)> pixel;  // an index, or 0xRRGGBB at 24 bits
    std::vector<RGBQUAD> colours = std::vector<RGBQUAD>(256);
    // Overrides applied after the headers were filled.
    std::function<void(BITMAPFILEHEADER&, BITMAPINFOHEADER&)> spoil;
    int cutBytes = 0;  // bytes left off the end of the file
};

inline std::vector<char> MakeBmp(const cBmpSpec& spec) {
    int rowBytes = ((spec.width * spec.bitCount + 31) / 32) * 4;
    int tableBytes = spec.bitCount <= 8 ? static_cast<int>(spec.colours.size()) * 4 : 0;
    BITMAPFILEHEADER fh = {};
    BITMAPINFOHEADER ih = {};
    fh.bfType = 0x4d42;
    fh.bfOffBits = sizeof fh + sizeof ih + tableBytes;
    fh.bfSize = fh.bfOffBits + rowBytes * spec.height;
    ih.biSize = sizeof ih;
    ih.biWidth = spec.width;
    ih.biHeight = spec.topDown ? -spec.height : spec.height;
    ih.biPlanes = 1;
    ih.biBitCount = static_cast<WORD>(spec.bitCount);
    ih.biCompression = BI_RGB;
    ih.biClrUsed = spec.bitCount <= 8 ? static_cast<DWORD>(spec.colours.size()) : 0;
    if (spec.spoil) spec.spoil(fh, ih);

    std::vector<char> out(sizeof fh + sizeof ih);
    memcpy(out.data(), &fh, sizeof fh);
    memcpy(out.data() + sizeof fh, &ih, sizeof ih);
    if (tableBytes) {
        const char* table = reinterpret_cast<const char*>(spec.colours.data());
        out.insert(out.end(), table, table + tableBytes);
    }
    for (int r = 0; r < spec.height; ++r) {
        int y = spec.topDown ? r : spec.height - 1 - r;
        std::vector<char> row(rowBytes, '\x5a');  // padding that must not show up as pixels
        for (int x = 0; x < spec.width; ++x) {
            uint32_t v = spec.pixel ? spec.pixel(x, y) : 0;
            if (spec.bitCount == 8) {
                row[x] = static_cast<char>(v);
            } else {
                row[x * 3] = static_cast<char>(v & 0xff);
                row[x * 3 + 1] = static_cast<char>((v >> 8) & 0xff);
                row[x * 3 + 2] = static_cast<char>((v >> 16) & 0xff);
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    out.resize(out.size() - spec.cutBytes);
    return out;
}
