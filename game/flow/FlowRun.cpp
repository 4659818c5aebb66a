// The flow runner: which commands of a running flow run in a frame.
#include <climits>

#include "data/FlowTables.h"
#include "framework/MessageBox.h"
#include "game/flow/CommandDispatch.h"
#include "game/flow/FlowFaults.h"
#include "game/flow/FlowRunner.h"
#include "game/play/PlayScene.h"

namespace {

// Before the stage starts a flow runs its parallel commands from this type on, once, at once.
const int kFirstNonMovingCommand = eCmdFlowOperation;
const size_t kMessageModeParam = 6;  // 0 "進行キーが押されるまで表示"

const char kTimeZeroText[] = "使用時間0なので、ここにくることはあり得ないはず！";

bool WaitsForKey(const cFlowCmdEntry& entry) {
    const cFlowCmd* command = entry.m_Cmd;
    return command && command->CharaType() == eCmdMessage && command->m_Params.size() > kMessageModeParam &&
           command->Param(kMessageModeParam) == 0;
}

bool IsParallel(const cFlowCmdEntry& entry) { return entry.m_Cmd && entry.m_Cmd->m_Parallel; }

// The owner's flags of a flow group; null (logged) for a group outside the owner's lists.
bool GroupInList(const cActor& owner, int32_t group) {
    if (group >= 0 && static_cast<size_t>(group) < owner.m_RunningGroups.size()) return true;
    LogFlowFault("Flow group %d outside the list", group);
    return false;
}

cActor* CurrentOwner() {
    cPlayScene* scene = CurrentPlayScene();
    return scene ? scene->m_Flow.m_Actor : nullptr;
}

// Marks the flow's group finished for its owner.
void MarkFinished(const cFlowRunner& runner, cActor& owner) {
    const int32_t group = runner.m_Flow ? runner.m_Flow->m_Group : 0;
    if (GroupInList(owner, group)) owner.m_ReleaseGroups[group] = 1;
    owner.m_ReleasePending = 1;
}

}  // namespace

int cFlowRunner::RunCommand(cFlowCmdEntry& entry) {
    cPlayScene* scene = CurrentPlayScene();
    cActor* owner = CurrentOwner();
    if (scene && owner) {
        // A command may start another flow, which runs its own commands: the runner and entry
        // at work are this one's again when the command returns.
        cFlowRunner* const runner = scene->m_Flow.m_Runner;
        cFlowCmdEntry* const current = scene->m_Flow.m_Entry;
        scene->m_Flow.m_Runner = this;
        scene->m_Flow.m_Entry = &entry;
        ++m_Busy;
        DispatchCommand(*owner, entry);
        --m_Busy;
        scene->m_Flow.m_Runner = runner;
        scene->m_Flow.m_Entry = current;
    }
    --entry.m_Remaining;
    return entry.m_Remaining <= 0 ? 1 : 0;
}

namespace {

// Runs a command that must finish in one frame; false when the command restarted its own runner,
// whose new run then stands as its start left it.
bool RunAtOnce(cFlowRunner& runner, cFlowCmdEntry& entry) {
    const uint32_t runs = runner.m_Runs;
    const int finished = runner.RunCommand(entry);
    if (runner.m_Runs != runs) return false;
    if (!finished) DebugBox("%s", kTimeZeroText);
    entry.m_Done = 1;
    if (WaitsForKey(entry)) runner.m_MessageWait = 1;
    return true;
}

}  // namespace

void cFlowRunner::Start() {
    if (m_Stopped) return;
    ++m_Runs;
    m_Running = 1;
    m_Current = 0;
    m_Frames = 0;
    m_MessageWait = 0;
    for (cFlowCmdEntry& entry : m_Entries) entry.m_Done = 0;
    m_Started = 1;
    cActor* owner = CurrentOwner();
    const int32_t group = m_Flow ? m_Flow->m_Group : 0;
    if (owner && group != 0 && GroupInList(*owner, group)) {
        owner->m_RunningGroups[group] = 1;
        owner->m_StartedGroups[group] = 1;
    }
    if (m_Entries.empty()) return;
    if (m_Flow && m_Flow->m_Trigger == eTriggerBeforeStart) {
        // Started again by one of these commands, the flow does not run them a second time.
        if (!m_Busy) {
            const uint32_t runs = m_Runs;
            for (cFlowCmdEntry& entry : m_Entries) {
                if (!entry.m_Cmd || entry.m_Cmd->CharaType() < kFirstNonMovingCommand || !entry.m_Cmd->m_Parallel)
                    continue;
                if (!RunAtOnce(*this, entry) || m_Runs != runs) return;
            }
        }
        if (owner) Finish(*owner);
        return;
    }
    cFlowCmdEntry& first = m_Entries[0];
    first.Reset();
    // A flow started again by one of its own commands (or by a flow that command started) runs
    // its first command on its next step: starting it here would start it again and again.
    if (first.m_UseTime != 0 || m_Busy) return;
    RunAtOnce(*this, first);
}

int cFlowRunner::Step() {
    if (m_Entries.empty()) return 1;
    if (cPlayScene* scene = CurrentPlayScene()) scene->m_Flow.m_Runner = this;
    const int32_t count = static_cast<int32_t>(m_Entries.size());
    if (m_Current < 0 || m_Current >= count) m_Current = count - 1;
    while (IsParallel(m_Entries[m_Current]) || m_Entries[m_Current].m_Done) {
        if (++m_Current >= count) {
            m_Current = count - 1;
            break;
        }
        cFlowCmdEntry& entry = m_Entries[m_Current];
        entry.Reset();
        if (!WaitsForKey(entry) && !IsParallel(entry)) m_MessageWait = 0;
        if (entry.m_UseTime != 0) continue;
        if (!RunAtOnce(*this, entry)) return 0;
        if (m_Current + 1 >= count) return 1;
    }
    for (int32_t i = 0; i <= m_Current; ++i) {
        cFlowCmdEntry& entry = m_Entries[i];
        if (entry.m_Done) continue;
        const uint32_t runs = m_Runs;
        const int finished = RunCommand(entry);
        if (m_Runs != runs) return 0;
        if (!finished) continue;
        entry.m_Done = 1;
        if (i + 1 == count) return 1;
    }
    if (m_Entries[count - 1].m_Done) return 1;
    if (m_Frames < INT_MAX) ++m_Frames;
    return 0;
}

void cFlowRunner::Finish(cActor& owner) {
    if (!m_Running) return;
    m_Running = 0;
    MarkFinished(*this, owner);
}

void cFlowRunner::Stop(cActor& owner) {
    m_Stopped = 1;
    if (m_Running) MarkFinished(*this, owner);
}
