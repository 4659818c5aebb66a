#include "tests/game/media/WaveFixture.h"

std::string Le16(uint16_t v) { return std::string{static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)}; }

std::string Le32(uint32_t v) { return Le16(static_cast<uint16_t>(v & 0xFFFF)) + Le16(static_cast<uint16_t>(v >> 16)); }

std::string ChunkClaiming(const char* id, uint32_t claimedSize, const std::string& body) {
    std::string chunk = std::string(id, 4) + Le32(claimedSize) + body;
    if (body.size() % 2) chunk += '\0';
    return chunk;
}

std::string Chunk(const char* id, const std::string& body) {
    return ChunkClaiming(id, static_cast<uint32_t>(body.size()), body);
}

std::string FormatBody(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits) {
    uint16_t align = static_cast<uint16_t>(channels * bits / 8);
    return Le16(tag) + Le16(channels) + Le32(rate) + Le32(rate * align) + Le16(align) + Le16(bits);
}

std::string Riff(const std::string& chunks) {
    return "RIFF" + Le32(static_cast<uint32_t>(4 + chunks.size())) + "WAVE" + chunks;
}

std::string PcmWave(uint16_t channels, uint32_t rate, uint16_t bits, const std::string& samples) {
    return Riff(Chunk("fmt ", FormatBody(1, channels, rate, bits)) + Chunk("data", samples));
}

std::string CountingBytes(size_t n) {
    std::string bytes(n, '\0');
    for (size_t i = 0; i < n; ++i) bytes[i] = static_cast<char>(i & 0xFF);
    return bytes;
}
