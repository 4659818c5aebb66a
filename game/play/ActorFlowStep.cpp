// A character's running flows for one step, and the character effects they started.
#include "data/FlowTables.h"
#include "game/play/CharaActor.h"
#include "game/play/FlowRuntime.h"
#include "game/play/PlayScene.h"

int cActor::StepFlows() {
    cPlayScene* scene = CurrentPlayScene();
    if (scene) {
        scene->m_Flow.m_Actor = this;
        scene->CharasMayMove();
    }
    StartFlowEffects();
    int result = 0;
    // By index: a command may start, finish or mark other runners of the character.
    const int32_t wasStepping = m_Stepping;
    m_Stepping = 1;
    for (size_t i = 0; i < m_Runners.size(); ++i) {
        cFlowRunner& runner = m_Runners[i];
        if (!runner.m_Running) continue;
        if (runner.m_Entries.empty()) {
            FlowRuntime().Finish(runner, *this);
            continue;
        }
        if (runner.m_Paused || runner.m_Stopped) continue;
        if (FlowRuntime().Step(runner)) FlowRuntime().Finish(runner, *this);
        if ((!runner.m_Flow || runner.m_Flow->m_Trigger != eTriggerDeath) && m_Hp <= 0) {
            result = 1;
            break;
        }
    }
    m_Stepping = wasStepping;
    if (!m_Stepping) ApplyFlowChanges();
    if (m_RemovePending) {
        for (size_t i = m_Runners.size(); i-- > 0;)
            if (m_Runners[i].m_DeleteRequest) RemoveFlow(static_cast<int>(i));
        m_RemovePending = 0;
    }
    if (m_ReleasePending) {
        for (size_t group = 0; group < m_ReleaseGroups.size(); ++group) {
            if (!m_ReleaseGroups[group]) continue;
            m_RunningGroups[group] = 0;
            m_ReleaseGroups[group] = 0;
        }
        m_ReleasePending = 0;
    }
    return result;
}

void cActor::SuspendAnimesByFlow(int32_t key) {
    // An effect with nothing left to show ends instead of waiting.
    m_Animes.remove_if([key](const cRunningAnime& anime) {
        return anime.m_FlowKey == key && static_cast<int64_t>(anime.m_Count) + anime.m_Count2 < 1;
    });
    for (cRunningAnime& anime : m_Animes)
        if (anime.m_FlowKey == key) anime.m_Suspended = 1;
}

void cActor::ResumeAnimesByFlow(int32_t key) {
    for (cRunningAnime& anime : m_Animes)
        if (anime.m_FlowKey == key) anime.m_Suspended = 0;
}
