#pragma once
// The factory project folder (or the sample game's, "sample") that the build writes beside the
// tests folder.
#include <string>

#include "tests/support/BuildFolder.h"

inline std::string ProjectFolder(const char* name = "project") { return BuildPath(name); }

// Makes the project folder current, as both programs run in it.
inline bool EnterProjectFolder() { return SetCurrentDirectoryA(ProjectFolder().c_str()) != 0; }

// The project's record files and the editor's pictures (default\, bmp\ and e_bmp\) copied into
// the current folder: what the editor's first run finds, before it has made data\.
inline bool CopyProjectRecords(const char* project = "project") {
    for (const char* folder : {"default", "bmp", "e_bmp"})
        if (!CopyFactoryFolder(folder, nullptr, project)) return false;
    return true;
}
