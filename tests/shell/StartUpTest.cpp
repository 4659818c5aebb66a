// The pieces of the editor's start-up and exit that can fail quietly: the project folders, the
// sound players, the saves on the way out, and a folder with neither data\ nor default\.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "editor/shell/App.h"
#include "editor/shell/EditorState.h"
#include "framework/Page.h"
#include "editor/shell/EditorFiles.h"
#include "editor/shell/EditorSound.h"
#include "editor/shell/ProjectFolders.h"
#include "framework/ErrorLog.h"
#include "tests/support/BoxAnswers.h"
#include "tests/support/TempDir.h"

namespace {

bool IsFolder(const char* path) {
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The error log switched on into a fresh file of the test's folder (the log appends to its file
// after the first line of a run), and off again.
struct cLogOn {
    cLogOn() {
        if (FILE* fp = fopen("log.txt", "wt")) fclose(fp);
        SetErrorLog(1, "log.txt");
    }
    ~cLogOn() { SetErrorLog(0, ""); }
};

}  // namespace

TEST(StartUp, ProjectFoldersAreMadeParentsFirstAndExistingOnesKept) {
    cTempDir dir;
    CreateDirectoryA("data", nullptr);
    dir.Write("data\\keep.txt", std::string("kept"));
    EXPECT_TRUE(CreateProjectFolders());
    for (const char* folder : {"e_data", "e_bmp", "user_data\\story", "user_data\\challenge", "user_data\\free",
                               "user_data\\rpl4", "data\\database", "data\\stg4\\old_ver", "data\\plt4", "bmp\\back",
                               "bmp\\chara_sp", "bmp\\effect", "bmp\\picture", "bmp\\sword", "bmp\\convert", "bmp\\plt",
                               "bmp\\hbt", "wave", "bgm"})
        EXPECT_TRUE(IsFolder(folder)) << folder;
    EXPECT_EQ("kept", dir.Read("data\\keep.txt"));
    EXPECT_TRUE(CreateProjectFolders());  // a second start finds them all

    // A file where a folder belongs is logged and reported.
    cTempDir other;
    other.Write("wave", std::string("not a folder"));
    cLogOn log;
    EXPECT_FALSE(CreateProjectFolders());
    EXPECT_NE(std::string::npos, other.Read("log.txt").find("wave")) << other.Read("log.txt");
}

TEST(StartUp, AWavePlayerThatCannotOpenIsLoggedAndLeftQuiet) {
    cTempDir dir;
    cLogOn log;
    EXPECT_TRUE(SetUpEditorSound());  // a preview file that does not open is no reason to stop
    EXPECT_FALSE(EditorWave().IsEnabled());
    EXPECT_NE(std::string::npos, dir.Read("log.txt").find("wave\\free.wav")) << dir.Read("log.txt");
    CloseEditorSound();
    EXPECT_FALSE(EditorBgm().IsInitialized());
}

TEST(StartUp, ASaveThatFailsNamesItsFile) {
    cTempDir dir;
    struct cCase {
        bool (*save)();
        const char* folder;
        const char* file;
    };
    const cCase cases[] = {{SaveEditConfig, "e_data", "e_data\\EditConfig.dat"},
                           {SaveProjectOption, "data", "data\\PrjOption.dat"},
                           {SaveVarNames, "data", "data\\GValInfo.dat"}};
    for (const cCase& c : cases) {
        // A folder in the file's place: the save cannot be put there.
        CreateDirectoryA(c.folder, nullptr);
        ASSERT_TRUE(CreateDirectoryA(c.file, nullptr));
        {
            cBoxAnswers boxes;
            EXPECT_FALSE(c.save()) << c.file;
            ASSERT_EQ(1u, boxes.Shown().size()) << c.file;
            EXPECT_EQ(std::string(c.file) + " の保存に失敗しました！", boxes.Shown()[0].text);
        }
        ASSERT_TRUE(RemoveDirectoryA(c.file));
        EXPECT_TRUE(c.save()) << c.file;
        EXPECT_TRUE(dir.Exists(c.file));
    }
}

TEST(StartUp, WithNeitherDataNorItsFactoryCopyTheEditorSaysWhatIsMissing) {
    cTempDir dir;
    cBoxAnswers boxes;
    EXPECT_FALSE(InitApp());
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("default\\ が見つかりません！", boxes.Shown()[0].text);
    EXPECT_FALSE(IsFolder("data"));
    EXPECT_EQ(0, AppState().initialised);
    AppState() = cAppState();
}

TEST(StartUp, AReportFileThatCannotBeMadeIsNamedAndEndsTheStart) {
    cTempDir dir;
    ASSERT_TRUE(CreateDirectoryA("Report_Editor.txt", nullptr));  // a folder in the file's place
    cBoxAnswers boxes;
    EXPECT_EQ(0, EditorMain(GetModuleHandleA(nullptr)));
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ(dir.Path() + "\\Report_Editor.txt を作成できません！", boxes.Shown()[0].text);
    EXPECT_FALSE(IsFolder("data"));
    SetErrorLog(0, "");
    cPage::SetScrollBarIds(0, 0);
}
