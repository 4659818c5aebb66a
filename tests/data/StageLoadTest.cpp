#include <gtest/gtest.h>
#include <windows.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "data/PaletteSource.h"
#include "data/Stage.h"
#include "framework/ErrorLog.h"
#include "tests/data/StageBytes.h"
#include "tests/support/BoxAnswers.h"
#include "tests/support/CloseCounter.h"
#include "tests/support/RestoreOnExit.h"
#include "tests/support/TempDir.h"

namespace {

// A stage of the given name with a hero at (1, 1), or without one.
void WriteStage(const char* path, const std::string& name, bool hero = true) {
    cEdStage stage;
    stage.m_Name = name;
    cEdChara chara;
    chara.m_Graphic = 1;
    chara.m_Control = hero ? 0 : 1;
    stage.PutCharaAt(1, 1, chara);
    ASSERT_TRUE(stage.SaveFile(path));
}

// The process's private bytes.
size_t PrivateBytes() {
    typedef BOOL(WINAPI * cMemoryInfo)(HANDLE, PROCESS_MEMORY_COUNTERS*, DWORD);
    auto get = reinterpret_cast<cMemoryInfo>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "K32GetProcessMemoryInfo"));
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    return get && get(GetCurrentProcess(), &counters, sizeof counters) ? counters.PagefileUsage : 0;
}

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

std::string Saved(cEdStage& stage, const cTempDir& dir) {
    EXPECT_TRUE(stage.SaveFile("check.stg4_147"));
    return dir.Read("check.stg4_147");
}

}  // namespace

TEST(StageLoad, TheNewestNumberedCopyIsOpened) {
    cTempDir dir;
    WriteStage("A.stg4_003", "古い");
    WriteStage("A.stg4_010", "新しい");
    WriteStage("A.stg4_1000", "番号外");
    cEdStage stage;
    ASSERT_TRUE(stage.LoadStageFile("A.stg4_003", true));
    EXPECT_EQ("新しい", stage.m_Name);
    EXPECT_EQ("A.stg4_010", stage.m_FilePath);
    EXPECT_EQ(1, stage.m_Newest);
    ASSERT_TRUE(stage.LoadStageFile("A.stg4_003", false));
    EXPECT_EQ("古い", stage.m_Name);
    EXPECT_EQ("A.stg4_003", stage.m_FilePath);
    EXPECT_EQ(0, stage.m_Newest);
    // No numbered copy at all: false, and no message.
    EXPECT_FALSE(stage.LoadStageFile("B.stg4_147", true));
    EXPECT_EQ("古い", stage.m_Name);
    EXPECT_EQ("stg4_147", StageFileExt());
}

TEST(StageLoad, AFileThatCannotBeReadIsReportedAndTheStageKept) {
    cTempDir dir;
    WriteStage("good.stg4_147", "良い");
    const std::string good = dir.Read("good.stg4_147");
    dir.Write("cut.stg4_147", good.substr(0, good.size() / 2));
    cEdStage stage;
    ASSERT_TRUE(stage.LoadStageFile("good.stg4_147", false));
    const std::string before = Saved(stage, dir);

    for (const char* path : {"cut.stg4_147", "missing.stg4_147"}) {
        SCOPED_TRACE(path);
        cBoxAnswers boxes;
        EXPECT_FALSE(stage.LoadStageFile(path, false));
        ASSERT_EQ(1u, boxes.Shown().size());
        EXPECT_EQ(std::string("ステージファイル ") + path + " の読み込みに失敗しました！", boxes.Shown()[0].text);
        EXPECT_TRUE(before == Saved(stage, dir));
        EXPECT_EQ("good.stg4_147", stage.m_FilePath);
    }
}

TEST(StageLoad, AStageWithoutAHeroIsRefusedAndTheProgramGoesOn) {
    cTempDir dir;
    cCloseCounter mainWindow;
    SetMainWindow(mainWindow.Wnd());
    WriteStage("hero.stg4_147", "主人公あり");
    WriteStage("none.stg4_147", "主人公なし", false);
    cEdStage stage;
    ASSERT_TRUE(stage.LoadStageFile("hero.stg4_147", false));
    const std::string before = Saved(stage, dir);

    cBoxAnswers boxes;
    EXPECT_FALSE(stage.LoadStageFile("none.stg4_147", false));
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("主人公が配置されていないのでプレイできません！", boxes.Shown()[0].text);
    EXPECT_TRUE(before == Saved(stage, dir));
    EXPECT_TRUE(IsWindow(mainWindow.Wnd()));
    EXPECT_EQ(0, mainWindow.Closes());
    SetMainWindow(nullptr);
}

TEST(StageLoad, AQuitThatArrivesDuringTheLoadIsPostedAgain) {
    cTempDir dir;
    WriteStage("s.stg4_147", "ステージ");
    PostQuitMessage(7);
    cEdStage stage;
    ASSERT_TRUE(stage.LoadStageFile("s.stg4_147", false));
    EXPECT_EQ("ステージ", stage.m_Name);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(static_cast<UINT>(WM_QUIT), msg.message);
    EXPECT_EQ(7u, msg.wParam);
}

// The largest stage with every block cell filled: what it costs in memory and time. The figures
// go to the test's output.
TEST(StageLoad, TheLargestFullStageSavesAndLoads) {
    cTempDir dir;
    const size_t start = PrivateBytes();
    cEdStage stage;
    ASSERT_TRUE(stage.SetSize(cEdStage::kMaxSize, cEdStage::kMaxSize));
    const size_t empty = PrivateBytes();
    cEdBlock block;
    for (int32_t row = 0; row < stage.m_Height; ++row)
        for (int32_t column = 0; column < stage.m_Width; ++column) {
            block.m_Graphic = static_cast<uint16_t>(1 + (row + column) % 100);
            stage.m_Blocks.Put(stage.CellIndex(column, row), block);
        }
    cEdChara hero;
    hero.m_Graphic = 1;
    hero.m_Control = 0;
    stage.PutCharaAt(511, 511, hero);
    const size_t cells = stage.m_Blocks.size();
    ASSERT_EQ(512u * 512u, cells);
    const size_t full = PrivateBytes();

    auto clock = std::chrono::steady_clock::now();
    ASSERT_TRUE(stage.SaveFile("big.stg4_147"));
    const double saveTime = Seconds(clock);
    const size_t fileSize = dir.Read("big.stg4_147").size();

    cEdStage loaded;
    clock = std::chrono::steady_clock::now();
    ASSERT_TRUE(loaded.LoadStageFile("big.stg4_147", false));
    const double loadTime = Seconds(clock);
    EXPECT_EQ(cells, loaded.m_Blocks.size());
    EXPECT_EQ(51, loaded.m_Blocks.At(loaded.CellIndex(500, 50)).m_Graphic);
    EXPECT_EQ(511, loaded.FindHero().x);

    printf("512 x 512 stage: empty %zu KB; %zu blocks %zu KB (%zu bytes a cell); file %zu KB; save %.2f s; "
           "threaded load %.2f s\n",
           (empty - start) / 1024, cells, (full - empty) / 1024, (full - empty) / cells, fileSize / 1024, saveTime,
           loadTime);
}

// The project's open stage is source 2 for good; while a file loads, its cells resolve against
// the palette in the file, not against the open stage's.
TEST(StageLoad, TheOpenStageResolvesCellsAgainstThePaletteBeingRead) {
    cTempDir dir;
    cEdStage written;
    written.m_Palette.m_Blocks[1].m_Graphic = 9;
    cEdBlock heir;
    heir.m_Graphic = 3;
    heir.m_InheritSrc = eSourceStage;
    heir.m_InheritIndex = 1;
    heir.m_bbInherit[2] = 1;  // the graphic
    written.m_Blocks.Put(written.CellIndex(4, 4), heir);
    cEdChara hero;
    hero.m_Graphic = 1;
    hero.m_Control = 0;
    written.PutCharaAt(0, 0, hero);
    ASSERT_TRUE(written.SaveFile("s.stg4_147"));

    cRestoreOnExit<cEdStage> keepStage(ProjectStage());
    cEdStage& open = ProjectStage();
    EXPECT_EQ(&open.m_Palette, GetPaletteSource(eSourceStage));
    open.m_Palette.m_Blocks[1].m_Graphic = 5;
    ASSERT_TRUE(open.LoadStageFile("s.stg4_147", false));
    EXPECT_EQ(9, open.m_Blocks.At(open.CellIndex(4, 4)).m_Graphic);
    EXPECT_EQ(9, open.m_Palette.m_Blocks[1].m_Graphic);
    EXPECT_EQ(&open.m_Palette, GetPaletteSource(eSourceStage));
}
