// The project options sheet driven from the main window's command: its templates, the
// inheritance page's combos and check boxes, the game program's path and its chooser, the
// default block's data window, and OK, Apply and Cancel against data\PrjOption.dat.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "data/PrjOption.h"
#include "editor/shell/EditorFiles.h"
#include "editor/shell/StageDoc.h"
#include "editor/world/OptionIds.h"
#include "editor/world/PrjOptionPages.h"
#include "editor/world/PrjOptionSheet.h"
#include "framework/FileDialogs.h"
#include "framework/TestSeams.h"
#include "tests/support/BoxAnswers.h"
#include "tests/world/SettingsFixture.h"

namespace {

const char kOptionFile[] = "data\\PrjOption.dat";

class cOptionFixture : public cEditorHolder, public cSheetDriver {
public:
    cOptionFixture() : cEditorHolder(true), cSheetDriver(&m_Editor.Main().m_lpPrjOptionSheet), m_Saved(ProjectOption()) {
        SetCommandOpener(ID_TOOL_PROJECT_OPTIONS, OpenProjectOptions);
        ProjectOption().Init();
        ProjectOption().m_GamePath = "game.exe";
        SaveProjectOption();
        m_Editor.Command(ID_TOOL_PROJECT_OPTIONS);
    }
    ~cOptionFixture() {
        SetCommandOpener(ID_TOOL_PROJECT_OPTIONS, nullptr);
        SetFileDialogHook(nullptr);
        ProjectOption() = m_Saved;
    }
    cGeneralPage* General() const { return static_cast<cPrjOptionSheet*>(Sheet())->General(); }
    const cEditorFixture& Editor() const { return m_Editor; }

private:
    cPrjOption m_Saved;
};

cPrjOption SavedOption() {
    cPrjOption saved;
    EXPECT_TRUE(saved.LoadFile(kOptionFile, false));
    return saved;
}

std::string g_chosen;
int ChooseExe(bool, char* file, DWORD length, const char*, const char*, const char*, const char*) {
    if (g_chosen.empty()) return 0;
    lstrcpynA(file, g_chosen.c_str(), static_cast<int>(length));
    return 1;
}

}  // namespace

TEST(PrjOptionSheet, EveryTemplateHoldsEveryControl) {
    cEditorFixture f(false);
    ExpectControls(f.MainWnd(), IDD_OPTION_GENERAL,
                   {IDC_OG_DEF_BLOCK, IDC_OG_DEF_CHARA, IDC_OG_DEF_ITEM, IDC_OG_OLD_STAGES, IDC_OG_AUTO_GAME,
                    IDC_OG_GAME_PATH, IDC_OG_GAME_BROWSE});
    std::vector<int> inherit = {IDC_OI_BLOCK_STAGE, IDC_OI_BLOCK_COMMON_PLACE, IDC_OI_BLOCK_STAGE_PLACE,
                                IDC_OI_CHARA_STAGE, IDC_OI_CHARA_COMMON_PLACE, IDC_OI_CHARA_STAGE_PLACE,
                                IDC_OI_ITEM_STAGE,  IDC_OI_ITEM_COMMON_PLACE,  IDC_OI_ITEM_STAGE_PLACE};
    // The check boxes' ids as the layout lists them: 1188-1228, 1229-1253 but the combos,
    // 1257-1265, 1268-1303, 1307-1367 but 1306 and 1368-1369, 1370, 11300, 11301.
    for (int id = 1188; id <= 1370; ++id) {
        const bool combo = id == 1230 || id == 1254 || id == 1255 || id == 1256 || id == 1266 || id == 1267 ||
                           id == 1304 || id == 1305 || id == 1306;
        if (!combo && id != 1368 && id != 1369) inherit.push_back(id);
    }
    inherit.push_back(11300);
    inherit.push_back(11301);
    EXPECT_EQ(inherit.size(), 9u + 174u);
    ExpectControls(f.MainWnd(), IDD_OPTION_INHERIT, inherit);
}

TEST(PrjOptionSheet, StagePlaceCombosShowAndStoreTheStagePalette) {
    cOptionFixture f;
    cPrjOption& option = ProjectOption();
    option.m_InheritSrc[eSituationStagePlace][eKindChara] = 2;
    option.m_InheritSrc[eSituationCommonPlace][eKindItem] = 1;
    HWND page = f.Page(1);
    EXPECT_EQ(f.Text(page, IDC_OI_CHARA_STAGE_PLACE), "ステージパレット");
    EXPECT_EQ(f.Text(page, IDC_OI_ITEM_COMMON_PLACE), "コモンパレット");
    f.Choose(page, IDC_OI_BLOCK_STAGE_PLACE, 1);
    f.Choose(page, IDC_OI_ITEM_COMMON_PLACE, 0);
    // Check box n of a column is flag n of its kind and occasion.
    const uint8_t before = option.m_InheritFlags[eSituationCommonPlace][eKindChara][5];
    f.Click(page, IDC_OI_CHARA_COMMON_PLACE_5);
    const uint8_t lastItem = option.m_InheritFlags[eSituationStagePlace][eKindItem][12];
    f.Click(page, IDC_OI_ITEM_STAGE_PLACE_12);
    f.Apply();
    EXPECT_EQ(option.m_InheritSrc[eSituationStagePlace][eKindBlock], 2);
    EXPECT_EQ(option.m_InheritSrc[eSituationStagePlace][eKindChara], 2);
    EXPECT_EQ(option.m_InheritSrc[eSituationCommonPlace][eKindItem], 0);
    EXPECT_EQ(option.m_InheritFlags[eSituationCommonPlace][eKindChara][5], before ? 0 : 1);
    EXPECT_EQ(option.m_InheritFlags[eSituationStagePlace][eKindItem][12], lastItem ? 0 : 1);
    cPrjOption saved = SavedOption();
    EXPECT_EQ(saved.m_InheritSrc[eSituationStagePlace][eKindBlock], 2);
    EXPECT_EQ(saved.m_InheritFlags[eSituationCommonPlace][eKindChara][5], before ? 0 : 1);
}

TEST(PrjOptionSheet, FindingTheGameByItselfDisablesThePathButSavesIt) {
    cOptionFixture f;
    HWND page = f.Page(0);
    EXPECT_EQ(f.Text(page, IDC_OG_GAME_PATH), "game.exe");
    if (f.Checked(page, IDC_OG_AUTO_GAME)) f.Click(page, IDC_OG_AUTO_GAME);
    EXPECT_TRUE(f.Enabled(page, IDC_OG_GAME_PATH));
    SetFileDialogHook(ChooseExe);
    char cwd[MAX_PATH];
    GetCurrentDirectoryA(sizeof cwd, cwd);
    g_chosen = std::string(cwd) + "\\tools\\play.exe";
    f.Click(page, IDC_OG_GAME_BROWSE);
    EXPECT_EQ(f.Text(page, IDC_OG_GAME_PATH), ".\\tools\\play.exe");
    f.Click(page, IDC_OG_AUTO_GAME);
    EXPECT_FALSE(f.Enabled(page, IDC_OG_GAME_PATH));
    f.Choose(page, IDC_OG_OLD_STAGES, 2);
    f.Close(IDOK);
    EXPECT_EQ(f.Sheet(), nullptr);
    EXPECT_TRUE(f.Editor().Main().IsShown());
    cPrjOption saved = SavedOption();
    EXPECT_EQ(saved.m_AutoGamePath, 1);
    EXPECT_EQ(saved.m_GamePath, ".\\tools\\play.exe");
    EXPECT_EQ(saved.m_OldStageFiles, 2);
}

TEST(PrjOptionSheet, CancelAfterApplyKeepsWhatApplySaved) {
    cOptionFixture f;
    HWND page = f.Page(0);
    f.Type(page, IDC_OG_GAME_PATH, "first.exe");
    f.Apply();
    f.Type(page, IDC_OG_GAME_PATH, "second.exe");
    f.Close(IDCANCEL);
    EXPECT_EQ(f.Sheet(), nullptr);
    EXPECT_EQ(ProjectOption().m_GamePath, "first.exe");
    EXPECT_EQ(SavedOption().m_GamePath, "first.exe");
}

// The block, chara and item buttons open their data windows on the project's default elements,
// which they then edit in place; the defaults are saved with the options.
TEST(PrjOptionSheet, TheElementButtonsOpenTheDefaults) {
    cOptionFixture f;
    HWND page = f.Page(0);
    struct cCase {
        int button, kind;
        const char* title;
    };
    const cCase cases[] = {{IDC_OG_DEF_BLOCK, eKindBlock, "ブロックデータ"},
                           {IDC_OG_DEF_CHARA, eKindChara, "キャラデータ"},
                           {IDC_OG_DEF_ITEM, eKindItem, "アイテムデータ"}};
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.title);
        f.Click(page, c.button);
        cPropSheet* wnd = f.General()->DataWnd(c.kind);
        ASSERT_NE(wnd, nullptr);
        ASSERT_NE(wnd->GetHwnd(), nullptr);
        char title[64] = "";
        GetWindowTextA(wnd->GetHwnd(), title, sizeof title);
        EXPECT_STREQ(title, c.title);
        EXPECT_EQ(StageDoc().m_EditSource, eSourceDefault);
        if (c.kind == eKindBlock) {
            EXPECT_EQ(StageDoc().m_lpEditBlock, &ProjectOption().m_DefBlock);
        }
        if (c.kind == eKindChara) {
            EXPECT_EQ(StageDoc().m_lpEditChara, &ProjectOption().m_DefChara);
        }
        if (c.kind == eKindItem) {
            EXPECT_EQ(StageDoc().m_lpEditItem, &ProjectOption().m_DefItem);
        }
        EXPECT_FALSE(IsWindowEnabled(f.SheetWnd()));
        PropSheet_PressButton(wnd->GetHwnd(), PSBTN_CANCEL);
        PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
        PumpEditor();
        EXPECT_EQ(f.General()->DataWnd(c.kind), nullptr);
        EXPECT_TRUE(IsWindowEnabled(f.SheetWnd()));
    }
    f.Close(IDCANCEL);
}
