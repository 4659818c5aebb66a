#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/Chara.h"
#include "data/ProjectDatabase.h"
#include "tests/data/ElementBytes.h"
#include "tests/support/RestoreOnExit.h"
#include "tests/support/TempDir.h"

namespace {

// Flags told apart by value: entry k holds k + 2.
std::vector<uint8_t> CountedFlags() {
    std::vector<uint8_t> flags(34);
    for (int k = 0; k < 34; ++k) flags[k] = static_cast<uint8_t>(k + 2);
    return flags;
}

// A group that entered the record: 1 at its place, the flags from there one place up.
std::vector<uint8_t> Inserted(std::vector<uint8_t> flags, int group) {
    flags.insert(flags.begin() + group, 1);
    flags.resize(34);
    return flags;
}

std::string CharaFile(uint32_t version, const std::vector<uint8_t>& flags, uint8_t blockHit = 0,
                      const std::string& lists = EmptyLists(CharaLayout())) {
    std::vector<int64_t> values = CharaLayout().defaults;
    values[30] = blockHit;
    cBytes b;
    b.U32(version);
    return ElementRecord(b, CharaLayout(), values, "", std::string(8, '\0'), flags, lists).Get();
}

cFlow FlowOf(int conditions, int keyConds, int commands, uint8_t testPlayOnly = 0) {
    cFlow flow;
    flow.m_Conditions.resize(conditions);
    flow.m_KeyConds.resize(keyConds);
    flow.m_Commands.resize(commands);
    flow.m_TestPlayOnly = testPlayOnly;
    return flow;
}

}  // namespace

TEST(Chara, OlderFilesGetTheInheritanceGroupsAddedSince) {
    const std::vector<uint8_t> f = CountedFlags();
    struct {
        uint32_t version;
        std::vector<uint8_t> expected;
    } cases[] = {
        {147, f},
        {105, f},
        {104, Inserted(f, 3)},
        {88, Inserted(f, 3)},
        {87, Inserted(Inserted(f, 14), 3)},
        {80, Inserted(Inserted(f, 14), 3)},
        {56, Inserted(Inserted(f, 14), 3)},
        {55, Inserted(Inserted(Inserted(f, 26), 14), 3)},
    };
    cTempDir dir;
    for (const auto& c : cases) {
        dir.Write("c.dat", CharaFile(c.version, f));
        cEdChara chara;
        ASSERT_TRUE(chara.LoadFile("c.dat")) << c.version;
        EXPECT_EQ(c.expected, std::vector<uint8_t>(chara.m_bbInherit.begin(), chara.m_bbInherit.end())) << c.version;
    }
    // A version-50 file with fewer flags: padded to 34 before the groups are added.
    dir.Write("short.dat", CharaFile(50, std::vector<uint8_t>(27, 2)));
    cEdChara chara;
    ASSERT_TRUE(chara.LoadFile("short.dat"));
    std::vector<uint8_t> padded(27, 2);
    padded.resize(34);
    EXPECT_EQ(Inserted(Inserted(Inserted(padded, 26), 14), 3),
              std::vector<uint8_t>(chara.m_bbInherit.begin(), chara.m_bbInherit.end()));
}

TEST(Chara, BlockHitAboveOneIsOneInFilesBeforeVersion83) {
    cTempDir dir;
    for (uint32_t version : {82u, 83u}) {
        dir.Write("c.dat", CharaFile(version, std::vector<uint8_t>(34, 0), 3));
        cEdChara chara;
        ASSERT_TRUE(chara.LoadFile("c.dat"));
        EXPECT_EQ(version == 82 ? 1 : 3, chara.m_BlockHit) << version;
    }
}

TEST(Chara, ValidationResetsRowsTheDatabaseDoesNotHave) {
    cRestoreOnExit<cDatabase> keepDatabase(ProjectDatabase());
    cDatabase& db = ProjectDatabase();
    db.m_AnimeSets.resize(3);
    db.m_CharaEffects.resize(2);
    struct {
        const char* what;
        uint16_t animeSet, startEffect, deathEffect;
        uint8_t scale;
        uint16_t expectAnimeSet, expectStart, expectDeath;
        uint8_t expectScale;
    } cases[] = {
        {"all rows there", 2, 1, 1, 10, 2, 1, 1, 10},
        {"anime set past the table", 3, 0, 0, 1, 1, 0, 0, 1},
        {"anime set 65535", 65535, 0, 0, 1, 1, 0, 0, 1},
        {"effects past the table", 0, 2, 7, 1, 0, 0, 0, 1},
        {"scale 0", 0, 0, 0, 0, 0, 0, 0, 1},
    };
    for (const auto& c : cases) {
        cEdChara chara;
        chara.m_AnimeSet = c.animeSet;
        chara.m_StartEffect = c.startEffect;
        chara.m_DeathEffect = c.deathEffect;
        chara.m_Scale = c.scale;
        chara.Validate();
        EXPECT_EQ(c.expectAnimeSet, chara.m_AnimeSet) << c.what;
        EXPECT_EQ(c.expectStart, chara.m_StartEffect) << c.what;
        EXPECT_EQ(c.expectDeath, chara.m_DeathEffect) << c.what;
        EXPECT_EQ(c.expectScale, chara.m_Scale) << c.what;
    }

    // The same on load: a stored scale of 0 comes back as 1.
    cTempDir dir;
    std::vector<int64_t> values = CharaLayout().defaults;
    values[31] = 0;
    values[15] = 9;
    cBytes b;
    b.U32(147);
    ElementRecord(b, CharaLayout(), values, "", std::string(8, '\0'), std::vector<uint8_t>(34, 0), EmptyLists(CharaLayout()));
    dir.Write("c.dat", b.Get());
    cEdChara chara;
    ASSERT_TRUE(chara.LoadFile("c.dat"));
    EXPECT_EQ(1, chara.m_Scale);
    EXPECT_EQ(1, chara.m_AnimeSet);
}

TEST(Chara, FlowsWithoutConditionsKeyConditionsAndCommandsAreDropped) {
    cTempDir dir;
    cEdChara chara;
    chara.m_Graphic = 3;
    chara.m_Flows = {FlowOf(0, 0, 0), FlowOf(0, 0, 1), FlowOf(0, 0, 0), FlowOf(1, 0, 0), FlowOf(0, 1, 0),
                     FlowOf(0, 0, 0)};
    ASSERT_TRUE(chara.SaveFile("c.dat"));
    ASSERT_EQ(3u, chara.m_Flows.size());
    cEdChara loaded;
    ASSERT_TRUE(loaded.LoadFile("c.dat"));
    ASSERT_EQ(3u, loaded.m_Flows.size());
    EXPECT_EQ(1u, loaded.m_Flows[0].m_Commands.size());
    EXPECT_EQ(1u, loaded.m_Flows[1].m_Conditions.size());
    EXPECT_EQ(1u, loaded.m_Flows[2].m_KeyConds.size());
    EXPECT_TRUE(loaded == chara);
}

TEST(Chara, TestPlayFlowsAreDroppedOnlyWhereTheProgramDropsThem) {
    cTempDir dir;
    cEdChara chara;
    chara.m_Graphic = 3;
    chara.m_Flows = {FlowOf(1, 0, 0), FlowOf(2, 0, 0, 1), FlowOf(3, 0, 0, 1), FlowOf(4, 0, 0), FlowOf(5, 0, 0)};
    ASSERT_TRUE(chara.SaveFile("c.dat"));

    cEdChara kept;
    ASSERT_TRUE(kept.LoadFile("c.dat"));
    EXPECT_EQ(5u, kept.m_Flows.size());

    cEdChara dropped;
    {
        cScopedSetting<bool> drop(DropsTestPlayFlows, SetDropTestPlayFlows, true);
        ASSERT_TRUE(dropped.LoadFile("c.dat"));
    }
    ASSERT_EQ(3u, dropped.m_Flows.size());
    EXPECT_EQ(1u, dropped.m_Flows[0].m_Conditions.size());
    EXPECT_EQ(4u, dropped.m_Flows[1].m_Conditions.size());
    EXPECT_EQ(5u, dropped.m_Flows[2].m_Conditions.size());
}

TEST(Chara, CopiesHaveFlowsOfTheirOwn) {
    cEdChara source;
    source.m_Flows = {FlowOf(0, 0, 1)};
    source.m_Flows[0].m_Commands[0].m_Move = cEdMove::Create();
    cEdChara copy(source);
    copy.m_Flows[0].m_Commands[0].m_Move->m_Speed = 77;
    copy.m_Flows[0].m_Commands.resize(2);
    EXPECT_EQ(10, source.m_Flows[0].m_Commands[0].m_Move->m_Speed);
    EXPECT_EQ(1u, source.m_Flows[0].m_Commands.size());
}

TEST(Chara, CopyOffsetsStepPerCopyAndMirrorFacingRight) {
    cEdChara chara;
    chara.m_OffsetX = 4;
    chara.m_OffsetXClone = -3;
    chara.m_OffsetY = -8;
    chara.m_OffsetYClone = 16;
    chara.m_FlipX = 1;
    chara.m_FlipY = 0;
    struct {
        int copy, direction;
        double x, y;
    } cases[] = {{0, 0, 4, -8}, {2, 0, -2, 24}, {2, 1, 2, 24}, {0, 1, -4, -8}, {1, 2, 1, 8}};
    for (const auto& c : cases) {
        EXPECT_EQ(c.x, chara.CopyOffsetX(c.copy, c.direction)) << c.copy << "," << c.direction;
        EXPECT_EQ(c.y, chara.CopyOffsetY(c.copy, c.direction)) << c.copy << "," << c.direction;
    }
    chara.m_FlipY = 1;
    EXPECT_EQ(8, chara.CopyOffsetY(0, 1));
}
