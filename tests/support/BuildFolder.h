#pragma once
// The build folder beside the tests folder: the two programs and the project folders the build
// writes there (the factory project in build\project, the sample game in build\sample), and
// copies of those folders into the current one.
#include <windows.h>
#include <shellapi.h>

#include <string>

// A file of the build folder (the programs, the factory project), from the test program's place.
inline std::string BuildPath(const char* name) {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string path = self;
    path.erase(path.rfind('\\'));  // tests folder
    path.erase(path.rfind('\\'));  // build folder
    return path + "\\" + name;
}

// Copies a folder of the factory project (the build writes it into build\project), or of another
// project folder of the build, into the current folder, under its own name or another; false when
// the shell refuses.
inline bool CopyFactoryFolder(const char* name, const char* as = nullptr, const char* project = "project") {
    std::string from = BuildPath(project) + "\\" + name;
    char here[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, here);
    std::string to = std::string(here) + "\\" + (as ? as : name);
    from.push_back('\0');
    to.push_back('\0');
    SHFILEOPSTRUCTA copy = {};
    copy.wFunc = FO_COPY;
    copy.pFrom = from.c_str();
    copy.pTo = to.c_str();
    copy.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOCONFIRMMKDIR | FOF_NOERRORUI;
    return SHFileOperationA(&copy) == 0 && !copy.fAnyOperationsAborted;
}

// The factory project without its data\ folder: default\ and the media.
inline bool CopyFactoryProject() {
    for (const char* name : {"default", "bmp", "e_bmp", "wave", "bgm"})
        if (!CopyFactoryFolder(name)) return false;
    return true;
}
