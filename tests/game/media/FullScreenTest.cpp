// Full-screen display tests change the display mode, so they run alone (see libs.cmake).
#include <gtest/gtest.h>

#include <string>

#include "framework/ErrorLog.h"
#include "game/media/Bitmap.h"
#include "game/media/Blit.h"
#include "game/media/Display.h"
#include "game/media/Fade.h"
#include "game/media/Palette.h"
#include "game/media/PixelEffect.h"
#include "tests/game/media/DisplayFixture.h"
#include "tests/support/TempDir.h"

namespace {

// Full-screen DirectDraw on a window of its own; released at the end of the test.
class cFullScreen {
public:
    cFullScreen(int bpp, int refreshRate, cSurface* surfaces = nullptr, cPictureRow* pictures = nullptr,
                int count = 0)
        : m_Window(640, 480), m_dwTransparent(Display().dwTransparent), m_nDesktopBpp(DesktopBpp()) {
        m_bReady =
            DDInit(m_Window.Handle(), 640, 480, bpp, 0, 1, refreshRate, 1, surfaces, pictures, count);
    }
    // The transparent colour that tests set under this display goes back as it was.
    // The desktop's own mode comes back a little after the release under a busy X server; the
    // next test in this process must find it, not the full-screen depth.
    ~cFullScreen() {
        if (Display().bInitialized) DDUnInitFullScreen();
        Display().dwTransparent = m_dwTransparent;
        for (int waited = 0; DesktopBpp() != m_nDesktopBpp && waited < 3000; waited += 10) Sleep(10);
    }
    bool IsReady() const { return m_bReady; }

private:
    static int DesktopBpp() {
        HDC screen = GetDC(nullptr);
        int bpp = GetDeviceCaps(screen, BITSPIXEL);
        ReleaseDC(nullptr, screen);
        return bpp;
    }

    cTestWindow m_Window;
    uint32_t m_dwTransparent;
    int m_nDesktopBpp;
    bool m_bReady;
};

// Changing the mode and back loses every video-memory surface.
void LoseSurfaces(int bpp) {
    ASSERT_EQ(DD_OK, Display().lpDD->SetDisplayMode(800, 600, bpp, 0, 0));
    ASSERT_EQ(DD_OK, Display().lpDD->SetDisplayMode(640, 480, bpp, 0, 0));
    ASSERT_EQ(DDERR_SURFACELOST, Display().Primary.lpSurface->IsLost());
}

HRESULT FillAndFlip(int paletteIndex) {
    DDFillRect(Display().Back, 0, 0, 640, 480, paletteIndex);
    return Display().Primary.lpSurface->Flip(nullptr, DDFLIP_WAIT);
}

}  // namespace

TEST(FullScreen, EightBitSetsUpWithItsPaletteFlipsRestoresAndTearsDown) {
    cFullScreen screen(8, 60);
    ASSERT_TRUE(screen.IsReady());
    cDisplayState& d = Display();
    EXPECT_EQ(8, d.nBpp);
    EXPECT_EQ(1, d.nBytesPerPixel);
    ASSERT_NE(nullptr, d.lpPalette);
    ASSERT_NE(nullptr, d.Back.lpSurface);
    EXPECT_EQ(nullptr, d.lpClipper);
    IDirectDrawPalette* attached = nullptr;
    ASSERT_EQ(DD_OK, d.Primary.lpSurface->GetPalette(&attached));
    EXPECT_EQ(d.lpPalette, attached);
    attached->Release();
    PALETTEENTRY entries[256];
    ASSERT_EQ(DD_OK, d.lpPalette->GetEntries(0, 0, 256, entries));
    EXPECT_EQ(255, entries[0].peBlue);
    EXPECT_EQ(7, entries[7].peRed);
    EXPECT_EQ(7, entries[7].peGreen);

    EXPECT_EQ(DD_OK, FillAndFlip(3));
    DDFillRect(d.Back, 0, 0, 4, 4, 9);
    EXPECT_EQ(9u, PixelAt(d.Back, 3, 3));

    for (int i = 0; i < 256; ++i) d.BasePalette[i] = {static_cast<BYTE>(255 - i), 1, 2, 0};
    LoseSurfaces(8);
    EXPECT_TRUE(DDRestoreSurfaces());
    EXPECT_EQ(DD_OK, d.Primary.lpSurface->IsLost());
    ASSERT_EQ(DD_OK, d.lpPalette->GetEntries(0, 0, 256, entries));
    EXPECT_EQ(250, entries[5].peRed) << "a restored 8-bit display gets the base palette back";
    EXPECT_EQ(DD_OK, FillAndFlip(4));
}

TEST(FullScreen, SixteenBitReadsItsPixelFormatAndFlips) {
    cFullScreen screen(16, 60);
    ASSERT_TRUE(screen.IsReady());
    cDisplayState& d = Display();
    EXPECT_EQ(16, d.nBpp);
    EXPECT_EQ(11, d.Format.nRedShift);
    EXPECT_EQ(63u, d.Format.dwGreenMask);
    EXPECT_EQ(kMemorySystem, d.Work.nMemoryKind);
    EXPECT_EQ(640, d.Work.nWidth);
    d.Palette[2] = {31, 0, 31, 0};
    EXPECT_EQ(DD_OK, FillAndFlip(2));
    DDFillRect(d.Back, 0, 0, 2, 2, 2);
    EXPECT_EQ(0xF81Fu, PixelAt(d.Back, 1, 1));
    EXPECT_TRUE(DDRestoreSurfaces()) << "nothing was lost";
}

TEST(FullScreen, RefusedRefreshRateFallsBackToTheDefault) {
    cFullScreen screen(16, 7);
    EXPECT_TRUE(screen.IsReady());
}

TEST(FullScreen, RestoreReloadsVideoMemoryPicturesOnly) {
    cTempDir dir;
    cTestLog testLog;
    cSurface surfaces[3];
    cPictureRow rows[3] = {};
    cFullScreen screen(16, 60, surfaces, rows, 3);
    ASSERT_TRUE(screen.IsReady());
    // A video-memory picture, a system-memory picture and a blank video-memory surface.
    const char* names[3] = {"a.bmp", "b.bmp", "E"};
    const int kinds[3] = {kMemoryAny, kMemorySystem, kMemoryAny};
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(DDCreateSurface(surfaces[i], 4, 4, 0, kinds[i]));
        strcpy(surfaces[i].szFileName, names[i]);
    }
    uint8_t pixels[16] = {};
    RGBQUAD colors[256];
    TestColorTable(colors);
    WriteBmp8("a.bmp", 4, 4, pixels, colors);
    LoseSurfaces(16);
    EXPECT_TRUE(DDRestoreSurfaces());
    std::string log = dir.Read("log.txt");
    EXPECT_NE(std::string::npos, log.find("lpSD->szFileName = a.bmp")) << log;
    EXPECT_EQ(std::string::npos, log.find("b.bmp")) << log;
    EXPECT_EQ(std::string::npos, log.find("= E")) << log;
    for (cSurface& s : surfaces) EXPECT_EQ(DD_OK, s.lpSurface->IsLost());
}

TEST(FullScreen, RestoreFailsWhenAPictureCannotBeReloaded) {
    cSurface surfaces[1];
    cPictureRow rows[1] = {};
    cFullScreen screen(16, 60, surfaces, rows, 1);
    ASSERT_TRUE(screen.IsReady());
    ASSERT_TRUE(DDCreateSurface(surfaces[0], 4, 4, 0, kMemoryAny));
    strcpy(surfaces[0].szFileName, "missing.bmp");
    LoseSurfaces(16);
    EXPECT_FALSE(DDRestoreSurfaces());
}

TEST(FullScreen, EightBitPicturesKeepTheirIndexesMirroredAndThePaletteFromTheFile) {
    cTempDir dir;
    cFullScreen screen(8, 60);
    ASSERT_TRUE(screen.IsReady());
    RGBQUAD colors[256];
    TestColorTable(colors);
    uint8_t pixels[5 * 3];
    for (int i = 0; i < 15; ++i) pixels[i] = static_cast<uint8_t>(10 + i);
    WriteBmp8("pic.bmp", 5, 3, pixels, colors);

    PALETTEENTRY entries[256];
    ASSERT_TRUE(DDLoadPaletteFromFile(entries, "pic.bmp"));
    PALETTEENTRY shown[256];
    ASSERT_EQ(DD_OK, Display().lpPalette->GetEntries(0, 0, 256, shown));
    EXPECT_EQ(colors[100].rgbGreen, shown[100].peGreen);
    EXPECT_EQ(colors[100].rgbBlue, entries[100].peBlue);
    ASSERT_TRUE(DDSetTransmit("pic.bmp"));
    EXPECT_EQ(10u, Display().dwTransparent);

    cSurface picture;
    ASSERT_EQ(0, DDLoadBitmap(picture, "pic.bmp", 1, 8, kMemoryAny, 1, 2, 2));
    EXPECT_EQ(nullptr, picture.lpIndexMap) << "depth 8 keeps no index map";
    // Cells of 2 x 2: the last column and the last row are partial cells and stay colour 0.
    const struct {
        int x, y;
        uint32_t index;
    } probes[] = {{0, 0, 16}, {1, 0, 15}, {2, 0, 18}, {3, 1, 12}, {4, 0, 0}, {0, 2, 0}};
    for (const auto& p : probes) EXPECT_EQ(p.index, PixelAt(picture, p.x, p.y)) << p.x << "," << p.y;
    DDReleaseSurface(picture);
}

TEST(FullScreen, EightBitEffectsMixThroughTheTableAndFadeThePalette) {
    cFullScreen screen(8, 60);
    ASSERT_TRUE(screen.IsReady());
    cDisplayState& d = Display();
    // Entry [a * 256 + b] = (a + b) / 2, as a table for a grey ramp would hold.
    for (int a = 0; a < 256; ++a)
        for (int b = 0; b < 256; ++b) d.MixTable[a * 256 + b] = static_cast<uint8_t>((a + b) / 2);
    cSurface dest, source;
    ASSERT_TRUE(DDCreateSurface(dest, 8, 8, 0, kMemorySystem));
    ASSERT_TRUE(DDCreateSurface(source, 8, 8, 0, kMemorySystem));
    DDFillRect(dest, 0, 0, 8, 8, 100);
    DDFillRect(source, 0, 0, 8, 8, 20);
    DDFillRect(source, 0, 0, 1, 1, 0);
    EXPECT_TRUE(DDBltHalf(dest, 0, 0, 4, 4, source, 0, 0, 1, d.MixTable));
    EXPECT_EQ(60u, PixelAt(dest, 1, 1));
    EXPECT_EQ(100u, PixelAt(dest, 0, 0)) << "source index 0 is skipped";
    EXPECT_TRUE(DDBltTint(dest, 4, 4, 2, 2, source, 4, 4, 0, d.Palette, 100, 1));
    EXPECT_EQ(60u, PixelAt(dest, 5, 5));
    EXPECT_TRUE(DDBltMosaic(dest, 0, 4, 4, 4, 2, source, 0, 0, 1));
    EXPECT_EQ(100u, PixelAt(dest, 1, 5)) << "a block sampled on the transparent index stays";
    EXPECT_EQ(20u, PixelAt(dest, 2, 5));
    EXPECT_FALSE(DDBltBlur(dest, 0, 0, 2, 2, 1, 1, source, 0, 0, 0));
    DDReleaseSurface(dest);
    DDReleaseSurface(source);

    PALETTEENTRY base[256], current[256];
    for (int i = 0; i < 256; ++i) base[i] = {200, 100, 50, 0};
    EXPECT_TRUE(DDFadeOut(current, 16, 31, 0, 0, 0, 30, base, 1));
    PALETTEENTRY shown[256];
    ASSERT_EQ(DD_OK, d.lpPalette->GetEntries(0, 0, 256, shown));
    EXPECT_EQ(0, shown[20].peRed);
    EXPECT_EQ(32, shown[32].peRed) << "entries outside the range keep their colours";
}
