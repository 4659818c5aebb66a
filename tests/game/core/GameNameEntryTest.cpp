// The name-entry window of the running game, opened the way the game thread asks for it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "game/core/GameWnd.h"
#include "game/core/NameEntryIds.h"
#include "tests/game/core/GameProgram.h"
#include "tests/support/TempDir.h"

namespace {

std::string EditText(HWND dlg) {
    char text[64] = "";
    GetDlgItemTextA(dlg, IDC_NAME_EDIT, text, sizeof text);
    return text;
}

// Each byte as a character message, the way the keyboard's characters (a double-byte one as
// its lead and trail bytes) reach a window.
void Type(HWND edit, const char* text) {
    for (const char* p = text; *p; ++p) PostMessageA(edit, WM_CHAR, static_cast<unsigned char>(*p), 1);
}

bool WaitForEditText(HWND dlg, const std::string& text) {
    for (int i = 0; i < 250 && EditText(dlg) != text; ++i) Sleep(20);
    return EditText(dlg) == text;
}

}  // namespace

// The game's resource 102 is the name entry: its controls come up, typed characters go in (three
// at most), and OK keeps them as the name the ranking registration takes, which the window shows
// again when it next opens.
TEST(GameProgram, NameEntryTakesTypedCharactersAndOkKeepsThemAsTheRankingName) {
    struct {
        const char* name;
        const char* typed;
        const char* kept;
    } cases[] = {
        {"three letters, a fourth refused", "xyzw", "xyz"},
        {"two full-width characters", "ＡＢ", "ＡＢ"},
        {"three full-width characters, a fourth refused", "あいうえ", "あいう"},
    };
    cTempDir dir;
    ASSERT_TRUE(CopyGameProject());
    cGameProcess game;
    ASSERT_TRUE(game.Started());
    HWND wnd = game.WaitForMainWindow();
    ASSERT_NE(nullptr, wnd);
    std::string before = "aaa";  // the story state's starting name
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PostMessageA(wnd, UM_NAME_ENTRY, 0, 0);
        HWND dlg = game.WaitForDialog();
        ASSERT_NE(nullptr, dlg);
        EXPECT_EQ(before, EditText(dlg));
        ASSERT_NE(nullptr, GetDlgItem(dlg, IDC_NAME_PICTURE));
        char label[64] = "";
        GetWindowTextA(GetDlgItem(dlg, -1), label, sizeof label);
        EXPECT_STREQ("登録名(3文字まで)", label);
        // The window opens with the whole name selected: typing replaces it.
        Type(GetDlgItem(dlg, IDC_NAME_EDIT), c.typed);
        EXPECT_TRUE(WaitForEditText(dlg, c.kept)) << EditText(dlg);
        PostMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDC_NAME_OK, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dlg, IDC_NAME_OK)));
        for (int i = 0; i < 250 && IsWindow(dlg); ++i) Sleep(20);
        ASSERT_FALSE(IsWindow(dlg));
        before = c.kept;
    }
    // The last name is kept: the next opening shows it, and closing that window keeps it.
    for (int round = 0; round < 2; ++round) {
        PostMessageA(wnd, UM_NAME_ENTRY, 0, 0);
        HWND dlg = game.WaitForDialog();
        ASSERT_NE(nullptr, dlg);
        EXPECT_EQ("あいう", EditText(dlg));
        Type(GetDlgItem(dlg, IDC_NAME_EDIT), "q");
        ASSERT_TRUE(WaitForEditText(dlg, "q"));
        PostMessageA(dlg, WM_CLOSE, 0, 0);
        for (int i = 0; i < 250 && IsWindow(dlg); ++i) Sleep(20);
        ASSERT_FALSE(IsWindow(dlg));
    }
    EXPECT_TRUE(game.Running());
    PostMessageA(wnd, WM_CLOSE, 0, 0);
    DWORD code = 1234;
    ASSERT_TRUE(game.WaitForExit(5000, &code));
    EXPECT_EQ(0u, code);
}
