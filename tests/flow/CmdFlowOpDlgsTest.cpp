// The flow operation, stage clear, game wait, message, warp and target dialogs: every control
// writes exactly its field at OK and nothing at Cancel or the close box; new commands take their
// type's defaults; the controls are enabled as the other controls say.
#include <functional>
#include <vector>

#include "data/FlowTables.h"
#include "editor/flow/CmdFlowOpDlgs.h"
#include "editor/flow/CmdFlowOpIds.h"
#include "editor/flow/FlowCmdIds.h"
#include "tests/flow/CmdDlgFixture.h"

namespace {

void PressOkOnly(HWND dlg) { Press(dlg, IDC_CMD_OK); }

class CmdFlowOpDlgs : public CmdDlgTest {};

TEST_F(CmdFlowOpDlgs, FlowOperationStageClearAndGameWaitWriteEachField) {
    CheckFamilyFrom<cCmdFlowOpDlg>(16, IDD_CMD_FLOW_OP, "フローの操作", [](cFlowCmd& c) { c.m_Params[1] = 2; },
                                   {
                                       {Choose(IDC_FLOWOP_OP, 5), P(0, 5)},
                                       {Choose(IDC_FLOWOP_TARGET, 1), P(1, 1)},
                                       {Choose(IDC_FLOWOP_ID, 26), P(2, 26)},
                                   });
    CheckFamilyFrom<cCmdStageClearDlg>(17, IDD_CMD_STAGE_CLEAR, "ステージクリア",
                                       [](cFlowCmd& c) {
                                           c.m_Params[0] = 1;
                                           c.m_Params[2] = 1;
                                       },
                                       {
                                           {Choose(IDC_CLEAR_MODE, 2), P(0, 2)},
                                           {Type(IDC_CLEAR_STAGE, "99"), P(1, 99)},
                                           {Type(IDC_CLEAR_STAGE, "100"), P(1, 99)},
                                           {Type(IDC_CLEAR_STAGE, "0"), P(1, 1)},
                                           {Click(IDC_CLEAR_MAP_WARP), PToggle(2)},
                                           {Type(IDC_CLEAR_MAP_X, "999"), P(3, 999)},
                                           {Type(IDC_CLEAR_MAP_X, "1000"), P(3, 999)},
                                           {Type(IDC_CLEAR_MAP_Y, "0"), P(4, 1)},
                                           {Type(IDC_CLEAR_MAP_Y, "512"), P(4, 512)},
                                       });
    CheckFamilyFrom<cCmdGameWaitDlg>(18, IDD_CMD_GAME_WAIT, "ゲームウエイト", [](cFlowCmd&) {},
                                     {
                                         {Type(IDC_CMD_TIME, "0"), P(0, 0)},
                                         {Type(IDC_CMD_TIME, "1000"), P(0, 999)},
                                     });
}

TEST_F(CmdFlowOpDlgs, MessageWritesEachField) {
    // Shown for a time and pausing: every control enabled. OK derives the parallel run.
    CheckFamilyFrom<cCmdMessageDlg>(
        19, IDD_CMD_MESSAGE, "メッセージ",
        [](cFlowCmd& c) {
            c.m_Params[0] = 7;
            c.m_Params[6] = 2;
            c.m_Text = "こんにちは";
        },
        {
            {Type(IDC_MSG_TEXT, "一行目\r\n二行目"), C<std::string>(&cFlowCmd::m_Text, "一行目\r\n二行目")},
            {Choose(IDC_MSG_POS, 8), P(0, 8)},
            {Type(IDC_MSG_X, "20"), P(1, 20)},
            {Type(IDC_MSG_X, "21"), P(1, 20)},
            {Type(IDC_MSG_Y, "16"), P(2, 15)},
            {Type(IDC_MSG_OFFSET_X, "-999"), P(3, -999)},
            {Type(IDC_MSG_OFFSET_Y, "1200"), P(4, 999)},
            {Click(IDC_MSG_FIT), PToggle(5)},
            {Choose(IDC_MSG_SHOW, 1), P(6, 1)},
            {Type(IDC_CMD_TIME, "9999"), P(7, 9999)},
            {Type(IDC_CMD_TIME, "0"), P(7, 1)},
            {Click(IDC_MSG_PAUSE),
             [](cFlowCmd& c) {
                 c.m_Params[8] = 0;
                 c.m_Parallel = 1;
             }},
        });
}

TEST_F(CmdFlowOpDlgs, WarpAndTargetWriteEachField) {
    CheckFamilyFrom<cCmdWarpDlg>(20, IDD_CMD_WARP, "ワープ", [](cFlowCmd&) {},
                                 {
                                     {Choose(IDC_MV_DIR, 11), M<uint8_t>(&cEdMove::m_Dir, 11)},
                                     {Type(IDC_MV_DISTANCE, "41"), M<int16_t>(&cEdMove::m_Distance, 40)},
                                     {Type(IDC_MV_DISTANCE_K, "-40"), M<int16_t>(&cEdMove::m_DistanceClone, -40)},
                                     {Choose(IDC_MV_DIR_MODE, 1), M<uint8_t>(&cEdMove::m_DirMode, 1)},
                                 });
    CheckFamilyFrom<cCmdWarpDlg>(20, IDD_CMD_WARP, "ワープ", [](cFlowCmd& c) { c.m_Move->m_DirMode = 2; },
                                 {
                                     {Choose(IDC_MV_TARGET_TYPE, 1), M<uint8_t>(&cEdMove::m_TargetMode, 1)},
                                     {Type(IDC_MV_TARGET_X, "-640"), M<int16_t>(&cEdMove::m_TargetX, -640)},
                                     {Type(IDC_MV_TARGET_X_DOT, "700"), M<int16_t>(&cEdMove::m_TargetDotX, 640)},
                                     {Click(IDC_MV_FLIP_X), MToggle(&cEdMove::m_FlipX)},
                                     {Type(IDC_MV_TARGET_Y, "33"), M<int16_t>(&cEdMove::m_TargetY, 33)},
                                     {Type(IDC_MV_TARGET_Y_DOT, "-5"), M<int16_t>(&cEdMove::m_TargetDotY, -5)},
                                     {Click(IDC_MV_FLIP_Y), MToggle(&cEdMove::m_FlipY)},
                                 });
    CheckFamilyFrom<cCmdTargetDlg>(21, IDD_CMD_TARGET, "ターゲットの設定",
                                   [](cFlowCmd& c) {
                                       c.m_Params[0] = 2;
                                       c.m_Params[7] = 1;
                                   },
                                   {
                                       {Choose(IDC_TGT_KIND, 3), P(0, 3)},
                                       {Choose(IDC_TGT_RANGE, 2), P(2, 2)},
                                       {Type(IDC_TGT_SIDE, "8"), P(1, 7)},
                                       {Click(IDC_TGT_USE_ID), PToggle(7)},
                                       {Type(IDC_TGT_ID, "98"), P(8, 98)},
                                       {Type(IDC_TGT_ID, "99"), P(8, 98)},
                                       {Click(IDC_TGT_NOT_SELF), PToggle(3)},
                                       {Click(IDC_TGT_NOT_INVINCIBLE_HIT), PToggle(4)},
                                       {Click(IDC_TGT_NOT_INVINCIBLE_THROUGH), PToggle(5)},
                                       {Click(IDC_TGT_NOT_BLOCK), PToggle(6)},
                                   });
}

struct cDefaultsCase {
    int type;
    std::function<void(cFlowCmd&)> expect;
};

TEST_F(CmdFlowOpDlgs, NewCommandsTakeTheirTypesDefaults) {
    // The edits store at least their minimum.
    const cDefaultsCase cases[] = {
        {16, [](cFlowCmd& c) { c.m_Parallel = 1; }},
        {17, [](cFlowCmd& c) { c.m_Params = {0, 1, 0, 1, 1}; }},
        {18, [](cFlowCmd& c) { c.m_Params = {20}; }},
        {19,
         [](cFlowCmd& c) {
             c.m_Params = {0, 0, 0, 0, 0, 1, 0, 30, 1};
             c.m_Text.clear();
         }},
        {20,
         [](cFlowCmd& c) {
             c.m_Parallel = 1;
             *c.m_Move = cEdMove();
             c.m_Move->m_Distance = 2;
             c.m_Move->m_FlipX = 0;
         }},
        {21,
         [](cFlowCmd& c) {
             c.m_Parallel = 1;
             c.m_Params = {0, 0, 0, 1, 0, 1, 0, 0, 0};
         }},
    };
    for (const cDefaultsCase& c : cases) {
        // Leftovers of another type: a new command forgets them.
        cFlowCmd cmd = NewCmd(c.type);
        cmd.m_Time = 77;
        cmd.m_Parallel = 1;
        cmd.m_Text = "残り";
        cmd.m_Move = cEdMove::Create();
        cmd.m_Move->m_Speed = 99;
        cmd.m_Move->m_FlipX = 1;
        cFlowCmd expected = cmd;
        expected.m_Time = 0;
        expected.m_Parallel = 0;
        expected.m_Params.assign(static_cast<size_t>(CharaCommandTypes[c.type].m_Value), 0);
        c.expect(expected);
        const char* caption = CharaCommandTypes[c.type].m_Name;
        int result = 0;
        switch (c.type) {
        case 16: result = Run<cCmdFlowOpDlg>(cmd, 1, IDD_CMD_FLOW_OP, caption, PressOkOnly); break;
        case 17: result = Run<cCmdStageClearDlg>(cmd, 1, IDD_CMD_STAGE_CLEAR, caption, PressOkOnly); break;
        case 18: result = Run<cCmdGameWaitDlg>(cmd, 1, IDD_CMD_GAME_WAIT, caption, PressOkOnly); break;
        case 19: result = Run<cCmdMessageDlg>(cmd, 1, IDD_CMD_MESSAGE, caption, PressOkOnly); break;
        case 20: result = Run<cCmdWarpDlg>(cmd, 1, IDD_CMD_WARP, caption, PressOkOnly); break;
        case 21: result = Run<cCmdTargetDlg>(cmd, 1, IDD_CMD_TARGET, caption, PressOkOnly); break;
        }
        EXPECT_EQ(1, result) << caption;
        if (c.type != 20) expected.m_Move = cmd.m_Move;  // not theirs: left alone
        EXPECT_TRUE(cmd == expected) << caption;
    }
}

TEST_F(CmdFlowOpDlgs, MessageTimeAndPauseFollowTheDisplay) {
    for (bool pause : {false, true}) {
        cFlowCmd cmd = NewCmd(19);
        EXPECT_EQ(1, Run<cCmdMessageDlg>(cmd, 1, IDD_CMD_MESSAGE, "メッセージ", [pause](HWND d) {
            EXPECT_EQ(0, SendDlgItemMessageA(d, IDC_MSG_SHOW, CB_GETCURSEL, 0, 0));
            EXPECT_FALSE(IsEnabledCtrl(d, IDC_CMD_TIME));
            EXPECT_FALSE(IsEnabledCtrl(d, IDC_MSG_PAUSE));
            EXPECT_FALSE(IsEnabledCtrl(d, IDC_MSG_X));
            EXPECT_FALSE(IsEnabledCtrl(d, IDC_MSG_Y));
            Act(d, Choose(IDC_MSG_SHOW, 2));
            EXPECT_TRUE(IsEnabledCtrl(d, IDC_CMD_TIME));
            EXPECT_TRUE(IsEnabledCtrl(d, IDC_MSG_PAUSE));
            EXPECT_EQ("30", WindowText(GetDlgItem(d, IDC_CMD_TIME)));
            EXPECT_TRUE(IsCheckedCtrl(d, IDC_MSG_PAUSE));
            if (!pause) Act(d, Click(IDC_MSG_PAUSE));
            for (int pos = 0; pos < 9; ++pos) {
                Act(d, Choose(IDC_MSG_POS, pos));
                EXPECT_EQ(pos >= 7, IsEnabledCtrl(d, IDC_MSG_X)) << pos;
                EXPECT_EQ(pos >= 7, IsEnabledCtrl(d, IDC_MSG_Y)) << pos;
            }
            Press(d, IDC_CMD_OK);
        }));
        EXPECT_EQ(pause ? 0 : 1, cmd.m_Parallel);
        EXPECT_EQ(pause ? 1 : 0, cmd.m_Params[8]);
    }
    // The text keeps to 39 double-byte characters a line: a longer line pasted flows into the
    // next.
    cFlowCmd cmd = NewCmd(19);
    std::string line;
    for (int i = 0; i < 40; ++i) line += "あ";
    EXPECT_EQ(1, Run<cCmdMessageDlg>(cmd, 1, IDD_CMD_MESSAGE, "メッセージ", [&line](HWND d) {
        SendDlgItemMessageA(d, IDC_MSG_TEXT, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(line.c_str()));
        Press(d, IDC_CMD_OK);
    }));
    EXPECT_EQ(line.substr(0, 78) + "\r\n" + line.substr(78), cmd.m_Text);
}

TEST_F(CmdFlowOpDlgs, WarpScreenPointClearsTheFlips) {
    cFlowCmd cmd = NewCmd(20);
    cmd.m_Move = cEdMove::Create();
    cmd.m_Move->m_FlipX = 1;
    cmd.m_Move->m_FlipY = 1;
    EXPECT_EQ(1, Run<cCmdWarpDlg>(cmd, 0, IDD_CMD_WARP, "ワープ", [](HWND d) {
        const uint16_t byDistance[] = {IDC_MV_DIR, IDC_MV_DISTANCE, IDC_MV_DISTANCE_K};
        const uint16_t toPoint[] = {IDC_MV_TARGET_TYPE, IDC_MV_TARGET_X, IDC_MV_TARGET_X_DOT, IDC_MV_FLIP_X,
                                    IDC_MV_TARGET_Y,    IDC_MV_TARGET_Y_DOT, IDC_MV_FLIP_Y};
        for (int mode : {0, 1, 2}) {
            Act(d, Choose(IDC_MV_DIR_MODE, mode));
            for (uint16_t id : byDistance) EXPECT_EQ(mode != 2, IsEnabledCtrl(d, id)) << mode << " " << id;
            for (uint16_t id : toPoint) EXPECT_EQ(mode == 2, IsEnabledCtrl(d, id)) << mode << " " << id;
        }
        EXPECT_TRUE(IsCheckedCtrl(d, IDC_MV_FLIP_X));
        Act(d, Choose(IDC_MV_TARGET_TYPE, 2));
        for (uint16_t id : {IDC_MV_FLIP_X, IDC_MV_FLIP_Y}) {
            EXPECT_FALSE(IsEnabledCtrl(d, id)) << id;
            EXPECT_FALSE(IsCheckedCtrl(d, id)) << id;
        }
        Act(d, Choose(IDC_MV_TARGET_TYPE, 0));
        EXPECT_TRUE(IsEnabledCtrl(d, IDC_MV_FLIP_X));
        EXPECT_TRUE(IsEnabledCtrl(d, IDC_MV_FLIP_Y));
        Act(d, Choose(IDC_MV_TARGET_TYPE, 2));
        Press(d, IDC_CMD_OK);
    }));
    EXPECT_EQ(2, cmd.m_Move->m_DirMode);
    EXPECT_EQ(2, cmd.m_Move->m_TargetMode);
    EXPECT_EQ(0, cmd.m_Move->m_FlipX);
    EXPECT_EQ(0, cmd.m_Move->m_FlipY);
}

TEST_F(CmdFlowOpDlgs, EnablesFollowTheChoices) {
    struct cEnableCase {
        int kind;
        bool range, filter, id;  // filter: side, the ID check and the four exclusions
    };
    // By ID with the ID check off, then on.
    const cEnableCase targets[] = {{0, false, false, false}, {1, false, false, false}, {2, true, true, false},
                                   {3, false, true, false}};
    cFlowCmd target = NewCmd(21);
    EXPECT_EQ(0, Run<cCmdTargetDlg>(target, 1, IDD_CMD_TARGET, "ターゲットの設定", [&targets](HWND d) {
        for (const cEnableCase& c : targets) {
            Act(d, Choose(IDC_TGT_KIND, c.kind));
            EXPECT_EQ(c.range, IsEnabledCtrl(d, IDC_TGT_RANGE)) << c.kind;
            for (uint16_t id : {IDC_TGT_SIDE, IDC_TGT_USE_ID, IDC_TGT_NOT_SELF, IDC_TGT_NOT_INVINCIBLE_HIT,
                                IDC_TGT_NOT_INVINCIBLE_THROUGH, IDC_TGT_NOT_BLOCK})
                EXPECT_EQ(c.filter, IsEnabledCtrl(d, id)) << c.kind << " " << id;
            EXPECT_EQ(c.id, IsEnabledCtrl(d, IDC_TGT_ID)) << c.kind;
        }
        Act(d, Click(IDC_TGT_USE_ID));
        EXPECT_TRUE(IsEnabledCtrl(d, IDC_TGT_ID));
        EXPECT_FALSE(IsEnabledCtrl(d, IDC_TGT_RANGE));
        Act(d, Click(IDC_TGT_USE_ID));
        EXPECT_FALSE(IsEnabledCtrl(d, IDC_TGT_ID));
        Press(d, IDC_CMD_CANCEL);
    }));
    cFlowCmd flowOp = NewCmd(16);
    EXPECT_EQ(0, Run<cCmdFlowOpDlg>(flowOp, 1, IDD_CMD_FLOW_OP, "フローの操作", [](HWND d) {
        for (int target : {0, 1, 2}) {
            Act(d, Choose(IDC_FLOWOP_TARGET, target));
            EXPECT_EQ(target == 2, IsEnabledCtrl(d, IDC_FLOWOP_ID)) << target;
        }
        Press(d, IDC_CMD_CANCEL);
    }));
    cFlowCmd clear = NewCmd(17);
    EXPECT_EQ(0, Run<cCmdStageClearDlg>(clear, 1, IDD_CMD_STAGE_CLEAR, "ステージクリア", [](HWND d) {
        for (int mode : {0, 1, 2}) {
            Act(d, Choose(IDC_CLEAR_MODE, mode));
            EXPECT_EQ(mode == 1, IsEnabledCtrl(d, IDC_CLEAR_STAGE)) << mode;
        }
        EXPECT_FALSE(IsEnabledCtrl(d, IDC_CLEAR_MAP_X));
        Act(d, Click(IDC_CLEAR_MAP_WARP));
        EXPECT_TRUE(IsEnabledCtrl(d, IDC_CLEAR_MAP_X));
        EXPECT_TRUE(IsEnabledCtrl(d, IDC_CLEAR_MAP_Y));
        Press(d, IDC_CMD_CANCEL);
    }));
}

// Values from a file that the lists lack select nothing; OK keeps them.
TEST_F(CmdFlowOpDlgs, ValuesOutsideTheListsAreKept) {
    cFlowCmd cmd = NewCmd(21);
    cmd.m_Params = {9, 0, -1, 0, 0, 0, 0, 0, 0};
    ExpectOutsideValuesKept<cCmdTargetDlg>(cmd, IDD_CMD_TARGET, "ターゲットの設定", {IDC_TGT_KIND});
    // A warp to a point of a kind the list lacks: the flips it cannot judge stay.
    cFlowCmd warp = NewCmd(20);
    ASSERT_EQ(1, Run<cCmdWarpDlg>(warp, 1, IDD_CMD_WARP, "ワープ", PressOk));
    warp.m_Move->m_DirMode = 2;
    warp.m_Move->m_TargetMode = 5;
    warp.m_Move->m_FlipX = 1;
    warp.m_Move->m_FlipY = 1;
    ExpectOutsideValuesKept<cCmdWarpDlg>(warp, IDD_CMD_WARP, "ワープ", {IDC_MV_TARGET_TYPE});
}

}  // namespace
