#include "framework/AnimePlayer.h"

namespace {

bool IsCode(int32_t value) { return value == kAnimeHold || value == kAnimeLoop || value == kAnimeJump; }

}  // namespace

bool IsValidAnimePattern(const cAnimePattern& pattern, int count) {
    int size = static_cast<int>(pattern.size());
    if (size == 0 || pattern[size - 1].value >= 0 || IsCode(pattern[0].value)) return false;
    for (int i = 0; i < size; ++i) {
        const cAnimeCode& frame = pattern[i];
        if (frame.value == kAnimeHold && IsCode(pattern[i - 1].value)) return false;
        if (frame.value == kAnimeJump && (frame.duration < 0 || frame.duration >= count)) return false;
    }
    return true;
}

bool cAnimePlayer::SetPatterns(const cAnimePatterns& patterns) {
    m_Patterns.clear();
    m_Pattern = m_Frame = m_Tick = 0;
    int count = static_cast<int>(patterns.size());
    for (const cAnimePattern& pattern : patterns)
        if (!IsValidAnimePattern(pattern, count)) return false;
    m_Patterns = patterns;
    return true;
}

bool cAnimePlayer::SetPatterns(const int32_t* const* arrays) {
    cAnimePatterns patterns;
    for (; arrays && *arrays; ++arrays) {
        cAnimePattern pattern;
        const int32_t* p = *arrays;
        for (;; p += 3) {
            if (static_cast<int>(pattern.size()) == kMaxAnimeFrames) {
                SetPatterns(cAnimePatterns());
                return false;
            }
            pattern.push_back(cAnimeCode{p[0], p[1], static_cast<int32_t>(static_cast<uint8_t>(p[2]))});
            if (p[0] < 0) break;
        }
        patterns.push_back(pattern);
    }
    return SetPatterns(patterns);
}

int cAnimePlayer::SetPattern(int pattern, int force) {
    if (pattern < 0 || pattern >= static_cast<int>(m_Patterns.size())) return 0;
    if (m_Form == eAnimeKeepCurrent && pattern == m_Pattern) return 1;
    if (!force && m_Patterns.At(m_Pattern).At(m_Frame).uninterruptible) return 0;
    m_Pattern = pattern;
    m_Frame = 0;
    m_Tick = 0;
    return 1;
}

int32_t cAnimePlayer::Update() {
    if (m_Patterns.empty()) return 0;
    const cAnimePattern* pattern = &m_Patterns.At(m_Pattern);
    if (++m_Tick >= pattern->At(m_Frame).duration) {
        m_Tick = 0;
        // An ending value other than the codes is the last frame: the player stays on it.
        if (m_Frame + 1 < static_cast<int>(pattern->size())) ++m_Frame;
        const cAnimeCode& frame = pattern->At(m_Frame);
        if (frame.value == kAnimeJump) {
            m_Pattern = frame.duration;
            m_Frame = 0;
        } else if (frame.value == kAnimeLoop) {
            m_Frame = 0;
        } else if (frame.value == kAnimeHold) {
            --m_Frame;
        }
    }
    return m_Patterns.At(m_Pattern).At(m_Frame).value;
}
