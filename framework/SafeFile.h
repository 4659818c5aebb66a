#pragma once
// Whole-file reads with a size bound, and the one save routine every file of the system uses.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// Reads the whole file; false when it cannot be opened or read, or is larger than maxSize
// (the buffer is then left as it was).
bool ReadWholeFile(const char* path, std::vector<char>& bytes, size_t maxSize);
// The same into storage of the caller's: room(size) gives the place for the file's size bytes
// (null refuses the read), so a large file can be read into storage that a read before left.
bool ReadWholeFileInto(const char* path, size_t maxSize, const std::function<char*(size_t size)>& room);

// Writes the bytes to a temporary file beside the destination and renames it into place, so
// the destination holds either its old contents or the new ones, never a half-written file.
bool SaveFileSafely(const char* path, const void* data, size_t size);
inline bool SaveFileSafely(const char* path, const std::vector<char>& bytes) {
    return SaveFileSafely(path, bytes.data(), bytes.size());
}

// A file of a set that is saved together.
struct cFileBytes {
    std::string path;
    std::vector<char> bytes;
};

// Saves files that belong together: every temporary file is written first, and only when all
// were written are they renamed into place. On a failure the temporaries are removed, the
// first failed path goes to failedPath (when given) and every destination not yet renamed keeps
// its old contents; a write failure leaves them all unchanged.
bool SaveFilesSafely(const std::vector<cFileBytes>& files, std::string* failedPath);
