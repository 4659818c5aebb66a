#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "data/EditConfig.h"
#include "tests/data/Bytes.h"
#include "tests/support/TempDir.h"

namespace {

struct cPlace {
    int32_t valid, x, y, width, height, shown;
};

cBytes& Window(cBytes& b, const cPlace& p) {
    return b.U32(6).I32(p.valid).I32(p.x).I32(p.y).I32(p.width).I32(p.height).I32(p.shown).U32(0);
}

const cPlace kUnplaced = {0, 0, 0, 0, 0, 1};

// The factory configuration, from the file layout.
std::string FactoryFile() {
    cBytes b;
    b.U32(147).U32(13);
    for (int32_t v : {1, 0, 0, 0, 0, 1, 1, 1, 0, 0, 1, 15, 0}) b.I32(v);
    b.U32(4).Str("").Str("data\\stg4\\Default.stg4_***").Str("").Str("bmp\\convert");
    for (int i = 0; i < cEditConfig::kWindows; ++i) Window(b, kUnplaced);
    return b.Get();
}

void ExpectSameConfig(const cEditConfig& a, const cEditConfig& b) {
    EXPECT_TRUE(RecordsEqual(a, b));
    for (int i = 0; i < cEditConfig::kWindows; ++i) EXPECT_TRUE(RecordsEqual(a.m_Windows[i], b.m_Windows[i])) << i;
}

}  // namespace

TEST(EditConfig, FactoryConfigSavesToTheLayout) {
    cTempDir dir;
    cEditConfig config;
    ASSERT_TRUE(config.SaveFile("EditConfig.dat"));
    EXPECT_EQ(FactoryFile(), dir.Read("EditConfig.dat"));
}

TEST(EditConfig, EveryMemberSurvivesSaveAndReload) {
    cTempDir dir;
    cEditConfig config;
    config.m_LastStage = "data\\stg4\\ステージ.stg4_147";
    config.m_TemplateStage = "t";
    config.m_StagePaletteChoice = 2;
    config.m_StagePaletteFile = "data\\plt4\\a.plt4";
    config.m_BlockPage = 1;
    config.m_CharaPage = 5;
    config.m_ItemPage = 2;
    config.m_EditPlacedEvent = 1;
    config.m_EditBeforePlacing = 0;
    config.m_AutoWorldNumbers = 0;
    config.m_UseTransparent = 0;
    config.m_TransparentColor = 255;
    config.m_ReplaceLineColor = 1;
    config.m_LineColorIn = 7;
    config.m_LineColorOut = 12;
    config.m_OutputInPlace = 1;
    config.m_OutputPath = "out";
    for (int i = 0; i < cEditConfig::kWindows; ++i) {
        cWndPos& pos = config.m_Windows[i];
        pos.m_Valid = 1;
        pos.m_X = i;
        pos.m_Y = 2 * i;
        pos.m_Width = 100 + i;
        pos.m_Height = 50 + i;
        pos.m_Shown = i % 2;
    }
    config.m_Windows[3].m_Shown = config.m_Windows[5].m_Shown = config.m_Windows[1].m_Shown;
    config.m_Windows[4].m_Shown = config.m_Windows[6].m_Shown = config.m_Windows[2].m_Shown;
    ASSERT_TRUE(config.SaveFile("EditConfig.dat"));

    cEditConfig loaded;
    ASSERT_TRUE(loaded.LoadFile("EditConfig.dat"));
    ExpectSameConfig(config, loaded);
    ASSERT_TRUE(loaded.SaveFile("again.dat"));
    EXPECT_EQ(dir.Read("EditConfig.dat"), dir.Read("again.dat"));
}

// Older files: members a version lacks keep their defaults, dropped values are skipped, and the
// window placements come only from version 130 on.
TEST(EditConfig, OlderVersionsLoadWithTheirOwnMembers) {
    cTempDir dir;
    const cEditConfig defaults;
    {
        cBytes b;  // 86: no last pages, no line colours; a dropped string first
        b.U32(86).U32(6);
        for (int32_t v : {1, 0, 0, 0, 33, 1}) b.I32(v);
        b.U32(3).Str("dropped").Str("last").Str("out");
        dir.Write("v86.dat", b.Get());
        cEditConfig config;
        ASSERT_TRUE(config.LoadFile("v86.dat"));
        EXPECT_EQ(1, config.m_EditPlacedEvent);
        EXPECT_EQ(0, config.m_EditBeforePlacing);
        EXPECT_EQ(33, config.m_TransparentColor);
        EXPECT_EQ(1, config.m_OutputInPlace);
        EXPECT_EQ("last", config.m_LastStage);
        EXPECT_EQ("out", config.m_OutputPath);
        EXPECT_EQ(1, config.m_LineColorIn);
        EXPECT_EQ(15, config.m_LineColorOut);
        EXPECT_EQ(defaults.m_TemplateStage, config.m_TemplateStage);
    }
    {
        cBytes b;  // 129: last pages and line colours, no new-stage members, no windows
        b.U32(129).U32(12);
        for (int32_t v : {3, 4, 5, 0, 0, 0, 1, 9, 1, 2, 11, 0}) b.I32(v);
        b.U32(2).Str("last").Str("out");
        dir.Write("v129.dat", b.Get());
        cEditConfig config;
        config.m_Windows[8].m_Valid = 1;
        ASSERT_TRUE(config.LoadFile("v129.dat"));
        EXPECT_EQ(3, config.m_BlockPage);
        EXPECT_EQ(5, config.m_ItemPage);
        EXPECT_EQ(2, config.m_LineColorIn);
        EXPECT_EQ(11, config.m_LineColorOut);
        EXPECT_EQ(1, config.m_StagePaletteChoice);
        EXPECT_EQ(1, config.m_Windows[8].m_Valid);  // untouched by the file
        for (int i = 0; i < cEditConfig::kWindows; ++i) EXPECT_EQ(1, config.m_Windows[i].m_Shown) << i;
    }
    {
        cBytes b;  // 130: a dropped string after the palette file; windows without a shown flag
        b.U32(130).U32(13);
        for (int32_t v : {2, 0, 0, 0, 0, 1, 1, 1, 0, 0, 1, 15, 0}) b.I32(v);
        b.U32(5).Str("last").Str("tpl").Str("plt").Str("dropped").Str("out");
        for (int i = 0; i < cEditConfig::kWindows; ++i) b.U32(6).I32(1).I32(i).I32(i).I32(10).I32(10).I32(0).U32(0);
        dir.Write("v130.dat", b.Get());
        cEditConfig config;
        ASSERT_TRUE(config.LoadFile("v130.dat"));
        EXPECT_EQ(2, config.m_StagePaletteChoice);
        EXPECT_EQ("tpl", config.m_TemplateStage);
        EXPECT_EQ("plt", config.m_StagePaletteFile);
        EXPECT_EQ("out", config.m_OutputPath);
        EXPECT_EQ(7, config.m_Windows[7].m_X);
        EXPECT_EQ(0, config.m_Windows[10].m_Shown);
    }
}

TEST(EditConfig, GroupedWindowsFollowTheirLeader) {
    cTempDir dir;
    cBytes b;
    b.Raw(FactoryFile().substr(0, FactoryFile().size() - cEditConfig::kWindows * 32));
    const int32_t shown[cEditConfig::kWindows] = {1, 0, 1, 1, 0, 1, 0, 1, 1, 1, 1};
    for (int i = 0; i < cEditConfig::kWindows; ++i) Window(b, {1, 0, 0, 10, 10, shown[i]});
    dir.Write("EditConfig.dat", b.Get());
    cEditConfig config;
    ASSERT_TRUE(config.LoadFile("EditConfig.dat"));
    const int32_t expected[cEditConfig::kWindows] = {1, 0, 1, 0, 1, 0, 1, 1, 1, 1, 1};
    for (int i = 0; i < cEditConfig::kWindows; ++i) EXPECT_EQ(expected[i], config.m_Windows[i].m_Shown) << i;
}

// A stored placement is moved so the whole window lies on the screen.
TEST(EditConfig, WindowsAreFittedInsideTheScreen) {
    struct {
        cPlace stored, fitted;
    } cases[] = {
        {{1, 10, 20, 300, 200, 1}, {1, 10, 20, 300, 200, 1}},
        {{1, -50, -1, 300, 200, 1}, {1, 0, 0, 300, 200, 1}},
        {{1, 1000, 700, 300, 200, 1}, {1, 724, 568, 300, 200, 1}},
        {{1, 5, 5, 3000, -7, 0}, {1, 0, 5, 1024, 0, 0}},
        {{0, 0, 0, 0, 0, 1}, {0, 0, 0, 0, 0, 1}},
    };
    for (const auto& c : cases) {
        cWndPos pos;
        pos.m_Valid = c.stored.valid;
        pos.m_X = c.stored.x;
        pos.m_Y = c.stored.y;
        pos.m_Width = c.stored.width;
        pos.m_Height = c.stored.height;
        pos.m_Shown = c.stored.shown;
        FitInsideScreen(pos, 1024, 768);
        EXPECT_EQ(c.fitted.x, pos.m_X) << c.stored.x;
        EXPECT_EQ(c.fitted.y, pos.m_Y) << c.stored.y;
        EXPECT_EQ(c.fitted.width, pos.m_Width) << c.stored.width;
        EXPECT_EQ(c.fitted.height, pos.m_Height) << c.stored.height;
        EXPECT_EQ(c.fitted.shown, pos.m_Shown);
    }

    // Loading fits against the screen the program runs on.
    cTempDir dir;
    const int32_t w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    cBytes b;
    b.Raw(FactoryFile().substr(0, FactoryFile().size() - cEditConfig::kWindows * 32));
    Window(b, {1, -50, -50, 100, 80, 1});
    Window(b, {1, w + 500, h, 100, 80, 1});
    for (int i = 2; i < cEditConfig::kWindows; ++i) Window(b, kUnplaced);
    dir.Write("EditConfig.dat", b.Get());
    cEditConfig config;
    ASSERT_TRUE(config.LoadFile("EditConfig.dat"));
    EXPECT_EQ(0, config.m_Windows[0].m_X);
    EXPECT_EQ(0, config.m_Windows[0].m_Y);
    EXPECT_EQ(w - 100, config.m_Windows[1].m_X);
    EXPECT_EQ(h - 80, config.m_Windows[1].m_Y);
}

TEST(EditConfig, CutFilesLeaveTheConfigUnchanged) {
    cTempDir dir;
    const std::string file = FactoryFile();
    cEditConfig config;
    config.m_LastStage = "kept";
    config.m_Windows[10].m_X = 3;
    const cEditConfig before = config;
    for (size_t cut = 0; cut < file.size(); ++cut) {
        dir.Write("cut.dat", file.substr(0, cut));
        EXPECT_FALSE(config.LoadFile("cut.dat")) << cut;
    }
    ExpectSameConfig(before, config);
}
