#include "editor/shell/AvailMemory.h"

#include <windows.h>

namespace {
cMemoryProbe g_probe = nullptr;
}

int64_t AvailPhysicalMemory() {
    if (g_probe) return g_probe();
    MEMORYSTATUSEX status = {};
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status)) return 0;
    return static_cast<int64_t>(status.ullAvailPhys);
}

void SetMemoryProbe(cMemoryProbe probe) { g_probe = probe; }
