// The command picker: its buttons, the edit dialog of the pressed or the command's own type, its
// result, the owner's redraws, and the opener's insert and removal of a new command.
#include <vector>

#include "data/FlowTables.h"
#include "editor/flow/CmdDlg.h"
#include "editor/flow/FlowCmdIds.h"
#include "tests/flow/CmdDlgFixture.h"
#include "tests/support/DialogDriver.h"

namespace {

// An owner page that counts the redraws the picker asks of it.
class cCountingOwner : public cChildWnd {
public:
    cCountingOwner() : cChildWnd(0, nullptr, eKindDialog, nullptr) {}
    void RedrawList() override { ++m_Redraws; }
    int m_Redraws = 0;
};

class CmdPicker : public CmdDlgTest {
protected:
    int RunPicker(cFlowCmd& cmd, int isNew, cChildWnd* owner = nullptr) {
        cCmdContext context;
        context.m_lpCmd = &cmd;
        context.m_New = isNew;
        cCmdDlg picker(IDD_CMD_PICKER, owner, context, nullptr);
        return static_cast<int>(picker.DoModal(0));
    }
};

TEST_F(CmdPicker, OffersOneButtonPerCommandType) {
    cFlowCmd cmd = NewCmd(0);
    DriveCaptioned("コマンド", [](HWND picker) {
        for (int row = 1; row <= 45; ++row) {
            uint16_t id = CmdButtonId(row);
            HWND button = GetDlgItem(picker, id);
            ASSERT_NE(nullptr, button) << id;
            if (row <= 36) {
                EXPECT_EQ(CharaCommandTypes[row].m_Name, WindowText(button)) << id;
                EXPECT_TRUE(IsWindowVisible(button)) << id;
            } else {
                EXPECT_FALSE(IsWindowVisible(button)) << id;
            }
        }
        EXPECT_EQ(1298, CmdButtonId(32));
        EXPECT_EQ(1300, CmdButtonId(33));
        EXPECT_EQ(1312, CmdButtonId(45));
        EXPECT_EQ(nullptr, GetDlgItem(picker, IDC_CMD_BUTTON_GAP));
        SendMessageA(picker, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(0, RunPicker(cmd, 1));
}

// A new command: the pressed button's dialog opens with the picker hidden; the picker ends with
// the dialog's result.
TEST_F(CmdPicker, PressedButtonRunsItsDialogAndEndsWithItsResult) {
    struct cEnd {
        uint16_t id;  // 0: the close box
        int result;
    };
    for (cEnd end : {cEnd{IDC_CMD_OK, 1}, cEnd{IDC_CMD_CANCEL, 0}, cEnd{0, 0}}) {
        cFlowCmd cmd = NewCmd(0);
        DriveCaptioned("コマンド", [end](HWND picker) {
            DriveCaptioned("直線移動", [picker, end](HWND dlg) {
                EXPECT_FALSE(IsWindowVisible(picker));
                if (end.id)
                    Press(dlg, end.id);
                else
                    SendMessageA(dlg, WM_CLOSE, 0, 0);
            });
            Press(picker, CmdButtonId(2));
        });
        EXPECT_EQ(end.result, RunPicker(cmd, 1)) << end.id;
        EXPECT_EQ(0, cmd.m_CmdSet);
        EXPECT_EQ(2, cmd.m_CmdType);
        ASSERT_TRUE(cmd.m_Move);
        // A new command takes its defaults as its dialog is built; the opener removes it on 0.
        EXPECT_EQ(200, cmd.m_Move->m_MaxSpeed) << end.id;
    }
}

// An existing command opens straight in its own type's dialog: 7 and 8 share a class but not a
// template.
TEST_F(CmdPicker, ExistingCommandOpensItsOwnDialog) {
    struct cOpenCase {
        int type;
        const char* caption;
        bool hasDirection;
    };
    const cOpenCase cases[] = {
        {1, "ウエイト", false}, {2, "直線移動", true}, {4, "円移動", false}, {7, "画面外回避移動", true},
        {8, "移動の無効化", false}, {9, "向き変更", false}, {10, "ジャンプ", false},
    };
    for (const cOpenCase& c : cases) {
        cFlowCmd cmd = NewCmd(c.type);
        cmd.m_Move = cEdMove::Create();
        cmd.m_Params.assign(CharaCommandTypes[c.type].m_Value, 0);
        cmd.m_Time = 42;
        bool opened = false;
        DriveCaptioned(c.caption, [&opened, c](HWND dlg) {
            opened = true;
            EXPECT_EQ(c.hasDirection, GetDlgItem(dlg, IDC_MV_DIR) != nullptr) << c.caption;
            Press(dlg, IDC_CMD_CANCEL);
        });
        cFlowCmd before = cmd;
        EXPECT_EQ(0, RunPicker(cmd, 0)) << c.caption;
        EXPECT_TRUE(opened) << c.caption;
        EXPECT_TRUE(cmd == before) << c.caption;
    }
}

// Types whose dialogs are not there yet end the picker with 0.
// The last type's button: the command takes the type, and the picker the dialog's Cancel.
TEST_F(CmdPicker, TheLastTypesButtonSetsTheTypeAndEndsWithItsDialog) {
    cFlowCmd cmd = NewCmd(0);
    DriveCaptioned("コマンド", [](HWND picker) {
        DriveCaptioned("コードの実行", [](HWND dlg) { Press(dlg, IDC_CMD_CANCEL); });
        Press(picker, CmdButtonId(36));
    });
    EXPECT_EQ(0, RunPicker(cmd, 1));
    EXPECT_EQ(36, cmd.m_CmdType);
}

TEST_F(CmdPicker, OwnerRedrawsAfterTheMessagesThePickerHandles) {
    cCountingOwner owner;
    cFlowCmd cmd = NewCmd(0);
    DriveCaptioned("コマンド", [](HWND picker) { SendMessageA(picker, WM_CLOSE, 0, 0); });
    EXPECT_EQ(0, RunPicker(cmd, 1, &owner));
    EXPECT_GT(owner.m_Redraws, 0);
}

TEST_F(CmdPicker, OpenerRemovesACancelledNewCommandAndKeepsAConfirmedOne) {
    cRecordVector<cFlowCmd> cmds(2);
    cmds[0].m_Time = 10;
    cmds[1].m_Time = 20;
    for (uint16_t end : {IDC_CMD_CANCEL, IDC_CMD_OK}) {
        DriveCaptioned("コマンド", [end](HWND picker) {
            DriveCaptioned("ウエイト", [end](HWND dlg) {
                Act(dlg, Type(IDC_CMD_TIME, "15"));
                Press(dlg, end);
            });
            Press(picker, CmdButtonId(1));
        });
        EXPECT_EQ(end == IDC_CMD_OK, AddCmdThroughPicker(cmds, 1, 3, nullptr, nullptr) == 1);
    }
    ASSERT_EQ(3u, cmds.size());
    EXPECT_EQ(10, cmds[0].m_Time);
    EXPECT_EQ(1, cmds[1].m_CmdType);
    EXPECT_EQ(15, cmds[1].m_Time);
    EXPECT_EQ(20, cmds[2].m_Time);
    // Full: no picker opens (nothing drives it), nothing is inserted.
    EXPECT_EQ(0, AddCmdThroughPicker(cmds, 0, 3, nullptr, nullptr));
    EXPECT_EQ(3u, cmds.size());
    // An edit goes through the command's own dialog.
    DriveCaptioned("ウエイト", [](HWND dlg) {
        Act(dlg, Type(IDC_CMD_TIME, "16"));
        Press(dlg, IDC_CMD_OK);
    });
    EXPECT_EQ(1, EditCmdThroughPicker(cmds[1], nullptr, nullptr));
    EXPECT_EQ(16, cmds[1].m_Time);
}

}  // namespace
