#pragma once
// Numbers as list texts: digit counts and zero-filled numbers.
#include <cstdint>
#include <string>

// The number of decimal digits of v (1 for 0).
int DigitCount(uint32_t v);
// v with exactly `digits` decimal digits, zero-filled (0 digits: as many as v has); with plus
// set, a value of at least 1 gets a leading '+'. A negative value is its digits after '-'.
std::string NumToStr(int32_t value, int digits, bool plus = false);
