// The project's system data checks its menu music against the project database's Bgm table.
#include <gtest/gtest.h>

#include "data/ProjectData.h"
#include "data/ProjectDatabase.h"
#include "tests/support/RestoreOnExit.h"

TEST(ProjectData, SystemDataMenuMusicFollowsTheProjectBgmTable) {
    cRestoreOnExit<cDatabase> keepDatabase(ProjectDatabase());
    cRestoreOnExit<cSystemData> keepSystem(ProjectSystemData());
    cSystemData& system = ProjectSystemData();
    ProjectDatabase().m_Bgms.resize(3);
    system.m_MenuMusic = {2, 3, 0, 1};
    system.Validate();
    EXPECT_EQ((cSystemList<int32_t>{2, 0, 0, 1}), system.m_MenuMusic);
    ProjectDatabase().m_Bgms.resize(2);
    system.Validate();
    EXPECT_EQ((cSystemList<int32_t>{0, 0, 0, 1}), system.m_MenuMusic);
}
