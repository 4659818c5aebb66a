#pragma once
// The physical memory free now, in bytes, as a 64-bit figure: the stage settings weigh a new
// stage size against it.
#include <cstdint>

int64_t AvailPhysicalMemory();

// Test seam: a probe of the test's own in the system's place (null: the system's again).
typedef int64_t (*cMemoryProbe)();
void SetMemoryProbe(cMemoryProbe probe);
