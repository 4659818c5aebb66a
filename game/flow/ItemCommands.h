#pragma once
// An item's commands: run all at once, in order, for the character that takes the item, through
// a table of their own. Item command type n from 2 on is flow command type n + 15; type 1
// changes the character's flows.
#include "data/FlowTables.h"
#include "data/Record.h"

class cActor;
class cFlowCmd;

typedef int (*cItemCommandHandler)(cActor& taker, const cFlowCmd& command);
extern const cItemCommandHandler ItemCommandTable[kItemCommandTypes];

// 0 when every command ran; 2 as soon as the taker's life is below 1 after a command; else the
// first command's result that is not 0 (1 after a stage clear). A list already running further
// out (an item that gives itself) is not run again; the scene's item-message flag starts at 0
// for the list and is put back as it was afterwards. A type outside the table runs nothing.
int RunItemCommands(cActor& taker, const cRecordVector<cFlowCmd>& commands);
