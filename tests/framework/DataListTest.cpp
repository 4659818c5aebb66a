// The data list on real list boxes: numbering, the append row, the commands and their limits
// in single and multiple selection, the clipboard, keys and menus, and a row edited in a
// sub-dialog.
#include <gtest/gtest.h>

#include "framework/DataList.h"
#include "framework/FrameworkIds.h"
#include "tests/framework/ControlPage.h"

namespace {

struct cRow {
    std::string name;
    int32_t value = 0;
};

void RowText(std::string* text, int, const cRow* row) { *text = row->name; }

using cList = cDataList<cRow>;
using cRows = cCheckedVector<cRow>;

cRows MakeRows(std::initializer_list<const char*> names) {
    cRows rows;
    for (const char* n : names) rows.push_back({n, 1});
    return rows;
}

std::vector<std::string> Names(const cRows& rows) {
    std::vector<std::string> names;
    for (const cRow& r : rows) names.push_back(r.name);
    return names;
}

struct cSettings {
    int multi = 0;
    int numbering = 0;
    int minRows = 0;
    int maxRows = 99;
    uint32_t first = 0;
    int append = 0;
};

// One data list on the list dialog, bound to a vector of rows.
struct cListPage {
    cListPage(const cRows& rows, const cSettings& s, cWndGroup* group = nullptr) : bound(rows), page(IDD_CTRL_LIST, group) {
        lists.resize(1);
        uint16_t id = s.multi ? IDC_LIST_MULTI : IDC_LIST_SINGLE;
        lists[0].m_Desc.Set(id, &bound, &work, &edit, s.multi, RowText, s.numbering, s.minRows, s.maxRows, s.first,
                            s.append, 0);
        page.Open([this](cCtrlPage& p) { p.AttachDataList(lists[0]); });
        box = page.Item(id);
    }
    cList& List() { return lists[0].m_Ctrl; }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        int n = static_cast<int>(SendMessageA(box, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < n; ++i) {
            char text[256] = "";
            SendMessageA(box, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
            texts.push_back(text);
        }
        return texts;
    }
    // Selects rows as the user would (the first is the caret row) and tells the page.
    void Pick(std::initializer_list<int> rows) {
        if (IsMulti()) {
            SendMessageA(box, LB_SETSEL, FALSE, -1);
            for (int r : rows) SendMessageA(box, LB_SETSEL, TRUE, r);
            SendMessageA(box, LB_SETCARETINDEX, rows.size() ? *rows.begin() : 0, FALSE);
        } else {
            SendMessageA(box, LB_SETCURSEL, rows.size() ? *rows.begin() : -1, 0);
        }
        page.Notify(GetDlgCtrlID(box), LBN_SELCHANGE);
    }
    bool IsMulti() const { return GetDlgCtrlID(box) == IDC_LIST_MULTI; }

    cRows bound;
    cRows work;
    cRow edit;
    cBindings<cBoundDataList<cRow>> lists;
    cCtrlPage page;
    HWND box = nullptr;
};

const std::vector<std::string> kABC = {"a", "b", "c"};

}  // namespace

TEST(DataList, RowsAreNumberedWithAsManyDigitsAsTheCountNeeds) {
    cSettings numbered;
    numbered.numbering = 1;
    cListPage nine(MakeRows({"a", "b", "c", "d", "e", "f", "g", "h", "i"}), numbered);
    EXPECT_EQ("1 a", nine.Texts().front());
    EXPECT_EQ("9 i", nine.Texts().back());

    cListPage ten(MakeRows({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"}), numbered);
    EXPECT_EQ("01 a", ten.Texts().front());
    EXPECT_EQ("10 j", ten.Texts().back());

    // The leading record is never shown: numbers start at 1 for index 1.
    numbered.first = 1;
    numbered.append = 1;
    cListPage hidden(MakeRows({"見えない", "b", "c"}), numbered);
    EXPECT_EQ((std::vector<std::string>{"1 b", "2 c", kAppendRowText}), hidden.Texts());
    EXPECT_EQ(64u, strlen(kAppendRowText));
    EXPECT_EQ("b", hidden.edit.name);
}

TEST(DataList, SingleSelectionCommands) {
    struct cCase {
        const char* name;
        int minRows, maxRows;
        int pick;  // -1: nothing selected
        int (*command)(cList&);
        int result;
        std::vector<std::string> rows;
        const char* edit;
    };
    const cCase cases[] = {
        {"delete", 0, 9, 1, [](cList& l) { return l.CmdDelete(-1, false); }, 1, {"a", "c"}, "c"},
        {"delete the last row", 0, 9, 2, [](cList& l) { return l.CmdDelete(-1, false); }, 1, {"a", "b"}, "b"},
        {"delete at the minimum", 3, 9, 1, [](cList& l) { return l.CmdDelete(-1, false); }, 0, kABC, "b"},
        {"delete with nothing selected", 0, 9, -1, [](cList& l) { return l.CmdDelete(-1, false); }, 0, kABC, ""},
        {"clear", 0, 9, 1, [](cList& l) { return l.CmdClear(); }, 1, {"a", "", "c"}, ""},
        {"clear with nothing selected", 0, 9, -1, [](cList& l) { return l.CmdClear(); }, 0, kABC, ""},
        {"append", 0, 9, 0, [](cList& l) { return l.CmdAppend(); }, 1, {"a", "b", "c", ""}, ""},
        {"append at the maximum", 0, 3, 0, [](cList& l) { return l.CmdAppend(); }, 0, kABC, "a"},
        {"insert", 0, 9, 1, [](cList& l) { return l.CmdInsert(); }, 1, {"a", "", "b", "c"}, ""},
        {"insert with nothing selected", 0, 9, -1, [](cList& l) { return l.CmdInsert(); }, 1, {"", "a", "b", "c"}, ""},
        {"insert at the maximum", 0, 3, 1, [](cList& l) { return l.CmdInsert(); }, 0, kABC, "b"},
        {"copy with nothing selected", 0, 9, -1, [](cList& l) { return l.CmdCopy(); }, 0, kABC, ""},
        {"copy and paste", 0, 9, 2, [](cList& l) { return l.CmdCopy() && l.CmdPaste() ? 1 : 0; }, 1, {"a", "b", "c", "c"}, "c"},
        {"cut", 0, 9, 0, [](cList& l) { return l.CmdCut(); }, 1, {"b", "c"}, "b"},
        {"cut at the minimum", 3, 9, 0, [](cList& l) { return l.CmdCut(); }, 0, kABC, "a"},
        {"row count within the range", 0, 9, 2, [](cList& l) { return l.SetRowCount(2); }, 1, {"a", "b"}, "b"},
        {"row count beyond the range", 0, 4, 2, [](cList& l) { return l.SetRowCount(5); }, 0, kABC, "c"},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cSettings s;
        s.minRows = c.minRows;
        s.maxRows = c.maxRows;
        cListPage lp(MakeRows({"a", "b", "c"}), s);
        lp.Pick({c.pick});
        lp.edit.name = c.pick < 0 ? "" : lp.edit.name;
        EXPECT_EQ(c.result, c.command(lp.List()));
        EXPECT_EQ(c.rows, Names(lp.work));
        EXPECT_EQ(c.rows, lp.Texts());
        EXPECT_EQ(c.edit, lp.edit.name);
        // The bound vector changes only when the page stores its controls.
        EXPECT_EQ(kABC, Names(lp.bound));
        lp.page.CtrlsToData();
        EXPECT_EQ(c.rows, Names(lp.bound));
    }
}

TEST(DataList, CutLeavesTheClipboardWhenTheDeleteFails) {
    cSettings s;
    s.minRows = 3;
    cListPage lp(MakeRows({"a", "b", "c"}), s);
    lp.Pick({1});
    EXPECT_EQ(0, lp.List().CmdCut());
    ASSERT_EQ(1u, lp.List().GetClipboard().size());
    EXPECT_EQ("b", lp.List().GetClipboard()[0].name);
}

TEST(DataList, PasteStopsAtTheMaximumForEveryRow) {
    cSettings s;
    s.multi = 1;
    s.maxRows = 4;
    cListPage lp(MakeRows({"a", "b", "c"}), s);
    lp.Pick({0, 1});
    ASSERT_EQ(1, lp.List().CmdCopy());
    ASSERT_EQ(2u, lp.List().GetClipboard().size());
    lp.Pick({2});
    EXPECT_EQ(1, lp.List().CmdPaste());
    EXPECT_EQ((std::vector<std::string>{"a", "b", "a", "c"}), Names(lp.work));
    // Full: nothing more goes in.
    EXPECT_EQ(0, lp.List().CmdPaste());
    EXPECT_EQ(4u, lp.work.size());
}

TEST(DataList, MultipleSelectionCommands) {
    cSettings s;
    s.multi = 1;
    s.minRows = 1;
    {
        SCOPED_TRACE("copy of the flagged rows in row order");
        cListPage lp(MakeRows({"a", "b", "c", "d"}), s);
        lp.Pick({3, 1});
        EXPECT_EQ(1, lp.List().CmdCopy());
        EXPECT_EQ((std::vector<std::string>{"b", "d"}), Names(lp.List().GetClipboard()));
        // A copy with no row flagged keeps the clipboard.
        lp.List().SelectSingle(-1, false);
        SendMessageA(lp.box, LB_SETSEL, FALSE, -1);
        lp.page.Notify(IDC_LIST_MULTI, LBN_SELCHANGE);
        for (uint32_t f : lp.List().GetFlags()) ASSERT_EQ(0u, f);
        EXPECT_EQ(0, lp.List().CmdCopy());
        EXPECT_EQ((std::vector<std::string>{"b", "d"}), Names(lp.List().GetClipboard()));
    }
    {
        SCOPED_TRACE("delete stops at the minimum");
        cListPage lp(MakeRows({"a", "b", "c"}), s);
        lp.Pick({0, 1, 2});
        EXPECT_EQ(1, lp.List().CmdDelete(-1, false));
        EXPECT_EQ((std::vector<std::string>{"c"}), Names(lp.work));
        EXPECT_EQ(0, lp.List().CmdDelete(-1, false));
    }
    {
        SCOPED_TRACE("clear of the flagged rows");
        cListPage lp(MakeRows({"a", "b", "c"}), s);
        lp.Pick({2, 0});
        EXPECT_EQ(1, lp.List().CmdClear());
        EXPECT_EQ((std::vector<std::string>{"", "b", ""}), Names(lp.work));
    }
}

TEST(DataList, EachListHasItsOwnClipboard) {
    cSettings s;
    cListPage first(MakeRows({"a", "b"}), s);
    cListPage second(MakeRows({"x", "y"}), s);
    first.Pick({1});
    first.List().CmdCopy();
    second.Pick({0});
    EXPECT_EQ(1, second.List().CmdPaste());
    EXPECT_EQ((std::vector<std::string>{"x", "y"}), Names(second.work));
}

TEST(DataList, EmptyTableWithAnAppendRow) {
    cSettings s;
    s.append = 1;
    cListPage lp(cRows(), s);
    EXPECT_EQ((std::vector<std::string>{kAppendRowText}), lp.Texts());
    lp.edit.name = "古い";
    SendMessageA(lp.box, LB_SETCURSEL, 0, 0);
    EXPECT_EQ(0, lp.List().CmdSelect());
    EXPECT_EQ("", lp.edit.name);
    EXPECT_EQ(0, lp.List().CmdCopy());
    EXPECT_EQ(0, lp.List().CmdClear());
    EXPECT_EQ(1, lp.List().CmdAppend());
    EXPECT_EQ((std::vector<std::string>{"", kAppendRowText}), lp.Texts());

    // Paste onto the append row adds at the end.
    lp.work[0].name = "a";
    lp.List().Refill();
    lp.Pick({0});
    lp.List().CmdCopy();
    lp.Pick({1});
    EXPECT_EQ(1, lp.List().CmdPaste());
    EXPECT_EQ((std::vector<std::string>{"a", "a"}), Names(lp.work));
}

TEST(DataList, EmptyTableWithoutAppendRowStaysUnselected) {
    cSettings s;
    cListPage lp(cRows(), s);
    EXPECT_EQ(-1, lp.List().GetCur());
    EXPECT_EQ(LB_ERR, SendMessageA(lp.box, LB_GETCURSEL, 0, 0));
    lp.List().Refresh();
    EXPECT_EQ(-1, lp.List().GetCur());
}

TEST(DataList, OneKeyRunsOneCommand) {
    cSettings s;
    cListPage lp(MakeRows({"a", "b"}), s);
    std::vector<int> commands;
    lp.page.m_OnCommand = [&](cCtrlPage&, WPARAM wp) { commands.push_back(LOWORD(wp)); };
    struct cKey {
        WPARAM key;
        int ctrl;
        std::vector<int> sent;
    };
    const cKey keys[] = {
        {'X', 1, {40009}}, {'C', 1, {40001}}, {'V', 1, {40007}}, {'I', 1, {40002}},
        {VK_DELETE, 0, {40008}}, {'X', 0, {}}, {'A', 1, {}},
    };
    for (const cKey& k : keys) {
        commands.clear();
        lp.List().OnKey(k.key, 0, k.ctrl);
        EXPECT_EQ(k.sent, commands) << k.key;
    }
    // A command id acts only while the list has the focus.
    SetFocus(nullptr);
    EXPECT_EQ(0, lp.List().OnCmd(40008));
    SetFocus(lp.box);
    lp.Pick({0});
    EXPECT_EQ(1, lp.List().OnCmd(40008));
    EXPECT_EQ("", lp.work[0].name);
}

TEST(DataList, ThePageRunsTheListsCommandsWithoutForwarding) {
    cSettings s;
    cListPage lp(MakeRows({"a", "b", "c"}), s);
    ASSERT_EQ(1, lp.List().SetMenus(IDR_ACCEL_SET1_DELETE, IDR_MENU_SET1_DELETE, 1, 1));
    SetFocus(lp.box);
    lp.Pick({0});
    // Ctrl+X as the accelerator table delivers it, and the popup menu's delete.
    SendMessageA(lp.page.GetHwnd(), WM_COMMAND, MAKEWPARAM(40009, 1), 0);
    EXPECT_EQ((std::vector<std::string>{"b", "c"}), Names(lp.work));
    EXPECT_EQ("a", lp.List().GetClipboard()[0].name);
    SendMessageA(lp.page.GetHwnd(), WM_COMMAND, MAKEWPARAM(40043, 0), 0);
    EXPECT_EQ((std::vector<std::string>{"c"}), Names(lp.work));
    // Without the focus the list does not act.
    SetFocus(nullptr);
    SendMessageA(lp.page.GetHwnd(), WM_COMMAND, MAKEWPARAM(40043, 0), 0);
    EXPECT_EQ(1u, lp.work.size());
}

TEST(DataList, MenusAndAcceleratorsOfAnIdSet) {
    cSettings s;
    cListPage lp(MakeRows({"a", "b"}), s);
    EXPECT_EQ(1, lp.List().SetMenus(IDR_ACCEL_SET1_DELETE, IDR_MENU_SET1_DELETE, 1, 1));
    HMENU menu = lp.List().GetPopupMenu();
    ASSERT_NE(nullptr, menu);
    EXPECT_EQ(7, GetMenuItemCount(menu));
    EXPECT_EQ(40043u, GetMenuItemID(menu, 6));
    // Kind 1 has no clear: Delete deletes.
    SetFocus(lp.box);
    lp.Pick({0});
    EXPECT_EQ(1, lp.List().OnCmd(40032));
    EXPECT_EQ((std::vector<std::string>{"b"}), Names(lp.work));
    EXPECT_EQ(1, lp.List().OnMenuCmd(40042));
    EXPECT_EQ(2u, lp.work.size());
    EXPECT_EQ(0, lp.List().OnCmd(40008));

    EXPECT_EQ(0, lp.List().SetAccel(IDR_ACCEL_SET1_CLEAR, 2, 1));
    EXPECT_EQ(0, lp.List().SetPopupMenu(IDR_MENU_SET1_CLEAR, 0, 5));
    EXPECT_EQ(0, lp.List().SetMenus(IDR_ACCEL_SET1_CLEAR, IDR_MENU_SET1_CLEAR, 0, 0));
}

TEST(DataList, SelectAtTakesTheRowUnderThePoint) {
    cSettings s;
    cListPage lp(MakeRows({"a", "b", "c"}), s);
    RECT item;
    SendMessageA(lp.box, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&item));
    POINT onRow = {item.left + 3, item.top + 2};
    ClientToScreen(lp.box, &onRow);
    EXPECT_EQ(1, lp.List().SelectAt(onRow));
    EXPECT_EQ(1, lp.List().GetCur());
    EXPECT_EQ("b", lp.edit.name);

    RECT client;
    GetClientRect(lp.box, &client);
    POINT below = {client.left + 3, client.bottom - 2};
    ClientToScreen(lp.box, &below);
    EXPECT_EQ(0, lp.List().SelectAt(below));
    EXPECT_EQ(1, lp.List().GetCur());
}

namespace {

cRows* g_itemRows = nullptr;

// A row dialog of the test's own: OK writes the typed name into the list's current record.
class cItemDlg : public cPage {
public:
    cItemDlg(UINT templateId, cChildWnd* owner, int kind, cWndGroup* group, cList* list, int)
        : cPage(templateId, owner, kind, group), m_lpList(list) {}
    void OnInitDialog(WPARAM wParam, LPARAM lParam) override {
        cPage::OnInitDialog(wParam, lParam);
        if (s_Seen) s_Seen(*this);
        m_Ready = 1;
    }
    void OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (!IsCommandAllowed(wParam)) return;
        cPage::OnCommand(wParam, lParam);
        if (LOWORD(wParam) == IDC_ITEM_OK) {
            char text[64] = "";
            GetDlgItemTextA(m_hWnd, IDC_ITEM_EDIT, text, sizeof text);
            g_itemRows->At(m_lpList->GetCurIndex()).name = text;
            End(1);
        }
        if (LOWORD(wParam) == IDC_ITEM_CANCEL) End(0);
    }
    static std::function<void(cItemDlg&)> s_Seen;

private:
    cList* m_lpList;
};
std::function<void(cItemDlg&)> cItemDlg::s_Seen;

}  // namespace

TEST(DataList, RowEditedInASubDialogRefreshesTheList) {
    for (int ok : {1, 0}) {
        SCOPED_TRACE(ok ? "OK" : "Cancel");
        cWndGroup group;
        cSettings s;
        s.numbering = 1;
        cListPage lp(MakeRows({"a", "b"}), s, &group);
        g_itemRows = &lp.work;
        lp.Pick({1});
        cItemDlg* slot = reinterpret_cast<cItemDlg*>(1);
        bool hidden = false;
        bool slotHeld = false;
        cItemDlg::s_Seen = [&](cItemDlg& dlg) {
            hidden = !IsWindowVisible(lp.page.GetHwnd());
            slotHeld = slot == &dlg;
            SetDlgItemTextA(dlg.GetHwnd(), IDC_ITEM_EDIT, "新しい名前");
            PostMessageA(dlg.GetHwnd(), WM_COMMAND, ok ? IDC_ITEM_OK : IDC_ITEM_CANCEL, 0);
        };
        EXPECT_EQ(ok, lp.List().OpenItemDlg(&slot, IDD_CTRL_ITEM, &group, 1, 1));
        EXPECT_TRUE(hidden);
        EXPECT_TRUE(slotHeld);
        EXPECT_EQ(nullptr, slot);
        EXPECT_TRUE(IsWindowVisible(lp.page.GetHwnd()));
        EXPECT_EQ(ok ? "2 新しい名前" : "2 b", lp.Texts()[1]);
        EXPECT_EQ(1, SendMessageA(lp.box, LB_GETCURSEL, 0, 0));
        EXPECT_EQ(eCmdItemDlg, lp.List().GetLastCmd());
    }
    cItemDlg::s_Seen = nullptr;
}

TEST(DataList, SubDialogNeedsACurrentRow) {
    cSettings s;
    cListPage lp(cRows(), s);
    cItemDlg* slot = nullptr;
    EXPECT_EQ(0, lp.List().OpenItemDlg(&slot, IDD_CTRL_ITEM, nullptr, 0, 1));
    EXPECT_EQ(nullptr, slot);
}
