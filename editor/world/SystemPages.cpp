#include "editor/world/SystemPages.h"

#include <prsht.h>

#include "data/ProjectData.h"
#include "data/ProjectDatabase.h"
#include "editor/shell/EditWnd.h"
#include "editor/shell/EditorSound.h"
#include "editor/shell/EditorState.h"
#include "editor/world/SettingSheet.h"
#include "editor/world/SystemIds.h"
#include "framework/NameList.h"
#include "framework/PathEdit.h"

namespace {

const int kLivesLimit = 99;
const int kScorePerLifeLimit = 999999;
const int kIniValueLimit = 99;

// Page 1: the ranking switch and its three kinds, per play mode (story, challenge, free).
struct cRankingIds {
    uint16_t on;
    uint16_t kinds[cRankingSetting::kKinds];
};
const cRankingIds kRankingIds[3] = {
    {IDC_SG_STORY_RANK, {IDC_SG_STORY_SCORE, IDC_SG_STORY_TIME, IDC_SG_STORY_CLEAR}},
    {IDC_SG_CHAL_RANK, {IDC_SG_CHAL_SCORE, IDC_SG_CHAL_TIME, IDC_SG_CHAL_CLEAR}},
    {IDC_SG_FREE_RANK, {IDC_SG_FREE_SCORE, IDC_SG_FREE_TIME, IDC_SG_FREE_CLEAR}},
};
const uint16_t kLivesIds[3][2] = {{IDC_SG_STORY_LIVES, IDC_SG_STORY_LIVES_SPIN},
                                  {IDC_SG_CHAL_LIVES, IDC_SG_CHAL_LIVES_SPIN},
                                  {IDC_SG_FREE_LIVES, IDC_SG_FREE_LIVES_SPIN}};

// Page 2.
const uint16_t kStockIds[cSystemData::kStockTargets] = {
    IDC_SS_STOCK_0,  IDC_SS_STOCK_1,  IDC_SS_STOCK_2,  IDC_SS_STOCK_3,  IDC_SS_STOCK_4,  IDC_SS_STOCK_5,
    IDC_SS_STOCK_6,  IDC_SS_STOCK_7,  IDC_SS_STOCK_8,  IDC_SS_STOCK_9,  IDC_SS_STOCK_10, IDC_SS_STOCK_11,
    IDC_SS_STOCK_12, IDC_SS_STOCK_13, IDC_SS_STOCK_14, IDC_SS_STOCK_15, IDC_SS_STOCK_16, IDC_SS_STOCK_17,
    IDC_SS_STOCK_18, IDC_SS_STOCK_19, IDC_SS_STOCK_20, IDC_SS_STOCK_21};
// Each sound row: its path edit, "参照" and "再生".
const uint16_t kSoundIds[cSystemData::kSoundFiles][3] = {
    {IDC_SS_SE_0, IDC_SS_SE_0_BROWSE, IDC_SS_SE_0_PLAY},    {IDC_SS_SE_1, IDC_SS_SE_1_BROWSE, IDC_SS_SE_1_PLAY},
    {IDC_SS_SE_2, IDC_SS_SE_2_BROWSE, IDC_SS_SE_2_PLAY},    {IDC_SS_SE_3, IDC_SS_SE_3_BROWSE, IDC_SS_SE_3_PLAY},
    {IDC_SS_SE_4, IDC_SS_SE_4_BROWSE, IDC_SS_SE_4_PLAY},    {IDC_SS_SE_5, IDC_SS_SE_5_BROWSE, IDC_SS_SE_5_PLAY},
    {IDC_SS_SE_6, IDC_SS_SE_6_BROWSE, IDC_SS_SE_6_PLAY},    {IDC_SS_SE_7, IDC_SS_SE_7_BROWSE, IDC_SS_SE_7_PLAY},
    {IDC_SS_SE_8, IDC_SS_SE_8_BROWSE, IDC_SS_SE_8_PLAY},    {IDC_SS_SE_9, IDC_SS_SE_9_BROWSE, IDC_SS_SE_9_PLAY},
    {IDC_SS_SE_10, IDC_SS_SE_10_BROWSE, IDC_SS_SE_10_PLAY}, {IDC_SS_SE_11, IDC_SS_SE_11_BROWSE, IDC_SS_SE_11_PLAY},
    {IDC_SS_SE_12, IDC_SS_SE_12_BROWSE, IDC_SS_SE_12_PLAY}, {IDC_SS_SE_13, IDC_SS_SE_13_BROWSE, IDC_SS_SE_13_PLAY},
    {IDC_SS_SE_14, IDC_SS_SE_14_BROWSE, IDC_SS_SE_14_PLAY}, {IDC_SS_SE_15, IDC_SS_SE_15_BROWSE, IDC_SS_SE_15_PLAY},
    {IDC_SS_SE_16, IDC_SS_SE_16_BROWSE, IDC_SS_SE_16_PLAY}};
// Each menu music slot: its combo and "再生".
const uint16_t kMusicIds[cSystemData::kMenuMusic][2] = {
    {IDC_SS_BGM_0, IDC_SS_BGM_0_PLAY}, {IDC_SS_BGM_1, IDC_SS_BGM_1_PLAY},
    {IDC_SS_BGM_2, IDC_SS_BGM_2_PLAY}, {IDC_SS_BGM_3, IDC_SS_BGM_3_PLAY}};

// Page 3: each status item's "表示", "シンボルを表示", "文字", "最大桁数" and its spin (0: none),
// and the greatest number of digits.
struct cStatusIds {
    uint16_t show, symbol, text, digits, spin;
    int32_t maxDigits;
};
const cStatusIds kStatusIds[cSystemData::kStatusItems] = {
    {IDC_ST_ITEM_0_SHOW, IDC_ST_ITEM_0_SYMBOL, IDC_ST_ITEM_0_TEXT, IDC_ST_ITEM_0_DIGITS, IDC_ST_ITEM_0_DIGITS_SPIN, 9},
    {IDC_ST_ITEM_1_SHOW, IDC_ST_ITEM_1_SYMBOL, IDC_ST_ITEM_1_TEXT, IDC_ST_ITEM_1_DIGITS, IDC_ST_ITEM_1_DIGITS_SPIN, 9},
    {IDC_ST_ITEM_2_SHOW, IDC_ST_ITEM_2_SYMBOL, IDC_ST_ITEM_2_TEXT, 0, 0, 0},
    {IDC_ST_ITEM_3_SHOW, IDC_ST_ITEM_3_SYMBOL, IDC_ST_ITEM_3_TEXT, 0, 0, 0},
    {IDC_ST_ITEM_4_SHOW, IDC_ST_ITEM_4_SYMBOL, IDC_ST_ITEM_4_TEXT, IDC_ST_ITEM_4_DIGITS, IDC_ST_ITEM_4_DIGITS_SPIN, 2},
};
const int kStatusTextLimit = 5;
const int kMenuTextLimit = 8;
// Each menu entry: its check and its text.
const uint16_t kTitleMenuIds[cSystemData::kTitleMenu][2] = {
    {IDC_ST_TITLE_0_SHOW, IDC_ST_TITLE_0_TEXT}, {IDC_ST_TITLE_1_SHOW, IDC_ST_TITLE_1_TEXT},
    {IDC_ST_TITLE_2_SHOW, IDC_ST_TITLE_2_TEXT}, {IDC_ST_TITLE_3_SHOW, IDC_ST_TITLE_3_TEXT},
    {IDC_ST_TITLE_4_SHOW, IDC_ST_TITLE_4_TEXT}, {IDC_ST_TITLE_5_SHOW, IDC_ST_TITLE_5_TEXT},
    {IDC_ST_TITLE_6_SHOW, IDC_ST_TITLE_6_TEXT}};
const uint16_t kWorldMenuIds[cSystemData::kWorldMenu][2] = {
    {IDC_ST_WORLD_0_SHOW, IDC_ST_WORLD_0_TEXT}, {IDC_ST_WORLD_1_SHOW, IDC_ST_WORLD_1_TEXT},
    {IDC_ST_WORLD_2_SHOW, IDC_ST_WORLD_2_TEXT}};
const uint16_t kOptionMenuIds[cSystemData::kOptionMenu][2] = {
    {IDC_ST_OPTION_0_SHOW, IDC_ST_OPTION_0_TEXT}, {IDC_ST_OPTION_1_SHOW, IDC_ST_OPTION_1_TEXT},
    {IDC_ST_OPTION_2_SHOW, IDC_ST_OPTION_2_TEXT}, {IDC_ST_OPTION_3_SHOW, IDC_ST_OPTION_3_TEXT},
    {IDC_ST_OPTION_4_SHOW, IDC_ST_OPTION_4_TEXT}, {IDC_ST_OPTION_5_SHOW, IDC_ST_OPTION_5_TEXT}};
struct cMenuIds {
    const uint16_t (*ids)[2];
    size_t count;
    cSystemList<cSysRecB> cSystemData::*entries;
};
const cMenuIds kMenus[3] = {{kTitleMenuIds, cSystemData::kTitleMenu, &cSystemData::m_TitleMenu},
                            {kWorldMenuIds, cSystemData::kWorldMenu, &cSystemData::m_WorldMenu},
                            {kOptionMenuIds, cSystemData::kOptionMenu, &cSystemData::m_OptionMenu}};

// Page 4: the terms' edits and their limits in characters.
const int kTermLimits[cSystemData::kTerms] = {8, 8, 8, 8, 8, 8, 8, 8, 12, 12, 12, 12, 12, 12, 12, 12, 12, 16, 16, 16, 16};
const uint16_t kTermIds[cSystemData::kTerms] = {
    IDC_SW_TERM_0,  IDC_SW_TERM_1,  IDC_SW_TERM_2,  IDC_SW_TERM_3,  IDC_SW_TERM_4,  IDC_SW_TERM_5,  IDC_SW_TERM_6,
    IDC_SW_TERM_7,  IDC_SW_TERM_8,  IDC_SW_TERM_9,  IDC_SW_TERM_10, IDC_SW_TERM_11, IDC_SW_TERM_12, IDC_SW_TERM_13,
    IDC_SW_TERM_14, IDC_SW_TERM_15, IDC_SW_TERM_16, IDC_SW_TERM_17, IDC_SW_TERM_18, IDC_SW_TERM_19, IDC_SW_TERM_20};

// Page 5: each System.ini entry's key edit, its number default edit and spin, and its text
// default edit.
struct cIniIds {
    uint16_t key, value, spin, text;
};
const cIniIds kIniIds[cSystemData::kIniKeys] = {
    {IDC_SI_KEY_0, IDC_SI_VALUE_0, IDC_SI_VALUE_0_SPIN, 0}, {IDC_SI_KEY_1, IDC_SI_VALUE_1, IDC_SI_VALUE_1_SPIN, 0},
    {IDC_SI_KEY_2, IDC_SI_VALUE_2, IDC_SI_VALUE_2_SPIN, 0}, {IDC_SI_KEY_3, IDC_SI_VALUE_3, IDC_SI_VALUE_3_SPIN, 0},
    {IDC_SI_KEY_4, 0, 0, IDC_SI_VALUE_4}};

}  // namespace

cSysGamePage::cSysGamePage(cChildWnd* parent, cWndGroup* group) : cSettingPage(IDD_SYS_GAME, parent, group) {
    cSystemData& sys = ProjectSystemData();
    BindChars(IDC_SG_TITLE, &sys.m_Title, kSysTitleLimit);
    BindCheck(IDC_SG_HIDE_PLACED, &sys.m_HidePlacedInPause);
    BindCheck(IDC_SG_SYMBOL, &sys.m_SymbolText);
    BindInt(IDC_SG_LIFE_SCORE, &sys.m_ScorePerLife, 1, kScorePerLifeLimit, IDC_SG_LIFE_SCORE_SPIN);
    BindCheck(IDC_SG_TEST_FLOWS, &sys.m_TestFlowsOutsideTest);
    BindCheck(IDC_SG_SHARE_LIVES, &sys.m_LivesShared);
    BindInt(IDC_SG_WORLDS, &sys.m_WorldCount, 1, kLivesLimit, IDC_SG_WORLDS_SPIN);
    BindCheck(IDC_SG_ALL_WORLDS, &sys.m_AllWorldsSelectable);
    for (int mode = 0; mode < 3; ++mode) {
        BindInt(kLivesIds[mode][0], &sys.m_InitialLives[mode], 1, kLivesLimit, kLivesIds[mode][1]);
        cRankingSetting& ranking = sys.m_RankingSettings[mode];
        BindCheck(kRankingIds[mode].on, &ranking.m_On);
        for (int kind = 0; kind < cRankingSetting::kKinds; ++kind)
            BindCheck(kRankingIds[mode].kinds[kind], &ranking.m_Shown[kind]);
    }
}

void cSysGamePage::UpdateEnables() {
    for (const cRankingIds& ids : kRankingIds)
        for (uint16_t kind : ids.kinds) EnableCtrl(kind, IsChecked(ids.on));
}

INT_PTR cSysGamePage::DialogProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_NOTIFY || !m_Ready || reinterpret_cast<NMHDR*>(lParam)->code != static_cast<UINT>(PSN_APPLY))
        return cSettingPage::DialogProc(wnd, msg, wParam, lParam);
    auto* sheet = dynamic_cast<cSettingSheet*>(m_lpSheet);
    const bool saved = !sheet || sheet->Apply();
    SetWindowLongPtrA(wnd, DWLP_MSGRESULT, saved ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE);
    if (!saved && m_hSheet) PostMessageA(m_hSheet, PSM_CHANGED, reinterpret_cast<WPARAM>(wnd), 0);
    return 1;
}

void cSysGamePage::OnWindowGone() {
    EditorBgm().Stop();
    if (cEditWnd* main = MainEditWnd()) main->ReturnFromSystem();
}

cSysStockPage::cSysStockPage(cChildWnd* parent, cWndGroup* group) : cSettingPage(IDD_SYS_STOCK, parent, group) {
    cSystemData& sys = ProjectSystemData();
    for (int i = 0; i < cSystemData::kStockTargets; ++i) BindCheck(kStockIds[i], &sys.m_StockTargets[i]);
    for (int k = 0; k < cSystemData::kSoundFiles; ++k) {
        BindText(kSoundIds[k][0], &sys.m_SoundFiles[k], kSysPathLimit);
        m_Buttons.push_back(Button(kSoundIds[k][1]));
        m_Buttons.push_back(Button(kSoundIds[k][2]));
    }
    BuildTableNameList(&m_BgmNames, ProjectDatabase().m_Bgms, "なし", 0, 3, 0);
    for (int slot = 0; slot < cSystemData::kMenuMusic; ++slot) {
        cBoundCombo<int32_t> music;
        music.m_Desc = cComboDesc<int32_t>(kMusicIds[slot][0], &sys.m_MenuMusic[slot], &m_BgmNames, 0);
        m_Combos.push_back(music);
        m_Buttons.push_back(Button(kMusicIds[slot][1]));
    }
}

void cSysStockPage::PageCommand(int id, int code) {
    if (code != BN_CLICKED) return;
    for (int slot = 0; slot < cSystemData::kMenuMusic; ++slot)
        if (id == kMusicIds[slot][1]) PlayMusic(slot);
    for (int k = 0; k < cSystemData::kSoundFiles; ++k) {
        if (id == kSoundIds[k][1])
            ChooseFileInto(m_hWnd, m_Texts, kSoundIds[k][0], "wave\\", "効果音の選択",
                           "WaveFile ( *.wav )\0*.wav\0", "wav");
        if (id == kSoundIds[k][2]) {
            char path[MAX_PATH] = "";
            GetDlgItemTextA(m_hWnd, kSoundIds[k][0], path, sizeof path);
            PlayPreview(ePreviewWave, m_hWnd, path);
        }
    }
}

// The shown entry plays, not the stored one: the author hears a choice before applying it.
void cSysStockPage::PlayMusic(int slot) {
    const int row = static_cast<int>(SendDlgItemMessageA(m_hWnd, kMusicIds[slot][0], CB_GETCURSEL, 0, 0));
    const auto& bgms = ProjectDatabase().m_Bgms;
    if (row < 1 || row >= static_cast<int>(bgms.size())) return;
    PlayPreview(ePreviewMusic, m_hWnd, bgms[static_cast<size_t>(row)].m_File);
}

cSysStatusPage::cSysStatusPage(cChildWnd* parent, cWndGroup* group) : cSettingPage(IDD_SYS_STATUS, parent, group) {
    cSystemData& sys = ProjectSystemData();
    for (int k = 0; k < cSystemData::kStatusItems; ++k) {
        const cStatusIds& ids = kStatusIds[k];
        cSysRecA& item = sys.m_StatusItems[k];
        BindCheck(ids.show, &item.m_Show);
        BindCheck(ids.symbol, &item.m_ShowSymbol);
        BindChars(ids.text, &item.m_Text, kStatusTextLimit);
        if (ids.digits) BindInt(ids.digits, &item.m_MaxDigits, 1, ids.maxDigits, ids.spin);
    }
    for (const cMenuIds& menu : kMenus) {
        cSystemList<cSysRecB>& entries = sys.*menu.entries;
        for (size_t i = 0; i < menu.count; ++i) {
            BindCheck(menu.ids[i][0], &entries[i].m_Shown);
            BindChars(menu.ids[i][1], &entries[i].m_Text, kMenuTextLimit);
        }
    }
}

void cSysStatusPage::UpdateEnables() {
    for (const cStatusIds& ids : kStatusIds) {
        const bool shown = IsChecked(ids.show);
        EnableCtrl(ids.symbol, shown);
        EnableCtrl(ids.text, shown && !IsChecked(ids.symbol));
        if (ids.digits) EnableCtrl(ids.digits, shown);
    }
    for (const cMenuIds& menu : kMenus)
        for (size_t i = 0; i < menu.count; ++i) EnableCtrl(menu.ids[i][1], IsChecked(menu.ids[i][0]));
}

cSysTermsPage::cSysTermsPage(cChildWnd* parent, cWndGroup* group) : cSettingPage(IDD_SYS_TERMS, parent, group) {
    cSystemData& sys = ProjectSystemData();
    for (int k = 0; k < cSystemData::kTerms; ++k) BindChars(kTermIds[k], &sys.m_Terms[k], kTermLimits[k]);
}

// Each entry's kind decides which default control is bound; the other stays unbound.
cSysIniPage::cSysIniPage(cChildWnd* parent, cWndGroup* group) : cSettingPage(IDD_SYS_INI, parent, group) {
    cSystemData& sys = ProjectSystemData();
    for (int k = 0; k < cSystemData::kIniKeys; ++k) {
        const cIniIds& ids = kIniIds[k];
        cSysRecC& entry = sys.m_IniKeys[k];
        BindText(ids.key, &entry.m_Key, kSysIniKeyLimit);
        if (entry.m_Kind == cSysRecC::eString) {
            if (ids.text) BindText(ids.text, &entry.m_StrDefault, kSysPathLimit);
        } else if (ids.value) {
            BindInt(ids.value, &entry.m_IntDefault, 0, kIniValueLimit, ids.spin);
        }
    }
}
