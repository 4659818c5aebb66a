// The condition list on a page that owns it, driven as the person does: its rows, inserting
// through the condition dialogs (Cancel takes the new row away again, OK moves on), editing,
// the list's own clipboard commands with several rows selected, its limits and the change
// notices to the owner's window.
#include <gtest/gtest.h>

#include "editor/shell/StageDoc.h"
#include "framework/FrameworkIds.h"
#include "tests/flow/CondFixture.h"
#include "tests/framework/TestPage.h"
#include "tests/support/DialogDriver.h"

namespace {

// Distance conditions told apart by their value.
cCondVector Rows(int count) {
    cCondVector conds(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        conds[i].m_Kind = 5;
        conds[i].m_Value = i + 1;
    }
    return conds;
}

std::vector<int> Values(const cCondVector& conds) {
    std::vector<int> values;
    for (const cCondition& c : conds) values.push_back(c.m_Kind == 5 ? c.m_Value : -c.m_Kind);
    return values;
}

class CondListTest : public testing::Test {
public:
    void Open(const cCondVector& conds, bool flowPage = false) {
        m_Conds = conds;
        m_Host = new cCondHost(&m_Group);
        ASSERT_TRUE(m_Host->Create(0, TRUE));
        m_Owner = new cCondOwner(m_Host, &m_Group, &m_Conds, flowPage);
        ASSERT_TRUE(m_Owner->Create(0, TRUE));
        m_Box = GetDlgItem(m_Owner->GetHwnd(), flowPage ? IDC_FLOW_COND_LIST : IDC_COND_LIST);
        PumpPending(&m_Group);
        m_Host->m_Changes = 0;
    }
    void TearDown() override {
        delete m_Owner;
        delete m_Host;
        m_Owner = nullptr;
        m_Host = nullptr;
        PumpPending(&m_Group);
        StageDoc().m_Layer = m_Layer;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        int n = static_cast<int>(SendMessageA(m_Box, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < n; ++i) {
            char text[256] = "";
            SendMessageA(m_Box, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
            texts.push_back(text);
        }
        return texts;
    }
    std::vector<int> Selected() const {
        std::vector<int> rows;
        int n = static_cast<int>(SendMessageA(m_Box, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < n; ++i)
            if (SendMessageA(m_Box, LB_GETSEL, i, 0) > 0) rows.push_back(i);
        return rows;
    }
    // Selects rows as the person does (the first one holds the caret) and gives the list the focus.
    void Pick(std::initializer_list<int> rows) {
        SetFocus(m_Box);
        SendMessageA(m_Box, LB_SETSEL, FALSE, -1);
        for (int r : rows) SendMessageA(m_Box, LB_SETSEL, TRUE, r);
        SendMessageA(m_Box, LB_SETCARETINDEX, *rows.begin(), FALSE);
        SendMessageA(m_Owner->GetHwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(m_Box), LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(m_Box));
    }
    void Command(int id) { SendMessageA(m_Owner->GetHwnd(), WM_COMMAND, id, 0); }
    void Button(int id) { Click(m_Owner->GetHwnd(), id); }
    cCondDataList& List() { return m_Owner->m_Conds.List(); }

    int m_Layer = StageDoc().m_Layer;
    cSampleVarNames m_Names;
    cCondVector m_Conds;
    cWndGroup m_Group;
    cCondHost* m_Host = nullptr;
    cCondOwner* m_Owner = nullptr;
    HWND m_Box = nullptr;
};

// The chooser, then the common variable dialog confirmed as it opens.
void ConfirmNewCommon(cModalSteps& steps) {
    steps.Then("条件", [](HWND dlg) { Click(dlg, IDC_COND_KIND_COMMON); });
    steps.Then("コモン変数条件", [](HWND dlg) { Click(dlg, IDC_COND_OK); });
}

TEST_F(CondListTest, RowsShowEachConditionAndTheAppendRow) {
    cCondVector conds = Rows(2);
    conds[1].m_DistAxis = 6;
    conds[1].m_Compare = 1;
    Open(conds);
    EXPECT_EQ((std::vector<std::string>{"距離条件 ： 横 1 以内", "距離条件 ： 円 2 外",
                                        std::string(64, '-')}),
              Texts());
    EXPECT_NE(0, GetWindowLongA(m_Box, GWL_STYLE) & LBS_EXTENDEDSEL);
}

TEST_F(CondListTest, EveryInsertCommandInsertsOneRowAndOpensTheDialogOnce) {
    struct cWay {
        const char* name;
        bool flowPage;
        std::function<void(CondListTest&)> run;
    };
    const cWay ways[] = {
        {"Ctrl+I at the list", false, [](CondListTest& t) { t.List().OnKey('I', 0, 1); }},
        {"accelerator", false, [](CondListTest& t) { t.Command(ID_COND_INSERT_KEY); }},
        {"popup menu", false, [](CondListTest& t) { t.Command(ID_COND_INSERT_MENU); }},
        {"button", false, [](CondListTest& t) { t.Button(IDC_COND_INSERT); }},
        {"flows page Ctrl+I", true, [](CondListTest& t) { t.List().OnKey('I', 0, 1); }},
        {"flows page accelerator", true, [](CondListTest& t) { t.Command(ID_FLOW_COND_INSERT_KEY); }},
        {"flows page popup menu", true, [](CondListTest& t) { t.Command(ID_FLOW_COND_INSERT_MENU); }},
        {"flows page button", true, [](CondListTest& t) { t.Button(IDC_FLOW_COND_INSERT); }},
    };
    for (const cWay& way : ways) {
        Open(Rows(3), way.flowPage);
        Pick({1});
        {
            cModalSteps steps;
            ConfirmNewCommon(steps);
            way.run(*this);
            EXPECT_EQ((std::vector<std::string>{"条件", "コモン変数条件"}), steps.Seen()) << way.name;
        }
        EXPECT_EQ((std::vector<int>{1, -1, 2, 3}), Values(m_Conds)) << way.name;
        EXPECT_EQ(1, m_Conds[1].m_VarIndex) << way.name;
        EXPECT_EQ(1, m_Host->m_Changes) << way.name;
        // OK moves on to the row after the new one.
        EXPECT_EQ((std::vector<int>{2}), Selected()) << way.name;
        TearDown();
    }
}

// Ctrl and a key at the list of a modeless page, as the program's message loop translates them.
void PressWithCtrl(cWndGroup& group, HWND box, WPARAM key) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    MSG msg = {box, WM_KEYDOWN, key, 1};
    EXPECT_EQ(1, group.PreTranslate(&msg));
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
}

TEST_F(CondListTest, KeysOfAModelessPageReachItsList) {
    Open(Rows(3));
    SetActiveWindow(m_Owner->GetHwnd());
    Pick({0, 1});
    PressWithCtrl(m_Group, m_Box, 'C');
    EXPECT_EQ(2u, List().GetClipboard().size());
    Pick({2});
    PressWithCtrl(m_Group, m_Box, 'V');
    EXPECT_EQ((std::vector<int>{1, 2, 1, 2, 3}), Values(m_Conds));
    {
        cModalSteps steps;
        ConfirmNewCommon(steps);
        PressWithCtrl(m_Group, m_Box, 'I');
        EXPECT_EQ((std::vector<std::string>{"条件", "コモン変数条件"}), steps.Seen());
    }
    EXPECT_EQ((std::vector<int>{1, 2, -1, 1, 2, 3}), Values(m_Conds));
    EXPECT_EQ(3, m_Host->m_Changes);
}

TEST_F(CondListTest, RightClickSelectsTheRowAndShowsTheListMenu) {
    Open(Rows(3));
    Pick({0});
    RECT item;
    SendMessageA(m_Box, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
    POINT at = {item.left + 4, item.top + 2};
    ClientToScreen(m_Box, &at);
    HMENU shown = ShownPopupMenu([&] {
        SendMessageA(m_Owner->GetHwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_Box), MAKELPARAM(at.x, at.y));
    });
    EXPECT_EQ(2, List().GetCur());
    ASSERT_NE(nullptr, shown);
    EXPECT_EQ(List().GetPopupMenu(), shown);
    EXPECT_EQ(static_cast<UINT>(ID_COND_INSERT_MENU), GetMenuItemID(shown, 4));
}

TEST_F(CondListTest, InsertGoesBeforeTheCurrentRowOrAtTheEndFromTheAppendRow) {
    Open(Rows(2));
    Pick({2});  // the append row
    {
        cModalSteps steps;
        ConfirmNewCommon(steps);
        Button(IDC_COND_INSERT);
    }
    EXPECT_EQ((std::vector<int>{1, 2, -1}), Values(m_Conds));
    EXPECT_EQ("コモン変数条件 ： 「001 」 が 0 である", Texts()[2]);
}

TEST_F(CondListTest, CancelledInsertLeavesRowsAndSelectionAsTheyWere) {
    struct cCase {
        const char* name;
        std::initializer_list<int> picked;
        std::function<void(cModalSteps&)> cancel;
    };
    const cCase cases[] = {
        {"chooser closed", {1, 2}, [](cModalSteps& s) { s.Then("条件", [](HWND d) { SendMessageA(d, WM_CLOSE, 0, 0); }); }},
        {"caret on the second row", {2, 1}, [](cModalSteps& s) { s.Then("条件", [](HWND d) { SendMessageA(d, WM_CLOSE, 0, 0); }); }},
        {"kind dialog cancelled", {1, 2},
         [](cModalSteps& s) {
             s.Then("条件", [](HWND d) { Click(d, IDC_COND_KIND_STAGE); });
             s.Then("ステージ変数条件", [](HWND d) { Click(d, IDC_COND_CANCEL); });
         }},
        {"kind dialog closed", {0},
         [](cModalSteps& s) {
             s.Then("条件", [](HWND d) { Click(d, IDC_COND_KIND_STATUS); });
             s.Then("ステータス条件", [](HWND d) { SendMessageA(d, WM_CLOSE, 0, 0); });
         }},
    };
    for (const cCase& c : cases) {
        Open(Rows(4));
        Pick(c.picked);
        std::vector<int> before = Selected();
        {
            cModalSteps steps;
            c.cancel(steps);
            Button(IDC_COND_INSERT);
        }
        EXPECT_EQ((std::vector<int>{1, 2, 3, 4}), Values(m_Conds)) << c.name;
        EXPECT_EQ(before, Selected()) << c.name;
        EXPECT_EQ(*c.picked.begin(), List().GetCur()) << c.name;
        EXPECT_EQ(1, m_Host->m_Changes) << c.name;
        TearDown();
    }
}

TEST_F(CondListTest, NoRowPastNinetyNine) {
    Open(Rows(99));
    Pick({5});
    Button(IDC_COND_INSERT);  // no dialog opens: the driver would fail on one
    EXPECT_EQ(99u, m_Conds.size());

    TearDown();
    Open(Rows(97));
    Pick({0, 1, 2, 3, 4});
    Command(40001);
    Pick({10});
    Command(40007);
    EXPECT_EQ(99u, m_Conds.size());
    std::vector<int> values = Values(m_Conds);
    EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2, 11}),
              std::vector<int>(values.begin(), values.begin() + 13));
    Command(40007);  // full
    EXPECT_EQ(99u, m_Conds.size());
    EXPECT_EQ(3, m_Host->m_Changes);
}

TEST_F(CondListTest, ClipboardCommandsActOnEverySelectedRow) {
    Open(Rows(5));
    Pick({1, 2});
    Command(40001);  // Ctrl+C
    Pick({4});
    Command(40007);  // Ctrl+V
    EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 2, 3, 5}), Values(m_Conds));
    Pick({0, 1});
    Command(40009);  // Ctrl+X
    EXPECT_EQ((std::vector<int>{3, 4, 2, 3, 5}), Values(m_Conds));
    Pick({2, 3});
    Command(40032);  // Del
    EXPECT_EQ((std::vector<int>{3, 4, 5}), Values(m_Conds));
    Pick({1, 2});
    Command(40043);  // the popup menu's delete
    EXPECT_EQ((std::vector<int>{3}), Values(m_Conds));
    Pick({0});
    Button(IDC_COND_DELETE);
    EXPECT_TRUE(m_Conds.empty());
    EXPECT_EQ((std::vector<std::string>{std::string(64, '-')}), Texts());
    Button(IDC_COND_DELETE);  // nothing left: a beep
    EXPECT_EQ(7, m_Host->m_Changes);
    // Pasting the cut rows into the empty list, on the append row.
    Pick({0});
    Command(40007);
    EXPECT_EQ((std::vector<int>{1, 2}), Values(m_Conds));
}

TEST_F(CondListTest, EditOpensTheKindDialogAtOnceAndRefillsOnOk) {
    StageDoc().m_Layer = eLayerBlock;
    Open(Rows(3));
    Pick({1});
    {
        // The distance button is closed on a block page; the existing condition opens anyway.
        cModalSteps steps;
        steps.Then("距離条件", [](HWND d) {
            Type(d, IDC_COND_DISTANCE, "25");
            Click(d, IDC_COND_OK);
        });
        SendMessageA(m_Owner->GetHwnd(), WM_COMMAND, MAKEWPARAM(IDC_COND_LIST, LBN_DBLCLK), reinterpret_cast<LPARAM>(m_Box));
    }
    EXPECT_EQ((std::vector<int>{1, 25, 3}), Values(m_Conds));
    EXPECT_EQ("距離条件 ： 横 25 以内", Texts()[1]);
    {
        cModalSteps steps;
        steps.Then("距離条件", [](HWND d) {
            Type(d, IDC_COND_DISTANCE, "7");
            Click(d, IDC_COND_CANCEL);
        });
        Button(IDC_COND_EDIT);
    }
    EXPECT_EQ(25, m_Conds[1].m_Value);
    // The append row has no condition to edit.
    Pick({3});
    Button(IDC_COND_EDIT);
    EXPECT_EQ(3, m_Host->m_Changes);
}

}  // namespace
