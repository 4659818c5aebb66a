#include "editor/world/BmpConvert.h"

#include <cstring>
#include <vector>

#include "editor/shell/SystemBitmaps.h"
#include "framework/Dib.h"
#include "framework/ErrorLog.h"
#include "framework/MessageBox.h"
#include "framework/SafeFile.h"

namespace {

const size_t kHeaders = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
const size_t kColours = 256;
const size_t kTableBytes = kColours * sizeof(RGBQUAD);
// Larger inputs are no bitmaps an author converts for a game of 640 x 480.
const size_t kMaxInput = 64u << 20;

// The system's colours of the output's table, taken from the project palette.
bool IsProjectColour(size_t i) { return (i >= 10 && i <= 15) || (i >= 208 && i <= 239); }

class cNearest {
public:
    explicit cNearest(const RGBQUAD* palette) {
        std::vector<char> buffer(sizeof(LOGPALETTE) + (kColours - 1) * sizeof(PALETTEENTRY));
        LOGPALETTE* log = reinterpret_cast<LOGPALETTE*>(buffer.data());
        log->palVersion = 0x300;
        log->palNumEntries = kColours;
        for (size_t i = 0; i < kColours; ++i)
            log->palPalEntry[i] = {palette[i].rgbRed, palette[i].rgbGreen, palette[i].rgbBlue, 0};
        m_Palette = CreatePalette(log);
    }
    ~cNearest() {
        if (m_Palette) DeleteObject(m_Palette);
    }
    cNearest(const cNearest&) = delete;
    cNearest& operator=(const cNearest&) = delete;

    bool IsValid() const { return m_Palette != nullptr; }
    int Find(const RGBQUAD& colour) const {
        return static_cast<int>(GetNearestPaletteIndex(m_Palette, RGB(colour.rgbRed, colour.rgbGreen, colour.rgbBlue)));
    }

private:
    HPALETTE m_Palette;
};

}  // namespace

cBmpConvertSettings& BmpConvertSettings() {
    static cBmpConvertSettings settings;
    return settings;
}

uint8_t MapNearestColour(int n) {
    if (n == 0) return 52;
    if (n <= 15) return 16;
    if (n <= 207) return static_cast<uint8_t>(n);
    if (n <= 254) return 16;
    return 31;
}

bool ConvertBitmap(const char* outPath, const char* inPath, const cBmpConvertSettings& settings,
                   const RGBQUAD* secondPalette, const RGBQUAD* projectPalette) {
    std::vector<char> bytes;
    if (!ReadWholeFile(inPath, bytes, kMaxInput)) {
        ErrorBox("%s のロードに失敗！", inPath);
        return false;
    }
    BITMAPFILEHEADER fh = {};
    BITMAPINFOHEADER ih = {};
    bool valid = bytes.size() >= kHeaders;
    if (valid) {
        memcpy(&fh, bytes.data(), sizeof fh);
        memcpy(&ih, bytes.data() + sizeof fh, sizeof ih);
        valid = fh.bfType == 0x4d42 && ih.biSize == sizeof ih && ih.biBitCount == 8 && ih.biCompression == BI_RGB &&
                ih.biWidth > 0 && ih.biHeight != 0 && (ih.biClrUsed == 0 || ih.biClrUsed == kColours) &&
                fh.bfOffBits == kHeaders + kTableBytes;
    }
    const int64_t rowBytes = valid ? (static_cast<int64_t>(ih.biWidth) * 8 + 31) / 32 * 4 : 0;
    const int64_t rows = ih.biHeight < 0 ? -static_cast<int64_t>(ih.biHeight) : ih.biHeight;
    const int64_t pixelBytes = rowBytes * rows;
    if (!valid || static_cast<int64_t>(bytes.size()) < static_cast<int64_t>(fh.bfOffBits) + pixelBytes) {
        ErrorBox("%s は256色ではありません！", inPath);
        return false;
    }
    const RGBQUAD* table = reinterpret_cast<const RGBQUAD*>(bytes.data() + kHeaders);
    cNearest nearest(secondPalette);
    if (!nearest.IsValid()) {
        OutOfMemory();
        return false;
    }
    // The nearest colour of each of the 256 input colours, found once.
    uint8_t mapped[kColours];
    for (size_t c = 0; c < kColours; ++c) mapped[c] = MapNearestColour(nearest.Find(table[c]));

    std::vector<char> out(kHeaders + kTableBytes + static_cast<size_t>(pixelBytes));
    fh.bfSize = static_cast<DWORD>(out.size());
    memcpy(out.data(), &fh, sizeof fh);
    memcpy(out.data() + sizeof fh, &ih, sizeof ih);
    RGBQUAD* outTable = reinterpret_cast<RGBQUAD*>(out.data() + kHeaders);
    for (size_t i = 0; i < kColours; ++i) outTable[i] = IsProjectColour(i) ? projectPalette[i] : secondPalette[i];
    if (IsErrorLogOn())
        for (size_t i = 208; i <= 239; ++i)
            ErrorLogF("m_Pal[%d] = (%d,%d,%d)", static_cast<int>(i), projectPalette[i].rgbRed,
                      projectPalette[i].rgbGreen, projectPalette[i].rgbBlue);

    const uint8_t* in = reinterpret_cast<const uint8_t*>(bytes.data() + fh.bfOffBits);
    uint8_t* pixels = reinterpret_cast<uint8_t*>(out.data() + kHeaders + kTableBytes);
    memcpy(pixels, in, static_cast<size_t>(pixelBytes));  // the rows' padding stays as read
    for (int64_t y = 0; y < rows; ++y) {
        uint8_t* row = pixels + y * rowBytes;
        for (int32_t x = 0; x < ih.biWidth; ++x) {
            const uint8_t c = row[x];
            if (settings.useTransparent && c == settings.transparent)
                row[x] = 0;
            else if (settings.replaceLine && c == settings.lineIn)
                row[x] = static_cast<uint8_t>(settings.lineOut);
            else
                row[x] = mapped[c];
        }
    }
    if (!SaveFileSafely(outPath, out)) {
        ErrorBox("%s のオープンに失敗！", outPath);
        return false;
    }
    return true;
}

bool ConvertBitmap(const char* outPath, const char* inPath) {
    return ConvertBitmap(outPath, inPath, BmpConvertSettings(), GetSecondPalette(), GetProjectPalette());
}
