#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/CommonPalette.h"
#include "data/PaletteSource.h"
#include "tests/data/ElementBytes.h"
#include "tests/support/RestoreOnExit.h"
#include "tests/support/TempDir.h"

namespace {

// An element of the given layout with some plain values changed from the defaults.
cBytes& Put(cBytes& b, const cElementLayout& layout, std::vector<std::pair<int, int64_t>> changes,
            const std::string& name = "", std::vector<uint8_t> flags = {}, std::string lists = "") {
    std::vector<int64_t> values = layout.defaults;
    for (const auto& c : changes) values[c.first] = c.second;
    if (flags.empty()) flags.assign(layout.groupCount, 0);
    if (lists.empty()) lists = EmptyLists(layout);
    return ElementRecord(b, layout, values, name, std::string(layout.rawBytes, '\0'), flags, lists);
}

// The factory palette, written from the layouts and the factory table.
std::string FactoryFile() {
    cBytes b;
    b.U32(147).U32(0).U32(0);
    b.U32(65);
    for (int i = 0; i < 65; ++i) Put(b, BlockLayout(), {{4, i}, {11, i ? 1 : 0}});  // empty: never solid
    b.U32(65);
    Put(b, CharaLayout(), {});
    Put(b, CharaLayout(), {{23, 0}, {12, 1}, {42, 0}, {4, 1}, {16, 3}, {25, 0}, {34, 10}, {37, 0}});
    for (int i = 2; i < 65; ++i) Put(b, CharaLayout(), {{23, 1}, {12, i}, {15, 1}, {16, 3}, {25, 1}, {34, 10}, {37, 4}});
    b.U32(65);
    for (int i = 0; i < 65; ++i) Put(b, ItemLayout(), {{6, i}, {9, 3}});
    return b.Get();
}

std::vector<uint8_t> Flags(int count, int group) {
    std::vector<uint8_t> flags(count, 0);
    flags[group] = 1;
    return flags;
}

// Block 2's condition list, chara 1's flows (one flow of one "ウエイト"), the item's commands
// (one "ゲームウエイト" of 5).
std::string BlockConditions() {
    cBytes b;
    return ConditionBytes(b.U32(1), 1, 5).Get();
}

std::string CharaLists() {
    cBytes b;
    FlowHeadBytes(b.U32(0).U32(1), 0).U32(0).U32(0).U32(1);
    return CommandBytes(b, 0, 1, 1, {}).Get();
}

std::string ItemLists() {
    cBytes b;
    return CommandBytes(b.U32(0).U32(1), 1, 3, 1, {5}).Get();
}

// A stage palette of three blocks, two charas and one item. Block 1 takes its graphic (group
// 2) from block 2 of the stage palette, which comes later in the list; chara 1 takes its name
// from common chara 1.
std::string StagePaletteFile() {
    cBytes b;
    b.U32(147).U32(3);
    Put(b, BlockLayout(), {{4, 0}, {11, 0}});
    Put(b, BlockLayout(), {{0, 2}, {1, 2}, {4, 7}, {14, -5}}, "継承", Flags(11, 2));
    Put(b, BlockLayout(), {{2, 1}, {4, 9}, {12, 3}}, "元", {}, BlockConditions());
    b.U32(2);
    Put(b, CharaLayout(), {});
    Put(b, CharaLayout(), {{0, 1}, {1, 1}, {12, 5}}, "", Flags(34, 0), CharaLists());
    b.U32(1);
    Put(b, ItemLayout(), {{6, 4}}, "", {}, ItemLists());
    return b.Get();
}

bool PalettesEqual(const cPalette& a, const cPalette& b) {
    return a.m_Blocks == b.m_Blocks && a.m_Charas == b.m_Charas && a.m_Items == b.m_Items;
}

}  // namespace

TEST(Palette, FactoryCommonPaletteHas65OfEachKindAndOneHero) {
    cCommonPalette palette;
    ASSERT_EQ(65u, palette.m_Blocks.size());
    ASSERT_EQ(65u, palette.m_Charas.size());
    ASSERT_EQ(65u, palette.m_Items.size());
    int heroes = 0;
    for (int i = 0; i < 65; ++i) {
        EXPECT_EQ(i, palette.m_Blocks[i].m_Graphic);
        EXPECT_EQ(i, palette.m_Charas[i].m_Graphic);
        EXPECT_EQ(i, palette.m_Items[i].m_Graphic);
        if (palette.m_Charas[i].m_Graphic != 0 && palette.m_Charas[i].m_Control == 0) ++heroes;
    }
    EXPECT_EQ(1, heroes);
    EXPECT_EQ(0, palette.m_Charas[1].m_Control);
}

TEST(Palette, CommonPaletteFileMatchesTheLayoutAndReloadsByteForByte) {
    cTempDir dir;
    cCommonPalette palette;
    ASSERT_TRUE(palette.SaveFile("CommonPalette.cplt4"));
    std::string saved = dir.Read("CommonPalette.cplt4");
    EXPECT_EQ(FactoryFile(), saved);
    // Eight bytes of empty registry between the version and the block count.
    EXPECT_EQ(cBytes().U32(147).U32(0).U32(0).U32(65).Get(), saved.substr(0, 16));

    cCommonPalette loaded;
    loaded.m_Blocks.resize(2);
    ASSERT_TRUE(loaded.LoadFile("CommonPalette.cplt4"));
    ASSERT_TRUE(loaded.SaveFile("again.cplt4"));
    EXPECT_EQ(saved, dir.Read("again.cplt4"));
}

TEST(Palette, StagePaletteFileMatchesTheLayoutAndReloadsByteForByte) {
    cTempDir dir;
    cCommonPalette common;
    cPaletteSourceScope commonScope(eSourceCommon, &common);
    common.m_Charas[1].m_Name = "主人公";
    dir.Write("in.plt4", StagePaletteFile());

    cPalette palette;
    ASSERT_TRUE(LoadStagePaletteFile(palette, "in.plt4", false));
    ASSERT_EQ(3u, palette.m_Blocks.size());
    // Resolved against the palette being read, a base later in the list included.
    EXPECT_EQ(9, palette.m_Blocks[1].m_Graphic);
    EXPECT_EQ(-5, palette.m_Blocks[1].m_ActionX);
    EXPECT_EQ("主人公", palette.m_Charas[1].m_Name);
    ASSERT_EQ(1u, palette.m_Blocks[2].m_Conditions.size());
    EXPECT_EQ(5, palette.m_Blocks[2].m_Conditions[0].m_Value);
    ASSERT_EQ(1u, palette.m_Charas[1].m_Flows.size());
    ASSERT_EQ(1u, palette.m_Items[0].m_Commands.size());
    EXPECT_EQ((std::vector<int32_t>{5}), palette.m_Items[0].m_Commands[0].m_Params);

    ASSERT_TRUE(SaveStagePaletteFile(palette, "out.plt4"));
    std::string expected = StagePaletteFile();
    // What the load inherited is saved: block 1's graphic, chara 1's name.
    cBytes inherited;
    Put(inherited, BlockLayout(), {{0, 2}, {1, 2}, {4, 9}, {14, -5}}, "継承", Flags(11, 2));
    cBytes stored;
    Put(stored, BlockLayout(), {{0, 2}, {1, 2}, {4, 7}, {14, -5}}, "継承", Flags(11, 2));
    expected.replace(expected.find(stored.Get()), stored.Size(), inherited.Get());
    cBytes named, unnamed;
    Put(named, CharaLayout(), {{0, 1}, {1, 1}, {12, 5}}, "主人公", Flags(34, 0), CharaLists());
    Put(unnamed, CharaLayout(), {{0, 1}, {1, 1}, {12, 5}}, "", Flags(34, 0), CharaLists());
    expected.replace(expected.find(unnamed.Get()), unnamed.Size(), named.Get());
    EXPECT_EQ(expected, dir.Read("out.plt4"));

    cPalette again;
    ASSERT_TRUE(LoadStagePaletteFile(again, "out.plt4", false));
    EXPECT_TRUE(PalettesEqual(palette, again));
    ASSERT_TRUE(SaveStagePaletteFile(again, "again.plt4"));
    EXPECT_EQ(dir.Read("out.plt4"), dir.Read("again.plt4"));
}

TEST(Palette, ReferencesPastAShrunkPaletteAreDropped) {
    cTempDir dir;
    cCommonPalette common;
    common.m_Blocks.resize(5);
    cPaletteSourceScope commonScope(eSourceCommon, &common);
    // A stage palette whose block 1 inherits (graphic group) from common block 5, and whose
    // block 2 inherits from stage block 3, past the stage palette's own end.
    cBytes b;
    b.U32(147).U32(3);
    Put(b, BlockLayout(), {{4, 0}, {11, 0}});
    Put(b, BlockLayout(), {{0, 1}, {1, 5}, {4, 7}}, "", Flags(11, 2));
    Put(b, BlockLayout(), {{0, 2}, {1, 3}, {4, 8}}, "", Flags(11, 2));
    b.U32(0).U32(0);
    dir.Write("p.plt4", b.Get());
    cPalette palette;
    ASSERT_TRUE(LoadStagePaletteFile(palette, "p.plt4", false));
    EXPECT_EQ(0, palette.m_Blocks[1].m_InheritSrc);
    EXPECT_EQ(7, palette.m_Blocks[1].m_Graphic);  // its own values stay
    EXPECT_EQ(0, palette.m_Blocks[2].m_InheritSrc);
    EXPECT_EQ(8, palette.m_Blocks[2].m_Graphic);
    EXPECT_TRUE(palette.m_Charas.empty());
    EXPECT_TRUE(palette.m_Items.empty());

    // The reference check alone resets source and index.
    cEdBlock block;
    block.m_InheritSrc = eSourceCommon;
    block.m_InheritIndex = 5;
    block.m_ItemSrc = eSourceCommon;
    block.m_ItemIndex = 65;
    block.Validate();
    EXPECT_EQ(0, block.m_InheritSrc);
    EXPECT_EQ(0, block.m_InheritIndex);
    EXPECT_EQ(0, block.m_ItemSrc);
    EXPECT_EQ(0, block.m_ItemIndex);
    block.m_ItemSrc = eSourceCommon;
    block.m_ItemIndex = 64;
    block.Validate();
    EXPECT_EQ(64, block.m_ItemIndex);
}

TEST(Palette, LoadResolvesAgainstThePaletteItReadsNotTheOneItReplaces) {
    cTempDir dir;
    dir.Write("in.plt4", StagePaletteFile());
    cPalette open;
    open.m_Blocks.resize(3);
    open.m_Blocks[2].m_Graphic = 99;
    cPaletteSourceScope stageScope(eSourceStage, &open);
    ASSERT_TRUE(LoadStagePaletteFile(open, "in.plt4", false));
    EXPECT_EQ(9, open.m_Blocks[1].m_Graphic);
    // The source is the open palette again afterwards.
    EXPECT_EQ(&open, GetPaletteSource(eSourceStage));
}

TEST(Palette, BadFilesFailAndLeaveThePaletteAsItWas) {
    cTempDir dir;
    std::string file = StagePaletteFile();
    cCommonPalette before;
    before.m_Blocks[3].m_Name = "前";
    for (size_t cut = 4; cut < file.size(); ++cut) {
        dir.Write("cut.plt4", file.substr(0, cut));
        cPalette palette = before;
        EXPECT_FALSE(LoadStagePaletteFile(palette, "cut.plt4", false)) << "cut at " << cut;
        EXPECT_TRUE(PalettesEqual(before, palette)) << "cut at " << cut;
        EXPECT_EQ("前", palette.m_Blocks[3].m_Name);
    }
    // A count far beyond what the file holds.
    dir.Write("huge.plt4", cBytes().U32(147).U32(0x7FFFFFFF).Get());
    cPalette palette = before;
    EXPECT_FALSE(LoadStagePaletteFile(palette, "huge.plt4", false));
    EXPECT_TRUE(PalettesEqual(before, palette));
    EXPECT_FALSE(LoadStagePaletteFile(palette, "missing.plt4", false));
    EXPECT_FALSE(SaveStagePaletteFile(palette, ""));

    // The common palette's file the same way.
    cCommonPalette common;
    ASSERT_TRUE(common.SaveFile("c.cplt4"));
    std::string commonFile = dir.Read("c.cplt4");
    for (size_t cut : {size_t(6), size_t(16), commonFile.size() / 2, commonFile.size() - 1}) {
        dir.Write("cut.cplt4", commonFile.substr(0, cut));
        cCommonPalette target = before;
        EXPECT_FALSE(target.LoadFile("cut.cplt4")) << "cut at " << cut;
        EXPECT_TRUE(PalettesEqual(before, target)) << "cut at " << cut;
    }
}

TEST(Palette, EmptyListsAndStrippedNames) {
    cTempDir dir;
    dir.Write("empty.plt4", cBytes().U32(147).U32(0).U32(0).U32(0).Get());
    cPalette palette;
    palette.m_Items.resize(4);
    ASSERT_TRUE(LoadStagePaletteFile(palette, "empty.plt4", false));
    EXPECT_TRUE(palette.m_Blocks.empty() && palette.m_Charas.empty() && palette.m_Items.empty());

    palette.m_Blocks.resize(1);
    palette.m_Charas.resize(1);
    palette.m_Items.resize(1);
    palette.m_Blocks[0].m_Name = "a\r\nb";
    palette.m_Charas[0].m_Name = "c\r\n";
    palette.m_Items[0].m_Name = "\re";
    ASSERT_TRUE(SaveStagePaletteFile(palette, "cr.plt4"));
    cPalette stripped, kept;
    ASSERT_TRUE(LoadStagePaletteFile(stripped, "cr.plt4", true));
    ASSERT_TRUE(LoadStagePaletteFile(kept, "cr.plt4", false));
    EXPECT_EQ("a\nb", stripped.m_Blocks[0].m_Name);
    EXPECT_EQ("c\n", stripped.m_Charas[0].m_Name);
    EXPECT_EQ("e", stripped.m_Items[0].m_Name);
    EXPECT_EQ("a\r\nb", kept.m_Blocks[0].m_Name);
}

TEST(Palette, SavingTheCommonPaletteDropsReferencesItWouldReject) {
    cTempDir dir;
    cCommonPalette palette;
    palette.m_Blocks[3].m_InheritSrc = eSourceCommon;
    palette.m_Blocks[3].m_InheritIndex = 65;
    palette.m_Items[2].m_InheritSrc = eSourceCommon;
    palette.m_Items[2].m_InheritIndex = 64;
    ASSERT_TRUE(palette.SaveFile("c.cplt4"));
    EXPECT_EQ(0, palette.m_Blocks[3].m_InheritSrc);
    EXPECT_EQ(0, palette.m_Blocks[3].m_InheritIndex);
    EXPECT_EQ(eSourceCommon, palette.m_Items[2].m_InheritSrc);
    cCommonPalette loaded;
    ASSERT_TRUE(loaded.LoadFile("c.cplt4"));
    EXPECT_EQ(0, loaded.m_Blocks[3].m_InheritSrc);
    EXPECT_EQ(64, loaded.m_Items[2].m_InheritIndex);
}

TEST(Palette, CopiesOfAPaletteAreIndependent) {
    cCommonPalette source;
    cCommonPalette copy(source);
    source.m_Charas[1].m_Hp = 99;
    source.m_Blocks.resize(1);
    EXPECT_EQ(10, copy.m_Charas[1].m_Hp);
    EXPECT_EQ(65u, copy.m_Blocks.size());
    const char* begin = reinterpret_cast<const char*>(&copy.m_Charas[1]);
    const char* at = static_cast<const char*>(copy.m_Charas[1].PlainFields()[34].address);
    EXPECT_TRUE(at > begin && at < begin + sizeof(cEdChara));
}

TEST(Palette, TheProjectsCommonPaletteIsTheCommonSourceThroughItsLoads) {
    cTempDir dir;
    cRestoreOnExit<cCommonPalette> keepCommon(ProjectCommonPalette());
    cCommonPalette& common = ProjectCommonPalette();
    EXPECT_EQ(&common, GetPaletteSource(eSourceCommon));
    cCommonPalette file;
    file.m_Blocks.resize(4);
    file.m_Blocks[3].m_Name = "新";
    ASSERT_TRUE(file.SaveFile("c.cplt4"));
    ASSERT_TRUE(common.LoadFile("c.cplt4"));
    EXPECT_EQ(&common, GetPaletteSource(eSourceCommon));

    cEdBlock block;
    block.m_InheritSrc = eSourceCommon;
    block.m_InheritIndex = 3;
    block.m_bbInherit[0] = 1;
    block.Inherit();
    EXPECT_EQ("新", block.m_Name);
}

TEST(Palette, PassesInheritTheElementsInUseThatReferToTheSource) {
    cPalette stage;
    stage.m_Items.resize(3);
    stage.m_Items[2].m_Graphic = 8;
    cPaletteSourceScope scope(eSourceStage, &stage);
    cRecordVector<cEdItem> cells(4);
    for (cEdItem& cell : cells) {
        cell.m_Graphic = 1;
        cell.m_InheritSrc = eSourceStage;
        cell.m_InheritIndex = 2;
        cell.m_bbInherit[4] = 1;
    }
    cells[0].m_Graphic = 0;                 // empty: left alone
    cells[1].m_InheritSrc = eSourceCommon;  // another source
    cells[3].m_InheritIndex = 3;            // past the end: dropped
    InheritReferring(cells, eSourceStage);
    EXPECT_EQ(0, cells[0].m_Graphic);
    EXPECT_EQ(1, cells[1].m_Graphic);
    EXPECT_EQ(8, cells[2].m_Graphic);
    EXPECT_EQ(1, cells[3].m_Graphic);
    EXPECT_EQ(0, cells[3].m_InheritSrc);
}

namespace {

// An element of the stage palette that takes its name (group 0) from another of its list.
template <class T>
void NameFrom(T& element, int base) {
    element.m_InheritSrc = eSourceStage;
    element.m_InheritIndex = static_cast<uint16_t>(base);
    element.m_bbInherit[0] = 1;
}

}  // namespace

// Chains resolve whole whatever the list order, cycles end, and what a load gives is what a
// save and another load give.
TEST(Palette, InheritanceChainsResolveInOneLoadAndAReloadAgrees) {
    cTempDir dir;
    cPalette palette;
    palette.m_Blocks.resize(6);
    palette.m_Items.resize(4);
    for (int i = 1; i < 6; ++i) {
        palette.m_Blocks[i].m_Graphic = static_cast<uint16_t>(i);
        palette.m_Blocks[i].m_Name = "ブロック" + std::to_string(i);
    }
    for (int i = 1; i < 4; ++i) {
        palette.m_Items[i].m_Graphic = static_cast<uint16_t>(i);
        palette.m_Items[i].m_Name = "アイテム" + std::to_string(i);
    }
    NameFrom(palette.m_Blocks[1], 2);  // 1 from 2 from 3: the base comes later in the list
    NameFrom(palette.m_Blocks[2], 3);
    NameFrom(palette.m_Blocks[5], 1);  // and a chain that runs back to it
    NameFrom(palette.m_Items[1], 2);   // a cycle
    NameFrom(palette.m_Items[2], 1);
    NameFrom(palette.m_Items[3], 3);   // itself
    ASSERT_TRUE(SaveStagePaletteFile(palette, "chain.plt4"));

    cPalette loaded;
    ASSERT_TRUE(LoadStagePaletteFile(loaded, "chain.plt4", false));
    for (int i : {1, 2, 3, 5}) EXPECT_EQ("ブロック3", loaded.m_Blocks[i].m_Name) << i;
    EXPECT_EQ("ブロック4", loaded.m_Blocks[4].m_Name);
    EXPECT_EQ(loaded.m_Items[1].m_Name, loaded.m_Items[2].m_Name);
    EXPECT_EQ("アイテム3", loaded.m_Items[3].m_Name);

    ASSERT_TRUE(SaveStagePaletteFile(loaded, "again.plt4"));
    cPalette reloaded;
    ASSERT_TRUE(LoadStagePaletteFile(reloaded, "again.plt4", false));
    EXPECT_TRUE(PalettesEqual(loaded, reloaded));
    ASSERT_TRUE(SaveStagePaletteFile(reloaded, "third.plt4"));
    EXPECT_EQ(dir.Read("again.plt4"), dir.Read("third.plt4"));
}
