#pragma once
// Reading the headers of BMP files, which come from outside: every size is checked against
// the file before anything is allocated.
#include <cstdint>
#include <cstdio>

struct cBmpInfo {
    int width = 0;
    int height = 0;      // rows, always positive
    bool topDown = false;
    int bitCount = 0;
    int colourCount = 0;  // entries of the colour table (0 above 8 bits)
    long colourTableOffset = 0;
    long pixelOffset = 0;
    long rowBytes = 0;  // a stored row, padded to 4 bytes
};

// The largest width or height accepted.
const int kMaxBmpSide = 16384;

// Reads and checks the headers of an uncompressed BMP file of 1 to 24 bits per pixel; false
// when they are malformed or the pixels would run past the end of the file.
bool ReadBmpInfo(FILE* fp, cBmpInfo* info);
