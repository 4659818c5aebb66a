#pragma once
// Saves of the editor's own state and of the project files it writes on its way out. A save
// that fails is shown to the person, naming the file: the change would otherwise be lost unseen.

bool SaveEditConfig();  // e_data\EditConfig.dat
bool SaveProjectOption();  // data\PrjOption.dat
bool SaveVarNames();  // data\GValInfo.dat
