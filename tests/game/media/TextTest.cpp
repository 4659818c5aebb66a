#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/media/Blit.h"
#include "game/media/CompositeBlit.h"
#include "game/media/Display.h"
#include "game/media/Font.h"
#include "game/media/PictureTable.h"
#include "game/media/TextStyle.h"
#include "tests/game/media/DisplayFixture.h"

namespace {

const int kFramePicture = 45;
const int kGlyphPicture = 48;
const uint32_t kTransparent = 0x0001;  // no marker has this value
const PALETTEENTRY kWhite = {31, 63, 31, 0};
const PALETTEENTRY kRedEntry = {31, 0, 0, 0};
const PALETTEENTRY kBlueEntry = {0, 0, 31, 0};

// The bounding box of the pixels that are not 0 inside [x0, x1) x [y0, y1); empty when none.
struct cInk {
    int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom excluded
    int count = 0;
};

cInk InkIn(cSurface& surface, int x0, int y0, int x1, int y1) {
    cInk ink;
    cLockedView locked(surface);
    if (!locked.IsLocked()) {
        ADD_FAILURE() << "surface not locked";
        return ink;
    }
    const cPixelView& v = locked.View();
    for (int y = y0; y < y1 && y < v.nHeight; ++y)
        for (int x = x0; x < x1 && x < v.nWidth; ++x) {
            if (v.Get(x, y) == 0) continue;
            if (ink.count++ == 0) {
                ink.left = x, ink.top = y, ink.right = x + 1, ink.bottom = y + 1;
                continue;
            }
            ink.left = std::min(ink.left, x);
            ink.top = std::min(ink.top, y);
            ink.right = std::max(ink.right, x + 1);
            ink.bottom = std::max(ink.bottom, y + 1);
        }
    return ink;
}

// True when the two w x h areas hold the same pixels.
bool SameArea(cSurface& surface, int ax, int ay, int bx, int by, int w, int h) {
    cLockedView locked(surface);
    const cPixelView& v = locked.View();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (v.Get(ax + x, ay + y) != v.Get(bx + x, by + y)) return false;
    return true;
}

bool HasPixel(cSurface& surface, uint32_t value) {
    cLockedView locked(surface);
    const cPixelView& v = locked.View();
    for (int y = 0; y < v.nHeight; ++y)
        for (int x = 0; x < v.nWidth; ++x)
            if (v.Get(x, y) == value) return true;
    return false;
}

// The display with the game's surface table: the frame picture (markers) and the symbol glyphs
// (markers in 26 cells of 16 x 16, the cell of 'c' transparent).
class Text : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_Display.IsReady());
        Display().Palette[241] = kWhite;
        Display().Palette[242] = kRedEntry;
        Display().Palette[240] = kBlueEntry;
        Display().dwTransparent = kTransparent;
        ASSERT_TRUE(DDCreateSurface(m_Table[kFramePicture], 640, 480, 0, kMemorySystem));
        FillWithMarkers(m_Table[kFramePicture]);
        ASSERT_TRUE(DDCreateSurface(m_Table[kGlyphPicture], 26 * 16, 16, 1, kMemorySystem));
        FillWithMarkers(m_Table[kGlyphPicture]);
        DDFillRect(m_Table[kGlyphPicture], 32, 0, 16, 16, 0);
        SetCellTransparent(2);
        ASSERT_TRUE(DDCreateSurface(m_Dest, 640, 480, 0, kMemorySystem));
        CreateFonts(m_Fonts, TextStyleTable, kTextStyleCount, true);
    }
    void TearDown() override {
        for (cSurface& s : m_Strips) DDReleaseSurface(s);
        DDReleaseSurface(m_Dest);
        DDReleaseSurfaceArray(m_Table, kPictureTableRows);
    }
    void SetCellTransparent(int cell) {
        cLockedView locked(m_Table[kGlyphPicture]);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) locked.View().Set(cell * 16 + x, y, kTransparent);
    }
    void Clear() { DDFillRect(m_Dest, 0, 0, 640, 480, 0); }

    cSurface m_Table[kPictureTableRows];
    cWindowDisplay m_Display{640, 480, m_Table, PictureTable, kPictureTableRows};
    cSurface m_Dest;
    cFont m_Fonts[kTextStyleCount];
    cSurface m_Strips[kTextStyleCount];
};

}  // namespace

TEST(CountChars, CountsCellsOfCp932Text) {
    struct {
        const char* text;
        int cells;
    } cases[] = {
        {"", 0},          {"abc", 3},
        {"漢字", 2},      {"a\nb", 2},
        {"漢\n", 1},      {"ｱｲ", 2},  // half-width katakana: one byte each
        {"\x8a", 1},      // a lead byte at the end stands alone
        {"\x8a\n", 1},    // a line break is no trail byte
        {"\x8a\x20", 2},  // nor is a space
        {"全角ａ", 3},
    };
    for (const auto& c : cases) EXPECT_EQ(c.cells, CountChars(c.text)) << c.text;
}

TEST_F(Text, EachStyleWritesEveryCharacterInItsMeasuredCell) {
    const char* text = "漢字\nA";
    for (int i = 0; i < kTextStyleCount; ++i) {
        const cTextStyle& s = TextStyleTable[i];
        SIZE size = m_Fonts[i].MeasureText(text);
        EXPECT_EQ(2 * s.nPitch, size.cx) << "style " << i;
        EXPECT_EQ(2 * s.nLineHeight, size.cy) << "style " << i;

        Clear();
        const int x = 40, y = 30;
        m_Fonts[i].DrawText(m_Dest, x, y, text, 0);
        cInk all = InkIn(m_Dest, 0, 0, 640, 480);
        ASSERT_GT(all.count, 0) << "style " << i;
        EXPECT_GE(all.left, x) << "style " << i;
        EXPECT_GE(all.top, y) << "style " << i;
        EXPECT_LE(all.right, x + size.cx) << "style " << i;
        EXPECT_LE(all.bottom, y + size.cy) << "style " << i;
        int p = s.nPitch, h = s.nLineHeight;
        struct {
            int column, row;
        } cells[] = {{0, 0}, {1, 0}, {0, 1}};
        for (const auto& c : cells)
            EXPECT_GT(InkIn(m_Dest, x + c.column * p, y + c.row * h, x + (c.column + 1) * p, y + (c.row + 1) * h).count,
                      0)
                << "style " << i << " cell " << c.column << "," << c.row;
        // Real Japanese glyphs, not one stand-in box for both.
        EXPECT_FALSE(SameArea(m_Dest, x, y, x + p, y, p, h)) << "style " << i;
        // A half-width character starts a quarter cell in.
        EXPECT_GE(InkIn(m_Dest, x, y + h, x + p, y + 2 * h).left, x + p / 4) << "style " << i;
        EXPECT_EQ(0, InkIn(m_Dest, x + p, y + h, x + 2 * p, y + 2 * h).count) << "style " << i;
        // The text colour comes from the palette.
        EXPECT_TRUE(HasPixel(m_Dest, DDPaletteToPixel(Display().Palette[s.nColorIndex]))) << "style " << i;
    }
    EXPECT_EQ(RGB(255, 0, 0), m_Fonts[2].Color());
}

TEST_F(Text, ProportionalTextIsMeasuredAsGdiWritesIt) {
    cFont font;
    ASSERT_NE(nullptr, font.Create(0, 15, 0, 16, 241, &m_Table[kFramePicture], 1, 240, nullptr));
    SIZE ab = font.MeasureText("ab");
    EXPECT_GT(ab.cx, 0);
    EXPECT_EQ(16, ab.cy);
    struct {
        const char* text;
        int height;
    } cases[] = {{"ab\n", 16 + kEmptyLineHeight}, {"a\n\nb", 2 * 16 + kEmptyLineHeight}, {"", kEmptyLineHeight},
                 {"漢字\nab", 32}};
    for (const auto& c : cases) EXPECT_EQ(c.height, font.MeasureText(c.text).cy) << c.text;
    EXPECT_EQ(ab.cx, font.MeasureText("a\nab\n").cx);

    Clear();
    font.DrawText(m_Dest, 10, 10, "ab\n\nab", 0);
    cInk first = InkIn(m_Dest, 0, 10, 640, 26);
    EXPECT_GE(first.left, 10);
    EXPECT_LE(first.right, 10 + ab.cx);
    EXPECT_EQ(0, InkIn(m_Dest, 0, 26, 640, 42).count);  // the empty line
    EXPECT_GT(InkIn(m_Dest, 0, 42, 640, 58).count, 0);

    // With a pitch an empty line measures nothing.
    EXPECT_EQ(16, m_Fonts[1].MeasureText("ab\n").cy);
    EXPECT_EQ(0, m_Fonts[1].MeasureText("").cy);
    EXPECT_EQ(32, m_Fonts[1].MeasureText("a\n\nb").cy);
}

TEST_F(Text, GlyphsStandInForLowerCaseLetters) {
    cFont& font = m_Fonts[1];  // pitch 16, line height 16
    Clear();
    font.DrawText(m_Dest, 4, 4, "ab\nc", 0);
    for (int dy = 0; dy < 16; ++dy)
        for (int dx = 0; dx < 16; ++dx) {
            ASSERT_EQ(Marker(dx, dy), PixelAt(m_Dest, 4 + dx, 4 + dy));
            ASSERT_EQ(Marker(16 + dx, dy), PixelAt(m_Dest, 20 + dx, 4 + dy));
        }
    // The glyph of 'c' is all transparent: nothing, not even GDI's letter, shows there.
    EXPECT_EQ(0, InkIn(m_Dest, 4, 20, 20, 36).count);
    EXPECT_EQ(2 * 16 * 16, InkIn(m_Dest, 0, 0, 640, 480).count);

    // Asked not to use them, the letters are written by GDI and no glyph is drawn.
    Clear();
    font.DrawText(m_Dest, 4, 4, "c", 1);
    EXPECT_GT(InkIn(m_Dest, 4, 4, 20, 20).count, 0);
    EXPECT_FALSE(HasPixel(m_Dest, Marker(32, 0)));

    // Double-byte characters and capitals stay GDI's among glyphs.
    Clear();
    font.DrawText(m_Dest, 0, 0, "漢aA", 0);
    EXPECT_GT(InkIn(m_Dest, 0, 0, 16, 16).count, 0);
    EXPECT_EQ(Marker(0, 0), PixelAt(m_Dest, 16, 0));
    EXPECT_GT(InkIn(m_Dest, 32, 0, 48, 16).count, 0);
    EXPECT_FALSE(HasPixel(m_Dest, Marker(0, 0) + 26 * 16));
}

TEST_F(Text, FormattedTextIsCutAtTheFormatLimit) {
    // One-pixel cells: after 2559 full-width spaces (5118 bytes, no ink) 'a' is byte 5119, the
    // last one kept, and its glyph column lands at x 10; 'b' would land at 11.
    cFont font;
    font.Create(0, 15, 1, 16, 241, nullptr, 0, 0, &m_Table[kGlyphPicture]);
    std::string spaces;
    for (int i = 0; i < 2559; ++i) spaces += "　";
    Clear();
    font.Printf(m_Dest, 10 - 2559, 0, "%s%s", spaces.c_str(), "ab");
    EXPECT_EQ(Marker(0, 0), PixelAt(m_Dest, 10, 0));
    EXPECT_EQ(0u, PixelAt(m_Dest, 11, 0));
    EXPECT_EQ(16, InkIn(m_Dest, 0, 0, 640, 480).count);
    // Far past the limit nothing is written beyond it either.
    Clear();
    font.Printf(m_Dest, 10 - 5118, 0, "%s", std::string(100000, 'a').c_str());
    EXPECT_EQ(Marker(0, 0), PixelAt(m_Dest, 10, 0));
    EXPECT_EQ(0u, PixelAt(m_Dest, 11, 0));
}

TEST_F(Text, BoxesAreSizedToTheirTextAndCentredOnTheFramePicture) {
    cFont& font = m_Fonts[1];
    Clear();
    font.DrawFrame(m_Dest, kCentreBox, 10, 200, 40);
    EXPECT_EQ(Marker(0, 0), PixelAt(m_Dest, 220, 10));
    EXPECT_EQ(DDIndexToPixel(240), PixelAt(m_Dest, 219, 9));
    EXPECT_EQ(DDIndexToPixel(240), PixelAt(m_Dest, 420, 50));
    EXPECT_EQ(0u, PixelAt(m_Dest, 218, 9));

    Clear();
    font.DrawFrame(m_Dest, 5, kCentreBox, 20, 40);
    EXPECT_EQ(Marker(0, 0), PixelAt(m_Dest, 5, 220));

    // Sized to the text: 8 of indent and three cells of 16 wide, two lines high.
    Clear();
    font.PrintBox(m_Dest, 100, 100, 0, 0, "漢字\nabc", 8);
    EXPECT_EQ(DDIndexToPixel(240), PixelAt(m_Dest, 99, 99));
    EXPECT_EQ(DDIndexToPixel(240), PixelAt(m_Dest, 100 + 56, 100 + 32));
    EXPECT_EQ(0u, PixelAt(m_Dest, 100 + 57, 100 + 33));
    // The glyphs of the second line start at the indent.
    EXPECT_EQ(Marker(0, 0), PixelAt(m_Dest, 108, 116));

    Clear();
    font.PrintfBox(m_Dest, kCentreBox, kCentreBox, 0, 0, "%d", 123);
    // 48 x 16 centred on 640 x 480: (296, 232).
    EXPECT_EQ(DDIndexToPixel(240), PixelAt(m_Dest, 295, 231));
    EXPECT_EQ(DDIndexToPixel(240), PixelAt(m_Dest, 296 + 48, 232 + 16));
}

TEST_F(Text, DigitStripsHoldTheTenDigitsOfEachStyle) {
    ASSERT_EQ(1, CreateDigitStrips(m_Strips, DigitStripTable, kTextStyleCount, m_Fonts, TextStyleTable));
    for (int i = 0; i < kTextStyleCount; ++i) {
        const cTextStyle& s = TextStyleTable[i];
        ASSERT_NE(nullptr, m_Strips[i].lpSurface) << "style " << i;
        EXPECT_EQ(10 * s.nPitch, m_Strips[i].nWidth) << "style " << i;
        EXPECT_EQ(s.nLineHeight, m_Strips[i].nHeight) << "style " << i;
        DDCOLORKEY key = {};
        EXPECT_HRESULT_SUCCEEDED(m_Strips[i].lpSurface->GetColorKey(DDCKEY_SRCBLT, &key)) << "style " << i;
        for (int digit = 0; digit < 10; ++digit)
            EXPECT_GT(InkIn(m_Strips[i], digit * s.nPitch, 0, (digit + 1) * s.nPitch, s.nLineHeight).count, 0)
                << "style " << i << " digit " << digit;
    }
    // Numbers are drawn from the strip cell by cell.
    Clear();
    DDDrawNumber(m_Dest, 0, 0, 16, 16, m_Strips[1], 0, 0, 0, 40, 0, 0);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            ASSERT_EQ(PixelAt(m_Strips[1], 64 + x, y), PixelAt(m_Dest, x, y));
            ASSERT_EQ(PixelAt(m_Strips[1], x, y), PixelAt(m_Dest, 16 + x, y));
        }
}
