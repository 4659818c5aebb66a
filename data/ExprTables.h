#pragma once
// The expression language of code commands: its keyword tables, operator levels, bounds and
// message texts. The game runs lines with them and the editor checks lines with them, so both
// read the language from this one definition. Name tables end with an empty entry.
#include <cstddef>
#include <cstdint>

enum eExprObject { eExprMy, eExprTarget, eExprPlayer, eExprSys, kExprObjects };
enum eExprVarScope { eExprCommon, eExprStage, kExprVarScopes };
enum eExprOperator { eExprAssign, eExprAdd, eExprSub, eExprMul, eExprDiv, eExprMod, kExprOperators };
// Character statuses: v1 to v8 are members 0 to 7.
enum eExprMember {
    eExprVar1, eExprHp = 8, eExprSp, eExprMaxHp, eExprMaxSp, eExprZ, eExprMark, eExprSight, eExprPower,
    eExprImpact, eExprImpactResist, eExprStop, eExprGetScore, kExprMembers
};
enum eExprSystem { eExprTime, eExprScrollX, eExprScrollY, eExprScore, eExprLife, kExprSystems };

// A status a line can assign, with the range an assignment keeps. For "hp" and "sp" the upper
// bound is the character's maximum, read when the line runs.
struct cExprField {
    const char* m_Name;
    int32_t m_Lower;
    int32_t m_Upper;
};

extern const char* const ExprFunctionNames[2];
extern const char* const ExprOperatorNames[kExprOperators + 1];
// Lower levels bind tighter; one level applies from left to right.
extern const int32_t ExprOperatorLevels[kExprOperators];
const int32_t kExprLevels = 3;
extern const char* const ExprObjectNames[kExprObjects + 1];
extern const char* const ExprVarScopeNames[kExprVarScopes + 1];
extern const cExprField ExprMembers[kExprMembers + 1];
extern const cExprField ExprSystems[kExprSystems + 1];

// Variables, numbers and results.
const int32_t kExprValueMin = -999999;
const int32_t kExprValueMax = 999999;
// The longest text the rewriting pass handles, before and after each rewrite.
const size_t kExprMaxLength = 5119;
// The deepest nesting of groups and function arguments.
const int kExprMaxDepth = 64;

// The messages, with the word that caused them where they have a %s.
extern const char kExprMsgNoClose[];       // a group without its ")"
extern const char kExprMsgBadArgs[];       // function name
extern const char kExprMsgUnknownConst[];  // token
extern const char kExprMsgUnknownObject[]; // the name before "."
extern const char kExprMsgDivZero[];       // the line
extern const char kExprMsgBadVariable[];   // token
extern const char kExprMsgNoStorage[];     // the line
extern const char kExprMsgSysMember[];     // member name
extern const char kExprMsgNoOperand[];     // operator
extern const char kExprMsgTooLong[];
extern const char kExprMsgTooDeep[];
