#include "tools/fuzz/Mutate.h"

uint32_t cFuzzRandom::Next() {
    // xorshift64*
    m_State ^= m_State >> 12;
    m_State ^= m_State << 25;
    m_State ^= m_State >> 27;
    return static_cast<uint32_t>((m_State * 0x2545F4914F6CDD1Dull) >> 32);
}

namespace {

void PutValue(std::string& bytes, size_t at, uint32_t value, int width) {
    for (int i = 0; i < width && at + size_t(i) < bytes.size(); ++i) bytes[at + size_t(i)] = char(value >> (8 * i));
}

// Damage falls mostly on the headers and counts near the start, where one wrong value changes
// how the rest is read.
size_t Place(cFuzzRandom& random, size_t size) {
    if (size == 0) return 0;
    uint32_t head = size < 512 ? uint32_t(size) : 512u;
    return random.Below(4) ? random.Below(head) : random.Below(uint32_t(size));
}

void MutateOnce(std::string& bytes, cFuzzRandom& random) {
    size_t size = bytes.size();
    switch (random.Below(9)) {
    case 0:  // flip bits
        if (size) bytes[Place(random, size)] ^= char(1u << random.Below(8));
        break;
    case 1:  // replace a few bytes
        for (uint32_t n = 1 + random.Below(4), i = 0; i < n && size; ++i) bytes[Place(random, size)] = char(random.Next());
        break;
    case 2: {  // a value readers get wrong
        static const uint32_t kValues[] = {0,          1,          0xFFFFFFFFu, 0x7FFFFFFFu, 0x80000000u,
                                           0xFFFFu,    0x8000u,    0x7FFFu,     0x100u,      0x10000u,
                                           0x1000000u, 0x20000000u, 0x40000000u, 0xFFFFFFFEu, 0xFFFF0000u};
        uint32_t value = random.Below(3) ? kValues[random.Below(sizeof kValues / sizeof kValues[0])]
                                         : uint32_t(size) + random.Below(16) - 8u;
        PutValue(bytes, Place(random, size), value, random.Below(3) ? 4 : 2);
        break;
    }
    case 3:  // cut short
        bytes.resize(size ? random.Below(uint32_t(size)) : 0);
        break;
    case 4:  // cut a little
        bytes.resize(size > 16 ? size - 1 - random.Below(16) : 0);
        break;
    case 5:  // lengthen with junk
        for (uint32_t n = 1 + random.Below(64), i = 0; i < n; ++i) bytes.push_back(char(random.Next()));
        break;
    case 6: {  // zero a block
        size_t at = Place(random, size), n = 1 + random.Below(64);
        for (size_t i = at; i < size && i < at + n; ++i) bytes[i] = 0;
        break;
    }
    case 7: {  // repeat a block
        if (!size) break;
        size_t at = Place(random, size), n = 1 + random.Below(64);
        if (at + n > size) n = size - at;
        bytes.insert(at, bytes.substr(at, n));
        break;
    }
    default: {  // remove a block
        if (!size) break;
        size_t at = Place(random, size), n = 1 + random.Below(64);
        bytes.erase(at, n);
        break;
    }
    }
}

}  // namespace

std::string Mutate(const std::string& good, uint64_t seed) {
    cFuzzRandom random(seed);
    std::string bytes = good;
    for (uint32_t n = 1 + random.Below(4), i = 0; i < n; ++i) MutateOnce(bytes, random);
    return bytes;
}
