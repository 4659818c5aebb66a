// The game program carries its window icon as resource 101 beside the editor's "GAME" string.
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/support/RunningProgram.h"

TEST(GameIcon, ProgramHoldsIcon101ForItsWindowClass) {
    HMODULE game = LoadLibraryExA(BuildPath("game.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, game);
    HICON icon = static_cast<HICON>(LoadImageA(game, MAKEINTRESOURCEA(101), IMAGE_ICON, 32, 32, 0));
    ASSERT_NE(nullptr, icon);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP colour{};
    ASSERT_NE(0, GetObjectA(info.hbmColor, sizeof colour, &colour));
    EXPECT_EQ(32, colour.bmWidth);
    EXPECT_EQ(32, colour.bmHeight);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
    FreeLibrary(game);
}
