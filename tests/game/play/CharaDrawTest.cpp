#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "data/ProjectDatabase.h"
#include "data/Stage.h"
#include "game/data/GameDatabase.h"
#include "game/media/Bitmap.h"
#include "game/media/Blit.h"
#include "game/media/Display.h"
#include "game/media/PictureTable.h"
#include "game/play/CharaDraw.h"
#include "game/play/GraphicSource.h"
#include "game/play/PlayScene.h"
#include "game/play/PlaySurfaces.h"
#include "tests/game/media/DisplayFixture.h"
#include "tests/game/play/PlayFixture.h"

namespace {

const int kCharaBackground = 5;
const int kQuarter = 40;  // + 0 to 3: the character's four quarters
const int kMirrorColour = 45;
const int kDiagonal = 46;
const int kMarkColour = 60;
const int kGaugeFrame = 70;
const int kGaugeLong = 71;
const int kGaugeShort = 72;
const int kGaugeLost = 73;
const int kGaugeGained = 74;
const int kLeft = 280, kTop = 200;

// CharaEffect entry k: kind k with the database's default parameters.
const int kDefaults[17][5] = {
    {0, 0, 0, 0, 0},   {5, 0, 32, 0, 0},   {5, 0, 32, 4, 0},   {5, 0, 32, 4, 0},    {5, 0, 32, 4, 0},
    {5, 0, 32, 4, 0},  {10, 2, 0, 0, 0},   {10, 0, 1440, 0, 0}, {10, 0, 1440, 0, 0}, {10, 0, 256, 0, 0},
    {5, 32, 0, 0, 0},  {10, 32, 64, 0, 0}, {10, 100, 5, 0, 0},  {10, 1, 1, 16, 0},   {10, 9999, 0, 0, 0},
    {10, 1, 8, 0, 0},  {10, 1, 4, 0, 0},
};

cRunningAnime Anime(int timed, int count, int value, int suspended = 0) {
    cRunningAnime anime;
    anime.m_Timed = timed;
    anime.m_Count = count;
    anime.m_Value = value;
    anime.m_Suspended = suspended;
    return anime;
}

}  // namespace

class CharaDraw : public PlayFixture {
protected:
    CharaDraw()
        : m_Display(640, 480, m_Surfaces, m_Rows, kPictureTableRows),
          m_SavedEffects(ProjectDatabase().m_CharaEffects),
          m_SavedProtos(CharaEffectProtoTable()) {
        BlankPictureRows(m_Rows, kPictureTableRows);
        for (int row : {4, 5, 22, 23}) {
            m_Rows[row].nBlankWidth = 640;
            m_Rows[row].nBlankHeight = 480;
        }
        m_Rows[kSurfaceMarks].nBlankWidth = 64;
        m_Rows[kSurfaceMarks].nBlankHeight = 480;
        m_Rows[kSurfaceSystem].nBlankWidth = 128;
        m_Rows[kSurfaceSystem].nBlankHeight = 208;
        for (int row : {65, 66}) {
            m_Rows[row].nBlankWidth = 640;
            m_Rows[row].nBlankHeight = 480;
        }
        cRecordVector<cCharaEffect>& table = ProjectDatabase().m_CharaEffects;
        table.assign(17, cCharaEffect());
        for (int k = 0; k < 17; ++k) {
            table[k].m_Type = k;
            std::copy(kDefaults[k], kDefaults[k] + 5, table[k].m_Params);
        }
        BuildCharaEffectProtos(CharaEffectProtoTable(), ProjectDatabase());
        std::copy(Display().Palette, Display().Palette + kPaletteSize, m_SavedPalette);
        SetTestPalette();
    }
    ~CharaDraw() override {
        std::copy(m_SavedPalette, m_SavedPalette + kPaletteSize, Display().Palette);
        ProjectDatabase().m_CharaEffects = m_SavedEffects;
        CharaEffectProtoTable() = m_SavedProtos;
        DDReleaseSurface(m_Dest);
    }
    void SetUp() override {
        ASSERT_TRUE(m_Display.IsReady());
        const int rows[] = {kSurfaceCharaSheets,    kSurfaceCharaSheets + 1, kSurfaceScaledCharaSheets,
                            kSurfaceScaledCharaSheets + 1, kSurfaceMarks,   kSurfaceSystem,
                            kSurfaceFirstWork,      kSurfaceSecondWork};
        ASSERT_TRUE(DDLoadSurfaces(m_Surfaces, rows, 8));
        // Character 1, frame 0: four quarters, a diagonal across the upper right one; its mirror
        // in one colour.
        for (int row : {4, 22}) {
            for (int q = 0; q < 4; ++q) DDFillRect(m_Surfaces[row], (q % 2) * 16, 32 + (q / 2) * 16, 16, 16, kQuarter + q);
            for (int i = 0; i < 16; ++i) DDFillRect(m_Surfaces[row], 16 + i, 32 + i, 1, 1, kDiagonal);
        }
        for (int row : {5, 23})
            DDFillRect(m_Surfaces[row], 0, 32, 32, 32, kMirrorColour);
        ASSERT_TRUE(DDCreateSurface(m_Dest, 640, 480, 0, kMemorySystem));
        ProjectStage() = Stage();
        ASSERT_TRUE(m_Scene.SetStage(ProjectStage()));
        Place(1);
    }
    cPlayerActor& Player() { return m_Scene.m_Players[0]; }
    // The player at (kLeft, kTop) of the screen, facing right, at the scale.
    void Place(int scale) {
        cPlayerActor& player = Player();
        player.SetScale(scale, player.Scale());
        player.m_Chara.m_Scale = static_cast<uint8_t>(scale);
        player.m_Facing = 1;
        player.m_ScreenRect = cRect(kLeft, kTop, kLeft + player.m_DrawWidth - 1, kTop + player.m_DrawHeight - 1);
        player.m_ShownFrame = 0;
    }
    cSurface& Paint(bool plain = false) {
        DDFillRect(m_Dest, 0, 0, 640, 480, kCharaBackground);
        cPlayerActor copy = Player();
        if (plain) copy.m_CharaEffect = cEffectState();
        PaintChara(copy, Batched(cBlitBatch(m_Dest)));
        return m_Dest;
    }
    uint32_t Colour(int index) { return DDIndexToPixel(index); }

    cSurface m_Surfaces[kPictureTableRows];
    cPictureRow m_Rows[kPictureTableRows];
    cWindowDisplay m_Display;
    cRecordVector<cCharaEffect> m_SavedEffects;
    cEffectStates m_SavedProtos;
    cSurface m_Dest;
    PALETTEENTRY m_SavedPalette[kPaletteSize];
    cPlayScene m_Scene;
};

// The newest timed animation whose count runs out first wins; once one has run out only later
// ones that ran out less far take over; an untimed one only when nothing else is chosen.
TEST_F(CharaDraw, PickFrameChoosesAmongTheRunningAnimations) {
    const struct {
        const char* name;
        std::vector<cRunningAnime> list;
        int32_t chosen;
    } cases[] = {
        {"none", {}, -1},
        {"untimed alone", {Anime(0, 0, 7)}, 7},
        {"untimed then timed", {Anime(0, 0, 7), Anime(1, 5, 8)}, 8},
        {"timed then untimed", {Anime(1, 5, 8), Anime(0, 0, 7)}, 8},
        {"the smaller count", {Anime(1, 5, 8), Anime(1, 3, 9)}, 9},
        {"the first of equal counts", {Anime(1, 3, 8), Anime(1, 3, 9)}, 8},
        {"run out settles", {Anime(1, -1, 8), Anime(1, 0, 9), Anime(1, -3, 10)}, 9},
        {"settled, a later one less far out", {Anime(1, -5, 8), Anime(1, -4, 9), Anime(1, -2, 10)}, 10},
        {"suspended skipped", {Anime(1, 1, 8, 1), Anime(0, 0, 7)}, 7},
    };
    for (const auto& c : cases) {
        std::list<cRunningAnime> list(c.list.begin(), c.list.end());
        EXPECT_EQ(c.chosen, ChooseAnimation(list)) << c.name;
    }
    // PickFrame shows the base animation's pattern when nothing is chosen, and steps nothing
    // while held.
    cPlayerActor& player = Player();
    player.m_Animes.clear();
    player.m_BaseFrame = 3;
    EXPECT_EQ(3, PickFrame(player, 1));
    player.m_Animes.push_back(Anime(1, 4, 11));
    EXPECT_EQ(11, PickFrame(player, 1));
    EXPECT_EQ(4, player.m_Animes.front().m_Count);
}

// Graphic kinds: the sheet and the cell of a number and pattern, by facing for live objects.
TEST_F(CharaDraw, ResolveGraphicPerKind) {
    cPlayerActor& player = Player();
    const struct {
        const char* name;
        int use, kind, n, p, q, facing;
        cSurface* normal;
        cSurface* mirrored;
        int sx, sy;
    } cases[] = {
        {"block", 2, eGraphicBlock, 17, 0, 0, 1, nullptr, nullptr, 32, 64},
        {"chara right", 1, eGraphicChara, 1, 2, 3, 1, &m_Surfaces[4], &m_Surfaces[5], 160, 32},
        {"chara left", 1, eGraphicChara, 1, 2, 3, 0, &m_Surfaces[5], &m_Surfaces[4], 160, 32},
        {"chara preview mirror", 2, eGraphicChara, 1, 21, 0, 1, &m_Surfaces[5], &m_Surfaces[4], 32, 32},
        {"chara past the sheets", 1, eGraphicChara, 120, 0, 0, 1, nullptr, nullptr, 0, 0},
        {"item", 2, eGraphicItem, 16, 0, 1, 1, nullptr, nullptr, 96, 32},
        {"shot", 1, eGraphicShot, 31, 0, 0, 1, nullptr, nullptr, 32, 16},
        {"chara bitmap", 1, eGraphicCharaBitmap, 1, 17, 2, 1, nullptr, nullptr, 32, 96},
        {"chara bitmap 0", 1, eGraphicCharaBitmap, 0, 0, 0, 1, nullptr, nullptr, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        player.m_Facing = c.facing;
        cGraphicSource source;
        ASSERT_TRUE(ResolveGraphic(source, c.use, c.kind, c.n, c.p, &player, c.q));
        EXPECT_EQ(c.normal, source.normal);
        EXPECT_EQ(c.mirrored, source.mirrored);
        EXPECT_EQ(c.sx, source.sx);
        EXPECT_EQ(c.sy, source.sy);
    }
    cGraphicSource untouched;
    untouched.sx = 5;
    EXPECT_FALSE(ResolveGraphic(untouched, 1, 5, 1, 0, &player, 0));
    EXPECT_EQ(5, untouched.sx);
}

// The blink hides the character for its first interval, then shows it for the next.
TEST_F(CharaDraw, BlinkHidesTheCharacterFirst) {
    StartCharaEffect(Player(), 6, 0);
    // Interval 2: the switch comes in the count after the third picture.
    const std::vector<bool> shown = {false, false, false, true, true, false};
    for (size_t frame = 0; frame < shown.size(); ++frame) {
        EXPECT_EQ(shown[frame] ? Colour(kQuarter) : Colour(kCharaBackground), PixelAt(Paint(), kLeft + 2, kTop + 2)) << frame;
        EXPECT_EQ(0, StepCharaEffect(Player(), 0));
    }
    // A repeating effect keeps its number.
    StartCharaEffect(Player(), 1, 1);
    for (int frame = 0; frame < 100; ++frame) EXPECT_EQ(0, StepCharaEffect(Player(), 0));
    EXPECT_EQ(1, Player().m_CharaEffect.nEffect);
}

// The plain picture at both scales, the mirror facing left, and the mark over it: mark 15 is the
// first of the sheet's second column.
TEST_F(CharaDraw, PlainPictureAndMark) {
    EXPECT_EQ(Colour(kQuarter + 3), PixelAt(Paint(), kLeft + 20, kTop + 20));
    Player().m_Facing = 0;
    EXPECT_EQ(Colour(kMirrorColour), PixelAt(Paint(), kLeft + 20, kTop + 20));
    Player().m_Facing = 1;
    Place(3);
    EXPECT_EQ(Colour(kQuarter + 3), PixelAt(Paint(), kLeft + 95, kTop + 95));
    EXPECT_EQ(Colour(kQuarter), PixelAt(Paint(), kLeft + 47, kTop + 47));
    Place(1);
    DDFillRect(m_Surfaces[kSurfaceMarks], 32, 0, 32, 32, kMarkColour);
    Player().m_Chara.m_MarkMode = 1;
    Player().m_Chara.m_Mark = 15;
    EXPECT_EQ(Colour(kMarkColour), PixelAt(Paint(), kLeft, kTop));
    Player().m_Chara.m_Mark = 14;
    EXPECT_EQ(Colour(kQuarter), PixelAt(Paint(), kLeft, kTop));
    Player().m_Hidden = 1;
    EXPECT_EQ(Colour(kCharaBackground), PixelAt(Paint(), kLeft + 20, kTop + 20));
}

// The life gauge: its frame, the filled part (the long row above 16 dots), the change ending at
// the fill (a gain) or starting there (a loss); the timer runs down and the change shrinks,
// then goes once less than a second is left.
TEST_F(CharaDraw, GaugesShowFillAndChange) {
    cSurface& system = m_Surfaces[kSurfaceSystem];
    DDFillRect(system, 0, 128, 50, 2, kGaugeFrame);
    DDFillRect(system, 0, 144, 50, 2, kGaugeLong);
    DDFillRect(system, 0, 160, 50, 2, kGaugeShort);
    DDFillRect(system, 0, 176, 50, 2, kGaugeLost);
    DDFillRect(system, 0, 192, 50, 2, kGaugeGained);
    const int x = kLeft + 16 - 25, y = kTop - 3;
    const struct {
        int length;
        double change;
        std::vector<std::pair<int, int>> probes;  // x offset, colour
    } cases[] = {
        {30, 5.5, {{0, kGaugeLong}, {24, kGaugeLong}, {25, kGaugeGained}, {29, kGaugeGained}, {30, kGaugeFrame}}},
        {16, -4, {{0, kGaugeShort}, {15, kGaugeShort}, {16, kGaugeLost}, {19, kGaugeLost}, {20, kGaugeFrame}}},
        {0, 0, {{0, kGaugeFrame}, {49, kGaugeFrame}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        cPlayerActor& player = Player();
        player.m_HpGauge.m_Timer = 100;
        player.m_HpGauge.m_Length = c.length;
        player.m_HpGauge.m_Change = c.change;
        DDFillRect(m_Dest, 0, 0, 640, 480, kCharaBackground);
        PaintGauge(player, Batched(cBlitBatch(m_Dest)), 0);
        for (const auto& p : c.probes) EXPECT_EQ(Colour(p.second), PixelAt(m_Dest, x + p.first, y)) << p.first;
        EXPECT_EQ(Colour(kCharaBackground), PixelAt(m_Dest, x, y + 2));
    }
    cPlayerActor& player = Player();
    player.m_HpGauge.m_Change = 10;
    player.m_HpGauge.m_Step = 1;
    player.m_HpGauge.m_Timer = 61;
    StepGauges(player);
    EXPECT_EQ(60, player.m_HpGauge.m_Timer);
    EXPECT_EQ(9, player.m_HpGauge.m_Change);
    StepGauges(player);
    EXPECT_EQ(0, player.m_HpGauge.m_Change);
    player.m_HpGauge.m_Timer = 0;
    StepGauges(player);
    EXPECT_EQ(0, player.m_HpGauge.m_Timer);
}

// Defeat: the player (control value 1 clear) without an effect stays past 60 drawn frames; a
// stage character goes at once, or with its effect's end.
TEST_F(CharaDraw, DefeatLastsSixtyFramesOrTheEffect) {
    cPlayerActor& player = Player();
    player.m_Dead = 1;
    int frames = 0;
    while (!StepDefeated(player, 0) && frames < 1000) {
        ++frames;
        EXPECT_EQ(0, StepDefeated(player, 1));  // held: nothing counts
    }
    EXPECT_EQ(60, frames);

    cCharaActor chara;
    chara.m_Control[0] = 1;
    chara.m_Dead = 1;
    EXPECT_EQ(1, StepDefeated(chara, 0));
    StartCharaEffect(chara, 10, 0);  // the circle: 5 tenths
    frames = 0;
    while (!StepDefeated(chara, 0) && frames < 1000) ++frames;
    EXPECT_NEAR(30, frames, 1);
    EXPECT_EQ(0, chara.m_CharaEffect.nEffect);
}

// A contact sheet of the sixteen kinds (one row each) at scale 1 and 3, two thirds of the way
// through their run, written when KIT_SHOT_DIR names a folder; each differs from the plain
// picture (the blink is seen through its own test).
TEST_F(CharaDraw, ContactSheetOfTheKinds) {
    const int cell = 200, gap = 4;
    cSurface sheet;
    ASSERT_TRUE(DDCreateSurface(sheet, 2 * (cell + gap) + gap, 16 * (cell + gap) + gap, 0, kMemorySystem));
    DDFillRect(sheet, 0, 0, sheet.nWidth, sheet.nHeight, 0);
    for (int scale : {1, 3}) {
        Place(scale);
        const int centreX = kLeft + Player().m_DrawWidth / 2, centreY = kTop + Player().m_DrawHeight / 2;
        std::vector<uint32_t> plain;
        cSurface& first = Paint(true);
        for (int y = -60; y <= 60; y += 3)
            for (int x = -60; x <= 60; x += 3) plain.push_back(PixelAt(first, centreX + x, centreY + y));
        for (int kind = 1; kind <= 16; ++kind) {
            SCOPED_TRACE(testing::Message() << "kind " << kind << " scale " << scale);
            StartCharaEffect(Player(), kind, 0);
            for (int f = 0; f < kDefaults[kind][0] * 4; ++f) StepCharaEffect(Player(), 0);
            cSurface& back = Paint();
            int differs = 0;
            size_t i = 0;
            for (int y = -60; y <= 60; y += 3)
                for (int x = -60; x <= 60; x += 3) differs += PixelAt(back, centreX + x, centreY + y) != plain[i++];
            if (kind != 6) {
                EXPECT_GT(differs, 0);
            }
            DDBlt(sheet, gap + (scale == 1 ? 0 : cell + gap), gap + (kind - 1) * (cell + gap), cell, cell, back,
                  centreX - cell / 2, centreY - cell / 2, 0);
        }
    }
    if (const char* dir = std::getenv("KIT_SHOT_DIR"))
        SaveSurface(sheet, sheet.nWidth, sheet.nHeight, std::string(dir) + "\\chara-effects.bmp");
    DDReleaseSurface(sheet);
}
