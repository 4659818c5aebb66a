#pragma once
// The flow runtime the play engine runs characters' flows with: the game installs it at start-up
// (SetFlowRuntime, game/play/FlowRuntime.h) in place of the inert one.
#include "game/play/FlowRuntime.h"

cFlowRuntime& PlayFlowRuntime();
