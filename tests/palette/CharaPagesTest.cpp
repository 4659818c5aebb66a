// The basic, display and ability pages of the chara data sheet: their enables by source,
// control kind and combos, the limits of their edits and what the combos store.
#include <gtest/gtest.h>

#include "data/ProjectDatabase.h"
#include "editor/flow/CondIds.h"
#include "editor/palette/CharaIds.h"
#include "tests/palette/CharaFixture.h"
#include "tests/support/DialogDriver.h"

namespace {

const int kBasic = 0;
const int kDisplay = 1;
const int kAbility = 2;
const int kPlayer = 0;
const int kComputer = 1;

cEdChara& PagesStageChara(int index) { return ProjectStage().m_Palette.m_Charas[static_cast<size_t>(index)]; }

}  // namespace

TEST(CharaBasicPage, APlayerCharaHasNoConditionsAndNoClones) {
    cCharaWindows windows(4, 4);
    windows.EditElement(kStagePalette, 1);
    const int governed[] = {IDC_COND_LIST, IDC_COND_INSERT, IDC_COND_EDIT, IDC_COND_DELETE, IDC_CB_COND_JUDGE,
                            IDC_CB_ONCE_TRUE, IDC_CB_CLONES};
    for (int id : governed) EXPECT_TRUE(windows.Enabled(kBasic, id)) << id;
    windows.Choose(kBasic, IDC_CB_CONTROL, kPlayer);
    for (int id : governed) EXPECT_FALSE(windows.Enabled(kBasic, id)) << id;
    EXPECT_TRUE(windows.Enabled(kBasic, IDC_CB_FORCE));
    windows.Choose(kBasic, IDC_CB_CONTROL, kComputer);
    for (int id : governed) EXPECT_TRUE(windows.Enabled(kBasic, id)) << id;
}

TEST(CharaBasicPage, NoInheritanceClearsEveryFlagOfEveryPage) {
    cCharaWindows windows(4, 4);
    cEdChara& chara = PagesStageChara(2);
    chara.m_InheritSrc = 1;
    chara.m_InheritIndex = 1;
    chara.m_bbInherit.assign(cEdChara::kGroups, 1);
    windows.EditElement(kStagePalette, 2);
    EXPECT_TRUE(windows.Checked(kBasic, IDC_CH_INHERIT_FIRST + 3));
    EXPECT_FALSE(windows.Enabled(kBasic, IDC_CB_CHARA_ID));
    windows.Choose(kBasic, IDC_CB_INHERIT_SRC, 0);
    EXPECT_FALSE(windows.Enabled(kBasic, IDC_CB_INHERIT_INDEX));
    for (int button = 0; button < 9; ++button) {
        EXPECT_FALSE(windows.Checked(kBasic, IDC_CH_INHERIT_FIRST + button)) << button;
        EXPECT_FALSE(windows.Enabled(kBasic, IDC_CH_INHERIT_FIRST + button)) << button;
    }
    EXPECT_TRUE(windows.Enabled(kBasic, IDC_CB_CHARA_ID));
    windows.ShowPage(kDisplay);
    EXPECT_FALSE(windows.Checked(kDisplay, IDC_CD_INHERIT_SIGHT));
    EXPECT_FALSE(windows.Enabled(kDisplay, IDC_CD_INHERIT_SIGHT));
    windows.SheetButton(IDOK);
    for (int flag = 0; flag < cEdChara::kGroups; ++flag) EXPECT_EQ(chara.m_bbInherit[static_cast<size_t>(flag)], 0) << flag;
}

TEST(CharaBasicPage, EditsKeepTheirLimits) {
    cCharaWindows windows(4, 4);
    windows.EditElement(kStagePalette, 1);
    struct cCase {
        int id;
        const char* typed;
        const char* shown;
    } cases[] = {
        {IDC_CB_CLONES, "25", "20"},   {IDC_CB_OFFSET_X, "700", "640"}, {IDC_CB_CLONE_Y, "-900", "-640"},
        {IDC_CB_FORCE, "9", "7"},      {IDC_CB_CHARA_ID, "150", "99"},
    };
    for (const cCase& c : cases) {
        windows.Type(kBasic, c.id, c.typed);
        EXPECT_EQ(windows.Text(kBasic, c.id), c.shown) << c.id;
    }
    windows.SheetButton(IDOK);
    const cEdChara& chara = PagesStageChara(1);
    EXPECT_EQ(chara.m_Clones, 20);
    EXPECT_EQ(chara.m_OffsetX, 640);
    EXPECT_EQ(chara.m_OffsetYClone, -640);
}

TEST(CharaBasicPage, ACancelledInsertLeavesTheConditions) {
    cCharaWindows windows(4, 4);
    cCondition cond;
    cond.m_Kind = 1;
    PagesStageChara(1).m_Conditions.push_back(cond);
    windows.EditElement(kStagePalette, 1);
    HWND list = GetDlgItem(windows.PageWnd(kBasic), IDC_COND_LIST);
    ASSERT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 2) << "one condition and the append row";
    bool opened = false;
    DriveDialog(CaptionIs("条件"), [&](HWND dlg) {
        opened = true;
        SendMessageA(dlg, WM_CLOSE, 0, 0);
    });
    windows.Click(kBasic, IDC_COND_INSERT);
    EXPECT_TRUE(opened);
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 2);
    windows.SheetButton(IDOK);
    EXPECT_EQ(PagesStageChara(1).m_Conditions.size(), 1u);
}

TEST(CharaDisplayPage, TheGraphicKindSetsTheLimitsOfNumberAndOffset) {
    struct cCase {
        int bitmaps;
        const char* number;
    } cases[] = {{0, "1"}, {1, "1"}, {3, "2"}};
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.bitmaps);
        cRestoreOnExit<cRecordVector<cBmpCharaExc>> bitmaps(ProjectDatabase().m_BmpCharaExcs);
        ProjectDatabase().m_BmpCharaExcs.resize(static_cast<size_t>(c.bitmaps));
        cCharaWindows windows(4, 4);
        windows.EditElement(kStagePalette, 1);
        windows.ShowPage(kDisplay);
        windows.Choose(kDisplay, IDC_CD_GRAPHIC_SRC, 4);
        EXPECT_TRUE(windows.Enabled(kDisplay, IDC_CD_SHIFT));
        windows.Type(kDisplay, IDC_CD_GRAPHIC, "100");
        EXPECT_EQ(windows.Text(kDisplay, IDC_CD_GRAPHIC), c.number);
        windows.Type(kDisplay, IDC_CD_SHIFT, "300");
        EXPECT_EQ(windows.Text(kDisplay, IDC_CD_SHIFT), "239");
        windows.Choose(kDisplay, IDC_CD_GRAPHIC_SRC, 1);
        EXPECT_EQ(windows.Text(kDisplay, IDC_CD_SHIFT), "19");
        windows.Choose(kDisplay, IDC_CD_GRAPHIC_SRC, 0);
        EXPECT_FALSE(windows.Enabled(kDisplay, IDC_CD_SHIFT));
    }
}

TEST(CharaDisplayPage, SightBelongsToThePlayerAndTheBlockToTheComputer) {
    cCharaWindows windows(4, 4);
    PagesStageChara(1).m_Control = kPlayer;
    PagesStageChara(2).m_Control = kComputer;
    windows.EditElement(kStagePalette, 1);
    windows.ShowPage(kDisplay);
    EXPECT_TRUE(windows.Enabled(kDisplay, IDC_CD_SIGHT));
    EXPECT_FALSE(windows.Enabled(kDisplay, IDC_CD_SIGHT_RANGE)) << "画面内全て has no range";
    EXPECT_FALSE(windows.Enabled(kDisplay, IDC_CD_BLOCK));
    windows.Choose(kDisplay, IDC_CD_SIGHT, 1);
    EXPECT_TRUE(windows.Enabled(kDisplay, IDC_CD_SIGHT_RANGE));
    windows.Click(kDisplay, IDC_CH_NEXT);
    EXPECT_FALSE(windows.Enabled(kDisplay, IDC_CD_SIGHT));
    EXPECT_FALSE(windows.Enabled(kDisplay, IDC_CD_SIGHT_RANGE));
    EXPECT_TRUE(windows.Enabled(kDisplay, IDC_CD_BLOCK));
    // The control kind chosen on the basic page reaches the display page.
    windows.ShowPage(kBasic);
    windows.Choose(kBasic, IDC_CB_CONTROL, kPlayer);
    windows.ShowPage(kDisplay);
    EXPECT_TRUE(windows.Enabled(kDisplay, IDC_CD_SIGHT));
    EXPECT_FALSE(windows.Enabled(kDisplay, IDC_CD_BLOCK));
}

TEST(CharaDisplayPage, TheScaleIsStoredLinear) {
    cCharaWindows windows(4, 4);
    windows.EditElement(kStagePalette, 1);
    windows.ShowPage(kDisplay);
    windows.Choose(kDisplay, IDC_CD_SCALE, 2);
    windows.Choose(kDisplay, IDC_CD_MARK_MODE, 0);
    EXPECT_FALSE(windows.Enabled(kDisplay, IDC_CD_MARK));
    windows.Choose(kDisplay, IDC_CD_MARK_MODE, 2);
    EXPECT_TRUE(windows.Enabled(kDisplay, IDC_CD_MARK));
    windows.SheetButton(IDOK);
    EXPECT_EQ(PagesStageChara(1).m_Scale, 3);
    EXPECT_EQ(PagesStageChara(1).m_MarkMode, 2);
}

TEST(CharaAbilityPage, TheWholeRangeDropsTheGroup) {
    cCharaWindows windows(4, 4);
    PagesStageChara(1).m_HasGroup = 1;
    windows.EditElement(kStagePalette, 1);
    windows.ShowPage(kAbility);
    EXPECT_TRUE(windows.Enabled(kAbility, IDC_CA_GROUP_NO));
    windows.Click(kAbility, IDC_CA_HAS_GROUP);
    EXPECT_FALSE(windows.Enabled(kAbility, IDC_CA_GROUP_NO));
    windows.Click(kAbility, IDC_CA_HAS_GROUP);
    windows.Choose(kAbility, IDC_CA_ACT_RANGE, 3);
    EXPECT_FALSE(windows.Checked(kAbility, IDC_CA_HAS_GROUP));
    EXPECT_FALSE(windows.Enabled(kAbility, IDC_CA_HAS_GROUP));
    EXPECT_FALSE(windows.Enabled(kAbility, IDC_CA_GROUP_NO));
    windows.Choose(kAbility, IDC_CA_ACT_RANGE, 0);
    EXPECT_TRUE(windows.Enabled(kAbility, IDC_CA_HAS_GROUP));
    EXPECT_FALSE(windows.Enabled(kAbility, IDC_CA_GROUP_NO));
    windows.Type(kAbility, IDC_CA_HP, "0");
    EXPECT_EQ(windows.Text(kAbility, IDC_CA_HP), "1");
    windows.Type(kAbility, IDC_CA_BODY_IMPACT, "-25");
    EXPECT_EQ(windows.Text(kAbility, IDC_CA_BODY_IMPACT), "-20");
    windows.SheetButton(IDOK);
    EXPECT_EQ(PagesStageChara(1).m_ActRange, 0);
    EXPECT_EQ(PagesStageChara(1).m_HasGroup, 0);
    EXPECT_EQ(PagesStageChara(1).m_BodyImpact, -20);
}

TEST(CharaAbilityPage, APlayerCharaHasNoActionConditionScoreOrItem) {
    cCharaWindows windows(4, 4);
    PagesStageChara(1).m_Control = kPlayer;
    windows.EditElement(kStagePalette, 1);
    windows.ShowPage(kAbility);
    for (int id : {IDC_CA_ACT_RANGE, IDC_CA_ACT_JUDGE, IDC_CA_HAS_GROUP, IDC_CA_GROUP_NO, IDC_CA_SCORE, IDC_CA_CARRY_ITEM})
        EXPECT_FALSE(windows.Enabled(kAbility, id)) << id;
    EXPECT_TRUE(windows.Enabled(kAbility, IDC_CA_HP));
    EXPECT_FALSE(windows.Enabled(kAbility, IDC_CH_INHERIT_FIRST)) << "nothing to inherit from";
}
