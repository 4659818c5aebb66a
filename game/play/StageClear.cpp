// A cleared stage: its results join the run's totals (with extra lives), the ranking entry, and
// the progress record with the scene that follows.
#include <algorithm>

#include "data/Paths.h"
#include "data/ProjectData.h"
#include "framework/ErrorLog.h"
#include "framework/Format.h"
#include "framework/Path.h"
#include "game/core/GameModes.h"
#include "game/core/OptionData.h"
#include "game/core/SceneManager.h"
#include "game/core/SystemTexts.h"
#include "game/data/Ranking.h"
#include "game/data/ReplayData.h"
#include "game/data/StorySave.h"
#include "game/play/PlayScene.h"

namespace {

const int32_t kMaxLives = 99;
const int kSoundExtraLife = 15;
const int kSoundRanked = 16;
const int kExtraLifeFrames = 30;
const int kSoundDecide = 1;
const int kSoundRankView = 6;
const int16_t kButtonLeave = 1;
const int16_t kButtonNextKind = 8;  // button 4
// The system settings name no text for it: the word their own caption uses, over the player.
const char kExtraLifeText[] = "1UP";
const int kOverPlayer = 1;

bool NameIsEntered(int mode) { return mode == 0 || mode == 2; }

}  // namespace

void cPlayScene::Tally() {
    cStorySave& story = StoryState();
    const int32_t before = story.m_TotalScore;
    story.m_TotalScore += story.m_Score;
    if (!m_NoTimeLimit) story.m_RemainingTime += m_TimeLeft;
    story.m_ClearTime += m_Elapsed;
    const cSystemData& system = ProjectSystemData();
    const int32_t interval = system.m_ScorePerLife;
    std::string next;
    const bool onward = NextStagePath(next, story.m_StageNumber + 1) != 0;
    const bool sharedStory = SceneManager().m_nPlayKind == ePlayStory && system.m_LivesShared;
    if (interval <= 0 || !(onward || sharedStory)) return;
    int32_t gained = story.m_TotalScore / interval - before / interval;
    // Lives stop at 99: no display is owed past that, however far a score jumps.
    gained = std::min(gained, kMaxLives);
    for (int32_t i = 0; i < gained; ++i) {
        story.m_Lives = std::min(story.m_Lives + 1, kMaxLives);
        Host().PlaySystemSound(kSoundExtraLife);
        cTextObj notice;
        notice.Create(cTextObj::eWindow, kExtraLifeText, 0, 0, 0, kOverPlayer, 0, 0, 0, 0, 1, cTextObj::eTimed,
                      kExtraLifeFrames, 0, m_Players.empty() ? 0 : m_Players[0].m_Number, 1);
        const auto shown = m_TextObjs.insert(m_TextObjs.end(), notice);
        RunWait(4, kExtraLifeFrames, 0, 1);
        m_TextObjs.erase(shown);
    }
}

void cPlayScene::StageClear() {
    Tally();
    m_RankDone = m_RankingPending = 0;
    m_RankPlaces.assign(3, -1);
    m_RankValues.assign(3, 0);
    m_Counter = 0;
    m_nState = ePlayResult;
    const cStorySave& story = StoryState();
    const cSceneManager& manager = SceneManager();
    if (!manager.m_bRankingOn || !IsLastOfSeries(story.m_StageNumber)) return;
    m_RankValues = {story.m_TotalScore, story.m_RemainingTime, story.m_ClearTime};
    if (Host().TestPlay()) return;
    const cRankingSetting& setting = ProjectSystemData().m_RankingSettings.At(manager.m_nPlayKind);
    cRankTable& table = RankingTable();
    for (int k = 0; k < kRankKinds; ++k) {
        if (k >= static_cast<int>(setting.m_Shown.size()) || !setting.m_Shown[k]) continue;
        if (k >= static_cast<int>(table.m_Kinds.size())) continue;
        m_RankPlaces[k] = table.m_Kinds[k].FindPosition(m_RankValues[k]);
        if (m_RankPlaces[k] != -1) m_RankingPending = 1;
    }
}

int cPlayScene::NextStagePath(std::string& path, int32_t number) {
    path.clear();
    const cStorySave& story = StoryState();
    if (!story.m_SeriesFlag || number == 0 || story.m_StageFile.empty()) return 0;
    // The series' name ends in the dot that its extension followed.
    std::string base = story.m_StageFile;
    if (base.back() == '.') base.pop_back();
    const std::string name = Format("%s-%d.%s", base.c_str(), number, ExtTable[eExtStage]);
    return FindNumberedFile(path, name.c_str(), ExtTable[eExtStage]) ? 1 : 0;
}

int cPlayScene::IsLastOfSeries(int32_t number) {
    std::string path;
    return NextStagePath(path, number + 1) ? 0 : 1;
}

void cPlayScene::EnterRanking() {
    if (!SceneManager().m_bRankingOn || !m_RankingPending || m_RankDone) return;
    const int mode = OptionData().m_RankEntryMode;
    cStorySave& story = StoryState();
    if (NameIsEntered(mode)) {
        // The last name entered is offered again and kept for the next time.
        Host().EnterName(story.m_PlayerName);
        m_RankName = story.m_PlayerName;
    } else {
        m_RankName = OptionData().m_RankName;
    }
    Host().PlaySystemSound(kSoundRanked);
    cRankTable& table = RankingTable();
    for (int k = 0; k < kRankKinds && k < static_cast<int>(table.m_Kinds.size()); ++k)
        if (m_RankPlaces[k] != -1) table.m_Kinds[k].Insert(m_RankName, m_RankValues[k]);
    if (!SaveRanking(table, SceneManager().m_nPlayKind, story.m_StageFile)) {
        std::string path;
        MakeRankingPath(path, SceneManager().m_nPlayKind, story.m_StageFile);
        Host().ReportFailure(Format("%s の保存に失敗！", path.c_str()).c_str());
    }
    m_RankDone = 1;
    ShowRankingView();
}

void cPlayScene::ShowRankingView() {
    m_RankView = StepShownRankKind(SceneManager().m_nPlayKind, 0, 0);
    Host().ShowRanking(*this);
    m_RankView = -1;
}

bool cPlayScene::RankingViewPass(int16_t buttons) {
    const int16_t pressed = static_cast<int16_t>(buttons & ~m_WaitButtons);
    m_WaitButtons = buttons;
    if (pressed & kButtonLeave) {
        Host().PlaySystemSound(kSoundDecide);
        return false;
    }
    const int playKind = SceneManager().m_nPlayKind;
    if ((pressed & kButtonNextKind) && CountShownEntries(ProjectSystemData(), playKind) > 1) {
        Host().PlaySystemSound(kSoundRankView);
        m_RankView = StepShownRankKind(playKind, m_RankView, 1);
    }
    Draw(0, 1, 0, 1);
    return true;
}

bool cPlayScene::LoadNextStage() {
    cStorySave& story = StoryState();
    std::string path;
    if (!NextStagePath(path, story.m_StageNumber + 1) || !Host().LoadStage(path)) return false;
    ++story.m_StageNumber;
    return true;
}

int cPlayScene::FinishStage() {
    cStorySave& story = StoryState();
    for (size_t i = 0; i < m_Players.size(); ++i) {
        const cPlayerActor& player = m_Players[i];
        story.StoreStock(static_cast<int>(i), player.m_Chara, player.m_Hp, player.m_Sp, 0, m_TimeLeft, story.m_Lives,
                         story.m_MusicIndex);
    }
    switch (SceneManager().m_nGameMode) {
        case eModeChallenge: {
            if (LoadNextStage()) {
                CurrentReplay().Clear();
                return eScenePlay;
            }
            const int row = SceneManager().m_nChallengeRow;
            if (row >= 0 && row < static_cast<int>(story.m_Challenges.size())) {
                cTwoIntRecord& entry = story.m_Challenges[row];
                entry.m_Cleared = 1;
                entry.m_BestScore = std::max(entry.m_BestScore, story.m_TotalScore);
            }
            if (story.m_ChallengeIndex <= row + 1) story.m_ChallengeIndex = std::min(row + 2, ChallengeCount());
            story.m_StageNumber = row + 1;
            // The progress stays in memory for the rest of the run when it cannot be written.
            if (!story.SaveFile(PathTable[ePathChallenge]))
                Host().ReportFailure(Format("%s の保存に失敗！", PathTable[ePathChallenge]).c_str());
            return eSceneChallenge;
        }
        case eModeStageFile:
            if (LoadNextStage()) {
                PreviousReplay().Clear();
                CurrentReplay().Clear();
                return eScenePlay;
            }
            return story.m_SeriesFlag ? eSceneModeMenu : eScenePlay;
        case eModeReplay:
            return eScenePlay;
        case eModeNewStory:
        case eModeContinue:
            if (LoadNextStage()) return eScenePlay;
            FinishWorldStage();
            return eSceneWorldMap;
        default:
            return eSceneChallenge;
    }
}

void cPlayScene::FinishWorldStage() {
    cStorySave& story = StoryState();
    story.RecordStageBest(story.m_StageFile, story.m_TotalScore);
    const cWorldEvent* event = ProjectWorldMap().FindEvent(story.m_WorldX, story.m_WorldY);
    if (!event || story.m_WorldEntry < 0 || story.m_WorldEntry >= static_cast<int32_t>(event->m_Pages.size())) return;
    const cWorldStageEntry& entry = event->m_Pages[story.m_WorldEntry];
    story.SetClearFlag(entry.m_WorldNo, 1);
    if (entry.m_GameClear == 1) story.Restart();
    if (entry.m_GameClear == 2) Host().CloseGame();
}
