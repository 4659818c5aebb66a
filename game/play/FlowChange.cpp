// Flows a character gains or loses while it plays (an item's "フローの変更").
#include "game/play/CharaActor.h"
#include "game/play/FlowRuntime.h"

namespace {

enum eFlowChange { eAddFlows, eReplaceFlows, eRemoveFlows };

bool Removes(int32_t mode) { return mode == eReplaceFlows || mode == eRemoveFlows; }

// The character's runners are being stepped, or one of them is running a command now.
bool RunnersInUse(const cActor& actor) {
    if (actor.m_Stepping) return true;
    for (const cFlowRunner& runner : actor.m_Runners)
        if (runner.m_Busy) return true;
    return false;
}

}  // namespace

void cActor::ChangeFlows(int32_t mode, int32_t id, const cRecordVector<cFlow>& flows) {
    if (mode < eAddFlows || mode > eRemoveFlows) return;
    // While in use, the runners stay where they are until the pass of the flows ends; the
    // removed ones run no more.
    const bool inUse = RunnersInUse(*this);
    if (inUse && Removes(mode))
        for (cFlowRunner& runner : m_Runners)
            if (id == 0 || (runner.m_Flow && runner.m_Flow->m_Id == id)) {
                FlowRuntime().Finish(runner, *this);
                runner.m_Stopped = 1;
                RemoveAnimesByFlow(runner.m_Key);
            }
    cFlowChange change;
    change.m_Mode = mode;
    change.m_Id = id;
    change.m_Flows = flows;
    m_FlowChanges.push_back(change);
    if (!inUse) ApplyFlowChanges();
}

void cActor::ApplyFlowChanges() {
    // A change may itself start flows: take the list first.
    std::vector<cFlowChange> changes;
    changes.swap(m_FlowChanges);
    for (const cFlowChange& change : changes) {
        int position = -1;
        if (Removes(change.m_Mode)) position = RemoveFlowsById(change.m_Id);
        if (change.m_Mode == eRemoveFlows || change.m_Flows.empty()) continue;
        SetFlows(change.m_Flows, m_Facing, 1, change.m_Mode == eReplaceFlows ? position : -1);
    }
}
