// The stage settings sheet driven by messages: its templates, every bound limit, the enabling
// rules of the three pages, applying the size, the memory note, the music preview, closing
// without Apply, the advanced pages' stored values and labels, and the background layers.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "editor/shell/AvailMemory.h"
#include "editor/shell/EditorSound.h"
#include "editor/shell/StageAdvancedPages.h"
#include "editor/shell/StageBasicPage.h"
#include "editor/shell/StageSettingIds.h"
#include "editor/shell/StageSettingSheet.h"
#include "framework/Dib.h"
#include "framework/FileDialogs.h"
#include "framework/TestSeams.h"
#include "tests/shell/EditorFixture.h"
#include "tests/support/BoxAnswers.h"
#include "tests/support/DialogDriver.h"

namespace {

const int kApplyButton = 0x3021;

// The main window with a 40 x 20 stage, its undo history as the editor sets it up, and the
// sheet opened by the menu command.
class cSheetFixture {
public:
    explicit cSheetFixture(const std::function<void(cEdStage&)>& setUp = nullptr) : m_Editor(true, 40, 20, 1, 1) {
        cEdStage& stage = ProjectStage();
        if (setUp) setUp(stage);
        UndoHistory().Init(stage.m_UndoCount, stage.m_Stride, stage.m_Height);
        m_Editor.Command(ID_STAGE_SETTINGS);
    }
    ~cSheetFixture() { SetMemoryProbe(nullptr); }

    cStageSettingSheet* Sheet() const { return static_cast<cStageSettingSheet*>(m_Editor.Main().m_lpStageSheet); }
    HWND SheetWnd() const { return Sheet()->GetHwnd(); }
    // Shows the page (0 basic, 1 and 2 advanced) and answers its window.
    HWND Page(int index) const {
        Sheet()->SetCurPage(index);
        PumpEditor();
        return Sheet()->m_Pages.At(index)->GetHwnd();
    }
    void Type(HWND page, int id, const char* text) const {
        SetDlgItemTextA(page, id, text);
        PumpEditor();
    }
    void Click(HWND wnd, int id) const {
        SendMessageA(GetDlgItem(wnd, id), BM_CLICK, 0, 0);
        PumpEditor();
    }
    void Choose(HWND page, int id, int position) const {
        SendDlgItemMessageA(page, id, CB_SETCURSEL, position, 0);
        SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
        PumpEditor();
    }
    void Apply() const { Click(SheetWnd(), kApplyButton); }
    // OK or Cancel: the sheet closes and the main window comes back.
    void Close(int button) const {
        Click(SheetWnd(), button);
        PumpEditor();
    }
    bool Enabled(HWND page, int id) const { return IsWindowEnabled(GetDlgItem(page, id)) != 0; }
    std::string Text(HWND wnd, int id) const {
        char text[256] = "";
        GetDlgItemTextA(wnd, id, text, sizeof text);
        return text;
    }
    const cEditorFixture& Editor() const { return m_Editor; }

private:
    cEditorFixture m_Editor;
};

int64_t g_availMemory = 0;
int64_t TestMemory() { return g_availMemory; }

bool IsLayerDialog(HWND wnd) {
    char title[64] = "";
    GetWindowTextA(wnd, title, sizeof title);
    return IsWindowVisible(wnd) && std::string(title) == "背景";
}

// The open dialog's stand-in: it answers the chosen file, or cancels when there is none.
std::string g_chosenBitmap;
std::string g_browseFolder;
int ChooseBitmap(bool, char* file, DWORD length, const char* initialFolder, const char*, const char*, const char*) {
    g_browseFolder = initialFolder;
    if (g_chosenBitmap.empty()) return 0;
    lstrcpynA(file, g_chosenBitmap.c_str(), static_cast<int>(length));
    return 1;
}

}  // namespace

TEST(StageSettings, EveryTemplateHoldsEveryControl) {
    cEditorFixture f(true);
    std::vector<int> basic = {IDC_SB_NAME,        IDC_SB_WIDTH,          IDC_SB_WIDTH_SPIN,      IDC_SB_HEIGHT,
                              IDC_SB_HEIGHT_SPIN, IDC_SB_USE_LEFT,       IDC_SB_LEFT,            IDC_SB_LEFT_SPIN,
                              IDC_SB_USE_RIGHT,   IDC_SB_RIGHT,          IDC_SB_RIGHT_SPIN,      IDC_SB_USE_TOP,
                              IDC_SB_TOP,         IDC_SB_TOP_SPIN,       IDC_SB_USE_BOTTOM,      IDC_SB_BOTTOM,
                              IDC_SB_BOTTOM_SPIN, IDC_SB_SCROLL_X,       IDC_SB_AUTO_X,          IDC_SB_AUTO_X_SPIN,
                              IDC_SB_SCROLL_Y,    IDC_SB_AUTO_Y,         IDC_SB_AUTO_Y_SPIN,     IDC_SB_USE_TIME,
                              IDC_SB_TIME,        IDC_SB_TIME_SPIN,      IDC_SB_WARNING,         IDC_SB_WARNING_SPIN,
                              IDC_SB_GRAVITY,     IDC_SB_GRAVITY_SPIN,   IDC_SB_HERO_GUARD,      IDC_SB_HERO_GUARD_SPIN,
                              IDC_SB_HERO_SAME,   IDC_SB_HERO_SAME_SPIN, IDC_SB_ENEMY_GUARD,     IDC_SB_ENEMY_GUARD_SPIN,
                              IDC_SB_ENEMY_SAME,  IDC_SB_ENEMY_SAME_SPIN, IDC_SB_LAYERS,         IDC_SB_LAYER_INSERT,
                              IDC_SB_LAYER_EDIT,  IDC_SB_LAYER_DELETE,   IDC_SB_SHOW_INFO,       IDC_SB_SHOW_CLEAR,
                              IDC_SB_SHOW_OVER,   IDC_SB_FROM_STOCK,     IDC_SB_TO_STOCK,        IDC_SB_RANK_SCORE,
                              IDC_SB_RANK_TIME,   IDC_SB_RANK_CLEAR,     IDC_SB_BGM,             IDC_SB_BGM_PLAY,
                              IDC_SB_MEMORY,      IDC_SB_UNDO_NOTE};
    std::vector<int> advanced = {IDC_SA_FRAME_RATE, IDC_SA_FRAME_RATE_SPIN, IDC_SA_LEVEL, IDC_SA_PRECISION, IDC_SA_USE_Z,
                                 IDC_SA_NO_DAMAGE_OFF};
    for (int n = 0; n < 20; ++n)
        for (int first : {IDC_SA_VANISH_FIRST, IDC_SA_MARGIN_FIRST, IDC_SA_MARGIN_SPIN_FIRST}) advanced.push_back(first + n);
    std::vector<int> advanced2;
    for (int id = 1268; id <= 1303; ++id)
        if (id != 1286) advanced2.push_back(id);
    for (int id : {12860, 11224, 11225, 11226, 11227, 11228, 11229, 11233, 11234, 11235, 11236, 11169, 11170, 11171,
                   11172, 11173, 11174, 11178, 11179, 11180, 11181})
        advanced2.push_back(id);
    std::vector<int> layer = {IDC_BL_SHOW,  IDC_BL_PICTURE,    IDC_BL_BROWSE,  IDC_BL_USE_COLOR,   IDC_BL_COLOR,
                              IDC_BL_COLOR_SPIN, IDC_BL_PREVIEW, IDC_BL_FRONT, IDC_BL_SPEED_X, IDC_BL_SPEED_X_SPIN,
                              IDC_BL_AUTO_X, IDC_BL_SPEED_Y, IDC_BL_SPEED_Y_SPIN, IDC_BL_AUTO_Y, IDC_BL_OK, IDC_BL_CANCEL};
    struct cCase {
        int templateId;
        const std::vector<int>* ids;
    };
    const cCase cases[] = {{IDD_STAGE_BASIC, &basic},
                           {IDD_STAGE_ADVANCED, &advanced},
                           {IDD_STAGE_ADVANCED2, &advanced2},
                           {IDD_BACK_LAYER, &layer}};
    for (const cCase& c : cases) {
        HWND dlg = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(c.templateId), f.MainWnd(),
                                      [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
        ASSERT_NE(nullptr, dlg) << c.templateId;
        for (int id : *c.ids) EXPECT_NE(nullptr, GetDlgItem(dlg, id)) << c.templateId << ": " << id;
        DestroyWindow(dlg);
    }
}

TEST(StageSettings, EveryBoundValueIsKeptWithinItsLimits) {
    cSheetFixture s;
    cEdStage& stage = ProjectStage();
    struct cCase {
        int page;
        int id;
        const char* typed;
        std::function<double()> stored;
        double expected;
    };
    const cCase cases[] = {
        {0, IDC_SB_LEFT, "600", [&] { return stage.m_Limit[eLimitLeft]; }, 492},
        {0, IDC_SB_RIGHT, "5", [&] { return stage.m_Limit[eLimitRight]; }, 19},
        {0, IDC_SB_TOP, "600", [&] { return stage.m_Limit[eLimitTop]; }, 497},
        {0, IDC_SB_BOTTOM, "3", [&] { return stage.m_Limit[eLimitBottom]; }, 14},
        {0, IDC_SB_AUTO_X, "999", [&] { return stage.m_AutoScrollSpeed[0]; }, 480},
        {0, IDC_SB_AUTO_Y, "-999", [&] { return stage.m_AutoScrollSpeed[1]; }, -480},
        {0, IDC_SB_TIME, "0", [&] { return stage.m_TimeLimit; }, 1},
        {0, IDC_SB_WARNING, "1500", [&] { return stage.m_WarningTime; }, 999},
        {0, IDC_SB_GRAVITY, "5", [&] { return stage.m_Gravity; }, 1.0},
        {0, IDC_SB_HERO_GUARD, "12345", [&] { return stage.m_HeroGuard; }, 9999},
        {0, IDC_SB_HERO_SAME, "0", [&] { return stage.m_HeroSameCharaGuard; }, 1},
        {0, IDC_SB_ENEMY_GUARD, "-3", [&] { return stage.m_EnemyGuard; }, 0},
        {0, IDC_SB_ENEMY_SAME, "0", [&] { return stage.m_EnemySameCharaGuard; }, 1},
        {1, IDC_SA_FRAME_RATE, "10", [&] { return stage.m_FrameRate; }, 30},
        {1, IDC_SA_MARGIN_FIRST + 19, "150", [&] { return stage.m_AutoVanish[eVanishEnemyShot].m_BottomMargin; }, 99},
        {2, IDC_SH_HERO_ENEMY_W, "40", [&] { return stage.m_HitAreas[eHitHeroEnemy].width; }, 32},
        {2, IDC_SH_HERO_SHOT_H, "0", [&] { return stage.m_HitAreas[eHitHeroShot].height; }, 1},
        {2, IDC_SH_ESHOT_SHOT_W, "20", [&] { return stage.m_HitAreas[eHitEnemyShotShot].width; }, 16},
    };
    for (const cCase& c : cases) s.Type(s.Page(c.page), c.id, c.typed);
    // The name takes thirty characters.
    s.Type(s.Page(0), IDC_SB_NAME, "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほまみむ");
    s.Apply();
    for (const cCase& c : cases) EXPECT_DOUBLE_EQ(c.expected, c.stored()) << c.id << " typed " << c.typed;
    EXPECT_EQ("あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほ", stage.m_Name);
}

TEST(StageSettings, ChecksAndModesEnableTheirControlsAndKeepTheirValues) {
    cSheetFixture s([](cEdStage& stage) {
        stage.m_UseTimeLimit = 1;
        stage.m_TimeLimit = 123;
    });
    cEdStage& stage = ProjectStage();
    struct cCase {
        int page;
        int check;     // a check box clicked, or a combo box set to position 0 and then 1
        bool combo;
        int enabled;   // the control it enables
    };
    std::vector<cCase> cases = {{0, IDC_SB_USE_LEFT, false, IDC_SB_LEFT},   {0, IDC_SB_USE_RIGHT, false, IDC_SB_RIGHT},
                                {0, IDC_SB_USE_TOP, false, IDC_SB_TOP},     {0, IDC_SB_USE_BOTTOM, false, IDC_SB_BOTTOM},
                                {0, IDC_SB_USE_TIME, false, IDC_SB_TIME},   {0, IDC_SB_USE_TIME, false, IDC_SB_WARNING},
                                {2, IDC_SH_HERO_ENEMY_SHOW, true, IDC_SH_HERO_ENEMY_COLOR},
                                {2, IDC_SH_HERO_ITEM_SHOW, true, IDC_SH_HERO_ITEM_COLOR},
                                {2, IDC_SH_HERO_SHOT_SHOW, true, IDC_SH_HERO_SHOT_COLOR}};
    for (int n = 0; n < 20; ++n) cases.push_back({1, IDC_SA_VANISH_FIRST + n, false, IDC_SA_MARGIN_FIRST + n});
    for (const cCase& c : cases) {
        HWND page = s.Page(c.page);
        if (c.combo) {
            s.Choose(page, c.check, 0);
            EXPECT_FALSE(s.Enabled(page, c.enabled)) << c.enabled << " with mode 0";
            s.Choose(page, c.check, 1);
            EXPECT_TRUE(s.Enabled(page, c.enabled)) << c.enabled << " with mode 1";
            continue;
        }
        const bool before = IsDlgButtonChecked(page, c.check) == BST_CHECKED;
        EXPECT_EQ(before, s.Enabled(page, c.enabled)) << c.enabled;
        const std::string value = s.Text(page, c.enabled);
        s.Click(page, c.check);
        EXPECT_EQ(!before, s.Enabled(page, c.enabled)) << c.enabled << " after the click";
        EXPECT_EQ(value, s.Text(page, c.enabled)) << c.enabled;
        s.Click(page, c.check);
    }
    // Unchecking the time limit keeps the time.
    HWND basic = s.Page(0);
    s.Click(basic, IDC_SB_USE_TIME);
    s.Apply();
    EXPECT_EQ(0, stage.m_UseTimeLimit);
    EXPECT_EQ(123, stage.m_TimeLimit);
}

TEST(StageSettings, ApplyingASizeRaisesItToTheSmallestStageAndTheSameSizeKeepsTheHistory) {
    cSheetFixture s;
    cEdStage& stage = ProjectStage();
    HWND basic = s.Page(0);
    // The same size: the history keeps its steps, through the return from the sheet too.
    UndoHistory().Push(eLayerAll, stage);
    s.Type(basic, IDC_SB_TIME, "77");
    s.Apply();
    EXPECT_EQ(1, UndoHistory().UndoCount());
    EXPECT_EQ(77, stage.m_TimeLimit);

    s.Type(basic, IDC_SB_WIDTH, "5");
    s.Type(basic, IDC_SB_HEIGHT, "3");
    s.Apply();
    EXPECT_EQ(20, stage.m_Width);
    EXPECT_EQ(15, stage.m_Height);
    EXPECT_EQ("20", s.Text(basic, IDC_SB_WIDTH));
    EXPECT_EQ(0, UndoHistory().UndoCount());
    EXPECT_EQ(1, StageDoc().m_StageModified);

    s.Close(IDOK);
    EXPECT_EQ(nullptr, s.Editor().Main().m_lpStageSheet);
    EXPECT_EQ(32u * 15, UndoHistory().CellsPerStep()) << "the history follows the new size";
    EXPECT_TRUE(IsWindowEnabled(s.Editor().MainWnd()));
}

TEST(StageSettings, TooLittleMemoryKeepsTheOldSize) {
    cSheetFixture s;
    cBoxAnswers boxes;
    g_availMemory = 1024;
    SetMemoryProbe(TestMemory);
    HWND basic = s.Page(0);
    s.Type(basic, IDC_SB_WIDTH, "100");
    s.Apply();
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("メモリ不足により、サイズの変更に失敗しました！", boxes.Shown()[0].text);
    EXPECT_EQ(40, ProjectStage().m_Width);
    EXPECT_EQ("40", s.Text(basic, IDC_SB_WIDTH));
}

TEST(StageSettings, TheMemoryNoteTellsTheUndoStepsThatFit) {
    cSheetFixture s;
    cEdStage& stage = ProjectStage();
    stage.m_UndoCount = 3;
    SetMemoryProbe(TestMemory);
    const int64_t step = cUndoHistory::StepSize(100, 50);
    struct cCase {
        int64_t avail;
        const char* note;
    };
    // The stage's own size gives its memory back: the steps are (avail + its step - 2 steps) / step.
    const int64_t own = cUndoHistory::StepSize(40, 20);
    const cCase cases[] = {{3 * step - own, "※元に戻せる回数 3 → 1"},
                           {5 * step - own - 1, "※元に戻せる回数 3 → 2"},
                           {5 * step - own, ""},
                           {6 * step, ""}};
    HWND basic = s.Page(0);
    for (const cCase& c : cases) {
        g_availMemory = c.avail;
        s.Type(basic, IDC_SB_WIDTH, "100");
        s.Type(basic, IDC_SB_HEIGHT, "50");
        EXPECT_EQ(c.note, s.Text(basic, IDC_SB_UNDO_NOTE));
        const std::string memory = s.Text(basic, IDC_SB_MEMORY);
        EXPECT_NE(std::string::npos, memory.find(std::to_string(2 * step / 1024) + " KB")) << memory;
    }
    EXPECT_GT(UndoHistory().CellsPerStep(), 0u) << "the estimate leaves the history alone";
}

TEST(StageSettings, ClosingWithoutApplyChangesNothingAndNoneMusicPlaysNothing) {
    cSheetFixture s;
    cBoxAnswers boxes;
    cEdStage& stage = ProjectStage();
    const cEdStage before = stage;
    HWND basic = s.Page(0);
    s.Type(basic, IDC_SB_NAME, "別の名前");
    s.Type(basic, IDC_SB_WIDTH, "60");
    s.Click(basic, IDC_SB_USE_TIME);
    s.Choose(basic, IDC_SB_BGM, 0);
    s.Click(basic, IDC_SB_BGM_PLAY);
    EXPECT_EQ(-1, EditorBgm().GetCurrent());
    s.Click(basic, IDC_SB_LAYER_DELETE);
    EXPECT_EQ(0, SendDlgItemMessageA(basic, IDC_SB_LAYERS, LB_GETCOUNT, 0, 0));
    HWND advanced = s.Page(1);
    s.Type(advanced, IDC_SA_FRAME_RATE, "90");
    s.Choose(s.Page(2), IDC_SH_HERO_ENEMY_SHOW, 2);
    s.Close(IDCANCEL);
    EXPECT_EQ(before.m_Name, stage.m_Name);
    EXPECT_EQ(before.m_Width, stage.m_Width);
    EXPECT_EQ(before.m_UseTimeLimit, stage.m_UseTimeLimit);
    EXPECT_EQ(before.m_FrameRate, stage.m_FrameRate);
    EXPECT_EQ(before.m_HitDisplay[0], stage.m_HitDisplay[0]);
    EXPECT_EQ(before.m_BackLayers.size(), stage.m_BackLayers.size());
    EXPECT_TRUE(boxes.Shown().empty());
}

// A stage file may hold fewer ranking switches than the page's three checks: opening the sheet,
// and OK without a change, leave the stage as it was and unmodified; a change marks it.
TEST(StageSettings, OpeningAndOkWithoutAChangeLeaveTheStageAsItWas) {
    // Limits within the page's own: an edit brings a value outside them in on Apply, a change.
    cSheetFixture s([](cEdStage& stage) {
        stage.SetSize(40, 30);
        stage.m_Limit[eLimitRight] = 19;
        stage.m_Limit[eLimitBottom] = 14;
        stage.m_RankItems.assign(1, 1);
    });
    cEdStage& stage = ProjectStage();
    StageDoc().m_StageModified = 0;
    HWND basic = s.Page(0);
    s.Page(1);
    s.Page(2);
    EXPECT_EQ(1u, stage.m_RankItems.size());
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(basic, IDC_SB_RANK_SCORE));
    EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(basic, IDC_SB_RANK_CLEAR)) << "a missing switch is off, as played";
    s.Apply();
    EXPECT_EQ(1u, stage.m_RankItems.size());
    EXPECT_EQ(0, StageDoc().m_StageModified);

    s.Click(basic, IDC_SB_RANK_CLEAR);
    s.Apply();
    ASSERT_EQ(3u, stage.m_RankItems.size());
    EXPECT_EQ(1, stage.m_RankItems[0]);
    EXPECT_EQ(0, stage.m_RankItems[1]);
    EXPECT_EQ(1, stage.m_RankItems[2]);
    EXPECT_EQ(1, StageDoc().m_StageModified);

    StageDoc().m_StageModified = 0;
    s.Type(s.Page(1), IDC_SA_FRAME_RATE, "90");
    s.Close(IDOK);
    EXPECT_EQ(90, stage.m_FrameRate);
    EXPECT_EQ(1, StageDoc().m_StageModified) << "a change on another page counts too";
}

TEST(StageSettings, TheAdvancedPagesStoreTheLevelAndShowTheDefaultPairs) {
    cSheetFixture s;
    HWND advanced = s.Page(1);
    s.Choose(advanced, IDC_SA_LEVEL, 10);
    s.Choose(advanced, IDC_SA_PRECISION, 3);
    HWND advanced2 = s.Page(2);
    EXPECT_EQ("対ショット (2,8)", s.Text(advanced2, IDC_SH_HERO_SHOT_LABEL));
    EXPECT_EQ("対敵 (16,16)", s.Text(advanced2, IDC_SH_HERO_ENEMY_LABEL));
    EXPECT_EQ("対キャラ (18,24)", s.Text(advanced2, IDC_SH_ITEM_CHARA_LABEL));
    s.Apply();
    EXPECT_EQ(11, ProjectStage().m_HitLevel);
    EXPECT_EQ(3, ProjectStage().m_HitPrecision);
}

TEST(StageSettings, BackgroundLayersAreInsertedEditedAndListed) {
    cSheetFixture s;
    cEdStage& stage = ProjectStage();
    HWND basic = s.Page(0);
    auto rows = [&] { return static_cast<int>(SendDlgItemMessageA(basic, IDC_SB_LAYERS, LB_GETCOUNT, 0, 0)); };
    auto row = [&](int r) {
        char text[300] = "";
        SendDlgItemMessageA(basic, IDC_SB_LAYERS, LB_GETTEXT, r, reinterpret_cast<LPARAM>(text));
        return std::string(text);
    };
    ASSERT_EQ(1, rows());

    // Insert, then Cancel: the list is as it was. The colour check disables the bitmap and
    // scroll controls at once.
    bool sawDialog = false;
    DriveDialog(IsLayerDialog, [&](HWND dlg) {
        sawDialog = true;
        const bool byColour = IsDlgButtonChecked(dlg, IDC_BL_USE_COLOR) == BST_CHECKED;
        SendMessageA(GetDlgItem(dlg, IDC_BL_USE_COLOR), BM_CLICK, 0, 0);
        for (int id : {IDC_BL_PICTURE, IDC_BL_BROWSE, IDC_BL_SPEED_X, IDC_BL_SPEED_Y, IDC_BL_AUTO_X, IDC_BL_AUTO_Y})
            EXPECT_EQ(byColour, IsWindowEnabled(GetDlgItem(dlg, id)) != 0) << id;
        EXPECT_EQ(!byColour, IsWindowEnabled(GetDlgItem(dlg, IDC_BL_COLOR)) != 0);
        SendMessageA(GetDlgItem(dlg, IDC_BL_CANCEL), BM_CLICK, 0, 0);
    });
    s.Click(basic, IDC_SB_LAYER_INSERT);
    EXPECT_TRUE(sawDialog);
    EXPECT_EQ(1, rows());

    // Insert, then OK: a bitmap layer not shown at first, and a colour layer shown from the start.
    struct cLayer {
        bool colour;
        const char* picture;
        const char* colourNumber;
        bool shown;
        const char* text;
    };
    const cLayer layers[] = {{false, "bmp\\back\\sky.bmp", "16", false, "‐ bmp\\back\\sky.bmp"},
                             {true, "", "16", true, "○ 色番号16"}};
    for (const cLayer& layer : layers) {
        DriveDialog(IsLayerDialog, [&](HWND dlg) {
            if ((IsDlgButtonChecked(dlg, IDC_BL_USE_COLOR) == BST_CHECKED) != layer.colour)
                SendMessageA(GetDlgItem(dlg, IDC_BL_USE_COLOR), BM_CLICK, 0, 0);
            if ((IsDlgButtonChecked(dlg, IDC_BL_SHOW) == BST_CHECKED) != layer.shown)
                SendMessageA(GetDlgItem(dlg, IDC_BL_SHOW), BM_CLICK, 0, 0);
            SetDlgItemTextA(dlg, IDC_BL_PICTURE, layer.picture);
            SetDlgItemTextA(dlg, IDC_BL_COLOR, layer.colourNumber);
            SendMessageA(GetDlgItem(dlg, IDC_BL_OK), BM_CLICK, 0, 0);
        });
        SendDlgItemMessageA(basic, IDC_SB_LAYERS, LB_SETCURSEL, 0, 0);
        SendMessageA(basic, WM_COMMAND, MAKEWPARAM(IDC_SB_LAYERS, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(GetDlgItem(basic, IDC_SB_LAYERS)));
        s.Click(basic, IDC_SB_LAYER_INSERT);
        EXPECT_EQ(layer.text, row(0));
        EXPECT_EQ(1, SendDlgItemMessageA(basic, IDC_SB_LAYERS, LB_GETCURSEL, 0, 0)) << "the row below is current";
    }
    EXPECT_EQ(3, rows());
    EXPECT_EQ(1u, stage.m_BackLayers.size()) << "the layers reach the stage only on Apply";

    // Five rows: Insert is refused without a dialog.
    for (int n = rows(); n < cStageBasicPage::kMaxLayers; ++n) {
        DriveDialog(IsLayerDialog, [](HWND dlg) { SendMessageA(GetDlgItem(dlg, IDC_BL_OK), BM_CLICK, 0, 0); });
        s.Click(basic, IDC_SB_LAYER_INSERT);
    }
    ASSERT_EQ(5, rows());
    int dialogs = 0;
    DriveDialog(IsLayerDialog, [&](HWND dlg) {
        ++dialogs;
        SendMessageA(GetDlgItem(dlg, IDC_BL_CANCEL), BM_CLICK, 0, 0);
    });
    s.Click(basic, IDC_SB_LAYER_INSERT);
    EXPECT_EQ(5, rows());
    // The edit command takes the waiting driver: one dialog in all, the edit's own.
    SendDlgItemMessageA(basic, IDC_SB_LAYERS, LB_SETCURSEL, 0, 0);
    SendMessageA(basic, WM_COMMAND, MAKEWPARAM(IDC_SB_LAYERS, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(basic, IDC_SB_LAYERS)));
    s.Click(basic, IDC_SB_LAYER_EDIT);
    EXPECT_EQ(1, dialogs);

    s.Apply();
    ASSERT_EQ(5u, stage.m_BackLayers.size());
    EXPECT_EQ(1, stage.m_BackLayers[0].m_ShowAtStart);
    EXPECT_EQ(1, stage.m_BackLayers[0].m_UseColor);
    EXPECT_EQ(16, stage.m_BackLayers[0].m_Color);
    int skies = 0;
    for (const cBackLayer& layer : stage.m_BackLayers) skies += layer.m_Picture == "bmp\\back\\sky.bmp";
    EXPECT_EQ(1, skies);
}

TEST(StageSettings, BrowsingPutsTheChosenBitmapRelativeToTheProjectIntoTheLayer) {
    cSheetFixture s;
    HWND basic = s.Page(0);
    SetFileDialogHook(ChooseBitmap);
    struct cCase {
        const char* name;
        std::string chosen;  // empty: the dialog is cancelled
        const char* shown;
    };
    const cCase cases[] = {
        {"a bitmap of the project", s.Editor().Dir().Path() + "\\bmp\\back\\sky.bmp", ".\\bmp\\back\\sky.bmp"},
        {"cancelled", "", "old.bmp"},
    };
    for (const cCase& c : cases) {
        g_chosenBitmap = c.chosen;
        std::string shown;
        DriveDialog(IsLayerDialog, [&](HWND dlg) {
            if (IsDlgButtonChecked(dlg, IDC_BL_USE_COLOR) == BST_CHECKED)
                SendMessageA(GetDlgItem(dlg, IDC_BL_USE_COLOR), BM_CLICK, 0, 0);
            SetDlgItemTextA(dlg, IDC_BL_PICTURE, "old.bmp");
            SendMessageA(GetDlgItem(dlg, IDC_BL_BROWSE), BM_CLICK, 0, 0);
            char text[MAX_PATH] = "";
            GetDlgItemTextA(dlg, IDC_BL_PICTURE, text, sizeof text);
            shown = text;
            SendMessageA(GetDlgItem(dlg, IDC_BL_CANCEL), BM_CLICK, 0, 0);
        });
        s.Click(basic, IDC_SB_LAYER_EDIT);
        EXPECT_EQ(c.shown, shown) << c.name;
        EXPECT_EQ("bmp\\back\\", g_browseFolder) << c.name;
    }
    SetFileDialogHook(nullptr);
}

namespace {

// Writes a 1 x 1 bitmap of 8 bits whose colour table is the palette.
void WritePaletteBitmap(const char* path, const RGBQUAD* colours) {
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = 1;
    info.biHeight = 1;
    info.biPlanes = 1;
    info.biBitCount = 8;
    info.biClrUsed = 256;
    const DWORD tableBytes = 256 * sizeof(RGBQUAD);
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4d42;
    file.bfOffBits = sizeof file + sizeof info + tableBytes;
    file.bfSize = file.bfOffBits + 4;
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
    bytes.append(reinterpret_cast<const char*>(colours), tableBytes);
    bytes.append(4, '\0');
    FILE* fp = fopen(path, "wb");
    ASSERT_NE(nullptr, fp);
    fwrite(bytes.data(), 1, bytes.size(), fp);
    fclose(fp);
}

}  // namespace

TEST(StageSettings, TheLayerDialogPreviewsTheColourOfItsNumber) {
    cSheetFixture s;
    const std::string factoryFile = BuildPath("project\\bmp\\plt\\Palette.bmp");
    RGBQUAD saved[256], factory[256];
    memcpy(saved, GetProjectPalette(), sizeof saved);
    ASSERT_TRUE(ReadPaletteFile(factoryFile.c_str(), factory));
    ASSERT_TRUE(LoadPalette(factoryFile.c_str()));
    HWND basic = s.Page(0);
    const int numbers[] = {16, 100, 207};
    std::vector<COLORREF> shown;
    DriveDialog(IsLayerDialog, [&](HWND dlg) {
        if (IsDlgButtonChecked(dlg, IDC_BL_USE_COLOR) != BST_CHECKED)
            SendMessageA(GetDlgItem(dlg, IDC_BL_USE_COLOR), BM_CLICK, 0, 0);
        for (int number : numbers) {
            SetDlgItemInt(dlg, IDC_BL_COLOR, number, FALSE);
            HWND preview = GetDlgItem(dlg, IDC_BL_PREVIEW);
            HDC dc = GetDC(preview);
            shown.push_back(GetPixel(dc, 16, 16));
            ReleaseDC(preview, dc);
        }
        SendMessageA(GetDlgItem(dlg, IDC_BL_CANCEL), BM_CLICK, 0, 0);
    });
    s.Click(basic, IDC_SB_LAYER_EDIT);
    WritePaletteBitmap("saved.bmp", saved);
    ASSERT_TRUE(LoadPalette("saved.bmp"));
    ASSERT_EQ(3u, shown.size());
    EXPECT_NE(shown[1], shown[2]);
    for (size_t i = 0; i < shown.size(); ++i) {
        // The display has 16 bits: each channel may lose its low bits.
        const RGBQUAD& want = factory[numbers[i]];
        EXPECT_NEAR(want.rgbRed, GetRValue(shown[i]), 8) << numbers[i];
        EXPECT_NEAR(want.rgbGreen, GetGValue(shown[i]), 8) << numbers[i];
        EXPECT_NEAR(want.rgbBlue, GetBValue(shown[i]), 8) << numbers[i];
    }
}
