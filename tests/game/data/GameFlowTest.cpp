#include <gtest/gtest.h>

#include <vector>

#include "data/Chara.h"
#include "data/Item.h"
#include "data/FlowTables.h"
#include "game/data/GameFlow.h"
#include "tests/support/TempDir.h"

namespace {

// A flow told apart by its number of key conditions (a flow with nothing in it is dropped).
cFlow Flow(int id, bool testPlayOnly) {
    cFlow flow;
    flow.m_KeyConds.resize(id);
    flow.m_TestPlayOnly = testPlayOnly ? 1 : 0;
    return flow;
}

std::vector<int> Ids(const cRecordVector<cFlow>& flows) {
    std::vector<int> ids;
    for (const cFlow& flow : flows) ids.push_back(static_cast<int>(flow.m_KeyConds.size()));
    return ids;
}

// Undoes the rule a test applied, for the tests after it.
struct cRuleReset {
    ~cRuleReset() { ApplyTestPlayFlowRule(1, cSystemData()); }
};

}  // namespace

// Flows 2 and 3 (adjacent) and 5 of the chara are marked; of the item command's sub-flows,
// all (the nested case) or all but the last.
TEST(GameFlow, TestPlayFlowsStayOnlyInTestPlayOrWhenTheSystemKeepsThem) {
    cTempDir dir;
    cRuleReset reset;
    cEdChara chara;
    chara.m_Graphic = 1;
    chara.m_Flows = {Flow(1, false), Flow(2, true), Flow(3, true), Flow(4, false), Flow(5, true), Flow(6, false)};
    cEdItem item;
    item.m_Graphic = 1;
    item.m_Commands.resize(2);
    for (cFlowCmd& command : item.m_Commands) {
        command.m_CmdSet = 1;
        command.m_CmdType = eItemCmdFlowChange;
        command.Validate();
    }
    item.m_Commands[0].m_SubFlows = {Flow(1, true), Flow(2, true)};
    item.m_Commands[1].m_SubFlows = {Flow(1, true), Flow(2, true), Flow(3, false)};

    const std::vector<int> all = {1, 2, 3, 4, 5, 6};
    const struct {
        int testPlay;
        int keepSetting;
        std::vector<int> charaFlows, subFlows0, subFlows1;
    } cases[] = {
        {1, 0, all, {1, 2}, {1, 2, 3}},
        {1, 1, all, {1, 2}, {1, 2, 3}},
        {0, 1, all, {1, 2}, {1, 2, 3}},
        {0, 0, {1, 4, 6}, {}, {3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "test play " << c.testPlay << ", setting " << c.keepSetting);
        cSystemData system;
        system.m_TestFlowsOutsideTest = c.keepSetting;
        ApplyTestPlayFlowRule(c.testPlay, system);
        ASSERT_TRUE(chara.SaveFile("c.dat"));
        ASSERT_TRUE(item.SaveFile("i.dat"));
        cEdChara loadedChara;
        cEdItem loadedItem;
        ASSERT_TRUE(loadedChara.LoadFile("c.dat"));
        ASSERT_TRUE(loadedItem.LoadFile("i.dat"));
        EXPECT_EQ(c.charaFlows, Ids(loadedChara.m_Flows));
        ASSERT_EQ(2u, loadedItem.m_Commands.size());  // the commands themselves stay
        EXPECT_EQ(c.subFlows0, Ids(loadedItem.m_Commands[0].m_SubFlows));
        EXPECT_EQ(c.subFlows1, Ids(loadedItem.m_Commands[1].m_SubFlows));
        // What is saved again is what was kept: nothing brings a dropped flow back.
        ASSERT_TRUE(loadedChara.SaveFile("again.dat"));
        ApplyTestPlayFlowRule(1, cSystemData());
        cEdChara again;
        ASSERT_TRUE(again.LoadFile("again.dat"));
        EXPECT_EQ(c.charaFlows, Ids(again.m_Flows));
    }
}
