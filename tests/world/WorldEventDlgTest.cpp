// The world map event dialog run modally on an event and driven from inside its loop: its
// template, the entry list's rows and limits, the type rule, OK and Cancel, the stage chooser,
// the variable rename that is saved at once and the names' byte limits.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>

#include "data/GValInfo.h"
#include "data/ProjectData.h"
#include "editor/shell/EditorProject.h"
#include "editor/world/EventDlg.h"
#include "editor/world/EventIds.h"
#include "editor/world/WorldMapEdit.h"
#include "editor/world/WorldWindows.h"
#include "framework/FileDialogs.h"
#include "framework/FrameworkIds.h"
#include "framework/TestSeams.h"
#include "tests/support/DialogDriver.h"
#include "tests/support/TempDir.h"
#include "tests/world/SettingsFixture.h"

namespace {

bool IsEventDialog(HWND wnd) { return IsShownWithCaption(wnd, "イベント"); }

void Click(HWND dlg, int id) { SendMessageA(GetDlgItem(dlg, id), BM_CLICK, 0, 0); }
void Choose(HWND dlg, int id, int position) {
    SendDlgItemMessageA(dlg, id, CB_SETCURSEL, position, 0);
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(GetDlgItem(dlg, id)));
}
void SelectRow(HWND dlg, int row) {
    SendDlgItemMessageA(dlg, IDC_WE_LIST, LB_SETCURSEL, row, 0);
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDC_WE_LIST, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(dlg, IDC_WE_LIST)));
}
int Rows(HWND dlg) { return static_cast<int>(SendDlgItemMessageA(dlg, IDC_WE_LIST, LB_GETCOUNT, 0, 0)); }
std::string Row(HWND dlg, int row) {
    char text[128] = "";
    SendDlgItemMessageA(dlg, IDC_WE_LIST, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text));
    return text;
}

class WorldEventDlg : public testing::Test {
protected:
    void SetUp() override {
        CreateDirectoryA("data", nullptr);
        m_SavedMap = ProjectWorldMap();
        m_SavedNames = CommonVarNames();
        ProjectWorldMap().Init();
        WorldMapEdit().Reset();
        WorldMapModified() = 0;
        cVarNames& names = CommonVarNames();
        names.assign(4, cNameRec());
        names[1].m_Name = "鍵";
        names[2].m_Name = "扉";
        m_Event.Init();
        m_Event.m_Name = "城";
        m_Event.m_Pages[0].m_WorldNo = 5;
    }
    void TearDown() override {
        SetFileDialogHook(nullptr);
        ProjectWorldMap() = m_SavedMap;
        CommonVarNames() = m_SavedNames;
        WorldMapEdit().Reset();
        WorldMapModified() = 0;
    }
    // Runs the dialog on the event; the action drives it and presses OK or Cancel.
    int Run(std::function<void(HWND)> drive) {
        bool driven = false;
        DriveDialog(IsEventDialog, [&](HWND dlg) {
            driven = true;
            drive(dlg);
        });
        int result = RunWorldEventDlg(&m_Event, nullptr, &m_Group);
        EXPECT_TRUE(driven);
        return result;
    }

    cTempDir m_Dir;
    cWndGroup m_Group;
    cWorldEvent m_Event;
    cWorldMap m_SavedMap;
    cVarNames m_SavedNames;
};

}  // namespace

TEST_F(WorldEventDlg, TheTemplateHoldsItsControls) {
    ExpectControls(nullptr, IDD_WORLD_EVENT,
                   {IDC_WE_OK, IDC_WE_CANCEL, IDC_WE_NAME, IDC_WE_TYPE, IDC_WE_GRAPHIC, IDC_WE_PREVIEW, IDC_WE_WORLD_NO,
                    IDC_WE_WORLD_NO_SPIN, IDC_WE_WORLD_NAME, IDC_WE_STAGE, IDC_WE_STAGE_BROWSE, IDC_WE_PASS,
                    IDC_WE_REPLAY, IDC_WE_GAME_CLEAR, IDC_WE_NEED_WORLD, IDC_WE_NEED_WORLD_SPIN, IDC_WE_VAR,
                    IDC_WE_VAR_RENAME, IDC_WE_VALUE, IDC_WE_VALUE_SPIN, IDC_WE_COMPARE, IDC_WE_LIST, IDC_WE_INSERT,
                    IDC_WE_DELETE});
}

// "道" and "壁" zero the world number at once and grey the world's fields; OK writes the
// entries, takes an undo snapshot and counts the map changed.
TEST_F(WorldEventDlg, RoadsAndWallsZeroTheWorldNumber) {
    const int result = Run([](HWND dlg) {
        EXPECT_EQ(Row(dlg, 0), "1 ステージ番号 5");
        EXPECT_EQ(cSheetDriver::Text(dlg, IDC_WE_VAR), "変数条件なし");
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg, IDC_WE_VALUE)));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg, IDC_WE_COMPARE)));
        Click(dlg, IDC_WE_INSERT);
        EXPECT_EQ(Rows(dlg), 2);
        SetDlgItemTextA(dlg, IDC_WE_WORLD_NO, "7");
        Choose(dlg, IDC_WE_TYPE, 1);
        EXPECT_EQ(cSheetDriver::Text(dlg, IDC_WE_WORLD_NO), "0");
        for (int id : {IDC_WE_WORLD_NO, IDC_WE_WORLD_NAME, IDC_WE_STAGE, IDC_WE_PASS, IDC_WE_REPLAY, IDC_WE_GAME_CLEAR})
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg, id))) << id;
        SelectRow(dlg, 1);
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dlg, IDC_WE_WORLD_NO)));
        Choose(dlg, IDC_WE_TYPE, 2);
        Choose(dlg, IDC_WE_VAR, 2);
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dlg, IDC_WE_VALUE)));
        SetDlgItemTextA(dlg, IDC_WE_VALUE, "-12");
        Click(dlg, IDC_WE_OK);
    });
    EXPECT_EQ(result, 1);
    ASSERT_EQ(m_Event.m_Pages.size(), 2u);
    EXPECT_EQ(m_Event.m_Pages[0].m_Type, eWorldEventRoad);
    EXPECT_EQ(m_Event.m_Pages[0].m_WorldNo, 0);
    EXPECT_EQ(m_Event.m_Pages[1].m_Type, eWorldEventWall);
    EXPECT_EQ(m_Event.m_Pages[1].m_WorldNo, 0);
    EXPECT_EQ(m_Event.m_Pages[1].m_CondVar, 2);
    EXPECT_EQ(m_Event.m_Pages[1].m_CondValue, -12);
    EXPECT_EQ(m_Event.m_Name, "城");
    EXPECT_TRUE(WorldMapEdit().CanUndo());
    EXPECT_EQ(WorldMapModified(), 1);
}

TEST_F(WorldEventDlg, CancelLeavesTheEventAsItWas) {
    const cWorldEvent before = m_Event;
    const int result = Run([](HWND dlg) {
        SetDlgItemTextA(dlg, IDC_WE_NAME, "塔");
        SetDlgItemTextA(dlg, IDC_WE_WORLD_NO, "9");
        Click(dlg, IDC_WE_INSERT);
        Click(dlg, IDC_WE_CANCEL);
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(m_Event.m_Name, before.m_Name);
    ASSERT_EQ(m_Event.m_Pages.size(), 1u);
    EXPECT_EQ(m_Event.m_Pages[0].m_WorldNo, 5);
    EXPECT_FALSE(WorldMapEdit().CanUndo());
    EXPECT_EQ(WorldMapModified(), 0);
}

// The list holds 1 to 99 entries: the 100th and the deletion of the last are refused.
TEST_F(WorldEventDlg, TheEntryListKeepsBetweenOneAndNinetyNine) {
    m_Event.m_Pages.resize(cWorldEventDlg::kMaxEntries);
    Run([](HWND dlg) {
        Click(dlg, IDC_WE_INSERT);
        EXPECT_EQ(Rows(dlg), cWorldEventDlg::kMaxEntries);
        for (int n = 0; n < cWorldEventDlg::kMaxEntries + 2; ++n) Click(dlg, IDC_WE_DELETE);
        EXPECT_EQ(Rows(dlg), 1);
        Click(dlg, IDC_WE_OK);
    });
    EXPECT_EQ(m_Event.m_Pages.size(), 1u);
}

namespace {
std::string g_stage;
int ChooseStage(bool, char* file, DWORD length, const char*, const char*, const char*, const char*) {
    lstrcpynA(file, g_stage.c_str(), static_cast<int>(length));
    return 1;
}
}  // namespace

// A renamed variable reaches the names file at once, though the dialog is then cancelled.
TEST_F(WorldEventDlg, ARenameIsSavedBeforeCancelAndTheStageIsChosenRelative) {
    SetFileDialogHook(ChooseStage);
    g_stage = m_Dir.Path() + "\\data\\stg4\\W1.stg4_147";
    std::string chosen;
    Run([&](HWND dlg) {
        Click(dlg, IDC_WE_VAR_RENAME);  // "変数条件なし": a beep, no input
        Choose(dlg, IDC_WE_VAR, 1);
        DriveCaptioned("変数名の入力", [](HWND input) {
            SetDlgItemTextA(input, IDC_INPUT_EDIT, "宝");
            Click(input, IDC_INPUT_OK);
        });
        Click(dlg, IDC_WE_VAR_RENAME);
        EXPECT_EQ(cSheetDriver::Text(dlg, IDC_WE_VAR), "001 宝");
        Click(dlg, IDC_WE_STAGE_BROWSE);
        chosen = cSheetDriver::Text(dlg, IDC_WE_STAGE);
        Click(dlg, IDC_WE_CANCEL);
    });
    EXPECT_EQ(chosen, ".\\data\\stg4\\W1.stg4_147");
    EXPECT_EQ(CommonVarNames()[1].m_Name, "宝");
    cVarNames saved;
    ASSERT_TRUE(LoadGValInfo(saved, "data\\GValInfo.dat", false));
    ASSERT_GT(saved.size(), 1u);
    EXPECT_EQ(saved[1].m_Name, "宝");
    EXPECT_EQ(m_Event.m_Pages[0].m_CondVar, 0);
}

// The event and world names hold 20 bytes: of 15 double-byte characters the first 10 stay.
TEST_F(WorldEventDlg, NamesAreLimitedToTwentyBytes) {
    const char typed[] = "あいうえおかきくけこさしすせそ";
    Run([&](HWND dlg) {
        SetDlgItemTextA(dlg, IDC_WE_NAME, typed);
        SetDlgItemTextA(dlg, IDC_WE_WORLD_NAME, typed);
        Click(dlg, IDC_WE_OK);
    });
    EXPECT_EQ("あいうえおかきくけこ", m_Event.m_Name);
    EXPECT_EQ("あいうえおかきくけこ", m_Event.m_Pages[0].m_WorldName);
}
