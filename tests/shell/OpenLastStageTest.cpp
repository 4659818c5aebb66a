// Reopening the stage that was open when the editor last closed.
#include <gtest/gtest.h>
#include <windows.h>

#include "data/Stage.h"
#include "editor/shell/EditorProject.h"
#include "editor/shell/LoadProject.h"
#include "editor/shell/StageDoc.h"
#include "tests/support/TempDir.h"

TEST(OpenLastStage, ReopensTheStageOrLeavesAClearedOneOf32By32) {
    cTempDir dir;
    cEdStage& stage = ProjectStage();
    cUndoHistory& history = UndoHistory();

    // No stage was open: the new stage stays, with its history.
    EXPECT_FALSE(OpenLastStage(""));
    EXPECT_EQ(0, StageDoc().m_StageOpen);
    EXPECT_EQ(20, stage.m_Width);
    EXPECT_EQ(1u, history.Steps());
    EXPECT_EQ(32u * 15, history.CellsPerStep());

    CreateDirectoryA("data", nullptr);
    CreateDirectoryA("data\\stg4", nullptr);
    cEdStage last;
    last.m_Name = "最後";
    ASSERT_TRUE(last.SetSize(40, 20));
    last.m_UndoCount = 2;
    ASSERT_TRUE(last.SaveFile("data\\stg4\\Last.stg4_147"));
    EXPECT_TRUE(OpenLastStage("data\\stg4\\Last.stg4_147"));
    EXPECT_EQ("最後", stage.m_Name);
    EXPECT_EQ(1, StageDoc().m_StageOpen);
    EXPECT_EQ("data\\stg4\\Last.stg4_147", StageDoc().m_StagePath);
    EXPECT_EQ(2u, history.Steps());
    EXPECT_EQ(64u * 20, history.CellsPerStep());

    // A stage that is gone leaves a cleared stage, larger than a new one, and none open.
    EXPECT_FALSE(OpenLastStage("data\\stg4\\Gone.stg4_147"));
    EXPECT_EQ("", stage.m_Name);
    EXPECT_EQ(32, stage.m_Width);
    EXPECT_EQ(32, stage.m_Height);
    EXPECT_EQ(0, StageDoc().m_StageOpen);
    EXPECT_EQ("", StageDoc().m_StagePath);
    EXPECT_EQ(1u, history.Steps());
    EXPECT_EQ(32u * 32, history.CellsPerStep());
}
