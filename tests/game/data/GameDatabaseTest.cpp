#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "data/ProjectDatabase.h"
#include "game/data/GameDatabase.h"
#include "tests/support/BoxAnswers.h"
#include "tests/support/TempDir.h"

namespace {

struct cFrameIn {
    int32_t cell, time, marker;
};

struct cCode {
    int32_t value, duration, flag;
};

cAnime AnimeOf(const std::vector<cFrameIn>& frames) {
    cAnime anime;
    anime.m_Frames.clear();
    for (const cFrameIn& in : frames) {
        anime.m_Frames.emplace_back();
        anime.m_Frames.back().m_Cell = in.cell;
        anime.m_Frames.back().m_Time = in.time;
        anime.m_Frames.back().m_RunCommand = in.marker;
    }
    return anime;
}

void ExpectPattern(const cAnimePattern& pattern, const std::vector<cCode>& codes) {
    ASSERT_EQ(codes.size(), pattern.size());
    for (size_t j = 0; j < codes.size(); ++j) {
        SCOPED_TRACE(j);
        EXPECT_EQ(codes[j].value, pattern[j].value);
        EXPECT_EQ(codes[j].duration, pattern[j].duration);
        EXPECT_EQ(codes[j].flag, pattern[j].uninterruptible);
    }
}

// Keeps the program's database and derived tables as they were.
class GameDatabaseTest : public ::testing::Test {
protected:
    void TearDown() override {
        ProjectDatabase() = m_saved;
        AnimePatternTable().clear();
        EffectPatternTable().clear();
        CharaEffectProtoTable().clear();
        ScrEffectProtoTable().clear();
    }
    cDatabase m_saved = ProjectDatabase();
};

TEST_F(GameDatabaseTest, AnimePatternsFollowTheirFramesAndMarks) {
    struct {
        const char* name;
        std::vector<cFrameIn> frames;
        std::vector<cCode> codes;
    } cases[] = {
        {"mark on the second frame locks it and the rest",
         {{3, 3, 0}, {4, 5, 1}, {5, 1, 0}},
         {{3, 18, 0}, {4, 30, 1}, {5, 6, 1}, {-4, 0, 0}}},
        {"no mark", {{3, 3, 0}, {4, 5, 0}, {5, 1, 0}}, {{3, 18, 0}, {4, 30, 0}, {5, 6, 0}, {-4, 0, 0}}},
        {"mark on the first frame", {{3, 3, 1}, {4, 5, 0}, {5, 1, 0}}, {{3, 18, 1}, {4, 30, 1}, {5, 6, 1}, {-4, 0, 0}}},
        {"no frames: the end alone", {}, {{-4, 0, 0}}},
        {"a time past the frame counter's range is held at its top",
         {{1, 0x7fffffff, 0}, {2, -5, 0}},
         {{1, 0x7fffffff, 0}, {2, 0, 0}, {-4, 0, 0}}},
    };
    cDatabase db;
    db.m_Animes.assign(1, AnimeOf({{9, 7, 0}, {8, 7, 0}}));
    for (const auto& c : cases) db.m_Animes.push_back(AnimeOf(c.frames));

    cAnimePatterns table;
    BuildAnimePatterns(table, db);
    ASSERT_EQ(db.m_Animes.size(), table.size());
    {
        SCOPED_TRACE("entry 0 loops one tick a frame and cannot be interrupted");
        ExpectPattern(table[0], {{9, 0, 1}, {8, 0, 1}, {-2, 0, 1}});
    }
    for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
        SCOPED_TRACE(cases[i].name);
        ExpectPattern(table[i + 1], cases[i].codes);
    }
    // Every pattern is one the player accepts: none of them loops without a frame to show.
    cAnimePlayer player;
    EXPECT_TRUE(player.SetPatterns(table));
}

TEST_F(GameDatabaseTest, EmptyFirstEntryEndsInsteadOfLooping) {
    cDatabase db;
    db.m_Animes.assign(1, AnimeOf({}));
    db.m_Effects.assign(1, cEffect());
    cAnimePatterns animes, effects;
    BuildAnimePatterns(animes, db);
    BuildEffectPatterns(effects, db);
    ExpectPattern(animes[0], {{-4, 0, 0}});
    ExpectPattern(effects[0], {{-4, 0, 0}});
    cAnimePlayer player;
    ASSERT_TRUE(player.SetPatterns(animes));
    EXPECT_EQ(-4, player.Update());
}

TEST_F(GameDatabaseTest, EffectPatternsHaveNoMarks) {
    cDatabase db;
    db.m_Effects.assign(3, cEffect());
    for (int i = 0; i < 3; ++i) {
        db.m_Effects[i].m_Frames.assign(2, cEffectFrame());
        db.m_Effects[i].m_Frames[0].m_Cell = 10 * i;
        db.m_Effects[i].m_Frames[1].m_Cell = 10 * i + 1;
        db.m_Effects[i].m_Frames[1].m_Time = 4;
    }
    cAnimePatterns table;
    BuildEffectPatterns(table, db);
    ASSERT_EQ(3u, table.size());
    ExpectPattern(table[0], {{0, 0, 1}, {1, 0, 1}, {-2, 0, 1}});
    ExpectPattern(table[1], {{10, 6, 0}, {11, 24, 0}, {-4, 0, 0}});
    ExpectPattern(table[2], {{20, 6, 0}, {21, 24, 0}, {-4, 0, 0}});
}

TEST_F(GameDatabaseTest, EffectStatesAreBuiltFromTheirEntriesByType) {
    struct {
        int type;
        int32_t params[5];
        double value, step;
        int32_t a, b;
    } chara[] = {
        {0, {10, 5, 9, 0, 0}, 0.0, 0.0, 0, 0},
        {1, {10, 0, 255, 0, 0}, 0.0, 255.0 / 60, 0, 0},
        {4, {2, 100, 40, 0, 0}, 100.0, 60.0 / 12, 0, 0},
        {6, {10, 5, 9, 0, 0}, 0.0, 1.0 / 6, 0, 0},
        {16, {0, 1, 4, 0, 0}, 1.0, 3.0 / 6, 0, 0},  // no run time: taken as one tenth
    }, screen[] = {
        {0, {10, 5, 9, 0, 0}, 0.0, 0.0, 0, 0},
        {1, {10, -640, 480, 0, 0}, 0.0, 1.0 / 6, -640, 480},
        {2, {10, 4, 4, 0, 0}, 0.0, 1.0 / 6, 0, 0},
        {6, {5, 0, 640, 15, 0}, 0.0, 640.0 / 30, 0, 0},
        {10, {10, 640, 0, 0, 0}, 640.0, 640.0 / 60, 0, 0},
    };
    cDatabase db;
    db.m_CharaEffects.clear();
    for (const auto& c : chara) {
        db.m_CharaEffects.emplace_back();
        db.m_CharaEffects.back().m_Type = c.type;
        for (int p = 0; p < 5; ++p) db.m_CharaEffects.back().m_Params[p] = c.params[p];
    }
    db.m_ScrEffects.clear();
    for (const auto& c : screen) {
        db.m_ScrEffects.emplace_back();
        db.m_ScrEffects.back().m_Type = c.type;
        for (int p = 0; p < 5; ++p) db.m_ScrEffects.back().m_Params[p] = c.params[p];
    }
    cEffectStates charaStates, screenStates;
    BuildCharaEffectProtos(charaStates, db);
    BuildScrEffectProtos(screenStates, db);
    ASSERT_EQ(5u, charaStates.size());
    ASSERT_EQ(5u, screenStates.size());
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(i, charaStates[i].nEffect);
        EXPECT_EQ(0, charaStates[i].nRepeat);
        EXPECT_DOUBLE_EQ(chara[i].value, charaStates[i].dValue);
        EXPECT_DOUBLE_EQ(chara[i].step, charaStates[i].dStep);
        EXPECT_EQ(i, screenStates[i].nEffect);
        EXPECT_DOUBLE_EQ(screen[i].value, screenStates[i].dValue);
        EXPECT_DOUBLE_EQ(screen[i].step, screenStates[i].dStep);
        EXPECT_EQ(screen[i].a, screenStates[i].nA);
        EXPECT_EQ(screen[i].b, screenStates[i].nB);
    }
}

TEST_F(GameDatabaseTest, StrictLoadBuildsEveryTableFromTheFiles) {
    cTempDir dir;
    CreateDirectoryA("data", nullptr);
    CreateDirectoryA("data\\database", nullptr);
    cDatabase written;
    written.m_Animes.push_back(AnimeOf({{7, 2, 0}}));
    written.m_Effects.resize(3);
    written.m_CharaEffects.resize(4);
    written.m_CharaEffects[0].m_Type = 5;
    written.m_ScrEffects[0].m_Type = 3;
    written.m_Pictures[1].m_Name = "絵\r\n";
    ASSERT_TRUE(written.Save());
    // The save already cleared the first types; the file gets them back to show the load does it.
    cDatabase raw;
    raw.m_CharaEffects = written.m_CharaEffects;
    raw.m_CharaEffects[0].m_Type = 5;
    ASSERT_TRUE(SaveVectorFile(raw.m_CharaEffects, "data\\database\\CharaEffect.dat"));

    ASSERT_TRUE(LoadGameDatabase());
    const cDatabase& db = ProjectDatabase();
    EXPECT_EQ(0, db.m_CharaEffects[0].m_Type);
    EXPECT_EQ(0, db.m_ScrEffects[0].m_Type);
    EXPECT_EQ("絵\n", db.m_Pictures[1].m_Name);
    EXPECT_EQ(3u, AnimePatternTable().size());
    ExpectPattern(AnimePatternTable()[2], {{7, 12, 0}, {-4, 0, 0}});
    EXPECT_EQ(3u, EffectPatternTable().size());
    EXPECT_EQ(4u, CharaEffectProtoTable().size());
    EXPECT_EQ(2u, ScrEffectProtoTable().size());
}

TEST_F(GameDatabaseTest, MissingTableStopsTheLoadAndWritesNothing) {
    cTempDir dir;
    CreateDirectoryA("data", nullptr);
    CreateDirectoryA("data\\database", nullptr);
    cDatabase written;
    ASSERT_TRUE(written.Save());
    ASSERT_TRUE(DeleteFileA("data\\database\\Picture.dat"));
    // Default folders that a lenient load would copy from.
    CreateDirectoryA("default", nullptr);
    CreateDirectoryA("default\\database", nullptr);
    dir.Write("default\\database\\Picture.dat", dir.Read("data\\database\\Sound.dat"));

    cBoxAnswers boxes;
    boxes.Answer(IDOK);
    EXPECT_FALSE(LoadGameDatabase());
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("data\\database\\Picture.dat のロードに失敗！", boxes.Shown()[0].text);
    EXPECT_FALSE(dir.Exists("data\\database\\Picture.dat"));
    EXPECT_TRUE(AnimePatternTable().empty());
    EXPECT_TRUE(CharaEffectProtoTable().empty());
}

}  // namespace
