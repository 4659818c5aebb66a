#pragma once
// The system report written at the top of each program's report file.
#include <cstdint>

struct cCpuInfo {
    char brand[256];
    char vendor[256];
    double clock;
};

void GetOSName(char* out);  // out holds at least 256 bytes
uint16_t GetDirectXVersion();
// Parses a DirectX version text such as "4.09.00.0904": (second number << 8) + third number.
uint16_t ParseDirectXVersion(const char* text);
void GetCpuInfo(cCpuInfo* info);
double MeasureCpuClock();
// Available physical memory in bytes; 0xFFFFFFFF stands for "at least 4 GB".
uint32_t GetAvailMemory();
// A 64-bit figure kept in 32 bits: saturated, never wrapped to its low bits.
inline uint32_t SaturateToUint32(uint64_t value) {
    return value > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<uint32_t>(value);
}
int32_t GetDiskFree(const char* root);
int WriteSystemReport();
