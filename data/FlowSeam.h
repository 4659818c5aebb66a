#pragma once
// Stand-ins for the flow records and the project database until they exist; replaced by them.
#include "data/Record.h"

class cSeamCondition : public cRecord {
public:
    cSeamCondition() {
        RegisterFields(kDataVersion);
        Reset();
    }
    void RegisterFields(uint32_t) override {
        ClearFields();
        AddField8(&m_Kind);
    }
    RECORD_COPY(cSeamCondition)
    bool operator==(const cSeamCondition& other) const { return RecordsEqual(*this, other); }
    uint8_t m_Kind;
};

class cSeamFlowCmd : public cRecord {
public:
    cSeamFlowCmd() {
        RegisterFields(kDataVersion);
        Reset();
    }
    void RegisterFields(uint32_t) override {
        ClearFields();
        AddField8(&m_CmdSet);
    }
    RECORD_COPY(cSeamFlowCmd)
    bool operator==(const cSeamFlowCmd& other) const { return RecordsEqual(*this, other); }
    void Validate() {}
    uint8_t m_CmdSet;
};

class cSeamFlow : public cRecord {
public:
    cSeamFlow() {
        RegisterFields(kDataVersion);
        Reset();
    }
    void RegisterFields(uint32_t) override {
        ClearFields();
        AddField8(&m_TestPlayOnly);
    }
    RECORD_COPY(cSeamFlow)
    bool operator==(const cSeamFlow& other) const { return RecordsEqual(*this, other); }
    void Validate() {}
    uint8_t m_TestPlayOnly;
    cRecordVector<cSeamCondition> m_CondList;
    cRecordVector<cSeamCondition> m_KeyCondList;
    cRecordVector<cSeamFlowCmd> m_CmdList;
};

#include "data/Database.h"
inline const cDatabase& SeamDatabase() {
    static cDatabase database;
    return database;
}
inline void SeamRemoveTestPlayFlows(cRecordVector<cSeamFlow>& flows) {
    for (size_t i = 0; i < flows.size();)
        if (flows[i].m_TestPlayOnly) flows.erase(flows.begin() + i);
        else ++i;
}
