#include "framework/BmpFile.h"

#include <windows.h>

namespace {

uint32_t U32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24); }
uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

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
    uint32_t coloursUsed = U32(ih + 32);

    // Information headers of later versions are longer; the core header of OS/2 is refused.
    if (headerSize < 40 || headerSize > 1024 || planes != 1 || compression != BI_RGB) return false;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24) return false;
    if (width <= 0 || width > kMaxBmpSide || height == 0 || height < -kMaxBmpSide || height > kMaxBmpSide) return false;

    int colourCount = 0;
    if (bitCount <= 8) {
        uint32_t most = 1u << bitCount;
        if (coloursUsed > most) return false;
        colourCount = coloursUsed ? static_cast<int>(coloursUsed) : static_cast<int>(most);
    }
    long tableOffset = 14 + static_cast<long>(headerSize);
    long tableEnd = tableOffset + colourCount * 4L;
    long rowBytes = ((static_cast<long>(width) * bitCount + 31) / 32) * 4;
    long rows = height < 0 ? -static_cast<long>(height) : height;
    if (pixelOffset < static_cast<uint32_t>(tableEnd) || pixelOffset > static_cast<uint32_t>(fileSize)) return false;
    if (rowBytes * rows > fileSize - static_cast<long>(pixelOffset)) return false;

    info->width = width;
    info->height = static_cast<int>(rows);
    info->topDown = height < 0;
    info->bitCount = bitCount;
    info->colourCount = colourCount;
    info->colourTableOffset = tableOffset;
    info->pixelOffset = static_cast<long>(pixelOffset);
    info->rowBytes = rowBytes;
    return true;
}
