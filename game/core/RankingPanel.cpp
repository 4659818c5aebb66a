#include "game/core/RankingPanel.h"

#include "data/ProjectData.h"
#include "framework/ErrorLog.h"
#include "framework/GameHelpers.h"
#include "game/core/GameWnd.h"
#include "game/core/MenuScreen.h"
#include "game/core/RankingDraw.h"
#include "game/core/SceneManager.h"
#include "game/core/SystemTexts.h"
#include "game/data/Ranking.h"
#include "game/data/StorySave.h"
#include "game/media/Blit.h"

void LoadShownRanking() {
    const cSceneManager& manager = SceneManager();
    if (manager.m_bRankingOn) LoadRanking(RankingTable(), manager.m_nPlayKind, StoryState().m_StageFile);
}

bool DrawRankingPanel(cSurface& panel) {
    if (!CanDraw()) return true;
    if (!panel.lpSurface && !DDCreateSurface(panel, kRankPanelW, kRankPanelH, 1, kMemoryAny)) {
        ErrorLogAndClose(GetMainWindow(), "メモリが不足しています！");
        return false;
    }
    DDFillRect(panel, 0, 0, kRankPanelW, kRankPanelH, 0);
    // A kind from a damaged save shows the score ranking rather than closing the game.
    int kind = StoryState().m_ShownRankKind;
    if (kind < 0 || kind >= kRankKinds) kind = eRankScore;
    DrawRankingOfKind(RankingTable(), panel, 0, 0, kind, -1);
    return true;
}

bool RankingPanelKeys(int buttons) {
    cStorySave& story = StoryState();
    bool changed = false;
    if (buttons & kButtonRankView) {
        PlaySystemSe(kSeRankView);
        story.m_MapSceneValue = story.m_MapSceneValue ? 0 : 1;
        changed = true;
    }
    const int playKind = SceneManager().m_nPlayKind;
    if ((buttons & kButtonRankKind) && CountShownEntries(ProjectSystemData(), playKind) > 1) {
        PlaySystemSe(kSeRankView);
        story.StepCursorOverShown(playKind, 1);
        changed = true;
    }
    return changed;
}
