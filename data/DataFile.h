#pragma once
// Data files of the project: a 4-byte data version, then records. A file is read whole into
// memory and taken apart by a reader that checks every read against the bytes that are left;
// a file is written into memory first and put in place by the safe save.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "data/KeptBlocks.h"

// The version this program writes and the member set records hold in memory.
const uint32_t kDataVersion = 147;

// No project file is larger than this; a bigger one is refused before it is read.
const size_t kMaxDataFileSize = 128u << 20;

// The bytes of a file read or written whole: large ones in the store the read or save before
// left (data/KeptBlocks.h), never zeroed before the file's bytes overwrite them.
typedef std::vector<char, cKeptAllocator<char, eKeptFileBytes>> cFileStore;

void SetDataVersion(uint32_t version);
uint32_t GetDataVersion();
// Test seam: the version of the file opened last for reading (kept when an open fails).
uint32_t GetReadVersion();

class cDataReader {
public:
    // The version of the file being read: records register their fields for it.
    uint32_t Version() const { return m_version; }

    // Every read fails once one has failed, so a caller may check only at the end.
    bool Read(void* dest, size_t size) {
        const char* from = Take(size);
        if (!from) return false;
        if (size) memcpy(dest, from, size);
        return true;
    }
    bool ReadU32(uint32_t& value) {
        const char* from = Take(4);
        if (!from) return false;
        const unsigned char* b = reinterpret_cast<const unsigned char*>(from);
        value = b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<uint32_t>(b[3]) << 24);
        return true;
    }
    // A count of elements that take at least minBytesEach bytes each: refused when the rest of
    // the file could not hold that many.
    bool ReadCount(uint32_t& count, size_t minBytesEach) {
        // A count that fails to read is 0, so no caller goes on with an unset one.
        count = 0;
        uint32_t value;
        if (!ReadU32(value)) return false;
        if (minBytesEach && value > Remaining() / minBytesEach) return Fail();
        count = value;
        return true;
    }
    // A string in the record layout: a length that counts the terminating zero, then the text.
    bool ReadString(std::string& text) {
        uint32_t length;
        if (!ReadU32(length)) return false;
        // An empty string is its length 1 alone.
        if (length != 1) return ReadText(length, text);
        text.clear();
        return true;
    }
    // The next size bytes, to be copied out by the caller; null (and failed) when the file has
    // fewer left.
    const char* Take(size_t size) {
        if (m_failed || size > Remaining()) {
            Fail();
            return nullptr;
        }
        const char* from = m_bytes.data() + m_pos;
        m_pos += size;
        return from;
    }
    bool Skip(size_t size) { return Take(size) != nullptr; }

    bool Failed() const { return m_failed; }
    size_t Remaining() const { return m_bytes.size() - m_pos; }
    // Marks the file as malformed; returns false for the caller to pass on.
    bool Fail();

private:
    friend bool OpenDataFileRead(cDataReader& in, const char* path);
    bool ReadText(uint32_t length, std::string& text);
    cFileStore m_bytes;
    size_t m_pos = 0;
    uint32_t m_version = 0;
    bool m_failed = false;
};

class cDataWriter {
public:
    void Write(const void* data, size_t size) {
        if (size) memcpy(Extend(size), data, size);
    }
    void WriteU32(uint32_t value) {
        const unsigned char b[4] = {static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
                                    static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)};
        memcpy(Extend(4), b, 4);
    }
    // Stored up to its first zero byte and at most kFormatBufferSize - 1 bytes long (cut at a
    // character boundary).
    void WriteString(const std::string& text);
    // Room for the next size bytes, for the caller to fill at once.
    char* Extend(size_t size) {
        if (size > m_bytes.size() - m_size) Grow(size);
        char* at = m_bytes.data() + m_size;
        m_size += size;
        return at;
    }
    // Grown by doubling.
    typedef cFileStore cBytes;
    const cBytes& Bytes() const {
        m_bytes.resize(m_size);
        return m_bytes;
    }
    size_t Size() const { return m_size; }

private:
    friend bool OpenDataFileWrite(cDataWriter& out, const char* path);
    friend bool CloseDataFile(cDataWriter& out);
    void Grow(size_t size);
    // Written bytes, then room: m_size bytes are the file so far.
    mutable cBytes m_bytes;
    size_t m_size = 0;
    std::string m_path;
};

// Reads the whole file and its version header (which becomes the read version). False for an
// empty path, a missing, unreadable or oversized file and one shorter than the header.
bool OpenDataFileRead(cDataReader& in, const char* path);
// Starts the file in memory with the current data version as its header; false for an empty path.
bool OpenDataFileWrite(cDataWriter& out, const char* path);
// Puts the written bytes in place through the safe save; false when that fails.
bool CloseDataFile(cDataWriter& out);

// Byte vectors: a 4-byte count, then one byte per entry.
template <class V>
bool ReadByteVector(V& bytes, cDataReader& in) {
    uint32_t count;
    if (!in.ReadCount(count, 1)) return false;
    V loaded(count);
    if (count && !in.Read(&loaded[0], count)) return false;
    bytes.swap(loaded);
    return true;
}

template <class V>
void WriteByteVector(const V& bytes, cDataWriter& out) {
    out.WriteU32(static_cast<uint32_t>(bytes.size()));
    if (!bytes.empty()) out.Write(&bytes[0], bytes.size());
}
