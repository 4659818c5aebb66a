// Every stage that ships (the factory project's and the sample game's) is the stage the editor
// shows: opened in the project it ships with and saved again with no edit, it is the same file.
// A stage written against another palette than its project's would take that palette's flows
// and commands on its first save. Its stage palette holds no blank element.
#include <gtest/gtest.h>

#include <windows.h>

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
#include "tests/support/ProjectObjects.h"
#include "tests/support/TempDir.h"

namespace {

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

template <class T>
std::vector<int> Graphics(const cRecordVector<T>& list) {
    std::vector<int> out;
    for (const T& element : list) out.push_back(element.m_Graphic);
    return out;
}

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class ShippedStages : public testing::TestWithParam<const char*> {
protected:
    cKeepProjectObjects m_Project;
    cTempDir m_Dir;
    cBoxAnswers m_Boxes;
};

TEST_P(ShippedStages, OpenAndSaveWithoutAnEditKeepEveryByte) {
    ASSERT_TRUE(CopyProjectRecords(GetParam()));
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

// After the empty element, each list of a stage palette holds elements that show something: a
// stage's own defaults would ship a blank one, drawn as nothing and turned into graphic 1 by the
// first look at it in its data window.
TEST_P(ShippedStages, StagePalettesHoldNoBlankElement) {
    ASSERT_TRUE(CopyProjectRecords(GetParam()));
    const std::vector<std::string> stages = StageFiles("default\\stg4");
    ASSERT_FALSE(stages.empty());
    for (const std::string& path : stages) {
        SCOPED_TRACE(path);
        cEdStage stage;
        ASSERT_TRUE(stage.LoadFile(path.c_str()));
        const cPalette& palette = stage.m_Palette;
        const std::vector<std::vector<int>> graphics = {Graphics(palette.m_Blocks), Graphics(palette.m_Charas),
                                                        Graphics(palette.m_Items)};
        for (const std::vector<int>& list : graphics) {
            ASSERT_GE(list.size(), 2u);
            EXPECT_EQ(list[0], 0) << "element 0 is the empty one";
            for (size_t i = 1; i < list.size(); ++i) EXPECT_NE(list[i], 0) << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(FactoryAndSample, ShippedStages, testing::Values("project", "sample"));

}  // namespace
