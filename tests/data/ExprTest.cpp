#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <string>
#include <vector>

#include "data/Expr.h"
#include "data/ExprScratch.h"
#include "framework/Format.h"
#include "tests/data/ExprFuzz.h"

namespace {

// Scratch storage that keeps the messages it was shown.
struct cScratchFixture {
    std::vector<std::string> shown;
    cExprScratch scratch{[this](const std::string& text) { shown.push_back(text); }};

    cScratchFixture() {
        scratch.m_Members[eExprMy][eExprMaxHp] = 100;
        scratch.m_Members[eExprMy][eExprHp] = 50;
        scratch.m_Members[eExprTarget][eExprVar1 + 2] = 1234;
        scratch.m_Members[eExprMy][eExprVar1] = 5;
    }
};

struct cLineCase {
    std::string line;
    int32_t value;
    std::vector<std::string> shown;  // messages in order; none when empty
};

void ExpectLine(const cExprSettings& settings, const cLineCase& c) {
    SCOPED_TRACE(c.line.substr(0, 80));
    cScratchFixture f;
    cExprLine line(f.scratch, settings);
    bool ok = line.Run(c.line);
    EXPECT_EQ(line.Value(), c.value);
    EXPECT_EQ(f.shown, c.shown);
    EXPECT_EQ(ok, c.shown.empty());
}

std::string Nested(int depth, const char* inner) {
    return std::string(depth, '(') + inner + std::string(depth, ')');
}

}  // namespace

// Values and messages of lines the game and the editor read alike.
TEST(Expr, LinesGiveValuesAndMessages) {
    const cLineCase cases[] = {
        {"", 0, {}},
        {"2 + 3 * 4", 14, {}},
        {"10 - 4 - 3", 3, {}},
        {"7 / 2", 3, {}},
        {"-7 / 2", -3, {}},
        {"-7 % 2", -1, {}},
        {"hp 5", 5, {}},
        {"hp = hp + 10", 60, {}},
        {"hp = hp + 1000", 100, {}},
        {"hp = (1 + 2) * 3", 9, {}},
        {"(1 + 2) * 3", 9, {}},
        {"C5 = rand(3,3)", 3, {}},
        {"sys.time = tg.v3", 999, {}},
        {"tg.v3 - 34", 1200, {}},
        // An object names the one word it stands before.
        {"tg.v3 + v1", 1239, {}},
        {"2 + 7 % 4", 5, {}},
        {"2 * 7 % 4", 2, {}},
        {"z = 9", 7, {}},
        {"z = -1", 0, {}},
        {"mhp = 0", 1, {}},
        {"imp = -99", -20, {}},
        {"sys.scrlx = 500", 480, {}},
        {"C = 999999999", 999999, {}},
        // Arithmetic saturates to the int32 range instead of wrapping.
        {"99999999999", INT_MAX, {}},
        {"-99999999999", INT_MIN, {}},
        {"2147483647 + 1", INT_MAX, {}},
        {"-2147483647 - 2", INT_MIN, {}},
        {"65536 * 65536", INT_MAX, {}},
        {"-65536 * 65536", INT_MIN, {}},
        {"-2147483648 / -1", INT_MAX, {}},
        {"-2147483648 % -1", 0, {}},
        {"C5 = 5 / 0", 0, {"0除算が行われました！(C5 = 5 / 0)"}},
        {"7 % 0", 0, {"0除算が行われました！(7 % 0)"}},
        {"C300 = 1", 0, {"変数 \"C300\" の番号が範囲外です！"}},
        {"C-5", 0, {"変数 \"C-5\" の番号が範囲外です！"}},
        {"S256", 0, {"変数 \"S256\" の番号が範囲外です！"}},
        {"5 = 3", 0, {"代入先がありません！(5 = 3)"}},
        {"C1 = C2 = 3", 0, {"代入先がありません！(C1 = C2 = 3)"}},
        {"+ 3", 0, {"演算子 \"+\" の前後に値が必要です！"}},
        {"3 -", 0, {"演算子 \"-\" の前後に値が必要です！"}},
        {"5 * / 3", 0, {"演算子 \"*\" の前後に値が必要です！"}},
        {"5 + * 3", 0, {"演算子 \"*\" の前後に値が必要です！"}},
        {"=", 0, {"演算子 \"=\" の前後に値が必要です！"}},
        {"sys.hp = 1", 0, {"\"sys.hp\" が認識できません！"}},
        {"foo.hp = 1", 0, {"オブジェクト \"foo.\" が認識できません！"}},
        {"hp = foo.hp", 0, {"オブジェクト \"foo.\" が認識できません！"}},
        {"hp = 1.5", 0, {"オブジェクト \"1.\" が認識できません！"}},
        {"(5", 0, {"\")\"が見つかりません！"}},
        {"C5 = rand(1)", 0, {"関数 rand の引数が不正です！"}},
        {"rand()", 0, {"関数 rand の引数が不正です！"}},
        {"rand(1,2,3)", 0, {"関数 rand の引数が不正です！"}},
    };
    for (const cLineCase& c : cases) ExpectLine(kExprRunSettings, c);
    // The check reads references and rand as unknown values (0 as the line's value) and takes
    // only the variables C1-C255 and S1-S255.
    const cLineCase checkParts[] = {
        {"hp = hp + 10", 0, {}},
        {"hp = hp + 1000", 0, {}},
        {"C5 = rand(3,3)", 0, {}},
        {"sys.time = tg.v3", 0, {}},
        {"tg.v3 - 34", 0, {}},
        {"tg.v3 + v1", 0, {}},
        {"C = 999999999", 0, {"定数 \"C\" が認識できません！"}},
        {"99999999999", 0, {"定数 \"99999999999\" が認識できません！"}},
        {"-99999999999", 0, {"定数 \"-99999999999\" が認識できません！"}},
        {"C300 = 1", 0, {"定数 \"C300\" が認識できません！"}},
        {"C-5", 0, {"定数 \"C-5\" が認識できません！"}},
        {"S256", 0, {"定数 \"S256\" が認識できません！"}},
    };
    for (const cLineCase& c : cases) {
        const cLineCase* part = &c;
        for (const cLineCase& p : checkParts)
            if (p.line == c.line) part = &p;
        ExpectLine(kExprCheckSettings, *part);
    }
}

// The check knows nothing of the stage: a reference or rand may hold any value, so only what
// fails for every value is refused, and the random generator is never drawn.
TEST(Expr, CheckRefusesWhatFailsForEveryValue) {
    const cLineCase cases[] = {
        {"C1 = 10 / C5", 0, {}},
        {"C1 = 10 % tg.hp", 0, {}},
        {"C1 = 10 / rand(0,1)", 0, {}},
        {"C1 = 10 / (C5 - C5)", 0, {}},
        {"C1 = 10 / (sys.time * 0)", 0, {}},
        {"C1 = rand(C2,1)", 0, {}},
        {"S255 = 1", 1, {}},
        {"C1 = 2147483647", 999999, {}},
        {"-2147483648", INT_MIN, {}},
        {"C1 = C5 / 0", 0, {"0除算が行われました！(C1 = C5 / 0)"}},
        {"C1 = (C5 + 1) / (3 - 3)", 0, {"0除算が行われました！(C1 = ? / 0)"}},
        {"C1 = rand(5,1)", 0, {"関数 rand の引数が不正です！"}},
        {"C0 = 1", 0, {"定数 \"C0\" が認識できません！"}},
        {"Cx = 1", 0, {"定数 \"Cx\" が認識できません！"}},
        {"C1 = 2147483648", 0, {"定数 \"2147483648\" が認識できません！"}},
        {"C1 = ? + 1", 0, {"定数 \"?\" が認識できません！"}},
        {"C1 = (x?) + 1", 0, {"定数 \"(x?)\" が認識できません！"}},
    };
    for (const cLineCase& c : cases) {
        std::srand(7);
        int draw = std::rand();
        std::srand(7);
        ExpectLine(kExprCheckSettings, c);
        EXPECT_EQ(draw, std::rand()) << c.line;
    }
}

// The two settings part on tokens that are no keyword and on errors inside groups.
TEST(Expr, GameReadsLeadingDigitsWhereCheckRefuses) {
    const cLineCase run[] = {
        {"hp=hp+10", 0, {}},
        {"(1 + 2)*3", 3, {}},
        {"12abc", 12, {}},
        {"foo(3)", 0, {}},
        {"rand (0,5)", 0, {}},
        {"(5 / 0) / 0", 0, {"0除算が行われました！(5 / 0)"}},
        {"C1 = (C9 + 1) + (C1 = 1 / 0)", 0, {"0除算が行われました！(C1 = 1 / 0)"}},
    };
    for (const cLineCase& c : run) ExpectLine(kExprRunSettings, c);
    const cLineCase check[] = {
        {"hp=hp+10", 0, {"定数 \"hp=hp+10\" が認識できません！"}},
        {"(1 + 2)*3", 0, {"定数 \"3*3\" が認識できません！"}},
        {"+12", 12, {}},
        {"foo(3)", 0, {"定数 \"foo(3)\" が認識できません！"}},
        {"rand (0,5)", 0, {"定数 \"0,5\" が認識できません！", "定数 \"rand\" が認識できません！"}},
        {"(5 / 0) / 0", 0, {"0除算が行われました！(5 / 0)", "0除算が行われました！(0 / 0)"}},
    };
    for (const cLineCase& c : check) ExpectLine(kExprCheckSettings, c);
}

TEST(Expr, AssignmentsWriteTheirStorage) {
    cScratchFixture f;
    cExprLine line(f.scratch, kExprRunSettings);
    EXPECT_TRUE(line.Run("C1 = 10 - 4 - 3"));
    EXPECT_TRUE(line.Run("S255 = -5000000"));
    EXPECT_TRUE(line.Run("tg.mark = 200"));
    EXPECT_TRUE(line.Run("pl.v8 = my.hp"));
    EXPECT_TRUE(line.Run("sys.life = 3 + my.life"));
    EXPECT_TRUE(line.Run("C = 7"));
    EXPECT_EQ(f.scratch.m_Variables[eExprCommon][1], 3);
    EXPECT_EQ(f.scratch.m_Variables[eExprStage][255], -999999);
    EXPECT_EQ(f.scratch.m_Members[eExprTarget][eExprMark], 119);
    EXPECT_EQ(f.scratch.m_Members[eExprPlayer][eExprVar1 + 7], 50);
    EXPECT_EQ(f.scratch.m_Systems[eExprLife], 3);
    EXPECT_EQ(f.scratch.m_Variables[eExprCommon][0], 7);

    // An error leaves what it would have written, and what the line wrote before it stays.
    f.scratch.m_Variables[eExprCommon][5] = 42;
    EXPECT_FALSE(line.Run("C5 = 5 / 0"));
    EXPECT_FALSE(line.Run("C300 = 1"));
    EXPECT_FALSE(line.Run("C1 = C2 = 3"));
    EXPECT_EQ(f.scratch.m_Variables[eExprCommon][5], 42);
    EXPECT_EQ(f.scratch.m_Variables[eExprCommon][1], 0);
    EXPECT_FALSE(line.Run("C9 = (C8 = 4) / 0"));
    EXPECT_EQ(f.scratch.m_Variables[eExprCommon][8], 4);
    EXPECT_EQ(f.scratch.m_Variables[eExprCommon][9], 0);
    EXPECT_TRUE(line.Run("7"));  // the error belonged to the last line only
    EXPECT_EQ(line.Value(), 7);
}

TEST(Expr, TextEndsAtItsFirstZeroByte) {
    cScratchFixture f;
    cExprLine line(f.scratch, kExprRunSettings);
    EXPECT_TRUE(line.Run(std::string("C1 = 5\0C1 = 6 / 0", 17)));
    EXPECT_EQ(f.scratch.m_Variables[eExprCommon][1], 5);
}

TEST(Expr, LengthAndNestingLimits) {
    std::string longest = "C1 = 7" + std::string(kExprMaxLength - 6, ' ');
    const cLineCase cases[] = {
        {longest, 7, {}},
        {(longest + " "), 0, {"式が長すぎます！"}},
        {Nested(64, "1 + 1"), 2, {}},
        {Nested(65, "1 + 1"), 0, {"括弧の入れ子が深すぎます！"}},
        {std::string(63, '(') + "rand(3,3)" + std::string(63, ')'), 3, {}},
        {std::string(64, '(') + "rand(3,3)" + std::string(64, ')'), 0, {"括弧の入れ子が深すぎます！"}},
    };
    for (const cLineCase& c : cases) ExpectLine(kExprRunSettings, c);

    // A rewrite that makes the text longer than the limit: "(C)" becomes "-999999".
    cScratchFixture f;
    f.scratch.m_Variables[eExprCommon][0] = -999999;
    cExprLine line(f.scratch, kExprRunSettings);
    std::string grows = std::string(kExprMaxLength - 3, ' ') + "(C)";
    EXPECT_FALSE(line.Run(grows));
    EXPECT_EQ(f.shown, std::vector<std::string>{"式が長すぎます！"});
    EXPECT_TRUE(line.Run(std::string(kExprMaxLength - 7, ' ') + "(C)"));
    EXPECT_EQ(line.Value(), -999999);
}

// rand takes one draw of the generator however its arguments are written; a second below the
// first is the range turned round.
TEST(Expr, RandTakesOneDraw) {
    struct cRandCase {
        const char* line;
        int32_t first, second;
    };
    const cRandCase cases[] = {
        {"C5 = rand(0,5)", 0, 5},     {"C5 = rand( 0 , 5 )", 0, 5},     {"C5 = rand(1,,2)", 1, 2},
        {"C5 = rand(5,4)", 4, 5},     {"C5 = rand((1 + 1),(2 * 50))", 2, 100},
        {"C5 = rand(-999999,999999)", -999999, 999999},
    };
    for (const cRandCase& c : cases) {
        SCOPED_TRACE(c.line);
        for (unsigned seed = 1; seed <= 20; ++seed) {
            // The draw as the line's storage takes it from rand(), whatever rand()'s range.
            cScratchFixture f;
            std::srand(seed);
            int draw = f.scratch.Random();
            int next = std::rand();
            cExprLine line(f.scratch, kExprRunSettings);
            std::srand(seed);
            ASSERT_TRUE(line.Run(c.line));
            int32_t value = f.scratch.m_Variables[eExprCommon][5];
            EXPECT_EQ(value, ExprRandom(c.first, c.second, draw));
            EXPECT_GE(value, c.first);
            EXPECT_LE(value, c.second);
            EXPECT_EQ(std::rand(), next);
        }
    }
    EXPECT_EQ(ExprRandom(INT_MIN, INT_MAX, 32767), INT_MIN + 32767);
    EXPECT_EQ(ExprRandom(INT_MAX, INT_MIN, 0), INT_MIN);
}

TEST(Expr, CheckExpressionReportsEveryError) {
    std::vector<std::string> shown;
    auto sink = [&shown](const std::string& text) { shown.push_back(text); };
    EXPECT_TRUE(CheckExpression("hp = hp + 10", sink));
    EXPECT_TRUE(CheckExpression("sys.time = tg.v3", sink));
    EXPECT_TRUE(CheckExpression("C5 = rand(0,5)", sink));
    EXPECT_TRUE(CheckExpression("", sink));
    EXPECT_TRUE(shown.empty());
    EXPECT_FALSE(CheckExpression("C1 = (foo) + (1 / 0)", sink));
    EXPECT_EQ(shown, (std::vector<std::string>{"定数 \"foo\" が認識できません！", "0除算が行われました！(1 / 0)"}));
}

// Seeded damaged lines: every message is one of the language's, every value stays in its
// bounds, and the rewriting pass scans at most a fixed multiple of the squared length.
TEST(Expr, FuzzedLinesStayInBounds) {
    std::mt19937 rng(26);
    for (int i = 0; i < 3000; ++i) {
        std::string text = ExprFuzzLine(rng);
        SCOPED_TRACE(text.substr(0, 80));
        cScratchFixture f;
        f.scratch.m_Members[eExprMy][eExprHp] = 0;
        cExprLine line(f.scratch, i % 2 ? kExprRunSettings : kExprCheckSettings);
        line.Run(text);
        uint64_t n = std::string(text.c_str()).size();
        EXPECT_LE(line.Scanned(), 2 * n * n + 16);
        for (const std::string& shown : f.shown) EXPECT_TRUE(IsExprMessage(shown, kFormatBufferSize)) << shown;
        for (const auto& scope : f.scratch.m_Variables) {
            for (int32_t value : scope) ASSERT_TRUE(value >= kExprValueMin && value <= kExprValueMax);
        }
        for (int object = 0; object < eExprSys; ++object) {
            for (int member = 0; member < kExprMembers; ++member) {
                int32_t value = f.scratch.m_Members[object][member];
                if (object == eExprMy && (member == eExprHp || member == eExprMaxHp)) continue;
                ASSERT_TRUE(value == 0 || (value >= ExprMembers[member].m_Lower && value <= ExprMembers[member].m_Upper));
            }
        }
        for (int system = 0; system < kExprSystems; ++system) {
            int32_t value = f.scratch.m_Systems[system];
            ASSERT_TRUE(value >= ExprSystems[system].m_Lower && value <= ExprSystems[system].m_Upper);
        }
    }
}
