#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>

#include "game/core/JoystickWatch.h"

namespace {

// A joystick plugged in or not, counting where it was asked for: on the test's thread or elsewhere
// (counted once answered, so that a count seen elsewhere is an answer given).
struct cStick {
    std::atomic<bool> plugged{false};
    std::atomic<int> here{0}, elsewhere{0};
    DWORD thread = GetCurrentThreadId();

    bool Read(int n, cJoyState& state) {
        const bool answers = n == 3 && plugged;
        if (answers) state = cJoyState{1, 2, 4};
        ++(GetCurrentThreadId() == thread ? here : elsewhere);
        return answers;
    }
};

// Waits until the condition holds; the watch's thread answers in its own time.
template <class Condition>
bool Within(DWORD ms, Condition holds) {
    for (DWORD start = GetTickCount(); !holds(); Sleep(1))
        if (GetTickCount() - start > ms) return false;
    return true;
}

}  // namespace

// The first question and a joystick that answers are read where they are asked; one that did not
// answer is looked for on the watch's thread, and read where it is asked again once found there.
TEST(JoystickWatch, AMissingJoystickIsLookedForAwayFromTheFrame) {
    cStick stick;
    cJoystickWatch watch([&](int n, cJoyState& state) { return stick.Read(n, state); });
    cJoyState state = {};

    EXPECT_FALSE(watch.Read(3, state)) << "nothing plugged in";
    EXPECT_EQ(1, stick.here.load()) << "the first question is read where it is asked";
    ASSERT_TRUE(Within(5000, [&] { return stick.elsewhere >= 1; }));

    EXPECT_FALSE(watch.Read(3, state));
    EXPECT_EQ(1, stick.here.load()) << "a missing joystick is not read on the frame's thread";
    ASSERT_TRUE(Within(5000, [&] { return stick.elsewhere >= 2; }));

    stick.plugged = true;
    EXPECT_FALSE(watch.Read(3, state)) << "still being looked for";
    ASSERT_TRUE(Within(5000, [&] {
        state = cJoyState{};
        return watch.Read(3, state);
    })) << "found by the watch, then read";
    EXPECT_EQ(4u, state.dwButtons);
    const int here = stick.here;
    EXPECT_TRUE(watch.Read(3, state));
    EXPECT_EQ(here + 1, stick.here.load()) << "an answering joystick is read where it is asked";

    stick.plugged = false;
    const int elsewhere = stick.elsewhere;
    EXPECT_FALSE(watch.Read(3, state)) << "unplugged";
    ASSERT_TRUE(Within(5000, [&] { return stick.elsewhere > elsewhere; })) << "looked for again";

    for (int n : {-1, 16}) EXPECT_FALSE(watch.Read(n, state)) << n;
}
