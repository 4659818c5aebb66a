#pragma once
// One row of a parameter table: what a numeric parameter is called and the values the editor
// offers for it. An empty caption marks a parameter that is not used (its numbers are 0).
#include <cstdint>

struct cParamDesc {
    const char* m_Caption;
    int16_t m_Min;
    int16_t m_Max;
    int16_t m_Default;
};
