#include "data/DataFile.h"

#include <cstring>

#include "framework/Format.h"
#include "framework/SafeFile.h"

namespace {
// Constant-initialised, so records built before the program's entry already see 147.
uint32_t g_dataVersion = kDataVersion;
uint32_t g_readVersion = 0;
}  // namespace

void SetDataVersion(uint32_t version) { g_dataVersion = version; }
uint32_t GetDataVersion() { return g_dataVersion; }
uint32_t GetReadVersion() { return g_readVersion; }

bool cDataReader::Fail() {
    m_failed = true;
    return false;
}

bool cDataReader::Read(void* dest, size_t size) {
    const char* from = Take(size);
    if (!from) return false;
    if (size) memcpy(dest, from, size);
    return true;
}

const char* cDataReader::Take(size_t size) {
    if (m_failed || size > Remaining()) {
        Fail();
        return nullptr;
    }
    const char* from = m_bytes.data() + m_pos;
    m_pos += size;
    return from;
}

bool cDataReader::ReadU32(uint32_t& value) {
    unsigned char b[4];
    if (!Read(b, sizeof b)) return false;
    value = b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<uint32_t>(b[3]) << 24);
    return true;
}

bool cDataReader::ReadCount(uint32_t& count, size_t minBytesEach) {
    uint32_t value;
    if (!ReadU32(value)) return false;
    if (minBytesEach && value > Remaining() / minBytesEach) return Fail();
    count = value;
    return true;
}

bool cDataReader::ReadString(std::string& text) {
    uint32_t length;
    if (!ReadU32(length)) return false;
    // An empty string is its length 1 alone.
    if (length == 1) {
        text.clear();
        return true;
    }
    // The writer never stores a length of 0 nor a text longer than the formatting buffer.
    if (length == 0 || length > kFormatBufferSize || length > Remaining()) return Fail();
    const char* start = &m_bytes[m_pos];
    m_pos += length;
    text.assign(start, strnlen(start, length));
    return true;
}

char* cDataWriter::Extend(size_t size) {
    const size_t at = m_bytes.size();
    m_bytes.resize(at + size);
    return m_bytes.data() + at;
}

void cDataWriter::Write(const void* data, size_t size) {
    if (size) memcpy(Extend(size), data, size);
}

void cDataWriter::WriteU32(uint32_t value) {
    unsigned char b[4] = {static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
                          static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)};
    Write(b, sizeof b);
}

void cDataWriter::WriteString(const std::string& text) {
    // Stored up to the first zero byte: with its own zero when it fits the buffer whole.
    const size_t whole = strlen(text.c_str());
    if (whole < kFormatBufferSize) {
        WriteU32(static_cast<uint32_t>(whole + 1));
        if (whole) Write(text.c_str(), whole + 1);
        return;
    }
    char buffer[kFormatBufferSize];
    size_t length = CopyText(buffer, sizeof buffer, text.c_str());
    WriteU32(static_cast<uint32_t>(length + 1));
    if (length) Write(buffer, length + 1);
}

bool OpenDataFileRead(cDataReader& in, const char* path) {
    std::vector<char> bytes;
    if (!ReadWholeFile(path, bytes, kMaxDataFileSize) || bytes.size() < 4) return false;
    in.m_bytes.swap(bytes);
    in.m_pos = 0;
    in.m_failed = false;
    in.ReadU32(in.m_version);
    g_readVersion = in.m_version;
    return true;
}

bool OpenDataFileWrite(cDataWriter& out, const char* path) {
    if (!path || !path[0]) return false;
    out.m_path = path;
    out.m_bytes.clear();
    out.WriteU32(g_dataVersion);
    return true;
}

bool CloseDataFile(cDataWriter& out) { return !out.m_path.empty() && SaveFileSafely(out.m_path.c_str(), out.m_bytes); }
