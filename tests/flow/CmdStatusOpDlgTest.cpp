// The status operation dialog: each control writes exactly its field; the lists follow the
// kinds and objects, the value ranges and the percent form follow the left status, and the
// rename buttons change the variable names at once.
#include <functional>
#include <string>
#include <vector>

#include "data/FlowTables.h"
#include "editor/flow/CmdFlowOpIds.h"
#include "editor/flow/CmdStatusOpDlg.h"
#include "editor/flow/FlowCmdIds.h"
#include "editor/shell/EditorProject.h"
#include "framework/FrameworkIds.h"
#include "tests/flow/CmdDlgFixture.h"
#include "tests/flow/CondFixture.h"

namespace {


class CmdStatusOpDlg : public CmdDlgTest {
protected:
    int Open(cFlowCmd& cmd, int isNew, std::function<void(HWND)> drive) {
        return Run<cCmdStatusOpDlg>(cmd, isNew, IDD_CMD_STATUS_OP, "ステータスの操作", std::move(drive));
    }
    // Every row from the command `start` makes of a new one.
    void CheckRows(std::function<void(cFlowCmd&)> start, const std::vector<cFieldRow>& rows) {
        CheckFamilyFrom<cCmdStatusOpDlg>(22, IDD_CMD_STATUS_OP, "ステータスの操作", start, rows);
    }

    cSampleVarNames m_Names;
};

TEST_F(CmdStatusOpDlg, NewCommandTakesItsDefaults) {
    cFlowCmd cmd = NewCmd(22);
    cmd.m_Time = 40;
    EXPECT_EQ(1, Open(cmd, 1, [](HWND d) { Press(d, IDC_CMD_OK); }));
    cFlowCmd expected = NewCmd(22);
    expected.m_Parallel = 1;
    expected.m_Params.assign(18, 0);
    expected.m_Params[2] = expected.m_Params[11] = expected.m_Params[16] = 1;
    EXPECT_TRUE(cmd == expected);
}

TEST_F(CmdStatusOpDlg, EachControlWritesItsField) {
    // My chara variable, set to a constant: every control but the HP and SP ones enabled.
    CheckRows([](cFlowCmd&) {},
              {
                  {Choose(IDC_SOP_LEFT_KIND, 1), P(0, 1)},
                  {Choose(IDC_SOP_LEFT_OBJECT, 1), P(3, 1)},
                  {Choose(IDC_SOP_LEFT_STATUS, 12), P(4, 12)},
                  {Choose(IDC_SOP_LEFT_NUMBER, 7), P(2, 8)},
                  {Choose(IDC_SOP_OPERATOR, 6), P(5, 6)},
                  {Choose(IDC_SOP_RIGHT_KIND, 3), P(6, 3)},
                  {Type(IDC_SOP_CONST, "-999999"), P(7, -999999)},
                  {Type(IDC_SOP_CONST, "1000000"), P(7, 999999)},
                  {Type(IDC_SOP_RAND_FROM, "5"), P(8, 5)},
                  {Type(IDC_SOP_RAND_TO, "-1234567"), P(9, -999999)},
                  {Choose(IDC_SOP_RIGHT_SCOPE, 1), P(10, 1)},
                  {Choose(IDC_SOP_RIGHT_OBJECT, 1), P(12, 1)},
                  {Choose(IDC_SOP_RIGHT_STATUS, 11), P(13, 11)},
                  {Click(IDC_SOP_PERCENT), PToggle(14)},
                  {Click(IDC_SOP_GUARD), PToggle(17)},
              });
    // The target's HP from a stage variable: the calculation mode, the bar and the rename.
    CheckRows(
              [](cFlowCmd& c) {
                  c.m_Params[3] = 1;
                  c.m_Params[4] = 1;
                  c.m_Params[6] = 3;
                  c.m_Params[10] = 1;
                  c.m_Params[11] = 3;
              },
              {
                  {Choose(IDC_SOP_CALC, 2), P(15, 2)},
                  {Click(IDC_SOP_BAR), PToggle(16)},
                  {Choose(IDC_SOP_RIGHT_NUMBER, 9), P(11, 10)},
                  {Choose(IDC_SOP_RIGHT_SCOPE, 0), P(10, 0)},
              });
}

TEST_F(CmdStatusOpDlg, PercentCalculationAndBarFollowTheLeftStatus) {
    cFlowCmd cmd = NewCmd(22);
    EXPECT_EQ(0, Open(cmd, 1, [](HWND d) {
        // HP and SP take the calculation mode and the bar; Z座標 has no percent form either;
        // 視界範囲 takes it.
        struct cStatusCase {
            int status;
            bool percent, calcAndBar;
        };
        for (cStatusCase c : {cStatusCase{1, false, true}, cStatusCase{5, false, false}, cStatusCase{2, false, true},
                              cStatusCase{7, true, false}}) {
            Act(d, Choose(IDC_SOP_LEFT_STATUS, c.status));
            EXPECT_EQ(c.percent, IsEnabledCtrl(d, IDC_SOP_PERCENT)) << c.status;
            EXPECT_EQ(c.calcAndBar, IsEnabledCtrl(d, IDC_SOP_CALC)) << c.status;
            EXPECT_EQ(c.calcAndBar, IsEnabledCtrl(d, IDC_SOP_BAR)) << c.status;
        }
        // The system's values have no HP: the second row is the horizontal scroll speed.
        Act(d, Choose(IDC_SOP_LEFT_OBJECT, 2));
        EXPECT_EQ(5u, ComboItems(d, IDC_SOP_LEFT_STATUS).size());
        EXPECT_EQ("時間", ComboItems(d, IDC_SOP_LEFT_STATUS)[0]);
        Act(d, Choose(IDC_SOP_LEFT_STATUS, 1));
        EXPECT_FALSE(IsEnabledCtrl(d, IDC_SOP_CALC));
        EXPECT_FALSE(IsEnabledCtrl(d, IDC_SOP_GUARD));
        Press(d, IDC_CMD_CANCEL);
    }));
}

TEST_F(CmdStatusOpDlg, RangesFollowTheLeftStatusOnceOpen) {
    struct cRangeCase {
        int object, status;
        const char* typed;
        int32_t stored;
    };
    const cRangeCase cases[] = {
        {2, 0, "5000", 999},       // システム 時間
        {2, 0, "-3", 0},           //
        {2, 1, "-500", -480},      // 横スクロール速度, its own range
        {2, 4, "100", 99},         // 残り人数
        {0, 5, "9", 8},            // Z座標
        {1, 9, "-21", -20},        // 体当たりの衝撃
        {0, 0, "-999999", -999999},
    };
    for (const cRangeCase& c : cases) {
        cFlowCmd cmd = NewCmd(22);
        EXPECT_EQ(1, Open(cmd, 1, [&c](HWND d) {
            Act(d, Choose(IDC_SOP_LEFT_OBJECT, c.object));
            Act(d, Choose(IDC_SOP_LEFT_STATUS, c.status));
            Act(d, Type(IDC_SOP_CONST, c.typed));
            Press(d, IDC_CMD_OK);
        }));
        EXPECT_EQ(c.stored, cmd.m_Params[7]) << c.object << " " << c.status << " " << c.typed;
    }
    // Opening shows stored values outside the range as they are; a status change fits all three
    // in, the first change of the run too.
    cFlowCmd cmd = NewCmd(22);
    cmd.m_Params.assign(18, 0);
    cmd.m_Params[4] = 5;
    cmd.m_Params[7] = 50;
    cmd.m_Params[8] = -50;
    cmd.m_Params[9] = 30;
    EXPECT_EQ(1, Open(cmd, 0, [](HWND d) {
        EXPECT_EQ("50", WindowText(GetDlgItem(d, IDC_SOP_CONST)));
        EXPECT_EQ("-50", WindowText(GetDlgItem(d, IDC_SOP_RAND_FROM)));
        Act(d, Choose(IDC_SOP_LEFT_STATUS, 6));  // マーク番号 0..119
        EXPECT_EQ("50", WindowText(GetDlgItem(d, IDC_SOP_CONST)));
        Act(d, Choose(IDC_SOP_LEFT_STATUS, 10));  // 衝撃耐性 0..20
        Press(d, IDC_CMD_OK);
    }));
    EXPECT_EQ(20, cmd.m_Params[7]);
    EXPECT_EQ(0, cmd.m_Params[8]);
    EXPECT_EQ(20, cmd.m_Params[9]);
}

TEST_F(CmdStatusOpDlg, RightKindEnablesItsControls) {
    const uint16_t ids[] = {IDC_SOP_CONST, IDC_SOP_RAND_FROM, IDC_SOP_RAND_TO, IDC_SOP_RIGHT_OBJECT,
                            IDC_SOP_RIGHT_STATUS, IDC_SOP_RIGHT_SCOPE, IDC_SOP_RIGHT_NUMBER, IDC_SOP_RIGHT_RENAME};
    struct cKindCase {
        int kind;
        bool enabled[8];
    };
    const cKindCase cases[] = {
        {0, {true, false, false, false, false, false, false, false}},
        {1, {false, true, true, false, false, false, false, false}},
        {2, {false, false, false, true, true, false, true, false}},  // my キャラ変数: its number
        {3, {false, false, false, false, false, true, true, true}},
    };
    cFlowCmd cmd = NewCmd(22);
    EXPECT_EQ(0, Open(cmd, 1, [&](HWND d) {
        for (const cKindCase& c : cases) {
            Act(d, Choose(IDC_SOP_RIGHT_KIND, c.kind));
            for (size_t i = 0; i < 8; ++i) EXPECT_EQ(c.enabled[i], IsEnabledCtrl(d, ids[i])) << c.kind << " " << ids[i];
        }
        Act(d, Choose(IDC_SOP_RIGHT_KIND, 2));
        Act(d, Choose(IDC_SOP_RIGHT_STATUS, 3));
        EXPECT_FALSE(IsEnabledCtrl(d, IDC_SOP_RIGHT_NUMBER));
        Act(d, Choose(IDC_SOP_RIGHT_OBJECT, 2));
        EXPECT_EQ(5u, ComboItems(d, IDC_SOP_RIGHT_STATUS).size());
        Press(d, IDC_CMD_CANCEL);
    }));
}

TEST_F(CmdStatusOpDlg, NumberListsFollowTheKindAndRenameAtOnce) {
    CreateDirectoryA("data", nullptr);
    cFlowCmd cmd = NewCmd(22);
    EXPECT_EQ(0, Open(cmd, 1, [](HWND d) {
        // キャラ変数: the eight chara variables, no rename.
        std::vector<std::string> items = ComboItems(d, IDC_SOP_LEFT_NUMBER);
        ASSERT_EQ(8u, items.size());
        EXPECT_EQ("1 キャラ変数-1", items[0]);
        EXPECT_EQ("8 キャラ変数-8", items[7]);
        EXPECT_TRUE(IsEnabledCtrl(d, IDC_SOP_LEFT_NUMBER));
        EXPECT_FALSE(IsEnabledCtrl(d, IDC_SOP_LEFT_RENAME));
        Act(d, Choose(IDC_SOP_LEFT_STATUS, 1));
        EXPECT_FALSE(IsEnabledCtrl(d, IDC_SOP_LEFT_NUMBER));
        // A variable: the scope's names, with the rename.
        Act(d, Choose(IDC_SOP_LEFT_KIND, 1));
        EXPECT_FALSE(IsEnabledCtrl(d, IDC_SOP_LEFT_OBJECT));
        EXPECT_FALSE(IsEnabledCtrl(d, IDC_SOP_LEFT_STATUS));
        EXPECT_TRUE(IsEnabledCtrl(d, IDC_SOP_LEFT_SCOPE));
        EXPECT_TRUE(IsEnabledCtrl(d, IDC_SOP_LEFT_RENAME));
        EXPECT_EQ("002 所持金", ComboItems(d, IDC_SOP_LEFT_NUMBER)[1]);
        Act(d, Choose(IDC_SOP_LEFT_SCOPE, 1));
        EXPECT_EQ("003 鍵", ComboItems(d, IDC_SOP_LEFT_NUMBER)[2]);
        Act(d, Choose(IDC_SOP_LEFT_SCOPE, 0));
        Act(d, Choose(IDC_SOP_LEFT_NUMBER, 1));
        cModalSteps input;
        input.Then("変数名の入力", [](HWND i) {
            Type(i, IDC_INPUT_EDIT, "体力");
            Click(i, IDC_INPUT_OK);
        });
        Press(d, IDC_SOP_LEFT_RENAME);
        EXPECT_EQ("002 体力", ComboItems(d, IDC_SOP_LEFT_NUMBER)[1]);
        EXPECT_EQ(1, Chosen(d, IDC_SOP_LEFT_NUMBER));
        Press(d, IDC_CMD_CANCEL);
    }));
    EXPECT_EQ("体力", CommonVarNames()[2].m_Name);
    // A number that no name stands for (from a file) selects nothing: the rename only beeps.
    cmd.m_Params.assign(18, 0);
    cmd.m_Params[6] = 3;
    cmd.m_Params[11] = 4000;
    cFlowCmd kept = cmd;
    EXPECT_EQ(1, Open(cmd, 0, [](HWND d) {
        EXPECT_EQ(-1, Chosen(d, IDC_SOP_RIGHT_NUMBER));
        cModalSteps none;
        Press(d, IDC_SOP_RIGHT_RENAME);
        EXPECT_TRUE(none.Seen().empty());
        Press(d, IDC_CMD_OK);
    }));
    EXPECT_TRUE(cmd == kept);
}

// Kinds, objects, statuses and options outside their lists select nothing; OK keeps them.
TEST_F(CmdStatusOpDlg, ValuesOutsideTheListsAreKept) {
    cFlowCmd cmd = NewCmd(22);
    cmd.m_Params = {5, 3, 0, 9, 40, 11, 7, 0, 0, 0, -1, 0, 6, 99, 0, 8, 0, 0};
    cFlowCmd kept = cmd;
    EXPECT_EQ(1, Open(cmd, 0, [](HWND d) {
        for (uint16_t id : {IDC_SOP_LEFT_KIND, IDC_SOP_LEFT_OBJECT, IDC_SOP_OPERATOR, IDC_SOP_RIGHT_KIND, IDC_SOP_CALC})
            EXPECT_EQ(-1, Chosen(d, id)) << id;
        Press(d, IDC_CMD_OK);
    }));
    EXPECT_TRUE(cmd == kept);
}

}  // namespace
