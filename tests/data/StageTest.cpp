#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/CommonPalette.h"
#include "data/PaletteSource.h"
#include "data/Stage.h"
#include "tests/data/StageBytes.h"
#include "tests/support/TempDir.h"

namespace {

struct cCell {
    uint32_t index;
    int16_t column, row;
    int graphic;
};

// The placed stage: 33 x 16 cells (row stride 64), two blocks, a hero and two enemies, four
// items, one under each chara and one alone. Only the enemy at (5, 2) holds its item (the third
// stored item): the hero never holds one, and the enemy at (6, 2) does not take items. Blocks
// are given so that the corrupt variants can change them.
const std::vector<cCell> kBlocks = {{0, 0, 0, 3}, {(15 << 6) + 32, 32, 15, 5}};

// The game's form (asPlaced) writes 0 where the editor writes each cell's index.
std::string PlacedStageFile(const std::vector<cCell>& blocks = kBlocks, bool asPlaced = false) {
    auto at = [asPlaced](uint32_t index) { return asPlaced ? 0 : index; };
    cBytes b;
    b.U32(147);
    StageRecordBytes(b, 33, 16, "テスト");
    StageRulesBytes(b);
    DefaultStagePaletteBytes(b);
    b.U32(static_cast<uint32_t>(blocks.size()));
    for (const cCell& c : blocks) ElementBytes(b.U32(at(c.index)), BlockLayout(), {{4, c.graphic}}, CellRaw(c.column, c.row));
    b.U32(3);
    ElementBytes(b.U32(at(66)), CharaLayout(), {{12, 1}, {23, 0}}, CharaRaw(2, 1, -1));
    ElementBytes(b.U32(at(133)), CharaLayout(), {{12, 2}}, CharaRaw(5, 2, 2));
    ElementBytes(b.U32(at(134)), CharaLayout(), {{12, 2}, {42, 0}}, CharaRaw(6, 2, -1));
    b.U32(4);
    ElementBytes(b.U32(at(1)), ItemLayout(), {{6, 4}}, CellRaw(1, 0));
    ElementBytes(b.U32(at(66)), ItemLayout(), {{6, 5}}, CellRaw(2, 1));
    ElementBytes(b.U32(at(133)), ItemLayout(), {{6, 6}}, CellRaw(5, 2));
    ElementBytes(b.U32(at(134)), ItemLayout(), {{6, 7}}, CellRaw(6, 2));
    b.U32(2);
    BackLayerBytes(b, 1, 1, 16, 0, 0.1, 0.1, "");
    BackLayerBytes(b, 0, 0, 20, 1, 0.5, -1.25, "sky.bmp");
    VarNamesBytes(b, 255, "倍率");
    return b.Get();
}

template <class T>
T Element(int graphic) {
    T element;
    element.m_Graphic = static_cast<uint16_t>(graphic);
    return element;
}

cEdChara Hero(int graphic = 1) {
    cEdChara hero = Element<cEdChara>(graphic);
    hero.m_Control = 0;
    return hero;
}

// The placed stage, built through the stage's own operations.
void BuildPlacedStage(cEdStage& stage) {
    ASSERT_TRUE(stage.SetSize(33, 16));
    stage.m_Name = "テスト";
    stage.m_Blocks.Put(stage.CellIndex(32, 15), Element<cEdBlock>(5));
    stage.m_Blocks.Put(0, Element<cEdBlock>(3));
    cEdChara noTaker = Element<cEdChara>(2);
    noTaker.m_CarryItem = 0;
    stage.PutCharaAt(6, 2, noTaker);
    stage.PutCharaAt(2, 1, Hero());
    stage.PutCharaAt(5, 2, Element<cEdChara>(2));
    stage.m_Items.Put(stage.CellIndex(6, 2), Element<cEdItem>(7));
    stage.m_Items.Put(stage.CellIndex(5, 2), Element<cEdItem>(6));
    stage.m_Items.Put(stage.CellIndex(2, 1), Element<cEdItem>(5));
    stage.m_Items.Put(stage.CellIndex(1, 0), Element<cEdItem>(4));
    cBackLayer sky;
    sky.m_ShowAtStart = 0;
    sky.m_Color = 20;
    sky.m_Front = 1;
    sky.m_SpeedX = 0.5;
    sky.m_SpeedY = -1.25;
    sky.m_Picture = "sky.bmp";
    stage.m_BackLayers.push_back(sky);
    stage.m_VarNames[0].m_Name = "倍率";
}

// Where two files first differ, instead of both files in full.
::testing::AssertionResult SameBytes(const std::string& expected, const std::string& actual) {
    if (expected == actual) return ::testing::AssertionSuccess();
    size_t at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) ++at;
    return ::testing::AssertionFailure() << "sizes " << expected.size() << " and " << actual.size()
                                         << ", first difference at byte " << at;
}

std::string SavedStage(cEdStage& stage, const cTempDir& dir) {
    EXPECT_TRUE(stage.SaveFile("saved.stg4_147"));
    return dir.Read("saved.stg4_147");
}

}  // namespace

TEST(Stage, NewStageWritesTheDefaultsAndThreeEmptyLayers) {
    cTempDir dir;
    cEdStage stage;
    EXPECT_TRUE(SameBytes(EmptyStageFile(20, 15), SavedStage(stage, dir)));
}

TEST(Stage, PlacedStageMatchesTheLayoutAndReloadsByteForByte) {
    cTempDir dir;
    cEdStage stage;
    BuildPlacedStage(stage);
    const std::string file = PlacedStageFile();
    EXPECT_TRUE(SameBytes(file, SavedStage(stage, dir)));

    dir.Write("in.stg4_147", file);
    cEdStage loaded;
    ASSERT_TRUE(loaded.LoadFile("in.stg4_147"));
    EXPECT_EQ(33, loaded.m_Width);
    EXPECT_EQ(64, loaded.m_Stride);
    EXPECT_EQ(5u, loaded.m_Blocks.At(loaded.CellIndex(32, 15)).m_Graphic);
    EXPECT_EQ(2, loaded.FindHero().x);
    EXPECT_EQ(1, loaded.FindHero().y);
    EXPECT_EQ(0, loaded.FindPlayer());
    EXPECT_EQ(2, loaded.m_Charas.At(loaded.CellIndex(5, 2)).m_Extra3);
    ASSERT_EQ(2u, loaded.m_BackLayers.size());
    EXPECT_EQ("sky.bmp", loaded.m_BackLayers[1].m_Picture);
    EXPECT_TRUE(SameBytes(file, SavedStage(loaded, dir)));
}

// The game writes a stage (into its replay files) as it holds it, each cell's index 0; read
// back, it is the same stage.
TEST(Stage, TheGameFormWritesEachCellWithoutItsIndexAndReadsBackTheSame) {
    cTempDir dir;
    const std::string file = PlacedStageFile();
    dir.Write("in.stg4_147", file);
    cEdStage stage;
    ASSERT_TRUE(stage.LoadFile("in.stg4_147"));
    auto asPlaced = [&dir](cEdStage& from) {
        cDataWriter out;
        EXPECT_TRUE(OpenDataFileWrite(out, "placed.stg4_147"));
        from.SaveAsPlaced(out);
        EXPECT_TRUE(CloseDataFile(out));
        return dir.Read("placed.stg4_147");
    };
    const std::string placed = PlacedStageFile(kBlocks, true);
    EXPECT_TRUE(SameBytes(placed, asPlaced(stage)));

    cEdStage loaded;
    ASSERT_TRUE(loaded.LoadFile("placed.stg4_147"));
    EXPECT_EQ(5u, loaded.m_Blocks.At(loaded.CellIndex(32, 15)).m_Graphic);
    EXPECT_EQ(2, loaded.m_Charas.At(loaded.CellIndex(5, 2)).m_Extra3);
    EXPECT_TRUE(SameBytes(placed, asPlaced(loaded)));
    EXPECT_TRUE(SameBytes(file, SavedStage(loaded, dir)));
}

TEST(Stage, RowStrideIsThePowerOfTwoAtOrAboveTheWidth) {
    const struct {
        int32_t width, stride, shift;
    } cases[] = {{1, 1, 0}, {2, 2, 1}, {20, 32, 5}, {32, 32, 5}, {33, 64, 6}, {512, 512, 9}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        cEdStage stage;
        ASSERT_TRUE(stage.SetSize(c.width, 15));
        EXPECT_EQ(c.stride, stage.m_Stride);
        EXPECT_EQ(c.shift, stage.m_Shift);
        EXPECT_EQ(c.width * 32, stage.m_PixelWidth);
        EXPECT_EQ(static_cast<uint32_t>(c.stride) + c.width - 1, stage.CellIndex(c.width - 1, 1));
    }
    cEdStage stage;
    EXPECT_EQ(19u, stage.CellIndex(19, 0));
    EXPECT_EQ(32u, stage.CellIndex(0, 1));
}

TEST(Stage, SetSizeKeepsTheCellsInsideAndBringsTheHeroToTheCorner) {
    cEdStage stage;
    ASSERT_TRUE(stage.SetSize(30, 20));
    stage.m_Limit[eLimitRight] = 29;
    stage.m_Limit[eLimitBottom] = 19;
    stage.m_Blocks.Put(stage.CellIndex(2, 2), Element<cEdBlock>(3));
    stage.m_Blocks.Put(stage.CellIndex(25, 5), Element<cEdBlock>(4));
    stage.m_Blocks.Put(stage.CellIndex(3, 18), Element<cEdBlock>(5));
    stage.m_Items.Put(stage.CellIndex(19, 14), Element<cEdItem>(6));
    stage.m_Items.Put(stage.CellIndex(29, 19), Element<cEdItem>(7));
    stage.PutCharaAt(28, 10, Hero(9));

    ASSERT_TRUE(stage.SetSize(20, 15));
    ASSERT_EQ(1u, stage.m_Blocks.size());
    const cEdBlock& kept = stage.m_Blocks.At(stage.CellIndex(2, 2));
    EXPECT_EQ(3, kept.m_Graphic);
    EXPECT_EQ(2, kept.m_Extra1);
    EXPECT_EQ(2, kept.m_Extra2);
    ASSERT_EQ(1u, stage.m_Items.size());
    EXPECT_EQ(6, stage.m_Items.At(stage.CellIndex(19, 14)).m_Graphic);
    ASSERT_EQ(1u, stage.m_Charas.size());
    EXPECT_EQ(0, stage.FindHero().x);
    EXPECT_EQ(0, stage.FindHero().y);
    EXPECT_EQ(9, stage.m_Charas.At(0).m_Graphic);
    EXPECT_EQ(19, stage.m_Limit[eLimitRight]);
    EXPECT_EQ(14, stage.m_Limit[eLimitBottom]);
    EXPECT_EQ(640, stage.m_PixelWidth);
    EXPECT_EQ(480, stage.m_PixelHeight);

    // Growing keeps everything where it is.
    ASSERT_TRUE(stage.SetSize(40, 30));
    EXPECT_EQ(3, stage.m_Blocks.At(stage.CellIndex(2, 2)).m_Graphic);
    EXPECT_EQ(6, stage.m_Items.At(stage.CellIndex(19, 14)).m_Graphic);
    EXPECT_TRUE(stage.HasHero());

    // Sizes off the stage's range change nothing; 0 tells the error log's box, which is off.
    for (auto size : {std::make_pair(0, 15), std::make_pair(20, 0), std::make_pair(-3, 15), std::make_pair(513, 15),
                      std::make_pair(20, 513)}) {
        EXPECT_FALSE(stage.SetSize(size.first, size.second));
        EXPECT_EQ(40, stage.m_Width);
        EXPECT_EQ(30, stage.m_Height);
        EXPECT_EQ(64, stage.m_Stride);
    }
}

TEST(Stage, PlacingCharasKeepsExactlyOneHero) {
    cEdStage stage;
    stage.m_Palette.m_Charas[0] = Element<cEdChara>(7);
    stage.PutCharaAt(0, 0, Element<cEdChara>(2));
    stage.PutCharaAt(3, 3, Hero());
    ASSERT_EQ(3, stage.FindHero().x);

    // An enemy put on the hero sends the hero to the first free cell, row by row.
    stage.PutCharaAt(3, 3, Element<cEdChara>(4));
    EXPECT_EQ(1, stage.FindHero().x);
    EXPECT_EQ(0, stage.FindHero().y);
    EXPECT_EQ(4, stage.m_Charas.At(stage.CellIndex(3, 3)).m_Graphic);
    EXPECT_EQ(2, stage.m_Charas.At(0).m_Graphic);

    // A second hero: the first one's cell takes the stage palette's chara 0.
    cEdChara second = Hero(5);
    second.m_bbInherit[1] = 1;
    stage.PutCharaAt(8, 4, second);
    EXPECT_EQ(8, stage.FindHero().x);
    EXPECT_EQ(7, stage.m_Charas.At(stage.CellIndex(1, 0)).m_Graphic);
    EXPECT_EQ(0, stage.m_Charas.At(stage.CellIndex(8, 4)).m_bbInherit[1]);
    int heroes = 0;
    for (const auto& cell : stage.m_Charas) heroes += cell.second.m_Control == 0;
    EXPECT_EQ(1, heroes);

    // A hero put on the hero simply replaces it.
    stage.PutCharaAt(8, 4, Hero(6));
    EXPECT_EQ(6, stage.m_Charas.At(stage.CellIndex(8, 4)).m_Graphic);
    EXPECT_EQ(4u, stage.m_Charas.size());  // with the palette chara left where the first hero stood
}

TEST(Stage, HitLevelGivesTheEffectiveLevelAndTheSpeedLimit) {
    const struct {
        int32_t level, stored, effective;
        double maxSpeed;
    } cases[] = {{10, 10, 10, 60.0}, {11, 11, 1, 60.0}, {3, 3, 3, 18.0}, {19, 19, 9, 60.0}, {1, 1, 1, 6.0},
                 // Outside 1..19 the level is brought inside: level 0 divided by zero.
                 {0, 1, 1, 6.0}, {-4, 1, 1, 6.0}, {25, 19, 9, 60.0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.level);
        cEdStage stage;
        stage.SetSpeedLevel(c.level);
        EXPECT_EQ(c.stored, stage.m_HitLevel);
        EXPECT_EQ(c.effective, stage.m_Level);
        EXPECT_DOUBLE_EQ(c.maxSpeed, stage.m_MaxSpeed);
        EXPECT_DOUBLE_EQ(c.maxSpeed / c.effective, stage.m_MaxSpeedPerLevel);
        EXPECT_DOUBLE_EQ(0.4 / (c.effective * c.effective), stage.m_GravityPerLevel2);
        EXPECT_EQ(6 * c.effective, stage.m_SixLevel);
        EXPECT_EQ(8 * c.effective, stage.m_EightLevel);
    }
}

namespace {

// A stage file of an older version with nothing placed: the auto-vanish rules of that version,
// one background layer in the form of that version, no variable names.
std::string OldStageFile(uint32_t version) {
    cBytes b;
    b.U32(version);
    StageRecordBytes(b, 20, 15, "古い").U32(3).I32(1).I32(0).I32(1);
    for (int i = 0; i < eVanishCount; ++i) {
        if (version >= 125)
            b.U32(8).I32(1).I32(0).I32(0).I32(0).I32(2).I32(2).I32(2).I32(2).U32(0);
        else
            b.U32(5).I32(1).I32(2).I32(2).I32(2).I32(2).U32(0);
    }
    b.U32(0).U32(0).U32(0).U32(0).U32(0).U32(0).U32(1);
    if (version >= 62) {
        b.U32(10).I32(0).I32(1).I32(40).I32(1);
        F64(b, 2.5);
        F64(b, -3.0);
        b.I32(1).I32(1);
        F64(b, 0.0);
        F64(b, 0.0);
    } else if (version >= 61) {
        b.U32(9).I32(1).I32(40).I32(1);
        F64(b, 2.5);
        F64(b, -3.0);
        b.I32(1).I32(1).I32(77).I32(78);
    } else {
        b.U32(5).I32(1).I32(40).I32(1).I32(77).I32(78);
    }
    return b.U32(1).Str("old.bmp").U32(0).Get();
}

}  // namespace

TEST(Stage, OlderFilesLeaveWhatTheyLackAtTheDefaults) {
    cTempDir dir;
    const struct {
        uint32_t version;
        int32_t heroShotRight, enemyRight;  // the right flags: stored, or the new stage's
        int32_t show;
        double speedX;
    } cases[] = {{60, 1, 0, 1, 0.1}, {61, 1, 0, 1, 2.5}, {124, 1, 0, 0, 2.5}, {125, 0, 0, 0, 2.5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version);
        dir.Write("old.stg4", OldStageFile(c.version));
        cEdStage stage;
        // What the previous stage held does not leak into the loaded one.
        stage.m_AutoVanish[eVanishEnemy].m_Right = 7;
        stage.m_BackLayers[0].m_ShowAtStart = 0;
        ASSERT_TRUE(stage.LoadFile("old.stg4"));
        EXPECT_EQ("古い", stage.m_Name);
        EXPECT_EQ((std::vector<int32_t>{1, 0, 1}), std::vector<int32_t>(stage.m_RankItems.begin(), stage.m_RankItems.end()));
        EXPECT_EQ(c.heroShotRight, stage.m_AutoVanish[eVanishHeroShot].m_Right);
        EXPECT_EQ(c.enemyRight, stage.m_AutoVanish[eVanishEnemy].m_Right);
        EXPECT_EQ(1, stage.m_AutoVanish[eVanishEnemy].m_Left);
        EXPECT_EQ(2, stage.m_AutoVanish[eVanishEnemyShot].m_BottomMargin);
        ASSERT_EQ(1u, stage.m_BackLayers.size());
        const cBackLayer& layer = stage.m_BackLayers[0];
        EXPECT_EQ(c.show, layer.m_ShowAtStart);
        EXPECT_EQ(1, layer.m_UseColor);
        EXPECT_EQ(40, layer.m_Color);
        EXPECT_EQ(1, layer.m_Front);
        EXPECT_DOUBLE_EQ(c.speedX, layer.m_SpeedX);
        EXPECT_EQ(0.0, layer.m_Extra1);
        EXPECT_EQ("old.bmp", layer.m_Picture);
        EXPECT_TRUE(stage.m_VarNames.empty());
        EXPECT_TRUE(stage.m_Palette.m_Blocks.empty());

        // SavedStage in the current layout.
        ASSERT_TRUE(stage.SaveFile("new.stg4_147"));
        cEdStage again;
        ASSERT_TRUE(again.LoadFile("new.stg4_147"));
        EXPECT_DOUBLE_EQ(c.speedX, again.m_BackLayers[0].m_SpeedX);
        EXPECT_EQ(c.heroShotRight, again.m_AutoVanish[eVanishHeroShot].m_Right);
    }
}

TEST(Stage, CorruptFilesFailAndLeaveTheStageAsItWas) {
    cTempDir dir;
    cEdStage stage;
    BuildPlacedStage(stage);
    const std::string before = SavedStage(stage, dir);
    const std::string good = PlacedStageFile();

    std::vector<std::pair<std::string, std::string>> files;
    auto withField = [&](size_t offset, int32_t value) {
        std::string file = good;
        file.replace(offset, 4, cBytes().I32(value).Get());
        return file;
    };
    // The width is the first field (after the version and the field count), the height the
    // fourth.
    for (int32_t width : {0, -1, 513}) files.push_back({"width " + std::to_string(width), withField(8, width)});
    for (int32_t height : {0, -7, 600}) files.push_back({"height " + std::to_string(height), withField(20, height)});
    files.push_back({"index and cell disagree", PlacedStageFile({{0, 0, 0, 3}, {(15 << 6) + 31, 32, 15, 5}})});
    files.push_back({"column off the stage", PlacedStageFile({{0, 0, 0, 3}, {0, 40, 15, 5}})});
    files.push_back({"column in the stride", PlacedStageFile({{0, 0, 0, 3}, {(15 << 6) + 33, 33, 15, 5}})});
    files.push_back({"row off the stage", PlacedStageFile({{0, 0, 0, 3}, {0, 2, 16, 5}})});
    files.push_back({"negative column", PlacedStageFile({{0, 0, 0, 3}, {0, -1, 2, 5}})});
    files.push_back({"one cell twice", PlacedStageFile({{0, 0, 0, 3}, {0, 0, 0, 5}})});
    // Every cut of the file, in steps: the reads run out somewhere in each part.
    for (size_t cut = 4; cut < good.size(); cut += 53) files.push_back({"cut " + std::to_string(cut), good.substr(0, cut)});
    files.push_back({"last byte missing", good.substr(0, good.size() - 1)});

    for (const auto& f : files) {
        SCOPED_TRACE(f.first);
        dir.Write("bad.stg4_147", f.second);
        EXPECT_FALSE(stage.LoadFile("bad.stg4_147"));
        EXPECT_TRUE(SameBytes(before, SavedStage(stage, dir)));
    }
    // A stored index of 0 is the game's form: the cell comes from the element's own column
    // and row.
    dir.Write("game.stg4_147", PlacedStageFile({{0, 0, 0, 3}, {0, 32, 15, 5}}));
    ASSERT_TRUE(stage.LoadFile("game.stg4_147"));
    EXPECT_TRUE(SameBytes(good, SavedStage(stage, dir)));
}

// A cell is named twice in the file: by its index and by the element's column and row. Other
// writers leave one of them 0, so either alone places the cell; both set must agree.
TEST(Stage, ACellIsPlacedByItsIndexOrByItsColumnAndRow) {
    const uint32_t corner = (15 << 6) + 32;  // cell (32, 15) of the 33 x 16 stage
    const cCell first = {1, 1, 0, 3};
    struct cCase {
        const char* name;
        uint32_t index;
        int16_t column, row;
        bool loads;
        uint32_t cell;  // where the block stands when it loads
    };
    const cCase cases[] = {
        {"both agree", corner, 32, 15, true, corner},
        {"index 0, column and row", 0, 32, 15, true, corner},
        {"column and row 0, index", corner, 0, 0, true, corner},
        {"everything 0 is cell (0, 0)", 0, 0, 0, true, 0},
        {"row alone agrees", 64, 0, 1, true, 64},
        {"both set, disagree", corner - 1, 32, 15, false, 0},
        {"both set, the index is another row", corner + 64, 32, 15, false, 0},
        {"index in the stride's unused columns", (15 << 6) + 33, 0, 0, false, 0},
        {"index below the last row", 16 << 6, 0, 0, false, 0},
        {"index far off", 0xFFFFFFFFu, 0, 0, false, 0},
        {"index of a taken cell", 1, 0, 0, false, 0},
    };
    cTempDir dir;
    for (const cCase& c : cases) {
        SCOPED_TRACE(c.name);
        cEdStage stage;
        const std::string before = SavedStage(stage, dir);
        dir.Write("cells.stg4_147", PlacedStageFile({first, {c.index, c.column, c.row, 5}}));
        ASSERT_EQ(c.loads, stage.LoadFile("cells.stg4_147"));
        if (!c.loads) {
            EXPECT_TRUE(SameBytes(before, SavedStage(stage, dir)));
            continue;
        }
        const cEdBlock& block = stage.m_Blocks.At(c.cell);
        EXPECT_EQ(5, block.m_Graphic);
        EXPECT_EQ(stage.m_Blocks.Column(c.cell), block.m_Extra1);
        EXPECT_EQ(stage.m_Blocks.Row(c.cell), block.m_Extra2);
        // SavedStage with both places set, in cell order.
        const cCell placed = {c.cell, static_cast<int16_t>(c.cell & 63), static_cast<int16_t>(c.cell >> 6), 5};
        const std::vector<cCell> saved = placed.index < first.index ? std::vector<cCell>{placed, first} : std::vector<cCell>{first, placed};
        EXPECT_TRUE(SameBytes(PlacedStageFile(saved), SavedStage(stage, dir)));
    }
}

// Another writer may list a layer's cells in any order: they load into index order, and a cell
// given twice is refused wherever the second one stands.
TEST(Stage, CellsInAnyOrderLoadIntoIndexOrder) {
    const uint32_t corner = (15 << 6) + 32;
    const cCell a = {0, 0, 0, 3}, b = {65, 1, 1, 4}, c = {corner, 32, 15, 5}, again = {0, 0, 0, 6};
    const std::string ordered = PlacedStageFile({a, b, c});
    struct cCase {
        const char* name;
        std::vector<cCell> cells;
        bool loads;
    };
    const cCase cases[] = {
        {"reversed", {c, b, a}, true},
        {"shuffled", {b, c, a}, true},
        {"twice, apart", {a, c, again}, false},
        {"twice, first last", {again, b, c, a}, false},
        {"twice, side by side in rising order", {a, again, b, c}, false},
    };
    cTempDir dir;
    for (const cCase& k : cases) {
        SCOPED_TRACE(k.name);
        cEdStage stage;
        const std::string before = SavedStage(stage, dir);
        dir.Write("order.stg4_147", PlacedStageFile(k.cells));
        ASSERT_EQ(k.loads, stage.LoadFile("order.stg4_147"));
        EXPECT_TRUE(SameBytes(k.loads ? ordered : before, SavedStage(stage, dir)));
    }
}

TEST(Stage, CellsInheritFromTheStagePaletteAndEmptiedCellsAreNotStored) {
    cTempDir dir;
    cEdStage stage;
    stage.m_Palette.m_Blocks[1] = Element<cEdBlock>(9);
    // Two cells take their graphic (group 2) from stage block 1, one from the empty block 0.
    cEdBlock heir = Element<cEdBlock>(3);
    heir.m_InheritSrc = eSourceStage;
    heir.m_InheritIndex = 1;
    heir.m_bbInherit[2] = 1;
    stage.m_Blocks.Put(stage.CellIndex(1, 1), heir);
    stage.m_Blocks.Put(stage.CellIndex(2, 1), heir);
    cEdBlock emptied = heir;
    emptied.m_InheritIndex = 0;
    emptied.m_InheritSrc = eSourceCommon;
    stage.m_Blocks.Put(stage.CellIndex(3, 1), emptied);
    cCommonPalette common;
    common.m_Blocks[1] = Element<cEdBlock>(0);  // common block 1: empty
    cPaletteSourceScope commonScope(eSourceCommon, &common);
    stage.m_Blocks.Find(stage.CellIndex(3, 1))->m_InheritIndex = 1;

    stage.InheritAllBlocks();
    EXPECT_EQ(9, stage.m_Blocks.At(stage.CellIndex(1, 1)).m_Graphic);
    EXPECT_TRUE(stage.m_Blocks.IsEmpty(stage.CellIndex(3, 1)));
    EXPECT_EQ(2u, stage.m_Blocks.size());

    // A stage palette file with another block 1: the cells that refer to it follow.
    cPalette other = stage.m_Palette;
    other.m_Blocks[1].m_Graphic = 11;
    ASSERT_TRUE(SaveStagePaletteFile(other, "other.plt4"));
    ASSERT_TRUE(stage.LoadPalette("other.plt4", false));
    EXPECT_EQ(11, stage.m_Blocks.At(stage.CellIndex(2, 1)).m_Graphic);
    EXPECT_FALSE(stage.LoadPalette("missing.plt4", false));
    EXPECT_EQ(11, stage.m_Palette.m_Blocks[1].m_Graphic);

    // Saving inherits again; a cell left empty is neither counted nor written.
    stage.m_Palette.m_Blocks.push_back(cEdBlock());
    cEdBlock late = heir;
    late.m_InheritIndex = 2;  // the empty stage block 2
    stage.m_Blocks.Put(stage.CellIndex(4, 1), late);
    ASSERT_TRUE(stage.SaveFile("s.stg4_147"));
    EXPECT_EQ(2u, stage.m_Blocks.size());
    cEdStage loaded;
    ASSERT_TRUE(loaded.LoadFile("s.stg4_147"));
    EXPECT_EQ(2u, loaded.m_Blocks.size());
    EXPECT_EQ(11, loaded.m_Blocks.At(loaded.CellIndex(1, 1)).m_Graphic);
}

// The player's place counts the charas placed before the hero in cell order (row by row).
TEST(Stage, FindPlayerCountsTheCharasBeforeTheHero) {
    cEdStage stage;
    cEdChara enemy;
    enemy.m_Graphic = 2;
    enemy.m_Control = 1;
    EXPECT_EQ(-1, stage.FindPlayer());
    for (const cPoint& cell : {cPoint{5, 0}, cPoint{0, 1}, cPoint{4, 1}, cPoint{0, 2}})
        stage.PutCharaAt(cell.x, cell.y, enemy);
    EXPECT_EQ(-1, stage.FindPlayer());
    cEdChara hero;
    hero.m_Graphic = 1;
    hero.m_Control = 0;
    stage.PutCharaAt(3, 1, hero);
    EXPECT_EQ(2, stage.FindPlayer());
    stage.PutCharaAt(1, 2, hero);  // the hero moves: the old place is emptied
    EXPECT_EQ(4, stage.FindPlayer());
}

// Each open reads into the cells of the stage an open before replaced: whatever those cells held
// (long names, conditions, more or fewer cells), the stage opened holds exactly its file's cells.
// A failed open in between keeps the open stage.
TEST(Stage, OpensReadIntoReplacedCellsAndKeepNothingOfThem) {
    cTempDir dir;
    struct cStageCase {
        const char* file;
        int width, height;
        int cells;               // blocks, from cell 0 in index order
        const char* name;        // of every block and chara
        int conditions;          // of every block and chara
    };
    const std::vector<cStageCase> cases = {
        {"many.stg4_147", 64, 64, 4000, "a block name far longer than fits in a string's own bytes", 3},
        {"few.stg4_147", 20, 15, 7, "", 0},
        {"some.stg4_147", 40, 30, 900, "short", 1},
        {"none.stg4_147", 20, 15, 0, "x", 2},
    };
    std::vector<std::string> expected;
    for (const cStageCase& c : cases) {
        cEdStage stage;
        ASSERT_TRUE(stage.SetSize(c.width, c.height));
        cCondition condition;
        condition.m_Value = 7;
        condition.m_RandMax = c.cells;
        cEdBlock block = Element<cEdBlock>(1);
        block.m_Name = c.name;
        block.m_Conditions.assign(c.conditions, condition);
        for (int i = 0; i < c.cells; ++i) {
            block.m_Graphic = static_cast<uint16_t>(1 + i % 100);
            block.m_ActionX = i;
            stage.m_Blocks.Put(stage.CellIndex(i % c.width, i / c.width), block);
        }
        cEdChara hero = Hero();
        hero.m_Name = c.name;
        hero.m_Conditions.assign(c.conditions, condition);
        stage.PutCharaAt(c.width - 1, c.height - 1, hero);
        stage.m_Items.Put(stage.CellIndex(0, c.height - 1), Element<cEdItem>(c.conditions + 4));
        ASSERT_TRUE(stage.SaveFile(c.file));
        expected.push_back(dir.Read(c.file));
    }
    dir.Write("bad.stg4_147", expected[0].substr(0, expected[0].size() / 2));

    // Every stage after every other (the second open reads into the cells the first replaced),
    // and a failed open after each.
    cEdStage open;
    for (size_t first = 0; first < cases.size(); ++first)
        for (size_t next = 0; next < cases.size(); ++next) {
            SCOPED_TRACE(std::string(cases[first].file) + " then " + cases[next].file);
            ASSERT_TRUE(open.LoadFile(cases[first].file));
            ASSERT_TRUE(open.LoadFile(cases[next].file));
            EXPECT_TRUE(SameBytes(expected[next], SavedStage(open, dir)));
            const cStageCase& c = cases[next];
            ASSERT_EQ(static_cast<size_t>(c.cells), open.m_Blocks.size());
            if (c.cells) {
                const cEdBlock& last = open.m_Blocks.At(open.CellIndex((c.cells - 1) % c.width, (c.cells - 1) / c.width));
                EXPECT_EQ(c.name, last.m_Name);
                EXPECT_EQ(static_cast<size_t>(c.conditions), last.m_Conditions.size());
            }
            EXPECT_FALSE(open.LoadFile("bad.stg4_147"));
            EXPECT_TRUE(SameBytes(expected[next], SavedStage(open, dir)));
        }
}
