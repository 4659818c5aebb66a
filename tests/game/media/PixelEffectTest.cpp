#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/ErrorLog.h"
#include "game/media/PixelEffect.h"
#include "tests/game/media/DisplayFixture.h"
#include "tests/support/TempDir.h"

namespace {

const uint32_t kPreset = 0x5A5A;  // what the destination holds before the effect (0x5A at depth 8)

struct cPixelProbe {
    int x, y;
    uint32_t expected;
};

struct cEffectCase {
    const char* name;
    std::function<bool(const cPixelView& dest, const cPixelView& source)> run;
    std::vector<cPixelProbe> probes;
    bool result = true;
};

// Runs each case on a fresh destination (every pixel kPreset) over the same source.
void RunCases(const cPixelView& source, int destWidth, int destHeight, const std::vector<cEffectCase>& cases) {
    for (const cEffectCase& c : cases) {
        cMemorySurface dest(destWidth, destHeight, source.nBytesPerPixel);
        const cPixelView& d = dest.View();
        uint32_t preset = source.nBytesPerPixel == 1 ? (kPreset & 0xFF) : kPreset;
        for (int y = 0; y < d.nHeight; ++y)
            for (int x = 0; x < d.nWidth; ++x) d.Set(x, y, preset);
        EXPECT_EQ(c.result, c.run(d, source)) << c.name;
        for (const cPixelProbe& p : c.probes)
            EXPECT_EQ(p.expected == kPreset ? preset : p.expected, d.Get(p.x, p.y))
                << c.name << " at " << p.x << "," << p.y;
    }
}

uint32_t Pixel565(int r, int g, int b) { return static_cast<uint32_t>(r << 11 | g << 5 | b); }

const uint32_t kRed = Pixel565(31, 0, 0);
const uint32_t kBlue = Pixel565(0, 0, 31);
const uint32_t kBlack = 0;

cPixelRules Rules16(uint32_t transparent) {
    cPixelRules rules;
    rules.Format = Rgb565();
    rules.dwTransparent = transparent;
    return rules;
}

// Mix table of the 8-bit tests: entry [a * 256 + b] = (3a + b) mod 256, so the order shows.
const uint8_t* TestMixTable() {
    static uint8_t table[256 * 256];
    for (int a = 0; a < 256; ++a)
        for (int b = 0; b < 256; ++b) table[a * 256 + b] = static_cast<uint8_t>(3 * a + b);
    return table;
}

}  // namespace

TEST(PixelEffects, EightBitMosaicTintAndHalf) {
    // Source 4 x 4 of indexes 1 + 4y + x, except (2, 0), which is the transparent index 0.
    cMemorySurface source(4, 4, 1);
    const cPixelView& s = source.View();
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) s.Set(x, y, 1 + 4 * y + x);
    s.Set(2, 0, 0);
    cPixelRules rules;
    rules.dwTransparent = 0;
    rules.lpMixTable = TestMixTable();
    PALETTEENTRY palette[256] = {};
    const uint32_t P = kPreset;
    RunCases(s, 6, 6,
             {
                 {"mosaic takes each block's top-left pixel",
                  [&](const cPixelView& d, const cPixelView& src) { return MosaicPixels(d, 0, 0, 4, 4, 2, src, 0, 0, 0, rules); },
                  {{1, 1, 1}, {2, 0, 0}, {3, 1, 0}, {0, 2, 9}, {3, 3, 11}, {4, 0, P}}},
                 {"mosaic with key leaves a transparent sample's block",
                  [&](const cPixelView& d, const cPixelView& src) { return MosaicPixels(d, 0, 0, 4, 4, 2, src, 0, 0, 1, rules); },
                  {{1, 1, 1}, {2, 0, P}, {3, 1, P}, {2, 2, 11}}},
                 {"mosaic blocks are cut at the area",
                  [&](const cPixelView& d, const cPixelView& src) { return MosaicPixels(d, 1, 1, 3, 3, 2, src, 0, 0, 0, rules); },
                  {{1, 1, 1}, {3, 1, 0}, {4, 1, P}, {3, 3, 11}, {3, 4, P}}},
                 {"mosaic block size below 1 is 1",
                  [&](const cPixelView& d, const cPixelView& src) { return MosaicPixels(d, 0, 0, 4, 4, 0, src, 0, 0, 0, rules); },
                  {{1, 0, 2}, {3, 3, 16}}},
                 {"negative block size is 1 too",
                  [&](const cPixelView& d, const cPixelView& src) { return MosaicPixels(d, 0, 0, 4, 4, -5, src, 0, 0, 0, rules); },
                  {{1, 0, 2}, {0, 1, 5}}},
                 {"mosaic partly off the destination",
                  [&](const cPixelView& d, const cPixelView& src) { return MosaicPixels(d, 4, 4, 4, 4, 2, src, 0, 0, 0, rules); },
                  {{4, 4, 1}, {5, 5, 1}}},
                 // Index 5 toward 100 twice: 3*5+100 = 115, then 3*115+100 = 445 mod 256 = 189.
                 {"tint through the mix table",
                  [&](const cPixelView& d, const cPixelView& src) {
                      return TintPixels(d, 0, 0, 4, 4, src, 0, 0, 1, palette, 100, 2, rules);
                  },
                  {{0, 1, 189}, {2, 0, P}}},
                 {"tint 0 times draws nothing",
                  [&](const cPixelView& d, const cPixelView& src) {
                      return TintPixels(d, 0, 0, 4, 4, src, 0, 0, 0, palette, 100, 0, rules);
                  },
                  {{0, 0, P}}},
                 // Half: table[source + destination * 256] = 3 * destination + source.
                 {"half blends with the destination",
                  [&](const cPixelView& d, const cPixelView& src) {
                      return HalfPixels(d, 0, 0, 4, 4, src, 0, 0, 0, rules.lpMixTable, rules);
                  },
                  {{0, 0, (3 * 0x5A + 1) & 255}, {2, 0, (3 * 0x5A + 0) & 255}}},
                 {"half with key skips source index 0",
                  [&](const cPixelView& d, const cPixelView& src) {
                      return HalfPixels(d, 0, 0, 4, 4, src, 0, 0, 1, rules.lpMixTable, rules);
                  },
                  {{2, 0, P}, {1, 0, (3 * 0x5A + 2) & 255}}},
             });

    // A destination index 0 takes the source index when keyed.
    cMemorySurface dest(2, 1, 1);
    EXPECT_TRUE(HalfPixels(dest.View(), 0, 0, 2, 1, s, 0, 1, 1, rules.lpMixTable, rules));
    EXPECT_EQ(5u, dest.View().Get(0, 0));
    EXPECT_EQ(6u, dest.View().Get(1, 0));
}

TEST(PixelEffects, SixteenBitMosaicBlurTintAndHalf) {
    // Source 4 x 2: red, black, blue, black / black, black, red, red. Results are on the 0-255
    // scale, written back rounded (the destination's preset 0x5A5A is 90, 72, 213).
    cMemorySurface source(4, 2, 2);
    const cPixelView& s = source.View();
    const uint32_t pixels[2][4] = {{kRed, kBlack, kBlue, kBlack}, {kBlack, kBlack, kRed, kRed}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x) s.Set(x, y, pixels[y][x]);
    cPixelRules plain = Rules16(Pixel565(1, 1, 1));
    cPixelRules keyBlack = Rules16(kBlack);
    PALETTEENTRY palette[256] = {};
    palette[7] = {31, 0, 0, 0};
    const uint32_t P = kPreset;
    RunCases(s, 6, 4,
             {
                 // Red 255 averaged with three blacks: 63 on the 0-255 scale, 8 of 31.
                 {"mosaic averages each block",
                  [&](const cPixelView& d, const cPixelView& src) { return MosaicPixels(d, 0, 0, 4, 2, 2, src, 0, 0, 0, plain); },
                  {{0, 0, Pixel565(8, 0, 0)}, {1, 1, Pixel565(8, 0, 0)}, {2, 0, Pixel565(15, 0, 8)}, {4, 0, P}}},
                 {"mosaic with key counts only opaque pixels",
                  [&](const cPixelView& d, const cPixelView& src) { return MosaicPixels(d, 0, 0, 4, 2, 2, src, 0, 0, 1, keyBlack); },
                  {{0, 0, kRed}, {1, 1, kRed}, {2, 0, Pixel565(21, 0, 10)}}},
                 {"mosaic with key leaves transparent blocks",
                  [&](const cPixelView& d, const cPixelView& src) { return MosaicPixels(d, 0, 0, 2, 2, 1, src, 0, 0, 1, keyBlack); },
                  {{0, 0, kRed}, {1, 0, P}, {0, 1, P}}},
                 // Each pixel averages the source from one pixel up and left to itself, inside the area.
                 {"blur",
                  [&](const cPixelView& d, const cPixelView& src) { return BlurPixels(d, 0, 0, 2, 2, 1, 1, src, 0, 0, 0, plain); },
                  {{0, 0, kRed}, {1, 0, Pixel565(15, 0, 0)}, {0, 1, Pixel565(15, 0, 0)}, {1, 1, Pixel565(8, 0, 0)}, {2, 0, P}}},
                 {"blur with key leaves transparent centres",
                  [&](const cPixelView& d, const cPixelView& src) { return BlurPixels(d, 2, 0, 2, 2, 1, 1, src, 2, 0, 1, keyBlack); },
                  {{2, 0, kBlue}, {3, 0, P}, {3, 1, Pixel565(21, 0, 10)}, {2, 1, Pixel565(15, 0, 15)}}},
                 {"blur of radius 0 counts nothing and draws nothing",
                  [&](const cPixelView& d, const cPixelView& src) { return BlurPixels(d, 0, 0, 2, 2, 0, 0, src, 0, 0, 0, plain); },
                  {{0, 0, P}, {1, 1, P}}},
                 // Black toward red: 127 after one halving, 191 after two (15 and 23 of 31).
                 {"tint",
                  [&](const cPixelView& d, const cPixelView& src) {
                      return TintPixels(d, 0, 0, 2, 1, src, 0, 1, 0, palette, 7, 2, plain);
                  },
                  {{0, 0, Pixel565(23, 0, 0)}, {1, 0, Pixel565(23, 0, 0)}}},
                 {"tint skips pixels outside the destination",
                  [&](const cPixelView& d, const cPixelView& src) {
                      return TintPixels(d, 5, 3, 4, 2, src, 0, 0, 0, palette, 7, 1, plain);
                  },
                  {{5, 3, kRed}}},
                 {"half averages source and destination",
                  [&](const cPixelView& d, const cPixelView& src) { return HalfPixels(d, 0, 0, 4, 1, src, 0, 0, 0, nullptr, plain); },
                  {{0, 0, Pixel565(21, 9, 13)}, {1, 0, Pixel565(5, 9, 13)}}},
                 {"half with key skips transparent source pixels",
                  [&](const cPixelView& d, const cPixelView& src) { return HalfPixels(d, 0, 0, 4, 1, src, 0, 0, 1, nullptr, keyBlack); },
                  {{1, 0, P}, {2, 0, Pixel565(5, 9, 28)}}},
             });
    // A transparent destination pixel takes the source pixel.
    cMemorySurface dest(1, 1, 2);
    EXPECT_TRUE(HalfPixels(dest.View(), 0, 0, 1, 1, s, 2, 0, 1, nullptr, keyBlack));
    EXPECT_EQ(kBlue, dest.View().Get(0, 0));
}

TEST(PixelEffects, LensAndRotationAtBothDepths) {
    for (int bytes : {1, 2}) {
        // Source 9 x 9 (smaller than any display): pixel value 1 + 9y + x; (8, 4) is transparent (0).
        cMemorySurface source(9, 9, bytes);
        const cPixelView& s = source.View();
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 9; ++x) s.Set(x, y, 1 + 9 * y + x);
        s.Set(8, 4, 0);
        auto at = [](int x, int y) { return static_cast<uint32_t>(1 + 9 * y + x); };
        cPixelRules rules = bytes == 1 ? cPixelRules() : Rules16(0);
        const uint32_t P = kPreset;
        RunCases(s, 10, 10,
                 {
                     // r 4, height 3: E = 5. Along the row through the centre the source columns
                     // are 0, 1, 1, 2, 4 for destination offsets 0 ... 4, and 0 for -1 and -2.
                     {"lens",
                      [&](const cPixelView& d, const cPixelView& src) { return LensPixels(d, 4, 4, 4, 3, src, 4, 4, rules); },
                      {{4, 4, at(4, 4)}, {5, 4, at(5, 4)}, {6, 4, at(5, 4)}, {7, 4, at(6, 4)}, {2, 4, at(4, 4)},
                       {4, 7, at(4, 6)}, {9, 5, P}}},
                     {"lens leaves transparent source pixels",
                      [&](const cPixelView& d, const cPixelView& src) { return LensPixels(d, 4, 4, 4, 3, src, 4, 4, rules); },
                      {{8, 4, P}}},
                     {"lens reads only inside the source",
                      [&](const cPixelView& d, const cPixelView& src) { return LensPixels(d, 4, 4, 4, 3, src, 7, 7, rules); },
                      {{4, 4, at(7, 7)}, {5, 4, at(8, 7)}, {7, 4, P}, {4, 8, P}}},
                     {"lens flatter than its radius draws nothing",
                      [&](const cPixelView& d, const cPixelView& src) { return LensPixels(d, 4, 4, 0, 3, src, 4, 4, rules); },
                      {{4, 4, P}}},
                     {"lens with a negative radius refuses",
                      [&](const cPixelView& d, const cPixelView& src) { return LensPixels(d, 4, 4, -1, 3, src, 4, 4, rules); },
                      {{4, 4, P}},
                      false},
                     {"rotation by 0 copies the picture around its pivot",
                      [&](const cPixelView& d, const cPixelView& src) {
                          return RotatePixels(d, 5, 5, 3, 2, 1, 1, 0.0, src, 1, 1, 0, rules);
                      },
                      {{4, 4, at(1, 1)}, {6, 5, at(3, 2)}, {7, 5, P}, {4, 6, P}}},
                     // 90 degrees: destination offset (dx, dy) shows picture pixel (dy, -dx).
                     {"rotation by 90",
                      [&](const cPixelView& d, const cPixelView& src) {
                          return RotatePixels(d, 5, 5, 3, 2, 0, 0, 90.0, src, 1, 1, 0, rules);
                      },
                      {{5, 5, at(1, 1)}, {4, 5, at(1, 2)}, {5, 7, at(3, 1)}, {4, 7, at(3, 2)}, {6, 5, P}}},
                     {"rotation checks the destination's own size",
                      [&](const cPixelView& d, const cPixelView& src) {
                          return RotatePixels(d, 9, 9, 4, 4, 0, 0, 0.0, src, 0, 0, 0, rules);
                      },
                      {{9, 9, at(0, 0)}}},
                     {"rotation reads only inside the source",
                      [&](const cPixelView& d, const cPixelView& src) {
                          return RotatePixels(d, 0, 0, 4, 4, 0, 0, 0.0, src, 7, 7, 0, rules);
                      },
                      {{0, 0, at(7, 7)}, {1, 1, at(8, 8)}, {2, 2, P}}},
                     {"rotation with key skips transparent pixels",
                      [&](const cPixelView& d, const cPixelView& src) {
                          return RotatePixels(d, 0, 0, 2, 1, 0, 0, 0.0, src, 7, 4, 1, rules);
                      },
                      {{0, 0, at(7, 4)}, {1, 0, P}}},
                 });
    }
}

// A turn given a background draws in one pass what clearing the destination and then turning
// draws, wherever the turned picture lies, keyed or not.
TEST(PixelEffects, RotationOverABackgroundEqualsClearingFirst) {
    const struct {
        double angle;
        int x, y, w, h, px, py, sx, sy, colorKey;
    } cases[] = {
        {0.0, 10, 8, 9, 9, 4, 4, 0, 0, 0},   {37.0, 10, 8, 9, 9, 4, 4, 0, 0, 1}, {90.0, 10, 8, 9, 6, 4, 3, 0, 2, 0},
        {180.0, 2, 1, 9, 9, 0, 0, 0, 0, 1},  {251.0, 18, 14, 9, 9, 4, 4, 0, 0, 0}, {300.0, -3, 9, 7, 9, 2, 8, 2, 0, 1},
        {45.0, 10, 8, 30, 30, 15, 15, -4, -4, 0}, {10.0, 40, 8, 9, 9, 4, 4, 0, 0, 0},
    };
    for (int bytes : {1, 2}) {
        cMemorySurface source(9, 9, bytes);
        const cPixelView& s = source.View();
        for (int y = 0; y < 9; ++y)
            for (int x = 0; x < 9; ++x) s.Set(x, y, (x + 2 * y) % 5 ? 1 + 9 * y + x : 0);
        const cPixelRules rules = bytes == 1 ? cPixelRules() : Rules16(0);
        const uint32_t background = 0x42;
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << bytes << " bytes, " << c.angle << " degrees at " << c.x << "," << c.y);
            cMemorySurface cleared(20, 16, bytes), once(20, 16, bytes);
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 20; ++x) {
                    cleared.View().Set(x, y, background);
                    once.View().Set(x, y, 7 + x + y);
                }
            ASSERT_TRUE(RotatePixels(cleared.View(), c.x, c.y, c.w, c.h, c.px, c.py, c.angle, s, c.sx, c.sy,
                                     c.colorKey, rules));
            ASSERT_TRUE(RotatePixels(once.View(), c.x, c.y, c.w, c.h, c.px, c.py, c.angle, s, c.sx, c.sy,
                                     c.colorKey, rules, &background));
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 20; ++x)
                    ASSERT_EQ(cleared.View().Get(x, y), once.View().Get(x, y)) << "at " << x << "," << y;
        }
    }
}

TEST(PixelEffects, FadeMixesEveryPixelTowardTheColour) {
    cMemorySurface source(2, 1, 2);
    source.View().Set(0, 0, Pixel565(31, 63, 31));
    source.View().Set(1, 0, kBlack);
    cMemorySurface dest(3, 1, 2);
    cPixelRules rules = Rules16(0);
    // Brightness 128 from white toward black: 127 of 255 (15 of 31, 31 of 63).
    ASSERT_TRUE(FadePixels(dest.View(), 128, 0, 0, 0, source.View(), rules));
    EXPECT_EQ(Pixel565(15, 31, 15), dest.View().Get(0, 0));
    EXPECT_EQ(kBlack, dest.View().Get(1, 0));
    EXPECT_EQ(0u, dest.View().Get(2, 0)) << "outside the source";
    ASSERT_TRUE(FadePixels(dest.View(), 0, 255, 0, 0, source.View(), rules));
    EXPECT_EQ(kRed, dest.View().Get(1, 0));
}

TEST(PixelEffects, MismatchedViewsOrAMissingMixTableDrawNothing) {
    cMemorySurface a(2, 2, 1), b(2, 2, 2);
    EXPECT_FALSE(MosaicPixels(a.View(), 0, 0, 2, 2, 1, b.View(), 0, 0, 0, cPixelRules()));
    EXPECT_FALSE(RotatePixels(b.View(), 0, 0, 2, 2, 0, 0, 0.0, a.View(), 0, 0, 0, cPixelRules()));
    cMemorySurface c(2, 2, 1);
    EXPECT_FALSE(HalfPixels(a.View(), 0, 0, 2, 2, c.View(), 0, 0, 0, nullptr, cPixelRules()));
}

TEST(PixelEffects, BlurAtEightBitLogsItsOwnName) {
    cTempDir dir;
    cTestLog testLog;
    const int depth = Display().nBpp;
    Display().nBpp = 8;
    cSurface none;
    EXPECT_FALSE(DDBltBlur(none, 0, 0, 4, 4, 1, 1, none, 0, 0, 0));
    Display().nBpp = depth;
    EXPECT_EQ("8ビットぼかしは不可能！\r\n", dir.Read("log.txt"));
}

namespace {

class LockedEffects : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_Display.IsReady());
        Display().dwTransparent = kBlack;
        ASSERT_TRUE(DDCreateSurface(m_Dest, 8, 8, 0, kMemorySystem));
        ASSERT_TRUE(DDCreateSurface(m_Source, 4, 4, 0, kMemorySystem));
        FillWithMarkers(m_Source);
    }
    void TearDown() override {
        DDReleaseSurface(m_Dest);
        DDReleaseSurface(m_Source);
    }

    cWindowDisplay m_Display;
    cSurface m_Dest, m_Source;
};

}  // namespace

TEST_F(LockedEffects, EffectsDrawOnLockedSurfacesWithinTheirOwnSizes) {
    EXPECT_TRUE(DDBltMosaic(m_Dest, 6, 6, 4, 4, 1, m_Source, 0, 0, 0));
    EXPECT_EQ(Marker(1, 1), PixelAt(m_Dest, 7, 7));
    // Pivot (0, 0) at (4, 4), 180 degrees: the picture lies up and left of the pivot.
    EXPECT_TRUE(DDBltRotate(m_Dest, 4, 4, 4, 4, 0, 0, 180.0, m_Source, 0, 0, 1));
    EXPECT_EQ(Marker(0, 0), PixelAt(m_Dest, 4, 4));
    EXPECT_EQ(Marker(2, 1), PixelAt(m_Dest, 2, 3));
    // The display is 640 x 480, but the source is 4 x 4: a lens centred on its corner reads
    // nothing beyond it (radius 2, height 1: the pixel right of the centre would read column 4).
    EXPECT_TRUE(DDBltLens(m_Dest, 5, 1, 2, 1, m_Source, 3, 3));
    EXPECT_EQ(Marker(3, 3), PixelAt(m_Dest, 5, 1));
    EXPECT_EQ(Marker(3, 3), PixelAt(m_Dest, 4, 1));
    EXPECT_EQ(0u, PixelAt(m_Dest, 6, 1));
    EXPECT_TRUE(DDBltHalf(m_Dest, 0, 0, 1, 1, m_Source, 0, 0, 1, nullptr));
    EXPECT_EQ(Marker(0, 0), PixelAt(m_Dest, 0, 0)) << "a transparent destination takes the source";
    EXPECT_TRUE(DDBltBlur(m_Dest, 0, 7, 1, 1, 1, 1, m_Source, 2, 2, 0));
    EXPECT_EQ(Marker(2, 2), PixelAt(m_Dest, 0, 7));
    Display().Palette[3] = {0, 0, 0, 0};
    EXPECT_TRUE(DDBltTint(m_Dest, 7, 0, 1, 1, m_Source, 0, 0, 0, Display().Palette, 3, 8));
    EXPECT_EQ(0u, PixelAt(m_Dest, 7, 0) & 0xF800) << "eight halvings toward black leave no red";
    EXPECT_TRUE(DDBltFade(m_Dest, 256, 0, 0, 0, m_Source));
    EXPECT_EQ(Marker(3, 2), PixelAt(m_Dest, 3, 2));
}

TEST_F(LockedEffects, EffectOnASurfaceThatCannotBeLockedDoesNothing) {
    cSurface none;
    EXPECT_FALSE(DDBltMosaic(m_Dest, 0, 0, 2, 2, 1, none, 0, 0, 0));
    EXPECT_FALSE(DDBltRotate(none, 0, 0, 2, 2, 0, 0, 0.0, m_Source, 0, 0, 0));
    // The destination was unlocked again: it can be locked once more.
    EXPECT_EQ(0u, PixelAt(m_Dest, 0, 0));
}
