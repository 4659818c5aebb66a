#include "tests/game/media/DisplayFixture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "framework/ErrorLog.h"

namespace {

const char kClassName[] = "MediaTestWindow";

void RegisterTestClass() {
    static bool registered = false;
    if (registered) return;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kClassName;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    RegisterClassA(&wc);
    registered = true;
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

}  // namespace

cTestWindow::cTestWindow(int clientWidth, int clientHeight) {
    RegisterTestClass();
    RECT rc = {0, 0, clientWidth, clientHeight};
    AdjustWindowRect(&rc, WS_OVERLAPPEDWINDOW, FALSE);
    m_hWnd = CreateWindowA(kClassName, "media test", WS_OVERLAPPEDWINDOW, 10, 10, rc.right - rc.left,
                           rc.bottom - rc.top, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ShowWindow(m_hWnd, SW_SHOW);
    PumpMessages();
}

cTestWindow::~cTestWindow() {
    if (m_hWnd) DestroyWindow(m_hWnd);
    PumpMessages();
}

cWindowDisplay::cWindowDisplay(int clientWidth, int clientHeight, cSurface* surfaces, cPictureRow* pictures,
                               int count)
    : m_Window(clientWidth, clientHeight) {
    m_bReady = DDInit(m_Window.Handle(), 640, 480, 16, 1, 1, 60, 0, surfaces, pictures, count);
}

cWindowDisplay::~cWindowDisplay() {
    if (Display().bInitialized) DDUnInitWindow();
}

uint32_t PixelAt(cSurface& record, int x, int y) {
    cLockedView locked(record);
    if (!locked.IsLocked() || !locked.View().Contains(x, y)) {
        ADD_FAILURE() << "no pixel at " << x << "," << y;
        return 0xFFFFFFFFu;
    }
    return locked.View().Get(x, y);
}

void SetPixelAt(cSurface& record, int x, int y, uint32_t value) {
    cLockedView locked(record);
    ASSERT_TRUE(locked.IsLocked());
    locked.View().Set(x, y, value);
}

void FillWithMarkers(cSurface& record) {
    cLockedView locked(record);
    ASSERT_TRUE(locked.IsLocked());
    const cPixelView& v = locked.View();
    for (int y = 0; y < v.nHeight; ++y)
        for (int x = 0; x < v.nWidth; ++x) v.Set(x, y, Marker(x, y));
}

void WriteBmp8(const std::string& path, int width, int height, const uint8_t* indexes, const RGBQUAD* colors) {
    int stride = (width + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    DWORD tableSize = 256 * sizeof(RGBQUAD);
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info + tableSize;
    file.bfSize = file.bfOffBits + stride * height;
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 8;
    info.biClrUsed = 256;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(reinterpret_cast<const char*>(colors), tableSize);
    std::vector<char> row(stride, 0);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) row[x] = static_cast<char>(indexes[y * width + x]);
        out.write(row.data(), stride);
    }
}

void TestColorTable(RGBQUAD* table) {
    for (int i = 0; i < 256; ++i) {
        table[i].rgbRed = static_cast<BYTE>(i);
        table[i].rgbGreen = static_cast<BYTE>(255 - i);
        table[i].rgbBlue = static_cast<BYTE>((i * 7) & 255);
        table[i].rgbReserved = 0;
    }
}

cTestLog::cTestLog() {
    std::ofstream("log.txt", std::ios::binary);
    SetErrorLog(1, "log.txt");
}

cTestLog::~cTestLog() { SetErrorLog(0, ""); }

cMemorySurface::cMemorySurface(int width, int height, int bytesPerPixel, int pitchPadding) {
    m_View.nWidth = width;
    m_View.nHeight = height;
    m_View.nBytesPerPixel = bytesPerPixel;
    m_View.nPitch = width * bytesPerPixel + pitchPadding;
    m_Bytes.assign(static_cast<size_t>(m_View.nPitch) * height, '\0');
    m_View.lpBits = reinterpret_cast<uint8_t*>(&m_Bytes[0]);
}

cPixelFormat Rgb565() {
    cPixelFormat f;
    f.nRedShift = 11;
    f.nGreenShift = 5;
    f.nBlueShift = 0;
    f.dwRedMask = 31;
    f.dwGreenMask = 63;
    f.dwBlueMask = 31;
    return f;
}

void SaveSurface(cSurface& surface, int w, int h, const std::string& path) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC mem = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(mem, dib);
    HDC dc = nullptr;
    if (surface.lpSurface->GetDC(&dc) == DD_OK) {
        BitBlt(mem, 0, 0, w, h, dc, 0, 0, SRCCOPY);
        surface.lpSurface->ReleaseDC(dc);
    }
    GdiFlush();
    int rowBytes = (w * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + rowBytes * h;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    out.write(static_cast<const char*>(bits), rowBytes * h);
    SelectObject(mem, old);
    DeleteDC(mem);
    DeleteObject(dib);
}
