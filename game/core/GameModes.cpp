#include "game/core/GameModes.h"

#include <cstring>
#include <string>

#include "data/Paths.h"
#include "data/ProjectData.h"
#include "framework/Path.h"
#include "game/core/SceneManager.h"
#include "game/data/StageLoad.h"
#include "game/data/StorySave.h"

namespace {

// The longest path a start file may have; longer ones are not opened.
const size_t kMaxStartPath = MAX_PATH;

int StartValue(int kind) { return ProjectSystemData().m_InitialLives.At(kind); }

}  // namespace

std::string& StartFile() {
    static std::string path;
    return path;
}

std::vector<int> ListedModes(const cSystemData& system) {
    std::vector<int> modes;
    int n = static_cast<int>(system.m_TitleMenu.size());
    for (int i = 0; i < n && i < kGameModes; ++i)
        if (system.m_TitleMenu[i].m_Shown) modes.push_back(i);
    if (modes.empty()) modes = {eModeNewStory};
    return modes;
}

int RowOfMode(const std::vector<int>& modes, int mode) {
    for (size_t i = 0; i < modes.size(); ++i)
        if (modes[i] == mode) return static_cast<int>(i);
    return 0;
}

void SetPlayKind(int kind) {
    cSceneManager& manager = SceneManager();
    manager.m_nPlayKind = kind;
    manager.m_bRankingOn = ProjectSystemData().m_RankingSettings.At(kind).m_On;
}

void StartNewStory() {
    cStorySave& story = StoryState();
    story.Reset();
    story.m_WorldX = ProjectWorldMap().m_StartX;
    story.m_WorldY = ProjectWorldMap().m_StartY;
    story.m_CycleCount = 0;
    story.m_StartCount = StartValue(ePlayStory);
    story.TakeFirstLife();
}

bool SharesStoryLives() {
    const int mode = SceneManager().m_nGameMode;
    return (mode == eModeNewStory || mode == eModeContinue) && ProjectSystemData().m_LivesShared;
}

bool LoadChallengeState() {
    cStorySave& story = StoryState();
    if (story.LoadFile(PathTable[ePathChallenge], true)) return true;
    story.Reset();
    story.Normalize();
    return false;
}

bool IsReplayPath(const char* path) {
    if (!path) return false;
    const std::string ext = FileExtOf(path);
    return ext.find('/') == std::string::npos && _strnicmp(ext.c_str(), "rpl4_", 5) == 0;
}

bool OpenStartFile(const char* path, int flag) {
    if (!path || strlen(path) >= kMaxStartPath) return false;
    // The path may be the kept copy itself.
    std::string file = path;
    StartFile() = file;
    cStorySave& story = StoryState();
    story.Reset();
    // A replay file begins with the stage it was played on: that stage is played here. It is
    // read from the file itself, as no numbered stage file bears the replay's name.
    const int findLatest = IsReplayPath(file.c_str()) ? 0 : flag;
    if (!LoadStageAndStart(file.c_str(), findLatest)) return false;
    story.m_StageNumber = 1;
    story.m_StageActive = 1;
    story.m_StartCount = StartValue(ePlayFree);
    if (!MakeRelativePath(file)) return false;
    story.SetStageFile(file);
    return true;
}
