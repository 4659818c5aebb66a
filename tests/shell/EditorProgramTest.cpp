// The editor program itself, started in a fresh project folder that holds the factory default\ folder
// and the media: creating data\, the second start, ending with Esc, and a start-up that fails.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "data/EditConfig.h"
#include "tests/support/RunningProgram.h"
#include "tests/support/TempDir.h"

namespace {

const char kMainTitle[] = "Quorbel4";

bool IsFolder(const char* path) {
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Ends a running editor with Esc on its main window and the Yes of the question.
void EndWithEsc(cRunningProgram& editor, HWND main) {
    PostMessageA(main, WM_KEYDOWN, VK_ESCAPE, 0);
    HWND box = editor.WaitForBox("終了確認");
    ASSERT_NE(nullptr, box);
    cRunningProgram::Answer(box, IDYES);
    DWORD code = 1234;
    ASSERT_TRUE(editor.WaitForExit(&code));
    EXPECT_EQ(0u, code);
}

}  // namespace

TEST(EditorProgram, RefusingToCreateDataEndsAtOnceAndMakesNothing) {
    cTempDir dir;
    ASSERT_TRUE(CopyFactoryProject());
    cRunningProgram editor("editor.exe");
    std::string text;
    HWND box = editor.WaitForBox("デフォルトデータ作成の確認", &text);
    ASSERT_NE(nullptr, box);
    EXPECT_EQ("データが存在しません！デフォルトデータを作成しますか？\n", text);
    cRunningProgram::Answer(box, IDNO);
    DWORD code = 1234;
    ASSERT_TRUE(editor.WaitForExit(&code));
    EXPECT_EQ(0u, code);
    for (const char* folder : {"data", "e_data", "user_data"}) EXPECT_FALSE(IsFolder(folder)) << folder;
}

TEST(EditorProgram, CreatesDataOpensNoStageRefusesASecondStartAndAsksBeforeEnding) {
    cTempDir dir;
    ASSERT_TRUE(CopyFactoryProject());
    cRunningProgram editor("editor.exe");
    HWND box = editor.WaitForBox("デフォルトデータ作成の確認");
    ASSERT_NE(nullptr, box);
    cRunningProgram::Answer(box, IDYES);
    HWND main = editor.WaitForWindow("#32770", kMainTitle);
    ASSERT_NE(nullptr, main) << "no main window, or it shows a stage";
    EXPECT_TRUE(dir.Exists("data\\CommonPalette.cplt4"));
    EXPECT_TRUE(dir.Exists("data\\stg4\\Default.stg4_147"));
    for (const char* folder : {"e_data", "e_bmp", "user_data\\rpl4", "user_data\\challenge", "data\\plt4", "bmp\\hbt"})
        EXPECT_TRUE(IsFolder(folder)) << folder;

    {
        cRunningProgram second("editor.exe");
        std::string text;
        HWND refused = second.WaitForBox("二重起動", &text);
        ASSERT_NE(nullptr, refused);
        EXPECT_EQ("既に起動しています", text);
        cRunningProgram::Answer(refused, IDOK);
        DWORD code = 1234;
        ASSERT_TRUE(second.WaitForExit(&code));
        EXPECT_EQ(0u, code);
    }

    // No keeps the editor; Yes ends it, and the configuration is written on the way out.
    PostMessageA(main, WM_KEYDOWN, VK_ESCAPE, 0);
    box = editor.WaitForBox("終了確認");
    ASSERT_NE(nullptr, box);
    cRunningProgram::Answer(box, IDNO);
    DWORD code = 1234;
    EXPECT_FALSE(editor.WaitForExit(&code, 500));
    EndWithEsc(editor, main);
    EXPECT_TRUE(dir.Exists("e_data\\EditConfig.dat"));
}

TEST(EditorProgram, AMissingSystemBitmapIsToldAndTheNextStartOpensNoStage) {
    cTempDir dir;
    ASSERT_TRUE(CopyFactoryProject());
    ASSERT_TRUE(CopyFactoryFolder("default", "data"));
    CreateDirectoryA("e_data", nullptr);
    cEditConfig config;
    config.m_LastStage = "data\\stg4\\Default.stg4_147";
    ASSERT_TRUE(config.SaveFile("e_data\\EditConfig.dat"));
    ASSERT_TRUE(MoveFileA("bmp\\Mark.bmp", "Mark.bmp"));
    {
        cRunningProgram editor("editor.exe");
        // The picture is named (by the loader and by the project load), then the load failure.
        std::string text;
        int named = 0;
        HWND box;
        while ((box = editor.WaitForBox("エラー", &text)) && text.find("bmp\\Mark.bmp") != std::string::npos) {
            ++named;
            cRunningProgram::Answer(box, IDOK);
        }
        EXPECT_GE(named, 1);
        ASSERT_NE(nullptr, box);
        EXPECT_EQ(0u, text.find("プロジェクトのロードに失敗しました！")) << text;
        cRunningProgram::Answer(box, IDOK);
        DWORD code = 1234;
        ASSERT_TRUE(editor.WaitForExit(&code));
        EXPECT_EQ(0u, code);
    }
    cEditConfig saved;
    ASSERT_TRUE(saved.LoadFile("e_data\\EditConfig.dat"));
    EXPECT_EQ("", saved.m_LastStage);

    ASSERT_TRUE(MoveFileA("Mark.bmp", "bmp\\Mark.bmp"));
    cRunningProgram editor("editor.exe");
    HWND main = editor.WaitForWindow("#32770", kMainTitle);
    ASSERT_NE(nullptr, main) << "no main window, or it shows a stage";
    EndWithEsc(editor, main);
}

TEST(EditorProgram, ADamagedCommonPaletteIsKeptAsideAndTheEditorRunsOnTheFactoryOne) {
    cTempDir dir;
    ASSERT_TRUE(CopyFactoryProject());
    ASSERT_TRUE(CopyFactoryFolder("default", "data"));
    const std::string damaged("\x93\x00\x00\x00broken", 10);
    dir.Write("data\\CommonPalette.cplt4", damaged);
    cRunningProgram editor("editor.exe");
    std::string text;
    HWND box = editor.WaitForBox("エラー", &text);
    ASSERT_NE(nullptr, box);
    EXPECT_EQ(0u, text.find("data\\CommonPalette.cplt4 を読み込めませんでした。")) << text;
    cRunningProgram::Answer(box, IDOK);
    HWND main = editor.WaitForWindow("#32770", kMainTitle);
    ASSERT_NE(nullptr, main);
    EXPECT_EQ(damaged, dir.Read("data\\CommonPalette.cplt4.bad1"));
    EXPECT_EQ(dir.Read("default\\CommonPalette.cplt4"), dir.Read("data\\CommonPalette.cplt4"));
    EndWithEsc(editor, main);
}
