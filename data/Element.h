#pragma once
// What the three palette element records (block, chara, item) share.
#include <array>
#include <cstdint>
#include <cstring>

#include "data/Record.h"

// Inheritance flags of a variable length, as the project options keep them per element kind.
typedef cCheckedVector<uint8_t, eCloseProgram> cInheritFlags;

// An element's inheritance flags, one per attribute group (1 takes the group from the base
// element), held inside the element: a stage holds hundreds of thousands of elements, and a
// list of its own for each would cost a heap block apiece.
template <int N>
class cGroupFlags {
public:
    cGroupFlags() { m_flags.fill(0); }

    static constexpr size_t size() { return N; }
    static constexpr bool empty() { return false; }
    uint8_t& operator[](size_t group) { return m_flags[group]; }
    const uint8_t& operator[](size_t group) const { return m_flags[group]; }
    // A group outside the flags is reported as a bad index and reads as group 0.
    uint8_t& At(int group) {
        if (group >= 0 && group < N) return m_flags[group];
        ReportBadIndex('V', group, N, 1, eCloseProgram);
        return m_flags[0];
    }
    uint8_t* begin() { return m_flags.data(); }
    uint8_t* end() { return m_flags.data() + N; }
    const uint8_t* begin() const { return m_flags.data(); }
    const uint8_t* end() const { return m_flags.data() + N; }

    // n flags of the value, zeros after them.
    void assign(size_t n, uint8_t value) {
        for (size_t i = 0; i < static_cast<size_t>(N); ++i) m_flags[i] = i < n ? value : 0;
    }
    // Flags of another length (a file's, the project options'): cut, or padded with zeros.
    void CopyFrom(const uint8_t* flags, size_t count) {
        m_flags.fill(0);
        if (count) memcpy(m_flags.data(), flags, count < static_cast<size_t>(N) ? count : N);
    }
    template <class V>
    void CopyFrom(const V& flags) {
        CopyFrom(flags.empty() ? nullptr : &flags[0], flags.size());
    }
    // A group that a later version added: the flags from its place on move up one (the last
    // drops out) and the new group takes the value.
    void Insert(int group, uint8_t value) {
        memmove(&m_flags[group + 1], &m_flags[group], N - 1 - group);
        m_flags[group] = value;
    }

    bool operator==(const cGroupFlags& other) const { return m_flags == other.m_flags; }
    bool operator!=(const cGroupFlags& other) const { return !(*this == other); }

private:
    std::array<uint8_t, N> m_flags;
};
