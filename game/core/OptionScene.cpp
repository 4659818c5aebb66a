#include "game/core/OptionScene.h"

#include <algorithm>

#include "data/Paths.h"
#include "data/ProjectData.h"
#include "framework/ErrorLog.h"
#include "framework/Format.h"
#include "framework/GameHelpers.h"
#include "framework/MessageBox.h"
#include "game/core/GameGlobals.h"
#include "game/core/GameInit.h"
#include "game/core/GameWnd.h"
#include "game/core/Input.h"
#include "game/core/MenuScreen.h"
#include "game/core/OptionData.h"
#include "game/core/SceneManager.h"
#include "game/media/Blit.h"
#include "game/media/Display.h"
#include "game/media/Font.h"
#include "game/media/Sound.h"

namespace {

const int kListX = 48;
const int kListY = 96;
const int kOptionRowH = 16;
const int kCaptionX = 64;
const int kValueX = 208;
const int kEditMarkX = 192;
const int kHeadingY = 32;
const int kMaxItems = cSystemData::kOptionMenu;
const int kOptionModeRow = 5;  // the title menu row whose caption heads the screen

struct cRange {
    int32_t cOptionData::*value;
    int min;
    int max;
};
const cRange kRanges[] = {
    {&cOptionData::m_PaletteVariant, 0, cOptionData::kPaletteVariants - 1},
    {&cOptionData::m_Music, 0, 1},
    {&cOptionData::m_SeVolume, 0, cOptionData::kVolumeSteps - 1},
    {&cOptionData::m_RankEntryMode, 0, cOptionData::kRankEntryModes - 1},
};

cScene* MakeOptionScene() { return new cOptionScene; }

}  // namespace

std::vector<int> ListedOptions(const cSystemData& system) {
    std::vector<int> items;
    int n = std::min(static_cast<int>(system.m_OptionMenu.size()), kMaxItems);
    for (int i = 0; i < n; ++i)
        if (system.m_OptionMenu[i].m_Shown) items.push_back(i);
    if (items.empty()) items.push_back(eOptionPalette);
    return items;
}

std::string NumberToString(int value, int digits, bool plus) {
    digits = std::min(std::max(digits, 0), 10);
    return Format(plus && value > 0 ? "+%0*d" : "%0*d", digits, value);
}

std::string OptionValueText(int kind, const cOptionData& options) {
    switch (kind) {
    case eOptionPalette: return NumberToString(options.m_PaletteVariant, 0, false);
    case eOptionMusic: return options.m_Music ? "ON" : "OFF";
    case eOptionVolume: return NumberToString(options.m_SeVolume, 0, false);
    case eOptionRankMode: {
        int mode = options.m_RankEntryMode;
        return mode >= 0 && mode < cOptionData::kRankEntryModes ? RankEntryModeNames[mode] : "";
    }
    case eOptionRankName: return options.m_RankName;
    default: return "";
    }
}

bool SaveOptions() {
    const char* path = PathTable[ePathOption];
    if (OptionData().SaveFile(path)) return true;
    std::string text = Format("%s の保存に失敗！", path);
    ErrorLog(text.c_str());
    ErrorBox("%s", text.c_str());
    return false;
}

cOptionScene::cOptionScene() { SetHandlers<cOptionScene>({&cOptionScene::Main}); }

cOptionScene::~cOptionScene() {
    DDReleaseSurface(m_Panel);
}

void cOptionScene::Init() {
    PlayMenuMusic(3);
    if (!LoadMenuPictures({kPictureAccessory, kPictureWindow})) return;
    ResetMenuCursor();
    m_Items = ListedOptions(ProjectSystemData());
    DDReleaseSurface(m_Panel);
    if (CanDraw() && !DDCreateSurface(m_Panel, kScreenW, kScreenH, 0, kMemoryAny)) {
        ErrorLogAndClose(GetMainWindow(), "メモリが不足しています！");
        return;
    }
    DrawPanel();
    m_nSubState = eStart;
}

void cOptionScene::DrawPanel() {
    if (!m_Panel.lpSurface) return;
    cFont& font = GameFonts()[kSystemFont];
    DDFillRect(m_Panel, 0, 0, kScreenW, kScreenH, 0);
    font.DrawFrame(m_Panel, 1, 1, kScreenW - 2, kScreenH - 2);
    const cSystemData& system = ProjectSystemData();
    const std::string& heading = system.m_TitleMenu.At(kOptionModeRow).m_Text;
    font.DrawText(m_Panel, kScreenW / 2 - 16 * CountChars(heading.c_str()), kHeadingY, heading.c_str(), 0);
    for (size_t i = 0; i < m_Items.size(); ++i) {
        int y = kListY + kOptionRowH * static_cast<int>(i);
        font.DrawText(m_Panel, kCaptionX, y, system.m_OptionMenu.At(m_Items[i]).m_Text.c_str(), 0);
        font.DrawText(m_Panel, kValueX, y, OptionValueText(m_Items[i], OptionData()).c_str(), 0);
    }
}

void cOptionScene::DrawBackground() {
    if (!CanDraw()) return;
    DDBlt(BackBuffer(), 0, 0, kScreenW, kScreenH, m_Panel, 0, 0, 0);
    CyclePalette();
}

int cOptionScene::FadeIn() {
    if (CanDraw() && Display().nBpp == 8) DrawPanel();
    DrawBackground();
    if (MenuFadeIn()) m_nState = eMain;
    return 0;
}

int cOptionScene::Main() {
    if (m_nSubState == eStart) {
        *MenuCursor().Current() = cCursorState();
        m_nSubState = eChoosing;
    }
    return m_nSubState == eEditing ? Edit() : Choose();
}

int cOptionScene::Choose() {
    cInput& input = GetPlayerInput(0);
    cMenuCursor& cursor = MenuCursor();
    cursor.MoveGrid(input.m_wDirection, kListX, kListY, 0, kOptionRowH, 1, static_cast<int>(m_Items.size()));
    PlayCursorSound(input.m_wDirection, 2, kCursorSoundSlot);
    if (input.m_wButtons & kButtonDecide) {
        PlaySystemSe(kSeDecide);
        int row = std::min(std::max(cursor.Current()->nRow, 0), static_cast<int>(m_Items.size()) - 1);
        m_nKind = m_Items[row];
        if (m_nKind < eOptionRankName) {
            const cRange& range = kRanges[m_nKind];
            m_lpValue = &(OptionData().*range.value);
            m_nMin = range.min;
            m_nMax = range.max;
            m_nSaved = *m_lpValue;
            cursor.Push(1);
            m_nSubState = eEditing;
        } else if (m_nKind == eOptionRankName) {
            RequestUi(UM_NAME_ENTRY, 0);
            DrawPanel();
        } else {
            LeaveTo(eSceneModeMenu);
            m_nSubState = eStart;
        }
        return 0;
    }
    if (input.m_wButtons & kButtonCancel) {
        PlaySystemSe(kSeCancel);
        LeaveTo(eSceneModeMenu);
        m_nSubState = eStart;
        return 0;
    }
    DrawBackground();
    DrawCursorImage(cursor.Current()->nX, cursor.Current()->nY, kCursorSmallX, 16);
    return 0;
}

int cOptionScene::Edit() {
    cInput& input = GetPlayerInput(0);
    cMenuCursor& cursor = MenuCursor();
    int step = (input.m_wDirection & kKeyUp) ? 1 : (input.m_wDirection & kKeyDown) ? -1 : 0;
    if (step) {
        int value = *m_lpValue + step;
        if (value < m_nMin) value = m_nMax;
        if (value > m_nMax) value = m_nMin;
        *m_lpValue = value;
        Apply();
    }
    PlayCursorSound(input.m_wDirection, 2, kCursorSoundSlot);
    if (input.m_wButtons & kButtonDecide) {
        PlaySystemSe(kSeDecide);
        cursor.Pop(1);
        m_nSubState = eChoosing;
        return 0;
    }
    if (input.m_wButtons & kButtonCancel) {
        PlaySystemSe(kSeCancel);
        *m_lpValue = m_nSaved;
        Apply();
        cursor.Pop(1);
        m_nSubState = eChoosing;
        return 0;
    }
    DrawBackground();
    const cCursorState* row = cursor.Previous();
    if (row) {
        DrawCursorImage(row->nX, row->nY, kCursorEditX, 16);
        DrawCursorImage(kEditMarkX, row->nY, kCursorSmallX, 16);
    }
    return 0;
}

void cOptionScene::Apply() {
    const cOptionData& options = OptionData();
    if (m_nKind == eOptionPalette && CanDraw() && Display().nBpp == 8) LoadPaletteVariant(options.m_PaletteVariant);
    if (m_nKind == eOptionVolume) {
        LONG volume = SeVolumeOf(options.m_SeVolume);
        for (cSoundEntry& entry : SoundSlots())
            for (int b = 0; b < entry.nCount; ++b) DSSetVolume(entry, b, volume, 0);
    }
    DrawPanel();
}

int cOptionScene::FadeOut() {
    if (!MenuFadeOut()) return 0;
    BgmPlayer().Release();
    StartMusicPlayer();
    SaveOptions();
    ResetMenuCursor();
    FinishFadeOut(eSceneOption);
    return 0;
}

void InstallOptionScene() { SceneManager().SetCreator(eSceneOption, MakeOptionScene); }
