#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "data/Flow.h"
#include "data/FlowTables.h"
#include "data/ProjectDatabase.h"
#include "tests/data/FlowBytes.h"
#include "tests/support/RestoreOnExit.h"

namespace {

// The plain members and strings of a flow, with empty lists to follow.
cBytes& FlowHead(cBytes& b, uint8_t trigger, uint8_t testPlayOnly = 0, uint8_t id = 0) {
    return b.U32(8).U8(id).U8(0).U8(testPlayOnly).U8(0).U8(0).U8(trigger).U8(3).U8(0).U32(0);
}

cBytes& EmptyFlow(cBytes& b, uint8_t trigger = 0, uint8_t testPlayOnly = 0, uint8_t id = 0) {
    return FlowHead(b, trigger, testPlayOnly, id).U32(0).U32(0).U32(0);
}

// A command's plain members and text; its parameter records, sub-flows and parameters follow.
cBytes& CmdHead(cBytes& b, uint8_t set, uint8_t type, uint16_t time = 0, const std::string& text = "") {
    return b.U32(8).U8(set).U8(type).U16(time).U16(0).U8(0).U16(0).U8(1).U16(0).U32(1).Str(text);
}

cBytes& Params(cBytes& b, const std::vector<int32_t>& params) {
    b.U32(static_cast<uint32_t>(params.size()));
    for (int32_t p : params) b.I32(p);
    return b;
}

// A command without parameter records or sub-flows.
cBytes& PlainCmd(cBytes& b, uint8_t set, uint8_t type, const std::vector<int32_t>& params) {
    return Params(CmdHead(b, set, type).U32(0).U32(0).U32(0), params);
}

// A flow of one command, as a whole file of the given version.
std::string OneCommandFile(uint32_t version, uint8_t set, uint8_t type, const std::vector<int32_t>& params) {
    cBytes b;
    FlowHead(b.U32(version), 0).U32(0).U32(0).U32(1);
    return PlainCmd(b, set, type, params).Get();
}

// Every table of the database with a known number of rows.
void SizeDatabase() {
    cDatabase& db = ProjectDatabase();
    db.m_AnimeSets.resize(2);
    db.m_Animes.resize(3);
    db.m_SwordTypes.resize(2);
    db.m_Effects.resize(2);
    db.m_CharaEffects.resize(2);
    db.m_ScrEffects.resize(2);
    db.m_Pictures.resize(2);
    db.m_Sounds.resize(2);
    db.m_Bgms.resize(2);
}

// A flow with conditions, key conditions and commands of several types.
cFlow SampleFlow() {
    cFlow flow;
    flow.m_Id = 3;
    flow.m_Group = 2;
    flow.m_CondJudge = 1;
    flow.m_OnceTrue = 1;
    flow.m_Trigger = 17;
    flow.m_KeyRepeat = 1;

    cCondition cond;
    cond.m_Kind = 4;
    cond.m_Value = -5;
    cond.m_RandMin = 1;
    cond.m_RandMax = 9;
    cond.m_LeftOwner = 2;
    cond.m_LeftStatus = 3;
    cond.m_LeftKind = 1;
    cond.m_LeftVarScope = 1;
    cond.m_VarIndex = 300;
    cond.m_RightSource = 3;
    cond.m_RightOwner = 1;
    cond.m_RightStatus = 12;
    cond.m_RightVarIndex = 999;
    cond.m_Compare = 5;
    cond.m_Percent = 1;
    cond.m_DistAxis = 6;
    flow.m_Conditions.push_back(cond);

    cKeyCond key;
    key.m_SwapDir = 1;
    key.m_PressMin = 2;
    key.m_PressMax = 999;
    key.m_KeyJudge = 2;
    key.m_KeyStates[eKeyLeft] = 2;
    key.m_KeyStates[eKeyZ] = 1;
    flow.m_KeyConds.push_back(key);

    cFlowCmd wait;
    wait.m_CmdType = eCmdWait;
    wait.m_Time = 15;
    flow.m_Commands.push_back(wait);

    cFlowCmd move;
    move.m_CmdType = 2;
    move.m_Parallel = 1;
    move.m_Sound = 1;
    move.m_Anime = 2;
    move.m_Move = cEdMove::Create();
    move.m_Move->m_Speed = -200;
    flow.m_Commands.push_back(move);

    cFlowCmd sword;
    sword.m_CmdType = eCmdSword;
    sword.m_Time = 1;  // the swing of sword type 0
    sword.m_Shot = cEdShot::Create();
    flow.m_Commands.push_back(sword);

    cFlowCmd message;
    message.m_CmdType = 19;
    message.m_CloneTime = -500;
    message.m_SoundOnScreen = 0;
    message.m_Text = "こんにちは";
    message.m_Params = {8, 20, 15, -999, 999, 1, 2, 9999, 1};
    flow.m_Commands.push_back(message);
    return flow;
}

std::string SampleFlowFile() {
    cBytes b;
    b.U32(147).U32(8).U8(3).U8(2).U8(0).U8(1).U8(1).U8(17).U8(3).U8(1).U32(0);
    b.U32(1).U32(17).U8(4).I32(-5).I32(1).I32(9).U8(2).U8(3).U8(1).U8(1).U16(300);
    b.U8(3).U8(1).U8(12).U8(0).U16(999).U8(5).U8(1).U8(6).U32(0);
    b.U32(1).U32(5).U8(1).U16(2).U16(999).U8(0).U8(2).U32(0).U32(19);
    for (int k = 0; k < kKeyStates; ++k) b.U8(k == eKeyLeft ? 2 : k == eKeyZ ? 1 : 0);
    b.U32(4);
    // Wait: no parameter records, no parameters.
    b.U32(8).U8(0).U8(1).U16(15).U16(0).U8(0).U16(0).U8(1).U16(0).U32(1).Str("").U32(0).U32(0).U32(0).U32(0);
    // Straight movement: a movement record.
    b.U32(8).U8(0).U8(2).U16(0).U16(0).U8(1).U16(1).U8(1).U16(2).U32(1).Str("").U32(1);
    MoveBytes(b, -200).U32(0).U32(0).U32(0);
    // Sword: a shot record.
    b.U32(8).U8(0).U8(12).U16(1).U16(0).U8(0).U16(0).U8(1).U16(0).U32(1).Str("").U32(0).U32(1);
    ShotBytes(b).U32(0).U32(0);
    // Message: its text and nine parameters.
    b.U32(8).U8(0).U8(19).U16(0).U16(0xFE0C).U8(0).U16(0).U8(0).U16(0).U32(1).Str("こんにちは").U32(0).U32(0).U32(0);
    Params(b, {8, 20, 15, -999, 999, 1, 2, 9999, 1});
    return b.Get();
}

// Flows whose single command changes flows, each holding the next, levels deep.
std::string NestedFile(int levels) {
    cBytes b;
    b.U32(147);
    for (int level = 0; level < levels; ++level)
        CmdHead(FlowHead(b, 0).U32(0).U32(0).U32(1), 1, eItemCmdFlowChange).U32(0).U32(0).U32(1);
    EmptyFlow(b);
    for (int level = 0; level < levels; ++level) b.U32(0);
    return b.Get();
}

}  // namespace

TEST(Flow, SubFlowsLoadAtTheDepthsTheEditorMakes) {
    cFlow flow;
    ASSERT_TRUE(LoadBytes(flow, NestedFile(3)));
    EXPECT_EQ(1u, flow.m_Commands[0].m_SubFlows[0].m_Commands[0].m_SubFlows[0].m_Commands[0].m_SubFlows.size());
}

TEST(Flow, SavesTheLayoutByteForByteAndLoadsItBack) {
    cRestoreOnExit<cDatabase> keepDatabase(ProjectDatabase());
    SizeDatabase();
    cFlow flow = SampleFlow();
    EXPECT_EQ(SampleFlowFile(), SavedBytes(flow));

    cFlow loaded;
    ASSERT_TRUE(LoadBytes(loaded, SampleFlowFile()));
    EXPECT_TRUE(loaded == flow);
    EXPECT_EQ("こんにちは", loaded.m_Commands[3].m_Text);
    EXPECT_EQ(-200, loaded.m_Commands[1].m_Move->m_Speed);
    EXPECT_FALSE(loaded.m_Commands[1].m_Shot);
    EXPECT_EQ(SampleFlowFile(), SavedBytes(loaded));
}

TEST(Flow, CommandSavesItsSubFlows) {
    cFlowCmd change;
    change.m_CmdSet = 1;
    change.m_CmdType = eItemCmdFlowChange;
    change.m_Params = {1, 26};
    change.m_SubFlows.resize(2);
    change.m_SubFlows[1].m_Id = 5;
    change.m_SubFlows[1].m_Commands.resize(1);
    change.m_SubFlows[1].m_Commands[0].m_CmdType = eCmdCode;
    change.m_SubFlows[1].m_Commands[0].m_Text = "a=1";

    cBytes b;
    CmdHead(b.U32(147), 1, 1).U32(0).U32(0).U32(2);
    EmptyFlow(b);
    FlowHead(b, 0, 0, 5).U32(0).U32(0).U32(1);
    Params(CmdHead(b, 0, 36, 0, "a=1").U32(0).U32(0).U32(0), {});
    Params(b, {1, 26});
    EXPECT_EQ(b.Get(), SavedBytes(change));

    cFlowCmd loaded;
    ASSERT_TRUE(LoadBytes(loaded, b.Get()));
    EXPECT_TRUE(loaded == change);
}

TEST(Flow, OlderFilesAreUpgraded) {
    struct cCase {
        const char* what;
        std::string file;
        std::function<void(const cFlow&)> check;
    };
    auto trigger = [](uint32_t version, uint8_t stored) {
        cBytes b;
        return EmptyFlow(b.U32(version), stored).Get();
    };
    auto expectTrigger = [](uint8_t expected) {
        return [expected](const cFlow& f) { EXPECT_EQ(expected, f.m_Trigger); };
    };
    // A flow holding one condition in the layout of the file's version.
    auto condition = [](uint32_t version, bool percent) {
        cBytes b;
        FlowHead(b.U32(version), 0).U32(1).U32(percent ? 7 : 6).U8(2).I32(-50).U16(0x1234).U16(0x5678).U8(3);
        if (percent) b.U8(1);
        return b.U8(4).U32(0).U32(0).U32(0).Get();
    };
    auto expectCondition = [](uint8_t percent) {
        return [percent](const cFlow& f) {
            ASSERT_EQ(1u, f.m_Conditions.size());
            const cCondition& c = f.m_Conditions[0];
            EXPECT_EQ(2, c.m_Kind);
            EXPECT_EQ(-50, c.m_Value);
            EXPECT_EQ(3, c.m_Compare);
            EXPECT_EQ(percent, c.m_Percent);
            EXPECT_EQ(4, c.m_DistAxis);
            EXPECT_TRUE(c.m_RandMin == 0 && c.m_RandMax == 0 && c.m_VarIndex == 0 && c.m_RightVarIndex == 0 &&
                        c.m_LeftStatus == 0 && c.m_RightSource == 0);
        };
    };
    auto expectParams = [](std::vector<int32_t> expected) {
        return [expected](const cFlow& f) {
            ASSERT_EQ(1u, f.m_Commands.size());
            EXPECT_EQ(expected, f.m_Commands[0].m_Params);
        };
    };
    const cCase cases[] = {
        {"v131 trigger 13 becomes 14", trigger(131, 13), expectTrigger(14)},
        {"v131 trigger 11 becomes 12", trigger(131, 11), expectTrigger(12)},
        {"v131 trigger 10 stays", trigger(131, 10), expectTrigger(10)},
        {"v132 trigger 13 stays", trigger(132, 13), expectTrigger(13)},
        {"v109 condition without status fields", condition(109, true), expectCondition(1)},
        {"v42 condition without percent flag", condition(42, false), expectCondition(0)},
        {"v144 stage clear with 3 parameters", OneCommandFile(144, 0, 17, {1, 2, 3}), expectParams({1, 2, 3, 0, 0})},
        {"v144 stage clear with 7 parameters", OneCommandFile(144, 0, 17, {1, 2, 3, 4, 5, 6, 7}),
         expectParams({1, 2, 3, 4, 5})},
        {"v144 item stage clear", OneCommandFile(144, 1, 2, {9}), expectParams({9, 0, 0, 0, 0})},
        {"v145 stage clear sized by its type", OneCommandFile(145, 0, 17, {1, 2, 3}), expectParams({1, 2, 3, 0, 0})},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.what);
        cFlow flow;
        ASSERT_TRUE(LoadBytes(flow, c.file));
        c.check(flow);
    }
}

TEST(Flow, ValidationResetsMissingRowsAndSizesParameters) {
    cRestoreOnExit<cDatabase> keepDatabase(ProjectDatabase());
    SizeDatabase();
    struct {
        uint8_t set, type;
        uint16_t anime, sound;
        std::vector<int32_t> params;
        uint16_t expectAnime, expectSound;
        std::vector<int32_t> expectParams;
    } cases[] = {
        {0, eCmdAnime, 65535, 0, {3}, 0, 0, {1}},
        {0, eCmdAnime, 2, 2, {2}, 2, 0, {2}},
        {0, eCmdBaseAnimeSet, 0, 1, {2}, 0, 1, {0}},
        {0, eCmdBaseAnimeSet, 0, 0, {1}, 0, 0, {1}},
        {1, 11, 0, 0, {-1}, 0, 0, {0}},
        {1, 12, 0, 0, {5}, 0, 0, {1}},
        {0, eCmdEffect, 0, 0, {2, 4}, 0, 0, {1, 4, 0, 0, 0, 0, 0, 0}},
        {1, 13, 0, 0, {1}, 0, 0, {1, 0, 0, 0, 0, 0, 0, 0}},
        {0, eCmdCharaEffect, 0, 0, {-5}, 0, 0, {1, 0}},
        {0, eCmdScrEffect, 0, 0, {9, 1}, 0, 0, {1, 1}},
        {0, eCmdPicture, 0, 0, {2}, 0, 0, {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {0, eCmdSound, 0, 0, {2}, 0, 0, {1}},
        {1, 19, 0, 0, {1}, 0, 0, {1}},
        {0, eCmdBgm, 0, 0, {7}, 0, 0, {1}},
        {1, 20, 0, 0, {}, 0, 0, {0}},
        {0, 22, 0, 0, {1, 2, 3}, 0, 0, {1, 2, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {0, 22, 0, 0, std::vector<int32_t>(20, 7), 0, 0, std::vector<int32_t>(18, 7)},
        {0, 9, 0, 0, {}, 0, 0, {0}},
        {0, 2, 0, 0, {1}, 0, 0, {}},
        {1, eItemCmdFlowChange, 0, 0, {1, 3, 4}, 0, 0, {1, 3}},
        // Outside the tables: no parameter count to read.
        {0, 40, 0, 0, {1, 2}, 0, 0, {}},
        {2, 1, 0, 0, {5}, 0, 0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "set " << int(c.set) << " type " << int(c.type));
        cFlowCmd cmd;
        cmd.m_CmdSet = c.set;
        cmd.m_CmdType = c.type;
        cmd.m_Anime = c.anime;
        cmd.m_Sound = c.sound;
        cmd.m_Params = c.params;
        cmd.Validate();
        EXPECT_EQ(c.expectAnime, cmd.m_Anime);
        EXPECT_EQ(c.expectSound, cmd.m_Sound);
        EXPECT_EQ(c.expectParams, cmd.m_Params);
    }
}

TEST(Flow, SwordTakesTheTimeOfItsSwordType) {
    cRestoreOnExit<cDatabase> keepDatabase(ProjectDatabase());
    cDatabase& db = ProjectDatabase();
    db.m_SwordTypes.resize(3);
    db.m_SwordTypes[1].m_Positions.resize(2);
    db.m_SwordTypes[1].m_Positions[0].m_Time = 6000;
    db.m_SwordTypes[1].m_Positions[1].m_Time = 5000;
    db.m_SwordTypes[2].m_Positions.resize(2);
    db.m_SwordTypes[2].m_Positions[0].m_Time = 10;
    db.m_SwordTypes[2].m_Positions[1].m_Time = 20;
    struct {
        bool shot;
        uint8_t swordType;
        uint16_t expectTime;
        uint8_t expectType;
    } cases[] = {
        {true, 1, 9999, 1},
        {true, 2, 30, 2},
        {true, 0, 1, 0},
        {true, 3, 77, 0},  // no such sword type: the type is reset, the time kept
        {false, 0, 1, 0},  // no shot parameters: a default record is given
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.swordType));
        cFlowCmd sword;
        sword.m_CmdType = eCmdSword;
        sword.m_Time = 77;
        if (c.shot) {
            sword.m_Shot = cEdShot::Create();
            sword.m_Shot->m_MoveType = c.swordType;
        }
        sword.Validate();
        ASSERT_TRUE(sword.m_Shot);
        EXPECT_EQ(c.expectTime, sword.m_Time);
        EXPECT_EQ(c.expectType, sword.m_Shot->m_MoveType);
    }
    EXPECT_EQ(9999, SumDurations(db, 1));
    EXPECT_EQ(0, SumDurations(db, 3));
}

TEST(Flow, SwordWithoutShotParametersLoadsWithDefaultOnes) {
    cFlow flow;
    ASSERT_TRUE(LoadBytes(flow, OneCommandFile(147, 0, eCmdSword, {})));
    ASSERT_TRUE(flow.m_Commands[0].m_Shot);
    EXPECT_EQ(0, flow.m_Commands[0].m_Shot->m_MoveType);
    EXPECT_EQ(1, flow.m_Commands[0].m_Time);
}

TEST(Flow, ValidationReachesCommandsOfSubFlows) {
    cFlow flow;
    flow.m_Commands.resize(1);
    cFlowCmd& change = flow.m_Commands[0];
    change.m_CmdSet = 1;
    change.m_CmdType = eItemCmdFlowChange;
    change.m_SubFlows.resize(1);
    change.m_SubFlows[0].m_Commands.resize(1);
    change.m_SubFlows[0].m_Commands[0].m_Anime = 99;
    change.m_SubFlows[0].m_Commands[0].m_CmdType = eCmdAnime;
    change.m_SubFlows[0].m_Commands[0].m_Params = {99};
    flow.Validate();
    EXPECT_EQ(0, change.m_SubFlows[0].m_Commands[0].m_Anime);
    EXPECT_EQ(std::vector<int32_t>{1}, change.m_SubFlows[0].m_Commands[0].m_Params);
}

TEST(Flow, KeyStateListAlwaysHasOneEntryPerKey) {
    EXPECT_EQ(19u, cKeyCond().m_KeyStates.size());
    for (uint32_t stored : {0u, 5u, 19u, 25u}) {
        SCOPED_TRACE(stored);
        cBytes b;
        FlowHead(b.U32(147), 0).U32(0).U32(1).U32(5).U8(0).U16(1).U16(1).U8(0).U8(0).U32(0).U32(stored);
        for (uint32_t k = 0; k < stored; ++k) b.U8(k == 4 ? 1 : 2);
        b.U32(0);
        cFlow flow;
        ASSERT_TRUE(LoadBytes(flow, b.Get()));
        const std::vector<uint8_t>& states = flow.m_KeyConds[0].m_KeyStates;
        ASSERT_EQ(19u, states.size());
        for (uint32_t k = 0; k < 19; ++k) EXPECT_EQ(k < stored ? (k == 4 ? 1 : 2) : 0, states[k]) << k;
    }
}

TEST(Flow, MalformedFilesFailAndChangeNothing) {
    cBytes hugeParams;
    FlowHead(hugeParams.U32(147), 0).U32(0).U32(0).U32(1);
    CmdHead(hugeParams, 0, 9).U32(0).U32(0).U32(0).U32(0x3FFFFFFF).I32(1);
    cBytes presence;
    FlowHead(presence.U32(147), 0).U32(0).U32(0).U32(1);
    MoveBytes(CmdHead(presence, 0, 2).U32(2)).U32(0).U32(0).U32(0);
    struct {
        const char* what;
        std::string file;
    } cases[] = {
        {"character type outside the table", OneCommandFile(147, 0, 37, {})},
        {"item type outside the table", OneCommandFile(147, 1, 22, {})},
        {"command set other than character or item", OneCommandFile(147, 2, 1, {})},
        {"parameter count beyond the file", hugeParams.Get()},
        {"presence word other than 0 or 1", presence.Get()},
        {"sub-flows nested deeper than any editor makes", NestedFile(40)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        cFlow flow = SampleFlow();
        EXPECT_FALSE(LoadBytes(flow, c.file));
        EXPECT_TRUE(flow == SampleFlow());
    }

    // Every cut of a good file fails too.
    std::string file = SampleFlowFile();
    for (size_t cut = 0; cut < file.size(); ++cut) {
        cFlow flow;
        EXPECT_FALSE(LoadBytes(flow, file.substr(0, cut))) << cut;
    }
}

TEST(Flow, CopiesAreIndependentOfTheirSource) {
    cFlow source = SampleFlow();
    source.m_Commands[1].m_SubFlows = {SampleFlow()};
    cFlow copy = source;
    EXPECT_TRUE(copy == source);
    EXPECT_NE(source.m_Commands[1].m_Move.get(), copy.m_Commands[1].m_Move.get());
    EXPECT_NE(source.m_Commands[2].m_Shot.get(), copy.m_Commands[2].m_Shot.get());

    std::vector<std::function<void(cFlow&)>> changes = {
        [](cFlow& f) { f.m_Commands[1].m_Move->m_Speed = 5; },
        [](cFlow& f) { f.m_Commands[2].m_Shot->m_Power = 5; },
        [](cFlow& f) { f.m_Commands[3].m_Params[0] = 5; },
        [](cFlow& f) { f.m_Commands[3].m_Text = "x"; },
        [](cFlow& f) { f.m_Conditions[0].m_Value = 5; },
        [](cFlow& f) { f.m_KeyConds[0].m_KeyStates[0] = 1; },
        [](cFlow& f) { f.m_Commands[1].m_SubFlows[0].m_Commands[1].m_Move->m_Speed = 5; },
        [](cFlow& f) { f.m_Commands[1].m_Move.reset(); },
    };
    for (size_t i = 0; i < changes.size(); ++i) {
        SCOPED_TRACE(i);
        cFlow a = source;
        cFlow b;
        b = a;  // assignment as well as construction
        changes[i](b);
        EXPECT_FALSE(a == b);
        EXPECT_TRUE(a == source);
    }

    // A command without records takes copies of the source's; the source can then go.
    cFlowCmd target;
    {
        cFlowCmd shooter = source.m_Commands[2];
        shooter.m_Move = cEdMove::Create();
        target = shooter;
        shooter.m_Shot->m_Power = 9;
    }
    ASSERT_TRUE(target.m_Shot && target.m_Move);
    EXPECT_EQ(0, target.m_Shot->m_Power);
    // An empty source empties the destination.
    target = cFlowCmd();
    EXPECT_FALSE(target.m_Shot || target.m_Move);
}

TEST(Flow, TestPlayFlowsAreDroppedOnlyWhenTheProgramSaysSo) {
    auto ids = [](const cRecordVector<cFlow>& flows) {
        std::vector<int> result;
        for (const cFlow& f : flows) result.push_back(f.m_Id);
        return result;
    };
    cRecordVector<cFlow> flows(6);
    const int marked[] = {0, 1, 1, 0, 1, 0};
    for (int i = 0; i < 6; ++i) {
        flows[i].m_Id = static_cast<uint8_t>(i + 1);
        flows[i].m_TestPlayOnly = static_cast<uint8_t>(marked[i]);
    }
    cRecordVector<cFlow> removed = flows;
    RemoveTestPlayFlows(removed);
    EXPECT_EQ((std::vector<int>{1, 4, 6}), ids(removed));

    // A command's sub-flows as a file.
    cBytes b;
    CmdHead(b.U32(147), 1, eItemCmdFlowChange).U32(0).U32(0).U32(3);
    EmptyFlow(b, 0, 1, 1);
    EmptyFlow(b, 0, 1, 2);
    EmptyFlow(b, 0, 0, 3);
    Params(b, {1, 0, 0});
    cFlowCmd cmd;
    ASSERT_TRUE(LoadBytes(cmd, b.Get()));
    EXPECT_EQ((std::vector<int>{1, 2, 3}), ids(cmd.m_SubFlows));

    cScopedSetting<bool> drop(DropsTestPlayFlows, SetDropTestPlayFlows, true);
    ASSERT_TRUE(LoadBytes(cmd, b.Get()));
    EXPECT_EQ(std::vector<int>{3}, ids(cmd.m_SubFlows));
    EXPECT_EQ((std::vector<int32_t>{1, 0}), cmd.m_Params);  // the command itself stays, validated
    DropTestPlayFlows(flows);
    EXPECT_EQ((std::vector<int>{1, 4, 6}), ids(flows));
}
