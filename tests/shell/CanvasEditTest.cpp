// Editing the stage on the canvas, driven as the author does: mouse messages on the main window
// and keys, with Shift and Ctrl held through the input queue. Each case starts from a small
// stage drawn as text (a letter per block, '.' for an empty cell) and compares every cell.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "tests/shell/CanvasFixture.h"

namespace {

struct cPaintCase {
    const char* name;
    int mode;
    cRows pen, before;
    int x0, y0, x1, y1;
    cRows after;
};

}  // namespace

TEST(CanvasEdit, PenModesPaintTheBlockLayer) {
    const cPaintCase cases[] = {
        {"one-cell pen", ePenNormal, {"A"}, {"......", "......"}, 2, 1, 2, 1, {"......", "..A..."}},
        {"pen cut at the right edge", ePenNormal, {"ABC", "DEF"}, {"......", "......"}, 4, 0, 4, 0, {"....AB", "....DE"}},
        {"pen cut at the bottom", ePenNormal, {"AB", "CD"}, {"......", "......"}, 0, 1, 0, 1, {"......", "AB...."}},
        {"line one cell per column", ePenLine, {"AB", "CD"}, {"......", "......", "......"}, 0, 0, 5, 2,
         {"AB....", "..AB..", "....AB"}},
        {"line of one cell", ePenLine, {"AB"}, {"...", "..."}, 1, 1, 1, 1, {"...", ".A."}},
        {"rectangle carries the pen column", ePenRect, {"AB"}, {"......", "......", "......"}, 0, 0, 4, 1,
         {"ABABA.", "BABAB.", "......"}},
        {"rectangle dragged backwards", ePenRect, {"AB", "CD"}, {"......", "......", "......"}, 4, 2, 2, 0,
         {"..ABA.", "..DCD.", "..ABA."}},
        {"fill the region inside walls", ePenFill, {"AB", "CD"}, {"WWWWWW", "W...WW", "W.W..W", "WWWWWW"}, 3, 2, 3, 2,
         {"WWWWWW", "WCDCWW", "WAWABW", "WWWWWW"}},
        {"fill the walls", ePenFill, {"A"}, {"WW.", "..W"}, 0, 0, 0, 0, {"AA.", "..W"}},
        {"fill a region that holds the pen", ePenFill, {"A"}, {"AAB", "BAA"}, 1, 0, 1, 0, {"AAB", "BAA"}},
        {"fill with an empty pen empties", ePenFill, {"."}, {"WW.", "W.W"}, 0, 0, 0, 0, {"...", "..W"}},
    };
    for (const cPaintCase& c : cases) {
        SCOPED_TRACE(c.name);
        cCanvas canvas(static_cast<int>(c.before[0].size()), static_cast<int>(c.before.size()));
        SetLayer(ProjectStage().m_Blocks, c.before);
        StageDoc().SetPenMode(c.mode);
        SetPen(c.pen);
        canvas.LeftDrag(c.x0, c.y0, c.x1, c.y1);
        EXPECT_EQ(c.after, Rows(ProjectStage().m_Blocks));
        EXPECT_TRUE(Rows(ProjectStage().m_Charas) == cRows(c.before.size(), std::string(c.before[0].size(), '.')));
        EXPECT_EQ(1, StageDoc().m_StageModified);
        EXPECT_EQ(1, UndoHistory().UndoCount());
    }
}

TEST(CanvasEdit, NormalPenFollowsTheHeldButton) {
    cCanvas canvas(6, 2);
    SetPen({"A"});
    canvas.Mouse(WM_MOUSEMOVE, 0, 0);
    canvas.Mouse(WM_LBUTTONDOWN, 1, 0, MK_LBUTTON);
    canvas.Mouse(WM_MOUSEMOVE, 2, 0, MK_LBUTTON);
    canvas.Mouse(WM_MOUSEMOVE, 3, 1, MK_LBUTTON);
    canvas.Mouse(WM_LBUTTONUP, 3, 1);
    canvas.Mouse(WM_MOUSEMOVE, 5, 1);
    EXPECT_EQ(cRows({".AA...", "...A.."}), Rows(ProjectStage().m_Blocks));
    EXPECT_EQ(1, UndoHistory().UndoCount());  // one step for the whole stroke
}

TEST(CanvasEdit, ALineStopsAfterTwoHundredCells) {
    cCanvas canvas(256, 2);
    StageDoc().SetPenMode(ePenLine);
    SetPen({"A"});
    canvas.Mouse(WM_LBUTTONDOWN, 0, 0, MK_LBUTTON);
    // The cursor cell far to the right: scroll the view there first.
    SCROLLINFO info = {sizeof info, SIF_POS, 0, 0, 0, 230, 0};
    SetScrollInfo(GetDlgItem(canvas.MainWnd(), IDC_CANVAS_HBAR), SB_CTL, &info, FALSE);
    SendMessageA(canvas.MainWnd(), WM_HSCROLL, SB_ENDSCROLL, reinterpret_cast<LPARAM>(GetDlgItem(canvas.MainWnd(), IDC_CANVAS_HBAR)));
    ASSERT_EQ(230, canvas.Main().ScrollColumn());
    canvas.Mouse(WM_LBUTTONUP, 245, 0);
    const cRows rows = Rows(ProjectStage().m_Blocks);
    EXPECT_EQ(std::string(200, 'A') + std::string(56, '.'), rows[0]);
}

TEST(CanvasEdit, FillReachesEveryCellOfALargeStage) {
    cCanvas canvas(512, 512);
    StageDoc().SetPenMode(ePenFill);
    SetPen({"AB", "CD"});
    canvas.Mouse(WM_LBUTTONDOWN, 3, 2, MK_LBUTTON);
    const cStageLayer<cEdBlock>& blocks = ProjectStage().m_Blocks;
    ASSERT_EQ(512u * 512u, blocks.size());
    // The pen's pattern is anchored at the clicked cell.
    EXPECT_EQ(1, blocks.At(blocks.Index(3, 2)).m_Graphic);
    EXPECT_EQ(2, blocks.At(blocks.Index(0, 0)).m_Graphic);
    EXPECT_EQ(3, blocks.At(blocks.Index(1, 511)).m_Graphic);
    EXPECT_EQ(4, blocks.At(blocks.Index(4, 3)).m_Graphic);
    EXPECT_EQ(3, blocks.At(blocks.Index(511, 511)).m_Graphic);
}

TEST(CanvasEdit, ModifiersWidenTheEditToMoreLayers) {
    struct cCase {
        WORD key;
        const char* blocks;
        const char* charas;
        const char* items;
    };
    // The current layer is the blocks; a line of the pen "A" over three cells.
    const cCase cases[] = {
        {0, "AAA", "...", "..."},
        {VK_SHIFT, "...", "AAA", "AAA"},
        {VK_CONTROL, "AAA", "AAA", "AAA"},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.key);
        cCanvas canvas(3, 1);
        StageDoc().SetPenMode(ePenLine);
        SetPen({"A"});
        cHeld held(c.key);
        canvas.LeftDrag(0, 0, 2, 0);
        EXPECT_EQ(cRows{c.blocks}, Rows(ProjectStage().m_Blocks));
        EXPECT_EQ(cRows{c.charas}, Rows(ProjectStage().m_Charas));
        EXPECT_EQ(cRows{c.items}, Rows(ProjectStage().m_Items));
    }
}

TEST(CanvasEdit, RightDragCapturesThePen) {
    struct cCase {
        WORD key;
        const char* blocks;
        const char* charas;
        int width, height;
    };
    const cCase cases[] = {
        {0, "ABCDEFGHIJKL", "Z", 4, 3},
        {VK_CONTROL, "ABCDEFGHIJKL", "....B......C", 4, 3},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.key);
        cCanvas canvas(5, 4);
        SetLayer(ProjectStage().m_Blocks, {".....", ".ABCD", ".EFGH", ".IJKL"});
        SetLayer(ProjectStage().m_Charas, {".....", ".....", ".B...", "....C"});
        SetPen({"Z"});
        cHeld held(c.key);
        canvas.Mouse(WM_RBUTTONDOWN, 4, 3, MK_RBUTTON);
        EXPECT_EQ(kDrawSelect, StageDoc().m_DrawKind);
        canvas.Mouse(WM_MOUSEMOVE, 1, 1, MK_RBUTTON);
        canvas.Mouse(WM_RBUTTONUP, 1, 1);
        EXPECT_EQ(c.width, StageDoc().m_PenWidth);
        EXPECT_EQ(c.height, StageDoc().m_PenHeight);
        EXPECT_EQ(-1, StageDoc().m_SelIndex);
        EXPECT_EQ(DrawKindOf(ePenNormal), StageDoc().m_DrawKind);
        EXPECT_EQ(c.blocks, PenLetters(StageDoc().m_PenBlocks));
        EXPECT_EQ(c.charas, PenLetters(StageDoc().m_PenCharas));
        EXPECT_EQ(0, UndoHistory().UndoCount());
    }
}

TEST(CanvasEdit, KeysCutClearAndTurnTheSelection) {
    struct cCase {
        WPARAM key;
        WORD held;
        cRows blocks, charas;
        const char* penCharas;
        int drawKind;
    };
    const cCase cases[] = {
        // D cuts to the pen and ends the selection; with Shift the blocks stay.
        {'D', VK_SHIFT, {"AB.", "CD."}, {"...", "..."}, "X..Y", DrawKindOf(ePenNormal)},
        {'D', 0, {"...", "..."}, {"X..", ".Y."}, "Z", DrawKindOf(ePenNormal)},
        // Q empties and the selection goes on.
        {'Q', VK_CONTROL, {"...", "..."}, {"...", "..."}, "Z", kDrawSelect},
        {'Q', 0, {"...", "..."}, {"X..", ".Y."}, "Z", kDrawSelect},
        // Other keys do nothing.
        {'W', VK_CONTROL, {"AB.", "CD."}, {"X..", ".Y."}, "Z", kDrawSelect},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(static_cast<char>(c.key));
        cCanvas canvas(3, 2);
        SetLayer(ProjectStage().m_Blocks, {"AB.", "CD."});
        SetLayer(ProjectStage().m_Charas, {"X..", ".Y."});
        SetPen({"Z"});
        StageDoc().m_StageModified = 0;
        canvas.Mouse(WM_RBUTTONDOWN, 0, 0, MK_RBUTTON);
        canvas.Mouse(WM_MOUSEMOVE, 1, 1, MK_RBUTTON);
        {
            cHeld held(c.held);
            canvas.KeyDown(c.key);
        }
        EXPECT_EQ(c.blocks, Rows(ProjectStage().m_Blocks));
        EXPECT_EQ(c.charas, Rows(ProjectStage().m_Charas));
        EXPECT_EQ(c.penCharas, PenLetters(StageDoc().m_PenCharas));
        EXPECT_EQ(c.drawKind, StageDoc().m_DrawKind);
        EXPECT_EQ(c.key == 'W' ? 0 : 1, StageDoc().m_StageModified);
        EXPECT_EQ(c.key == 'W' ? 0 : 1, UndoHistory().UndoCount());
    }
}

TEST(CanvasEdit, RTurnsTheSelectedCharas) {
    cCanvas canvas(3, 1);
    SetLayer(ProjectStage().m_Charas, {"XYZ"});
    ProjectStage().m_Charas.Find(0)->m_FaceRight = 1;
    ProjectStage().m_Charas.Find(1)->m_bbInherit.At(5) = 1;  // its facing comes from its palette element
    canvas.Mouse(WM_RBUTTONDOWN, 0, 0, MK_RBUTTON);
    canvas.Mouse(WM_MOUSEMOVE, 2, 0, MK_RBUTTON);
    // The block layer is current: without a modifier the charas stay as they are.
    canvas.KeyDown('R');
    EXPECT_EQ(1, ProjectStage().m_Charas.At(0).m_FaceRight);
    {
        cHeld held(VK_SHIFT);
        canvas.KeyDown('R');
    }
    EXPECT_EQ(0, ProjectStage().m_Charas.At(0).m_FaceRight);
    EXPECT_EQ(0, ProjectStage().m_Charas.At(1).m_FaceRight);
    EXPECT_EQ(1, ProjectStage().m_Charas.At(2).m_FaceRight);
    EXPECT_EQ(kDrawSelect, StageDoc().m_DrawKind);
}

TEST(CanvasEdit, EveryToolKeepsOneHero) {
    for (int mode : {ePenNormal, ePenLine, ePenRect, ePenFill}) {
        SCOPED_TRACE(mode);
        cCanvas canvas(4, 2);
        StageDoc().SetLayer(eLayerChara);
        SetLayer(ProjectStage().m_Charas, {"H...", "...."});
        StageDoc().SetPenMode(mode);
        SetPen({"H"});
        canvas.LeftDrag(2, 1, 3, 1);
        int heroes = 0;
        for (const auto& cell : ProjectStage().m_Charas) heroes += cell.second.m_Control == 0;
        EXPECT_EQ(1, heroes);
        EXPECT_EQ(0, ProjectStage().m_Charas.At(0).m_Control == 0 && ProjectStage().m_Charas.At(0).m_Graphic);
    }
}

namespace {
int g_edited = 0;
uint32_t g_editedIndex = 0;
void RecordEdit(cEditWnd*, int32_t layer, uint32_t index) {
    g_edited = layer + 1;
    g_editedIndex = index;
}
}  // namespace

TEST(CanvasEdit, RightDoubleClickEditsAnOccupiedCell) {
    cCanvas canvas(3, 2);
    SetCellEditor(RecordEdit);
    StageDoc().SetLayer(eLayerItem);
    SetLayer(ProjectStage().m_Items, {"...", "..A"});
    g_edited = 0;
    canvas.Mouse(WM_RBUTTONDBLCLK, 1, 1);
    EXPECT_EQ(0, g_edited);
    canvas.Mouse(WM_RBUTTONDBLCLK, 2, 1);
    EXPECT_EQ(eLayerItem + 1, g_edited);
    EXPECT_EQ(ProjectStage().CellIndex(2, 1), g_editedIndex);
    // The parameter pen edits on a left click.
    g_edited = 0;
    StageDoc().SetPenMode(ePenParams);
    canvas.Mouse(WM_LBUTTONDOWN, 2, 1, MK_LBUTTON);
    EXPECT_EQ(eLayerItem + 1, g_edited);
    SetCellEditor(nullptr);
}

TEST(CanvasEdit, SpaceTurnsToTheNextLayer) {
    cCanvas canvas(3, 2);
    const int expected[] = {eLayerChara, eLayerItem, eLayerBlock};
    for (int layer : expected) {
        canvas.KeyDown(VK_SPACE);
        EXPECT_EQ(layer, StageDoc().m_Layer);
    }
}

namespace {

// Whether a timer message for the window comes within the time (taken off the queue).
bool TimerArrives(HWND wnd, DWORD timeoutMs) {
    for (DWORD waited = 0; waited < timeoutMs; waited += 10) {
        MSG msg;
        if (PeekMessageA(&msg, wnd, WM_TIMER, WM_TIMER, PM_REMOVE)) return true;
        Sleep(10);
    }
    return false;
}

}  // namespace

// The editor's loop sleeps until a message comes, and a mouse resting beyond the canvas sends
// none: a drag keeps a timer that wakes it, and the timer goes with the drag.
TEST(CanvasEdit, ADragWakesTheLoopUntilItEnds) {
    struct cCase {
        const char* name;
        int mode;
        UINT down, up;  // up 0: D cuts the selection instead
        WPARAM held;
    };
    const cCase cases[] = {
        {"line", ePenLine, WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON},
        {"rectangle", ePenRect, WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON},
        {"selection", ePenNormal, WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON},
        {"selection cut by D", ePenNormal, WM_RBUTTONDOWN, 0, MK_RBUTTON},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cCanvas canvas(10, 5);
        StageDoc().SetPenMode(c.mode);
        SetPen({"A"});
        EXPECT_FALSE(TimerArrives(canvas.MainWnd(), 100)) << "no timer without a drag";
        canvas.Mouse(c.down, 1, 1, c.held);
        EXPECT_TRUE(TimerArrives(canvas.MainWnd(), 5000));
        EXPECT_TRUE(TimerArrives(canvas.MainWnd(), 5000)) << "it goes on ticking";
        if (c.up)
            canvas.Mouse(c.up, 2, 1);
        else
            canvas.KeyDown('D');
        EXPECT_FALSE(TimerArrives(canvas.MainWnd(), 300));
    }
}

TEST(CanvasEdit, DragsBeyondTheCanvasFollowTheMouseAndScrollTheView) {
    struct cCase {
        const char* name;
        int mode;
        DWORD down, up;
    };
    const cCase cases[] = {
        {"line", ePenLine, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP},
        {"rectangle", ePenRect, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP},
        {"selection", ePenNormal, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cCanvas canvas(60, 15);
        StageDoc().SetPenMode(c.mode);
        SetPen({"A"});
        SetForegroundWindow(canvas.MainWnd());
        const POINT start = canvas.ScreenPoint(2, 3);
        SetCursorPos(start.x, start.y);
        auto settle = [] {
            for (int i = 0; i < 5; ++i) {
                Sleep(20);
                PumpEditor();
            }
        };
        settle();
        MouseButton(c.down);
        settle();
        // Beyond the right edge of the canvas (and of the window), on the same row.
        const int columns = canvas.Main().ContentWidth() / kCellSize;
        const POINT beyond = canvas.ScreenPoint(columns + 2, 3);
        // The display may still report the mouse where it was: it is put there again each pass.
        for (int i = 0; i < 10; ++i) {
            SetCursorPos(beyond.x, beyond.y);
            Sleep(10);
            PumpEditor();
            EditorGroup().FrameAll();
        }
        const int scrolled = canvas.Main().ScrollColumn();
        EXPECT_GE(scrolled, 5) << "the view follows the mouse";
        MouseButton(c.up);
        EditorGroup().FrameAll();
        settle();
        const int last = canvas.Main().ScrollColumn() + columns - 1;
        if (c.mode == ePenNormal) {
            EXPECT_EQ(last - 2 + 1, StageDoc().m_PenWidth);
            EXPECT_EQ(1, StageDoc().m_PenHeight);
            EXPECT_EQ(StageDoc().m_DrawKind, DrawKindOf(ePenNormal));
        } else {
            cRows expected(15, std::string(60, '.'));
            for (int x = 2; x <= last; ++x) expected[3][x] = 'A';
            EXPECT_EQ(expected, Rows(ProjectStage().m_Blocks));
        }
    }
}
