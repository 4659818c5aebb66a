#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "framework/ErrorLog.h"
#include "framework/FrameTimer.h"
#include "framework/GameHelpers.h"
#include "framework/TestSeams.h"
#include "framework/Thread.h"
#include "tests/support/TempDir.h"
#include "tests/framework/ErrorLogOn.h"

namespace {

DWORD g_now = 0;
DWORD FakeClock() { return g_now; }

class cFakeClock {
public:
    explicit cFakeClock(DWORD start) {
        g_now = start;
        SetFrameClock(FakeClock);
        ResetFrameTimers();
    }
    ~cFakeClock() { SetFrameClock(nullptr); }
};

DWORD WINAPI MessageLoopWorker(void*) {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    }
    return 0;
}

DWORD WINAPI DeafWorker(void* stop) {
    while (!*static_cast<volatile bool*>(stop)) Sleep(1);
    return 0;
}

}  // namespace

TEST(FrameTimer, CheckFrameEverySixteenMillisecondsAtSixty) {
    cFakeClock clock(1000);
    std::vector<DWORD> trueAt;
    for (int i = 0; i < 20; ++i, g_now += 5)
        if (CheckFrame(60)) trueAt.push_back(g_now - 1000);
    // First call is due at once; then due 16 ms after each true check, seen on the 5 ms grid.
    EXPECT_EQ((std::vector<DWORD>{0, 20, 40, 60, 80}), trueAt);
    EXPECT_TRUE(CheckFrame(0));
}

TEST(FrameTimer, CheckFrameSurvivesTheClockWrapping) {
    cFakeClock clock(0xFFFFFFF0u);
    EXPECT_TRUE(CheckFrame(60));
    g_now += 8;
    EXPECT_FALSE(CheckFrame(60));
    g_now += 8;  // past the wrap
    EXPECT_TRUE(CheckFrame(60));
}

// The game's wait sleeps while more than a little of this remains and spins for the rest.
TEST(FrameTimer, FrameDueInCountsDownToTheDeadlineAcrossTheClocksWrap) {
    cFakeClock clock(0xFFFFFFF8u);
    EXPECT_EQ(0, FrameDueIn()) << "before the first check";
    ASSERT_TRUE(CheckFrame(60));
    const struct {
        DWORD step;
        int left;
    } steps[] = {{0, 16}, {5, 11}, {9, 2}, {1, 1}, {1, 0}, {3, 0}};
    for (const auto& s : steps) {
        g_now += s.step;
        EXPECT_EQ(s.left, FrameDueIn()) << g_now;
    }
    EXPECT_TRUE(CheckFrame(60));
    EXPECT_EQ(16, FrameDueIn());
}

TEST(FrameTimer, FpsIsZeroInTheFirstSecondThenTheLastSecondsCount) {
    cFakeClock clock(500);
    int last = -1;
    for (int i = 0; i < 50; ++i, g_now += 20) last = GetFps();  // 0 .. 980 ms
    EXPECT_EQ(0, last);
    EXPECT_EQ(51, GetFps());  // at 1000 ms: 51 frames counted in the second
    g_now += 20;
    EXPECT_EQ(51, GetFps());
}

TEST(FrameTimer, StartAndElapsed) {
    cFakeClock clock(100);
    EXPECT_EQ(100u, StartTimer());
    g_now = 350;
    EXPECT_EQ(250u, ElapsedTime());
}

TEST(FrameTimer, MoveToward) {
    double x = 0, y = 0;
    EXPECT_TRUE(MoveToward(x, y, 10, 0, 10.0));
    EXPECT_DOUBLE_EQ(10.0, x);
    EXPECT_DOUBLE_EQ(0.0, y);

    // Diagonal with a minor axis: both coordinates advance toward the target.
    x = 0, y = 0;
    EXPECT_FALSE(MoveToward(x, y, 100, -50, 10.0));
    EXPECT_DOUBLE_EQ(10.0, x);
    EXPECT_DOUBLE_EQ(-5.0, y);

    // Already there: nothing moves.
    x = 3.5, y = 4.2;
    EXPECT_TRUE(MoveToward(x, y, 3, 4, 50.0));
    EXPECT_DOUBLE_EQ(3.5, x);
}

TEST(FrameTimer, MoveTowardStopsOnTheTargetWhenAStepWouldPassIt) {
    struct {
        double x, y;
        int targetX, targetY;
        double speed;
        int calls;  // calls until it arrives
    } cases[] = {
        {0, 0, 10, 0, 30.0, 1},     // steps of 3 dots: 3, 6, 9, then 10 instead of 12
        {0, 0, -10, 0, 30.0, 1},
        {0, 0, 0, 25, 40.0, 1},     // steps of 4 on the major y axis
        {0.5, 0, 10, 0, 30.0, 1},   // a fraction left over does not make it overshoot
        {0, 0, 20, 7, 30.0, 1},     // the minor axis stops on its target as well
        {0, 0, 200, -7, 30.0, 7},
    };
    for (auto& c : cases) {
        double x = c.x, y = c.y;
        int calls = 0;
        while (calls < 20 && !MoveToward(x, y, c.targetX, c.targetY, c.speed)) ++calls;
        EXPECT_EQ(c.calls, calls + 1) << c.targetX << "," << c.targetY << " at " << c.speed;
        EXPECT_EQ(c.targetX, static_cast<int>(x));
        EXPECT_EQ(c.targetY, static_cast<int>(y));
    }
}

TEST(FrameTimer, TickCounter) {
    TickCounter(0, 3);
    std::vector<int> got;
    for (int i = 0; i < 6; ++i) got.push_back(TickCounter(1, 3));
    EXPECT_EQ((std::vector<int>{0, 0, 1, 0, 0, 1}), got);
    EXPECT_EQ(1, TickCounter(2, 3));
    TickCounter(1, 3);
    EXPECT_EQ(0, TickCounter(2, 3));
}

TEST(Thread, StopEndsAWorkerThatTakesQuit) {
    cThread thread;
    ASSERT_TRUE(thread.Start(MessageLoopWorker, nullptr));
    thread.m_Pending.push_back(nullptr);
    EXPECT_TRUE(thread.Stop());
    EXPECT_EQ(nullptr, thread.Handle());
    EXPECT_TRUE(thread.Stop()) << "stopping without a thread is a no-op";
}

TEST(Thread, StopResumesASuspendedWorkerFirst) {
    cThread thread;
    ASSERT_TRUE(thread.Start(MessageLoopWorker, nullptr));
    ASSERT_NE(static_cast<DWORD>(-1), SuspendThread(thread.Handle()));
    ASSERT_NE(static_cast<DWORD>(-1), SuspendThread(thread.Handle()));
    EXPECT_TRUE(thread.Stop());
}

TEST(Thread, StopGivesUpOnAWorkerThatNeverTakesQuitAndSaysSo) {
    cTempDir dir;
    ASSERT_EQ(1, OpenReport("Report_Test.txt"));
    cErrorLogOn log("EC_Test.txt");
    volatile bool stop = false;
    cThread thread;
    ASSERT_TRUE(thread.Start(DeafWorker, const_cast<bool*>(&stop)));
    DWORD start = GetTickCount();
    EXPECT_FALSE(thread.Stop());
    DWORD took = GetTickCount() - start;
    EXPECT_GE(took, cThread::kStopTimeoutMs - 50);
    EXPECT_LT(took, cThread::kStopTimeoutMs + 3000);
    EXPECT_NE(std::string::npos, dir.Read("Report_Test.txt").find("did not end"));
    EXPECT_EQ(0u, dir.Read("EC_Test.txt").find("Exit A\r\nExit B\r\nExit C\r\n"));
    stop = true;
}

TEST(Thread, WaitJoinsAndReleasesTheHandle) {
    volatile bool stop = true;
    cThread thread;
    ASSERT_TRUE(thread.Start(DeafWorker, const_cast<bool*>(&stop)));
    thread.Wait();
    EXPECT_EQ(nullptr, thread.Handle());
}
