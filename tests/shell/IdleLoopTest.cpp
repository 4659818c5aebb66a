// The editor's message loop: an idle editor sleeps, one idle pass follows each batch of
// messages, and an inactive editor runs none.
#include <gtest/gtest.h>

#include <thread>

#include "tests/shell/EditorFixture.h"

namespace {

// Runs the loop until another thread ends it after the messages it posts to the frame, one
// every tick, and then a second of nothing. The loop's result and the idle passes it ran.
struct cLoopRun {
    int code;
    uint32_t passes;
    bool activityKept;  // false when the system changed the activation during the run
};

cLoopRun RunLoop(HWND frame, int messages, int active) {
    AppState().active = active;
    AppState().frames = 0;
    DWORD thread = GetCurrentThreadId();
    std::thread poster([=] {
        for (int i = 0; i < messages; ++i) {
            Sleep(100);
            PostMessageA(frame, WM_NULL, 0, 0);
        }
        Sleep(1000);
        PostThreadMessageA(thread, WM_QUIT, 7, 0);
    });
    int code = RunMessageLoop();
    poster.join();
    return {code, AppState().frames, AppState().active == active};
}

// Under a busy desktop the system may activate the frame in the middle of a run, which turns
// the idle passes on as it should: such a run says nothing of the case, so it is run again.
cLoopRun RunLoopKeepingActivity(HWND frame, int messages, int active) {
    cLoopRun run{};
    for (int attempt = 0; attempt < 5; ++attempt) {
        run = RunLoop(frame, messages, active);
        if (run.activityKept) break;
    }
    return run;
}

}  // namespace

TEST(IdleLoop, OnlyATestPlaysFullScreenStopsTheIdlePasses) {
    struct cCase {
        int active, playing, width, height;
        bool stops;
    };
    const cCase cases[] = {
        {1, 1, 640, 480, true},   {1, 0, 640, 480, false}, {0, 1, 640, 480, false},
        {1, 1, 1024, 768, false}, {1, 1, 640, 768, false}, {1, 1, 1024, 480, false},
    };
    for (const cCase& c : cases) {
        cAppState state;
        state.active = c.active;
        state.testPlaying = c.playing;
        EXPECT_EQ(c.stops, GameHasTheScreen(state, c.width, c.height))
            << c.active << c.playing << " " << c.width << "x" << c.height;
    }
}

TEST(IdleLoop, AnIdleEditorSleepsAndEachBatchOfMessagesGetsOnePass) {
    cEditorFixture f(true);
    PumpEditor();
    struct cCase {
        int messages;
        int active;
        uint32_t least, most;
    };
    // A handful of passes at most beyond the messages: the system's own messages wake the loop
    // too (painting, the tooltips' timers), but the loop never spins.
    const cCase cases[] = {{0, 1, 0, 5}, {4, 1, 4, 9}, {4, 0, 0, 0}};
    for (const cCase& c : cases) {
        cLoopRun run = RunLoopKeepingActivity(f.FrameWndHandle(), c.messages, c.active);
        ASSERT_TRUE(run.activityKept) << "the system kept changing the editor's activation";
        EXPECT_EQ(7, run.code);
        EXPECT_GE(run.passes, c.least) << c.messages << " messages, active " << c.active;
        EXPECT_LE(run.passes, c.most) << c.messages << " messages, active " << c.active;
    }
}
