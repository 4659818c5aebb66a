// The flow data window: the action page run on its own from the dialog of the item command
// "フローの変更", over the command's flows; a flow ID fixed by "変更"; OK writing the flows back,
// Cancel and the close box keeping them.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "data/Flow.h"
#include "data/FlowTables.h"
#include "editor/flow/CmdFlowChangeDlg.h"
#include "editor/flow/FlowCmdIds.h"
#include "editor/flow/ItemFlowDlg.h"
#include "editor/flow/ItemFlowIds.h"
#include "editor/palette/CharaActionPage.h"
#include "editor/palette/CharaIds.h"
#include "tests/framework/ErrorLogOn.h"
#include "tests/support/DialogDriver.h"
#include "tests/support/TempDir.h"

namespace {

std::string Text(HWND wnd) {
    char text[256] = "";
    GetWindowTextA(wnd, text, sizeof text);
    return text;
}

void PressButton(HWND dlg, uint16_t id) {
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dlg, id)));
}

void Choose(HWND dlg, uint16_t id, int pos) {
    HWND combo = GetDlgItem(dlg, id);
    SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(pos), 0);
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

bool Shown(HWND dlg, uint16_t id) { return IsWindowVisible(GetDlgItem(dlg, id)) != FALSE; }
bool Enabled(HWND dlg, uint16_t id) { return IsWindowEnabled(GetDlgItem(dlg, id)) != FALSE; }

cFlowCmd FlowChange(int operation, int flowId) {
    cFlowCmd cmd;
    cmd.m_CmdSet = 1;
    cmd.m_CmdType = eItemCmdFlowChange;
    cmd.m_Params = {operation, flowId};
    return cmd;
}

class FlowDataWindow : public testing::Test {
protected:
    FlowDataWindow() { SetFlowDataRunner(RunFlowDataWindow); }
    ~FlowDataWindow() override { SetFlowDataRunner(nullptr); }

    // Edits the command from the item flow editor: its dialog opens at once, the flow button
    // opens the flow data window, which `drive` acts on; then the command dialog's `end`.
    int EditFlows(cFlowCmd& cmd, std::function<void(HWND)> drive, uint16_t end = IDC_CMD_OK) {
        DriveCaptioned("フローの操作", [drive, end](HWND change) {
            DriveCaptioned("フローデータ", drive);
            PressButton(change, IDC_FLOWCHG_FLOWS);
            PressButton(change, end);
        });
        return EditItemCmdThroughPicker(cmd, nullptr, nullptr);
    }

    cTempDir m_Dir;
    cErrorLogOn m_Log{"EC_Test.txt"};
};

// "変更" of C: the window shows C in a disabled ID combo, without the chara sheet's number,
// arrows, preview and inherit check; its OK and the command's OK give the command the flow.
TEST_F(FlowDataWindow, ChangingFlowCFixesItsIdAndOkWritesTheFlowsBack) {
    cFlowCmd cmd = FlowChange(1, 3);
    bool opened = false;
    EXPECT_EQ(1, EditFlows(cmd, [&opened](HWND data) {
        opened = true;
        EXPECT_EQ("C", Text(GetDlgItem(data, IDC_CF_ID)));
        EXPECT_FALSE(Enabled(data, IDC_CF_ID));
        EXPECT_TRUE(Enabled(data, IDC_CF_GROUP));
        EXPECT_FALSE(Enabled(data, IDC_CH_INHERIT_FIRST));
        for (uint16_t id : {IDC_CH_NUMBER, IDC_CH_PREV, IDC_CH_NEXT, IDC_CH_PREVIEW}) EXPECT_FALSE(Shown(data, id)) << id;
        for (uint16_t id : {IDC_CF_OK, IDC_CF_CANCEL}) EXPECT_TRUE(Shown(data, id)) << id;
        Choose(data, IDC_CF_TIMING, 4);
        PressButton(data, IDC_CF_OK);
    }));
    EXPECT_TRUE(opened);
    ASSERT_EQ(1u, cmd.m_SubFlows.size());
    EXPECT_EQ(3, cmd.m_SubFlows[0].m_Id);
    EXPECT_EQ(4, cmd.m_SubFlows[0].m_Trigger);
    EXPECT_EQ((std::vector<int32_t>{1, 3}), cmd.m_Params);
}

// Every flow of the window takes the fixed ID, the ones added in it too.
TEST_F(FlowDataWindow, EveryFlowTakesTheFixedId) {
    cFlowCmd cmd = FlowChange(1, 26);
    cmd.m_SubFlows.resize(2);
    cmd.m_SubFlows[0].m_Id = 1;
    cmd.m_SubFlows[1].m_Id = 2;
    EXPECT_EQ(1, EditFlows(cmd, [](HWND data) {
        PressButton(data, IDC_CF_FLOW_INSERT);
        EXPECT_EQ("Z", Text(GetDlgItem(data, IDC_CF_ID)));
        PressButton(data, IDC_CF_OK);
    }));
    ASSERT_EQ(3u, cmd.m_SubFlows.size());
    for (const cFlow& flow : cmd.m_SubFlows) EXPECT_EQ(26, flow.m_Id);
}

// Adding fixes nothing: the ID combo stays free and keeps what is chosen.
TEST_F(FlowDataWindow, AddingLeavesTheIdFree) {
    cFlowCmd cmd = FlowChange(0, 3);
    EXPECT_EQ(1, EditFlows(cmd, [](HWND data) {
        EXPECT_TRUE(Enabled(data, IDC_CF_ID));
        EXPECT_EQ("-", Text(GetDlgItem(data, IDC_CF_ID)));
        Choose(data, IDC_CF_ID, 5);
        PressButton(data, IDC_CF_OK);
    }));
    ASSERT_EQ(1u, cmd.m_SubFlows.size());
    EXPECT_EQ(5, cmd.m_SubFlows[0].m_Id);
}

// The window's Cancel or close box, or the command dialog's Cancel after the window's OK, leave
// the command's flows as they were.
TEST_F(FlowDataWindow, CancelAnywhereKeepsTheFlows) {
    cFlowCmd cmd = FlowChange(1, 3);
    cmd.m_SubFlows.resize(1);
    cmd.m_SubFlows[0].m_Trigger = 2;
    cFlowCmd before = cmd;
    auto change = [](HWND data) { Choose(data, IDC_CF_TIMING, 5); };
    EXPECT_EQ(1, EditFlows(cmd, [change](HWND data) {
        change(data);
        PressButton(data, IDC_CF_CANCEL);
    }));
    EXPECT_TRUE(cmd == before);
    EXPECT_EQ(1, EditFlows(cmd, [change](HWND data) {
        change(data);
        SendMessageA(data, WM_CLOSE, 0, 0);
    }));
    EXPECT_TRUE(cmd == before);
    EXPECT_EQ(0, EditFlows(
                     cmd,
                     [change](HWND data) {
                         change(data);
                         PressButton(data, IDC_CF_OK);
                     },
                     IDC_CMD_CANCEL));
    EXPECT_TRUE(cmd == before);
}

}  // namespace
