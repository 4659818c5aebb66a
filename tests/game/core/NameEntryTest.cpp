// The name-entry window, driven from a timer while it runs modally.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "framework/ErrorLog.h"
#include "framework/Format.h"
#include "game/core/NameEntry.h"
#include "game/core/NameEntryIds.h"
#include "game/core/OptionData.h"
#include "game/core/SceneManager.h"
#include "game/data/StorySave.h"
#include "game/media/Display.h"
#include "tests/support/DialogDriver.h"
#include "tests/support/TempDir.h"

namespace {

// This test's window: other test programs may show dialogs on the same display.
bool IsEntryWindow(HWND wnd) { return GetDlgItem(wnd, IDC_NAME_EDIT) && GetDlgItem(wnd, IDC_NAME_OK); }

void DriveWith(std::function<void(HWND)> drive) { DriveDialog(IsEntryWindow, std::move(drive)); }

std::string Text(HWND wnd) {
    char text[256] = "";
    GetWindowTextA(wnd, text, sizeof text);
    return text;
}

// With the error log on, a control missing from the template shows a box, which fails the test.
class NameEntry : public testing::Test {
protected:
    void SetUp() override { SetErrorLog(1, "EC_Test.txt"); }
    void TearDown() override { SetErrorLog(0, ""); }
    cTempDir m_dir;
};

}  // namespace

TEST_F(NameEntry, OkStoresUpToThreeWholeCharacters) {
    struct {
        const char* name;
        const char* typed;
        bool ok;  // else the close box
        int code;
        const char* stored;
    } cases[] = {
        {"three letters", "xyz", true, 1, "xyz"},
        {"two full-width characters", "ＡＢ", true, 1, "ＡＢ"},
        {"cut to three whole characters", "あいうえ", true, 1, "あいう"},
        {"mixed widths", "aあb", true, 1, "aあb"},
        {"empty", "", true, 1, ""},
        {"the close box keeps the name", "xyz", false, 0, "aaa"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string name = "aaa";
        std::string shown, label;
        RECT placed = {};
        DriveWith([&](HWND dlg) {
            shown = Text(GetDlgItem(dlg, IDC_NAME_EDIT));
            label = Text(GetDlgItem(dlg, -1));
            EXPECT_NE(nullptr, GetDlgItem(dlg, IDC_NAME_PICTURE));
            GetWindowRect(dlg, &placed);
            SetDlgItemTextA(dlg, IDC_NAME_EDIT, c.typed);
            if (c.ok)
                PostMessageA(dlg, WM_COMMAND, IDC_NAME_OK, 0);
            else
                PostMessageA(dlg, WM_CLOSE, 0, 0);
        });
        cNameEntryWnd wnd(nullptr, &name, 240, 220);
        EXPECT_EQ(c.code, wnd.DoModal(0));
        EXPECT_EQ(c.stored, name);
        EXPECT_EQ("aaa", shown);
        EXPECT_EQ("登録名(3文字まで)", label);
        EXPECT_EQ(240, placed.left);
        EXPECT_EQ(220, placed.top);
    }
}

TEST_F(NameEntry, TheNameItEditsAndWhereItOpens) {
    EXPECT_EQ(&StoryState().m_PlayerName, &NameEntryTarget());
    SceneManager().m_nGameMode = 5;
    EXPECT_EQ(&OptionData().m_RankName, &NameEntryTarget());
    SceneManager().m_nGameMode = 4;
    EXPECT_EQ(&StoryState().m_PlayerName, &NameEntryTarget());
    SceneManager().m_nGameMode = 0;

    ASSERT_EQ(0, Display().nWindowMode);
    POINT at = NameEntryPosition();
    EXPECT_EQ(240, at.x);
    EXPECT_EQ(220, at.y);
}

// The program's dialog 102 is the name entry, its controls where the template puts them.
TEST_F(NameEntry, TemplateHoldsItsControlsAtTheirPlaces) {
    ASSERT_EQ(102, IDD_NAME_ENTRY);
    struct {
        int id;
        const char* cls;
        RECT units;  // left, top, width, height in dialog units
        LONG mask, style;  // the style bits under the mask
    } controls[] = {
        {IDC_NAME_PICTURE, "Static", {7, 7, 20, 21}, SS_TYPEMASK, SS_BITMAP},
        {-1, "Static", {15, 15, 56, 8}, SS_TYPEMASK, SS_LEFT},
        {IDC_NAME_EDIT, "Edit", {75, 12, 24, 14}, ES_AUTOHSCROLL, ES_AUTOHSCROLL},
        {IDC_NAME_OK, "Button", {30, 35, 50, 18}, BS_TYPEMASK, BS_DEFPUSHBUTTON},
    };
    std::string name = "abc";
    LONG style = 0;
    RECT client = {}, size = {0, 0, 111, 65};
    std::string failures;
    LONG editBorder = 0;
    DriveWith([&](HWND dlg) {
        style = GetWindowLongA(dlg, GWL_STYLE);
        GetClientRect(dlg, &client);
        MapDialogRect(dlg, &size);
        for (const auto& c : controls) {
            HWND ctrl = GetDlgItem(dlg, c.id);
            char cls[32] = "";
            GetClassNameA(ctrl, cls, sizeof cls);
            RECT want = c.units, got = {};
            MapDialogRect(dlg, &want);
            want.right += want.left;
            want.bottom += want.top;
            GetWindowRect(ctrl, &got);
            MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&got), 2);
            LONG ctrlStyle = GetWindowLongA(ctrl, GWL_STYLE);
            if (!ctrl || _stricmp(cls, c.cls) != 0 || !EqualRect(&want, &got) || (ctrlStyle & c.mask) != c.style)
                failures += Format("control %d: class %s at %ld,%ld-%ld,%ld (%ld,%ld-%ld,%ld) style %lx\n", c.id, cls, got.left,
                                   got.top, got.right, got.bottom, want.left, want.top, want.right, want.bottom, ctrlStyle);
        }
        // The edit control draws its border itself, inside its window.
        RECT edit = {}, inside = {};
        GetWindowRect(GetDlgItem(dlg, IDC_NAME_EDIT), &edit);
        GetClientRect(GetDlgItem(dlg, IDC_NAME_EDIT), &inside);
        editBorder = edit.right - edit.left - inside.right;
        PostMessageA(dlg, WM_CLOSE, 0, 0);
    });
    cNameEntryWnd wnd(nullptr, &name, 240, 220);
    EXPECT_EQ(0, wnd.DoModal(0));
    EXPECT_EQ("", failures);
    EXPECT_GT(editBorder, 0);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_TRUE(style & DS_MODALFRAME);
    EXPECT_FALSE((style & WS_CAPTION) == WS_CAPTION);
    EXPECT_EQ(size.right, client.right);
    EXPECT_EQ(size.bottom, client.bottom);
}
