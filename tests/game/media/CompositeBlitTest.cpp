#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "game/media/Blit.h"
#include "game/media/CompositeBlit.h"
#include "tests/game/media/DisplayFixture.h"

namespace {

const int kDestSide = 32;
const uint32_t kBlank = 0;
const int kFrameIndex = 7;
const int kFaceBIndex = 9;

// A probe: the destination pixel and what it must hold afterwards.
struct cProbe {
    int x, y;
    enum { kSource, kBlankPixel, kFrame, kFaceB } what;
    int sx, sy;  // the source pixel for kSource
};

struct cCompositeCase {
    const char* name;
    std::function<void(cSurface& dest, cSurface& a, cSurface& b)> draw;
    std::vector<cProbe> probes;
};

class CompositeBlits : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_Display.IsReady());
        Display().Palette[kFrameIndex] = {31, 0, 0, 0};
        Display().Palette[kFaceBIndex] = {0, 0, 31, 0};
        ASSERT_TRUE(DDCreateSurface(m_Dest, kDestSide, kDestSide, 0, kMemorySystem));
        ASSERT_TRUE(DDCreateSurface(m_A, 16, 16, 0, kMemorySystem));
        ASSERT_TRUE(DDCreateSurface(m_B, 16, 16, 0, kMemorySystem));
        FillWithMarkers(m_A);
        DDFillRect(m_B, 0, 0, 16, 16, kFaceBIndex);
    }
    void TearDown() override {
        DDReleaseSurface(m_Dest);
        DDReleaseSurface(m_A);
        DDReleaseSurface(m_B);
    }
    void Run(const std::vector<cCompositeCase>& cases) {
        for (const cCompositeCase& c : cases) {
            DDFillRect(m_Dest, 0, 0, kDestSide, kDestSide, 0);
            c.draw(m_Dest, m_A, m_B);
            for (const cProbe& p : c.probes) {
                uint32_t expected = p.what == cProbe::kSource      ? Marker(p.sx, p.sy)
                                    : p.what == cProbe::kFrame     ? DDIndexToPixel(kFrameIndex)
                                    : p.what == cProbe::kFaceB     ? DDIndexToPixel(kFaceBIndex)
                                                                   : kBlank;
                EXPECT_EQ(expected, PixelAt(m_Dest, p.x, p.y)) << c.name << " at " << p.x << "," << p.y;
            }
        }
    }

    cWindowDisplay m_Display;
    cSurface m_Dest, m_A, m_B;
};

cProbe Src(int x, int y, int sx, int sy) { return {x, y, cProbe::kSource, sx, sy}; }
cProbe Blank(int x, int y) { return {x, y, cProbe::kBlankPixel, 0, 0}; }
cProbe Frame(int x, int y) { return {x, y, cProbe::kFrame, 0, 0}; }
cProbe FaceB(int x, int y) { return {x, y, cProbe::kFaceB, 0, 0}; }

}  // namespace

TEST_F(CompositeBlits, FramesAndNumbers) {
    Run({
        {"frame", [](cSurface& d, cSurface&, cSurface&) { DDFrameRect(d, 2, 2, 8, 6, 1, kFrameIndex); },
         {Frame(2, 2), Frame(9, 7), Frame(9, 4), Frame(5, 7), Blank(5, 4), Blank(10, 2)}},
        {"framed picture",
         [](cSurface& d, cSurface& a, cSurface&) { DDBltFramed(d, 4, 4, 3, 3, a, 2, kFrameIndex); },
         {Src(4, 4, 0, 0), Src(6, 6, 2, 2), Frame(2, 2), Frame(8, 8), Frame(3, 5), Blank(9, 9)}},
        // Digits are 2 x 1 glyphs side by side in the strip, starting at column 0 of row 1.
        {"number", [](cSurface& d, cSurface& a, cSurface&) { DDDrawNumber(d, 0, 0, 2, 1, a, 0, 1, 0, 305, 0, 0); },
         {Src(0, 0, 6, 1), Src(1, 0, 7, 1), Src(2, 0, 0, 1), Src(4, 0, 10, 1), Blank(6, 0)}},
        {"zero right-aligned in three",
         [](cSurface& d, cSurface& a, cSurface&) { DDDrawNumber(d, 0, 0, 2, 1, a, 0, 1, 0, 0, 3, 0); },
         {Blank(0, 0), Blank(2, 0), Src(4, 0, 0, 1), Blank(6, 0)}},
        {"zero centred in three",
         [](cSurface& d, cSurface& a, cSurface&) { DDDrawNumber(d, 0, 0, 2, 1, a, 0, 1, 0, 0, 3, 1); },
         {Blank(0, 0), Src(2, 0, 0, 1), Blank(4, 0)}},
        {"negative drawn as its value",
         [](cSurface& d, cSurface& a, cSurface&) { DDDrawNumber(d, 0, 0, 2, 1, a, 0, 1, 0, -7, 0, 0); },
         {Src(0, 0, 14, 1), Blank(2, 0)}},
    });
}

TEST_F(CompositeBlits, LineEffects) {
    Run({
        // Four columns, one period: offsets 2, 0, -2, 0 (sine of 90, 180, 270, 360 degrees).
        {"wave by columns",
         [](cSurface& d, cSurface& a, cSurface&) { DDBltWave(d, 4, 4, 4, 3, 1, 2.0, 0, a, 0, 0, 0, 1); },
         {Src(4, 6, 0, 0), Blank(4, 4), Src(5, 4, 1, 0), Src(6, 2, 2, 0), Src(7, 4, 3, 0), Blank(8, 4)}},
        {"wave by rows",
         [](cSurface& d, cSurface& a, cSurface&) { DDBltWave(d, 4, 4, 3, 4, 1, 2.0, 0, a, 0, 0, 0, 0); },
         {Src(6, 4, 0, 0), Blank(4, 4), Src(4, 5, 0, 1), Src(2, 6, 0, 2), Src(4, 7, 0, 3)}},
        {"interlace vertical strips",
         [](cSurface& d, cSurface& a, cSurface&) { DDBltInterlace(d, 4, 4, 7, 4, 2, 1, a, 0, 0, 0, 1); },
         {Src(4, 5, 0, 0), Blank(4, 4), Src(6, 3, 2, 0), Src(8, 5, 4, 0), Blank(10, 5)}},
        {"interlace horizontal strips",
         [](cSurface& d, cSurface& a, cSurface&) { DDBltInterlace(d, 4, 4, 4, 4, 2, 1, a, 0, 0, 0, 0); },
         {Src(5, 4, 0, 0), Src(3, 6, 0, 2), Blank(7, 6)}},
        {"interlace strips wider than the area",
         [](cSurface& d, cSurface& a, cSurface&) { DDBltInterlace(d, 4, 4, 4, 4, 5, 1, a, 0, 0, 0, 1); },
         {Blank(4, 5), Blank(4, 4), Blank(7, 3)}},
        {"interlace strip size 0",
         [](cSurface& d, cSurface& a, cSurface&) { DDBltInterlace(d, 4, 4, 4, 4, 0, 1, a, 0, 0, 0, 1); },
         {Src(4, 4, 0, 0), Src(7, 7, 3, 3)}},
    });
}

TEST_F(CompositeBlits, CardTurn) {
    Run({
        {"step 0 shows face A whole",
         [](cSurface& d, cSurface& a, cSurface& b) { DDBltFlip(d, 0, 0, 8, 2, a, 0, 0, b, 0, 0, 8, 2, 0, 0, 0); },
         {Src(0, 0, 0, 0), Src(7, 1, 7, 1)}},
        {"step u shows face B almost edge-on",
         [](cSurface& d, cSurface& a, cSurface& b) { DDBltFlip(d, 0, 0, 8, 2, a, 0, 0, b, 0, 0, 8, 2, 0, 4, 0); },
         {Blank(2, 0), FaceB(3, 0), FaceB(4, 1), Blank(5, 0)}},
        {"vertical axis",
         [](cSurface& d, cSurface& a, cSurface& b) { DDBltFlip(d, 0, 0, 2, 8, a, 0, 0, b, 0, 0, 2, 8, 0, 4, 1); },
         {Blank(0, 2), FaceB(0, 3), FaceB(1, 4), Blank(0, 5)}},
        {"step past the turn shows face B wider",
         [](cSurface& d, cSurface& a, cSurface& b) { DDBltFlip(d, 0, 0, 8, 2, a, 0, 0, b, 0, 0, 8, 2, 0, 6, 0); },
         {Blank(0, 0), FaceB(1, 0), FaceB(6, 0), Blank(7, 0)}},
    });
    EXPECT_EQ(1, DDBltFlip(m_Dest, 0, 0, 8, 2, m_A, 0, 0, m_B, 0, 0, 8, 2, 0, 0, 2));
    EXPECT_EQ(DD_OK, DDBltFlip(m_Dest, 0, 0, 1, 2, m_A, 0, 0, m_B, 0, 0, 8, 2, 0, 3, 0)) << "too narrow to turn";
}

TEST_F(CompositeBlits, CircleAndShatter) {
    Run({
        // Radius 3: rows -2 ... 2 hold 4 pixels at most; row 3 is empty and row -3 is not drawn.
        {"circle",
         [](cSurface& d, cSurface& a, cSurface&) { DDBltCircle(d, 8, 8, 100, 100, 3, a, 8, 8, 0); },
         {Src(6, 8, 6, 8), Src(9, 8, 9, 8), Blank(5, 8), Blank(10, 8), Src(8, 6, 8, 6), Blank(8, 5),
          Blank(8, 11), Src(7, 10, 7, 10)}},
        {"circle within half width 1 and half height 1",
         [](cSurface& d, cSurface& a, cSurface&) { DDBltCircle(d, 8, 8, 1, 1, 3, a, 8, 8, 0); },
         {Src(7, 8, 7, 8), Src(8, 7, 8, 7), Blank(6, 8), Blank(9, 8), Blank(8, 9)}},
        {"circle of radius 0", [](cSurface& d, cSurface& a, cSurface&) { DDBltCircle(d, 8, 8, 9, 9, 0, a, 8, 8, 0); },
         {Blank(8, 8)}},
        {"shatter at radius 0 is the whole square",
         [](cSurface& d, cSurface& a, cSurface&) { DDBltShatter(d, 8, 8, 8, 8, a, 0, 0, 0, 0); },
         {Src(8, 8, 0, 0), Src(15, 8, 7, 0), Src(9, 10, 1, 2), Src(14, 13, 6, 5), Src(8, 15, 0, 7),
          Src(15, 15, 7, 7), Src(11, 11, 3, 3), Src(12, 12, 4, 4)}},
        // Radius 3: each triangle moves by (3 cos a, -3 sin a), truncated.
        {"shatter at radius 3",
         [](cSurface& d, cSurface& a, cSurface&) { DDBltShatter(d, 8, 8, 8, 8, a, 0, 0, 3, 0); },
         {Src(7, 6, 0, 0), Src(16, 9, 6, 2), Src(13, 16, 4, 6), Src(6, 13, 0, 4), Src(7, 9, 1, 2), Src(6, 8, 0, 1)}},
        {"shatter lower than 2 rows",
         [](cSurface& d, cSurface& a, cSurface&) { DDBltShatter(d, 8, 8, 8, 1, a, 0, 0, 0, 0); },
         {Blank(8, 8), Blank(12, 8)}},
    });
}

TEST_F(CompositeBlits, ShatterMovesEachTriangleAlongItsOwnAngle) {
    // Radius 10 gives every one of the eight angles its own displacement (10 cos a, -10 sin a).
    struct {
        const char* piece;
        int sx, sy;  // a source pixel of the piece (side 8: half 4, rows 0-3 of each half)
        int angle;
    } pieces[] = {
        {"upper left outer", 0, 3, 150}, {"upper left inner", 3, 0, 120}, {"upper right inner", 4, 0, 60},
        {"upper right outer", 7, 3, 30}, {"lower left outer", 0, 4, 210}, {"lower left inner", 3, 7, 240},
        {"lower right inner", 4, 7, 300}, {"lower right outer", 7, 4, 330},
    };
    DDFillRect(m_Dest, 0, 0, kDestSide, kDestSide, 0);
    DDBltShatter(m_Dest, 12, 12, 8, 8, m_A, 0, 0, 10, 0);
    for (const auto& p : pieces) {
        double radians = p.angle * 3.14159265358979323846 / 180.0;
        int dx = static_cast<int>(10 * std::cos(radians)), dy = static_cast<int>(-10 * std::sin(radians));
        EXPECT_EQ(Marker(p.sx, p.sy), PixelAt(m_Dest, 12 + p.sx + dx, 12 + p.sy + dy)) << p.piece;
    }
}

TEST_F(CompositeBlits, CardTurnSwitchesFacesEachTimeItIsEdgeOn) {
    // Width 8 (u = 4): the card narrows over steps 0-3, shows face B from step 4 as it widens
    // and narrows again, and face A again from step 12.
    struct {
        int step;
        int inset;  // v: columns left blank on each side
        bool faceB;
    } steps[] = {{0, 0, false}, {1, 1, false}, {3, 3, false}, {4, 3, true},  {5, 2, true},  {7, 0, true},
                 {8, 0, true},  {11, 3, true}, {12, 3, false}, {13, 2, false}, {16, 0, false}};
    for (const auto& s : steps) {
        DDFillRect(m_Dest, 0, 0, kDestSide, kDestSide, 0);
        DDBltFlip(m_Dest, 0, 0, 8, 2, m_A, 0, 0, m_B, 0, 0, 8, 2, 0, s.step, 0);
        uint32_t inside = PixelAt(m_Dest, s.inset, 0);
        EXPECT_EQ(s.faceB ? DDIndexToPixel(kFaceBIndex) : Marker(0, 0), inside) << "step " << s.step;
        EXPECT_NE(kBlank, PixelAt(m_Dest, 7 - s.inset, 1)) << "step " << s.step;
        if (s.inset > 0) {
            EXPECT_EQ(kBlank, PixelAt(m_Dest, s.inset - 1, 0)) << "step " << s.step;
            EXPECT_EQ(kBlank, PixelAt(m_Dest, 8 - s.inset, 1)) << "step " << s.step;
        }
    }
}

TEST_F(CompositeBlits, KeyedStretchLeavesTheDestinationUnderTransparentPixels) {
    const uint32_t kKey = Marker(1, 1);
    const uint32_t saved = Display().dwTransparent;
    Display().dwTransparent = kKey;
    cSurface keyed;
    ASSERT_TRUE(DDCreateSurface(keyed, 4, 4, 1, kMemorySystem));
    FillWithMarkers(keyed);
    // Twice the size: source pixel (1, 1) covers destination (2 ... 3, 2 ... 3).
    for (DWORD mode : {1ul, 0ul}) {
        SCOPED_TRACE(mode);
        DDFillRect(m_Dest, 0, 0, kDestSide, kDestSide, kFrameIndex);
        ASSERT_EQ(DD_OK, DDStretchBlt(m_Dest, 0, 0, 8, 8, keyed, 0, 0, 4, 4, mode));
        EXPECT_EQ(Marker(0, 0), PixelAt(m_Dest, 1, 1));
        EXPECT_EQ(Marker(2, 1), PixelAt(m_Dest, 4, 3));
        EXPECT_EQ(Marker(3, 3), PixelAt(m_Dest, 7, 7));
        EXPECT_EQ(mode == 1 ? DDIndexToPixel(kFrameIndex) : kKey, PixelAt(m_Dest, 2, 2));
        EXPECT_EQ(mode == 1 ? DDIndexToPixel(kFrameIndex) : kKey, PixelAt(m_Dest, 3, 3));
    }
    DDReleaseSurface(keyed);
    Display().dwTransparent = saved;
}
