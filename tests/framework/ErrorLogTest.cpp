#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "framework/ErrorLog.h"
#include "framework/SystemReport.h"
#include "tests/support/TempDir.h"
#include "tests/framework/ErrorLogOn.h"

// Each test case runs in a process of its own, so the log's "opened in this run" state is fresh.

TEST(ErrorLog, SilentWhileOff) {
    cTempDir dir;
    SetErrorLog(0, "EC_Test.txt");
    ErrorLog("line");
    ErrorLogF("%d", 1);
    EXPECT_FALSE(dir.Exists("EC_Test.txt"));
}

TEST(ErrorLog, FirstLineOfARunTruncatesLaterLinesAppend) {
    cTempDir dir;
    dir.Write("EC_Test.txt", "left by an earlier run\r\n");
    cErrorLogOn log("EC_Test.txt");
    ErrorLog("first 100%");
    ErrorLogF("second %d", 2);
    EXPECT_EQ("first 100%\r\nsecond 2\r\n", dir.Read("EC_Test.txt"));
}

TEST(ErrorLog, EachLogFileStartsAfreshOnceInARun) {
    cTempDir dir;
    dir.Write("a.txt", "old a\r\n");
    dir.Write("b.txt", "old b\r\n");
    CreateDirectoryA("sub", nullptr);
    dir.Write("sub\\a.txt", "old sub\r\n");
    cErrorLogOn log("a.txt");
    ErrorLog("a1");
    SetErrorLog(1, "b.txt");
    ErrorLog("b1");
    SetErrorLog(1, "a.txt");
    ErrorLog("a2");
    // The same name in another folder is another file.
    ASSERT_TRUE(SetCurrentDirectoryA("sub"));
    ErrorLog("sub1");
    ASSERT_TRUE(SetCurrentDirectoryA(".."));
    EXPECT_EQ("a1\r\na2\r\n", dir.Read("a.txt"));
    EXPECT_EQ("b1\r\n", dir.Read("b.txt"));
    EXPECT_EQ("sub1\r\n", dir.Read("sub\\a.txt"));
}

TEST(ErrorLog, AFileDeletedDuringTheRunIsNotCreatedAgain) {
    cTempDir dir;
    cErrorLogOn log("EC_Test.txt");
    ErrorLog("first");
    ASSERT_TRUE(DeleteFileA("EC_Test.txt"));
    ErrorLog("lost");
    EXPECT_FALSE(dir.Exists("EC_Test.txt"));
}

TEST(Report, FailsBeforeOpenReport) {
    cTempDir dir;
    EXPECT_EQ(0, Report("x"));
    EXPECT_EQ(0, ReportAndLog("x"));
}

TEST(Report, OpenTruncatesAndLinesAppend) {
    cTempDir dir;
    dir.Write("Report_Test.txt", "old");
    ASSERT_EQ(1, OpenReport("Report_Test.txt"));
    EXPECT_EQ("", dir.Read("Report_Test.txt"));
    EXPECT_EQ(1, Report("a %s", "b"));
    cErrorLogOn log("EC_Test.txt");
    EXPECT_EQ(1, ReportAndLog("c%d", 1));
    EXPECT_EQ("a b\r\nc1\r\n", dir.Read("Report_Test.txt"));
    EXPECT_EQ("c1\r\n", dir.Read("EC_Test.txt"));
}

TEST(Report, OverlongReportAndLogTextIsCutNotOverrun) {
    cTempDir dir;
    ASSERT_EQ(1, OpenReport("Report_Test.txt"));
    std::string longText(3000, 'x');
    EXPECT_EQ(1, ReportAndLog("%s", longText.c_str()));
    EXPECT_EQ(std::string(kMessageBufferSize - 1, 'x') + "\r\n", dir.Read("Report_Test.txt"));
}

TEST(SystemReport, LinesInOrder) {
    cTempDir dir;
    ASSERT_EQ(1, OpenReport("Report_Test.txt"));
    ASSERT_EQ(1, WriteSystemReport());
    std::string report = dir.Read("Report_Test.txt");
    // Each format ends in a line break of its own, and the report adds one more.
    std::vector<std::string> lines;
    for (size_t at = 0; at < report.size();) {
        size_t end = report.find("\r\n\r\n", at);
        ASSERT_NE(std::string::npos, end) << report;
        lines.push_back(report.substr(at, end - at));
        at = end + 4;
    }
    const char* heads[] = {"OS : ", "DirectX : ", "CPU : ", "Mem Total : ", "Mem Free : ",
                           "Vir Total : ", "Vir Free : ", "HD Free : "};
    ASSERT_EQ(8u, lines.size()) << report;
    for (size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(0u, lines[i].find(heads[i])) << lines[i];
    EXPECT_EQ(std::string::npos, lines[3].find(' ', strlen(heads[3])) ) << "a plain number then MB";
}

TEST(SystemReport, DirectXVersionText) {
    struct {
        const char* text;
        unsigned expected;
    } cases[] = {{"4.09.00.0904", 0x900}, {"4.08.01.0881", 0x801}, {"409", 0}, {"", 0}, {"4.10", 0xA00}};
    for (auto& c : cases) EXPECT_EQ(c.expected, ParseDirectXVersion(c.text)) << c.text;
}

TEST(SystemReport, DiskFreeIsCappedAndCpuStringsTerminated) {
    int32_t free = GetDiskFree(nullptr);
    EXPECT_GE(free, 0);
    cCpuInfo info;
    memset(&info, 'z', sizeof info);
    GetCpuInfo(&info);
    EXPECT_LT(strlen(info.vendor), sizeof info.vendor);
    EXPECT_LT(strlen(info.brand), sizeof info.brand);
    EXPECT_GT(info.clock, 0.0);
}

TEST(SystemReport, MemoryFigureSaturatesInsteadOfWrapping) {
    struct {
        uint64_t value;
        uint32_t expected;
    } cases[] = {{0, 0},
                 {123456789, 123456789},
                 {0xFFFFFFFFull, 0xFFFFFFFFu},
                 {0x100000000ull, 0xFFFFFFFFu},
                 {0x200000010ull, 0xFFFFFFFFu},    // 8 GB and a little: its low bits are a few bytes
                 {25125558681ull, 0xFFFFFFFFu}};  // 23.4 GB: its low bits read as about 2 GB
    for (auto& c : cases) EXPECT_EQ(c.expected, SaturateToUint32(c.value)) << c.value;

    MEMORYSTATUSEX status = {};
    status.dwLength = sizeof status;
    ASSERT_TRUE(GlobalMemoryStatusEx(&status));
    uint32_t avail = GetAvailMemory();
    if (status.ullAvailPhys > 0xFFFFFFFFull)
        EXPECT_EQ(0xFFFFFFFFu, avail);
    else
        EXPECT_GT(avail, 0u);
}
