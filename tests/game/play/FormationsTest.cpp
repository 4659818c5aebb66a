#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "game/media/Blit.h"
#include "game/play/Formations.h"
#include "tests/game/media/DisplayFixture.h"
#include "tests/game/play/CharaFixture.h"

namespace {

// The flight angle of a placement: 0 left, 90 up, 180 right, 270 down.
int FlightAngle(const cPlacement& p) {
    double a = std::atan2(-p.vy, -p.vx) * 57.29577951308232;
    if (a < 0) a += 360;
    return static_cast<int>(std::lround(a)) % 360;
}

// A shot of the formation with its direction, count and three formation parameters, at speed 20.
cEdShot FormationShot(int formation, int dir, int count, int param1, int param2, int param3) {
    cEdShot shot;
    shot.m_Formation = static_cast<uint8_t>(formation);
    shot.m_Dir = static_cast<uint8_t>(dir);
    shot.m_Count = static_cast<uint8_t>(count);
    shot.m_FormParam[0] = static_cast<int16_t>(param1);
    shot.m_FormParam[1] = static_cast<int16_t>(param2);
    shot.m_FormParam[2] = static_cast<int16_t>(param3);
    shot.m_Speed = 20;
    return shot;
}

}  // namespace

class Formations : public CharaFixture {
protected:
    // The shooter's 32 x 32 picture at (200, 200) of the screen, facing right; its target's at
    // (400, 200).
    void SetUp() override {
        CharaFixture::SetUp();
        m_Shooter = Chara({});
        Place(m_Shooter, 200, 200);
        m_Shooter.m_Facing = 1;
        m_Target = Chara({});
        Place(m_Target, 400, 200);
    }
    static void Place(cActor& actor, int left, int top) {
        actor.m_ScreenRect = cRect{left, top, left + 31, top + 31};
        actor.m_DrawWidth = actor.m_DrawHeight = 32;
    }
    std::vector<cPlacement> Volleys(const cEdShot& shot, bool target) {
        m_Shooter.m_Flow.m_Target = target ? &m_Target : nullptr;
        std::vector<cPlacement> out;
        cPlayRandom random;
        FireVolleys(m_Shooter, shot, 0, random, [&](const cPlacement& p) { out.push_back(p); });
        return out;
    }
    double StageX(int screen) const { return screen + m_Scene.m_ScrollX.m_Pos; }
    double StageY(int screen) const { return screen + m_Scene.m_ScrollY.m_Pos; }

    cCharaActor m_Shooter;
    cCharaActor m_Target;
};

// Every formation in its directions: how many objects, at which angles and where the first one
// starts (relative to the shooter's box, stage dots).
TEST_F(Formations, VolleysByFormationAndDirection) {
    const struct {
        const char* name;
        int formation, dir, count, param1, param2, param3;
        bool target;
        std::vector<int> angles;
        double firstX, firstY;  // relative to the shooter's left and top
    } cases[] = {
        {"A forward (right), a line of 3", 0, 0, 3, 1, 0, 0, false, {180, 180, 180}, 32, 16 - 16 - 24},
        {"A backward (left)", 0, 1, 1, 0, 0, 0, false, {0}, 1 - 16, 8},
        {"A up", 0, 6, 2, 0, 0, 0, false, {90, 90}, 0, -16},
        {"A down", 0, 7, 1, 0, 0, 0, false, {270}, 8, 32},
        {"B up: a column beside the shooter's front", 1, 6, 2, 1, 0, 0, false, {90, 90}, 32, 16},
        {"B left", 1, 2, 1, 0, 0, 0, false, {0}, 1 - 16, 16},
        {"spread, even: nothing on the base angle", 2, 2, 2, 30, 0, 0, false, {345, 15}, 1 - 16, 8},
        {"spread, odd: one on it", 2, 2, 3, 30, 0, 0, false, {330, 0, 30}, 1 - 16, 8},
        {"spread, 4 down", 2, 7, 4, 10, 0, 0, false, {255, 265, 275, 285}, 8, 32},
        {"thunder without a target", 3, 3, 3, 0, 1, 0, false, {}, 0, 0},
        {"thunder from the left edge, 2 rows", 3, 3, 2, 0, 2, 1, true, {180, 180, 180, 180}, 0, 0},
        {"explosion of 4", 4, 3, 4, 0, 0, 0, false, {180, 270, 0, 90}, 8, 8},
        {"surround without a target", 5, 2, 4, 6, 0, 0, false, {}, 0, 0},
        {"surround of 4 at 6 hbl", 5, 2, 4, 6, 0, 0, true, {0, 90, 180, 270}, 200 + 8 + 96, 8},
        {"no count, nothing", 4, 3, 0, 0, 0, 0, false, {}, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const cEdShot shot = FormationShot(c.formation, c.dir, c.count, c.param1, c.param2, c.param3);
        const std::vector<cPlacement> placed = Volleys(shot, c.target);
        std::vector<int> angles;
        for (const cPlacement& p : placed) angles.push_back(FlightAngle(p));
        EXPECT_EQ(c.angles, angles);
        if (placed.empty() || c.formation == 3) continue;
        EXPECT_DOUBLE_EQ(StageX(200) + c.firstX, placed[0].x);
        EXPECT_DOUBLE_EQ(StageY(200) + c.firstY, placed[0].y);
    }
}

// The thunder's trains enter at the view's edge in line with the target, the rows centred on it.
TEST_F(Formations, ThunderRowsAreCentredOnTheTarget) {
    cEdShot shot;
    shot.m_Formation = 3;
    shot.m_Dir = 0;  // forward: right
    shot.m_Count = 2;
    shot.m_FormParam[1] = 2;
    shot.m_FormParam[2] = 1;  // rows 16 dots apart
    shot.m_Speed = 20;
    const std::vector<cPlacement> placed = Volleys(shot, true);
    ASSERT_EQ(4u, placed.size());
    const double centreY = StageY(200 + 16) - 8;
    EXPECT_DOUBLE_EQ(m_Scene.m_ScrollX.m_Pos, placed[0].x);
    EXPECT_DOUBLE_EQ(centreY - 8, placed[0].y);
    EXPECT_DOUBLE_EQ(centreY + 8, placed[1].y);
    EXPECT_DOUBLE_EQ(m_Scene.m_ScrollX.m_Pos + 16, placed[2].x);
}

// Each clone's volley gets the per-clone increments once more; the random spread stays within
// its size, a negative spread counting as its size.
TEST_F(Formations, CloneVolleysAndSpread) {
    cEdShot shot;
    shot.m_Formation = 4;
    shot.m_Count = 1;
    shot.m_Dir = 2;
    shot.m_Clones = 2;
    shot.m_Speed = 10;
    shot.m_SpeedClone = 5;
    shot.m_Angle = 0;
    shot.m_AngleClone = 10;
    shot.m_OffsetX = 4;
    shot.m_OffsetXClone = 2;
    shot.m_FlipX = 1;
    const std::vector<cPlacement> placed = Volleys(shot, false);
    ASSERT_EQ(3u, placed.size());
    const double speeds[] = {1.0, 1.5, 2.0};
    const int offsets[] = {-4, -6, -8};  // mirrored: the shooter faces right
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(i, placed[i].clone);
        EXPECT_DOUBLE_EQ(speeds[i], placed[i].speed);
        EXPECT_DOUBLE_EQ(10.0 * i, placed[i].angleOffset);
        EXPECT_DOUBLE_EQ(offsets[i], placed[i].offsetX);
    }
    shot.m_Clones = 50;
    shot.m_AngleClone = 0;
    for (int spread : {5, -5}) {
        shot.m_Spread = static_cast<int16_t>(spread);
        bool varied = false;
        for (const cPlacement& p : Volleys(shot, false)) {
            EXPECT_LE(std::fabs(p.angleOffset), 5.0);
            varied = varied || p.angleOffset != 0;
        }
        EXPECT_TRUE(varied) << spread;
    }
}

TEST_F(Formations, DirectionCodesFollowTheFacing) {
    const struct {
        int dir, facing, flowDir, code;
    } cases[] = {
        {0, 1, 0, 3}, {0, 0, 0, 2}, {1, 1, 0, 2}, {1, 0, 0, 3}, {4, 1, 0, 7}, {4, 0, 0, 6},
        {5, 1, 0, 6}, {5, 0, 0, 7}, {12, 1, 9, 9}, {8, 1, 0, 8}, {11, 0, 0, 11},
    };
    for (const auto& c : cases) EXPECT_EQ(c.code, DirectionCode(c.dir, c.facing, c.flowDir)) << c.dir << "," << c.facing;
    m_Shooter.m_Flow.m_Target = nullptr;
    EXPECT_EQ(180, AimAngle(m_Shooter, 0, 0));
    m_Shooter.m_Facing = 0;
    EXPECT_EQ(0, AimAngle(m_Shooter, 0, 0));
    m_Shooter.m_Flow.m_Target = &m_Target;
    EXPECT_EQ(180, AimAngle(m_Shooter, StageX(216), StageY(216)));  // straight right
}

// The scene's shots: a command's volley becomes shots, no more than the cap, and a removed
// character is no longer anyone's target.
TEST_F(Formations, SceneShotsAreCappedAndForgetRemovedTargets) {
    cEdShot shot;
    shot.m_Formation = 4;
    shot.m_Count = 200;
    shot.m_Clones = 20;
    shot.m_Speed = 10;
    shot.m_MoveType = 3;
    m_Scene.m_Charas.push_back(m_Target);
    cActor* target = &m_Scene.m_Charas.back();
    m_Shooter.m_Flow.m_Target = target;
    FireShots(m_Scene, m_Shooter, 11, shot, 0);
    EXPECT_EQ(cPlayScene::kMaxShots, m_Scene.m_Shots.size());
    EXPECT_EQ(1, m_Scene.m_ShotsCapped);
    EXPECT_EQ(target, m_Scene.m_Shots.front().m_Target);
    m_Scene.ForgetTarget(target);
    for (const cShotObj& s : m_Scene.m_Shots) ASSERT_EQ(nullptr, s.m_Target);
    m_Scene.m_Shots.clear();
    shot.m_MoveType = 1;  // shots that do not head for the target do not keep it
    shot.m_Clones = 0;
    shot.m_Count = 1;
    FireShots(m_Scene, m_Shooter, 11, shot, 0);
    ASSERT_EQ(1u, m_Scene.m_Shots.size());
    EXPECT_EQ(nullptr, m_Scene.m_Shots.front().m_Target);
}

// A picture of each formation's volley, written when KIT_SHOT_DIR names a folder: the shooter
// (green, facing right) and its target (red) as the tests place them, each object's start box
// (yellow) and where it flies in its first 40 frames (a dot every 4). Every formation lays out
// objects somewhere on its panel.
TEST_F(Formations, ContactSheetOfTheFormations) {
    cWindowDisplay display;
    ASSERT_TRUE(display.IsReady());
    PALETTEENTRY saved[kPaletteSize];
    std::copy(Display().Palette, Display().Palette + kPaletteSize, saved);
    enum { kInk = 1, kShooterInk, kTargetInk, kShotInk, kTrailInk, kFrameInk };
    // The display's palette holds 5-6-5 components.
    const PALETTEENTRY inks[] = {{0, 0, 0, 0},   {3, 3, 6, 0},    {5, 50, 7, 0}, {28, 6, 6, 0},
                                 {31, 55, 5, 0}, {31, 63, 31, 0}, {11, 22, 15, 0}};
    std::copy(std::begin(inks), std::end(inks), Display().Palette);
    const struct {
        const char* name;
        int formation, dir, count, param1, param2, param3;
        bool target;
    } formations[] = {
        {"A: a line of 3 forward", 0, 0, 3, 1, 0, 0, false},
        {"B: a column of 3 upward", 1, 6, 3, 1, 0, 0, false},
        {"spread: 5 at 20 degrees", 2, 0, 5, 20, 0, 0, false},
        {"thunder: 3 in 2 rows at the target", 3, 3, 3, 0, 2, 1, true},
        {"explosion of 8", 4, 3, 8, 0, 0, 0, false},
        {"surround of 8 at 3 hbl", 5, 2, 8, 3, 0, 0, true},
    };
    const int panelW = 480, panelH = 240, gap = 4;
    // The panel's view onto the screen: the shooter at (200, 200), the target at (400, 200), the
    // thunder's entry at the left edge.
    const int viewX = 0, viewY = 80;
    cSurface sheet, panel;
    ASSERT_TRUE(DDCreateSurface(sheet, 3 * (panelW + gap) + gap, 2 * (panelH + gap) + gap, 0, kMemorySystem));
    ASSERT_TRUE(DDCreateSurface(panel, 640, 480, 0, kMemorySystem));
    DDFillRect(sheet, 0, 0, sheet.nWidth, sheet.nHeight, kFrameInk);
    for (size_t i = 0; i < sizeof formations / sizeof formations[0]; ++i) {
        const auto& f = formations[i];
        SCOPED_TRACE(f.name);
        const std::vector<cPlacement> placed =
            Volleys(FormationShot(f.formation, f.dir, f.count, f.param1, f.param2, f.param3), f.target);
        EXPECT_FALSE(placed.empty());
        DDFillRect(panel, 0, 0, 640, 480, kInk);
        DDFillRect(panel, 200, 200, 32, 32, kShooterInk);
        if (f.target) DDFillRect(panel, 400, 200, 32, 32, kTargetInk);
        int shown = 0;
        for (const cPlacement& p : placed) {
            const int x = static_cast<int>(p.x - m_Scene.m_ScrollX.m_Pos), y = static_cast<int>(p.y - m_Scene.m_ScrollY.m_Pos);
            for (int t = 4; t <= 40; t += 4)
                DDFillRect(panel, x + 6 + static_cast<int>(p.vx * t), y + 6 + static_cast<int>(p.vy * t), 3, 3, kTrailInk);
            DDFillRect(panel, x + 4, y + 4, 8, 8, kShotInk);
            shown += x + 12 > viewX && x < viewX + panelW && y + 12 > viewY && y < viewY + panelH;
        }
        EXPECT_GT(shown, 0) << "objects in the panel";
        DDBlt(sheet, gap + static_cast<int>(i % 3) * (panelW + gap), gap + static_cast<int>(i / 3) * (panelH + gap),
              panelW, panelH, panel, viewX, viewY, 0);
    }
    if (const char* dir = std::getenv("KIT_SHOT_DIR"))
        SaveSurface(sheet, sheet.nWidth, sheet.nHeight, std::string(dir) + "\\formations.bmp");
    DDReleaseSurface(panel);
    DDReleaseSurface(sheet);
    std::copy(saved, saved + kPaletteSize, Display().Palette);
}
