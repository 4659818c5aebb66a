#include "data/Block.h"

#include "data/Inheritance.h"

cEdBlock::cEdBlock() : m_Extra1(0), m_Extra2(0) {
    RegisterFields(kDataVersion);
    Init();
}

void cEdBlock::Init() {
    Reset();
    m_BlockType = 1;
    m_bbInherit.assign(kGroups, 0);
    m_NoHitForce = 255;
    m_Graphic = 0;
}

void cEdBlock::RegisterFields(uint32_t) {
    ClearFields();
    AddField8(&m_InheritSrc);
    AddField16(&m_InheritIndex);
    AddStringField(&m_Name);
    AddField8(&m_CondJudge);
    AddField8(&m_OnceTrue);
    AddField16(&m_Graphic);
    AddField8(&m_GraphicSrc);
    AddField16(&m_Frames);
    AddField8(&m_Front);
    AddField8(&m_Transparent);
    AddField8(&m_MarkMode);
    AddField16(&m_Mark);
    AddField8(&m_BlockType);
    AddField8(&m_NoHitForce);
    AddField8(&m_Action);
    AddField32(&m_ActionX);
    AddField8(&m_ItemSrc);
    AddField16(&m_ItemIndex);
    AddField8(&m_NoSummon);
}

bool cEdBlock::Load(cDataReader& in) {
    if (!cRecord::Load(in) || !ReadRaw(m_Extra1, in) || !ReadRaw(m_Extra2, in) ||
        !LoadInheritFlags(*this, in) || !LoadRecordVector(m_Conditions, in))
        return false;
    Inherit();
    Validate();
    return true;
}

void cEdBlock::Save(cDataWriter& out) {
    Validate();
    cRecord::Save(out);
    WriteRaw(m_Extra1, out);
    WriteRaw(m_Extra2, out);
    WriteByteVector(m_bbInherit, out);
    SaveRecordVector(m_Conditions, out);
}

bool cEdBlock::operator==(const cEdBlock& other) const {
    if (m_Graphic == 0 && other.m_Graphic == 0) return true;
    return RecordsEqual(*this, other) && m_bbInherit == other.m_bbInherit && m_Conditions == other.m_Conditions;
}

void cEdBlock::Inherit() { InheritGroups(*this); }

void cEdBlock::CopyGroup(int group, const cEdBlock& base) {
    switch (group) {
        case 0: m_Name = base.m_Name; break;
        case 1: CopyConditionGroup(*this, base); break;
        case 2: CopyAnimatedGraphicGroup(*this, base); break;
        case 3: m_Front = base.m_Front; break;
        case 4: m_Transparent = base.m_Transparent; break;
        case 5: CopyMarkGroup(*this, base); break;
        case 6: m_BlockType = base.m_BlockType; break;
        case 7: m_NoHitForce = base.m_NoHitForce; break;
        case 8:
            m_Action = base.m_Action;
            m_ActionX = base.m_ActionX;
            break;
        case 9:
            m_ItemSrc = base.m_ItemSrc;
            m_ItemIndex = base.m_ItemIndex;
            break;
        case 10: m_NoSummon = base.m_NoSummon; break;
    }
}

void cEdBlock::Validate() {
    CheckReference<cEdBlock>(m_InheritSrc, m_InheritIndex);
    CheckReference<cEdItem>(m_ItemSrc, m_ItemIndex);
    if (m_Graphic == 0) {
        m_BlockType = 0;
        m_NoSummon = 0;
    }
}
