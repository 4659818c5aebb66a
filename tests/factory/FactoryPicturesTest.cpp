// The factory project's pictures go through the game's own loaders: every row of the picture
// table loads, the palette bitmap gives the palette and a transparent colour that no other
// colour of the project shares, and cut-outs land where the sheets put them.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <vector>

#include "game/media/Bitmap.h"
#include "game/media/Display.h"
#include "game/media/Palette.h"
#include "game/media/PictureTable.h"
#include "tests/factory/ProjectFolder.h"
#include "tests/game/media/DisplayFixture.h"
#include "tests/support/BoxAnswers.h"

namespace {

class FactoryPictures : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(EnterProjectFolder()) << ProjectFolder();
        for (int i = 0; i < kPictureTableRows; ++i) m_Rows[i] = PictureTable[i];
        m_Display.reset(new cWindowDisplay(640, 480, m_Surfaces, m_Rows, kPictureTableRows));
        ASSERT_TRUE(m_Display->IsReady());
    }
    void TearDown() override {
        for (cSurface& s : m_Surfaces) DDReleaseSurface(s);
    }

    cBoxAnswers m_Boxes;
    cSurface m_Surfaces[kPictureTableRows];
    cPictureRow m_Rows[kPictureTableRows];
    std::unique_ptr<cWindowDisplay> m_Display;
};

}  // namespace

TEST_F(FactoryPictures, EveryTableRowLoadsWithItsSize) {
    std::vector<int> rows;
    for (int i = 0; i < kPictureTableRows; ++i)
        if (i < kPictureFirstBackground || i >= kPictureFirstBackground + kPictureBackgroundCount) rows.push_back(i);
    ASSERT_TRUE(DDLoadSurfaces(m_Surfaces, rows.data(), static_cast<int>(rows.size())));
    EXPECT_TRUE(m_Boxes.Shown().empty());
    for (int i : rows) {
        SCOPED_TRACE(m_Rows[i].szFileName);
        EXPECT_NE(nullptr, m_Surfaces[i].lpSurface);
    }
    struct {
        int row, width, height;
    } sizes[] = {{0, 16, 24}, {2, 256, 480}, {4, 640, 480}, {19, 640, 480}, {20, 128, 480}, {40, 512, 480},
                 {42, 256, 240}, {43, 256, 480}, {45, 640, 480}, {46, 640, 480}, {47, 128, 208},
                 {48, 416, 16}, {49, 320, 160}, {50, 160, 64}, {51, 64, 256}, {52, 640, 480}};
    for (const auto& s : sizes) {
        SCOPED_TRACE(m_Rows[s.row].szFileName);
        EXPECT_EQ(s.width, m_Surfaces[s.row].nWidth);
        EXPECT_EQ(s.height, m_Surfaces[s.row].nHeight);
    }
}

TEST_F(FactoryPictures, PaletteAndTransparentColourComeFromThePaletteBitmap) {
    PALETTEENTRY entries[kPaletteSize] = {};
    ASSERT_TRUE(DDLoadPaletteFromFile(entries, "bmp\\plt\\Palette.bmp"));
    ASSERT_TRUE(DDSetTransmit("bmp\\plt\\Palette.bmp"));
    // At 16 bits a colour key is a colour: only entry 0 may have the transparent one.
    EXPECT_EQ(Display().dwTransparent, DDPaletteToPixel(entries[0]));
    for (int i = 1; i < kPaletteSize; ++i)
        EXPECT_NE(Display().dwTransparent, DDPaletteToPixel(entries[i])) << "entry " << i;

    const int rows[] = {47, 48};
    ASSERT_TRUE(DDLoadSurfaces(m_Surfaces, rows, 2));
    // Where the sheets leave a pixel empty the loaded surface holds the transparent colour, and
    // a drawn piece does not: the accessory's menu cursor and the gauge strips' top rows.
    EXPECT_EQ(Display().dwTransparent, PixelAt(m_Surfaces[47], 127, 207));
    EXPECT_EQ(Display().dwTransparent, PixelAt(m_Surfaces[47], 0, 0));
    EXPECT_NE(Display().dwTransparent, PixelAt(m_Surfaces[47], 16, 16));
    for (int x : {0, 49, 64, 113})
        for (int y : {128, 144, 160, 176, 192}) EXPECT_NE(Display().dwTransparent, PixelAt(m_Surfaces[47], x, y + 1));
}

TEST_F(FactoryPictures, MirroredCharacterSheetsKeepEachFrameInItsCell) {
    const int rows[] = {4, 5};
    ASSERT_TRUE(DDLoadSurfaces(m_Surfaces, rows, 2));
    ASSERT_EQ(32, m_Surfaces[5].nMirrorWidth);
    // The hero (row 1) faces right in the plain sheet and left in the mirrored one: each frame
    // is mirrored inside its own 32-dot cell.
    for (int frame = 0; frame < 20; ++frame) {
        for (int y = 32; y < 64; y += 3) {
            for (int x = 0; x < 32; x += 3) {
                ASSERT_EQ(PixelAt(m_Surfaces[4], 32 * frame + x, y), PixelAt(m_Surfaces[5], 32 * frame + 31 - x, y))
                    << "frame " << frame << " at " << x << "," << y;
            }
        }
    }
}
