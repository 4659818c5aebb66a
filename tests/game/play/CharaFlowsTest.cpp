#include <gtest/gtest.h>

#include "game/play/CharaActor.h"
#include "tests/game/play/CharaFixture.h"
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

// A copied character's runners, entries and key conditions point into the copy's own flows; so
// do runners taken over from another character with the same flows, in the state they were in.
TEST(FlowSeam, CopiesRunTheirOwnFlows) {
    cCharaActor source;
    source.m_Chara.m_Flows.push_back(FlowWith(2, 1));
    source.m_Chara.m_Flows.push_back(FlowWith(1, 2));
    source.m_Runners.resize(2);
    source.m_Runners[0].m_Entries.resize(2);
    source.m_Runners[1].m_Entries.resize(1);
    source.m_Runners[1].m_Running = 1;
    source.RelinkFlows();
    const char* const kHow[] = {"copy constructed", "assigned", "runners replaced"};
    for (int how = 0; how < 3; ++how) {
        SCOPED_TRACE(kHow[how]);
        cCharaActor assigned;
        if (how == 1) assigned = source;
        if (how == 2) {
            assigned.m_Chara = source.m_Chara;
            assigned.ReplaceRunners(source.m_Runners);
        }
        const cCharaActor constructed(source);
        const cCharaActor& copy = how == 0 ? constructed : assigned;
        ASSERT_EQ(2u, copy.m_Runners.size());
        EXPECT_EQ(1, copy.m_Runners[1].m_Running);
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

class CharaFlows : public CharaFixture {};

// Flows of the trigger start unless their group runs (group 0 never blocks), they or their
// group are blocked (until the blocks are cleared), or they already run, are paused or stopped.
TEST_F(CharaFlows, StartingByTriggerKeepsGroupsAndBlocks) {
    const struct {
        const char* name;
        int group, trigger;
        void (*prepare)(cCharaActor&);
        bool starts;
    } cases[] = {
        {"free", 3, 5, [](cCharaActor&) {}, true},
        {"other trigger", 3, 6, [](cCharaActor&) {}, false},
        {"its group runs", 3, 5, [](cCharaActor& c) { c.m_RunningGroups[3] = 1; }, false},
        {"another group runs", 3, 5, [](cCharaActor& c) { c.m_RunningGroups[4] = 1; }, true},
        {"group 0 never blocks", 0, 5,
         [](cCharaActor& c) {
             c.m_RunningGroups[0] = 1;
             c.m_BlockedGroups[0] = 1;
         },
         true},
        {"its group blocked", 3, 5, [](cCharaActor& c) { c.m_BlockedGroups[3] = 1; }, false},
        {"blocked", 0, 5, [](cCharaActor& c) { c.m_Runners[0].m_Blocked = 1; }, false},
        {"blocks cleared", 3, 5,
         [](cCharaActor& c) {
             c.m_Runners[0].m_Blocked = 1;
             c.m_BlockedGroups[3] = 1;
             c.ClearFlowBlocks();
         },
         true},
        {"running", 0, 5, [](cCharaActor& c) { c.m_Runners[0].m_Running = 1; }, false},
        {"paused", 0, 5, [](cCharaActor& c) { c.m_Runners[0].m_Paused = 1; }, false},
        {"stopped for good", 0, 5, [](cCharaActor& c) { c.m_Runners[0].m_Stopped = 1; }, false},
        {"group past the table", 200, 5, [](cCharaActor&) {}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cCharaActor chara = Chara({Flow(c.trigger, c.group)});
        c.prepare(chara);
        m_Runtime.m_Starts.clear();
        chara.StartFlowsByTrigger(5);
        EXPECT_EQ(c.starts ? 1u : 0u, m_Runtime.m_Starts.size());
        EXPECT_EQ(&chara, m_Scene.m_Flow.m_Actor);
    }
    // Two flows of one group: the first to start holds the group for the second.
    cCharaActor pair = Chara({Flow(5, 3), Flow(5, 3), Flow(5, 0)});
    m_Runtime.m_Starts.clear();
    pair.m_RunningGroups[3] = 0;
    struct cGroupRuntime : cFakeFlowRuntime {
        cActor* owner = nullptr;
        void Start(cFlowRunner& runner) override {
            cFakeFlowRuntime::Start(runner);
            owner->m_RunningGroups[runner.m_Flow->m_Group] = 1;
        }
    } groups;
    groups.owner = &pair;
    pair.StartFlowsByTrigger(5);
    ASSERT_EQ(2u, groups.m_Starts.size());
    EXPECT_EQ(&pair.m_Chara.m_Flows[0], groups.m_Starts[0].flow);
    EXPECT_EQ(&pair.m_Chara.m_Flows[2], groups.m_Starts[1].flow);
}

// A flow starts with the first direction key held (0 to 9) as its start index; a character
// whose input does not exist reads no keys.
TEST_F(CharaFlows, StartIndexIsTheFirstKeyHeld) {
    const struct {
        const char* name;
        int direction, control1, control2, index;
    } cases[] = {
        {"nothing held: neutral", 0, 0, 0, 0}, {"left", 1, 0, 0, 1},        {"right and up", 6, 0, 0, 7},
        {"down", 8, 1, 5, 4},                  {"no such input", 8, 0, 3, 0}, {"negative input", 8, 0, -1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Hold(c.direction, 0, 1);
        cCharaActor chara = Chara({Flow(0)});
        chara.m_Control[0] = c.control1;
        chara.m_Control[1] = c.control2;
        m_Runtime.m_Starts.clear();
        chara.StartFlowsByTrigger(0);
        ASSERT_EQ(1u, m_Runtime.m_Starts.size());
        EXPECT_EQ(c.index, m_Runtime.m_Starts[0].startInput);
    }
}

// Use times in steps: (per-level time × level + time) × 6 × sub-steps, from the command's own
// numbers in tenths of a second; the entries point at the copy's own commands.
TEST_F(CharaFlows, UseTimesFromTimeLevelAndSubSteps) {
    const struct {
        int time, perLevel, level, speedLevel, steps;
    } cases[] = {{5, 1, 2, 1, 42}, {5, 1, 0, 1, 30}, {0, 0, 3, 1, 0}, {5, 1, 2, 3, 126}, {2, -1, 3, 1, -6}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.time << " + " << c.perLevel << " x " << c.level << " at level "
                                        << c.speedLevel);
        ProjectStage().SetSpeedLevel(c.speedLevel);
        cFlow flow = Flow(0);
        flow.m_Commands[0].m_Time = static_cast<uint16_t>(c.time);
        flow.m_Commands[0].m_CloneTime = static_cast<int16_t>(c.perLevel);
        cCharaActor chara;
        cEdChara record = Enemy();
        record.m_Flows.push_back(flow);
        chara.Setup(1, record, nullptr, 400, 400, c.level);
        ASSERT_EQ(1u, chara.m_Runners.size());
        EXPECT_EQ(c.steps, chara.m_Runners[0].m_Entries.at(0).m_UseTime);
        EXPECT_EQ(&chara.m_Chara.m_Flows[0].m_Commands[0], chara.m_Runners[0].m_Entries[0].m_Cmd);
    }
}

// Flows inserted at a place get runners there with new keys; the others keep theirs.
TEST_F(CharaFlows, InsertedFlowsGetRunnersInPlace) {
    const struct {
        int position;
        std::vector<int> ids;
    } cases[] = {{0, {9, 1, 2}}, {1, {1, 9, 2}}, {2, {1, 2, 9}}, {-1, {1, 2, 9}}, {7, {1, 2, 9}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.position);
        cCharaActor chara = Chara({Flow(0, 0, 1), Flow(0, 0, 2)});
        const int32_t keyOf1 = chara.m_Runners[0].m_Key;
        cRecordVector<cFlow> added;
        added.push_back(Flow(0, 0, 9, 2));
        chara.SetFlows(added, 0, 1, c.position);
        ASSERT_EQ(3u, chara.m_Runners.size());
        for (size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(c.ids[i], chara.m_Runners[i].m_Flow->m_Id);
            EXPECT_EQ(&chara.m_Chara.m_Flows[i], chara.m_Runners[i].m_Flow);
            EXPECT_EQ(static_cast<int32_t>(i), chara.m_Runners[i].m_Index);
        }
        const size_t at = c.position == 0 ? 0 : c.position == 1 ? 1 : 2;
        EXPECT_EQ(2u, chara.m_Runners[at].m_Entries.size());
        EXPECT_EQ(2, chara.m_Runners[at].m_Key);
        EXPECT_EQ(keyOf1, chara.m_Runners[at == 0 ? 1 : 0].m_Key);
    }
}

// Removing by id finishes and removes every flow of the id, with its animations, and answers
// the first one's index; id 0 empties everything; an id nobody has answers -1.
TEST_F(CharaFlows, RemovingFlowsById) {
    const struct {
        int id, answer;
        std::vector<int> left;
        size_t finished, animes;
    } cases[] = {{4, 1, {1, 5}, 2, 2}, {5, 2, {1, 4, 4}, 1, 3}, {7, -1, {1, 4, 5, 4}, 0, 4}, {0, 0, {}, 4, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        cCharaActor chara = Chara({Flow(0, 0, 1), Flow(0, 0, 4), Flow(0, 0, 5), Flow(0, 0, 4)});
        for (const cFlowRunner& runner : chara.m_Runners) {
            cRunningAnime anime;
            anime.m_FlowKey = runner.m_Key;
            chara.m_Animes.push_back(anime);
        }
        m_Runtime.m_Finishes.clear();
        EXPECT_EQ(c.answer, chara.RemoveFlowsById(c.id));
        EXPECT_EQ(c.finished, m_Runtime.m_Finishes.size());
        EXPECT_EQ(c.animes, chara.m_Animes.size());
        ASSERT_EQ(c.left.size(), chara.m_Runners.size());
        ASSERT_EQ(c.left.size(), chara.m_Chara.m_Flows.size());
        for (size_t i = 0; i < c.left.size(); ++i) {
            EXPECT_EQ(c.left[i], chara.m_Runners[i].m_Flow->m_Id);
            EXPECT_EQ(&chara.m_Chara.m_Flows[i], chara.m_Runners[i].m_Flow);
        }
    }
}

// Only a stage character that carries an item hands it out.
TEST_F(CharaFlows, HeldItems) {
    cItemObj item;
    cEdItem record;
    record.m_Graphic = 2;
    item.SetItem(3, record, 1);
    cCharaActor holder;
    holder.Setup(1, Enemy(), &item, 400, 400, 0);
    ASSERT_NE(nullptr, holder.GetHeldItem());
    EXPECT_EQ(3, holder.GetHeldItem()->m_Number);
    cCharaActor empty = Chara({});
    EXPECT_EQ(nullptr, empty.GetHeldItem());
    EXPECT_EQ(nullptr, static_cast<cActor&>(m_Scene.m_Players.at(0)).GetHeldItem());
}
