// The action page of the chara data sheet: the row texts of its lists, the flow list that never
// empties, the row dialogs opened from the lists (and a Cancel that removes only the new row),
// the clipboards between flows and charas, the timing note and the append row.
#include <gtest/gtest.h>

#include <vector>

#include "data/FlowTables.h"
#include "editor/flow/CmdDlg.h"
#include "editor/flow/CondIds.h"
#include "editor/flow/FlowCmdIds.h"
#include "editor/palette/CharaActionPage.h"
#include "editor/palette/CharaIds.h"
#include "editor/palette/FlowLists.h"
#include "tests/palette/CharaFixture.h"
#include "tests/support/DialogDriver.h"

namespace {

const int kAction = 3;

cKeyCond KeyCond(int from, int to, std::vector<int> keys, int judge) {
    cKeyCond cond;
    cond.m_PressMin = static_cast<uint16_t>(from);
    cond.m_PressMax = static_cast<uint16_t>(to);
    cond.m_KeyJudge = static_cast<uint8_t>(judge);
    for (int key : keys) cond.m_KeyStates[static_cast<size_t>(key)] = 1;
    return cond;
}

cFlow Flow(int id, std::vector<int> keyStarts) {
    cFlow flow;
    flow.m_Id = static_cast<uint8_t>(id);
    for (int start : keyStarts) flow.m_KeyConds.push_back(KeyCond(start, start + 1, {eKeyZ}, 0));
    return flow;
}

std::vector<int> KeyStarts(const cFlow& flow) {
    std::vector<int> starts;
    for (const cKeyCond& cond : flow.m_KeyConds) starts.push_back(cond.m_PressMin);
    return starts;
}

cEdChara& StageChara(int index) { return ProjectStage().m_Palette.m_Charas[static_cast<size_t>(index)]; }

// The sheet on the action page of stage chara 1, whose flows the test gives.
class cActionPage : public cCharaWindows {
public:
    // The next chara (2) gets the flows `next`.
    explicit cActionPage(std::vector<cFlow> flows, std::vector<cFlow> next = {}) : cCharaWindows(4, 4) {
        StageChara(1).m_Flows.assign(flows.begin(), flows.end());
        StageChara(2).m_Flows.assign(next.begin(), next.end());
        EditElement(kStagePalette, 1);
        ShowPage(kAction);
    }
    cCharaActionPage& Page() const { return *dynamic_cast<cCharaActionPage*>(Sheet()->Page(kAction)); }
    HWND List(int id) const { return GetDlgItem(PageWnd(kAction), id); }
    int Rows(int id) const { return static_cast<int>(SendMessageA(List(id), LB_GETCOUNT, 0, 0)); }
    std::string Row(int id, int row) const {
        char text[256] = "";
        SendMessageA(List(id), LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
        return text;
    }
    // Selects the rows, the caret on the last, as a shift-click would.
    void SelectRows(int id, std::vector<int> rows) const {
        HWND list = List(id);
        SendMessageA(list, LB_SETSEL, FALSE, -1);
        for (int row : rows) SendMessageA(list, LB_SETSEL, TRUE, row);
        SendMessageA(list, LB_SETCARETINDEX, static_cast<WPARAM>(rows.back()), FALSE);
        SendMessageA(PageWnd(kAction), WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
        PumpEditor();
    }
    bool IsSelected(int id, int row) const { return SendMessageA(List(id), LB_GETSEL, static_cast<WPARAM>(row), 0) > 0; }
    // An accelerator or popup command while the list has the focus.
    void ListCommand(int id, int command) const {
        SetFocus(List(id));
        SendMessageA(PageWnd(kAction), WM_COMMAND, static_cast<WPARAM>(command), 0);
        PumpEditor();
    }
    const cRecordVector<cFlow>& Flows() const { return Page().Record().m_Flows; }
};

}  // namespace

TEST(CharaActionRows, FlowAndKeyConditionTexts) {
    cFlow flow;
    flow.m_Commands.resize(3);
    flow.m_Group = 2;
    flow.m_Id = 3;
    std::string text;
    FlowRowText(&text, 0, &flow);
    EXPECT_EQ(text, "×3 b C");
    flow.m_Group = 40;  // outside its table: no letter
    FlowRowText(&text, 0, &flow);
    EXPECT_EQ(text, "×3  C");

    struct cCase {
        cKeyCond cond;
        bool open;
        const char* text;
    } cases[] = {
        {KeyCond(3, 7, {eKeyLeft, eKeyZ}, 0), false, "3～7 ： ← + Z "},
        {KeyCond(3, 7, {eKeyLeft, eKeyZ}, 2), true, "1～∞ ： ← / Z "},
        {KeyCond(3, 7, {eKeyF}, 1), false, "3～7 ： F "},
        {KeyCond(3, 7, {}, 0), false, "3～7 ： "},
        {KeyCond(0, 2, {eKeyLeft, eKeyZ}, 9), false, "0～2 ： ←  Z "},
    };
    for (cCase& c : cases) {
        c.cond.m_PressOpen = c.open ? 1 : 0;
        KeyCondRowText(&text, 0, &c.cond);
        EXPECT_EQ(text, c.text);
    }
}

TEST(CharaAction, TheFlowListShowsNumberedRowsAndNeverEmpties) {
    cFlow flow = Flow(3, {});
    flow.m_Group = 2;
    flow.m_Commands.resize(3);
    cActionPage page({flow});
    EXPECT_EQ(page.Row(IDC_CF_FLOWS, 0), "1 ×3 b C");
    EXPECT_EQ(page.Rows(IDC_CF_FLOWS), 2) << "the flow and the append row";
    page.Click(kAction, IDC_CF_FLOW_DELETE);
    EXPECT_EQ(page.Flows().size(), 1u);
    // Cutting the only flow copies it and keeps it.
    page.ListCommand(IDC_CF_FLOWS, 40009);
    EXPECT_EQ(page.Flows().size(), 1u);
    EXPECT_EQ(page.Page().Flows().GetClipboard().size(), 1u);
}

TEST(CharaAction, DeleteWithEveryFlowSelectedKeepsTheLast) {
    cActionPage page({Flow(1, {}), Flow(2, {}), Flow(3, {})});
    page.SelectRows(IDC_CF_FLOWS, {0, 1, 2});
    page.ListCommand(IDC_CF_FLOWS, 40032);
    ASSERT_EQ(page.Flows().size(), 1u);
    EXPECT_EQ(page.Flows()[0].m_Id, 3);
}

TEST(CharaAction, CtrlIInsertsAFlowAtOnceAndACommandThroughItsDialog) {
    cActionPage page({Flow(1, {}), Flow(2, {})});
    page.SelectRows(IDC_CF_FLOWS, {1});
    page.ListCommand(IDC_CF_FLOWS, 40033);
    ASSERT_EQ(page.Flows().size(), 3u);
    EXPECT_EQ(page.Flows()[1].m_Id, 0) << "a default flow before the current one";
    EXPECT_EQ(page.Flows()[2].m_Id, 2);
    bool opened = false;
    DriveDialog(CaptionIs("コマンド"), [&](HWND dlg) {
        opened = true;
        SendMessageA(dlg, WM_CLOSE, 0, 0);
    });
    page.ListCommand(IDC_CF_CMDS, ID_CF_CMD_INSERT_KEY);
    EXPECT_TRUE(opened);
    EXPECT_EQ(page.Rows(IDC_CF_CMDS), 1) << "the cancelled command is gone";
}

TEST(CharaAction, ACancelledInsertRemovesOnlyTheNewRow) {
    cActionPage page({Flow(1, {10, 20, 30})});
    page.SelectRows(IDC_CF_KEYS, {0, 1});
    bool opened = false;
    DriveDialog(CaptionIs("キー条件"), [&](HWND dlg) {
        opened = true;
        SendMessageA(dlg, WM_COMMAND, IDC_COND_CANCEL, 0);
    });
    page.Click(kAction, IDC_CF_KEY_INSERT);
    EXPECT_TRUE(opened);
    EXPECT_EQ(KeyStarts(page.Flows()[0]), (std::vector<int>{10, 20, 30}));
    EXPECT_TRUE(page.IsSelected(IDC_CF_KEYS, 0));
    EXPECT_TRUE(page.IsSelected(IDC_CF_KEYS, 1));
    EXPECT_FALSE(page.IsSelected(IDC_CF_KEYS, 2));
}

TEST(CharaAction, ACommandChosenInThePickerReachesTheFlowAndReopensInItsDialog) {
    struct cCase {
        int type;
        const char* caption;
    } cases[] = {{::eCmdWait, "ウエイト"}, {11, "ショット"}, {::eCmdSword, "ソード"},
                 {13, "ブロック召喚"}, {14, "キャラ召喚"}, {15, "アイテム召喚"}};
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.caption);
        cActionPage page({Flow(1, {})});
        std::string caption = c.caption;
        DriveDialog(CaptionIs("コマンド"), [&](HWND picker) {
            DriveDialog(CaptionIs(caption.c_str()), [](HWND dlg) { SendMessageA(dlg, WM_COMMAND, IDC_CMD_OK, 0); });
            uint16_t button = CmdButtonId(c.type);
            SendMessageA(picker, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(picker, button)));
        });
        page.Click(kAction, IDC_CF_CMD_INSERT);
        ASSERT_EQ(page.Flows()[0].m_Commands.size(), 1u);
        EXPECT_EQ(page.Flows()[0].m_Commands[0].m_CmdType, c.type);
        EXPECT_EQ(page.Row(IDC_CF_FLOWS, 0), "1 ×1 - A");
        EXPECT_FALSE(page.Row(IDC_CF_CMDS, 0).empty());
        // 編集 opens the command's own dialog at once; its Cancel changes nothing.
        const cFlowCmd before = page.Flows()[0].m_Commands[0];
        bool reopened = false;
        DriveDialog(CaptionIs(caption.c_str()), [&](HWND dlg) {
            reopened = true;
            SendMessageA(dlg, WM_COMMAND, IDC_CMD_CANCEL, 0);
        });
        page.SelectRows(IDC_CF_CMDS, {0});
        page.Click(kAction, IDC_CF_CMD_EDIT);
        EXPECT_TRUE(reopened);
        EXPECT_TRUE(page.Flows()[0].m_Commands[0] == before);
        page.SheetButton(IDOK);
        ASSERT_EQ(StageChara(1).m_Flows[0].m_Commands.size(), 1u);
        EXPECT_EQ(StageChara(1).m_Flows[0].m_Commands[0].m_CmdType, c.type);
    }
}

// A full command list takes no new command: no picker opens (none would be answered) and the
// flow keeps its commands.
TEST(CharaAction, AFullCommandListOpensNoPicker) {
    cFlow flow = Flow(1, {});
    flow.m_Commands.assign(kMaxFlowCmds, cFlowCmd());
    for (cFlowCmd& cmd : flow.m_Commands) cmd.m_CmdType = ::eCmdWait;
    cActionPage page({flow});
    page.SelectRows(IDC_CF_CMDS, {0});
    page.Click(kAction, IDC_CF_CMD_INSERT);
    EXPECT_EQ(page.Flows()[0].m_Commands.size(), static_cast<size_t>(kMaxFlowCmds));
}

// A command dialog opens where the chara data sheet stands when it opens, after the sheet was
// moved.
TEST(CharaAction, ACommandDialogOpensOverTheSheetWhereItStandsNow) {
    cFlow flow = Flow(1, {});
    flow.m_Commands.assign(1, cFlowCmd());
    flow.m_Commands[0].m_CmdType = ::eCmdWait;
    cActionPage page({flow});
    HWND sheet = page.Sheet()->GetHwnd();
    for (POINT to : {POINT{37, 21}, POINT{140, 96}}) {
        SetWindowPos(sheet, nullptr, to.x, to.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        PumpEditor();
        RECT at = {};
        DriveDialog(CaptionIs("ウエイト"), [&at](HWND dlg) {
            GetWindowRect(dlg, &at);
            SendMessageA(dlg, WM_COMMAND, IDC_CMD_CANCEL, 0);
        });
        page.SelectRows(IDC_CF_CMDS, {0});
        page.Click(kAction, IDC_CF_CMD_EDIT);
        EXPECT_EQ(to.x, at.left);
        EXPECT_EQ(to.y, at.top);
    }
}

TEST(CharaAction, TheTimingNoteFollowsTheTiming) {
    cActionPage page({Flow(1, {})});
    struct cCase {
        int timing;
        const char* note;
    } cases[] = {
        {eTriggerBeforeStart, "※移動・アクション系以外の並列実行コマンド（P-）のみ実行可"},
        {eTriggerAlways, " "},
        {eTriggerDeath, "※実行時間0の並列実行コマンド（P-0）のみ実行可"},
    };
    for (const cCase& c : cases) {
        page.Choose(kAction, IDC_CF_TIMING, c.timing);
        EXPECT_EQ(page.Text(kAction, IDC_CF_NOTE), c.note);
        EXPECT_EQ(page.Flows()[0].m_Trigger, c.timing) << "the flow takes the timing at once";
    }
}

TEST(CharaAction, KeyConditionsAreCopiedBetweenFlowsAndCharas) {
    cActionPage page({Flow(1, {1, 2}), Flow(2, {9})}, {Flow(5, {7})});
    page.SelectRows(IDC_CF_KEYS, {0, 1});
    page.ListCommand(IDC_CF_KEYS, 40022);
    page.SelectRows(IDC_CF_FLOWS, {1});
    EXPECT_EQ(page.Rows(IDC_CF_KEYS), 2);
    page.ListCommand(IDC_CF_KEYS, 40027);
    EXPECT_EQ(KeyStarts(page.Flows()[1]), (std::vector<int>{1, 2, 9}));
    EXPECT_EQ(KeyStarts(page.Flows()[0]), (std::vector<int>{1, 2}));
    // The clipboard stays with the list while the sheet steps to the next chara.
    page.Click(kAction, IDC_CH_NEXT);
    EXPECT_EQ(page.Text(kAction, IDC_CH_NUMBER), "No.2");
    page.ListCommand(IDC_CF_KEYS, 40027);
    EXPECT_EQ(KeyStarts(page.Flows()[0]), (std::vector<int>{1, 2, 7}));
    page.SheetButton(IDOK);
    EXPECT_EQ(KeyStarts(StageChara(1).m_Flows[1]), (std::vector<int>{1, 2, 9}));
    EXPECT_EQ(KeyStarts(StageChara(2).m_Flows[0]), (std::vector<int>{1, 2, 7}));
}

TEST(CharaAction, PastingIntoAFullListOrFromAnEmptyClipboardChangesNothing) {
    std::vector<int> full(kMaxKeyConds, 4);
    cActionPage page({Flow(1, full), Flow(2, {3})});
    page.ListCommand(IDC_CF_KEYS, 40027);
    EXPECT_EQ(page.Flows()[0].m_KeyConds.size(), static_cast<size_t>(kMaxKeyConds));
    page.SelectRows(IDC_CF_FLOWS, {1});
    page.ListCommand(IDC_CF_KEYS, 40022);
    page.SelectRows(IDC_CF_FLOWS, {0});
    page.ListCommand(IDC_CF_KEYS, 40027);
    EXPECT_EQ(page.Flows()[0].m_KeyConds.size(), static_cast<size_t>(kMaxKeyConds));
}

TEST(CharaAction, TheAppendRowEditsNothing) {
    cActionPage page({Flow(1, {}), Flow(2, {})});
    page.SelectRows(IDC_CF_FLOWS, {2});
    EXPECT_EQ(page.ComboRow(kAction, IDC_CF_ID), 0) << "a blank flow";
    page.Choose(kAction, IDC_CF_ID, 9);
    page.Choose(kAction, IDC_CF_TIMING, 5);
    ASSERT_EQ(page.Flows().size(), 2u);
    EXPECT_EQ(page.Flows()[0].m_Id, 1);
    EXPECT_EQ(page.Flows()[1].m_Id, 2);
    EXPECT_EQ(page.Flows()[1].m_Trigger, 0);
}
