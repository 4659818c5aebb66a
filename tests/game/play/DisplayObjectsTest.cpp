#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <vector>

#include "data/ProjectDatabase.h"
#include "data/Stage.h"
#include "game/data/GameDatabase.h"
#include "game/media/Bitmap.h"
#include "game/media/Blit.h"
#include "game/media/Display.h"
#include "game/media/PictureTable.h"
#include "game/play/PlayPaint.h"
#include "game/play/PlayScene.h"
#include "game/play/PlaySurfaces.h"
#include "tests/game/media/DisplayFixture.h"
#include "tests/game/play/PlayFixture.h"

namespace {

const int kObjectsBackground = 5;
const int kIconColour = 50;

cTextObj Text(int kind, int positionMode, int column, int row, int offsetX, int offsetY, int keep, int timeMode,
              int frames, int countWhileHeld = 0, int instant = 0, const char* text = "") {
    cTextObj object;
    object.Create(kind, text, 0, 1, 0, positionMode, column, row, offsetX, offsetY, keep, timeMode, frames,
                  countWhileHeld, 0, instant);
    return object;
}

}  // namespace

class DisplayObjects : public PlayFixture {
protected:
    DisplayObjects()
        : m_Display(640, 480, m_Surfaces, m_Rows, kPictureTableRows),
          m_SavedEffects(ProjectDatabase().m_Effects),
          m_SavedPatterns(EffectPatternTable()) {
        BlankPictureRows(m_Rows, kPictureTableRows);
        m_Rows[kSurfaceItems].nBlankWidth = 128;
        m_Rows[kSurfaceItems].nBlankHeight = 480;
        // Effect 1: 16 x 8, three frames of 1, 2 and 1 tenths; effect 2 has no frames.
        cRecordVector<cEffect>& effects = ProjectDatabase().m_Effects;
        effects.assign(3, cEffect());
        effects[1].m_CellWidth = 16;
        effects[1].m_CellHeight = 8;
        for (int time : {1, 2, 1}) {
            cEffectFrame frame;
            frame.m_Cell = static_cast<int32_t>(effects[1].m_Frames.size());
            frame.m_Time = time;
            effects[1].m_Frames.push_back(frame);
        }
        effects[2].m_CellWidth = 10;
        effects[2].m_CellHeight = 6;
        BuildEffectPatterns(EffectPatternTable(), ProjectDatabase());
        std::copy(Display().Palette, Display().Palette + kPaletteSize, m_SavedPalette);
        SetTestPalette();
    }
    ~DisplayObjects() override {
        std::copy(m_SavedPalette, m_SavedPalette + kPaletteSize, Display().Palette);
        ProjectDatabase().m_Effects = m_SavedEffects;
        EffectPatternTable() = m_SavedPatterns;
    }
    void SetUp() override {
        ASSERT_TRUE(m_Display.IsReady());
        const int rows[] = {kSurfaceItems};
        ASSERT_TRUE(DDLoadSurfaces(m_Surfaces, rows, 1));
        ProjectStage() = Stage(40, 20);
        ASSERT_TRUE(m_Scene.SetStage(ProjectStage()));
    }

    cSurface m_Surfaces[kPictureTableRows];
    cPictureRow m_Rows[kPictureTableRows];
    cWindowDisplay m_Display;
    cRecordVector<cEffect> m_SavedEffects;
    cAnimePatterns m_SavedPatterns;
    PALETTEENTRY m_SavedPalette[kPaletteSize];
    cPlayScene m_Scene;
};

// A window waiting for the key pops in over nine frames and is whole from the tenth; an instant
// one, or one with a time, is whole at once.
TEST_F(DisplayObjects, WindowsPopInOverNineFrames) {
    const struct {
        int timeMode, instant;
        std::vector<double> counters;  // after each step
    } cases[] = {
        {0, 0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 10}},
        {0, 1, {0, 0}},
        {2, 0, {0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.timeMode << " " << c.instant);
        cTextObj window = Text(cTextObj::eWindow, 0, 0, 0, 0, 0, 0, c.timeMode, 100, 0, c.instant);
        window.m_Shown = 1;
        for (double expected : c.counters) {
            EXPECT_EQ(0, window.Step(0));
            EXPECT_EQ(expected, window.m_PopInCounter);
        }
    }
    // Not shown: it waits.
    cTextObj hidden = Text(cTextObj::eWindow, 0, 0, 0, 0, 0, 0, 0, 0);
    hidden.Step(0);
    EXPECT_EQ(0, hidden.m_PopInCounter);
}

// One empty line measures 20 high, so its window is 2 x 22; icons are 16 x 16.
TEST_F(DisplayObjects, WindowsAreTheirTextsSizePlusTwo) {
    cTextObj empty = Text(cTextObj::eWindow, 0, 0, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(2, empty.m_Width);
    EXPECT_EQ(22, empty.m_Height);
    cTextObj icon = Text(cTextObj::eIcon, 0, 0, 0, 0, 0, 0, 2, 30);
    EXPECT_EQ(16, icon.m_Width);
    EXPECT_EQ(16, icon.m_Height);
}

// Screen positions (mode 7) kept on the screen: x from 0, y from 20, the box inside 640 x 480.
TEST_F(DisplayObjects, KeepOnScreenClampsTheBox) {
    const struct {
        int column, row, offsetX, offsetY, keep;
        int x, y;
    } cases[] = {
        {0, 0, -5, 3, 1, 0, 20},
        {19, 14, 20, 20, 1, 624, 464},  // 16 x 16 past the corner
        {19, 14, 10, 0, 1, 618, 448},   // x + w = 634: inside
        {19, 14, 15, 15, 1, 624, 464},  // x + w = 639 and y + h = 479 pass 638 and 478
        {0, 0, -5, 3, 0, -5, 3},
        {2, 3, 1, 2, 1, 65, 98},
    };
    for (const auto& c : cases) {
        cTextObj icon = Text(cTextObj::eIcon, 7, c.column, c.row, c.offsetX, c.offsetY, c.keep, 2, 30);
        int x = 0, y = 0;
        ASSERT_TRUE(icon.Position(m_Scene, x, y));
        EXPECT_EQ(c.x, x) << c.column << "," << c.row << " +" << c.offsetX;
        EXPECT_EQ(c.y, y) << c.column << "," << c.row << " +" << c.offsetY;
    }
}

// Positions by mode: the screen's centre, above, below and on a character, the stage's cells.
TEST_F(DisplayObjects, PositionModesFollowTheirCharacter) {
    cPlayerActor& player = m_Scene.m_Players[0];
    player.m_ScreenRect = cRect(100, 200, 131, 231);
    player.m_DrawWidth = 32;
    player.m_DrawHeight = 32;
    m_Scene.m_ScrollX.m_Pos = 400;
    m_Scene.m_ScrollY.m_Pos = 330;
    const struct {
        int mode, x, y;
    } cases[] = {{0, 312, 232}, {1, 108, 184}, {2, 108, 232}, {3, 108, 208}, {4, 108, 184}, {8, 2 * 32 + 320 - 400, 3 * 32 + 320 - 330}};
    for (const auto& c : cases) {
        cTextObj icon;
        icon.Create(cTextObj::eIcon, "", 0, 1, 0, c.mode, 2, 3, 0, 0, 0, 2, 30, 0, player.m_Number, 0);
        int x = 0, y = 0;
        ASSERT_TRUE(icon.Position(m_Scene, x, y)) << c.mode;
        EXPECT_EQ(c.x, x) << c.mode;
        EXPECT_EQ(c.y, y) << c.mode;
    }
    cTextObj lost;
    lost.Create(cTextObj::eIcon, "", 0, 1, 0, 1, 0, 0, 0, 0, 0, 2, 30, 0, 999, 0);
    int x = 0, y = 0;
    EXPECT_FALSE(lost.Position(m_Scene, x, y));
}

// An item icon of 30 frames rises 7 dots before it goes; a held one waits unless it counts while
// held.
TEST_F(DisplayObjects, ItemIconsRiseAsTheirTimeRunsOut) {
    DDFillRect(m_Surfaces[kSurfaceItems], 0, 32, 32, 32, kIconColour);  // item 1
    cSurface dest;
    ASSERT_TRUE(DDCreateSurface(dest, 640, 480, 0, kMemorySystem));
    m_Scene.m_TextObjs.push_back(Text(cTextObj::eIcon, 7, 10, 10, 0, 0, 0, 2, 30));
    for (int frame = 0; frame < 30; ++frame) m_Scene.StepDisplayObjects(0);
    ASSERT_EQ(1u, m_Scene.m_TextObjs.size());
    DDFillRect(dest, 0, 0, 640, 480, kObjectsBackground);
    PaintDisplayObjects(m_Scene, dest);
    EXPECT_EQ(DDIndexToPixel(kIconColour), PixelAt(dest, 320, 320 - 7));
    EXPECT_EQ(DDIndexToPixel(kIconColour), PixelAt(dest, 335, 320 - 7 + 15));
    EXPECT_EQ(DDIndexToPixel(kObjectsBackground), PixelAt(dest, 320, 320 - 8));
    EXPECT_EQ(DDIndexToPixel(kObjectsBackground), PixelAt(dest, 320, 320 + 9));
    m_Scene.StepDisplayObjects(1);
    EXPECT_EQ(1u, m_Scene.m_TextObjs.size());
    m_Scene.StepDisplayObjects(0);
    EXPECT_TRUE(m_Scene.m_TextObjs.empty());

    m_Scene.m_TextObjs.push_back(Text(cTextObj::eIcon, 7, 10, 10, 0, 0, 0, 2, 0, 1));
    m_Scene.StepDisplayObjects(1);
    EXPECT_TRUE(m_Scene.m_TextObjs.empty());
    DDReleaseSurface(dest);
}

// Icon sources name their sheets; the character bitmaps' source has no entry 0.
TEST_F(DisplayObjects, IconSourcesFindTheirCells) {
    const struct {
        int source, number, sub;
        int sx, sy, side;
    } cases[] = {{0, 16, 0, 64, 32, 32}, {2, 17, 0, 32, 32, 16}};
    for (const auto& c : cases) {
        int sx = -1, sy = -1, side = 0;
        IconSource(c.source, c.number, c.sub, sx, sy, side);
        EXPECT_EQ(c.sx, sx) << c.source;
        EXPECT_EQ(c.sy, sy) << c.source;
        EXPECT_EQ(c.side, side) << c.source;
    }
    int sx = 0, sy = 0, side = 0;
    EXPECT_EQ(nullptr, IconSource(4, 0, 3, sx, sy, side));
    EXPECT_EQ(nullptr, IconSource(9, 1, 0, sx, sy, side));
}

// A shot icon is the shot's own 16 x 16 picture, 30 to a column as the shots in play draw them,
// copied dot for dot: nothing of the cells around it shows.
TEST_F(DisplayObjects, ShotIconsAreTheShotsSixteenDotPicture) {
    const int kShotColour = 51, kNeighbour = 52;
    m_Rows[kSurfaceShots].nBlankWidth = 64;
    m_Rows[kSurfaceShots].nBlankHeight = 480;
    const int rows[] = {kSurfaceShots};
    ASSERT_TRUE(DDLoadSurfaces(m_Surfaces, rows, 1));
    cSurface& shots = m_Surfaces[kSurfaceShots];
    DDFillRect(shots, 0, 0, 64, 480, kNeighbour);
    DDFillRect(shots, 32, 16, 16, 16, kShotColour);  // shot 31: second column, second row
    cSurface dest;
    ASSERT_TRUE(DDCreateSurface(dest, 640, 480, 0, kMemorySystem));
    DDFillRect(dest, 0, 0, 640, 480, kObjectsBackground);
    cTextObj icon;
    icon.Create(cTextObj::eIcon, "", 3, 31, 0, 7, 10, 10, 0, 0, 0, 2, 30, 0, 0, 0);
    m_Scene.m_TextObjs.push_back(icon);
    PaintDisplayObjects(m_Scene, dest);
    for (int dx : {0, 15})
        for (int dy : {0, 15}) EXPECT_EQ(DDIndexToPixel(kShotColour), PixelAt(dest, 320 + dx, 320 + dy)) << dx << ", " << dy;
    EXPECT_EQ(DDIndexToPixel(kObjectsBackground), PixelAt(dest, 336, 320));
    EXPECT_EQ(DDIndexToPixel(kObjectsBackground), PixelAt(dest, 320, 336));
    int sx = 0, sy = 0, side = 0;
    EXPECT_EQ(nullptr, IconSource(3, -1, 0, sx, sy, side));
    DDReleaseSurface(dest);
}

// At a hit the effect stands centred on where the boxes overlap, moved by a jitter from the
// scene's generator: the same seed gives the same place. Scaled effects are larger and jitter
// further; boxes apart centre it on the origin.
TEST_F(DisplayObjects, EffectsAtAHitAreCentredOnTheOverlap) {
    const struct {
        const char* name;
        cRect first, second;
        int number, scale;
        int centreX, centreY, w, h, reach;
    } cases[] = {
        {"overlap", cRect(100, 100, 131, 131), cRect(120, 110, 150, 140), 1, 1, 126, 121, 16, 8, 4},
        {"scaled", cRect(100, 100, 131, 131), cRect(120, 110, 150, 140), 1, 3, 126, 121, 48, 24, 12},
        {"no frames", cRect(0, 0, 9, 9), cRect(0, 0, 9, 9), 2, 3, 5, 5, 10, 6, 4},
        {"apart", cRect(0, 0, 9, 9), cRect(20, 20, 29, 29), 1, 1, 0, 0, 16, 8, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<double> places[2];
        for (auto& run : places) {
            cPlayRandom random;
            random.Seed(77);
            for (int i = 0; i < 20; ++i) {
                cEffectObj effect;
                effect.CreateAtHit(c.number, c.first, c.second, c.scale, random);
                EXPECT_EQ(c.w, effect.m_Width);
                EXPECT_EQ(c.h, effect.m_Height);
                const double dx = effect.m_X + (c.w >> 1) - c.centreX, dy = effect.m_Y + (c.h >> 1) - c.centreY;
                EXPECT_LE(std::abs(dx), c.reach);
                EXPECT_LE(std::abs(dy), c.reach);
                run.push_back(effect.m_X);
                run.push_back(effect.m_Y);
            }
        }
        EXPECT_EQ(places[0], places[1]);
    }
    // A number the table does not have: logged, entry 0 shown.
    cPlayRandom random;
    cEffectObj bad;
    bad.CreateAtHit(0x8001, cRect(0, 0, 9, 9), cRect(0, 0, 9, 9), 1, random);
    EXPECT_EQ(0, bad.m_Number);
}

// An effect runs its frames (1, 2 and 1 tenths: 24 frames) and then leaves the list; held, it
// waits.
TEST_F(DisplayObjects, EffectsRunTheirFramesThenGo) {
    cEffectObj effect;
    effect.Create(1, 0, 0, 16, 8, 0);
    m_Scene.m_EffectObjs.push_back(effect);
    std::vector<int> cells(3, 0);
    int steps = 0;
    while (!m_Scene.m_EffectObjs.empty() && steps < 100) {
        m_Scene.StepDisplayObjects(1);
        ASSERT_FALSE(m_Scene.m_EffectObjs.empty());
        m_Scene.StepDisplayObjects(0);
        ++steps;
        if (!m_Scene.m_EffectObjs.empty()) ++cells.at(m_Scene.m_EffectObjs.front().m_Cell);
    }
    // Every draw advances before it shows, so the first frame is seen one draw less.
    EXPECT_EQ((std::vector<int>{5, 12, 6}), cells);
    EXPECT_EQ(24, steps);
}

// Pictures: a timed one counts down and goes; the others stay until the scene drops them (a new
// stage empties every list).
TEST_F(DisplayObjects, PicturesCountDownOrStay) {
    cPictureObj timed, kept;
    timed.Set(1, 0, 0, 10, 10, 100, 2, 2, 0);
    kept.Set(1, 0, 0, 10, 10, 50, 0, 0, 0);
    EXPECT_EQ(1, kept.m_Scaled);
    m_Scene.m_PictureObjs = {timed, kept};
    m_Scene.m_Messages.push_back(Text(cTextObj::eWindow, 0, 0, 0, 0, 0, 0, 0, 0));
    for (int frame = 0; frame < 3; ++frame) m_Scene.StepDisplayObjects(0);
    EXPECT_EQ(1u, m_Scene.m_PictureObjs.size());
    EXPECT_EQ(1, m_Scene.m_Messages.front().m_Shown);
    ASSERT_TRUE(m_Scene.SetStage(ProjectStage()));
    EXPECT_TRUE(m_Scene.m_PictureObjs.empty());
    EXPECT_TRUE(m_Scene.m_Messages.empty());
}
