#include "game/flow/StatusMath.h"

#include <climits>

int CompareInt(int64_t left, int32_t op, int64_t right) {
    switch (op) {
    case eCompareEqual: return left == right;
    case eCompareNotEqual: return left != right;
    case eCompareAtLeast: return left >= right;
    case eCompareAtMost: return left <= right;
    case eCompareAbove: return left > right;
    case eCompareBelow: return left < right;
    }
    return 0;
}

int32_t Bound(int64_t value, int32_t lower, int32_t upper) {
    if (value < lower) return lower;
    if (value > upper) return upper;
    return static_cast<int32_t>(value);
}

int32_t PercentOf(int32_t base, int32_t value) {
    const int64_t product = static_cast<int64_t>(base) * value;
    const int64_t rounded = (product + (product < 0 ? -50 : 50)) / 100;
    return Bound(rounded, INT_MIN, INT_MAX);
}

int32_t ApplyOpInt(int32_t current, int32_t op, int32_t value, int32_t lower, int32_t upper) {
    int64_t result = current;
    switch (op) {
    case eAssignSet: result = value; break;
    case eAssignAdd: result += value; break;
    case eAssignSub: result -= value; break;
    case eAssignMul: result *= value; break;
    case eAssignDiv:
        if (value != 0) result /= value;
        break;
    case eAssignMod:
        if (value != 0) result %= value;
        break;
    case eAssignPercent: result = PercentOf(current, value); break;
    }
    return Bound(result, lower, upper);
}
