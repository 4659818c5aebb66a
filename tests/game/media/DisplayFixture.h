#pragma once
// A top-level window with DirectDraw set up on it, and pixel access for checking what was drawn.
#include <windows.h>

#include <cstdint>
#include <string>

#include "game/media/BlitBatch.h"
#include "game/media/Display.h"
#include "game/media/PixelView.h"
#include "game/media/Surface.h"

class cTestWindow {
public:
    cTestWindow(int clientWidth, int clientHeight);
    ~cTestWindow();
    HWND Handle() const { return m_hWnd; }

private:
    HWND m_hWnd = nullptr;
};

// Window mode on the desktop's depth (16 on the test display). The surface table is the caller's.
class cWindowDisplay {
public:
    explicit cWindowDisplay(int clientWidth = 640, int clientHeight = 480, cSurface* surfaces = nullptr,
                            cPictureRow* pictures = nullptr, int count = 0);
    ~cWindowDisplay();
    bool IsReady() const { return m_bReady; }
    HWND Window() const { return m_Window.Handle(); }

private:
    cTestWindow m_Window;
    bool m_bReady = false;
};

// A batch for the drawing of one statement: Batched(cBlitBatch(dest)) unlocks at its end, so that
// the pixels can be read on the next line.
inline cBlitBatch& Batched(cBlitBatch&& batch) { return batch; }

uint32_t PixelAt(cSurface& record, int x, int y);
void SetPixelAt(cSurface& record, int x, int y, uint32_t value);
// Gives every pixel of the surface its own value: Marker(x, y).
void FillWithMarkers(cSurface& record);
inline uint32_t Marker(int x, int y) { return 0x1000u + static_cast<uint32_t>(y) * 64 + x; }

// Writes an 8-bit BMP file: a 256-entry colour table (entry i = table(i)) and the rows given top
// to bottom as palette indexes.
void WriteBmp8(const std::string& path, int width, int height, const uint8_t* topDownIndexes,
               const RGBQUAD* colorTable);
// The test's palette: entry i has the colour {i, 255 - i, (i * 7) & 255}.
void TestColorTable(RGBQUAD* table);

// The error log of one test, switched on while the object lives: an empty log.txt in the current
// folder, since after the first line of a run the log appends to its file and never makes it.
class cTestLog {
public:
    cTestLog();
    ~cTestLog();
    cTestLog(const cTestLog&) = delete;
    cTestLog& operator=(const cTestLog&) = delete;
};

// A memory buffer with a pixel view over it, for effects that need no DirectDraw.
class cMemorySurface {
public:
    cMemorySurface(int width, int height, int bytesPerPixel, int pitchPadding = 4);
    const cPixelView& View() const { return m_View; }

private:
    std::string m_Bytes;
    cPixelView m_View;
};

// Writes the surface's top-left w x h as a 24-bit BMP: pictures of what a test drew, written when
// KIT_SHOT_DIR names a folder.
void SaveSurface(cSurface& surface, int w, int h, const std::string& path);

// RGB 5-6-5, as the test display has it.
cPixelFormat Rgb565();
