// The pictures the whole run draws from stay loaded as the menu scenes come and go: the text
// styles' boxes and letter symbols, the cursors, and play's status bar and banners.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

#include "data/ProjectData.h"
#include "framework/ErrorLog.h"
#include "game/core/ChallengeScene.h"
#include "game/core/GameGlobals.h"
#include "game/core/ModeMenuScene.h"
#include "game/core/OptionScene.h"
#include "game/core/SaveSlotScene.h"
#include "game/core/WorldMapScene.h"
#include "game/data/StorySave.h"
#include "game/media/Bitmap.h"
#include "game/media/Display.h"
#include "game/media/PictureTable.h"
#include "tests/game/core/MenuDriver.h"
#include "tests/game/media/DisplayFixture.h"
#include "tests/support/BoxAnswers.h"
#include "tests/support/CloseCounter.h"
#include "tests/support/TempDir.h"

TEST(MenuPictures, EveryMenuSceneLeavesThePicturesOfTheWholeRunLoaded) {
    cTempDir dir;
    cBoxAnswers boxes;
    cCloseCounter main;
    SetMainWindow(main.Wnd());
    const cSystemData system = ProjectSystemData();
    const cStorySave story = StoryState();
    // The other tests of the program expect full-screen mode's settings.
    const int windowMode = Display().nWindowMode;
    // Every picture a blank one, so that the scenes' loads need no files.
    cPictureRow rows[kPictureTableRows];
    for (cPictureRow& row : rows) {
        std::memset(&row, 0, sizeof row);
        std::strcpy(row.szFileName, "E");
        row.nColorKey = 1;
        row.nMemoryKind = kMemorySystem;
        row.nBlankWidth = row.nBlankHeight = 8;
    }
    {
        cWindowDisplay display(640, 480, SystemSurfaces(), rows, kPictureTableRows);
        ASSERT_TRUE(display.IsReady());
        const int run[] = {kPictureWindow, kPictureAccessory, 48};
        ASSERT_TRUE(DDLoadSurfaces(SystemSurfaces(), run, 3));
        InstallModeMenu();
        InstallWorldMap();
        InstallSaveSlots();
        InstallChallenge();
        InstallOptionScene();
        StoryState().Reset();
        for (int scene : {eSceneModeMenu, eSceneWorldMap, eSceneSaveSlots, eSceneChallenge, eSceneOption}) {
            SCOPED_TRACE(scene);
            SceneManager().m_nScene = scene;
            RunMenuFrame(0, 0);
            ASSERT_NE(nullptr, SceneManager().Scene(scene));
            SceneManager().DeleteScenes();
            for (int row : run) EXPECT_NE(nullptr, SystemSurfaces()[row].lpSurface) << "picture " << row;
        }
        ResetMenuScenes();
        for (int row = 0; row < kPictureTableRows; ++row) DDReleaseSurface(SystemSurfaces()[row]);
    }
    Display().nWindowMode = windowMode;
    SetMainWindow(nullptr);
    ProjectSystemData() = system;
    StoryState() = story;
}
