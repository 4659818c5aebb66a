#include "data/SystemData.h"

namespace {

void Menu(cSystemList<cSysRecB>& menu, std::initializer_list<const char*> texts) {
    menu.clear();
    for (const char* text : texts) {
        menu.emplace_back();
        menu.back().m_Text = text;
    }
}

void StatusItem(cSystemData& system, int32_t maxDigits, const char* text) {
    system.m_StatusItems.emplace_back();
    cSysRecA& item = system.m_StatusItems.back();
    item.m_Show = 1;
    item.m_MaxDigits = maxDigits;
    item.m_ShowSymbol = 1;
    item.m_Text = text;
}

void IniKey(cSystemData& system, int32_t kind, const char* key, int32_t intDefault) {
    system.m_IniKeys.emplace_back();
    cSysRecC& entry = system.m_IniKeys.back();
    entry.m_Kind = kind;
    entry.m_Key = key;
    entry.m_IntDefault = intDefault;
}

}  // namespace

void SystemDataDefaults(cSystemData& system) {
    system.Reset();
    system.m_ScorePerLife = 100;
    system.m_HidePlacedInPause = 1;
    system.m_LivesShared = 1;
    system.m_WorldCount = 40;
    system.m_AllWorldsSelectable = 1;

    // Carried between stages: the graphic and animation set, and from the maximum HP to the
    // action.
    system.m_StockTargets.assign(cSystemData::kStockTargets, 0);
    for (int i : {0, 1, 12, 13, 14, 15, 16, 17, 18}) system.m_StockTargets[i] = 1;

    system.m_StatusItems.clear();
    StatusItem(system, 4, "スコア");
    StatusItem(system, 3, "スコア");
    StatusItem(system, 0, "HP");
    StatusItem(system, 0, "SP");
    StatusItem(system, 2, "人");

    system.m_RankingSettings.assign(cSystemData::kPlayModes, cRankingSetting());
    for (int mode = 0; mode < 3; ++mode) {
        system.m_RankingSettings[mode].m_On = 1;
        system.m_RankingSettings[mode].m_Shown.assign(cRankingSetting::kKinds, 1);
    }

    Menu(system.m_TitleMenu, {"はじめから", "つづきから", "チャレンジ", "フリー", "リプレイ", "オプション", "しゅうりょう"});
    Menu(system.m_WorldMenu, {"セーブ", "もどる", "タイトルへ"});
    // In the order of the game's option screen: palette variation first, back last.
    Menu(system.m_OptionMenu, {"カラー", "BGM", "SE", "ランキング登録", "ランキング登録名", "もどる"});

    system.m_InitialLives = {5, 99, 99, 99};
    system.m_Terms = {"ワールド", "ステージ", "スコア", "ハイスコア", "トータルスコア", "スコア", "残り時間",
                      "クリア時間", "ステージに挑む", "やっぱりやめる", "セーブする", "やっぱりやめる",
                      "タイトルへ戻る", "やっぱりやめる", "しゅうりょう", "つづける", "リトライ",
                      "Vキーでジャンルの切り替え", "スペースキーでタイトルへ戻る", "スペースキーで終了",
                      "F3キーでランキングへ登録"};
    system.m_SoundFiles.assign(cSystemData::kSoundFiles, std::string());
    system.m_MenuMusic.assign(cSystemData::kMenuMusic, 0);

    system.m_IniKeys.clear();
    IniKey(system, cSysRecC::eInteger, "WindowMode", 0);
    IniKey(system, cSysRecC::eInteger, "Bpp", 0);
    IniKey(system, cSysRecC::eInteger, "VSync", 0);
    IniKey(system, cSysRecC::eInteger, "ShowFps", 1);
    IniKey(system, cSysRecC::eString, "FreeStage", 0);
}
