// The character's runners: building them from its flows, relinking, removing and starting them.
#include "game/play/CharaActor.h"

void cActor::CopyFrom(const cActor& other) {
    if (&other == this) return;
    cActorFields::operator=(other);
    RelinkFlows();
}

void cActor::RelinkFlows() {
    const size_t flows = m_Chara.m_Flows.size();
    for (size_t i = 0; i < m_Runners.size(); ++i) {
        cFlowRunner& runner = m_Runners[i];
        runner.m_Index = static_cast<int32_t>(i);
        runner.m_Flow = i < flows ? &m_Chara.m_Flows[i] : nullptr;
        runner.m_KeyConds.clear();
        if (!runner.m_Flow) continue;
        for (const cKeyCond& key : runner.m_Flow->m_KeyConds) runner.m_KeyConds.push_back(&key);
        const size_t commands = runner.m_Flow->m_Commands.size();
        for (size_t j = 0; j < runner.m_Entries.size(); ++j)
            runner.m_Entries[j].m_Cmd = j < commands ? &runner.m_Flow->m_Commands[j] : nullptr;
    }
}
