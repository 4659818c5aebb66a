#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "framework/ErrorLog.h"
#include "game/media/Bitmap.h"
#include "game/media/Display.h"
#include "game/media/Palette.h"
#include "game/media/PictureTable.h"
#include "tests/framework/BmpWriter.h"
#include "tests/game/media/DisplayFixture.h"
#include "tests/support/BoxAnswers.h"
#include "tests/support/TempDir.h"

namespace {

const int kW = 5;
const int kH = 3;

// A 5 x 3 picture whose every pixel has its own palette index: 10 + 5y + x.
std::vector<uint8_t> NumberedPixels() {
    std::vector<uint8_t> p(kW * kH);
    for (int i = 0; i < kW * kH; ++i) p[i] = static_cast<uint8_t>(10 + i);
    return p;
}

class BitmapLoad : public testing::Test {
protected:
    void SetUp() override {
        m_SavedTransparent = Display().dwTransparent;
        memcpy(m_SavedPalette, Display().Palette, sizeof m_SavedPalette);
        ASSERT_TRUE(m_Display.IsReady());
        TestColorTable(m_Colors);
        WriteBmp8("pic.bmp", kW, kH, NumberedPixels().data(), m_Colors);
    }
    void TearDown() override {
        DDReleaseSurface(m_Plain);
        DDReleaseSurface(m_Mirrored);
        Display().dwTransparent = m_SavedTransparent;
        memcpy(Display().Palette, m_SavedPalette, sizeof m_SavedPalette);
    }

    uint32_t m_SavedTransparent = 0;
    PALETTEENTRY m_SavedPalette[256];
    cTempDir m_Dir;
    cWindowDisplay m_Display;
    RGBQUAD m_Colors[256];
    cSurface m_Plain;
    cSurface m_Mirrored;
};

int Mirror(int p, int cell) { return cell > 0 ? cell * (p / cell + 1) - p % cell - 1 : p; }

// The test picture written another way: the same pixels and colours.
cBmpShape PictureShape(const RGBQUAD* colours) {
    cBmpShape shape;
    shape.width = kW;
    shape.height = kH;
    shape.colours.assign(colours, colours + 256);
    shape.pixel = [](int x, int y) { return static_cast<uint32_t>(10 + y * kW + x); };
    return shape;
}

}  // namespace

TEST_F(BitmapLoad, MirrorsWithinCellsAndLeavesPartialCellsBlank) {
    ASSERT_EQ(0, DDLoadBitmap(m_Plain, "pic.bmp", 0, 16, kMemorySystem, 0, 0, 0));
    EXPECT_EQ(kW, m_Plain.nWidth);
    EXPECT_EQ(kH, m_Plain.nHeight);
    EXPECT_STREQ("pic.bmp", m_Plain.szFileName);
    // The test palette puts index i at red i: check one pixel against GDI's 5-6-5 conversion.
    EXPECT_EQ((12u >> 3) << 11 | ((255u - 12) >> 2) << 5 | ((12u * 7) & 255) >> 3, PixelAt(m_Plain, 2, 0));
    struct {
        int cellWidth, cellHeight;
    } cases[] = {{2, 0}, {0, 2}, {2, 2}, {5, 3}};
    for (const auto& c : cases) {
        ASSERT_EQ(0, DDLoadBitmap(m_Mirrored, "pic.bmp", 0, 16, kMemorySystem, 0, c.cellWidth, c.cellHeight));
        EXPECT_EQ(c.cellWidth, m_Mirrored.nMirrorWidth);
        EXPECT_EQ(c.cellHeight, m_Mirrored.nMirrorHeight);
        int lastX = c.cellWidth ? kW / c.cellWidth * c.cellWidth : kW;
        int lastY = c.cellHeight ? kH / c.cellHeight * c.cellHeight : kH;
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x) {
                uint32_t expected = x < lastX && y < lastY
                                        ? PixelAt(m_Plain, Mirror(x, c.cellWidth), Mirror(y, c.cellHeight))
                                        : 0u;
                EXPECT_EQ(expected, PixelAt(m_Mirrored, x, y))
                    << "cells " << c.cellWidth << "x" << c.cellHeight << " at " << x << "," << y;
            }
    }
}

TEST_F(BitmapLoad, TopDownAndRunLengthFilesLoadAsTheirBottomUpTwin) {
    ASSERT_EQ(0, DDLoadBitmap(m_Plain, "pic.bmp", 0, 16, kMemorySystem, 0, 0, 0));
    struct {
        const char* name;
        bool topDown;
        uint32_t compression;
    } cases[] = {{"top-down", true, BI_RGB}, {"run-length", false, BI_RLE8}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cBmpShape shape = PictureShape(m_Colors);
        shape.topDown = c.topDown;
        shape.compression = c.compression;
        m_Dir.Write("twin.bmp", MakeBmp(shape));
        ASSERT_EQ(0, DDLoadBitmap(m_Mirrored, "twin.bmp", 0, 16, kMemorySystem, 0, 0, 0));
        ASSERT_EQ(kW, m_Mirrored.nWidth);
        ASSERT_EQ(kH, m_Mirrored.nHeight);
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x) EXPECT_EQ(PixelAt(m_Plain, x, y), PixelAt(m_Mirrored, x, y)) << x << "," << y;
        // A copy into the existing surface reads the same way.
        SetPixelAt(m_Mirrored, 1, 0, 0);
        ASSERT_TRUE(DDCopyBitmap(m_Mirrored, "twin.bmp", 16, 0, 0, 0));
        EXPECT_EQ(PixelAt(m_Plain, 1, 0), PixelAt(m_Mirrored, 1, 0));
    }
}

TEST_F(BitmapLoad, DamagedFilesFailAndLeaveSurfacePaletteAndKeyAsTheyWere) {
    ASSERT_EQ(0, DDLoadBitmap(m_Plain, "pic.bmp", 0, 16, kMemorySystem, 0, 0, 0));
    IDirectDrawSurface7* held = m_Plain.lpSurface;
    const uint32_t corner = PixelAt(m_Plain, kW - 1, kH - 1);
    Display().dwTransparent = 0x1234;
    PALETTEENTRY entries[256];
    for (PALETTEENTRY& e : entries) e = {1, 2, 3, 4};

    typedef std::function<void(BITMAPFILEHEADER&, BITMAPINFOHEADER&)> cSpoil;
    struct cCase {
        const char* name;
        cSpoil spoil;
        int fileSize;  // 0: the whole file
        uint32_t compression;
        std::vector<uint8_t> stored;
    };
    const cCase cases[] = {
        {"a 64 x 64 picture cut to 3000 bytes", nullptr, 3000, BI_RGB, {}},
        {"height of -16777209", [](BITMAPFILEHEADER&, BITMAPINFOHEADER& i) { i.biHeight = -16777209; }, 0, BI_RGB, {}},
        {"width of 70000", [](BITMAPFILEHEADER&, BITMAPINFOHEADER& i) { i.biWidth = 70000; }, 0, BI_RGB, {}},
        {"pixels past the end", [](BITMAPFILEHEADER& f, BITMAPINFOHEADER&) { f.bfOffBits = 0x7fffff00; }, 0, BI_RGB, {}},
        // The colour table is sound, the pixels are not: the palette must not take the table.
        {"run-length move past its last row", nullptr, 0, BI_RLE8, {0, 2, 0, 64, 1, 1, 0, 1}},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cBmpShape shape = PictureShape(m_Colors);
        shape.width = shape.height = 64;
        shape.pixel = [](int x, int y) { return static_cast<uint32_t>(x ^ y); };
        shape.spoil = c.spoil;
        shape.compression = c.compression;
        shape.stored = c.stored;
        std::vector<char> bytes = MakeBmp(shape);
        if (c.fileSize) bytes.resize(c.fileSize);
        m_Dir.Write("bad.bmp", bytes);

        EXPECT_EQ(kDDLoadImage, DDLoadBitmap(m_Plain, "bad.bmp", 0, 16, kMemorySystem, 0, 0, 0));
        EXPECT_FALSE(DDCopyBitmap(m_Plain, "bad.bmp", 16, 0, 0, 0));
        EXPECT_EQ(held, m_Plain.lpSurface);
        EXPECT_EQ(kW, m_Plain.nWidth);
        EXPECT_STREQ("pic.bmp", m_Plain.szFileName);
        EXPECT_EQ(corner, PixelAt(m_Plain, kW - 1, kH - 1));
        EXPECT_FALSE(DDLoadPaletteFromFile(entries, "bad.bmp"));
        for (const PALETTEENTRY& e : entries) ASSERT_TRUE(e.peRed == 1 && e.peGreen == 2 && e.peBlue == 3 && e.peFlags == 4);
        EXPECT_FALSE(DDSetTransmit("bad.bmp"));
        EXPECT_EQ(0x1234u, Display().dwTransparent);
    }
}

TEST_F(BitmapLoad, IndexMapHoldsTheFirstEntryDrawingEachPixel) {
    for (int i = 0; i < 256; ++i) Display().Palette[i] = {0, 0, 0, 0};
    // Entries 11 and 40 draw the same colour as entries 10 and 12: the lower index wins.
    auto asEntry = [&](int i) {
        const RGBQUAD& q = m_Colors[i];
        return PALETTEENTRY{static_cast<BYTE>(q.rgbRed >> 3), static_cast<BYTE>(q.rgbGreen >> 2),
                            static_cast<BYTE>(q.rgbBlue >> 3), 0};
    };
    for (int i = 10; i < 10 + kW * kH; ++i) Display().Palette[i] = asEntry(i);
    Display().Palette[11] = asEntry(10);
    Display().Palette[40] = asEntry(12);
    ASSERT_EQ(0, DDLoadBitmap(m_Plain, "pic.bmp", 0, 16, kMemorySystem, 1, 0, 0));
    ASSERT_NE(nullptr, m_Plain.lpIndexMap);
    DDSURFACEDESC2 desc;
    void* bits;
    ASSERT_TRUE(DDLock(m_Plain, desc, &bits));
    int rowPixels = desc.lPitch / 2;
    m_Plain.lpSurface->Unlock(nullptr);
    const uint8_t* map = m_Plain.lpIndexMap.get();
    EXPECT_EQ(10, map[0]);
    EXPECT_EQ(0, map[1]) << "entry 11 draws nothing of its own, so its pixel matches no entry";
    EXPECT_EQ(12, map[2]);
    EXPECT_EQ(24, map[2 * rowPixels + 4]);
    // Loading without the flag drops the map; depth 8 never keeps one.
    ASSERT_TRUE(DDCopyBitmap(m_Plain, "pic.bmp", 16, 0, 0, 0));
    EXPECT_EQ(nullptr, m_Plain.lpIndexMap);
}

TEST_F(BitmapLoad, TransparentColourIsThePaletteBitmapsFirstPixel) {
    ASSERT_TRUE(DDSetTransmit("pic.bmp"));
    ASSERT_EQ(0, DDLoadBitmap(m_Plain, "pic.bmp", 1, 16, kMemorySystem, 0, 0, 0));
    EXPECT_EQ(PixelAt(m_Plain, 0, 0), Display().dwTransparent);
    DDCOLORKEY key = {};
    ASSERT_EQ(DD_OK, m_Plain.lpSurface->GetColorKey(DDCKEY_SRCBLT, &key));
    EXPECT_EQ(Display().dwTransparent, key.dwColorSpaceLowValue);
    EXPECT_EQ(Display().dwTransparent, key.dwColorSpaceHighValue);
}

TEST_F(BitmapLoad, MissingFilesFailWithTheirNamesLogged) {
    cTestLog testLog;
    EXPECT_EQ(kDDLoadImage, DDLoadBitmap(m_Plain, "none.bmp", 0, 16, kMemorySystem, 0, 0, 0));
    EXPECT_FALSE(DDSetTransmit("none.bmp"));
    PALETTEENTRY entries[256];
    EXPECT_FALSE(DDLoadPaletteFromFile(entries, "none.bmp"));
    std::string log = m_Dir.Read("log.txt");
    EXPECT_NE(std::string::npos, log.find("none.bmp\r\n"));
    EXPECT_NE(std::string::npos, log.find("none.bmp 生成失敗！"));
}

TEST_F(BitmapLoad, CheckBitmapSizeTellsOversizedPicturesAndClosesOnUnreadableOnes) {
    EXPECT_FALSE(DDCheckBitmapSize("pic.bmp", 5, 3));
    EXPECT_TRUE(DDCheckBitmapSize("pic.bmp", 4, 3));
    EXPECT_TRUE(DDCheckBitmapSize("pic.bmp", 5, 2));

    cTestLog testLog;
    SetMainWindow(m_Display.Window());
    cBoxAnswers boxes;
    EXPECT_FALSE(DDCheckBitmapSize("none.bmp", 640, 480));
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("none.bmp の読み込みに失敗！", boxes.Shown()[0].text);
    MSG msg;
    EXPECT_TRUE(PeekMessageA(&msg, m_Display.Window(), WM_CLOSE, WM_CLOSE, PM_REMOVE));
    SetMainWindow(nullptr);
}

TEST_F(BitmapLoad, PaletteAtSixteenBitIsReadFromTheBitmapsPixels) {
    // A 16 x 24 palette bitmap: the block from row 8 holds every index once, row by row.
    // Other programs write it run-length compressed: it reads the same.
    for (uint32_t compression : {BI_RGB, BI_RLE8}) {
        SCOPED_TRACE(compression);
        cBmpShape shape = PictureShape(m_Colors);
        shape.width = 16;
        shape.height = 24;
        shape.compression = compression;
        shape.pixel = [](int x, int y) { return y >= 8 ? static_cast<uint32_t>((y - 8) * 16 + x) : 0u; };
        m_Dir.Write("palette.bmp", MakeBmp(shape));
        PALETTEENTRY entries[256];
        ASSERT_TRUE(DDLoadPaletteFromFile(entries, "palette.bmp"));
        struct {
            int index;
            BYTE flags;
        } probes[] = {{0, 2}, {9, 2}, {10, 1}, {100, 1}, {245, 1}, {246, 2}, {255, 2}};
        for (const auto& p : probes) {
            const RGBQUAD& q = m_Colors[p.index];
            EXPECT_EQ(q.rgbRed >> 3, entries[p.index].peRed) << p.index;
            EXPECT_EQ(q.rgbGreen >> 2, entries[p.index].peGreen) << p.index;
            EXPECT_EQ(q.rgbBlue >> 3, entries[p.index].peBlue) << p.index;
            EXPECT_EQ(p.flags, entries[p.index].peFlags) << p.index;
        }
    }
}

TEST_F(BitmapLoad, SmallPaletteBitmapReadsOnlyThePixelsItHas) {
    // 5 x 3 has no row 8: the entries keep their colour-table values.
    PALETTEENTRY entries[256];
    ASSERT_TRUE(DDLoadPaletteFromFile(entries, "pic.bmp"));
    EXPECT_EQ(m_Colors[40].rgbGreen, entries[40].peGreen);
}

namespace {

class PictureLoad : public testing::Test {
protected:
    void SetUp() override {
        RGBQUAD colors[256];
        TestColorTable(colors);
        WriteBmp8("pic.bmp", kW, kH, NumberedPixels().data(), colors);
        memset(m_Rows, 0, sizeof m_Rows);
        Row(0, "E", 1, kMemorySystem, 0);
        m_Rows[0].nBlankWidth = 8;
        m_Rows[0].nBlankHeight = 4;
        Row(1, "pic.bmp", 0, kMemorySystem, 0);
        m_Rows[1].nMirrorWidth = 2;
        Row(2, "gone.bmp", 0, kMemoryAny, 1);
        Row(3, "lost.bmp", 0, kMemoryAny, 0);
        m_Display.reset(new cWindowDisplay(640, 480, m_Surfaces, m_Rows, 4));
        ASSERT_TRUE(m_Display->IsReady());
    }
    void Row(int i, const char* name, int colorKey, int kind, int optional) {
        strcpy(m_Rows[i].szFileName, name);
        m_Rows[i].nColorKey = colorKey;
        m_Rows[i].nMemoryKind = kind;
        m_Rows[i].nOptional = optional;
    }

    cTempDir m_Dir;
    cSurface m_Surfaces[4];
    cPictureRow m_Rows[4];
    std::unique_ptr<cWindowDisplay> m_Display;
};

}  // namespace

TEST_F(PictureLoad, LoadsBlankAndPictureRowsAndSkipsOptionalFailures) {
    const int list[] = {0, 1, 2};
    ASSERT_TRUE(DDLoadSurfaces(m_Surfaces, list, 3));
    EXPECT_EQ(8, m_Surfaces[0].nWidth);
    EXPECT_EQ(kMemorySystem, m_Surfaces[0].nMemoryKind);
    EXPECT_EQ(kW, m_Surfaces[1].nWidth);
    EXPECT_EQ(2, m_Surfaces[1].nMirrorWidth);
    EXPECT_EQ(nullptr, m_Surfaces[2].lpSurface);
}

TEST_F(PictureLoad, ReloadingARowReleasesTheOldSurface) {
    const int list[] = {1};
    ASSERT_TRUE(DDLoadSurfaces(m_Surfaces, list, 1));
    IDirectDrawSurface7* old = m_Surfaces[1].lpSurface;
    old->AddRef();
    ASSERT_TRUE(DDLoadSurfaces(m_Surfaces, list, 1));
    EXPECT_EQ(0u, old->Release()) << "the row's first surface was not released";
}

TEST_F(PictureLoad, RequiredPictureThatFailsIsReported) {
    cTestLog testLog;
    cBoxAnswers boxes;
    const int list[] = {3, 0};
    EXPECT_FALSE(DDLoadSurfaces(m_Surfaces, list, 2));
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("lost.bmp の読み込みに失敗！", boxes.Shown()[0].text);
    EXPECT_EQ(nullptr, m_Surfaces[0].lpSurface) << "loading stops at the failure";
    const int outside[] = {4};
    EXPECT_FALSE(DDLoadSurfaces(m_Surfaces, outside, 1));
}

TEST(PictureTable, CharacterRowsRepeatInSystemMemory) {
    EXPECT_STREQ("bmp\\plt\\Palette.bmp", PictureTable[kPicturePalette].szFileName);
    for (int i = 4; i <= 21; ++i) {
        const cPictureRow& video = PictureTable[i];
        const cPictureRow& system = PictureTable[i + 18];
        EXPECT_STREQ(video.szFileName, system.szFileName) << i;
        EXPECT_EQ(kMemoryAny, video.nMemoryKind) << i;
        EXPECT_EQ(kMemorySystem, system.nMemoryKind) << i;
        EXPECT_EQ(video.nMirrorWidth, system.nMirrorWidth) << i;
        EXPECT_EQ(video.nOptional, system.nOptional) << i;
    }
    EXPECT_EQ(32, PictureTable[5].nMirrorWidth);
    EXPECT_EQ(16, PictureTable[21].nMirrorWidth);
    for (int i = 61; i < kPictureTableRows; ++i) EXPECT_STREQ("E", PictureTable[i].szFileName) << i;
    EXPECT_EQ(960, PictureTable[62].nBlankHeight);
}
