#include <gtest/gtest.h>

#include <cmath>

#include "data/ProjectDatabase.h"
#include "data/SwordRecords.h"
#include "game/play/ShotObj.h"
#include "tests/game/play/CharaFixture.h"

class ShotObj : public CharaFixture {
protected:
    // A shooter whose 32 x 32 picture is at (300, 200) of the screen.
    void SetUp() override {
        CharaFixture::SetUp();
        m_Owner = Chara({});
        m_Owner.m_Number = 7;
        m_Owner.m_ScreenRect = cRect{300, 200, 331, 231};
    }
    // A placement at the shooter's stage position flying right at speed (dots per frame).
    cPlacement Placement(double speed) const {
        cPlacement p;
        p.speed = speed;
        p.vx = speed;
        p.x = 300 + m_Scene.m_ScrollX.m_Pos + 40;
        p.y = 200 + m_Scene.m_ScrollY.m_Pos;
        return p;
    }
    // A stage character of the force whose picture is at (left, top) of the screen.
    cCharaActor& AddChara(int number, int force, int left, int top) {
        m_Scene.m_Charas.push_back(Chara({}));
        cCharaActor& chara = m_Scene.m_Charas.back();
        chara.m_Number = number;
        chara.m_Chara.m_Force = static_cast<uint8_t>(force + 1);
        chara.m_ScreenRect = cRect{left, top, left + 31, top + 31};
        chara.m_Present = 1;
        return chara;
    }
    // Puts the shot's centre at the screen point.
    void CentreAt(cShotObj& shot, double x, double y) const {
        shot.m_X = x + m_Scene.m_ScrollX.m_Pos - shot.m_Width / 2.0;
        shot.m_Y = y + m_Scene.m_ScrollY.m_Pos - shot.m_Height / 2.0;
    }
    static int Heading(const cShotObj& shot) {
        double a = std::atan2(-shot.m_dSpeedY, -shot.m_dSpeedX) * 57.29577951308232;
        if (a < 0) a += 360;
        return static_cast<int>(std::lround(a)) % 360;
    }

    cCharaActor m_Owner;
};

// Range frames: the range less the shot's width over its speed, the speed divisor when the shot
// does not move; the lifetime in frames scaled the same way.
TEST_F(ShotObj, RangeAndLifetimeFrames) {
    const struct {
        const char* name;
        int level, range, life;
        double speed;
        int rangeFrames, lifeFrames;
    } cases[] = {
        {"4 hbl at 2 dots", 1, 4, 10, 2.0, 0, 60},
        {"speed 0 at level 1", 1, 4, 0, 0.0, 1, 0},
        {"speed 0 at level 3", 3, 4, 1, 0.0, 3, 18},
        {"range shorter than the shot", 1, 0, 0, 2.0, 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ProjectStage().SetSpeedLevel(c.level);
        cEdShot record;
        record.m_UseRange = 1;
        record.m_UseLife = 1;
        cPlacement p = Placement(c.speed);
        p.range = c.range;
        p.life = c.life;
        cShotObj shot;
        shot.Setup(1, m_Owner, 11, record, p);
        const int expected = c.rangeFrames ? c.rangeFrames : static_cast<int>((c.range * 16 - shot.m_Width) / c.speed);
        EXPECT_EQ(expected, shot.m_RangeFrames);
        EXPECT_EQ(c.lifeFrames, shot.m_LifeFrames);
        EXPECT_FALSE(std::isnan(shot.m_dSpeedX));
    }
}

// A range shorter than one frame's flight is flown in that frame: the speeds shrink to cover
// the range less the shot's width over the speed divisor's steps, in the direction they had.
TEST_F(ShotObj, ARangeShorterThanAFramesFlight) {
    ProjectStage().SetSpeedLevel(3);
    cEdShot record;
    record.m_UseRange = 1;
    cPlacement p = Placement(300.0);
    p.vx = 180.0;  // a 3 : 4 : 5 triangle
    p.vy = -240.0;
    p.range = 4;
    cShotObj shot;
    shot.Setup(1, m_Owner, 11, record, p);
    const double flight = (4 * 16 - shot.m_Width) / 3.0;
    ASSERT_GT(flight, 0.0);
    EXPECT_EQ(3, shot.m_RangeFrames);
    EXPECT_DOUBLE_EQ(flight * 3 / 7, shot.m_dSpeedX);
    EXPECT_DOUBLE_EQ(-flight * 4 / 7, shot.m_dSpeedY);
}

// At the end of its range a shot vanishes, or with "最後に消滅しない" stops and waits out its
// lifetime.
TEST_F(ShotObj, EndOfRange) {
    for (int keep : {0, 1}) {
        SCOPED_TRACE(keep);
        cEdShot record;
        record.m_UseRange = 1;
        record.m_NoVanishAtEnd = static_cast<uint8_t>(keep);
        record.m_UseLife = 1;
        cPlacement p = Placement(2.0);
        p.range = 2;
        p.life = 3;  // 18 frames
        cShotObj shot;
        shot.Setup(1, m_Owner, 11, record, p);
        const int frames = shot.m_RangeFrames;
        ASSERT_LT(frames, 18);
        int removedAt = -1;
        for (int f = 1; f <= 40 && removedAt < 0; ++f)
            if (shot.Step(m_Scene)) removedAt = f;
        if (!keep) {
            EXPECT_EQ(frames, removedAt);
        } else {
            EXPECT_EQ(19, removedAt);
            EXPECT_EQ(0.0, shot.m_dSpeedX);
            EXPECT_EQ(0, shot.m_Shot.m_MoveType);
        }
    }
}

// Homing with no change distance homes from its first frame; the nearest-character kinds choose
// again every frame; a homing shot without speed never divides by it.
TEST_F(ShotObj, Homing) {
    cEdShot record;
    record.m_MoveType = 4;
    record.m_Speed = 10;
    record.m_MoveParam[1] = 999;
    cShotObj shot;
    shot.Setup(1, m_Owner, 11, record, Placement(1.0));
    cPlayerActor& player = m_Scene.m_Players[0];
    player.m_ScreenRect = cRect{300, 0, 331, 31};  // straight above the shot
    player.m_DrawWidth = player.m_DrawHeight = 32;
    CentreAt(shot, 316, 216);
    shot.Step(m_Scene);
    EXPECT_EQ(90, Heading(shot));

    for (int type : {5, 7}) {
        SCOPED_TRACE(type);
        m_Scene.m_Charas.clear();
        record.m_MoveType = static_cast<uint8_t>(type);
        record.m_MoveParam[2] = 2;
        shot.Setup(1, m_Owner, 11, record, Placement(1.0));
        CentreAt(shot, 348, 216);
        cCharaActor& left = AddChara(20, 2, 200, 200);
        cCharaActor& right = AddChara(21, 2, 560, 200);
        AddChara(22, 3, 350, 200);  // nearest, but of another force
        shot.Step(m_Scene);
        EXPECT_EQ(0, Heading(shot));
        left.m_Dead = 1;
        shot.Step(m_Scene);
        EXPECT_EQ(180, Heading(shot));
        right.m_Dead = 1;
        shot.Step(m_Scene);
        EXPECT_EQ(180, Heading(shot)) << "none left: the speeds stay";
    }

    // Homing ends on its end frame: from 1 hbl away at 1 dot a frame, the 16th.
    record.m_MoveType = 4;
    record.m_MoveParam[1] = 1;
    shot.Setup(1, m_Owner, 11, record, Placement(1.0));
    CentreAt(shot, 316, 216);
    for (int f = 0; f < 15; ++f) shot.Step(m_Scene);
    player.m_ScreenRect = cRect{100, 200, 131, 231};  // left of the shot
    shot.Step(m_Scene);
    EXPECT_EQ(0, Heading(shot)) << "the 15th frame still homes";
    player.m_ScreenRect = cRect{500, 200, 531, 231};
    shot.Step(m_Scene);
    EXPECT_EQ(0, Heading(shot)) << "the 16th does not";

    record.m_MoveType = 6;
    record.m_Speed = 0;
    record.m_MoveParam[0] = 5;
    shot.Setup(1, m_Owner, 11, record, Placement(0.0));
    shot.Step(m_Scene);
    EXPECT_EQ(0, shot.m_ChangeFrame);
    EXPECT_EQ(0.0, shot.m_dSpeedX);
}

// A wave moves the shot across its flight one way and back; a wave speed of 0 makes no wave.
// A speed that would turn from one frame to the next stops at 0 for a frame instead.
TEST_F(ShotObj, Wave) {
    for (int waveSpeed : {0, 4}) {
        SCOPED_TRACE(waveSpeed);
        cEdShot record;
        record.m_MoveType = 8;
        record.m_MoveParam[0] = 4;
        record.m_MoveParam[1] = static_cast<int16_t>(waveSpeed);
        cShotObj shot;
        shot.Setup(1, m_Owner, 11, record, Placement(2.0));
        int ways = 0;  // 1 down, 2 up
        double last = 0;
        for (int f = 0; f < 120; ++f) {
            shot.Step(m_Scene);
            ASSERT_FALSE(std::isnan(shot.m_dSpeedY));
            ASSERT_GE(shot.m_dSpeedY * last, 0.0) << "frame " << f;
            last = shot.m_dSpeedY;
            ways |= last > 0 ? 1 : last < 0 ? 2 : 0;
        }
        EXPECT_EQ(waveSpeed != 0 ? 3 : 0, ways);
    }
}

// A sword follows its positions and ends after the last; without positions it ends at once.
TEST_F(ShotObj, SwordPositions) {
    cRestoreOnExit<cRecordVector<cSwordType>> saved(ProjectDatabase().m_SwordTypes);
    cRecordVector<cSwordType>& types = ProjectDatabase().m_SwordTypes;
    types.resize(2);
    types[0].m_Positions.clear();
    types[1].m_Positions.resize(2);
    for (cSwordPos& pos : types[1].m_Positions) {
        pos.m_Width = 24;
        pos.m_Height = 8;
        pos.m_Time = 1;  // 6 frames at one sub-step a frame
        pos.m_Direction = 0;
        pos.m_X = pos.m_Y = 0;
    }
    types[1].m_Positions[1].m_Direction = 2;
    m_Scene.m_Charas.push_back(m_Owner);
    cCharaActor& owner = m_Scene.m_Charas.back();
    owner.m_Facing = 1;
    const struct {
        int type, lastsFrames;
    } cases[] = {{0, 1}, {1, 14}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        cEdShot record;
        record.m_MoveType = static_cast<uint8_t>(c.type);
        cShotObj sword;
        sword.Setup(2, owner, 12, record, Placement(0.0));
        int ended = 0;
        for (int f = 1; f <= 40 && !ended; ++f) {
            if (sword.Step(m_Scene)) ended = f;
            if (!ended && f == 1) {
                EXPECT_DOUBLE_EQ(332 + m_Scene.m_ScrollX.m_Pos, sword.m_X) << "in front, facing right";
                EXPECT_EQ(24, sword.m_Width);
            }
            if (!ended && f == 8) {
                EXPECT_DOUBLE_EQ(200 - 8 + m_Scene.m_ScrollY.m_Pos, sword.m_Y) << "above";
            }
        }
        EXPECT_EQ(c.lastsFrames, ended);
    }
    m_Scene.m_Charas.clear();
    cEdShot record;
    record.m_MoveType = 1;
    cShotObj orphan;
    orphan.Setup(2, m_Owner, 12, record, Placement(0.0));
    EXPECT_EQ(1, orphan.Step(m_Scene)) << "its owner has gone";
}

// A box wider than a cell is tested in every cell it covers, not only at its corners.
TEST_F(ShotObj, HitsBlock) {
    cEdStage stage = Stage();
    stage.SetSpeedLevel(1);
    cEdBlock solid = Block(3);
    solid.m_BlockType = 1;
    stage.m_Blocks.Put(stage.CellIndex(6, 5), solid);
    ProjectStage() = stage;
    ASSERT_TRUE(m_Scene.SetStage(stage));
    const struct {
        const char* name;
        int left, width, pierce, hits;
    } cases[] = {
        {"wide, block under its middle", 5 * 32, 96, 0, 1},
        {"wide, clear of the block", 8 * 32, 96, 0, 0},
        {"narrow, corner in the block", 6 * 32 + 20, 16, 0, 1},
        {"narrow, beside it", 7 * 32, 16, 0, 0},
        {"piercing", 6 * 32, 16, 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cShotObj shot;
        shot.m_Shot.m_PierceBlock = static_cast<uint8_t>(c.pierce);
        shot.m_X = 320 + c.left;
        shot.m_Right = shot.m_X + c.width - 1;
        shot.m_Y = 320 + 5 * 32 + 4;
        shot.m_Bottom = shot.m_Y + 7;
        shot.m_Control[2] = 0;
        EXPECT_EQ(c.hits, shot.HitsBlock(m_Scene));
    }
}
