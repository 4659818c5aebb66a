// The world map window driven as the person does: mouse messages over its canvas, keys and
// commands; painting, block selection, undo and redo, the event commands, saving and closing.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "data/EditConfig.h"
#include "data/ProjectData.h"
#include "editor/shell/EditorIds.h"
#include "editor/shell/EditorProject.h"
#include "editor/shell/SystemBitmaps.h"
#include "editor/world/EventIds.h"
#include "editor/world/MapChipPaletteDlg.h"
#include "editor/world/WorldIds.h"
#include "editor/world/WorldMapDlg.h"
#include "editor/world/WorldMapEdit.h"
#include "editor/world/WorldWindows.h"
#include "tests/framework/TestPage.h"
#include "tests/framework/TestPalette.h"
#include "tests/shell/TestSheet.h"
#include "tests/support/BoxAnswers.h"
#include "tests/support/BuildFolder.h"
#include "tests/support/DialogDriver.h"
#include "tests/support/RunningProgram.h"
#include "tests/support/TempDir.h"

namespace {

const char kMapFile[] = "data\\WorldMap.dat";

bool IsEventDialogShown(HWND wnd) { return IsShownWithCaption(wnd, "イベント"); }

class WorldMapWindow : public testing::Test {
protected:
    void SetUp() override {
        CopyFactoryFolder("e_bmp");
        CreateDirectoryA("data", nullptr);
        CreateDirectoryA("e_data", nullptr);
        m_SavedMap = ProjectWorldMap();
        m_SavedConfig = EditConfig();
        EditConfig().Init();
        // Templates are placed at once unless a case asks for the event dialog.
        EditConfig().m_EditPlacedEvent = 0;
        EditConfig().m_EditBeforePlacing = 0;
        EditConfig().m_AutoWorldNumbers = 0;
        cWorldMap& map = ProjectWorldMap();
        map.Init();
        map.m_EventPalette.assign(1, cWorldEvent());
        map.m_EventPalette[0].Init();
        WorldMapModified() = 0;
        WorldMapEdit().Reset();
        cPage::SetScrollBarIds(IDC_CANVAS_HBAR, IDC_CANVAS_VBAR);
        m_Wnd = new cWorldMapDlg(nullptr, &m_Group);
        ASSERT_TRUE(m_Wnd->Create(0, TRUE));
        PumpPending(&m_Group);
    }
    void TearDown() override {
        delete m_Wnd;
        PumpPending(&m_Group);
        cPage::SetScrollBarIds(0, 0);
        ProjectWorldMap() = m_SavedMap;
        EditConfig() = m_SavedConfig;
        WorldMapModified() = 0;
        WorldMapEdit().Reset();
    }

    HWND Wnd() const { return m_Wnd->GetHwnd(); }
    // A message of the mouse over the cell (col, row) of the canvas, as seen now.
    void Mouse(UINT msg, int col, int row, WPARAM keys = 0) {
        RECT canvas;
        GetWindowRect(GetDlgItem(Wnd(), IDC_WORLD_CANVAS), &canvas);
        POINT pt = {canvas.left + col * 32 + 5, canvas.top + row * 32 + 5};
        ScreenToClient(Wnd(), &pt);
        SendMessageA(Wnd(), msg, keys, MAKELPARAM(pt.x, pt.y));
    }
    void Paint(int col, int row) {
        Mouse(WM_LBUTTONDOWN, col, row, MK_LBUTTON);
        Mouse(WM_LBUTTONUP, col, row);
    }
    void Select(int col1, int row1, int col2, int row2) {
        Mouse(WM_RBUTTONDOWN, col1, row1, MK_RBUTTON);
        Mouse(WM_MOUSEMOVE, col2, row2, MK_RBUTTON);
        Mouse(WM_RBUTTONUP, col2, row2);
    }
    void Command(int id) { SendMessageA(Wnd(), WM_COMMAND, id, 0); }
    void ScrollTo(int column, int row) {
        for (auto [msg, id, pos] : {std::tuple<UINT, int, int>{WM_HSCROLL, IDC_CANVAS_HBAR, column},
                                    {WM_VSCROLL, IDC_CANVAS_VBAR, row}}) {
            HWND bar = GetDlgItem(Wnd(), id);
            SetScrollPos(bar, SB_CTL, pos, TRUE);
            SendMessageA(Wnd(), msg, SB_ENDSCROLL, reinterpret_cast<LPARAM>(bar));
        }
    }
    int32_t Chip(int x, int y) const { return ProjectWorldMap().m_Grid[(y << ProjectWorldMap().m_PitchBits) + x]; }

    cTempDir m_Dir;
    cWorldMap m_SavedMap;
    cEditConfig m_SavedConfig;
    cWndGroup m_Group;
    cWorldMapDlg* m_Wnd = nullptr;
};

TEST_F(WorldMapWindow, OpensWithItsStatusAndUndoStates) {
    char caption[64] = "";
    GetWindowTextA(Wnd(), caption, sizeof caption);
    EXPECT_STREQ("ワールドマップ", caption);
    Mouse(WM_MOUSEMOVE, 3, 2);
    char status[64] = "";
    SendMessageA(FindWindowExA(Wnd(), nullptr, STATUSCLASSNAMEA, nullptr), SB_GETTEXTA, 0,
                 reinterpret_cast<LPARAM>(status));
    EXPECT_STREQ("座標 (3,2)", status);
    HMENU menu = GetMenu(Wnd());
    EXPECT_TRUE(GetMenuState(menu, ID_WORLD_UNDO, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(GetMenuState(menu, ID_WORLD_CHIP_MODE, MF_BYCOMMAND) & MF_CHECKED);
}

// The view by its pixels: a chip through its mask over the background colour, each event's
// first entry shrunk from the column of its world number and framed in yellow, the number in
// white, and the cursor's frame in its colour and the selection's in another.
TEST_F(WorldMapWindow, PaintingShowsChipsThroughTheirMaskEventsAndTheCursor) {
    std::vector<RGBQUAD> colours(256, RGBQUAD{0, 0, 0, 0});
    colours[40] = {30, 20, 10, 0};
    cTestPalette palette(m_Dir, colours);
    const COLORREF back = RGB(10, 20, 30), other = RGB(90, 90, 90), chip = RGB(200, 40, 40);
    const COLORREF numbered = RGB(40, 200, 40), plain = RGB(40, 40, 200), white = RGB(255, 255, 255);
    // Chip picture 6 (column 1, row 1): its left half drawn, its right half clear; the pictures
    // of the others, that of chip 0 in every other cell among them, all clear.
    cTestSheet chips(eBmpWorldMapChip, 160, 64,
                     [&](int x, int y) { return x / 32 == 1 && y / 32 == 1 && x % 32 < 16 ? chip : kClear; });
    // Event graphic 1: column 0 for a numbered world, column 1 for none.
    cTestSheet events(eBmpWorldEvent, 64, 64, [&](int x, int y) { return y < 32 ? other : x < 32 ? numbered : plain; });
    cWorldMap& map = ProjectWorldMap();
    map.m_BackColor = 40;
    map.m_UseBackImage = 0;
    map.m_Chips.resize(8);
    map.m_Chips[3].m_Picture = 6;
    map.m_Grid[(1 << map.m_PitchBits) + 2] = 3;
    cWorldEvent event;
    event.Init();
    event.m_Pages[0].m_Graphic = 1;
    map.PutEvent(event, 4, 2);
    event.m_Pages[0].m_WorldNo = 12;
    map.PutEvent(event, 6, 2);
    Mouse(WM_MOUSEMOVE, 8, 4);
    const cDib& view = m_Wnd->BackBuffer();
    auto at = [&](int x, int y) { return PixelOf(view, x, y); };
    auto whites = [&](int col, int row) {
        int count = 0;
        for (int y = row * 32 + 18; y < row * 32 + 32; ++y)
            for (int x = col * 32 + 16; x < col * 32 + 32; ++x) count += at(x, y) == white;
        return count;
    };
    EXPECT_EQ(chip, at(2 * 32 + 8, 32 + 16));
    EXPECT_EQ(back, at(2 * 32 + 24, 32 + 16));
    EXPECT_EQ(back, at(3 * 32 + 16, 32 + 16));
    EXPECT_EQ(plain, at(4 * 32 + 22, 2 * 32 + 8));
    EXPECT_EQ(RGB(255, 255, 0), at(4 * 32 + 15, 2 * 32 + 8));
    EXPECT_EQ(back, at(4 * 32 + 8, 2 * 32 + 8));
    EXPECT_EQ(0, whites(4, 2));
    EXPECT_EQ(numbered, at(6 * 32 + 22, 2 * 32 + 8));
    EXPECT_GT(whites(6, 2), 0);
    EXPECT_EQ(RGB(0x80, 0, 0xFF), at(8 * 32, 4 * 32 + 16));
    // A right-drag from (8, 4) to (10, 5) frames the three by two cells it selects.
    Mouse(WM_RBUTTONDOWN, 8, 4, MK_RBUTTON);
    Mouse(WM_MOUSEMOVE, 10, 5, MK_RBUTTON);
    EXPECT_EQ(RGB(0xFF, 0, 0x80), at(8 * 32, 4 * 32 + 16));
    EXPECT_EQ(RGB(0xFF, 0, 0x80), at(11 * 32, 5 * 32 + 16));
    Mouse(WM_RBUTTONUP, 10, 5);
}

TEST_F(WorldMapWindow, BrushOverTheEdgesChangesOnlyCellsInsideTheMap) {
    cWorldMap& map = ProjectWorldMap();
    map.m_Grid[(1 << map.m_PitchBits) + 1] = 7;
    map.m_Grid[(2 << map.m_PitchBits) + 2] = 8;
    Select(1, 1, 2, 2);  // a 2 x 2 brush of 7, 0 / 0, 8
    EXPECT_EQ(2, WorldMapEdit().m_Current.brushWidth);
    EXPECT_EQ(-1, WorldMapEdit().m_Current.paletteSel);
    Paint(19, 14);
    EXPECT_EQ(7, Chip(19, 14));
    // The cells beyond the width in the row's storage stay as they were.
    for (int x = 20; x < map.m_Pitch; ++x) EXPECT_EQ(0, Chip(x, 14)) << x;
    EXPECT_EQ(size_t(map.m_Pitch * map.m_Height), map.m_Grid.size());
    EXPECT_EQ(1, WorldMapModified());
}

TEST_F(WorldMapWindow, SelectionFollowsTheScrolledViewAndEndsTheSelecting) {
    cWorldMap& map = ProjectWorldMap();
    map.SetSize(40, 30);
    SendMessageA(Wnd(), WM_SIZE, 0, 0);
    map.m_Grid[(13 << map.m_PitchBits) + 18] = 4;
    ScrollTo(10, 8);
    Mouse(WM_RBUTTONDOWN, 8, 5, MK_RBUTTON);  // cell (18, 13)
    EXPECT_EQ(1, WorldMapEdit().m_Current.selecting);
    Mouse(WM_RBUTTONUP, 9, 7);                // cell (19, 15)
    EXPECT_EQ(2, WorldMapEdit().m_Current.brushWidth);
    EXPECT_EQ(3, WorldMapEdit().m_Current.brushHeight);
    EXPECT_EQ(4, WorldMapEdit().BrushChip(0, 0));
    EXPECT_EQ(0, WorldMapEdit().m_Current.selecting);
}

TEST_F(WorldMapWindow, ThreeUndosThenRedoAndANewEditClearsRedo) {
    for (int chip = 1; chip <= 4; ++chip) {
        WorldMapEdit().SelectChip(chip);
        Paint(chip, 0);
    }
    for (int step = 0; step < 3; ++step) Command(ID_ACCEL_UNDO);
    EXPECT_EQ(1, Chip(1, 0));
    EXPECT_EQ(0, Chip(2, 0));
    EXPECT_FALSE(WorldMapEdit().CanUndo());
    Command(ID_WORLD_UNDO);  // a fourth has nothing to go back to
    EXPECT_EQ(1, Chip(1, 0));
    HMENU menu = GetMenu(Wnd());
    EXPECT_TRUE(GetMenuState(menu, ID_WORLD_UNDO, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(GetMenuState(menu, ID_WORLD_REDO, MF_BYCOMMAND) & MF_GRAYED);
    Command(ID_ACCEL_REDO);
    EXPECT_EQ(2, Chip(2, 0));
    EXPECT_TRUE(WorldMapEdit().CanRedo());
    Paint(9, 9);
    EXPECT_FALSE(WorldMapEdit().CanRedo());
    Command(ID_WORLD_REDO);
    EXPECT_EQ(0, Chip(3, 0));
}

TEST_F(WorldMapWindow, UndoTakesBackEventsWithTheGrid) {
    Command(ID_WORLD_EVENT_MODE);
    Paint(5, 5);
    ASSERT_TRUE(ProjectWorldMap().HasEventAt(5, 5));
    Command(ID_WORLD_UNDO);
    EXPECT_FALSE(ProjectWorldMap().HasEventAt(5, 5));
    Command(ID_WORLD_REDO);
    EXPECT_TRUE(ProjectWorldMap().HasEventAt(5, 5));
}

TEST_F(WorldMapWindow, SpaceSwapsModesAndMinimiseIsRefused) {
    WorldMapEdit().SelectChip(3);
    SendMessageA(Wnd(), WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(eWorldEditEvents, WorldMapEdit().m_Mode);
    EXPECT_TRUE(GetMenuState(GetMenu(Wnd()), ID_WORLD_EVENT_MODE, MF_BYCOMMAND) & MF_CHECKED);
    SendMessageA(Wnd(), WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_EQ(eWorldEditChips, WorldMapEdit().m_Mode);
    EXPECT_EQ(3, WorldMapEdit().m_Current.paletteSel);  // the chip mode's state came back
    SendMessageA(Wnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    PumpPending(&m_Group);
    EXPECT_FALSE(IsIconic(Wnd()));
}

TEST_F(WorldMapWindow, EventCommandsActOnTheCell) {
    EditConfig().m_AutoWorldNumbers = 1;
    Command(ID_WORLD_EVENT_MODE);
    struct Step {
        int command, col, row;
        size_t events;      // placed events afterwards
        int32_t worldNo;    // of the event at the cell, -1 none there
        int dialogButton = 0;  // what the event dialog is answered with, 0 when none opens
        const char* typedWorldNo = nullptr;
    };
    const Step steps[] = {
        {ID_WORLD_EVENT_NEW, 2, 2, 0, -1, IDC_WE_CANCEL},  // cancelled: nothing is placed
        {ID_WORLD_EVENT_NEW, 2, 2, 1, 1, IDC_WE_OK},
        {ID_WORLD_EVENT_EDIT, 2, 2, 1, 1, IDC_WE_CANCEL, "8"},
        {ID_WORLD_EVENT_EDIT, 2, 2, 1, 8, IDC_WE_OK, "8"},
        {ID_WORLD_EVENT_EDIT, 5, 5, 1, -1},  // nothing there: no dialog
        {ID_WORLD_EVENT_EDIT, 2, 2, 1, 1, IDC_WE_OK, "1"},
        {ID_WORLD_EVENT_COPY, 2, 2, 1, 1},
        {ID_WORLD_EVENT_PASTE, 4, 4, 2, 2},   // numbered anew
        {ID_WORLD_EVENT_PASTE, 4, 4, 2, 2},   // in place of itself keeps its number free
        {ID_WORLD_EVENT_CUT, 2, 2, 1, -1},
        {ID_WORLD_EVENT_PASTE, 6, 3, 2, 1},
        {ID_WORLD_EVENT_DELETE, 4, 4, 1, -1},
        {ID_WORLD_EVENT_DELETE, 4, 4, 1, -1},  // nothing there: nothing changes
    };
    for (const Step& step : steps) {
        Mouse(WM_MOUSEMOVE, step.col, step.row);
        bool opened = false;
        if (step.dialogButton)
            DriveDialog(IsEventDialogShown, [&](HWND dlg) {
                opened = true;
                if (step.typedWorldNo) SetDlgItemTextA(dlg, IDC_WE_WORLD_NO, step.typedWorldNo);
                SendMessageA(GetDlgItem(dlg, step.dialogButton), BM_CLICK, 0, 0);
            });
        Command(step.command);
        EXPECT_EQ(opened, step.dialogButton != 0);
        const cWorldMap& map = ProjectWorldMap();
        SCOPED_TRACE(step.command);
        EXPECT_EQ(step.events, map.m_Events.size());
        const cWorldEvent* event = map.FindEvent(step.col, step.row);
        ASSERT_EQ(step.worldNo >= 0, event != nullptr);
        if (event) {
            EXPECT_EQ(step.worldNo, event->m_Pages.At(0).m_WorldNo);
        }
    }
}

TEST_F(WorldMapWindow, SavedMapReloadsEqualAndSavesTheSameBytes) {
    WorldMapEdit().SelectChip(6);
    Paint(3, 4);
    Command(ID_WORLD_EVENT_MODE);
    Paint(7, 8);
    Command(ID_ACCEL_SAVE);
    EXPECT_EQ(0, WorldMapModified());
    std::string first = m_Dir.Read(kMapFile);
    cWorldMap loaded;
    ASSERT_TRUE(loaded.LoadFile(kMapFile));
    EXPECT_EQ(6, loaded.m_Grid[(4 << loaded.m_PitchBits) + 3]);
    EXPECT_TRUE(loaded.HasEventAt(7, 8));
    EXPECT_EQ(ProjectWorldMap().m_Events.size(), loaded.m_Events.size());
    Command(ID_WORLD_SAVE);
    EXPECT_EQ(first, m_Dir.Read(kMapFile));
}

TEST_F(WorldMapWindow, CloseAsksAndStaysOpenWhenTheSaveFails) {
    Command(ID_WORLD_SAVE);
    ASSERT_TRUE(SetFileAttributesA(kMapFile, FILE_ATTRIBUTE_READONLY));
    Paint(1, 1);
    cBoxAnswers boxes;
    boxes.Answer(IDYES);
    boxes.Answer(IDOK);
    SendMessageA(Wnd(), WM_CLOSE, 0, 0);
    SetFileAttributesA(kMapFile, FILE_ATTRIBUTE_NORMAL);
    ASSERT_EQ(2u, boxes.Shown().size());
    EXPECT_EQ("ワールドマップが変更された可能性があります。\n保存しますか？", boxes.Shown()[0].text);
    EXPECT_EQ("保存確認", boxes.Shown()[0].caption);
    EXPECT_EQ("data\\WorldMap.dat の保存に失敗しました！", boxes.Shown()[1].text);
    EXPECT_TRUE(IsWindow(Wnd()));
    EXPECT_EQ(1, WorldMapModified());

    boxes.Answer(IDCANCEL);
    SendMessageA(Wnd(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(Wnd()));

    // No ends the window; the changes stay in memory and still count as unsaved.
    boxes.Answer(IDNO);
    HWND wnd = Wnd();
    SendMessageA(wnd, WM_CLOSE, 0, 0);
    PumpPending(&m_Group);
    EXPECT_FALSE(IsWindow(wnd));
    EXPECT_EQ(1, WorldMapModified());
    EXPECT_EQ(4u, boxes.Shown().size());
}

TEST_F(WorldMapWindow, ClearCommandsAskThenClearWithUndo) {
    WorldMapEdit().SelectChip(5);
    Paint(2, 2);
    cBoxAnswers boxes;
    boxes.Answer(IDNO);
    Command(ID_WORLD_CLEAR_CHIPS);
    EXPECT_EQ(5, Chip(2, 2));
    boxes.Answer(IDYES);
    Command(ID_WORLD_CLEAR_CHIPS);
    EXPECT_EQ(0, Chip(2, 2));
    EXPECT_EQ("全てのマップチップをクリアしますか？", boxes.Shown()[1].text);
    EXPECT_EQ("データクリアの確認", boxes.Shown()[1].caption);
    Command(ID_WORLD_UNDO);
    EXPECT_EQ(5, Chip(2, 2));
}

TEST_F(WorldMapWindow, ChipPaletteChoosesTheBrushAndNamesTheChip) {
    cWorldMap& map = ProjectWorldMap();
    map.m_Chips.resize(7);
    map.m_Chips[6].m_Text = "橋";
    ASSERT_NE(nullptr, m_Wnd->Palette());
    HWND palette = m_Wnd->Palette()->GetHwnd();
    ASSERT_TRUE(IsWindowVisible(palette));
    RECT canvas;
    auto click = [&](int col, int row) {
        GetWindowRect(GetDlgItem(palette, IDC_WORLD_CANVAS), &canvas);
        POINT pt = {canvas.left + col * 32 + 5, canvas.top + row * 32 + 5};
        ScreenToClient(palette, &pt);
        SendMessageA(palette, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    };
    auto status = [&] {
        char text[64] = "";
        SendMessageA(FindWindowExA(palette, nullptr, STATUSCLASSNAMEA, nullptr), SB_GETTEXTA, 0,
                     reinterpret_cast<LPARAM>(text));
        return std::string(text);
    };
    click(1, 1);
    EXPECT_EQ(6, WorldMapEdit().m_Current.paletteSel);
    EXPECT_EQ("6 : 橋", status());
    Paint(4, 4);
    EXPECT_EQ(6, Chip(4, 4));
    // Below the last chip: chosen, but nothing to paint and nothing to name.
    click(3, 1);
    EXPECT_EQ(8, WorldMapEdit().m_Current.paletteSel);
    EXPECT_EQ("", status());
    Paint(5, 5);
    EXPECT_EQ(0, Chip(5, 5));
    // Event mode closes the palette; chip mode brings it back.
    SendMessageA(Wnd(), WM_KEYDOWN, VK_SPACE, 0);
    ASSERT_NE(nullptr, m_Wnd->Palette());
    EXPECT_NE(palette, m_Wnd->Palette()->GetHwnd());
    SendMessageA(Wnd(), WM_KEYDOWN, VK_SPACE, 0);
    ASSERT_NE(nullptr, m_Wnd->Palette());
    EXPECT_TRUE(EditConfig().m_Windows[9].m_Valid);
}

TEST_F(WorldMapWindow, WindowsOpenWhereRememberedElseByTheirParent) {
    RECT outer;
    ASSERT_TRUE(GetWindowRect(Wnd(), &outer));
    struct cCase {
        const char* name;
        bool remembered, parent, palette;
        bool known;
        POINT at;
    };
    const cCase cases[] = {
        {"a palette beside its parent", false, true, true, true, {outer.right, outer.top + 10}},
        {"the map over its parent", false, true, false, true, {outer.left, outer.top}},
        {"remembered before the parent", true, true, true, true, {70, 80}},
        {"remembered without a parent", true, false, false, true, {70, 80}},
        {"neither", false, false, true, false, {-1, -1}},
    };
    const int slot = 9;
    for (const cCase& c : cases) {
        cWndPos& pos = EditConfig().m_Windows[slot];
        pos.m_Valid = c.remembered ? 1 : 0;
        pos.m_X = 70;
        pos.m_Y = 80;
        POINT at = {-1, -1};
        EXPECT_EQ(c.known, WorldPlacementPoint(slot, c.parent ? m_Wnd : nullptr, c.palette, &at)) << c.name;
        EXPECT_EQ(c.at.x, at.x) << c.name;
        EXPECT_EQ(c.at.y, at.y) << c.name;
    }
}

TEST_F(WorldMapWindow, ChipPaletteScrollsToItsLastRowAndNoFurther) {
    ProjectWorldMap().m_Chips.resize(12);  // three rows
    Command(ID_WORLD_EVENT_MODE);
    Command(ID_WORLD_CHIP_MODE);
    auto* palette = static_cast<cMapChipPaletteDlg*>(m_Wnd->Palette());
    ASSERT_NE(nullptr, palette);
    HWND bar = GetDlgItem(palette->GetHwnd(), IDC_CANVAS_VBAR);
    SetScrollPos(bar, SB_CTL, 5, TRUE);
    SendMessageA(palette->GetHwnd(), WM_VSCROLL, SB_ENDSCROLL, reinterpret_cast<LPARAM>(bar));
    EXPECT_EQ(1, palette->TopRow());
}

TEST_F(WorldMapWindow, EventPaletteChoosesTheTemplateAndStoresTheFlags) {
    cWorldMap& map = ProjectWorldMap();
    map.m_EventPalette.resize(2);
    map.m_EventPalette[1].Init();
    map.m_EventPalette[1].m_Name = "城";
    Command(ID_WORLD_EVENT_MODE);
    ASSERT_NE(nullptr, m_Wnd->Palette());
    HWND palette = m_Wnd->Palette()->GetHwnd();
    HWND list = GetDlgItem(palette, IDC_EP_LIST);
    EXPECT_EQ(2, SendMessageA(list, LB_GETCOUNT, 0, 0));
    // The rows are numbered.
    char row[64] = "";
    SendMessageA(list, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(row));
    EXPECT_STREQ("2 城", row);
    SendMessageA(list, LB_SETCURSEL, 1, 0);
    SendMessageA(palette, WM_COMMAND, MAKEWPARAM(IDC_EP_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    EXPECT_EQ(1, WorldMapEdit().m_Current.paletteSel);
    EXPECT_EQ("城", WorldMapEdit().m_Template.m_Name);
    Paint(6, 6);
    ASSERT_TRUE(map.HasEventAt(6, 6));
    EXPECT_EQ("城", map.FindEvent(6, 6)->m_Name);

    SendMessageA(GetDlgItem(palette, IDC_EP_AUTO_NUMBERS), BM_CLICK, 0, 0);
    EXPECT_EQ(1, EditConfig().m_AutoWorldNumbers);
    // The last template stays.
    for (int k = 0; k < 3; ++k) SendMessageA(GetDlgItem(palette, IDC_EP_DELETE), BM_CLICK, 0, 0);
    EXPECT_EQ(1u, map.m_EventPalette.size());
    EXPECT_EQ(1, SendMessageA(list, LB_GETCOUNT, 0, 0));
    EXPECT_EQ(0, WorldMapEdit().m_Current.paletteSel);
}

// Insert opens the event dialog on the new template, which Cancel takes out again; Edit and a
// double click open the selected one; the list's cut and copy fill the map's clipboard, whose
// paste places the template on the map, and the map's copy is what the list pastes next.
TEST_F(WorldMapWindow, EventPaletteEditsInTheDialogAndCopiesIntoTheMapClipboard) {
    cWorldMap& map = ProjectWorldMap();
    map.m_EventPalette[0].m_Name = "村";
    Command(ID_WORLD_EVENT_MODE);
    HWND palette = m_Wnd->Palette()->GetHwnd();
    HWND list = GetDlgItem(palette, IDC_EP_LIST);
    auto answer = [](int button, const char* name) {
        DriveDialog(IsEventDialogShown, [=](HWND dlg) {
            if (name) SetDlgItemTextA(dlg, IDC_WE_NAME, name);
            SendMessageA(GetDlgItem(dlg, button), BM_CLICK, 0, 0);
        });
    };
    answer(IDC_WE_CANCEL, "没");
    SendMessageA(GetDlgItem(palette, IDC_EP_INSERT), BM_CLICK, 0, 0);
    EXPECT_EQ(1u, map.m_EventPalette.size());
    EXPECT_EQ(1, SendMessageA(list, LB_GETCOUNT, 0, 0));
    answer(IDC_WE_OK, "塔");
    SendMessageA(GetDlgItem(palette, IDC_EP_INSERT), BM_CLICK, 0, 0);
    ASSERT_EQ(2u, map.m_EventPalette.size());
    EXPECT_EQ("塔", map.m_EventPalette[0].m_Name);
    answer(IDC_WE_OK, "塔２");
    SendMessageA(GetDlgItem(palette, IDC_EP_EDIT), BM_CLICK, 0, 0);
    EXPECT_EQ("塔２", map.m_EventPalette[0].m_Name);
    EXPECT_EQ("塔２", WorldMapEdit().m_Template.m_Name);
    // The list's keys and popup commands act while it has the focus.
    auto listCommand = [&](int id) {
        SetFocus(list);
        SendMessageA(palette, WM_COMMAND, id, 0);
    };

    // Copy from the popup: the map's paste places the template.
    listCommand(40039);
    EXPECT_EQ(1, WorldMapEdit().m_ClipboardValid);
    EXPECT_EQ("塔２", WorldMapEdit().m_Clipboard.m_Name);
    Mouse(WM_MOUSEMOVE, 3, 3);
    Command(ID_WORLD_EVENT_PASTE);
    ASSERT_TRUE(map.HasEventAt(3, 3));
    EXPECT_EQ("塔２", map.FindEvent(3, 3)->m_Name);
    // Cut (Ctrl+X) takes the row out; the palette's paste (Ctrl+V) puts it back.
    SendMessageA(list, LB_SETCURSEL, 1, 0);
    listCommand(40009);
    ASSERT_EQ(1u, map.m_EventPalette.size());
    EXPECT_EQ("村", WorldMapEdit().m_Clipboard.m_Name);
    listCommand(40007);
    ASSERT_EQ(2u, map.m_EventPalette.size());
    EXPECT_EQ("村", map.m_EventPalette[0].m_Name);
    // An event copied on the map is what the list pastes next.
    map.FindEvent(3, 3)->m_Name = "港";
    Command(ID_WORLD_EVENT_COPY);
    listCommand(40040);
    ASSERT_EQ(3u, map.m_EventPalette.size());
    EXPECT_EQ("港", map.m_EventPalette[0].m_Name);
    // The last template is never cut away.
    for (int k = 0; k < 2; ++k) listCommand(40043);
    listCommand(40038);
    EXPECT_EQ(1u, map.m_EventPalette.size());
}

// With "配置直前に編集" a press opens the dialog once and places the template only on OK; with
// "配置済みなら編集" a press on a placed event edits it.
TEST_F(WorldMapWindow, APressOpensOneEventDialog) {
    Command(ID_WORLD_EVENT_MODE);
    EditConfig().m_EditBeforePlacing = 1;
    int dialogs = 0;
    DriveDialog(IsEventDialogShown, [&](HWND dlg) {
        ++dialogs;
        SendMessageA(GetDlgItem(dlg, IDC_WE_CANCEL), BM_CLICK, 0, 0);
    });
    Mouse(WM_LBUTTONDOWN, 4, 4, MK_LBUTTON);
    Mouse(WM_MOUSEMOVE, 5, 4, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, 5, 4);
    EXPECT_EQ(1, dialogs);
    EXPECT_TRUE(ProjectWorldMap().m_Events.empty());
    DriveDialog(IsEventDialogShown, [&](HWND dlg) {
        ++dialogs;
        SetDlgItemTextA(dlg, IDC_WE_NAME, "港");
        SendMessageA(GetDlgItem(dlg, IDC_WE_OK), BM_CLICK, 0, 0);
    });
    Mouse(WM_LBUTTONDOWN, 4, 4, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, 4, 4);
    EXPECT_EQ(2, dialogs);
    ASSERT_TRUE(ProjectWorldMap().HasEventAt(4, 4));
    EXPECT_EQ("港", ProjectWorldMap().FindEvent(4, 4)->m_Name);
    EXPECT_TRUE(WorldMapEdit().CanUndo());
    EditConfig().m_EditBeforePlacing = 0;
    EditConfig().m_EditPlacedEvent = 1;
    DriveDialog(IsEventDialogShown, [&](HWND dlg) {
        ++dialogs;
        SetDlgItemTextA(dlg, IDC_WE_NAME, "湊");
        SendMessageA(GetDlgItem(dlg, IDC_WE_OK), BM_CLICK, 0, 0);
    });
    Mouse(WM_LBUTTONDOWN, 4, 4, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, 4, 4);
    EXPECT_EQ(3, dialogs);
    EXPECT_EQ("湊", ProjectWorldMap().FindEvent(4, 4)->m_Name);
}

// Runs the settings dialog from the window's command: the edits get the texts, then OK.
void RunSettings(HWND window, std::vector<std::pair<int, std::string>> texts) {
    DriveCaptioned("ワールドマップの設定", [texts](HWND dlg) {
        for (const auto& [id, text] : texts) SetDlgItemTextA(dlg, id, text.c_str());
        SendMessageA(GetDlgItem(dlg, IDC_WS_OK), BM_CLICK, 0, 0);
    });
    SendMessageA(window, WM_COMMAND, ID_WORLD_SETTINGS, 0);
}

TEST_F(WorldMapWindow, SettingsResizeKeepingChipsAndDroppingOutsideEvents) {
    cWorldMap& map = ProjectWorldMap();
    map.SetSize(40, 30);
    map.m_StartX = 38;
    map.m_StartY = 28;
    cWorldEvent event;
    event.Init();
    map.PutEvent(event, 35, 25);
    map.PutEvent(event, 3, 3);
    map.m_Grid[(5 << map.m_PitchBits) + 10] = 7;
    map.m_BackImage = "bmp\\WorldBack.bmp";
    Paint(1, 1);
    ASSERT_TRUE(WorldMapEdit().CanUndo());
    WorldMapModified() = 0;

    RunSettings(Wnd(), {{IDC_WS_WIDTH, "20"}, {IDC_WS_HEIGHT, "15"}, {IDC_WS_IMAGE, ""}});
    EXPECT_EQ(20, map.m_Width);
    EXPECT_EQ(15, map.m_Height);
    EXPECT_EQ(19, map.m_StartX);
    EXPECT_EQ(14, map.m_StartY);
    EXPECT_EQ(1u, map.m_Events.size());
    EXPECT_TRUE(map.HasEventAt(3, 3));
    EXPECT_EQ(7, Chip(10, 5));
    EXPECT_EQ("", map.m_BackImage);  // emptied: back to the default picture
    EXPECT_FALSE(WorldMapEdit().CanUndo());
    EXPECT_EQ(1, WorldMapModified());
    EXPECT_TRUE(IsWindowVisible(Wnd()));

    // Across a row stride.
    RunSettings(Wnd(), {{IDC_WS_WIDTH, "70"}});
    EXPECT_EQ(70, map.m_Width);
    EXPECT_EQ(128, map.m_Pitch);
    EXPECT_EQ(7, Chip(10, 5));
}

// OK stores the image path as typed: a picture that loads replaces the one on screen, one that
// does not is reported by the loader and leaves it, an emptied path leaves it too.
TEST_F(WorldMapWindow, SettingsStoreTheTypedImagePath) {
    CreateDirectoryA("bmp", nullptr);
    ASSERT_TRUE(CopyFileA(BuildPath("project\\bmp\\WorldBack.bmp").c_str(), "bmp\\Hills.bmp", FALSE));
    // The program's picture is put back when the case ends.
    struct cSwapBack {
        cDib& slot;
        cDib saved;
        explicit cSwapBack(cDib& dib) : slot(dib) { saved.Swap(slot); }
        ~cSwapBack() { saved.Swap(slot); }
    } swapBack(SystemBitmap(eBmpWorldBack));
    cDib& picture = SystemBitmap(eBmpWorldBack);
    struct cCase {
        const char* path;
        const char* box;  // null: none
        bool replaced;
    };
    const cCase cases[] = {
        {"bmp\\Missing.bmp", "bmp\\Missing.bmp が読み込めません！", false},
        {"bmp\\Hills.bmp", nullptr, true},
        {"", nullptr, false},
    };
    for (const cCase& c : cases) {
        ProjectWorldMap().m_BackImage = "bmp\\WorldBack.bmp";
        ASSERT_TRUE(picture.Create(32, 32, 8, 0));
        const uint8_t* before = picture.Bits();
        cBoxAnswers boxes;
        RunSettings(Wnd(), {{IDC_WS_IMAGE, c.path}});
        EXPECT_EQ(c.path, ProjectWorldMap().m_BackImage);
        ASSERT_EQ(c.box ? 1u : 0u, boxes.Shown().size()) << c.path;
        if (c.box) EXPECT_EQ(c.box, boxes.Shown()[0].text);
        EXPECT_EQ(c.replaced, picture.Bits() != before) << c.path;
        EXPECT_EQ(c.replaced ? 640 : 32, picture.Width()) << c.path;
    }
}

}  // namespace
