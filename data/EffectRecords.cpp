#include "data/EffectRecords.h"

cEffectFrame::cEffectFrame() {
    RegisterFields(kDataVersion);
    Init();
}

void cEffectFrame::Init() {
    Reset();
    m_Time = 1;
}

void cEffectFrame::RegisterFields(uint32_t) {
    ClearFields();
    AddField32(&m_Cell);
    AddField32(&m_Time);
}

cEffect::cEffect() {
    RegisterFields(kDataVersion);
    Init();
}

void cEffect::Init() {
    Reset();
    m_CellWidth = 16;
    m_CellHeight = 16;
    m_AllowHuge = 1;
    m_Frames.clear();
}

void cEffect::RegisterFields(uint32_t) {
    ClearFields();
    AddStringField(&m_Name);
    AddStringField(&m_File);
    AddField32(&m_CellWidth);
    AddField32(&m_CellHeight);
    AddField32(&m_AllowHuge);
}

bool cEffect::Load(cDataReader& in) { return cRecord::Load(in) && LoadRecordVector(m_Frames, in); }

void cEffect::Save(cDataWriter& out) {
    cRecord::Save(out);
    SaveRecordVector(m_Frames, out);
}

void cEffectTypeRecord::Init() {
    Reset();
    m_Type = 1;
}

void cEffectTypeRecord::RegisterFields(uint32_t) {
    ClearFields();
    AddStringField(&m_Name);
    AddField32(&m_Type);
    AddField32(m_Params, kEffectParams);
}
