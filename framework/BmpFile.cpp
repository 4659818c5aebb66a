#include "framework/BmpFile.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

uint32_t U32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24); }
uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

struct cFileCloser {
    FILE* fp;
    ~cFileCloser() {
        if (fp) fclose(fp);
    }
};

bool IsKnownLayout(int bitCount, uint32_t compression) {
    switch (compression) {
        case BI_RGB:
            return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 24;
        case BI_RLE8:
            return bitCount == 8;
        case BI_RLE4:
            return bitCount == 4;
        default:
            return false;
    }
}

// Pixel x of a stored row of 1, 4 or 8 bits per pixel.
int IndexAt(const uint8_t* row, int x, int bitCount) {
    switch (bitCount) {
        case 1:
            return (row[x >> 3] >> (7 - (x & 7))) & 1;
        case 4:
            return (x & 1) ? row[x >> 1] & 15 : row[x >> 1] >> 4;
        default:
            return row[x];
    }
}

void Unpack(const uint8_t* stored, const cBmpInfo& info, uint8_t* pixels) {
    size_t stride = static_cast<size_t>(info.width) * BmpPixelBytes(info);
    for (int r = 0; r < info.height; ++r) {
        const uint8_t* row = stored + static_cast<size_t>(r) * info.rowBytes;
        int y = info.topDown ? r : info.height - 1 - r;
        uint8_t* out = pixels + y * stride;
        if (info.bitCount >= 8) {
            memcpy(out, row, stride);
        } else {
            for (int x = 0; x < info.width; ++x) out[x] = static_cast<uint8_t>(IndexAt(row, x, info.bitCount));
        }
    }
}

// Run-length data: pairs of (count, value) runs, and escapes after a count of 0: end of line
// (0), end of picture (1), a move right and up (2, dx, dy), or that many pixels as they are,
// padded to a 16-bit boundary. Rows go from the bottom up. At 4 bits a value holds two pixels,
// high nibble first. Many encoders code each row out to its stored width, a multiple of 4 bytes,
// so pixels past the right edge are dropped; a row past the last one refuses the file.
bool DecodeRle(const uint8_t* data, size_t size, const cBmpInfo& info, uint8_t* pixels) {
    bool four = info.compression == BI_RLE4;
    // y counts rows from the bottom; both stop one past the picture, so no run of escapes wraps them
    int x = 0, y = 0;
    auto put = [&](int value) {
        if (y >= info.height) return false;
        if (x < info.width)
            pixels[static_cast<size_t>(info.height - 1 - y) * info.width + x++] = static_cast<uint8_t>(value);
        return true;
    };
    auto nibble = [](int value, int k) { return (k & 1) ? value & 15 : value >> 4; };
    size_t i = 0;
    while (i + 2 <= size) {
        int count = data[i], value = data[i + 1];
        i += 2;
        if (count > 0) {
            for (int k = 0; k < count; ++k)
                if (!put(four ? nibble(value, k) : value)) return false;
        } else if (value == 0) {
            x = 0;
            y = std::min(y + 1, info.height);
        } else if (value == 1) {
            return true;
        } else if (value == 2) {
            if (i + 2 > size) return false;
            x = std::min(x + data[i], info.width);
            y = std::min(y + data[i + 1], info.height);
            i += 2;
        } else {
            size_t bytes = four ? (value + 1) / 2 : value;
            if (i + bytes > size) return false;
            for (int k = 0; k < value; ++k)
                if (!put(four ? nibble(data[i + k / 2], k) : data[i + k])) return false;
            i += (bytes + 1) & ~static_cast<size_t>(1);
        }
    }
    return false;
}

}  // namespace

bool ReadBmpInfo(FILE* fp, cBmpInfo* info) {
    if (fseek(fp, 0, SEEK_END) != 0) return false;
    long fileSize = ftell(fp);
    if (fileSize < 0 || fseek(fp, 0, SEEK_SET) != 0) return false;

    uint8_t head[14 + 40];
    if (fread(head, 1, sizeof head, fp) != sizeof head) return false;
    if (head[0] != 'B' || head[1] != 'M') return false;
    uint32_t pixelOffset = U32(head + 10);
    const uint8_t* ih = head + 14;
    uint32_t headerSize = U32(ih);
    int32_t width = static_cast<int32_t>(U32(ih + 4));
    int32_t height = static_cast<int32_t>(U32(ih + 8));
    int planes = U16(ih + 12);
    int bitCount = U16(ih + 14);
    uint32_t compression = U32(ih + 16);
    uint32_t imageSize = U32(ih + 20);
    uint32_t coloursUsed = U32(ih + 32);

    // Information headers of later versions are longer; the core header of OS/2 is refused.
    if (headerSize < 40 || headerSize > 1024 || planes != 1 || !IsKnownLayout(bitCount, compression)) return false;
    if (width <= 0 || width > kMaxBmpSide || height == 0 || height < -kMaxBmpSide || height > kMaxBmpSide) return false;
    long rows = height < 0 ? -static_cast<long>(height) : height;
    bool compressed = compression != BI_RGB;
    // Run-length rows always go from the bottom up.
    if (compressed && (height < 0 || width * rows > kMaxBmpCompressedPixels)) return false;

    int colourCount = 0;
    if (bitCount <= 8) {
        uint32_t most = 1u << bitCount;
        if (coloursUsed > most) return false;
        colourCount = coloursUsed ? static_cast<int>(coloursUsed) : static_cast<int>(most);
    }
    long tableOffset = 14 + static_cast<long>(headerSize);
    long tableEnd = tableOffset + colourCount * 4L;
    if (pixelOffset < static_cast<uint32_t>(tableEnd) || pixelOffset > static_cast<uint32_t>(fileSize)) return false;
    long available = fileSize - static_cast<long>(pixelOffset);
    long rowBytes = ((static_cast<long>(width) * bitCount + 31) / 32) * 4;
    long pixelBytes = rowBytes * rows;
    if (compressed) pixelBytes = imageSize ? static_cast<long>(imageSize) : available;
    if (pixelBytes > available || (compressed && (imageSize > static_cast<uint32_t>(available) || pixelBytes < 2)))
        return false;

    info->width = width;
    info->height = static_cast<int>(rows);
    info->topDown = height < 0;
    info->bitCount = bitCount;
    info->compression = compression;
    info->colourCount = colourCount;
    info->colourTableOffset = tableOffset;
    info->pixelOffset = static_cast<long>(pixelOffset);
    info->pixelBytes = pixelBytes;
    info->rowBytes = rowBytes;
    return true;
}

bool ReadBmpColours(FILE* fp, const cBmpInfo& info, RGBQUAD* colours) {
    if (info.bitCount > 8) return false;
    RGBQUAD read[256] = {};
    if (fseek(fp, info.colourTableOffset, SEEK_SET) != 0) return false;
    size_t count = static_cast<size_t>(info.colourCount);
    if (fread(read, sizeof(RGBQUAD), count, fp) != count) return false;
    memcpy(colours, read, sizeof read);
    return true;
}

bool ReadBmpPixels(FILE* fp, const cBmpInfo& info, std::vector<uint8_t>* pixels) {
    if (fseek(fp, info.pixelOffset, SEEK_SET) != 0) return false;
    try {
        std::vector<uint8_t> stored(static_cast<size_t>(info.pixelBytes));
        if (fread(stored.data(), 1, stored.size(), fp) != stored.size()) return false;
        std::vector<uint8_t> decoded(static_cast<size_t>(info.width) * BmpPixelBytes(info) * info.height);
        if (info.compression == BI_RGB)
            Unpack(stored.data(), info, decoded.data());
        else if (!DecodeRle(stored.data(), stored.size(), info, decoded.data()))
            return false;
        pixels->swap(decoded);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

bool ReadBmpImage(const char* path, cBmpImage* image) {
    FILE* fp = path ? fopen(path, "rb") : nullptr;
    if (!fp) return false;
    cFileCloser closer{fp};
    cBmpImage read;
    if (!ReadBmpInfo(fp, &read.info)) return false;
    if (read.info.bitCount <= 8 && !ReadBmpColours(fp, read.info, read.colours)) return false;
    if (!ReadBmpPixels(fp, read.info, &read.pixels)) return false;
    image->info = read.info;
    memcpy(image->colours, read.colours, sizeof read.colours);
    image->pixels.swap(read.pixels);
    return true;
}

bool ReadBmpFileInfo(const char* path, cBmpInfo* info) {
    FILE* fp = path ? fopen(path, "rb") : nullptr;
    if (!fp) return false;
    cFileCloser closer{fp};
    return ReadBmpInfo(fp, info);
}
