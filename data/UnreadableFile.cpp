#include "data/UnreadableFile.h"

#include <windows.h>

#include "framework/Format.h"
#include "framework/MessageBox.h"

namespace {
// Enough for every failed start a project could see; past it the file is left alone.
const int kMaxKeptCopies = 999;
}  // namespace

std::string KeptCopyPath(const char* path, int n) { return Format("%s.bad%d", path, n); }

bool SetAsideUnreadableFile(const char* path) {
    if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return true;
    }
    for (int n = 1; n <= kMaxKeptCopies; ++n) {
        const std::string kept = KeptCopyPath(path, n);
        // MoveFileA never replaces an existing file: a taken name fails and the next is tried.
        if (MoveFileA(path, kept.c_str())) {
            ErrorBox("%s を読み込めませんでした。\n元のファイルを %s として残し、初期データを使います。", path,
                     kept.c_str());
            return true;
        }
        const DWORD error = GetLastError();
        if (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS) break;
    }
    ErrorBox("%s を読み込めませんでした。\nこのファイルは移動できないためそのまま残し、初期データを使います。", path);
    return false;
}
