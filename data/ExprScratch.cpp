#include "data/ExprScratch.h"

#include <cstdlib>

int32_t cExprScratch::Random() { return std::rand() & 0x7FFF; }

bool cExprScratch::HasVariable(int32_t scope, int32_t number) {
    return scope >= 0 && scope < kExprVarScopes && number >= 0 && number < kVariables;
}

int32_t cExprScratch::MaxOf(int32_t object, int32_t member) {
    return m_Members[object][member == eExprHp ? eExprMaxHp : eExprMaxSp];
}

bool CheckExpression(const std::string& text, const cExprScratch::cMessageSink& sink) {
    cExprScratch scratch(sink);
    cExprLine line(scratch, kExprCheckSettings);
    return line.Run(text);
}
