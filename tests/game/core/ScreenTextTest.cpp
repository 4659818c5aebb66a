// Texts game.exe shows the player, read off its screen: the caption under the play that names the
// key ending this kind of play or entering the ranking just earned, and the letters a-z written
// as letters or as the symbol pictures as the project chooses.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "data/DataFile.h"
#include "data/SystemData.h"
#include "framework/Format.h"
#include "framework/Dib.h"
#include "game/core/GameGlobals.h"
#include "game/core/Scene.h"
#include "game/media/Font.h"
#include "game/media/TextStyle.h"
#include "game/play/PlayScene.h"
#include "tests/game/core/GameProgram.h"
#include "tests/support/TempDir.h"

namespace {

// The colour of a palette entry, as the factory palette gives it.
COLORREF PaletteColour(int index) {
    RGBQUAD palette[256];
    if (!ReadPaletteFile("bmp\\plt\\Palette.bmp", palette)) ADD_FAILURE() << "no palette";
    return RGB(palette[index].rgbRed, palette[index].rgbGreen, palette[index].rgbBlue);
}

COLORREF SystemTextColour() { return PaletteColour(TextStyleTable[kSystemFont].nColorIndex); }

// Where the screen shows the colour in a rectangle of the window: the count of such pixels and
// the columns of the first and last of them.
struct cInk {
    int count = 0;
    int left = 0;
    int right = -1;
};

cInk InkIn(HWND wnd, const RECT& area, COLORREF colour) {
    cInk ink;
    ink.left = area.right;
    const int w = area.right - area.left;
    const std::vector<COLORREF> pixels = ScreenPixels(wnd, area);
    for (size_t i = 0; i < pixels.size(); ++i) {
        if (!NearColour(pixels[i], colour)) continue;
        const int x = area.left + static_cast<int>(i) % w;
        ++ink.count;
        ink.left = std::min(ink.left, x);
        ink.right = std::max(ink.right, x);
    }
    return ink;
}

// The caption's line, short of the frame-rate box at the bottom right.
const RECT kCaptionLine = {0, 456, 488, 472};
const int kNone = -1, kQuit = 19, kRankingKey = 20;

// The caption's cells: 16 dots a character, centred on x 320.
void ExpectCaption(HWND wnd, int text, const char* what) {
    const cInk ink = InkIn(wnd, kCaptionLine, SystemTextColour());
    if (text == kNone) {
        EXPECT_EQ(0, ink.count) << what << ": a caption where none belongs";
        return;
    }
    cSystemData system;
    ASSERT_TRUE(system.LoadFile("data\\System.dat"));
    const int width = 16 * CountChars(system.m_Terms.At(text).c_str());
    const int left = 320 - width / 2;
    ASSERT_GT(ink.count, 0) << what << ": no caption";
    EXPECT_GE(ink.left, left) << what;
    EXPECT_LT(ink.left, left + 16) << what << ": the caption does not start in the first cell of text " << text;
    EXPECT_LT(ink.right, left + width) << what;
}

// Free play from the title menu (its fourth row) on a stage of the project chosen in the dialog.
void FreePlay(cGameSession& game, const char* stage) {
    game.m_Keys.Press({VK_DOWN, VK_DOWN, VK_DOWN, 'Z'});
    char folder[MAX_PATH] = "";
    GetCurrentDirectoryA(sizeof folder, folder);
    const std::string path = Format("%s\\data\\stg4\\%s_%u", folder, stage, kDataVersion);
    ASSERT_TRUE(game.m_Game.AnswerFileDialog("ステージファイルの選択", path.c_str()));
}

}  // namespace

// The line at y 456 names how play started from a file ends (Space quits the game); a result
// whose ranking waits for F3 (the default name mode enters it by key) names that key instead,
// whether play started from a file or from the title menu; plain free play and story play show
// none.
TEST(GameProgram, PlayShowsTheCaptionOfItsKindAndTheRankingKeyOnItsResult) {
    const struct {
        const char* name;
        bool sample;             // the sample game, else the fixture stages' project
        const char* startFile;   // or none: the title menu
        std::function<void(cGameSession&)> reach;
        int state;
        int text;
    } cases[] = {
        {"play of a start file", false, "data\\stg4\\HitBoxes.stg4", nullptr, ePlayRun, kQuit},
        {"the result of a start file, ranked", false, "data\\stg4\\Goal.stg4", nullptr, ePlayResult, kRankingKey},
        {"free play", false, nullptr, [](cGameSession& g) { FreePlay(g, "HitBoxes.stg4"); }, ePlayRun, kNone},
        {"the result of free play, ranked", false, nullptr, [](cGameSession& g) { FreePlay(g, "Goal.stg4"); },
         ePlayResult, kRankingKey},
        // A new story, three cells west of the first stage's square.
        {"story play", true, nullptr,
         [](cGameSession& g) {
             g.m_Keys.Press('Z');
             ASSERT_TRUE(g.m_Keys.WaitForScene(eSceneWorldMap));
             g.m_Keys.Press({VK_RIGHT, VK_RIGHT, VK_RIGHT, 'Z', VK_UP, 'Z'});
         },
         ePlayRun, kNone},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cTempDir dir;
        ASSERT_TRUE(c.sample ? CopySampleGame() : CopyFixtureProject());
        cGameSession game(c.startFile);
        if (c.reach) c.reach(game);
        if (HasFatalFailure()) return;
        ASSERT_TRUE(game.m_Keys.WaitForScene(eScenePlay, c.state));
        // A few frames drawn in that state.
        Sleep(500);
        ExpectCaption(game.m_Wnd, c.text, c.name);
    }
}

// The ranking name "aaa" on the option screen: written as letters in the system text colour
// while the project's symbol setting is off, as three of the symbol pictures' first cell ('a')
// while it is on.
TEST(GameProgram, TheSymbolSettingChoosesLettersOrSymbolPicturesForAToZ) {
    for (int symbols : {0, 1}) {
        SCOPED_TRACE(symbols);
        cTempDir dir;
        ASSERT_TRUE(CopySampleGame());
        cSystemData system;
        ASSERT_TRUE(system.LoadFile("data\\System.dat"));
        system.m_SymbolText = symbols;
        ASSERT_TRUE(system.SaveFile("data\\System.dat"));
        const COLORREF transparent = PaletteColour(0);
        const std::vector<COLORREF> glyph = BitmapFilePixels("bmp\\Symbol.bmp", {0, 0, 16, 16});
        ASSERT_EQ(256u, glyph.size());

        cGameSession game;
        ASSERT_TRUE(game.m_Keys.WaitForScene(eSceneModeMenu));
        // "オプション" is the sixth row of the title menu.
        game.m_Keys.Press({VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, 'Z'});
        ASSERT_TRUE(game.m_Keys.WaitForScene(eSceneOption));
        // The name is the fifth row's value: rows from y 96, values from x 208.
        for (int k = 0; k < 3; ++k) {
            const RECT cell = {208 + 16 * k, 160, 224 + 16 * k, 176};
            const std::vector<COLORREF> shown = ScreenPixels(game.m_Wnd, cell);
            ASSERT_EQ(glyph.size(), shown.size());
            int opaque = 0, same = 0;
            for (size_t i = 0; i < glyph.size(); ++i) {
                if (NearColour(glyph[i], transparent)) continue;
                ++opaque;
                if (NearColour(glyph[i], shown[i])) ++same;
            }
            ASSERT_GT(opaque, 0);
            const cInk letters = InkIn(game.m_Wnd, cell, SystemTextColour());
            if (symbols) {
                EXPECT_EQ(opaque, same) << "letter " << k << " is not the symbol picture";
            } else {
                EXPECT_LT(same, opaque / 2) << "letter " << k << " shows the symbol picture";
                EXPECT_GT(letters.count, 0) << "letter " << k << " is not written";
            }
        }
    }
}
