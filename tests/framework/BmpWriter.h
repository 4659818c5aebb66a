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

inline std::vector<char> MakeBmp(const cBmpSpec& shape) {
    int rowBytes = ((shape.width * shape.bitCount + 31) / 32) * 4;
    int tableBytes = shape.bitCount <= 8 ? static_cast<int>(shape.colours.size()) * 4 : 0;
    BITMAPFILEHEADER fh = {};
    BITMAPINFOHEADER ih = {};
    fh.bfType = 0x4d42;
    fh.bfOffBits = sizeof fh + sizeof ih + tableBytes;
    fh.bfSize = fh.bfOffBits + rowBytes * shape.height;
    ih.biSize = sizeof ih;
    ih.biWidth = shape.width;
    ih.biHeight = shape.topDown ? -shape.height : shape.height;
    ih.biPlanes = 1;
    ih.biBitCount = static_cast<WORD>(shape.bitCount);
    ih.biCompression = BI_RGB;
    ih.biClrUsed = shape.bitCount <= 8 ? static_cast<DWORD>(shape.colours.size()) : 0;
    if (shape.spoil) shape.spoil(fh, ih);

    std::vector<char> out(sizeof fh + sizeof ih);
    memcpy(out.data(), &fh, sizeof fh);
    memcpy(out.data() + sizeof fh, &ih, sizeof ih);
    if (tableBytes) {
        const char* table = reinterpret_cast<const char*>(shape.colours.data());
        out.insert(out.end(), table, table + tableBytes);
    }
    for (int r = 0; r < shape.height; ++r) {
        int y = shape.topDown ? r : shape.height - 1 - r;
        std::vector<char> row(rowBytes, '\x5a');  // padding that must not show up as pixels
        for (int x = 0; x < shape.width; ++x) {
            uint32_t v = shape.pixel ? shape.pixel(x, y) : 0;
            if (shape.bitCount == 8) {
                row[x] = static_cast<char>(v);
            } else {
                row[x * 3] = static_cast<char>(v & 0xff);
                row[x * 3 + 1] = static_cast<char>((v >> 8) & 0xff);
                row[x * 3 + 2] = static_cast<char>((v >> 16) & 0xff);
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    out.resize(out.size() - shape.cutBytes);
    return out;
}
