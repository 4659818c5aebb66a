// The palette windows driven by messages inside the editor's main window: picking the pen,
// the pen and right-click buttons kept in step, the popup states, the element commands, the
// count change, Space, the placements kept over reopening, the scroll after a resize, and the
// selection and clipboard frames as the screen shows them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "editor/palette/PaletteDlg.h"
#include "editor/palette/PaletteIds.h"
#include "editor/palette/PaletteLists.h"
#include "editor/shell/SystemBitmaps.h"
#include "tests/palette/CharaFixture.h"
#include "tests/palette/ItemFixture.h"
#include "tests/palette/PaletteFixture.h"
#include "tests/palette/ShownPixels.h"
#include "tests/palette/StoredPlacement.h"
#include "framework/FrameworkIds.h"
#include "tests/shell/EditorFixture.h"
#include "tests/shell/TestSheet.h"
#include "tests/support/DialogDriver.h"

namespace {

const int kCommon = 0;
const int kStage = 1;

// The editor with its palette windows shown, on the fixture's palettes.
class cPaletteWindows {
public:
    // The editor's fixture sets up an empty stage: the palettes are filled after it, and the
    // windows then made for them.
    cPaletteWindows(int common, int stage) : m_Palettes(common, stage) {
        m_Editor = new cEditorFixture(true);
        m_Palettes.Fill(common, stage);
        SetPaletteShower(ShowPaletteWindows);
        ShowPaletteWindows(&m_Editor->Main(), eLayerBlock);
        PumpEditor();
    }
    ~cPaletteWindows() {
        delete m_Editor;
        SetPaletteShower(nullptr);
    }
    cPaletteDlg* Window(int stage, int kind = eKindBlock) const {
        return dynamic_cast<cPaletteDlg*>(m_Editor->Main().m_lpPaletteWnd[stage][kind]);
    }
    HWND Hwnd(int stage) const { return Window(stage)->GetHwnd(); }
    // A click on the cell at column, row of the grid.
    void Click(int stage, UINT msg, int column, int row) const {
        RECT canvas;
        HWND control = GetDlgItem(Hwnd(stage), IDC_PALETTE_CANVAS);
        GetWindowRect(control, &canvas);
        POINT pt = {canvas.left + column * kPaletteCell + 5, canvas.top + row * kPaletteCell + 5};
        ScreenToClient(Hwnd(stage), &pt);
        SendMessageA(Hwnd(stage), msg, 0, MAKELPARAM(pt.x, pt.y));
        PumpEditor();
    }
    void Command(int stage, int id) const {
        SendMessageA(Hwnd(stage), WM_COMMAND, id, 0);
        PumpEditor();
    }
    cEditorFixture& Editor() const { return *m_Editor; }

private:
    cPaletteFixture m_Palettes;
    cEditorFixture* m_Editor = nullptr;
};

bool Checked(HWND toolbar, int id) {
    return (SendMessageA(toolbar, TB_GETSTATE, id, 0) & TBSTATE_CHECKED) != 0;
}

bool Enabled(HMENU menu, int id) { return (GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED) == 0; }

std::string StatusText(HWND wnd) {
    char text[128] = {};
    HWND status = FindWindowExA(wnd, nullptr, STATUSCLASSNAMEA, nullptr);
    SendMessageA(status, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));  // the simple text
    return text;
}

// The white pixels on seven pixels across a frame's side, centred on the pixel (x, y), going
// by (dx, dy).
int WhiteAcross(const cShownPixels& shown, int x, int y, int dx, int dy) {
    int white = 0;
    for (int t = -3; t <= 3; ++t) {
        const int px = x + t * dx, py = y + t * dy;
        if (px >= 0 && py >= 0 && px < shown.width && py < shown.height && IsWhite(shown.At(px, py))) ++white;
    }
    return white;
}

// Resizes the window so that its grid is the height, with the rest of the frame as it is.
void SetGridHeight(cPaletteDlg* palette, int height) {
    RECT rect;
    GetWindowRect(palette->GetHwnd(), &rect);
    MoveWindow(palette->GetHwnd(), rect.left, rect.top, rect.right - rect.left,
               rect.bottom - rect.top + height - palette->ContentHeight(), TRUE);
    PumpEditor();
}

}  // namespace

TEST(PaletteDlg, TheBlockLayerShowsBothPalettesAndOthersNone) {
    cPaletteWindows windows(20, 4);
    ASSERT_NE(windows.Window(kCommon), nullptr);
    ASSERT_NE(windows.Window(kStage), nullptr);
    EXPECT_EQ(windows.Window(kCommon, eKindChara), nullptr);
    char caption[64] = {};
    GetWindowTextA(windows.Hwnd(kStage), caption, sizeof caption);
    EXPECT_STREQ(caption, "[ステージ]ブロックパレット");
    EXPECT_NE(GetDlgItem(windows.Hwnd(kCommon), IDC_PALETTE_CANVAS), nullptr);
    EXPECT_NE(GetDlgItem(windows.Hwnd(kCommon), IDC_PALETTE_TOOLBAR), nullptr);
    EXPECT_NE(GetMenu(windows.Hwnd(kCommon)), nullptr);
}

TEST(PaletteDlg, ClickingPicksThePenWithTheDefaultsReference) {
    cPaletteWindows windows(20, 4);
    ProjectOption().m_InheritSrc[eSituationCommonPlace][eKindBlock] = 1;
    StageDoc().m_PenWidth = 4;
    windows.Click(kCommon, WM_LBUTTONDOWN, 3, 1);
    const cStageDoc& doc = StageDoc();
    EXPECT_EQ(doc.m_SelPalette, kCommon);
    EXPECT_EQ(doc.m_SelIndex, 11);
    EXPECT_EQ(doc.m_PenBlocks[0].m_Graphic, 11);
    EXPECT_EQ(doc.m_PenBlocks[0].m_InheritSrc, 1);
    EXPECT_EQ(doc.m_PenBlocks[0].m_InheritIndex, 11);
    EXPECT_EQ(doc.m_PenWidth, 1);
    EXPECT_EQ(StatusText(windows.Hwnd(kCommon)), "11 : B11");
    EXPECT_EQ(StatusText(windows.Hwnd(kStage)), "");
    // Past the last element: nothing.
    windows.Click(kStage, WM_LBUTTONDOWN, 5, 0);
    EXPECT_EQ(doc.m_SelPalette, kCommon);
    EXPECT_EQ(doc.m_SelIndex, 11);
}

TEST(PaletteDlg, PenAndRightClickButtonsStayInStep) {
    cPaletteWindows windows(20, 4);
    HWND commonBar = GetDlgItem(windows.Hwnd(kCommon), IDC_PALETTE_TOOLBAR);
    HWND stageBar = GetDlgItem(windows.Hwnd(kStage), IDC_PALETTE_TOOLBAR);
    windows.Command(kCommon, ID_PEN_RECT);
    EXPECT_EQ(StageDoc().m_PenMode, ePenRect);
    EXPECT_TRUE(Checked(stageBar, ID_PEN_RECT));
    EXPECT_FALSE(Checked(stageBar, ID_PEN_NORMAL));
    windows.Command(kStage, ID_PEN_PARAMS);
    EXPECT_EQ(StageDoc().m_DrawKind, 3);
    EXPECT_TRUE(Checked(commonBar, ID_PEN_PARAMS));
    EXPECT_FALSE(Checked(commonBar, ID_PEN_RECT));
    // The right-click mode forgets the clipboard.
    windows.Click(kCommon, WM_LBUTTONDOWN, 2, 0);
    windows.Command(kCommon, ID_ELEMENT_COPY);
    ASSERT_EQ(StageDoc().m_ClipValid, 1);
    windows.Command(kStage, ID_RIGHT_MENU);
    EXPECT_EQ(StageDoc().m_RightClickMode, 1);
    EXPECT_EQ(StageDoc().m_ClipValid, 0);
    EXPECT_TRUE(Checked(commonBar, ID_RIGHT_MENU));
}

TEST(PaletteDlg, PopupStatesForElementZeroAndOthers) {
    cPaletteWindows windows(20, 4);
    struct cCase {
        int index;
        bool clip, cut;
        bool element, paste, insertCopy, appendCopy;
    };
    const cCase cases[] = {
        {0, false, false, false, false, false, false},
        {0, true, false, false, false, false, true},
        {3, false, false, true, false, false, false},
        {3, true, false, true, true, true, true},
        {3, true, true, true, false, true, true},
    };
    for (const cCase& c : cases) {
        cStageDoc& doc = StageDoc();
        doc.m_SelPalette = kCommon;
        doc.m_SelIndex = c.index;
        doc.m_ClipValid = c.clip;
        doc.m_ClipCutPending = c.cut;
        HMENU menu = windows.Window(kCommon)->PopupStates();
        ASSERT_NE(menu, nullptr);
        for (int id : {ID_ELEMENT_EDIT, ID_ELEMENT_CUT, ID_ELEMENT_COPY, ID_ELEMENT_NEW, ID_ELEMENT_DELETE})
            EXPECT_EQ(Enabled(menu, id), c.element) << c.index << " " << id;
        EXPECT_EQ(Enabled(menu, ID_ELEMENT_PASTE), c.paste) << c.index;
        EXPECT_EQ(Enabled(menu, ID_ELEMENT_INSERT_COPY), c.insertCopy) << c.index;
        EXPECT_EQ(Enabled(menu, ID_ELEMENT_APPEND_COPY), c.appendCopy) << c.index;
        EXPECT_TRUE(Enabled(menu, ID_ELEMENT_APPEND_NEW)) << c.index;
    }
}

TEST(PaletteDlg, ElementCommandsMoveAndCreate) {
    cPaletteWindows windows(12, 10);
    ProjectOption().m_InheritSrc[eSituationStage][eKindBlock] = 1;
    // Cut 5 of the common palette, select 2, insert: the element moves.
    windows.Click(kCommon, WM_LBUTTONDOWN, 5, 0);
    windows.Command(kCommon, ID_ELEMENT_CUT);
    windows.Click(kCommon, WM_LBUTTONDOWN, 2, 0);
    windows.Command(kCommon, ID_ELEMENT_INSERT_COPY);
    EXPECT_EQ(Graphics(ProjectCommonPalette().m_Blocks), (std::vector<int>{0, 1, 5, 2, 3, 4, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(StageDoc().m_CommonModified, 1);
    // At the end of the stage palette of 10: element 10 refers to index 10.
    windows.Command(kStage, ID_ELEMENT_APPEND_NEW);
    const cRecordVector<cEdBlock>& stage = ProjectStage().m_Palette.m_Blocks;
    ASSERT_EQ(stage.size(), 11u);
    EXPECT_EQ(stage[10].m_InheritSrc, 1);
    EXPECT_EQ(stage[10].m_InheritIndex, 10);
    EXPECT_EQ(windows.Window(kStage)->Count(), 11);
    // Deleting the selection makes the empty element the pen.
    windows.Click(kStage, WM_LBUTTONDOWN, 3, 0);
    windows.Command(kStage, ID_ELEMENT_DELETE);
    EXPECT_EQ(StageDoc().m_SelIndex, 0);
    EXPECT_EQ(StageDoc().m_PenBlocks[0].m_Graphic, 0);
}

TEST(PaletteDlg, SpaceReachesTheMainWindow) {
    cPaletteWindows windows(10, 4);
    SendMessageA(windows.Hwnd(kCommon), WM_KEYDOWN, VK_SPACE, 0);
    PumpEditor();
    EXPECT_EQ(StageDoc().m_Layer, eLayerChara);
    EXPECT_EQ(windows.Window(kCommon), nullptr);
    EXPECT_NE(windows.Window(kCommon, eKindChara), nullptr);
}

TEST(PaletteDlg, PlacementsAreStoredWhenTheWindowsGo) {
    cPaletteWindows windows(10, 60);
    MoveWindow(windows.Hwnd(kStage), 300, 120, 280, 200, TRUE);
    PumpEditor();
    RECT placed;
    GetWindowRect(windows.Hwnd(kStage), &placed);
    ASSERT_EQ(placed.left, 300);
    ASSERT_EQ(placed.top, 120);
    ASSERT_EQ(placed.bottom - placed.top, 200);
    // The outer size is kept and given back, so the window neither shrinks nor grows as it is
    // made again and again.
    for (int reopen = 0; reopen < 2; ++reopen) {
        SCOPED_TRACE(reopen);
        ShowPaletteWindows(&windows.Editor().Main(), -1);
        ExpectStoredPlacement(EditConfig().m_Windows[2], placed);
        ShowPaletteWindows(&windows.Editor().Main(), eLayerBlock);
        RECT rect;
        GetWindowRect(windows.Hwnd(kStage), &rect);
        EXPECT_TRUE(EqualRect(&rect, &placed)) << rect.left << "," << rect.top << " " << rect.right - rect.left << "x"
                                               << rect.bottom - rect.top;
    }
}

TEST(PaletteDlg, TheCountDialogSetsTheCountWithElementZero) {
    cPaletteWindows windows(12, 4);
    struct cCase {
        const char* typed;
        size_t count;
    } cases[] = {{"11", 12}, {"20", 21}, {"0", 1}};
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.typed);
        std::string shown;
        DriveCaptioned("データ数", [&](HWND dlg) {
            HWND edit = FindWindowExA(dlg, nullptr, "Edit", nullptr);
            char text[16] = "";
            GetWindowTextA(edit, text, sizeof text);
            shown = text;
            SetWindowTextA(edit, c.typed);
            SendMessageA(GetDlgItem(dlg, IDC_INPUT_OK), BM_CLICK, 0, 0);
        });
        size_t before = ProjectStage().m_Palette.m_Blocks.size();
        windows.Command(kStage, ID_PALETTE_COUNT);
        EXPECT_EQ(shown, std::to_string(before - 1)) << "the dialog offers the count without element 0";
        EXPECT_EQ(ProjectStage().m_Palette.m_Blocks.size(), c.count);
        EXPECT_EQ(windows.Window(kStage)->Count(), static_cast<int>(c.count));
    }
}

TEST(PaletteDlg, AnEmptyListGetsItsEmptyElement) {
    cPaletteFixture palettes(10, 4);
    cEditorFixture editor(true);
    ProjectStage().m_Palette.m_Blocks.clear();
    SetPaletteShower(ShowPaletteWindows);
    ShowPaletteWindows(&editor.Main(), eLayerBlock);
    PumpEditor();
    auto* stage = dynamic_cast<cPaletteDlg*>(editor.Main().m_lpPaletteWnd[kStage][eKindBlock]);
    ASSERT_NE(stage, nullptr);
    EXPECT_EQ(stage->Count(), 1);
    ASSERT_EQ(ProjectStage().m_Palette.m_Blocks.size(), 1u);
    EXPECT_EQ(ProjectStage().m_Palette.m_Blocks[0].m_Graphic, 0);
    SetPaletteShower(nullptr);
}

TEST(PaletteDlg, TheSelectionAndClipboardFramesStandOnTheirCells) {
    // 25 rows of blue blocks (past graphic 119 black), more than the window shows.
    cPaletteWindows windows(200, 4);
    cTestSheet sheet(eBmpBlock, 256, 480, [](int, int) { return RGB(0, 0, 255); });
    struct cCase {
        const char* name;
        int scrolled;  // rows scrolled with the down key
        int selected;  // -1: none
        int clipped;   // -1: nothing on the clipboard
    } cases[] = {
        {"selection", 0, 11, -1},
        {"selection in the top row", 0, 2, -1},
        {"selection and clipboard, scrolled", 2, 27, 20},
        {"clipboard alone", 1, -1, 13},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cStageDoc& doc = StageDoc();
        doc.m_SelPalette = c.selected >= 0 ? kCommon : kStage;
        doc.m_SelIndex = c.selected;
        doc.m_ClipValid = c.clipped >= 0;
        doc.m_ClipPalette = kCommon;
        doc.m_ClipIndex = c.clipped;
        HWND wnd = windows.Hwnd(kCommon);
        for (int i = 0; i < 25; ++i) SendMessageA(wnd, WM_KEYDOWN, VK_UP, 0);
        for (int i = 0; i < c.scrolled; ++i) SendMessageA(wnd, WM_KEYDOWN, VK_DOWN, 0);
        PumpEditor();
        windows.Window(kCommon)->OnPaint();
        windows.Window(kStage)->OnPaint();
        const cShownPixels shown = ShownPixels(GetDlgItem(wnd, IDC_PALETTE_CANVAS));
        ASSERT_GE(shown.height, 4 * kPaletteCell);
        ASSERT_LT(shown.height, 25 * kPaletteCell) << "the grid must scroll";
        // Each frame's cell on the grid as shown: its left and top pixel.
        struct cFrame {
            int index, x, y;
        };
        std::vector<cFrame> frames;
        for (int index : {c.selected, c.clipped})
            if (index >= 0)
                frames.push_back({index, index % kPaletteColumns * kPaletteCell,
                                  (index / kPaletteColumns - c.scrolled) * kPaletteCell});
        // White is the frames' alone: it lies on the rims of their cells (a two-pixel pen reaches
        // one pixel out), and each frame shows on all four sides; inside, the block is seen.
        for (int y = 0; y < shown.height; ++y)
            for (int x = 0; x < shown.width; ++x) {
                if (!IsWhite(shown.At(x, y))) continue;
                bool onRim = false;
                for (const cFrame& f : frames) {
                    const int dx = x - f.x, dy = y - f.y;
                    const bool inBox = dx >= -1 && dx <= kPaletteCell && dy >= -1 && dy <= kPaletteCell;
                    const bool inside = dx >= 2 && dx < kPaletteCell - 2 && dy >= 2 && dy < kPaletteCell - 2;
                    onRim = onRim || (inBox && !inside);
                }
                ASSERT_TRUE(onRim) << "white at " << x << "," << y;
            }
        for (const cFrame& f : frames) {
            const int mid = kPaletteCell / 2;
            // A dotted pen leaves every other pixel: one of two neighbours is white.
            auto white = [&](int x, int y) { return IsWhite(shown.At(x, y)) || IsWhite(shown.At(x + 1, y)); };
            auto whiteDown = [&](int x, int y) { return IsWhite(shown.At(x, y)) || IsWhite(shown.At(x, y + 1)); };
            EXPECT_TRUE(white(f.x + mid, f.y)) << f.index << " top";
            EXPECT_TRUE(white(f.x + mid, f.y + kPaletteCell - 1)) << f.index << " bottom";
            EXPECT_TRUE(whiteDown(f.x, f.y + mid)) << f.index << " left";
            EXPECT_TRUE(whiteDown(f.x + kPaletteCell - 1, f.y + mid)) << f.index << " right";
            EXPECT_TRUE(ChannelsIn(shown.At(f.x + mid, f.y + mid), 0, 0x20, 0, 0x20, 0xe0, 0xff)) << f.index;
        }
        // The selection's pen is two pixels wide: on its left side and its bottom (the top row's
        // top lies partly above the grid).
        if (c.selected >= 0) {
            const cFrame& f = frames.front();
            EXPECT_EQ(WhiteAcross(shown, f.x, f.y + kPaletteCell / 2, 1, 0), 2) << "left";
            EXPECT_EQ(WhiteAcross(shown, f.x + kPaletteCell / 2, f.y + kPaletteCell - 1, 0, 1), 2) << "bottom";
        }
        // The stage palette's window shows neither frame; its one row leaves the status bar seen.
        HWND stageCanvas = GetDlgItem(windows.Hwnd(kStage), IDC_PALETTE_CANVAS);
        const cShownPixels other = ShownPixels(stageCanvas);
        EXPECT_TRUE(std::none_of(other.pixels.begin(), other.pixels.end(), IsWhite));
        RECT grid, status;
        GetWindowRect(stageCanvas, &grid);
        GetWindowRect(FindWindowExA(windows.Hwnd(kStage), nullptr, STATUSCLASSNAMEA, nullptr), &status);
        EXPECT_LE(grid.bottom, status.top);
    }
}

TEST(PaletteDlg, ATallerWindowScrollsBackSoThatTheGridEndsAtItsBottom) {
    // 25 rows; scrolled to the end in a grid of 4 rows, then made 10 and a half rows tall: the
    // grid's end lies at the window's bottom, the top row is 25 - 10.5 = 14.5, whole rows 14.
    cPaletteWindows windows(200, 4);
    cPaletteDlg* palette = windows.Window(kCommon);
    SetGridHeight(palette, 4 * kPaletteCell);
    ASSERT_EQ(palette->ContentHeight(), 4 * kPaletteCell);
    for (int i = 0; i < 25; ++i) SendMessageA(palette->GetHwnd(), WM_KEYDOWN, VK_DOWN, 0);
    PumpEditor();
    ASSERT_EQ(palette->VertBar().GetPos(), 21);
    SetGridHeight(palette, 10 * kPaletteCell + kPaletteCell / 2);
    ASSERT_EQ(palette->ContentHeight(), 10 * kPaletteCell + kPaletteCell / 2);
    EXPECT_EQ(palette->VertBar().GetPos(), 14);
    // The grid's top left cell is the first element of that row.
    windows.Click(kCommon, WM_LBUTTONDOWN, 0, 0);
    EXPECT_EQ(StageDoc().m_SelIndex, 14 * kPaletteColumns);
}

namespace {

cStageLayer<cEdChara>& LayerOf(cEdChara*) { return ProjectStage().m_Charas; }
cStageLayer<cEdItem>& LayerOf(cEdItem*) { return ProjectStage().m_Items; }

// A placed element refers to element 5 of the palette; the palette's count is changed to 3: the
// reference now lies past its end, and the kind's inheritance drops it.
template <class Windows, class T>
void ExpectCountChangeAppliesTheKindsInheritance() {
    for (int stage : {kCommonPalette, kStagePalette}) {
        SCOPED_TRACE(stage ? "stage palette" : "common palette");
        Windows windows(8, 8);
        const uint32_t cell = ProjectStage().CellIndex(3, 3);
        T placed = PaletteList<T>(stage)[2];
        placed.m_InheritSrc = static_cast<uint8_t>(stage + 1);
        placed.m_InheritIndex = 5;
        LayerOf(static_cast<T*>(nullptr)).Put(cell, placed);
        DriveCaptioned("データ数", [](HWND dlg) {
            SetWindowTextA(FindWindowExA(dlg, nullptr, "Edit", nullptr), "2");
            SendMessageA(GetDlgItem(dlg, IDC_INPUT_OK), BM_CLICK, 0, 0);
        });
        SendMessageA(windows.Palette(stage)->GetHwnd(), WM_COMMAND, ID_PALETTE_COUNT, 0);
        PumpEditor();
        ASSERT_EQ(PaletteList<T>(stage).size(), 3u);
        EXPECT_EQ(LayerOf(static_cast<T*>(nullptr)).At(cell).m_InheritSrc, 0);
    }
}

}  // namespace

TEST(PaletteDlg, ACountChangeAppliesTheInheritanceOfTheWindowsKind) {
    ExpectCountChangeAppliesTheKindsInheritance<cCharaWindows, cEdChara>();
    ExpectCountChangeAppliesTheKindsInheritance<cItemWindows, cEdItem>();
}
