#include "game/play/FlowRuntime.h"

namespace {

class cInertFlowRuntime : public cFlowRuntime {
public:
    void Start(cFlowRunner&) override {}
    int Step(cFlowRunner&) override { return 1; }
    void Finish(cFlowRunner&, cActor&) override {}
    int TestStatusCondition(cCondition&, cActor*) override { return 0; }
};

cInertFlowRuntime g_Inert;
cFlowRuntime* g_Installed = nullptr;

}  // namespace

cFlowRuntime& FlowRuntime() { return g_Installed ? *g_Installed : g_Inert; }

cFlowRuntime* SetFlowRuntime(cFlowRuntime* runtime) {
    cFlowRuntime* previous = g_Installed;
    g_Installed = runtime;
    return previous;
}
