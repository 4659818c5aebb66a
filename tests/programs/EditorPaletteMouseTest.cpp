// The stage's palette windows in the running editor, clicked with the mouse as the author does: in
// the right-click mode of the menu, the element menu comes up over an element and never past the
// last one; in the mode of editing, the right button opens the block data window, whose preview
// the editor's idle passes keep painted and whose OK with nothing typed leaves a blank element
// blank, and the item sheet, whose command dialogs open over it after a chara sheet was closed.
#include <gtest/gtest.h>

#include <windows.h>
#include <prsht.h>

#include <string>
#include <vector>

#include "data/Stage.h"
#include "editor/flow/FlowCmdIds.h"
#include "tests/programs/EditorSession.h"
#include "tests/support/InputQueue.h"

namespace {

const char kBlockWindow[] = "ブロックデータ";
const int kGrid = 1006;           // the palette's grid
const int kRightEdits = 40139;    // the right button edits the element
const int kRightMenu = 40140;     // the right button brings the element menu
const int kBlockPreview = 1060;   // the block page's preview
const int kGraphicSource = 1254;  // and its graphic's source: block, chara, item, shot, ...
const int kGraphicNumber = 1036;  // and number
const int kStageClear = 2;        // the item command "ステージクリア"
const LRESULT kShotSource = 3;
const int kColumns = 8, kCell = 32;

// The editor on the factory project with its stage palette window, and the number of elements
// that palette holds. The project's stage can be changed before the editor opens it.
class cPaletteSession {
public:
    explicit cPaletteSession(void (*prepare)(cEdStage&) = nullptr) : m_Count(StagePaletteCount(prepare)) {
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
    // The stage palette window of another layer, by the main window's command for the layer.
    bool ShowLayer(int command, const char* palette) {
        PostMessageA(m_Windows.main, WM_COMMAND, command, 0);
        m_Palette = m_Editor.WaitForWindow("#32770", palette);
        return m_Palette != nullptr;
    }
    // The element's data window of the caption, opened with the right button as the author does.
    HWND EditElement(int index, const char* caption) const {
        PostMessageA(m_Palette, WM_COMMAND, kRightEdits, 0);
        if (!Click(index, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP)) return nullptr;
        return m_Editor.WaitForWindow("#32770", caption);
    }
    // The element menu of the editor on the screen, within the time.
    HWND WaitForMenu(DWORD timeoutMs) const { return m_Editor.WaitForWindow("#32768", nullptr, timeoutMs); }
    void CloseMenu(HWND menu) const {
        TypeChord({VK_ESCAPE});
        EXPECT_TRUE(WaitGone(menu));
    }

private:
    static int StagePaletteCount(void (*prepare)(cEdStage&)) {
        cEdStage stage;
        if (!SetUpEditorProject(false) || !stage.LoadFile(kEditorStage)) return 0;
        if (prepare) {
            prepare(stage);
            if (!stage.SaveFile(kEditorStage)) return 0;
        }
        return static_cast<int>(stage.m_Palette.m_Blocks.size());
    }

    // In this order: the folder, the project in it, then the editor.
    cTempDir m_Dir;
    int m_Count;
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
    HWND sheet = session.EditElement(1, kBlockWindow);
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

TEST(Programs, EditorBlockWindowClosedWithOkLeavesABlankElementBlank) {
    // A stage palette block without a graphic, as stages made with the stage defaults hold.
    cPaletteSession session([](cEdStage& stage) { stage.m_Palette.m_Blocks[1].m_Graphic = 0; });
    ASSERT_TRUE(session.Ready());
    POINT at;
    ASSERT_TRUE(session.CellAt(1, &at));
    // Inside the element's cell, clear of the selection's frame.
    const RECT inside = {at.x - 10, at.y - 10, at.x + 10, at.y + 10};
    auto blank = [&] {
        const cScreenPicture seen = TakePicture(inside);
        return !seen.pixels.empty() && seen.pixels == std::vector<uint32_t>(seen.pixels.size(), 0);
    };
    ASSERT_TRUE(WaitFor(blank)) << "the blank element is drawn black";
    HWND sheet = session.EditElement(1, kBlockWindow);
    ASSERT_NE(nullptr, sheet);
    HWND page = FindWindowExA(sheet, nullptr, "#32770", nullptr);
    ASSERT_NE(nullptr, page);
    char shown[16] = "";
    GetDlgItemTextA(page, kGraphicNumber, shown, sizeof shown);
    EXPECT_STREQ("1", shown) << "the number shows inside its range";
    Click(sheet, IDOK);
    PostMessageA(session.Main(), WM_NULL, 0, 0);
    ASSERT_TRUE(WaitGone(sheet));
    // The palette is drawn again as the window goes: a look a while later finds it as it ends.
    Sleep(500);
    EXPECT_TRUE(blank()) << "OK with nothing typed gave the element a graphic";
}

TEST(Programs, EditorOpensAnItemCommandDialogOverTheItemSheetAfterAClosedCharaSheet) {
    cPaletteSession session;
    ASSERT_TRUE(session.Ready());
    ASSERT_TRUE(session.ShowLayer(kCharaLayer, "[ステージ]キャラパレット"));
    HWND chara = session.EditElement(1, "キャラデータ");
    ASSERT_NE(nullptr, chara);
    Click(chara, IDCANCEL);
    PostMessageA(session.Main(), WM_NULL, 0, 0);
    ASSERT_TRUE(WaitGone(chara));

    ASSERT_TRUE(session.ShowLayer(kItemLayer, "[ステージ]アイテムパレット"));
    HWND sheet = session.EditElement(1, "アイテムデータ");
    ASSERT_NE(nullptr, sheet);
    SendMessageA(sheet, PSM_SETCURSEL, 1, 0);
    HWND page = reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    ASSERT_NE(nullptr, page);
    // Moved by the author to where no window opens by itself.
    SetWindowPos(sheet, nullptr, 61, 47, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    const RECT moved = WindowOnScreen(sheet);
    ASSERT_EQ(61, moved.left);

    HWND picker = PressInto(session.Editor(), page, kCmdInsert, "コマンド");
    ASSERT_NE(nullptr, picker);
    HWND dlg = PressInto(session.Editor(), picker, IDC_CMD_BUTTON_FIRST - 1 + kStageClear, "ステージクリア");
    ASSERT_NE(nullptr, dlg);
    const RECT placed = WindowOnScreen(dlg);
    EXPECT_EQ(moved.left, placed.left);
    EXPECT_EQ(moved.top, placed.top);
    PostMessageA(dlg, WM_COMMAND, IDC_CMD_CANCEL, 0);
    EXPECT_TRUE(WaitGone(dlg));
    EXPECT_TRUE(WaitGone(picker));
    Click(sheet, IDCANCEL);
    PostMessageA(session.Main(), WM_NULL, 0, 0);
    EXPECT_TRUE(WaitGone(sheet));
}
