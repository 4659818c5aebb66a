#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "data/ProjectData.h"
#include "framework/ErrorLog.h"
#include "game/core/SaveSlotScene.h"
#include "game/data/StorySave.h"
#include "tests/game/core/MenuDriver.h"
#include "tests/support/BoxAnswers.h"
#include "tests/support/CloseCounter.h"
#include "tests/support/TempDir.h"

namespace {

// The world map's menu run headless in a folder with the story slots' folder; the story, the
// slot list and the scenes are given back afterwards.
class SaveSlots : public testing::Test {
protected:
    SaveSlots() : m_System(ProjectSystemData()), m_Story(StoryState()), m_Slots(StorySlots()) {}
    void SetUp() override {
        CreateDirectoryA("user_data", nullptr);
        CreateDirectoryA("user_data\\story", nullptr);
        StoryState().Reset();
        StoryState().m_WorldX = 6;
        SetMainWindow(m_Main.Wnd());
        InstallSaveSlots();
        SceneManager().m_nScene = eSceneSaveSlots;
    }
    void TearDown() override {
        ResetMenuScenes();
        SetMainWindow(nullptr);
        ProjectSystemData() = m_System;
        StoryState() = m_Story;
        StorySlots() = m_Slots;
    }
    cSaveSlotScene* Menu() { return static_cast<cSaveSlotScene*>(SceneManager().Scene(eSceneSaveSlots)); }
    void Start(const std::vector<cKey>& keys) {
        RunMenuFrame(0, 0);
        PressMenuKeys(keys);
    }

    cTempDir m_Dir;
    cCloseCounter m_Main;
    cSystemData m_System;
    cStorySave m_Story;
    cRecordVector<cStorySlotHeader> m_Slots;
};

TEST_F(SaveSlots, TheMenuListsTheShownEntries) {
    struct {
        std::vector<int> hidden;
        std::vector<int> listed;
    } cases[] = {{{}, {0, 1, 2}}, {{1}, {0, 2}}, {{0, 1, 2}, {0}}};
    for (const auto& c : cases) {
        cSystemData system = m_System;
        for (int i : c.hidden) system.m_WorldMenu.At(i).m_Shown = 0;
        EXPECT_EQ(c.listed, ListedWorldMenu(system));
    }
}

TEST_F(SaveSlots, TheEntriesLeadToTheSlotsTheMapOrTheTitle) {
    struct {
        const char* name;
        std::vector<int> hidden;
        std::vector<cKey> keys;
        int scene;
        int state;  // when the menu stays
    } cases[] = {
        {"save", {}, {{0, kDecide}}, eSceneSaveSlots, cSaveSlotScene::eSave},
        {"back", {}, {{D, 0}, {0, kDecide}}, eSceneWorldMap, -1},
        {"cancel goes back to the map", {}, {{0, kCancel}}, eSceneWorldMap, -1},
        {"title, then no", {}, {{U, 0}, {0, kDecide}, {0, kDecide}}, eSceneSaveSlots, cSaveSlotScene::eMenu},
        {"title, then cancel", {}, {{U, 0}, {0, kDecide}, {0, kCancel}}, eSceneSaveSlots, cSaveSlotScene::eMenu},
        {"title, then yes", {}, {{U, 0}, {0, kDecide}, {U, 0}, {0, kDecide}}, eSceneModeMenu, -1},
        {"save hidden: the first row goes back", {0}, {{0, kDecide}}, eSceneWorldMap, -1},
    };
    for (const auto& c : cases) {
        for (int i : c.hidden) ProjectSystemData().m_WorldMenu.At(i).m_Shown = 0;
        Start(c.keys);
        cSceneManager& m = SceneManager();
        EXPECT_EQ(c.scene, m.m_nScene) << c.name;
        if (c.state >= 0) {
            EXPECT_TRUE(Menu() && Menu()->State() == c.state) << c.name;
        } else {
            EXPECT_EQ(eSceneSaveSlots, m.m_nPrevScene) << c.name;
        }
        TearDown();
        SetUp();
    }
}

TEST_F(SaveSlots, SavingWritesTheSlotWithItsTimeAndTheListOpensOnItNextTime) {
    StoryState().m_SlotSceneValue = 3;
    Start({{0, kDecide}});
    ASSERT_EQ(cSaveSlotScene::eSave, Menu()->State());
    EXPECT_EQ(3, MenuCursor().Current()->nRow);
    // Down a slot; no, then yes.
    PressMenuKeys({{D, 0}, {0, kDecide}});
    EXPECT_EQ(cSaveSlotScene::eSaveConfirm, Menu()->SubState());
    PressMenuKeys({{0, kDecide}});
    EXPECT_FALSE(m_Dir.Exists("user_data\\story\\Story05.dat"));
    EXPECT_EQ(cSaveSlotScene::eSaveList, Menu()->SubState());
    PressMenuKeys({{0, kDecide}, {U, 0}, {0, kDecide}});
    ASSERT_TRUE(m_Dir.Exists("user_data\\story\\Story05.dat"));
    EXPECT_EQ(cSaveSlotScene::eSaveList, Menu()->SubState());
    EXPECT_EQ(4, StoryState().m_SlotSceneValue);
    EXPECT_EQ(1, StorySlots().At(4).m_Used);
    cStorySave saved;
    ASSERT_TRUE(ReadStory(saved, 4));
    EXPECT_EQ(6, saved.m_WorldX);
    EXPECT_EQ(4, saved.m_SlotSceneValue);
    SYSTEMTIME now;
    GetLocalTime(&now);
    EXPECT_EQ(now.wYear, saved.m_SaveTime.wYear);
    EXPECT_EQ(now.wDay, saved.m_SaveTime.wDay);
    // Back to the menu and in again: the slot saved to is chosen.
    PressMenuKeys({{0, kCancel}});
    EXPECT_EQ(cSaveSlotScene::eMenu, Menu()->State());
    EXPECT_EQ(0, MenuCursor().Current()->nRow);
    PressMenuKeys({{0, kDecide}});
    EXPECT_EQ(4, MenuCursor().Current()->nRow);
}

TEST_F(SaveSlots, ASlotThatCannotBeWrittenIsReportedAndTheListStays) {
    cBoxAnswers boxes;
    RemoveDirectoryA("user_data\\story");
    StoryState().m_SlotSceneValue = 7;
    Start({{0, kDecide}, {U, 0}, {U, 0}, {U, 0}, {U, 0}, {U, 0}, {U, 0}, {U, 0}, {0, kDecide}, {U, 0}, {0, kDecide}});
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("user_data\\story\\Story01.dat の保存に失敗！", boxes.Shown()[0].text);
    EXPECT_EQ(7, StoryState().m_SlotSceneValue);
    EXPECT_EQ(0, StoryState().m_SaveTime.wYear);
    EXPECT_EQ(0, StorySlots().At(0).m_Used);
    EXPECT_EQ(cSaveSlotScene::eSave, Menu()->State());
    EXPECT_EQ(cSaveSlotScene::eSaveList, Menu()->SubState());
    EXPECT_EQ(0, m_Main.Closes());
}

TEST_F(SaveSlots, ALastSlotOutsideTheListOpensOnTheFirst) {
    for (int last : {-5, 99, 5000}) {
        StoryState().m_SlotSceneValue = last;
        Start({{0, kDecide}});
        EXPECT_EQ(0, MenuCursor().Current()->nRow) << last;
        EXPECT_EQ(0, Menu()->SlotTop()) << last;
        TearDown();
        SetUp();
    }
}

}  // namespace
