#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "data/Expr.h"
#include "data/Flow.h"
#include "framework/ErrorLog.h"
#include "game/flow/FlowStatus.h"
#include "game/flow/StatusMath.h"
#include "game/flow/StatusOperation.h"
#include "tests/game/flow/FlowFixture.h"
#include "tests/support/CloseCounter.h"
#include "tests/support/TempDir.h"

namespace {

// The parameters of one "ステータスの操作", written the way the editor's dialog fills them.
struct cOp {
    std::vector<int32_t> p = std::vector<int32_t>(18, 0);

    cOp& Status(int32_t whose, int32_t status, int32_t slot = 1) {
        p[0] = 0;
        p[3] = whose;
        p[4] = status;
        p[2] = slot;
        return *this;
    }
    cOp& Variable(int32_t scope, int32_t number) {
        p[0] = 1;
        p[1] = scope;
        p[2] = number;
        return *this;
    }
    cOp& By(int32_t op, int32_t constant) {
        p[5] = op;
        p[6] = eSourceConstant;
        p[7] = constant;
        return *this;
    }
    cOp& ByRandom(int32_t op, int32_t low, int32_t high) {
        p[5] = op;
        p[6] = eSourceRandom;
        p[8] = low;
        p[9] = high;
        return *this;
    }
    cOp& ByStatus(int32_t op, int32_t whose, int32_t status, int32_t slot = 1) {
        p[5] = op;
        p[6] = eSourceStatus;
        p[12] = whose;
        p[13] = status;
        p[11] = slot;
        return *this;
    }
    cOp& ByVariable(int32_t op, int32_t scope, int32_t number) {
        p[5] = op;
        p[6] = eSourceVariable;
        p[10] = scope;
        p[11] = number;
        return *this;
    }
    cOp& Set(int index, int32_t value) {
        p[index] = value;
        return *this;
    }
    cFlowCmd Command() const {
        cFlowCmd command;
        command.m_CmdType = 22;
        command.m_Params = p;
        return command;
    }
};
const int kPercent = 14, kLifeMode = 15, kShowBar = 16, kSkipInvincible = 17;

typedef std::function<int32_t(cFlowFixture&)> cProbe;

struct cOpCase {
    const char* name;
    cOp op;
    std::function<void(cFlowFixture&)> setUp;  // may be empty
    cProbe probe;
    int32_t expected;
    int result;
};

int32_t OwnerHp(cFlowFixture& f) { return f.owner.m_Hp; }
int32_t TargetHp(cFlowFixture& f) { return f.target.m_Hp; }
int32_t OwnerZ(cFlowFixture& f) { return f.owner.m_Chara.m_Z; }
int32_t Common(cFlowFixture&, int number) { return StoryState().Variable(number); }

}  // namespace

TEST(StatusMath, ComparesInWholeNumbers) {
    struct cCase {
        int64_t left;
        int32_t op;
        int64_t right;
        int expected;
    } cases[] = {
        {5, eCompareEqual, 5, 1},      {5, eCompareNotEqual, 5, 0}, {5, eCompareAtLeast, 5, 1},
        {4, eCompareAtLeast, 5, 0},    {5, eCompareAtMost, 5, 1},   {5, eCompareAbove, 5, 0},
        {6, eCompareAbove, 5, 1},      {4, eCompareBelow, 5, 1},    {5, 6, 5, 0},
        {5, -1, 5, 0},                 {3, eCompareEqual, 259, 0},  {INT_MIN, eCompareBelow, INT_MAX, 1},
    };
    for (const cCase& c : cases) EXPECT_EQ(CompareInt(c.left, c.op, c.right), c.expected) << c.left << " " << c.op;
}

TEST(StatusMath, PercentRoundsHalvesAwayFromZero) {
    struct cCase {
        int32_t base, value, expected;
    } cases[] = {
        {25, 50, 13},           {-25, 50, -13},         {3, 50, 2},          {1249, 1, 12},
        {-1249, 1, -12},        {0, 999999, 0},         {200, 50, 100},      {999999, 999999, INT_MAX},
        {-999999, 999999, INT_MIN}, {INT_MIN, 100, INT_MIN}, {INT_MAX, -1, -21474836},
    };
    for (const cCase& c : cases) EXPECT_EQ(PercentOf(c.base, c.value), c.expected) << c.base << " " << c.value;
}

TEST(StatusMath, OperatorsWorkIn64BitsWithinTheBounds) {
    struct cCase {
        int32_t current, op, value, lower, upper, expected;
    } cases[] = {
        {5, eAssignSet, 9, 0, 7, 7},
        {5, eAssignAdd, 10, 0, 7, 7},
        {5, eAssignMul, 100, 0, 7, 7},
        {5, eAssignSub, 10, -20, 20, -5},
        {999999, eAssignMul, 999999, -999999, 999999, 999999},
        {-999999, eAssignMul, 999999, -999999, 999999, -999999},
        {INT_MIN, eAssignDiv, -1, INT_MIN, INT_MAX, INT_MAX},
        {INT_MIN, eAssignMod, -1, INT_MIN, INT_MAX, 0},
        {7, eAssignDiv, 2, -99, 99, 3},
        {-7, eAssignDiv, 2, -99, 99, -3},
        {-7, eAssignMod, 2, -99, 99, -1},
        {40, eAssignDiv, 0, 0, 99, 40},
        {40, eAssignMod, 0, 0, 99, 40},
        {140, eAssignDiv, 0, 0, 99, 99},
        {25, eAssignPercent, 50, 0, 99, 13},
        {999999, eAssignPercent, 999999, -999999, 999999, 999999},
        {INT_MAX, eAssignAdd, INT_MAX, INT_MIN, INT_MAX, INT_MAX},
        {12, 7, 5, 0, 99, 12},
    };
    for (const cCase& c : cases)
        EXPECT_EQ(ApplyOpInt(c.current, c.op, c.value, c.lower, c.upper), c.expected) << c.current << " op " << c.op;
}

// One operation on the headless stage: what it wrote and whether it acted.
TEST(StatusOperation, OperationsWriteWithinTheBoundsAndWidths) {
    const cOpCase cases[] = {
        {"HP set", cOp().Status(eOwnerSelf, eStatusHp).By(eAssignSet, 70), nullptr, OwnerHp, 70, 1},
        {"HP above the maximum", cOp().Status(eOwnerSelf, eStatusHp).By(eAssignAdd, 1000), nullptr, OwnerHp, 100, 1},
        {"HP half the maximum, rounded", cOp().Status(eOwnerTarget, eStatusHp).By(eAssignSet, 50).Set(kLifeMode, 1),
         [](cFlowFixture& f) { f.target.m_MaxHp = 25; }, TargetHp, 13, 1},
        {"HP percent of itself", cOp().Status(eOwnerSelf, eStatusHp).By(eAssignAdd, 10).Set(kLifeMode, 2), nullptr,
         OwnerHp, 55, 1},
        {"HP unknown mode", cOp().Status(eOwnerSelf, eStatusHp).By(eAssignSet, 1).Set(kLifeMode, 3), nullptr, OwnerHp,
         50, 0},
        {"HP percent flag is the mode's", cOp().Status(eOwnerSelf, eStatusHp).By(eAssignAdd, 10).Set(kPercent, 1),
         nullptr, OwnerHp, 60, 1},
        {"SP cut to the maximum", cOp().Status(eOwnerSelf, eStatusSp).By(eAssignSet, 99), nullptr,
         [](cFlowFixture& f) { return f.owner.m_Sp; }, 40, 1},
        {"SP bar", cOp().Status(eOwnerSelf, eStatusSp).By(eAssignSub, 10).Set(kShowBar, 1), nullptr,
         [](cFlowFixture& f) { return f.owner.m_SpGauge.m_Timer; }, 120, 1},
        {"max HP lowers HP", cOp().Status(eOwnerSelf, eStatusMaxHp).By(eAssignSet, 20), nullptr, OwnerHp, 20, 1},
        {"max HP raised keeps HP", cOp().Status(eOwnerSelf, eStatusMaxHp).By(eAssignMul, 999999), nullptr, OwnerHp, 50,
         1},
        {"max HP percent", cOp().Status(eOwnerSelf, eStatusMaxHp).By(eAssignSet, 50).Set(kPercent, 1), nullptr,
         [](cFlowFixture& f) { return f.owner.m_MaxHp; }, 50, 1},
        {"Z plus 10", cOp().Status(eOwnerSelf, eStatusZ).By(eAssignAdd, 10), nullptr, OwnerZ, 7, 1},
        {"Z times 100", cOp().Status(eOwnerSelf, eStatusZ).By(eAssignMul, 100),
         [](cFlowFixture& f) { f.owner.m_Chara.m_Z = 5; }, OwnerZ, 7, 1},
        {"Z stale percent flag", cOp().Status(eOwnerSelf, eStatusZ).By(eAssignAdd, 2).Set(kPercent, 1), nullptr, OwnerZ,
         5, 1},
        {"mark", cOp().Status(eOwnerTarget, eStatusMark).By(eAssignSet, 500), nullptr,
         [](cFlowFixture& f) { return f.target.m_Chara.m_Mark; }, 119, 1},
        {"impact", cOp().Status(eOwnerSelf, eStatusImpact).By(eAssignSub, 99), nullptr,
         [](cFlowFixture& f) { return f.owner.m_Chara.m_BodyImpact; }, -20, 1},
        {"stop", cOp().Status(eOwnerSelf, eStatusStop).By(eAssignSet, 300), nullptr,
         [](cFlowFixture& f) { return f.owner.m_Chara.m_StopEase; }, 200, 1},
        {"power percent", cOp().Status(eOwnerSelf, eStatusPower).By(eAssignSet, 250).Set(kPercent, 1), nullptr,
         [](cFlowFixture& f) { return f.owner.m_Chara.m_BodyPower; }, 25, 1},
        {"character variable 8", cOp().Status(eOwnerTarget, eStatusVariable, 8).By(eAssignSet, -5), nullptr,
         [](cFlowFixture& f) { return f.target.m_Flow.m_Variables[7]; }, -5, 1},
        {"score gained", cOp().Status(eOwnerSelf, eStatusScore).By(eAssignSet, -1234567), nullptr,
         [](cFlowFixture& f) { return f.owner.m_Chara.m_Score; }, -999999, 1},
        {"variable 999999 x -999999", cOp().Variable(eScopeCommon, 4).By(eAssignMul, -999999),
         [](cFlowFixture&) { StoryState().SetVariable(4, 999999); }, [](cFlowFixture& f) { return Common(f, 4); },
         -999999, 1},
        {"variable percent of -999999 by 999999", cOp().Variable(eScopeCommon, 4).By(eAssignSet, -999999).Set(kPercent, 1),
         [](cFlowFixture&) { StoryState().SetVariable(4, 999999); }, [](cFlowFixture& f) { return Common(f, 4); },
         -999999, 1},
        {"variable / 0", cOp().Variable(eScopeStage, 9).By(eAssignDiv, 0), [](cFlowFixture& f) { f.scene.m_StageVars[9] = 40; },
         [](cFlowFixture& f) { return f.scene.m_StageVars[9]; }, 40, 1},
        {"variable % 0", cOp().Variable(eScopeCommon, 255).By(eAssignMod, 0),
         [](cFlowFixture&) { StoryState().SetVariable(255, 41); }, [](cFlowFixture& f) { return Common(f, 255); }, 41, 1},
        {"variable from the target's HP", cOp().Variable(eScopeCommon, 1).ByStatus(eAssignSet, eOwnerTarget, eStatusHp),
         nullptr, [](cFlowFixture& f) { return Common(f, 1); }, 30, 1},
        {"variable from a character variable",
         cOp().Variable(eScopeCommon, 1).ByStatus(eAssignSet, eOwnerTarget, eStatusVariable, 3), nullptr,
         [](cFlowFixture& f) { return Common(f, 1); }, 1234, 1},
        {"variable from time", cOp().Variable(eScopeCommon, 1).ByStatus(eAssignSet, eOwnerSystem, eSystemTime), nullptr,
         [](cFlowFixture& f) { return Common(f, 1); }, 300, 1},
        {"variable from time switched off", cOp().Variable(eScopeCommon, 1).ByStatus(eAssignSet, eOwnerSystem, eSystemTime),
         [](cFlowFixture& f) { f.scene.m_NoTimeLimit = 1; }, [](cFlowFixture& f) { return Common(f, 1); }, 0, 1},
        {"variable from a stage variable", cOp().Variable(eScopeCommon, 1).ByVariable(eAssignAdd, eScopeStage, 3),
         [](cFlowFixture& f) { f.scene.m_StageVars[3] = 77; }, [](cFlowFixture& f) { return Common(f, 1); }, 77, 1},
        {"random 3..3", cOp().Variable(eScopeCommon, 1).ByRandom(eAssignSet, 3, 3), nullptr,
         [](cFlowFixture& f) { return Common(f, 1); }, 3, 1},
        {"time", cOp().Status(eOwnerSystem, eSystemTime).By(eAssignAdd, 5000), nullptr,
         [](cFlowFixture& f) { return f.scene.m_TimeLeft; }, 999, 1},
        {"lives", cOp().Status(eOwnerSystem, eSystemLives).By(eAssignSub, 10), nullptr,
         [](cFlowFixture&) { return StoryState().m_Lives; }, 0, 1},
        {"score percent", cOp().Status(eOwnerSystem, eSystemScore).By(eAssignSet, 50).Set(kPercent, 1),
         [](cFlowFixture&) { StoryState().m_Score = 301; }, [](cFlowFixture&) { return StoryState().m_Score; }, 151, 1},
        {"no target", cOp().Status(eOwnerTarget, eStatusHp).By(eAssignSet, 1),
         [](cFlowFixture& f) { f.owner.m_Flow.m_Target = nullptr; }, TargetHp, 30, 0},
        {"invincible target skipped", cOp().Status(eOwnerTarget, eStatusHp).By(eAssignSub, 5).Set(kSkipInvincible, 1),
         [](cFlowFixture& f) { f.target.m_Chara.m_Invincible = 1; }, TargetHp, 30, 0},
        {"invincible target hit", cOp().Status(eOwnerTarget, eStatusHp).By(eAssignSub, 5),
         [](cFlowFixture& f) { f.target.m_Chara.m_Invincible = 1; }, TargetHp, 25, 1},
        {"source without a target", cOp().Variable(eScopeCommon, 1).ByStatus(eAssignSet, eOwnerTarget, eStatusHp),
         [](cFlowFixture& f) {
             f.owner.m_Flow.m_Target = nullptr;
             StoryState().SetVariable(1, 8);
         },
         [](cFlowFixture& f) { return Common(f, 1); }, 8, 0},
        {"source sight without sight", cOp().Variable(eScopeCommon, 1).ByStatus(eAssignSet, eOwnerSelf, eStatusSight),
         [](cFlowFixture& f) {
             f.owner.m_Chara.m_SightShape = 0;
             StoryState().SetVariable(1, 8);
         },
         [](cFlowFixture& f) { return Common(f, 1); }, 8, 0},
    };
    for (const cOpCase& c : cases) {
        SCOPED_TRACE(c.name);
        cFlowFixture f;
        if (c.setUp) c.setUp(f);
        EXPECT_EQ(ExecStatusOperation(f.owner, c.op.Command()), c.result);
        EXPECT_EQ(c.probe(f), c.expected);
        EXPECT_TRUE(LoggedFlowFaults().empty());
    }
}

// What follows a change: the scene's defeat check for another character, the scroll axis, the
// sight mask and the friction.
TEST(StatusOperation, ChangesReachTheScene) {
    {
        cFlowFixture f;
        ExecStatusOperation(f.owner, cOp().Status(eOwnerSelf, eStatusHp).By(eAssignSet, 0).Command());
        EXPECT_EQ(f.owner.m_Hp, 0);
        EXPECT_EQ(f.scene.m_Flow.m_HpCheck, 0);
        ExecStatusOperation(f.owner, cOp().Status(eOwnerTarget, eStatusHp).By(eAssignSub, 10).Command());
        EXPECT_EQ(f.scene.m_Flow.m_HpCheck, 0);
        ExecStatusOperation(f.owner, cOp().Status(eOwnerTarget, eStatusMaxHp).By(eAssignSet, 0).Command());
        EXPECT_EQ(f.target.m_Hp, 0);
        EXPECT_EQ(f.scene.m_Flow.m_HpCheck, 1);
    }
    {
        cFlowFixture f;
        f.scene.m_ScrollX.SetUp(0, 100);
        f.scene.m_ScrollX.SetSpeed(1, 0);
        f.scene.m_ScrollX.m_Divisor = 2.0;
        f.scene.m_ScrollX.m_Pos = f.scene.m_ScrollX.m_Min;
        ExecStatusOperation(f.owner, cOp().Status(eOwnerSystem, eSystemScrollX).By(eAssignSet, 4).Command());
        EXPECT_EQ(f.scene.m_ScrollX.m_Speed, 4);
        EXPECT_EQ(f.scene.m_ScrollX.m_Auto, 1);
        EXPECT_DOUBLE_EQ(f.scene.m_ScrollX.m_AutoSpeed, 0.2);
        ExecStatusOperation(f.owner, cOp().Status(eOwnerSystem, eSystemScrollY).By(eAssignSub, 999).Command());
        EXPECT_EQ(f.scene.m_ScrollY.m_Speed, -480);
        EXPECT_EQ(f.scene.m_ScrollY.m_Auto, 0);
    }
    {
        cFlowFixture f;
        ExecStatusOperation(f.owner, cOp().Status(eOwnerTarget, eStatusSight).By(eAssignAdd, 99).Command());
        EXPECT_EQ(f.target.m_Chara.m_SightRange, 40);
        EXPECT_EQ(f.target.m_Flow.m_SightRadius, 640);
        EXPECT_EQ(f.scene.m_Flow.m_SightChanged, 1);
    }
    {
        cFlowFixture f;
        f.owner.m_Chara.m_SightShape = 0;
        EXPECT_EQ(ExecStatusOperation(f.owner, cOp().Status(eOwnerSelf, eStatusSight).By(eAssignSet, 9).Command()), 0);
        EXPECT_EQ(f.owner.m_Chara.m_SightRange, 4);
        EXPECT_EQ(f.scene.m_Flow.m_SightChanged, 0);
    }
    {
        cFlowFixture f;
        ProjectStage().SetSpeedLevel(2);
        ExecStatusOperation(f.owner, cOp().Status(eOwnerSelf, eStatusStop).By(eAssignSet, 100).Command());
        EXPECT_DOUBLE_EQ(f.owner.m_Friction, 0.25);
    }
}

// A random source draws once from the scene's generator on every evaluation, whatever the
// range and whether or not the operation then finds its target.
TEST(StatusOperation, RandomSourcesDrawOnceFromTheScene) {
    struct cCase {
        int32_t low, high;
        bool target;
    } cases[] = {{0, 5, true}, {5, 1, true}, {3, 3, true}, {INT_MIN, INT_MAX, true}, {INT_MAX, INT_MIN, true}, {0, 5, false}};
    for (const cCase& c : cases) {
        for (uint32_t seed : {1u, 77u, 123456789u}) {
            SCOPED_TRACE(std::to_string(c.low) + ".." + std::to_string(c.high) + " seed " + std::to_string(seed));
            cFlowFixture f;
            f.scene.m_Random.Seed(seed);
            cPlayRandom expected = f.scene.m_Random;
            const int32_t draw = expected.Next();
            const int64_t lower = std::min(c.low, c.high), upper = std::max(c.low, c.high);
            const int64_t value = lower + draw % (upper - lower + 1);
            if (!c.target) f.owner.m_Flow.m_Target = nullptr;
            ExecStatusOperation(f.owner, cOp().Status(eOwnerTarget, eStatusVariable, 1).ByRandom(eAssignSet, c.low, c.high).Command());
            EXPECT_EQ(f.target.m_Flow.m_Variables[0], c.target ? Bound(value, -999999, 999999) : 0);
            EXPECT_EQ(f.scene.m_Random.Next(), expected.Next());
        }
    }
}

// Numbers outside their lists: nothing is written, the fault is logged once, the game stays open.
TEST(StatusOperation, NumbersOutsideTheirListsAreLoggedOnce) {
    struct cCase {
        const char* name;
        cOp op;
        const char* logged;
    } cases[] = {
        {"variable 300", cOp().Variable(eScopeCommon, 300).By(eAssignSet, 1), "Flow variable 300 of scope 0 outside the list"},
        {"scope 2", cOp().Variable(2, 1).By(eAssignSet, 1), "Flow variable 1 of scope 2 outside the list"},
        {"slot 9", cOp().Status(eOwnerSelf, eStatusVariable, 9).By(eAssignSet, 1), "Flow character variable 9 outside the list"},
        {"slot 0", cOp().Status(eOwnerSelf, eStatusVariable, 0).By(eAssignSet, 1), "Flow character variable 0 outside the list"},
        {"status 13", cOp().Status(eOwnerSelf, 13).By(eAssignSet, 1), "Flow character status 13 outside the list"},
        {"system 5", cOp().Status(eOwnerSystem, 5).By(eAssignSet, 1), "Flow system status 5 outside the list"},
        {"whose 3", cOp().Status(3, eStatusHp).By(eAssignSet, 1), "Flow status owner 3 outside the list"},
        {"side 2", cOp().Set(0, 2).By(eAssignSet, 1), "Flow operation side 2 outside the list"},
        {"source 4", cOp().Variable(eScopeCommon, 1).Set(6, 4), "Flow value source 4 outside the list"},
        {"source variable 256", cOp().Variable(eScopeCommon, 1).ByVariable(eAssignSet, eScopeStage, 256),
         "Flow variable 256 of scope 1 outside the list"},
        {"source status 200", cOp().Variable(eScopeCommon, 1).ByStatus(eAssignSet, eOwnerTarget, 200),
         "Flow character status 200 outside the list"},
    };
    cTempDir dir;
    cCloseCounter main;
    HWND previousMain = GetMainWindow();
    SetMainWindow(main.Wnd());
    SetErrorLog(1, "log.txt");
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cFlowFixture f;
        const cStorySave story = StoryState();
        const cCharaActor owner = f.owner;
        EXPECT_EQ(ExecStatusOperation(f.owner, c.op.Command()), 0);
        EXPECT_EQ(ExecStatusOperation(f.owner, c.op.Command()), 0);
        EXPECT_EQ(StoryState().m_Variables, story.m_Variables);
        EXPECT_EQ(f.owner.m_Hp, owner.m_Hp);
        EXPECT_EQ(f.owner.m_Flow.m_Variables[0], 0);
        EXPECT_EQ(LoggedFlowFaults(), std::set<std::string>{c.logged});
        const std::string log = dir.Read("log.txt");
        const size_t at = log.find(c.logged);
        EXPECT_NE(at, std::string::npos);
        EXPECT_EQ(log.find(c.logged, at + 1), std::string::npos);
    }
    EXPECT_EQ(main.Closes(), 0);
    SetErrorLog(0, "");
    SetMainWindow(previousMain);
}

namespace {

cCondition StatusCondition(int32_t whose, int32_t status, int32_t compare, int32_t value) {
    cCondition condition;
    condition.m_Kind = 4;
    condition.m_LeftKind = 0;
    condition.m_LeftOwner = static_cast<uint8_t>(whose);
    condition.m_LeftStatus = static_cast<uint8_t>(status);
    condition.m_VarIndex = 1;
    condition.m_RightSource = eSourceConstant;
    condition.m_Value = value;
    condition.m_Compare = static_cast<uint8_t>(compare);
    return condition;
}

cCondition VariableCondition(int32_t scope, int32_t number, int32_t compare, int32_t value) {
    cCondition condition = StatusCondition(eOwnerSelf, 0, compare, value);
    condition.m_LeftKind = 1;
    condition.m_LeftVarScope = static_cast<uint8_t>(scope);
    condition.m_VarIndex = static_cast<uint16_t>(number);
    return condition;
}

cCondition Percent(cCondition condition) {
    condition.m_Percent = 1;
    return condition;
}

cCondition FromStatus(cCondition condition, int32_t whose, int32_t status) {
    condition.m_RightSource = eSourceStatus;
    condition.m_RightOwner = static_cast<uint8_t>(whose);
    condition.m_RightStatus = static_cast<uint8_t>(status);
    condition.m_RightVarIndex = 1;
    return condition;
}

}  // namespace

TEST(StatusCondition, ComparesTheLeftSideWithTheSource) {
    struct cCase {
        const char* name;
        cCondition condition;
        std::function<void(cFlowFixture&)> setUp;
        int expected;
        int32_t written;  // the condition's constant afterwards
    } cases[] = {
        {"HP equal", StatusCondition(eOwnerSelf, eStatusHp, eCompareEqual, 50), nullptr, 1, 50},
        {"SP at least half", Percent(StatusCondition(eOwnerSelf, eStatusSp, eCompareAtLeast, 50)), nullptr, 1, 50},
        {"SP below half", Percent(StatusCondition(eOwnerSelf, eStatusSp, eCompareAtLeast, 50)),
         [](cFlowFixture& f) { f.owner.m_Sp = 19; }, 0, 50},
        {"HP negative percent as 0", Percent(StatusCondition(eOwnerSelf, eStatusHp, eCompareAtLeast, -50)),
         [](cFlowFixture& f) { f.owner.m_Hp = 0; }, 1, -50},
        {"HP huge percent as 999999", Percent(StatusCondition(eOwnerSelf, eStatusHp, eCompareEqual, 999999)),
         [](cFlowFixture& f) { f.owner.m_Hp = 999999; f.owner.m_MaxHp = 999999; }, 1, 999999},
        {"mark ignores a stale percent flag", Percent(StatusCondition(eOwnerSelf, eStatusMark, eCompareEqual, 5)),
         [](cFlowFixture& f) { f.owner.m_Chara.m_Mark = 5; }, 1, 5},
        {"mark with percent is not 0", Percent(StatusCondition(eOwnerSelf, eStatusMark, eCompareEqual, 5)), nullptr, 0, 5},
        {"Z against a value past a byte", StatusCondition(eOwnerSelf, eStatusZ, eCompareEqual, 259), nullptr, 0, 259},
        {"impact signed", StatusCondition(eOwnerTarget, eStatusImpact, eCompareBelow, 0),
         [](cFlowFixture& f) { f.target.m_Chara.m_BodyImpact = -3; }, 1, 0},
        {"target's variable 1", StatusCondition(eOwnerTarget, eStatusVariable, eCompareNotEqual, 0),
         [](cFlowFixture& f) { f.target.m_Flow.m_Variables[0] = 2; }, 1, 0},
        {"no target", StatusCondition(eOwnerTarget, eStatusHp, eCompareAtLeast, 0),
         [](cFlowFixture& f) { f.owner.m_Flow.m_Target = nullptr; }, 0, 0},
        {"source without a target", FromStatus(StatusCondition(eOwnerSelf, eStatusHp, eCompareAtLeast, 7), eOwnerTarget, eStatusHp),
         [](cFlowFixture& f) { f.owner.m_Flow.m_Target = nullptr; }, 0, 7},
        {"HP above the target's", FromStatus(StatusCondition(eOwnerSelf, eStatusHp, eCompareAbove, 7), eOwnerTarget, eStatusHp),
         nullptr, 1, 30},
        {"time without the switch", StatusCondition(eOwnerSystem, eSystemTime, eCompareEqual, 300),
         [](cFlowFixture& f) { f.scene.m_NoTimeLimit = 1; }, 1, 300},
        {"time as a source with the switch", FromStatus(VariableCondition(eScopeStage, 2, eCompareEqual, 9), eOwnerSystem, eSystemTime),
         [](cFlowFixture& f) { f.scene.m_NoTimeLimit = 1; }, 1, 0},
        {"system with a stale percent flag", Percent(StatusCondition(eOwnerSystem, eSystemLives, eCompareEqual, 3)), nullptr, 1, 3},
        {"variable with a stale percent flag", Percent(VariableCondition(eScopeCommon, 255, eCompareEqual, 7)),
         [](cFlowFixture&) { StoryState().SetVariable(255, 7); }, 1, 7},
        {"unknown comparison", StatusCondition(eOwnerSelf, eStatusHp, 6, 50), nullptr, 0, 50},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cFlowFixture f;
        if (c.setUp) c.setUp(f);
        cCondition condition = c.condition;
        EXPECT_EQ(EvalStatusCondition(condition, &f.owner), c.expected);
        EXPECT_EQ(condition.m_Value, c.written);
        EXPECT_TRUE(LoggedFlowFaults().empty());
    }
}

// A list tested without a character (a block's, with no player) still reads variables and the
// game's statuses; a random source writes its draw back.
TEST(StatusCondition, WorksWithoutAnOwnerAndKeepsItsDraw) {
    cFlowFixture f;
    cCondition lives = StatusCondition(eOwnerSystem, eSystemLives, eCompareEqual, 3);
    EXPECT_EQ(EvalStatusCondition(lives, nullptr), 1);
    cCondition own = StatusCondition(eOwnerSelf, eStatusHp, eCompareAtLeast, 0);
    EXPECT_EQ(EvalStatusCondition(own, nullptr), 0);
    f.scene.m_Random.Seed(99);
    cPlayRandom expected = f.scene.m_Random;
    cCondition drawn = VariableCondition(eScopeCommon, 1, eCompareAtMost, 0);
    drawn.m_RightSource = eSourceRandom;
    drawn.m_RandMin = 10;
    drawn.m_RandMax = 1;
    EXPECT_EQ(EvalStatusCondition(drawn, nullptr), 1);
    EXPECT_EQ(drawn.m_Value, ExprRandom(1, 10, expected.Next()));
    EXPECT_EQ(f.scene.m_Random.Next(), expected.Next());
    cCondition outside = VariableCondition(eScopeCommon, 300, eCompareEqual, 0);
    EXPECT_EQ(EvalStatusCondition(outside, nullptr), 0);
    cCondition status = StatusCondition(eOwnerSelf, 13, eCompareEqual, 0);
    EXPECT_EQ(EvalStatusCondition(status, &f.owner), 0);
    EXPECT_EQ(LoggedFlowFaults(), (std::set<std::string>{"Flow variable 300 of scope 0 outside the list",
                                                         "Flow character status 13 outside the list"}));
}
