#pragma once
// printf-style formatting into byte strings (cp932 text).
#include <cstdarg>
#include <cstddef>
#include <string>

// Formatted texts hold at most this many bytes, the terminating zero included.
const size_t kFormatBufferSize = 5120;

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string FormatV(const char* format, va_list args);
// Appends the formatted text to the string and returns it.
std::string& AppendFormat(std::string& str, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Formats into a caller's buffer of the given size. An over-long text is cut at a character
// boundary (a cp932 lead byte is never left without its trail byte) and always terminated.
// Returns the length written.
size_t FormatIntoV(char* buffer, size_t size, const char* format, va_list args);
size_t FormatInto(char* buffer, size_t size, const char* format, ...) __attribute__((format(printf, 3, 4)));

// Copies text into a buffer of the given size with the same cutting rule.
size_t CopyText(char* buffer, size_t size, const char* text);

// True for the first byte of a cp932 double-byte character.
inline bool IsCp932LeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
