#pragma once
// PCM WAV files read through the multimedia file functions. The files come from the project
// folder and are not trusted: every size is checked against what the file holds.
#include <windows.h>

#include <mmsystem.h>

#include <cstdint>
#include <vector>

struct cWaveData {
    WAVEFORMATEX Format = {};
    std::vector<uint8_t> Samples;  // whole sample frames only
};

// Reads the "fmt " and "data" chunks of a RIFF WAVE file. Only PCM of 8 or 16 bits in one or two
// channels is accepted; anything else, and any file that ends before its chunks do, fails and
// leaves the data as it was.
bool DSReadWave(const char* file, cWaveData& wave);
