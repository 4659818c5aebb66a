// Saving the open stage: the overwrite and save-as paths, the older version's file by the
// project option, a write that fails, and the save question when the editor closes; the file
// dialog is answered by a stand-in.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "data/PrjOption.h"
#include "editor/shell/StageFiles.h"
#include "framework/FileDialogs.h"
#include "framework/TestSeams.h"
#include "tests/shell/EditorFixture.h"
#include "tests/support/BoxAnswers.h"

namespace {

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void Touch(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(file);
}

// Answers the file dialogs: records the name each one proposed and gives the next answer (an
// empty answer cancels).
struct cDialogs {
    std::vector<std::string> proposed, answers;
    static cDialogs* current;
    cDialogs() {
        current = this;
        SetFileDialogHook(Hook);
    }
    ~cDialogs() {
        SetFileDialogHook(nullptr);
        current = nullptr;
    }
    static int Hook(bool, char* file, DWORD length, const char*, const char*, const char*, const char*) {
        cDialogs& d = *current;
        d.proposed.push_back(file);
        if (d.answers.empty() || d.answers.front().empty()) {
            if (!d.answers.empty()) d.answers.erase(d.answers.begin());
            return 0;
        }
        lstrcpynA(file, d.answers.front().c_str(), static_cast<int>(length));
        d.answers.erase(d.answers.begin());
        return 1;
    }
};
cDialogs* cDialogs::current = nullptr;

}  // namespace

TEST(StageFiles, SavingAnOlderVersionsFileNamesItAfterThisVersionAndPutsTheOldOneAway) {
    struct cCase {
        int option;
        bool oldThere, moved;
    };
    const cCase cases[] = {{0, false, true}, {1, true, false}, {2, false, false}};
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.option);
        cEditorFixture editor(true);
        cDialogs dialogs;
        CreateDirectoryA("data\\stg4", nullptr);
        const std::string old = "data\\stg4\\Stage1.stg4_146", now = "data\\stg4\\Stage1.stg4_147";
        Touch(old);
        StageDoc().m_StagePath = old;
        StageDoc().m_StageModified = 1;
        ProjectOption().m_OldStageFiles = c.option;
        dialogs.answers = {now};
        EXPECT_TRUE(SaveStage(editor.MainWnd(), true));
        EXPECT_EQ(std::vector<std::string>{now}, dialogs.proposed);
        EXPECT_TRUE(Exists(now));
        EXPECT_EQ(c.oldThere, Exists(old));
        EXPECT_EQ(c.moved, Exists("data\\stg4\\old_ver\\Stage1.stg4_146"));
        EXPECT_EQ(now, StageDoc().m_StagePath);
        EXPECT_EQ(0, StageDoc().m_StageModified);
        // Now the file carries this version: Ctrl+S writes it without asking.
        dialogs.proposed.clear();
        EXPECT_TRUE(SaveStage(editor.MainWnd(), true));
        EXPECT_TRUE(dialogs.proposed.empty());
        ProjectOption() = cPrjOption();
    }
}

// Names whose double-byte characters end in the byte of '\\' (表, ソ, 能 in cp932): the name is
// kept whole through the save dialog's proposal, the overwrite and the move aside, and stages
// of different names never land on one file in old_ver.
TEST(StageFiles, JapaneseNamesSurviveSaveSaveAsAndTheMoveAside) {
    cEditorFixture editor(true);
    cDialogs dialogs;
    CreateDirectoryA("data\\stg4", nullptr);
    CreateDirectoryA("data\\stg4\\old_ver", nullptr);
    // A file already aside under the same name is never replaced: the move fails and says so.
    editor.Dir().Write("data\\stg4\\old_ver\\ソ表.stg4_146", "earlier");
    const char* const names[] = {"表", "ソ", "能力", "表示ソ", "ソ表"};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        cBoxAnswers boxes;
        const std::string old = std::string("data\\stg4\\") + name + ".stg4_146";
        const std::string now = std::string("data\\stg4\\") + name + ".stg4_147";
        editor.Dir().Write(old, name);
        StageDoc().m_StagePath = old;
        dialogs.proposed.clear();
        dialogs.answers = {now};
        EXPECT_TRUE(SaveStage(editor.MainWnd(), true));
        EXPECT_EQ(std::vector<std::string>{now}, dialogs.proposed);
        EXPECT_TRUE(Exists(now));
        EXPECT_EQ(now, StageDoc().m_StagePath);
        // Ctrl+S again: this version's file, overwritten without a dialog.
        dialogs.proposed.clear();
        EXPECT_TRUE(SaveStage(editor.MainWnd(), true));
        EXPECT_TRUE(dialogs.proposed.empty());
        // Save-as to another Japanese name leaves the file it came from.
        const std::string copy = std::string("data\\stg4\\") + name + "ソ.stg4_147";
        dialogs.answers = {copy};
        EXPECT_TRUE(SaveStage(editor.MainWnd(), false));
        EXPECT_TRUE(Exists(copy));
        EXPECT_TRUE(Exists(now));
        EXPECT_EQ(copy, StageDoc().m_StagePath);
        EXPECT_FALSE(Exists("data\\stg4\\old_ver\\.stg4_146"));
        if (std::string(name) == "ソ表") {
            EXPECT_TRUE(Exists(old));
            ASSERT_EQ(1u, boxes.Shown().size());
            EXPECT_NE(std::string::npos, boxes.Shown()[0].text.find("の移動に失敗しました"));
        } else {
            EXPECT_FALSE(Exists(old));
            EXPECT_TRUE(boxes.Shown().empty());
        }
    }
    for (const char* name : names) {
        const std::string aside = std::string("data\\stg4\\old_ver\\") + name + ".stg4_146";
        EXPECT_EQ(std::string(name) == "ソ表" ? "earlier" : name, editor.Dir().Read(aside)) << name;
    }
}

TEST(StageFiles, ANeverSavedStageAsksForANameAndAFailedWriteKeepsTheFlags) {
    cEditorFixture editor(true);
    cDialogs dialogs;
    cBoxAnswers boxes;
    StageDoc().m_StagePath.clear();
    StageDoc().m_StageModified = 1;
    dialogs.answers = {""};
    EXPECT_FALSE(SaveStage(editor.MainWnd(), true));
    EXPECT_EQ(std::vector<std::string>{""}, dialogs.proposed);
    // A target that cannot be written: the old file stays, the flag too, and it is said.
    CreateDirectoryA("data\\stg4", nullptr);
    const std::string target = "data\\stg4\\Locked.stg4_147";
    Touch(target);
    HANDLE lock = CreateFileA(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    dialogs.answers = {target};
    EXPECT_FALSE(SaveStage(editor.MainWnd(), false));
    CloseHandle(lock);
    EXPECT_EQ(1, StageDoc().m_StageModified);
    EXPECT_TRUE(StageDoc().m_StagePath.empty());
    ASSERT_FALSE(boxes.Shown().empty());
    EXPECT_NE(std::string::npos, boxes.Shown().back().text.find("の保存に失敗しました"));
}

TEST(StageFiles, AskSaveKeepsTheEditorOpenUnlessTheAnswersAllowClosing) {
    struct cCase {
        int modified, common;
        std::vector<int> answers;
        const char* dialog;  // the save dialog's answer, "" to cancel it
        bool allowed;
        int boxes;
    };
    const cCase cases[] = {
        {0, 0, {}, "", true, 0},
        {1, 0, {IDCANCEL}, "", false, 1},
        {1, 0, {IDNO}, "", true, 1},
        {1, 0, {IDYES}, "", false, 1},  // the save dialog was cancelled
        {1, 0, {IDYES}, "data\\stg4\\Saved.stg4_147", true, 1},
        {0, 1, {IDCANCEL}, "", false, 1},
        {0, 1, {IDNO}, "", true, 1},
        {1, 1, {IDNO, IDYES}, "", true, 2},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.modified << c.common << c.answers.size() << c.dialog);
        cEditorFixture editor(true);
        CreateDirectoryA("data\\stg4", nullptr);
        cDialogs dialogs;
        cBoxAnswers boxes;
        StageDoc().m_StagePath.clear();
        StageDoc().m_StageModified = c.modified;
        StageDoc().m_CommonModified = c.common;
        for (int answer : c.answers) boxes.Answer(answer);
        dialogs.answers = {c.dialog};
        EXPECT_EQ(c.allowed, AskSave(editor.MainWnd()));
        size_t questions = 0;
        for (const cShownBox& box : boxes.Shown()) questions += box.caption == "保存確認";
        EXPECT_EQ(static_cast<size_t>(c.boxes), questions);
    }
}

namespace {

// The open stage before an open: 20 x 15 with a block at (1, 1), one undo step, modified.
void EditOpenStage(cEditorFixture& editor) {
    ProjectStage().m_UndoCount = 4;
    UndoHistory().Init(ProjectStage().m_UndoCount, ProjectStage().m_Stride, ProjectStage().m_Height);
    editor.Main().PushUndo(eLayerAll);
    cEdBlock block;
    block.m_Graphic = 2;
    ProjectStage().m_Blocks.Put(ProjectStage().CellIndex(1, 1), block);
    StageDoc().m_StageModified = 1;
}

bool HasBlock(int x, int y) { return !ProjectStage().m_Blocks.IsEmpty(ProjectStage().CellIndex(x, y)); }

}  // namespace

TEST(StageFiles, OpenAsksToSaveFirstReadsTheChosenFileAndAFailedOneKeepsTheStage) {
    struct cCase {
        const char* name;
        std::vector<int> answers;  // to the save question
        const char* file;          // the open dialog's answer, "" to cancel, null: not shown
        bool opened;
        const char* told;          // a message besides the save question
    };
    const cCase cases[] = {
        {"cancelled at the question", {IDCANCEL}, nullptr, false, nullptr},
        {"cancelled in the dialog", {IDNO}, "", false, nullptr},
        {"a damaged file", {IDNO}, "data\\stg4\\Bad.stg4_147", false, "の読み込みに失敗しました"},
        {"a missing file", {IDNO}, "data\\stg4\\None.stg4_147", false, "の読み込みに失敗しました"},
        {"a stage without a player", {IDNO}, "data\\stg4\\Other.stg4_147", true, nullptr},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cEditorFixture editor(true);
        CreateDirectoryA("data\\stg4", nullptr);
        {
            cEdStage other;
            other.SetSize(30, 20);
            cEdBlock block;
            block.m_Graphic = 3;
            other.m_Blocks.Put(other.CellIndex(4, 5), block);
            ASSERT_TRUE(other.SaveFile("data\\stg4\\Other.stg4_147"));
            const std::string bytes = editor.Dir().Read("data\\stg4\\Other.stg4_147");
            editor.Dir().Write("data\\stg4\\Bad.stg4_147", bytes.substr(0, bytes.size() / 2));
        }
        EditOpenStage(editor);
        const std::string path = StageDoc().m_StagePath;
        cDialogs dialogs;
        cBoxAnswers boxes;
        for (int answer : c.answers) boxes.Answer(answer);
        if (c.file) dialogs.answers = {c.file};
        editor.Command(ID_ACCEL_OPEN);

        EXPECT_EQ(c.file ? 1u : 0u, dialogs.proposed.size());
        ASSERT_FALSE(boxes.Shown().empty());
        EXPECT_EQ("保存確認", boxes.Shown()[0].caption);
        EXPECT_EQ(c.told ? 2u : 1u, boxes.Shown().size());
        if (c.told && boxes.Shown().size() == 2) {
            EXPECT_NE(std::string::npos, boxes.Shown()[1].text.find(c.told));
        }
        if (c.opened) {
            EXPECT_EQ(c.file, StageDoc().m_StagePath);
            EXPECT_EQ(30, ProjectStage().m_Width);
            EXPECT_TRUE(HasBlock(4, 5));
            EXPECT_FALSE(HasBlock(1, 1));
            EXPECT_EQ(0, StageDoc().m_StageModified);
            EXPECT_EQ(0, UndoHistory().UndoCount());
            char title[MAX_PATH] = "";
            GetWindowTextA(editor.MainWnd(), title, sizeof title);
            EXPECT_NE(std::string::npos, std::string(title).find("Other.stg4_147")) << title;
        } else {
            EXPECT_EQ(path, StageDoc().m_StagePath);
            EXPECT_EQ(20, ProjectStage().m_Width);
            EXPECT_TRUE(HasBlock(1, 1));
            EXPECT_EQ(1, StageDoc().m_StageModified);
            EXPECT_EQ(1, UndoHistory().UndoCount());
        }
    }
}

TEST(StageFiles, ClosingAModifiedStageAsksToSaveItFirst) {
    cEditorFixture editor(true);
    EditOpenStage(editor);
    cBoxAnswers boxes;
    boxes.Answer(IDCANCEL);
    editor.Command(ID_FILE_CLOSE);
    EXPECT_EQ(1, StageDoc().m_StageOpen);
    EXPECT_TRUE(HasBlock(1, 1));
    boxes.Answer(IDNO);
    editor.Command(ID_FILE_CLOSE);
    EXPECT_EQ(0, StageDoc().m_StageOpen);
    EXPECT_FALSE(HasBlock(1, 1));
    EXPECT_EQ(2u, boxes.Shown().size());
}

TEST(StageFiles, StagePaletteFilesAreSavedAndLoadedAndAFailedLoadKeepsThePalette) {
    cEditorFixture editor(true);
    CreateDirectoryA("data\\plt4", nullptr);
    cDialogs dialogs;
    cBoxAnswers boxes;
    cPalette& palette = ProjectStage().m_Palette;
    palette.m_Blocks.resize(3);
    palette.m_Blocks[2].m_Graphic = 7;
    dialogs.answers = {"data\\plt4\\Saved.plt4"};
    editor.Command(ID_STAGE_SAVE_PALETTE);
    ASSERT_TRUE(editor.Dir().Exists("data\\plt4\\Saved.plt4"));
    EXPECT_EQ(std::vector<std::string>{""}, dialogs.proposed);

    // A damaged file changes nothing and says so.
    const std::string bytes = editor.Dir().Read("data\\plt4\\Saved.plt4");
    editor.Dir().Write("data\\plt4\\Bad.plt4", bytes.substr(0, bytes.size() - 8));
    palette.m_Blocks.resize(5);
    StageDoc().m_StageModified = 0;
    dialogs.answers = {"data\\plt4\\Bad.plt4"};
    editor.Command(ID_STAGE_LOAD_PALETTE);
    EXPECT_EQ(5u, ProjectStage().m_Palette.m_Blocks.size());
    EXPECT_EQ(0, StageDoc().m_StageModified);
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_NE(std::string::npos, boxes.Shown()[0].text.find("Bad.plt4 の読み込みに失敗"));

    dialogs.answers = {"data\\plt4\\Saved.plt4"};
    editor.Command(ID_STAGE_LOAD_PALETTE);
    ASSERT_EQ(3u, ProjectStage().m_Palette.m_Blocks.size());
    EXPECT_EQ(7, ProjectStage().m_Palette.m_Blocks[2].m_Graphic);
    EXPECT_EQ(1, StageDoc().m_StageModified);

    // A file that cannot be written is told and the save answers false.
    HANDLE lock = CreateFileA("data\\plt4\\Saved.plt4", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    dialogs.answers = {"data\\plt4\\Saved.plt4"};
    EXPECT_FALSE(SaveStagePalette(editor.MainWnd()));
    CloseHandle(lock);
    ASSERT_EQ(2u, boxes.Shown().size());
    EXPECT_NE(std::string::npos, boxes.Shown()[1].text.find("の保存に失敗しました"));
}
