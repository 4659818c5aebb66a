// The stage canvas in the running editor, driven with the mouse and keys as the author does: a
// new stage (Ctrl+N), a block of its ground taken as the pen with the right button, a rectangle
// dragged in the sky that shows the cells it will place before the button is let go, a second
// one held beyond the canvas's right edge that scrolls the view with the mouse at rest, then
// Ctrl+S under a Japanese name and Ctrl+O of that file: the cells are in the file and on the
// canvas again.
// With KIT_PLAY_SHOTS naming a folder the pictures of the canvas are saved there as BMP files
// (tools/play/canvas_shots.sh turns them into the documentation's picture).
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "data/Stage.h"
#include "tests/programs/EditorSession.h"
#include "tests/support/InputQueue.h"

namespace {

// The main window's commands and controls, and the palette window's rectangle pen.
const int kCanvas = 1006, kHorzBar = 1008;
const int kPenRect = 40046;
const int kNewStageOk = 1000;

// The factory stage (a new stage starts as its copy): ground from row 13, open sky above row 5.
const int kGroundColumn = 0, kGroundRow = 13;
const int kRectLeft = 2, kRectTop = 1, kRectRight = 7, kRectBottom = 3;
const int kHeldRow = 4;  // the row of the drag held beyond the right edge
const char kSavedName[] = "表ソ能.stg4_147";

// A window of the process with the title, shown or not.
HWND WaitForNamed(DWORD pid, const char* title, DWORD timeoutMs = 20000) {
    return WaitForWindow({pid, true, nullptr, nullptr, nullptr, title, false, true}, timeoutMs);
}

// The canvas of the main window: its cells on the screen (the view scrolled to its left end).
class cCanvasView {
public:
    explicit cCanvasView(HWND main) : m_Main(main), m_Rect(ClientOnScreen(GetDlgItem(main, kCanvas))) {}
    POINT Cell(int x, int y) const { return {m_Rect.left + x * 32 + 16, m_Rect.top + y * 32 + 16}; }
    // The mouse moved over a point in steps, as the hand moves it.
    void MoveTo(POINT to) const {
        POINT from;
        GetCursorPos(&from);
        for (int i = 1; i <= 4; ++i) {
            MouseAt(from.x + (to.x - from.x) * i / 4, from.y + (to.y - from.y) * i / 4);
            Sleep(40);
        }
    }
    // Whether the canvas shows an outline along the right edge of the cell: of the cursor or a
    // rectangle (blue over red) or of a selection (red over blue). It shows where the editor has
    // the mouse.
    enum eOutline { eAnyOutline, eCursorOutline, eSelectionOutline };
    bool OutlineAt(int x, int y, eOutline kind) const {
        const uint32_t c = Take().At((x + 1) * 32, y * 32 + 16);
        const int r = (c >> 16) & 0xff, g = (c >> 8) & 0xff, b = c & 0xff;
        if (r < 100 || b < 100 || g >= 40) return false;
        return kind == eAnyOutline || (kind == eCursorOutline) == (b > r);
    }
    // The mouse moved to the cell, once the editor shows it there. The display may leave the
    // editor a move behind: the mouse is put on the cell again until it does.
    bool Hover(int x, int y, eOutline kind = eAnyOutline) const {
        const POINT to = Cell(x, y);
        MoveTo(to);
        int nudge = 0;
        return WaitFor([&] {
            MouseAt(to.x + (++nudge & 1), to.y);  // a move of its own each time, in the cell
            Sleep(100);
            return OutlineAt(x, y, kind);
        });
    }
    bool Drag(int x0, int y0, int x1, int y1, DWORD down) const {
        if (!Hover(x0, y0)) return false;
        MouseButton(down);
        return Hover(x1, y1, down == MOUSEEVENTF_RIGHTDOWN ? eSelectionOutline : eCursorOutline);
    }
    cScreenPicture Take() const { return TakePicture(m_Rect); }
    // The inside of a cell, away from the grid and the outlines.
    static bool SameCell(const cScreenPicture& a, int ax, int ay, const cScreenPicture& b, int bx, int by) {
        for (int y = 4; y < 28; ++y)
            for (int x = 4; x < 28; ++x)
                if (a.At(ax * 32 + x, ay * 32 + y) != b.At(bx * 32 + x, by * 32 + y)) return false;
        return true;
    }
    static bool Black(const cScreenPicture& a, int x, int y) {
        for (int dy = 4; dy < 28; ++dy)
            for (int dx = 4; dx < 28; ++dx)
                if ((a.At(x * 32 + dx, y * 32 + dy) & 0xffffff) != 0) return false;
        return true;
    }
    int Scroll() const { return static_cast<int>(SendMessageA(GetDlgItem(m_Main, kHorzBar), SBM_GETPOS, 0, 0)); }
    const RECT& Rect() const { return m_Rect; }

private:
    HWND m_Main;
    RECT m_Rect;
};

// Every cell of the rectangle shows the ground's block; the stage around it is sky.
bool RectangleShown(const cScreenPicture& shown, const cScreenPicture& ground) {
    for (int y = kRectTop; y <= kRectBottom; ++y)
        for (int x = kRectLeft; x <= kRectRight; ++x)
            if (!cCanvasView::SameCell(shown, x, y, ground, kGroundColumn, kGroundRow)) return false;
    return cCanvasView::Black(shown, kRectRight + 1, kRectTop) && cCanvasView::Black(shown, kRectLeft, kRectTop - 1);
}

}  // namespace

TEST(Programs, EditorCanvasPreviewsScrollsAndKeepsWhatWasDrawn) {
    cTempDir dir;
    ASSERT_TRUE(SetUpEditorProject(false));
    cRunningProgram editor("editor.exe");
    ASSERT_TRUE(editor.Started());
    const cEditorWindows windows = WaitForEditorWindows(editor);
    ASSERT_NE(nullptr, windows.main);

    // A new stage from the factory template.
    CtrlKey(windows.main, 'N');
    HWND dialog = editor.WaitForWindow("#32770", "ステージの新規作成");
    ASSERT_NE(nullptr, dialog);
    Click(dialog, kNewStageOk);
    if (HWND ask = editor.WaitForWindow("#32770", "新規作成の確認", 5000)) cRunningProgram::Answer(ask, IDYES);
    ASSERT_TRUE(WaitGone(dialog));
    ASSERT_TRUE(WaitGone(windows.main)) << "the main window is made again for the new stage";
    HWND main = WaitForMainTitled(windows.pid, "Quorbel4");
    ASSERT_NE(nullptr, main);
    HWND palette = WaitForNamed(windows.pid, kStagePalette);
    ASSERT_NE(nullptr, palette);
    SetForegroundWindow(main);
    const cCanvasView canvas(main);
    ASSERT_EQ(0, canvas.Scroll());
    ASSERT_TRUE(WaitFor([&] { return !cCanvasView::Black(canvas.Take(), kGroundColumn, kGroundRow); }))
        << "the new stage is drawn";
    const cScreenPicture before = canvas.Take();
    ASSERT_TRUE(cCanvasView::Black(before, kRectLeft, kRectTop)) << "the sky is empty";

    // The pen: one block of the ground, taken with the right button.
    ASSERT_TRUE(canvas.Drag(kGroundColumn, kGroundRow, kGroundColumn, kGroundRow, MOUSEEVENTF_RIGHTDOWN));
    MouseButton(MOUSEEVENTF_RIGHTUP);
    // The pen mode only once the selection has ended: the command would come before the release.
    ASSERT_TRUE(canvas.Hover(kGroundColumn, kGroundRow, cCanvasView::eCursorOutline));
    ASSERT_TRUE(PostMessageA(palette, WM_COMMAND, kPenRect, 0));

    // The rectangle shows the cells it will place while the button is held.
    ASSERT_TRUE(canvas.Drag(kRectLeft, kRectTop, kRectRight, kRectBottom, MOUSEEVENTF_LEFTDOWN));
    const cScreenPicture dragging = canvas.Take();
    KeepPicture(dragging, "canvas-1-rectangle-held");
    EXPECT_TRUE(RectangleShown(dragging, before)) << "the cells to be placed, before the release";
    MouseButton(MOUSEEVENTF_LEFTUP);

    // Held beyond the right edge with the mouse at rest: the view scrolls on its own.
    ASSERT_TRUE(canvas.Drag(kRectLeft, kHeldRow, kRectLeft, kHeldRow, MOUSEEVENTF_LEFTDOWN));
    const POINT beyond = {canvas.Rect().right + 40, canvas.Cell(0, kHeldRow).y};
    canvas.MoveTo(beyond);
    // Nothing is sent to the editor meanwhile: asking the scroll bar is a message, which would
    // wake its loop as a mouse that moves does. A column a tick would have gone to its end.
    Sleep(3000);
    const int scrolled = canvas.Scroll();
    KeepPicture(canvas.Take(), "canvas-2-scrolled");
    MouseButton(MOUSEEVENTF_LEFTUP);
    EXPECT_GE(scrolled, 6) << "the view did not follow the mouse resting beyond the canvas";
    // The release places the row beyond the columns first in view.
    const int columns = (canvas.Rect().right - canvas.Rect().left) / 32;
    EXPECT_TRUE(WaitFor([&] { return cCanvasView::SameCell(canvas.Take(), kRectLeft + 1, kHeldRow, before, kGroundColumn, kGroundRow); }));

    // Saved under a name whose characters end in the byte of '\\', then opened again.
    const std::string path = dir.Path() + "\\data\\stg4\\" + kSavedName;
    CtrlKey(main, 'S');
    ASSERT_TRUE(AnswerFileDialog(editor, "保存先のファイルの選択", path));
    main = WaitForMainTitled(windows.pid, kSavedName);
    ASSERT_NE(nullptr, main) << "the window names the saved file";
    {
        cEdStage saved;
        ASSERT_TRUE(saved.LoadFile(path.c_str()));
        const cEdBlock& ground = saved.m_Blocks.At(saved.CellIndex(kGroundColumn, kGroundRow));
        for (int y = kRectTop; y <= kRectBottom; ++y)
            for (int x = kRectLeft; x <= kRectRight; ++x)
                EXPECT_EQ(ground.m_Graphic, saved.m_Blocks.At(saved.CellIndex(x, y)).m_Graphic) << x << "," << y;
        int end = kRectLeft;
        while (end < saved.m_Width && saved.m_Blocks.At(saved.CellIndex(end, kHeldRow)).m_Graphic == ground.m_Graphic) ++end;
        EXPECT_GT(end, columns) << "the held row reaches past the first view";
        for (int x = end; x < saved.m_Width; ++x) EXPECT_TRUE(saved.m_Blocks.IsEmpty(saved.CellIndex(x, kHeldRow))) << x;
    }

    CtrlKey(main, 'O');
    ASSERT_TRUE(AnswerFileDialog(editor, "読み込むファイルの選択", path));
    ASSERT_TRUE(WaitGone(main));
    main = WaitForMainTitled(windows.pid, kSavedName);
    ASSERT_NE(nullptr, main);
    const cCanvasView reopened(main);
    ASSERT_EQ(0, reopened.Scroll());
    EXPECT_TRUE(WaitFor([&] { return RectangleShown(reopened.Take(), before); })) << "the cells after opening the file";
    KeepPicture(reopened.Take(), "canvas-3-reopened");

    EndEditor(editor, windows.frame);
}
