#include "game/core/ChallengeScene.h"

#include <algorithm>

#include "data/Paths.h"
#include "data/ProjectData.h"
#include "framework/ErrorLog.h"
#include "framework/Format.h"
#include "framework/GameHelpers.h"
#include "framework/MessageBox.h"
#include "game/core/GameGlobals.h"
#include "game/core/GameInit.h"
#include "game/core/GameModes.h"
#include "game/core/GameWnd.h"
#include "game/core/Input.h"
#include "game/core/MenuScreen.h"
#include "game/core/RankingDraw.h"
#include "game/core/RankingPanel.h"
#include "game/core/SceneManager.h"
#include "game/data/Ranking.h"
#include "game/data/StageLoad.h"
#include "game/data/StorySave.h"
#include "game/media/Blit.h"
#include "game/media/Display.h"
#include "game/media/Font.h"
#include "game/media/Sound.h"

namespace {

const int kBigFont = 3;  // 32 dots a character
const int kCell = 32;
const int kHalfCell = 16;
const int kHeadingY = 32;
const int kTotalY = 80;
const int kHintX = 32;
const int kHintY = 128;
const int kNameX = 64;
const int kScoreGap = 192;
const int kMarkGap = 4;
const int kMarkSourceX = 96;
const int kRankingX = 292;
const int kRankingY = 124;
const int kChallengeMode = 2;  // the title menu row whose caption heads the list
const int kWorldText = 0;
const int kHintText = 3;
const int kTotalText = 4;

cScene* MakeChallenge() { return new cChallengeScene; }

}  // namespace

std::string ChallengeStageName(int world) {
    return Format("%s%02d-1.%s", PathTable[ePathChallengeStages], world, ExtTable[eExtStage]);
}

int ChallengeWorlds() {
    const int count = ChallengeCount();
    if (ProjectSystemData().m_AllWorldsSelectable) return count;
    return std::min(std::max(StoryState().m_ChallengeIndex, 0), count);
}

cChallengeScene::cChallengeScene() { SetHandlers<cChallengeScene>({&cChallengeScene::OnList}); }

cChallengeScene::~cChallengeScene() {
    DDReleaseSurface(m_Scene);
}

int cChallengeScene::VisibleRows() const { return std::min(kRowsShown, m_nWorlds - m_nTop); }

void cChallengeScene::Init() {
    PlayMenuMusic(2);
    if (!LoadMenuPictures({kPictureAccessory, kPictureWindow})) return;
    ResetMenuCursor();
    StoryState().Normalize();
    m_nWorlds = ChallengeWorlds();
    const cSceneManager& manager = SceneManager();
    cCursorState& cursor = *MenuCursor().Current();
    cursor.nRow = manager.m_nChallengeRow;
    m_nTop = manager.m_nChallengeTop;
    MenuCursor().MoveList(0, 1, &m_nTop, kListY, kRowH, kCursorX, std::min(kRowsShown, m_nWorlds), m_nWorlds, 1);
    SelectWorld(cursor.nRow + 1);
    if (CanDraw() && !DDCreateSurface(m_Scene, kScreenW, kScreenH, 0, kMemoryAny)) {
        ErrorLogAndClose(GetMainWindow(), "メモリが不足しています！");
        return;
    }
    DrawScene();
}

void cChallengeScene::SelectWorld(int world) {
    StoryState().SetStageFile(ChallengeStageName(world));
    LoadShownRanking();
}

void cChallengeScene::DrawScene() {
    if (!m_Scene.lpSurface) return;
    const cSystemData& system = ProjectSystemData();
    const cStorySave& story = StoryState();
    cFont& small = GameFonts()[kSystemFont];
    cFont& big = GameFonts()[kBigFont];
    DDFillRect(m_Scene, 0, 0, kScreenW, kScreenH, 0);
    small.DrawFrame(m_Scene, 1, 1, kScreenW - 2, kScreenH - 2);
    const std::string& heading = system.m_TitleMenu.At(kChallengeMode).m_Text;
    big.DrawText(m_Scene, kScreenW / 2 - kHalfCell * CountChars(heading.c_str()), kHeadingY, heading.c_str(), 0);
    if (story.m_ChallengeValue > 0) {
        const std::string& caption = system.m_Terms.At(kTotalText);
        int chars = CountChars(caption.c_str()) + CountDigits(story.m_ChallengeValue);
        small.Printf(m_Scene, kScreenW / 2 - chars * 8, kTotalY, "%s%d", caption.c_str(), story.m_ChallengeValue);
    }
    if (!story.m_MapSceneValue) small.Printf(m_Scene, kHintX, kHintY, "         %s", system.m_Terms.At(kHintText).c_str());
    const std::string& world = system.m_Terms.At(kWorldText);
    const int rows = VisibleRows();
    for (int i = 0; i < rows; ++i) {
        const int n = m_nTop + i;
        const int y = kListY + i * kRowH;
        const std::string text = Format("%s%d", world.c_str(), n + 1);
        const int width = CountChars(text.c_str());
        big.DrawText(m_Scene, kNameX, y, text.c_str(), 0);
        if (n < 0 || n >= static_cast<int>(story.m_Challenges.size())) continue;
        const cTwoIntRecord& record = story.m_Challenges[n];
        if (record.m_Cleared)
            DDBlt(m_Scene, (width + kMarkGap) * kCell, y, kCell, kCell, SystemPicture(kPictureAccessory), kMarkSourceX,
                  0, DDBLTFAST_SRCCOLORKEY);
        big.Printf(m_Scene, width * kCell + kScoreGap, y, "%d", record.m_BestScore);
    }
    if (story.m_MapSceneValue) {
        int kind = story.m_ShownRankKind;
        if (kind < 0 || kind >= kRankKinds) kind = eRankScore;
        DrawRankingOfKind(RankingTable(), m_Scene, kRankingX, kRankingY, kind, -1);
    }
}

void cChallengeScene::Show() {
    if (!CanDraw() || !m_Scene.lpSurface) return;
    DDBlt(BackBuffer(), 0, 0, kScreenW, kScreenH, m_Scene, 0, 0, 0);
}

int cChallengeScene::FadeIn() {
    if (CanDraw() && Display().nBpp == 8) DrawScene();
    Show();
    if (MenuFadeIn()) m_nState = eList;
    return 0;
}

int cChallengeScene::OnList() {
    cInput& input = GetPlayerInput(0);
    cMenuCursor& cursor = MenuCursor();
    cursor.MoveList(input.m_wDirection, 1, &m_nTop, kListY, kRowH, kCursorX, std::min(kRowsShown, m_nWorlds),
                    m_nWorlds, 1);
    PlayCursorSound(input.m_wDirection, 3, kCursorSoundSlot);
    const int row = cursor.Current()->nRow;
    if (input.m_wDirection) {
        SelectWorld(row + 1);
        DrawScene();
    }
    if (input.m_wButtons & kButtonDecide) {
        StartWorld(row);
        return 0;
    }
    if (input.m_wButtons & kButtonCancel) {
        PlaySystemSe(kSeCancel);
        LeaveTo(eSceneModeMenu);
        return 0;
    }
    if (RankingPanelKeys(input.m_wButtons)) DrawScene();
    Show();
    DrawCursorImage(cursor.Current()->nX, cursor.Current()->nY, kCursorLargeX, kCell);
    return 0;
}

void cChallengeScene::StartWorld(int row) {
    if (row < 0 || row >= m_nWorlds) {
        PlaySystemSe(kSeRefused);
        return;
    }
    const std::string name = ChallengeStageName(row + 1);
    if (!LoadStageAndStart(name.c_str(), 1)) {
        PlaySystemSe(kSeRefused);
        ErrorBox("ステージファイル %s が読み込めません！", name.c_str());
        return;
    }
    PlaySystemSe(kSeDecide);
    cStorySave& story = StoryState();
    story.SetStageFile(CurrentStagePath());
    story.m_StageActive = 1;
    story.m_StageNumber = row + 1;
    story.m_StartCount = ProjectSystemData().m_InitialLives.At(ePlayChallenge);
    story.m_SeriesFlag = 1;
    cSceneManager& manager = SceneManager();
    manager.m_nChallengeRow = row;
    manager.m_nChallengeTop = m_nTop;
    LeaveTo(eScenePlay);
}

int cChallengeScene::FadeOut() {
    if (!MenuFadeOut()) return 0;
    ResetMenuCursor();
    FinishFadeOut(eSceneChallenge);
    return 0;
}

void InstallChallenge() { SceneManager().SetCreator(eSceneChallenge, MakeChallenge); }
