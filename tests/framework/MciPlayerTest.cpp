#include <gtest/gtest.h>

#include <string>

#include "framework/ErrorLog.h"
#include "framework/MciPlayer.h"
#include "tests/support/TempDir.h"

namespace {

// A tenth of a second of 8-bit mono silence at 22050 Hz.
std::string Wave() {
    const uint32_t samples = 2205;
    auto le32 = [](uint32_t v) { return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; };
    std::string fmt = std::string("\x01\x00\x01\x00", 4) + le32(22050) + le32(22050) + std::string("\x01\x00\x08\x00", 4);
    return "RIFF" + le32(4 + 8 + 16 + 8 + samples) + "WAVEfmt " + le32(16) + fmt + "data" + le32(samples) +
           std::string(samples, char(0x80));
}

class MciPlayerTest : public testing::Test {
protected:
    void SetUp() override {
        SetErrorLog(1, "log.txt");
        m_dir.Write("a.wav", Wave());
    }
    void TearDown() override { SetErrorLog(0, ""); }
    cTempDir m_dir;
    cMciPlayer m_player;
};

TEST_F(MciPlayerTest, DisabledPlayerOpensNothingAndSucceeds) {
    const char* files[] = {"a.wav", nullptr};
    EXPECT_TRUE(m_player.Init("waveaudio", files));
    EXPECT_TRUE(m_player.Open(0, "waveaudio", "a.wav"));
    EXPECT_EQ(0u, m_player.GetDevice(0));
    EXPECT_TRUE(PlayMci(nullptr, m_player, 0, "a.wav", 0));
    m_player.Stop(false);
    EXPECT_FALSE(m_dir.Exists("log.txt"));
}

TEST_F(MciPlayerTest, InitOpensEachFileAndLeavesFailedEntriesClosed) {
    m_player.Enable();
    const char* files[] = {"a.wav", "none.wav", nullptr};
    EXPECT_TRUE(m_player.Init("waveaudio", files));
    EXPECT_NE(0u, m_player.GetDevice(0));
    EXPECT_EQ(0u, m_player.GetDevice(1));
    m_player.Release();
    EXPECT_EQ(0u, m_player.GetDevice(0));
    EXPECT_FALSE(m_player.IsEnabled());
}

TEST_F(MciPlayerTest, PlayMciPlaysWaveFilesAndRefusesOthers) {
    m_dir.Write("b.wav", Wave());
    m_player.Enable();
    const char* files[] = {"a.wav", "b.wav", nullptr};
    ASSERT_TRUE(m_player.Init("waveaudio", files));

    EXPECT_TRUE(PlayMci(nullptr, m_player, 1, "b.wav", 0));
    EXPECT_EQ(1, m_player.GetCurrent());
    m_player.Stop(false);
    EXPECT_EQ(-1, m_player.GetCurrent());
    EXPECT_EQ("Stop成功！ mr =        0 stop =1\r\n", m_dir.Read("log.txt"));

    EXPECT_FALSE(PlayMci(nullptr, m_player, 1, "a.txt", 0));
    EXPECT_FALSE(PlayMci(nullptr, m_player, 1, "none.wav", 0));
    EXPECT_NE(std::string::npos, m_dir.Read("log.txt").find("ChangeSound失敗！ none.wav\r\n"));
    EXPECT_FALSE(PlayMci(nullptr, m_player, 5, "a.wav", 0)) << "no such slot";
}

}  // namespace
