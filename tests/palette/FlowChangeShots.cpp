// Pictures of the item flow editor, the dialog of "フローの変更" and the flow data window for the
// documentation. Runs only with KIT_DIALOG_SHOTS naming a folder: the windows are saved there as
// editor.bmp, change.bmp and flows.bmp (tools/flow/item_flow_sheet.sh makes the sheet of them).
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "data/Flow.h"
#include "data/FlowTables.h"
#include "editor/flow/CmdFlowChangeDlg.h"
#include "editor/flow/ItemFlowDlg.h"
#include "editor/flow/ItemFlowIds.h"
#include "editor/palette/CharaActionPage.h"
#include "tests/support/DialogDriver.h"
#include "tools/shots/WindowPicture.h"

namespace {

// The window on top and drawn whole before the screen is read.
void Picture(HWND wnd, const std::string& path) {
    SetWindowPos(wnd, HWND_TOPMOST, 20, 20, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    for (DWORD start = GetTickCount(); GetTickCount() - start < 300;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        Sleep(10);
    }
    EXPECT_TRUE(SaveWindowPicture(wnd, path)) << path;
}

void Press(HWND dlg, uint16_t id) {
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dlg, id)));
}

TEST(FlowChangeShots, PicturesOfTheItemFlowEditor) {
    const char* folder = getenv("KIT_DIALOG_SHOTS");
    if (!folder) GTEST_SKIP() << "KIT_DIALOG_SHOTS names no folder";
    std::string base = std::string(folder) + "/";
    SetFlowDataRunner(RunFlowDataWindow);
    cRecordVector<cFlowCmd> cmds;
    DriveCaptioned("コマンド", [base](HWND editor) {
        Picture(editor, base + "editor.bmp");
        SendMessageA(editor, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(0, AddItemCmdThroughPicker(cmds, 0, 10, nullptr, nullptr));

    // "変更" of C with a flow of three commands.
    cFlowCmd cmd;
    cmd.m_CmdSet = 1;
    cmd.m_CmdType = eItemCmdFlowChange;
    cmd.m_Params = {1, 3};
    cmd.m_SubFlows.resize(1);
    cFlow& flow = cmd.m_SubFlows[0];
    flow.m_Group = 2;
    for (int type : {1, 9, 18}) {
        cFlowCmd sub;
        sub.m_CmdType = static_cast<uint8_t>(type);
        sub.m_Time = 10;
        sub.m_Params.assign(static_cast<size_t>(CharaCommandTypes[type].m_Value), 0);
        flow.m_Commands.push_back(sub);
    }
    DriveCaptioned("フローの操作", [base](HWND change) {
        Picture(change, base + "change.bmp");
        DriveCaptioned("フローデータ", [base](HWND flows) {
            Picture(flows, base + "flows.bmp");
            Press(flows, 1001);
        });
        Press(change, IDC_FLOWCHG_FLOWS);
        Press(change, 1001);
    });
    EXPECT_EQ(0, EditItemCmdThroughPicker(cmd, nullptr, nullptr));
    SetFlowDataRunner(nullptr);
}

}  // namespace
