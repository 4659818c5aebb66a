#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "data/PrjOption.h"
#include "tests/data/Bytes.h"
#include "tests/support/TempDir.h"

namespace {

// A record's own layout as a program of the given data version writes it.
std::string RecordBytes(cRecord& record, uint32_t version = 147) {
    SetDataVersion(version);
    cDataWriter out;
    OpenDataFileWrite(out, "unused");
    record.Save(out);
    SetDataVersion(147);
    return std::string(out.Bytes().begin() + 4, out.Bytes().end());
}

std::string Templates(uint32_t version = 147) {
    cEdBlock block;
    cEdChara chara;
    cEdItem item;
    block.m_Graphic = chara.m_Graphic = item.m_Graphic = 1;
    return RecordBytes(block, version) + RecordBytes(chara, version) + RecordBytes(item, version);
}

cBytes& Flags(cBytes& b, size_t size, std::set<size_t> ones, bool others) {
    b.U32(static_cast<uint32_t>(size));
    for (size_t i = 0; i < size; ++i) b.U8(ones.count(i) ? !others : others);
    return b;
}

// The nine factory flag lists: situation 0 inherits nothing; the two placements all groups but
// a few.
std::string FactoryFlags() {
    cBytes b;
    Flags(b, 11, {}, false);
    Flags(b, 34, {}, false);
    Flags(b, 13, {}, false);
    for (int situation = 1; situation < 3; ++situation) {
        Flags(b, 11, {1}, true);
        Flags(b, 34, {4, 5, 30, 32}, true);
        Flags(b, 13, {1}, true);
    }
    return b.Get();
}

std::string FactoryFile() {
    cBytes b;
    b.U32(147).U32(11);
    for (int32_t v : {0, 0, 0, 1, 1, 1, 2, 2, 2, 1, 0}) b.I32(v);
    b.U32(1).Str("");
    return b.Raw(Templates()).Raw(FactoryFlags()).Get();
}

std::set<size_t> Ones(const cInheritFlags& flags) {
    std::set<size_t> ones;
    for (size_t i = 0; i < flags.size(); ++i)
        if (flags[i]) ones.insert(i);
    return ones;
}

}  // namespace

TEST(PrjOption, FactoryOptionsSaveToTheLayout) {
    cTempDir dir;
    cPrjOption option;
    ASSERT_TRUE(option.SaveFile("PrjOption.dat"));
    EXPECT_EQ(FactoryFile(), dir.Read("PrjOption.dat"));
}

TEST(PrjOption, EveryOptionSurvivesSaveAndReload) {
    cTempDir dir;
    cPrjOption option;
    option.m_DefBlock.m_Graphic = 7;
    option.m_DefChara.m_Name = "ひな形";
    option.m_DefItem.m_Graphic = 3;
    option.m_InheritSrc[eSituationStage][eKindChara] = 1;
    option.m_InheritSrc[eSituationStagePlace][eKindItem] = 0;
    option.m_InheritFlags[eSituationStage][eKindBlock][10] = 1;
    option.m_InheritFlags[eSituationCommonPlace][eKindChara][33] = 0;
    option.m_InheritFlags[eSituationStagePlace][eKindItem][0] = 0;
    option.m_AutoGamePath = 0;
    option.m_GamePath = "C:\\ゲーム\\game.exe";
    option.m_OldStageFiles = 2;
    ASSERT_TRUE(option.SaveFile("PrjOption.dat"));

    cPrjOption loaded;
    ASSERT_TRUE(loaded.LoadFile("PrjOption.dat"));
    EXPECT_TRUE(RecordsEqual(option, loaded));
    EXPECT_TRUE(option.m_DefBlock == loaded.m_DefBlock);
    EXPECT_TRUE(option.m_DefChara == loaded.m_DefChara);
    EXPECT_TRUE(option.m_DefItem == loaded.m_DefItem);
    for (int s = 0; s < eSituations; ++s)
        for (int k = 0; k < eElementKinds; ++k) EXPECT_EQ(option.m_InheritFlags[s][k], loaded.m_InheritFlags[s][k]);
    ASSERT_TRUE(loaded.SaveFile("again.dat"));
    EXPECT_EQ(dir.Read("PrjOption.dat"), dir.Read("again.dat"));
}

// Version 85: dropped values, window placements to skip, and flag lists from before three
// groups were inserted.
TEST(PrjOption, Version85FlagListsGainTheLaterGroups) {
    cTempDir dir;
    cBytes b;
    b.U32(85).U32(11).I32(-1);
    for (int32_t v : {2, 1, 2, 1, 1, 0, 0, 2, 2, 0}) b.I32(v);
    b.U32(4).Str("a").Str("b").Str("c").Str("game.exe");
    for (int i = 0; i < 11; ++i) b.U32(5).I32(1).I32(i).I32(i).I32(10).I32(10).U32(0);
    for (int situation = 0; situation < 3; ++situation) {
        Flags(b, 10, {6}, false);
        Flags(b, 32, {10}, false);
        Flags(b, 12, {0}, false);
    }
    dir.Write("PrjOption.dat", b.Get());

    cPrjOption option;
    ASSERT_TRUE(option.LoadFile("PrjOption.dat"));
    EXPECT_EQ(2, option.m_InheritSrc[eSituationStage][eKindBlock]);
    EXPECT_EQ(1, option.m_InheritSrc[eSituationCommonPlace][eKindChara]);
    EXPECT_EQ(2, option.m_InheritSrc[eSituationStagePlace][eKindItem]);
    EXPECT_EQ(0, option.m_AutoGamePath);
    EXPECT_EQ("game.exe", option.m_GamePath);
    EXPECT_EQ(0, option.m_OldStageFiles);
    for (int s = 0; s < eSituations; ++s) {
        const cInheritFlags* flags = option.m_InheritFlags[s];
        ASSERT_EQ(11u, flags[eKindBlock].size());
        EXPECT_EQ((std::set<size_t>{5, 7}), Ones(flags[eKindBlock]));
        ASSERT_EQ(34u, flags[eKindChara].size());
        EXPECT_EQ((std::set<size_t>{3, 11, 15}), Ones(flags[eKindChara]));
        ASSERT_EQ(13u, flags[eKindItem].size());
        EXPECT_EQ((std::set<size_t>{0, 7}), Ones(flags[eKindItem]));
    }
}

TEST(PrjOption, Version125SkipsTheWindowPlacementsAfterTheTemplates) {
    cTempDir dir;
    cEdBlock block;
    cEdChara chara;
    cEdItem item;
    block.m_Graphic = 9;
    chara.m_Graphic = 8;
    item.m_Graphic = 7;
    cBytes b;
    b.U32(125).U32(11).I32(0);
    for (int32_t v : {0, 0, 0, 1, 1, 1, 2, 2, 2, 1}) b.I32(v);
    b.U32(4).Str("").Str("").Str("").Str("");
    b.Raw(RecordBytes(block, 125) + RecordBytes(chara, 125) + RecordBytes(item, 125));
    for (int i = 0; i < 11; ++i) b.U32(6).I32(1).I32(i).I32(i).I32(10).I32(10).I32(1).U32(0);
    Flags(b, 11, {2}, false);
    Flags(b, 34, {33}, false);
    Flags(b, 13, {12}, false);
    b.Raw(FactoryFlags().substr(4 * 3 + 11 + 34 + 13));
    dir.Write("PrjOption.dat", b.Get());

    cPrjOption option;
    ASSERT_TRUE(option.LoadFile("PrjOption.dat"));
    EXPECT_EQ(9, option.m_DefBlock.m_Graphic);
    EXPECT_EQ(8, option.m_DefChara.m_Graphic);
    EXPECT_EQ(7, option.m_DefItem.m_Graphic);
    EXPECT_EQ((std::set<size_t>{2}), Ones(option.m_InheritFlags[eSituationStage][eKindBlock]));
    EXPECT_EQ((std::set<size_t>{33}), Ones(option.m_InheritFlags[eSituationStage][eKindChara]));
    EXPECT_EQ((std::set<size_t>{12}), Ones(option.m_InheritFlags[eSituationStage][eKindItem]));
    const cPrjOption factory;
    for (int s = 1; s < eSituations; ++s)
        for (int k = 0; k < eElementKinds; ++k) EXPECT_EQ(factory.m_InheritFlags[s][k], option.m_InheritFlags[s][k]);
}

TEST(PrjOption, Version141KeepsTheOldStageChoiceAndSavesIt) {
    cTempDir dir;
    cBytes b;
    b.U32(141).U32(10);
    for (int32_t v : {0, 0, 0, 1, 1, 1, 2, 2, 2, 1}) b.I32(v);
    b.U32(1).Str("").Raw(Templates(141)).Raw(FactoryFlags());
    dir.Write("old.dat", b.Get());
    cPrjOption option;
    option.m_OldStageFiles = 1;
    ASSERT_TRUE(option.LoadFile("old.dat"));
    EXPECT_EQ(1, option.m_OldStageFiles);
    ASSERT_TRUE(option.SaveFile("PrjOption.dat"));
    const std::string saved = dir.Read("PrjOption.dat");
    EXPECT_EQ(cBytes().U32(147).U32(11).Get(), saved.substr(0, 8));
    EXPECT_EQ(cBytes().I32(1).I32(1).Get(), saved.substr(8 + 4 * 9, 8));
}

// A flag list of any stored length ends with one flag per group.
TEST(PrjOption, FlagListsAreBroughtToTheirGroupCount) {
    cTempDir dir;
    std::string file = FactoryFile();
    const std::string flags = FactoryFlags();
    cBytes b;
    Flags(b, 20, {19}, false);
    Flags(b, 2, {0}, false);
    b.Raw(flags.substr(4 + 11 + 4 + 34));
    file.replace(file.size() - flags.size(), flags.size(), b.Get());
    dir.Write("PrjOption.dat", file);
    cPrjOption option;
    ASSERT_TRUE(option.LoadFile("PrjOption.dat"));
    EXPECT_EQ(11u, option.m_InheritFlags[eSituationStage][eKindBlock].size());
    EXPECT_EQ(std::set<size_t>{}, Ones(option.m_InheritFlags[eSituationStage][eKindBlock]));
    EXPECT_EQ(34u, option.m_InheritFlags[eSituationStage][eKindChara].size());
    EXPECT_EQ(std::set<size_t>{0}, Ones(option.m_InheritFlags[eSituationStage][eKindChara]));
}

TEST(PrjOption, CutFilesLeaveTheOptionsUnchanged) {
    cTempDir dir;
    const std::string file = FactoryFile();
    cPrjOption option;
    option.m_GamePath = "kept";
    option.m_InheritFlags[eSituationStagePlace][eKindItem][12] = 0;
    for (size_t cut = 0; cut < file.size(); ++cut) {
        dir.Write("cut.dat", file.substr(0, cut));
        EXPECT_FALSE(option.LoadFile("cut.dat")) << cut;
    }
    EXPECT_EQ("kept", option.m_GamePath);
    EXPECT_EQ(0, option.m_InheritFlags[eSituationStagePlace][eKindItem][12]);
}
