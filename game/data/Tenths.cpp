#include "game/data/Tenths.h"

#include <climits>

int32_t TenthsToFrames(int64_t tenths) {
    if (tenths <= 0) return 0;
    if (tenths > INT_MAX / kFramesPerTenth) return INT_MAX;
    return static_cast<int32_t>(tenths * kFramesPerTenth);
}
