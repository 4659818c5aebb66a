#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <map>
#include <vector>

#include "game/core/Input.h"
#include "tests/game/core/MenuKeys.h"

namespace {

struct cHeld {
    int word;
    int frames;
};

}  // namespace

TEST(InputMenu, AutoRepeatFrames) {
    struct {
        const char* name;
        int delay, interval;
        std::vector<cHeld> held;
        std::map<int, int> passed;  // frame -> the word that passes; every other frame passes 0
    } cases[] = {
        {"right held for 31 frames", 18, 6, {{R, 31}}, {{0, R}, {18, R}, {24, R}, {30, R}}},
        {"down held", 18, 6, {{D, 25}}, {{0, D}, {18, D}, {24, D}}},
        {"tapping acts on every press", 18, 6, {{R, 1}, {0, 1}, {R, 2}, {0, 1}, {R, 1}}, {{0, R}, {2, R}, {5, R}}},
        {"turning round acts at once", 18, 6, {{R, 5}, {L, 20}}, {{0, R}, {5, L}, {23, L}}},
        {"the axes count apart", 18, 6, {{R, 20}, {R | D, 10}}, {{0, R}, {18, R}, {20, D}, {24, R}}},
        {"releasing one axis keeps the other's count", 18, 6, {{R | U, 10}, {R, 15}},
         {{0, R | U}, {18, R}, {24, R}}},
        {"a diagonal held", 4, 2, {{L | D, 9}}, {{0, L | D}, {4, L | D}, {6, L | D}, {8, L | D}}},
        {"delay and interval never set", 0, 0, {{R, 3}}, {{0, R}, {1, R}, {2, R}}},
    };
    for (const auto& c : cases) {
        cInput in;
        in.SetRepeat(c.delay, c.interval);
        int frame = 0;
        for (const cHeld& h : c.held) {
            for (int i = 0; i < h.frames; ++i, ++frame) {
                in.m_wDirection = static_cast<int16_t>(h.word);
                in.m_nDirection = cInput::GetDirection(h.word);
                in.ApplyRepeat();
                auto it = c.passed.find(frame);
                int expected = it == c.passed.end() ? 0 : it->second;
                EXPECT_EQ(expected, in.m_wDirection) << c.name << " frame " << frame;
                EXPECT_EQ(cInput::GetDirection(expected), in.m_nDirection) << c.name << " frame " << frame;
            }
        }
    }
}

TEST(InputMenu, TheTrailKeepsTheRawWordsOfFourFrames) {
    cInput in;
    in.SetRepeat(18, 6);
    for (int word : {R, R, U, D, L | U}) {
        in.m_wDirection = static_cast<int16_t>(word);
        in.ApplyRepeat();
    }
    EXPECT_EQ(0x2485, static_cast<uint16_t>(in.m_wDirectionTrail));
}

TEST(InputMenu, ButtonLatch) {
    struct {
        const char* name;
        int mask;
        std::vector<int> raw;
        std::vector<int> passed;
    } cases[] = {
        {"decide held acts once", 3, {1, 1, 1, 0, 1, 1}, {1, 0, 0, 0, 1, 0}},
        {"cancel pressed while decide is held", 3, {1, 1, 3, 3, 2, 0, 2}, {1, 0, 0, 0, 0, 0, 2}},
        {"both at once act together", 3, {3, 3, 0}, {3, 0, 0}},
        {"buttons outside the mask pass", 3, {4, 4, 5, 5, 4}, {4, 4, 5, 4, 4}},
        {"mask 0 latches all eight", 0, {128, 128, 0, 128}, {128, 0, 0, 128}},
        {"four menu buttons", 15, {8, 8, 9, 16, 0, 9}, {8, 0, 0, 16, 0, 9}},
    };
    for (const auto& c : cases) {
        cInput in;
        ASSERT_EQ(c.raw.size(), c.passed.size()) << c.name;
        for (size_t i = 0; i < c.raw.size(); ++i) {
            in.m_wButtons = static_cast<int16_t>(c.raw[i]);
            in.LatchButtons(c.mask);
            EXPECT_EQ(c.passed[i], in.m_wButtons) << c.name << " frame " << i;
        }
    }
}

TEST(InputMenu, HistoryTellsTheValueOfEarlierFrames) {
    cInput in;
    for (int word : {L, L, L, R, R, 0}) {
        in.m_wDirection = static_cast<int16_t>(word);
        in.m_wButtons = static_cast<int16_t>(word * 16);
        in.RecordHistory();
    }
    const int expected[] = {0, R, R, L, L, L, 0, 0};
    for (int n = 0; n < 8; ++n) {
        EXPECT_EQ(expected[n], in.HistoryAt(eHistoryDirection, n)) << n;
        EXPECT_EQ(expected[n] * 16, in.HistoryAt(eHistoryButtons, n)) << n;
    }
    EXPECT_EQ(3, in.m_nHistoryPos[eHistoryDirection]);

    // A value recorded on the cleared ring starts no new entry when it is the ring's zero.
    in.ClearHistory();
    EXPECT_EQ(0, in.m_nHistoryPos[0]);
    in.m_wDirection = 0;
    in.RecordHistory();
    EXPECT_EQ(0, in.m_nHistoryPos[0]);
    EXPECT_EQ(1, in.m_History[0][0].nFrames);
}

TEST(InputMenu, HistoryRingWrapsAndCountsStopAtTheMaximum) {
    cInput in;
    // 40 changes: the ring keeps the last 32, one frame each.
    for (int i = 1; i <= 40; ++i) {
        in.m_wDirection = static_cast<int16_t>(i);
        in.RecordHistory();
    }
    EXPECT_EQ(40 % 32, in.m_nHistoryPos[0]);
    EXPECT_EQ(40, in.HistoryAt(0, 0));
    EXPECT_EQ(9, in.HistoryAt(0, 31));
    // Past what the ring holds: the oldest value it still has.
    EXPECT_EQ(9, in.HistoryAt(0, 32));
    EXPECT_EQ(9, in.HistoryAt(0, 1000));
    EXPECT_EQ(40, in.HistoryAt(0, -3));

    in.m_History[0][in.m_nHistoryPos[0]].nFrames = INT_MAX - 1;
    in.RecordHistory();
    in.RecordHistory();
    EXPECT_EQ(INT_MAX, in.m_History[0][in.m_nHistoryPos[0]].nFrames);
    EXPECT_EQ(40, in.HistoryAt(0, INT_MAX - 1));
}

namespace {

std::vector<int> Flat(const cKeyLog& log) {
    std::vector<int> out;
    for (const cKeyRun& run : log) {
        out.push_back(run.nDown);
        out.push_back(run.nFrames);
    }
    return out;
}

}  // namespace

TEST(InputMenu, KeyLogRuns) {
    struct {
        const char* name;
        std::vector<int> states;
        std::vector<int> runs;  // down, frames pairs, newest first
    } cases[] = {
        {"an empty log", {}, {}},
        {"one state held", {1, 1, 1}, {1, 3}},
        {"changes start new runs at the front", {1, 1, 0, 0, 0, 1}, {1, 1, 0, 3, 1, 2}},
        {"any nonzero state is down", {5, -1, 0}, {0, 1, 1, 2}},
    };
    for (const auto& c : cases) {
        cKeyLog log;
        for (int s : c.states) cInput::LogKey(log, s);
        EXPECT_EQ(c.runs, Flat(log)) << c.name;
    }

    // A log holds 32 runs: a new run drops the oldest; a held run stops counting at the maximum.
    cKeyLog log;
    for (int i = 0; i < 40; ++i) cInput::LogKey(log, i % 2);
    ASSERT_EQ(32u, log.size());
    EXPECT_EQ(1, log.front().nDown);
    log.front().nFrames = INT_MAX;
    cInput::LogKey(log, 1);
    EXPECT_EQ(INT_MAX, log.front().nFrames);
}

TEST(InputMenu, KeyLogsFollowTheWords) {
    cInput in;
    ASSERT_EQ(10u, in.m_DirectionLogs.size());
    ASSERT_EQ(9u, in.m_ButtonLogs.size());
    for (const cKeyLog& log : in.m_DirectionLogs) EXPECT_TRUE(log.empty());
    in.ResetKeyLogs();
    for (const auto* logs : {&in.m_DirectionLogs, &in.m_ButtonLogs}) {
        for (const cKeyLog& log : *logs) {
            ASSERT_EQ(32u, log.size());
            for (const cKeyRun& run : log) EXPECT_EQ(0, run.nDown + run.nFrames);
        }
    }
    // Directions: neutral, left, right, up, down, up-left, down-left, up-right, down-right, any.
    struct {
        int word;
        std::vector<int> down;
    } directions[] = {
        {0, {0}}, {L, {1, 9}}, {R, {2, 9}}, {U, {3, 9}}, {D, {4, 9}}, {U | L, {5, 9}},
        {D | L, {6, 9}}, {U | R, {7, 9}}, {D | R, {8, 9}}, {L | R, {9}},
    };
    for (const auto& d : directions) {
        in.ResetKeyLogs();
        in.m_wDirection = static_cast<int16_t>(d.word);
        in.m_wButtons = 0;
        in.UpdateKeyLogs();
        for (int i = 0; i < 10; ++i) {
            bool down = std::find(d.down.begin(), d.down.end(), i) != d.down.end();
            // Each log's newest run: {1, 1} for a log that went down, the zero run grown to 1 else.
            EXPECT_EQ(down ? 1 : 0, in.m_DirectionLogs[i].front().nDown) << d.word << " log " << i;
            EXPECT_EQ(1, in.m_DirectionLogs[i].front().nFrames) << d.word << " log " << i;
            EXPECT_EQ(32u, in.m_DirectionLogs[i].size());
        }
        EXPECT_EQ(1, in.m_ButtonLogs[0].front().nDown) << d.word;
    }
    in.ResetKeyLogs();
    in.m_wButtons = 1 | 4 | 128;
    in.UpdateKeyLogs();
    in.UpdateKeyLogs();
    const int buttonsDown[9] = {0, 1, 0, 1, 0, 0, 0, 0, 1};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(buttonsDown[i], in.m_ButtonLogs[i].front().nDown) << i;
        EXPECT_EQ(2, in.m_ButtonLogs[i].front().nFrames) << i;
    }
}

TEST(InputMenu, CopiesOwnTheirLogs) {
    cInput a;
    a.ResetKeyLogs();
    cInput b = a;
    cInput::LogKey(a.m_ButtonLogs[3], 1);
    EXPECT_EQ(0, b.m_ButtonLogs[3].front().nDown);
    b = a;
    EXPECT_EQ(1, b.m_ButtonLogs[3].front().nDown);
}

TEST(InputMenu, ThePlayersHoldOneRecord) {
    ASSERT_EQ(1u, PlayerInputs().size());
    EXPECT_EQ(&PlayerInputs()[0], &GetPlayerInput(0));
}
