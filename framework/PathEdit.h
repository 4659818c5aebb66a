#pragma once
// A bound text edit that holds a file's path relative to the project folder (the current
// folder), chosen with the Open dialog: the pages of the database window and of the settings
// sheets fill their path edits so.
#include <windows.h>

#include "framework/StrEdit.h"

// Asks for a file with the Open dialog (starting in `folder`) and puts its relative path into
// the bound edit `editId`, whose change then stores it. A cancelled dialog, a path that cannot be
// made relative or an id without a binding change nothing; a path longer than the edit holds
// beeps and changes nothing, so that no path is ever cut.
void ChooseFileInto(HWND owner, cBindings<cBoundStrEdit>& texts, uint16_t editId, const char* folder,
                    const char* title, const char* filter, const char* ext);
