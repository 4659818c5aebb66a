// The stage's block palette window in the running editor, clicked with the mouse as the author
// does: in the right-click mode of the menu, the element menu comes up over an element and never
// past the last one; in the mode of editing, the right button opens the block data window, whose
// preview the editor's idle passes keep painted.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "data/Stage.h"
#include "tests/programs/EditorSession.h"
#include "tests/support/InputQueue.h"

namespace {

const char kBlockWindow[] = "ブロックデータ";
const int kGrid = 1006;           // the palette's grid
const int kRightEdits = 40139;    // the right button edits the element
const int kRightMenu = 40140;     // the right button brings the element menu
const int kBlockPreview = 1060;   // the block page's preview
const int kGraphicSource = 1254;  // and its graphic's source: block, chara, item, shot, ...
const LRESULT kShotSource = 3;
const int kColumns = 8, kCell = 32;

// The editor on the factory project with its stage palette window, and the number of elements
// that palette holds.
class cPaletteSession {
public:
    cPaletteSession() {
        m_Windows = WaitForEditorWindows(m_Editor);
        m_Palette = m_Editor.WaitForWindow("#32770", kStagePalette);
    }
    ~cPaletteSession() {
        if (m_Windows.frame) EndEditor(m_Editor, m_Windows.frame);
    }
    bool Ready() const { return m_Windows.main && m_Palette && m_Count > 1; }
    int Count() const { return m_Count; }
    HWND Palette() const { return m_Palette; }
    HWND Main() const { return m_Windows.main; }
    const cRunningProgram& Editor() const { return m_Editor; }

    // The middle of the element's cell on the screen, the grid scrolled to its top; false when
    // the window does not show that row.
    bool CellAt(int index, POINT* at) const {
        const RECT grid = ClientOnScreen(GetDlgItem(m_Palette, kGrid));
        at->x = grid.left + index % kColumns * kCell + kCell / 2;
        at->y = grid.top + index / kColumns * kCell + kCell / 2;
        return at->y < grid.bottom;
    }
    // A click of the button on the element's cell, with the mouse brought there first.
    bool Click(int index, DWORD down, DWORD up) const {
        POINT at;
        if (!CellAt(index, &at)) return false;
        for (int i = 0; i < 3; ++i) {
            MouseAt(at.x + i % 2, at.y);
            Sleep(60);
        }
        MouseButton(down);
        Sleep(60);
        MouseButton(up);
        return true;
    }
    // The element menu of the editor on the screen, within the time.
    HWND WaitForMenu(DWORD timeoutMs) const { return m_Editor.WaitForWindow("#32768", nullptr, timeoutMs); }
    void CloseMenu(HWND menu) const {
        TypeChord({VK_ESCAPE});
        EXPECT_TRUE(WaitGone(menu));
    }

private:
    static int StagePaletteCount() {
        cEdStage stage;
        return SetUpEditorProject(false) && stage.LoadFile(kEditorStage) ? static_cast<int>(stage.m_Palette.m_Blocks.size())
                                                                          : 0;
    }

    // In this order: the folder, the project in it, then the editor.
    cTempDir m_Dir;
    int m_Count = StagePaletteCount();
    cRunningProgram m_Editor{"editor.exe"};
    cEditorWindows m_Windows;
    HWND m_Palette = nullptr;
};

bool SamePicture(const cScreenPicture& a, const cScreenPicture& b) {
    return a.width == b.width && a.height == b.height && a.pixels == b.pixels;
}

}  // namespace

TEST(Programs, EditorPaletteMenuComesUpOnAnElementAndNeverPastTheLast) {
    cPaletteSession session;
    ASSERT_TRUE(session.Ready());
    ASSERT_TRUE(PostMessageA(session.Palette(), WM_COMMAND, kRightMenu, 0));
    // The element taken with the left button first: the window is then the active one, and the
    // element is what a menu past the end would wrongly offer.
    ASSERT_TRUE(session.Click(1, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP));
    struct cCase {
        const char* name;
        int index;
        bool menu;
    } cases[] = {
        {"on an element", 1, true},
        {"past the last element", session.Count(), false},
        {"on the last element", session.Count() - 1, true},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(session.Click(c.index, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP)) << "the window shows no such row";
        // A menu comes up at once; where none should, a while without one is all there is to see.
        HWND menu = session.WaitForMenu(c.menu ? 10000 : 1500);
        EXPECT_EQ(c.menu, menu != nullptr);
        if (menu) session.CloseMenu(menu);
    }
}

TEST(Programs, EditorRepaintsTheOpenBlockDataWindowOnIdle) {
    cPaletteSession session;
    ASSERT_TRUE(session.Ready());
    ASSERT_TRUE(PostMessageA(session.Palette(), WM_COMMAND, kRightEdits, 0));
    ASSERT_TRUE(session.Click(1, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP));
    HWND sheet = session.Editor().WaitForWindow("#32770", kBlockWindow);
    ASSERT_NE(nullptr, sheet);
    HWND page = FindWindowExA(sheet, nullptr, "#32770", nullptr);
    HWND preview = page ? GetDlgItem(page, kBlockPreview) : nullptr;
    ASSERT_NE(nullptr, preview);
    // The window is moved onto the desktop once it stands: the preview is taken where it ends,
    // once two looks find it the same.
    RECT rect = {};
    cScreenPicture drawn;
    ASSERT_TRUE(WaitFor([&] {
        const RECT now = ClientOnScreen(preview);
        const cScreenPicture seen = TakePicture(now);
        const bool still = EqualRect(&now, &rect) != 0 && SamePicture(seen, drawn);
        rect = now;
        drawn = seen;
        return still && rect.right <= GetSystemMetrics(SM_CXSCREEN) && drawn.width > 0 &&
               drawn.pixels != std::vector<uint32_t>(drawn.pixels.size(), drawn.pixels[0]);
    })) << "the preview shows the block";

    // The graphic's source chosen in its box from outside, which tells the page nothing: only an
    // idle pass draws the preview from the controls again. A pass waits for a message first, so
    // each look sends one. Then back.
    HWND source = GetDlgItem(page, kGraphicSource);
    ASSERT_NE(nullptr, source);
    const LRESULT stored = SendMessageA(source, CB_GETCURSEL, 0, 0);
    ASSERT_EQ(0, stored) << "the factory block is drawn from the block sheet";
    for (LRESULT row : {kShotSource, stored}) {
        SendMessageA(source, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
        EXPECT_TRUE(WaitFor([&] {
            PostMessageA(session.Main(), WM_NULL, 0, 0);
            return SamePicture(TakePicture(rect), drawn) == (row == stored);
        })) << "the preview does not show the source of row " << row;
    }
    // A closed sheet goes with the next message through the editor's loop.
    Click(sheet, IDCANCEL);
    PostMessageA(session.Main(), WM_NULL, 0, 0);
    EXPECT_TRUE(WaitGone(sheet));
}
