#include <gtest/gtest.h>

#include <string>
#include <atomic>
#include <thread>
#include <vector>

#include "framework/ErrorLog.h"
#include "game/media/Sound.h"
#include "tests/game/media/DisplayFixture.h"
#include "tests/game/media/WaveFixture.h"
#include "tests/support/TempDir.h"

namespace {

// DirectSound on ALSA's null device (the test rig's HOME sets it as the default).
class Sound : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(DS_Init(m_Window.Handle(), 22050, 8, 1)); }
    void TearDown() override { DSUnInit(); }

    std::string Log() const { return m_Dir.Exists("log.txt") ? m_Dir.Read("log.txt") : std::string(); }
    // A second of 8-bit mono: long enough to be still playing when a test looks.
    void WriteSecond(const char* name) const { m_Dir.Write(name, PcmWave(1, 22050, 8, std::string(22050, '\x80'))); }

    cTempDir m_Dir;
    cTestLog m_Log;
    cTestWindow m_Window{64, 64};
    // DSLoadSounds remembers these until DSUnInit.
    cSoundVector m_Entries;
    cSoundTable m_Table;
};

std::string BufferBytes(IDirectSoundBuffer* buffer) {
    void* p1 = nullptr;
    void* p2 = nullptr;
    DWORD n1 = 0, n2 = 0;
    if (FAILED(buffer->Lock(0, 0, &p1, &n1, &p2, &n2, DSBLOCK_ENTIREBUFFER))) return "(lock failed)";
    std::string bytes(static_cast<const char*>(p1), n1);
    buffer->Unlock(p1, n1, p2, n2);
    return bytes;
}

bool IsPlaying(IDirectSoundBuffer* buffer) {
    DWORD status = 0;
    return SUCCEEDED(buffer->GetStatus(&status)) && (status & DSBSTATUS_PLAYING);
}

struct cWaveCase {
    const char* name;
    std::string bytes;
    bool loads;
    WORD channels, bits;
    DWORD rate;
    std::string samples;  // what the buffer must hold when it loads
};

}  // namespace

TEST_F(Sound, InitSetsThePrimaryFormat) {
    WAVEFORMATEX f = {};
    ASSERT_TRUE(SoundState().lpPrimary);
    ASSERT_HRESULT_SUCCEEDED(SoundState().lpPrimary->GetFormat(&f, sizeof f, nullptr));
    EXPECT_EQ(22050u, f.nSamplesPerSec);
    EXPECT_EQ(8, f.wBitsPerSample);
    EXPECT_EQ(1, f.nChannels);
}

TEST_F(Sound, RefusedPrimaryFormatIsLoggedAndSoundPlaysInTheDevicesFormat) {
    DSUnInit();
    ASSERT_TRUE(DS_Init(m_Window.Handle(), 22050, 12, 1));
    EXPECT_NE(std::string::npos, Log().find("SETFORMAT_ERR!"));
    ASSERT_NE(nullptr, SoundState().lpDS);
    ASSERT_NE(nullptr, SoundState().lpPrimary);

    WriteSecond("a.wav");
    cSoundEntry entry;
    ASSERT_TRUE(DSCreateSound(entry, "a.wav", 1, 0));
    ASSERT_TRUE(entry.lpBuffers);
    DSPlay(entry, 0);
    EXPECT_TRUE(IsPlaying(entry.lpBuffers[0]));
    DSReleaseSound(entry);
}

TEST_F(Sound, WithoutSetUpEveryOperationDoesNothingAndSucceeds) {
    DSUnInit();
    EXPECT_EQ(nullptr, SoundState().lpDS);
    WriteSecond("a.wav");
    cSoundEntry entry;
    EXPECT_TRUE(DSCreateSound(entry, "a.wav", 2, 0));
    EXPECT_FALSE(entry.lpBuffers);
    m_Entries.resize(1);
    m_Table.resize(1);
    EXPECT_EQ(1, DSLoadSounds(m_Entries, m_Table, 0));
    DSPlay(entry, 0);
    EXPECT_EQ(0, DSSetVolume(entry, 0, -100, 0));
    PlayCursorSound(kKeyLeft, 1, 0);
}

TEST_F(Sound, WaveFilesLoadOrFail) {
    std::string eight = CountingBytes(300);
    std::string sixteen = CountingBytes(400);
    std::vector<cWaveCase> cases = {
        {"8-bit mono", PcmWave(1, 22050, 8, eight), true, 1, 8, 22050, eight},
        {"16-bit mono", PcmWave(1, 22050, 16, sixteen), true, 1, 16, 22050, sixteen},
        {"8-bit stereo", PcmWave(2, 11025, 8, eight), true, 2, 8, 11025, eight},
        {"16-bit stereo", PcmWave(2, 44100, 16, sixteen), true, 2, 16, 44100, sixteen},
        {"18-byte format and a chunk before the data",
         Riff(Chunk("fmt ", FormatBody(1, 1, 22050, 8) + Le16(0)) + Chunk("LIST", "INFOxxxx") + Chunk("data", eight)),
         true, 1, 8, 22050, eight},
        {"odd byte at the end of 16-bit data cut off", PcmWave(1, 22050, 16, sixteen + "z"), true, 1, 16, 22050,
         sixteen},
        {"IEEE float", Riff(Chunk("fmt ", FormatBody(3, 1, 22050, 32)) + Chunk("data", sixteen)), false},
        {"extensible",
         Riff(Chunk("fmt ", FormatBody(0xFFFE, 1, 22050, 16) + Le16(22) + std::string(22, '\0')) +
              Chunk("data", sixteen)),
         false},
        {"24-bit PCM", PcmWave(1, 22050, 24, CountingBytes(300)), false},
        {"three channels", PcmWave(3, 22050, 8, CountingBytes(300)), false},
        {"block align that does not fit the channels",
         Riff(Chunk("fmt ", FormatBody(1, 1, 22050, 8).substr(0, 12) + Le16(4) + Le16(8)) + Chunk("data", eight)),
         false},
        {"format block shorter than PCM's", Riff(Chunk("fmt ", FormatBody(1, 1, 22050, 8).substr(0, 14)) +
                                                 Chunk("data", eight)),
         false},
        {"no data chunk", Riff(Chunk("fmt ", FormatBody(1, 1, 22050, 8))), false},
        {"empty data", PcmWave(1, 22050, 8, ""), false},
        {"data claiming more than the file holds",
         Riff(Chunk("fmt ", FormatBody(1, 1, 22050, 8)) + ChunkClaiming("data", 100000, eight)), false},
        {"data claiming four gigabytes",
         Riff(Chunk("fmt ", FormatBody(1, 1, 22050, 8)) + ChunkClaiming("data", 0xFFFFFFF0u, eight)), false},
        {"cut inside the format block", PcmWave(1, 22050, 8, eight).substr(0, 30), false},
        {"cut after the RIFF header", PcmWave(1, 22050, 8, eight).substr(0, 12), false},
        {"RIFF of another form", "RIFF" + Le32(4 + 24) + "AVI " + Chunk("fmt ", FormatBody(1, 1, 22050, 8)), false},
        {"not RIFF at all", std::string("just some text in a file"), false},
    };
    int n = 0;
    for (const cWaveCase& c : cases) {
        std::string file = "w" + std::to_string(n++) + ".wav";
        m_Dir.Write(file, c.bytes);
        cSoundEntry entry;
        bool loaded = DSCreateSound(entry, file.c_str(), 1, 0);
        EXPECT_EQ(c.loads, loaded) << c.name;
        if (!loaded) {
            EXPECT_FALSE(entry.lpBuffers) << c.name;
            EXPECT_EQ(0, entry.nCount) << c.name;
            EXPECT_NE(std::string::npos, Log().find(file + "読み込み失敗！")) << c.name;
            DSPlay(entry, 0);  // nothing to play: nothing happens
            continue;
        }
        if (!c.loads) continue;
        ASSERT_TRUE(entry.lpBuffers) << c.name;
        EXPECT_STREQ(file.c_str(), entry.szName);
        WAVEFORMATEX f = {};
        ASSERT_HRESULT_SUCCEEDED(entry.lpBuffers[0]->GetFormat(&f, sizeof f, nullptr)) << c.name;
        EXPECT_EQ(WAVE_FORMAT_PCM, f.wFormatTag) << c.name;
        EXPECT_EQ(c.channels, f.nChannels) << c.name;
        EXPECT_EQ(c.bits, f.wBitsPerSample) << c.name;
        EXPECT_EQ(c.rate, f.nSamplesPerSec) << c.name;
        EXPECT_EQ(c.samples, BufferBytes(entry.lpBuffers[0])) << c.name;
        DSReleaseSound(entry);
    }
    cSoundEntry missing;
    EXPECT_FALSE(DSCreateSound(missing, "missing.wav", 1, 0));
}

TEST_F(Sound, PlaysTakeTheDuplicatesInTurn) {
    WriteSecond("a.wav");
    cSoundEntry entry;
    ASSERT_TRUE(DSCreateSound(entry, "a.wav", 3, 0));
    ASSERT_EQ(3, entry.nCount);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(i, entry.nNext);
        EXPECT_FALSE(IsPlaying(entry.lpBuffers[i])) << i;
        DSPlay(entry, 0);
        EXPECT_TRUE(IsPlaying(entry.lpBuffers[i])) << i;
    }
    // The fourth play restarts the oldest buffer and leaves the others sounding.
    EXPECT_EQ(0, entry.nNext);
    entry.lpBuffers[0]->Stop();
    DSPlay(entry, 0);
    EXPECT_TRUE(IsPlaying(entry.lpBuffers[0]));
    EXPECT_TRUE(IsPlaying(entry.lpBuffers[1]));
    EXPECT_EQ(1, entry.nNext);
    // Duplicates share the loaded buffer's samples.
    EXPECT_EQ(BufferBytes(entry.lpBuffers[0]), BufferBytes(entry.lpBuffers[2]));
}

TEST_F(Sound, ASoundWithOneBufferRestartsItselfOnEveryPlay) {
    WriteSecond("a.wav");
    cSoundEntry entry;
    ASSERT_TRUE(DSCreateSound(entry, "a.wav", 1, 0));
    DSPlay(entry, 0);
    IDirectSoundBuffer* buffer = entry.lpBuffers[0];
    // Half way through the second: a play must take it back to its start, not go on from there.
    const DWORD middle = 11025;
    ASSERT_HRESULT_SUCCEEDED(buffer->SetCurrentPosition(middle));
    DSPlay(entry, 0);
    DWORD play = 0, write = 0;
    ASSERT_HRESULT_SUCCEEDED(buffer->GetCurrentPosition(&play, &write));
    EXPECT_LT(play, middle);
    EXPECT_TRUE(IsPlaying(buffer));
    EXPECT_EQ(0, entry.nNext);
    DSReleaseSound(entry);
}

TEST_F(Sound, BufferCountsAreBounded) {
    WriteSecond("a.wav");
    struct {
        int asked, made;
    } cases[] = {{1, 1}, {0, 1}, {-5, 1}, {kMaxSoundBuffers, kMaxSoundBuffers}, {100000, kMaxSoundBuffers}};
    for (const auto& c : cases) {
        cSoundEntry entry;
        ASSERT_TRUE(DSCreateSound(entry, "a.wav", c.asked, 0)) << c.asked;
        EXPECT_EQ(c.made, entry.nCount) << c.asked;
        for (int i = 0; i < entry.nCount; ++i) EXPECT_NE(nullptr, entry.lpBuffers[i]) << c.asked;
        DSReleaseSound(entry);
        EXPECT_FALSE(entry.lpBuffers);
    }
}

TEST_F(Sound, VolumesAreSetOnEveryBufferAndClamped) {
    WriteSecond("a.wav");
    cSoundEntry entry;
    ASSERT_TRUE(DSCreateSound(entry, "a.wav", 2, -500));
    EXPECT_EQ(-500, DSGetVolume(entry, 0));
    EXPECT_EQ(-500, DSGetVolume(entry, 1));
    struct {
        LONG volume;
        int relative;
        LONG expected;
    } cases[] = {
        {200, 1, -300},     {-9800, 1, -10000}, {-3000, 0, -3000}, {500, 0, 0},
        {-20000, 0, -10000}, {2147483647, 1, 0}, {-2147483647, 1, -10000},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.expected, DSSetVolume(entry, 1, c.volume, c.relative)) << c.volume;
        EXPECT_EQ(c.expected, DSGetVolume(entry, 1)) << c.volume;
    }
    EXPECT_EQ(-500, DSGetVolume(entry, 0));
    // No such buffer.
    EXPECT_EQ(0, DSSetVolume(entry, 2, -100, 0));
    EXPECT_EQ(0, DSSetVolume(entry, -1, -100, 0));
    EXPECT_EQ(0, DSGetVolume(entry, 2));
    DSReleaseSound(entry);
}

TEST_F(Sound, LoadSoundsFillsOnlyEntriesWithoutBuffers) {
    WriteSecond("a.wav");
    WriteSecond("b.wav");
    m_Dir.Write("bad.wav", "not a wave");
    cSoundTable& table = m_Table;
    table = {{"a.wav", 2, -700, 1}, {"bad.wav", 1, 0, 1}, {"b.wav", 1, -200, 1}};
    cSoundVector& entries = m_Entries;
    entries.resize(2);
    EXPECT_EQ(1, DSLoadSounds(entries, table, 0));
    EXPECT_EQ(2, entries[0].nCount);
    EXPECT_EQ(-700, DSGetVolume(entries[0], 1));  // the row's own volume
    EXPECT_FALSE(entries[1].lpBuffers);
    EXPECT_NE(std::string::npos, Log().find("bad.wav読み込み失敗！"));

    // Again after the table grew: loaded entries keep their buffers, the given volume wins.
    IDirectSoundBuffer* kept = entries[0].lpBuffers[0];
    entries.resize(3);
    EXPECT_EQ(1, DSLoadSounds(entries, table, -1300));
    EXPECT_EQ(kept, entries[0].lpBuffers[0]);
    EXPECT_EQ(-1300, DSGetVolume(entries[2], 0));

    // A row whose name fills all 260 bytes is not read past its end.
    memset(table[1].szFileName, 'x', sizeof table[1].szFileName);
    EXPECT_EQ(1, DSLoadSounds(entries, table, 0));
    EXPECT_FALSE(entries[1].lpBuffers);

    // Leaving sound releases every remembered entry.
    DSUnInit();
    EXPECT_FALSE(entries[0].lpBuffers);
    EXPECT_FALSE(entries[2].lpBuffers);
    EXPECT_EQ(nullptr, SoundState().lpDS);
}

TEST_F(Sound, CursorSoundPlaysOncePerMovedAxis) {
    WriteSecond("a.wav");
    m_Table = {{"a.wav", 4, 0, 1}};
    cSoundVector& entries = m_Entries;
    entries.resize(1);
    DSLoadSounds(entries, m_Table, 0);
    ASSERT_EQ(4, entries[0].nCount);
    struct {
        int keys, axes, plays;
    } cases[] = {
        {kKeyLeft, 1, 1}, {kKeyRight, 1, 1}, {kKeyUp, 1, 0},           {kKeyUp, 2, 1},
        {kKeyDown, 2, 1}, {kKeyLeft, 2, 0},  {kKeyLeft | kKeyDown, 3, 2}, {kKeyLeft | kKeyDown, 0, 0},
        {0, 3, 0},        {16, 3, 0},
    };
    for (const auto& c : cases) {
        entries[0].nNext = 0;
        PlayCursorSound(c.keys, c.axes, 0);
        EXPECT_EQ(c.plays, entries[0].nNext) << c.keys << " on axes " << c.axes;
    }
}

// The window thread plays while the game thread remakes the sound (as at a reload or at exit).
TEST_F(Sound, PlayingFromAnotherThreadWhileTheSoundIsRemadeIsSafe) {
    WriteSecond("a.wav");
    cSoundEntry entry;
    ASSERT_TRUE(DSCreateSound(entry, "a.wav", 3, 0));
    std::atomic<bool> done(false);
    std::thread player([&] {
        while (!done) DSPlay(entry, 0);
    });
    for (int i = 0; i < 200; ++i) {
        DSReleaseSound(entry);
        EXPECT_TRUE(DSCreateSound(entry, "a.wav", 3, 0));
    }
    done = true;
    player.join();
    EXPECT_EQ(3, entry.nCount);
    DSReleaseSound(entry);
}
