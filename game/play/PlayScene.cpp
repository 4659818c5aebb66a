#include "game/play/PlayScene.h"

#include <algorithm>
#include <new>

#include "data/FlowTables.h"
#include "framework/ErrorLog.h"
#include "framework/MessageBox.h"
#include "game/core/GameModes.h"
#include "game/core/Input.h"
#include "game/core/SceneManager.h"
#include "game/data/ReplayData.h"
#include "game/data/StorySave.h"
#include "game/play/Physics.h"

namespace {

cPlayScene* g_lpPlayScene = nullptr;
const int kAppearedFlags = 60;

}  // namespace

cPlayScene* CurrentPlayScene() { return g_lpPlayScene; }

cPoint OriginCells() {
    cPoint origin;
    origin.x = g_lpPlayScene ? g_lpPlayScene->m_ScrollX.m_BorderCells : cScroll::kBorderCells;
    origin.y = g_lpPlayScene ? g_lpPlayScene->m_ScrollY.m_BorderCells : cScroll::kBorderCells;
    return origin;
}

cPlayScene::cPlayScene() {
    m_ScrollX.SetUp(0, 0);
    m_ScrollY.SetUp(1, 0);
    m_CharaGroups.resize(cActor::kGroups);
    m_StageVars.assign(kStageVars, 0);
    SetHandlers<cPlayScene>(
        {&cPlayScene::Intro, &cPlayScene::PlayFrame, &cPlayScene::PauseMenu, &cPlayScene::Result, &cPlayScene::GameOver});
    g_lpPlayScene = this;
}

cPlayScene::~cPlayScene() {
    if (m_Host) m_Host->ReleasePictures();
    if (g_lpPlayScene == this) g_lpPlayScene = nullptr;
}

cPlayHost& cPlayScene::Host() {
    static cHeadlessHost headless;
    return m_Host ? *m_Host : headless;
}

int32_t cPlayScene::SubSteps() const { return PlayPhysics().steps; }

bool cPlayScene::SetStage(int reload) {
    Report("In SetStage\n");
    if (reload && !Host().ReloadStage()) {
        Host().CloseGame();
        return false;
    }
    cEdStage& stage = ProjectStage();
    // The random numbers: a replay's own seed, or a new one recorded into the replay.
    if (SceneManager().m_nGameMode == eModeReplay) {
        CurrentReplay().Rewind();
        m_Seed = static_cast<uint32_t>(CurrentReplay().m_Seed);
    } else {
        PreviousReplay() = CurrentReplay();
        CurrentReplay().Clear();
        m_Seed = Host().NewSeed();
        CurrentReplay().m_Seed = static_cast<int32_t>(m_Seed);
    }
    m_Random.Seed(m_Seed);
    cStorySave& story = StoryState();
    // What the stock carries over goes into the player's record, the time limit and the music
    // before anything is built from them.
    if (stage.m_StatusFromStock) {
        int place = stage.FindPlayer();
        for (auto& placed : stage.m_Charas)
            if (place-- == 0) story.RestoreStock(0, placed.second, stage);
    }
    // The play's music number says what play asked for last, not what plays: the world map and
    // the challenge list play their own songs without touching it. A stage whose song is not the
    // one playing starts it; a song that plays already (a retry after a death) goes on.
    if (stage.m_Bgm != story.m_MusicIndex || !Host().IsMusicPlaying(stage.m_Bgm)) {
        story.m_MusicIndex = stage.m_Bgm;
        // Row 0 is the stage's "none", as the music command's 0 is.
        if (stage.m_Bgm == 0)
            Host().StopMusic();
        else
            Host().PlayMusic(stage.m_Bgm);
    }
    if (!SetStage(stage)) {
        Host().CloseGame();
        return false;
    }
    Report("Out SetStage\n");
    return true;
}

std::vector<int32_t> cPlayScene::HitCheckTable(int32_t subSteps, int32_t hitChecks) {
    std::vector<int32_t> table(static_cast<size_t>(std::max(subSteps, 1)), hitChecks > 0 ? 0 : 1);
    if (hitChecks <= 0) return table;
    const double spacing = static_cast<double>(table.size()) / hitChecks;
    int32_t set = 0;
    for (int32_t k = 0;; ++k) {
        const size_t at = static_cast<size_t>(k * spacing);
        if (at >= table.size()) break;
        table[at] = 1;
        ++set;
    }
    if (set < hitChecks) table.back() = 1;
    return table;
}

void cPlayScene::SetUpStageCounters(const cEdStage& stage) {
    m_StageVars.assign(kStageVars, 0);
    m_HitChecks = HitCheckTable(SubSteps(), stage.m_HitPrecision);
    m_ExecResult = 0;
    m_Counter = 0;
    if (stage.m_UseTimeLimit) {
        m_TimeLeft = std::min(std::max(stage.m_TimeLimit, 0), 999);
        m_NoTimeLimit = 0;
    } else {
        m_TimeLeft = 999;
        m_NoTimeLimit = 1;
    }
    m_Frames = m_Elapsed = 0;
    m_Appeared.assign(kAppearedFlags, 0);
    m_NextStage = 0;
    m_SubStep = 0;
    m_StepCount = 0;
    cStorySave& story = StoryState();
    story.m_Score = 0;
    if (SceneManager().m_nGameMode == eModeReplay) story.m_TotalScore = story.m_RemainingTime = story.m_ClearTime = 0;
    m_StartVars = story.m_Variables;
    m_StartLives = story.m_Lives;
    m_StartTotalScore = story.m_TotalScore;
    m_StartMusic = story.m_MusicIndex;
    m_LayerOffsetX.assign(stage.m_BackLayers.size(), 0.0);
    m_LayerOffsetY.assign(stage.m_BackLayers.size(), 0.0);
    m_LayerShown.clear();
    for (const cBackLayer& layer : stage.m_BackLayers) m_LayerShown.push_back(layer.m_ShowAtStart);
    for (cInput& input : PlayerInputs()) {
        input.ClearHistory();
        input.ResetKeyLogs();
    }
}

bool cPlayScene::SetStage(const cEdStage& stage) {
    m_CharaId = 0;
    m_ItemId = 0;
    m_Touching.clear();
    m_BlockItemCell = kNoCell;
    m_Shots.clear();
    m_ShotId = 0;
    m_ShotsCapped = 0;
    const auto anySide = [&](int kind) {
        const cAutoVanish& rule = stage.m_AutoVanish[kind];
        return rule.m_Left || rule.m_Right || rule.m_Top || rule.m_Bottom ? 1 : 0;
    };
    m_RemoveCharas = anySide(eVanishEnemy);
    m_RemoveBlockCharas = anySide(eVanishEnemyBlock);
    m_RemoveItems = anySide(eVanishItem);
    SetUpScrolls(stage);
    if (!BuildMapCells(stage)) return false;
    BuildPlayer(stage);
    BuildStageObjects(stage);
    m_CharaGroups.assign(cActor::kGroups, cActorGroup());
    for (cPlayerActor& player : m_Players) m_CharaGroups[player.Group()].push_back(&player);
    for (cCharaActor& chara : m_Charas) m_CharaGroups[chara.Group()].push_back(&chara);
    Report("D\n");
    m_ScrEffect = cEffectState();
    m_TextObjs.clear();
    m_Messages.clear();
    m_EffectObjs.clear();
    m_PictureObjs.clear();
    m_StagePictures.clear();
    SetUpStageCounters(stage);
    for (cPlayerActor& player : m_Players) player.StartFlowsByTrigger(eTriggerBeforeStart);
    for (cCharaActor& chara : m_Charas) chara.StartFlowsByTrigger(eTriggerBeforeStart);
    Activate();
    return true;
}

void cPlayScene::SetUpScrolls(const cEdStage& stage) {
    m_ScrollX.SetUp(0, stage.m_Width);
    m_ScrollX.SetBounds(stage.m_UseLimit[eLimitLeft], stage.m_Limit[eLimitLeft], stage.m_UseLimit[eLimitRight],
                        stage.m_Limit[eLimitRight]);
    m_ScrollY.SetUp(1, stage.m_Height);
    m_ScrollY.SetBounds(stage.m_UseLimit[eLimitTop], stage.m_Limit[eLimitTop], stage.m_UseLimit[eLimitBottom],
                        stage.m_Limit[eLimitBottom]);
    cScroll* axes[] = {&m_ScrollX, &m_ScrollY};
    for (int axis = 0; axis < 2; ++axis) {
        axes[axis]->m_Divisor = stage.m_LevelReal > 0.0 ? stage.m_LevelReal : 1.0;
        axes[axis]->SetSpeed(stage.m_ScrollMode[axis] == 1, stage.m_AutoScrollSpeed[axis]);
    }
}

bool cPlayScene::BuildMapCells(const cEdStage& stage) {
    m_ChangedCells.clear();
    try {
        m_MapCells.clear();
        m_MapCells.resize(static_cast<size_t>(m_ScrollY.m_Cells) * m_ScrollX.m_Stride);
    } catch (const std::bad_alloc&) {
        cBlockMap().swap(m_MapCells);
        ErrorBox("メモリ不足により、ステージの初期設定に失敗しました！");
        PostMessageA(GetMainWindow(), WM_CLOSE, 0, 0);
        return false;
    }
    for (const auto& placed : stage.m_Blocks) {
        const int32_t column = placed.second.m_Extra1 + cScroll::kBorderCells;
        const int32_t row = placed.second.m_Extra2 + cScroll::kBorderCells;
        if (!IsMapCell(column, row)) continue;
        cBlockCell& cell = m_MapCells[CellIndex(column, row)];
        cell.Put(placed.second);
    }
    return true;
}

void cPlayScene::BuildPlayer(const cEdStage& stage) {
    m_Players.assign(1, cPlayerActor());
    Report("A\n");
    int index = stage.FindPlayer();
    for (const auto& placed : stage.m_Charas) {
        if (index-- != 0) continue;
        const cEdChara& record = placed.second;
        cPlayerActor& player = m_Players[0];
        const int32_t column = record.m_Extra1, row = record.m_Extra2;
        player.Setup(m_CharaId++, record, ((column + cScroll::kBorderCells) << 5) | 16,
                     ((row + cScroll::kBorderCells) << 5) | 16);
        player.m_StartColumn = column;
        player.m_StartRow = row;
        if (stage.m_StatusFromStock) StoryState().RestoreStockHpSp(0, player.m_Hp, player.m_Sp);
        m_ScrollX.m_Pos = player.m_X + player.m_Width / 2 - 320;
        m_ScrollY.m_Pos = player.m_Y + player.m_Height / 2 - 240;
        m_ScrollX.Clamp();
        m_ScrollY.Clamp();
        player.UpdatePlayerScreenRect();
        break;
    }
    Report("B\n");
}
