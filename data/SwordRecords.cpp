#include "data/SwordRecords.h"

cSwordPos::cSwordPos() {
    RegisterFields(kDataVersion);
    Init();
}

void cSwordPos::Init() {
    Reset();
    m_MirrorX = 1;
}

void cSwordPos::RegisterFields(uint32_t version) {
    ClearFields();
    AddField32(&m_X);
    AddField32(&m_Y);
    if (version >= 138) {
        AddField32(&m_MirrorX);
        AddField32(&m_MirrorY);
    }
    AddField32(&m_Direction);
    AddField32(&m_SrcX);
    AddField32(&m_SrcY);
    AddField32(&m_Width);
    AddField32(&m_Height);
    AddField32(&m_Time);
}

cSwordType::cSwordType() {
    RegisterFields(kDataVersion);
    Init();
}

void cSwordType::Init() {
    Reset();
    m_Positions.assign(1, cSwordPos());
    m_Positions[0].m_Time = 1;
}

void cSwordType::RegisterFields(uint32_t) {
    ClearFields();
    AddStringField(&m_Name);
    AddStringField(&m_LeftBmp);
    AddStringField(&m_RightBmp);
}

bool cSwordType::Load(cDataReader& in) { return cRecord::Load(in) && LoadRecordVector(m_Positions, in); }

void cSwordType::Save(cDataWriter& out) {
    cRecord::Save(out);
    SaveRecordVector(m_Positions, out);
}
