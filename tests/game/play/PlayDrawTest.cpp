#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "data/ProjectData.h"
#include "data/ProjectDatabase.h"
#include "game/core/GameModes.h"
#include "game/data/StorySave.h"
#include "game/data/GameDatabase.h"
#include "game/media/Bitmap.h"
#include "game/media/Blit.h"
#include "game/media/BlitBatch.h"
#include "game/media/CompositeBlit.h"
#include "game/media/Display.h"
#include "game/media/PictureTable.h"
#include "data/SwordRecords.h"
#include "game/play/GraphicSource.h"
#include "game/play/PlayBitmaps.h"
#include "game/play/PlayPaint.h"
#include "game/play/PlayScene.h"
#include "game/play/PlaySurfaces.h"
#include "game/play/ScreenColour.h"
#include "game/play/ScreenEffect.h"
#include "game/play/StatusBar.h"
#include "tests/game/media/DisplayFixture.h"
#include "tests/game/play/PlayFixture.h"
#include "tests/game/play/PlayStateFixture.h"
#include "tests/support/RestoreOnExit.h"
#include "tests/support/TempDir.h"

namespace {

// Colours the pictures are painted in; each a palette entry of its own.
const int kDrawBackground = 5;
const int kBlockColour = 40;  // + the block's graphic number
const int kWindowColour = 60;
const int kSymbolColour = 70;  // + the entry
const int kGaugeBack = 80;
const int kGaugeHigh = 81;
const int kGaugeLow = 82;
const int kStripeA = 90;
const int kStripeB = 91;

// The game's surface table with blank pictures of the sizes drawing reads.
struct cTestTable {
    cTestTable() {
        BlankPictureRows(rows, kPictureTableRows);
        Size(2, 256, 480);
        Size(43, 64, 480);
        Size(45, 640, 20);
        Size(47, 128, 176);
        Size(66, 640, 480);
    }
    void Size(int i, int w, int h) {
        rows[i].nBlankWidth = w;
        rows[i].nBlankHeight = h;
    }
    cSurface surfaces[kPictureTableRows];
    cPictureRow rows[kPictureTableRows];
};

}  // namespace

class PlayDraw : public PlayFixture {
protected:
    PlayDraw() : m_Display(640, 480, m_Table.surfaces, m_Table.rows, kPictureTableRows) {
        std::copy(Display().Palette, Display().Palette + kPaletteSize, m_SavedPalette);
    }
    ~PlayDraw() override {
        DDReleaseSurface(m_Dest);
        std::copy(m_SavedPalette, m_SavedPalette + kPaletteSize, Display().Palette);
    }
    void SetUp() override {
        ASSERT_TRUE(m_Display.IsReady());
        for (int i = 1; i < kPaletteSize; ++i)
            Display().Palette[i] = {static_cast<BYTE>(i % 31 + 1), static_cast<BYTE>(i * 3 % 63), static_cast<BYTE>(i * 7 % 31), 0};
        const int rows[] = {2, 43, 45, 47, 66};
        ASSERT_TRUE(DDLoadSurfaces(m_Table.surfaces, rows, 5));
        ASSERT_TRUE(DDCreateSurface(m_Dest, 640, 480, 0, kMemorySystem));
        DDFillRect(m_Dest, 0, 0, 640, 480, kDrawBackground);
    }
    cSurface& Table(int i) { return m_Table.surfaces[i]; }
    // An item of graphic 1 from the item sheet (with the record's other values) held by a
    // character, its drawing box's corner at (x, y) in stage dots.
    static cItemObj ItemAt(cEdItem record, double x, double y) {
        record.m_GraphicSrc = 2;
        record.m_Graphic = 1;
        cItemObj item;
        item.SetItem(0, record, 1);
        item.m_X = x + item.m_DrawOffsetX;
        item.m_Y = y + item.m_DrawOffsetY;
        return item;
    }
    // A 30 x 20 stage in the scene, the view's corner at (x, y) in stage dots.
    bool SceneViewedAt(cPlayScene& scene, double x, double y) {
        ProjectStage() = Stage(30, 20);
        if (!scene.SetStage(ProjectStage())) return false;
        scene.m_ScrollX.m_Pos = x;
        scene.m_ScrollY.m_Pos = y;
        return true;
    }
    // An empty replay of a stage without its banner: the scene fades in, plays nothing and
    // fades out at once.
    static void PrepareEmptyReplay() {
        cEdStage stage = Stage(40, 20);
        stage.m_BackLayers[0].m_Color = kDrawBackground;
        stage.m_ShowStageInfo = 0;
        ProjectStage() = stage;
        SceneManager().m_nGameMode = eModeReplay;
        CurrentReplay().Clear();
    }
    uint32_t Colour(int index) { return DDIndexToPixel(index); }

    cTestTable m_Table;
    cWindowDisplay m_Display;
    cSurface m_Dest;
    PALETTEENTRY m_SavedPalette[kPaletteSize];
};

// Blocks 1, 2, 3 and 16 of the sheet (15 to a column) are painted in colours of their own; the map cells are set by hand,
// border cells included, so the view can be put anywhere.
TEST_F(PlayDraw, BlockLayersDrawTheVisibleCellsAtTheScroll) {
    for (int n : {1, 2, 3, 16}) DDFillRect(Table(2), (n / 15) * 32, (n % 15) * 32, 32, 32, kBlockColour + n);
    ProjectStage() = Stage(30, 20);
    cPlayScene scene;
    ASSERT_TRUE(scene.SetStage(ProjectStage()));
    auto put = [&](int column, int row, int graphic, int front, int hidden) {
        cEdBlock& block = scene.m_MapCells[scene.CellIndex(column, row)].block;
        block = cEdBlock();
        block.m_Graphic = static_cast<uint16_t>(graphic);
        block.m_Front = static_cast<uint8_t>(front);
        block.m_Transparent = static_cast<uint8_t>(hidden);
    };
    put(0, 3, 3, 0, 0);
    put(1, 3, 1, 0, 0);
    put(21, 3, 2, 0, 0);
    put(22, 3, 3, 0, 0);  // one column past the view
    put(2, 4, 1, 1, 0);   // in front of the objects
    put(3, 4, 2, 0, 1);   // hidden
    put(4, 4, 16, 0, 0);  // first of the sheet's second column

    const struct {
        const char* name;
        double x;
        uint8_t layer;
        std::vector<std::pair<int, int>> probes;  // x on row 3's line (y = 100), and the colour
    } cases[] = {
        // 40.7 draws from column 1 at x = -8 to column 21 at x = 632.
        {"scroll 40.7", 40.7, 0, {{0, 1}, {23, 1}, {24, 0}, {631, 0}, {632, 2}, {639, 2}}},
        // -5 skips column -1 and draws column 0 at x = 5.
        {"scroll -5", -5, 0, {{4, 0}, {5, 3}, {36, 3}, {37, 1}}},
        {"front layer", 0, 1, {{0, 0}, {32, 0}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DDFillRect(m_Dest, 0, 0, 640, 480, kDrawBackground);
        scene.m_ScrollX.m_Pos = c.x;
        scene.m_ScrollY.m_Pos = 0;
        scene.DrawBlockLayer(m_Dest, c.layer);
        for (const auto& probe : c.probes)
            EXPECT_EQ(Colour(probe.second ? kBlockColour + probe.second : kDrawBackground), PixelAt(m_Dest, probe.first, 100))
                << "x " << probe.first;
    }
    // Row 4: the front block only in layer 1, the hidden one never.
    scene.m_ScrollX.m_Pos = 0;
    DDFillRect(m_Dest, 0, 0, 640, 480, kDrawBackground);
    scene.DrawBlockLayer(m_Dest, 0);
    EXPECT_EQ(Colour(kDrawBackground), PixelAt(m_Dest, 64, 130));
    EXPECT_EQ(Colour(kDrawBackground), PixelAt(m_Dest, 96, 130));
    EXPECT_EQ(Colour(kBlockColour + 16), PixelAt(m_Dest, 128, 130));
    scene.DrawBlockLayer(m_Dest, 1);
    EXPECT_EQ(Colour(kBlockColour + 1), PixelAt(m_Dest, 64, 130));
    EXPECT_EQ(Colour(kDrawBackground), PixelAt(m_Dest, 96, 130));
}

namespace {

cSystemList<cSysRecA> Entries(std::vector<std::tuple<int, int, std::string, int>> rows) {
    cSystemList<cSysRecA> entries(eStatusEntries);
    for (size_t k = 0; k < rows.size(); ++k) {
        entries[k].m_Show = std::get<0>(rows[k]);
        entries[k].m_ShowSymbol = std::get<1>(rows[k]);
        entries[k].m_Text = std::get<2>(rows[k]);
        entries[k].m_MaxDigits = std::get<3>(rows[k]);
    }
    return entries;
}

}  // namespace

TEST(StatusBar, EntriesShareTheBarOut) {
    const struct {
        const char* name;
        cSystemList<cSysRecA> entries;
        int shown;
        std::vector<int> xs;  // of the shown entries
    } cases[] = {
        {"score and lives", Entries({{0, 0, "", 0}, {1, 0, "SCORE", 8}, {0, 0, "", 0}, {0, 0, "", 0}, {1, 1, "", 2}}), 2,
         {127, 462}},
        {"gauges", Entries({{0, 0, "", 0}, {0, 0, "", 0}, {1, 0, "HP", 0}, {1, 1, "", 0}, {0, 0, "", 0}}), 2, {163, 408}},
        {"too wide", Entries({{1, 0, std::string(30, 'a'), 10}, {0, 0, "", 0}, {0, 0, "", 0}, {0, 0, "", 0}, {0, 0, "", 0}}),
         1, {-1}},
        {"damaged digits", Entries({{1, 1, "", 2000000000}, {0, 0, "", 0}, {0, 0, "", 0}, {0, 0, "", 0}, {0, 0, "", 0}}),
         1, {231}},
        {"nothing shown", Entries({{0, 1, "", 5}, {0, 0, "", 0}, {0, 0, "", 0}, {0, 0, "", 0}, {0, 0, "", 0}}), 0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int xs[eStatusEntries], widths[eStatusEntries];
        EXPECT_EQ(c.shown, StatusBarLayout(c.entries, xs, widths));
        std::vector<int> shown;
        for (int k = 0; k < eStatusEntries; ++k)
            if (c.entries[k].m_Show) shown.push_back(xs[k]);
        EXPECT_EQ(c.xs, shown);
    }
}

TEST(StatusBar, GaugesFillFromTheirValue) {
    const struct {
        int32_t value, maximum, fill;
    } cases[] = {{30, 100, 15}, {40, 100, 20}, {100, 100, 50}, {0, 100, 0}, {5, 0, 0},
                 {250, 100, 50}, {-7, 100, 0}, {2000000000, 2000000000, 50}};
    for (const auto& c : cases)
        EXPECT_EQ(c.fill, GaugeFill(c.value, c.maximum)) << c.value << " of " << c.maximum;
}

TEST_F(PlayDraw, StatusBarDrawsItsFrameSymbolsAndGauges) {
    DDFillRect(Table(45), 0, 0, 640, 20, kWindowColour);
    for (int k = 0; k < eStatusEntries; ++k) DDFillRect(Table(47), 16 * k, 32, 16, 16, kSymbolColour + k);
    for (int sx : {0, 64}) {
        DDFillRect(Table(47), sx, 128, 50, 16, kGaugeBack);
        DDFillRect(Table(47), sx, 144, 50, 16, kGaugeHigh);
        DDFillRect(Table(47), sx, 160, 50, 16, kGaugeLow);
    }
    cFont captions, numbers;
    ASSERT_NE(nullptr, captions.Create(0, 15, 0, 16, 1, nullptr, 0, 0, nullptr));
    ASSERT_NE(nullptr, numbers.Create(0, 9, 0, 10, 1, nullptr, 0, 0, nullptr));

    // Nothing shown: not even the frame.
    cSystemList<cSysRecA> none = Entries({{0, 1, "", 5}, {0, 0, "", 0}, {0, 0, "", 0}, {0, 0, "", 0}, {0, 0, "", 0}});
    DrawStatusBar(m_Dest, none, cStatusValues(), Table(45), Table(47), captions, numbers);
    EXPECT_EQ(Colour(kDrawBackground), PixelAt(m_Dest, 0, 0));
    EXPECT_EQ(Colour(kDrawBackground), PixelAt(m_Dest, 320, 10));

    // The HP gauge alone, with its symbol: 66 dots wide at 286, the gauge from 302.
    cSystemList<cSysRecA> hp = Entries({{0, 0, "", 0}, {0, 0, "", 0}, {1, 1, "", 0}, {0, 0, "", 0}, {0, 0, "", 0}});
    const struct {
        int32_t value, maximum;
        int fillColour, fill;
    } gauges[] = {{30, 100, kGaugeLow, 15}, {40, 100, kGaugeHigh, 20}, {100, 100, kGaugeHigh, 50},
                  {0, 100, kGaugeBack, 0}, {999, 100, kGaugeHigh, 50}};
    for (const auto& g : gauges) {
        SCOPED_TRACE(testing::Message() << g.value << " of " << g.maximum);
        DDFillRect(m_Dest, 0, 0, 640, 480, kDrawBackground);
        cStatusValues values;
        values.hp = g.value;
        values.maxHp = g.maximum;
        DrawStatusBar(m_Dest, hp, values, Table(45), Table(47), captions, numbers);
        EXPECT_EQ(Colour(31), PixelAt(m_Dest, 0, 0));  // the frame
        EXPECT_EQ(Colour(31), PixelAt(m_Dest, 639, 21));
        EXPECT_EQ(Colour(kWindowColour), PixelAt(m_Dest, 1, 1));
        EXPECT_EQ(Colour(kWindowColour), PixelAt(m_Dest, 285, 4));
        EXPECT_EQ(Colour(kSymbolColour + eStatusHp), PixelAt(m_Dest, 286, 4));
        EXPECT_EQ(Colour(kSymbolColour + eStatusHp), PixelAt(m_Dest, 301, 4));
        if (g.fill > 0) {
            EXPECT_EQ(Colour(g.fillColour), PixelAt(m_Dest, 302 + g.fill - 1, 3));
        }
        if (g.fill < 50) {
            EXPECT_EQ(Colour(kGaugeBack), PixelAt(m_Dest, 302 + g.fill, 3));
        }
        EXPECT_EQ(Colour(kWindowColour), PixelAt(m_Dest, 352, 4));
    }
}

// The play scene's bar takes its values from the story and the first player, its entries from
// the system data.
TEST_F(PlayDraw, ThePlayScenesStatusBarShowsThePlayersGauge) {
    for (int k = 0; k < eStatusEntries; ++k) DDFillRect(Table(47), 16 * k, 32, 16, 16, kSymbolColour + k);
    DDFillRect(Table(47), 0, 128, 50, 16, kGaugeBack);
    DDFillRect(Table(47), 0, 144, 50, 16, kGaugeHigh);
    cSystemData& system = ProjectSystemData();
    const cSystemList<cSysRecA> savedEntries = system.m_StatusItems;
    system.m_StatusItems = Entries({{0, 0, "", 0}, {0, 0, "", 0}, {1, 1, "", 0}, {0, 0, "", 0}, {0, 0, "", 0}});
    ProjectStage() = Stage();
    cPlayScene scene;
    ASSERT_TRUE(scene.SetStage(ProjectStage()));
    scene.m_Players[0].m_Hp = 5;
    scene.m_Players[0].m_MaxHp = 10;
    scene.DrawStatusBar(m_Dest);
    EXPECT_EQ(Colour(kSymbolColour + eStatusHp), PixelAt(m_Dest, 286, 4));
    EXPECT_EQ(Colour(kGaugeHigh), PixelAt(m_Dest, 302 + 24, 3));
    EXPECT_EQ(Colour(kGaugeBack), PixelAt(m_Dest, 302 + 25, 3));
    system.m_StatusItems = savedEntries;
}

// The mosaic redraws the back buffer in blocks of the effect's current size: stripes of one dot
// stay at size 1 (and at 0, taken as 1) and melt into one colour at size 8.
TEST_F(PlayDraw, TransitionDrawsTheMosaicAndRunsToItsEnd) {
    cDatabase& database = ProjectDatabase();
    const cRecordVector<cScrEffect> savedEffects = database.m_ScrEffects;
    const cEffectStates savedProtos = ScrEffectProtoTable();
    database.m_ScrEffects.resize(2);
    database.m_ScrEffects[1].m_Type = 13;
    database.m_ScrEffects[1].m_Params[1] = 1;
    database.m_ScrEffects[1].m_Params[2] = 3;
    BuildScrEffectProtos(ScrEffectProtoTable(), database);

    cPlayScene scene;
    auto stripes = [] {
        for (int x = 0; x < 640; ++x) DDFillRect(Display().Back, x, 0, 1, 480, x % 2 ? kStripeB : kStripeA);
    };
    const struct {
        double size;
        bool melted;
    } sizes[] = {{1, false}, {8, true}, {0, false}, {8.9, true}};
    for (const auto& s : sizes) {
        SCOPED_TRACE(s.size);
        stripes();
        scene.m_ScrEffect = ScrEffectProtoTable()[1];
        scene.m_ScrEffect.dValue = s.size;
        PaintScreenEffect(scene, Display().Back);
        EXPECT_EQ(0, StepScreenEffect(scene, 1));
        EXPECT_EQ(s.size, scene.m_ScrEffect.dValue);  // frozen: the size stays
        const uint32_t a = PixelAt(Display().Back, 0, 0), b = PixelAt(Display().Back, 1, 0);
        if (s.melted) {
            EXPECT_EQ(a, b);
            EXPECT_EQ(a, PixelAt(Display().Back, 7, 7));
            EXPECT_NE(Colour(kStripeA), a);
        } else {
            EXPECT_EQ(Colour(kStripeA), a);
            EXPECT_EQ(Colour(kStripeB), b);
        }
    }

    // From 1 to 3 by 1 a frame: the value passes 3 on the third step, and a repeating effect
    // starts again instead.
    for (int repeat : {0, 1}) {
        SCOPED_TRACE(repeat);
        scene.m_ScrEffect = ScrEffectProtoTable()[1];
        scene.m_ScrEffect.dValue = 1;
        scene.m_ScrEffect.dStep = 1;
        scene.m_ScrEffect.nRepeat = static_cast<int8_t>(repeat);
        std::vector<int> results;
        for (int frame = 0; frame < 3; ++frame) {
            PaintScreenEffect(scene, Display().Back);
            results.push_back(StepScreenEffect(scene, 0));
        }
        EXPECT_EQ((std::vector<int>{0, 0, repeat ? 0 : 1}), results);
        if (repeat) {
            EXPECT_EQ(ScrEffectProtoTable()[1].dValue, scene.m_ScrEffect.dValue);
            EXPECT_EQ(1, scene.m_ScrEffect.nRepeat);
        }
    }
    database.m_ScrEffects = savedEffects;
    ScrEffectProtoTable() = savedProtos;
}

// The picture repeats across the screen from the start point taken modulo its size, negative
// starts included, without a seam.
TEST_F(PlayDraw, LayersTileFromTheirStartPoint) {
    cSurface picture;
    ASSERT_TRUE(DDCreateSurface(picture, 64, 40, 0, kMemorySystem));
    FillWithMarkers(picture);
    const struct {
        double x, y;
        int firstX, firstY;
    } cases[] = {{0, 0, 0, 0}, {10, 5, 10, 5}, {-3, -1, 61, 39}, {700.7, 83, 60, 3}};
    const int probes[][2] = {{0, 0}, {639, 479}, {63, 39}, {100, 200}, {1, 0}, {0, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
        DDFillRect(m_Dest, 0, 0, 640, 480, kDrawBackground);
        {
            cBlitBatch batch(m_Dest);
            TileLayer(batch, picture, c.x, c.y, true);
        }
        for (const auto& p : probes)
            EXPECT_EQ(Marker((p[0] + c.firstX) % 64, (p[1] + c.firstY) % 40), PixelAt(m_Dest, p[0], p[1]))
                << p[0] << ", " << p[1];
    }
    DDReleaseSurface(picture);
}

// The mask covers everything but a hole at its centre: none for radius 0, a square, or a round
// one; a radius beyond the screen is cut back.
TEST_F(PlayDraw, SightMasksLeaveAHoleOfTheirShape) {
    cPlayScene scene;
    cSurface mask, circle;
    const uint32_t cover = Colour(16), hole = Colour(0);
    const struct {
        int radius, shape, width;
        std::vector<std::pair<int, int>> holes, covered;  // from the centre
    } cases[] = {
        {0, 1, 1280, {}, {{0, 0}, {-1, -1}}},
        {50, 0, 1380, {{0, 0}, {-50, -50}, {49, 49}, {-45, 45}}, {{50, 0}, {0, -51}}},
        {50, 1, 1380, {{0, 0}, {0, -49}, {49, 0}, {-30, 30}}, {{-40, -40}, {0, 50}, {50, 0}}},
        {5000, 0, 2880, {{0, 0}, {-800, 799}}, {{-801, 0}, {800, 0}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.radius << " " << c.shape);
        ASSERT_TRUE(scene.BuildSightMask(mask, circle, c.radius, c.shape));
        EXPECT_EQ(c.width, mask.nWidth);
        const int cx = mask.nWidth / 2, cy = mask.nHeight / 2;
        EXPECT_EQ(cover, PixelAt(mask, 0, 0));
        for (const auto& p : c.holes) EXPECT_EQ(hole, PixelAt(mask, cx + p.first, cy + p.second)) << p.first << ", " << p.second;
        for (const auto& p : c.covered) EXPECT_EQ(cover, PixelAt(mask, cx + p.first, cy + p.second)) << p.first << ", " << p.second;
    }
    DDReleaseSurface(mask);
    DDReleaseSurface(circle);
}

// The player's sight: the stage shows through the mask's hole around the player, or ahead of it
// for a sight that looks ahead, and the mask covers the rest; a player who sees the whole screen
// has no mask.
TEST_F(PlayDraw, TheSightViewShowsTheStageAroundThePlayerOnly) {
    cPlayGlobals globals;
    const uint32_t cover = Colour(16), stageColour = Colour(kDrawBackground);
    struct cProbe {
        int dx, dy;  // from the player's centre on the screen
        bool seen;
    };
    const struct {
        int kind;
        std::vector<cProbe> probes;
    } cases[] = {
        {0, {{20, 0, true}, {200, 100, true}}},
        // A square of 64 dots around the centre.
        {3, {{20, 0, true}, {-20, 20, true}, {40, 0, false}, {0, -40, false}}},
        // The same square 16 dots ahead (the player faces right).
        {4, {{40, 0, true}, {-24, 0, false}}},
        {1, {{24, 0, true}, {0, -24, true}, {26, 26, false}, {40, 0, false}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        cEdStage stage;
        stage.SetSize(40, 20);
        stage.m_BackLayers[0].m_Color = kDrawBackground;
        cEdChara player;
        player.m_Graphic = 1;
        player.m_Control = 0;
        player.m_FaceRight = 1;
        player.m_SightShape = static_cast<uint8_t>(c.kind);
        player.m_SightRange = 2;  // hbl: 32 dots
        stage.PutCharaAt(8, 8, player);
        ProjectStage() = stage;
        cHeadlessHost host;
        cPlayScene scene;
        scene.SetHost(&host);
        for (int i = 0; i < 200 && scene.State() != ePlayRun; ++i) scene.StepFrame(0, 0);
        ASSERT_EQ(ePlayRun, scene.State());
        PaintPlayScene(scene, m_Dest, 0, 1, 0, 1);
        const cPlayerActor& hero = scene.m_Players[0];
        const int cx = hero.m_ScreenRect.left + (hero.m_DrawWidth >> 1);
        const int cy = hero.m_ScreenRect.top + (hero.m_DrawHeight >> 1);
        for (const cProbe& p : c.probes)
            EXPECT_EQ(p.seen ? stageColour : cover, PixelAt(m_Dest, cx + p.dx, cy + p.dy)) << p.dx << ", " << p.dy;
    }
}

// Painting reads the scene and changes nothing: the same log gives the same hashes with the
// picture painted every frame as without.
TEST_F(PlayDraw, PaintingChangesNothingOfThePlay) {
    cPlayGlobals globals;
    cEdStage stage = Stage(40, 20);
    stage.m_ScrollMode[0] = 1;
    stage.m_AutoScrollSpeed[0] = 9;
    stage.m_UseTimeLimit = 1;
    stage.m_TimeLimit = 5;
    ProjectStage() = stage;
    std::vector<uint64_t> runs[2];
    for (int painted = 0; painted < 2; ++painted) {
        cHeadlessHost host;
        int paints = 0;
        if (painted)
            host.painter = [&](cPlayScene& scene, int f1, int f2, int f3, int f4) {
                PaintPlayScene(scene, m_Dest, f1, f2, f3, f4);
                ++paints;
            };
        cPlayScene scene;
        scene.SetHost(&host);
        for (int i = 0; i < 500; ++i) {
            scene.StepFrame(static_cast<int16_t>(i / 9 % 16), static_cast<int16_t>(i / 13 % 4));
            runs[painted].push_back(scene.StateHash());
        }
        if (painted) {
            EXPECT_GT(paints, 400);
        }
    }
    EXPECT_EQ(runs[0], runs[1]);
}

// Items are drawn from the item sheet with their mark over the top-left; a transparent item is
// not drawn. Shots come from the shot sheet of their facing, two frames to a graphic and 30
// graphics to a column.
TEST_F(PlayDraw, ItemsWithTheirMarksAndShotsByFacing) {
    const int kItemColour = 100, kMarkColour = 101, kShotColour = 102, kMirrorColour = 103;
    m_Table.Size(kSurfaceItems, 128, 480);
    m_Table.Size(kSurfaceShots, 64, 480);
    m_Table.Size(kSurfaceShots + 1, 64, 480);
    const int rows[] = {kSurfaceItems, kSurfaceShots, kSurfaceShots + 1};
    ASSERT_TRUE(DDLoadSurfaces(m_Table.surfaces, rows, 3));
    DDFillRect(Table(kSurfaceItems), 0, 32, 32, 32, kItemColour);        // item graphic 1
    DDFillRect(Table(kSurfaceMarks), 0, 64, 8, 8, kMarkColour);          // mark 2's corner
    DDFillRect(Table(kSurfaceShots), 32, 16, 16, 16, kShotColour);       // shot graphic 31
    DDFillRect(Table(kSurfaceShots + 1), 32, 16, 16, 16, kMirrorColour);
    cPlayScene scene;
    ASSERT_TRUE(SceneViewedAt(scene, 1000, 500));

    cEdItem record;
    record.m_MarkMode = 1;
    record.m_Mark = 2;
    cItemObj item = ItemAt(record, 1100, 550);
    item.DrawItem(Batched(cBlitBatch(m_Dest)), 1);
    EXPECT_EQ(Colour(kMarkColour), PixelAt(m_Dest, 101, 51));
    EXPECT_EQ(Colour(kItemColour), PixelAt(m_Dest, 120, 70));
    EXPECT_EQ(Colour(kDrawBackground), PixelAt(m_Dest, 99, 70));
    DDFillRect(m_Dest, 0, 0, 640, 480, kDrawBackground);
    item.m_Item.m_Transparent = 1;
    item.DrawItem(Batched(cBlitBatch(m_Dest)), 1);
    EXPECT_EQ(Colour(kDrawBackground), PixelAt(m_Dest, 120, 70));

    cShotObj shot;
    shot.m_Shot.m_Graphic = 31;
    shot.m_X = 1200;
    shot.m_Y = 600;
    for (int facing : {1, 0}) {
        shot.m_Facing = facing;
        shot.DrawShot(Batched(cBlitBatch(m_Dest)), 1);
        EXPECT_EQ(Colour(facing ? kShotColour : kMirrorColour), PixelAt(m_Dest, 205, 105)) << facing;
        EXPECT_EQ(Colour(kDrawBackground), PixelAt(m_Dest, 217, 105));
    }
}

// A character carrying an item shows the item's small picture over its head (centred, its own
// height above it) in the last 32 of every 96 pictures, counted from the first in which the
// character is on screen; the scene counts them, whether the picture is painted or not.
TEST_F(PlayDraw, ACarriedItemBlinksOverItsCarrier) {
    cPlayGlobals globals;
    const int kSmallItem = 104;
    m_Table.Size(kSurfaceMiniItems, 64, 240);
    const int rows[] = {kSurfaceMiniItems};
    ASSERT_TRUE(DDLoadSurfaces(m_Table.surfaces, rows, 1));
    DDFillRect(Table(kSurfaceMiniItems), 32, 32, 16, 16, kSmallItem);  // item 17: 15 to a column
    cEdStage stage = Stage(40, 20);
    stage.m_BackLayers[0].m_Color = kDrawBackground;
    cEdItem item;
    item.m_GraphicSrc = 2;
    item.m_Graphic = 17;
    stage.m_Items.Put(stage.CellIndex(5, 5), item);
    cEdChara carrier = Enemy();
    carrier.m_Flight = 2;  // it stays where it is put
    carrier.m_Extra3 = 0;
    stage.PutCharaAt(5, 5, carrier);
    ProjectStage() = stage;
    cHeadlessHost host;
    std::vector<int> shown;  // per picture: the mark's middle, and a dot left of it
    host.painter = [&](cPlayScene& scene, int f1, int f2, int f3, int f4) {
        DDFillRect(m_Dest, 0, 0, 640, 480, kDrawBackground);
        PaintPlayScene(scene, m_Dest, f1, f2, f3, f4);
        ASSERT_EQ(1u, scene.m_Charas.size());
        const cCharaActor& chara = scene.m_Charas.front();
        const int x = chara.m_ScreenRect.left + 8, y = chara.m_ScreenRect.top - 16;
        const bool mark = PixelAt(m_Dest, x + 8, y + 8) == Colour(kSmallItem);
        EXPECT_EQ(mark, PixelAt(m_Dest, x, y) == Colour(kSmallItem));
        EXPECT_NE(Colour(kSmallItem), PixelAt(m_Dest, x - 1, y + 8));
        EXPECT_NE(Colour(kSmallItem), PixelAt(m_Dest, x + 16, y + 8));
        shown.push_back(mark);
    };
    cPlayScene scene;
    scene.SetHost(&host);
    for (int i = 0; i < 200; ++i) scene.StepFrame(0, 0);
    ASSERT_EQ(1, scene.m_Charas.front().m_HeldItem.m_Held);
    ASSERT_GE(shown.size(), 192u);
    for (size_t k = 0; k < 192; ++k) EXPECT_EQ(k % 96 >= 64, shown[k] != 0) << "picture " << k + 1;
}

// A shot sheet row is drawn from itself when it holds a picture where the blit wants one (a
// stretch reads system memory), else from its copy 18 rows on.
TEST_F(PlayDraw, ShotGraphicIndexPicksTheRowOrItsSystemCopy) {
    const int rows[] = {kSurfaceShots, kSurfaceShots + 18};
    ASSERT_TRUE(DDLoadSurfaces(m_Table.surfaces, rows, 2));
    const struct {
        const char* name;
        int row, kind;
        bool scaled;
        int drawn;
    } cases[] = {
        {"plain from a row in video memory", kSurfaceShots, kMemoryAny, false, kSurfaceShots},
        {"scaled from the copy", kSurfaceShots, kMemoryAny, true, kSurfaceShots + 18},
        {"scaled from a row the driver put in system memory", kSurfaceShots, kMemorySystem, true, kSurfaceShots},
        {"a row without a picture gives its copy", kSurfaceShots + 1, kMemoryAny, false, kSurfaceShots + 19},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Table(kSurfaceShots).nMemoryKind = c.kind;
        EXPECT_EQ(c.drawn, ShotGraphicIndex(c.row, c.scaled));
    }
}

// Items and shots show the two frames of their sheet in turn, eight drawn frames each, and only
// while the picture is not held; a scaled shot comes from the sheet's system-memory copy, a shot
// graphic of an item 16 x 16 in the middle of its box.
TEST_F(PlayDraw, ItemsAndShotsShowTheirTwoFramesInTurn) {
    const int kFrame0 = 110, kFrame1 = 111, kCopy0 = 112, kCopy1 = 113;
    m_Table.Size(kSurfaceItems, 128, 480);
    for (int row : {int(kSurfaceShots), kSurfaceShots + 18}) m_Table.Size(row, 64, 480);
    const int rows[] = {kSurfaceItems, kSurfaceShots, kSurfaceShots + 18};
    ASSERT_TRUE(DDLoadSurfaces(m_Table.surfaces, rows, 3));
    Table(kSurfaceShots).nMemoryKind = kMemoryAny;
    DDFillRect(Table(kSurfaceItems), 0, 32, 32, 32, kFrame0);  // item graphic 1, both frames
    DDFillRect(Table(kSurfaceItems), 32, 32, 32, 32, kFrame1);
    DDFillRect(Table(kSurfaceShots), 0, 16, 16, 16, kFrame0);  // shot graphic 1
    DDFillRect(Table(kSurfaceShots), 16, 16, 16, 16, kFrame1);
    DDFillRect(Table(kSurfaceShots + 18), 0, 16, 16, 16, kCopy0);
    DDFillRect(Table(kSurfaceShots + 18), 16, 16, 16, 16, kCopy1);
    cPlayScene scene;
    ASSERT_TRUE(SceneViewedAt(scene, 1000, 500));
    scene.m_Items.assign(1, ItemAt(cEdItem(), 1100, 550));
    scene.m_Items.front().m_OnScreen = 1;
    cShotObj shot;
    shot.Init(1, 0, 0, 0, 1, 0, 0, 16, 16, 16, 16, 1, 1, 0, SheetFrameAnime());
    shot.m_Shot.m_Graphic = 1;
    shot.m_X = 1200;
    shot.m_Y = 600;
    shot.m_OnScreen = 1;
    scene.m_Shots.push_back(shot);
    auto paint = [&]() {
        DDFillRect(m_Dest, 0, 0, 640, 480, kDrawBackground);
        scene.m_Items.front().DrawItem(Batched(cBlitBatch(m_Dest)), 1);
        scene.m_Shots.front().DrawShot(Batched(cBlitBatch(m_Dest)), 1);
    };
    const struct {
        const char* name;
        int hold, steps, itemColour, shotColour;
    } steps[] = {
        {"first frame", 0, 0, kFrame0, kFrame0},
        {"held pictures keep it", 1, 20, kFrame0, kFrame0},
        {"seven frames on", 0, 7, kFrame0, kFrame0},
        {"the eighth turns it", 0, 1, kFrame1, kFrame1},
        {"eight more turn it back", 0, 8, kFrame0, kFrame0},
    };
    for (const auto& c : steps) {
        SCOPED_TRACE(c.name);
        for (int i = 0; i < c.steps; ++i) scene.StepItemShotFrames(c.hold);
        paint();
        EXPECT_EQ(Colour(c.itemColour), PixelAt(m_Dest, 116, 66));
        EXPECT_EQ(Colour(c.shotColour), PixelAt(m_Dest, 208, 108));
    }
    cShotObj& scaled = scene.m_Shots.front();
    scaled.m_Scale = 2;
    scaled.SetScale(2, 1);
    scaled.m_X = 1200;
    scaled.m_Y = 600;
    paint();
    EXPECT_EQ(Colour(kCopy0), PixelAt(m_Dest, 231, 131));
    EXPECT_EQ(Colour(kDrawBackground), PixelAt(m_Dest, 232, 131));

    cItemObj& shotItem = scene.m_Items.front();
    shotItem.m_Item.m_GraphicSrc = 3;
    paint();
    EXPECT_EQ(Colour(kDrawBackground), PixelAt(m_Dest, 107, 66));
    EXPECT_EQ(Colour(kFrame0), PixelAt(m_Dest, 108, 58));
    EXPECT_EQ(Colour(kFrame0), PixelAt(m_Dest, 123, 73));
    EXPECT_EQ(Colour(kDrawBackground), PixelAt(m_Dest, 124, 73));
}

// A sword shows its position's part of its sword type's picture for its facing (each facing
// has a picture of its own), stretched from the system-memory copy at a scale. A picture that
// cannot be read leaves its slots empty and the loader goes on.
TEST_F(PlayDraw, SwordsShowTheirPositionsPartByFacing) {
    cTempDir dir;
    cRestoreOnExit<cDatabase> savedDatabase(ProjectDatabase());
    RGBQUAD colours[256];
    TestColorTable(colours);
    for (int facing = 0; facing < 2; ++facing) {
        std::vector<uint8_t> pixels(64 * 64, static_cast<uint8_t>(20 + 40 * facing));
        for (int y = 8; y < 16; ++y)
            for (int x = 16; x < 24; ++x) pixels[y * 64 + x] = static_cast<uint8_t>(30 + 60 * facing);
        WriteBmp8(facing ? "r.bmp" : "l.bmp", 64, 64, pixels.data(), colours);
    }
    cSwordType sword;
    sword.m_LeftBmp = "l.bmp";
    sword.m_RightBmp = "r.bmp";
    sword.m_Positions[0].m_SrcX = 16;
    sword.m_Positions[0].m_SrcY = 8;
    sword.m_Positions[0].m_Width = 8;
    sword.m_Positions[0].m_Height = 8;
    cSwordType missing = sword;
    missing.m_LeftBmp = "missing.bmp";
    ProjectDatabase().m_SwordTypes.clear();
    ProjectDatabase().m_SwordTypes.push_back(missing);
    ProjectDatabase().m_SwordTypes.push_back(sword);
    LoadSwordBitmaps();
    EXPECT_EQ(nullptr, SwordBitmap(0, 0, false));
    ASSERT_NE(nullptr, SwordBitmap(0, 1, false));
    for (int facing = 0; facing < 2; ++facing)
        for (bool scaled : {false, true}) ASSERT_NE(nullptr, SwordBitmap(1, facing, scaled)) << facing << scaled;
    EXPECT_EQ(nullptr, SwordBitmap(2, 1, false));

    cPlayScene scene;
    ASSERT_TRUE(SceneViewedAt(scene, 1000, 500));
    cShotObj blade;
    blade.m_Kind = 0;
    blade.m_Shot.m_MoveType = 1;
    blade.m_Width = blade.m_DrawWidth = blade.m_BaseWidth = blade.m_BaseDrawWidth = 8;
    blade.m_Height = blade.m_DrawHeight = blade.m_BaseHeight = blade.m_BaseDrawHeight = 8;
    blade.m_X = 1100;
    blade.m_Y = 550;
    for (int facing = 0; facing < 2; ++facing) {
        SCOPED_TRACE(facing);
        const uint32_t part = PixelAt(*SwordBitmap(1, facing, false), 16, 8);
        ASSERT_NE(PixelAt(*SwordBitmap(1, facing, false), 0, 0), part);
        ASSERT_NE(PixelAt(*SwordBitmap(1, 1 - facing, false), 16, 8), part);
        blade.m_Facing = facing;
        blade.m_Scale = 1;
        blade.m_DrawWidth = blade.m_DrawHeight = 8;
        DDFillRect(m_Dest, 0, 0, 640, 480, kDrawBackground);
        blade.DrawShot(Batched(cBlitBatch(m_Dest)), 1);
        EXPECT_EQ(part, PixelAt(m_Dest, 100, 50));
        EXPECT_EQ(part, PixelAt(m_Dest, 107, 57));
        EXPECT_EQ(Colour(kDrawBackground), PixelAt(m_Dest, 108, 57));
        blade.m_Scale = 2;
        blade.m_DrawWidth = blade.m_DrawHeight = 16;
        blade.DrawShot(Batched(cBlitBatch(m_Dest)), 1);
        EXPECT_EQ(part, PixelAt(m_Dest, 115, 65));
        EXPECT_EQ(Colour(kDrawBackground), PixelAt(m_Dest, 116, 65));
    }
    blade.m_Shot.m_Transparent = 1;
    DDFillRect(m_Dest, 0, 0, 640, 480, kDrawBackground);
    blade.DrawShot(Batched(cBlitBatch(m_Dest)), 1);
    EXPECT_EQ(Colour(kDrawBackground), PixelAt(m_Dest, 100, 50));
    ReleasePlayBitmaps();
}

// The fade-in starts from black and brightens a step a frame up to the picture; the fade-out
// (here at the end of an empty replay) darkens it down to black on its last frame.
TEST_F(PlayDraw, FadesRunFromBlackAndBackToIt) {
    cPlayGlobals globals;
    PrepareEmptyReplay();
    std::vector<uint32_t> pixels[ePlayFadeOut + 1];
    cHeadlessHost host;
    host.painter = [&](cPlayScene& scene, int f1, int f2, int f3, int f4) {
        PaintPlayScene(scene, m_Dest, f1, f2, f3, f4);
        pixels[scene.State()].push_back(PixelAt(m_Dest, 500, 300));
    };
    cPlayScene scene;
    scene.SetHost(&host);
    for (int i = 0; i < 60 && pixels[ePlayFadeOut].size() < cPlayScene::kFadeFrames; ++i) scene.StepFrame(0, 0);

    const size_t frames = cPlayScene::kFadeFrames;
    const std::vector<uint32_t>& in = pixels[ePlayFadeIn];
    const std::vector<uint32_t>& out = pixels[ePlayFadeOut];
    ASSERT_EQ(frames, in.size());
    ASSERT_EQ(frames, out.size());
    ASSERT_FALSE(pixels[ePlayIntro].empty());
    const uint32_t full = pixels[ePlayIntro].back();
    EXPECT_EQ(Colour(kDrawBackground), full);
    const int shift = Display().Format.nGreenShift, mask = static_cast<int>(Display().Format.dwGreenMask);
    auto green = [&](uint32_t pixel) { return static_cast<int>((pixel >> shift) & mask); };
    ASSERT_GT(green(full), 8);
    EXPECT_EQ(0u, in.front());
    for (size_t i = 1; i < frames; ++i) EXPECT_LE(green(in[i - 1]), green(in[i])) << i;
    EXPECT_NEAR(green(full) / 2.0, green(in[frames / 2]), 1.0);
    EXPECT_NE(full, in.back());
    for (size_t i = 1; i < frames; ++i) EXPECT_GE(green(out[i - 1]), green(out[i])) << i;
    EXPECT_NE(0u, out.front());
    EXPECT_EQ(0u, out.back());
}

// At 256 colours the fades darken the display palette instead of the picture: black at the
// fade-in's start, the normal palette back once the banner shows, black on the fade-out's last
// frame.
TEST_F(PlayDraw, FadesAt8BitsDarkenThePalette) {
    cPlayGlobals globals;
    cDisplayState& display = Display();
    PALETTEENTRY savedBase[kPaletteSize];
    std::copy(display.BasePalette, display.BasePalette + kPaletteSize, savedBase);
    const int32_t savedDepth = display.nBpp;
    const uint32_t painted = PixelAt(m_Dest, 500, 300);
    for (PALETTEENTRY& entry : display.BasePalette) entry = {200, 100, 40, 1};
    display.nBpp = 8;
    PrepareEmptyReplay();
    std::vector<int> reds[ePlayFadeOut + 1];
    cHeadlessHost host;
    host.painter = [&](cPlayScene& scene, int, int, int, int) {
        PaintFade(scene, m_Dest);
        reds[scene.State()].push_back(display.Palette[40].peRed);
    };
    cPlayScene scene;
    scene.SetHost(&host);
    for (int i = 0; i < 60 && reds[ePlayFadeOut].size() < cPlayScene::kFadeFrames; ++i) scene.StepFrame(0, 0);
    const uint32_t picture = PixelAt(m_Dest, 500, 300);
    PaintPaletteFade(256);  // the normal palette back for the tests after this one
    display.nBpp = savedDepth;
    std::copy(savedBase, savedBase + kPaletteSize, display.BasePalette);

    const std::vector<int>& in = reds[ePlayFadeIn];
    const std::vector<int>& out = reds[ePlayFadeOut];
    ASSERT_EQ(static_cast<size_t>(cPlayScene::kFadeFrames), in.size());
    ASSERT_EQ(static_cast<size_t>(cPlayScene::kFadeFrames), out.size());
    ASSERT_FALSE(reds[ePlayIntro].empty());
    EXPECT_EQ(0, in.front());
    for (size_t i = 1; i < in.size(); ++i) EXPECT_LE(in[i - 1], in[i]) << i;
    EXPECT_LT(in.back(), 200);
    EXPECT_EQ(200, reds[ePlayIntro].front()) << "the normal palette on the first frame after the fade";
    for (size_t i = 1; i < out.size(); ++i) EXPECT_GE(out[i - 1], out[i]) << i;
    EXPECT_GT(out.front(), 0);
    EXPECT_EQ(0, out.back());
    EXPECT_EQ(painted, picture) << "the picture itself is left as painted";
}
