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
uint32_t GetAvailMemory();
int32_t GetDiskFree(const char* root);
int WriteSystemReport();
