#pragma once
// Reading BMP files, which come from outside: every size is checked against the file before
// anything is allocated, and a file that does not hold what its headers promise is refused
// whole. The editor's and the game's pictures and palettes are all read through here.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <vector>

struct cBmpInfo {
    int width = 0;
    int height = 0;  // rows, always positive
    bool topDown = false;
    int bitCount = 0;
    uint32_t compression = BI_RGB;  // BI_RGB, or BI_RLE8 / BI_RLE4 for 8 / 4 bits
    int colourCount = 0;            // entries of the colour table (0 above 8 bits)
    long colourTableOffset = 0;
    long pixelOffset = 0;
    long pixelBytes = 0;  // the stored pixel data
    long rowBytes = 0;    // a stored row of an uncompressed file, padded to 4 bytes
};

// The largest width or height accepted.
const int kMaxBmpSide = 16384;
// A run-length file can describe far more pixels than it holds, so its picture is bounded
// by area as well.
const long kMaxBmpCompressedPixels = 4096L * 4096L;

// Reads and checks the headers of a BMP file: uncompressed at 1, 4, 8 or 24 bits per pixel,
// or run-length compressed at 8 or 4. False when they are malformed or the pixel data would
// run past the end of the file.
bool ReadBmpInfo(FILE* fp, cBmpInfo* info);
// The colour table, whatever the pixels' compression: 256 entries, those past the file's table
// zero. False for a file without one (above 8 bits).
bool ReadBmpColours(FILE* fp, const cBmpInfo& info, RGBQUAD* colours);
// Bytes per pixel of what ReadBmpPixels gives: one colour index up to 8 bits, else blue,
// green, red.
inline int BmpPixelBytes(const cBmpInfo& info) { return info.bitCount <= 8 ? 1 : 3; }
// The pixels, rows from the top down without padding, whatever order the file keeps them in.
// Pixels a run-length file skips are index 0. False when the data do not decode to exactly
// the picture (a run past a row or the last row, no end mark) or memory runs out.
bool ReadBmpPixels(FILE* fp, const cBmpInfo& info, std::vector<uint8_t>* pixels);

// A whole picture read through the checks above.
struct cBmpImage {
    cBmpInfo info;
    RGBQUAD colours[256] = {};
    std::vector<uint8_t> pixels;

    int Stride() const { return info.width * BmpPixelBytes(info); }
    const uint8_t* Row(int y) const { return pixels.data() + static_cast<size_t>(y) * Stride(); }
};
bool ReadBmpImage(const char* path, cBmpImage* image);
// The checked headers alone.
bool ReadBmpFileInfo(const char* path, cBmpInfo* info);
