#pragma once
// The conditions of a flow: execution conditions on variables, status and distance
// (cCondition) and key conditions (cKeyCond). Neither refers to other data, so neither has
// anything to validate. Names of their values: FlowTables.h.
#include <vector>

#include "data/Record.h"

class cCondition : public cRecord {
public:
    cCondition();
    void Init() { Reset(); }
    // Files before version 110 held no status-condition fields.
    void RegisterFields(uint32_t version) override;
    RECORD_COPY(cCondition)

    bool operator==(const cCondition& other) const { return RecordsEqual(*this, other); }
    bool operator!=(const cCondition& other) const { return !(*this == other); }

    uint8_t m_Kind;     // ConditionKindNames
    int32_t m_Value;    // constant; distance in hbl
    int32_t m_RandMin;  // right side "乱数"
    int32_t m_RandMax;
    uint8_t m_LeftOwner;   // OwnerNames
    uint8_t m_LeftStatus;  // StatusDescs (自分, ターゲット) or SystemValueDescs (システム)
    uint8_t m_LeftKind;    // StatusOrVarNames
    uint8_t m_LeftVarScope;  // VarScopeNames
    uint16_t m_VarIndex;
    uint8_t m_RightSource;  // ValueSourceNames
    uint8_t m_RightOwner;
    uint8_t m_RightStatus;
    uint8_t m_RightVarScope;
    uint16_t m_RightVarIndex;
    uint8_t m_Compare;  // CompareNames; distance: DistanceCompareNames
    uint8_t m_Percent;
    uint8_t m_DistAxis;  // DistanceAxisNames

private:
    // What files before version 110 held in place of the status fields; never written.
    uint16_t m_Dropped[2] = {0, 0};
};

// Keys of the key-state list, in list order.
enum eKey {
    eKeyDirNeutral, eKeyLeft, eKeyRight, eKeyUp, eKeyDown, eKeyLeftUp, eKeyLeftDown, eKeyRightUp,
    eKeyRightDown, eKeyAnyDir, eKeyActionNeutral, eKeyZ, eKeyX, eKeyC, eKeyV, eKeyA, eKeyS, eKeyD,
    eKeyF, kKeyStates
};

class cKeyCond : public cRecord {
public:
    cKeyCond();
    void Init();
    void RegisterFields(uint32_t version) override;
    // The key-state list always leaves the load with one entry per key, whatever the file held.
    bool Load(cDataReader& in) override;
    void Save(cDataWriter& out) override;
    RECORD_COPY(cKeyCond)

    bool operator==(const cKeyCond& other) const;
    bool operator!=(const cKeyCond& other) const { return !(*this == other); }

    uint8_t m_SwapDir;     // → and ← read as forward and backward
    uint16_t m_PressMin;   // frames
    uint16_t m_PressMax;
    uint8_t m_PressOpen;   // no upper limit
    uint8_t m_KeyJudge;    // KeyJudgeNames
    std::vector<uint8_t> m_KeyStates;  // KeyStateNames, indexed by eKey
};
