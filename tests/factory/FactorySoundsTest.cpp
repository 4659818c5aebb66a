// The factory project's sounds and music go through the programs' own readers: every system
// sound and database sound the factory data names is a WAV file the game mixes, every MIDI file
// converts, and every Ogg Vorbis song decodes with Vox.dll.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "data/Database.h"
#include "data/Paths.h"
#include "data/SystemData.h"
#include "framework/MidiFile.h"
#include "framework/Vox.h"
#include "game/media/WaveFile.h"
#include "tests/factory/ProjectFolder.h"
#include "tests/support/BoxAnswers.h"

namespace {

std::vector<std::string> FilesIn(const char* pattern, const char* folder) {
    std::vector<std::string> files;
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA(pattern, &found);
    if (find == INVALID_HANDLE_VALUE) return files;
    do files.push_back(std::string(folder) + found.cFileName);
    while (FindNextFileA(find, &found));
    FindClose(find);
    return files;
}

bool EndsWith(const std::string& text, const char* end) {
    const size_t n = strlen(end);
    return text.size() >= n && _stricmp(text.c_str() + text.size() - n, end) == 0;
}

class FactorySounds : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(EnterProjectFolder()) << ProjectFolder(); }

    cBoxAnswers m_Boxes;
};

}  // namespace

TEST_F(FactorySounds, EverySoundTheFactoryDataNamesIsAWaveTheGameReads) {
    cSystemData system;
    ASSERT_TRUE(system.LoadFile(g_PathTable[ePathSystemDefault]));
    cRecordVector<cSound> sounds;
    const int soundTable = 8;
    ASSERT_TRUE(LoadVectorFile(sounds, g_PathTable[ePathDatabase + 2 * soundTable + 1]));
    std::vector<std::string> files(system.m_SoundFiles.begin(), system.m_SoundFiles.end());
    for (const cSound& sound : sounds) files.push_back(sound.m_File);
    files.push_back("wave\\free.wav");  // the editor's preview sound
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        cWaveData wave;
        ASSERT_TRUE(DSReadWave(file.c_str(), wave));
        EXPECT_EQ(WAVE_FORMAT_PCM, wave.Format.wFormatTag);
        EXPECT_EQ(22050u, wave.Format.nSamplesPerSec);
        EXPECT_EQ(8, wave.Format.wBitsPerSample);
        EXPECT_EQ(1, wave.Format.nChannels);
        EXPECT_GT(wave.Samples.size(), 200u);
    }
}

TEST_F(FactorySounds, EveryMidiFileConverts) {
    const std::vector<std::string> songs = FilesIn("bgm\\*.mid", "bgm\\");
    EXPECT_GE(songs.size(), 6u);
    for (const std::string& song : songs) {
        SCOPED_TRACE(song);
        cMidiFile midi(song.c_str());
        ASSERT_TRUE(midi.HasImage());
        EXPECT_GT(midi.GetSongLength(), 5.0);
    }
}

TEST_F(FactorySounds, EveryOggSongDecodesAndTheBgmTableNamesOnlySongsThatExist) {
    cVox vox;
    ASSERT_TRUE(vox.Init());
    ASSERT_TRUE(vox.CreateVoices(1));
    const std::vector<std::string> songs = FilesIn("bgm\\*.ogg", "bgm\\");
    EXPECT_GE(songs.size(), 1u);
    for (const std::string& song : songs) {
        SCOPED_TRACE(song);
        cVoxVoice* voice = vox.GetVoice(0);
        ASSERT_TRUE(voice->Load(song.c_str()));
        int channels = 0, rate = 0;
        const int frames = voice->GetFormat(&channels, &rate);
        ASSERT_GT(channels, 0);
        EXPECT_GT(frames, rate * 5) << "at least five seconds";
        short samples[2048] = {};
        ASSERT_EQ(1024 / channels, voice->Peek(rate, samples, 1024 / channels));
        int loud = 0;
        for (short s : samples) loud += s > 1000 || s < -1000;
        EXPECT_GT(loud, 0) << "one second in, the song is not silent";
        voice->Close();
    }

    cRecordVector<cBgm> bgms;
    const int bgmTable = 9;
    ASSERT_TRUE(LoadVectorFile(bgms, g_PathTable[ePathDatabase + 2 * bgmTable + 1]));
    std::set<std::string> kinds;
    for (const cBgm& bgm : bgms) {
        EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(bgm.m_File.c_str())) << bgm.m_File;
        kinds.insert(EndsWith(bgm.m_File, ".ogg") ? "ogg" : EndsWith(bgm.m_File, ".mid") ? "mid" : bgm.m_File);
    }
    EXPECT_EQ((std::set<std::string>{"mid", "ogg"}), kinds) << "both players get songs";
}
