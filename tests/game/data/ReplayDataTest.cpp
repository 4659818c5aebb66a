#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "game/data/ReplayData.h"
#include "tests/data/Bytes.h"
#include "tests/support/TempDir.h"

namespace {

struct cFrame {
    int16_t direction, buttons;
};

std::vector<cFrame> Repeat(cFrame f, int n) { return std::vector<cFrame>(n, f); }

std::vector<cFrame> Join(std::initializer_list<std::vector<cFrame>> parts) {
    std::vector<cFrame> all;
    for (const auto& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

// The stage's bytes in the game's form, without the file's version header.
std::string StageBytes(cEdStage& stage) {
    cDataWriter out;
    EXPECT_TRUE(OpenDataFileWrite(out, "unused"));
    stage.SaveAsPlaced(out);
    return std::string(out.Bytes().begin() + 4, out.Bytes().end());
}

// The replay part of a file from its layout table.
std::string ReplayBytes(int32_t seed, const std::vector<int16_t>& dirs, const std::vector<int16_t>& buttons,
                        const std::vector<int32_t>& dirRuns, const std::vector<int32_t>& buttonRuns) {
    cBytes b;
    b.U32(1).I32(seed).U32(0);
    b.U32(static_cast<uint32_t>(dirs.size()));
    for (int16_t v : dirs) b.U16(static_cast<uint16_t>(v));
    b.U32(static_cast<uint32_t>(buttons.size()));
    for (int16_t v : buttons) b.U16(static_cast<uint16_t>(v));
    b.U32(static_cast<uint32_t>(dirRuns.size()));
    for (int32_t v : dirRuns) b.I32(v);
    b.U32(static_cast<uint32_t>(buttonRuns.size()));
    for (int32_t v : buttonRuns) b.I32(v);
    return b.Get();
}

std::string Version() { return cBytes().U32(147).Get(); }

}  // namespace

TEST(ReplayData, RecordingAndPlaybackFrameByFrame) {
    struct {
        const char* name;
        std::vector<cFrame> frames;
        std::vector<int16_t> dirs, buttons;
        std::vector<int32_t> dirRuns, buttonRuns;
    } cases[] = {
        {"one direction for 1000 frames", Repeat({2, 0}, 1000), {2}, {0}, {1000}, {1000}},
        {"buttons alternating every frame", {{0, 1}, {0, 0}, {0, 1}, {0, 0}}, {0}, {1, 0, 1, 0}, {4}, {1, 1, 1, 1}},
        {"the logs are independent", Join({Repeat({1, 3}, 2), Repeat({4, 3}, 3), Repeat({4, 0}, 1)}),
         {1, 4}, {3, 0}, {2, 4}, {5, 1}},
        {"negative words", {{-1, -128}, {-1, -128}}, {-1}, {-128}, {2}, {2}},
        {"one frame", {{8, 255}}, {8}, {255}, {1}, {1}},
    };
    for (const auto& c : cases) {
        cReplayData replay;
        for (const cFrame& f : c.frames) replay.RecordFrame(f.direction, f.buttons);
        EXPECT_EQ(c.dirs, std::vector<int16_t>(replay.m_DirValues.begin(), replay.m_DirValues.end())) << c.name;
        EXPECT_EQ(c.buttons, std::vector<int16_t>(replay.m_ButtonValues.begin(), replay.m_ButtonValues.end())) << c.name;
        EXPECT_EQ(c.dirRuns, std::vector<int32_t>(replay.m_DirRuns.begin(), replay.m_DirRuns.end())) << c.name;
        EXPECT_EQ(c.buttonRuns, std::vector<int32_t>(replay.m_ButtonRuns.begin(), replay.m_ButtonRuns.end())) << c.name;
        for (size_t i = 0; i < c.frames.size(); ++i) {
            int16_t d = 99, b = 99;
            ASSERT_EQ(0, replay.NextFrame(d, b)) << c.name << " frame " << i;
            ASSERT_EQ(c.frames[i].direction, d) << c.name << " frame " << i;
            ASSERT_EQ(c.frames[i].buttons, b) << c.name << " frame " << i;
        }
        int16_t d = 77, b = 77;
        EXPECT_EQ(1, replay.NextFrame(d, b)) << c.name;
        EXPECT_EQ(77, d + 0) << c.name;
        EXPECT_EQ(77, b + 0) << c.name;
        replay.Rewind();
        EXPECT_EQ(0, replay.NextFrame(d, b)) << c.name;
        EXPECT_EQ(c.frames[0].direction, d) << c.name;
    }
    cReplayData empty;
    int16_t d = 0, b = 0;
    EXPECT_EQ(1, empty.NextFrame(d, b));
    EXPECT_TRUE(empty.Empty());
}

TEST(ReplayData, AssignmentCopiesTheLogsAndSeedButNotThePlace) {
    cReplayData a;
    a.m_Seed = 1234;
    a.RecordFrame(1, 2);
    a.RecordFrame(4, 2);
    cReplayData b;
    b.m_DirPos = 1;
    b.m_DirCount = 0;
    b = a;
    EXPECT_EQ(1234, b.m_Seed);
    EXPECT_EQ(2u, b.m_DirValues.size());
    EXPECT_EQ(1, b.m_DirPos);
    a.Clear();
    EXPECT_TRUE(a.Empty());
    EXPECT_EQ(0, a.m_Seed);
    EXPECT_FALSE(b.Empty());
}

TEST(ReplayData, FileLayoutAndRoundTrip) {
    cTempDir dir;
    cEdStage stage;
    stage.m_Name = "リプレイ";
    // A placed block: the game's form writes 0 where the editor's writes the cell's index.
    cEdBlock block;
    block.m_Graphic = 4;
    stage.m_Blocks.Put(stage.CellIndex(3, 2), block);
    cReplayData replay;
    replay.m_Seed = -559038737;
    for (cFrame f : Join({Repeat({2, 1}, 3), Repeat({10, 1}, 2), Repeat({10, 0}, 1)}))
        replay.RecordFrame(f.direction, f.buttons);
    ASSERT_TRUE(replay.SaveReplayFile("a.rpl4_147", stage));
    std::string expected = Version() + StageBytes(stage) + ReplayBytes(-559038737, {2, 10}, {1, 0}, {3, 3}, {5, 1});
    EXPECT_EQ(expected, dir.Read("a.rpl4_147"));

    cEdStage loadedStage;
    cReplayData loaded;
    loaded.m_DirPos = 5;
    ASSERT_TRUE(loaded.LoadReplayFile("a.rpl4_147", loadedStage));
    EXPECT_EQ("リプレイ", loadedStage.m_Name);
    EXPECT_EQ(4u, loadedStage.m_Blocks.At(loadedStage.CellIndex(3, 2)).m_Graphic);
    EXPECT_EQ(-559038737, loaded.m_Seed);
    EXPECT_EQ(0, loaded.m_DirPos);
    ASSERT_TRUE(loaded.SaveReplayFile("b.rpl4_147", loadedStage));
    EXPECT_EQ(expected, dir.Read("b.rpl4_147"));

    // A folder that is not there: the save fails.
    EXPECT_FALSE(replay.SaveReplayFile("user_data\\rpl4\\a.rpl4_147", stage));
}

TEST(ReplayData, BadFilesFailAndChangeNothing) {
    cTempDir dir;
    cEdStage stage;
    std::string head = Version() + StageBytes(stage);
    std::string good = head + ReplayBytes(7, {1, 2}, {0}, {3, 4}, {7});
    std::vector<std::pair<std::string, std::string>> cases = {
        {"a run of 0", head + ReplayBytes(7, {1, 2}, {0}, {3, 0}, {3})},
        {"a negative run", head + ReplayBytes(7, {1}, {0}, {-2}, {1})},
        {"a button run of 0", head + ReplayBytes(7, {1}, {0}, {1}, {0})},
        {"more direction values than runs", head + ReplayBytes(7, {1, 2}, {0}, {3}, {3})},
        {"more button runs than values", head + ReplayBytes(7, {1}, {0}, {1}, {1, 1})},
        {"a count past the file", head + cBytes().U32(1).I32(7).U32(0).U32(0x7fffffff).Get()},
        {"two registered fields", head + cBytes().U32(2).I32(7).I32(8).U32(0).U32(0).U32(0).U32(0).U32(0).Get()},
        {"no replay after the stage", head},
        {"empty", ""},
    };
    for (size_t cut = 0; cut < good.size(); cut += 7) cases.push_back({"cut at " + std::to_string(cut), good.substr(0, cut)});
    cases.push_back({"cut before the last byte", good.substr(0, good.size() - 1)});
    cEdStage held;
    held.m_Name = "held";
    cReplayData replay;
    replay.m_Seed = 99;
    replay.RecordFrame(8, 8);
    for (const auto& c : cases) {
        dir.Write("bad.rpl4_147", c.second);
        EXPECT_FALSE(replay.LoadReplayFile("bad.rpl4_147", held)) << c.first;
        EXPECT_EQ("held", held.m_Name) << c.first;
        EXPECT_EQ(99, replay.m_Seed) << c.first;
        EXPECT_EQ(1u, replay.m_DirValues.size()) << c.first;
    }
    EXPECT_FALSE(replay.LoadReplayFile("missing.rpl4_147", held));
    dir.Write("good.rpl4_147", good);
    EXPECT_TRUE(replay.LoadReplayFile("good.rpl4_147", held));
    EXPECT_EQ(7, replay.m_Seed);
}

TEST(ReplayData, ProposedNames) {
    cTempDir dir;
    CreateDirectoryA("user_data", nullptr);
    CreateDirectoryA("user_data\\rpl4", nullptr);
    auto present = [&](const std::string& stem, int n) {
        for (int i = 0; i < n; ++i)
            dir.Write("user_data\\rpl4\\" + stem + "_" + std::to_string(i / 9) + std::to_string(i % 9) + ".rpl4_147", "x");
    };
    EXPECT_EQ("rpl4_147", ReplayExt());
    EXPECT_EQ("c01_00.rpl4_147", ProposeReplayName("data\\stg4\\c01."));
    present("c01", 5);
    EXPECT_EQ("c01_05.rpl4_147", ProposeReplayName("data\\stg4\\c01."));
    present("c01", 9);
    EXPECT_EQ("c01_10.rpl4_147", ProposeReplayName("data\\stg4\\c01."));
    present("c01", 81);
    EXPECT_EQ("c01_88.rpl4_147", ProposeReplayName("data\\stg4\\c01."));
    EXPECT_EQ("stage_00.rpl4_147", ProposeReplayName("data\\stg4\\stage.stg4_147"));
    EXPECT_EQ("", ProposeReplayName(""));
    EXPECT_EQ("", ProposeReplayName("nodot"));
}

TEST(ReplayData, TheGameKeepsTwoEmptyReplays) {
    EXPECT_NE(&CurrentReplay(), &PreviousReplay());
    EXPECT_TRUE(CurrentReplay().Empty());
    EXPECT_TRUE(PreviousReplay().Empty());
}
