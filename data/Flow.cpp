#include "data/Flow.h"

#include <algorithm>

namespace {
// Set once at start-up, before any load; read by loads only.
bool g_dropTestPlayFlows = false;
}  // namespace

cFlow::cFlow() {
    RegisterFields(kDataVersion);
    Init();
}

void cFlow::Init() {
    Reset();
    m_KeyEase = 3;
    m_Conditions.clear();
    m_KeyConds.clear();
    m_Commands.clear();
}

void cFlow::RegisterFields(uint32_t) {
    ClearFields();
    AddField8(&m_Id);
    AddField8(&m_Group);
    AddField8(&m_TestPlayOnly);
    AddField8(&m_CondJudge);
    AddField8(&m_OnceTrue);
    AddField8(&m_Trigger);
    AddField8(&m_KeyEase);
    AddField8(&m_KeyRepeat);
}

bool cFlow::Load(cDataReader& in) {
    if (!cRecord::Load(in) || !LoadRecordVector(m_Conditions, in) || !LoadRecordVector(m_KeyConds, in) ||
        !LoadRecordVector(m_Commands, in))
        return false;
    // Row 11 "自分の上下にブロックが当たった時" entered the trigger table with version 132.
    if (in.Version() < 132 && m_Trigger >= 11) ++m_Trigger;
    Validate();
    return true;
}

void cFlow::Save(cDataWriter& out) {
    Validate();
    cRecord::Save(out);
    SaveRecordVector(m_Conditions, out);
    SaveRecordVector(m_KeyConds, out);
    SaveRecordVector(m_Commands, out);
}

bool cFlow::operator==(const cFlow& other) const {
    return RecordsEqual(*this, other) && m_Conditions == other.m_Conditions && m_KeyConds == other.m_KeyConds &&
           m_Commands == other.m_Commands;
}

// Conditions and key conditions refer to nothing outside the flow.
void cFlow::Validate() {
    for (cFlowCmd& command : m_Commands) command.Validate();
}

void RemoveTestPlayFlows(cRecordVector<cFlow>& flows) {
    flows.erase(std::remove_if(flows.begin(), flows.end(), [](const cFlow& f) { return f.m_TestPlayOnly != 0; }),
                flows.end());
}

void SetDropTestPlayFlows(bool drop) { g_dropTestPlayFlows = drop; }

bool DropsTestPlayFlows() { return g_dropTestPlayFlows; }

void DropTestPlayFlows(cRecordVector<cFlow>& flows) {
    if (g_dropTestPlayFlows) RemoveTestPlayFlows(flows);
}
