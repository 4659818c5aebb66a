// The factory project's pictures go through the editor's own loader: the two palette bitmaps
// give the project palette, its transparent and mask indexes, and every system bitmap and
// toolbar strip loads as an 8-bit picture whose mask is clear exactly where it is transparent.
#include <gtest/gtest.h>

#include <windows.h>

#include "framework/Dib.h"
#include "tests/factory/ProjectFolder.h"
#include "tests/support/BoxAnswers.h"

namespace {

class FactoryEditorPictures : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(EnterProjectFolder()) << ProjectFolder();
        ASSERT_EQ(1, LoadPalette("bmp\\plt\\Palette2.bmp"));
        ASSERT_EQ(1, LoadPalette("bmp\\plt\\Palette.bmp"));
        SetTransparentColour(0);
        SetMaskColour(15);
    }

    cBoxAnswers m_Boxes;
};

}  // namespace

TEST_F(FactoryEditorPictures, TransparentAndMaskIndexesAreTheirOwnEntries) {
    EXPECT_EQ(0, GetTransparentIndex());
    EXPECT_EQ(15, GetMaskIndex()) << "no entry before 15 may be black";
    const RGBQUAD& black = GetProjectPalette()[15];
    EXPECT_EQ(0, black.rgbRed + black.rgbGreen + black.rgbBlue) << "masks are ANDed: the mask colour must be black";
}

TEST_F(FactoryEditorPictures, SystemBitmapsAndToolbarsLoadWithTheirMasks) {
    struct {
        const char* file;
        int withMask, tileWidth;
    } pictures[] = {
        {"bmp\\Back.bmp", 0, 0},         {"bmp\\Block.bmp", 0, 0},        {"bmp\\Character1.bmp", 1, 0},
        {"bmp\\Character1.bmp", 1, 32},  {"bmp\\Character8.bmp", 1, 32}, {"bmp\\Item.bmp", 1, 0},
        {"bmp\\Item_Mini.bmp", 1, 0},    {"bmp\\Shot.bmp", 1, 0},        {"bmp\\Mark.bmp", 1, 0},
        {"bmp\\WorldBack.bmp", 0, 0},    {"bmp\\WorldMapChip.bmp", 1, 0}, {"bmp\\WorldEvent.bmp", 1, 0},
        {"bmp\\Symbol.bmp", 1, 0},       {"bmp\\Accessory.bmp", 1, 0},   {"e_bmp\\ToolBar_Palette.bmp", 0, 0},
        {"e_bmp\\ToolBar_TestPlay.bmp", 0, 0}, {"e_bmp\\ToolBar_Pen.bmp", 0, 0},
        {"e_bmp\\ToolBar_PltEdit.bmp", 0, 0}, {"e_bmp\\ToolBar_WorldPalette.bmp", 0, 0},
    };
    for (const auto& p : pictures) {
        SCOPED_TRACE(p.file);
        cDib dib;
        ASSERT_EQ(1, dib.LoadFile(p.file, 8, p.withMask, p.tileWidth, 0));
        ASSERT_EQ(8, dib.BitsPerPixel());
        if (!p.withMask) continue;
        int solid = 0;
        for (int y = 0; y < dib.Height(); ++y) {
            const uint8_t* image = dib.Bits() + y * dib.Stride();
            const uint8_t* mask = dib.MaskBits() + y * dib.Stride();
            for (int x = 0; x < dib.Width(); ++x) {
                ASSERT_EQ(image[x] == 0 ? 255 : 15, mask[x]) << x << "," << y;
                solid += image[x] != 0;
            }
        }
        EXPECT_GT(solid, 0);
    }
    EXPECT_TRUE(m_Boxes.Shown().empty());
}

TEST_F(FactoryEditorPictures, MirroredCharacterSheetMatchesTheGameFacingLeft) {
    cDib plain, mirrored;
    ASSERT_EQ(1, plain.LoadFile("bmp\\Character1.bmp", 8, 1, 0, 0));
    ASSERT_EQ(1, mirrored.LoadFile("bmp\\Character1.bmp", 8, 1, 32, 0));
    for (int y = 32; y < 64; ++y)
        for (int x = 0; x < 640; ++x)
            ASSERT_EQ(plain.Bits()[y * plain.Stride() + x],
                      mirrored.Bits()[y * mirrored.Stride() + 32 * (x / 32) + 31 - x % 32])
                << x << "," << y;
}
