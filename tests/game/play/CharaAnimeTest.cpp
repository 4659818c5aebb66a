#include <gtest/gtest.h>

#include "data/ProjectDatabase.h"
#include "game/data/GameDatabase.h"
#include "tests/game/play/CharaFixture.h"

namespace {

cAnimeFrame Frame(int cell, int tenths, int mark = 0) {
    cAnimeFrame frame;
    frame.m_Cell = cell;
    frame.m_Time = tenths;
    frame.m_RunCommand = mark;
    return frame;
}

cAnime Anime(std::vector<cAnimeFrame> frames) {
    cAnime anime;
    anime.m_Frames.assign(frames.begin(), frames.end());
    return anime;
}

}  // namespace

class CharaAnimes : public CharaFixture {
protected:
    CharaAnimes() : m_SavedDatabase(ProjectDatabase()), m_SavedPatterns(AnimePatternTable()) {}

    cRestoreOnExit<cDatabase> m_SavedDatabase;
    cRestoreOnExit<cAnimePatterns> m_SavedPatterns;
};

// A character's animations come from its animation set, each frame six times as long; an
// animation without frames shows picture 0 rather than losing the whole set.
TEST_F(CharaAnimes, TheAnimationSetGivesTheAnimations) {
    cAnimeSet set;
    set.m_Slots.clear();
    set.m_Slots.push_back(Anime({Frame(7, 1), Frame(8, 2)}));
    set.m_Slots.push_back(Anime({}));
    ProjectDatabase().m_AnimeSets.assign(2, set);
    cCharaActor chara = Chara({});
    chara.SetAnimeSet(1);
    EXPECT_EQ(1, chara.m_AnimeSet);
    const struct {
        int pattern, ticks, value;
    } cases[] = {{0, 1, 7}, {0, 6, 8}, {0, 17, 8}, {0, 18, 7}, {1, 1, 0}, {1, 5, 0}};
    for (const auto& c : cases) {
        chara.m_Anime.SetPattern(1 - c.pattern, 1);
        ASSERT_EQ(1, chara.m_Anime.SetPattern(c.pattern, 1));
        int value = -1;
        for (int t = 0; t < c.ticks; ++t) value = chara.m_Anime.Update();
        EXPECT_EQ(c.value, value) << "pattern " << c.pattern << " after " << c.ticks;
    }
}

// Commands that name an effect animation: the schedule lays each against the time of the commands
// before it that showed the same animation, and a command longer than what is left holds the
// last frame. The effect starts as its command becomes current, carrying on the one before.
TEST_F(CharaAnimes, EffectsFollowTheirCommands) {
    cDatabase& database = ProjectDatabase();
    database.m_Animes.resize(3);
    database.m_Animes[1] = Anime({Frame(3, 1), Frame(4, 1, 1), Frame(5, 1)});
    database.m_Animes[2] = Anime({Frame(5, 2), Frame(6, 1)});
    BuildAnimePatterns(AnimePatternTable(), database);
    cFlow flow = Flow(0, 0, 0, 4);
    const int animes[] = {1, 1, 2, 0}, times[] = {1, 2, 5, 1};
    for (int i = 0; i < 4; ++i) {
        flow.m_Commands[i].m_Anime = static_cast<uint16_t>(animes[i]);
        flow.m_Commands[i].m_Time = static_cast<uint16_t>(times[i]);
        flow.m_Commands[i].m_Parallel = 0;
    }
    cCharaActor chara = Chara({flow});
    cFlowRunner& runner = chara.m_Runners.at(0);
    const struct {
        int command, anime, offset, length, repeat;
    } schedule[] = {{0, 1, 0, 6, 0}, {1, 1, 6, 6, 1}, {2, 2, 0, 18, 1}};
    ASSERT_EQ(3u, runner.m_Effects.size());
    for (size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(schedule[i].command, runner.m_Effects[i].m_Command);
        EXPECT_EQ(schedule[i].anime, runner.m_Effects[i].m_Anime);
        EXPECT_EQ(schedule[i].offset, runner.m_Effects[i].m_Offset);
        EXPECT_EQ(schedule[i].length, runner.m_Effects[i].m_Length);
        EXPECT_EQ(schedule[i].repeat, runner.m_Effects[i].m_Repeat);
    }

    runner.m_Running = 1;
    const struct {
        int current;
        bool fresh, paused;
        size_t animes;
        int frontRow, frontFrame;
    } steps[] = {
        {0, true, false, 1, 1, 0}, {0, false, false, 1, 1, 0}, {1, true, true, 1, 1, 0},
        {1, true, false, 1, 1, 1}, {2, true, false, 2, 2, 0},  {3, true, false, 2, 2, 0},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(testing::Message() << "command " << s.current << (s.fresh ? " fresh" : " running"));
        runner.m_Current = s.current;
        runner.m_Paused = s.paused;
        cFlowCmdEntry& entry = runner.m_Entries[s.current];
        entry.Reset();
        if (!s.fresh) --entry.m_Remaining;
        chara.StartFlowEffects();
        ASSERT_EQ(s.animes, chara.m_Animes.size());
        EXPECT_EQ(s.frontRow, chara.m_Animes.front().m_AnimeRow);
        EXPECT_EQ(runner.m_Key, chara.m_Animes.front().m_FlowKey);
        EXPECT_EQ(s.frontFrame, chara.m_Animes.front().m_Player.GetFrame());
    }
    // The held last frame: command 1 outlasts what is left of the animation by its whole time.
    cRunningAnime carried = *std::next(chara.m_Animes.begin());
    int shown = 0;
    for (int t = 0; t < 6 + 12 && shown >= 0; ++t) shown = carried.m_Player.Update();
    EXPECT_EQ(5, shown);
}
