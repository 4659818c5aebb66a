#pragma once
// Builds Standard MIDI Files byte by byte for the MIDI tests.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

typedef std::vector<uint8_t> cBytes;

inline cBytes Bytes(std::initializer_list<int> list) {
    cBytes out;
    for (int b : list) out.push_back(uint8_t(b));
    return out;
}

// The end-of-track meta event.
const cBytes kEnd = Bytes({0xFF, 0x2F, 0x00});

inline cBytes Cat(std::initializer_list<cBytes> parts) {
    cBytes out;
    for (const cBytes& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

inline cBytes Big32(uint32_t v) { return Bytes({int(v >> 24), int(v >> 16 & 0xFF), int(v >> 8 & 0xFF), int(v & 0xFF)}); }

// A chunk: its four-letter type, its length and the data.
inline cBytes Chunk(const char* type, const cBytes& data) {
    return Cat({cBytes(type, type + 4), Big32(uint32_t(data.size())), data});
}

inline cBytes Smf(int format, int division, std::initializer_list<cBytes> tracks) {
    cBytes out = Chunk("MThd", Bytes({0, format, 0, int(tracks.size()), division >> 8, division & 0xFF}));
    for (const cBytes& t : tracks) out = Cat({out, Chunk("MTrk", t)});
    return out;
}

inline std::string AsString(const cBytes& b) { return std::string(b.begin(), b.end()); }
