#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/core/Input.h"
#include "tests/game/core/FakeDevices.h"
#include "tests/game/core/MenuKeys.h"

namespace {

cKeyConfig DefaultKeys() {
    cKeyConfig t;
    SetDefaultKeys(t);
    return t;
}

cInput NewInput() {
    cInput in;
    in.SetButtonMasks();
    return in;
}

}  // namespace

TEST(InputPoll, DirectionNumbersFollowTheKeypad) {
    struct {
        int word, number;
    } cases[] = {{0, 5},      {L, 4},     {R, 6},     {U, 2},         {D, 8},        {U | L, 1},
                 {U | R, 3},  {D | L, 7}, {D | R, 9}, {L | R, 5},     {U | D, 5},    {L | R | U, 2},
                 {15, 5},     {D | L | R, 8}};
    for (const auto& c : cases) EXPECT_EQ(c.number, cInput::GetDirection(c.word)) << c.word;
}

TEST(InputPoll, FixedKeysAndJoystickZero) {
    struct {
        const char* name;
        std::vector<int> keys;
        bool joystick;     // joystick 0 plugged in
        DWORD x, y, joyButtons;
        int flags;
        int word, number, buttons;
    } cases[] = {
        {"nothing", {}, false, 0, 0, 0, 3, 0, 5, 0},
        {"arrows", {VK_LEFT, VK_UP}, false, 0, 0, 0, 3, L | U, 1, 0},
        {"left and right together", {VK_LEFT, VK_RIGHT}, false, 0, 0, 0, 3, L | R, 5, 0},
        {"every button letter", {'Z', 'X', 'C', 'V', 'A', 'S', 'D', 'F'}, false, 0, 0, 0, 3, 0, 5, 255},
        {"decide and cancel", {'Z', 'X'}, false, 0, 0, 0, 3, 0, 5, 3},
        {"keys that are no buttons", {'Q', VK_SPACE, VK_RETURN}, false, 0, 0, 0, 3, 0, 5, 0},
        {"joystick axes at their limits", {}, true, 10000, 55535, 0, 3, L | D, 7, 0},
        {"joystick axes just inside", {}, true, 10001, 55534, 0, 3, 0, 5, 0},
        {"joystick right and up", {}, true, 65535, 0, 0, 3, R | U, 3, 0},
        {"joystick buttons through their masks", {}, true, kAxisCentre, kAxisCentre, 0x81, 3, 0, 5, 0x81},
        {"joystick buttons past the eighth", {}, true, kAxisCentre, kAxisCentre, 0x300, 3, 0, 5, 0},
        {"a joystick direction hides the arrows", {VK_DOWN}, true, 0, kAxisCentre, 0, 3, L, 4, 0},
        {"a centred joystick lets the arrows through", {VK_DOWN}, true, kAxisCentre, kAxisCentre, 0, 3, D, 8, 0},
        {"a joystick button hides the letters", {'X'}, true, kAxisCentre, kAxisCentre, 4, 3, 0, 5, 4},
        {"joystick only", {VK_LEFT, 'Z'}, true, 65535, kAxisCentre, 2, 1, R, 6, 2},
        {"keyboard only", {VK_LEFT, 'Z'}, true, 65535, kAxisCentre, 2, 2, L, 4, 1},
    };
    for (const auto& c : cases) {
        cFakeDevices dev;
        for (int k : c.keys) dev.keys.insert(k);
        if (c.joystick) dev.Plug(0) = {c.x, c.y, c.joyButtons};
        cInput in = NewInput();
        EXPECT_EQ(1, in.PollDefault(dev, DefaultKeys(), 0, c.flags, 60)) << c.name;
        EXPECT_EQ(c.word, in.m_wDirection) << c.name;
        EXPECT_EQ(c.number, in.m_nDirection) << c.name;
        EXPECT_EQ(c.buttons, in.m_wButtons) << c.name;
        EXPECT_EQ(c.flags & kPollJoystick ? 1u : 0u, dev.queries.size()) << c.name;
    }
}

TEST(InputPoll, FixedKeysReadNothingWhileTheCustomTableIsOn) {
    cFakeDevices dev;
    dev.keys = {VK_LEFT, 'Z'};
    dev.Plug(0);
    cKeyConfig keys = DefaultKeys();
    keys.bCustom = 1;
    cInput in = NewInput();
    in.m_wDirection = R;
    in.m_nDirection = 6;
    in.m_wButtons = 8;
    EXPECT_EQ(0, in.PollDefault(dev, keys, 0, 3, 60));
    EXPECT_EQ(R, in.m_wDirection);
    EXPECT_EQ(6, in.m_nDirection);
    EXPECT_EQ(8, in.m_wButtons);
    EXPECT_TRUE(dev.queries.empty());
}

// An absent joystick is asked once, then left alone for twice the retry value while the
// keyboard goes on working; once plugged in it is read every frame.
TEST(InputPoll, AnAbsentJoystickIsAskedEvery120Frames) {
    cFakeDevices dev;
    dev.keys = {VK_RIGHT};
    cInput in = NewInput();
    std::vector<int> askedOn;
    for (int frame = 0; frame < 300; ++frame) {
        size_t before = dev.queries.size();
        if (frame == 200) dev.Plug(0).dwButtons = 1;
        in.PollDefault(dev, DefaultKeys(), 0, 3, 60);
        if (dev.queries.size() != before) askedOn.push_back(frame);
        ASSERT_EQ(R, in.m_wDirection) << frame;
        ASSERT_EQ(frame >= 242 ? 1 : 0, in.m_wButtons) << frame;
    }
    ASSERT_LE(5u, askedOn.size());
    EXPECT_EQ(0, askedOn[0]);
    EXPECT_EQ(121, askedOn[1]);
    EXPECT_EQ(242, askedOn[2]);
    EXPECT_EQ(243, askedOn[3]);
    EXPECT_EQ(2u + 58u, askedOn.size());
    EXPECT_EQ(1, in.m_bJoyPresent);

    // Unplugged again: one failed query, then the wait starts over.
    dev.joysticks.clear();
    dev.queries.clear();
    for (int frame = 0; frame < 120; ++frame) in.PollDefault(dev, DefaultKeys(), 0, 3, 60);
    EXPECT_EQ(1u, dev.queries.size());
    EXPECT_EQ(0, in.m_bJoyPresent);
    EXPECT_EQ(1, in.m_nJoyRetry);
}

namespace {

cKeyConfig Custom(std::initializer_list<cKeyEntry> entries, int joysticks) {
    cKeyConfig t;
    SetDefaultKeys(t);
    int i = 0;
    for (const cKeyEntry& e : entries) t.entries[i++] = e;
    t.nEntries = i;
    t.nJoysticks = joysticks;
    t.bCustom = 1;
    return t;
}

const int K = kKeyboardDevice;

}  // namespace

TEST(InputPoll, CustomTable) {
    // Keyboard directions on the number pad, buttons on the keyboard and two joysticks.
    cKeyConfig mixed = Custom({{K, VK_NUMPAD4, 0},
                               {K, VK_NUMPAD6, 0},
                               {1, kJoyUp, 0},
                               {1, kJoyDown | 0x10, 0},
                               {K, VK_RETURN, 0},
                               {0, 0x01, 0},
                               {1, 0x06, 0},
                               {K, VK_SPACE, 0}},
                              2);
    const cJoyState centred = {kAxisCentre, kAxisCentre, 0};
    struct {
        const char* name;
        cKeyConfig keys;
        std::vector<int> down;
        bool joy0, joy1;
        cJoyState s0, s1;
        int word, number, buttons;
    } cases[] = {
        {"nothing", mixed, {}, true, true, centred, centred, 0, 5, 0},
        {"keyboard entries", mixed, {VK_NUMPAD6, VK_RETURN, VK_SPACE}, true, true, centred, centred, R, 6, 1 | 8},
        {"left is tested before right", mixed, {VK_NUMPAD4, VK_NUMPAD6}, false, false, {}, {}, L, 4, 0},
        {"the fixed keys mean nothing", mixed, {VK_LEFT, 'Z'}, false, false, {}, {}, 0, 5, 0},
        {"joystick 1's axis", mixed, {}, true, true,
         {kAxisCentre, kAxisCentre, 0}, {kAxisCentre, 0, 0}, U, 2, 0},
        {"up is tested before down", mixed, {}, true, true,
         {kAxisCentre, kAxisCentre, 0}, {kAxisCentre, 0, 0x10}, U, 2, 0},
        {"a direction taken from a joystick button", mixed, {}, true, true,
         {kAxisCentre, kAxisCentre, 0}, {kAxisCentre, kAxisCentre, 0x10}, D, 8, 0},
        {"an axis of another joystick does nothing", mixed, {}, true, true,
         {kAxisCentre, 0, 0}, {kAxisCentre, kAxisCentre, 0}, 0, 5, 0},
        {"buttons of each joystick", mixed, {}, true, true,
         {kAxisCentre, kAxisCentre, 1}, {kAxisCentre, kAxisCentre, 4}, 0, 5, 2 | 4},
        {"a button code on another joystick", mixed, {}, true, true,
         {kAxisCentre, kAxisCentre, 4}, {kAxisCentre, kAxisCentre, 1}, 0, 5, 0},
        {"an unplugged joystick reads up", mixed, {}, false, true,
         {}, {kAxisCentre, kAxisCentre, 1 | 2 | 4}, 0, 5, 4},
        {"no joysticks polled: only the keyboard", Custom({{K, VK_NUMPAD4, 0}, {0, kJoyRight, 0},
                                                           {0, kJoyUp, 0}, {K, VK_NUMPAD2, 0}, {0, 1, 0}}, 0),
         {VK_NUMPAD2}, true, false, {65535, 0, 1}, {}, D, 8, 0},
        {"a device past the joysticks polled reads up", Custom({{1, kJoyLeft, 0}, {2, kJoyRight, 0},
                                                                 {-1, kJoyUp, 0}, {99, kJoyDown, 0}, {1, 1, 0}}, 1),
         {}, true, true, {0, 0, 1}, {0, 0, 1}, 0, 5, 0},
        {"only the entries in use give buttons", Custom({{K, 'A', 0}, {K, 'B', 0}, {K, 'C', 0},
                                                          {K, 'D', 0}, {K, 'E', 0}, {K, 'F', 0}}, 1),
         {'E', 'F', 'G'}, false, false, {}, {}, 0, 5, 3},
    };
    for (const auto& c : cases) {
        cFakeDevices dev;
        for (int k : c.down) dev.keys.insert(k);
        if (c.joy0) dev.joysticks[0] = c.s0;
        if (c.joy1) dev.joysticks[1] = c.s1;
        cInput in = NewInput();
        in.m_wButtons = 0x80;
        EXPECT_EQ(1, in.PollCustom(dev, c.keys, 60)) << c.name;
        EXPECT_EQ(c.word, in.m_wDirection) << c.name;
        EXPECT_EQ(c.number, in.m_nDirection) << c.name;
        EXPECT_EQ(c.buttons, in.m_wButtons) << c.name;
        // Only the joysticks the table polls are asked.
        for (int n : dev.queries) EXPECT_LT(n, c.keys.nJoysticks) << c.name;
    }
}

TEST(InputPoll, CustomTableOffReadsNothingAndAbsentJoysticksWait) {
    cFakeDevices dev;
    dev.keys = {VK_LEFT};
    cKeyConfig keys = Custom({{K, VK_LEFT, 0}, {0, kJoyRight, 0}, {1, kJoyUp, 0}, {K, VK_DOWN, 0}}, 2);
    cInput in = NewInput();
    keys.bCustom = 0;
    EXPECT_EQ(0, in.PollCustom(dev, keys, 60));
    EXPECT_EQ(0, in.m_wDirection);
    EXPECT_TRUE(dev.queries.empty());

    // Both joysticks absent: asked together, then not for 120 frames; the keyboard works on.
    keys.bCustom = 1;
    for (int frame = 0; frame < 121; ++frame) {
        EXPECT_EQ(1, in.PollCustom(dev, keys, 60));
        ASSERT_EQ(L, in.m_wDirection);
    }
    EXPECT_EQ((std::vector<int>{0, 1}), dev.queries);
    in.PollCustom(dev, keys, 60);
    EXPECT_EQ((std::vector<int>{0, 1, 0, 1}), dev.queries);

    // One of them there is enough to ask every frame once it has been found.
    dev.Plug(1).dwY = 0;
    for (int frame = 0; frame < 121; ++frame) in.PollCustom(dev, keys, 60);
    EXPECT_EQ(6u, dev.queries.size());
    in.PollCustom(dev, keys, 60);
    EXPECT_EQ(8u, dev.queries.size());
    EXPECT_EQ(L | U, in.m_wDirection);
}

TEST(InputPoll, ClearingAndMasks) {
    cInput in;
    for (int k = 0; k < kButtons; ++k) EXPECT_EQ(0, in.m_wJoyMasks[k]);
    in.SetButtonMasks();
    for (int k = 0; k < kButtons; ++k) EXPECT_EQ(1 << k, in.m_wJoyMasks[k]);
    in.m_wDirection = U | R;
    in.m_nDirection = 3;
    in.m_wButtons = 5;
    in.ClearDirection();
    EXPECT_EQ(0, in.m_wDirection);
    EXPECT_EQ(5, in.m_nDirection);
    EXPECT_EQ(5, in.m_wButtons);
    in.ClearButtons();
    EXPECT_EQ(0, in.m_wButtons);
}
