// Loading BMP files into bitmaps, and the project palette they are drawn through.
#include <algorithm>
#include <cstring>
#include <vector>

#include "framework/BmpFile.h"
#include "framework/Dib.h"
#include "framework/MessageBox.h"

namespace {

RGBQUAD g_palette[256];
uint8_t g_transparentColour[3];  // blue, green, red
int g_transparentIndex = 0;
int g_maskIndex = 0;

int FirstIndexOf(const RGBQUAD& colour) {
    for (int i = 0; i < 256; ++i) {
        const RGBQUAD& c = g_palette[i];
        if (c.rgbBlue == colour.rgbBlue && c.rgbGreen == colour.rgbGreen && c.rgbRed == colour.rgbRed) return i;
    }
    return 0;
}

struct cFileCloser {
    FILE* fp;
    ~cFileCloser() {
        if (fp) fclose(fp);
    }
};

bool ReadPixels(FILE* fp, const cBmpInfo& info, cDib& dib) {
    std::vector<uint8_t> pixels;
    if (!ReadBmpPixels(fp, info, &pixels)) return false;
    size_t used = static_cast<size_t>(info.width) * BmpPixelBytes(info);
    for (int y = 0; y < info.height; ++y)
        memcpy(dib.Bits() + static_cast<size_t>(y) * dib.Stride(), pixels.data() + y * used, used);
    return true;
}

// Mirrors each whole tile in place: left to right when a tile width is given, upside down when
// a tile height is given. A strip at the right or bottom that is narrower than a tile is no
// tile and stays as it is.
void FlipTiles(cDib& dib, int tileWidth, int tileHeight) {
    int tw = tileWidth > 0 ? tileWidth : dib.Width();
    int th = tileHeight > 0 ? tileHeight : dib.Height();
    uint8_t* bits = dib.Bits();
    int stride = dib.Stride();
    for (int ty = 0; ty + th <= dib.Height(); ty += th) {
        for (int tx = 0; tx + tw <= dib.Width(); tx += tw) {
            if (tileWidth > 0) {
                for (int y = ty; y < ty + th; ++y) std::reverse(bits + y * stride + tx, bits + y * stride + tx + tw);
            }
            if (tileHeight > 0) {
                for (int a = ty, b = ty + th - 1; a < b; ++a, --b)
                    std::swap_ranges(bits + a * stride + tx, bits + a * stride + tx + tw, bits + b * stride + tx);
            }
        }
    }
}

void BuildMask(cDib& dib) {
    int stride = dib.Stride();
    for (int y = 0; y < dib.Height(); ++y) {
        const uint8_t* image = dib.Bits() + y * stride;
        uint8_t* mask = dib.MaskBits() + y * stride;
        if (dib.BitsPerPixel() == 8) {
            for (int x = 0; x < dib.Width(); ++x)
                mask[x] = image[x] == g_transparentIndex ? 255 : static_cast<uint8_t>(g_maskIndex);
        } else {
            for (int x = 0; x < dib.Width() * 3; x += 3) {
                bool clear = memcmp(image + x, g_transparentColour, 3) == 0;
                memset(mask + x, clear ? 255 : 0, 3);
            }
        }
    }
}

}  // namespace

const RGBQUAD* GetProjectPalette() { return g_palette; }

int ReadPaletteFile(const char* path, RGBQUAD* colours) {
    FILE* fp = path ? fopen(path, "rb") : nullptr;
    if (!fp) return 0;
    cFileCloser closer{fp};
    cBmpInfo info;
    return ReadBmpInfo(fp, &info) && ReadBmpColours(fp, info, colours) ? 1 : 0;
}

int LoadPalette(const char* path) { return ReadPaletteFile(path, g_palette); }

void SetTransparentColour(int entry) {
    const RGBQUAD& c = g_palette[entry & 255];
    g_transparentColour[0] = c.rgbBlue;
    g_transparentColour[1] = c.rgbGreen;
    g_transparentColour[2] = c.rgbRed;
    g_transparentIndex = FirstIndexOf(c);
}

void SetMaskColour(int entry) { g_maskIndex = FirstIndexOf(g_palette[entry & 255]); }

int GetTransparentIndex() { return g_transparentIndex; }
int GetMaskIndex() { return g_maskIndex; }

int cDib::LoadFile(const char* path, int bitsPerPixel, int withMask, int tileWidth, int tileHeight) {
    if (!path || (bitsPerPixel != 8 && bitsPerPixel != 24)) return 0;
    FILE* fp = fopen(path, "rb");
    if (!fp) {
        ErrorBox("%s が読み込めません！", path);
        return 0;
    }
    cFileCloser closer{fp};
    cBmpInfo info;
    if (!ReadBmpInfo(fp, &info)) {
        ErrorBox("%s が読み込めません！", path);
        return 0;
    }
    if (info.bitCount != bitsPerPixel) {
        if (bitsPerPixel == 8)
            ErrorBox("%s は256色ではありません！", path);
        else
            ErrorBox("%s が読み込めません！", path);
        return 0;
    }
    cDib loaded;
    if (!loaded.Create(info.width, info.height, bitsPerPixel, withMask) || !ReadPixels(fp, info, loaded)) {
        ErrorBox("%s が読み込めません！", path);
        return 0;
    }
    if (bitsPerPixel == 8 && (tileWidth > 0 || tileHeight > 0)) FlipTiles(loaded, tileWidth, tileHeight);
    if (withMask) BuildMask(loaded);
    // The pen belongs to this object, not to the bitmap being replaced.
    DeletePen();
    Swap(loaded);
    return 1;
}
