#pragma once
// The arithmetic of status conditions and status operations. Values are worked in 64 bits, so
// no product or quotient of two int32 values overflows; a result is kept within the target's
// bounds before it is stored, and the bounds always fit the target's width.
#include <cstdint>

// Comparison operators of conditions, in their list order.
enum eCompareOp { eCompareEqual, eCompareNotEqual, eCompareAtLeast, eCompareAtMost, eCompareAbove, eCompareBelow };
// Assignment operators of "ステータスの操作", in their list order.
enum eAssignOp { eAssignSet, eAssignAdd, eAssignSub, eAssignMul, eAssignDiv, eAssignMod, eAssignPercent };

// 1 when left and right stand in the operator's relation; 0 for an operator outside the list.
int CompareInt(int64_t left, int32_t op, int64_t right);
// base × value × 0.01 rounded to the nearest whole number, halves away from zero, kept within
// the int32 range.
int32_t PercentOf(int32_t base, int32_t value);
// The current value after the operator with the value, kept within lower..upper. Division and
// remainder by 0 leave the current value (within the bounds); an operator outside the list
// leaves it as well.
int32_t ApplyOpInt(int32_t current, int32_t op, int32_t value, int32_t lower, int32_t upper);
// The value kept within lower..upper.
int32_t Bound(int64_t value, int32_t lower, int32_t upper);
