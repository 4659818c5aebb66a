#include "data/ExprTables.h"

const char* const ExprFunctionNames[2] = {"rand", ""};
const char* const ExprOperatorNames[kExprOperators + 1] = {"=", "+", "-", "*", "/", "%", ""};
const int32_t ExprOperatorLevels[kExprOperators] = {2, 1, 1, 0, 0, 0};
const char* const ExprObjectNames[kExprObjects + 1] = {"my", "tg", "pl", "sys", ""};
const char* const ExprVarScopeNames[kExprVarScopes + 1] = {"C", "S", ""};

const cExprField ExprMembers[kExprMembers + 1] = {
    {"v1", -999999, 999999},
    {"v2", -999999, 999999},
    {"v3", -999999, 999999},
    {"v4", -999999, 999999},
    {"v5", -999999, 999999},
    {"v6", -999999, 999999},
    {"v7", -999999, 999999},
    {"v8", -999999, 999999},
    {"hp", 0, 999999},
    {"sp", 0, 999999},
    {"mhp", 1, 999999},
    {"msp", 1, 999999},
    // Draw passes run 0 to 7: a Z of 8 would never be drawn.
    {"z", 0, 7},
    {"mark", 0, 119},
    {"sight", 0, 40},
    {"power", -999999, 999999},
    {"imp", -20, 20},
    {"impd", 0, 20},
    {"stop", 0, 200},
    {"getsc", -999999, 999999},
    {"", 0, 0},
};

const cExprField ExprSystems[kExprSystems + 1] = {
    {"time", 0, 999},
    {"scrlx", -480, 480},
    {"scrly", -480, 480},
    {"score", 0, 999999},
    {"life", 0, 99},
    {"", 0, 0},
};

const char kExprMsgNoClose[] = "\")\"が見つかりません！";
const char kExprMsgBadArgs[] = "関数 %s の引数が不正です！";
const char kExprMsgUnknownConst[] = "定数 \"%s\" が認識できません！";
const char kExprMsgUnknownObject[] = "オブジェクト \"%s.\" が認識できません！";
const char kExprMsgDivZero[] = "0除算が行われました！(%s)";
const char kExprMsgBadVariable[] = "変数 \"%s\" の番号が範囲外です！";
const char kExprMsgNoStorage[] = "代入先がありません！(%s)";
const char kExprMsgSysMember[] = "\"sys.%s\" が認識できません！";
const char kExprMsgNoOperand[] = "演算子 \"%s\" の前後に値が必要です！";
const char kExprMsgTooLong[] = "式が長すぎます！";
const char kExprMsgTooDeep[] = "括弧の入れ子が深すぎます！";
