#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "framework/ErrorLog.h"
#include "game/flow/CodeRun.h"
#include "game/play/PlayScene.h"
#include "tests/data/ExprFuzz.h"
#include "tests/game/flow/FlowFixture.h"

namespace {

struct cCodeCase {
    std::string line;
    int32_t value;
    std::vector<std::string> shown;
    std::function<int32_t(cFlowFixture&)> probe;  // what the line wrote, read afterwards
    int32_t probed;
};

}  // namespace

// Lines for the owner on the stage: their values, what they write and their messages as the
// error box shows them.
TEST(CodeRun, LinesReadAndWriteThePlayScene) {
    std::string longest = "C1 = 7" + std::string(kExprMaxLength - 6, ' ');
    const cCodeCase cases[] = {
        {"hp = hp + 10", 60, {}, [](cFlowFixture& f) { return f.owner.m_Hp; }, 60},
        {"hp = hp + 1000", 100, {}, [](cFlowFixture& f) { return f.owner.m_Hp; }, 100},
        {"sp = -5", 0, {}, [](cFlowFixture& f) { return f.owner.m_Sp; }, 0},
        {"sys.time = tg.v3", 999, {}, [](cFlowFixture& f) { return f.scene.m_TimeLeft; }, 999},
        {"C1 = time", 300, {}, [](cFlowFixture& f) { return StoryState().Variable(1); }, 300},
        {"tg.hp = 0", 0, {}, [](cFlowFixture& f) { return f.scene.m_Flow.m_HpCheck; }, 1},
        {"hp = 0", 0, {}, [](cFlowFixture& f) { return f.scene.m_Flow.m_HpCheck; }, 0},
        {"mhp = 20", 20, {}, [](cFlowFixture& f) { return f.owner.m_Hp; }, 20},
        {"mhp = 500", 500, {}, [](cFlowFixture& f) { return f.owner.m_Hp; }, 50},
        {"msp = 0", 1, {}, [](cFlowFixture& f) { return f.owner.m_Sp; }, 1},
        {"C1 = (tg.hp = 0) + (tg.mhp = 50)", 50, {}, [](cFlowFixture& f) { return f.target.m_Hp; }, 0},
        {"z = 9", 7, {}, [](cFlowFixture& f) { return f.owner.m_Chara.m_Z; }, 7},
        {"mark = 500", 119, {}, [](cFlowFixture& f) { return f.owner.m_Chara.m_Mark; }, 119},
        {"tg.sight = 99", 40, {}, [](cFlowFixture& f) { return f.target.m_Flow.m_SightRadius; }, 640},
        {"tg.sight = 2", 2, {}, [](cFlowFixture& f) { return f.scene.m_Flow.m_SightChanged; }, 1},
        {"power = 2147483647", 999999, {}, [](cFlowFixture& f) { return f.owner.m_Chara.m_BodyPower; }, 999999},
        {"imp = -99", -20, {}, [](cFlowFixture& f) { return f.owner.m_Chara.m_BodyImpact; }, -20},
        {"impd = 21", 20, {}, [](cFlowFixture& f) { return f.owner.m_Chara.m_ImpactResist; }, 20},
        {"stop = 500", 200, {}, [](cFlowFixture& f) { return f.owner.m_Chara.m_StopEase; }, 200},
        {"getsc = -5", -5, {}, [](cFlowFixture& f) { return f.owner.m_Chara.m_Score; }, -5},
        {"pl.v8 = tg.hp", 30, {}, [](cFlowFixture& f) { return f.Player().m_Flow.m_Variables[7]; }, 30},
        {"pl.hp = pl.hp - 3", 7, {}, [](cFlowFixture& f) { return f.Player().m_Hp; }, 7},
        {"C255 = 10 - 4 - 3", 3, {}, [](cFlowFixture& f) { return StoryState().Variable(255); }, 3},
        {"S255 = C = 4", 0, {"代入先がありません！(S255 = C = 4)"}, [](cFlowFixture& f) { return f.scene.m_StageVars[255]; }, 0},
        {"S255 = 4", 4, {}, [](cFlowFixture& f) { return f.scene.m_StageVars[255]; }, 4},
        {"S256 = 4", 0, {"変数 \"S256\" の番号が範囲外です！"}, nullptr, 0},
        {"C300 = 4", 0, {"変数 \"C300\" の番号が範囲外です！"}, nullptr, 0},
        {"sys.score = 1234567", 999999, {}, [](cFlowFixture&) { return StoryState().m_Score; }, 999999},
        {"sys.life = life + 1", 4, {}, [](cFlowFixture&) { return StoryState().m_Lives; }, 4},
        {"sys.scrlx = 500", 480, {}, [](cFlowFixture& f) { return f.scene.m_ScrollX.m_Speed; }, 480},
        {"scrly = -4", -4, {}, [](cFlowFixture& f) { return f.scene.m_ScrollY.m_Auto; }, 0},
        {"99999999999", INT_MAX, {}, nullptr, 0},
        {"-2147483648 / -1", INT_MAX, {}, nullptr, 0},
        {"hp = 1.5", 0, {"オブジェクト \"1.\" が認識できません！"}, [](cFlowFixture& f) { return f.owner.m_Hp; }, 50},
        {"hp = foo.hp", 0, {"オブジェクト \"foo.\" が認識できません！"}, nullptr, 0},
        {"5 = 3", 0, {"代入先がありません！(5 = 3)"}, nullptr, 0},
        {"+ 3", 0, {"演算子 \"+\" の前後に値が必要です！"}, nullptr, 0},
        {"sys.hp = 1", 0, {"\"sys.hp\" が認識できません！"}, nullptr, 0},
        {"hp = 5 / 0", 0, {"0除算が行われました！(hp = 5 / 0)"}, [](cFlowFixture& f) { return f.owner.m_Hp; }, 50},
        {"C5 = rand(1)", 0, {"関数 rand の引数が不正です！"}, nullptr, 0},
        {"(hp = 1", 0, {"\")\"が見つかりません！"}, [](cFlowFixture& f) { return f.owner.m_Hp; }, 50},
        {std::string(64, '(') + "hp" + std::string(64, ')'), 50, {}, nullptr, 0},
        {std::string(65, '(') + "hp" + std::string(65, ')'), 0, {"括弧の入れ子が深すぎます！"}, nullptr, 0},
        {longest, 7, {}, nullptr, 0},
        {longest + " ", 0, {"式が長すぎます！"}, nullptr, 0},
    };
    for (const cCodeCase& c : cases) {
        SCOPED_TRACE(c.line.substr(0, 80));
        cFlowFixture f;
        cPlayExprBinding binding(f.scene, f.owner);
        cExprLine line(binding, kExprRunSettings);
        line.Run(c.line);
        EXPECT_EQ(line.Value(), c.value);
        EXPECT_EQ(f.Shown(), c.shown);
        for (const cShownBox& box : f.boxes.Shown()) EXPECT_STREQ(box.caption.c_str(), "エラー");
        if (c.probe) {
            EXPECT_EQ(c.probe(f), c.probed);
        }
    }
}

TEST(CodeRun, MissingCharactersEndTheLineSilently) {
    cFlowFixture f;
    f.owner.m_Flow.m_Target = nullptr;
    EXPECT_EQ(RunCode("sys.time = tg.v3", f.owner), 0);
    EXPECT_EQ(RunCode("C1 = 5 + tg.C2", f.owner), 0);
    EXPECT_EQ(f.scene.m_TimeLeft, 300);
    EXPECT_EQ(StoryState().Variable(1), 0);
    f.scene.m_Players.clear();
    EXPECT_EQ(RunCode("pl.hp = 1", f.owner), 0);
    EXPECT_TRUE(f.Shown().empty());
    // The error belonged to those lines only.
    EXPECT_EQ(RunCode("C1 = 5", f.owner), 1);
    EXPECT_EQ(StoryState().Variable(1), 5);
}

TEST(CodeRun, NeedsAPlayScene) {
    cCharaActor owner;
    EXPECT_EQ(RunCode("C1 = 5", owner), 0);
}

// The line "sys.scrlx = 4" scrolls a stage that scrolls by itself at the stage's speed divisor;
// a stage that follows the player keeps its view standing.
TEST(CodeRun, ScrollSpeedsReachTheScrollAxes) {
    cFlowFixture f;
    f.scene.m_ScrollX.SetUp(0, 100);
    f.scene.m_ScrollX.SetSpeed(1, 0);
    f.scene.m_ScrollX.m_Divisor = 2.0;
    f.scene.m_ScrollX.m_Pos = f.scene.m_ScrollX.m_Min;
    EXPECT_EQ(RunCode("sys.scrlx = 4", f.owner), 1);
    EXPECT_EQ(f.scene.m_ScrollX.m_Auto, 1);
    EXPECT_DOUBLE_EQ(f.scene.m_ScrollX.m_AutoSpeed, 0.2);
    for (int step = 0; step < 10; ++step) f.scene.m_ScrollX.Step();
    EXPECT_DOUBLE_EQ(f.scene.m_ScrollX.m_Pos, f.scene.m_ScrollX.m_Min + 2.0);
    EXPECT_EQ(RunCode("sys.scrly = 4", f.owner), 1);
    EXPECT_EQ(f.scene.m_ScrollY.m_Auto, 0);
    EXPECT_DOUBLE_EQ(f.scene.m_ScrollY.m_AutoSpeed, 0.0);
    EXPECT_EQ(f.scene.m_ScrollY.m_Speed, 4);
}

// rand takes one draw of the play scene's generator, however its arguments are written.
TEST(CodeRun, RandDrawsOnceFromTheSceneGenerator) {
    struct cRandCase {
        const char* line;
        int32_t first, second;
    };
    const cRandCase cases[] = {
        {"C5 = rand(0,5)", 0, 5}, {"C5 = rand( 0 , 5 )", 0, 5}, {"C5 = rand(1,,2)", 1, 2}, {"C5 = rand(5,4)", 4, 5},
    };
    for (const cRandCase& c : cases) {
        for (uint32_t seed : {1u, 26u, 123456789u}) {
            SCOPED_TRACE(std::string(c.line) + " seed " + std::to_string(seed));
            cFlowFixture f;
            f.scene.m_Random.Seed(seed);
            cPlayRandom expected = f.scene.m_Random;
            EXPECT_EQ(RunCode(c.line, f.owner), 1);
            EXPECT_EQ(StoryState().Variable(5), ExprRandom(c.first, c.second, expected.Next()));
            EXPECT_EQ(f.scene.m_Random.Next(), expected.Next());
        }
    }
    cFlowFixture f;
    f.scene.m_Random.Seed(7);
    cPlayRandom expected = f.scene.m_Random;
    EXPECT_EQ(RunCode("C5 = rand(1)", f.owner), 0);
    EXPECT_EQ(f.scene.m_Random.Next(), expected.Next());
    EXPECT_EQ(f.Shown(), std::vector<std::string>{"関数 rand の引数が不正です！"});
}

// Seeded damaged lines through the code command: no crash, only the language's messages, every
// status and variable within its bounds and no vector resized.
TEST(CodeRun, FuzzedLinesKeepThePlaySceneInBounds) {
    std::mt19937 rng(2026);
    for (int i = 0; i < 1500; ++i) {
        std::string text = ExprFuzzLine(rng);
        SCOPED_TRACE(text.substr(0, 80));
        cFlowFixture f;
        RunCode(text, f.owner);
        for (const std::string& shown : f.Shown()) ASSERT_TRUE(IsExprMessage(shown, kMessageBufferSize)) << shown;
        ASSERT_EQ(StoryState().m_Variables.size(), 256u);
        ASSERT_EQ(f.scene.m_StageVars.size(), 256u);
        ASSERT_EQ(f.scene.m_Players.size(), 1u);
        for (cActor* who : {static_cast<cActor*>(&f.owner), static_cast<cActor*>(&f.target), &f.Player()}) {
            cPlayExprBinding binding(f.scene, *who);
            for (int member = 0; member < kExprMembers; ++member) {
                int32_t value = binding.ReadMember(eExprMy, member);
                int32_t upper = member == eExprHp || member == eExprSp ? binding.MaxOf(eExprMy, member)
                                                                       : ExprMembers[member].m_Upper;
                ASSERT_GE(value, ExprMembers[member].m_Lower) << ExprMembers[member].m_Name;
                ASSERT_LE(value, upper) << ExprMembers[member].m_Name;
            }
        }
        cPlayExprBinding binding(f.scene, f.owner);
        for (int system = 0; system < kExprSystems; ++system) {
            ASSERT_GE(binding.ReadSystem(system), ExprSystems[system].m_Lower);
            ASSERT_LE(binding.ReadSystem(system), ExprSystems[system].m_Upper);
        }
        for (int32_t value : StoryState().m_Variables) ASSERT_TRUE(value >= kExprValueMin && value <= kExprValueMax);
        for (int32_t value : f.scene.m_StageVars) ASSERT_TRUE(value >= kExprValueMin && value <= kExprValueMax);
    }
}
