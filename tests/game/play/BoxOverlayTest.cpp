#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "data/Stage.h"
#include "game/media/Blit.h"
#include "game/media/Display.h"
#include "game/play/BoxOverlay.h"
#include "game/play/PlayPaint.h"
#include "game/play/PlayScene.h"
#include "tests/game/media/DisplayFixture.h"
#include "tests/game/play/PlayFixture.h"
#include "tests/game/play/PlayStateFixture.h"

namespace {

const int kOverlayBackground = 5;

bool SameRgb(const cRgb& a, const cRgb& b) { return a.r == b.r && a.g == b.g && a.b == b.b; }

// Mix table of the 8-bit cases: entry [a + b * 256] = (3a + b) mod 256, so the order shows.
const uint8_t* TestMixTable() {
    static uint8_t table[256 * 256];
    for (int a = 0; a < 256; ++a)
        for (int b = 0; b < 256; ++b) table[a + b * 256] = static_cast<uint8_t>(3 * a + b);
    return table;
}

uint32_t Pixel565(int r, int g, int b) { return static_cast<uint32_t>(r << 11 | g << 5 | b); }

// A stage whose player's three boxes have the sizes (enemies, items, shots), each shown in its
// style and colour.
cEdStage OverlayStage(const int sizes[3][2], const int shown[3], const int colours[3]) {
    cEdStage stage;
    stage.SetSize(40, 20);
    stage.m_BackLayers[0].m_Color = kOverlayBackground;
    for (int k = 0; k < 3; ++k) {
        stage.m_HitAreas[k].width = sizes[k][0];
        stage.m_HitAreas[k].height = sizes[k][1];
        stage.m_HitDisplay[k] = shown[k];
        stage.m_HitColor[k] = colours[k];
    }
    cEdChara player;
    player.m_Graphic = 1;
    player.m_Control = 0;
    player.m_FaceRight = 1;
    stage.PutCharaAt(8, 8, player);
    return stage;
}

std::vector<int32_t> Kinds(const std::vector<cBoxOverlay>& overlays) {
    std::vector<int32_t> kinds;
    for (const cBoxOverlay& overlay : overlays) kinds.push_back(overlay.box);
    return kinds;
}

}  // namespace

TEST(BoxOverlays, ColoursAndTheRainbowByTheBlinkCounter) {
    const struct {
        int32_t colour, blink;
        cRgb rgb;
    } cases[] = {
        {eOverlayRed, 31, {255, 0, 0}},     {eOverlayGreen, 0, {0, 255, 0}},   {eOverlayBlue, 9, {0, 0, 255}},
        {eOverlayYellow, 0, {255, 255, 0}}, {eOverlayMagenta, 0, {255, 0, 255}}, {eOverlayViolet, 0, {128, 0, 255}},
        {eOverlayBlack, 20, {0, 0, 0}},
        // The rainbow moves on every 8 counts.
        {eOverlayRainbow, 0, {255, 0, 0}},  {eOverlayRainbow, 7, {255, 0, 0}}, {eOverlayRainbow, 8, {255, 255, 0}},
        {eOverlayRainbow, 16, {0, 255, 0}}, {eOverlayRainbow, 31, {0, 0, 255}},
        // Rows the list does not have are red; a damaged counter still picks a rainbow colour.
        {8, 0, {255, 0, 0}},                {-1, 0, {255, 0, 0}},              {eOverlayRainbow, 40, {255, 255, 0}},
    };
    for (const auto& c : cases) {
        const cRgb rgb = OverlayRgb(c.colour, c.blink);
        EXPECT_TRUE(SameRgb(c.rgb, rgb)) << c.colour << " at " << c.blink << ": " << rgb.r << "," << rgb.g << "," << rgb.b;
    }
}

// At depth 16 the colour itself; at depth 8 the nearest palette entry, never the transparent 0
// even when it is the exact colour.
TEST(BoxOverlays, ColoursBecomePixelsOfTheDepth) {
    PALETTEENTRY palette[kPaletteSize] = {};
    for (int i = 0; i < kPaletteSize; ++i) palette[i] = {128, 128, 128, 0};
    palette[0] = {255, 0, 0, 0};
    palette[5] = {200, 10, 0, 0};
    palette[9] = {0, 255, 0, 0};
    palette[10] = {0, 255, 0, 0};  // a later equal one does not win
    const struct {
        cRgb rgb;
        int bytes;
        uint32_t pixel;
    } cases[] = {
        {{255, 0, 0}, 2, Pixel565(31, 0, 0)}, {{128, 0, 255}, 2, Pixel565(16, 0, 31)}, {{0, 0, 0}, 2, 0},
        {{255, 0, 0}, 1, 5},                  {{0, 255, 0}, 1, 9},                      {{100, 120, 140}, 1, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.pixel, OverlayPixel(c.rgb, c.bytes, Rgb565(), palette)) << c.rgb.r << "," << c.rgb.g << "," << c.rgb.b
                                                                            << " at " << c.bytes;
}

// Filled boxes lie half over what is there, outlines are one solid dot wide; both are cut at the
// view's edges, and a style the list does not have, or a fill at depth 8 without a mix table,
// draws nothing.
TEST(BoxOverlays, StylesAtBothDepths) {
    for (int bytes : {1, 2}) {
        SCOPED_TRACE(bytes);
        const uint32_t under = bytes == 1 ? 7 : Pixel565(10, 20, 30);
        const uint32_t colour = bytes == 1 ? 40 : Pixel565(31, 0, 0);
        const uint32_t half = bytes == 1 ? (3 * 40 + 7) & 255 : Pixel565((10 + 31) / 2, 20 / 2, 30 / 2);
        cPixelRules rules;
        rules.Format = Rgb565();
        rules.lpMixTable = TestMixTable();
        cPixelRules noMix = rules;
        noMix.lpMixTable = nullptr;
        const struct {
            const char* name;
            int x, y, w, h, style;
            const cPixelRules* rules;
            std::vector<std::vector<int>> probes;  // x, y and 0 untouched, 1 colour, 2 half
        } cases[] = {
            {"filled", 2, 1, 4, 3, eOverlayFilled, &rules, {{2, 1, 2}, {5, 3, 2}, {3, 2, 2}, {6, 1, 0}, {2, 4, 0}, {1, 1, 0}}},
            {"outline", 2, 1, 4, 3, eOverlayOutline, &rules, {{2, 1, 1}, {5, 1, 1}, {2, 3, 1}, {5, 3, 1}, {3, 2, 0}, {4, 2, 0}, {6, 2, 0}}},
            // The left and top edges lie off the view: the first column and row are inside.
            {"outline cut at the corner", -1, -1, 4, 4, eOverlayOutline, &rules, {{0, 0, 0}, {1, 1, 0}, {2, 0, 1}, {0, 2, 1}, {2, 2, 1}}},
            {"filled past the far corner", 6, 4, 9, 9, eOverlayFilled, &rules, {{7, 5, 2}, {6, 4, 2}, {5, 4, 0}}},
            {"unknown style", 0, 0, 8, 6, 3, &rules, {{0, 0, 0}, {3, 3, 0}}},
            {"hidden", 0, 0, 8, 6, eOverlayHidden, &rules, {{0, 0, 0}, {3, 3, 0}}},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            cMemorySurface surface(8, 6, bytes);
            const cPixelView& view = surface.View();
            for (int y = 0; y < 6; ++y)
                for (int x = 0; x < 8; ++x) view.Set(x, y, under);
            BoxOverlayPixels(view, c.x, c.y, c.w, c.h, c.style, colour, *c.rules);
            for (const auto& p : c.probes)
                EXPECT_EQ(p[2] == 0 ? under : p[2] == 1 ? colour : half, view.Get(p[0], p[1])) << p[0] << ", " << p[1];
        }
        if (bytes == 1) {
            cMemorySurface surface(8, 6, 1);
            surface.View().Set(3, 3, under);
            BoxOverlayPixels(surface.View(), 0, 0, 8, 6, eOverlayFilled, colour, noMix);
            EXPECT_EQ(under, surface.View().Get(3, 3));
        }
    }
}

// Every shown overlay counts 0 to 31 and starts again; a hidden one does not count.
TEST(BoxOverlays, BlinkCountersWrapPast31) {
    std::vector<cBoxOverlay> overlays(3);
    overlays[0].shown = eOverlayFilled;
    overlays[1].shown = eOverlayOutline;
    overlays[1].blink = 30;
    overlays[2].shown = eOverlayHidden;
    const struct {
        int steps;
        int32_t first, second;
    } marks[] = {{1, 1, 31}, {1, 2, 0}, {29, 31, 29}, {1, 0, 30}, {1, 1, 31}, {1, 2, 0}};
    for (const auto& m : marks) {
        for (int i = 0; i < m.steps; ++i) StepBoxOverlays(overlays);
        EXPECT_EQ(m.first, overlays[0].blink);
        EXPECT_EQ(m.second, overlays[1].blink);
        EXPECT_EQ(0, overlays[2].blink);
    }
}

class BoxOverlayScene : public PlayStateFixture {
protected:
    BoxOverlayScene() { std::copy(Display().Palette, Display().Palette + kPaletteSize, m_SavedPalette); }
    ~BoxOverlayScene() override {
        DDReleaseSurface(m_Dest);
        std::copy(m_SavedPalette, m_SavedPalette + kPaletteSize, Display().Palette);
    }
    void SetUp() override {
        ASSERT_TRUE(m_Display.IsReady());
        SetTestPalette();
        ASSERT_TRUE(DDCreateSurface(m_Dest, 640, 480, 0, kMemorySystem));
    }

    cWindowDisplay m_Display;
    cSurface m_Dest;
    cPlayScene m_Scene;
    PALETTEENTRY m_SavedPalette[kPaletteSize];
};

// The overlays are built at set-up for the boxes items, enemies, shots and sorted larger first;
// equal areas keep that order.
TEST_F(BoxOverlayScene, LargerBoxesComeFirst) {
    const int shown[3] = {1, 1, 1}, colours[3] = {0, 0, 0};
    const struct {
        const char* name;
        int sizes[3][2];  // enemies, items, shots
        std::vector<int32_t> kinds;
    } cases[] = {
        {"all equal", {{16, 16}, {16, 16}, {16, 16}}, {eOverlayItemBox, eOverlayEnemyBox, eOverlayShotBox}},
        {"shots largest", {{16, 16}, {8, 8}, {20, 20}}, {eOverlayShotBox, eOverlayEnemyBox, eOverlayItemBox}},
        {"by area, not width", {{30, 2}, {8, 8}, {7, 9}}, {eOverlayItemBox, eOverlayShotBox, eOverlayEnemyBox}},
        {"enemies equal to shots", {{10, 10}, {4, 4}, {10, 10}}, {eOverlayEnemyBox, eOverlayShotBox, eOverlayItemBox}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ProjectStage() = OverlayStage(c.sizes, shown, colours);
        cPlayScene scene;
        ASSERT_TRUE(scene.SetStage(ProjectStage()));
        ASSERT_FALSE(scene.m_Players.empty());
        EXPECT_EQ(c.kinds, Kinds(scene.m_Players[0].m_BoxOverlays));
    }
}

// In play the boxes lie over the hero where play tests them: the largest first, the smaller ones
// over it; the counters move on with the drawn frames, and a dead hero shows none.
TEST_F(BoxOverlayScene, TheHerosBoxesShowOverTheStage) {
    const int sizes[3][2] = {{12, 20}, {24, 24}, {6, 6}};  // enemies, items, shots
    const int shown[3] = {eOverlayFilled, eOverlayOutline, eOverlayOutline};
    const int colours[3] = {eOverlayBlue, eOverlayGreen, eOverlayRainbow};
    Start(m_Scene, OverlayStage(sizes, shown, colours));
    ASSERT_EQ(ePlayRun, (RunToPlay(m_Scene), m_Scene.State()));
    cPlayerActor& hero = m_Scene.m_Players[0];
    const cPixelFormat format = Display().Format;
    const uint32_t background = DDIndexToPixel(kOverlayBackground), green = RgbToPixel({0, 255, 0}, format);
    // Halfway to blue, as the fill mixes it: channel by channel in the display's own steps.
    auto channel = [&](int shift, uint32_t mask) { return (background >> shift) & mask; };
    const uint32_t halfBlue = (channel(format.nRedShift, format.dwRedMask) / 2) << format.nRedShift |
                              (channel(format.nGreenShift, format.dwGreenMask) / 2) << format.nGreenShift |
                              ((channel(format.nBlueShift, format.dwBlueMask) + format.dwBlueMask) / 2) << format.nBlueShift;
    const uint32_t rainbow = RgbToPixel(OverlayRgb(eOverlayRainbow, hero.m_BoxOverlays[2].blink), format);
    DDFillRect(m_Dest, 0, 0, 640, 480, kOverlayBackground);
    PaintPlayScene(m_Scene, m_Dest, 0, 1, 0, 1);
    const int cx = hero.m_ScreenRect.left + 16, cy = hero.m_ScreenRect.top + 16;
    const struct {
        int dx, dy;  // from the drawing box's centre
        uint32_t pixel;
    } probes[] = {
        {-12, -12, green}, {11, 11, green}, {-12, 0, green}, {-13, 0, background}, {-11, -11, background},
        {-6, -10, halfBlue}, {5, 9, halfBlue}, {-7, 0, background}, {6, 0, background}, {0, 10, background},
        {-3, -3, rainbow}, {2, 2, rainbow}, {-2, -2, halfBlue},
    };
    for (const auto& p : probes) EXPECT_EQ(p.pixel, PixelAt(m_Dest, cx + p.dx, cy + p.dy)) << p.dx << ", " << p.dy;

    // Each drawn frame counts, the same for every shown box.
    const int32_t before = hero.m_BoxOverlays[0].blink;
    m_Scene.StepFrame(0, 0);
    EXPECT_EQ((before + 1) % 32, hero.m_BoxOverlays[0].blink);
    for (const cBoxOverlay& overlay : hero.m_BoxOverlays) EXPECT_EQ(hero.m_BoxOverlays[0].blink, overlay.blink);

    hero.m_Dead = 1;
    DDFillRect(m_Dest, 0, 0, 640, 480, kOverlayBackground);
    PaintPlayerOverlays(m_Scene, m_Dest);
    EXPECT_EQ(background, PixelAt(m_Dest, cx - 12, cy - 12));
    EXPECT_EQ(background, PixelAt(m_Dest, cx, cy - 10));
}
