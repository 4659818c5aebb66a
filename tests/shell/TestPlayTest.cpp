// Test play from the main window with a stand-in game program: finding the program, what is
// saved and started, the game's notices, the refusals and a game that ends without its notice.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>

#include "data/Paths.h"
#include "editor/shell/TestPlay.h"
#include "framework/ErrorLog.h"
#include "tests/shell/EditorFixture.h"
#include "tests/support/BoxAnswers.h"

namespace {

const char kStandIn[] = "play.exe";
const char kArgsFile[] = "standin_args.txt";
const char kLog[] = "EC_Editor.txt";

// The stand-in's behaviour (standin/StandInGame.cpp) for this scope; its environment comes from
// this process.
class cStandInMode {
public:
    explicit cStandInMode(const char* mode) { SetEnvironmentVariableA("KIT_STANDIN_MODE", mode); }
    ~cStandInMode() { SetEnvironmentVariableA("KIT_STANDIN_MODE", nullptr); }
};

// The editor's log written to the test folder for this scope.
class cEditorLog {
public:
    cEditorLog() { SetErrorLog(1, kLog); }
    ~cEditorLog() { SetErrorLog(0, ""); }
};

// The project options' game program setting, put back afterwards.
class cGameSetting {
public:
    cGameSetting(int automatic, const char* path)
        : m_auto(ProjectOption().m_AutoGamePath), m_path(ProjectOption().m_GamePath) {
        ProjectOption().m_AutoGamePath = automatic;
        ProjectOption().m_GamePath = path;
    }
    ~cGameSetting() {
        ProjectOption().m_AutoGamePath = m_auto;
        ProjectOption().m_GamePath = m_path;
    }

private:
    int32_t m_auto;
    std::string m_path;
};

bool CopyBuilt(const char* built, const char* to) { return CopyFileA(BuildPath(built).c_str(), to, FALSE) != 0; }

// Pumps the editor's messages until the condition holds; false after the timeout.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 15000) {
    for (DWORD waited = 0; waited < timeoutMs; waited += 10) {
        PumpEditor();
        if (done()) return true;
        Sleep(10);
    }
    return false;
}

// A test-play folder: data\stg4 for the stage, the stand-in under its name and, beside it, a
// program that is not the game. The stage's undo history is set up as the editor has it.
void SetUpFolder() {
    cEdStage& stage = ProjectStage();
    UndoHistory().Init(stage.m_UndoCount, stage.m_Stride, stage.m_Height);
    CreateDirectoryA("data\\stg4", nullptr);
    ASSERT_TRUE(CopyBuilt("tests\\standin_game.exe", kStandIn));
    ASSERT_TRUE(CopyBuilt("editor.exe", "aaa.exe"));
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

TEST(TestPlay, TheGameProgramIsFoundByTheOptionsPathOrByItsString) {
    cTempDir dir;
    CreateDirectoryA("sub", nullptr);
    ASSERT_TRUE(CopyBuilt("editor.exe", "aaa.exe"));
    struct cCase {
        const char* name;
        int automatic;
        const char* path;
        bool withGame;
        const char* found;
    };
    const cCase cases[] = {
        {"only other programs", 1, "", false, ""},
        {"the marked program", 1, "", true, kStandIn},
        {"the options' path, not marked", 0, "aaa.exe", true, "aaa.exe"},
        {"the options' path missing", 0, "sub\\none.exe", true, ""},
        {"the options' path a folder", 0, "sub", true, ""},
    };
    for (const cCase& c : cases) {
        if (c.withGame)
            ASSERT_TRUE(CopyBuilt("tests\\standin_game.exe", kStandIn));
        else
            DeleteFileA(kStandIn);
        cGameSetting setting(c.automatic, c.path);
        char name[MAX_PATH] = "x";
        EXPECT_EQ(c.found[0] != 0, FindGameProgram(name)) << c.name;
        EXPECT_EQ(std::string(c.found), name) << c.name;
    }
}

TEST(TestPlay, TheStageIsSavedTheGameStartsOnItAndItsNoticesEndTheTestPlay) {
    cEditorFixture f(true, 40, 20, 1, 1);
    SetUpFolder();
    cStandInMode mode("end");
    cEditorLog log;
    cBoxAnswers boxes;
    StageDoc().m_StageModified = 1;
    StageDoc().m_CommonModified = 1;
    ASSERT_GT(UndoHistory().CellsPerStep(), 0u);

    SendMessageA(f.MainWnd(), WM_COMMAND, ID_ACCEL_PLAY_STAGE, 0);
    EXPECT_EQ(1, AppState().testPlaying);
    EXPECT_EQ(0, AppState().active) << "the editor runs no idle passes meanwhile";
    EXPECT_EQ(0u, UndoHistory().CellsPerStep()) << "the undo memory is freed for the game";
    EXPECT_EQ(0, StageDoc().m_StageModified);
    EXPECT_EQ(0, StageDoc().m_CommonModified);
    EXPECT_TRUE(f.Dir().Exists("data\\stg4\\A.stg4_147"));
    EXPECT_TRUE(f.Dir().Exists(g_PathTable[ePathCommonPalette]));

    ASSERT_TRUE(PumpUntil([] { return AppState().testPlaying == 0; })) << "the end notice was not taken";
    EXPECT_EQ(StageDoc().m_StagePath + "|5", f.Dir().Read(kArgsFile)) << "the path as it is";
    EXPECT_EQ(64u * 20, UndoHistory().CellsPerStep()) << "undo is set up again";
    const std::string written = f.Dir().Read(kLog);
    EXPECT_TRUE(Contains(written, "ゲームプログラムからの通知 1 (1)")) << written;
    EXPECT_TRUE(Contains(written, "ゲームプログラムからの通知 0 (1)")) << written;
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST(TestPlay, TheWholeGameWithoutAStageStartsWithoutArgumentsAndSavesNothing) {
    cEditorFixture f(false);
    SetUpFolder();
    cStandInMode mode("end");
    cBoxAnswers boxes;
    // Without a stage, Ctrl+T does nothing at all.
    f.Command(ID_ACCEL_PLAY_STAGE);
    EXPECT_EQ(0, AppState().testPlaying);
    f.Command(ID_ACCEL_PLAY_GAME);
    ASSERT_TRUE(PumpUntil([] { return AppState().testPlaying == 0; }));
    EXPECT_EQ("|5", f.Dir().Read(kArgsFile));
    EXPECT_FALSE(f.Dir().Exists(g_PathTable[ePathCommonPalette]));
    EXPECT_TRUE(boxes.Shown().empty());
}

TEST(TestPlay, RefusalsShowTheirMessageAndStartNothing) {
    struct cCase {
        const char* name;
        bool stageOpen;
        bool saved;        // the stage has a path
        bool withGame;     // the marked program lies in the folder
        const char* game;  // the options' path, or null for the automatic search
        int command;
        const char* text;
        bool undoBack;     // the undo history is set up at the end
    };
    const cCase cases[] = {
        {"no game program", true, true, false, nullptr, ID_PLAY_STAGE, "ゲームプログラムが見つかりません！", true},
        {"a stage never saved", true, false, true, nullptr, ID_PLAY_STAGE_BUTTON,
         "ステージファイルのパスが無効です！\n1度はステージを保存しないと、テストプレイは実行できません！", true},
        {"a program that cannot start", true, true, true, "bad.exe", ID_PLAY_STAGE, "ゲームプログラムが呼び出せません！",
         true},
    };
    for (const cCase& c : cases) {
        cEditorFixture f(true, 40, 20, 1, 1);
        SetUpFolder();
        if (!c.withGame) DeleteFileA(kStandIn);
        f.Dir().Write("bad.exe", std::string("not a program"));
        if (!c.saved) StageDoc().m_StagePath.clear();
        cGameSetting setting(c.game ? 0 : 1, c.game ? c.game : "");
        cStandInMode mode("end");
        cBoxAnswers boxes;
        f.Command(c.command);
        Sleep(300);
        PumpEditor();
        ASSERT_EQ(1u, boxes.Shown().size()) << c.name;
        EXPECT_EQ(c.text, boxes.Shown()[0].text) << c.name;
        EXPECT_EQ(0, AppState().testPlaying) << c.name;
        EXPECT_FALSE(f.Dir().Exists(kArgsFile)) << c.name;
        EXPECT_EQ(c.undoBack ? 64u * 20 : 0u, UndoHistory().CellsPerStep()) << c.name;
    }
}

TEST(TestPlay, AFailedSaveStopsTheTestPlayAndKeepsTheModifiedFlags) {
    cEditorFixture f(true, 40, 20, 1, 1);
    SetUpFolder();
    StageDoc().m_StagePath = f.Dir().Path() + "\\missing\\A.stg4_147";
    StageDoc().m_StageModified = 1;
    StageDoc().m_CommonModified = 1;
    cStandInMode mode("end");
    cBoxAnswers boxes;
    f.Command(ID_PLAY_STAGE);
    ASSERT_EQ(2u, boxes.Shown().size());
    EXPECT_TRUE(Contains(boxes.Shown()[0].text, "の保存に失敗しました！")) << boxes.Shown()[0].text;
    EXPECT_EQ("ステージファイルのパスが無効です！\n1度ステージを保存する必要があります！", boxes.Shown()[1].text);
    EXPECT_EQ(1, StageDoc().m_StageModified);
    EXPECT_EQ(1, StageDoc().m_CommonModified);
    EXPECT_EQ(0, AppState().testPlaying);
    EXPECT_EQ(64u * 20, UndoHistory().CellsPerStep()) << "the history was left alone";
    Sleep(300);
    EXPECT_FALSE(f.Dir().Exists(kArgsFile));
}

TEST(TestPlay, ASecondStartIsRefusedAndAKilledGameEndsTheTestPlay) {
    cEditorFixture f(true, 40, 20, 1, 1);
    SetUpFolder();
    cStandInMode mode("wait");
    cBoxAnswers boxes;
    f.Command(ID_PLAY_STAGE);
    ASSERT_TRUE(PumpUntil([&] { return f.Dir().Exists(kArgsFile); }));
    EXPECT_EQ(1, AppState().testPlaying);

    f.Command(ID_ACCEL_PLAY_STAGE);
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("二重起動はできません！", boxes.Shown()[0].text);

    // A notice of the wrong size is no end notice.
    const int16_t shortValue = 1;
    COPYDATASTRUCT shortNotice = {kGameClosed, sizeof shortValue, const_cast<int16_t*>(&shortValue)};
    SendMessageA(f.FrameWndHandle(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&shortNotice));
    EXPECT_EQ(1, AppState().testPlaying);

    DWORD pid = static_cast<DWORD>(std::stoul(f.Dir().Read("standin_pid.txt")));
    HANDLE game = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
    ASSERT_NE(nullptr, game);
    TerminateProcess(game, 9);
    WaitForSingleObject(game, 5000);
    CloseHandle(game);
    ASSERT_TRUE(PumpUntil([] { return AppState().testPlaying == 0; })) << "the game's end was not seen";
    EXPECT_EQ(64u * 20, UndoHistory().CellsPerStep());
}

// Only the end notice, holding 1, of a test play that runs ends it: anything else keeps the
// test play and the undo steps as they are.
TEST(TestPlay, OnlyAnEndNoticeOfARunningTestPlayEndsIt) {
    struct cCase {
        const char* name;
        int32_t playing;
        ULONG_PTR kind;
        int32_t value;
        bool ends;
    };
    const cCase cases[] = {
        {"the end of a test play", 1, kGameClosed, 1, true},
        {"an end notice outside a test play", 0, kGameClosed, 1, false},
        {"an end notice holding 0", 1, kGameClosed, 0, false},
        {"the start notice", 1, kGameStarted, 1, false},
    };
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cEditorFixture f(true, 40, 20, 1, 1);
        SetUpFolder();
        UndoHistory().Push(eLayerAll, ProjectStage());
        AppState().testPlaying = c.playing;
        COPYDATASTRUCT notice = {c.kind, sizeof c.value, const_cast<int32_t*>(&c.value)};
        SendMessageA(f.FrameWndHandle(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&notice));
        EXPECT_EQ(c.ends ? 0 : c.playing, AppState().testPlaying);
        EXPECT_EQ(c.ends ? 0 : 1, UndoHistory().UndoCount());
    }
}

TEST(TestPlay, AGameThatEndsWithoutItsNoticeEndsTheTestPlay) {
    cEditorFixture f(true, 40, 20, 1, 1);
    SetUpFolder();
    cStandInMode mode("silent");
    cBoxAnswers boxes;
    f.Command(ID_PLAY_STAGE);
    ASSERT_TRUE(PumpUntil([] { return AppState().testPlaying == 0; }));
    EXPECT_EQ(64u * 20, UndoHistory().CellsPerStep());
    // And the next test play starts.
    DeleteFileA(kArgsFile);
    f.Command(ID_PLAY_STAGE);
    EXPECT_TRUE(PumpUntil([&] { return AppState().testPlaying == 0 && f.Dir().Exists(kArgsFile); }));
    EXPECT_TRUE(boxes.Shown().empty());
}
