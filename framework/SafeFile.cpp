#include "framework/SafeFile.h"

#include <windows.h>

#include <algorithm>

#include "framework/Format.h"

bool ReadWholeFileInto(const char* path, size_t maxSize, const std::function<char*(size_t size)>& room) {
    if (!path || !path[0]) return false;
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size;
    bool ok = GetFileSizeEx(file, &size) && size.QuadPart >= 0 && static_cast<unsigned long long>(size.QuadPart) <= maxSize;
    const size_t total = ok ? static_cast<size_t>(size.QuadPart) : 0;
    char* to = ok ? room(total) : nullptr;
    ok = ok && (to || total == 0);
    size_t done = 0;
    while (ok && done < total) {
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(total - done, 1u << 20));
        DWORD got = 0;
        ok = ReadFile(file, to + done, chunk, &got, nullptr) && got == chunk;
        done += got;
    }
    CloseHandle(file);
    return ok;
}

bool ReadWholeFile(const char* path, std::vector<char>& bytes, size_t maxSize) {
    std::vector<char> read;
    const bool ok = ReadWholeFileInto(path, maxSize, [&read](size_t size) {
        read.resize(size);
        return read.data();
    });
    if (ok) bytes.swap(read);
    return ok;
}

namespace {

std::string TempPath(const char* path) { return Format("%s.tmp~", path); }

// A save killed between writing its temporary file and the rename leaves that file behind; the
// next save of the destination takes it away first, whether or not that save then succeeds.
// (A folder of the name stays: it is nobody's half-written save.)
void RemoveStaleTemp(const char* path) {
    if (path && path[0]) DeleteFileA(TempPath(path).c_str());
}

// Writes and flushes the temporary file of path; removed again when that fails.
bool WriteTemp(const char* path, const void* data, size_t size) {
    if (!path || !path[0]) return false;
    std::string temp = TempPath(path);
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
    if (!ok) DeleteFileA(temp.c_str());
    return ok;
}

bool RenameTemp(const char* path) {
    std::string temp = TempPath(path);
    if (MoveFileExA(temp.c_str(), path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    DeleteFileA(temp.c_str());
    return false;
}

// The destination can be replaced: missing, or neither read-only nor held open by another.
bool CanReplace(const char* path) {
    DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) return true;
    if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) return false;
    HANDLE file = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

}  // namespace

bool SaveFileSafely(const char* path, const void* data, size_t size) {
    // Wine lets a rename replace a read-only file; Windows does not, and neither do we.
    RemoveStaleTemp(path);
    return CanReplace(path) && WriteTemp(path, data, size) && RenameTemp(path);
}

bool SaveFilesSafely(const std::vector<cFileBytes>& files, std::string* failedPath) {
    // Every destination is looked at before anything is written, so that a file that cannot be
    // replaced stops the set while all of them still hold their old contents.
    for (const cFileBytes& file : files) RemoveStaleTemp(file.path.c_str());
    size_t written = 0;
    for (; written < files.size(); ++written) {
        const cFileBytes& file = files[written];
        if (!CanReplace(file.path.c_str()) || !WriteTemp(file.path.c_str(), file.bytes.data(), file.bytes.size()))
            break;
    }
    bool ok = written == files.size();
    if (!ok && failedPath) *failedPath = files[written].path;
    for (size_t i = 0; i < files.size(); ++i) {
        const char* path = files[i].path.c_str();
        if (!ok) {
            if (i < written) DeleteFileA(TempPath(path).c_str());
        } else if (!RenameTemp(path)) {
            if (failedPath) *failedPath = path;
            // The ones after it stay as they were.
            for (size_t j = i + 1; j < files.size(); ++j) DeleteFileA(TempPath(files[j].path.c_str()).c_str());
            return false;
        }
    }
    return ok;
}
