#include "framework/SafeFile.h"

#include <windows.h>

#include <algorithm>

#include "framework/Format.h"

bool ReadWholeFile(const char* path, std::vector<char>& bytes, size_t maxSize) {
    if (!path || !path[0]) return false;
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size;
    bool ok = GetFileSizeEx(file, &size) && size.QuadPart >= 0 && static_cast<unsigned long long>(size.QuadPart) <= maxSize;
    std::vector<char> read;
    if (ok) {
        read.resize(static_cast<size_t>(size.QuadPart));
        size_t done = 0;
        while (ok && done < read.size()) {
            DWORD chunk = static_cast<DWORD>(std::min<size_t>(read.size() - done, 1u << 20));
            DWORD got = 0;
            ok = ReadFile(file, read.data() + done, chunk, &got, nullptr) && got == chunk;
            done += got;
        }
    }
    CloseHandle(file);
    if (ok) bytes.swap(read);
    return ok;
}

bool SaveFileSafely(const char* path, const void* data, size_t size) {
    if (!path || !path[0]) return false;
    std::string temp = Format("%s.tmp~", path);
    HANDLE file = CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const char* bytes = static_cast<const char*>(data);
    size_t done = 0;
    bool ok = true;
    while (ok && done < size) {
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(size - done, 1u << 20));
        DWORD written = 0;
        ok = WriteFile(file, bytes + done, chunk, &written, nullptr) && written == chunk;
        done += written;
    }
    ok = ok && FlushFileBuffers(file);
    CloseHandle(file);
    ok = ok && MoveFileExA(temp.c_str(), path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) DeleteFileA(temp.c_str());
    return ok;
}
