// The item flow editor: its buttons, the dialog of the pressed or the command's own item type
// (with the item command flag and the type set before the dialog is built), its result, the
// opener's insert and removal, commands of a type no button offers; and the dialog of
// "フローの変更" with its enables and the flows it hands to the flow data window.
#include <string>
#include <vector>

#include "data/FlowTables.h"
#include "editor/flow/CmdDlg.h"
#include "editor/flow/CmdFlowOpIds.h"
#include "editor/flow/CmdFlowChangeDlg.h"
#include "editor/flow/CmdRowText.h"
#include "editor/flow/CmdShowIds.h"
#include "editor/flow/FlowCmdIds.h"
#include "editor/flow/ItemFlowDlg.h"
#include "editor/flow/ItemFlowIds.h"
#include "tests/flow/CmdDlgFixture.h"
#include "tests/flow/CondFixture.h"
#include "tests/support/DialogDriver.h"

namespace {

// The editor's window, shown or not; null when there is none.
HWND FindEditor() {
    struct cFind {
        static BOOL CALLBACK Next(HWND wnd, LPARAM found) {
            if (WindowText(wnd) != "コマンド") return TRUE;
            *reinterpret_cast<HWND*>(found) = wnd;
            return FALSE;
        }
    };
    HWND editor = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), cFind::Next, reinterpret_cast<LPARAM>(&editor));
    return editor;
}

cFlowCmd ItemCmd(int type) {
    cFlowCmd cmd;
    cmd.m_CmdSet = 1;
    cmd.m_CmdType = static_cast<uint8_t>(type);
    if (type >= 1 && type < kItemCommandTypes) cmd.m_Params.assign(static_cast<size_t>(ItemCommandTypes[type].m_Value), 0);
    // The warp's movement record, as its dialog gives it one.
    if (type == 5) cmd.m_Move = cEdMove::Create();
    return cmd;
}

// The caption of the dialog an item command type opens, and a control only that dialog has.
struct cItemDialog {
    const char* caption;
    uint16_t ctrl;
};
cItemDialog DialogOf(int type) {
    switch (type) {
    case eItemCmdFlowChange: return {"フローの操作", IDC_FLOWCHG_FLOWS};
    case 7: return {"ステータスの操作", IDC_SOP_LEFT_NUMBER};  // template 215
    case 21: return {"コードの実行", IDC_CODE_TEXT};          // template 252
    default: return {ItemCommandTypes[type].m_Name, IDC_CMD_OK};
    }
}

// A flow data window that records what it was handed and, on OK, gives the flows a command.
struct cFakeFlowData {
    static cFakeFlowData*& Current() {
        static cFakeFlowData* current = nullptr;
        return current;
    }
    static int Run(cRecordVector<cFlow>& flows, int operation, int flowId, cChildWnd* parent, cWndGroup*) {
        cFakeFlowData& self = *Current();
        ++self.runs;
        self.handed = flows;
        self.operation = operation;
        self.flowId = flowId;
        self.hadParent = parent != nullptr && parent->GetHwnd() != nullptr;
        if (!self.confirm) return 0;
        for (cFlow& flow : flows) flow.m_Commands.resize(flow.m_Commands.size() + 1);
        return 1;
    }
    cFakeFlowData() {
        Current() = this;
        SetFlowDataRunner(Run);
    }
    ~cFakeFlowData() {
        SetFlowDataRunner(nullptr);
        Current() = nullptr;
    }
    bool confirm = true;
    int runs = 0;
    cRecordVector<cFlow> handed;
    int operation = -2;
    int flowId = -2;
    bool hadParent = false;
};

class ItemFlowEditor : public CmdDlgTest {
protected:
    cSampleVarNames m_Names;
};

TEST_F(ItemFlowEditor, OffersTheItemCommandTypes) {
    cFlowCmd cmd = ItemCmd(0);
    DriveCaptioned("コマンド", [](HWND editor) {
        for (int row = 1; row <= 45; ++row) {
            uint16_t id = CmdButtonId(row);
            HWND button = GetDlgItem(editor, id);
            ASSERT_NE(nullptr, button) << id;
            if (row <= 21) {
                EXPECT_EQ(ItemCommandTypes[row].m_Name, WindowText(button)) << id;
                EXPECT_TRUE(IsWindowVisible(button)) << id;
            } else {
                EXPECT_FALSE(IsWindowVisible(button)) << id;
            }
        }
        EXPECT_NE(nullptr, GetDlgItem(editor, IDC_ITEM_FLOW_PICTURE));
        EXPECT_EQ(nullptr, GetDlgItem(editor, IDC_CMD_BUTTON_GAP));
        SendMessageA(editor, WM_CLOSE, 0, 0);
    });
    cRecordVector<cFlowCmd> cmds;
    EXPECT_EQ(0, AddItemCmdThroughPicker(cmds, 0, 10, nullptr, nullptr));
    EXPECT_TRUE(cmds.empty());
}

// Every type, new and edited: a new command takes the item flag, the pressed button's type and
// its type's number of values before its dialog opens; an existing one opens its dialog at once,
// the buttons never shown. The editor ends with the dialog's result.
TEST_F(ItemFlowEditor, EachTypeReachesItsDialogNewAndEdited) {
    for (int type = 1; type < kItemCommandTypes; ++type) {
        cItemDialog expected = DialogOf(type);
        size_t values = static_cast<size_t>(ItemCommandTypes[type].m_Value);
        cRecordVector<cFlowCmd> cmds(1);
        cmds[0].m_Time = 7;
        bool opened = false;
        DriveCaptioned("コマンド", [&](HWND editor) {
            DriveCaptioned(expected.caption, [&](HWND dlg) {
                opened = true;
                EXPECT_NE(nullptr, GetDlgItem(dlg, expected.ctrl)) << type;
                EXPECT_FALSE(IsWindowVisible(editor)) << type;
                ASSERT_EQ(2u, cmds.size());
                EXPECT_EQ(1, cmds[0].m_CmdSet) << type;
                EXPECT_EQ(type, cmds[0].m_CmdType);
                EXPECT_EQ(values, cmds[0].m_Params.size()) << type;
                Press(dlg, IDC_CMD_CANCEL);
            });
            Press(editor, CmdButtonId(type));
        });
        EXPECT_EQ(0, AddItemCmdThroughPicker(cmds, 0, 10, nullptr, nullptr)) << type;
        EXPECT_TRUE(opened) << type;
        ASSERT_EQ(1u, cmds.size());
        EXPECT_EQ(7, cmds[0].m_Time);

        cFlowCmd cmd = ItemCmd(type);
        cFlowCmd before = cmd;
        opened = false;
        DriveCaptioned(expected.caption, [&](HWND dlg) {
            opened = true;
            EXPECT_NE(nullptr, GetDlgItem(dlg, expected.ctrl)) << type;
            HWND editor = FindEditor();
            EXPECT_TRUE(editor && !IsWindowVisible(editor)) << type;
            Press(dlg, IDC_CMD_CANCEL);
        });
        EXPECT_EQ(0, EditItemCmdThroughPicker(cmd, nullptr, nullptr)) << type;
        EXPECT_TRUE(opened) << type;
        EXPECT_TRUE(cmd == before) << type;
    }
}

// The status operation as an item command: its 18 values, OK kept, and the list line of the
// chara type it runs as; values from a file outside the lists open it all the same.
TEST_F(ItemFlowEditor, StatusOperationKeepsItsEighteenValues) {
    cRecordVector<cFlowCmd> cmds;
    DriveCaptioned("コマンド", [&](HWND editor) {
        DriveCaptioned("ステータスの操作", [&](HWND dlg) { Press(dlg, IDC_CMD_OK); });
        Press(editor, CmdButtonId(7));
    });
    EXPECT_EQ(1, AddItemCmdThroughPicker(cmds, 0, 10, nullptr, nullptr));
    ASSERT_EQ(1u, cmds.size());
    EXPECT_EQ(18u, cmds[0].m_Params.size());
    cFlowCmd chara = cmds[0];
    chara.m_CmdSet = 0;
    chara.m_CmdType = 22;
    std::string itemLine, charaLine;
    CmdRowText(cmds[0], &itemLine);
    CmdRowText(chara, &charaLine);
    EXPECT_EQ(charaLine, itemLine);

    cFlowCmd wild = ItemCmd(7);
    for (int32_t& value : wild.m_Params) value = 12345;
    cFlowCmd before = wild;
    DriveCaptioned("ステータスの操作", [](HWND dlg) { Press(dlg, IDC_CMD_OK); });
    EXPECT_EQ(1, EditItemCmdThroughPicker(wild, nullptr, nullptr));
    EXPECT_EQ(18u, wild.m_Params.size());
    EXPECT_EQ(1, wild.m_CmdSet);
    EXPECT_EQ(7, wild.m_CmdType);
}

// A type no button offers (from a file): an empty row, no dialog, the edit ends as cancelled
// and the command stays as it was. Nothing is driven: a window that opened would hang the test.
TEST_F(ItemFlowEditor, TypeOutsideTheTableOpensNothing) {
    for (int type : {0, 22, 37, 255}) {
        cFlowCmd cmd = ItemCmd(type);
        cmd.m_Params = {1, 2, 3};
        cFlowCmd before = cmd;
        std::string line = "x";
        CmdRowText(cmd, &line);
        EXPECT_EQ("", line) << type;
        EXPECT_EQ(0, EditItemCmdThroughPicker(cmd, nullptr, nullptr)) << type;
        EXPECT_TRUE(cmd == before) << type;
    }
}

TEST_F(ItemFlowEditor, FullListBeepsAndOpensNothing) {
    cRecordVector<cFlowCmd> cmds(3);
    EXPECT_EQ(0, AddItemCmdThroughPicker(cmds, 1, 3, nullptr, nullptr));
    EXPECT_EQ(3u, cmds.size());
    EXPECT_EQ(0, AddItemCmdThroughPicker(cmds, 4, 10, nullptr, nullptr));
    EXPECT_EQ(3u, cmds.size());
}

class FlowChangeDlg : public ItemFlowEditor {
protected:
    int RunChange(cFlowCmd& cmd, int isNew, std::function<void(HWND)> drive) {
        return Run<cCmdFlowChangeDlg>(cmd, isNew, IDD_CMD_FLOW_CHANGE, "フローの操作", std::move(drive));
    }
};

TEST_F(FlowChangeDlg, OperationAndFlowWriteTheirValues) {
    for (uint16_t id : {IDC_FLOWCHG_OP, IDC_FLOWCHG_ID, IDC_FLOWCHG_FLOWS, IDC_CMD_OK, IDC_CMD_CANCEL}) {
        cFlowCmd cmd = ItemCmd(1);
        RunChange(cmd, 0, [id](HWND dlg) {
            EXPECT_NE(nullptr, GetDlgItem(dlg, id)) << id;
            Press(dlg, IDC_CMD_CANCEL);
        });
    }
    cFlowCmd written = ItemCmd(1);
    ASSERT_EQ(1, RunChange(written, 1, PressOk));
    EXPECT_EQ((std::vector<int32_t>{0, 0}), written.m_Params);
    struct cRow {
        cCtrlAction action;
        std::vector<int32_t> params;
    };
    const cRow rows[] = {
        {Choose(IDC_FLOWCHG_OP, 0), {0, 3}},
        {Choose(IDC_FLOWCHG_OP, 2), {2, 3}},
        {Choose(IDC_FLOWCHG_ID, 26), {1, 26}},
    };
    for (const cRow& row : rows) {
        cFlowCmd cmd = written;
        cmd.m_Params = {1, 3};
        cCtrlAction action = row.action;
        EXPECT_EQ(1, RunChange(cmd, 0, [action](HWND dlg) {
            Act(dlg, action);
            Press(dlg, IDC_CMD_OK);
        }));
        EXPECT_EQ(row.params, cmd.m_Params) << row.action.id;
    }
    for (bool close : {false, true}) {
        cFlowCmd cmd = written;
        EXPECT_EQ(0, RunChange(cmd, 0, [close](HWND dlg) {
            Act(dlg, Choose(IDC_FLOWCHG_OP, 2));
            Act(dlg, Choose(IDC_FLOWCHG_ID, 5));
            CancelOrClose(dlg, close);
        }));
        EXPECT_TRUE(cmd == written) << close;
    }
}

// Adding names no flow; deleting, whatever it deletes, has no flows to edit.
TEST_F(FlowChangeDlg, EnablesFollowTheOperation) {
    struct cCase {
        int operation;
        int flow;
        bool flowEnabled;
        bool buttonEnabled;
    };
    const cCase cases[] = {{0, 0, false, true}, {1, 3, true, true}, {2, 0, true, false}, {2, 4, true, false}};
    for (const cCase& c : cases) {
        cFlowCmd cmd = ItemCmd(1);
        RunChange(cmd, 0, [c](HWND dlg) {
            Act(dlg, Choose(IDC_FLOWCHG_OP, c.operation));
            Act(dlg, Choose(IDC_FLOWCHG_ID, c.flow));
            EXPECT_EQ(c.flowEnabled, IsEnabledCtrl(dlg, IDC_FLOWCHG_ID)) << c.operation;
            EXPECT_EQ(c.buttonEnabled, IsEnabledCtrl(dlg, IDC_FLOWCHG_FLOWS)) << c.operation;
            Press(dlg, IDC_CMD_CANCEL);
        });
    }
    // Opening shows the stored operation's enables; one from a file leaves both free.
    for (int32_t operation : {2, 9}) {
        cFlowCmd cmd = ItemCmd(1);
        cmd.m_Params = {operation, 0};
        RunChange(cmd, 0, [operation](HWND dlg) {
            EXPECT_EQ(operation != 2, IsEnabledCtrl(dlg, IDC_FLOWCHG_FLOWS));
            EXPECT_TRUE(IsEnabledCtrl(dlg, IDC_FLOWCHG_ID));
            Press(dlg, IDC_CMD_OK);
        });
        EXPECT_EQ(operation, cmd.m_Params[0]);
    }
}

// The flow data window gets the chosen operation and flow and the command's flows (one new
// flow when it has none); what it confirmed becomes the command's at OK, and Cancel of either
// window leaves the command's flows as they were.
TEST_F(FlowChangeDlg, FlowButtonEditsTheCommandsFlows) {
    cFakeFlowData window;
    cFlowCmd cmd = ItemCmd(1);
    EXPECT_EQ(1, RunChange(cmd, 0, [](HWND dlg) {
        Act(dlg, Choose(IDC_FLOWCHG_OP, 1));
        Act(dlg, Choose(IDC_FLOWCHG_ID, 3));
        Press(dlg, IDC_FLOWCHG_FLOWS);
        Press(dlg, IDC_CMD_OK);
    }));
    EXPECT_EQ(1, window.runs);
    EXPECT_EQ(1, window.operation);
    EXPECT_EQ(3, window.flowId);
    EXPECT_TRUE(window.hadParent);
    EXPECT_EQ(1u, window.handed.size());
    ASSERT_EQ(1u, cmd.m_SubFlows.size());
    EXPECT_EQ(1u, cmd.m_SubFlows[0].m_Commands.size());
    EXPECT_EQ((std::vector<int32_t>{1, 3}), cmd.m_Params);

    // A second edit starts from the stored flows; the command dialog's Cancel drops it.
    cFlowCmd stored = cmd;
    EXPECT_EQ(0, RunChange(cmd, 0, [](HWND dlg) {
        Press(dlg, IDC_FLOWCHG_FLOWS);
        Press(dlg, IDC_CMD_CANCEL);
    }));
    EXPECT_EQ(2, window.runs);
    ASSERT_EQ(1u, window.handed.size());
    EXPECT_EQ(1u, window.handed[0].m_Commands.size());
    EXPECT_TRUE(cmd == stored);

    // The flow data window cancelled: OK stores the flows as they were.
    window.confirm = false;
    EXPECT_EQ(1, RunChange(cmd, 0, [](HWND dlg) {
        Press(dlg, IDC_FLOWCHG_FLOWS);
        Press(dlg, IDC_CMD_OK);
    }));
    EXPECT_TRUE(cmd == stored);
}

// Reached from the editor: the button of "フローの変更" opens it with the item flag set.
TEST_F(FlowChangeDlg, DeletingAllLeavesNoFlowsToEditFromTheEditor) {
    cRecordVector<cFlowCmd> cmds;
    DriveCaptioned("コマンド", [](HWND editor) {
        DriveCaptioned("フローの操作", [](HWND dlg) {
            Act(dlg, Choose(IDC_FLOWCHG_OP, 2));
            Act(dlg, Choose(IDC_FLOWCHG_ID, 0));
            EXPECT_FALSE(IsEnabledCtrl(dlg, IDC_FLOWCHG_FLOWS));
            Press(dlg, IDC_CMD_OK);
        });
        Press(editor, CmdButtonId(1));
    });
    EXPECT_EQ(1, AddItemCmdThroughPicker(cmds, 0, 10, nullptr, nullptr));
    ASSERT_EQ(1u, cmds.size());
    EXPECT_EQ(1, cmds[0].m_CmdSet);
    EXPECT_EQ(1, cmds[0].m_CmdType);
    EXPECT_EQ((std::vector<int32_t>{2, 0}), cmds[0].m_Params);
    EXPECT_TRUE(cmds[0].m_SubFlows.empty());
}

}  // namespace
