// The stage option dialog run from the main window's command: the undo count from 0 to 9, the
// history re-made at once, and a raise that the free memory cannot hold refused with its message.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "editor/shell/AvailMemory.h"
#include "editor/shell/UndoHistory.h"
#include "editor/world/OptionIds.h"
#include "editor/world/StageOptionDlg.h"
#include "tests/support/BoxAnswers.h"
#include "tests/support/DialogDriver.h"
#include "tests/world/SettingsFixture.h"

namespace {

int64_t g_memory = 0;
int64_t TestMemory() { return g_memory; }

bool IsOptionDialog(HWND wnd) { return IsShownWithCaption(wnd, "ステージオプション"); }

// A 40 x 20 stage with three undo steps and plenty of memory unless a case says otherwise.
class StageOption : public testing::Test {
protected:
    StageOption() : m_Editor(true, 40, 20, 1, 1) {
        SetCommandOpener(ID_STAGE_OPTIONS, OpenStageOption);
        SetMemoryProbe(TestMemory);
        g_memory = int64_t(1) << 40;
        cEdStage& stage = ProjectStage();
        m_SavedCount = stage.m_UndoCount;
        stage.m_UndoCount = 3;
        UndoHistory().Init(stage.m_UndoCount, stage.m_Stride, stage.m_Height);
    }
    ~StageOption() override {
        SetCommandOpener(ID_STAGE_OPTIONS, nullptr);
        SetMemoryProbe(nullptr);
        ProjectStage().m_UndoCount = m_SavedCount;
    }
    // Types the count and presses the button; what the edit showed when the dialog opened.
    std::string Run(const char* count, int button) {
        std::string shown;
        DriveDialog(IsOptionDialog, [&](HWND dlg) {
            shown = cSheetDriver::Text(dlg, IDC_SO_UNDO);
            if (count) SetDlgItemTextA(dlg, IDC_SO_UNDO, count);
            SendMessageA(GetDlgItem(dlg, button), BM_CLICK, 0, 0);
        });
        m_Editor.Command(ID_STAGE_OPTIONS);
        return shown;
    }
    cEditorFixture m_Editor;
    int32_t m_SavedCount = 0;
};

}  // namespace

TEST_F(StageOption, TheTemplateHoldsItsControls) {
    ExpectControls(m_Editor.MainWnd(), IDD_STAGE_OPTION,
                   {IDC_SO_OK, IDC_SO_CANCEL, IDC_SO_PICTURE, IDC_SO_UNDO, IDC_SO_UNDO_SPIN});
}

TEST_F(StageOption, CountsFromZeroToNineRemakeTheHistory) {
    struct cCase {
        const char* typed;
        int stored;
    };
    const cCase cases[] = {{"9", 9}, {"0", 0}, {"12", 9}, {"5", 5}, {"-1", 0}};
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.typed);
        Run(c.typed, IDC_SO_OK);
        EXPECT_EQ(ProjectStage().m_UndoCount, c.stored);
        EXPECT_EQ(UndoHistory().Steps(), static_cast<size_t>(c.stored));
    }
    EXPECT_TRUE(IsWindowEnabled(m_Editor.MainWnd()));
}

TEST_F(StageOption, CancelChangesNothing) {
    EXPECT_EQ(Run("7", IDC_SO_CANCEL), "3");
    EXPECT_EQ(ProjectStage().m_UndoCount, 3);
    EXPECT_EQ(UndoHistory().Steps(), 3u);
}

TEST_F(StageOption, ARaiseThatDoesNotFitKeepsTheCountAndSaysSoOnce) {
    cBoxAnswers boxes;
    const cEdStage& stage = ProjectStage();
    const int64_t step = cUndoHistory::StepSize(stage.m_Stride, stage.m_Height);
    // Two added steps need room for four.
    g_memory = step * 4 - 1;
    Run("5", IDC_SO_OK);
    EXPECT_EQ(stage.m_UndoCount, 3);
    EXPECT_EQ(UndoHistory().Steps(), 3u);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, "メモリ不足により、「元に戻せる回数」が変更できませんでした！");
    g_memory = step * 4;
    Run("5", IDC_SO_OK);
    EXPECT_EQ(stage.m_UndoCount, 5);
    // Lowering needs no room.
    g_memory = 0;
    Run("1", IDC_SO_OK);
    EXPECT_EQ(stage.m_UndoCount, 1);
    EXPECT_EQ(UndoHistory().Steps(), 1u);
    EXPECT_EQ(boxes.Shown().size(), 1u);
}
