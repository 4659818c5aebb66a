// Saving the open stage: the overwrite and save-as paths, the older version's file by the
// project option, a write that fails, and the save question when the editor closes; the file
// dialog is answered by a stand-in.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "data/PrjOption.h"
#include "framework/FileDialogs.h"
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
        EXPECT_TRUE(editor.Main().SaveStage(true));
        EXPECT_EQ(std::vector<std::string>{now}, dialogs.proposed);
        EXPECT_TRUE(Exists(now));
        EXPECT_EQ(c.oldThere, Exists(old));
        EXPECT_EQ(c.moved, Exists("data\\stg4\\old_ver\\Stage1.stg4_146"));
        EXPECT_EQ(now, StageDoc().m_StagePath);
        EXPECT_EQ(0, StageDoc().m_StageModified);
        // Now the file carries this version: Ctrl+S writes it without asking.
        dialogs.proposed.clear();
        EXPECT_TRUE(editor.Main().SaveStage(true));
        EXPECT_TRUE(dialogs.proposed.empty());
        ProjectOption() = cPrjOption();
    }
}

TEST(StageFiles, ANeverSavedStageAsksForANameAndAFailedWriteKeepsTheFlags) {
    cEditorFixture editor(true);
    cDialogs dialogs;
    cBoxAnswers boxes;
    StageDoc().m_StagePath.clear();
    StageDoc().m_StageModified = 1;
    dialogs.answers = {""};
    EXPECT_FALSE(editor.Main().SaveStage(true));
    EXPECT_EQ(std::vector<std::string>{""}, dialogs.proposed);
    // A target that cannot be written: the old file stays, the flag too, and it is said.
    CreateDirectoryA("data\\stg4", nullptr);
    const std::string target = "data\\stg4\\Locked.stg4_147";
    Touch(target);
    HANDLE lock = CreateFileA(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    dialogs.answers = {target};
    EXPECT_FALSE(editor.Main().SaveStage(false));
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
        EXPECT_EQ(c.allowed, editor.Main().AskSave());
        size_t questions = 0;
        for (const cShownBox& box : boxes.Shown()) questions += box.caption == "保存確認";
        EXPECT_EQ(static_cast<size_t>(c.boxes), questions);
    }
}
