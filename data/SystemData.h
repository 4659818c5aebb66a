#pragma once
// The game's project-wide settings (data\System.dat), read by both programs: title, lives, menus,
// the game's wording, the system sounds, the menu music, the System.ini keys, the status window
// and what the stock carries between stages.
#include <cstdint>
#include <string>

#include "data/FileRecords.h"
#include "data/Record.h"

// One item of the status window.
class cSysRecA : public cRecord {
public:
    cSysRecA() {
        RegisterFields(kDataVersion);
        Reset();
    }
    void RegisterFields(uint32_t version) override;
    RECORD_COPY(cSysRecA)

    int32_t m_Show;
    int32_t m_ShowSymbol;  // "シンボルを表示"
    std::string m_Text;    // "文字"
    int32_t m_MaxDigits;   // "最大桁数"
};

// One menu entry.
class cSysRecB : public cRecord {
public:
    cSysRecB() {
        RegisterFields(kDataVersion);
        Reset();
        m_Shown = 1;
    }
    void RegisterFields(uint32_t version) override;
    RECORD_COPY(cSysRecB)

    int32_t m_Shown;
    std::string m_Text;
};

// One System.ini key and the value the game takes when System.ini lacks it.
class cSysRecC : public cRecord {
public:
    enum eKind { eInteger, eString };

    cSysRecC() {
        RegisterFields(kDataVersion);
        Reset();
    }
    void RegisterFields(uint32_t version) override;
    RECORD_COPY(cSysRecC)

    int32_t m_Kind;
    std::string m_Key;
    int32_t m_IntDefault;
    std::string m_StrDefault;
};

// Whether a play mode keeps rankings, and which of its ranking kinds (score, remaining time,
// clear time) are ranked and can be viewed.
class cRankingSetting : public cRecord {
public:
    static constexpr int kKinds = 3;

    cRankingSetting();
    void RegisterFields(uint32_t version) override;
    bool Load(cDataReader& in) override;
    void Save(cDataWriter& out) override;
    RECORD_COPY(cRankingSetting)

    int32_t m_On;                         // "ランキングON"
    cCheckedVector<uint8_t, eCloseProgram> m_Shown;  // "スコア", "残り時間", "クリア時間"
};

template <class T>
using cSystemList = cCheckedVector<T, eCloseProgram>;

class cSystemData : public cRecord {
public:
    // The full length of each list. Shorter lists in a file are completed from the factory
    // values; longer ones are refused, since the programs keep these in fixed places.
    static constexpr int kStockTargets = 22;
    static constexpr int kStatusItems = 5;
    static constexpr int kTitleMenu = 7;
    static constexpr int kWorldMenu = 3;
    static constexpr int kOptionMenu = 6;
    static constexpr int kPlayModes = 4;  // story, challenge, free, and a fourth
    static constexpr int kSoundFiles = 17;
    static constexpr int kMenuMusic = 4;  // title, story, challenge, option
    static constexpr int kTerms = 21;
    static constexpr int kIniKeys = 5;

    // Holds the factory values.
    cSystemData();
    void RegisterFields(uint32_t version) override;
    bool Load(cDataReader& in) override;
    void Save(cDataWriter& out) override;
    RECORD_COPY(cSystemData)

    // The Bgm table that the menu music indexes point into, kept by the program that owns both.
    void UseBgmTable(const cRecordVector<cBgm>* bgms) { m_BgmTable = bgms; }
    // Every menu music index outside the Bgm table becomes 0; without a table nothing changes.
    void Validate();

    std::string m_Title;                         // "ゲームタイトル"
    cSystemList<uint8_t> m_StockTargets;         // "ストックの対象", one flag per carried value
    int32_t m_ScorePerLife;                      // score for one extra life
    int32_t m_HidePlacedInPause;                 // "ポーズ中に配置物を表示しない"
    int32_t m_SymbolText;                        // "シンボル画像の表示に対応"
    int32_t m_TestFlowsOutsideTest;              // "非テストプレイ時でもテストプレイ専用フローを有効にする"
    cSystemList<cSysRecA> m_StatusItems;         // world score, score, HP, SP, lives
    cSystemList<cSysRecB> m_TitleMenu;
    cSystemList<cSysRecB> m_WorldMenu;
    cSystemList<cSysRecB> m_OptionMenu;          // colour, BGM, SE, ranking entry, ranking name, back
    int32_t m_LivesShared;                       // "ストーリーモード全体で人数を共有"
    int32_t m_WorldCount;                        // "ワールド数"
    int32_t m_AllWorldsSelectable;               // "最初から全ワールドを選択できる"
    cSystemList<int32_t> m_InitialLives;         // "初期人数" per play mode
    cSystemList<cRankingSetting> m_RankingSettings;  // per play mode
    cSystemList<std::string> m_SoundFiles;       // under wave\ .
    cSystemList<int32_t> m_MenuMusic;            // rows of the Bgm table
    cSystemList<std::string> m_Terms;
    cSystemList<cSysRecC> m_IniKeys;             // WindowMode, Bpp, VSync, ShowFps, FreeStage

private:
    const cRecordVector<cBgm>* m_BgmTable = nullptr;
};

// The built-in system data of a new project.
void SystemDataDefaults(cSystemData& system);
