#pragma once
// Off-screen bitmaps: a memory device context holding a top-down DIB section, with an optional
// second section of the same format used as a transparency mask, plus the project palette that
// every 8-bit bitmap is drawn through.
#include <windows.h>

#include <cstdint>

class cDib {
public:
    cDib() = default;
    cDib(const cDib&) = delete;
    cDib& operator=(const cDib&) = delete;
    ~cDib();

    // 8 or 24 bits per pixel. 8-bit bitmaps take the project palette with entry 0 black and
    // entry 255 white, so that masks read white where transparent. The image starts white.
    int Create(int width, int height, int bitsPerPixel, int withMask);
    // Loads an 8- or 24-bit BMP file (8-bit ones may be run-length compressed). Tile sizes mirror every tile of that width (left to
    // right) and/or height (upside down); 8-bit files only. A bitmap already held stays as it
    // was when the load fails.
    int LoadFile(const char* path, int bitsPerPixel, int withMask, int tileWidth, int tileHeight);
    void Release();

    // Copies from the source through its mask (when it has one and noMask is 0).
    void Blt(int x, int y, int w, int h, const cDib& source, int sx, int sy, int noMask);
    void StretchBlt(int x, int y, int w, int h, const cDib& source, int sx, int sy, int sw, int sh, int noMask);

    // Fill the bitmap; the fill pen stays selected afterwards.
    void Clear(COLORREF colour);
    // Toolkit API: Clear with a colour as a BMP colour table stores it (blue, green, red), for
    // callers that hold palette bytes rather than a COLORREF.
    void ClearRGB(const uint8_t bgr[3]);
    int SetPen(int style, int width, COLORREF colour);
    void DeletePen();
    void Line(int x1, int y1, int x2, int y2);
    void FrameRect(int x, int y, int w, int h);
    void Grid(int x, int y, int w, int h, int cellWidth, int cellHeight, COLORREF colour);
    // Draws the text line by line ("\n" splits), each line 20 pixels below the previous one.
    void DrawText(int x, int y, const char* text, COLORREF colour, int backgroundMode);
    void TextF(int x, int y, const char* format, ...) __attribute__((format(printf, 4, 5)));

    HDC GetDC() const { return m_hDC; }
    int Width() const { return m_Width; }
    int Height() const { return m_Height; }
    int BitsPerPixel() const { return m_Bitmap.bmBitsPixel; }
    // Bytes per row of the image and the mask (rows are padded to 4 bytes).
    int Stride() const { return m_Bitmap.bmWidthBytes; }
    uint8_t* Bits() const { return m_lpBits; }
    uint8_t* MaskBits() const { return m_lpMaskBits; }
    // Test seam: whether the mask bitmap was made, as the tests read it.
    bool HasMask() const { return m_hMaskDC != nullptr; }

    void Swap(cDib& other);

private:
    HDC m_hDC = nullptr;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOldBitmap = nullptr;
    BITMAP m_Bitmap = {};
    uint8_t* m_lpBits = nullptr;
    int m_Width = 0;
    int m_Height = 0;
    HDC m_hMaskDC = nullptr;
    HBITMAP m_hMaskBitmap = nullptr;
    HGDIOBJ m_hOldMaskBitmap = nullptr;
    uint8_t* m_lpMaskBits = nullptr;
    HPEN m_hPen = nullptr;
    HGDIOBJ m_hOldPen = nullptr;
};

// The project palette: 256 entries of {blue, green, red, reserved}, as in a BMP colour table.
const RGBQUAD* GetProjectPalette();
// Reads the colour table of a BMP file (at most 8 bits per pixel, whatever the compression of
// its pixels) into the project palette; 0 and the palette unchanged when the file is missing or
// not such a bitmap.
int LoadPalette(const char* path);
// Reads the colour table of such a bitmap into colours (256 entries, those past the file's table
// zero); 0 and colours unchanged on failure.
int ReadPaletteFile(const char* path, RGBQUAD* colours);
// The transparent colour and index: the colour of the entry and the first index holding it.
void SetTransparentColour(int entry);
// The mask index: the first index holding the colour of the entry.
void SetMaskColour(int entry);
// Test seams: the two indexes as set, as the tests read them.
int GetTransparentIndex();
int GetMaskIndex();
