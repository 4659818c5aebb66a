// The main window driven by messages: its resources, the menu and toolbar states with and
// without a stage, the layer commands and Space, the title, the scroll bars and the first view,
// minimising and restoring, the saved placement, the view switches and closing the stage.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/FileDialogs.h"
#include "framework/TestSeams.h"
#include "tests/shell/EditorFixture.h"
#include "tests/support/BoxAnswers.h"
#include "tests/support/InputQueue.h"

namespace {

struct cMenuEntry {
    int id;
    const char* text;
};

// Every item of menu 128 with its text.
const cMenuEntry kMenu[] = {
    {ID_FILE_NEW, "ステージの新規作成(&N)\tCtrl+N"},
    {ID_FILE_OPEN, "ステージを開く(&O)\tCtrl+O"},
    {ID_FILE_CLOSE, "ステージを閉じる(&C)"},
    {ID_FILE_SAVE, "コモンパレットの上書き保存＆ステージの上書き保存(&S)\tCtrl+S"},
    {ID_FILE_SAVE_AS, "コモンパレットの上書き保存＆ステージの新規保存(&A)"},
    {ID_FILE_SAVE_COMMON, "コモンパレットの上書き保存(&B)"},
    {ID_EDIT_UNDO, "元に戻す(&U)\tCtrl+Z"},
    {ID_EDIT_REDO, "やり直し(&R)\tCtrl+Y"},
    {ID_CLEAR_BLOCKS, "全てのブロックをクリア(&B)"},
    {ID_CLEAR_CHARAS, "全てのキャラをクリア(&C)"},
    {ID_CLEAR_ITEMS, "全てのアイテムをクリア(&I)"},
    {ID_LAYER_BLOCKS, "ブロック(&B)"},
    {ID_LAYER_CHARAS, "キャラ(&C)"},
    {ID_LAYER_ITEMS, "アイテム(&I)"},
    {ID_VIEW_COMMON, "コモンパレット(&C)"},
    {ID_VIEW_STAGE, "ステージパレット(&S)"},
    {ID_VIEW_GROUP, "グループ情報(&G)"},
    {ID_STAGE_SETTINGS, "設定(&E)"},
    {ID_STAGE_LOAD_PALETTE, "ステージパレットの読み込み(&L)"},
    {ID_STAGE_SAVE_PALETTE, "ステージパレットの保存(&A)"},
    {ID_STAGE_OPTIONS, "ステージオプション(&O)"},
    {ID_TOOL_DATABASE, "データベース(&D)"},
    {ID_TOOL_WORLD_MAP, "ワールドマップ(&W)"},
    {ID_TOOL_SYSTEM, "システム(&S)"},
    {ID_TOOL_PROJECT_OPTIONS, "プロジェクトオプション(&O)"},
    {ID_PLAY_STAGE, "テストプレイ(&T)\tCtrl+T"},
    {ID_PLAY_GAME, "ゲーム全体のテストプレイ(&G)\tCtrl+G"},
    {ID_TOOL_BITMAP, "ビットマップ変換ツール(&B)"},
};

const int kAlwaysItems[] = {ID_FILE_NEW,     ID_FILE_OPEN,   ID_FILE_SAVE_COMMON, ID_TOOL_DATABASE, ID_TOOL_WORLD_MAP,
                            ID_TOOL_SYSTEM, ID_TOOL_PROJECT_OPTIONS, ID_PLAY_GAME, ID_TOOL_BITMAP};
const int kStageItems[] = {ID_FILE_CLOSE,   ID_FILE_SAVE_AS, ID_FILE_SAVE,       ID_LAYER_BLOCKS,      ID_LAYER_CHARAS,
                           ID_LAYER_ITEMS,  ID_CLEAR_BLOCKS, ID_CLEAR_CHARAS,    ID_CLEAR_ITEMS,       ID_STAGE_SETTINGS,
                           ID_STAGE_LOAD_PALETTE, ID_STAGE_SAVE_PALETTE, ID_STAGE_OPTIONS, ID_PLAY_STAGE};

// The toolbar, left to right: commands, 0 for a separator, with the tooltip.
const cMenuEntry kToolbar[] = {
    {ID_FILE_NEW, "新規作成"},
    {ID_FILE_OPEN, "開く"},
    {ID_FILE_SAVE, "上書き保存"},
    {0, nullptr},
    {ID_EDIT_UNDO, "元に戻す"},
    {ID_EDIT_REDO, "やり直し"},
    {0, nullptr},
    {ID_TOOL_BLOCKS, "ブロックパレット"},
    {ID_TOOL_CHARAS, "キャラパレット"},
    {ID_TOOL_ITEMS, "アイテムパレット"},
    {0, nullptr},
    {ID_PLAY_STAGE_BUTTON, "テストプレイ"},
    {ID_PLAY_GAME_BUTTON, "ゲーム全体のテストプレイ"},
};

bool ItemEnabled(HWND wnd, int id) { return !(GetMenuState(GetMenu(wnd), id, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)); }
bool ItemChecked(HWND wnd, int id) { return (GetMenuState(GetMenu(wnd), id, MF_BYCOMMAND) & MF_CHECKED) != 0; }
LRESULT ButtonState(const cEditWnd& main, int id) {
    return SendMessageA(GetDlgItem(main.GetHwnd(), IDC_EDIT_TOOLBAR), TB_GETSTATE, id, 0);
}

std::string Title(HWND wnd) {
    char text[512] = "";
    GetWindowTextA(wnd, text, sizeof text);
    return text;
}

// The layer shown: menu marks and toolbar buttons agree with the document.
void ExpectLayerShown(const cEditorFixture& f, int layer) {
    const int items[] = {ID_LAYER_BLOCKS, ID_LAYER_CHARAS, ID_LAYER_ITEMS};
    const int buttons[] = {ID_TOOL_BLOCKS, ID_TOOL_CHARAS, ID_TOOL_ITEMS};
    EXPECT_EQ(layer, StageDoc().m_Layer);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(i == layer, ItemChecked(f.MainWnd(), items[i])) << i;
        LRESULT expected = i == layer ? TBSTATE_ENABLED | TBSTATE_CHECKED : TBSTATE_ENABLED;
        EXPECT_EQ(expected, ButtonState(f.Main(), buttons[i])) << i;
    }
}

}  // namespace

TEST(EditWnd, EveryControlMenuItemAndToolButtonIsThere) {
    cEditorFixture f(false);
    HWND wnd = f.MainWnd();
    for (int id : {IDC_CANVAS, IDC_CANVAS_HBAR, IDC_CANVAS_VBAR, IDC_EDIT_TOOLBAR, IDC_EDIT_STATUS})
        EXPECT_NE(nullptr, GetDlgItem(wnd, id)) << "control " << id;
    EXPECT_EQ(f.Main().StatusBar(), GetDlgItem(wnd, IDC_EDIT_STATUS));

    HMENU menu = GetMenu(wnd);
    ASSERT_NE(nullptr, menu);
    for (const cMenuEntry& entry : kMenu) {
        char text[256] = "";
        ASSERT_GT(GetMenuStringA(menu, entry.id, text, sizeof text, MF_BYCOMMAND), 0) << "menu item " << entry.id;
        EXPECT_STREQ(entry.text, text) << entry.id;
    }

    HWND toolbar = GetDlgItem(wnd, IDC_EDIT_TOOLBAR);
    ASSERT_EQ(13, SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < 13; ++i) {
        TBBUTTON button = {};
        SendMessageA(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        const cMenuEntry& entry = kToolbar[i];
        if (!entry.id) {
            EXPECT_EQ(BTNS_SEP, button.fsStyle & BTNS_SEP) << "position " << i;
            continue;
        }
        EXPECT_EQ(entry.id, button.idCommand) << "position " << i;
        char tip[128] = "";
        LoadStringA(GetModuleHandleA(nullptr), entry.id, tip, sizeof tip);
        EXPECT_STREQ(entry.text, tip) << entry.id;
    }
    // The three layer buttons form one check group.
    for (int i : {7, 8, 9}) {
        TBBUTTON button = {};
        SendMessageA(toolbar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
        EXPECT_EQ(BTNS_CHECKGROUP, button.fsStyle & BTNS_CHECKGROUP) << i;
    }
}

TEST(EditWnd, WithoutAStageOnlyTheAlwaysAvailableCommandsAreOn) {
    cEditorFixture f(false);
    HWND wnd = f.MainWnd();
    EXPECT_EQ("Quorbel4", Title(wnd));
    for (int id : kAlwaysItems) EXPECT_TRUE(ItemEnabled(wnd, id)) << id;
    for (int id : kStageItems) EXPECT_FALSE(ItemEnabled(wnd, id)) << id;
    for (int id : {ID_EDIT_UNDO, ID_EDIT_REDO}) EXPECT_FALSE(ItemEnabled(wnd, id)) << id;
    for (int id : {ID_FILE_NEW, ID_FILE_OPEN, ID_PLAY_GAME_BUTTON}) EXPECT_EQ(TBSTATE_ENABLED, ButtonState(f.Main(), id)) << id;
    for (int id : {ID_FILE_SAVE, ID_EDIT_UNDO, ID_EDIT_REDO, ID_TOOL_BLOCKS, ID_TOOL_CHARAS, ID_TOOL_ITEMS,
                   ID_PLAY_STAGE_BUTTON})
        EXPECT_EQ(0, ButtonState(f.Main(), id)) << id;

    // Layer commands, Space and the view switches do nothing without a stage.
    for (int id : {ID_LAYER_CHARAS, ID_TOOL_ITEMS, ID_VIEW_COMMON}) f.Command(id);
    SendMessageA(wnd, WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(eLayerBlock, StageDoc().m_Layer);
    EXPECT_TRUE(EditConfig().m_Windows[1].m_Shown);
}

TEST(EditWnd, WithAStageItsCommandsAreOnAndTheTitleNamesIt) {
    cEditorFixture f(true);
    HWND wnd = f.MainWnd();
    EXPECT_EQ("Quorbel4  .\\data\\stg4\\A.stg4_147", Title(wnd));  // relative to the project
    for (int id : kAlwaysItems) EXPECT_TRUE(ItemEnabled(wnd, id)) << id;
    for (int id : kStageItems) EXPECT_TRUE(ItemEnabled(wnd, id)) << id;
    // Nothing to undo or redo yet.
    for (int id : {ID_EDIT_UNDO, ID_EDIT_REDO}) {
        EXPECT_FALSE(ItemEnabled(wnd, id)) << id;
        EXPECT_EQ(0, ButtonState(f.Main(), id)) << id;
    }
    for (int id : {ID_FILE_NEW, ID_FILE_OPEN, ID_PLAY_GAME_BUTTON, ID_FILE_SAVE, ID_PLAY_STAGE_BUTTON})
        EXPECT_EQ(TBSTATE_ENABLED, ButtonState(f.Main(), id)) << id;
    ExpectLayerShown(f, eLayerBlock);
}

TEST(EditWnd, LayerCommandsAndSpaceChangeTheLayerAndEachLayerKeepsItsPen) {
    cEditorFixture f(true);
    struct cStep {
        int command;  // 0: Space
        int layer;
    };
    const cStep steps[] = {{ID_LAYER_CHARAS, eLayerChara}, {ID_TOOL_ITEMS, eLayerItem}, {0, eLayerBlock},
                           {0, eLayerChara},               {ID_TOOL_BLOCKS, eLayerBlock}, {ID_LAYER_ITEMS, eLayerItem},
                           {ID_LAYER_ITEMS, eLayerItem},   {0, eLayerBlock}};
    for (const cStep& step : steps) {
        if (step.command)
            f.Command(step.command);
        else
            SendMessageA(f.MainWnd(), WM_KEYDOWN, VK_SPACE, 0);
        ExpectLayerShown(f, step.layer);
    }

    // The block layer's rectangle pen of 3 x 2 comes back after the items had a line.
    cStageDoc& doc = StageDoc();
    doc.SetPenMode(ePenRect);
    doc.m_PenWidth = 3;
    doc.m_PenHeight = 2;
    doc.m_SelIndex = 5;
    f.Command(ID_TOOL_ITEMS);
    EXPECT_EQ(ePenNormal, doc.m_PenMode);
    EXPECT_EQ(1, doc.m_PenWidth);
    doc.SetPenMode(ePenLine);
    f.Command(ID_LAYER_BLOCKS);
    EXPECT_EQ(ePenRect, doc.m_PenMode);
    EXPECT_EQ(3, doc.m_PenWidth);
    EXPECT_EQ(2, doc.m_PenHeight);
    EXPECT_EQ(5, doc.m_SelIndex);
    SendMessageA(f.MainWnd(), WM_KEYDOWN, VK_SPACE, 0);
    SendMessageA(f.MainWnd(), WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(ePenLine, doc.m_PenMode);
}

TEST(EditWnd, ScrollBarsSpanTheStageWithAPageOfTheCanvas) {
    cEditorFixture f(true, 100, 40, -1, 0);
    struct cBar {
        int id;
        int max;
        UINT page;
    };
    const cBar bars[] = {{IDC_CANVAS_HBAR, 99, 640 / 32}, {IDC_CANVAS_VBAR, 39, 480 / 32}};
    for (const cBar& bar : bars) {
        SCROLLINFO si = {sizeof si, SIF_ALL};
        ASSERT_TRUE(GetScrollInfo(GetDlgItem(f.MainWnd(), bar.id), SB_CTL, &si));
        EXPECT_EQ(0, si.nMin) << bar.id;
        EXPECT_EQ(bar.max, si.nMax) << bar.id;
        EXPECT_EQ(bar.page, si.nPage) << bar.id;
    }
    EXPECT_EQ(640, f.Main().ContentWidth());
    EXPECT_EQ(480, f.Main().ContentHeight());

    // A bar's new position is the view's.
    HWND horz = GetDlgItem(f.MainWnd(), IDC_CANVAS_HBAR);
    SendMessageA(f.MainWnd(), WM_HSCROLL, SB_PAGERIGHT, reinterpret_cast<LPARAM>(horz));
    EXPECT_EQ(20, f.Main().ScrollColumn());
    HWND vert = GetDlgItem(f.MainWnd(), IDC_CANVAS_VBAR);
    SendMessageA(f.MainWnd(), WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(vert));
    EXPECT_EQ(1, f.Main().ScrollRow());
}

TEST(EditWnd, TheFirstViewShowsThePlayerTenColumnsAndSevenRowsIn) {
    struct cCase {
        int width, height, hx, hy;
        int column, row;
    };
    const cCase cases[] = {
        {100, 40, 50, 20, 40, 13},  // inside
        {100, 40, 3, 2, 0, 0},      // near the top left
        {100, 40, 97, 39, 80, 25},  // near the bottom right: the last screen
        {20, 15, 15, 10, 0, 0},     // a stage of one screen
        {100, 40, -1, 0, 0, 0},     // no player
    };
    for (const cCase& c : cases) {
        cEditorFixture f(true, c.width, c.height, c.hx, c.hy);
        EXPECT_EQ(c.column, f.Main().ScrollColumn()) << c.hx << "," << c.hy;
        EXPECT_EQ(c.row, f.Main().ScrollRow()) << c.hx << "," << c.hy;
        EXPECT_EQ(c.column, f.Main().HorzBar().GetPos());
        EXPECT_EQ(c.row, f.Main().VertBar().GetPos());
    }
}

TEST(EditWnd, MinimisingHidesTheWindowAndMinimisesTheFrameUntilRestored) {
    cEditorFixture f(true);
    SendMessageA(f.MainWnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    PumpEditor();
    EXPECT_FALSE(IsWindowVisible(f.MainWnd()));
    EXPECT_EQ(1, f.Main().m_Hidden);
    EXPECT_TRUE(IsIconic(f.FrameWndHandle()));

    SendMessageA(f.FrameWndHandle(), WM_SYSCOMMAND, SC_RESTORE, 0);
    PumpEditor();
    EXPECT_TRUE(IsWindowVisible(f.MainWnd()));
    EXPECT_EQ(0, f.Main().m_Hidden);
    EXPECT_FALSE(IsIconic(f.FrameWndHandle()));
    EXPECT_EQ(1, AppState().restored);

    // Leaving the application hides it the same way; coming back restores it.
    SendMessageA(f.FrameWndHandle(), WM_ACTIVATEAPP, FALSE, 1234);
    EXPECT_FALSE(IsWindowVisible(f.MainWnd()));
    EXPECT_EQ(0, AppState().active);
    SendMessageA(f.FrameWndHandle(), WM_ACTIVATEAPP, TRUE, 1234);
    EXPECT_TRUE(IsWindowVisible(f.MainWnd()));
    EXPECT_EQ(1, AppState().active);
}

TEST(EditWnd, ThePlacementIsStoredWhenTheWindowGoesAndReused) {
    struct cCase {
        cWndPos saved;
        int x, y, width, height;  // of the next window: its corner and canvas
    };
    cWndPos none;
    cWndPos placed;
    placed.m_Valid = 1;
    placed.m_X = 120;
    placed.m_Y = 90;
    placed.m_Width = 400;
    placed.m_Height = 300;
    cWndPos outside = placed;
    outside.m_Width = 2000;
    outside.m_Height = 100;
    const cCase cases[] = {{none, 50, 50, 640, 480}, {placed, 120, 90, 400, 300}, {outside, 120, 90, 640, 160}};
    for (const cCase& c : cases) {
        cEditorFixture f(false);
        RebuildEditWnd(0);
        EditConfig().m_Windows[0] = c.saved;
        RebuildEditWnd(1);
        RECT outer;
        GetWindowRect(f.MainWnd(), &outer);
        EXPECT_EQ(c.x, outer.left);
        EXPECT_EQ(c.y, outer.top);
        EXPECT_EQ(c.width, f.Main().ContentWidth());
        EXPECT_EQ(c.height, f.Main().ContentHeight());

        // The window as it is when it goes is what the configuration keeps.
        RebuildEditWnd(0);
        const cWndPos& stored = EditConfig().m_Windows[0];
        EXPECT_EQ(1, stored.m_Valid);
        EXPECT_EQ(c.x, stored.m_X);
        EXPECT_EQ(c.y, stored.m_Y);
        EXPECT_EQ(c.width, stored.m_Width);
        EXPECT_EQ(c.height, stored.m_Height);
        EXPECT_EQ(nullptr, MainEditWnd());
        EXPECT_TRUE(f.Dir().Exists("data\\PrjOption.dat"));
    }
}

TEST(EditWnd, ViewSwitchesToggleTheirWindowsTogetherAndSaveAtOnce) {
    cEditorFixture f(true);
    struct cCase {
        int command;
        std::vector<int> windows;
    };
    const cCase cases[] = {{ID_VIEW_COMMON, {1, 3, 5}}, {ID_VIEW_STAGE, {2, 4, 6}}, {ID_VIEW_GROUP, {7}}};
    for (const cCase& c : cases) {
        for (int shown : {0, 1}) {
            DeleteFileA("e_data\\EditConfig.dat");
            f.Command(c.command);
            for (int w : c.windows) EXPECT_EQ(shown, EditConfig().m_Windows[w].m_Shown) << c.command << " " << w;
            EXPECT_EQ(shown == 1, ItemChecked(f.MainWnd(), c.command)) << c.command;
            cEditConfig saved;
            ASSERT_TRUE(saved.LoadFile("e_data\\EditConfig.dat")) << c.command;
            EXPECT_EQ(shown, saved.m_Windows[c.windows[0]].m_Shown) << c.command;
        }
    }
    // A save that fails says so.
    DeleteFileA("e_data\\EditConfig.dat");
    ASSERT_TRUE(CreateDirectoryA("e_data\\EditConfig.dat", nullptr));  // a folder in the file's place
    cBoxAnswers boxes;
    f.Command(ID_VIEW_GROUP);
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("e_data\\EditConfig.dat の保存に失敗しました！", boxes.Shown()[0].text);
}

TEST(EditWnd, ClosingTheStageRebuildsTheWindowWithoutOne) {
    cEditorFixture f(true, 40, 20, 5, 5);
    f.Command(ID_LAYER_ITEMS);
    f.Command(ID_FILE_CLOSE);
    EXPECT_EQ(0, StageDoc().m_StageOpen);
    EXPECT_EQ("", StageDoc().m_StagePath);
    EXPECT_EQ(20, ProjectStage().m_Width);
    EXPECT_FALSE(ProjectStage().HasHero());
    // The rebuild started the document afresh.
    ASSERT_NE(nullptr, MainEditWnd());
    EXPECT_EQ(eLayerBlock, StageDoc().m_Layer);
    EXPECT_EQ("Quorbel4", Title(f.MainWnd()));
    EXPECT_FALSE(ItemEnabled(f.MainWnd(), ID_FILE_CLOSE));
}

TEST(EditWnd, EscAsksBeforeTheEditorEnds) {
    cEditorFixture f(false);
    cBoxAnswers boxes;
    boxes.Answer(IDNO);
    SendMessageA(f.MainWnd(), WM_KEYDOWN, VK_ESCAPE, 0);
    PumpEditor();
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("終了しますか？\n", boxes.Shown()[0].text);
    EXPECT_EQ("終了確認", boxes.Shown()[0].caption);
    EXPECT_TRUE(IsWindow(f.FrameWndHandle()));

    // Esc through the dialog manager (IDCANCEL) asks the same; Yes ends the frame.
    boxes.Answer(IDYES);
    SendMessageA(f.MainWnd(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(PumpEditor());
    EXPECT_EQ(2u, boxes.Shown().size());
    EXPECT_EQ(nullptr, FrameWnd()->GetHwnd());
}

TEST(EditWnd, TheEndOfATestPlaySetsTheHistoryUpAgain) {
    cEditorFixture f(true, 40, 20, 1, 1);
    struct cCase {
        ULONG_PTR kind;
        int32_t value;
        bool ends;
    };
    const cCase cases[] = {{1, 1, false}, {0, 0, false}, {0, 1, true}};
    for (const cCase& c : cases) {
        AppState().testPlaying = 1;
        UndoHistory().Clear();
        COPYDATASTRUCT data = {c.kind, sizeof c.value, const_cast<int32_t*>(&c.value)};
        EXPECT_EQ(TRUE, SendMessageA(f.FrameWndHandle(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)));
        EXPECT_EQ(c.ends ? 0 : 1, AppState().testPlaying) << c.kind << "," << c.value;
        EXPECT_EQ(c.ends ? 64u * 20 : 0u, UndoHistory().CellsPerStep()) << c.kind << "," << c.value;
    }
}

TEST(EditWnd, ReturnsFromOtherWindowsBringTheEditorBackOnTheStageAsItIsNow) {
    struct cCase {
        const char* name;
        void (cEditWnd::*back)();
        bool resized;  // the bars follow a new stage size and the history is set up for it
    };
    const cCase cases[] = {
        {"stage settings", &cEditWnd::ReturnFromStageSettings, true},
        {"world map", &cEditWnd::ReturnFromWorldMap, false},
        {"database", &cEditWnd::ReturnFromDatabase, false},
        {"system", &cEditWnd::ReturnFromSystem, false},
        {"project options", &cEditWnd::ReturnFromProjectOptions, false},
    };
    for (const cCase& c : cases) {
        cEditorFixture f(true, 40, 20, -1, 0);
        cEdStage& stage = ProjectStage();
        stage.SetSize(100, 30);
        stage.m_Limit[eLimitRight] = 500;  // set beyond the stage by the window left
        UndoHistory().Clear();
        AppState().front = eFrontWorldMap;
        EditorGroup().EnableAll(0);
        f.Main().Show(SW_HIDE);
        (f.Main().*c.back)();
        EXPECT_TRUE(IsWindowVisible(f.MainWnd())) << c.name;
        EXPECT_TRUE(IsWindowEnabled(f.MainWnd())) << c.name;
        bool viewClamped = c.back != &cEditWnd::ReturnFromWorldMap;
        EXPECT_EQ(viewClamped ? 99 : 500, stage.m_Limit[eLimitRight]) << c.name;  // the last column
        bool frontStage = c.back == &cEditWnd::ReturnFromStageSettings || c.back == &cEditWnd::ReturnFromWorldMap;
        EXPECT_EQ(frontStage ? eFrontStage : eFrontWorldMap, AppState().front) << c.name;
        SCROLLINFO si = {sizeof si, SIF_RANGE};
        GetScrollInfo(GetDlgItem(f.MainWnd(), IDC_CANVAS_HBAR), SB_CTL, &si);
        EXPECT_EQ(c.resized ? 99 : 39, si.nMax) << c.name;
        EXPECT_EQ(c.resized ? 128u * 30 : 0u, UndoHistory().CellsPerStep()) << c.name;
    }
}

namespace {

// Ctrl and a letter through the input queue, to the window with the focus.
void CtrlKey(WORD letter) {
    TypeChord({VK_CONTROL, letter});
    for (int i = 0; i < 5; ++i) {
        Sleep(20);
        PumpEditor();
    }
}

}  // namespace

TEST(EditorKeys, CtrlKeysUndoRedoSaveAndOpen) {
    cEditorFixture f(true);
    SetForegroundWindow(f.MainWnd());
    SetFocus(f.MainWnd());
    PumpEditor();
    cEdStage& stage = ProjectStage();
    stage.m_UndoCount = 4;
    UndoHistory().Init(stage.m_UndoCount, stage.m_Stride, stage.m_Height);
    f.Main().PushUndo(eLayerAll);
    cEdBlock block;
    block.m_Graphic = 5;
    stage.m_Blocks.Put(stage.CellIndex(2, 2), block);

    CtrlKey('Z');
    EXPECT_TRUE(stage.m_Blocks.IsEmpty(stage.CellIndex(2, 2))) << "Ctrl+Z undoes";
    CtrlKey('Y');
    EXPECT_FALSE(stage.m_Blocks.IsEmpty(stage.CellIndex(2, 2))) << "Ctrl+Y redoes";

    // Ctrl+S saves to the stage's own file; Ctrl+O asks for the file to open.
    CreateDirectoryA("data\\stg4", nullptr);
    CtrlKey('S');
    EXPECT_TRUE(f.Dir().Exists("data\\stg4\\A.stg4_147"));
    static int asked = 0;
    SetFileDialogHook([](bool save, char*, DWORD, const char*, const char* title, const char*, const char*) {
        asked += !save && std::string(title) == "読み込むファイルの選択";
        return 0;
    });
    CtrlKey('O');
    SetFileDialogHook(nullptr);
    EXPECT_EQ(1, asked);
    // No stage: Ctrl+Z does nothing.
    f.Command(ID_FILE_CLOSE);
    CtrlKey('Z');
    EXPECT_EQ(0, StageDoc().m_StageOpen);
}
