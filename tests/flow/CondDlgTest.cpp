// The condition dialogs driven as the person does, with the error log on (a control id missing
// from a template would show its box and fail the test): the kind chooser, the four small
// dialogs and the status dialog. OK writes the controls into the record, Cancel and the close
// box leave it as it was; renames reach the names at once.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "data/Stage.h"
#include "editor/flow/CondStatusDlg.h"
#include "editor/shell/EditorProject.h"
#include "editor/shell/StageDoc.h"
#include "framework/FrameworkIds.h"
#include "tests/flow/CondFixture.h"
#include "tests/framework/ErrorLogOn.h"
#include "tests/support/BoxAnswers.h"
#include "tests/support/RestoreOnExit.h"
#include "tests/support/TempDir.h"

namespace {

typedef std::function<cCondDlg*(cWndGroup*, const cCondEditContext&)> cMaker;
typedef std::function<void(HWND)> cAct;

template <class D>
cMaker Maker(UINT templateId) {
    return [templateId](cWndGroup* group, const cCondEditContext& context) {
        return new D(templateId, nullptr, group, context);
    };
}

class CondDlgTest : public testing::Test {
protected:
    void SetUp() override { StageDoc().m_StageModified = 0; }
    // Runs the dialog on the condition with the action on it; the dialog's result.
    int Run(const cMaker& make, const char* caption, cCondition* cond, int isNew, const cAct& act) {
        cCondEditContext context;
        context.lpCond = cond;
        context.isNew = isNew;
        std::unique_ptr<cCondDlg> dlg(make(&m_Group, context));
        cModalSteps steps;
        steps.Then(caption, act);
        return static_cast<int>(dlg->DoModal(0));
    }

    cTempDir m_Dir;
    cErrorLogOn m_Log{"EC_Test.txt"};
    cSampleVarNames m_Names;
    cRestoreOnExit<int32_t> m_Modified{StageDoc().m_StageModified};
    cRestoreOnExit<int32_t> m_Layer{StageDoc().m_Layer};
    cWndGroup m_Group;
};

cCondition Cond(uint8_t kind, uint16_t var, int32_t value, uint8_t compare) {
    cCondition c;
    c.m_Kind = kind;
    c.m_VarIndex = var;
    c.m_Value = value;
    c.m_Compare = compare;
    return c;
}

struct cChange {
    const char* name;
    cAct act;
    std::function<void(cCondition&)> expect;
};

struct cFamily {
    const char* caption;
    cMaker make;
    cCondition base;
    std::vector<cChange> changes;
};

std::vector<cFamily> Families() {
    cCondition status;
    status.m_Kind = 4;
    status.m_LeftStatus = 1;  // 自分 の HP
    status.m_VarIndex = 1;
    status.m_RightVarIndex = 1;
    status.m_Value = 50;
    status.m_RandMin = 1;
    status.m_RandMax = 2;
    status.m_Compare = 2;
    cCondition distance = Cond(5, 0, 12, 0);
    distance.m_DistAxis = 1;
    return {
        {"コモン変数条件", Maker<cCondCommonVarDlg>(IDD_COND_COMMON_VAR), Cond(1, 2, 10, 2),
         {{"variable", [](HWND d) { Choose(d, IDC_COND_COMMON_VAR, 4); }, [](cCondition& c) { c.m_VarIndex = 5; }},
          {"value", [](HWND d) { Type(d, IDC_COND_VALUE, "-12"); }, [](cCondition& c) { c.m_Value = -12; }},
          {"value past the range", [](HWND d) { Type(d, IDC_COND_VALUE, "5000000"); },
           [](cCondition& c) { c.m_Value = 999999; }},
          {"comparison", [](HWND d) { Choose(d, IDC_COND_COMPARE, 5); }, [](cCondition& c) { c.m_Compare = 5; }}}},
        {"ステージ変数条件", Maker<cCondStageVarDlg>(IDD_COND_STAGE_VAR), Cond(2, 3, 1, 0),
         {{"variable", [](HWND d) { Choose(d, IDC_COND_STAGE_VAR, 253); }, [](cCondition& c) { c.m_VarIndex = 254; }},
          {"value", [](HWND d) { Type(d, IDC_COND_VALUE, "-999999"); }, [](cCondition& c) { c.m_Value = -999999; }},
          {"comparison", [](HWND d) { Choose(d, IDC_COND_COMPARE, 1); }, [](cCondition& c) { c.m_Compare = 1; }}}},
        {"キャラ変数条件", Maker<cCondCharaVarDlg>(IDD_COND_CHARA_VAR), Cond(3, 2, 4, 3),
         {{"variable", [](HWND d) { Choose(d, IDC_COND_CHARA_VAR, 7); }, [](cCondition& c) { c.m_VarIndex = 8; }},
          {"value", [](HWND d) { Type(d, IDC_COND_VALUE, "77"); }, [](cCondition& c) { c.m_Value = 77; }},
          {"comparison", [](HWND d) { Choose(d, IDC_COND_COMPARE, 0); }, [](cCondition& c) { c.m_Compare = 0; }}}},
        {"距離条件", Maker<cCondDistanceDlg>(IDD_COND_DISTANCE), distance,
         {{"direction", [](HWND d) { Choose(d, IDC_COND_DIST_AXIS, 6); }, [](cCondition& c) { c.m_DistAxis = 6; }},
          {"distance", [](HWND d) { Type(d, IDC_COND_DISTANCE, "40"); }, [](cCondition& c) { c.m_Value = 40; }},
          {"distance past the range", [](HWND d) { Type(d, IDC_COND_DISTANCE, "55"); },
           [](cCondition& c) { c.m_Value = 40; }},
          {"outside", [](HWND d) { Choose(d, IDC_COND_COMPARE, 1); }, [](cCondition& c) { c.m_Compare = 1; }}}},
        {"ステータス条件", Maker<cCondStatusDlg>(IDD_COND_STATUS), status,
         {{"left side", [](HWND d) { Choose(d, IDC_CS_LEFT_KIND, 1); }, [](cCondition& c) { c.m_LeftKind = 1; }},
          {"left target", [](HWND d) { Choose(d, IDC_CS_LEFT_OWNER, 1); }, [](cCondition& c) { c.m_LeftOwner = 1; }},
          {"left status", [](HWND d) { Choose(d, IDC_CS_LEFT_STATUS, 2); }, [](cCondition& c) { c.m_LeftStatus = 2; }},
          {"left scope and variable",
           [](HWND d) {
               Choose(d, IDC_CS_LEFT_KIND, 1);
               Choose(d, IDC_CS_LEFT_SCOPE, 1);
               Choose(d, IDC_CS_LEFT_VAR, 2);
           },
           [](cCondition& c) {
               c.m_LeftKind = 1;
               c.m_LeftVarScope = 1;
               c.m_VarIndex = 3;
           }},
          {"left chara variable",
           [](HWND d) {
               Choose(d, IDC_CS_LEFT_STATUS, 0);
               Choose(d, IDC_CS_LEFT_VAR, 6);
           },
           [](cCondition& c) {
               c.m_LeftStatus = 0;
               c.m_VarIndex = 7;
           }},
          {"value", [](HWND d) { Type(d, IDC_CS_VALUE, "-7"); }, [](cCondition& c) { c.m_Value = -7; }},
          {"random range",
           [](HWND d) {
               Choose(d, IDC_CS_RIGHT_SOURCE, 1);
               Type(d, IDC_CS_RAND_MIN, "3");
               Type(d, IDC_CS_RAND_MAX, "9");
           },
           [](cCondition& c) {
               c.m_RightSource = 1;
               c.m_RandMin = 3;
               c.m_RandMax = 9;
           }},
          {"right status",
           [](HWND d) {
               Choose(d, IDC_CS_RIGHT_SOURCE, 2);
               Choose(d, IDC_CS_RIGHT_OWNER, 1);
               Choose(d, IDC_CS_RIGHT_STATUS, 3);
           },
           [](cCondition& c) {
               c.m_RightSource = 2;
               c.m_RightOwner = 1;
               c.m_RightStatus = 3;
           }},
          {"right variable",
           [](HWND d) {
               Choose(d, IDC_CS_RIGHT_SOURCE, 3);
               Choose(d, IDC_CS_RIGHT_SCOPE, 1);
               Choose(d, IDC_CS_RIGHT_VAR, 9);
           },
           [](cCondition& c) {
               c.m_RightSource = 3;
               c.m_RightVarScope = 1;
               c.m_RightVarIndex = 10;
           }},
          {"percent", [](HWND d) { Click(d, IDC_CS_PERCENT); }, [](cCondition& c) { c.m_Percent = 1; }},
          {"comparison", [](HWND d) { Choose(d, IDC_CS_COMPARE, 4); }, [](cCondition& c) { c.m_Compare = 4; }}}},
    };
}

TEST_F(CondDlgTest, EachDialogWritesItsControlsOnlyAtOk) {
    for (const cFamily& family : Families()) {
        cCondition cond = family.base;
        EXPECT_EQ(1, Run(family.make, family.caption, &cond, 0, [](HWND d) { Click(d, IDC_COND_OK); }));
        EXPECT_EQ(family.base, cond) << family.caption << ": OK unchanged";

        for (const cChange& change : family.changes) {
            cond = family.base;
            cCondition expected = family.base;
            change.expect(expected);
            EXPECT_EQ(1, Run(family.make, family.caption, &cond, 0, [&](HWND d) {
                change.act(d);
                Click(d, IDC_COND_OK);
            }));
            EXPECT_EQ(expected, cond) << family.caption << ": " << change.name;
        }
        for (int close = 0; close < 2; ++close) {
            cond = family.base;
            EXPECT_EQ(0, Run(family.make, family.caption, &cond, 0, [&](HWND d) {
                for (const cChange& change : family.changes) change.act(d);
                if (close)
                    SendMessageA(d, WM_CLOSE, 0, 0);
                else
                    Click(d, IDC_COND_CANCEL);
            }));
            EXPECT_EQ(family.base, cond) << family.caption << (close ? ": closed" : ": cancelled");
        }
    }
}

TEST_F(CondDlgTest, NewConditionsTakeTheirDefaults) {
    struct cCase {
        const char* caption;
        cMaker make;
        std::function<void(cCondition&)> expect;
    };
    const cCase cases[] = {
        {"コモン変数条件", Maker<cCondCommonVarDlg>(IDD_COND_COMMON_VAR), [](cCondition& c) { c.m_VarIndex = 1; }},
        {"ステージ変数条件", Maker<cCondStageVarDlg>(IDD_COND_STAGE_VAR), [](cCondition& c) { c.m_VarIndex = 1; }},
        {"キャラ変数条件", Maker<cCondCharaVarDlg>(IDD_COND_CHARA_VAR), [](cCondition& c) { c.m_VarIndex = 1; }},
        {"距離条件", Maker<cCondDistanceDlg>(IDD_COND_DISTANCE), [](cCondition& c) { c.m_Value = 10; }},
        {"ステータス条件", Maker<cCondStatusDlg>(IDD_COND_STATUS),
         [](cCondition& c) {
             c.m_VarIndex = 1;
             c.m_RightVarIndex = 1;
         }},
    };
    for (const cCase& c : cases) {
        cCondition cond;
        EXPECT_EQ(1, Run(c.make, c.caption, &cond, 1, [&](HWND d) { Click(d, IDC_COND_OK); }));
        cCondition expected;
        c.expect(expected);
        EXPECT_EQ(expected, cond) << c.caption;
    }
}

TEST_F(CondDlgTest, ChooserNamesTheKindsAndOffersDistanceToCharasOrFlows) {
    struct cCase {
        int layer;
        int distance;
        bool offered;
    };
    const cCase cases[] = {{eLayerBlock, 0, false}, {eLayerItem, 0, false}, {eLayerChara, 0, true}, {eLayerBlock, 1, true}};
    for (const cCase& c : cases) {
        StageDoc().m_Layer = c.layer;
        cCondition cond;
        cCondEditContext context;
        context.lpCond = &cond;
        context.isNew = 1;
        context.distance = c.distance;
        cCondHost host(&m_Group);
        ASSERT_TRUE(host.Create(0, TRUE));
        cCondListDlg dlg(IDD_COND_KIND, &host, &m_Group, context);
        cModalSteps steps;
        steps.Then("条件", [&](HWND d) {
            const char* const names[] = {"コモン変数条件", "ステージ変数条件", "キャラ変数条件", "ステータス条件", "距離条件"};
            for (int i = 0; i < 5; ++i) {
                char text[64] = "";
                GetDlgItemTextA(d, IDC_COND_KIND_COMMON + i, text, sizeof text);
                EXPECT_STREQ(names[i], text);
            }
            EXPECT_EQ(c.offered, Enabled(d, IDC_COND_KIND_DISTANCE)) << c.layer << " " << c.distance;
            EXPECT_FALSE(IsWindowVisible(GetDlgItem(d, IDC_COND_KIND_SPARE)));
            EXPECT_FALSE(IsWindowVisible(GetDlgItem(d, IDC_COND_PICTURE)));
            Click(d, IDC_COND_KIND_CHARA);
        });
        steps.Then("キャラ変数条件", [](HWND d) { Click(d, IDC_COND_OK); });
        EXPECT_EQ(1, dlg.DoModal(0));
        EXPECT_EQ(3, cond.m_Kind);
        EXPECT_EQ(1, cond.m_VarIndex);
    }
}

TEST_F(CondDlgTest, AnExistingConditionSkipsTheChooser) {
    StageDoc().m_Layer = eLayerBlock;
    cCondition cond = Cond(5, 0, 3, 0);
    cCondEditContext context;
    context.lpCond = &cond;
    cCondHost host(&m_Group);
    ASSERT_TRUE(host.Create(0, TRUE));
    cCondListDlg dlg(IDD_COND_KIND, &host, &m_Group, context);
    cModalSteps steps;
    steps.Then("距離条件", [](HWND d) {
        Choose(d, IDC_COND_COMPARE, 1);
        Click(d, IDC_COND_OK);
    });
    EXPECT_EQ(1, dlg.DoModal(0));
    EXPECT_EQ((std::vector<std::string>{"距離条件"}), steps.Seen());
    EXPECT_EQ(1, cond.m_Compare);
}

class StatusDlgTest : public CondDlgTest {
protected:
    void Look(cCondition cond, const cAct& look) {
        EXPECT_EQ(0, Run(Maker<cCondStatusDlg>(IDD_COND_STATUS), "ステータス条件", &cond, 0, [&](HWND d) {
            look(d);
            Click(d, IDC_COND_CANCEL);
        }));
    }
    static cCondition LeftStatus(uint8_t owner, uint8_t status, uint8_t source) {
        cCondition c;
        c.m_Kind = 4;
        c.m_LeftOwner = owner;
        c.m_LeftStatus = status;
        c.m_RightSource = source;
        c.m_VarIndex = 1;
        c.m_RightVarIndex = 1;
        return c;
    }
};

TEST_F(StatusDlgTest, SystemListsItsValuesAndClosesTheLeftVariable) {
    Look(LeftStatus(0, 0, 0), [](HWND d) {
        EXPECT_TRUE(Enabled(d, IDC_CS_LEFT_VAR));
        EXPECT_EQ(8u, ComboItems(d, IDC_CS_LEFT_VAR).size());
        EXPECT_FALSE(Enabled(d, IDC_CS_LEFT_RENAME));
        Choose(d, IDC_CS_LEFT_OWNER, 2);
        EXPECT_EQ((std::vector<std::string>{"時間", "横スクロール速度", "縦スクロール速度", "スコア", "残り人数"}),
                  ComboItems(d, IDC_CS_LEFT_STATUS));
        EXPECT_FALSE(Enabled(d, IDC_CS_LEFT_VAR));
        EXPECT_FALSE(Enabled(d, IDC_CS_LEFT_RENAME));
        Choose(d, IDC_CS_LEFT_OWNER, 0);
        EXPECT_EQ(13u, ComboItems(d, IDC_CS_LEFT_STATUS).size());
        // The variable side opens the scope and the renamable names.
        Choose(d, IDC_CS_LEFT_KIND, 1);
        EXPECT_FALSE(Enabled(d, IDC_CS_LEFT_OWNER));
        EXPECT_FALSE(Enabled(d, IDC_CS_LEFT_STATUS));
        EXPECT_TRUE(Enabled(d, IDC_CS_LEFT_SCOPE));
        EXPECT_TRUE(Enabled(d, IDC_CS_LEFT_RENAME));
        EXPECT_EQ(255u, ComboItems(d, IDC_CS_LEFT_VAR).size());
        EXPECT_EQ("002 所持金", ComboItems(d, IDC_CS_LEFT_VAR)[1]);
        Choose(d, IDC_CS_LEFT_SCOPE, 1);
        EXPECT_EQ("003 鍵", ComboItems(d, IDC_CS_LEFT_VAR)[2]);
    });
}

TEST_F(StatusDlgTest, RightSideOpensTheControlsOfItsSource) {
    struct cCase {
        int source;
        std::vector<int> open;
    };
    const std::vector<int> all = {IDC_CS_VALUE, IDC_CS_RAND_MIN, IDC_CS_RAND_MAX, IDC_CS_RIGHT_OWNER,
                                  IDC_CS_RIGHT_STATUS, IDC_CS_RIGHT_SCOPE, IDC_CS_RIGHT_VAR, IDC_CS_RIGHT_RENAME};
    const cCase cases[] = {
        {0, {IDC_CS_VALUE}},
        {1, {IDC_CS_RAND_MIN, IDC_CS_RAND_MAX}},
        {2, {IDC_CS_RIGHT_OWNER, IDC_CS_RIGHT_STATUS, IDC_CS_RIGHT_VAR}},  // status 0: the chara variables
        {3, {IDC_CS_RIGHT_SCOPE, IDC_CS_RIGHT_VAR, IDC_CS_RIGHT_RENAME}},
    };
    Look(LeftStatus(0, 1, 0), [&](HWND d) {
        for (const cCase& c : cases) {
            Choose(d, IDC_CS_RIGHT_SOURCE, c.source);
            for (int id : all) {
                bool open = std::find(c.open.begin(), c.open.end(), id) != c.open.end();
                EXPECT_EQ(open, Enabled(d, id)) << c.source << " " << id;
            }
        }
        Choose(d, IDC_CS_RIGHT_SOURCE, 2);
        Choose(d, IDC_CS_RIGHT_OWNER, 2);
        EXPECT_FALSE(Enabled(d, IDC_CS_RIGHT_VAR));
        EXPECT_EQ(5u, ComboItems(d, IDC_CS_RIGHT_STATUS).size());
    });
}

TEST_F(StatusDlgTest, ARightCommonVariableAboveEightShowsSelected) {
    cCondition c = LeftStatus(0, 0, 3);
    c.m_VarIndex = 3;
    c.m_RightVarIndex = 20;
    Look(c, [](HWND d) {
        EXPECT_EQ(2, Chosen(d, IDC_CS_LEFT_VAR));
        EXPECT_EQ(19, Chosen(d, IDC_CS_RIGHT_VAR));
        EXPECT_EQ(255u, ComboItems(d, IDC_CS_RIGHT_VAR).size());
        EXPECT_TRUE(Enabled(d, IDC_CS_RIGHT_RENAME));
    });
}

TEST_F(StatusDlgTest, ValueRangesAndPercentFollowTheLeftStatus) {
    struct cCase {
        const char* name;
        int owner, status, source, edit;
        const char* typed;
        const char* shown;
        bool percent;
    };
    const cCase cases[] = {
        {"HP", 0, 1, 0, IDC_CS_VALUE, "-999999", "-999999", true},
        {"Z", 0, 5, 0, IDC_CS_VALUE, "100", "8", false},
        {"mark", 1, 6, 1, IDC_CS_RAND_MIN, "-200", "-121", false},
        {"view", 0, 7, 1, IDC_CS_RAND_MAX, "41", "40", false},
        // A system value's own bounds, not those of the status in the same row.
        {"time", 2, 0, 0, IDC_CS_VALUE, "5000", "999", false},
        {"scroll", 2, 1, 1, IDC_CS_RAND_MIN, "-500", "-480", false},
        {"lives", 2, 4, 0, IDC_CS_VALUE, "-100", "-99", false},
    };
    for (const cCase& c : cases) {
        Look(LeftStatus(static_cast<uint8_t>(c.owner), static_cast<uint8_t>(c.status), static_cast<uint8_t>(c.source)),
             [&](HWND d) {
                 Type(d, c.edit, c.typed);
                 EXPECT_EQ(c.shown, Text(d, c.edit)) << c.name;
                 EXPECT_EQ(c.percent, Enabled(d, IDC_CS_PERCENT)) << c.name;
             });
    }
}

TEST_F(StatusDlgTest, AStatusChangeRefitsTheValuesAndThePercent) {
    cCondition c = LeftStatus(0, 1, 0);
    c.m_Value = 500;
    c.m_Percent = 1;
    cCondition edited = c;
    EXPECT_EQ(1, Run(Maker<cCondStatusDlg>(IDD_COND_STATUS), "ステータス条件", &edited, 0, [](HWND d) {
        EXPECT_NE(0, IsDlgButtonChecked(d, IDC_CS_PERCENT));
        Choose(d, IDC_CS_LEFT_STATUS, 5);  // Z座標: -8 to 8, no percentage
        EXPECT_EQ("8", Text(d, IDC_CS_VALUE));
        EXPECT_EQ(0u, IsDlgButtonChecked(d, IDC_CS_PERCENT));
        EXPECT_FALSE(Enabled(d, IDC_CS_PERCENT));
        Choose(d, IDC_CS_LEFT_OWNER, 2);
        Choose(d, IDC_CS_LEFT_STATUS, 0);  // 時間: -999 to 999
        Type(d, IDC_CS_VALUE, "-1000");
        EXPECT_EQ("-999", Text(d, IDC_CS_VALUE));
        Click(d, IDC_COND_OK);
    }));
    EXPECT_EQ(-999, edited.m_Value);
    EXPECT_EQ(0, edited.m_Percent);
    EXPECT_EQ(2, edited.m_LeftOwner);
    EXPECT_EQ(0, edited.m_LeftStatus);
}

TEST_F(CondDlgTest, CommonRenameIsSavedAtOnceEvenWhenCancelled) {
    CreateDirectoryA("data", nullptr);
    cCondition cond = Cond(1, 2, 10, 2);
    std::vector<std::string> items;
    EXPECT_EQ(0, Run(Maker<cCondCommonVarDlg>(IDD_COND_COMMON_VAR), "コモン変数条件", &cond, 0, [&](HWND d) {
        Choose(d, IDC_COND_COMMON_VAR, 2);
        cModalSteps input;
        input.Then("変数名の入力", [](HWND i) {
            Type(i, IDC_INPUT_EDIT, "体力");
            Click(i, IDC_INPUT_OK);
        });
        Click(d, IDC_COND_RENAME);
        items = ComboItems(d, IDC_COND_COMMON_VAR);
        EXPECT_EQ(2, Chosen(d, IDC_COND_COMMON_VAR));
        Click(d, IDC_COND_CANCEL);
    }));
    EXPECT_EQ("003 体力", items[2]);
    EXPECT_EQ("体力", CommonVarNames()[3].m_Name);
    cVarNames saved;
    ASSERT_TRUE(LoadGValInfo(saved, "data\\GValInfo.dat", false));
    EXPECT_EQ("体力", saved[3].m_Name);
    EXPECT_EQ("所持金", saved[2].m_Name);
    EXPECT_EQ(Cond(1, 2, 10, 2), cond);
}

TEST_F(CondDlgTest, RenameWithoutAVariableBeepsAndAFailedSaveIsReported) {
    // Variable 0: nothing is chosen and no name is asked for.
    cCondition cond = Cond(1, 0, 0, 0);
    Run(Maker<cCondCommonVarDlg>(IDD_COND_COMMON_VAR), "コモン変数条件", &cond, 0, [](HWND d) {
        EXPECT_EQ(-1, Chosen(d, IDC_COND_COMMON_VAR));
        Click(d, IDC_COND_RENAME);
        Click(d, IDC_COND_CANCEL);
    });
    // No data folder: the save fails and says so; the name is changed all the same.
    cBoxAnswers boxes;
    cond = Cond(1, 2, 0, 0);
    Run(Maker<cCondCommonVarDlg>(IDD_COND_COMMON_VAR), "コモン変数条件", &cond, 0, [](HWND d) {
        cModalSteps input;
        input.Then("変数名の入力", [](HWND i) {
            Type(i, IDC_INPUT_EDIT, "残金");
            Click(i, IDC_INPUT_OK);
        });
        Click(d, IDC_COND_RENAME);
        Click(d, IDC_COND_OK);
    });
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("data\\GValInfo.dat の保存に失敗しました！", boxes.Shown()[0].text);
    EXPECT_EQ("残金", CommonVarNames()[2].m_Name);
}

TEST_F(CondDlgTest, StageAndStatusRenamesStayInMemory) {
    CreateDirectoryA("data", nullptr);
    cCondition cond = Cond(2, 3, 0, 0);
    Run(Maker<cCondStageVarDlg>(IDD_COND_STAGE_VAR), "ステージ変数条件", &cond, 0, [](HWND d) {
        cModalSteps input;
        input.Then("変数名の入力", [](HWND i) {
            Type(i, IDC_INPUT_EDIT, "扉");
            Click(i, IDC_INPUT_OK);
        });
        Click(d, IDC_COND_RENAME);
        EXPECT_EQ("003 扉", ComboItems(d, IDC_COND_STAGE_VAR)[2]);
        Click(d, IDC_COND_CANCEL);
    });
    EXPECT_EQ("扉", ProjectStage().m_VarNames[3].m_Name);
    EXPECT_EQ(1, StageDoc().m_StageModified);

    cCondition status;
    status.m_Kind = 4;
    status.m_LeftKind = 1;
    status.m_VarIndex = 2;
    status.m_RightSource = 3;
    status.m_RightVarScope = 1;
    status.m_RightVarIndex = 3;
    Run(Maker<cCondStatusDlg>(IDD_COND_STATUS), "ステータス条件", &status, 0, [](HWND d) {
        cModalSteps input;
        input.Then("変数名の入力", [](HWND i) {
            Type(i, IDC_INPUT_EDIT, "金");
            Click(i, IDC_INPUT_OK);
        });
        Click(d, IDC_CS_LEFT_RENAME);
        input.Then("変数名の入力", [](HWND i) {
            Type(i, IDC_INPUT_EDIT, "門");
            Click(i, IDC_INPUT_OK);
        });
        Click(d, IDC_CS_RIGHT_RENAME);
        EXPECT_EQ("002 金", ComboItems(d, IDC_CS_LEFT_VAR)[1]);
        EXPECT_EQ("003 門", ComboItems(d, IDC_CS_RIGHT_VAR)[2]);
        Click(d, IDC_COND_CANCEL);
    });
    EXPECT_EQ("金", CommonVarNames()[2].m_Name);
    EXPECT_EQ("門", ProjectStage().m_VarNames[3].m_Name);
    EXPECT_FALSE(m_Dir.Exists("data\\GValInfo.dat"));
}

}  // namespace
