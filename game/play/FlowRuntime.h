#pragma once
// How the play engine reaches the flow runtime: a character starts, steps and finishes its flows'
// runners and tests status conditions through the one installed runtime. The flow runtime
// installs its implementation at start-up; until then (and in tests that install a fake) an
// inert one starts nothing, completes every step and holds no status condition.
#include "game/flow/FlowRunner.h"

class cActor;
class cCondition;

class cFlowRuntime {
public:
    virtual ~cFlowRuntime() = default;
    // Starts the runner from its first command; the play scene's current actor is its owner.
    virtual void Start(cFlowRunner& runner) = 0;
    // Runs one frame of the flow: 1 when it is complete.
    virtual int Step(cFlowRunner& runner) = 0;
    // Ends a running flow of the owner.
    virtual void Finish(cFlowRunner& runner, cActor& owner) = 0;
    // 1 when the status condition holds for the subject (none: a block's or item's list without
    // a player).
    virtual int TestStatusCondition(cCondition& condition, cActor* subject) = 0;
    // Runs an item's command list at once for the character that took it: 0, 1 the stage is
    // cleared, 2 the taker's life ran out. Without a runtime nothing runs.
    virtual int RunItemCommands(cActor&, const cRecordVector<cFlowCmd>&) { return 0; }
};

// The installed runtime, or the inert one.
cFlowRuntime& FlowRuntime();
// Installs the runtime (null: the inert one) and answers the one installed before, so a test
// can put it back.
cFlowRuntime* SetFlowRuntime(cFlowRuntime* runtime);
