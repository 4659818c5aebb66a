#include <gtest/gtest.h>

#include "data/MoveShot.h"
#include "data/ProjectDatabase.h"
#include "tests/support/RestoreOnExit.h"
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

// Every field holds its own number (its place in the file), so a field written in another's
// place, or at another width, shows in the bytes.
TEST(MoveShot, EveryMovementFieldHasItsOwnPlaceInTheFile) {
    cEdMove move;
    move.m_DirMode = 1;
    move.m_Dir = 2;
    move.m_Angle = 3;
    move.m_AngleClone = 4;
    move.m_UseTargetX = 5;
    move.m_UseTargetY = 6;
    move.m_TargetX = 7;
    move.m_TargetY = 8;
    move.m_TargetDotX = 9;
    move.m_TargetDotY = 10;
    move.m_TargetMode = 11;
    move.m_StopAtTarget = 12;
    move.m_NoMoveX = 13;
    move.m_NoMoveY = 14;
    move.m_FlipX = 15;
    move.m_FlipY = 16;
    move.m_ReverseOnTurn = 17;
    move.m_NoJitter = 18;
    move.m_SpeedMode = 19;
    move.m_Speed = 20;
    move.m_SpeedClone = 21;
    move.m_Distance = 22;
    move.m_DistanceClone = 23;
    move.m_Homing = 24;
    move.m_HomingClone = 25;
    move.m_Inertia = 26;
    move.m_MaxSpeed = 27;
    move.m_TurnFactor = 2.8;
    cBytes b;
    b.U32(147).U32(28).U8(1).U8(2).U16(3).U16(4).U8(5).U8(6).U16(7).U16(8).U16(9).U16(10);
    b.U8(11).U8(12).U8(13).U8(14).U8(15).U8(16).U8(17).U8(18).U8(19);
    b.U16(20).U16(21).U16(22).U16(23).U16(24).U16(25).U8(26).U16(27).Raw(DoubleBytes(2.8)).U32(0);
    EXPECT_EQ(b.Get(), SavedBytes(move));
    cEdMove loaded;
    ASSERT_TRUE(LoadBytes(loaded, b.Get()));
    EXPECT_TRUE(loaded == move);
}

TEST(MoveShot, EveryShotFieldHasItsOwnPlaceInTheFile) {
    cRestoreOnExit<cDatabase> keepDatabase(ProjectDatabase());
    ProjectDatabase().m_Effects.resize(44);  // the effect row is checked on saving
    cEdShot shot;
    shot.m_Count = 1;
    shot.m_Formation = 2;
    shot.m_FormParam[0] = 3;
    shot.m_FormParam[1] = 103;
    shot.m_FormParam[2] = 203;
    shot.m_Dir = 4;
    shot.m_AimTarget = 5;
    shot.m_Angle = 6;
    shot.m_AngleClone = 7;
    shot.m_Spread = 8;
    shot.m_PosByAngle = 9;
    shot.m_Clones = 10;
    shot.m_OffsetX = 11;
    shot.m_OffsetXClone = 12;
    shot.m_OffsetY = 13;
    shot.m_OffsetYClone = 14;
    shot.m_FlipX = 15;
    shot.m_FlipY = 16;
    shot.m_Graphic = 17;
    shot.m_Z = 18;
    shot.m_Transparent = 19;
    shot.m_SameForce = 20;
    shot.m_Force = 21;
    shot.m_Reserved1 = 22;
    shot.m_Scale = 23;
    shot.m_Reserved2 = 24;
    shot.m_MoveType = 25;
    shot.m_MoveParam[0] = 26;
    shot.m_MoveParam[1] = 126;
    shot.m_MoveParam[2] = 226;
    shot.m_Speed = 27;
    shot.m_SpeedClone = 28;
    shot.m_Range = 29;
    shot.m_UseRange = 30;
    shot.m_RangeClone = 31;
    shot.m_NoVanishAtEnd = 32;
    shot.m_UseLife = 33;
    shot.m_Life = 34;
    shot.m_LifeClone = 35;
    shot.m_PierceBlock = 36;
    shot.m_PierceChara = 37;
    shot.m_VanishOnShot = 38;
    shot.m_VanishValue = 39;
    shot.m_Power = 40;
    shot.m_Reserved3 = 41;
    shot.m_Impact = 42;
    shot.m_Effect = 43;
    shot.m_ItemPalette = 44;
    shot.m_ItemIndex = 45;
    shot.m_SummonType = 46;
    shot.m_FailIfOccupied = 47;
    shot.m_SummonPalette = 48;
    shot.m_SummonIndex = 49;
    shot.m_SummonForce = 50;
    shot.m_ZeroScore = 51;
    shot.m_FlipDir = 52;
    cBytes b;
    b.U32(147).U32(52).U8(1).U8(2).U16(3).U16(103).U16(203).U8(4).U8(5).U16(6).U16(7).U16(8).U8(9).U8(10);
    b.U16(11).U16(12).U16(13).U16(14).U8(15).U8(16).U16(17).U8(18).U8(19).U8(20).U8(21).U8(22).U8(23).U8(24);
    b.U8(25).U16(26).U16(126).U16(226).U16(27).U16(28).U16(29).U8(30).U16(31).U8(32).U8(33).U16(34).U16(35);
    b.U8(36).U8(37).U8(38).U8(39).I32(40).U16(41).U8(42).U16(43).U8(44).U16(45).U8(46).U8(47).U8(48).U16(49);
    b.U8(50).U8(51).U8(52).U32(0);
    EXPECT_EQ(b.Get(), SavedBytes(shot));
    cEdShot loaded;
    ASSERT_TRUE(LoadBytes(loaded, b.Get()));
    EXPECT_TRUE(loaded == shot);
}
