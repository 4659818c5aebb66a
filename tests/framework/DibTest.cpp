// Loading 8- and 24-bit BMP files into bitmaps with their masks, tile flips, refused files,
// the project palette and the drawing helpers.
#include <gtest/gtest.h>

#include "framework/Dib.h"
#include "tests/framework/BmpWriter.h"
#include "tests/support/BoxAnswers.h"
#include "tests/support/TempDir.h"

namespace {

const uint32_t kClear24 = 0x00ff00;  // the colour of palette entry 0 below

std::vector<RGBQUAD> TestColours() {
    std::vector<RGBQUAD> colours(256);
    for (int i = 0; i < 256; ++i)
        colours[i] = RGBQUAD{static_cast<BYTE>(i), static_cast<BYTE>(255 - i), static_cast<BYTE>(i * 3), 0};
    colours[3] = RGBQUAD{0, 0, 0, 0};
    colours[15] = RGBQUAD{0, 0, 0, 0};  // the mask colour: its first index is 3
    return colours;
}

// Loads the test palette and the key colours as the project load does.
void SetUpPalette(const cTempDir& dir) {
    cBmpShape shape;
    shape.colours = TestColours();
    dir.Write("Palette.bmp", MakeBmp(shape));
    ASSERT_EQ(1, LoadPalette("Palette.bmp"));
    SetTransparentColour(0);
    SetMaskColour(15);
}

uint32_t Pixel8(int x, int y) { return (x * 7 + y * 13) % 5 == 0 ? 0 : (x * 7 + y * 13) % 251; }
uint32_t Pixel24(int x, int y) {
    return (x + y) % 3 == 0 ? kClear24 : ((x * 40 & 255) << 16) | ((y * 50 & 255) << 8) | ((x + y) & 255);
}

uint32_t Read24(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16); }

}  // namespace

TEST(Dib, BmpFilesLoadWithTheirPixelsAndMasks) {
    cTempDir dir;
    SetUpPalette(dir);
    EXPECT_EQ(0, GetTransparentIndex());
    EXPECT_EQ(3, GetMaskIndex());
    for (int bits : {8, 24}) {
        for (int width : {1, 2, 3, 4, 5, 33}) {
            // Run-length files keep their rows from the bottom up.
            for (int order : {0, 1, 2}) {
                bool topDown = order == 1, runLength = order == 2;
                if (runLength && bits != 8) continue;
                SCOPED_TRACE(testing::Message() << bits << " bits, width " << width << (topDown ? " top-down" : "")
                                                << (runLength ? " run-length" : ""));
                cBmpShape shape;
                shape.bitCount = bits;
                shape.width = width;
                shape.height = 3;
                shape.topDown = topDown;
                shape.compression = runLength ? BI_RLE8 : BI_RGB;
                shape.pixel = bits == 8 ? Pixel8 : Pixel24;
                dir.Write("p.bmp", MakeBmp(shape));
                cDib dib;
                ASSERT_EQ(1, dib.LoadFile("p.bmp", bits, 1, 0, 0));
                ASSERT_EQ(width, dib.Width());
                ASSERT_EQ(3, dib.Height());
                for (int y = 0; y < 3; ++y) {
                    for (int x = 0; x < width; ++x) {
                        if (bits == 8) {
                            uint8_t v = dib.Bits()[y * dib.Stride() + x];
                            EXPECT_EQ(Pixel8(x, y), v) << x << "," << y;
                            EXPECT_EQ(v == 0 ? 255 : 3, dib.MaskBits()[y * dib.Stride() + x]);
                        } else {
                            uint32_t v = Read24(dib.Bits() + y * dib.Stride() + x * 3);
                            EXPECT_EQ(Pixel24(x, y), v) << x << "," << y;
                            EXPECT_EQ(v == kClear24 ? 0xffffffu : 0u, Read24(dib.MaskBits() + y * dib.Stride() + x * 3));
                        }
                    }
                }
            }
        }
    }
}

TEST(Dib, TwentyFourBitImageWithoutTheKeyColourHasABlackMask) {
    cTempDir dir;
    SetUpPalette(dir);
    cBmpShape shape;
    shape.bitCount = 24;
    shape.width = 3;
    shape.height = 2;
    shape.pixel = [](int, int) { return 0x123456u; };
    dir.Write("p.bmp", MakeBmp(shape));
    cDib dib;
    ASSERT_EQ(1, dib.LoadFile("p.bmp", 24, 1, 0, 0));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 9; ++x) EXPECT_EQ(0, dib.MaskBits()[y * dib.Stride() + x]);
}

TEST(Dib, TilesAreMirroredWholeTilesOnly) {
    cTempDir dir;
    SetUpPalette(dir);
    // A 5 x 4 image of distinct indexes 10 + 10y + x; tiles of 2 x 2 (the fifth column and no
    // row are left over).
    struct cCase {
        int tileWidth, tileHeight;
        int (*source)(int x, int y);  // where the pixel now at (x, y) came from, as 10y + x
    };
    const cCase cases[] = {
        {2, 0, [](int x, int y) { return 10 * y + (x < 4 ? (x / 2) * 2 + 1 - x % 2 : x); }},
        {0, 2, [](int x, int y) { return 10 * ((y / 2) * 2 + 1 - y % 2) + x; }},
        {2, 2, [](int x, int y) {
             return x < 4 ? 10 * ((y / 2) * 2 + 1 - y % 2) + (x / 2) * 2 + 1 - x % 2 : 10 * y + x;
         }},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.tileWidth << " x " << c.tileHeight);
        cBmpShape shape;
        shape.width = 5;
        shape.height = 4;
        shape.pixel = [](int x, int y) { return 10u + 10 * y + x; };
        dir.Write("t.bmp", MakeBmp(shape));
        cDib dib;
        ASSERT_EQ(1, dib.LoadFile("t.bmp", 8, 0, c.tileWidth, c.tileHeight));
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 5; ++x) EXPECT_EQ(10 + c.source(x, y), dib.Bits()[y * dib.Stride() + x]) << x << "," << y;
    }
}

TEST(Dib, BrokenFilesFailCleanlyAndKeepTheLoadedBitmap) {
    cTempDir dir;
    SetUpPalette(dir);
    struct cCase {
        const char* name;
        int bitCount;  // of the file
        std::function<void(BITMAPFILEHEADER&, BITMAPINFOHEADER&)> spoil;
        int cutBytes;
        const char* message;
    };
    const char* unreadable = "%s が読み込めません！";
    const cCase cases[] = {
        {"signature", 8, [](BITMAPFILEHEADER& f, BITMAPINFOHEADER&) { f.bfType = 0x4d43; }, 0, unreadable},
        {"core header", 8, [](BITMAPFILEHEADER&, BITMAPINFOHEADER& i) { i.biSize = 12; }, 0, unreadable},
        {"planes", 8, [](BITMAPFILEHEADER&, BITMAPINFOHEADER& i) { i.biPlanes = 2; }, 0, unreadable},
        {"compressed", 8, [](BITMAPFILEHEADER&, BITMAPINFOHEADER& i) { i.biCompression = BI_RLE8; }, 0, unreadable},
        {"compressed as JPEG", 8, [](BITMAPFILEHEADER&, BITMAPINFOHEADER& i) { i.biCompression = BI_JPEG; }, 0, unreadable},
        {"no width", 8, [](BITMAPFILEHEADER&, BITMAPINFOHEADER& i) { i.biWidth = 0; }, 0, unreadable},
        {"negative width", 8, [](BITMAPFILEHEADER&, BITMAPINFOHEADER& i) { i.biWidth = -4; }, 0, unreadable},
        {"huge width", 8, [](BITMAPFILEHEADER&, BITMAPINFOHEADER& i) { i.biWidth = 0x40000000; }, 0, unreadable},
        {"no height", 8, [](BITMAPFILEHEADER&, BITMAPINFOHEADER& i) { i.biHeight = 0; }, 0, unreadable},
        {"lowest height", 8, [](BITMAPFILEHEADER&, BITMAPINFOHEADER& i) { i.biHeight = INT32_MIN; }, 0, unreadable},
        {"more rows than the file", 8, [](BITMAPFILEHEADER&, BITMAPINFOHEADER& i) { i.biHeight = 5000; }, 0, unreadable},
        {"too many colours", 8, [](BITMAPFILEHEADER&, BITMAPINFOHEADER& i) { i.biClrUsed = 300; }, 0, unreadable},
        {"pixels past the end", 8, [](BITMAPFILEHEADER& f, BITMAPINFOHEADER&) { f.bfOffBits = 0x7fffffff; }, 0, unreadable},
        {"pixels inside the table", 8, [](BITMAPFILEHEADER& f, BITMAPINFOHEADER&) { f.bfOffBits = 60; }, 0, unreadable},
        {"cut short", 8, nullptr, 3, unreadable},
        {"24 bits for 8", 24, nullptr, 0, "%s は256色ではありません！"},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cBmpShape shape;
        shape.bitCount = c.bitCount;
        shape.width = 6;
        shape.height = 4;
        shape.pixel = Pixel8;
        shape.spoil = c.spoil;
        shape.cutBytes = c.cutBytes;
        dir.Write("bad.bmp", MakeBmp(shape));

        cBmpShape good;
        good.width = 2;
        good.height = 2;
        good.pixel = [](int, int) { return 77u; };
        dir.Write("good.bmp", MakeBmp(good));
        cDib dib;
        ASSERT_EQ(1, dib.LoadFile("good.bmp", 8, 1, 0, 0));

        cBoxAnswers boxes;
        EXPECT_EQ(0, dib.LoadFile("bad.bmp", 8, 1, 0, 0));
        ASSERT_EQ(1u, boxes.Shown().size());
        char expected[64];
        wsprintfA(expected, c.message, "bad.bmp");
        EXPECT_EQ(expected, boxes.Shown()[0].text);
        ASSERT_EQ(2, dib.Width());
        EXPECT_EQ(77, dib.Bits()[0]);
    }
}

TEST(Dib, MissingFilesAreReportedAtBothDepths) {
    cTempDir dir;
    cBoxAnswers boxes;
    cDib dib;
    EXPECT_EQ(0, dib.LoadFile("none.bmp", 8, 0, 0, 0));
    EXPECT_EQ(0, dib.LoadFile("none.bmp", 24, 0, 0, 0));
    EXPECT_EQ(0, dib.LoadFile(nullptr, 8, 0, 0, 0));
    ASSERT_EQ(2u, boxes.Shown().size());
    EXPECT_EQ("none.bmp が読み込めません！", boxes.Shown()[1].text);
}

TEST(Dib, PaletteLoadTakesShortTablesAndRefusesOtherFiles) {
    cTempDir dir;
    SetUpPalette(dir);
    cBmpShape sixteen;
    sixteen.colours.assign(16, RGBQUAD{1, 2, 3, 0});
    dir.Write("p16.bmp", MakeBmp(sixteen));
    cBmpShape direct;
    direct.bitCount = 24;
    dir.Write("p24.bmp", MakeBmp(direct));

    EXPECT_EQ(0, LoadPalette("missing.bmp"));
    EXPECT_EQ(0, LoadPalette("p24.bmp"));
    EXPECT_EQ(200, GetProjectPalette()[200].rgbBlue);  // unchanged
    ASSERT_EQ(1, LoadPalette("p16.bmp"));
    EXPECT_EQ(3, GetProjectPalette()[15].rgbRed);
    EXPECT_EQ(0, GetProjectPalette()[16].rgbRed);
}

TEST(Dib, BltCopiesThroughTheMaskUnlessToldOtherwise) {
    cTempDir dir;
    SetUpPalette(dir);
    cBmpShape shape;
    shape.width = 2;
    shape.height = 1;
    shape.pixel = [](int x, int) { return x == 0 ? 0u : 255u; };  // transparent, white
    dir.Write("s.bmp", MakeBmp(shape));
    cDib masked, plain;
    ASSERT_EQ(1, masked.LoadFile("s.bmp", 8, 1, 0, 0));
    ASSERT_EQ(1, plain.LoadFile("s.bmp", 8, 0, 0, 0));

    struct cCase {
        const cDib* source;
        int noMask;
        uint32_t left;  // the destination pixel under the transparent source pixel
    };
    const cCase cases[] = {{&masked, 0, 0x336699}, {&masked, 1, 0}, {&plain, 0, 0}};
    for (const cCase& c : cases) {
        cDib dest;
        ASSERT_EQ(1, dest.Create(2, 1, 24, 0));
        dest.Clear(RGB(0x33, 0x66, 0x99));
        GdiFlush();
        dest.Blt(0, 0, 2, 1, *c.source, 0, 0, c.noMask);
        GdiFlush();
        EXPECT_EQ(c.left, Read24(dest.Bits()));
        EXPECT_EQ(0xffffffu, Read24(dest.Bits() + 3));
    }
}

TEST(Dib, ClearAndGridPaintTheirPixels) {
    cDib dib;
    ASSERT_EQ(1, dib.Create(10, 7, 24, 0));
    const uint8_t bgr[3] = {0x11, 0x22, 0x33};
    dib.ClearRGB(bgr);
    dib.Grid(0, 0, 10, 7, 4, 3, RGB(0, 0, 0));
    GdiFlush();
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 10; ++x) {
            bool line = x % 4 == 0 || x == 9 || y % 3 == 0 || y == 6;
            EXPECT_EQ(line ? 0u : 0x332211u, Read24(dib.Bits() + y * dib.Stride() + x * 3)) << x << "," << y;
        }
    }
}

TEST(Dib, TextLinesAreTwentyPixelsApart) {
    cDib dib;
    ASSERT_EQ(1, dib.Create(40, 60, 24, 0));
    dib.Clear(RGB(0, 0, 0));
    dib.DrawText(0, 0, "W\nW", RGB(255, 255, 255), TRANSPARENT);
    GdiFlush();
    auto rowLit = [&](int y) {
        for (int x = 0; x < 40; ++x)
            if (Read24(dib.Bits() + y * dib.Stride() + x * 3)) return true;
        return false;
    };
    int first = -1, second = -1;
    for (int y = 0; y < 60; ++y)
        if (rowLit(y) && first < 0) first = y;
    for (int y = first + 1; y < 60; ++y)
        if (rowLit(y) && !rowLit(y - 1) && y > first + 5) second = y;
    ASSERT_GE(first, 0);
    EXPECT_EQ(first + 20, second);
}
