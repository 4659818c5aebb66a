#include <gtest/gtest.h>

#include "game/data/StorySave.h"
#include "tests/game/play/CharaFixture.h"

namespace {

cCondition Variable(int kind, int index, int compare, int value) {
    cCondition condition;
    condition.m_Kind = static_cast<uint8_t>(kind);
    condition.m_VarIndex = static_cast<uint16_t>(index);
    condition.m_Compare = static_cast<uint8_t>(compare);
    condition.m_Value = value;
    return condition;
}

}  // namespace

class Conditions : public CharaFixture {
protected:
    Conditions() : m_SavedStory(StoryState()) {}
    cRestoreOnExit<cStorySave> m_SavedStory;
};

// One condition of each variable kind and comparison; kinds and comparisons outside their tables
// never hold, and a variable past its list reads the list's first (0 here).
TEST_F(Conditions, SingleConditions) {
    cCharaActor chara = Chara({});
    chara.m_Flow.m_Variables[2] = 7;
    m_Scene.m_StageVars[5] = 7;
    StoryState().m_Variables[9] = 7;
    const struct {
        int kind, index, compare, value, holds;
    } cases[] = {
        {1, 9, 0, 7, 1},  {1, 9, 1, 7, 0},  {2, 5, 2, 7, 1},  {2, 5, 3, 6, 0},    {3, 2, 4, 6, 1},
        {3, 2, 5, 7, 0},  {3, 2, 5, 8, 1},  {3, 2, 6, 7, 0},  {3, 8, 0, 0, 1},    {2, 256, 1, 0, 0},
        {1, 60000, 0, 0, 1}, {0, 2, 0, 7, 0}, {6, 2, 0, 7, 0},
    };
    for (const auto& c : cases) {
        cCondition condition = Variable(c.kind, c.index, c.compare, c.value);
        EXPECT_EQ(c.holds, m_Scene.TestCondition(condition, &chara))
            << "kind " << c.kind << " var " << c.index << " compare " << c.compare << " value " << c.value;
    }
    cCondition own = Variable(3, 2, 0, 7);
    EXPECT_EQ(0, m_Scene.TestCondition(own, nullptr)) << "no subject, no character variables";
    // Status conditions go to the flow runtime with the subject.
    cCondition status = Variable(4, 0, 0, 0);
    m_Runtime.m_StatusResult = 3;
    EXPECT_EQ(1, m_Scene.TestCondition(status, &chara));
    ASSERT_EQ(1u, m_Runtime.m_StatusSubjects.size());
    EXPECT_EQ(&chara, m_Runtime.m_StatusSubjects[0]);
}

// Lists: empty holds, rule 0 stops at the first failure, rule 1 at the first success, other
// rules fail; with the once flag a list that held keeps holding.
TEST_F(Conditions, ListsRulesAndTheOnceFlag) {
    const struct {
        const char* name;
        std::vector<int> statuses;  // each status condition's answer, in order
        int rule, holds;
        size_t asked;
    } cases[] = {
        {"empty, rule 0", {}, 0, 1, 0},    {"empty, other rule", {}, 7, 1, 0},  {"all hold", {1, 1}, 0, 1, 2},
        {"rule 0 stops", {0, 1, 1}, 0, 0, 1}, {"rule 1, none holds", {0, 0}, 1, 0, 2}, {"rule 1 stops", {0, 1, 0}, 1, 1, 2},
        {"other rule", {1}, 2, 0, 0},
    };
    struct cAnswers : cFakeFlowRuntime {
        std::vector<int> answers;
        int TestStatusCondition(cCondition& condition, cActor* subject) override {
            cFakeFlowRuntime::TestStatusCondition(condition, subject);
            return answers.at(m_StatusSubjects.size() - 1);
        }
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cAnswers runtime;
        runtime.answers = c.statuses;
        cFlow flow = Flow(0);
        flow.m_CondJudge = static_cast<uint8_t>(c.rule);
        for (size_t i = 0; i < c.statuses.size(); ++i) flow.m_Conditions.push_back(Variable(4, 0, 0, 0));
        cCharaActor chara = Chara({flow});
        EXPECT_EQ(c.holds, m_Scene.TestConditions(chara.m_Runners[0], chara));
        EXPECT_EQ(c.asked, runtime.m_StatusSubjects.size());
    }

    cFlow flow = Flow(0);
    flow.m_Conditions.push_back(Variable(2, 1, 0, 1));
    for (int once = 0; once < 2; ++once) {
        SCOPED_TRACE(once ? "once" : "every time");
        flow.m_OnceTrue = static_cast<uint8_t>(once);
        cCharaActor chara = Chara({flow});
        cFlowRunner& runner = chara.m_Runners[0];
        m_Scene.m_StageVars[1] = 0;
        EXPECT_EQ(0, m_Scene.TestConditions(runner, chara));
        m_Scene.m_StageVars[1] = 1;
        EXPECT_EQ(1, m_Scene.TestConditions(runner, chara));
        m_Scene.m_StageVars[1] = 0;
        EXPECT_EQ(once, m_Scene.TestConditions(runner, chara));
    }
}

// A block's or an item's character variables and distances are the player's; a stage
// character's its own. A block whose conditions do not hold is passable, and a block that held
// once under the once flag stays solid.
TEST_F(Conditions, OwnersAndTheirSubjects) {
    ASSERT_FALSE(m_Scene.m_Players.empty());
    m_Scene.m_Players[0].m_Flow.m_Variables[0] = 3;
    cEdBlock block = Block(1);
    block.m_BlockType = 1;
    block.m_Conditions.push_back(Variable(3, 0, 0, 3));
    block.m_OnceTrue = 1;
    cBlockCell& cell = m_Scene.m_MapCells[m_Scene.CellIndex(12, 12)];
    cell.Put(block);
    EXPECT_EQ(1, m_Scene.CellSolidity(12, 12, 0));
    m_Scene.m_Players[0].m_Flow.m_Variables[0] = 4;
    EXPECT_EQ(1, m_Scene.CellSolidity(12, 12, 0)) << "held once";
    cell.Put(block);
    EXPECT_EQ(0, m_Scene.CellSolidity(12, 12, 0)) << "a new block starts afresh";

    cItemObj item;
    cEdItem itemRecord;
    itemRecord.m_Graphic = 1;
    itemRecord.m_Conditions.push_back(Variable(3, 0, 0, 4));
    item.SetItem(0, itemRecord, 0);
    EXPECT_EQ(1, m_Scene.TestConditions(item));

    cEdChara record = Enemy();
    record.m_Conditions.push_back(Variable(3, 0, 0, 4));
    cCharaActor chara;
    chara.Setup(1, record, nullptr, 400, 400, 0);
    EXPECT_EQ(0, m_Scene.TestConditions(chara));
    chara.m_Flow.m_Variables[0] = 4;
    EXPECT_EQ(1, m_Scene.TestConditions(chara));
}
