#pragma once
// The physical memory free now, in bytes, as a 64-bit figure: the stage settings weigh a new
// stage size against it. A test may put a probe of its own in its place (null: the system's).
#include <cstdint>

int64_t AvailPhysicalMemory();

typedef int64_t (*cMemoryProbe)();
void SetMemoryProbe(cMemoryProbe probe);
