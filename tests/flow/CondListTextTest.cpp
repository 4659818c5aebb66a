// The row text of every kind of condition, as the condition lists show it, byte for byte.
#include <gtest/gtest.h>

#include <string>

#include "editor/flow/CondListText.h"
#include "tests/flow/CondFixture.h"

namespace {

struct cRowCase {
    const char* name;
    cCondition cond;
    const char* text;
};

cCondition Make(uint8_t kind, std::initializer_list<std::pair<uint8_t cCondition::*, uint8_t>> bytes = {},
                uint16_t var = 0, int32_t value = 0) {
    cCondition c;
    c.m_Kind = kind;
    for (auto& b : bytes) c.*(b.first) = b.second;
    c.m_VarIndex = var;
    c.m_Value = value;
    return c;
}

cCondition Status(uint8_t leftKind, uint8_t owner, uint8_t status, uint16_t var, uint8_t source, uint8_t compare) {
    cCondition c = Make(4, {{&cCondition::m_LeftKind, leftKind},
                            {&cCondition::m_LeftOwner, owner},
                            {&cCondition::m_LeftStatus, status},
                            {&cCondition::m_RightSource, source},
                            {&cCondition::m_Compare, compare}},
                        var);
    return c;
}

class CondRowTextTest : public testing::Test {
protected:
    cSampleVarNames m_Names;
};

std::vector<cRowCase> Cases() {
    std::vector<cRowCase> cases;
    auto add = [&](const char* name, const cCondition& c, const char* text) { cases.push_back({name, c, text}); };

    add("common unnamed", Make(1, {{&cCondition::m_Compare, 2}}, 7, 10), "コモン変数条件 ： 「007 」 が 10 以上");
    add("common named", Make(1, {{&cCondition::m_Compare, 1}}, 2, -5), "コモン変数条件 ： 「002 所持金」 が -5 でない");
    add("common past its names", Make(1, {{&cCondition::m_Compare, 9}}, 300, 10), "コモン変数条件 ： 「300 」 が 10 ");
    add("common four digits", Make(1, {}, 1234, 0), "コモン変数条件 ： 「234 」 が 0 である");
    add("stage named", Make(2, {}, 3, 1), "ステージ変数条件 ： 「003 鍵」 が 1 である");
    add("stage past its names", Make(2, {{&cCondition::m_Compare, 5}}, 255, 1), "ステージ変数条件 ： 「255 」 が 1 より下");
    add("chara", Make(3, {{&cCondition::m_Compare, 3}}, 3, 4), "キャラ変数条件 ： キャラ変数 「3 キャラ変数-3」が 4 以下");
    add("chara 0", Make(3, {{&cCondition::m_Compare, 3}}, 0, 4), "キャラ変数条件 ： キャラ変数 「」が 4 以下");
    add("chara 9", Make(3, {}, 9, 4), "キャラ変数条件 ： キャラ変数 「」が 4 である");

    cCondition c = Status(0, 0, 0, 3, 1, 0);
    c.m_RandMin = 1;
    c.m_RandMax = 5;
    add("self chara variable, random", c, "ステータス条件 ： 自分 の 「3 キャラ変数-3」 が 1～5 である");
    c = Status(0, 1, 1, 0, 0, 3);
    c.m_Value = 50;
    c.m_Percent = 1;
    add("target HP percent", c, "ステータス条件 ： ターゲット の HP が 50% 以下");
    c = Status(0, 2, 4, 0, 0, 2);
    c.m_Value = 3;
    add("system", c, "ステータス条件 ： 残り人数 が 3 以上");
    c = Status(1, 0, 0, 2, 2, 4);
    c.m_RightOwner = 0;
    c.m_RightStatus = 5;
    add("common variable against own status", c, "ステータス条件 ： 「002 所持金」が 自分 の Z座標 より上");
    c = Status(1, 0, 0, 3, 3, 0);
    c.m_LeftVarScope = 1;
    c.m_RightVarIndex = 7;
    add("stage variable against common variable", c, "ステータス条件 ： 「003 鍵」が 「007 」 である");
    c = Status(0, 0, 2, 0, 2, 1);
    c.m_RightOwner = 1;
    c.m_RightStatus = 0;
    c.m_RightVarIndex = 8;
    add("against the target's chara variable", c, "ステータス条件 ： 自分 の SP が ターゲット の 「8 キャラ変数-8」 でない");
    c.m_RightVarIndex = 9;
    add("chara variable past the table", c, "ステータス条件 ： 自分 の SP が ターゲット の 「」 でない");
    c = Status(0, 0, 1, 0, 2, 0);
    c.m_RightOwner = 2;
    c.m_RightStatus = 0;
    add("against a system value", c, "ステータス条件 ： 自分 の HP が 時間 である");
    c = Status(0, 0, 1, 0, 3, 0);
    c.m_RightVarScope = 1;
    c.m_RightVarIndex = 3;
    c.m_Percent = 1;
    add("percent of a stage variable", c, "ステータス条件 ： 自分 の HP が 「003 鍵」% である");
    add("status past the table", Status(0, 0, 20, 0, 0, 0), "ステータス条件 ： 自分 の  が 0 である");
    add("system value past the table", Status(0, 2, 5, 0, 0, 0), "ステータス条件 ：  が 0 である");
    c = Status(0, 5, 1, 0, 7, 0);
    add("target and source past their tables", c, "ステータス条件 ： である");
    c = Status(2, 0, 1, 0, 3, 6);
    c.m_RightVarScope = 4;
    add("side, scope and comparison past their tables", c, "ステータス条件 ： ");
    c = Status(1, 0, 0, 2, 0, 0);
    c.m_LeftVarScope = 2;
    add("left scope past its table", c, "ステータス条件 ： 0 である");

    c = Make(5, {{&cCondition::m_DistAxis, 6}, {&cCondition::m_Compare, 1}}, 0, 10);
    add("distance", c, "距離条件 ： 円 10 外");
    c = Make(5, {{&cCondition::m_DistAxis, 7}, {&cCondition::m_Compare, 2}}, 0, 3);
    add("distance past its tables", c, "距離条件 ：  3 ");
    add("no kind", Make(0, {}, 5, 5), "");
    add("kind past the table", Make(6, {}, 5, 5), "");
    add("kind far past the table", Make(200, {}, 5, 5), "");
    return cases;
}

TEST_F(CondRowTextTest, EveryKindReadsItsWords) {
    for (const cRowCase& row : Cases()) {
        std::string text = "old";
        CondRowText(&text, 0, &row.cond);
        EXPECT_EQ(std::string(row.text), text) << row.name;
    }
}

}  // namespace
