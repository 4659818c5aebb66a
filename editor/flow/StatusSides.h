#pragma once
// What the status operation and the status condition share about their two sides: the bound of
// a value with no status row of its own, the row a chosen status stands for, the status combo's
// items and what a side's variable combo lists. Both dialogs follow these; neither keeps a rule
// of its own.
#include <string>
#include <vector>

#include "data/FlowTables.h"

// What a variable holds, and the bound of a value whose status has no row.
const int32_t kValueLimit = 999999;
// The owner (OwnerNames) whose statuses are the system values.
const int kOwnerSystem = 2;

// The status combo's items: the chara statuses, or the system values for the system. The
// lists live as long as the program.
const std::vector<std::string>* StatusNames(int owner);
// The row of a status chosen for the owner: a system value's range and percent form are its
// own, not those of the chara status in its row. Null outside the rows (nothing chosen).
const cStatusDesc* StatusRow(int owner, int status);

// What a side's variable combo lists.
enum eVarList {
    eVarListChara,  // the chara variables: a chara's status row 0
    eVarListScope,  // the chosen scope's variables, renamable: the side names a variable
    eVarListNone,   // nothing: the combo and its rename button are closed
};
// The kind values of one side: the one that names a status and the one that names a variable.
struct cSideKinds {
    int status, variable;
};
const cSideKinds kLeftKinds = {0, 1};   // StatusOrVarNames
const cSideKinds kRightKinds = {2, 3};  // ValueSourceNames
eVarList SideVarList(const cSideKinds& kinds, int kind, int owner, int status);
