// The chara group window: its buttons, the groups the placed charas mark, clicks that change
// nothing, and its placement kept in the editor configuration.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "data/EditConfig.h"
#include "editor/palette/GroupIds.h"
#include "editor/palette/GroupWnd.h"
#include "editor/palette/PaletteDlg.h"
#include "tests/palette/StoredPlacement.h"
#include "tests/shell/EditorFixture.h"

namespace {

// The editor with its tool windows made, charas placed on the stage as (group flag, number).
class cGroupWindow {
public:
    explicit cGroupWindow(const std::vector<std::pair<int, int>>& charas) : m_Editor(true) {
        int column = 2;
        for (auto chara : charas) {
            cEdChara placed;
            placed.m_Graphic = 1;
            placed.m_HasGroup = static_cast<uint8_t>(chara.first);
            placed.m_GroupNo = static_cast<uint16_t>(chara.second);
            ProjectStage().PutChara(ProjectStage().CellIndex(column++, 3), placed);
        }
        EditConfig().m_Windows[7].m_Shown = 1;
        ShowPaletteWindows(&m_Editor.Main(), eLayerChara);
        PumpEditor();
    }
    ~cGroupWindow() { ShowPaletteWindows(&m_Editor.Main(), -1); }
    cCharaGroupDlg* Window() const { return dynamic_cast<cCharaGroupDlg*>(m_Editor.Main().m_lpGroupWnd); }
    HWND Hwnd() const { return Window()->GetHwnd(); }
    std::vector<int> Checked() const {
        std::vector<int> groups;
        for (int g = 0; g < kCharaGroups; ++g)
            if (IsDlgButtonChecked(Hwnd(), GroupButtonId(g)) == BST_CHECKED) groups.push_back(g);
        return groups;
    }
    cEditorFixture& Editor() { return m_Editor; }

private:
    cEditorFixture m_Editor;
};

}  // namespace

TEST(GroupWnd, EveryGroupHasItsButtonAndNumber) {
    cGroupWindow window({});
    ASSERT_NE(window.Window(), nullptr);
    char caption[64] = "";
    GetWindowTextA(window.Hwnd(), caption, sizeof caption);
    EXPECT_STREQ(caption, "キャラのグループ情報");
    std::vector<int> ids;
    for (int g = 0; g < kCharaGroups; ++g) {
        int id = GroupButtonId(g);
        ids.push_back(id);
        char text[8] = "";
        GetDlgItemTextA(window.Hwnd(), id, text, sizeof text);
        EXPECT_EQ(std::string(text), std::to_string(g));
    }
    EXPECT_EQ(GroupButtonId(0), 1453);
    EXPECT_EQ(GroupButtonId(1), 1413);
    EXPECT_EQ(GroupButtonId(40), 1452);
    EXPECT_EQ(GroupButtonId(41), 1454);
    EXPECT_EQ(GroupButtonId(59), 1472);
    EXPECT_EQ(GroupButtonId(60), 0);
    EXPECT_EQ(GroupButtonId(-1), 0);
}

TEST(GroupWnd, ThePlacedCharasMarkTheirGroups) {
    struct cCase {
        const char* name;
        std::vector<std::pair<int, int>> charas;
        std::vector<int> checked;
    } cases[] = {
        {"none placed", {}, {}},
        {"two in group 7", {{1, 7}, {1, 7}}, {7}},
        {"a clear flag marks nothing", {{0, 7}, {0, 3}}, {}},
        {"groups 0, 40, 41 and 59", {{1, 59}, {1, 0}, {1, 41}, {1, 40}}, {0, 40, 41, 59}},
        {"60 and above mark nothing", {{1, 60}, {1, 65535}, {1, 2}}, {2}},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cGroupWindow window(c.charas);
        ASSERT_NE(window.Window(), nullptr);
        EXPECT_EQ(window.Checked(), c.checked);
    }
    cGroupWindow seven({{1, 7}, {1, 7}});
    EXPECT_EQ(IsDlgButtonChecked(seven.Hwnd(), 1419), BST_CHECKED);
}

TEST(GroupWnd, AClickChangesNothing) {
    cGroupWindow window({{1, 7}});
    cEdStage before = ProjectStage();
    for (int group : {7, 8}) {
        HWND button = GetDlgItem(window.Hwnd(), GroupButtonId(group));
        SendMessageA(button, BM_CLICK, 0, 0);
        PumpEditor();
    }
    EXPECT_EQ(window.Checked(), std::vector<int>{7});
    EXPECT_EQ(ProjectStage().m_Charas.size(), before.m_Charas.size());
    EXPECT_EQ(ProjectStage().m_Charas.At(ProjectStage().CellIndex(2, 3)).m_GroupNo, 7);
}

TEST(GroupWnd, ItKeepsItsPlacementWhenItGoes) {
    cGroupWindow window({});
    SetWindowPos(window.Hwnd(), nullptr, 140, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    RECT outer;
    GetWindowRect(window.Hwnd(), &outer);
    ShowPaletteWindows(&window.Editor().Main(), -1);
    ASSERT_EQ(outer.left, 140);
    ASSERT_EQ(outer.top, 120);
    ExpectStoredPlacement(EditConfig().m_Windows[7], outer);
    // A new window opens where the last one was.
    ShowPaletteWindows(&window.Editor().Main(), eLayerChara);
    PumpEditor();
    GetWindowRect(window.Hwnd(), &outer);
    EXPECT_EQ(outer.left, 140);
    EXPECT_EQ(outer.top, 120);
}

TEST(GroupWnd, SpaceReachesTheMainWindow) {
    cGroupWindow window({});
    StageDoc().m_Layer = eLayerBlock;
    SendMessageA(window.Hwnd(), WM_KEYDOWN, VK_SPACE, 0);
    PumpEditor();
    EXPECT_EQ(StageDoc().m_Layer, eLayerChara);
}
