#pragma once
// Compares a replay's frames with the committed frame words as they come: the first frame that
// differs is named, with both words, and ends the comparison, so that a change of play is
// reported where it starts and not again at every frame after it.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "tests/game/play/CommittedReplays.h"

class cFrameHashCheck {
public:
    cFrameHashCheck(const uint32_t* expected, size_t count) : m_Expected(expected), m_Count(count) {}

    // The next frame's state hash (frames count from 1): false once a frame has differed from its
    // committed word or has come beyond the committed frames.
    bool Frame(uint64_t stateHash) {
        if (!m_Report.empty()) return false;
        const uint32_t word = FrameWord(stateHash);
        ++m_Frames;
        if (m_Frames > m_Count) return Differs("the replay's end", Hex(word));
        if (word != m_Expected[m_Frames - 1]) return Differs(Hex(m_Expected[m_Frames - 1]), Hex(word));
        return true;
    }
    // The replay has ended: false when committed frames are left over.
    bool End() {
        if (!m_Report.empty()) return false;
        if (m_Frames == m_Count) return true;
        ++m_Frames;
        return Differs(Hex(m_Expected[m_Frames - 1]), "the replay's end");
    }
    // Empty while every frame agreed: "first differing frame N: expected X, got Y".
    const std::string& Report() const { return m_Report; }
    // The frame the report names; 0 while none differed.
    size_t DifferingFrame() const { return m_Report.empty() ? 0 : m_Frames; }

private:
    static std::string Hex(uint32_t word) {
        char text[16];
        std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(word));
        return text;
    }
    bool Differs(const std::string& expected, const std::string& got) {
        m_Report = "first differing frame " + std::to_string(m_Frames) + ": expected " + expected + ", got " + got;
        return false;
    }

    const uint32_t* m_Expected;
    size_t m_Count;
    size_t m_Frames = 0;
    std::string m_Report;
};
