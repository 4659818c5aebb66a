#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "framework/FileDialogs.h"
#include "framework/GameHelpers.h"
#include "framework/Path.h"
#include "tests/support/TempDir.h"

TEST(Path, ChangeExt) {
    struct {
        const char* src;
        const char* ext;
        int result;
        const char* expected;
    } cases[] = {
        {"data\\a.b\\file", "x", 1, "data\\a.x"},  // the dot of a folder name counts
        {"noext", "x", 0, "noext"},
        {"a.txt", nullptr, 1, "a"},
        {"a.txt", "bmp", 1, "a.bmp"},
        {"a.", "x", 1, "a.x"},
        {"表\\ソ", "x", 0, "表\\ソ"},
        {"ソ\\表.bmp", "x", 1, "ソ\\表.x"},
    };
    for (auto& c : cases) {
        char dest[MAX_PATH] = "garbage";
        EXPECT_EQ(c.result, ChangeExt(dest, c.src, c.ext)) << c.src;
        EXPECT_STREQ(c.expected, dest) << c.src;
    }
}

TEST(Path, GetExtHasExtStripPath) {
    char ext[MAX_PATH] = "untouched";
    EXPECT_EQ(0, GetExt(ext, "plain"));
    EXPECT_STREQ("untouched", ext);
    EXPECT_EQ(1, GetExt(ext, "a.tar.gz"));
    EXPECT_STREQ("gz", ext);
    EXPECT_EQ(1, GetExt(ext, "ends."));
    EXPECT_STREQ("", ext);
    EXPECT_EQ(1, HasExt("a.bmp", "bmp"));
    EXPECT_EQ(0, HasExt("a.BMP", "bmp"));
    EXPECT_EQ(0, HasExt("a", ""));

    struct {
        const char* path;
        const char* expected;
    } strips[] = {{"C:\\x\\y.bmp", "y.bmp"},
                  {"y.bmp", "y.bmp"},
                  {"C:\\", ""},
                  // Double-byte characters whose trail byte is 0x5C ('\\') are not separators.
                  {"bmp\\ソード.bmp", "ソード.bmp"},
                  {"表\\ソ", "ソ"},
                  {"ソ", "ソ"},
                  {"能\\表示.bmp", "表示.bmp"}};
    for (auto& c : strips) {
        char buffer[MAX_PATH];
        strcpy(buffer, c.path);
        StripPath(buffer);
        EXPECT_STREQ(c.expected, buffer);
        std::string s = c.path;
        StripPath(s);
        EXPECT_EQ(c.expected, s);
    }
}

// The file name's part of a path, split at real separators only: 表, ソ and 能 end in the byte
// of '\\'.
TEST(Path, FileNameExtensionAndTrailingSlashOfJapaneseNames) {
    struct {
        const char* path;
        const char* name;
        const char* ext;
        const char* changed;  // the extension replaced by x
        const char* stripped;  // without its trailing '\\'
    } cases[] = {
        {"data\\stg4\\表.stg4_146", "表.stg4_146", "stg4_146", "data\\stg4\\表.x", "data\\stg4\\表.stg4_146"},
        {"data\\ソ\\能", "能", "", "data\\ソ\\能.x", "data\\ソ\\能"},
        {"a.b\\file", "file", "", "a.b\\file.x", "a.b\\file"},
        {"x\\a.tar.gz", "a.tar.gz", "gz", "x\\a.tar.x", "x\\a.tar.gz"},
        {"出力表\\", "", "", "出力表\\.x", "出力表"},
        {"出力表", "出力表", "", "出力表.x", "出力表"},
        {"ends.", "ends.", "", "ends.x", "ends."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.name, FileNameOf(c.path)) << c.path;
        EXPECT_EQ(c.ext, FileExtOf(c.path)) << c.path;
        EXPECT_EQ(c.changed, ChangeFileExt(c.path, "x")) << c.path;
        std::string stripped = c.path;
        StripTrailingSlash(stripped);
        EXPECT_EQ(c.stripped, stripped) << c.path;
    }
}

TEST(Path, RelativeAndAbsolute) {
    cTempDir dir;
    char path[MAX_PATH];
    strcpy(path, "data\\x.dat");
    EXPECT_EQ(1, MakeRelativePath(path));
    EXPECT_STREQ("data\\x.dat", path);

    EXPECT_EQ(1, MakeAbsolutePath(path));
    EXPECT_EQ(dir.Path() + "\\data\\x.dat", std::string(path));
    EXPECT_EQ(1, MakeAbsolutePath(path));  // already absolute: unchanged
    EXPECT_EQ(dir.Path() + "\\data\\x.dat", std::string(path));

    EXPECT_EQ(1, MakeRelativePath(path));
    EXPECT_STREQ(".\\data\\x.dat", path);

    std::string s = dir.Path() + "\\bmp\\a.bmp";
    EXPECT_EQ(1, MakeRelativePath(s));
    EXPECT_EQ(".\\bmp\\a.bmp", s);
}

TEST(Path, FindNumberedFileTakesTheHighestNumber) {
    cTempDir dir;
    char found[MAX_PATH] = "untouched";
    EXPECT_EQ(0, FindNumberedFile(found, "Stage.stg4", "stg4"));
    EXPECT_STREQ("untouched", found);

    dir.Write("Stage.stg4_005", "");
    dir.Write("Stage.stg4_120", "");
    dir.Write("Other.stg4_999", "");
    EXPECT_EQ(1, FindNumberedFile(found, "Stage.dat", "stg4"));
    EXPECT_STREQ("Stage.stg4_120", found);

    // A name without any dot is tried as it stands, _999 down to _000.
    dir.Write("plain_000", "");
    std::string name;
    EXPECT_EQ(1, FindNumberedFile(name, "plain", "stg4"));
    EXPECT_EQ("plain_000", name);
    dir.Write("plain_999", "");
    EXPECT_EQ(1, FindNumberedFile(name, "plain", "stg4"));
    EXPECT_EQ("plain_999", name);
}

TEST(Path, ListFilesAppendsFolderAndName) {
    cTempDir dir;
    cStringList list;
    EXPECT_EQ(0, ListFiles(list, "w", "wav"));
    dir.Write("w\\a.wav", "");
    dir.Write("w\\b.txt", "");
    EXPECT_EQ(1, ListFiles(list, "w", "wav"));
    ASSERT_EQ(1u, list.size());
    EXPECT_EQ("w\\a.wav", list[0]);
}

TEST(Path, MultiSelectionSplitsIntoFullPaths) {
    cStringList list;
    const char two[] = "C:\\d\0f1\0f2\0";
    SplitMultiSelection(two, sizeof two, list);
    ASSERT_EQ(2u, list.size());
    EXPECT_EQ("C:\\d\\f1", list[0]);
    EXPECT_EQ("C:\\d\\f2", list[1]);

    cStringList single;
    const char one[] = "C:\\d\\f1\0";
    SplitMultiSelection(one, sizeof one, single);
    ASSERT_EQ(1u, single.size());
    EXPECT_EQ("C:\\d\\f1", single[0]);
}

TEST(Path, MakeNumberedNameInsertsTwoDigitsBeforeTheExtension) {
    char out[MAX_PATH];
    ASSERT_TRUE(MakeNumberedName(out, "shot.bmp", 0, 7));
    EXPECT_STREQ("shot_07.bmp", out);
    ASSERT_TRUE(MakeNumberedName(out, "dir.x\\shot.bmp", 8, 8));
    EXPECT_STREQ("dir.x\\shot_88.bmp", out);
    EXPECT_FALSE(MakeNumberedName(out, "noext", 0, 0));
}
