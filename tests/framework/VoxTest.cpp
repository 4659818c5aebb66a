// Vox.dll and its binding: decoding, playing, looping and stopping the test tone, and the set-up
// failing without the library.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "framework/TestSeams.h"
#include "framework/Vox.h"
#include "tests/framework/MidiBytes.h"
#include "tests/framework/TestMedia.h"
#include "tests/support/BoxAnswers.h"
#include "tests/support/TempDir.h"

namespace {

// The tones the build encodes (make-tone.sh): stereo 22050 Hz; the main one 440 Hz left and
// 660 Hz right, the second one (to chain after it) 550 and 770 Hz; the main tone's first quarter
// second at 11025 Hz; a mono 550 Hz at 16000 Hz.
const int kToneRate = 22050;
const int kToneFrames = 11025;
const int kTone2Frames = 5513;
const int kTone11kFrames = 2756;
const int kMonoRate = 16000;
const int kMonoFrames = 7000;
double Sine(double frequency, int frame, int rate) {
    return 8000 * std::sin(2 * 3.141592653589793 * frequency * frame / rate);
}
double ToneSample(int frame, int channel, double left = 440, double right = 660) {
    return Sine(channel == 0 ? left : right, frame, kToneRate);
}

// The root mean square distance of a channel of decoded frames from the wave, the encoder's fade
// at both ends left out (1000 frames each).
template <class Wave>
double Distance(const std::vector<short>& pcm, int channels, int channel, int frames, Wave wave) {
    double error = 0;
    const int from = 1000, to = frames - 1000;
    for (int i = from; i < to; ++i) error += std::pow(pcm[size_t(i) * channels + channel] - wave(i), 2);
    return std::sqrt(error / (to - from));
}

// Waits for the voice's state, progress of the playing thread rather than a measure of time.
template <class Done>
bool WaitUntil(Done done) {
    for (int i = 0; i < 20000; ++i) {
        if (done()) return true;
        Sleep(1);
    }
    return false;
}

class VoxTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_vox.Init());
        ASSERT_TRUE(m_vox.CreateVoices(2));
    }
    cVox m_vox;
    std::string m_tone = TestMediaPath("tone.ogg");
};

TEST_F(VoxTest, DecodedSamplesMatchTheSourceTone) {
    cVoxVoice* voice = m_vox.GetVoice(0);
    ASSERT_TRUE(voice->Load(m_tone.c_str()));
    int channels = 0, rate = 0;
    EXPECT_EQ(kToneFrames, voice->GetFormat(&channels, &rate));
    EXPECT_EQ(2, channels);
    EXPECT_EQ(kToneRate, rate);

    // From the start and from a point inside the song (a seek).
    for (int first : {0, 5000}) {
        SCOPED_TRACE(first);
        std::vector<short> pcm(size_t(kToneFrames) * 2);
        int frames = voice->Peek(first, pcm.data(), kToneFrames);
        ASSERT_EQ(kToneFrames - first, frames);
        for (int c = 0; c < 2; ++c) {
            double error = 0;
            // The encoder's fade at both ends of the song is left out.
            int from = first == 0 ? 1000 : 0, to = frames - 1000;
            for (int i = from; i < to; ++i) error += std::pow(pcm[size_t(i) * 2 + c] - ToneSample(first + i, c), 2);
            EXPECT_LT(std::sqrt(error / (to - from)), 8000 * 0.03) << "channel " << c;
        }
    }
}

TEST_F(VoxTest, PlaysLoopsAsOftenAsAskedAndEnds) {
    ASSERT_TRUE(m_vox.Play(0, m_tone.c_str(), 2));
    cVoxVoice* voice = m_vox.GetVoice(0);
    EXPECT_EQ(0, m_vox.GetCurrent());
    EXPECT_TRUE(voice->IsPlaying());
    ASSERT_TRUE(WaitUntil([&] { return !voice->IsPlaying(); }));
    EXPECT_EQ(3, voice->GetPasses());
}

TEST_F(VoxTest, EndlessLoopGoesOnUntilStopped) {
    ASSERT_TRUE(m_vox.Play(1, m_tone.c_str(), kVoxEndless));
    cVoxVoice* voice = m_vox.GetVoice(1);
    ASSERT_TRUE(WaitUntil([&] { return voice->GetPasses() >= 4; }));
    EXPECT_TRUE(voice->IsPlaying());
    m_vox.Stop();
    EXPECT_FALSE(voice->IsPlaying());
    EXPECT_EQ(-1, m_vox.GetCurrent());
}

TEST_F(VoxTest, PlayingAnotherVoiceStopsTheCurrentOne) {
    ASSERT_TRUE(m_vox.Play(0, m_tone.c_str(), kVoxEndless));
    ASSERT_TRUE(m_vox.Play(1, m_tone.c_str(), kVoxEndless));
    EXPECT_FALSE(m_vox.GetVoice(0)->IsPlaying());
    EXPECT_TRUE(m_vox.GetVoice(1)->IsPlaying());
    EXPECT_EQ(1, m_vox.GetCurrent());
}

TEST_F(VoxTest, FilesThatCannotPlayFail) {
    cTempDir dir;
    dir.Write("song.mid", AsString(Smf(0, 96, {Bytes({0x00, 0xFF, 0x2F, 0x00})})));
    dir.Write("empty.ogg", "");
    dir.Write("cut.ogg", TestMediaBytes("tone.ogg").substr(0, 200));
    ASSERT_TRUE(m_vox.Play(0, m_tone.c_str(), kVoxEndless));
    EXPECT_FALSE(m_vox.Play(1, "", kVoxEndless));
    EXPECT_TRUE(m_vox.GetVoice(0)->IsPlaying()) << "an empty name leaves the playing song alone";
    for (const char* file : {"missing.ogg", "song.mid", "empty.ogg", "cut.ogg"}) {
        SCOPED_TRACE(file);
        EXPECT_FALSE(m_vox.Play(0, file, kVoxEndless));
        EXPECT_EQ(-1, m_vox.GetCurrent());
    }
    EXPECT_FALSE(m_vox.Play(2, m_tone.c_str(), kVoxEndless)) << "no such voice";
}

TEST_F(VoxTest, ChainedSongsPlayInOrderAndCountTogether) {
    cTempDir dir;
    std::string one = TestMediaBytes("tone.ogg"), two = TestMediaBytes("tone2.ogg");
    std::string other = TestMediaBytes("tone11k.ogg"), mono = TestMediaBytes("mono16k.ogg");
    dir.Write("chain.ogg", one + two);
    dir.Write("three.ogg", one + two + one);
    // Songs of another format are converted into the first song's: 11025 Hz stereo, 16000 Hz
    // mono, and 22050 Hz stereo after a mono 16000 Hz first song.
    dir.Write("rate.ogg", one + other + two);
    dir.Write("mono.ogg", one + mono);
    dir.Write("monofirst.ogg", mono + one);
    cVoxVoice* voice = m_vox.GetVoice(0);
    struct {
        const char* file;
        int frames, channels, rate;
    } cases[] = {{"chain.ogg", kToneFrames + kTone2Frames, 2, kToneRate},
                 {"three.ogg", 2 * kToneFrames + kTone2Frames, 2, kToneRate},
                 {"rate.ogg", kToneFrames + 2 * kTone11kFrames + kTone2Frames, 2, kToneRate},
                 // 7000 frames at 16000 Hz are 9646.875 at 22050: the part-frame makes one more.
                 {"mono.ogg", kToneFrames + 9647, 2, kToneRate},
                 {"monofirst.ogg", kMonoFrames + 8000, 1, kMonoRate}};
    for (auto& c : cases) {
        SCOPED_TRACE(c.file);
        ASSERT_TRUE(voice->Load(c.file));
        int channels = 0, rate = 0;
        EXPECT_EQ(c.frames, voice->GetFormat(&channels, &rate));
        EXPECT_EQ(c.channels, channels);
        EXPECT_EQ(c.rate, rate);
        std::vector<short> pcm(size_t(c.frames + 100) * 2);
        EXPECT_EQ(c.frames, voice->Peek(0, pcm.data(), c.frames + 100));
    }

    // The second song follows the first.
    ASSERT_TRUE(voice->Load("chain.ogg"));
    std::vector<short> pcm(size_t(kTone2Frames) * 2);
    ASSERT_EQ(kTone2Frames, voice->Peek(kToneFrames, pcm.data(), kTone2Frames));
    for (int c = 0; c < 2; ++c) {
        // The short song is coded less closely; any other tone would be off by about 8000.
        EXPECT_LT(Distance(pcm, 2, c, kTone2Frames, [&](int i) { return ToneSample(i, c, 550, 770); }), 8000 * 0.1)
            << "channel " << c;
    }
    ASSERT_TRUE(m_vox.Play(0, "chain.ogg", 1));
    ASSERT_TRUE(WaitUntil([&] { return !voice->IsPlaying(); }));
    EXPECT_EQ(2, voice->GetPasses());
}

// A converted song sounds as it did at its own rate and channels, and a song of the first one's
// format after it decodes to the very samples it has alone.
TEST_F(VoxTest, SongsOfAnotherFormatAreConvertedIntoTheFirstSongs) {
    cTempDir dir;
    const std::string one = TestMediaBytes("tone.ogg"), two = TestMediaBytes("tone2.ogg");
    dir.Write("two.ogg", two);
    dir.Write("rate.ogg", one + TestMediaBytes("tone11k.ogg") + two);
    dir.Write("mono.ogg", one + TestMediaBytes("mono16k.ogg"));
    dir.Write("monofirst.ogg", TestMediaBytes("mono16k.ogg") + one);
    cVoxVoice* voice = m_vox.GetVoice(0);
    const double kStereo[] = {440, 660};
    struct {
        const char* file;
        int first, frames, channels;
        std::function<double(int frame, int channel)> wave;
    } cases[] = {
        {"rate.ogg", kToneFrames, 2 * kTone11kFrames, 2, [&](int i, int c) { return ToneSample(i, c); }},
        {"mono.ogg", kToneFrames, 9647, 2, [](int i, int) { return Sine(550, i, kToneRate); }},
        {"monofirst.ogg", kMonoFrames, 8000, 1,
         [&](int i, int) { return (Sine(kStereo[0], i, kMonoRate) + Sine(kStereo[1], i, kMonoRate)) / 2; }},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.file);
        ASSERT_TRUE(voice->Load(c.file));
        std::vector<short> pcm(size_t(c.frames) * c.channels);
        ASSERT_EQ(c.frames, voice->Peek(c.first, pcm.data(), c.frames));
        for (int channel = 0; channel < c.channels; ++channel)
            EXPECT_LT(Distance(pcm, c.channels, channel, c.frames, [&](int i) { return c.wave(i, channel); }),
                      8000 * 0.1)
                << "channel " << channel;
    }

    std::vector<short> alone(size_t(kTone2Frames) * 2), chained(alone.size());
    ASSERT_TRUE(voice->Load("two.ogg"));
    ASSERT_EQ(kTone2Frames, voice->Peek(0, alone.data(), kTone2Frames));
    ASSERT_TRUE(voice->Load("rate.ogg"));
    ASSERT_EQ(kTone2Frames, voice->Peek(kToneFrames + 2 * kTone11kFrames, chained.data(), kTone2Frames));
    EXPECT_TRUE(alone == chained) << "the song after a converted one is decoded as it is alone";
}

namespace {

uint32_t Read32(const std::string& bytes, size_t at) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + size_t(i)]);
    return value;
}

void Write32(std::string& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + size_t(i)] = static_cast<char>(value >> (8 * i));
}

}  // namespace

// The comment header's lengths and count are the decoder's weak spot: a count beyond the packet
// made it free pointers it never set (a crash), and lengths beyond it cost seconds of work.
TEST_F(VoxTest, CommentHeaderBeyondItsPacketIsRefused) {
    const std::string song = TestMediaBytes("tone.ogg");
    size_t comment = song.find("\x03vorbis");
    ASSERT_NE(std::string::npos, comment);
    size_t vendor = comment + 7;
    size_t count = vendor + 4 + Read32(song, vendor);
    ASSERT_GE(Read32(song, count), 1u) << "the encoder names itself in a comment";
    struct {
        const char* name;
        size_t at;
        uint32_t value;
    } cases[] = {
        {"count whose list size overflows", count, 0x20000000},
        {"count of a 2 GB list", count, 0x0FFFFFFF},
        {"count beyond the packet", count, 1000},
        {"negative count", count, 0xFFFFFFFF},
        {"vendor beyond the packet", vendor, 0x7FFFFFF0},
        {"vendor length of -1", vendor, 0xFFFFFFFF},
        {"comment beyond the packet", count + 4, 0x10000},
    };
    cTempDir dir;
    cVoxVoice* voice = m_vox.GetVoice(0);
    for (auto& c : cases) {
        std::string damaged = song;
        Write32(damaged, c.at, c.value);
        dir.Write("damaged.ogg", damaged);
        EXPECT_FALSE(voice->Load("damaged.ogg")) << c.name;
        EXPECT_EQ(0, voice->GetFormat(nullptr, nullptr)) << c.name;
    }
    EXPECT_TRUE(voice->Load(m_tone.c_str()));
}

TEST(VoxLibrary, MissingLibraryOrExportFailsWithTheErrorBox) {
    for (const char* library : {"NoSuchVox.dll", "kernel32.dll"}) {
        SCOPED_TRACE(library);
        SetVoxLibraryName(library);
        cBoxAnswers boxes;
        cVox vox;
        EXPECT_FALSE(vox.Init());
        ASSERT_EQ(1u, boxes.Shown().size());
        EXPECT_EQ("oggの初期化に失敗！", boxes.Shown()[0].text);
        EXPECT_EQ("エラー", boxes.Shown()[0].caption);
        EXPECT_FALSE(vox.CreateVoices(1));
        EXPECT_FALSE(vox.Play(0, TestMediaPath("tone.ogg").c_str(), 1));
    }
    SetVoxLibraryName(nullptr);
}

}  // namespace
