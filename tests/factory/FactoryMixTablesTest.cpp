// The factory colour-mix tables load with the game's loader under the names it forms, and each
// one fits its colour variation as the game builds it: rotations by the game's own palette
// rotation (user colours moving up), copies of one ramp from variation 12 on. An entry must be
// a colour nearest the halfway colour of its pair among the line and user colours.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "framework/Dib.h"
#include "game/media/Display.h"
#include "game/media/Fade.h"
#include "tests/factory/ProjectFolder.h"

namespace {

std::vector<PALETTEENTRY> Variation(const PALETTEENTRY* base, int n) {
    std::vector<PALETTEENTRY> out(kPaletteSize);
    if (n < 12) {
        DDRotatePalette(out.data(), 16, 207, 16 * n, 0, base);
    } else {
        std::copy(base, base + kPaletteSize, out.begin());
        for (int i = 16; i <= 207; ++i) out[i] = base[16 * (n - 11) + i % 16];
    }
    return out;
}

int Distance2(const PALETTEENTRY& c, int r2, int g2, int b2) {
    int dr = 2 * c.peRed - r2, dg = 2 * c.peGreen - g2, db = 2 * c.peBlue - b2;
    return dr * dr + dg * dg + db * db;
}

}  // namespace

TEST(FactoryMixTables, EachTableHoldsNearestHalfwayColoursOfItsVariation) {
    ASSERT_TRUE(EnterProjectFolder()) << ProjectFolder();
    ASSERT_EQ(1, LoadPalette("bmp\\plt\\Palette.bmp"));
    PALETTEENTRY base[kPaletteSize];
    for (int i = 0; i < kPaletteSize; ++i) {
        const RGBQUAD& q = GetProjectPalette()[i];
        base[i] = {q.rgbRed, q.rgbGreen, q.rgbBlue, 0};
    }
    std::vector<uint8_t> table(kMixTableSize);
    for (int n = 0; n < 24; ++n) {
        SCOPED_TRACE(n);
        ASSERT_TRUE(DDLoadMixTable(table.data(), DDMixTableName(n).c_str()));
        std::vector<PALETTEENTRY> pal = Variation(base, n);
        for (int a = 0; a < kPaletteSize; a += 3) {
            EXPECT_EQ(a, table[a * 256 + a]);
            for (int b = a + 1; b < kPaletteSize; b += 7) {
                int r2 = pal[a].peRed + pal[b].peRed, g2 = pal[a].peGreen + pal[b].peGreen,
                    b2 = pal[a].peBlue + pal[b].peBlue;
                int best = INT_MAX;
                for (int c = 10; c <= 207; ++c) best = std::min(best, Distance2(pal[c], r2, g2, b2));
                int got = table[a * 256 + b];
                ASSERT_TRUE(got >= 10 && got <= 207) << a << "," << b;
                ASSERT_EQ(best, Distance2(pal[got], r2, g2, b2)) << a << "," << b;
            }
        }
    }
}
