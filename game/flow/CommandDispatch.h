#pragma once
// Every command a flow runs goes through one table of handlers indexed by the command's type.
// A handler gets the character running the flow and the command's entry in its runner.
#include "data/FlowTables.h"

class cActor;
struct cFlowCmdEntry;

typedef void (*cCommandHandler)(cActor& owner, cFlowCmdEntry& entry);
extern const cCommandHandler FlowCommandTable[kCharaCommandTypes];

// Runs the entry's command for the owner. A command of a type outside the table runs nothing
// and is logged once per type.
void DispatchCommand(cActor& owner, cFlowCmdEntry& entry);

// "フローの操作" (parameters: operation, target, flow ID): starts, finishes, pauses, resumes,
// deletes or stops for good this flow (the scene's current runner), every other flow of the
// owner, or every flow of the owner with the ID (ID 0 names none). The character effects a
// flow started follow it by its key.
void ExecFlowOperation(cActor& owner, cFlowCmdEntry& entry);
