#pragma once
// Seeded damage to a good file: the same seed always gives the same damaged bytes, so a fault
// found by a long run is found again by naming its loader and seed.
#include <cstdint>
#include <string>

// A small generator of its own (not rand): the same sequence on every build and C library.
class cFuzzRandom {
public:
    explicit cFuzzRandom(uint64_t seed) : m_State(seed * 0x9E3779B97F4A7C15ull + 0x2545F4914F6CDD1Dull) {}
    uint32_t Next();
    // 0 .. bound - 1 (0 when bound is 0).
    uint32_t Below(uint32_t bound) { return bound ? Next() % bound : 0; }

private:
    uint64_t m_State;
};

// One to four kinds of damage: bytes flipped or replaced, a 16- or 32-bit value replaced by one
// that readers get wrong (0, -1, the largest and smallest, lengths just past the end), a block
// zeroed, repeated or removed, the file cut short or lengthened with junk.
std::string Mutate(const std::string& good, uint64_t seed);
