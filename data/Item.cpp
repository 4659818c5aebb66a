#include "data/Item.h"

#include "data/Inheritance.h"

cEdItem::cEdItem() : m_Extra1(0), m_Extra2(0) {
    RegisterFields(kDataVersion);
    Init();
}

void cEdItem::Init() {
    Reset();
    m_bbInherit.assign(kGroups, 0);
    m_GraphicSrc = 2;
    m_Graphic = 0;
    m_ShowOnTake = 1;
    m_Scale = 1;
    m_Z = 6;
}

void cEdItem::RegisterFields(uint32_t) {
    ClearFields();
    AddField8(&m_InheritSrc);
    AddField16(&m_InheritIndex);
    AddStringField(&m_Name);
    AddField8(&m_CondJudge);
    AddField8(&m_OnceTrue);
    AddField16(&m_OffsetX);
    AddField16(&m_OffsetY);
    AddField16(&m_Graphic);
    AddField8(&m_GraphicSrc);
    AddField16(&m_Frames);
    AddField8(&m_Z);
    AddField8(&m_Transparent);
    AddField8(&m_MarkMode);
    AddField16(&m_Mark);
    AddField8(&m_ShowOnTake);
    AddField8(&m_TakeMode);
    AddField8(&m_Scale);
    AddField16(&m_Sound);
}

bool cEdItem::Load(cDataReader& in) {
    if (!cRecord::Load(in) || !ReadRaw(m_Extra1, in) || !ReadRaw(m_Extra2, in) ||
        !LoadInheritFlags(*this, in) || !LoadRecordVector(m_Conditions, in) ||
        !LoadRecordVector(m_Commands, in))
        return false;
    ApplyInherit();
    CheckRef();
    return true;
}

void cEdItem::Save(cDataWriter& out) {
    CheckRef();
    cRecord::Save(out);
    WriteRaw(m_Extra1, out);
    WriteRaw(m_Extra2, out);
    WriteByteVector(m_bbInherit, out);
    SaveRecordVector(m_Conditions, out);
    SaveRecordVector(m_Commands, out);
}

bool cEdItem::operator==(const cEdItem& other) const {
    if (m_Graphic == 0 && other.m_Graphic == 0) return true;
    return RecordsEqual(*this, other) && m_bbInherit == other.m_bbInherit && m_Conditions == other.m_Conditions &&
           m_Commands == other.m_Commands;
}

void cEdItem::ApplyInherit() { InheritGroups(*this); }

void cEdItem::CopyGroup(int group, const cEdItem& base) {
    switch (group) {
        case 0: m_Name = base.m_Name; break;
        case 1: CopyConditionGroup(*this, base); break;
        case 2: m_OffsetX = base.m_OffsetX; break;
        case 3: m_OffsetY = base.m_OffsetY; break;
        case 4: CopyAnimatedGraphicGroup(*this, base); break;
        case 5: m_Z = base.m_Z; break;
        case 6: m_Transparent = base.m_Transparent; break;
        case 7: CopyMarkGroup(*this, base); break;
        case 8: m_Scale = base.m_Scale; break;
        case 9: m_TakeMode = base.m_TakeMode; break;
        case 10: m_ShowOnTake = base.m_ShowOnTake; break;
        case 11: m_Sound = base.m_Sound; break;
        case 12: m_Commands = base.m_Commands; break;
    }
}

void cEdItem::CheckRef() {
    CheckReference<cEdItem>(m_InheritSrc, m_InheritIndex);
    if (m_Scale < 1) m_Scale = 1;
    if (!IsRow(ProjectDatabase().m_Sounds, m_Sound)) m_Sound = 0;
    for (cFlowCmd& command : m_Commands) command.Validate();
}

const cEdItem* cEdItem::GetBaseItem(int source, int index) {
    const cRecordVector<cEdItem>* list = SourceList<cEdItem>(source);
    return list && IsRow(*list, index) ? &(*list)[index] : nullptr;
}
