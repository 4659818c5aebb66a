#pragma once
// The parameter records a flow command carries besides its plain fields: cEdMove for the
// movement commands and the warp, cEdShot for the shot, the sword and the three summons. A
// command holds each through a shared pointer that is empty when the command does not use it.
// Names of the enumerated fields and of the shot parameters: MoveShotTables.h.
#include <boost/shared_ptr.hpp>

#include "data/Record.h"

class cEdMove;
class cEdShot;
typedef boost::shared_ptr<cEdMove> cEdMovePtr;
typedef boost::shared_ptr<cEdShot> cEdShotPtr;

class cEdMove : public cRecord {
public:
    cEdMove();
    // A default record in a new shared pointer.
    static cEdMovePtr Create();
    void Init();
    // Nothing of a movement record refers to other data: the base load and save serve.
    void RegisterFields(uint32_t version) override;
    RECORD_COPY(cEdMove)

    bool operator==(const cEdMove& other) const { return RecordsEqual(*this, other); }
    bool operator!=(const cEdMove& other) const { return !(*this == other); }

    uint8_t m_DirMode;  // MoveDirModeNames; warp: WarpModeNames
    uint8_t m_Dir;      // MoveDirNames; circle: RotationNames
    int16_t m_Angle;    // circle: start angle
    int16_t m_AngleClone;
    uint8_t m_UseTargetX;
    uint8_t m_UseTargetY;
    int16_t m_TargetX;  // blocks
    int16_t m_TargetY;
    int16_t m_TargetDotX;  // added dots
    int16_t m_TargetDotY;
    uint8_t m_TargetMode;  // TargetCoordNames; warp: CoordNames
    uint8_t m_StopAtTarget;
    uint8_t m_NoMoveX;
    uint8_t m_NoMoveY;
    uint8_t m_FlipX;  // when placed facing right
    uint8_t m_FlipY;
    uint8_t m_ReverseOnTurn;
    uint8_t m_NoJitter;
    uint8_t m_SpeedMode;  // MoveSpeedModeNames; circle: CircleSpeedModeNames
    int16_t m_Speed;      // circle: angle step
    int16_t m_SpeedClone;
    int16_t m_Distance;  // hbl; circle: end angle
    int16_t m_DistanceClone;
    int16_t m_Homing;  // circle: radius (hbl)
    int16_t m_HomingClone;
    uint8_t m_Inertia;
    int16_t m_MaxSpeed;
    double m_TurnFactor;  // speed kept on a change of direction
};

class cEdShot : public cRecord {
public:
    cEdShot();
    static cEdShotPtr Create();
    void Init();
    void RegisterFields(uint32_t version) override;
    bool Load(cDataReader& in) override;
    void Save(cDataWriter& out) override;
    // Scale at least 1; an effect row that the database does not have becomes 0. The sword
    // type in m_MoveType is the owning command's to check.
    void Validate();
    RECORD_COPY(cEdShot)

    bool operator==(const cEdShot& other) const { return RecordsEqual(*this, other); }
    bool operator!=(const cEdShot& other) const { return !(*this == other); }

    uint8_t m_Count;
    uint8_t m_Formation;     // ShotFormationNames
    int16_t m_FormParam[3];  // named by ShotFormationParams
    uint8_t m_Dir;           // MoveDirNames
    uint8_t m_AimTarget;
    int16_t m_Angle;
    int16_t m_AngleClone;
    int16_t m_Spread;
    uint8_t m_PosByAngle;
    uint8_t m_Clones;
    int16_t m_OffsetX;  // dots
    int16_t m_OffsetXClone;
    int16_t m_OffsetY;
    int16_t m_OffsetYClone;
    uint8_t m_FlipX;  // when the user faces right
    uint8_t m_FlipY;
    int16_t m_Graphic;
    uint8_t m_Z;
    uint8_t m_Transparent;
    uint8_t m_SameForce;
    uint8_t m_Force;
    uint8_t m_Reserved1;
    uint8_t m_Scale;  // 1..10
    uint8_t m_Reserved2;
    uint8_t m_MoveType;      // ShotTrajectoryNames; sword: row of the SwordType table
    int16_t m_MoveParam[3];  // named by ShotTrajectoryParams
    int16_t m_Speed;
    int16_t m_SpeedClone;
    int16_t m_Range;  // shot: hbl; summons: life in 1/10 s
    uint8_t m_UseRange;
    int16_t m_RangeClone;
    uint8_t m_NoVanishAtEnd;
    uint8_t m_UseLife;
    int16_t m_Life;  // 1/10 s
    int16_t m_LifeClone;
    uint8_t m_PierceBlock;
    uint8_t m_PierceChara;
    uint8_t m_VanishOnShot;
    uint8_t m_VanishValue;
    int32_t m_Power;
    int16_t m_Reserved3;
    int8_t m_Impact;  // hbl
    int16_t m_Effect;  // row of the Effect table
    uint8_t m_ItemPalette;  // 0 none, 1 common, 2 stage
    int16_t m_ItemIndex;
    uint8_t m_SummonType;  // BlockSummonNames
    uint8_t m_FailIfOccupied;
    uint8_t m_SummonPalette;  // PaletteNames
    int16_t m_SummonIndex;
    uint8_t m_SummonForce;  // SummonForceNames
    uint8_t m_ZeroScore;
    uint8_t m_FlipDir;
};
