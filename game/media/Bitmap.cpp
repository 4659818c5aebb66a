#include "game/media/Bitmap.h"

#include <algorithm>
#include <cstring>

#include "framework/ErrorLog.h"
#include "framework/Format.h"
#include "framework/MessageBox.h"
#include "game/media/Display.h"
#include "game/media/PixelView.h"

namespace {

// A BMP file loaded as a DIB section; released with the object.
class cDib {
public:
    explicit cDib(const char* file)
        : m_hBitmap(static_cast<HBITMAP>(
              LoadImageA(nullptr, file, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION))) {
        if (m_hBitmap && GetObjectA(m_hBitmap, sizeof m_Info, &m_Info) != sizeof m_Info) {
            DeleteObject(m_hBitmap);
            m_hBitmap = nullptr;
        }
    }
    cDib(const cDib&) = delete;
    cDib& operator=(const cDib&) = delete;
    ~cDib() {
        if (m_hBitmap) DeleteObject(m_hBitmap);
    }

    bool IsLoaded() const { return m_hBitmap && m_Info.dsBm.bmBits; }
    HBITMAP Handle() const { return m_hBitmap; }
    int Width() const { return m_Info.dsBm.bmWidth; }
    int Height() const { return m_Info.dsBm.bmHeight; }
    int BitsPerPixel() const { return m_Info.dsBm.bmBitsPixel; }
    // Row y counted from the top of the picture.
    const uint8_t* Row(int y) const {
        const uint8_t* bits = static_cast<const uint8_t*>(m_Info.dsBm.bmBits);
        int stride = m_Info.dsBm.bmWidthBytes;
        bool bottomUp = m_Info.dsBmih.biHeight > 0;
        return bits + static_cast<size_t>(bottomUp ? Height() - 1 - y : y) * stride;
    }

private:
    HBITMAP m_hBitmap;
    DIBSECTION m_Info = {};
};

// Position of p reversed within its cell of the given size (0: no mirroring).
int Mirror(int p, int cell) { return cell > 0 ? cell * (p / cell + 1) - (p % cell) - 1 : p; }

// The DIB's bytes become palette indexes. A mirrored copy stops at the first column (row) that
// would land past the surface, so a last partial cell is not copied.
bool CopyIndexed(cSurface& record, const cDib& dib, int width, int height, int mirrorWidth, int mirrorHeight) {
    if (dib.BitsPerPixel() != 8) return false;
    DDSURFACEDESC2 desc;
    void* bits = nullptr;
    if (!DDLock(record, desc, &bits)) return false;
    DDUnlockGuard unlock(record.lpSurface);
    uint8_t* dest = static_cast<uint8_t*>(bits);
    for (int y = 0; y < height; ++y) {
        int ty = Mirror(y, mirrorHeight);
        if (ty >= height) break;
        const uint8_t* src = dib.Row(y);
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
bool CopyDirect(cSurface& record, const cDib& dib, int width, int height, int mirrorWidth, int mirrorHeight) {
    int copyWidth = mirrorWidth > 0 ? width / mirrorWidth * mirrorWidth : width;
    int copyHeight = mirrorHeight > 0 ? height / mirrorHeight * mirrorHeight : height;
    HDC surfaceDC = nullptr;
    if (FAILED(record.lpSurface->GetDC(&surfaceDC))) return false;
    HDC memoryDC = CreateCompatibleDC(surfaceDC);
    HGDIOBJ old = SelectObject(memoryDC, dib.Handle());
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

}  // namespace

int DDLoadBitmap(cSurface& record, const char* file, int colorKey, int bpp, int memoryKind, int keepIndexMap,
                 int mirrorWidth, int mirrorHeight) {
    int width = 0, height = 0;
    {
        cDib dib(file);
        if (!dib.IsLoaded()) {
            ErrorLog(file);
            return kDDLoadImage;
        }
        width = dib.Width();
        height = dib.Height();
    }
    DDReleaseSurface(record);
    if (!DDCreateSurface(record, width, height, colorKey, memoryKind)) return kDDCreateSurface;
    if (!DDCopyBitmap(record, file, bpp, keepIndexMap, mirrorWidth, mirrorHeight)) return kDDLoadImage;
    return kDDOk;
}

bool DDCopyBitmap(cSurface& record, const char* file, int bpp, int keepIndexMap, int mirrorWidth,
                  int mirrorHeight) {
    if (!file[0]) return true;
    if (!record.lpSurface) return false;
    cDib dib(file);
    if (!dib.IsLoaded()) return false;
    // The file may have changed since the surface was made for it: never copy past the surface.
    int width = std::min(dib.Width(), record.nWidth);
    int height = std::min(dib.Height(), record.nHeight);
    bool copied = bpp == 8 ? CopyIndexed(record, dib, width, height, mirrorWidth, mirrorHeight)
                           : CopyDirect(record, dib, width, height, mirrorWidth, mirrorHeight);
    if (!copied) return false;
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

bool DDReloadBitmap(cSurface& record, int bpp) {
    ErrorLogF("lpSD->szFileName = %s", record.szFileName);
    return DDCopyBitmap(record, record.szFileName, bpp, record.lpIndexMap != nullptr, record.nMirrorWidth,
                        record.nMirrorHeight);
}

bool DDCheckBitmapSize(const char* file, int maxWidth, int maxHeight) {
    cDib dib(file);
    if (!dib.IsLoaded()) {
        DebugBox("%s の読み込みに失敗！", file);
        PostMessageA(GetMainWindow(), WM_CLOSE, 0, 0);
        return false;
    }
    return dib.Width() > maxWidth || dib.Height() > maxHeight;
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
