#include "game/core/SaveSlotScene.h"

#include <algorithm>
#include <string>

#include "data/ProjectData.h"
#include "framework/ErrorLog.h"
#include "framework/Format.h"
#include "framework/MessageBox.h"
#include "game/core/GameGlobals.h"
#include "game/core/GameInit.h"
#include "game/core/GameWnd.h"
#include "game/core/Input.h"
#include "game/core/MenuScreen.h"
#include "game/core/RankingDraw.h"
#include "game/core/SceneManager.h"
#include "game/core/SlotList.h"
#include "game/core/SystemTexts.h"
#include "game/data/StorySave.h"
#include "game/media/Blit.h"
#include "game/media/CompositeBlit.h"
#include "game/media/Font.h"
#include "game/media/Sound.h"

namespace {

const int kPictureSymbol = 48;
const int kBackColour = 16;
const int kFrameColour = 240;
const int kCaptionX = 280;
const int kBoxCentreX = 320;
const int kSaveBoxY = 400;
const int kTitleBoxY = 224;
const int kTotalY = 460;
const int kSaveText = 10;
const int kTitleText = 12;
const int kTotalText = 4;

cScene* MakeSaveSlots() { return new cSaveSlotScene; }

void FillScreen() {
    if (CanDraw()) DDFillRect(BackBuffer(), 0, 0, kScreenW, kScreenH, kBackColour);
}

}  // namespace

std::vector<int> ListedWorldMenu(const cSystemData& system) {
    std::vector<int> entries;
    int n = std::min(static_cast<int>(system.m_WorldMenu.size()), cSystemData::kWorldMenu);
    for (int i = 0; i < n; ++i)
        if (system.m_WorldMenu[i].m_Shown) entries.push_back(i);
    if (entries.empty()) entries.push_back(0);
    return entries;
}

cSaveSlotScene::cSaveSlotScene() {
    SetHandlers<cSaveSlotScene>(
        {&cSaveSlotScene::OnMenu, &cSaveSlotScene::OnSave, &cSaveSlotScene::OnBack, &cSaveSlotScene::OnTitle});
}

cSaveSlotScene::~cSaveSlotScene() = default;

void cSaveSlotScene::Init() {
    PlayMenuMusic(1, false);
    if (!LoadMenuPictures({kPictureWindow, kPictureSymbol, kPictureAccessory})) return;
    m_Entries = ListedWorldMenu(ProjectSystemData());
    ResetMenuCursor();
}

void cSaveSlotScene::DrawMenu() {
    if (!CanDraw()) return;
    const cSystemData& system = ProjectSystemData();
    cSurface& back = BackBuffer();
    FillScreen();
    int longest = 0;
    for (int entry : m_Entries) longest = std::max(longest, CountChars(system.m_WorldMenu.At(entry).m_Text.c_str()));
    const int w = (longest + 1) * kRowH, h = static_cast<int>(m_Entries.size()) * kRowH;
    DDBltFramed(back, kMenuX, kMenuY, w, h, SystemPicture(kPictureWindow), 1, kFrameColour);
    cFont& font = GameFonts()[kSystemFont];
    for (size_t row = 0; row < m_Entries.size(); ++row)
        font.DrawText(back, kCaptionX, kMenuY + static_cast<int>(row) * kRowH,
                      system.m_WorldMenu.At(m_Entries[row]).m_Text.c_str(), 0);
    const int total = StoryState().m_ChallengeValue;
    if (total > 0) {
        const std::string& caption = system.m_Terms.At(kTotalText);
        const int width = (CountChars(caption.c_str()) + CountDigits(total)) * kRowH;
        font.PrintfBox(back, kBoxCentreX - width / 2, kTotalY, width, kRowH, "%s%d", caption.c_str(), total);
    }
    CyclePalette();
}

void cSaveSlotScene::DrawSlots() {
    FillScreen();
    if (CanDraw()) m_Slots.Draw(BackBuffer());
}

int cSaveSlotScene::FadeIn() {
    DrawMenu();
    DrawCursorImage(kMenuX, kMenuY, kCursorSmallX, 16);
    if (MenuFadeIn()) m_nState = eMenu;
    return 0;
}

int cSaveSlotScene::OnMenu() {
    cInput& input = GetPlayerInput(0);
    cMenuCursor& cursor = MenuCursor();
    cursor.MoveGrid(input.m_wDirection, kMenuX, kMenuY, 0, kRowH, 1, static_cast<int>(m_Entries.size()));
    PlayCursorSound(input.m_wDirection, 2, kCursorSoundSlot);
    if (input.m_wButtons & kButtonDecide) {
        PlaySystemSe(kSeDecide);
        int row = std::min(std::max(cursor.Current()->nRow, 0), static_cast<int>(m_Entries.size()) - 1);
        m_nState = m_Entries[row] + eSave;
        m_nSubState = 0;
        cursor.Push(0);
        return 0;
    }
    if (input.m_wButtons & kButtonCancel) {
        PlaySystemSe(kSeCancel);
        m_nState = eBack;
        return 0;
    }
    DrawMenu();
    DrawCursorImage(cursor.Current()->nX, cursor.Current()->nY, kCursorSmallX, 16);
    return 0;
}

int cSaveSlotScene::OnSave() {
    cInput& input = GetPlayerInput(0);
    cMenuCursor& cursor = MenuCursor();
    if (m_nSubState == eSaveStart) {
        // The list opens on the slot last saved to (one from a damaged save opens on the first).
        m_Slots.Open(cursor, StoryState().m_SlotSceneValue);
        m_nSubState = eSaveList;
    }
    if (m_nSubState == eSaveList) {
        m_Slots.Move(cursor, input.m_wDirection);
        if (input.m_wButtons & kButtonDecide) {
            PlaySystemSe(kSeDecide);
            cursor.Push(0);
            cursor.Current()->nRow = 1;
            m_nSubState = eSaveConfirm;
            return 0;
        }
        if (input.m_wButtons & kButtonCancel) {
            PlaySystemSe(kSeCancel);
            cursor.Pop(1);
            m_nState = eMenu;
            m_nSubState = eSaveStart;
            return 0;
        }
        DrawSlots();
        DrawCursorImage(cursor.Current()->nX, cursor.Current()->nY, kCursorSmallX, 16);
        return 0;
    }
    const cSystemData& system = ProjectSystemData();
    const int x = CenterTextBoxX(system, kBoxCentreX, kSaveText, 2);
    cursor.MoveGrid(input.m_wDirection, x, kSaveBoxY, 0, kRowH, 1, 2);
    PlayCursorSound(input.m_wDirection, 2, kCursorSoundSlot);
    const cCursorState* slot = cursor.Previous();
    if (input.m_wButtons & (kButtonDecide | kButtonCancel)) {
        if (!(input.m_wButtons & kButtonDecide))
            PlaySystemSe(kSeCancel);
        else if (cursor.Current()->nRow == 0 && slot)
            SaveTo(slot->nRow);
        else
            PlaySystemSe(kSeDecide);
        cursor.Pop(1);
        m_nSubState = eSaveList;
        return 0;
    }
    DrawSlots();
    if (CanDraw()) DrawTextBox(system, BackBuffer(), x, kSaveBoxY, kSaveText, 2);
    if (slot) DrawCursorImage(slot->nX, slot->nY, kCursorEditX, 16);
    DrawCursorImage(cursor.Current()->nX, cursor.Current()->nY, kCursorSmallX, 16);
    return 0;
}

void cSaveSlotScene::SaveTo(int slot) {
    cStorySave& story = StoryState();
    const int lastSlot = story.m_SlotSceneValue;
    const SYSTEMTIME lastTime = story.m_SaveTime;
    story.m_SlotSceneValue = slot;
    GetLocalTime(&story.m_SaveTime);
    if (WriteStory(story, slot)) {
        PlaySystemSe(kSeSaved);
        return;
    }
    story.m_SlotSceneValue = lastSlot;
    story.m_SaveTime = lastTime;
    PlaySystemSe(kSeRefused);
    std::string text = Format("%s の保存に失敗！", MakeStoryPath(slot).c_str());
    ErrorLog(text.c_str());
    ErrorBox("%s", text.c_str());
}

int cSaveSlotScene::OnBack() {
    LeaveTo(eSceneWorldMap);
    return 0;
}

int cSaveSlotScene::OnTitle() {
    cInput& input = GetPlayerInput(0);
    cMenuCursor& cursor = MenuCursor();
    if (m_nSubState == 0) {
        *cursor.Current() = cCursorState();
        cursor.Current()->nRow = 1;
        m_nSubState = 1;
    }
    const cSystemData& system = ProjectSystemData();
    const int x = CenterTextBoxX(system, kBoxCentreX, kTitleText, 2);
    cursor.MoveGrid(input.m_wDirection, x, kTitleBoxY, 0, kRowH, 1, 2);
    PlayCursorSound(input.m_wDirection, 2, kCursorSoundSlot);
    if (input.m_wButtons & kButtonDecide) {
        PlaySystemSe(kSeDecide);
        if (cursor.Current()->nRow == 0) {
            LeaveTo(eSceneModeMenu);
            return 0;
        }
    } else if (input.m_wButtons & kButtonCancel) {
        PlaySystemSe(kSeCancel);
    } else {
        FillScreen();
        if (CanDraw()) DrawTextBox(system, BackBuffer(), x, kTitleBoxY, kTitleText, 2);
        DrawCursorImage(cursor.Current()->nX, cursor.Current()->nY, kCursorSmallX, 16);
        return 0;
    }
    cursor.Pop(1);
    m_nState = eMenu;
    m_nSubState = 0;
    return 0;
}

int cSaveSlotScene::FadeOut() {
    if (!MenuFadeOut()) return 0;
    ResetMenuCursor();
    FinishFadeOut(eSceneSaveSlots);
    m_nState = kSceneNotStarted;
    return 0;
}

void InstallSaveSlots() { SceneManager().SetCreator(eSceneSaveSlots, MakeSaveSlots); }
