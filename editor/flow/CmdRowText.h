#pragma once
// The one-line text of a flow command in the command lists: its time (or an estimate, or a
// fixed mark), its command name, and a short summary of its values with the names of the
// database rows, palette elements, variables and options it refers to.
//
// Looking up a name never leaves its table: a row, element or variable that is not there gives
// an empty name, and a piece whose option value lies outside its table is left out.
#include <string>

class cFlowCmd;

typedef void (*cCmdTextBuilder)(std::string* text, const cFlowCmd& cmd);

// Slot k builds the line of chara command type k; slot 0 is empty.
extern const cCmdTextBuilder CmdTextBuilders[37];
// Slot k builds the line of item command k: slot 1 "フローの変更", slots 2..21 the chara types
// 17..36 they run as; slot 0 is empty.
extern const cCmdTextBuilder ItemCmdTextBuilders[22];

// The row text of both command lists: the builder of the command's own set (chara or item) and
// type, or the empty text when there is none.
void CmdRowText(const cFlowCmd& cmd, std::string* text);
