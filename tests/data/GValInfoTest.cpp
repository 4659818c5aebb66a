#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/GValInfo.h"
#include "tests/data/Bytes.h"
#include "tests/support/TempDir.h"

namespace {

cBytes& Name(cBytes& b, const std::string& name) { return b.U32(0).U32(1).Str(name); }

std::string NamesFile(const std::vector<std::string>& names) {
    cBytes b;
    b.U32(147).U32(static_cast<uint32_t>(names.size()));
    for (const std::string& name : names) Name(b, name);
    return b.Get();
}

}  // namespace

TEST(GValInfo, FullListSavesToTheLayoutAndReloadsByteIdentically) {
    cTempDir dir;
    cVarNames names(kCommonVars);
    names[1].m_Name = "所持金";
    names[255].m_Name = "x";
    ASSERT_TRUE(SaveVectorFile(names, "GValInfo.dat"));

    cBytes b;
    b.U32(147).U32(kCommonVars);
    for (int i = 0; i < kCommonVars; ++i) Name(b, names[i].m_Name);
    EXPECT_EQ(b.Get(), dir.Read("GValInfo.dat"));

    cVarNames loaded;
    ASSERT_TRUE(LoadGValInfo(loaded, "GValInfo.dat", false));
    ASSERT_TRUE(SaveVectorFile(loaded, "again.dat"));
    EXPECT_EQ(dir.Read("GValInfo.dat"), dir.Read("again.dat"));
}

// Every variable number must find a name, whatever the file held.
TEST(GValInfo, ShortListsArePaddedToEveryVariable) {
    cTempDir dir;
    const std::vector<std::vector<std::string>> cases = {{}, {"a", "", "b"}};
    for (const auto& stored : cases) {
        dir.Write("GValInfo.dat", NamesFile(stored));
        cVarNames names;
        ASSERT_TRUE(LoadGValInfo(names, "GValInfo.dat", false));
        ASSERT_EQ(static_cast<size_t>(kCommonVars), names.size());
        size_t i = 0;
        for (const std::string& name : stored) EXPECT_EQ(name, names[i++].m_Name);
        for (; i < names.size(); ++i) EXPECT_EQ("", names[i].m_Name);
    }
}

TEST(GValInfo, CarriageReturnsGoOnlyWhenAsked) {
    cTempDir dir;
    dir.Write("GValInfo.dat", NamesFile({"a\r\nb"}));
    cVarNames names;
    ASSERT_TRUE(LoadGValInfo(names, "GValInfo.dat", false));
    EXPECT_EQ("a\r\nb", names[0].m_Name);
    ASSERT_TRUE(LoadGValInfo(names, "GValInfo.dat", true));
    EXPECT_EQ("a\nb", names[0].m_Name);
}

TEST(GValInfo, UnreadableFilesLeaveTheNames) {
    cTempDir dir;
    const std::string good = NamesFile({"a", "b"});
    cBytes huge;
    huge.U32(147).U32(0x40000000);
    Name(huge, "a");
    dir.Write("cut.dat", good.substr(0, good.size() - 1));
    dir.Write("huge.dat", huge.Get());
    for (const char* path : {"missing.dat", "cut.dat", "huge.dat"}) {
        cVarNames names(3);
        names[2].m_Name = "kept";
        EXPECT_FALSE(LoadGValInfo(names, path, false)) << path;
        ASSERT_EQ(3u, names.size()) << path;
        EXPECT_EQ("kept", names[2].m_Name) << path;
    }
}
