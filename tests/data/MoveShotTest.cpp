#include <gtest/gtest.h>

#include "data/MoveShot.h"
#include "data/ProjectDatabase.h"
#include "tests/support/RestoreOnExit.h"
#include "data/ProjectDatabase.h"
#include "tests/data/FlowBytes.h"

TEST(MoveShot, NewRecordsHoldTheirDefaults) {
    cEdMovePtr move = cEdMove::Create();
    EXPECT_EQ(1.0, move->m_TurnFactor);
    EXPECT_EQ(10, move->m_Speed);
    for (uint8_t flag : {move->m_UseTargetX, move->m_UseTargetY, move->m_StopAtTarget, move->m_FlipX,
                         move->m_ReverseOnTurn})
        EXPECT_EQ(1, flag);
    EXPECT_EQ(0, move->m_FlipY);
    cEdShotPtr shot = cEdShot::Create();
    EXPECT_EQ(1, shot->m_SameForce);
    EXPECT_EQ(1, shot->m_FlipX);
    EXPECT_EQ(1, shot->m_Scale);
    EXPECT_EQ(0, shot->m_Effect);
    // Each Create gives a record of its own.
    EXPECT_NE(cEdShot::Create().get(), shot.get());
}

TEST(MoveShot, MovementRecordSavesItsLayoutAndLoadsBack) {
    cEdMove move;
    move.m_Dir = 12;
    move.m_Angle = -7200;
    move.m_TargetDotY = 640;
    move.m_NoJitter = 1;
    move.m_MaxSpeed = 200;
    move.m_TurnFactor = 0.3;
    cBytes b;
    b.U32(147).U32(28).U8(0).U8(12).U16(0xE3E0).U16(0).U8(1).U8(1).U16(0).U16(0).U16(0).U16(640);
    b.U8(0).U8(1).U8(0).U8(0).U8(1).U8(0).U8(1).U8(1).U8(0);
    b.U16(10).U16(0).U16(0).U16(0).U16(0).U16(0).U8(0).U16(200).Raw(DoubleBytes(0.3)).U32(0);
    EXPECT_EQ(b.Get(), SavedBytes(move));

    cEdMove loaded;
    ASSERT_TRUE(LoadBytes(loaded, b.Get()));
    EXPECT_TRUE(loaded == move);
    loaded.m_TurnFactor = 0.4;
    EXPECT_TRUE(loaded != move);
}

TEST(MoveShot, ShotRecordWritesRangeBeforeItsFlagAndSummonTypeBeforeThePalette) {
    cEdShot shot;
    shot.m_Range = 40;
    shot.m_UseRange = 1;
    shot.m_RangeClone = -40;
    shot.m_SummonType = 2;
    shot.m_FailIfOccupied = 1;
    shot.m_SummonPalette = 1;
    shot.m_SummonIndex = 7;
    shot.m_FormParam[2] = 999;
    shot.m_Power = -999999;
    shot.m_Impact = -20;
    cBytes b;
    b.U32(147).U32(52).U8(0).U8(0).U16(0).U16(0).U16(999).U8(0).U8(0).U16(0).U16(0).U16(0).U8(0).U8(0);
    b.U16(0).U16(0).U16(0).U16(0).U8(1).U8(0).U16(0).U8(0).U8(0).U8(1).U8(0).U8(0).U8(1).U8(0);
    b.U8(0).U16(0).U16(0).U16(0).U16(0).U16(0);
    b.U16(40).U8(1).U16(0xFFD8);  // range, its flag, then the clone value
    b.U8(0).U8(0).U16(0).U16(0).U8(0).U8(0).U8(0).U8(0).I32(-999999).U16(0).U8(0xEC).U16(0).U8(0).U16(0);
    b.U8(2).U8(1).U8(1).U16(7);  // summon type, the occupied flag, then palette and index
    b.U8(0).U8(0).U8(0).U32(0);
    EXPECT_EQ(b.Get(), SavedBytes(shot));

    cEdShot loaded;
    ASSERT_TRUE(LoadBytes(loaded, b.Get()));
    EXPECT_TRUE(loaded == shot);
}

TEST(MoveShot, DefaultRecordsMatchTheSharedFixtures) {
    cEdMove move;
    cBytes m;
    EXPECT_EQ(MoveBytes(m.U32(147)).Get(), SavedBytes(move));
    cEdShot shot;
    cBytes s;
    EXPECT_EQ(ShotBytes(s.U32(147)).Get(), SavedBytes(shot));
}

TEST(MoveShot, ValidationRepairsScaleAndMissingEffectRows) {
    cRestoreOnExit<cDatabase> keepDatabase(ProjectDatabase());
    ProjectDatabase().m_Effects.resize(3);
    struct {
        uint8_t scale;
        int16_t effect;
        uint8_t expectScale;
        int16_t expectEffect;
    } cases[] = {
        {0, 0, 1, 0}, {1, 2, 1, 2}, {10, 3, 10, 0}, {5, -1, 5, 0}, {255, 32767, 255, 0},
    };
    for (const auto& c : cases) {
        cEdShot shot;
        shot.m_Scale = c.scale;
        shot.m_Effect = c.effect;
        // Saving validates first, and so does loading what the file holds.
        cEdShot stored = shot;
        cBytes b;
        ShotBytes(b.U32(147));
        std::string file = b.Get();
        file[4 + 4 + 35] = static_cast<char>(c.scale);  // m_Scale: after 35 bytes of members
        file[4 + 4 + 70] = static_cast<char>(c.effect & 0xFF);  // m_Effect: after 70 bytes
        file[4 + 4 + 71] = static_cast<char>((c.effect >> 8) & 0xFF);
        cEdShot loaded;
        ASSERT_TRUE(LoadBytes(loaded, file));
        EXPECT_EQ(c.expectScale, loaded.m_Scale) << int(c.scale);
        EXPECT_EQ(c.expectEffect, loaded.m_Effect) << c.effect;
        SavedBytes(stored);
        EXPECT_TRUE(stored == loaded) << c.effect;
    }
}
