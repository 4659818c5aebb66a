#pragma once
// The "_" button beside a variable combo: renames the chosen common or stage variable in the
// shared names at once, whatever the dialog's own result.
#include <string>
#include <vector>

#include "framework/Page.h"

enum eVarScope { eVarCommon = 0, eVarStage = 1 };

// Asks for the new name of variable `number` ("変数名の入力", at most 10 bytes, at the anchor).
// A number without a names entry (0: nothing chosen) beeps. A renamed stage variable marks the
// stage modified (its names are saved with it); a renamed common variable is saved to the
// names file at once when saveCommon is set. True when the name was changed.
bool RenameVariable(cChildWnd* parent, cWndGroup* group, int scope, int number, cCtrl* anchor, bool saveCommon);

// The combo items of the scope's variables, from variable 1 on: "001 名前".
void BuildVarNameList(std::vector<std::string>* list, int scope);
