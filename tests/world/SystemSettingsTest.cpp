// The system settings sheet driven by messages from the main window's command: its templates,
// OK and Apply against data\System.dat, which pages are stored, the enabling rules of the first
// and third pages, the System.ini keys, the sound and music buttons and a save that fails.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <string>
#include <vector>

#include "data/Paths.h"
#include "data/ProjectData.h"
#include "data/ProjectDatabase.h"
#include "editor/shell/EditorSound.h"
#include "editor/world/SystemIds.h"
#include "editor/world/SystemSettingSheet.h"
#include "framework/FileDialogs.h"
#include "framework/TestSeams.h"
#include "tests/support/BoxAnswers.h"
#include "tests/world/SettingsFixture.h"

namespace {

const char kSystemFile[] = "data\\System.dat";

// The main window, the project's system data saved to its file with three songs in the Bgm
// table, and the sheet opened by the menu command. The system data and database are put back.
class cSystemFixture : public cEditorHolder, public cSheetDriver {
public:
    cSystemFixture()
        : cEditorHolder(true),
          cSheetDriver(&m_Editor.Main().m_lpSystemSheet),
          m_SavedSystem(ProjectSystemData()),
          m_SavedDatabase(ProjectDatabase()) {
        SetCommandOpener(ID_TOOL_SYSTEM, OpenSystemSettings);
        cDatabase& db = ProjectDatabase();
        db.m_Bgms.assign(3, cBgm());
        db.m_Bgms[1].m_Name = "森";
        db.m_Bgms[1].m_File = "bgm\\missing.mid";
        db.m_Bgms[2].m_Name = "海";
        cSystemData& sys = ProjectSystemData();
        SystemDataDefaults(sys);
        sys.m_MenuMusic[1] = 1;
        sys.m_MenuMusic[2] = 2;
        sys.SaveFile(kSystemFile);
        m_Editor.Command(ID_TOOL_SYSTEM);
    }
    ~cSystemFixture() {
        SetCommandOpener(ID_TOOL_SYSTEM, nullptr);
        SetFileDialogHook(nullptr);
        ProjectSystemData() = m_SavedSystem;
        ProjectDatabase() = m_SavedDatabase;
    }
    const cEditorFixture& Editor() const { return m_Editor; }

private:
    cSystemData m_SavedSystem;
    cDatabase m_SavedDatabase;
};

cSystemData SavedSystem() {
    cSystemData saved;
    EXPECT_TRUE(saved.LoadFile(kSystemFile, false));
    return saved;
}

}  // namespace

TEST(SystemSettings, EveryTemplateHoldsEveryControl) {
    cEditorFixture f(false);
    struct cTemplate {
        int templateId;
        std::vector<int> ids;
    };
    std::vector<cTemplate> templates = {
        {IDD_SYS_GAME,
         {IDC_SG_TITLE, IDC_SG_HIDE_PLACED, IDC_SG_SYMBOL, IDC_SG_LIFE_SCORE, IDC_SG_LIFE_SCORE_SPIN, IDC_SG_TEST_FLOWS,
          IDC_SG_STORY_LIVES, IDC_SG_STORY_LIVES_SPIN, IDC_SG_SHARE_LIVES, IDC_SG_STORY_RANK, IDC_SG_STORY_SCORE,
          IDC_SG_STORY_TIME, IDC_SG_STORY_CLEAR, IDC_SG_CHAL_LIVES, IDC_SG_CHAL_LIVES_SPIN, IDC_SG_WORLDS,
          IDC_SG_WORLDS_SPIN, IDC_SG_ALL_WORLDS, IDC_SG_CHAL_RANK, IDC_SG_CHAL_SCORE, IDC_SG_CHAL_TIME, IDC_SG_CHAL_CLEAR,
          IDC_SG_FREE_LIVES, IDC_SG_FREE_LIVES_SPIN, IDC_SG_FREE_RANK, IDC_SG_FREE_SCORE, IDC_SG_FREE_TIME,
          IDC_SG_FREE_CLEAR}},
        {IDD_SYS_STOCK, {IDC_SS_BGM_0, IDC_SS_BGM_1, IDC_SS_BGM_2, IDC_SS_BGM_3, IDC_SS_BGM_0_PLAY, IDC_SS_BGM_1_PLAY,
                         IDC_SS_BGM_2_PLAY, IDC_SS_BGM_3_PLAY}},
        {IDD_SYS_STATUS, {IDC_ST_ITEM_0_DIGITS, IDC_ST_ITEM_0_DIGITS_SPIN, IDC_ST_ITEM_1_DIGITS,
                          IDC_ST_ITEM_1_DIGITS_SPIN, IDC_ST_ITEM_4_DIGITS, IDC_ST_ITEM_4_DIGITS_SPIN}},
        {IDD_SYS_TERMS, {}},
        {IDD_SYS_INI, {IDC_SI_VALUE_0_SPIN, IDC_SI_VALUE_1_SPIN, IDC_SI_VALUE_2_SPIN, IDC_SI_VALUE_3_SPIN}},
    };
    // The runs of numbered controls.
    for (int i = 0; i < 22; ++i) templates[1].ids.push_back(IDC_SS_STOCK_0 + i);
    for (int k = 0; k < 16; ++k)
        for (int j = 0; j < 3; ++j) templates[1].ids.push_back(IDC_SS_SE_0 + 3 * k + j);
    for (int id : {IDC_SS_SE_16, IDC_SS_SE_16_BROWSE, IDC_SS_SE_16_PLAY}) templates[1].ids.push_back(id);
    for (int k = 0; k < 5; ++k)
        for (int id : {IDC_ST_ITEM_0_SHOW + 3 * k, IDC_ST_ITEM_0_SYMBOL + 3 * k, IDC_ST_ITEM_0_TEXT + k})
            templates[2].ids.push_back(id);
    for (int k = 0; k < 16; ++k) templates[2].ids.push_back(IDC_ST_TITLE_0_TEXT + k);
    for (int id = IDC_ST_TITLE_0_SHOW; id <= IDC_ST_OPTION_5_SHOW; ++id) templates[2].ids.push_back(id);
    for (int k = 0; k < 21; ++k) templates[3].ids.push_back(IDC_SW_TERM_0 + k);
    for (int k = 0; k < 5; ++k) templates[4].ids.push_back(IDC_SI_KEY_0 + k);
    for (int id = IDC_SI_VALUE_0; id <= IDC_SI_VALUE_3_SPIN; ++id) templates[4].ids.push_back(id);
    for (const cTemplate& t : templates) ExpectControls(f.MainWnd(), t.templateId, t.ids);
}

TEST(SystemSettings, OkWithoutChangesLeavesTheFileByteIdentical) {
    cSystemFixture f;
    ASSERT_NE(f.SheetWnd(), nullptr);
    char title[64] = "";
    GetWindowTextA(f.SheetWnd(), title, sizeof title);
    EXPECT_STREQ(title, "システムの設定");
    EXPECT_FALSE(f.Editor().Main().IsShown());
    const std::string before = FileBytes(kSystemFile);
    for (int page = 0; page < cSystemSettingSheet::kPages; ++page) f.Page(page);
    EXPECT_EQ(f.Text(f.Page(1), IDC_SS_BGM_1), "001 森");
    f.Close(IDOK);
    EXPECT_EQ(f.Sheet(), nullptr);
    EXPECT_TRUE(f.Editor().Main().IsShown());
    EXPECT_EQ(FileBytes(kSystemFile), before);
}

// Page 1 is always shown first; page 3 is shown and changed; the others were never shown and
// store nothing, so a value set in the record behind their backs survives.
TEST(SystemSettings, ApplyStoresOnlyThePagesThatWereShown) {
    cSystemFixture f;
    cSystemData& sys = ProjectSystemData();
    sys.m_Terms[0] = "界";
    sys.m_StockTargets[0] = 1;
    HWND status = f.Page(2);
    f.Type(status, IDC_ST_TITLE_0_TEXT, "はじめる");
    f.Type(f.Page(0), IDC_SG_TITLE, "新しいゲーム");
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(f.SheetWnd(), cSheetDriver::kApplyButton)));
    f.Apply();
    EXPECT_EQ(sys.m_TitleMenu[0].m_Text, "はじめる");
    EXPECT_EQ(sys.m_Title, "新しいゲーム");
    EXPECT_EQ(sys.m_Terms[0], "界");
    EXPECT_EQ(sys.m_StockTargets[0], 1);
    cSystemData saved = SavedSystem();
    EXPECT_EQ(saved.m_TitleMenu[0].m_Text, "はじめる");
    EXPECT_EQ(saved.m_Title, "新しいゲーム");
    EXPECT_EQ(saved.m_Terms[0], "界");
}

TEST(SystemSettings, RankingOffDisablesItsKindsAndKeepsTheirValues) {
    cSystemFixture f;
    cSystemData& sys = ProjectSystemData();
    HWND game = f.Page(0);
    struct cMode {
        int mode, on, kinds[3];
    };
    const cMode modes[] = {{0, IDC_SG_STORY_RANK, {IDC_SG_STORY_SCORE, IDC_SG_STORY_TIME, IDC_SG_STORY_CLEAR}},
                           {1, IDC_SG_CHAL_RANK, {IDC_SG_CHAL_SCORE, IDC_SG_CHAL_TIME, IDC_SG_CHAL_CLEAR}},
                           {2, IDC_SG_FREE_RANK, {IDC_SG_FREE_SCORE, IDC_SG_FREE_TIME, IDC_SG_FREE_CLEAR}}};
    for (const cMode& m : modes) {
        SCOPED_TRACE(m.mode);
        if (!f.Checked(game, m.on)) f.Click(game, m.on);
        if (!f.Checked(game, m.kinds[1])) f.Click(game, m.kinds[1]);
        for (int kind : m.kinds) EXPECT_TRUE(f.Enabled(game, kind));
        f.Click(game, m.on);
        for (int kind : m.kinds) EXPECT_FALSE(f.Enabled(game, kind));
        EXPECT_TRUE(f.Checked(game, m.kinds[1]));
    }
    f.Apply();
    for (const cMode& m : modes) {
        EXPECT_EQ(sys.m_RankingSettings[m.mode].m_On, 0);
        EXPECT_EQ(sys.m_RankingSettings[m.mode].m_Shown[1], 1);
    }
}

TEST(SystemSettings, StatusItemsAndMenuEntriesEnableByTheirChecks) {
    cSystemFixture f;
    HWND page = f.Page(2);
    struct cCase {
        bool show, symbol;
        bool symbolOn, textOn, digitsOn;
    };
    const cCase cases[] = {
        {false, false, false, false, false},
        {false, true, false, false, false},
        {true, false, true, true, true},
        {true, true, true, false, true},
    };
    auto set = [&](int id, bool on) {
        if (f.Checked(page, id) != on) f.Click(page, id);
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.show << c.symbol);
        // The symbol check goes first: it can only be clicked while it is enabled.
        set(IDC_ST_ITEM_1_SHOW, true);
        set(IDC_ST_ITEM_1_SYMBOL, c.symbol);
        set(IDC_ST_ITEM_1_SHOW, c.show);
        EXPECT_EQ(f.Enabled(page, IDC_ST_ITEM_1_SYMBOL), c.symbolOn);
        EXPECT_EQ(f.Enabled(page, IDC_ST_ITEM_1_TEXT), c.textOn);
        EXPECT_EQ(f.Enabled(page, IDC_ST_ITEM_1_DIGITS), c.digitsOn);
    }
    // An item without digits ("HP") follows the same rules for the rest.
    set(IDC_ST_ITEM_2_SHOW, false);
    EXPECT_FALSE(f.Enabled(page, IDC_ST_ITEM_2_TEXT));
    // A symbol's text is kept while its edit is disabled.
    set(IDC_ST_ITEM_0_SHOW, true);
    f.Type(page, IDC_ST_ITEM_0_TEXT, "WS");
    set(IDC_ST_ITEM_0_SYMBOL, true);
    EXPECT_FALSE(f.Enabled(page, IDC_ST_ITEM_0_TEXT));
    set(IDC_ST_OPTION_3_SHOW, false);
    EXPECT_FALSE(f.Enabled(page, IDC_ST_OPTION_3_TEXT));
    set(IDC_ST_OPTION_3_SHOW, true);
    EXPECT_TRUE(f.Enabled(page, IDC_ST_OPTION_3_TEXT));
    f.Apply();
    EXPECT_EQ(ProjectSystemData().m_StatusItems[0].m_Text, "WS");
    EXPECT_EQ(ProjectSystemData().m_StatusItems[0].m_ShowSymbol, 1);
}

TEST(SystemSettings, IniKeysBindByKindAndAnEmptyKeyIsSavedEmpty) {
    cSystemFixture f;
    HWND page = f.Page(4);
    EXPECT_EQ(f.Text(page, IDC_SI_KEY_0), "WindowMode");
    EXPECT_EQ(f.Text(page, IDC_SI_VALUE_3), "1");
    f.Type(page, IDC_SI_KEY_0, "");
    f.Type(page, IDC_SI_VALUE_1, "150");
    f.Type(page, IDC_SI_VALUE_4, "data\\stg4\\A.stg4_147");
    // A key takes no more than its buffer holds.
    f.Type(page, IDC_SI_KEY_2, std::string(80, 'k').c_str());
    f.Apply();
    cSystemData saved = SavedSystem();
    EXPECT_EQ(saved.m_IniKeys[0].m_Key, "");
    EXPECT_EQ(saved.m_IniKeys[1].m_IntDefault, 99);
    EXPECT_EQ(saved.m_IniKeys[4].m_StrDefault, "data\\stg4\\A.stg4_147");
    EXPECT_EQ(saved.m_IniKeys[2].m_Key, std::string(63, 'k'));
}

TEST(SystemSettings, CancelAfterApplyKeepsWhatApplySaved) {
    cSystemFixture f;
    HWND terms = f.Page(3);
    f.Type(terms, IDC_SW_TERM_0, "面");
    f.Apply();
    f.Type(terms, IDC_SW_TERM_0, "島");
    f.Close(IDCANCEL);
    EXPECT_EQ(f.Sheet(), nullptr);
    EXPECT_EQ(ProjectSystemData().m_Terms[0], "面");
    EXPECT_EQ(SavedSystem().m_Terms[0], "面");
}

namespace {
std::string g_chosenFile;
std::string g_folder;
int ChooseWave(bool, char* file, DWORD length, const char* folder, const char*, const char*, const char*) {
    g_folder = folder;
    if (g_chosenFile.empty()) return 0;
    lstrcpynA(file, g_chosenFile.c_str(), static_cast<int>(length));
    return 1;
}
}  // namespace

TEST(SystemSettings, SoundRowsChooseAndPlayAndNoMusicPlaysNothing) {
    cSystemFixture f;
    cBoxAnswers boxes;
    EditorWave().Enable();
    HWND page = f.Page(1);
    SetFileDialogHook(ChooseWave);
    char cwd[MAX_PATH];
    GetCurrentDirectoryA(sizeof cwd, cwd);
    g_chosenFile = std::string(cwd) + "\\wave\\jump.wav";
    f.Click(page, IDC_SS_SE_3_BROWSE);
    EXPECT_EQ(g_folder, "wave\\");
    EXPECT_EQ(f.Text(page, IDC_SS_SE_3), ".\\wave\\jump.wav");
    // A cancelled chooser changes nothing.
    g_chosenFile.clear();
    f.Click(page, IDC_SS_SE_3_BROWSE);
    EXPECT_EQ(f.Text(page, IDC_SS_SE_3), ".\\wave\\jump.wav");
    // An empty row plays nothing; a missing file says so.
    f.Type(page, IDC_SS_SE_4, "");
    f.Click(page, IDC_SS_SE_4_PLAY);
    EXPECT_TRUE(boxes.Shown().empty());
    f.Click(page, IDC_SS_SE_3_PLAY);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, "読み込み失敗！");
    // Music: "なし" plays nothing.
    f.Click(page, IDC_SS_BGM_0_PLAY);
    EXPECT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(EditorBgm().GetCurrent(), -1);
    f.Apply();
    EditorWave().Release();
    EXPECT_EQ(ProjectSystemData().m_SoundFiles[3], ".\\wave\\jump.wav");
}

TEST(SystemSettings, ASaveThatFailsIsReportedAndTheSheetStaysOpen) {
    cSystemFixture f;
    cBoxAnswers boxes;
    const std::string before = FileBytes(kSystemFile);
    SetFileAttributesA(kSystemFile, FILE_ATTRIBUTE_READONLY);
    f.Type(f.Page(0), IDC_SG_TITLE, "別");
    f.Close(IDOK);
    SetFileAttributesA(kSystemFile, FILE_ATTRIBUTE_NORMAL);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_NE(boxes.Shown()[0].text.find("System.dat"), std::string::npos);
    EXPECT_NE(f.Sheet(), nullptr);
    EXPECT_EQ(FileBytes(kSystemFile), before);
    f.Close(IDCANCEL);
}
