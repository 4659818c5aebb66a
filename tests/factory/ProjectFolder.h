#pragma once
// The factory project folder (or the sample game's, "sample") that the build writes beside the
// tests folder.
#include <windows.h>

#include <string>

inline std::string ProjectFolder(const char* name = "project") {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string path = self;
    path.erase(path.rfind('\\'));  // tests folder
    path.erase(path.rfind('\\'));  // build folder
    return path + "\\" + name;
}

// Makes the project folder current, as both programs run in it.
inline bool EnterProjectFolder() { return SetCurrentDirectoryA(ProjectFolder().c_str()) != 0; }
