#include <gtest/gtest.h>

#include <string>

#include "data/Palette.h"
#include "data/PaletteSource.h"
#include "data/ProjectDatabase.h"
#include "tests/data/ElementBytes.h"
#include "tests/support/RestoreOnExit.h"
#include "tests/support/TempDir.h"

TEST(Item, LoadResetsRowsTheDatabaseDoesNotHave) {
    cRestoreOnExit<cDatabase> keepDatabase(ProjectDatabase());
    ProjectDatabase().m_Sounds.resize(2);
    ProjectDatabase().m_Animes.resize(2);
    cTempDir dir;
    std::vector<int64_t> values = ItemLayout().defaults;
    values[16] = 2;  // sound row 2 of two rows
    values[15] = 0;  // scale
    cBytes lists;
    lists.U32(0).U32(1);
    // An item command whose anime row is gone.
    lists.U32(8).U8(1).U8(3).U16(1).U16(0).U8(0).U16(0).U8(1).U16(9).U32(1).Str("").U32(0).U32(0).U32(0).U32(1).I32(5);
    cBytes b;
    b.U32(147);
    ElementRecord(b, ItemLayout(), values, "", std::string(4, '\0'), std::vector<uint8_t>(13, 0), lists.Get());
    dir.Write("i.dat", b.Get());
    cEdItem item;
    ASSERT_TRUE(item.LoadFile("i.dat"));
    EXPECT_EQ(0, item.m_Sound);
    EXPECT_EQ(1, item.m_Scale);
    ASSERT_EQ(1u, item.m_Commands.size());
    EXPECT_EQ(0, item.m_Commands[0].m_Anime);

    item.m_Sound = 1;
    item.CheckRef();
    EXPECT_EQ(1, item.m_Sound);
}

TEST(Item, BaseItemOfAReference) {
    cPalette common, stage;
    common.m_Items.resize(3);
    stage.m_Items.resize(1);
    cPaletteSourceScope commonScope(eSourceCommon, &common);
    cPaletteSourceScope stageScope(eSourceStage, &stage);
    EXPECT_EQ(&common.m_Items[2], cEdItem::GetBaseItem(eSourceCommon, 2));
    EXPECT_EQ(&stage.m_Items[0], cEdItem::GetBaseItem(eSourceStage, 0));
    EXPECT_EQ(nullptr, cEdItem::GetBaseItem(eSourceCommon, 3));
    EXPECT_EQ(nullptr, cEdItem::GetBaseItem(eSourceStage, -1));
    EXPECT_EQ(nullptr, cEdItem::GetBaseItem(0, 0));
    EXPECT_EQ(nullptr, cEdItem::GetBaseItem(3, 0));
}
