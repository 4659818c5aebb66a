#pragma once
// Seeded lines for fuzzing the expression language: random bytes and mutations of well-formed
// lines (tokens inserted, ranges deleted, lines spliced, deep nesting, long runs).
#include <cstdint>
#include <random>
#include <string>

#include "data/ExprTables.h"

inline std::string ExprFuzzLine(std::mt19937& rng) {
    static const char* const kExamples[] = {
        "hp = hp + 10", "sys.time = tg.v3", "C5 = rand(0,5)", "hp = (1 + 2) * 3", "(5 / 0) / 0",
        "C1 = C2 = 3", "mhp = 50", "z = 9", "sys.scrlx = 4", "pl.sight = tg.sight * 2", "S255 = -7 % 2",
        "tg.v8 = rand(rand(1,2),(3 + 4))", "sys.life = life - 1", "my.stop = 2147483647 * 2",
    };
    static const char* const kTokens[] = {
        "(", ")", "rand(", ",", " = ", " + ", " - ", " * ", " / ", " % ", "tg.", "sys.", "pl.", "my.", "foo.",
        "C300", "S256", "C", "hp", "mhp", "msp", "sp", "z", "sight", "scrly", "99999999999", "-2147483648",
        " ", "0", "-1", ".", "\x82\xa0",
    };
    auto pick = [&rng](size_t n) { return static_cast<size_t>(rng() % n); };
    const size_t examples = sizeof kExamples / sizeof kExamples[0];
    std::string line = kExamples[pick(examples)];
    int steps = 1 + static_cast<int>(pick(4));
    for (int step = 0; step < steps; ++step) {
        size_t at = pick(line.size() + 1);
        switch (pick(7)) {
        case 0: line.insert(at, kTokens[pick(sizeof kTokens / sizeof kTokens[0])]); break;
        case 1: line.erase(at, pick(6)); break;
        case 2: line = line.substr(0, at) + kExamples[pick(examples)]; break;
        case 3: {
            size_t depth = pick(kExprMaxDepth + 8);
            line = std::string(depth, '(') + line + std::string(depth - pick(2) * pick(depth + 1), ')');
            break;
        }
        case 4: line.insert(at, std::string(pick(kExprMaxLength + 16), "( 1,"[pick(4)])); break;
        case 5: line.insert(at, std::string(1, static_cast<char>(rng()))); break;
        default: {
            std::string bytes;
            for (size_t n = pick(40); n > 0; --n) bytes += static_cast<char>(rng());
            line = bytes;
        }
        }
    }
    return line;
}

// True when the text is one of the language's messages, whatever word fills its place. Texts
// are cut to fit a buffer of cutAt bytes (the terminating zero and a split character's lead
// byte give way first), so a text that long need only begin as a message does.
inline bool IsExprMessage(const std::string& text, size_t cutAt) {
    static const char* const kMessages[] = {
        kExprMsgNoClose,   kExprMsgBadArgs,    kExprMsgUnknownConst, kExprMsgUnknownObject,
        kExprMsgDivZero,   kExprMsgBadVariable, kExprMsgNoStorage,   kExprMsgSysMember,
        kExprMsgNoOperand, kExprMsgTooLong,    kExprMsgTooDeep,
    };
    for (const char* message : kMessages) {
        std::string format = message;
        size_t hole = format.find("%s");
        if (hole == std::string::npos) {
            if (text == format) return true;
            continue;
        }
        std::string before = format.substr(0, hole);
        std::string after = format.substr(hole + 2);
        if (text.size() < before.size() || text.compare(0, before.size(), before) != 0) continue;
        if (text.size() + 2 >= cutAt) return true;
        if (text.size() >= before.size() + after.size() &&
            text.compare(text.size() - after.size(), after.size(), after) == 0) {
            return true;
        }
    }
    return false;
}
