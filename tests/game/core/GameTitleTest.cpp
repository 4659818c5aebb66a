// The title menu as game.exe shows it: the modes the project lists, and its pictures drawn in the
// palette's colours with the transparent colour left out.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "data/SystemData.h"
#include "framework/Dib.h"
#include "game/core/GameModes.h"
#include "game/core/ModeMenuScene.h"
#include "game/core/Scene.h"
#include "tests/game/core/GameProgram.h"
#include "tests/support/TempDir.h"

namespace {

// The game started on the project, its title menu taking keys.
class cTitleMenu : public cGameSession {
public:
    cTitleMenu() { EXPECT_TRUE(m_Keys.WaitForScene(eSceneModeMenu, cModeMenuScene::eModeList)); }
};

}  // namespace

// With every mode hidden the menu lists a new story alone: up and down stay on it, and deciding
// starts the story (a quit entry would have ended the game).
TEST(GameProgram, WithEveryModeHiddenTheTitleMenuOffersANewStoryAlone) {
    cTempDir dir;
    ASSERT_TRUE(CopyGameProject());
    cSystemData system;
    ASSERT_TRUE(system.LoadFile("data\\System.dat"));
    for (cSysRecB& mode : system.m_TitleMenu) mode.m_Shown = 0;
    ASSERT_TRUE(system.SaveFile("data\\System.dat"));
    cTitleMenu title;
    title.m_Keys.Press({VK_UP, VK_DOWN, VK_DOWN, 'Z'});
    EXPECT_TRUE(title.m_Keys.WaitForScene(eSceneWorldMap));
    EXPECT_TRUE(title.m_Game.Running());
}

// At 16 bits the palette still gives the colours that drawing names by index (the menu box's
// frame), and the palette picture's first pixel the transparent colour: the cursor's and the
// box's transparent magenta never reaches the screen.
TEST(GameProgram, TheTitleScreenAt16BitsDrawsInThePalettesColours) {
    cTempDir dir;
    ASSERT_TRUE(CopyGameProject());
    RGBQUAD palette[256];
    ASSERT_TRUE(ReadPaletteFile("bmp\\plt\\Palette.bmp", palette));
    const COLORREF transparent = RGB(palette[0].rgbRed, palette[0].rgbGreen, palette[0].rgbBlue);
    const COLORREF frame = RGB(palette[240].rgbRed, palette[240].rgbGreen, palette[240].rgbBlue);
    cSystemData system;
    ASSERT_TRUE(system.LoadFile("data\\System.dat"));
    const SIZE box = ModeMenuSize(system, ListedModes(system));
    cTitleMenu title;
    const RECT screen = {0, 0, 640, 480};
    int shown = 0;
    for (COLORREF pixel : ScreenPixels(title.m_Wnd, screen))
        if (NearColour(pixel, transparent)) ++shown;
    EXPECT_EQ(0, shown) << "pixels of the transparent colour";
    // The box's right edge, clear of the cursor at its left.
    const int edgeX = cModeMenuScene::kMenuX + box.cx - 1, edgeY = cModeMenuScene::kMenuY + box.cy / 2;
    const RECT edge = {edgeX, edgeY, edgeX + 1, edgeY + 1};
    const std::vector<COLORREF> edgePixel = ScreenPixels(title.m_Wnd, edge);
    ASSERT_EQ(1u, edgePixel.size());
    EXPECT_TRUE(NearColour(frame, edgePixel[0])) << std::hex << edgePixel[0];
}
