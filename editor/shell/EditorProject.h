#pragma once
// The project objects that only the editor holds, for the whole run, beside those both programs
// hold (data/ProjectDatabase.h, data/CommonPalette.h, data/ProjectData.h). Each is built with
// its defaults on first use; loads refill it, never replace it.
#include "data/EditConfig.h"
#include "data/GValInfo.h"
#include "data/PrjOption.h"
#include "editor/shell/UndoHistory.h"

cPrjOption& ProjectOption();
cEditConfig& EditConfig();
// The names of the common variables.
cVarNames& CommonVarNames();
// The stage editor's undo history (the stage document's, editor/shell/StageDoc.h).
cUndoHistory& UndoHistory();
