#pragma once
// WAV files built byte by byte, so that tests can write well-formed and broken ones alike.
#include <cstdint>
#include <string>

std::string Le16(uint16_t v);
std::string Le32(uint32_t v);
// A chunk: id, 32-bit size of the body, the body and a pad byte after an odd body. The size
// written may be given apart from the body (for chunks that claim more than they hold).
std::string Chunk(const char* id, const std::string& body);
std::string ChunkClaiming(const char* id, uint32_t claimedSize, const std::string& body);
// The 16-byte format block of a PCM-style "fmt " body.
std::string FormatBody(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits);
// "RIFF", size, "WAVE" and the chunks.
std::string Riff(const std::string& chunks);
// A whole PCM file holding the given samples.
std::string PcmWave(uint16_t channels, uint32_t rate, uint16_t bits, const std::string& samples);
// n bytes counting up from 0 (wrapping), so that a copy can be checked byte by byte.
std::string CountingBytes(size_t n);
