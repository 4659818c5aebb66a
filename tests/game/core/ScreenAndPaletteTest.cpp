#include <gtest/gtest.h>

#include "game/core/GameInit.h"
#include "game/core/GameLoop.h"
#include "game/core/OptionData.h"
#include "tests/support/TempDir.h"

namespace {

TEST(ScreenMode, SystemIniAndDesktopDepthChooseTheMode) {
    struct {
        const char* name;
        int windowMode, bpp, vsync, desktop;
        bool ok;
        int chosenBpp, chosenVSync;
    } cases[] = {
        {"full screen chooses 8", 0, 0, 0, 32, true, 8, 0},
        {"full screen 16", 0, 16, 1, 32, true, 16, 1},
        {"full screen 24 refused", 0, 24, 0, 16, false, 24, 0},
        {"window takes the 16-bit desktop and forces v-sync", 1, 0, 0, 16, true, 16, 1},
        {"window on a 32-bit desktop refused", 1, 0, 0, 32, false, 32, 1},
        {"window at 16 on a 32-bit desktop refused", 1, 16, 0, 32, false, 16, 1},
        {"window at 8 refused", 1, 8, 0, 16, false, 8, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cSystemIni ini;
        ini.WindowMode = c.windowMode;
        ini.Bpp = c.bpp;
        ini.VSync = c.vsync;
        EXPECT_EQ(c.ok, ChooseScreenMode(ini, c.desktop));
        EXPECT_EQ(c.chosenBpp, ini.Bpp);
        EXPECT_EQ(c.chosenVSync, ini.VSync);
    }
}

// Entry i holds (i, 255 - i, i / 2): every entry tells where it came from.
void MakeBase(PALETTEENTRY* base) {
    for (int i = 0; i < 256; ++i)
        base[i] = {static_cast<BYTE>(i), static_cast<BYTE>(255 - i), static_cast<BYTE>(i / 2), PC_RESERVED};
}

TEST(PaletteVariant, VariationsRotateOrCopyTheColourBlocks) {
    PALETTEENTRY base[256];
    MakeBase(base);
    // For each variation: which base entry entry i (16-207) shows.
    struct {
        int n;
        int (*source)(int i);
    } cases[] = {
        {0, [](int i) { return i; }},
        {5, [](int i) { return 16 + ((i - 16) - 5 * 16 + 192) % 192; }},
        {12, [](int i) { return 16 + (i % 16); }},
        {23, [](int i) { return 192 + (i % 16); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.n);
        PALETTEENTRY out[256];
        MakePaletteVariant(out, base, c.n);
        for (int i = 0; i < 256; ++i) {
            int from = (i >= 16 && i <= 207) ? c.source(i) : i;
            ASSERT_EQ(base[from].peRed, out[i].peRed) << "entry " << i;
            ASSERT_EQ(base[from].peGreen, out[i].peGreen) << "entry " << i;
        }
    }
}

TEST(FrameTimes, AverageChangesOnEverySixteenthFrame) {
    cFrameTimeRing ring;
    for (int i = 0; i < 15; ++i) {
        ring.Add(20);
        EXPECT_EQ(0u, ring.Average());
    }
    ring.Add(36);
    EXPECT_EQ(0, ring.Position());
    EXPECT_EQ((15u * 20 + 36) / 16, ring.Average());
    for (int i = 0; i < 15; ++i) ring.Add(10);
    EXPECT_EQ((15u * 20 + 36) / 16, ring.Average());
    ring.Add(10);
    EXPECT_EQ(10u, ring.Average());
}

TEST(OptionData, DefaultsAndTheFileLayout) {
    cOptionData options;
    EXPECT_EQ(0, options.m_PaletteVariant);
    EXPECT_EQ(1, options.m_Music);
    EXPECT_EQ(7, options.m_SeVolume);
    EXPECT_EQ(0, options.m_RankEntryMode);
    EXPECT_EQ("aaa", options.m_RankName);

    cTempDir dir;
    EXPECT_FALSE(options.LoadFile("user_data\\Option.dat"));
    EXPECT_EQ("aaa", options.m_RankName);
    // version, four members, one string
    std::string bytes("\x93\0\0\0\x04\0\0\0\x05\0\0\0\0\0\0\0\x0a\0\0\0\x03\0\0\0\x01\0\0\0\x04\0\0\0bob\0", 36);
    dir.Write("Option.dat", bytes);
    ASSERT_TRUE(options.LoadFile("Option.dat"));
    EXPECT_EQ(5, options.m_PaletteVariant);
    EXPECT_EQ(0, options.m_Music);
    EXPECT_EQ(10, options.m_SeVolume);
    EXPECT_EQ(3, options.m_RankEntryMode);
    EXPECT_EQ("bob", options.m_RankName);
    ASSERT_TRUE(options.SaveFile("Again.dat"));
    EXPECT_EQ(bytes, dir.Read("Again.dat"));

    EXPECT_EQ(-10000, SeVolumeOf(0));
    EXPECT_EQ(-150, SeVolumeOf(7));
    EXPECT_EQ(0, SeVolumeOf(10));
    EXPECT_EQ(0, SeVolumeOf(99));
    EXPECT_EQ(-10000, SeVolumeOf(-3));
}

}  // namespace
