#include "data/MoveShot.h"

#include "data/ProjectDatabase.h"

cEdMove::cEdMove() {
    RegisterFields(kDataVersion);
    Init();
}

cEdMovePtr cEdMove::Create() { return cEdMovePtr(new cEdMove); }

void cEdMove::Init() {
    Reset();
    m_UseTargetX = 1;
    m_UseTargetY = 1;
    m_StopAtTarget = 1;
    m_FlipX = 1;
    m_FlipY = 0;
    m_ReverseOnTurn = 1;
    m_Speed = 10;
    m_TurnFactor = 1.0;
}

void cEdMove::RegisterFields(uint32_t) {
    ClearFields();
    AddField8(&m_DirMode);
    AddField8(&m_Dir);
    AddField16(&m_Angle);
    AddField16(&m_AngleClone);
    AddField8(&m_UseTargetX);
    AddField8(&m_UseTargetY);
    AddField16(&m_TargetX);
    AddField16(&m_TargetY);
    AddField16(&m_TargetDotX);
    AddField16(&m_TargetDotY);
    AddField8(&m_TargetMode);
    AddField8(&m_StopAtTarget);
    AddField8(&m_NoMoveX);
    AddField8(&m_NoMoveY);
    AddField8(&m_FlipX);
    AddField8(&m_FlipY);
    AddField8(&m_ReverseOnTurn);
    AddField8(&m_NoJitter);
    AddField8(&m_SpeedMode);
    AddField16(&m_Speed);
    AddField16(&m_SpeedClone);
    AddField16(&m_Distance);
    AddField16(&m_DistanceClone);
    AddField16(&m_Homing);
    AddField16(&m_HomingClone);
    AddField8(&m_Inertia);
    AddField16(&m_MaxSpeed);
    AddField64(&m_TurnFactor);
}

cEdShot::cEdShot() {
    RegisterFields(kDataVersion);
    Init();
}

cEdShotPtr cEdShot::Create() { return cEdShotPtr(new cEdShot); }

void cEdShot::Init() {
    Reset();
    m_FlipX = 1;
    m_FlipY = 0;
    m_SameForce = 1;
    m_Scale = 1;
}

// The file order differs from the dialog's grouping: the range comes before its flag, and the
// summon type and its occupied flag before the palette.
void cEdShot::RegisterFields(uint32_t) {
    ClearFields();
    AddField8(&m_Count);
    AddField8(&m_Formation);
    AddField16(m_FormParam, 3);
    AddField8(&m_Dir);
    AddField8(&m_AimTarget);
    AddField16(&m_Angle);
    AddField16(&m_AngleClone);
    AddField16(&m_Spread);
    AddField8(&m_PosByAngle);
    AddField8(&m_Clones);
    AddField16(&m_OffsetX);
    AddField16(&m_OffsetXClone);
    AddField16(&m_OffsetY);
    AddField16(&m_OffsetYClone);
    AddField8(&m_FlipX);
    AddField8(&m_FlipY);
    AddField16(&m_Graphic);
    AddField8(&m_Z);
    AddField8(&m_Transparent);
    AddField8(&m_SameForce);
    AddField8(&m_Force);
    AddField8(&m_Reserved1);
    AddField8(&m_Scale);
    AddField8(&m_Reserved2);
    AddField8(&m_MoveType);
    AddField16(m_MoveParam, 3);
    AddField16(&m_Speed);
    AddField16(&m_SpeedClone);
    AddField16(&m_Range);
    AddField8(&m_UseRange);
    AddField16(&m_RangeClone);
    AddField8(&m_NoVanishAtEnd);
    AddField8(&m_UseLife);
    AddField16(&m_Life);
    AddField16(&m_LifeClone);
    AddField8(&m_PierceBlock);
    AddField8(&m_PierceChara);
    AddField8(&m_VanishOnShot);
    AddField8(&m_VanishValue);
    AddField32(&m_Power);
    AddField16(&m_Reserved3);
    AddField8(&m_Impact);
    AddField16(&m_Effect);
    AddField8(&m_ItemPalette);
    AddField16(&m_ItemIndex);
    AddField8(&m_SummonType);
    AddField8(&m_FailIfOccupied);
    AddField8(&m_SummonPalette);
    AddField16(&m_SummonIndex);
    AddField8(&m_SummonForce);
    AddField8(&m_ZeroScore);
    AddField8(&m_FlipDir);
}

bool cEdShot::Load(cDataReader& in) {
    if (!cRecord::Load(in)) return false;
    Validate();
    return true;
}

void cEdShot::Save(cDataWriter& out) {
    Validate();
    cRecord::Save(out);
}

void cEdShot::Validate() {
    if (m_Scale < 1) m_Scale = 1;
    if (!IsRow(ProjectDatabase().m_Effects, m_Effect)) m_Effect = 0;
}
