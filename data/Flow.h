#pragma once
// Flows: the behaviour of palette characters and items, as lists of commands run when a
// trigger fires and the conditions hold. The chief header of the flow records: it completes
// cFlowCmd (FlowCommand.h), the conditions (Condition.h) and the parameter records
// (MoveShot.h); the numbering they share is in FlowTables.h.
//
// How an owner holds flows:
//     cRecordVector<cFlow> m_Flows;        // a character's flows
//     cRecordVector<cFlowCmd> m_Commands;  // an item's commands (an item has no flows of its own)
// Load and save them as extra data with LoadRecordVector / SaveRecordVector; each flow and
// command validates itself after its load and before its save. A character that reads its
// flows calls DropTestPlayFlows(m_Flows) right after them (a command does so for its
// sub-flows itself).
//
// Copies: the records' copy constructors and assignments are deep, so the owner's default copy
// (or `m_Flows = other.m_Flows`) gives it flows, commands, conditions and parameter records
// of its own; changing the copy never changes the source. Equality (==) is deep as well.
// Never copy a command's m_Move or m_Shot pointer into another command: assign the command,
// or give it a new record (cEdMove::Create(), or a copy: cEdMovePtr(new cEdMove(*source))).
#include "data/Condition.h"
#include "data/FlowCommand.h"
#include "data/MoveShot.h"
#include "data/Record.h"

class cFlow : public cRecord {
public:
    cFlow();
    void Init();
    void RegisterFields(uint32_t version) override;
    // Lists, then the trigger upgrade, then validation.
    bool Load(cDataReader& in) override;
    void Save(cDataWriter& out) override;
    RECORD_COPY(cFlow)

    bool operator==(const cFlow& other) const;
    bool operator!=(const cFlow& other) const { return !(*this == other); }

    void Validate();

    uint8_t m_Id;     // FlowIdNames
    uint8_t m_Group;  // FlowGroupNames
    uint8_t m_TestPlayOnly;
    uint8_t m_CondJudge;  // CondJudgeNames
    uint8_t m_OnceTrue;   // once the conditions held, they count as held from then on
    uint8_t m_Trigger;    // FlowTriggerNames
    uint8_t m_KeyEase;    // input tolerance with several key conditions, 0-10
    uint8_t m_KeyRepeat;  // holding the keys runs the flow again
    cRecordVector<cCondition> m_Conditions;
    cRecordVector<cKeyCond> m_KeyConds;
    cRecordVector<cFlowCmd> m_Commands;
};

// Removes every flow marked test-play-only, keeping the order of the others.
void RemoveTestPlayFlows(cRecordVector<cFlow>& flows);

// The editor keeps every flow. The game program, outside test play and unless its system
// settings keep such flows, drops the marked ones as records load: it calls
// SetDropTestPlayFlows(true) once at start-up, before any stage, palette or character loads.
void SetDropTestPlayFlows(bool drop);
// Test seam: the rule as set, for tests that put it back.
bool DropsTestPlayFlows();
// Removes the marked flows when this program drops them; loads call it on the flows they read.
void DropTestPlayFlows(cRecordVector<cFlow>& flows);
