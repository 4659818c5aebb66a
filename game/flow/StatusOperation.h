#pragma once
// Values that flows take from a source when a command runs or a condition is tested, the status
// condition of flows and the command "ステータスの操作".
#include <cstdint>

class cActor;
class cCondition;
class cFlowCmd;
class cPlayScene;

// The sources, in the editor's list "定数", "乱数", "ステータス", "変数".
enum eValueSourceKind { eSourceConstant, eSourceRandom, eSourceStatus, eSourceVariable };

struct cValueSource {
    int32_t m_Kind;
    int32_t m_Constant;
    int32_t m_RandMin;
    int32_t m_RandMax;
    int32_t m_Whose;     // eStatusOwner
    int32_t m_Status;    // eCharaStatus or eSystemStatus
    int32_t m_VarScope;  // eVariableScope
    int32_t m_VarIndex;  // the variable's number, or the character variable's slot (1-8)
};

// The source's value for the owner (none: a list tested without a character). A random source
// takes one draw of the play scene's generator, whatever else fails. False when the source has
// no value: no owner or target, a character without sight asked for its sight, a number outside
// its list (logged).
bool ValueOfSource(cPlayScene& scene, cActor* owner, const cValueSource& source, int32_t& value);

// 1 when the status condition holds for the owner. The value it compared with is written into
// the condition's constant.
int EvalStatusCondition(cCondition& condition, cActor* owner);

// The command "ステータスの操作" for the owner: 1 when it changed a status or variable, 0 when it
// did nothing.
int ExecStatusOperation(cActor& owner, const cFlowCmd& command);
