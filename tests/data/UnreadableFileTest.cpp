// A file that a load could not read is moved aside under the next free number before anything
// is written in its place; one that cannot be moved is left alone and the caller told so.
#include <gtest/gtest.h>
#include <windows.h>

#include "data/UnreadableFile.h"
#include "tests/support/BoxAnswers.h"
#include "tests/support/TempDir.h"

TEST(UnreadableFile, AMissingFileMayBeWrittenAtOnce) {
    cTempDir dir;
    cBoxAnswers boxes;
    EXPECT_TRUE(SetAsideUnreadableFile("gone.dat"));
    EXPECT_TRUE(SetAsideUnreadableFile("no folder\\gone.dat"));
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST(UnreadableFile, EachDamagedFileGetsTheNextFreeNumber) {
    cTempDir dir;
    dir.Write("a.dat.bad2", std::string("older"));
    cBoxAnswers boxes;
    for (const char* bytes : {"first", "second", "third"}) {
        dir.Write("a.dat", std::string(bytes));
        ASSERT_TRUE(SetAsideUnreadableFile("a.dat"));
        EXPECT_FALSE(dir.Exists("a.dat"));
    }
    EXPECT_EQ("first", dir.Read("a.dat.bad1"));
    EXPECT_EQ("older", dir.Read("a.dat.bad2"));
    EXPECT_EQ("second", dir.Read("a.dat.bad3"));
    EXPECT_EQ("third", dir.Read("a.dat.bad4"));
    ASSERT_EQ(3u, boxes.Shown().size());
    EXPECT_EQ("a.dat を読み込めませんでした。\n元のファイルを a.dat.bad3 として残し、初期データを使います。",
              boxes.Shown()[1].text);
}

TEST(UnreadableFile, AFileThatCannotBeMovedIsLeftAlone) {
    cTempDir dir;
    dir.Write("held.dat", std::string("mine"));
    HANDLE held = CreateFileA("held.dat", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    cBoxAnswers boxes;
    EXPECT_FALSE(SetAsideUnreadableFile("held.dat"));
    CloseHandle(held);
    EXPECT_EQ("mine", dir.Read("held.dat"));
    EXPECT_FALSE(dir.Exists("held.dat.bad1"));
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_NE(std::string::npos, boxes.Shown()[0].text.find("held.dat を読み込めませんでした。"));
}
