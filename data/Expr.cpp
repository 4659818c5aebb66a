#include "data/Expr.h"

#include <cstring>
#include <limits>

#include "framework/Format.h"

namespace {

int32_t Saturate(int64_t value) {
    if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

int32_t Clamp(int32_t value, int32_t lower, int32_t upper) {
    if (value < lower) return lower;
    if (value > upper) return upper;
    return value;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The row of the name in a table that ends with an empty entry, or -1.
int Lookup(const char* const* names, const std::string& name) {
    for (int i = 0; names[i][0] != '\0'; ++i) {
        if (name == names[i]) return i;
    }
    return -1;
}

bool AllDigits(const char* text) {
    if (!*text) return false;
    for (; *text; ++text) {
        if (!IsDigit(*text)) return false;
    }
    return true;
}

// What the check's groups and rand leave in the line for a value it does not know; no character
// of the language, so a line as typed never holds it.
const char kUnknownText[] = "?";

int LookupField(const cExprField* fields, const std::string& name) {
    for (int i = 0; fields[i].m_Name[0] != '\0'; ++i) {
        if (name == fields[i].m_Name) return i;
    }
    return -1;
}

}  // namespace

int32_t ReadSaturatedDecimal(const char* text) {
    while (*text == ' ' || (*text >= '\t' && *text <= '\r')) ++text;
    bool negative = *text == '-';
    if (*text == '-' || *text == '+') ++text;
    int64_t value = 0;
    for (; IsDigit(*text); ++text) {
        // Past 2^31 every further digit only saturates.
        if (value <= (int64_t(1) << 32)) value = value * 10 + (*text - '0');
    }
    return Saturate(negative ? -value : value);
}

bool IsDecimalText(const char* text) {
    if (*text == '-' || *text == '+') ++text;
    return AllDigits(text);
}

bool FitsInt32(const char* text) {
    bool negative = *text == '-';
    if (*text == '-' || *text == '+') ++text;
    int64_t value = 0;
    for (; IsDigit(*text); ++text) {
        value = value * 10 + (*text - '0');
        if (value > (int64_t(1) << 31)) return false;
    }
    return negative || value < (int64_t(1) << 31);
}

int32_t ApplyExprOperator(int32_t op, int32_t left, int32_t right) {
    int64_t l = left;
    int64_t r = right;
    switch (op) {
    case eExprAdd: return Saturate(l + r);
    case eExprSub: return Saturate(l - r);
    case eExprMul: return Saturate(l * r);
    case eExprDiv: return Saturate(l / r);
    case eExprMod: return Saturate(l % r);
    }
    return 0;
}

int32_t ExprRandom(int32_t first, int32_t second, int32_t draw) {
    int64_t lower = first < second ? first : second;
    int64_t upper = first < second ? second : first;
    return static_cast<int32_t>(lower + draw % (upper - lower + 1));
}

bool cExprLine::Run(const std::string& text) {
    m_Failed = false;
    m_Unknown = false;
    // The text ends at its first zero byte, wherever it came from.
    std::string line = text.c_str();
    if (m_Settings.m_UnknownReferences) {
        // A typed "?" would pass for an unknown value.
        size_t mark = line.find(kUnknownText);
        if (mark != std::string::npos) {
            size_t start = line.rfind(' ', mark);
            start = start == std::string::npos ? 0 : start + 1;
            size_t end = line.find(' ', mark);
            Fail(Format(kExprMsgUnknownConst, line.substr(start, end == std::string::npos ? end : end - start).c_str()));
            m_Value = 0;
            return false;
        }
    }
    m_Value = Parse(line, 0);
    if (m_Failed) m_Value = 0;
    return !m_Failed;
}

int32_t cExprLine::Fail(const std::string& message) {
    m_Failed = true;
    m_Unknown = false;
    m_Binding.ShowMessage(message);
    return 0;
}

int32_t cExprLine::Parse(const std::string& text, int depth) {
    if (depth > kExprMaxDepth) return Fail(kExprMsgTooDeep);
    if (text.size() > kExprMaxLength) return Fail(kExprMsgTooLong);
    std::string w = text;
    size_t start = 0;
    size_t e = 0;
    while (e < w.size()) {
        ++m_Scanned;
        if (w[e] == ' ') {
            start = ++e;
            continue;
        }
        if (w[e] != '(') {
            ++e;
            continue;
        }
        size_t close = e + 1;
        for (int nest = 0; close < w.size(); ++close) {
            ++m_Scanned;
            if (w[close] == '(') {
                ++nest;
            } else if (w[close] == ')') {
                if (nest == 0) break;
                --nest;
            }
        }
        if (close >= w.size()) return Fail(kExprMsgNoClose);
        int32_t value = 0;
        bool unknown = false;
        if (e == start) {
            value = Parse(w.substr(e + 1, close - e - 1), depth + 1);
            if (InnerEnds()) return 0;
            unknown = m_Unknown;
        } else {
            std::string name = w.substr(start, e - start);
            if (Lookup(ExprFunctionNames, name) < 0) {
                // Not a call: the token reaches the flat line as it is.
                ++e;
                continue;
            }
            // Arguments end at a "," or ")" outside inner parentheses; empty ones are skipped.
            std::vector<int32_t> args;
            bool unknownArgs = false;
            std::string arg;
            int nest = 0;
            for (size_t i = e + 1; i <= close; ++i) {
                ++m_Scanned;
                char c = w[i];
                if ((c == ',' || c == ')') && nest == 0) {
                    if (!arg.empty()) {
                        args.push_back(Parse(arg, depth + 1));
                        if (InnerEnds()) return 0;
                        unknownArgs = unknownArgs || m_Unknown;
                        arg.clear();
                    }
                    continue;
                }
                if (c == '(') ++nest;
                if (c == ')') --nest;
                arg += c;
            }
            if (args.size() != 2) return Fail(Format(kExprMsgBadArgs, name.c_str()));
            // The check refuses an empty range the game would turn round.
            if (m_Settings.m_StrictConstants && !unknownArgs && args[1] < args[0])
                return Fail(Format(kExprMsgBadArgs, name.c_str()));
            if (m_Settings.m_UnknownReferences)
                unknown = true;
            else
                value = ExprRandom(args[0], args[1], m_Binding.Random());
        }
        w = w.substr(0, start) + (unknown ? std::string(kUnknownText) : Format("%d", value)) + w.substr(close + 1);
        if (w.size() > kExprMaxLength) return Fail(kExprMsgTooLong);
        e = start;
    }
    return Eval(w);
}

bool cExprLine::AddToken(const std::string& text, int32_t object, std::vector<cExprToken>& tokens) {
    cExprToken token;
    int found = Lookup(ExprOperatorNames, text);
    if (found >= 0) {
        token.m_Kind = eExprOperatorToken;
        token.m_Operator = found;
        tokens.push_back(token);
        return true;
    }
    if (object != eExprSys && !m_Binding.HasObject(object)) {
        // No target or no player: the line ends without a word.
        m_Failed = true;
        return false;
    }
    token.m_Object = object;
    bool unknown = m_Settings.m_UnknownReferences;
    if (unknown && text == kUnknownText) {
        token.m_Unknown = true;
        tokens.push_back(token);
        return true;
    }
    for (int scope = 0; ExprVarScopeNames[scope][0] != '\0'; ++scope) {
        if (text[0] != ExprVarScopeNames[scope][0]) continue;
        token.m_Kind = eExprVariable;
        token.m_Scope = scope;
        token.m_Number = ReadSaturatedDecimal(text.c_str() + 1);
        // The check takes only the names the game has: C1-C255 and S1-S255.
        if (m_Settings.m_StrictConstants &&
            (!AllDigits(text.c_str() + 1) || token.m_Number < 1 || !m_Binding.HasVariable(scope, token.m_Number))) {
            Fail(Format(kExprMsgUnknownConst, text.c_str()));
            return false;
        }
        if (!m_Binding.HasVariable(scope, token.m_Number)) {
            Fail(Format(kExprMsgBadVariable, text.c_str()));
            return false;
        }
        token.m_Unknown = unknown;
        if (!unknown) token.m_Value = m_Binding.ReadVariable(scope, token.m_Number);
        tokens.push_back(token);
        return true;
    }
    if ((found = LookupField(ExprMembers, text)) >= 0) {
        if (object == eExprSys) {
            Fail(Format(kExprMsgSysMember, text.c_str()));
            return false;
        }
        token.m_Kind = eExprMemberToken;
        token.m_Member = found;
        token.m_Lower = ExprMembers[found].m_Lower;
        token.m_Upper = ExprMembers[found].m_Upper;
        if (found == eExprHp || found == eExprSp) {
            token.m_Upper = m_Binding.MaxOf(object, found);
            if (token.m_Upper < token.m_Lower) token.m_Upper = token.m_Lower;
        }
        token.m_Unknown = unknown;
        if (!unknown) token.m_Value = m_Binding.ReadMember(object, found);
    } else if ((found = LookupField(ExprSystems, text)) >= 0) {
        token.m_Kind = eExprSystemToken;
        token.m_System = found;
        token.m_Lower = ExprSystems[found].m_Lower;
        token.m_Upper = ExprSystems[found].m_Upper;
        token.m_Unknown = unknown;
        if (!unknown) token.m_Value = m_Binding.ReadSystem(found);
    } else {
        if (m_Settings.m_StrictConstants && !(IsDecimalText(text.c_str()) && FitsInt32(text.c_str()))) {
            Fail(Format(kExprMsgUnknownConst, text.c_str()));
            return false;
        }
        token.m_Value = ReadSaturatedDecimal(text.c_str());
    }
    tokens.push_back(token);
    return true;
}

bool cExprLine::Apply(const std::string& line, std::vector<cExprToken>& tokens, size_t at, int32_t& result) {
    int32_t op = tokens[at].m_Operator;
    if (at == 0 || at + 1 >= tokens.size() || tokens[at - 1].m_Kind == eExprOperatorToken ||
        tokens[at + 1].m_Kind == eExprOperatorToken) {
        Fail(Format(kExprMsgNoOperand, ExprOperatorNames[op]));
        return false;
    }
    const cExprToken& left = tokens[at - 1];
    int32_t right = tokens[at + 1].m_Value;
    bool rightUnknown = tokens[at + 1].m_Unknown;
    bool unknown = left.m_Unknown || rightUnknown;
    if (op == eExprAssign) {
        unknown = rightUnknown;
        result = unknown ? 0 : Clamp(right, left.m_Lower, left.m_Upper);
        switch (left.m_Kind) {
        case eExprVariable: m_Binding.WriteVariable(left.m_Scope, left.m_Number, result); break;
        case eExprMemberToken: m_Binding.WriteMember(left.m_Object, left.m_Member, result); break;
        case eExprSystemToken: m_Binding.WriteSystem(left.m_System, result); break;
        default: Fail(Format(kExprMsgNoStorage, line.c_str())); return false;
        }
    } else if ((op == eExprDiv || op == eExprMod) && !rightUnknown && right == 0) {
        Fail(Format(kExprMsgDivZero, line.c_str()));
        return false;
    } else {
        result = unknown ? 0 : ApplyExprOperator(op, left.m_Value, right);
    }
    cExprToken merged;
    merged.m_Value = result;
    merged.m_Unknown = unknown;
    tokens[at - 1] = merged;
    tokens.erase(tokens.begin() + at, tokens.begin() + at + 2);
    return true;
}

int32_t cExprLine::Eval(const std::string& line) {
    m_Unknown = false;
    std::vector<cExprToken> tokens;
    std::string text;
    int32_t object = eExprMy;
    for (size_t p = 0; p <= line.size(); ++p) {
        char c = p < line.size() ? line[p] : '\0';
        if (c == ' ' || c == '\0') {
            if (text.empty()) continue;
            if (!AddToken(text, object, tokens)) return 0;
            object = eExprMy;
            text.clear();
        } else if (c == '.') {
            int found = Lookup(ExprObjectNames, text);
            if (found < 0) return Fail(Format(kExprMsgUnknownObject, text.c_str()));
            object = found;
            text.clear();
        } else {
            text += c;
        }
    }
    int32_t result = 0;
    bool applied = false;
    for (int level = 0; level < kExprLevels; ++level) {
        // The leftmost operator of the level each time: the merged token sits before the
        // position, so the search goes on from there.
        for (size_t at = 0; at < tokens.size();) {
            if (tokens[at].m_Kind != eExprOperatorToken || ExprOperatorLevels[tokens[at].m_Operator] != level) {
                ++at;
                continue;
            }
            if (!Apply(line, tokens, at, result)) return 0;
            applied = true;
            m_Unknown = tokens[at - 1].m_Unknown;
        }
    }
    if (applied) return result;
    if (tokens.empty()) return 0;
    m_Unknown = tokens.back().m_Unknown;
    return tokens.back().m_Value;
}
