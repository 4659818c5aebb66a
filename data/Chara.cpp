#include "data/Chara.h"

#include <algorithm>

#include "data/Inheritance.h"

namespace {

bool IsEmptyFlow(const cFlow& flow) { return flow.m_Conditions.empty() && flow.m_KeyConds.empty() && flow.m_Commands.empty(); }

}  // namespace

cEdChara::cEdChara() : m_Extra1(0), m_Extra2(0) {
    RegisterFields(kDataVersion);
    Init();
}

void cEdChara::Init() {
    m_Extra3 = 0;
    Reset();
    m_bbInherit.assign(kGroups, 0);
    m_Control = 1;
    m_Force = 1;
    m_Z = 3;
    m_StartEffectLoop = 1;
    m_Hp = 10;
    m_GraphicSrc = 1;
    m_Graphic = 0;
    m_Scale = 1;
    m_StopEase = 10;
    m_DirLock = 1;
    m_CarryItem = 1;
}

void cEdChara::RegisterFields(uint32_t) {
    ClearFields();
    AddField8(&m_InheritSrc);
    AddField16(&m_InheritIndex);
    AddStringField(&m_Name);
    AddField8(&m_CondJudge);
    AddField8(&m_OnceTrue);
    AddField8(&m_FaceRight);
    AddField8(&m_Clones);
    AddField16(&m_OffsetX);
    AddField16(&m_OffsetXClone);
    AddField16(&m_OffsetY);
    AddField16(&m_OffsetYClone);
    AddField8(&m_FlipX);
    AddField8(&m_FlipY);
    AddField16(&m_Graphic);
    AddField8(&m_GraphicSrc);
    AddField16(&m_GraphicShift);
    AddField16(&m_AnimeSet);
    AddField8(&m_Z);
    AddField8(&m_Transparent);
    AddField16(&m_StartEffect);
    AddField8(&m_StartEffectLoop);
    AddField16(&m_DeathEffect);
    AddField8(&m_MarkMode);
    AddField16(&m_Mark);
    AddField8(&m_Control);
    AddField8(&m_PlayerNo);
    AddField8(&m_Force);
    AddField8(&m_CharaId);
    AddField8(&m_Flight);
    AddField8(&m_DirLock);
    AddField8(&m_Invincible);
    AddField8(&m_BlockHit);
    AddField8(&m_Scale);
    AddField8(&m_SightShape);
    AddField8(&m_SightRange);
    AddField32(&m_Hp);
    AddField32(&m_Sp);
    AddField16(&m_StopEase);
    AddField32(&m_BodyPower);
    AddField8(&m_BodyImpact);
    AddField16(&m_BodyEffect);
    AddField8(&m_ImpactResist);
    AddField32(&m_Score);
    AddField8(&m_CarryItem);
    AddField8(&m_HasGroup);
    AddField16(&m_GroupNo);
    AddField8(&m_ActRange);
    AddField8(&m_ActJudge);
}

bool cEdChara::Load(cDataReader& in) {
    if (!cRecord::Load(in) || !ReadRaw(m_Extra1, in) || !ReadRaw(m_Extra2, in) || !ReadRaw(m_Extra3, in) ||
        !LoadInheritFlags(*this, in) ||
        !LoadRecordVector(m_Conditions, in) || !LoadRecordVector(m_Flows, in))
        return false;
    DropTestPlayFlows(m_Flows);
    // The groups that later versions added are inherited.
    uint32_t version = in.Version();
    if (version < 56) m_bbInherit.Insert(26, 1);
    if (version < 83 && m_BlockHit > 1) m_BlockHit = 1;
    if (version < 88) m_bbInherit.Insert(14, 1);
    if (version < 105) m_bbInherit.Insert(3, 1);
    Inherit();
    Validate();
    return true;
}

void cEdChara::Save(cDataWriter& out) {
    Validate();
    cRecord::Save(out);
    WriteRaw(m_Extra1, out);
    WriteRaw(m_Extra2, out);
    WriteRaw(m_Extra3, out);
    WriteByteVector(m_bbInherit, out);
    SaveRecordVector(m_Conditions, out);
    SaveRecordVector(m_Flows, out);
}

bool cEdChara::operator==(const cEdChara& other) const {
    if (m_Graphic == 0 && other.m_Graphic == 0) return true;
    return RecordsEqual(*this, other) && m_bbInherit == other.m_bbInherit && m_Conditions == other.m_Conditions &&
           m_Flows == other.m_Flows;
}

void cEdChara::Inherit() { InheritGroups(*this); }

void cEdChara::CopyGroup(int group, const cEdChara& base) {
    switch (group) {
        case 0: m_Name = base.m_Name; break;
        case 1:
            m_Control = base.m_Control;
            m_PlayerNo = base.m_PlayerNo;
            break;
        case 2: m_Force = base.m_Force; break;
        case 3: m_CharaId = base.m_CharaId; break;
        case 4: CopyConditionGroup(*this, base); break;
        case 5: m_FaceRight = base.m_FaceRight; break;
        case 6: m_Clones = base.m_Clones; break;
        case 7:
            m_OffsetX = base.m_OffsetX;
            m_OffsetXClone = base.m_OffsetXClone;
            m_FlipX = base.m_FlipX;
            break;
        case 8:
            m_OffsetY = base.m_OffsetY;
            m_OffsetYClone = base.m_OffsetYClone;
            m_FlipY = base.m_FlipY;
            break;
        case 9:
            m_Graphic = base.m_Graphic;
            m_GraphicSrc = base.m_GraphicSrc;
            m_GraphicShift = base.m_GraphicShift;
            break;
        case 10: m_AnimeSet = base.m_AnimeSet; break;
        case 11: m_Z = base.m_Z; break;
        case 12: m_Transparent = base.m_Transparent; break;
        case 13:
            m_StartEffect = base.m_StartEffect;
            m_StartEffectLoop = base.m_StartEffectLoop;
            break;
        case 14: m_DeathEffect = base.m_DeathEffect; break;
        case 15: CopyMarkGroup(*this, base); break;
        case 16: m_DirLock = base.m_DirLock; break;
        case 17: m_Flight = base.m_Flight; break;
        case 18: m_Invincible = base.m_Invincible; break;
        case 19: m_BlockHit = base.m_BlockHit; break;
        case 20: m_Scale = base.m_Scale; break;
        case 21:
            m_SightShape = base.m_SightShape;
            m_SightRange = base.m_SightRange;
            break;
        case 22: m_Hp = base.m_Hp; break;
        case 23: m_Sp = base.m_Sp; break;
        case 24: m_BodyPower = base.m_BodyPower; break;
        case 25: m_BodyImpact = base.m_BodyImpact; break;
        case 26: m_BodyEffect = base.m_BodyEffect; break;
        case 27: m_ImpactResist = base.m_ImpactResist; break;
        case 28: m_StopEase = base.m_StopEase; break;
        case 29:
            m_ActRange = base.m_ActRange;
            m_ActJudge = base.m_ActJudge;
            break;
        case 30:
            m_HasGroup = base.m_HasGroup;
            m_GroupNo = base.m_GroupNo;
            break;
        case 31: m_Score = base.m_Score; break;
        case 32: m_CarryItem = base.m_CarryItem; break;
        case 33: m_Flows = base.m_Flows; break;
    }
}

void cEdChara::Validate() {
    CheckReference<cEdChara>(m_InheritSrc, m_InheritIndex);
    if (m_Scale < 1) m_Scale = 1;
    const cDatabase& database = ProjectDatabase();
    if (!IsRow(database.m_AnimeSets, m_AnimeSet)) m_AnimeSet = 1;
    if (!IsRow(database.m_CharaEffects, m_StartEffect)) m_StartEffect = 0;
    if (!IsRow(database.m_CharaEffects, m_DeathEffect)) m_DeathEffect = 0;
    for (cFlow& flow : m_Flows) flow.Validate();
    m_Flows.erase(std::remove_if(m_Flows.begin(), m_Flows.end(), IsEmptyFlow), m_Flows.end());
}

double cEdChara::CopyOffsetX(int copy, int direction) const {
    double offset = copy * m_OffsetXClone + m_OffsetX;
    return direction == 1 && m_FlipX ? -offset : offset;
}

double cEdChara::CopyOffsetY(int copy, int direction) const {
    double offset = copy * m_OffsetYClone + m_OffsetY;
    return direction == 1 && m_FlipY ? -offset : offset;
}
