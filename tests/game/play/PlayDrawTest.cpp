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
#include "game/media/CompositeBlit.h"
#include "game/media/Display.h"
#include "game/media/PictureTable.h"
#include "game/play/PlayPaint.h"
#include "game/play/PlayScene.h"
#include "game/play/PlaySurfaces.h"
#include "game/play/ScreenEffect.h"
#include "game/play/StatusBar.h"
#include "tests/game/media/DisplayFixture.h"
#include "tests/game/play/PlayFixture.h"
#include "tests/game/play/PlayStateFixture.h"

namespace {

// Colours the pictures are painted in; each a palette entry of its own.
const int kBackground = 5;
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
        for (int i = 0; i < kPictureTableRows; ++i) {
            cPictureRow& row = rows[i];
            std::memset(&row, 0, sizeof row);
            std::strcpy(row.szFileName, "E");
            row.nColorKey = 1;
            row.nMemoryKind = kMemorySystem;
            row.nBlankWidth = row.nBlankHeight = 1;
        }
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
        DDFillRect(m_Dest, 0, 0, 640, 480, kBackground);
    }
    cSurface& Table(int i) { return m_Table.surfaces[i]; }
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
        DDFillRect(m_Dest, 0, 0, 640, 480, kBackground);
        scene.m_ScrollX.m_Pos = c.x;
        scene.m_ScrollY.m_Pos = 0;
        scene.DrawBlockLayer(m_Dest, c.layer);
        for (const auto& probe : c.probes)
            EXPECT_EQ(Colour(probe.second ? kBlockColour + probe.second : kBackground), PixelAt(m_Dest, probe.first, 100))
                << "x " << probe.first;
    }
    // Row 4: the front block only in layer 1, the hidden one never.
    scene.m_ScrollX.m_Pos = 0;
    DDFillRect(m_Dest, 0, 0, 640, 480, kBackground);
    scene.DrawBlockLayer(m_Dest, 0);
    EXPECT_EQ(Colour(kBackground), PixelAt(m_Dest, 64, 130));
    EXPECT_EQ(Colour(kBackground), PixelAt(m_Dest, 96, 130));
    EXPECT_EQ(Colour(kBlockColour + 16), PixelAt(m_Dest, 128, 130));
    scene.DrawBlockLayer(m_Dest, 1);
    EXPECT_EQ(Colour(kBlockColour + 1), PixelAt(m_Dest, 64, 130));
    EXPECT_EQ(Colour(kBackground), PixelAt(m_Dest, 96, 130));
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
    EXPECT_EQ(Colour(kBackground), PixelAt(m_Dest, 0, 0));
    EXPECT_EQ(Colour(kBackground), PixelAt(m_Dest, 320, 10));

    // The HP gauge alone, with its symbol: 66 dots wide at 286, the gauge from 302.
    cSystemList<cSysRecA> hp = Entries({{0, 0, "", 0}, {0, 0, "", 0}, {1, 1, "", 0}, {0, 0, "", 0}, {0, 0, "", 0}});
    const struct {
        int32_t value, maximum;
        int fillColour, fill;
    } gauges[] = {{30, 100, kGaugeLow, 15}, {40, 100, kGaugeHigh, 20}, {100, 100, kGaugeHigh, 50},
                  {0, 100, kGaugeBack, 0}, {999, 100, kGaugeHigh, 50}};
    for (const auto& g : gauges) {
        SCOPED_TRACE(testing::Message() << g.value << " of " << g.maximum);
        DDFillRect(m_Dest, 0, 0, 640, 480, kBackground);
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
        DDFillRect(m_Dest, 0, 0, 640, 480, kBackground);
        TileLayer(m_Dest, picture, c.x, c.y, true);
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
        if (painted) EXPECT_GT(paints, 400);
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
    ProjectStage() = Stage(30, 20);
    cPlayScene scene;
    ASSERT_TRUE(scene.SetStage(ProjectStage()));
    scene.m_ScrollX.m_Pos = 1000;
    scene.m_ScrollY.m_Pos = 500;

    cEdItem record;
    record.m_GraphicSrc = 2;
    record.m_Graphic = 1;
    record.m_MarkMode = 1;
    record.m_Mark = 2;
    cItemObj item;
    item.SetItem(0, record, 1);
    item.m_X = 1100 + item.m_DrawOffsetX;
    item.m_Y = 550 + item.m_DrawOffsetY;
    item.DrawItem(m_Dest, 1);
    EXPECT_EQ(Colour(kMarkColour), PixelAt(m_Dest, 101, 51));
    EXPECT_EQ(Colour(kItemColour), PixelAt(m_Dest, 120, 70));
    EXPECT_EQ(Colour(kBackground), PixelAt(m_Dest, 99, 70));
    DDFillRect(m_Dest, 0, 0, 640, 480, kBackground);
    item.m_Item.m_Transparent = 1;
    item.DrawItem(m_Dest, 1);
    EXPECT_EQ(Colour(kBackground), PixelAt(m_Dest, 120, 70));

    cShotObj shot;
    shot.m_Shot.m_Graphic = 31;
    shot.m_X = 1200;
    shot.m_Y = 600;
    for (int facing : {1, 0}) {
        shot.m_Facing = facing;
        shot.DrawShot(m_Dest, 1);
        EXPECT_EQ(Colour(facing ? kShotColour : kMirrorColour), PixelAt(m_Dest, 205, 105)) << facing;
        EXPECT_EQ(Colour(kBackground), PixelAt(m_Dest, 217, 105));
    }
}

// The fade-in starts from black and brightens a step a frame up to the picture; the fade-out
// (here at the end of an empty replay) darkens it down to black on its last frame.
TEST_F(PlayDraw, FadesRunFromBlackAndBackToIt) {
    cPlayGlobals globals;
    cEdStage stage = Stage(40, 20);
    stage.m_BackLayers[0].m_Color = kBackground;
    stage.m_ShowStageInfo = 0;
    ProjectStage() = stage;
    SceneManager().m_nGameMode = eModeReplay;
    CurrentReplay().Clear();
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
    EXPECT_EQ(Colour(kBackground), full);
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
