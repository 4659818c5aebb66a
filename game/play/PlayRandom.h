#pragma once
// The play scene's one random generator: the C library's linear congruential rule, kept as the
// scene's own state so that a replay's seed gives the same numbers whatever else uses rand().
#include <cstdint>

class cPlayRandom {
public:
    void Seed(uint32_t seed) { m_State = seed; }
    // 0 to 32767.
    int Next() {
        m_State = m_State * 214013u + 2531011u;
        return static_cast<int>((m_State >> 16) & 0x7fff);
    }
    uint32_t State() const { return m_State; }

private:
    uint32_t m_State = 1;
};
