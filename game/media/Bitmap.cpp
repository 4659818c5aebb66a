#include "game/media/Bitmap.h"

#include <algorithm>
#include <cstring>

#include "framework/BmpFile.h"
#include "framework/ErrorLog.h"
#include "framework/Format.h"
#include "framework/MessageBox.h"
#include "game/media/Display.h"
#include "game/media/PixelView.h"

namespace {

// A checked picture as a top-down DIB section, for GDI to convert into a surface's format.
class cPictureSection {
public:
    explicit cPictureSection(const cBmpImage& image) {
        struct {
            BITMAPINFOHEADER header;
            RGBQUAD colours[256];
        } bmi = {};
        int bitCount = BmpPixelBytes(image.info) * 8;
        bmi.header.biSize = sizeof bmi.header;
        bmi.header.biWidth = image.info.width;
        bmi.header.biHeight = -image.info.height;
        bmi.header.biPlanes = 1;
        bmi.header.biBitCount = static_cast<WORD>(bitCount);
        bmi.header.biCompression = BI_RGB;
        memcpy(bmi.colours, image.colours, sizeof bmi.colours);
        void* bits = nullptr;
        m_hBitmap = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&bmi), DIB_RGB_COLORS, &bits, nullptr, 0);
        if (!m_hBitmap || !bits) return;
        size_t stride = ((static_cast<size_t>(image.info.width) * bitCount + 31) / 32) * 4;
        for (int y = 0; y < image.info.height; ++y)
            memcpy(static_cast<uint8_t*>(bits) + y * stride, image.Row(y), image.Stride());
    }
    cPictureSection(const cPictureSection&) = delete;
    cPictureSection& operator=(const cPictureSection&) = delete;
    ~cPictureSection() {
        if (m_hBitmap) DeleteObject(m_hBitmap);
    }
    HBITMAP Handle() const { return m_hBitmap; }

private:
    HBITMAP m_hBitmap = nullptr;
};

// Position of p reversed within its cell of the given size (0: no mirroring).
int Mirror(int p, int cell) { return cell > 0 ? cell * (p / cell + 1) - (p % cell) - 1 : p; }

// The picture's colour indexes become palette indexes. A mirrored copy stops at the first column
// (row) that would land past the surface, so a last partial cell is not copied.
bool CopyIndexed(cSurface& record, const cBmpImage& image, int width, int height, int mirrorWidth,
                 int mirrorHeight) {
    if (BmpPixelBytes(image.info) != 1) return false;
    DDSURFACEDESC2 desc;
    void* bits = nullptr;
    if (!DDLock(record, desc, &bits)) return false;
    DDUnlockGuard unlock(record.lpSurface);
    uint8_t* dest = static_cast<uint8_t*>(bits);
    for (int y = 0; y < height; ++y) {
        int ty = Mirror(y, mirrorHeight);
        if (ty >= height) break;
        const uint8_t* src = image.Row(y);
        uint8_t* row = dest + static_cast<size_t>(ty) * desc.lPitch;
        for (int x = 0; x < width; ++x) {
            int tx = Mirror(x, mirrorWidth);
            if (tx >= width) break;
            row[tx] = src[x];
        }
    }
    return true;
}

// GDI converts the DIB's colours into the surface's format; the mirroring is then done on the
// locked pixels, cell by cell.
bool CopyDirect(cSurface& record, const cBmpImage& image, int width, int height, int mirrorWidth,
                int mirrorHeight) {
    cPictureSection section(image);
    if (!section.Handle()) return false;
    int copyWidth = mirrorWidth > 0 ? width / mirrorWidth * mirrorWidth : width;
    int copyHeight = mirrorHeight > 0 ? height / mirrorHeight * mirrorHeight : height;
    HDC surfaceDC = nullptr;
    if (FAILED(record.lpSurface->GetDC(&surfaceDC))) return false;
    HDC memoryDC = CreateCompatibleDC(surfaceDC);
    HGDIOBJ old = SelectObject(memoryDC, section.Handle());
    BOOL copied = BitBlt(surfaceDC, 0, 0, copyWidth, copyHeight, memoryDC, 0, 0, SRCCOPY);
    SelectObject(memoryDC, old);
    DeleteDC(memoryDC);
    record.lpSurface->ReleaseDC(surfaceDC);
    if (!copied) return false;
    if (mirrorWidth <= 0 && mirrorHeight <= 0) return true;

    cLockedView locked(record);
    if (!locked.IsLocked()) return false;
    const cPixelView& view = locked.View();
    for (int y = 0; y < copyHeight; ++y) {
        for (int x = 0; x < copyWidth; ++x) {
            int tx = Mirror(x, mirrorWidth), ty = Mirror(y, mirrorHeight);
            // Each pair is swapped once, from the pixel that comes first.
            if (ty * copyWidth + tx <= y * copyWidth + x) continue;
            uint32_t a = view.Get(x, y);
            view.Set(x, y, view.Get(tx, ty));
            view.Set(tx, ty, a);
        }
    }
    return true;
}

// Each pixel's index is the first palette entry that draws it; a pixel no entry draws gets 0.
bool BuildIndexMap(cSurface& record) {
    cLockedView locked(record);
    if (!locked.IsLocked()) return false;
    const cPixelView& view = locked.View();
    size_t rowPixels = view.nPitch / view.nBytesPerPixel;
    std::unique_ptr<uint8_t[]> map(new uint8_t[rowPixels * view.nHeight]());
    uint32_t pixels[kPaletteSize];
    for (int i = 0; i < kPaletteSize; ++i) pixels[i] = DDPaletteToPixel(Display().Palette[i]);
    for (int y = 0; y < view.nHeight; ++y)
        for (int x = 0; x < view.nWidth; ++x) {
            uint32_t p = view.Get(x, y);
            int index = static_cast<int>(std::find(pixels, pixels + kPaletteSize, p) - pixels);
            map[y * rowPixels + x] = static_cast<uint8_t>(index < kPaletteSize ? index : 0);
        }
    record.lpIndexMap = std::move(map);
    return true;
}

// Copies the picture into the record's surface, then builds or drops the index map.
bool CopyImage(cSurface& record, const cBmpImage& image, const char* file, int bpp, int keepIndexMap,
               int mirrorWidth, int mirrorHeight) {
    // The file may have changed since the surface was made for it: never copy past the surface.
    int width = std::min(image.info.width, record.nWidth);
    int height = std::min(image.info.height, record.nHeight);
    const auto copy = bpp == 8 ? CopyIndexed : CopyDirect;
    if (!copy(record, image, width, height, mirrorWidth, mirrorHeight)) return false;
    record.nMirrorWidth = mirrorWidth;
    record.nMirrorHeight = mirrorHeight;
    if (record.szFileName != file) CopyText(record.szFileName, sizeof record.szFileName, file);
    if (keepIndexMap && bpp == 16) {
        if (!BuildIndexMap(record)) {
            OutOfMemory();
            return false;
        }
    } else {
        record.lpIndexMap.reset();
    }
    return true;
}

}  // namespace

int DDLoadBitmap(cSurface& record, const char* file, int colorKey, int bpp, int memoryKind, int keepIndexMap,
                 int mirrorWidth, int mirrorHeight) {
    cBmpImage image;
    if (!ReadBmpImage(file, &image)) {
        ErrorLog(file);
        return kDDLoadImage;
    }
    // The record keeps what it holds until the new surface is complete.
    cSurface loaded;
    if (!DDCreateSurface(loaded, image.info.width, image.info.height, colorKey, memoryKind)) return kDDCreateSurface;
    if (!CopyImage(loaded, image, file, bpp, keepIndexMap, mirrorWidth, mirrorHeight)) {
        DDReleaseSurface(loaded);
        return kDDLoadImage;
    }
    DDReleaseSurface(record);
    record = std::move(loaded);
    return kDDOk;
}

bool DDCopyBitmap(cSurface& record, const char* file, int bpp, int keepIndexMap, int mirrorWidth,
                  int mirrorHeight) {
    if (!file[0]) return true;
    if (!record.lpSurface) return false;
    cBmpImage image;
    return ReadBmpImage(file, &image) && CopyImage(record, image, file, bpp, keepIndexMap, mirrorWidth, mirrorHeight);
}

bool DDReloadBitmap(cSurface& record, int bpp) {
    ErrorLogF("lpSD->szFileName = %s", record.szFileName);
    return DDCopyBitmap(record, record.szFileName, bpp, record.lpIndexMap != nullptr, record.nMirrorWidth,
                        record.nMirrorHeight);
}

bool DDCheckBitmapSize(const char* file, int maxWidth, int maxHeight) {
    cBmpInfo info;
    if (!ReadBmpFileInfo(file, &info)) {
        DebugBox("%s の読み込みに失敗！", file);
        PostMessageA(GetMainWindow(), WM_CLOSE, 0, 0);
        return false;
    }
    return info.width > maxWidth || info.height > maxHeight;
}

bool DDLoadSurfaces(cSurface* surfaces, const int* rows, int count) {
    cDisplayState& d = Display();
    for (int k = 0; k < count; ++k) {
        int index = rows[k];
        if (index < 0 || index >= d.nSurfaceCount) return false;
        const cPictureRow& row = d.lpPictures[index];
        cSurface& record = surfaces[index];
        DDReleaseSurface(record);
        if (strcmp(row.szFileName, "E") == 0) {
            if (!DDCreateSurface(record, row.nBlankWidth, row.nBlankHeight, row.nColorKey, row.nMemoryKind) &&
                !row.nOptional) {
                OutOfMemory();
                return false;
            }
            continue;
        }
        int code = DDLoadBitmap(record, row.szFileName, row.nColorKey, d.nBpp, row.nMemoryKind, row.nKeepIndexMap,
                                row.nMirrorWidth, row.nMirrorHeight);
        if (!DDCheckError(code) && !row.nOptional) {
            DebugBox("%s の読み込みに失敗！", row.szFileName);
            return false;
        }
    }
    return true;
}
