// The stream player against a stand-in device whose callbacks the tests send themselves, and
// against this machine's WinMM, which has no MIDI device.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

#include "framework/ErrorLog.h"
#include "framework/Format.h"
#include "framework/MidiPlayer.h"
#include "framework/MidiStream.h"
#include "framework/TestSeams.h"
#include "tests/framework/MidiBytes.h"
#include "tests/support/TempDir.h"
#include "tests/framework/ErrorLogOn.h"

namespace {

// What the stand-in device was asked, in order: a call name and, for Out, the buffer sent.
struct cCall {
    std::string name;
    MIDIHDR* header;
    cBytes sent;
};

class cFakeDevice {
public:
    std::vector<cCall> Calls() {
        std::lock_guard<std::mutex> hold(m_lock);
        return m_calls;
    }
    std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (const cCall& c : Calls()) names.push_back(c.name);
        return names;
    }
    void Clear() {
        std::lock_guard<std::mutex> hold(m_lock);
        m_calls.clear();
    }
    // Waits for the callback thread to make a call of that name; false after 10 s.
    bool WaitFor(const std::string& name, size_t count = 1) {
        for (int i = 0; i < 10000; ++i) {
            size_t seen = 0;
            for (const std::string& n : Names()) seen += n == name;
            if (seen >= count) return true;
            Sleep(1);
        }
        return false;
    }
    // Ends a queued buffer as the device does and reports its last event as played.
    void FinishBuffer(MIDIHDR* header) {
        DWORD last = 0;
        for (DWORD at = 0; at < header->dwBytesRecorded;) {
            last = at;
            DWORD word;
            memcpy(&word, header->lpData + at + 8, sizeof word);
            at += 12 + ((word & MEVT_F_LONG) ? ((word & 0xFFFFFF) + 3) & ~3u : 0);
        }
        {
            std::lock_guard<std::mutex> hold(m_lock);
            header->dwFlags = (header->dwFlags & ~MHDR_INQUEUE) | MHDR_DONE;
            header->dwOffset = last;
        }
        PostThreadMessageA(m_thread, MM_MOM_POSITIONCB, 0, reinterpret_cast<LPARAM>(header));
    }

    DWORD m_thread = 0;
    WORD m_division = 0;
    MMRESULT m_openResult = MMSYSERR_NOERROR;

    void Record(const char* name, MIDIHDR* header = nullptr) {
        std::lock_guard<std::mutex> hold(m_lock);
        cCall call = {name, header, {}};
        if (header && std::string(name) == "Out") {
            call.sent.assign(header->lpData, header->lpData + header->dwBytesRecorded);
            header->dwFlags |= MHDR_INQUEUE;
            m_queued.push_back(header);
        }
        if (header && std::string(name) == "Prepare") header->dwFlags |= MHDR_PREPARED;
        if (header && std::string(name) == "Unprepare") header->dwFlags &= ~MHDR_PREPARED;
        // Stopping and resetting return every queued buffer.
        if (std::string(name) == "Stop" || std::string(name) == "Reset") {
            for (MIDIHDR* h : m_queued) h->dwFlags = (h->dwFlags & ~MHDR_INQUEUE) | MHDR_DONE;
            m_queued.clear();
        }
        m_calls.push_back(call);
    }

private:
    std::mutex m_lock;
    std::vector<cCall> m_calls;
    std::vector<MIDIHDR*> m_queued;
};

cFakeDevice* g_device = nullptr;
HMIDISTRM const kStream = reinterpret_cast<HMIDISTRM>(0x5150);

MMRESULT WINAPI FakeOpen(LPHMIDISTRM stream, LPUINT device, DWORD count, DWORD_PTR callback, DWORD_PTR, DWORD flags) {
    g_device->Record("Open");
    EXPECT_EQ(MIDI_MAPPER, *device);
    EXPECT_EQ(1u, count);
    EXPECT_EQ(DWORD(CALLBACK_THREAD), flags);
    g_device->m_thread = DWORD(callback);
    if (g_device->m_openResult) return g_device->m_openResult;
    *stream = kStream;
    return MMSYSERR_NOERROR;
}
MMRESULT WINAPI FakeProperty(HMIDISTRM, LPBYTE data, DWORD flags) {
    g_device->Record("Property");
    EXPECT_EQ(DWORD(MIDIPROP_SET | MIDIPROP_TIMEDIV), flags);
    g_device->m_division = WORD(reinterpret_cast<MIDIPROPTIMEDIV*>(data)->dwTimeDiv);
    return MMSYSERR_NOERROR;
}
// The calls that only take part in the record.
const char kOut[] = "Out", kRestart[] = "Restart", kPause[] = "Pause", kStop[] = "Stop", kReset[] = "Reset",
           kPrepare[] = "Prepare", kUnprepare[] = "Unprepare", kClose[] = "Close";
template <class Handle, const char* Name>
MMRESULT WINAPI FakeCall(Handle) {
    g_device->Record(Name);
    return MMSYSERR_NOERROR;
}
template <class Handle, const char* Name>
MMRESULT WINAPI FakeHeaderCall(Handle, LPMIDIHDR header, UINT) {
    g_device->Record(Name, header);
    return MMSYSERR_NOERROR;
}

const cMidiStreamApi kFake = {FakeOpen,
                              FakeProperty,
                              FakeHeaderCall<HMIDISTRM, kOut>,
                              FakeCall<HMIDISTRM, kRestart>,
                              FakeCall<HMIDISTRM, kPause>,
                              FakeCall<HMIDISTRM, kStop>,
                              FakeCall<HMIDIOUT, kReset>,
                              FakeHeaderCall<HMIDIOUT, kPrepare>,
                              FakeHeaderCall<HMIDIOUT, kUnprepare>,
                              FakeCall<HMIDISTRM, kClose>};

// A song of the given number of notes on one track, 96 ticks per beat.
cBytes Song(int notes) {
    cBytes track;
    for (int i = 0; i < notes; ++i) track = Cat({track, Bytes({0x01, 0x90, 0x3C, 0x40})});
    return Smf(0, 96, {Cat({track, Bytes({0x00, 0xFF, 0x2F, 0x00})})});
}

class MidiStreamTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(OpenReport("report.txt"));
        g_device = &m_device;
        SetMidiStreamApi(&kFake);
    }
    void TearDown() override {
        SetMidiStreamApi(nullptr);
        g_device = nullptr;
    }
    // The buffers sent so far.
    std::vector<cCall> Sent() {
        std::vector<cCall> sent;
        for (const cCall& c : m_device.Calls())
            if (c.name == "Out") sent.push_back(c);
        return sent;
    }

    cTempDir m_dir;
    cFakeDevice m_device;
};

TEST_F(MidiStreamTest, OpenQueuesTheFirstBufferAndPlayTheSecond) {
    m_dir.Write("song.mid", AsString(Song(4500)));
    cMidiStream stream("song.mid");
    EXPECT_EQ(96, m_device.m_division);
    EXPECT_EQ((std::vector<std::string>{"Open", "Property", "Prepare", "Out"}), m_device.Names());
    EXPECT_EQ(cMidiStream::kStopped, stream.GetState());

    stream.Play(false);
    EXPECT_EQ((std::vector<std::string>{"Open", "Property", "Prepare", "Out", "Restart", "Prepare", "Out"}), m_device.Names());
    EXPECT_EQ(cMidiStream::kPlaying, stream.GetState());
    std::vector<cCall> sent = Sent();
    ASSERT_EQ(2u, sent.size());
    EXPECT_NE(sent[0].header, sent[1].header);
    EXPECT_EQ(kMidiBufferSize, sent[0].sent.size());
    EXPECT_EQ(kMidiBufferSize, sent[1].sent.size());
    EXPECT_EQ("", m_dir.Read("report.txt"));
}

TEST_F(MidiStreamTest, CallbackOfABufferEndFillsTheFinishedBuffer) {
    m_dir.Write("song.mid", AsString(Song(4500)));
    cMidiStream stream("song.mid");
    stream.Play(false);
    std::vector<cCall> sent = Sent();
    m_device.FinishBuffer(sent[0].header);
    ASSERT_TRUE(m_device.WaitFor("Out", 3));
    sent = Sent();
    // The third buffer reuses the first: 500 notes and the end marker.
    EXPECT_EQ(sent[0].header, sent[2].header);
    EXPECT_EQ(501u * 12, sent[2].sent.size());
    DWORD lastWord;
    memcpy(&lastWord, sent[2].sent.data() + 500 * 12 + 8, sizeof lastWord);
    EXPECT_EQ(kMidiEndMarker, lastWord);
    EXPECT_EQ(cMidiStream::kPlaying, stream.GetState());
}

TEST_F(MidiStreamTest, EndOfSongRestartsALoopingSongFromItsStart) {
    m_dir.Write("song.mid", AsString(Song(10)));
    cMidiStream stream("song.mid");
    stream.Play(true);
    std::vector<cCall> sent = Sent();
    ASSERT_EQ(1u, sent.size());  // the whole song fits into the first buffer
    cBytes firstPass = sent[0].sent;
    m_device.Clear();

    m_device.FinishBuffer(sent[0].header);
    ASSERT_TRUE(m_device.WaitFor("Restart"));
    EXPECT_EQ((std::vector<std::string>{"Stop", "Unprepare", "Prepare", "Out", "Restart"}), m_device.Names());
    EXPECT_EQ(firstPass, Sent()[0].sent);
    EXPECT_EQ(cMidiStream::kPlaying, stream.GetState());
}

TEST_F(MidiStreamTest, EndOfSongWithoutLoopStaysStoppedAtTheStartReadyToPlay) {
    m_dir.Write("song.mid", AsString(Song(10)));
    cMidiStream stream("song.mid");
    stream.Play(false);
    MIDIHDR* header = Sent()[0].header;
    m_device.Clear();
    m_device.FinishBuffer(header);
    ASSERT_TRUE(m_device.WaitFor("Out"));
    EXPECT_EQ((std::vector<std::string>{"Stop", "Unprepare", "Prepare", "Out"}), m_device.Names());
    EXPECT_EQ(cMidiStream::kStopped, stream.GetState());

    stream.Play(false);
    EXPECT_EQ("Restart", m_device.Names().back());
    EXPECT_EQ(cMidiStream::kPlaying, stream.GetState());
}

TEST_F(MidiStreamTest, PauseAndResumeKeepThePlace) {
    m_dir.Write("song.mid", AsString(Song(4500)));
    cMidiStream stream("song.mid");
    stream.Play(false);
    m_device.Clear();
    stream.Stop(true);
    EXPECT_EQ(cMidiStream::kPaused, stream.GetState());
    stream.Stop(true);  // pausing a paused song does nothing
    stream.Play(false);
    EXPECT_EQ((std::vector<std::string>{"Pause", "Restart"}), m_device.Names());

    m_device.Clear();
    stream.Stop(false);
    EXPECT_EQ((std::vector<std::string>{"Stop", "Unprepare", "Prepare", "Out"}), m_device.Names());
    EXPECT_EQ(cMidiStream::kStopped, stream.GetState());
}

TEST_F(MidiStreamTest, DestructionClosesTheDeviceAndEndsTheCallbackThread) {
    m_dir.Write("song.mid", AsString(Song(4500)));
    {
        cMidiStream stream("song.mid");
        stream.Play(false);
        m_device.Clear();
    }
    EXPECT_EQ((std::vector<std::string>{"Reset", "Unprepare", "Unprepare", "Close"}), m_device.Names());
    EXPECT_FALSE(PostThreadMessageA(m_device.m_thread, WM_NULL, 0, 0));
}

TEST_F(MidiStreamTest, FailedOpenIsReportedOnceAndPlayAndStopStayQuiet) {
    m_device.m_openResult = MMSYSERR_BADDEVICEID;
    m_dir.Write("song.mid", AsString(Song(10)));
    {
        cMidiStream stream("song.mid");
        stream.Play(true);
        stream.Stop(true);
        stream.Stop(false);
        EXPECT_EQ(cMidiStream::kStopped, stream.GetState());
    }
    EXPECT_EQ((std::vector<std::string>{"Open"}), m_device.Names());
    std::string report = m_dir.Read("report.txt");
    EXPECT_EQ(0u, report.find("Midi song.mid Open ")) << report;
    EXPECT_EQ(1, std::count(report.begin(), report.end(), '\n')) << report;
}

TEST(MidiStreamDevice, ThisMachinesMissingDeviceIsLoggedAndQuiet) {
    cTempDir dir;
    ASSERT_TRUE(OpenReport("report.txt"));
    cErrorLogOn log("log.txt");
    dir.Write("song.mid", AsString(Song(10)));
    DWORD start = GetTickCount();
    // Songs one after another, as the music player opens them: a failed open must not spoil
    // the next one (one process, one device list).
    const int kSongs = 3;
    for (int i = 0; i < kSongs; ++i) {
        cMidiStream stream("song.mid");
        EXPECT_TRUE(stream.HasImage());
        stream.Play(true);
        stream.Stop(false);
    }
    EXPECT_LT(GetTickCount() - start, 5000u);
    std::string report = dir.Read("report.txt");
    std::string line = report.substr(0, report.find('\n') + 1);
    EXPECT_EQ(0u, line.find("Midi song.mid Open ")) << report;
    EXPECT_GT(line.size(), strlen("Midi song.mid Open \n")) << "error text";
    std::string all;
    for (int i = 0; i < kSongs; ++i) all += line;
    EXPECT_EQ(all, report);
    EXPECT_EQ(report, dir.Read("log.txt"));
}

TEST(MidiPlayer, PlaysOnlyMidFilesOnItsChannels) {
    cTempDir dir;
    ASSERT_TRUE(OpenReport("report.txt"));
    dir.Write("song.mid", AsString(Song(10)));
    dir.Write("song.txt", AsString(Song(10)));
    cMidiPlayer player;
    player.SetChannels(1);
    EXPECT_FALSE(player.Play(0, "song.txt", true));
    EXPECT_FALSE(player.Play(0, "none.mid", true));
    EXPECT_FALSE(player.Play(1, "song.mid", true));
    EXPECT_EQ(Format("Midi none.mid Create ファイルが開けません\r\nerr V[1] ( 1 , %d )\r\n", int(sizeof(void*))),
              dir.Read("report.txt"));
    EXPECT_TRUE(player.Play(0, "song.mid", true));
    ASSERT_NE(nullptr, player.GetStream(0));
    EXPECT_EQ("song.mid", player.GetStream(0)->GetFileName());
}

}  // namespace
