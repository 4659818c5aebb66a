// The editor's Open command end to end: editor.exe, started without a stage, opens the factory
// stage through its open dialog (filled in and confirmed as a person would), then refuses a
// damaged file with its message and keeps the stage it has.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "data/EditConfig.h"
#include "tests/programs/EditorSession.h"

namespace {

const int kOpenCommand = 40004;  // Ctrl+O

}  // namespace

TEST(Programs, EditorOpensAStageThroughItsOpenDialog) {
    cTempDir dir;
    ASSERT_TRUE(CopyFactoryProject());
    ASSERT_TRUE(CopyFactoryFolder("default", "data"));
    CreateDirectoryA("e_data", nullptr);
    cEditConfig config;
    config.Init();
    ASSERT_TRUE(config.SaveFile("e_data\\EditConfig.dat"));
    const std::string stage = dir.Read("data\\stg4\\Default.stg4_147");
    ASSERT_FALSE(stage.empty());
    dir.Write("data\\stg4\\Bad.stg4_147", stage.substr(0, stage.size() / 2));

    cRunningProgram editor("editor.exe");
    ASSERT_TRUE(editor.Started());
    HWND frame = editor.WaitForWindow("Quorbel4", "Quorbel4");
    ASSERT_NE(nullptr, frame);
    DWORD pid = 0;
    GetWindowThreadProcessId(frame, &pid);
    HWND main = editor.WaitForWindow("#32770", "Quorbel4");
    ASSERT_NE(nullptr, main) << "the main window, without a stage";

    PostMessageA(main, WM_COMMAND, kOpenCommand, 0);
    ASSERT_TRUE(AnswerFileDialog(editor, "読み込むファイルの選択", dir.Path() + "\\data\\stg4\\Default.stg4_147"));
    main = WaitForMainTitled(pid, "Default.stg4_147");
    ASSERT_NE(nullptr, main) << "the stage opened and the window names it";

    // A damaged file is refused with its message; the open stage stays.
    PostMessageA(main, WM_COMMAND, kOpenCommand, 0);
    ASSERT_TRUE(AnswerFileDialog(editor, "読み込むファイルの選択", dir.Path() + "\\data\\stg4\\Bad.stg4_147"));
    std::string text;
    HWND box = editor.WaitForBox("エラー", &text);
    ASSERT_NE(nullptr, box);
    EXPECT_NE(std::string::npos, text.find("Bad.stg4_147 の読み込みに失敗しました！")) << text;
    cRunningProgram::Answer(box, IDOK);
    EXPECT_NE(nullptr, WaitForMainTitled(pid, "Default.stg4_147", 2000));

    PostMessageA(frame, WM_CLOSE, 0, 0);
    DWORD code = 1234;
    for (int i = 0; i < 40 && !editor.WaitForExit(&code, 250); ++i) {
        if (HWND ask = editor.WaitForWindow("#32770", "終了確認", 100)) cRunningProgram::Answer(ask, IDYES);
    }
    EXPECT_EQ(0u, code);
}
