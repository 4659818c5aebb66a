#pragma once
// Flows and commands of a character, written as the editor stores them, for the flow tests.
#include <vector>

#include "data/Flow.h"
#include "game/flow/StatusMath.h"

// The command types the flow tests write.
enum eTestCmdType { kStraight = 2, kGroundReturn = 3, kCircle = 4, kCharge = 5, kHoming = 6, kAvoid = 7, kCancel = 8,
             kTurn = 9, kJump = 10, kShot = 11, kSword = 12, kSummonBlock = 13, kSummonChara = 14, kSummonItem = 15,
             kWarp = 20 };

inline cFlowCmd FlowCommand(int type, int time, int parallel, std::vector<int32_t> params) {
    cFlowCmd command;
    command.m_CmdType = static_cast<uint8_t>(type);
    command.m_Time = static_cast<uint16_t>(time);
    command.m_Parallel = static_cast<uint8_t>(parallel);
    command.m_Params = params;
    return command;
}

// "キャラ変数1 ＋ 1" of the character running the flow.
inline cFlowCmd AddToV1(int time = 0, int parallel = 0) {
    std::vector<int32_t> params(18, 0);
    params[2] = 1;           // slot 1
    params[5] = eAssignAdd;
    params[7] = 1;
    return FlowCommand(22, time, parallel, params);
}

// "キャラ変数1 ＝ 乱数 low..high".
inline cFlowCmd SetV1Random(int32_t low, int32_t high) {
    cFlowCmd command = AddToV1();
    command.m_Params[5] = eAssignSet;
    command.m_Params[6] = 1;
    command.m_Params[8] = low;
    command.m_Params[9] = high;
    return command;
}

inline cFlowCmd Wait(int time, int parallel = 0) { return FlowCommand(1, time, parallel, {}); }

// "フローの操作": operation, target (0 this flow, 1 every other, 2 by ID), ID.
inline cFlowCmd FlowOperation(int operation, int target, int id = 0) {
    return FlowCommand(16, 0, 0, {operation, target, id});
}

inline cFlowCmd Code(const char* text) {
    cFlowCmd command = FlowCommand(36, 0, 0, {});
    command.m_Text = text;
    return command;
}

inline cFlow MakeFlow(int trigger, const std::vector<cFlowCmd>& commands, int id = 0, int group = 0) {
    cFlow flow;
    flow.m_Trigger = static_cast<uint8_t>(trigger);
    flow.m_Id = static_cast<uint8_t>(id);
    flow.m_Group = static_cast<uint8_t>(group);
    for (const cFlowCmd& command : commands) flow.m_Commands.push_back(command);
    return flow;
}
