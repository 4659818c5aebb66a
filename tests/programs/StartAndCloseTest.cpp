// The two programs start under Wine, open their main window and end cleanly on WM_CLOSE.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "tests/support/RunningProgram.h"
#include "tests/support/TempDir.h"

namespace {

// The main window of the class Quorbel4; the editor's is its frame, which asks before it ends.
// Both run on a project: the factory one with its data\ made (and its System.ini for the game).
void StartsAndEndsOnClose(const char* exe, const char* report, const char* reportStart, int clientWidth,
                          int clientHeight, bool asks) {
    cTempDir dir;
    ASSERT_TRUE(CopyFactoryProject());
    ASSERT_TRUE(CopyFactoryFolder("default", "data"));
    ASSERT_TRUE(CopyFactoryFolder("System.ini"));
    cRunningProgram program(exe);
    ASSERT_TRUE(program.Started()) << BuildPath(exe);
    HWND wnd = program.WaitForWindow("Quorbel4");
    ASSERT_NE(nullptr, wnd) << exe << " opened no main window";
    if (clientWidth) {
        RECT rc;
        GetClientRect(wnd, &rc);
        EXPECT_EQ(clientWidth, rc.right - rc.left);
        EXPECT_EQ(clientHeight, rc.bottom - rc.top);
    }
    PostMessageA(wnd, WM_CLOSE, 0, 0);
    if (asks) {
        HWND box = program.WaitForBox("終了確認");
        ASSERT_NE(nullptr, box) << exe << " did not ask before ending";
        cRunningProgram::Answer(box, IDYES);
    }
    DWORD code = 1234;
    ASSERT_TRUE(program.WaitForExit(&code)) << exe << " did not end after WM_CLOSE";
    EXPECT_EQ(0u, code);
    std::string written = dir.Read(report);
    EXPECT_EQ(0u, written.find(reportStart)) << "the report starts with " << reportStart;
    EXPECT_NE(std::string::npos, written.find("OS : ")) << "the report holds the system report";
}

}  // namespace

TEST(Programs, GameOpensItsWindowAndEndsOnClose) { 
    StartsAndEndsOnClose("game.exe", "Report_Game.txt", "App : ver 147", 640, 480, false);
}

TEST(Programs, EditorOpensItsWindowAndEndsOnClose) { 
    StartsAndEndsOnClose("editor.exe", "Report_Editor.txt", "App : ver 147", 0, 0, true);
}
