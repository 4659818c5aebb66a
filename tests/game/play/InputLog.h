#pragma once
// Committed input logs of play: "seed N hash H" (H hexadecimal, the state hash the play ends
// in), then runs of "direction buttons frames". Read by the replay tests and the benchmark.
#include <cstdint>
#include <sstream>
#include <string>

#include "game/data/ReplayData.h"

// Fills the replay with the log's frames and seed. Counts are bounded: a log of more than a
// million frames or a run below 1 is refused.
inline bool ReadInputLog(const char* text, uint32_t& seed, uint64_t& hash, cReplayData& replay) {
    std::istringstream in(text);
    replay.Clear();
    std::string seedWord, hashWord;
    bool ok = static_cast<bool>(in >> seedWord >> seed >> hashWord >> std::hex >> hash >> std::dec) &&
              seedWord == "seed" && hashWord == "hash";
    int direction, buttons, frames;
    long total = 0;
    while (ok && in >> direction >> buttons >> frames) {
        total += frames;
        ok = frames >= 1 && total <= 1000000;
        for (int i = 0; ok && i < frames; ++i)
            replay.RecordFrame(static_cast<int16_t>(direction), static_cast<int16_t>(buttons));
    }
    replay.m_Seed = static_cast<int32_t>(seed);
    return ok && !replay.Empty();
}
