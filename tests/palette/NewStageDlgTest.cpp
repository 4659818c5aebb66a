// The new-stage dialog run from the main window's Ctrl+N and driven by messages: the template's
// newest numbered file, the defaults, the four palette modes and every way it refuses, which
// leaves the open stage and its undo history as they were.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "data/CommonPalette.h"
#include "editor/palette/NewStageDlg.h"
#include "editor/palette/NewStageIds.h"
#include "tests/palette/PaletteFixture.h"
#include "tests/shell/EditorFixture.h"
#include "tests/support/BoxAnswers.h"
#include "tests/support/DialogDriver.h"

namespace {

bool IsNewStageDlg(HWND wnd) { return IsShownWithCaption(wnd, "ステージの新規作成"); }

void ChooseMode(HWND dlg, int mode) {
    SendDlgItemMessageA(dlg, IDC_NS_PALETTE_MODE, CB_SETCURSEL, mode, 0);
    SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDC_NS_PALETTE_MODE, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(dlg, IDC_NS_PALETTE_MODE)));
}

// A stage of the width with a block at (width - 1, 0), saved to the path.
void WriteStage(const char* path, int width) {
    cEdStage stage;
    stage.SetSize(width, 15);
    cEdBlock block;
    block.m_Graphic = 4;
    stage.m_Blocks.Put(stage.CellIndex(width - 1, 0), block);
    ASSERT_TRUE(stage.SaveFile(path));
}

// The main window and the project objects the dialog changes, put back afterwards.
class cNewStage : public cEditorFixture {
public:
    cNewStage() : cEditorFixture(true, 25, 15), m_Palette(5, 3) {
        SetNewStageRunner(RunNewStageDlg);
        // The palette fixture starts from a fresh document: the stage is open again.
        StageDoc().m_StageOpen = 1;
        StageDoc().m_StagePath = Dir().Path() + "\\data\\stg4\\A.stg4_147";
        CreateDirectoryA("data\\stg4", nullptr);
        CreateDirectoryA("data\\plt4", nullptr);
        // The open stage: 25 wide, one undo step, modified.
        ProjectStage().m_UndoCount = 4;
        UndoHistory().Init(ProjectStage().m_UndoCount, ProjectStage().m_Stride, ProjectStage().m_Height);
        Main().PushUndo(eLayerAll);
        StageDoc().m_StageModified = 1;
    }
    ~cNewStage() { SetNewStageRunner(nullptr); }

    // Ctrl+N with the dialog filled in; the answer to the question (0: none expected).
    void Run(const char* templatePath, int mode, const char* paletteFile, int question,
             std::function<void(HWND)> more = nullptr) {
        if (question) m_Boxes.Answer(question);
        DriveDialog(IsNewStageDlg, [=](HWND dlg) {
            SetDlgItemTextA(dlg, IDC_NS_TEMPLATE, templatePath);
            ChooseMode(dlg, mode);
            SetDlgItemTextA(dlg, IDC_NS_PALETTE_FILE, paletteFile);
            if (more) more(dlg);
            SendMessageA(dlg, WM_COMMAND, IDC_NS_OK, reinterpret_cast<LPARAM>(GetDlgItem(dlg, IDC_NS_OK)));
        });
        Command(ID_ACCEL_NEW);
    }
    // The stage, its history and its flags as the fixture made them.
    void ExpectUnchanged() const {
        EXPECT_EQ(25, ProjectStage().m_Width);
        EXPECT_EQ(1, UndoHistory().UndoCount());
        EXPECT_EQ(1, StageDoc().m_StageModified);
        EXPECT_EQ(3u, ProjectStage().m_Palette.m_Blocks.size());
        EXPECT_FALSE(StageDoc().m_StagePath.empty());
    }
    // A new stage was made: open, never saved, its history empty.
    void ExpectMade() const {
        EXPECT_EQ(1, StageDoc().m_StageOpen);
        EXPECT_TRUE(StageDoc().m_StagePath.empty());
        EXPECT_EQ(0, UndoHistory().UndoCount());
        EXPECT_EQ(0, StageDoc().m_StageModified);
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const cShownBox& box : m_Boxes.Shown()) texts.push_back(box.text);
        return texts;
    }

    cBoxAnswers m_Boxes;

private:
    cPaletteFixture m_Palette;
    cRestoreOnExit<cEditConfig> m_Config{EditConfig()};
};

}  // namespace

TEST(NewStageDlg, EveryControlIsThereAndThePaletteFileOnlyServesModeThree) {
    cNewStage f;
    std::vector<bool> enabled;
    DriveDialog(IsNewStageDlg, [&](HWND dlg) {
        for (int id : {IDC_NS_TEMPLATE, IDC_NS_TEMPLATE_BROWSE, IDC_NS_PALETTE_MODE, IDC_NS_PALETTE_FILE,
                       IDC_NS_PALETTE_BROWSE, IDC_NS_OK, IDC_NS_CANCEL})
            EXPECT_NE(nullptr, GetDlgItem(dlg, id)) << id;
        EXPECT_EQ(4, SendDlgItemMessageA(dlg, IDC_NS_PALETTE_MODE, CB_GETCOUNT, 0, 0));
        for (int mode = 0; mode < 4; ++mode) {
            ChooseMode(dlg, mode);
            enabled.push_back(IsWindowEnabled(GetDlgItem(dlg, IDC_NS_PALETTE_FILE)) &&
                              IsWindowEnabled(GetDlgItem(dlg, IDC_NS_PALETTE_BROWSE)));
        }
        SendMessageA(dlg, WM_COMMAND, IDC_NS_CANCEL, 0);
    });
    f.Command(ID_ACCEL_NEW);
    EXPECT_EQ((std::vector<bool>{false, false, false, true}), enabled);
    EXPECT_TRUE(f.m_Boxes.Shown().empty());
    f.ExpectUnchanged();
}

TEST(NewStageDlg, TheNewestNumberedTemplateOrTheDefaultsAndTheFourPaletteModes) {
    struct cCase {
        const char* name;
        const char* templatePath;
        int mode;
        int width;
        std::vector<int> blocks;  // the stage palette's graphics
    };
    const cCase cases[] = {
        {"newest of the template's files, its palette kept", "data\\stg4\\A.stg4_003", 0, 40, {0, 101, 102, 103}},
        {"defaults, their palette kept", "", 0, 20, {0, 0}},
        {"no palette data", "data\\stg4\\A.stg4_003", 1, 40, {0}},
        {"the common palette", "", 2, 20, {0, 1, 2, 3, 4}},
        {"a stage palette file", "", 3, 20, {0, 7}},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cNewStage f;
        WriteStage("data\\stg4\\A.stg4_003", 30);
        {
            cEdStage newest;
            newest.SetSize(40, 15);
            FillBlocks(newest.m_Palette.m_Blocks, 4, 100);
            ASSERT_TRUE(newest.SaveFile("data\\stg4\\A.stg4_010"));
            cPalette file;
            FillBlocks(file.m_Blocks, 2, 6);
            ASSERT_TRUE(SaveStagePaletteFile(file, "data\\plt4\\P.plt4"));
        }
        // Stage palette blocks refer to the common palette by the project's default.
        ProjectOption().m_InheritSrc[eSituationStage][eKindBlock] = 1;
        f.Run(c.templatePath, c.mode, "data\\plt4\\P.plt4", IDYES);
        EXPECT_EQ(std::vector<std::string>{"現在のステージは破棄されます。\n新規作成しますか？\n"}, f.Texts());
        f.ExpectMade();
        EXPECT_EQ(c.width, ProjectStage().m_Width);
        EXPECT_EQ(c.blocks, Graphics(ProjectStage().m_Palette.m_Blocks));
        // The choices are kept in the configuration, and saved.
        EXPECT_EQ(c.templatePath, EditConfig().m_TemplateStage);
        EXPECT_EQ(c.mode, EditConfig().m_StagePaletteChoice);
        EXPECT_TRUE(f.Dir().Exists("e_data\\EditConfig.dat"));
        if (c.mode == 2) {
            const cRecordVector<cEdBlock>& blocks = ProjectStage().m_Palette.m_Blocks;
            EXPECT_EQ(0, blocks[0].m_InheritSrc);
            for (int i = 1; i < 5; ++i) {
                EXPECT_EQ(1, blocks[i].m_InheritSrc) << i;
                EXPECT_EQ(i, blocks[i].m_InheritIndex) << i;
            }
        }
    }
}

TEST(NewStageDlg, ARefusalLeavesTheStageAndItsHistoryAsTheyWere) {
    struct cCase {
        const char* name;
        const char* templatePath;
        int mode;
        const char* paletteFile;
        int question;
        const char* told;  // the message after the question
    };
    const cCase cases[] = {
        {"No to the question", "", 0, "", IDNO, nullptr},
        {"a missing palette file", "", 3, "data\\plt4\\None.plt4",  IDYES,
         "ステージパレットファイル data\\plt4\\None.plt4 が見つかりません！"},
        {"a damaged palette file", "", 3, "data\\plt4\\Bad.plt4", IDYES, "data\\plt4\\Bad.plt4 の読み込みに失敗！"},
        {"no file of the template", "data\\stg4\\B.stg4_147", 0, "", IDYES,
         "ステージファイル data\\stg4\\B.stg4_147 が見つかりません！"},
        {"a damaged template", "data\\stg4\\Bad.stg4_147", 0, "", IDYES,
         "ステージファイル data\\stg4\\Bad.stg4_147 の読み込みに失敗しました！"},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cNewStage f;
        f.Dir().Write("data\\plt4\\Bad.plt4", std::string("\x93\0\0\0\x05\0\0", 7));
        f.Dir().Write("data\\stg4\\Bad.stg4_147", std::string("\x93\0\0\0\x40\0\0\0\x01", 9));
        f.Run(c.templatePath, c.mode, c.paletteFile, c.question);
        std::vector<std::string> expected = {"現在のステージは破棄されます。\n新規作成しますか？\n"};
        if (c.told) expected.push_back(c.told);
        EXPECT_EQ(expected, f.Texts());
        f.ExpectUnchanged();
    }
}
