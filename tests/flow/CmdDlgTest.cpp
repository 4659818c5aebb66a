// The command picker: its buttons, the edit dialog of the pressed or the command's own type, its
// result and the owner's redraws. The chara flows page's insert and edit through it are the
// palette tests'.
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

class CmdPicker : public CmdDlgTest {};

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
        HWND picture = GetDlgItem(picker, 1006);
        EXPECT_NE(nullptr, picture);
        EXPECT_FALSE(IsWindowVisible(picture));
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
        // A row that held an item command becomes a chara command of the pressed type.
        cFlowCmd cmd = NewCmd(0);
        cmd.m_CmdSet = 1;
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

}  // namespace
