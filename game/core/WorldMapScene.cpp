#include "game/core/WorldMapScene.h"

#include <algorithm>
#include <string>

#include "data/ProjectData.h"
#include "data/WorldMap.h"
#include "framework/MessageBox.h"
#include "framework/Format.h"
#include "game/core/GameGlobals.h"
#include "game/core/GameInit.h"
#include "game/core/GameWnd.h"
#include "game/core/Input.h"
#include "game/core/MenuScreen.h"
#include "game/core/RankingDraw.h"
#include "game/core/RankingPanel.h"
#include "game/core/SceneManager.h"
#include "game/core/SystemTexts.h"
#include "game/data/StageLoad.h"
#include "game/data/StorySave.h"
#include "game/media/Blit.h"
#include "game/media/Display.h"
#include "game/media/Font.h"
#include "game/media/Sound.h"

namespace {

const int kPictureChips = 50;
const int kPictureEvents = 51;
const int kPictureWorldBack = 52;
const int kCell = 32;
const int kChipsPerRow = 5;
// The player stands in the centre cell of the view.
const int kViewCentreX = 9;
const int kViewCentreY = 7;
const int kConfirmY = 260;
const int kInfoCentreX = 304;
const int kNameY = 204;
const int kNameYAboveScore = 184;
const int kScoreLineGap = 20;
const int kRankPanelX = 367;
const int kRankPanelY = 64;
const int kTextCell = 16;
const int kConfirmFirstText = 8;
const int kScoreText = 2;
// The walk: the second picture from the 41st frame, round again at 80.
const int kWalkHalf = 40;
const int kWalkFrames = 80;
const int kStoryKind = 0;

enum eCompare { eEqual, eNotEqual, eAtLeast, eAtMost, eAbove, eBelow };

bool Compare(int v, int d, int comparison) {
    switch (comparison) {
    case eEqual: return v == d;
    case eNotEqual: return v != d;
    case eAtLeast: return v >= d;
    case eAtMost: return v <= d;
    case eAbove: return v > d;
    case eBelow: return v < d;
    default: return false;
    }
}

// Sources of the player in the accessory picture, by facing.
const POINT kPlayerSource[] = {{0, 64}, {64, 64}, {64, 96}, {0, 96}};

bool IsStage(const cWorldStageEntry* entry) { return entry && entry->m_Type == eWorldEventWorld; }

cScene* MakeWorldMap() { return new cWorldMapScene; }

}  // namespace

const cWorldStageEntry* SelectWorldEntry(const cWorldEvent* event, const cStorySave& story) {
    if (!event) return nullptr;
    for (const cWorldStageEntry& entry : event->m_Pages) {
        if (entry.m_NeedWorld > 0 && !story.ClearFlag(entry.m_NeedWorld)) continue;
        if (entry.m_CondVar == 0) return &entry;
        if (Compare(story.Variable(entry.m_CondVar), entry.m_CondValue, entry.m_CondCompare)) return &entry;
    }
    return nullptr;
}

int WorldEntryIndex(const cWorldEvent* event, const cWorldStageEntry* entry) {
    if (!event || !entry) return -1;
    for (size_t i = 0; i < event->m_Pages.size(); ++i)
        if (&event->m_Pages[i] == entry) return static_cast<int>(i);
    return -1;
}

const cWorldRec2* WorldChipAt(const cWorldMap& map, int column, int row) {
    column = std::min(std::max(column, 0), std::max(map.m_Width - 1, 0));
    row = std::min(std::max(row, 0), std::max(map.m_Height - 1, 0));
    size_t cell = static_cast<size_t>(column) + (static_cast<size_t>(row) << map.m_PitchBits);
    if (map.m_PitchBits < 0 || map.m_PitchBits > 16 || cell >= map.m_Grid.size()) return nullptr;
    int chip = map.m_Grid[cell];
    if (chip < 0 || chip >= static_cast<int>(map.m_Chips.size())) return nullptr;
    return &map.m_Chips[chip];
}

cWorldMapScene::cWorldMapScene() {
    SetHandlers<cWorldMapScene>({&cWorldMapScene::OnMap, &cWorldMapScene::OnConfirm});
}

cWorldMapScene::~cWorldMapScene() {
    ReleaseMenuPictures({kPictureWorldBack, kPictureChips, kPictureEvents});
    DDReleaseSurface(m_Ranking);
}

int cWorldMapScene::Column() const { return m_Pos.nColumn; }
int cWorldMapScene::Row() const { return m_Pos.nRow; }

void cWorldMapScene::Init() {
    PlayMenuMusic(1, false);
    const cWorldMap& map = ProjectWorldMap();
    if (!map.m_BackImage.empty())
        CopyText(SystemPictures()[kPictureWorldBack].szFileName, MAX_PATH, map.m_BackImage.c_str());
    if (!LoadMenuPictures({kPictureWorldBack, kPictureChips, kPictureEvents, kPictureAccessory, kPictureWindow}))
        return;
    ResetMenuCursor();
    cStorySave& story = StoryState();
    // A position from a save of another map starts at the map's start.
    story.Normalize();
    m_Pos = cCursorState();
    m_Pos.nColumn = story.m_WorldX;
    m_Pos.nRow = story.m_WorldY;
    m_Pos.nX = kPlayerX;
    m_Pos.nY = kPlayerY;
    m_nViewX = m_Pos.nColumn - kViewCentreX;
    m_nViewY = m_Pos.nRow - kViewCentreY;
    FindEntry();
    m_Before = m_Pos;
    if (IsStage(m_lpEntry)) {
        ShowEntryInfo();
        m_nShownX = m_Pos.nColumn;
        m_nShownY = m_Pos.nRow;
    }
    DrawRankingPanel(m_Ranking);
}

void cWorldMapScene::FindEntry() {
    m_lpEvent = ProjectWorldMap().FindEvent(m_Pos.nColumn, m_Pos.nRow);
    m_lpEntry = SelectWorldEntry(m_lpEvent, StoryState());
}

bool cWorldMapScene::IsCleared(const cWorldStageEntry* entry) const {
    return entry && StoryState().ClearFlag(entry->m_WorldNo) != 0;
}

bool cWorldMapScene::CanStay(const cWorldStageEntry* entry) const {
    return entry && (entry->m_PassUncleared || IsCleared(entry));
}

void cWorldMapScene::ShowEntryInfo() {
    cStorySave& story = StoryState();
    story.SetStageFile(m_lpEntry ? m_lpEntry->m_StartStage : std::string());
    m_nScore = story.GetStageBest(story.m_StageFile);
    if (SceneManager().m_bRankingOn) {
        LoadShownRanking();
        DrawRankingPanel(m_Ranking);
    }
}

bool cWorldMapScene::LoadEntryStage() {
    const std::string& path = m_lpEntry->m_StartStage;
    m_bLoaded = path.size() < MAX_PATH && LoadStageAndStart(path.c_str(), 1) == 1;
    if (!m_bLoaded) ErrorBox("ステージファイル %s が読み込めません！", path.c_str());
    return m_bLoaded;
}

void cWorldMapScene::EnterStage() {
    cStorySave& story = StoryState();
    const cSystemData& system = ProjectSystemData();
    story.SetStageFile(CurrentStagePath());
    story.m_StageNumber = m_lpEntry->m_WorldNo;
    story.m_StageActive = 1;
    if (!system.m_LivesShared) story.m_StartCount = system.m_InitialLives.At(kStoryKind);
    story.m_WorldEntry = WorldEntryIndex(m_lpEvent, m_lpEntry);
}

int cWorldMapScene::FadeIn() {
    Draw();
    if (!MenuFadeIn()) return 0;
    m_nState = eMap;
    if (!IsStage(m_lpEntry) || IsCleared(m_lpEntry)) return 0;
    // Standing on a stage not yet cleared: it is played at once. One that cannot be loaded
    // leaves the player on the map, free to walk off, rather than ending the game on every
    // return to this place.
    if (LoadEntryStage()) {
        EnterStage();
        LeaveTo(eScenePlay);
        return 0;
    }
    m_nRefusedX = m_Pos.nColumn;
    m_nRefusedY = m_Pos.nRow;
    return 0;
}

void cWorldMapScene::Walk(int keys) {
    const cWorldMap& map = ProjectWorldMap();
    m_Before = m_Pos;
    if (keys & kKeyLeft) {
        m_nFacing = eFaceLeft;
        m_Pos.nColumn = std::max(m_Pos.nColumn - 1, 0);
    } else if (keys & kKeyRight) {
        m_nFacing = eFaceRight;
        m_Pos.nColumn = std::min(m_Pos.nColumn + 1, map.m_Width - 1);
    } else if (keys & kKeyUp) {
        m_nFacing = eFaceUp;
        m_Pos.nRow = std::max(m_Pos.nRow - 1, 0);
    } else {
        m_nFacing = eFaceDown;
        m_Pos.nRow = std::min(m_Pos.nRow + 1, map.m_Height - 1);
    }
    FindEntry();
    const cWorldRec2* chip = WorldChipAt(map, m_Pos.nColumn, m_Pos.nRow);
    bool blocked = m_lpEntry ? m_lpEntry->m_Type == eWorldEventWall : chip && chip->m_Block != 0;
    if (blocked) {
        m_Pos = m_Before;
        FindEntry();
        return;
    }
    m_nViewX = m_Pos.nColumn - kViewCentreX;
    m_nViewY = m_Pos.nRow - kViewCentreY;
}

void cWorldMapScene::OpenConfirm() {
    cStorySave& story = StoryState();
    story.m_WorldX = m_Pos.nColumn;
    story.m_WorldY = m_Pos.nRow;
    m_nSubState = 0;
    m_nState = eConfirm;
}

int cWorldMapScene::OnMap() {
    cInput& input = GetPlayerInput(0);
    const int keys = input.m_wDirection & (kKeyLeft | kKeyRight | kKeyUp | kKeyDown);
    if (keys) Walk(keys);
    PlayCursorSound(input.m_wDirection, 3, kCursorSoundSlot);
    if (m_Pos.nColumn != m_nRefusedX || m_Pos.nRow != m_nRefusedY) m_nRefusedX = m_nRefusedY = -1;
    if (IsStage(m_lpEntry)) {
        if (m_Pos.nColumn != m_nShownX || m_Pos.nRow != m_nShownY) {
            ShowEntryInfo();
            m_nShownX = m_Pos.nColumn;
            m_nShownY = m_Pos.nRow;
        }
        if (!CanStay(m_lpEntry) && m_nRefusedX < 0) {
            OpenConfirm();
            return 0;
        }
        if (input.m_wButtons & kButtonDecide) {
            if (!IsCleared(m_lpEntry) || m_lpEntry->m_PlayAfterClear) OpenConfirm();
            return 0;
        }
        if (RankingPanelKeys(input.m_wButtons)) DrawRankingPanel(m_Ranking);
    }
    if (input.m_wButtons & kButtonCancel) {
        PlaySystemSe(kSeWorldMenu);
        cStorySave& story = StoryState();
        story.m_WorldX = m_Pos.nColumn;
        story.m_WorldY = m_Pos.nRow;
        LeaveTo(eSceneSaveSlots);
        return 0;
    }
    Draw();
    return 0;
}

int cWorldMapScene::OnConfirm() {
    cInput& input = GetPlayerInput(0);
    cMenuCursor& cursor = MenuCursor();
    if (m_nSubState == 0) {
        PlaySystemSe(kSeDecide);
        LoadEntryStage();
        *cursor.Current() = cCursorState();
        cursor.Current()->nRow = 1;
        m_nSubState = 1;
    }
    const cSystemData& system = ProjectSystemData();
    const int x = CenterTextBoxX(system, kInfoCentreX, kConfirmFirstText, 2);
    cursor.MoveGrid(input.m_wDirection, x, kConfirmY, 0, kTextCell, 1, 2);
    PlayCursorSound(input.m_wDirection, 2, kCursorSoundSlot);
    if (input.m_wButtons & kButtonDecide) {
        PlaySystemSe(kSeDecide);
        if (cursor.Current()->nRow == 0 && m_bLoaded) {
            EnterStage();
            LeaveTo(eScenePlay);
            return 0;
        }
        LeaveConfirm();
        return 0;
    }
    if (input.m_wButtons & kButtonCancel) {
        PlaySystemSe(kSeCancel);
        LeaveConfirm();
        return 0;
    }
    if (RankingPanelKeys(input.m_wButtons)) DrawRankingPanel(m_Ranking);
    Draw();
    if (CanDraw()) DrawTextBox(system, BackBuffer(), x, kConfirmY, kConfirmFirstText, 2);
    DrawCursorImage(cursor.Current()->nX, cursor.Current()->nY, kCursorSmallX, 16);
    return 0;
}

void cWorldMapScene::LeaveConfirm() {
    *MenuCursor().Current() = cCursorState();
    if (!CanStay(m_lpEntry)) {
        // The stage must be played or the player steps back off it.
        m_Pos = m_Before;
        m_nViewX = m_Pos.nColumn - kViewCentreX;
        m_nViewY = m_Pos.nRow - kViewCentreY;
        FindEntry();
        // With nowhere to step back to, the offer waits until the player walks off.
        if (IsStage(m_lpEntry) && !CanStay(m_lpEntry)) {
            m_nRefusedX = m_Pos.nColumn;
            m_nRefusedY = m_Pos.nRow;
        }
    }
    m_nSubState = 0;
    m_nState = eMap;
}

void cWorldMapScene::Draw() {
    if (!CanDraw()) return;
    const cWorldMap& map = ProjectWorldMap();
    const cStorySave& story = StoryState();
    cSurface& back = BackBuffer();
    DDFillRect(back, 0, 0, kScreenW, kScreenH, map.m_BackColor);
    if (map.m_UseBackImage) {
        int sx = std::max(m_nViewX, 0) * kCell, sy = std::max(m_nViewY, 0) * kCell;
        int dx = std::max(-m_nViewX, 0) * kCell, dy = std::max(-m_nViewY, 0) * kCell;
        DDBlt(back, dx, dy, kScreenW, kScreenH, SystemPicture(kPictureWorldBack), sx, sy, 0);
    }
    cSurface& chips = SystemPicture(kPictureChips);
    for (int vr = 0; vr < kViewRows; ++vr) {
        int row = m_nViewY + vr;
        if (row < 0 || row >= map.m_Height) continue;
        for (int vc = 0; vc < kViewColumns; ++vc) {
            int column = m_nViewX + vc;
            if (column < 0 || column >= map.m_Width) continue;
            const cWorldRec2* chip = WorldChipAt(map, column, row);
            if (!chip || chip->m_Picture < 0) continue;
            int c = chip->m_Picture;
            DDBlt(back, vc * kCell, vr * kCell, kCell, kCell, chips, c % kChipsPerRow * kCell, c / kChipsPerRow * kCell,
                  DDBLTFAST_SRCCOLORKEY);
        }
    }
    cSurface& icons = SystemPicture(kPictureEvents);
    for (const cWorldEvent& event : map.m_Events) {
        const cWorldStageEntry* entry = SelectWorldEntry(&event, story);
        int x = (event.m_X - m_nViewX) * kCell, y = (event.m_Y - m_nViewY) * kCell;
        if (!entry || x < -kCell || x >= kScreenW || y < -kCell || y >= kScreenH) continue;
        // An icon row past the picture draws nothing.
        if (entry->m_Graphic < 0 || entry->m_Graphic >= icons.nHeight / kCell) continue;
        DDBlt(back, x, y, kCell, kCell, icons, IsCleared(entry) ? kCell : 0, entry->m_Graphic * kCell,
              DDBLTFAST_SRCCOLORKEY);
    }
    if (++m_nWalk >= kWalkFrames) m_nWalk = 0;
    const POINT& source = kPlayerSource[m_nFacing];
    DDBlt(back, kPlayerX, kPlayerY, kCell, kCell, SystemPicture(kPictureAccessory),
          source.x + (m_nWalk >= kWalkHalf ? kCell : 0), source.y, DDBLTFAST_SRCCOLORKEY);
    DrawEntryInfo();
    CyclePalette();
}

void cWorldMapScene::DrawEntryInfo() {
    if (!IsStage(m_lpEntry)) return;
    cSurface& back = BackBuffer();
    if (StoryState().m_MapSceneValue && m_Ranking.lpSurface)
        DDBlt(back, kRankPanelX, kRankPanelY, kRankPanelW, kRankPanelH, m_Ranking, 0, 0, DDBLTFAST_SRCCOLORKEY);
    cFont& font = GameFonts()[kSystemFont];
    const std::string& name = m_lpEntry->m_WorldName;
    const int nameY = m_nScore > 0 ? kNameYAboveScore : kNameY;
    if (!name.empty()) {
        int w = CountChars(name.c_str()) * kTextCell;
        font.PrintfBox(back, kInfoCentreX - w / 2, nameY, w, kTextCell, "%s", name.c_str());
    }
    if (m_nScore > 0) {
        const std::string& caption = ProjectSystemData().m_Terms.At(kScoreText);
        int w = (CountChars(caption.c_str()) + CountDigits(m_nScore)) * kTextCell;
        font.PrintfBox(back, kInfoCentreX - w / 2, nameY + kScoreLineGap, w, kTextCell, "%s%d", caption.c_str(),
                       m_nScore);
    }
}

int cWorldMapScene::FadeOut() {
    Draw();
    if (!MenuFadeOut()) return 0;
    ResetMenuCursor();
    FinishFadeOut(eSceneWorldMap);
    return 0;
}

void InstallWorldMap() { SceneManager().SetCreator(eSceneWorldMap, MakeWorldMap); }
