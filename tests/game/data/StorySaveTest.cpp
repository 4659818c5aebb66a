#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "data/ProjectData.h"
#include "game/data/StorySave.h"
#include "tests/data/Bytes.h"
#include "tests/support/TempDir.h"

namespace {

// Each test sets the project's world map and challenge count it needs and gets the program's
// back afterwards.
class StorySave : public testing::Test {
protected:
    StorySave() : m_System(ProjectSystemData()), m_Map(ProjectWorldMap()), m_Slots(StorySlots()) {}
    void SetUp() override {
        ProjectWorldMap().m_Width = 20;
        ProjectWorldMap().m_Height = 15;
        ProjectWorldMap().m_StartX = 3;
        ProjectWorldMap().m_StartY = 4;
        ProjectSystemData().m_WorldCount = 2;
    }
    void TearDown() override {
        ProjectSystemData() = m_System;
        ProjectWorldMap() = m_Map;
        StorySlots() = m_Slots;
    }
    void MakeStoryFolder() {
        CreateDirectoryA("user_data", nullptr);
        CreateDirectoryA("user_data\\story", nullptr);
    }

    cSystemData m_System;
    cWorldMap m_Map;
    cRecordVector<cStorySlotHeader> m_Slots;
};

std::string SaveBytes(cStorySave& save) {
    cTempDir dir;
    EXPECT_TRUE(save.SaveFile("s.dat"));
    return dir.Read("s.dat");
}

}  // namespace

TEST_F(StorySave, ANewGame) {
    cStorySave save;
    EXPECT_EQ(1u, save.m_PlayerStock.size());
    ASSERT_EQ(1000u, save.m_ClearFlags.size());
    EXPECT_EQ(1, save.m_ClearFlags[0]);
    EXPECT_EQ(0, save.m_ClearFlags[1]);
    EXPECT_EQ(256u, save.m_Variables.size());
    EXPECT_TRUE(save.m_StageBest.empty());
    EXPECT_TRUE(save.m_Challenges.empty());
    EXPECT_EQ(1, save.m_ChallengeIndex);
    EXPECT_EQ("aaa", save.m_PlayerName);
    EXPECT_EQ(0, save.m_StockValid + save.m_WorldX + save.m_Lives + save.m_TotalScore);
    EXPECT_EQ(99u, StorySlots().size());
    for (const cStorySlotHeader& h : StorySlots()) EXPECT_EQ(0, h.m_Used);
}

TEST_F(StorySave, SlotPaths) {
    struct {
        int slot;
        const char* path;
    } cases[] = {{0, "user_data\\story\\Story01.dat"},
                 {9, "user_data\\story\\Story10.dat"},
                 {98, "user_data\\story\\Story99.dat"},
                 {99, "user_data\\story\\Story00.dat"}};
    for (const auto& c : cases) EXPECT_EQ(c.path, MakeStoryPath(c.slot)) << c.slot;
}

TEST_F(StorySave, FileBytesFollowTheLayoutAndRoundTrip) {
    cTempDir dir;
    MakeStoryFolder();
    cStorySave save;
    save.m_PlayerStock.clear();
    int32_t* ints = &save.m_StockValid;
    std::vector<int32_t> values;
    for (int i = 0; i < 20; ++i) values.push_back(100 + i);
    values[1] = 5;   // worldX inside the map
    values[2] = 6;   // worldY
    values[16] = 2;  // challengeIndex, at the challenge count
    for (int i = 0; i < 20; ++i) ints[i] = values[i];
    save.m_StageFile = "data\\stg4\\s1.";
    save.m_PlayerName = "ＡＢ";
    save.m_SaveTime = {2026, 12, 3, 9, 23, 45, 6, 7};
    save.RecordStageBest("data\\stg4\\s1.", 500);
    save.m_Challenges.resize(2);
    save.m_Challenges[1].m_Cleared = 1;
    save.m_Challenges[1].m_BestScore = 77;
    save.m_ClearFlags = {1, 0, 1};
    save.m_Variables = {-1, 9};
    ASSERT_TRUE(WriteStory(save, 4));

    cBytes b;
    b.U32(147).U32(20);
    for (int32_t v : values) b.I32(v);
    b.U32(2).Str("data\\stg4\\s1.").Str("ＡＢ");
    for (int v : {2026, 12, 3, 9, 23, 45, 6, 7}) b.U16(static_cast<uint16_t>(v));
    b.U32(0);                                          // stock
    b.U32(1).U32(1).I32(500).U32(1).Str("data\\stg4\\s1.");  // stage bests
    b.U32(2).U32(2).I32(0).I32(0).U32(0).U32(2).I32(1).I32(77).U32(0);  // challenges
    b.U32(3).I32(1).I32(0).I32(1);
    b.U32(2).I32(-1).I32(9);
    EXPECT_EQ(b.Get(), dir.Read("user_data\\story\\Story05.dat"));
    EXPECT_EQ(1, StorySlots()[4].m_Used);
    EXPECT_EQ(45, StorySlots()[4].m_SaveTime.wMinute);

    cStorySave loaded;
    ASSERT_TRUE(ReadStory(loaded, 4));
    EXPECT_EQ(b.Get(), SaveBytes(loaded));

    // Challenge.dat is the same layout.
    ASSERT_TRUE(save.SaveFile("Challenge.dat"));
    EXPECT_EQ(b.Get(), dir.Read("Challenge.dat"));
}

TEST_F(StorySave, TheStockRoundTripsWithItsCharacter) {
    ProjectSystemData().m_StockTargets.assign(22, 1);
    cStorySave save;
    cEdChara hero;
    hero.m_Graphic = 7;
    hero.m_AnimeSet = 3;
    hero.m_Hp = 40;
    hero.m_Scale = 2;
    hero.m_SightRange = 5;
    save.StoreStock(0, hero, 12, 3, 4, 300, 8, 2);
    std::string bytes = SaveBytes(save);
    cTempDir dir;
    dir.Write("s.dat", bytes);
    cStorySave loaded;
    ASSERT_TRUE(loaded.LoadFile("s.dat"));
    EXPECT_EQ(bytes, SaveBytes(loaded));
    EXPECT_EQ(1, loaded.m_StockValid);
    EXPECT_EQ(7, loaded.m_PlayerStock[0].m_Chara.m_Graphic);
    EXPECT_EQ(300, loaded.m_PlayerStock[0].m_RemainingTime);
}

TEST_F(StorySave, StockCarriesTheChosenProperties) {
    cEdChara hero;
    hero.m_Graphic = 7;
    hero.m_GraphicShift = 2;
    hero.m_AnimeSet = 3;
    hero.m_Z = 4;
    hero.m_Hp = 40;
    hero.m_Sp = 30;
    hero.m_Scale = 2;
    hero.m_SightShape = 1;
    hero.m_SightRange = 5;
    hero.m_Flight = 1;
    hero.m_BodyPower = 11;
    struct {
        const char* name;
        std::vector<int> flags;
        // What a blank character and stage get back, and the hit and skill points.
        int graphic, animeSet, z, maxHp, scale, sight, flight, startEffect, power;
        int timeLimit, bgm, lives, hp, sp;
    } cases[] = {
        {"nothing chosen", {}, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, -1, -1, -1, -1},
        {"graphic and anime set", {0, 1}, 7, 3, 0, 0, 0, 0, 0, 0, 0, -1, -1, -1, -1, -1},
        {"every property", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21},
         7, 3, 4, 40, 2, 5, 1, 9, 11, 300, 6, 8, 12, 3},
        {"only the values of the stock", {10, 11, 19, 20, 21}, 0, 0, 0, 0, 0, 0, 0, 0, 0, 300, 6, 8, 12, 3},
        {"the view takes both members", {9}, 0, 0, 0, 0, 0, 5, 0, 0, 0, -1, -1, -1, -1, -1},
    };
    for (const auto& c : cases) {
        ProjectSystemData().m_StockTargets.assign(22, 0);
        for (int f : c.flags) ProjectSystemData().m_StockTargets[f] = 1;
        cStorySave save;
        save.m_Lives = -1;
        save.StoreStock(0, hero, 12, 3, 9, 300, 8, 6);
        EXPECT_EQ(1, save.m_StockValid) << c.name;
        cEdChara back;
        back.Reset();
        cEdStage stage;
        stage.m_TimeLimit = -1;
        stage.m_Bgm = -1;
        save.RestoreStock(0, back, stage);
        int hp = -1, sp = -1;
        save.RestoreStockHpSp(0, hp, sp);
        EXPECT_EQ(c.graphic, back.m_Graphic) << c.name;
        EXPECT_EQ(c.graphic ? 2 : 0, back.m_GraphicShift) << c.name;
        EXPECT_EQ(c.animeSet, back.m_AnimeSet) << c.name;
        EXPECT_EQ(c.z, back.m_Z) << c.name;
        EXPECT_EQ(c.maxHp, back.m_Hp) << c.name;
        EXPECT_EQ(c.scale, back.m_Scale) << c.name;
        EXPECT_EQ(c.sight, back.m_SightRange) << c.name;
        EXPECT_EQ(c.sight ? 1 : 0, back.m_SightShape) << c.name;
        EXPECT_EQ(c.flight, back.m_Flight) << c.name;
        EXPECT_EQ(c.startEffect, back.m_StartEffect) << c.name;
        EXPECT_EQ(c.power, back.m_BodyPower) << c.name;
        EXPECT_EQ(c.timeLimit, stage.m_TimeLimit) << c.name;
        EXPECT_EQ(c.bgm, stage.m_Bgm) << c.name;
        EXPECT_EQ(c.lives, save.m_Lives) << c.name;
        EXPECT_EQ(c.hp, hp) << c.name;
        EXPECT_EQ(c.sp, sp) << c.name;
    }

    // A stored blank graphic comes back as graphic 1; nothing comes back before any store.
    ProjectSystemData().m_StockTargets.assign(22, 1);
    cStorySave save;
    cEdChara target;
    target.m_Graphic = 9;
    cEdStage stage;
    save.RestoreStock(0, target, stage);
    EXPECT_EQ(9, target.m_Graphic);
    int hp = 5, sp = 6;
    save.RestoreStockHpSp(0, hp, sp);
    EXPECT_EQ(5, hp);
    EXPECT_EQ(6, sp);
    cEdChara blank;
    blank.Reset();
    save.StoreStock(0, blank, 0, 0, 0, 0, 0, 0);
    save.RestoreStock(0, target, stage);
    EXPECT_EQ(1, target.m_Graphic);
}

TEST_F(StorySave, NormalizeFollowsTheProject) {
    struct {
        const char* name;
        int x, y, challengesBefore, index, count;
        int endX, endY, endIndex;
    } cases[] = {
        {"inside the map", 19, 14, 2, 2, 2, 19, 14, 2},
        {"past the width", 20, 5, 2, 1, 2, 3, 5, 1},
        {"past the height", 5, 15, 2, 1, 2, 5, 4, 1},
        {"negative", -1, -7, 2, 1, 2, 3, 4, 1},
        {"the challenge count grew from 3 to 5", 0, 0, 3, 3, 5, 0, 0, 3},
        {"it shrank to 1", 0, 0, 3, 3, 1, 0, 0, 1},
        {"a count past what any project has", 0, 0, 0, 1, 1 << 30, 0, 0, 1},
    };
    for (const auto& c : cases) {
        ProjectSystemData().m_WorldCount = c.count;
        cStorySave save;
        save.m_WorldX = c.x;
        save.m_WorldY = c.y;
        save.m_Challenges.resize(c.challengesBefore);
        for (cTwoIntRecord& r : save.m_Challenges) r.m_Cleared = r.m_BestScore = 1;
        save.m_ChallengeIndex = c.index;
        save.Normalize();
        EXPECT_EQ(c.endX, save.m_WorldX) << c.name;
        EXPECT_EQ(c.endY, save.m_WorldY) << c.name;
        EXPECT_EQ(c.endIndex, save.m_ChallengeIndex) << c.name;
        size_t count = std::min(c.count, 1000);
        ASSERT_EQ(count, save.m_Challenges.size()) << c.name;
        for (size_t i = 0; i < count; ++i)
            EXPECT_EQ(i < static_cast<size_t>(c.challengesBefore) ? 2 : 0,
                      save.m_Challenges[i].m_Cleared + save.m_Challenges[i].m_BestScore)
                << c.name << " " << i;
    }

    // A save made outside the map loads at its start, with the project's challenge count.
    cTempDir dir;
    ProjectSystemData().m_WorldCount = 3;
    ProjectWorldMap().m_Width = 200;
    cStorySave save;
    save.m_WorldX = 150;
    ASSERT_TRUE(save.SaveFile("s.dat"));
    ProjectWorldMap().m_Width = 20;
    ProjectSystemData().m_WorldCount = 5;
    cStorySave loaded;
    ASSERT_TRUE(loaded.LoadFile("s.dat"));
    EXPECT_EQ(3, loaded.m_WorldX);
    EXPECT_EQ(5u, loaded.m_Challenges.size());
}

TEST_F(StorySave, RestartAndStageBests) {
    cStorySave save;
    save.m_ClearFlags[5] = 1;
    save.m_WorldX = 9;
    save.Restart();
    save.Restart();
    EXPECT_EQ(2, save.m_CycleCount);
    for (int32_t flag : save.m_ClearFlags) EXPECT_EQ(0, flag);
    EXPECT_EQ(3, save.m_WorldX);
    EXPECT_EQ(4, save.m_WorldY);

    save.RecordStageBest("data\\stg4\\a.", 50);
    save.RecordStageBest("data\\stg4\\b.", 10);
    save.RecordStageBest("data\\stg4\\a.", 40);
    save.RecordStageBest("data\\stg4\\b.", 30);
    save.RecordStageBest("data\\stg4\\a", 99);
    EXPECT_EQ(50, save.GetStageBest("data\\stg4\\a."));
    EXPECT_EQ(30, save.GetStageBest("data\\stg4\\b."));
    EXPECT_EQ(99, save.GetStageBest("data\\stg4\\a"));
    EXPECT_EQ(0, save.GetStageBest("data\\stg4\\c."));
    EXPECT_EQ(0, save.GetStageBest("DATA\\stg4\\a."));
    EXPECT_EQ(3u, save.m_StageBest.size());
}

TEST_F(StorySave, StageNumbersAndVariablesOutsideTheVectorsAreIgnored) {
    cStorySave save;
    save.SetClearFlag(999, 1);
    save.SetVariable(255, -4);
    EXPECT_EQ(1, save.ClearFlag(999));
    EXPECT_EQ(-4, save.Variable(255));
    for (int bad : {-1, 1000, 1 << 30}) {
        save.SetClearFlag(bad, 1);
        EXPECT_EQ(0, save.ClearFlag(bad)) << bad;
    }
    for (int bad : {-1, 256, 70000}) {
        save.SetVariable(bad, 3);
        EXPECT_EQ(0, save.Variable(bad)) << bad;
    }
    EXPECT_EQ(1000u, save.m_ClearFlags.size());
    EXPECT_EQ(256u, save.m_Variables.size());
}

TEST_F(StorySave, SetStageFile) {
    struct {
        const char* path;
        const char* name;
        int series;
    } cases[] = {
        {"data\\stg4\\stage1.stg4", "data\\stg4\\stage1.", 0},
        {"data\\stg4\\c03-1.stg4", "data\\stg4\\c03.", 1},
        {"data\\stg4\\c01-1.stg4_147", "data\\stg4\\c01.", 1},
        {"data\\stg4\\c01-12.stg4", "data\\stg4\\c01-12.", 0},
        {"data\\stg4\\a-1b.stg4", "data\\stg4\\a-1b.", 0},
        {"data\\stg-1\\stage.stg4", "data\\stg-1\\stage.", 0},
        {"data\\s.t-1\\stage", "", 0},
        {"stage", "", 0},
        {"", "", 0},
        {"-1.stg4", ".", 1},
        {"x\\-1.stg4", "x\\.", 1},
        // 表 and ソ end in the byte of '\\': the name after them is still the file's.
        {"data\\stg4\\c01-1.表", "data\\stg4\\c01.", 1},
        {"data\\stg4\\ソ.ソ", "data\\stg4\\ソ.", 0},
    };
    for (const auto& c : cases) {
        cStorySave save;
        save.m_SeriesFlag = 7;
        save.SetStageFile(c.path);
        EXPECT_EQ(c.name, save.m_StageFile) << c.path;
        EXPECT_EQ(c.series, save.m_SeriesFlag) << c.path;
    }
}

TEST_F(StorySave, ShortOrDamagedSlotsFailAndLeaveTheStateAlone) {
    cTempDir dir;
    MakeStoryFolder();
    cStorySave good;
    good.m_Score = 1234;
    good.m_SaveTime.wYear = 2025;
    ASSERT_TRUE(WriteStory(good, 0));
    std::string bytes = dir.Read("user_data\\story\\Story01.dat");
    std::vector<std::string> bad = {"", bytes.substr(0, 4), bytes.substr(0, 50), bytes.substr(0, bytes.size() - 1)};
    for (size_t cut = 7; cut < bytes.size(); cut += 97) bad.push_back(bytes.substr(0, cut));
    std::string hugeCount = bytes;
    hugeCount[bytes.size() - 4 * 256 - 4 + 3] = '\x7f';  // the variables' count
    bad.push_back(hugeCount);
    for (const std::string& b : bad) {
        dir.Write("user_data\\story\\Story02.dat", b);
        cStorySave state;
        state.m_Score = 5;
        EXPECT_FALSE(ReadStory(state, 1)) << b.size();
        EXPECT_EQ(5, state.m_Score) << b.size();
    }
    cStorySave state;
    EXPECT_FALSE(ReadStory(state, 2));  // no file
    ASSERT_TRUE(ReadStory(state, 0));
    EXPECT_EQ(1234, state.m_Score);

    // The slot list: the good slot is used with its time, the damaged and missing ones are not.
    cRecordVector<cStorySlotHeader> headers(4);
    headers[2].m_Used = 1;
    ReadStorySlots(headers);
    EXPECT_EQ(1, headers[0].m_Used);
    EXPECT_EQ(2025, headers[0].m_SaveTime.wYear);
    EXPECT_EQ(0, headers[1].m_Used);
    EXPECT_EQ(0, headers[2].m_Used);
    EXPECT_EQ(0, headers[3].m_Used);
}

TEST_F(StorySave, ASaveThatCannotBeWrittenFailsAndKeepsTheOldSlot) {
    cTempDir dir;
    MakeStoryFolder();
    cStorySave first;
    first.m_Score = 1;
    ASSERT_TRUE(WriteStory(first, 2));
    std::string old = dir.Read("user_data\\story\\Story03.dat");
    StorySlots()[2].m_SaveTime.wYear = 1999;
    // The save's temporary file cannot be made where a folder of its name stands.
    CreateDirectoryA("user_data\\story\\Story03.dat.tmp~", nullptr);
    cStorySave second;
    second.m_Score = 2;
    second.m_SaveTime.wYear = 2030;
    EXPECT_FALSE(WriteStory(second, 2));
    EXPECT_EQ(old, dir.Read("user_data\\story\\Story03.dat"));
    EXPECT_EQ(1999, StorySlots()[2].m_SaveTime.wYear);
    // No folder at all: a slot never saved stays unused.
    RemoveDirectoryA("user_data\\story\\Story03.dat.tmp~");
    cTempDir empty;
    EXPECT_FALSE(WriteStory(second, 7));
    EXPECT_EQ(0, StorySlots()[7].m_Used);
}

TEST_F(StorySave, TheShownRankingKindStepsOverTheKindsShown) {
    struct {
        const char* name;
        std::vector<uint8_t> shown;
        int from;
        int n;
        int to;
    } cases[] = {
        {"all shown: one forward", {1, 1, 1}, 0, 1, 1},
        {"all shown: forward wraps", {1, 1, 1}, 2, 1, 0},
        {"all shown: back wraps", {1, 1, 1}, 0, -1, 2},
        {"only 2 shown: round to itself", {0, 0, 1}, 2, 1, 2},
        {"only 2 shown: n 0 moves off a hidden kind", {0, 0, 1}, 0, 0, 2},
        {"n 0 stays on a shown kind", {1, 0, 1}, 0, 0, 0},
        {"1 hidden: two forward", {1, 0, 1}, 0, 2, 0},
        {"1 hidden: back skips it", {1, 0, 1}, 2, -1, 0},
        {"none shown: never moves", {0, 0, 0}, 1, 1, 1},
        {"an empty list: never moves", {}, 1, -1, 1},
        {"a saved kind out of range starts from 0", {1, 1, 1}, 77, 1, 1},
    };
    for (const auto& c : cases) {
        cStorySave save;
        ProjectSystemData().m_RankingSettings.At(1).m_Shown.assign(c.shown.begin(), c.shown.end());
        save.m_ShownRankKind = c.from;
        save.StepCursorOverShown(1, c.n);
        EXPECT_EQ(c.to, save.m_ShownRankKind) << c.name;
    }
    cStorySave save;
    save.m_ShownRankKind = 1;
    save.StepCursorOverShown(9, 1);  // no such play kind
    save.StepCursorOverShown(-1, 1);
    EXPECT_EQ(1, save.m_ShownRankKind);
}
