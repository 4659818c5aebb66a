#include "game/play/PlayScene.h"

#include <new>

#include "framework/ErrorLog.h"
#include "framework/MessageBox.h"

namespace {

cPlayScene* g_lpPlayScene = nullptr;

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
    g_lpPlayScene = this;
}

cPlayScene::~cPlayScene() {
    if (g_lpPlayScene == this) g_lpPlayScene = nullptr;
}

bool cPlayScene::SetStage(const cEdStage& stage) {
    m_CharaId = 0;
    m_ItemId = 0;
    SetUpScrolls(stage);
    if (!BuildMapCells(stage)) return false;
    BuildPlayer(stage);
    BuildStageObjects(stage);
    m_CharaGroups.assign(cActor::kGroups, cActorGroup());
    for (cPlayerActor& player : m_Players) m_CharaGroups[player.Group()].push_back(&player);
    for (cCharaActor& chara : m_Charas) m_CharaGroups[chara.Group()].push_back(&chara);
    m_ScrEffect = cEffectState();
    m_ExecResult = 0;
    return true;
}

void cPlayScene::SetUpScrolls(const cEdStage& stage) {
    m_ScrollX.SetUp(0, stage.m_Width);
    m_ScrollX.SetBounds(stage.m_UseLimit[eLimitLeft], stage.m_Limit[eLimitLeft], stage.m_UseLimit[eLimitRight],
                        stage.m_Limit[eLimitRight]);
    m_ScrollY.SetUp(1, stage.m_Height);
    m_ScrollY.SetBounds(stage.m_UseLimit[eLimitTop], stage.m_Limit[eLimitTop], stage.m_UseLimit[eLimitBottom],
                        stage.m_Limit[eLimitBottom]);
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
        cell.block = placed.second;
        cell.state = 0;
    }
    return true;
}

void cPlayScene::BuildPlayer(const cEdStage& stage) {
    m_Players.assign(1, cPlayerActor());
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
        m_ScrollX.m_Pos = player.m_X + player.m_Width / 2 - 320;
        m_ScrollY.m_Pos = player.m_Y + player.m_Height / 2 - 240;
        m_ScrollX.Clamp();
        m_ScrollY.Clamp();
        player.UpdateScreenRect();
        break;
    }
}

bool cPlayScene::IsMapCell(int32_t column, int32_t row) const {
    return column >= 0 && column < m_ScrollX.m_Cells && row >= 0 && row < m_ScrollY.m_Cells;
}
