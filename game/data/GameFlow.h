#pragma once
// Which flows the game keeps. A flow the author marked "テストプレイ専用" runs only in the
// editor's test play, unless the system data keeps such flows in every game.
#include "data/SystemData.h"

// Fixes the rule for every record loaded from now on; start-up calls it once, after the system
// data has loaded and before any palette, stage or character does.
void ApplyTestPlayFlowRule(int testPlay, const cSystemData& system);
