#include "game/data/StageLoad.h"

#include <atomic>

#include "data/Stage.h"

namespace {

// A window procedure dispatched during a load could ask for another one; the stage would then
// be replaced under the first load's feet.
std::atomic<bool> g_loading(false);

}  // namespace

int LoadStageAndStart(const char* stageName, int findLatest) {
    if (g_loading.exchange(true)) return 0;
    const bool loaded = ProjectStage().LoadStageFile(stageName, findLatest != 0, cEdStage::ePumpDispatch);
    g_loading = false;
    return loaded ? 1 : 0;
}

const std::string& CurrentStagePath() { return ProjectStage().m_FilePath; }
