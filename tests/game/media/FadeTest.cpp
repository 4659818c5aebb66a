#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/media/Blit.h"
#include "game/media/Fade.h"
#include "tests/game/media/DisplayFixture.h"
#include "tests/support/TempDir.h"

namespace {

void BasePalette(PALETTEENTRY* base) {
    for (int i = 0; i < 256; ++i) base[i] = {static_cast<BYTE>(i), 200, static_cast<BYTE>(255 - i), 0};
}

// The fade angles and the display depth are the process's: each fade test leaves them as it
// found them, with no fade in progress.
class Fades : public testing::Test {
protected:
    void SetUp() override { m_Depth = Display().nBpp; }
    void TearDown() override {
        Display().nBpp = 8;
        PALETTEENTRY scratch[256] = {};
        DDFadeOut(scratch, 0, 255, 0, 0, 0, 90, scratch, 1);
        DDFadeIn(scratch, 0, 255, 0, 0, 0, 90, scratch, 1);
        Display().nBpp = m_Depth;
    }

    int32_t m_Depth = 0;
};

}  // namespace

TEST(PaletteEffects, MixTowardAColour) {
    PALETTEENTRY base[256], out[256] = {};
    BasePalette(base);
    DDMixPalette(out, 10, 11, 128, 0, 0, 0, base);
    EXPECT_EQ(5, out[10].peRed);
    EXPECT_EQ(100, out[10].peGreen);
    EXPECT_EQ(1, out[10].peFlags);
    EXPECT_EQ(0, out[12].peGreen) << "outside the range";
    DDMixPalette(out, 10, 10, 0, 40, 50, 60, base);
    EXPECT_EQ(40, out[10].peRed);
    EXPECT_EQ(60, out[10].peBlue);
    DDMixPalette(out, 10, 10, 256, 40, 50, 60, base);
    EXPECT_EQ(10, out[10].peRed);
    DDMixPalette(out, 250, 300, 0, 0, 0, 0, base);
    EXPECT_EQ(0, out[250].peGreen) << "a range past the palette changes nothing";
}

TEST(PaletteEffects, RotateWithinARange) {
    PALETTEENTRY base[256], out[256];
    BasePalette(base);
    struct {
        int n, direction, index, fromBase;
    } cases[] = {
        {1, 0, 16, 31}, {1, 0, 17, 16}, {1, 1, 31, 16}, {1, 1, 16, 17},
        {17, 0, 16, 31}, {3, 2, 16, 16}, {1, 0, 15, 15}, {1, 0, 32, 32},
    };
    for (const auto& c : cases) {
        DDRotatePalette(out, 16, 31, c.n, c.direction, base);
        EXPECT_EQ(base[c.fromBase].peRed, out[c.index].peRed)
            << "n " << c.n << " direction " << c.direction << " entry " << c.index;
    }
}

TEST(PaletteEffects, MixTableLoadsWholeOrNotAtAll) {
    cTempDir dir;
    std::vector<uint8_t> table(256 * 256, 7);
    EXPECT_FALSE(DDLoadMixTable(table.data(), "bmp\\hbt\\hbt00.dat"));
    dir.Write("short.dat", std::string(1000, '\x01'));
    EXPECT_FALSE(DDLoadMixTable(table.data(), "short.dat"));
    EXPECT_EQ(7, table[0]);
    std::string bytes(256 * 256, '\0');
    bytes[3 * 256 + 5] = 42;
    dir.Write("full.dat", bytes);
    EXPECT_TRUE(DDLoadMixTable(table.data(), "full.dat"));
    EXPECT_EQ(42, table[3 * 256 + 5]);
    EXPECT_EQ(0, table[0]);
    EXPECT_EQ("bmp\\hbt\\hbt03.dat", DDMixTableName(3));
    EXPECT_EQ("bmp\\hbt\\hbt12.dat", DDMixTableName(12));
}

TEST_F(Fades, EightBitFadeOutTakesItsStepsThroughThePalette) {
    Display().nBpp = 8;  // no palette object: only the entries change
    PALETTEENTRY base[256], current[256] = {};
    BasePalette(base);
    // Step 30: angles 90, 60, 30 return false, angle 0 draws black and returns true.
    const bool expected[] = {false, false, false, true, false};
    for (int call = 0; call < 5; ++call)
        EXPECT_EQ(expected[call], DDFadeOut(current, 0, 255, 0, 0, 0, 30, base, 0)) << call;
    // The fifth call started a new fade at full brightness.
    EXPECT_EQ(100, current[100].peRed);
    EXPECT_TRUE(DDFadeOut(current, 0, 255, 0, 0, 0, 30, base, 1)) << "the finish flag ends it at once";
    EXPECT_EQ(0, current[100].peRed);
    EXPECT_EQ(0, current[100].peGreen);
    EXPECT_FALSE(DDFadeOut(current, 0, 255, 0, 0, 0, 30, base, 0)) << "and the next one starts afresh";
    EXPECT_EQ(200, current[100].peGreen);
}

TEST_F(Fades, EightBitFadeInEndsOnTheBasePalette) {
    Display().nBpp = 8;
    PALETTEENTRY base[256], current[256] = {};
    BasePalette(base);
    const bool expected[] = {false, false, false, true};
    for (int call = 0; call < 4; ++call) {
        EXPECT_EQ(expected[call], DDFadeIn(current, 0, 255, 255, 255, 255, 30, base, 0)) << call;
        if (call == 0) {
            EXPECT_EQ(255, current[0].peRed) << "a fade-in starts at the colour";
        }
    }
    EXPECT_EQ(0, current[0].peRed);
    EXPECT_EQ(200, current[0].peGreen);
}

TEST_F(Fades, SixteenBitFadeRedrawsTheBackBufferFromItsSnapshot) {
    cWindowDisplay display(16, 16);
    ASSERT_TRUE(display.IsReady());
    cDisplayState& d = Display();
    d.Palette[1] = {31, 63, 31, 0};
    DDFillRect(d.Back, 0, 0, 16, 16, 1);
    PALETTEENTRY none[256] = {};
    // Step 45: angles 90 (the picture), 45 (brightness 181), 0 (black).
    EXPECT_FALSE(DDFadeOut(none, 0, 255, 0, 0, 0, 45, none, 0));
    EXPECT_EQ(0xFFFFu, PixelAt(d.Back, 5, 5));
    EXPECT_EQ(0xFFFFu, PixelAt(d.Work, 5, 5)) << "the snapshot";
    EXPECT_FALSE(DDFadeOut(none, 0, 255, 0, 0, 0, 45, none, 0));
    // 255 * 181 >> 8 = 180 on the 0-255 scale: 22 of 31, 44 of 63.
    EXPECT_EQ(static_cast<uint32_t>(22 << 11 | 44 << 5 | 22), PixelAt(d.Back, 15, 15));
    EXPECT_TRUE(DDFadeOut(none, 0, 255, 0, 0, 0, 45, none, 0));
    EXPECT_EQ(0u, PixelAt(d.Back, 0, 0));

    // Fading in from black draws the snapshot of the black screen: redraw the picture into the
    // snapshot, as a scene does before it fades in.
    EXPECT_FALSE(DDFadeIn(none, 0, 255, 0, 0, 0, 45, none, 0));
    DDFillRect(d.Work, 0, 0, 16, 16, 1);
    EXPECT_FALSE(DDFadeIn(none, 0, 255, 0, 0, 0, 45, none, 0));
    EXPECT_TRUE(DDFadeIn(none, 0, 255, 0, 0, 0, 45, none, 0));
    EXPECT_EQ(0xFFFFu, PixelAt(d.Back, 3, 3)) << "a fade-in ends on the picture itself";
}
