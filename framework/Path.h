#pragma once
// Paths held in MAX_PATH byte buffers (cp932 text).
#include <string>

#include "framework/CheckedVector.h"

typedef cCheckedVector<std::string> cStringList;

int MakeRelativePath(char* path);
int MakeRelativePath(std::string& path);
int MakeAbsolutePath(char* path);
void StripPath(char* path);
void StripPath(std::string& path);
// The file name after the last '\\' and its extension after the name's last '.' (empty when it
// has none; a dot in a folder name does not count).
std::string FileNameOf(const std::string& path);
std::string FileExtOf(const std::string& path);
// The path with its file name's extension replaced, or given one when it has none.
std::string ChangeFileExt(const std::string& path, const std::string& ext);
// Drops one trailing '\\', never the trail byte of a double-byte character.
void StripTrailingSlash(std::string& path);
int ChangeExt(char* dest, const char* src, const char* ext);
int GetExt(char* dest, const char* path);
int HasExt(const char* path, const char* ext);
int ListFiles(cStringList& list, const char* folder, const char* ext);
int FindNumberedFile(char* dest, const char* path, const char* ext);
int FindNumberedFile(std::string& dest, const char* path, const char* ext);
