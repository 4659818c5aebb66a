// The chara data sheet driven by messages: its four templates, where the chara comes from,
// stepping, the copies kept in step across pages, committing by source and Cancel, and the
// inherit checks.
#include <gtest/gtest.h>

#include <vector>

#include "editor/flow/CondIds.h"
#include "editor/palette/CharaIds.h"
#include "tests/palette/CharaFixture.h"

namespace {

const int kBasicPage = 0;
const int kDisplayPage = 1;
const int kAbilityPage = 2;
const int kActionPage = 3;

}  // namespace

TEST(CharaSheet, TheFourTemplatesHoldEveryControl) {
    cCharaWindows windows(4, 4);
    windows.EditElement(kStagePalette, 1);
    ASSERT_NE(windows.Sheet(), nullptr);
    char caption[64] = "";
    GetWindowTextA(windows.Sheet()->GetHwnd(), caption, sizeof caption);
    EXPECT_STREQ(caption, "キャラデータ");
    std::vector<int> common = {IDC_CH_PREV, IDC_CH_NEXT, IDC_CH_NUMBER, IDC_CH_PREVIEW, IDC_CH_STRIP};
    std::vector<std::vector<int>> ids = {
        {IDC_CB_INHERIT_SRC, IDC_CB_INHERIT_INDEX, IDC_CB_NAME, IDC_CB_CONTROL, IDC_CB_PLAYER_NO, IDC_CB_FORCE,
         IDC_CB_FORCE_SPIN, IDC_CB_CHARA_ID, IDC_CB_CHARA_ID_SPIN, IDC_COND_LIST, IDC_COND_INSERT, IDC_COND_EDIT,
         IDC_COND_DELETE, IDC_CB_COND_JUDGE, IDC_CB_ONCE_TRUE, IDC_CB_FACE_RIGHT, IDC_CB_CLONES, IDC_CB_CLONES_SPIN,
         IDC_CB_OFFSET_X, IDC_CB_OFFSET_X_SPIN, IDC_CB_CLONE_X, IDC_CB_CLONE_X_SPIN, IDC_CB_FLIP_X, IDC_CB_OFFSET_Y,
         IDC_CB_OFFSET_Y_SPIN, IDC_CB_CLONE_Y, IDC_CB_CLONE_Y_SPIN, IDC_CB_FLIP_Y},
        {IDC_CD_GRAPHIC_SRC, IDC_CD_GRAPHIC, IDC_CD_GRAPHIC_SPIN, IDC_CD_SHIFT, IDC_CD_SHIFT_SPIN, IDC_CD_ANIME_SET,
         IDC_CD_Z, IDC_CD_Z_SPIN, IDC_CD_TRANSPARENT, IDC_CD_START_EFFECT, IDC_CD_START_LOOP, IDC_CD_DEATH_EFFECT,
         IDC_CD_MARK_MODE, IDC_CD_MARK, IDC_CD_MARK_SPIN, IDC_CD_DIR_LOCK, IDC_CD_FLIGHT, IDC_CD_INVINCIBLE,
         IDC_CD_BLOCK, IDC_CD_SCALE, IDC_CD_SIGHT, IDC_CD_SIGHT_RANGE, IDC_CD_SIGHT_RANGE_SPIN, IDC_CD_PREVIEW_2,
         IDC_CD_INHERIT_SIGHT},
        {IDC_CA_HP, IDC_CA_HP_SPIN, IDC_CA_SP, IDC_CA_SP_SPIN, IDC_CA_BODY_POWER, IDC_CA_BODY_POWER_SPIN,
         IDC_CA_BODY_IMPACT, IDC_CA_BODY_IMPACT_SPIN, IDC_CA_BODY_EFFECT, IDC_CA_RESIST, IDC_CA_RESIST_SPIN,
         IDC_CA_STOP_EASE, IDC_CA_STOP_EASE_SPIN, IDC_CA_ACT_RANGE, IDC_CA_ACT_JUDGE, IDC_CA_HAS_GROUP,
         IDC_CA_GROUP_NO, IDC_CA_GROUP_NO_SPIN, IDC_CA_SCORE, IDC_CA_SCORE_SPIN, IDC_CA_EX, IDC_CA_EX_SPIN,
         IDC_CA_MONEY, IDC_CA_MONEY_SPIN, IDC_CA_CARRY_ITEM},
        {IDC_CF_FLOWS, IDC_CF_FLOW_INSERT, IDC_CF_FLOW_DELETE, IDC_CF_ID, IDC_CF_GROUP, IDC_CF_TEST_ONLY, IDC_CF_TIMING,
         IDC_FLOW_COND_LIST, IDC_FLOW_COND_INSERT, IDC_FLOW_COND_EDIT, IDC_FLOW_COND_DELETE, IDC_CF_COND_JUDGE,
         IDC_CF_ONCE_TRUE, IDC_CF_KEYS, IDC_CF_KEY_INSERT, IDC_CF_KEY_EDIT, IDC_CF_KEY_DELETE, IDC_CF_KEY_EASE,
         IDC_CF_KEY_EASE_SPIN, IDC_CF_KEY_REPEAT, IDC_CF_CMDS, IDC_CF_CMD_INSERT, IDC_CF_CMD_EDIT, IDC_CF_CMD_DELETE,
         IDC_CF_NOTE, IDC_CF_TEST, IDC_CF_OK, IDC_CF_CANCEL},
    };
    const int inheritButtons[] = {9, 12, 11, 1};
    for (int page = 0; page < 4; ++page) {
        SCOPED_TRACE(page);
        windows.ShowPage(page);
        ASSERT_NE(windows.PageWnd(page), nullptr);
        std::vector<int> all = ids[page];
        all.insert(all.end(), common.begin(), common.end());
        for (int i = 0; i < inheritButtons[page]; ++i) all.push_back(IDC_CH_INHERIT_FIRST + i);
        for (int id : all) EXPECT_NE(GetDlgItem(windows.PageWnd(page), id), nullptr) << id;
    }
    EXPECT_EQ(GetDlgItem(windows.PageWnd(kBasicPage), 1035), nullptr);
    EXPECT_FALSE(windows.Shown(kActionPage, IDC_CH_STRIP));
    EXPECT_FALSE(windows.Shown(kActionPage, IDC_CF_OK));
}

TEST(CharaSheet, APlacedCharaHidesTheStepsAndOkIsOneUndoStep) {
    cCharaWindows windows(4, 4);
    cEdStage& stage = ProjectStage();
    uint32_t cell = stage.CellIndex(3, 2);
    stage.m_Charas.Put(cell, ProjectCommonPalette().m_Charas[2]);
    windows.EditCell(cell);
    ASSERT_NE(windows.Sheet(), nullptr);
    for (int id : {IDC_CH_NUMBER, IDC_CH_PREV, IDC_CH_NEXT}) EXPECT_FALSE(windows.Shown(kBasicPage, id)) << id;
    // Who controls a placed chara is not the author's to change here.
    EXPECT_FALSE(windows.Enabled(kBasicPage, IDC_CB_CONTROL));
    EXPECT_FALSE(windows.Enabled(kBasicPage, IDC_CB_PLAYER_NO));
    windows.Choose(kBasicPage, IDC_CB_INHERIT_SRC, 1);
    EXPECT_FALSE(windows.Enabled(kBasicPage, IDC_CH_INHERIT_FIRST + 1));
    EXPECT_TRUE(windows.Enabled(kBasicPage, IDC_CH_INHERIT_FIRST + 2));
    windows.Choose(kBasicPage, IDC_CB_INHERIT_SRC, 0);
    windows.Type(kBasicPage, IDC_CB_NAME, "置いた");
    EXPECT_EQ(StageDoc().m_StageModified, 0);
    windows.SheetButton(IDOK);
    EXPECT_EQ(windows.Sheet(), nullptr) << "the group deletes the closed sheet";
    EXPECT_EQ(stage.m_Charas.At(cell).m_Name, "置いた");
    EXPECT_EQ(UndoHistory().UndoCount(), 1u);
    EXPECT_EQ(StageDoc().m_StageModified, 1);
    EXPECT_TRUE(IsWindowEnabled(windows.Editor().MainWnd()));
    windows.Editor().Command(ID_EDIT_UNDO);
    EXPECT_EQ(stage.m_Charas.At(cell).m_Name, "C2");
}

TEST(CharaSheet, StepsWrapWithinThePalette) {
    cCharaWindows windows(4, 5);
    windows.EditElement(kStagePalette, 4);
    EXPECT_EQ(windows.Text(kBasicPage, IDC_CH_NUMBER), "No.4");
    windows.Click(kBasicPage, IDC_CH_NEXT);
    EXPECT_EQ(windows.Text(kBasicPage, IDC_CH_NUMBER), "No.1");
    EXPECT_EQ(windows.Text(kBasicPage, IDC_CB_NAME), "S1");
    windows.Click(kBasicPage, IDC_CH_PREV);
    EXPECT_EQ(windows.Text(kBasicPage, IDC_CH_NUMBER), "No.4");
    // Stepping on another page shows that page's number and the chara on every page.
    windows.ShowPage(kAbilityPage);
    windows.Click(kAbilityPage, IDC_CH_PREV);
    EXPECT_EQ(windows.Text(kAbilityPage, IDC_CH_NUMBER), "No.3");
    windows.ShowPage(kBasicPage);
    EXPECT_EQ(windows.Text(kBasicPage, IDC_CH_NUMBER), "No.3");
    EXPECT_EQ(windows.Text(kBasicPage, IDC_CB_NAME), "S3");
}

TEST(CharaSheet, AChangeOnTheDisplayPageSurvivesAPageSwitchAndOk) {
    cCharaWindows windows(4, 4);
    windows.EditElement(kStagePalette, 2);
    windows.ShowPage(kDisplayPage);
    windows.Type(kDisplayPage, IDC_CD_GRAPHIC, "50");
    windows.ShowPage(kBasicPage);
    windows.Type(kBasicPage, IDC_CB_NAME, "二番");
    windows.SheetButton(IDOK);
    const cEdChara& chara = ProjectStage().m_Palette.m_Charas[2];
    EXPECT_EQ(chara.m_Graphic, 50);
    EXPECT_EQ(chara.m_Name, "二番");
    EXPECT_EQ(StageDoc().m_StageModified, 1);
    EXPECT_EQ(EditConfig().m_CharaPage, kBasicPage);
}

TEST(CharaSheet, TheSheetReopensOnThePageLastShown) {
    cCharaWindows windows(4, 4);
    windows.EditElement(kCommonPalette, 1);
    windows.ShowPage(kAbilityPage);
    windows.SheetButton(IDCANCEL);
    windows.EditElement(kCommonPalette, 1);
    ASSERT_NE(windows.Sheet(), nullptr);
    EXPECT_EQ(PropSheet_GetCurrentPageHwnd(windows.Sheet()->GetHwnd()), windows.PageWnd(kAbilityPage));
}

TEST(CharaSheet, CancelAfterSteppingAndEditingChangesNoChara) {
    cCharaWindows windows(4, 4);
    std::vector<cEdChara> before(ProjectCommonPalette().m_Charas.begin(), ProjectCommonPalette().m_Charas.end());
    windows.EditElement(kCommonPalette, 1);
    windows.Type(kBasicPage, IDC_CB_NAME, "一");
    windows.Click(kBasicPage, IDC_CH_NEXT);
    windows.ShowPage(kAbilityPage);
    windows.Type(kAbilityPage, IDC_CA_HP, "77");
    windows.Click(kAbilityPage, IDC_CH_NEXT);
    windows.SheetButton(IDCANCEL);
    EXPECT_EQ(windows.Sheet(), nullptr);
    ASSERT_EQ(ProjectCommonPalette().m_Charas.size(), before.size());
    for (size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(ProjectCommonPalette().m_Charas[i].m_Name, before[i].m_Name) << i;
        EXPECT_EQ(ProjectCommonPalette().m_Charas[i].m_Hp, before[i].m_Hp) << i;
    }
    EXPECT_EQ(StageDoc().m_CommonModified, 0);
}

TEST(CharaSheet, ACommonCharaCommitsToTheCommonPaletteAndIsInheritedByTheStage) {
    cCharaWindows windows(4, 4);
    cEdChara& heir = ProjectStage().m_Palette.m_Charas[1];
    heir.m_InheritSrc = 1;
    heir.m_InheritIndex = 3;
    heir.m_bbInherit[22] = 1;
    windows.EditElement(kCommonPalette, 3);
    EXPECT_FALSE(windows.Enabled(kBasicPage, IDC_CB_INHERIT_SRC));
    EXPECT_FALSE(windows.Enabled(kBasicPage, IDC_CB_INHERIT_INDEX));
    windows.ShowPage(kAbilityPage);
    windows.Type(kAbilityPage, IDC_CA_HP, "321");
    windows.SheetButton(kSheetApply);
    EXPECT_EQ(ProjectCommonPalette().m_Charas[3].m_Hp, 321);
    EXPECT_EQ(heir.m_Hp, 321);
    EXPECT_EQ(StageDoc().m_CommonModified, 1);
}

TEST(CharaSheet, CheckingAnInheritButtonCopiesTheBaseGroupAndGreysIt) {
    cCharaWindows windows(4, 4);
    cEdChara& chara = ProjectStage().m_Palette.m_Charas[1];
    chara.m_InheritSrc = 1;
    chara.m_InheritIndex = 3;
    windows.EditElement(kStagePalette, 1);
    windows.ShowPage(kDisplayPage);
    EXPECT_EQ(windows.Text(kDisplayPage, IDC_CD_GRAPHIC), "101");
    EXPECT_TRUE(windows.Enabled(kDisplayPage, IDC_CD_GRAPHIC));
    windows.Click(kDisplayPage, IDC_CH_INHERIT_FIRST);
    EXPECT_EQ(windows.Text(kDisplayPage, IDC_CD_GRAPHIC), "3");
    for (int id : {IDC_CD_GRAPHIC_SRC, IDC_CD_GRAPHIC, IDC_CD_SHIFT}) EXPECT_FALSE(windows.Enabled(kDisplayPage, id)) << id;
    windows.Click(kDisplayPage, IDC_CH_INHERIT_FIRST);
    EXPECT_TRUE(windows.Enabled(kDisplayPage, IDC_CD_GRAPHIC));
}

TEST(CharaSheet, AnInheritButtonSetFreeStaysFreeWhenTheActionPageShowsAnotherFlow) {
    cCharaWindows windows(4, 4);
    cEdChara& chara = ProjectStage().m_Palette.m_Charas[1];
    chara.m_InheritSrc = 1;
    chara.m_InheritIndex = 3;
    chara.m_bbInherit[33] = 1;
    windows.EditElement(kStagePalette, 1);
    windows.ShowPage(kActionPage);
    ASSERT_TRUE(windows.Checked(kActionPage, IDC_CH_INHERIT_FIRST));
    windows.Click(kActionPage, IDC_CH_INHERIT_FIRST);
    // A new flow is shown with its controls.
    windows.Click(kActionPage, IDC_CF_FLOW_INSERT);
    EXPECT_FALSE(windows.Checked(kActionPage, IDC_CH_INHERIT_FIRST));
    EXPECT_TRUE(windows.Enabled(kActionPage, IDC_CF_FLOW_INSERT));
    windows.SheetButton(IDOK);
    EXPECT_EQ(chara.m_bbInherit[33], 0) << "the flows are the chara's own";
}
