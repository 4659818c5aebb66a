#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "data/ProjectData.h"
#include "data/ProjectDatabase.h"
#include "data/Stage.h"
#include "game/data/GameDatabase.h"
#include "game/media/Bitmap.h"
#include "game/media/Blit.h"
#include "game/media/Display.h"
#include "game/media/PictureTable.h"
#include "game/media/PixelView.h"
#include "game/play/PlayPaint.h"
#include "game/play/PlayScene.h"
#include "game/play/PlaySurfaces.h"
#include "game/play/ScreenEffect.h"
#include "tests/game/media/DisplayFixture.h"
#include "tests/game/play/PlayFixture.h"
#include "tests/game/play/PlayStateFixture.h"

namespace {

const int kEffectBackground = 16;
const int kLayerColour = 17;

// Every 8 x 8 cell of the screen its own pixel value, so a picture moved by a multiple of 8 shows
// where it came from.
uint32_t Cell(int x, int y) { return 1u + static_cast<uint32_t>(x >> 3) + (static_cast<uint32_t>(y >> 3) << 7); }

void DrawCells(cSurface& surface) {
    cLockedView locked(surface);
    ASSERT_TRUE(locked.IsLocked());
    const cPixelView& view = locked.View();
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) view.Set(x, y, Cell(x, y));
}

// The screen-effect table: entry k of kind k with the database's default parameters.
const int kDefaults[14][5] = {
    {0, 0, 0, 0, 0},     {10, 0, 0, 640, 0},   {10, 4, 4, 0, 0},    {10, 4, 4, 0, 0},  {10, 0, 640, 15, 0},
    {10, 0, 480, 20, 0}, {10, 0, 640, 15, 0},  {10, 0, 480, 20, 0}, {10, 10, 0, 0, 0}, {10, 0, 1440, 0, 0},
    {10, 640, 0, 0, 0},  {10, 640, 1280, 0, 0}, {10, 1500, 5, 0, 0}, {10, 1, 60, 0, 0},
};

}  // namespace

class ScreenEffects : public PlayFixture {
protected:
    ScreenEffects()
        : m_Display(640, 480, m_Surfaces, m_Rows, kPictureTableRows),
          m_SavedEffects(ProjectDatabase().m_ScrEffects),
          m_SavedProtos(ScrEffectProtoTable()),
          m_SavedCharaProtos(CharaEffectProtoTable()) {
        std::copy(Display().Palette, Display().Palette + kPaletteSize, m_SavedPalette);
        std::copy(Display().BasePalette, Display().BasePalette + kPaletteSize, m_SavedBase);
        BlankPictureRows(m_Rows, kPictureTableRows);
        for (int row : {kSurfaceFirstWork, kSurfaceSecondWork}) {
            m_Rows[row].nBlankWidth = 640;
            m_Rows[row].nBlankHeight = 480;
        }
        SetTable(kDefaults);
    }
    ~ScreenEffects() override {
        ProjectDatabase().m_ScrEffects = m_SavedEffects;
        ScrEffectProtoTable() = m_SavedProtos;
        CharaEffectProtoTable() = m_SavedCharaProtos;
        std::copy(m_SavedPalette, m_SavedPalette + kPaletteSize, Display().Palette);
        std::copy(m_SavedBase, m_SavedBase + kPaletteSize, Display().BasePalette);
        Display().nBpp = m_SavedBpp;
    }
    void SetUp() override {
        ASSERT_TRUE(m_Display.IsReady());
        Display().Palette[kEffectBackground] = {31, 0, 31, 0};
        const int rows[] = {kSurfaceSecondWork, kSurfaceFirstWork};
        ASSERT_TRUE(DDLoadSurfaces(m_Surfaces, rows, 2));
        // A back layer of one colour, which the blink draws over the stage.
        cEdStage stage = Stage();
        stage.m_BackLayers.resize(1);
        stage.m_BackLayers[0].m_ShowAtStart = 1;
        stage.m_BackLayers[0].m_UseColor = 1;
        stage.m_BackLayers[0].m_Color = kLayerColour;
        ProjectStage() = stage;
        ASSERT_TRUE(m_Scene.SetStage(ProjectStage()));
    }
    static void SetTable(const int (&params)[14][5]) {
        cRecordVector<cScrEffect>& table = ProjectDatabase().m_ScrEffects;
        table.assign(14, cScrEffect());
        for (int k = 0; k < 14; ++k) {
            table[k].m_Type = k;
            std::copy(params[k], params[k] + 5, table[k].m_Params);
        }
        BuildScrEffectProtos(ScrEffectProtoTable(), ProjectDatabase());
    }
    // The picture of the running effect over the cells.
    cSurface& Paint() {
        cSurface& back = Display().Back;
        DrawCells(back);
        PaintScreenEffect(m_Scene, back);
        return back;
    }
    uint32_t Background() { return DDIndexToPixel(kEffectBackground); }

    cSurface m_Surfaces[kPictureTableRows];
    cPictureRow m_Rows[kPictureTableRows];
    cWindowDisplay m_Display;
    cRecordVector<cScrEffect> m_SavedEffects;
    cEffectStates m_SavedProtos;
    cEffectStates m_SavedCharaProtos;
    PALETTEENTRY m_SavedPalette[kPaletteSize];
    PALETTEENTRY m_SavedBase[kPaletteSize];
    int32_t m_SavedBpp = Display().nBpp;
    cPlayScene m_Scene;
};

// A value counts from start toward end; screen effects compare its integer part, character
// effects the value itself. The answer is the step on which the effect ends.
TEST_F(ScreenEffects, AdvanceEndsPastTheEnd) {
    const struct {
        const char* name;
        bool screen;
        double value, step;
        int32_t start, end;
        int endsOn;
    } cases[] = {
        // From 0 by tenths of a second: the value reaches 2 on step 12; its integer part passes 2
        // only on step 19, as eighteen sixths add up to just under 3.
        {"screen rising", true, 0, 1.0 / 6, 0, 2, 19},
        {"chara rising", false, 0, 1.0 / 6, 0, 2, 13},
        // 640 down to 0: the value reaches 0 on step 60 and its integer part drops below 0 on the next.
        {"screen falling", true, 640, 640.0 / 60, 640, 0, 61},
        {"chara falling", false, 64, 1, 64, 32, 33},
        {"screen falling by a fraction", true, 3, 0.5, 3, 0, 8},
        {"chara falling by a fraction", false, 3, 0.5, 3, 0, 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cEffectState state;
        state.nEffect = 1;
        state.dValue = c.value;
        state.dStep = c.step;
        int step = 0, ended = 0;
        while (!ended && step < 1000) {
            ++step;
            ended = c.screen ? AdvanceScrEffect(state, c.start, c.end) : AdvanceCharaEffect(state, c.start, c.end);
        }
        EXPECT_EQ(c.endsOn, step);
        EXPECT_EQ(1, state.nEffect);  // the caller clears the number
    }
}

// A repeating effect starts again from its ready-made state, keeps its number and never ends.
TEST_F(ScreenEffects, ARepeatingEffectRestartsAndKeepsItsNumber) {
    m_Scene.StartScreenEffect(13, 1);
    m_Scene.m_ScrEffect.wWord = 7;
    const cEffectState proto = ScrEffectProtoTable()[13];
    int restarts = 0;
    double last = m_Scene.m_ScrEffect.dValue;
    for (int frame = 0; frame < 200; ++frame) {
        EXPECT_EQ(0, StepScreenEffect(m_Scene, 0));
        if (m_Scene.m_ScrEffect.dValue < last) {
            ++restarts;
            EXPECT_EQ(proto.dValue, m_Scene.m_ScrEffect.dValue);
            EXPECT_EQ(0, m_Scene.m_ScrEffect.wWord);
        }
        last = m_Scene.m_ScrEffect.dValue;
        ASSERT_EQ(13, m_Scene.m_ScrEffect.nEffect);
        EXPECT_EQ(1, m_Scene.m_ScrEffect.nRepeat);
    }
    // 1 to 60 by 59 / 60 a frame: past 60 after 62 frames.
    EXPECT_EQ(3, restarts);
}

// Each kind's picture at a moment its state is set to, probed where the picture must come from.
TEST_F(ScreenEffects, EachKindDrawsTheStageItsWay) {
    const uint32_t bg = Background();
    struct cProbe {
        int x, y;
        int fromX, fromY;  // -1: the background colour, -2: the back layer's
    };
    // The player's centre at the screen's centre.
    cPlayerActor& player = m_Scene.m_Players[0];
    player.m_ScreenRect.left = 320 - (player.m_DrawWidth >> 1);
    player.m_ScreenRect.top = 240 - (player.m_DrawHeight >> 1);
    const struct {
        int kind;
        double value;
        int a, b;
        std::vector<cProbe> probes;
    } cases[] = {
        {1, 0, 96, 48, {{100, 52, 4, 4}, {4, 4, -1, 0}, {639, 479, 639 - 96, 479 - 48}}},
        {2, 0, 8, 0, {{12, 100, 4, 100}, {4, 100, -1, 0}}},
        {3, 0, -8, 0, {{100, 4, 100, 12}, {100, 476, -1, 0}}},
        // Strips of 32 rows: the first moved right by the value, the second left.
        {4, 8, 0, 0, {{108, 4, 100, 4}, {100, 36, 108, 36}, {4, 4, -1, 0}, {636, 36, -1, 0}}},
        // Strips of 32 columns: the first moved down, the second up.
        {5, 8, 0, 0, {{4, 108, 4, 100}, {36, 100, 36, 108}, {4, 4, -1, 0}}},
        // Amplitude 0: the wave leaves the picture as it was.
        {6, 0, 90, 0, {{100, 100, 100, 100}, {4, 476, 4, 476}}},
        {7, 0, 90, 0, {{100, 100, 100, 100}}},
        // Blink: while B is set the stage shows as drawn, else the back layer hides it.
        {8, 0, 0, 1, {{100, 100, 100, 100}}},
        {8, 0, 0, 0, {{100, 100, -2, 0}}},
        // A half turn: the picture upside down about the centre.
        {9, 180, 0, 0, {{100, 100, 540, 380}, {540, 380, 100, 100}}},
        // The circle of radius 100 around the player's centre.
        {10, 100, 0, 0, {{320, 240, 320, 240}, {4, 4, -1, 0}, {636, 476, -1, 0}}},
        // The normal size, and twice the width about the player's centre.
        {11, 640, 0, 0, {{100, 100, 100, 100}, {500, 400, 500, 400}}},
        {11, 1280, 0, 0, {{104, 104, 212, 172}, {324, 244, 322, 242}}},
        // The mosaic of size 1 is the picture itself.
        {13, 1, 0, 0, {{100, 100, 100, 100}, {633, 477, 633, 477}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        m_Scene.StartScreenEffect(c.kind, 0);
        m_Scene.m_ScrEffect.dValue = c.value;
        m_Scene.m_ScrEffect.nA = c.a;
        m_Scene.m_ScrEffect.nB = c.b;
        cSurface& back = Paint();
        for (const cProbe& p : c.probes) {
            const uint32_t expected =
                p.fromX == -1 ? bg : p.fromX == -2 ? DDIndexToPixel(kLayerColour) : Cell(p.fromX, p.fromY);
            EXPECT_EQ(expected, PixelAt(back, p.x, p.y)) << p.x << ", " << p.y;
        }
    }
    // The circle follows the player's centre on the screen.
    player.UpdateScreenRect();
    const int cx = player.m_ScreenRect.left + (player.m_DrawWidth >> 1);
    const int cy = player.m_ScreenRect.top + (player.m_DrawHeight >> 1);
    m_Scene.StartScreenEffect(10, 0);
    m_Scene.m_ScrEffect.dValue = 40;
    cSurface& back = Paint();
    EXPECT_EQ(Cell(cx, cy), PixelAt(back, cx, cy));
    EXPECT_EQ(Cell(cx + 30, cy), PixelAt(back, cx + 30, cy));
    EXPECT_EQ(bg, PixelAt(back, cx + 48, cy));
    EXPECT_EQ(bg, PixelAt(back, cx, cy + 48));
}

// The counters each kind keeps: the move's offsets, the shake's swing, the wave's phase and the
// blink's interval; a held effect keeps its picture.
TEST_F(ScreenEffects, CountersMoveOnUnlessHeld) {
    const struct {
        int kind;
        int frames;
        bool hold;
        int a, b;
        double value;
    } cases[] = {
        // 640 dots in 60 frames: 10 a frame (integer division), the value 1/6 a frame.
        {1, 6, false, 60, 0, 1.0},
        // Swing 4 dots, 4 times in 60 frames: 4 x 4 x 4 / 60 = 1 a frame, back at the edge.
        {2, 5, false, 3, 1, 5.0 / 6},
        {2, 4, false, 4, 1, 4.0 / 6},
        {6, 3, false, 3, 0, 3 * 640.0 / 60},
        // Blink: hidden for the first 10 frames, then shown.
        {8, 10, false, 10, 0, 10.0 / 6},
        {8, 11, false, 1, 1, 11.0 / 6},
        {9, 5, true, 0, 0, 0},
        {1, 5, true, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.kind << " after " << c.frames);
        m_Scene.StartScreenEffect(c.kind, 0);
        for (int f = 0; f < c.frames; ++f) EXPECT_EQ(0, StepScreenEffect(m_Scene, c.hold));
        EXPECT_EQ(c.a, m_Scene.m_ScrEffect.nA);
        EXPECT_EQ(c.b, m_Scene.m_ScrEffect.nB);
        EXPECT_NEAR(c.value, m_Scene.m_ScrEffect.dValue, 1e-9);
    }
}

// Damaged entries: a time, strip or wave count of 0 counts as 1; a kind without a picture ends
// the effect at once.
TEST_F(ScreenEffects, DamagedEntriesNeitherDivideByZeroNorRun) {
    int params[14][5];
    std::memcpy(params, kDefaults, sizeof params);
    params[1][0] = 0;
    params[4][3] = 0;
    params[6][3] = 0;
    SetTable(params);
    ProjectDatabase().m_ScrEffects[12].m_Type = 14;
    ProjectDatabase().m_ScrEffects[11].m_Type = -1;
    for (int kind : {1, 4, 6}) {
        SCOPED_TRACE(kind);
        m_Scene.StartScreenEffect(kind, 0);
        Paint();
        EXPECT_EQ(0, StepScreenEffect(m_Scene, 0));
    }
    // The move over 1 tenth: 640 dots in 6 frames.
    m_Scene.StartScreenEffect(1, 0);
    StepScreenEffect(m_Scene, 0);
    EXPECT_EQ(106, m_Scene.m_ScrEffect.nA);
    for (int entry : {11, 12}) {
        m_Scene.StartScreenEffect(entry, 0);
        Paint();
        EXPECT_EQ(1, StepScreenEffect(m_Scene, 1));
        EXPECT_EQ(0, m_Scene.m_ScrEffect.nEffect);
    }
}

// The colour change at 256 colours: the palette tinted toward the colour over the time, back to
// the normal colours, or in flashes; at any other depth the change ends on its first step.
TEST_F(ScreenEffects, ColourChangeTintsThePaletteAt8Bits) {
    for (int i = 0; i < kPaletteSize; ++i) Display().BasePalette[i] = {200, 100, 0, 1};
    Display().nBpp = 8;
    auto frame = [&](int hold) {
        PaintScreenColour(m_Scene.m_ScreenColour, hold);
        m_Scene.m_ScreenColour.Step(hold, Display().nBpp);
    };
    // Time 0 at full strength: the whole tint at once, ended on the first step, and it stays.
    const int32_t atOnce[8] = {0, 0, 255, 100, 0, 0, 0, 0};
    m_Scene.SetScreenColour(atOnce);
    frame(0);
    EXPECT_EQ(0, m_Scene.m_ScreenColour.m_Active);
    EXPECT_EQ(0, Display().Palette[40].peRed);  // nothing of the normal colour is kept
    EXPECT_EQ(255, Display().Palette[40].peBlue);
    frame(0);
    EXPECT_EQ(255, Display().Palette[40].peBlue);

    // Back to the normal colours over 1 tenth (6 frames): halfway after 3.
    const int32_t restore[8] = {0, 0, 0, 0, 1, 1, 0, 0};
    m_Scene.SetScreenColour(restore);
    EXPECT_EQ(0, m_Scene.m_ScreenColour.m_B - 255);  // the previous colour comes back
    for (int f = 0; f < 3; ++f) frame(0);
    frame(0);
    EXPECT_EQ(127, m_Scene.m_ScreenColour.m_Keep);  // 3 / 6 of the way from 0 to 255
    // Held: nothing changes.
    frame(1);
    EXPECT_EQ(127, m_Scene.m_ScreenColour.m_Keep);
    for (int f = 0; f < 3; ++f) frame(0);
    EXPECT_EQ(255, m_Scene.m_ScreenColour.m_Keep);
    EXPECT_EQ(0, m_Scene.m_ScreenColour.m_Active);

    // Flashes of time 0: each frame tints and puts the normal palette back; the count ends them,
    // a count of 0 after one flash.
    const struct {
        int32_t count;
        int frames;
    } flashes[] = {{3, 3}, {0, 1}, {-2, 1}};
    for (const auto& f : flashes) {
        SCOPED_TRACE(f.count);
        const int32_t flash[8] = {255, 0, 0, 50, 0, 0, 1, f.count};
        m_Scene.SetScreenColour(flash);
        int frames = 0;
        while (m_Scene.m_ScreenColour.m_Active && frames < 100) {
            frame(0);
            ++frames;
            EXPECT_EQ(200, Display().Palette[7].peRed);  // the normal palette after each flash
        }
        EXPECT_EQ(f.frames, frames);
    }

    // 16 bits: the change ends on its first step and draws nothing.
    Display().nBpp = 16;
    Display().Palette[7] = {1, 2, 3, 0};
    m_Scene.SetScreenColour(atOnce);
    frame(0);
    EXPECT_EQ(0, m_Scene.m_ScreenColour.m_Active);
    EXPECT_EQ(1, Display().Palette[7].peRed);
}

// The remaining time warns once a second from the stage's warning time down, only in play.
TEST_F(ScreenEffects, TheRemainingTimeWarnsOnceASecond) {
    cPlayGlobals globals;
    ProjectStage().m_WarningTime = 3;
    cHeadlessHost host;
    m_Scene.SetHost(&host);
    const struct {
        int32_t timeLeft, frames, sound, noLimit;
        bool warns;
    } cases[] = {{3, 120, 1, 0, true}, {4, 120, 1, 0, false}, {0, 120, 1, 0, false},
                 {2, 120, 0, 0, false}, {2, 121, 1, 0, false}, {2, 120, 1, 1, false}};
    for (const auto& c : cases) {
        host.sounds.clear();
        m_Scene.m_TimeLeft = c.timeLeft;
        m_Scene.m_Frames = c.frames;
        m_Scene.m_NoTimeLimit = c.noLimit;
        m_Scene.StepScreenEffects(0, c.sound);
        EXPECT_EQ(c.warns ? std::vector<int>{13} : std::vector<int>{}, host.sounds) << c.timeLeft << " " << c.frames;
    }
}

// A contact sheet of the thirteen kinds, one row each, at three moments of their run (shortly
// before a third, two thirds and the end), written when KIT_SHOT_DIR names a folder; each frame
// differs from the plain picture somewhere.
TEST_F(ScreenEffects, ContactSheetOfTheKinds) {
    const int thumbW = 160, thumbH = 120, gap = 4;
    cSurface sheet;
    ASSERT_TRUE(DDCreateSurface(sheet, 3 * (thumbW + gap) + gap, 13 * (thumbH + gap) + gap, 0, kMemorySystem));
    DDFillRect(sheet, 0, 0, sheet.nWidth, sheet.nHeight, 0);
    for (int kind = 1; kind <= 13; ++kind) {
        m_Scene.StartScreenEffect(kind, 0);
        const int frames = kDefaults[kind][0] * 6;
        int done = 0;
        for (int moment = 1; moment <= 3; ++moment) {
            const int upTo = moment * frames / 3 - 6;
            for (; done < upTo; ++done) StepScreenEffect(m_Scene, 0);
            cSurface& back = Paint();
            int differs = 0;
            for (int y = 4; y < 480; y += 37)
                for (int x = 4; x < 640; x += 41) differs += PixelAt(back, x, y) != Cell(x, y);
            // The blink shows the stage as drawn every other interval.
            if (kind != 8) {
                EXPECT_GT(differs, 0) << "kind " << kind << " moment " << moment;
            }
            DDStretchBlt(sheet, gap + (moment - 1) * (thumbW + gap), gap + (kind - 1) * (thumbH + gap), thumbW, thumbH,
                         back, 0, 0, 640, 480, 0);
        }
    }
    if (const char* dir = std::getenv("KIT_SHOT_DIR"))
        SaveSurface(sheet, sheet.nWidth, sheet.nHeight, std::string(dir) + "\\screen-effects.bmp");
    DDReleaseSurface(sheet);
}
