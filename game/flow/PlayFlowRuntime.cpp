#include "game/flow/PlayFlowRuntime.h"

#include "game/flow/ItemCommands.h"
#include "game/flow/StatusOperation.h"

namespace {

class cPlayFlowRuntime : public cFlowRuntime {
public:
    void Start(cFlowRunner& runner) override { runner.Start(); }
    int Step(cFlowRunner& runner) override { return runner.Step(); }
    void Finish(cFlowRunner& runner, cActor& owner) override { runner.Finish(owner); }
    int TestStatusCondition(cCondition& condition, cActor* subject) override {
        return EvalStatusCondition(condition, subject);
    }
    int RunItemCommands(cActor& taker, const cRecordVector<cFlowCmd>& commands) override {
        return ::RunItemCommands(taker, commands);
    }
};

}  // namespace

cFlowRuntime& PlayFlowRuntime() {
    static cPlayFlowRuntime runtime;
    return runtime;
}
