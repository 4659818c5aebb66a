// Every stage that ships (the factory project's and the sample game's) is the stage the editor
// shows: opened in the project it ships with and saved again with no edit, it is the same file.
// A stage written against another palette than its project's would take that palette's flows
// and commands on its first save.
#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "data/CommonPalette.h"
#include "data/GValInfo.h"
#include "data/Paths.h"
#include "data/PrjOption.h"
#include "data/ProjectData.h"
#include "data/ProjectDatabase.h"
#include "data/Stage.h"
#include "editor/shell/EditorProject.h"
#include "editor/shell/LoadProject.h"
#include "tests/factory/ProjectFolder.h"
#include "tests/support/BoxAnswers.h"
#include "tests/support/RestoreOnExit.h"
#include "tests/support/TempDir.h"

namespace {

// The project's folders copied into the current folder.
bool CopyProject(const char* project) {
    std::string from;
    for (const char* folder : {"default", "bmp", "e_bmp"}) from += ProjectFolder(project) + "\\" + folder + '\0';
    char here[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, here);
    std::string to = std::string(here) + '\0';
    SHFILEOPSTRUCTA copy = {};
    copy.wFunc = FO_COPY;
    copy.pFrom = from.c_str();
    copy.pTo = to.c_str();
    copy.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI;
    return SHFileOperationA(&copy) == 0 && !copy.fAnyOperationsAborted;
}

std::vector<std::string> StageFiles(const std::string& folder) {
    std::vector<std::string> files;
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((folder + "\\*.stg4_*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return files;
    do files.push_back(folder + "\\" + found.cFileName);
    while (FindNextFileA(find, &found));
    FindClose(find);
    return files;
}

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class ShippedStages : public testing::TestWithParam<const char*> {
protected:
    cRestoreOnExit<cVarNames> m_Names{CommonVarNames()};
    cRestoreOnExit<cDatabase> m_Database{ProjectDatabase()};
    cRestoreOnExit<cSystemData> m_System{ProjectSystemData()};
    cRestoreOnExit<cCommonPalette> m_Palette{ProjectCommonPalette()};
    cRestoreOnExit<cPrjOption> m_Option{ProjectOption()};
    cRestoreOnExit<cWorldMap> m_Map{ProjectWorldMap()};
    cRestoreOnExit<cEdStage> m_Stage{ProjectStage()};
    cRestoreOnExit<cUndoHistory> m_History{UndoHistory()};
    cTempDir m_Dir;
    cBoxAnswers m_Boxes;
};

TEST_P(ShippedStages, OpenAndSaveWithoutAnEditKeepEveryByte) {
    ASSERT_TRUE(CopyProject(GetParam()));
    m_Boxes.Answer(IDYES);
    ASSERT_TRUE(CreateDefaultData(nullptr));
    ASSERT_TRUE(LoadProject());
    const std::vector<std::string> stages = StageFiles("default\\stg4");
    ASSERT_FALSE(stages.empty());
    for (const std::string& path : stages) {
        SCOPED_TRACE(path);
        ASSERT_TRUE(ProjectStage().LoadStageFile(path.c_str(), false, cEdStage::ePumpDrain, cEdStage::eHeroOptional));
        ASSERT_TRUE(ProjectStage().SaveFile("saved.stg4"));
        const std::string shipped = Bytes(path);
        const std::string saved = Bytes("saved.stg4");
        EXPECT_EQ(shipped.size(), saved.size());
        EXPECT_TRUE(shipped == saved);
    }
    EXPECT_EQ(1u, m_Boxes.Shown().size()) << "only the first-run question";
}

INSTANTIATE_TEST_SUITE_P(FactoryAndSample, ShippedStages, testing::Values("project", "sample"));

}  // namespace
