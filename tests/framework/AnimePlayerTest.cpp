// The animation player's hold, loop and jump codes, switching, and the refusal of patterns
// that would run off their end.
#include <gtest/gtest.h>

#include "framework/AnimePlayer.h"

namespace {

cAnimePattern P(std::initializer_list<cAnimeCode> frames) { return cAnimePattern(frames); }

std::vector<int32_t> Ticks(cAnimePlayer& player, int ticks) {
    std::vector<int32_t> out;
    for (int i = 0; i < ticks; ++i) out.push_back(player.Update());
    return out;
}

}  // namespace

TEST(AnimePlayer, CodesHoldLoopAndJump) {
    struct cCase {
        const char* name;
        cAnimePatterns patterns;
        std::vector<int32_t> values;
    };
    const cCase cases[] = {
        {"loop", {P({{5, 2, 0}, {6, 1, 0}, {kAnimeLoop, 0, 0}})}, {5, 6, 5, 5, 6, 5}},
        {"durations 0 and 1 last one tick", {P({{5, 0, 0}, {6, 1, 0}, {kAnimeLoop, 0, 0}})}, {6, 5, 6, 5}},
        {"hold", {P({{5, 3, 0}, {kAnimeHold, 0, 0}})}, {5, 5, 5, 5, 5, 5, 5}},
        {"hold after two frames", {P({{1, 1, 0}, {2, 2, 0}, {kAnimeHold, 0, 0}})}, {2, 2, 2, 2, 2}},
        {"jump starts the target in the same call",
         {P({{1, 2, 0}, {kAnimeJump, 2, 0}}), P({{9, 1, 0}, {kAnimeLoop, 0, 0}}),
          P({{7, 2, 0}, {8, 1, 0}, {kAnimeLoop, 0, 0}})},
         {1, 7, 7, 8, 7, 7, 8}},
        {"other ending values stay", {P({{3, 1, 0}, {-4, 0, 0}})}, {-4, -4, -4}},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cAnimePlayer player;
        ASSERT_TRUE(player.SetPatterns(c.patterns));
        EXPECT_EQ(c.values, Ticks(player, static_cast<int>(c.values.size())));
    }
}

TEST(AnimePlayer, PatternsThatWouldRunOffTheirEndAreRefused) {
    const cAnimePattern good = P({{1, 1, 0}, {kAnimeLoop, 0, 0}});
    struct cCase {
        const char* name;
        cAnimePattern bad;
    };
    const cCase cases[] = {
        {"no ending code", P({{1, 1, 0}, {2, 1, 0}})},
        {"empty", P({})},
        {"hold at frame 0", P({{kAnimeHold, 0, 0}})},
        {"loop to a code", P({{kAnimeLoop, 0, 0}})},
        {"hold after a code", P({{1, 1, 0}, {kAnimeLoop, 0, 0}, {kAnimeHold, 0, 0}})},
        {"jump to a missing pattern", P({{1, 1, 0}, {kAnimeJump, 2, 0}})},
        {"jump to a negative pattern", P({{1, 1, 0}, {kAnimeJump, -1, 0}})},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cAnimePlayer player;
        ASSERT_TRUE(player.SetPatterns(cAnimePatterns{good}));
        EXPECT_FALSE(player.SetPatterns(cAnimePatterns{good, c.bad}));
        // Nothing is left to play.
        EXPECT_EQ(0, player.Update());
        EXPECT_EQ(0, player.SetPattern(0, 1));
    }
}

TEST(AnimePlayer, UninterruptibleFramesRefuseSwitchesUnlessForced) {
    cAnimePlayer player;
    ASSERT_TRUE(player.SetPatterns(cAnimePatterns{P({{1, 1, 0}, {2, 1, 1}, {kAnimeHold, 0, 0}}),
                                                  P({{5, 1, 0}, {kAnimeLoop, 0, 0}})}));
    EXPECT_EQ(1, player.SetPattern(0, 0));  // frame 0 may be interrupted
    EXPECT_EQ(2, player.Update());
    EXPECT_EQ(0, player.SetPattern(1, 0));
    EXPECT_EQ(2, player.Update());
    EXPECT_EQ(1, player.SetPattern(1, 1));
    EXPECT_EQ(5, player.Update());
    EXPECT_EQ(0, player.SetPattern(2, 1));  // no such pattern
    EXPECT_EQ(0, player.SetPattern(-1, 1));
}

TEST(AnimePlayer, EditorRestartsTheCurrentPatternAndTheGameKeepsIt) {
    const cAnimePatterns patterns{P({{1, 1, 0}, {2, 1, 0}, {3, 1, 0}, {kAnimeLoop, 0, 0}})};
    cAnimePlayer editor;
    cAnimePlayer game(eAnimeKeepCurrent);
    ASSERT_TRUE(editor.SetPatterns(patterns));
    ASSERT_TRUE(game.SetPatterns(patterns));
    Ticks(editor, 2);
    Ticks(game, 2);
    EXPECT_EQ(1, editor.SetPattern(0, 0));
    EXPECT_EQ(1, game.SetPattern(0, 0));
    EXPECT_EQ(2, editor.Update());  // from frame 0 again
    EXPECT_EQ(1, game.Update());    // frame 3 was the loop: the running pattern went on
    EXPECT_EQ(0, game.GetPattern());
}

TEST(AnimePlayer, FrameArraysEndAtTheirFirstNegativeValue) {
    const int32_t walk[] = {4, 2, 0, 5, 1, 1, kAnimeLoop, 0, 0, 99, 99, 99};
    const int32_t end[] = {8, 1, 0x101, -4, 0, 0};
    const int32_t* arrays[] = {walk, end, nullptr};
    cAnimePlayer player(eAnimeKeepCurrent);
    ASSERT_TRUE(player.SetPatterns(arrays));
    EXPECT_EQ((std::vector<int32_t>{4, 5, 4, 4, 5}), Ticks(player, 5));
    // The flag is kept as a byte: 0x101 is 1, so the frame cannot be interrupted.
    ASSERT_EQ(1, player.SetPattern(1, 1));
    EXPECT_EQ(-4, player.Update());
    EXPECT_EQ(1, player.SetPattern(0, 0));

    const int32_t jumpOut[] = {1, 1, 0, kAnimeJump, 5, 0};
    const int32_t* bad[] = {jumpOut, nullptr};
    EXPECT_FALSE(player.SetPatterns(bad));
}
