#pragma once
// The names of the common variables, a table file of names (data\GValInfo.dat). Written with
// SaveVectorFile.
#include "data/NameRec.h"

// Common variables are numbered 0 to 255; every number has a name entry.
const int kCommonVars = 256;

typedef cRecordVector<cNameRec> cVarNames;

// Loads the names, removing carriage returns when strip is set. A list shorter than kCommonVars
// is padded with empty names, so every variable number finds its entry. False, with the names
// unchanged, when the file cannot be read whole.
bool LoadGValInfo(cVarNames& names, const char* path, bool strip);
