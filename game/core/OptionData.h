#pragma once
// The player's options (user_data\Option.dat): palette variation, music, sound-effect volume and
// how results enter the rankings.
#include <cstdint>
#include <string>

#include "data/Record.h"

class cOptionData : public cRecord {
public:
    static constexpr int kPaletteVariants = 24;
    static constexpr int kVolumeSteps = 11;
    static constexpr int kRankEntryModes = 4;

    cOptionData();
    void Init();
    void RegisterFields(uint32_t version) override;
    RECORD_COPY(cOptionData)

    int32_t m_PaletteVariant;  // 0-23, used with an 8-bit display
    int32_t m_Music;           // 0 leaves the music player uninitialised
    int32_t m_SeVolume;        // 0-10, a row of SeVolumeTable
    int32_t m_RankEntryMode;   // a row of RankEntryModeNames
    std::string m_RankName;    // the name fixed entry modes use
};

// The one player-options object of the game.
cOptionData& OptionData();

// DirectSound volume (hundredths of a decibel) of each sound-effect volume option.
extern const int32_t SeVolumeTable[cOptionData::kVolumeSteps];
// The volume of an option value; values outside the table take the nearest end.
int32_t SeVolumeOf(int32_t option);
// Captions of the ranking entry modes.
extern const char* const RankEntryModeNames[cOptionData::kRankEntryModes];
