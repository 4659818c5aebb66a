// The songs the menus and play hand the music player, by the files it opens: the Bgm table's paths
// as the project names them, the menus in their own slots, play in slot 4.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "data/ProjectData.h"
#include "data/ProjectDatabase.h"
#include "game/core/GameGlobals.h"
#include "game/core/GameInit.h"
#include "game/core/MenuScreen.h"
#include "game/core/OptionData.h"
#include "game/core/StageMusic.h"
#include "tests/support/BoxAnswers.h"
#include "tests/support/RestoreOnExit.h"
#include "tests/support/TempDir.h"

namespace {

// The file the MIDI player opened last, "" when none.
std::string OpenedSong() {
    cMidiStream* stream = BgmPlayer().GetMidi().GetStream(0);
    return stream ? stream->GetFileName() : std::string();
}

}  // namespace

TEST(Music, MenusAndPlayOpenTheTablesFilesInTheirSlots) {
    cTempDir dir;
    cBoxAnswers boxes;
    cRestoreOnExit<cDatabase> database{ProjectDatabase()};
    cRestoreOnExit<cSystemData> system{ProjectSystemData()};
    cRestoreOnExit<cOptionData> options{OptionData()};
    ProjectDatabase().m_Bgms.resize(6);
    const char* const files[] = {"bgm\\Title.mid", "bgm\\WorldMap.mid", "bgm\\Challenge.mid",
                                 "bgm\\Option.mid", "bgm\\Stage.mid", "bgm\\Free.mid"};
    // Each a song of one empty track, so that the player takes it.
    const std::string song("MThd\0\0\0\6\0\0\0\1\0\x60MTrk\0\0\0\4\0\xFF\x2F\0", 26);
    CreateDirectoryA("bgm", nullptr);
    for (int i = 0; i < 6; ++i) {
        ProjectDatabase().m_Bgms[i].m_File = files[i];
        dir.Write(files[i], song);
    }
    for (int i = 0; i < cSystemData::kMenuMusic; ++i) ProjectSystemData().m_MenuMusic[i] = i;
    OptionData().m_Music = 1;
    StartMusicPlayer();
    ASSERT_TRUE(BgmPlayer().IsInitialized());

    PlayMenuMusic(1);
    EXPECT_EQ("bgm\\WorldMap.mid", OpenedSong()) << "the world map's";
    EXPECT_EQ(1, BgmPlayer().GetCurrent());
    PlayStageMusic(5);
    EXPECT_EQ("bgm\\Free.mid", OpenedSong()) << "the table's row 5";
    EXPECT_EQ(kStageMusicSlot, BgmPlayer().GetCurrent());
    PlayStageMusic(4);
    EXPECT_EQ("bgm\\Stage.mid", OpenedSong()) << "another song in the same slot";
    PlayMenuMusic(0);
    EXPECT_EQ("bgm\\Title.mid", OpenedSong());
    BgmPlayer().Release();
}
