#include "framework/Path.h"

#include <windows.h>
#include <shlwapi.h>

#include <cstring>

#include "framework/Format.h"

namespace {

// The last occurrence of an ASCII character in cp932 text, walking characters: the trail byte
// of a double-byte character (0x5C in "ソ" or "表") is never taken for a '\\'.
const char* FindLastChar(const char* text, char c) {
    const char* found = nullptr;
    for (const char* p = text; *p; ++p) {
        if (*p == c) found = p;
        if (IsCp932LeadByte(static_cast<unsigned char>(*p)) && p[1]) ++p;
    }
    return found;
}

}  // namespace

int MakeRelativePath(char* path) {
    if (PathIsRelativeA(path)) return 1;
    char current[MAX_PATH];
    DWORD n = GetCurrentDirectoryA(MAX_PATH, current);
    if (n == 0 || n >= MAX_PATH) return 0;
    char relative[MAX_PATH] = "";
    // On another drive there is no relative form: the path stays as it is.
    if (PathRelativePathToA(relative, current, FILE_ATTRIBUTE_DIRECTORY, path, FILE_ATTRIBUTE_ARCHIVE))
        FormatInto(path, MAX_PATH, "%s", relative);
    return 1;
}

int MakeRelativePath(std::string& path) {
    char buffer[MAX_PATH];
    CopyText(buffer, sizeof buffer, path.c_str());
    int result = MakeRelativePath(buffer);
    path = buffer;
    return result;
}

int MakeAbsolutePath(char* path) {
    if (!PathIsRelativeA(path)) return 1;
    char current[MAX_PATH];
    DWORD n = GetCurrentDirectoryA(MAX_PATH, current);
    if (n == 0 || n >= MAX_PATH) return 0;
    char full[MAX_PATH] = "";
    DWORD len = GetFullPathNameA(path, MAX_PATH, full, nullptr);
    if (len > 0 && len < MAX_PATH) FormatInto(path, MAX_PATH, "%s", full);
    return 1;
}

void StripPath(char* path) {
    const char* slash = FindLastChar(path, '\\');
    if (slash) memmove(path, slash + 1, strlen(slash + 1) + 1);
}

void StripPath(std::string& path) {
    const char* slash = FindLastChar(path.c_str(), '\\');
    if (slash) path.erase(0, static_cast<size_t>(slash - path.c_str()) + 1);
}

std::string FileNameOf(const std::string& path) {
    std::string name = path;
    StripPath(name);
    return name;
}

std::string FileExtOf(const std::string& path) {
    const std::string name = FileNameOf(path);
    const char* dot = FindLastChar(name.c_str(), '.');
    return dot ? std::string(dot + 1) : std::string();
}

std::string ChangeFileExt(const std::string& path, const std::string& ext) {
    const std::string name = FileNameOf(path);
    const char* dot = FindLastChar(name.c_str(), '.');
    const size_t stem = path.size() - name.size() + (dot ? static_cast<size_t>(dot - name.c_str()) : name.size());
    return path.substr(0, stem) + "." + ext;
}

void StripTrailingSlash(std::string& path) {
    const char* slash = FindLastChar(path.c_str(), '\\');
    if (slash && slash[1] == '\0') path.pop_back();
}

int ChangeExt(char* dest, const char* src, const char* ext) {
    CopyText(dest, MAX_PATH, src);
    const char* found = FindLastChar(dest, '.');
    if (!found) return 0;
    char* dot = dest + (found - dest);
    if (ext) {
        dot[1] = '\0';
        size_t used = static_cast<size_t>(dot + 1 - dest);
        CopyText(dot + 1, MAX_PATH - used, ext);
    } else {
        *dot = '\0';
    }
    return 1;
}

int GetExt(char* dest, const char* path) {
    const char* dot = FindLastChar(path, '.');
    if (!dot) return 0;
    CopyText(dest, MAX_PATH, dot + 1);
    return 1;
}

int HasExt(const char* path, const char* ext) {
    char found[MAX_PATH];
    return GetExt(found, path) && strcmp(found, ext) == 0;
}

int ListFiles(cStringList& list, const char* folder, const char* ext) {
    std::string pattern = Format("%s\\*.%s", folder, ext);
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA(pattern.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return 0;
    do {
        list.push_back(Format("%s\\%s", folder, data.cFileName));
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return 1;
}

int FindNumberedFile(char* dest, const char* path, const char* ext) {
    char base[MAX_PATH];
    ChangeExt(base, path, ext);
    char name[MAX_PATH];
    for (int number = 999; number >= 0; --number) {
        FormatInto(name, sizeof name, "%s_%d%d%d", base, number / 100, number / 10 % 10, number % 10);
        if (GetFileAttributesA(name) != INVALID_FILE_ATTRIBUTES) {
            CopyText(dest, MAX_PATH, name);
            return 1;
        }
    }
    return 0;
}

int FindNumberedFile(std::string& dest, const char* path, const char* ext) {
    char found[MAX_PATH];
    if (!FindNumberedFile(found, path, ext)) return 0;
    dest = found;
    return 1;
}
