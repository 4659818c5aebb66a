#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "framework/CheckedVector.h"
#include "framework/ErrorLog.h"
#include "tests/support/CloseCounter.h"
#include "tests/support/TempDir.h"

namespace {

// The program's main window is a close counter; the log and the report are on.
class cBadIndexFixture : public testing::Test {
protected:
    void SetUp() override {
        SetMainWindow(m_main.Wnd());
        ASSERT_EQ(1, OpenReport("Report_Test.txt"));
        SetErrorLog(1, "EC_Test.txt");
    }
    void TearDown() override {
        SetMainWindow(nullptr);
        SetErrorLog(0, "");
    }

    cTempDir m_dir;
    cCloseCounter m_main;
};

struct cSixteen {
    int a = 7, b = 0, c = 0, d = 0;
};

}  // namespace

TEST_F(cBadIndexFixture, GoodIndicesReachTheirElements) {
    cCheckedVector<int> v = {10, 20, 30};
    EXPECT_EQ(10, v.At(0));
    EXPECT_EQ(30, v.At(2));
    cCheckedList<int> l = {1, 2, 3};
    EXPECT_EQ(3, l.At(2));
    EXPECT_EQ(0, m_main.Closes());
    EXPECT_EQ("", m_dir.Read("Report_Test.txt"));
}

TEST_F(cBadIndexFixture, BadVectorIndexIsReportedAndPostsCloseAndGivesElementZero) {
    struct {
        int index;
        const char* line;
    } cases[] = {{-1, "err V[-1] ( 10 , 4 )"}, {10, "err V[10] ( 10 , 4 )"}};
    std::string expected;
    for (auto& c : cases) {
        cCheckedVector<int> v(10, 0);
        v[0] = 42;
        EXPECT_EQ(42, v.At(c.index));
        expected += std::string(c.line) + "\r\n";
    }
    EXPECT_EQ(9, cCheckedVector<int>(10, 9).At(9)) << "the last valid index is size - 1";
    EXPECT_EQ(expected, m_dir.Read("Report_Test.txt"));
    EXPECT_EQ(expected, m_dir.Read("EC_Test.txt"));
    EXPECT_EQ(2, m_main.Closes());
    EXPECT_TRUE(IsWindow(m_main.Wnd()));
}

TEST_F(cBadIndexFixture, EmptyVectorGivesADefaultElementWithoutTouchingStorage) {
    cCheckedVector<cSixteen> v;
    cSixteen& e = v.At(0);
    EXPECT_EQ(7, e.a);
    e.a = 99;  // a caller may write to it; the next bad access starts from a default again
    EXPECT_EQ(7, v.At(3).a);
    EXPECT_TRUE(v.empty());
    EXPECT_EQ("err V[0] ( 0 , 16 )\r\nerr V[3] ( 0 , 16 )\r\n", m_dir.Read("Report_Test.txt"));
}

TEST_F(cBadIndexFixture, BadListIndexGivesTheSameDefaultElementEveryTime) {
    struct cSeventySix {
        char bytes[76] = {};
    };
    cCheckedList<cSeventySix> l(2);
    cSeventySix* first = &l.At(5);
    EXPECT_EQ(first, &l.At(-1));
    EXPECT_NE(&l.front(), first);
    EXPECT_EQ("err L[5] ( 2 , 76 )\r\nerr L[-1] ( 2 , 76 )\r\n", m_dir.Read("Report_Test.txt"));
    EXPECT_EQ(2, m_main.Closes());
}

TEST_F(cBadIndexFixture, EditorFormDestroysTheMainWindowAtOnce) {
    cEdVector<int> v(1, 5);
    EXPECT_EQ(5, v.At(1));
    EXPECT_FALSE(IsWindow(m_main.Wnd()));
}
