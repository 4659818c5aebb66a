#include "data/DataFile.h"

#include <algorithm>
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

bool cDataReader::ReadText(uint32_t length, std::string& text) {
    // The writer never stores a length of 0 nor a text longer than the formatting buffer.
    if (length == 0 || length > kFormatBufferSize || length > Remaining()) return Fail();
    const char* start = &m_bytes[m_pos];
    m_pos += length;
    text.assign(start, strnlen(start, length));
    return true;
}

void cDataWriter::Grow(size_t size) {
    m_bytes.resize(std::max(m_size + size, std::max<size_t>(2 * m_bytes.size(), 4096)));
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
    cFileStore bytes;
    const bool read = ReadWholeFileInto(path, kMaxDataFileSize, [&bytes](size_t size) {
        bytes.resize(size);
        return bytes.data();
    });
    if (!read || bytes.size() < 4) return false;
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
    // The store of the save before, whole: a file of about its size is written without a move.
    out.m_bytes.reserve(KeptBlockBytes(eKeptFileBytes));
    out.m_size = 0;
    out.WriteU32(g_dataVersion);
    return true;
}

bool CloseDataFile(cDataWriter& out) {
    return !out.m_path.empty() && SaveFileSafely(out.m_path.c_str(), out.m_bytes.data(), out.m_size);
}
