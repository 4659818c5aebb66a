#include "game/core/ModeMenuScene.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "data/ProjectData.h"
#include "framework/ErrorLog.h"
#include "framework/FileDialogs.h"
#include "framework/GameHelpers.h"
#include "game/core/GameGlobals.h"
#include "game/core/GameInit.h"
#include "game/core/GameModes.h"
#include "game/core/GameWnd.h"
#include "game/core/Input.h"
#include "game/core/MenuScreen.h"
#include "game/core/ReplayRequests.h"
#include "game/core/SceneManager.h"
#include "game/core/SlotList.h"
#include "game/data/StorySave.h"
#include "game/media/Blit.h"
#include "game/media/CompositeBlit.h"
#include "game/media/Display.h"
#include "game/media/Font.h"
#include "game/media/Sound.h"

namespace {

const int kMenuFont = 3;  // the 32-pixel game font
const int kRowH = 32;
const int kFrameColour = 240;

const char kStageFolder[] = "data\\stg4\\";
const char kStageFilter[] = "StageFile ( *.stg4_*;*.rpl4_* )\0*.stg4_*;*.rpl4_*\0";

int StageOpenRequest(HWND owner, WPARAM) {
    char name[MAX_PATH] = "";
    if (!OpenFileDialog(owner, name, MAX_PATH, kStageFolder, "ステージファイルの選択",
                        std::string(kStageFilter, sizeof kStageFilter).c_str(), "stg4_*", 0, nullptr))
        return 0;
    return OpenStartFile(name, 0) ? 1 : 0;
}

cScene* MakeModeMenu() { return new cModeMenuScene; }

}  // namespace

SIZE ModeMenuSize(const cSystemData& system, const std::vector<int>& modes) {
    int longest = 0;
    for (int mode : modes) longest = std::max(longest, CountChars(system.m_TitleMenu.At(mode).m_Text.c_str()));
    return SIZE{longest * 32 + 34, static_cast<LONG>(modes.size()) * kRowH + 2};
}

cModeMenuScene::cModeMenuScene() {
    SetHandlers<cModeMenuScene>({&cModeMenuScene::OnModeList, &cModeMenuScene::OnStorySlots});
}

cModeMenuScene::~cModeMenuScene() {
    ReleaseMenuPictures({kPictureTitle});
    DDReleaseSurface(m_Menu);
}

void cModeMenuScene::Init() {
    PlayMenuMusic(0);
    if (!LoadMenuPictures({kPictureTitle, kPictureAccessory, kPictureWindow})) return;
    ResetMenuCursor();
    m_Modes = ListedModes(ProjectSystemData());
    cCursorState& cursor = *MenuCursor().Current();
    cursor.nRow = RowOfMode(m_Modes, SceneManager().m_nGameMode);
    cursor.nX = kMenuX;
    cursor.nY = kMenuY + cursor.nRow * kRowH;
    BuildMenuSurface();
}

void cModeMenuScene::BuildMenuSurface() {
    if (!CanDraw()) return;
    SIZE size = ModeMenuSize(ProjectSystemData(), m_Modes);
    if (!m_Menu.lpSurface && !DDCreateSurface(m_Menu, size.cx, size.cy, 1, kMemoryAny)) {
        ErrorLogAndClose(GetMainWindow(), "メモリが不足しています！");
        return;
    }
    DDFillRect(m_Menu, 0, 0, size.cx, size.cy, 0);
    DDBltFramed(m_Menu, 1, 1, size.cx - 2, size.cy - 2, SystemPicture(kPictureWindow), 1, kFrameColour);
    cFont& font = GameFonts()[kMenuFont];
    for (size_t row = 0; row < m_Modes.size(); ++row)
        font.DrawText(m_Menu, 32, static_cast<int>(row) * kRowH, ProjectSystemData().m_TitleMenu.At(m_Modes[row]).m_Text.c_str(),
                      0);
}

void cModeMenuScene::DrawScreen() {
    if (!CanDraw()) return;
    DDBlt(BackBuffer(), 0, 0, kScreenW, kScreenH, SystemPicture(kPictureTitle), 0, 0, 0);
    DDBlt(BackBuffer(), kMenuX, kMenuY, m_Menu.nWidth, m_Menu.nHeight, m_Menu, 0, 0, DDBLTFAST_SRCCOLORKEY);
    CyclePalette();
}

int cModeMenuScene::FadeIn() {
    if (CanDraw() && Display().nBpp == 8) BuildMenuSurface();
    DrawScreen();
    if (MenuFadeIn()) m_nState = eModeList;
    return 0;
}

int cModeMenuScene::OnModeList() {
    cInput& input = GetPlayerInput(0);
    cMenuCursor& cursor = MenuCursor();
    cursor.MoveGrid(input.m_wDirection, kMenuX, kMenuY, 0, kRowH, 1, static_cast<int>(m_Modes.size()));
    PlayCursorSound(input.m_wDirection, 2, kCursorSoundSlot);
    if (!(input.m_wButtons & kButtonDecide)) {
        DrawScreen();
        DrawCursorImage(cursor.Current()->nX, cursor.Current()->nY, kCursorLargeX, 32);
        return 0;
    }
    PlaySystemSe(kSeDecide);
    int row = std::min(std::max(cursor.Current()->nRow, 0), static_cast<int>(m_Modes.size()) - 1);
    Decide(m_Modes[row]);
    return 0;
}

void cModeMenuScene::Decide(int mode) {
    cSceneManager& manager = SceneManager();
    manager.m_nGameMode = mode;
    switch (mode) {
    case eModeNewStory:
        SetPlayKind(ePlayStory);
        StartNewStory();
        LeaveTo(eSceneWorldMap);
        break;
    case eModeContinue:
        SetPlayKind(ePlayStory);
        MenuCursor().Push(0);
        m_nState = eStorySlots;
        m_nSubState = 0;
        break;
    case eModeChallenge:
        SetPlayKind(ePlayChallenge);
        LoadChallengeState();
        LeaveTo(eSceneChallenge);
        break;
    case eModeStageFile:
        SetPlayKind(ePlayFree);
        if (AskStageFile()) LeaveTo(eScenePlay);
        break;
    case eModeReplay:
        SetPlayKind(ePlayReplay);
        if (RequestReplayOpen()) LeaveTo(eScenePlay);
        break;
    case eModeOption:
        LeaveTo(eSceneOption);
        break;
    case eModeQuit:
        PostMessageA(GetMainWindow(), WM_CLOSE, 0, 0);
        break;
    }
}

int cModeMenuScene::OnStorySlots() {
    cMenuCursor& cursor = MenuCursor();
    cRecordVector<cStorySlotHeader>& slots = StorySlots();
    if (m_nSubState == 0) {
        m_nSubState = 1;
        m_Slots.Open(cursor, 0);
    } else if (m_nSubState != 1) {
        return 0;
    }
    const int count = static_cast<int>(slots.size());
    cInput& input = GetPlayerInput(0);
    m_Slots.Move(cursor, input.m_wDirection);
    int row = cursor.Current()->nRow;
    if (input.m_wButtons & kButtonDecide) {
        if (row < 0 || row >= count || !slots[row].m_Used) {
            PlaySystemSe(kSeRefused);
            return 0;
        }
        if (!ReadStory(StoryState(), row)) {
            // The file changed since the list was read: the slot is shown as it now is.
            PlaySystemSe(kSeRefused);
            ReadStorySlots(slots);
            return 0;
        }
        PlaySystemSe(kSeDecide);
        LeaveTo(eSceneWorldMap);
        return 0;
    }
    if (input.m_wButtons & kButtonCancel) {
        PlaySystemSe(kSeCancel);
        cursor.Pop(1);
        m_nState = eModeList;
        m_nSubState = 0;
        return 0;
    }
    if (!CanDraw()) return 0;
    DDBlt(BackBuffer(), 0, 0, kScreenW, kScreenH, SystemPicture(kPictureTitle), 0, 0, 0);
    CyclePalette();
    m_Slots.Draw(BackBuffer());
    DrawCursorImage(cursor.Current()->nX, cursor.Current()->nY, kCursorSmallX, 16);
    return 0;
}

int cModeMenuScene::FadeOut() {
    if (!MenuFadeOut()) return 0;
    ResetMenuCursor();
    FinishFadeOut(eSceneModeMenu);
    return 0;
}

bool AskStageFile() { return RequestUi(UM_OPEN_STAGE, 0) != 0; }

void InstallModeMenu() {
    SceneManager().SetCreator(eSceneModeMenu, MakeModeMenu);
    SetUiRequestHandler(UM_OPEN_STAGE, StageOpenRequest);
}
