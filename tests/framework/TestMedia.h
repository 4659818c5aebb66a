#pragma once
// Media files the build makes beside the test program (media.cmake).
#include <windows.h>

#include <cstdio>
#include <string>

inline std::string TestMediaPath(const char* name) {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, n);
    return folder.substr(0, folder.rfind('\\') + 1) + name;
}

inline std::string TestMediaBytes(const char* name) {
    std::string bytes;
    FILE* fp = fopen(TestMediaPath(name).c_str(), "rb");
    if (!fp) return bytes;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, fp)) > 0) bytes.append(buffer, n);
    fclose(fp);
    return bytes;
}
