#include "framework/Format.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// Length of the longest prefix of text[0, len) that ends on a character boundary.
size_t WholeCharacters(const char* text, size_t len) {
    size_t i = 0;
    while (i < len) {
        size_t step = IsCp932LeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
        if (i + step > len) break;
        i += step;
    }
    return i;
}

}  // namespace

size_t FormatIntoV(char* buffer, size_t size, const char* format, va_list args) {
    if (size == 0) return 0;
    int n = vsnprintf(buffer, size, format, args);
    if (n < 0) {
        buffer[0] = '\0';
        return 0;
    }
    size_t len = static_cast<size_t>(n);
    if (len >= size) {
        len = WholeCharacters(buffer, size - 1);
        buffer[len] = '\0';
    }
    return len;
}

size_t FormatInto(char* buffer, size_t size, const char* format, ...) {
    va_list args;
    va_start(args, format);
    size_t len = FormatIntoV(buffer, size, format, args);
    va_end(args);
    return len;
}

size_t CopyText(char* buffer, size_t size, const char* text) {
    if (size == 0) return 0;
    size_t len = text ? strlen(text) : 0;
    if (len >= size) len = WholeCharacters(text, size - 1);
    if (len) memcpy(buffer, text, len);
    buffer[len] = '\0';
    return len;
}

std::string FormatV(const char* format, va_list args) {
    std::vector<char> buffer(kFormatBufferSize);
    size_t len = FormatIntoV(buffer.data(), buffer.size(), format, args);
    return std::string(buffer.data(), len);
}

std::string Format(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = FormatV(format, args);
    va_end(args);
    return text;
}

std::string& AppendFormat(std::string& str, const char* format, ...) {
    va_list args;
    va_start(args, format);
    str += FormatV(format, args);
    va_end(args);
    return str;
}
