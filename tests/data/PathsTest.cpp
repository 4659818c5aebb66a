#include <gtest/gtest.h>

#include <string>

#include "data/Paths.h"
#include "tests/support/BoxAnswers.h"
#include "tests/support/TempDir.h"

TEST(Paths, TablesHoldTheirEntriesAtTheirPositions) {
    const char* tables[] = {"AnimeSet", "Anime", "Bmp_CharaExc", "SwordType", "Effect", "CharaEffect",
                            "ScrEffect", "Picture", "Sound", "Bgm"};
    for (int k = 0; k < 10; ++k) {
        EXPECT_EQ(std::string("data\\database\\") + tables[k] + ".dat", PathTable[14 + 2 * k]);
        EXPECT_EQ(std::string("default\\database\\") + tables[k] + ".dat", PathTable[15 + 2 * k]);
    }
    EXPECT_STREQ("data\\", g_PathTable[0]);
    EXPECT_STREQ("data\\stg4\\Default.stg4_***", g_PathTable[ePathDefaultStage]);
    EXPECT_STREQ("data\\System.dat", g_PathTable[34]);
    EXPECT_STREQ("data\\stg4\\c", g_PathTable[36]);
    EXPECT_STREQ("user_data\\story\\", PathTable[37 + 0]);
    EXPECT_STREQ("user_data\\challenge\\", PathTable[37 + 1]);
    EXPECT_STREQ("user_data\\free\\", PathTable[37 + 2]);
    EXPECT_STREQ("user_data\\Option.dat", PathTable[42]);
    EXPECT_EQ(43, ePathCount);
    EXPECT_STREQ("rkg", ExtTable[eExtRanking]);
    EXPECT_STREQ("stg4", g_ExtTable[1]);
}

TEST(Paths, ExistingDataIsNeverTouchedNorAskedAbout) {
    cTempDir dir;
    CreateDirectoryA("data", nullptr);  // empty, still counts
    dir.Write("default\\System.dat", "x");
    EXPECT_TRUE(CreateDefaultData(nullptr));
    EXPECT_EQ(1, EnsureDataFolder(nullptr));
    EXPECT_FALSE(dir.Exists("data\\System.dat"));
}

TEST(Paths, WithoutDefaultNothingIsAsked) {
    cTempDir dir;
    EXPECT_FALSE(CreateDefaultData(nullptr));
    EXPECT_FALSE(dir.Exists("data"));
}

TEST(Paths, DecliningCopiesNothing) {
    cTempDir dir;
    dir.Write("default\\System.dat", "x");
    cBoxAnswers boxes;
    boxes.Answer(IDNO);
    EXPECT_FALSE(CreateDefaultData(nullptr));
    EXPECT_FALSE(dir.Exists("data"));
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("データが存在しません！デフォルトデータを作成しますか？\n", boxes.Shown()[0].text);
    EXPECT_EQ("デフォルトデータ作成の確認", boxes.Shown()[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO), boxes.Shown()[0].type);
}

TEST(Paths, MissingDataIsCreatedAsACompleteCopyOfDefault) {
    cTempDir dir;
    dir.Write("default\\System.dat", "system");
    dir.Write("default\\database\\Anime.dat", "anime");
    dir.Write("default\\stg4\\deep\\Default.stg4_147", "stage");
    cBoxAnswers boxes;
    boxes.Answer(IDYES);
    EXPECT_TRUE(CreateDefaultData(nullptr));
    EXPECT_EQ("system", dir.Read("data\\System.dat"));
    EXPECT_EQ("anime", dir.Read("data\\database\\Anime.dat"));
    EXPECT_EQ("stage", dir.Read("data\\stg4\\deep\\Default.stg4_147"));
    EXPECT_FALSE(dir.Exists("data\\default"));
    // A second call finds data\ and asks nothing.
    EXPECT_TRUE(CreateDefaultData(nullptr));
    EXPECT_EQ(1u, boxes.Shown().size());
}
