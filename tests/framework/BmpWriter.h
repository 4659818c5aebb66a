#pragma once
// Writes BMP files for the bitmap tests, with every header field at hand so that a test can
// break one.
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <vector>

struct cBmpShape {
    int bitCount = 8;
    int width = 1;
    int height = 1;
    bool topDown = false;
    // BI_RLE8 encodes the pixels as other programs write 8-bit files (runs, pixels as they are,
    // an end of line after each row and an end mark).
    uint32_t compression = BI_RGB;
    std::function<uint32_t(int x, int y)> pixel;  // an index, or 0xRRGGBB at 24 bits
    std::vector<RGBQUAD> colours = std::vector<RGBQUAD>(256);
    // When not empty, written as the pixel data in place of the pixels above.
    std::vector<uint8_t> stored;
    // Overrides applied after the headers were filled.
    std::function<void(BITMAPFILEHEADER&, BITMAPINFOHEADER&)> spoil;
    int cutBytes = 0;  // bytes left off the end of the file
};

// One row of indexes as 8-bit run-length data, with the end of line.
inline void AppendRle8Row(std::vector<uint8_t>& out, const std::vector<uint8_t>& row) {
    size_t i = 0, n = row.size();
    while (i < n) {
        size_t run = 1;
        while (i + run < n && run < 255 && row[i + run] == row[i]) ++run;
        if (run >= 2) {
            out.insert(out.end(), {static_cast<uint8_t>(run), row[i]});
            i += run;
            continue;
        }
        // Pixels as they are, up to the next pair of equal ones.
        size_t single = 1;
        while (i + single < n && single < 255 && !(i + single + 1 < n && row[i + single] == row[i + single + 1]))
            ++single;
        if (single < 3) {
            for (size_t k = 0; k < single; ++k) out.insert(out.end(), {1, row[i + k]});
        } else {
            out.insert(out.end(), {0, static_cast<uint8_t>(single)});
            out.insert(out.end(), row.begin() + i, row.begin() + i + single);
            if (single & 1) out.push_back(0);
        }
        i += single;
    }
    out.insert(out.end(), {0, 0});
}

inline std::vector<uint8_t> StoredPixels(const cBmpShape& shape) {
    if (!shape.stored.empty()) return shape.stored;
    int rowBytes = ((shape.width * shape.bitCount + 31) / 32) * 4;
    std::vector<uint8_t> out;
    for (int r = 0; r < shape.height; ++r) {
        int y = shape.topDown ? r : shape.height - 1 - r;
        std::vector<uint8_t> row(rowBytes, 0x5a);  // padding that must not show up as pixels
        if (shape.bitCount < 8) std::fill(row.begin(), row.begin() + (shape.width * shape.bitCount + 7) / 8, 0);
        for (int x = 0; x < shape.width; ++x) {
            uint32_t v = shape.pixel ? shape.pixel(x, y) : 0;
            switch (shape.bitCount) {
                case 1:
                    row[x / 8] |= static_cast<uint8_t>((v & 1) << (7 - x % 8));
                    break;
                case 4:
                    row[x / 2] |= static_cast<uint8_t>((v & 15) << (x % 2 ? 0 : 4));
                    break;
                case 8:
                    row[x] = static_cast<uint8_t>(v);
                    break;
                default:
                    row[x * 3] = static_cast<uint8_t>(v & 0xff);
                    row[x * 3 + 1] = static_cast<uint8_t>((v >> 8) & 0xff);
                    row[x * 3 + 2] = static_cast<uint8_t>((v >> 16) & 0xff);
            }
        }
        if (shape.compression == BI_RLE8) {
            row.resize(shape.width);
            AppendRle8Row(out, row);
        } else {
            out.insert(out.end(), row.begin(), row.end());
        }
    }
    if (shape.compression == BI_RLE8) out.insert(out.end(), {0, 1});
    return out;
}

inline std::vector<char> MakeBmp(const cBmpShape& shape) {
    std::vector<uint8_t> pixels = StoredPixels(shape);
    int tableBytes = shape.bitCount <= 8 ? static_cast<int>(shape.colours.size()) * 4 : 0;
    BITMAPFILEHEADER fh = {};
    BITMAPINFOHEADER ih = {};
    fh.bfType = 0x4d42;
    fh.bfOffBits = sizeof fh + sizeof ih + tableBytes;
    fh.bfSize = fh.bfOffBits + static_cast<DWORD>(pixels.size());
    ih.biSize = sizeof ih;
    ih.biWidth = shape.width;
    ih.biHeight = shape.topDown ? -shape.height : shape.height;
    ih.biPlanes = 1;
    ih.biBitCount = static_cast<WORD>(shape.bitCount);
    ih.biCompression = shape.compression;
    if (shape.compression != BI_RGB) ih.biSizeImage = static_cast<DWORD>(pixels.size());
    ih.biClrUsed = shape.bitCount <= 8 ? static_cast<DWORD>(shape.colours.size()) : 0;
    if (shape.spoil) shape.spoil(fh, ih);

    std::vector<char> out(sizeof fh + sizeof ih + tableBytes + pixels.size());
    char* p = out.data();
    memcpy(p, &fh, sizeof fh);
    memcpy(p + sizeof fh, &ih, sizeof ih);
    if (tableBytes) memcpy(p + sizeof fh + sizeof ih, shape.colours.data(), tableBytes);
    if (!pixels.empty()) memcpy(p + sizeof fh + sizeof ih + tableBytes, pixels.data(), pixels.size());
    out.resize(out.size() - shape.cutBytes);
    return out;
}
