#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "framework/ErrorLog.h"
#include "game/media/Bitmap.h"
#include "game/media/Display.h"
#include "game/media/Palette.h"
#include "game/media/PictureTable.h"
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
        ASSERT_TRUE(m_Display.IsReady());
        TestColorTable(m_Colors);
        WriteBmp8("pic.bmp", kW, kH, NumberedPixels().data(), m_Colors);
    }
    void TearDown() override {
        DDReleaseSurface(m_Plain);
        DDReleaseSurface(m_Mirrored);
    }

    cTempDir m_Dir;
    cWindowDisplay m_Display;
    RGBQUAD m_Colors[256];
    cSurface m_Plain;
    cSurface m_Mirrored;
};

int Mirror(int p, int cell) { return cell > 0 ? cell * (p / cell + 1) - p % cell - 1 : p; }

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
    SetErrorLog(1, "log.txt");
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

    SetErrorLog(1, "log.txt");
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
    std::vector<uint8_t> pixels(16 * 24, 0);
    for (int i = 0; i < 256; ++i) pixels[(8 + i / 16) * 16 + i % 16] = static_cast<uint8_t>(i);
    WriteBmp8("palette.bmp", 16, 24, pixels.data(), m_Colors);
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
    SetErrorLog(1, "log.txt");
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
