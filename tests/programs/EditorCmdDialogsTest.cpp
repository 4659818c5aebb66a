// Every command dialog opens in the running editor.exe: in the hero's chara sheet the action
// page's command picker, and in an item's sheet the effect list's item flow editor, offer one
// button per command type; each button opens that type's dialog (its caption and a control of its
// template), whose Cancel leaves the command list as it was. All 57 in one run of the editor,
// whose error log then names no missing control.
#include <gtest/gtest.h>

#include <windows.h>
#include <prsht.h>

#include <string>
#include <vector>

#include "editor/flow/CmdFlowOpIds.h"
#include "editor/flow/CmdShowIds.h"
#include "editor/flow/FlowCmdIds.h"
#include "editor/flow/ItemFlowIds.h"
#include "tests/programs/EditorSession.h"
#include "tests/support/RunningProgram.h"
#include "tests/support/TempDir.h"

namespace {

const int kElementEdit = 40141;  // the palette's 編集
const int kCmdList = 1095;
const int kNewFlowButton = 1066;    // the action page's new flow

struct cDialogCase {
    int type;
    const char* caption;
    int control;  // a control of the type's template
};

// Chara command types, by their picker buttons.
const cDialogCase kCharaCases[] = {
    {1, "ウエイト", IDC_CMD_TIME_K},
    {2, "直線移動", IDC_MV_ANGLE},
    {3, "地上折り返し移動", IDC_MV_SET_TYPE},
    {4, "円移動", IDC_MV_END_ANGLE},
    {5, "突撃移動", IDC_MV_SET_TYPE},
    {6, "誘導移動", IDC_MV_HOMING},
    {7, "画面外回避移動", IDC_MV_DIR},
    {8, "移動の無効化", IDC_CMD_TIME},
    {9, "向き変更", IDC_DIR_FACING},
    {10, "ジャンプ", IDC_JUMP_MAX_HEIGHT},
    {11, "ショット", IDC_SHOT_AIM},
    {12, "ソード", IDC_SWORD_TYPE},
    {13, "ブロック召喚", IDC_SUMMON_FAIL_IF_BLOCKED},
    {14, "キャラ召喚", IDC_SUMMON_FLIP_DIR},
    {15, "アイテム召喚", IDC_SUMMON_USE_LIFE},
    {16, "フローの操作", IDC_FLOWOP_TARGET},
    {17, "ステージクリア", IDC_CLEAR_MAP_WARP},
    {18, "ゲームウエイト", IDC_CMD_TIME},
    {19, "メッセージ", IDC_MSG_FIT},
    {20, "ワープ", IDC_MV_DIR_MODE},
    {21, "ターゲットの設定", IDC_TGT_KIND},
    {22, "ステータスの操作", IDC_SOP_CALC},
    {23, "ステータスの操作2", IDC_SW_SUBJECT},
    {24, "アイテムの取得", IDC_GET_ITEM},
    {25, "グラフィックの変更", IDC_GFX_PREVIEW},
    {26, "基本アニメセットの変更", IDC_ANIME_SET},
    {27, "アニメの実行", IDC_ANIME},
    {28, "エフェクトの実行", IDC_FX_EFFECT},
    {29, "キャラエフェクトの実行", IDC_FX_CHARA_EFFECT},
    {30, "画面エフェクトの実行", IDC_FX_SCR_EFFECT},
    {31, "ピクチャーの表示", IDC_FX_PICTURE},
    {32, "画面の色を変更", IDC_COLOR_FLASH},
    {33, "背景の変更", IDC_BACK_ACTION},
    {34, "効果音の再生", IDC_SND_SOUND},
    {35, "BGMの再生", IDC_BGM_PLAY},
    {36, "コードの実行", IDC_CODE_COMMON_RENAME},
};

// Item command types: "フローの変更" has a dialog of its own (titled as the chara one's), item
// type k from 2 on opens the dialog of chara type k + 15.
std::vector<cDialogCase> ItemCases() {
    std::vector<cDialogCase> cases = {{1, "フローの操作", IDC_FLOWCHG_FLOWS}};
    for (const cDialogCase& c : kCharaCases)
        if (c.type >= 17) cases.push_back({c.type - 15, c.caption, c.control});
    return cases;
}

// The picker's button of a command type.
int TypeButton(int type) { return type <= 32 ? IDC_CMD_BUTTON_FIRST - 1 + type : IDC_CMD_BUTTON_GAP + type - 32; }

// A visible dialog of the owner's process that the owner owns, other than `other`.
HWND WaitForOwned(HWND owner, HWND other = nullptr) {
    DWORD pid = 0;
    GetWindowThreadProcessId(owner, &pid);
    return WaitForWindow({pid, true, "#32770", owner, other}, kWaitMs);
}

std::string Caption(HWND wnd) {
    char text[256] = "";
    GetWindowTextA(wnd, text, sizeof text);
    return text;
}


// Opens the palette element 1 of the layer in its data sheet, on the page.
HWND OpenSheet(const cRunningProgram& editor, HWND main, int layer, const char* palette, const char* sheetTitle,
               int page, HWND* pageWnd) {
    PostMessageA(main, WM_COMMAND, layer, 0);
    HWND tool = editor.WaitForWindow("#32770", palette, kWaitMs);
    if (!tool) return nullptr;
    PostMessageA(tool, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(48, kCanvasTop + 12));
    PostMessageA(tool, WM_LBUTTONUP, 0, MAKELPARAM(48, kCanvasTop + 12));
    PostMessageA(tool, WM_COMMAND, kElementEdit, 0);
    HWND sheet = editor.WaitForWindow("#32770", sheetTitle, kWaitMs);
    if (!sheet) return nullptr;
    SendMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(page), 0);
    *pageWnd = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    return sheet;
}

// For every case: the insert button opens the picker, the type's button the dialog, whose Cancel
// ends both and leaves the list as it was.
void OpenEveryDialog(const cRunningProgram& editor, HWND sheet, HWND page, const std::vector<cDialogCase>& cases) {
    HWND list = GetDlgItem(page, kCmdList);
    ASSERT_NE(nullptr, list);
    const int rows = Rows(list);
    for (const cDialogCase& c : cases) {
        SCOPED_TRACE(c.caption);
        Click(page, kCmdInsert);
        HWND picker = editor.WaitForWindow("#32770", "コマンド", kWaitMs);
        ASSERT_NE(nullptr, picker) << c.type;
        ASSERT_TRUE(IsWindowVisible(GetDlgItem(picker, TypeButton(c.type)))) << c.type;
        Click(picker, TypeButton(c.type));
        // The dialog is owned as the picker is; whatever opened is cancelled, so that one type
        // failing leaves the next ones to be tried.
        HWND dlg = WaitForOwned(GetWindow(picker, GW_OWNER), picker);
        // A control the dialog lacks is told in a box as the dialog is built.
        while (dlg && Caption(dlg) == "エラー") {
            char text[1024] = "";
            GetDlgItemTextA(dlg, 0xffff, text, sizeof text);
            ADD_FAILURE() << c.type << ": " << text;
            cRunningProgram::Answer(dlg, IDOK);
            dlg = WaitForOwned(GetWindow(picker, GW_OWNER), picker);
        }
        EXPECT_NE(nullptr, dlg) << c.type;
        if (dlg) {
            EXPECT_EQ(c.caption, Caption(dlg)) << c.type;
            EXPECT_NE(nullptr, GetDlgItem(dlg, c.control)) << c.type;
            EXPECT_FALSE(IsWindowVisible(picker)) << c.type;
        }
        HWND open = dlg ? dlg : picker;
        // A dialog that has just appeared may not take the press yet: it is pressed again.
        for (int i = 0; i < 10 && IsWindow(open); ++i) {
            if (dlg)
                PostMessageA(dlg, WM_COMMAND, IDC_CMD_CANCEL, 0);
            else
                PostMessageA(picker, WM_CLOSE, 0, 0);
            for (int k = 0; k < 50 && IsWindow(open); ++k) Sleep(20);
        }
        ASSERT_TRUE(WaitGone(open, kWaitMs)) << c.type;
        ASSERT_TRUE(WaitGone(picker, kWaitMs)) << c.type;
        for (DWORD waited = 0; waited < kWaitMs && !IsWindowEnabled(sheet); waited += 20) Sleep(20);
        EXPECT_EQ(rows, Rows(list)) << c.type;
    }
}

// Closes a sheet with its Cancel.
void CancelSheet(HWND sheet) {
    PostMessageA(sheet, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(WaitGone(sheet, kWaitMs));
}

}  // namespace

TEST(Programs, EditorOpensEveryCommandTypesDialog) {
    cTempDir dir;
    ASSERT_TRUE(SetUpEditorProject(false));

    cRunningProgram editor("editor.exe");
    ASSERT_TRUE(editor.Started());
    const cEditorWindows windows = WaitForEditorWindows(editor);
    ASSERT_NE(nullptr, windows.frame);
    ASSERT_NE(nullptr, windows.main);
    HWND main = windows.main;

    // The hero's action page, on a new flow of its own.
    HWND page = nullptr;
    HWND sheet = OpenSheet(editor, main, kCharaLayer, "[コモン]キャラパレット", "キャラデータ", 3, &page);
    ASSERT_NE(nullptr, sheet);
    ASSERT_NE(nullptr, page);
    Click(page, kNewFlowButton);
    ASSERT_NO_FATAL_FAILURE(
        OpenEveryDialog(editor, sheet, page, std::vector<cDialogCase>(std::begin(kCharaCases), std::end(kCharaCases))));
    CancelSheet(sheet);

    // The first item's effect list.
    sheet = OpenSheet(editor, main, kItemLayer, "[コモン]アイテムパレット", "アイテムデータ", 1, &page);
    ASSERT_NE(nullptr, sheet);
    ASSERT_NE(nullptr, page);
    ASSERT_NO_FATAL_FAILURE(OpenEveryDialog(editor, sheet, page, ItemCases()));
    CancelSheet(sheet);

    const std::string log = dir.Read("EC_Editor.txt");
    EXPECT_EQ(std::string::npos, log.find("コントロールID")) << log;

    EndEditor(editor, windows.frame);
}
