// The music player's slots and its Play and Stop paths, with Vox.dll beside the test program
// and this machine's missing MIDI device.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "framework/BgmPlayer.h"
#include "framework/ErrorLog.h"
#include "framework/TestSeams.h"
#include "tests/framework/MidiBytes.h"
#include "tests/framework/TestMedia.h"
#include "tests/support/BoxAnswers.h"
#include "tests/support/TempDir.h"

namespace {

const int kSlots = 5;

class BgmPlayerTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(OpenReport("report.txt"));
        SetErrorLog(1, "log.txt");
        for (int i = 0; i < kSlots; ++i) {
            strcpy(m_ogg[i], "old.ogg");
            strcpy(m_midi[i], "old.mid");
        }
        m_dir.Write("song.mid", AsString(Smf(0, 96, {Bytes({0x00, 0x90, 0x3C, 0x40, 0x60, 0xFF, 0x2F, 0x00})})));
        m_dir.Write("tone.bgm", TestMediaBytes("tone.ogg"));
    }
    void TearDown() override { SetErrorLog(0, ""); }
    cVoxVoice* Voice() { return m_player.GetVox().GetVoice(0); }

    cTempDir m_dir;
    char m_ogg[kSlots][kOggNameLength];
    char m_midi[kSlots][kMidiNameLength];
    cBgmPlayer m_player;
    std::string m_tone = TestMediaPath("tone.ogg");
};

struct cSetFileCase {
    const char* file;
    bool result;
    int type;
    const char* ogg;
    const char* midi;
};

TEST_F(BgmPlayerTest, SetFileTypesTheSlotByItsExtension) {
    ASSERT_TRUE(m_player.Init(1, m_ogg, m_midi, kSlots));
    const cSetFileCase cases[] = {
        {"bgm\\a.mid", true, cBgmPlayer::kSlotMidi, "old.ogg", "bgm\\a.mid"},
        {"bgm\\a.ogg", true, cBgmPlayer::kSlotOgg, "bgm\\a.ogg", "old.mid"},
        {"bgm\\a.MID", false, cBgmPlayer::kSlotUnknown, "bgm\\a.MID", "bgm\\a.MID"},
        {"bgm\\a.wav", false, cBgmPlayer::kSlotUnknown, "bgm\\a.wav", "bgm\\a.wav"},
        {"noext", false, cBgmPlayer::kSlotUnknown, "", ""},
    };
    for (const cSetFileCase& c : cases) {
        SCOPED_TRACE(c.file);
        strcpy(m_ogg[2], "old.ogg");
        strcpy(m_midi[2], "old.mid");
        EXPECT_EQ(c.result, m_player.SetFile(2, c.file));
        EXPECT_EQ(c.type, m_player.GetSlotType(2));
        EXPECT_STREQ(c.ogg, m_ogg[2]);
        EXPECT_STREQ(c.midi, m_midi[2]);
    }
}

TEST_F(BgmPlayerTest, UninitialisedPlayerDoesNothingAndSucceeds) {
    EXPECT_TRUE(m_player.SetFile(0, "a.ogg"));
    EXPECT_STREQ("old.ogg", m_ogg[0]);
    EXPECT_TRUE(m_player.Play(0, 0, false, true));
    EXPECT_EQ(-1, m_player.GetCurrent());
}

TEST_F(BgmPlayerTest, OggAndMidiSlotsSilenceEachOther) {
    ASSERT_TRUE(m_player.Init(1, m_ogg, m_midi, kSlots));
    m_player.SetFile(0, m_tone.c_str());
    m_player.SetFile(1, "song.mid");

    EXPECT_TRUE(m_player.Play(0, 0, false, false));
    EXPECT_EQ(cBgmPlayer::kPlayingOgg, m_player.GetPlaying(0));
    EXPECT_TRUE(Voice()->IsPlaying());

    // The MIDI song loads and starts although this machine has no device to hear it on.
    DWORD start = GetTickCount();
    EXPECT_TRUE(m_player.Play(0, 1, false, false));
    EXPECT_LT(GetTickCount() - start, 5000u);
    EXPECT_EQ(cBgmPlayer::kPlayingMidi, m_player.GetPlaying(0));
    EXPECT_EQ(1, m_player.GetCurrent());
    EXPECT_FALSE(Voice()->IsPlaying());
    ASSERT_NE(nullptr, m_player.GetMidi().GetStream(0));
    EXPECT_TRUE(m_player.GetMidi().GetStream(0)->HasImage());
    EXPECT_EQ(0u, m_dir.Read("report.txt").find("Midi song.mid Open "));

    EXPECT_TRUE(m_player.Play(0, 0, false, false));
    EXPECT_TRUE(Voice()->IsPlaying());
    m_player.Stop();
    EXPECT_FALSE(Voice()->IsPlaying());
}

TEST_F(BgmPlayerTest, CurrentSlotIsRestartedOnlyWhenForced) {
    ASSERT_TRUE(m_player.Init(1, m_ogg, m_midi, kSlots));
    m_player.SetFile(0, m_tone.c_str());
    ASSERT_TRUE(m_player.Play(0, 0, false, false));
    Voice()->Stop();
    EXPECT_TRUE(m_player.Play(0, 0, false, false));
    EXPECT_FALSE(Voice()->IsPlaying());
    EXPECT_TRUE(m_player.Play(0, 0, false, true));
    EXPECT_TRUE(Voice()->IsPlaying());
}

// A stop leaves no slot current: the slot that played before it starts again without force, as
// a menu that comes back after a silent stage asks it to.
TEST_F(BgmPlayerTest, AStoppedSlotPlaysAgainWithoutForce) {
    ASSERT_TRUE(m_player.Init(1, m_ogg, m_midi, kSlots));
    m_player.SetFile(0, m_tone.c_str());
    m_player.SetFile(1, "song.mid");
    const struct {
        int slot, playing;
    } cases[] = {{0, cBgmPlayer::kPlayingOgg}, {1, cBgmPlayer::kPlayingMidi}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.slot);
        ASSERT_TRUE(m_player.Play(0, c.slot, false, false));
        m_player.Stop();
        EXPECT_EQ(-1, m_player.GetCurrent());
        EXPECT_EQ(cBgmPlayer::kPlayingNone, m_player.GetPlaying(0));
        EXPECT_TRUE(m_player.Play(0, c.slot, false, false));
        EXPECT_EQ(c.slot, m_player.GetCurrent());
        EXPECT_EQ(c.playing, m_player.GetPlaying(0));
        EXPECT_EQ(c.playing == cBgmPlayer::kPlayingOgg, Voice()->IsPlaying());
    }
    // Each start of the MIDI song opens a stream of its own, which this machine refuses aloud.
    const std::string report = m_dir.Read("report.txt");
    const std::string opened = "Midi song.mid Open ";
    EXPECT_NE(std::string::npos, report.find(opened, report.find(opened) + 1)) << report;
}

TEST_F(BgmPlayerTest, UnknownTypeTriesOggFirstThenMidi) {
    ASSERT_TRUE(m_player.Init(1, m_ogg, m_midi, kSlots));
    // An Ogg song under another extension plays as Ogg.
    m_player.SetFile(0, "tone.bgm");
    EXPECT_TRUE(m_player.Play(0, 0, true, false));
    EXPECT_EQ(cBgmPlayer::kPlayingOgg, m_player.GetPlaying(0));
    // Capitals make an unknown slot: not Ogg, and the MIDI player takes only "mid".
    m_player.SetFile(1, "song.MID");
    EXPECT_FALSE(m_player.Play(0, 1, false, false));
    EXPECT_EQ(cBgmPlayer::kPlayingNone, m_player.GetPlaying(0));
    EXPECT_EQ(-1, m_player.GetCurrent());
    EXPECT_FALSE(Voice()->IsPlaying());
}

TEST_F(BgmPlayerTest, WithoutTheOggLibraryMidiStillPlays) {
    SetVoxLibraryName("NoSuchVox.dll");
    cBoxAnswers boxes;
    EXPECT_FALSE(m_player.Init(1, m_ogg, m_midi, kSlots));
    SetVoxLibraryName(nullptr);
    ASSERT_EQ(1u, boxes.Shown().size());
    EXPECT_EQ("oggの初期化に失敗！", boxes.Shown()[0].text);
    EXPECT_EQ("m_Vox.Init失敗！\r\n", m_dir.Read("log.txt"));
    EXPECT_TRUE(m_player.IsInitialized());

    m_player.SetFile(0, m_tone.c_str());
    EXPECT_FALSE(m_player.Play(0, 0, false, false));
    m_player.SetFile(1, "song.mid");
    EXPECT_TRUE(m_player.Play(0, 1, false, false));
    EXPECT_EQ(cBgmPlayer::kPlayingMidi, m_player.GetPlaying(0));
    EXPECT_EQ(1u, boxes.Shown().size());
}

TEST_F(BgmPlayerTest, BadSlotIsReportedAndPlaysNothing) {
    ASSERT_TRUE(m_player.Init(1, m_ogg, m_midi, kSlots));
    EXPECT_FALSE(m_player.SetFile(kSlots, "a.ogg"));
    EXPECT_FALSE(m_player.Play(0, kSlots, false, false));
    EXPECT_FALSE(m_player.Play(1, 0, false, false)) << "no such channel";
    EXPECT_EQ("err V[5] ( 5 , 4 )\r\nerr V[5] ( 5 , 4 )\r\nerr V[1] ( 1 , 4 )\r\n", m_dir.Read("report.txt"));
}

TEST_F(BgmPlayerTest, ReleaseStopsAndUninitialises) {
    ASSERT_TRUE(m_player.Init(1, m_ogg, m_midi, kSlots));
    m_player.SetFile(0, m_tone.c_str());
    ASSERT_TRUE(m_player.Play(0, 0, false, false));
    m_player.Release();
    EXPECT_FALSE(m_player.IsInitialized());
    EXPECT_EQ(nullptr, Voice());
    EXPECT_TRUE(m_player.Play(0, 0, false, true));
    // The names stay in the caller's tables for the next set-up.
    EXPECT_STREQ(m_tone.c_str(), m_ogg[0]);
}

}  // namespace
