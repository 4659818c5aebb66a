#include "data/Condition.h"

cCondition::cCondition() {
    RegisterFields(kDataVersion);
    Init();
}

void cCondition::RegisterFields(uint32_t version) {
    ClearFields();
    AddField8(&m_Kind);
    AddField32(&m_Value);
    if (version >= 110) {
        AddField32(&m_RandMin);
        AddField32(&m_RandMax);
        AddField8(&m_LeftOwner);
        AddField8(&m_LeftStatus);
        AddField8(&m_LeftKind);
        AddField8(&m_LeftVarScope);
        AddField16(&m_VarIndex);
        AddField8(&m_RightSource);
        AddField8(&m_RightOwner);
        AddField8(&m_RightStatus);
        AddField8(&m_RightVarScope);
        AddField16(&m_RightVarIndex);
    } else {
        AddField16(&m_Dropped[0]);
        AddField16(&m_Dropped[1]);
    }
    AddField8(&m_Compare);
    if (version >= 43) AddField8(&m_Percent);
    AddField8(&m_DistAxis);
}

cKeyCond::cKeyCond() {
    RegisterFields(kDataVersion);
    Init();
}

void cKeyCond::Init() {
    Reset();
    m_KeyStates.assign(kKeyStates, 0);
}

void cKeyCond::RegisterFields(uint32_t) {
    ClearFields();
    AddField8(&m_SwapDir);
    AddField16(&m_PressMin);
    AddField16(&m_PressMax);
    AddField8(&m_PressOpen);
    AddField8(&m_KeyJudge);
}

bool cKeyCond::Load(cDataReader& in) {
    if (!cRecord::Load(in) || !ReadByteVector(m_KeyStates, in)) return false;
    m_KeyStates.resize(kKeyStates, 0);
    return true;
}

void cKeyCond::Save(cDataWriter& out) {
    cRecord::Save(out);
    WriteByteVector(m_KeyStates, out);
}

bool cKeyCond::operator==(const cKeyCond& other) const {
    return RecordsEqual(*this, other) && m_KeyStates == other.m_KeyStates;
}
