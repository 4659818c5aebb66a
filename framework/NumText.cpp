#include "framework/NumText.h"

int DigitCount(uint32_t v) {
    int digits = 1;
    while (v >= 10) {
        v /= 10;
        ++digits;
    }
    return digits;
}

std::string NumToStr(int32_t value, int digits, bool plus) {
    uint32_t magnitude = value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
    if (digits <= 0) digits = DigitCount(magnitude);
    std::string text(static_cast<size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i) {
        text[static_cast<size_t>(i)] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    }
    if (value < 0) return "-" + text;
    if (plus && value >= 1) return "+" + text;
    return text;
}
