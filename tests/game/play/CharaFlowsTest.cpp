#include <gtest/gtest.h>

#include "game/play/CharaActor.h"
#include "tests/game/play/FakeFlowRuntime.h"

namespace {

cFlow FlowWith(int commands, int keyConds) {
    cFlow flow;
    flow.m_Commands.resize(commands);
    flow.m_KeyConds.resize(keyConds);
    return flow;
}

}  // namespace

// The installed runtime serves until it is replaced; without one the inert runtime completes
// every step and holds no status condition.
TEST(FlowSeam, InstallPointPutsTheRuntimeBack) {
    cFlowRunner runner;
    cCondition condition;
    EXPECT_EQ(1, FlowRuntime().Step(runner));
    EXPECT_EQ(0, FlowRuntime().TestStatusCondition(condition, nullptr));
    {
        cFakeFlowRuntime fake;
        EXPECT_EQ(&fake, &FlowRuntime());
        EXPECT_EQ(0, FlowRuntime().Step(runner));
        {
            cFakeFlowRuntime inner;
            EXPECT_EQ(&inner, &FlowRuntime());
        }
        EXPECT_EQ(&fake, &FlowRuntime());
    }
    EXPECT_EQ(1, FlowRuntime().Step(runner));
}

// A copied character's runners, entries and key conditions point into the copy's own flows.
TEST(FlowSeam, CopiesRunTheirOwnFlows) {
    cCharaActor source;
    source.m_Chara.m_Flows.push_back(FlowWith(2, 1));
    source.m_Chara.m_Flows.push_back(FlowWith(1, 2));
    source.m_Runners.resize(2);
    source.m_Runners[0].m_Entries.resize(2);
    source.m_Runners[1].m_Entries.resize(1);
    source.RelinkFlows();
    for (int how = 0; how < 2; ++how) {
        SCOPED_TRACE(how == 0 ? "copy constructed" : "assigned");
        cCharaActor assigned;
        if (how == 1) assigned = source;
        const cCharaActor constructed(source);
        const cCharaActor& copy = how == 0 ? constructed : assigned;
        ASSERT_EQ(2u, copy.m_Runners.size());
        for (size_t i = 0; i < 2; ++i) {
            const cFlowRunner& runner = copy.m_Runners[i];
            const cFlow& flow = copy.m_Chara.m_Flows[i];
            EXPECT_EQ(static_cast<int32_t>(i), runner.m_Index);
            EXPECT_EQ(&flow, runner.m_Flow);
            ASSERT_EQ(flow.m_KeyConds.size(), runner.m_KeyConds.size());
            for (size_t k = 0; k < runner.m_KeyConds.size(); ++k) EXPECT_EQ(&flow.m_KeyConds[k], runner.m_KeyConds[k]);
            for (size_t j = 0; j < runner.m_Entries.size(); ++j) EXPECT_EQ(&flow.m_Commands[j], runner.m_Entries[j].m_Cmd);
        }
    }
}
