#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/SystemData.h"
#include "tests/data/Bytes.h"
#include "tests/support/TempDir.h"

namespace {

enum eSection { eGeneric, eStock, eStatus, eLives, eTerms, eSounds, eMusic, eTitle, eWorld, eOption, eIni, eRanking, eSections };

const std::vector<std::string> kTerms = {
    "ワールド", "ステージ", "スコア", "ハイスコア", "トータルスコア", "スコア", "残り時間",
    "クリア時間", "ステージに挑む", "やっぱりやめる", "セーブする", "やっぱりやめる",
    "タイトルへ戻る", "やっぱりやめる", "しゅうりょう", "つづける", "リトライ",
    "Vキーでジャンルの切り替え", "スペースキーでタイトルへ戻る", "スペースキーで終了",
    "F3キーでランキングへ登録"};

std::string Menu(const std::vector<std::string>& texts) {
    cBytes b;
    b.U32(static_cast<uint32_t>(texts.size()));
    for (const std::string& text : texts) b.U32(1).I32(1).U32(1).Str(text);
    return b.Get();
}

std::string Strings(const std::vector<std::string>& texts) {
    cBytes b;
    b.U32(static_cast<uint32_t>(texts.size()));
    for (const std::string& text : texts) b.Str(text);
    return b.Get();
}

std::string Ints(const std::vector<int32_t>& values) {
    cBytes b;
    b.U32(static_cast<uint32_t>(values.size()));
    for (int32_t v : values) b.I32(v);
    return b.Get();
}

// The factory system data, section by section from the file layout.
std::vector<std::string> FactorySections() {
    std::vector<std::string> s(eSections);
    cBytes b;
    s[eGeneric] = b.U32(7).I32(100).I32(1).I32(0).I32(0).I32(1).I32(40).I32(1).U32(1).Str("").Get();
    b = cBytes();
    b.U32(22);
    for (int i = 0; i < 22; ++i) b.U8(i < 2 || (i >= 12 && i <= 18) ? 1 : 0);
    s[eStock] = b.Get();
    b = cBytes();
    b.U32(5);
    const struct {
        int32_t digits;
        const char* text;
    } items[] = {{4, "スコア"}, {3, "スコア"}, {0, "HP"}, {0, "SP"}, {2, "人"}};
    for (const auto& item : items) b.U32(3).I32(1).I32(1).I32(item.digits).U32(1).Str(item.text);
    s[eStatus] = b.Get();
    s[eLives] = Ints({5, 99, 99, 99});
    s[eTerms] = Strings(kTerms);
    s[eSounds] = Strings(std::vector<std::string>(17));
    s[eMusic] = Ints({0, 0, 0, 0});
    s[eTitle] = Menu({"はじめから", "つづきから", "チャレンジ", "フリー", "リプレイ", "オプション", "しゅうりょう"});
    s[eWorld] = Menu({"セーブ", "もどる", "タイトルへ"});
    s[eOption] = Menu({"カラー", "BGM", "SE", "ランキング登録", "ランキング登録名", "もどる"});
    b = cBytes();
    b.U32(5);
    const struct {
        int32_t kind;
        const char* key;
        int32_t value;
    } keys[] = {{0, "WindowMode", 0}, {0, "Bpp", 0}, {0, "VSync", 0}, {0, "ShowFps", 1}, {1, "FreeStage", 0}};
    for (const auto& key : keys) b.U32(2).I32(key.kind).I32(key.value).U32(2).Str(key.key).Str("");
    s[eIni] = b.Get();
    b = cBytes();
    b.U32(4);
    for (int mode = 0; mode < 4; ++mode) {
        uint8_t on = mode < 3 ? 1 : 0;
        b.U32(1).I32(on).U32(0).U32(3).U8(on).U8(on).U8(on);
    }
    s[eRanking] = b.Get();
    return s;
}

std::string File(const std::vector<std::string>& sections, uint32_t version = 147) {
    cBytes b;
    b.U32(version);
    for (const std::string& section : sections) b.Raw(section);
    return b.Get();
}

template <class V>
void ExpectSameRecords(const V& a, const V& b, const char* what) {
    ASSERT_EQ(a.size(), b.size()) << what;
    for (size_t i = 0; i < a.size(); ++i) EXPECT_TRUE(RecordsEqual(a[i], b[i])) << what << " " << i;
}

void ExpectSameSystem(const cSystemData& a, const cSystemData& b) {
    EXPECT_TRUE(RecordsEqual(a, b));
    EXPECT_EQ(a.m_StockTargets, b.m_StockTargets);
    ExpectSameRecords(a.m_StatusItems, b.m_StatusItems, "status");
    ExpectSameRecords(a.m_TitleMenu, b.m_TitleMenu, "title");
    ExpectSameRecords(a.m_WorldMenu, b.m_WorldMenu, "world");
    ExpectSameRecords(a.m_OptionMenu, b.m_OptionMenu, "option");
    EXPECT_EQ(a.m_InitialLives, b.m_InitialLives);
    ExpectSameRecords(a.m_RankingSettings, b.m_RankingSettings, "ranking");
    for (size_t i = 0; i < a.m_RankingSettings.size() && i < b.m_RankingSettings.size(); ++i)
        EXPECT_EQ(a.m_RankingSettings[i].m_Shown, b.m_RankingSettings[i].m_Shown) << i;
    EXPECT_EQ(a.m_SoundFiles, b.m_SoundFiles);
    EXPECT_EQ(a.m_MenuMusic, b.m_MenuMusic);
    EXPECT_EQ(a.m_Terms, b.m_Terms);
    ExpectSameRecords(a.m_IniKeys, b.m_IniKeys, "ini");
}

}  // namespace

TEST(SystemData, FactoryDataSavesToTheLayout) {
    cTempDir dir;
    cSystemData system;
    ASSERT_TRUE(system.SaveFile("System.dat"));
    EXPECT_EQ(File(FactorySections()), dir.Read("System.dat"));
}

// The ranking settings are written after the System.ini keys, so they survive a restart.
TEST(SystemData, EverySettingSurvivesSaveAndReload) {
    cTempDir dir;
    cSystemData system;
    system.m_Title = "冒険";
    system.m_StockTargets[21] = 1;
    system.m_ScorePerLife = 5000;
    system.m_TestFlowsOutsideTest = 1;
    system.m_StatusItems[4].m_MaxDigits = 9;
    system.m_TitleMenu[4].m_Shown = 0;
    system.m_WorldMenu[2].m_Text = "おわる";
    system.m_OptionMenu[0].m_Shown = 0;
    system.m_LivesShared = 0;
    system.m_WorldCount = 3;
    system.m_InitialLives[3] = 1;
    system.m_RankingSettings[1].m_On = 0;
    system.m_RankingSettings[2].m_Shown = {0, 1, 0};
    system.m_RankingSettings[3].m_On = 1;
    system.m_SoundFiles[16] = "rank.wav";
    system.m_MenuMusic = {1, 2, 3, 0};
    system.m_Terms[20] = "";
    system.m_IniKeys[4].m_StrDefault = "data\\stg4\\a.stg4_147";
    ASSERT_TRUE(system.SaveFile("System.dat"));

    cSystemData loaded;
    ASSERT_TRUE(loaded.LoadFile("System.dat"));
    ExpectSameSystem(system, loaded);
    ASSERT_TRUE(loaded.SaveFile("again.dat"));
    EXPECT_EQ(dir.Read("System.dat"), dir.Read("again.dat"));
}

TEST(SystemData, FilesWithoutRankingSettingsKeepTheCurrentOnes) {
    cTempDir dir;
    std::vector<std::string> sections = FactorySections();
    sections.pop_back();
    dir.Write("System.dat", File(sections));
    cSystemData system;
    system.m_RankingSettings[0].m_On = 0;
    system.m_ScorePerLife = 1;
    ASSERT_TRUE(system.LoadFile("System.dat"));
    EXPECT_EQ(100, system.m_ScorePerLife);
    EXPECT_EQ(0, system.m_RankingSettings[0].m_On);
    EXPECT_EQ(1, system.m_RankingSettings[1].m_On);
}

TEST(SystemData, Version112HasNoTestFlowSetting) {
    cTempDir dir;
    std::vector<std::string> sections = FactorySections();
    cBytes b;
    sections[eGeneric] = b.U32(6).I32(300).I32(0).I32(1).I32(0).I32(8).I32(0).U32(1).Str("古い").Get();
    dir.Write("System.dat", File(sections, 112));
    cSystemData system;
    system.m_TestFlowsOutsideTest = 1;
    ASSERT_TRUE(system.LoadFile("System.dat"));
    EXPECT_EQ(300, system.m_ScorePerLife);
    EXPECT_EQ(0, system.m_HidePlacedInPause);
    EXPECT_EQ(1, system.m_SymbolText);
    EXPECT_EQ(1, system.m_TestFlowsOutsideTest);
    EXPECT_EQ(0, system.m_LivesShared);
    EXPECT_EQ(8, system.m_WorldCount);
    EXPECT_EQ(0, system.m_AllWorldsSelectable);
    EXPECT_EQ("古い", system.m_Title);
}

// Both programs keep these lists in fixed places: a short list is completed from the factory
// values, a longer one loads whole and is written back as it came; a count the file cannot hold
// is refused.
TEST(SystemData, ListLengthsOnLoad) {
    cTempDir dir;
    const cSystemData factory;
    {
        std::vector<std::string> sections = FactorySections();
        sections[eTerms] = Strings({"せかい"});
        sections[eTitle] = Menu({"A", "B"});
        sections[eSounds] = Strings({"a.wav"});
        sections[eStock] = cBytes().U32(1).U8(0).Get();
        dir.Write("short.dat", File(sections));
        cSystemData system;
        ASSERT_TRUE(system.LoadFile("short.dat"));
        ASSERT_EQ(kTerms.size(), system.m_Terms.size());
        EXPECT_EQ("せかい", system.m_Terms[0]);
        for (size_t i = 1; i < kTerms.size(); ++i) EXPECT_EQ(kTerms[i], system.m_Terms[i]);
        ASSERT_EQ(7u, system.m_TitleMenu.size());
        EXPECT_EQ("B", system.m_TitleMenu[1].m_Text);
        EXPECT_EQ("リプレイ", system.m_TitleMenu[4].m_Text);
        ASSERT_EQ(17u, system.m_SoundFiles.size());
        EXPECT_EQ("a.wav", system.m_SoundFiles[0]);
        ASSERT_EQ(22u, system.m_StockTargets.size());
        EXPECT_EQ(0, system.m_StockTargets[0]);
        EXPECT_EQ(1, system.m_StockTargets[1]);
    }
    struct {
        eSection section;
        std::string bytes;
        size_t (*size)(const cSystemData&);
        size_t expected;
    } longer[] = {
        {eTerms, Strings(std::vector<std::string>(22, "語")), [](const cSystemData& d) { return d.m_Terms.size(); }, 22},
        {eSounds, Strings(std::vector<std::string>(18, "s")), [](const cSystemData& d) { return d.m_SoundFiles.size(); }, 18},
        {eTitle, Menu(std::vector<std::string>(8, "m")), [](const cSystemData& d) { return d.m_TitleMenu.size(); }, 8},
        {eWorld, Menu(std::vector<std::string>(4, "m")), [](const cSystemData& d) { return d.m_WorldMenu.size(); }, 4},
        {eOption, Menu(std::vector<std::string>(7, "m")), [](const cSystemData& d) { return d.m_OptionMenu.size(); }, 7},
        {eLives, Ints({1, 2, 3, 4, 5}), [](const cSystemData& d) { return d.m_InitialLives.size(); }, 5},
        {eMusic, Ints({0, 0, 0, 0, 0}), [](const cSystemData& d) { return d.m_MenuMusic.size(); }, 5},
        {eStock, cBytes().U32(23).Raw(std::string(23, '\1')).Get(),
         [](const cSystemData& d) { return d.m_StockTargets.size(); }, 23},
    };
    for (const auto& c : longer) {
        std::vector<std::string> sections = FactorySections();
        sections[c.section] = c.bytes;
        const std::string file = File(sections);
        dir.Write("long.dat", file);
        cSystemData system;
        ASSERT_TRUE(system.LoadFile("long.dat")) << c.section;
        EXPECT_EQ(c.expected, c.size(system)) << c.section;
        ASSERT_TRUE(system.SaveFile("again.dat"));
        EXPECT_EQ(file, dir.Read("again.dat")) << c.section;
    }

    std::vector<std::string> sections = FactorySections();
    sections[eTerms] = cBytes().U32(0x7FFFFFFF).Str("x").Get();
    dir.Write("huge.dat", File(sections));
    cSystemData system;
    system.m_Title = "kept";
    EXPECT_FALSE(system.LoadFile("huge.dat"));
    EXPECT_EQ("kept", system.m_Title);
    EXPECT_EQ(kTerms.size(), system.m_Terms.size());
}

TEST(SystemData, MenuMusicOutsideTheBgmTableBecomesZero) {
    cTempDir dir;
    cRecordVector<cBgm> bgms(3);
    cSystemData system;
    system.UseBgmTable(&bgms);
    system.m_MenuMusic = {2, 3, -1, 1};
    ASSERT_TRUE(system.SaveFile("System.dat"));
    EXPECT_EQ((std::vector<int32_t>{2, 0, 0, 1}), std::vector<int32_t>(system.m_MenuMusic.begin(), system.m_MenuMusic.end()));

    // Loading checks against the table as it is now.
    bgms.resize(2);
    cSystemData loaded;
    loaded.UseBgmTable(&bgms);
    ASSERT_TRUE(loaded.LoadFile("System.dat"));
    EXPECT_EQ((std::vector<int32_t>{0, 0, 0, 1}), std::vector<int32_t>(loaded.m_MenuMusic.begin(), loaded.m_MenuMusic.end()));
}

TEST(SystemData, CutFilesLeaveTheDataUnchanged) {
    cTempDir dir;
    const std::string file = File(FactorySections());
    cSystemData system;
    system.m_Title = "kept";
    system.m_Terms[3] = "kept";
    const cSystemData before = system;
    // Cut anywhere but after the System.ini keys (a file may end there).
    const size_t keysEnd = file.size() - FactorySections()[eRanking].size();
    for (size_t cut = 0; cut < file.size(); ++cut) {
        if (cut == keysEnd) continue;
        dir.Write("cut.dat", file.substr(0, cut));
        EXPECT_FALSE(system.LoadFile("cut.dat")) << cut;
    }
    ExpectSameSystem(before, system);
}
