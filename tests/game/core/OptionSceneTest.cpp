#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "data/Paths.h"
#include "data/ProjectData.h"
#include "framework/ErrorLog.h"
#include "game/core/GameGlobals.h"
#include "game/core/Input.h"
#include "game/core/MenuScreen.h"
#include "game/core/OptionData.h"
#include "game/core/OptionScene.h"
#include "game/core/SceneManager.h"
#include "tests/support/BoxAnswers.h"
#include "tests/support/TempDir.h"
#include "tests/game/core/MenuKeys.h"

namespace {

// The option scene run headless (no display, no music player) on options of each test's own;
// the program's options, settings and scene manager are given back afterwards.
class OptionScene : public testing::Test {
protected:
    OptionScene() : m_System(ProjectSystemData()), m_Options(OptionData()) {}
    void SetUp() override {
        cOptionData& o = OptionData();
        o.Init();
        o.m_Music = 0;
        o.m_SeVolume = 5;
        o.m_PaletteVariant = 23;
        o.m_RankEntryMode = 3;
        o.m_RankName = "abc";
        SceneManager().m_nScene = eSceneOption;
        InstallOptionScene();
    }
    void TearDown() override {
        cSceneManager& m = SceneManager();
        m.DeleteScenes();
        m.SetCreator(eSceneOption, nullptr);
        m.m_nScene = m.m_nNextScene = m.m_nPrevScene = 0;
        GetPlayerInput(0) = cInput();
        ResetMenuCursor();
        BgmPlayer().Release();
        ProjectSystemData() = m_System;
        OptionData() = m_Options;
    }
    void Frame(int direction, int buttons) {
        cSceneManager& m = SceneManager();
        cInput& in = GetPlayerInput(0);
        in.m_wDirection = static_cast<int16_t>(direction);
        in.m_wButtons = static_cast<int16_t>(buttons);
        m.Switch(m.m_nScene);
        m.RunScene();
    }
    // The scene's first frame when it is new, each key for one frame and let go the next, then
    // two idle frames for a fade-out to end.
    void Press(const std::vector<cKey>& keys) {
        if (!SceneManager().Scene(eSceneOption)) Frame(0, 0);
        for (const cKey& k : keys) {
            Frame(k.direction, k.buttons);
            Frame(0, 0);
        }
        Frame(0, 0);
        Frame(0, 0);
    }

    cSystemData m_System;
    cOptionData m_Options;
};

TEST_F(OptionScene, ListsTheShownRowsAndTheirValues) {
    struct {
        std::vector<int> hidden;
        std::vector<int> listed;
    } lists[] = {
        {{}, {0, 1, 2, 3, 4, 5}},
        {{5}, {0, 1, 2, 3, 4}},
        {{1, 3}, {0, 2, 4, 5}},
        {{0, 1, 2, 3, 4, 5}, {0}},
    };
    for (const auto& c : lists) {
        cSystemData system = m_System;
        for (int row : c.hidden) system.m_OptionMenu.At(row).m_Shown = 0;
        EXPECT_EQ(c.listed, ListedOptions(system));
    }

    struct {
        int value, digits;
        bool plus;
        const char* text;
    } numbers[] = {
        {5, 0, false, "5"}, {-3, 0, false, "-3"}, {7, 3, false, "007"}, {7, 0, true, "+7"},
        {0, 0, true, "0"},  {-2, 0, true, "-2"},  {12, 20, false, "0000000012"},
    };
    for (const auto& n : numbers) EXPECT_EQ(n.text, NumberToString(n.value, n.digits, n.plus)) << n.text;

    cOptionData& o = OptionData();
    o.m_Music = 1;
    o.m_RankEntryMode = 2;
    const char* values[] = {"23", "ON", "5", "自動登録（登録名入力）", "abc", ""};
    for (int kind = 0; kind < kOptionKinds; ++kind) EXPECT_EQ(values[kind], OptionValueText(kind, o)) << kind;
    o.m_Music = 0;
    o.m_RankEntryMode = 9;  // from a damaged file
    EXPECT_EQ("OFF", OptionValueText(eOptionMusic, o));
    EXPECT_EQ("", OptionValueText(eOptionRankMode, o));
}

TEST_F(OptionScene, KeysEditAValueWithinItsRange) {
    struct {
        const char* name;
        std::vector<cKey> keys;
        int palette, music, volume, rankMode;
    } cases[] = {
        {"up on palette 23 gives 0", {{0, kDecide}, {U, 0}, {0, kDecide}}, 0, 0, 5, 3},
        {"down on palette 23 gives 22", {{0, kDecide}, {D, 0}, {0, kDecide}}, 22, 0, 5, 3},
        {"music on", {{D, 0}, {0, kDecide}, {U, 0}, {0, kDecide}}, 23, 1, 5, 3},
        {"volume down to 0 and round to 10",
         {{D, 0}, {D, 0}, {0, kDecide}, {D, 0}, {D, 0}, {D, 0}, {D, 0}, {D, 0}, {D, 0}, {0, kDecide}},
         23, 0, 10, 3},
        {"a cancelled edit keeps the old value", {{D, 0}, {D, 0}, {0, kDecide}, {U, 0}, {U, 0}, {0, kCancel}}, 23, 0,
         5, 3},
        {"up on the last entry mode gives the first", {{U, 0}, {U, 0}, {U, 0}, {0, kDecide}, {U, 0}, {0, kDecide}},
         23, 0, 5, 0},
    };
    for (const auto& c : cases) {
        SetUp();
        Press(c.keys);
        const cOptionData& o = OptionData();
        EXPECT_EQ(eSceneOption, SceneManager().m_nScene) << c.name;
        EXPECT_EQ(c.palette, o.m_PaletteVariant) << c.name;
        EXPECT_EQ(c.music, o.m_Music) << c.name;
        EXPECT_EQ(c.volume, o.m_SeVolume) << c.name;
        EXPECT_EQ(c.rankMode, o.m_RankEntryMode) << c.name;
        TearDown();
    }
}

TEST_F(OptionScene, LeavingWritesTheOptionsAndReturnsToTheTitleMenu) {
    struct {
        const char* name;
        std::vector<int> hidden;
        std::vector<cKey> keys;
    } cases[] = {
        {"the way-back row", {}, {{U, 0}, {0, kDecide}}},
        {"cancel", {}, {{D, 0}, {D, 0}, {0, kDecide}, {D, 0}, {0, kDecide}, {0, kCancel}}},
        {"the way-back row hidden: cancel", {5}, {{U, 0}, {0, kDecide}, {0, kCancel}}},
    };
    for (const auto& c : cases) {
        SetUp();
        cTempDir dir;
        CreateDirectoryA("user_data", nullptr);
        for (int row : c.hidden) ProjectSystemData().m_OptionMenu.At(row).m_Shown = 0;
        Press(c.keys);
        EXPECT_EQ(eSceneModeMenu, SceneManager().m_nScene) << c.name;
        EXPECT_EQ(eSceneOption, SceneManager().m_nPrevScene) << c.name;
        cOptionData saved;
        ASSERT_TRUE(saved.LoadFile(PathTable[ePathOption])) << c.name;
        EXPECT_EQ(OptionData().m_SeVolume, saved.m_SeVolume) << c.name;
        EXPECT_EQ(23, saved.m_PaletteVariant) << c.name;
        EXPECT_EQ("abc", saved.m_RankName) << c.name;
        TearDown();
    }
    // The volume edited on the way out is the one written.
    SetUp();
    cTempDir dir;
    CreateDirectoryA("user_data", nullptr);
    Press({{D, 0}, {D, 0}, {0, kDecide}, {D, 0}, {0, kDecide}, {0, kCancel}});
    cOptionData saved;
    ASSERT_TRUE(saved.LoadFile(PathTable[ePathOption]));
    EXPECT_EQ(4, saved.m_SeVolume);
}

TEST_F(OptionScene, AnOptionsFileThatCannotBeWrittenIsReportedAndTheGameGoesOn) {
    cTempDir dir;  // no user_data folder
    cBoxAnswers boxes;
    Press({{0, kCancel}});
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_NE(std::string::npos, boxes.Shown()[0].text.find("Option.dat の保存に失敗！"));
    EXPECT_EQ(eSceneModeMenu, SceneManager().m_nScene);
}

}  // namespace
