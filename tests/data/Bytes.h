#pragma once
// Builds the bytes of a data file by hand, field by field in little-endian order, so that
// fixtures follow the file layout and not the code under test.
#include <cstdint>
#include <string>

class cBytes {
public:
    cBytes& U8(uint8_t v) {
        m_bytes += static_cast<char>(v);
        return *this;
    }
    cBytes& U16(uint16_t v) { return U8(v & 0xFF).U8(v >> 8); }
    cBytes& U32(uint32_t v) { return U16(v & 0xFFFF).U16(v >> 16); }
    cBytes& I32(int32_t v) { return U32(static_cast<uint32_t>(v)); }
    cBytes& Raw(const std::string& bytes) {
        m_bytes += bytes;
        return *this;
    }
    // A string member: its length with the terminating zero, then (unless empty) text and zero.
    cBytes& Str(const std::string& text) {
        U32(static_cast<uint32_t>(text.size() + 1));
        if (!text.empty()) Raw(text).U8(0);
        return *this;
    }
    const std::string& Get() const { return m_bytes; }
    size_t Size() const { return m_bytes.size(); }

private:
    std::string m_bytes;
};
