#pragma once
// The numbers of movement commands: the editor's units in dots and steps, and what each movement
// command works out once when its flow is built.
#include <cstdint>

class cActor;
struct cFlowCmdEntry;

// Half blocks (the editor's unit of ranges and distances) in dots.
inline int32_t HblToDot(int32_t hbl) { return hbl * 16; }
// A friction-like value of the editor (hundredths) per step.
double SpeedToDot(int32_t value);
// The set-up of the entry's command type (movement commands and the jump; others have none).
void SetUpCommand(cFlowCmdEntry& entry, cActor& owner, int32_t facing);
// The speed from the time and the distance, or the time from the speed and the distance, as the
// move's time mode says.
void ResolveSpeed(cFlowCmdEntry& entry, int32_t level);
