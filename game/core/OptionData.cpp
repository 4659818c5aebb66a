#include "game/core/OptionData.h"

const int32_t SeVolumeTable[cOptionData::kVolumeSteps] = {-10000, -3000, -2000, -1300, -800, -500,
                                                           -300,   -150,  -80,   -30,   0};

const char* const RankEntryModeNames[cOptionData::kRankEntryModes] = {
    "手動登録（登録名入力）", "手動登録（登録名固定）", "自動登録（登録名入力）", "自動登録（登録名固定）"};

cOptionData::cOptionData() {
    RegisterFields(kDataVersion);
    Init();
}

void cOptionData::Init() {
    Reset();
    m_Music = 1;
    m_SeVolume = 7;
    m_RankName = "aaa";
}

void cOptionData::RegisterFields(uint32_t) {
    ClearFields();
    AddField32(&m_PaletteVariant);
    AddField32(&m_Music);
    AddField32(&m_SeVolume);
    AddField32(&m_RankEntryMode);
    AddStringField(&m_RankName);
}

cOptionData& OptionData() {
    static cOptionData options;
    return options;
}

int32_t SeVolumeOf(int32_t option) {
    if (option < 0) option = 0;
    if (option >= cOptionData::kVolumeSteps) option = cOptionData::kVolumeSteps - 1;
    return SeVolumeTable[option];
}
