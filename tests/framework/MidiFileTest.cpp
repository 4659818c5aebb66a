#include <gtest/gtest.h>

#include "framework/ErrorLog.h"
#include "framework/Format.h"
#include "framework/MidiFile.h"
#include "tests/framework/MidiBytes.h"
#include "tests/support/TempDir.h"
#include "tests/framework/ErrorLogOn.h"

namespace {

class MidiFileTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(OpenReport("report.txt")); }

    cBytes Convert(const cBytes& file) {
        m_dir.Write("song.mid", AsString(file));
        cMidiFile midi("song.mid");
        m_dSongLength = midi.GetSongLength();
        return midi.GetImage();
    }
    // The image's header and track chunk around the events.
    static cBytes Image(int division, const cBytes& events) { return Smf(0, division, {events}); }

    cTempDir m_dir;
    double m_dSongLength = 0;
};

TEST_F(MidiFileTest, FormatZeroIsWrittenWithFullStatusBytes) {
    // Running status (a note-off as note-on with velocity 0) and a one-byte program change.
    cBytes file = Smf(0, 96, {Cat({Bytes({0x00, 0x90, 0x3C, 0x40, 0x60, 0x3C, 0x00, 0x00, 0xC0, 0x05, 0x10}), kEnd})});
    cBytes expected = Image(96, Cat({Bytes({0x00, 0x90, 0x3C, 0x40, 0x60, 0x90, 0x3C, 0x00, 0x00, 0xC0, 0x05, 0x10}), kEnd}));
    EXPECT_EQ(expected, Convert(file));
    EXPECT_EQ("", m_dir.Read("report.txt"));
}

TEST_F(MidiFileTest, FormatOneTracksMergeInTimeOrderLowerTrackFirst) {
    cBytes tempo = Cat({Bytes({0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20}), Bytes({0x83, 0x60, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40}),
                        Bytes({0x00}), kEnd});
    cBytes notes = Cat({Bytes({0x00, 0x90, 0x3C, 0x40, 0x83, 0x60, 0x80, 0x3C, 0x40, 0x00}), kEnd});
    cBytes programs = Cat({Bytes({0x00, 0xC0, 0x05, 0x83, 0x60, 0xC0, 0x06, 0x81, 0x40}), kEnd});
    cBytes expected = Image(480, Cat({Bytes({0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20}), Bytes({0x00, 0x90, 0x3C, 0x40}),
                                      Bytes({0x00, 0xC0, 0x05}), Bytes({0x83, 0x60, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40}),
                                      Bytes({0x00, 0x80, 0x3C, 0x40}), Bytes({0x00, 0xC0, 0x06}), Bytes({0x81, 0x40}), kEnd}));
    EXPECT_EQ(expected, Convert(Smf(1, 480, {tempo, notes, programs})));
    // 480 ticks at 0.5 s per beat, then 192 ticks at 1 s per beat.
    EXPECT_NEAR(0.9, m_dSongLength, 1e-9);
}

TEST_F(MidiFileTest, SysExAndMetaEventsAreKeptAndDoNotBreakRunningStatus) {
    cBytes track = Cat({Bytes({0x00, 0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7}), Bytes({0x00, 0x90, 0x3C, 0x40}),
                        Bytes({0x10, 0xFF, 0x06, 0x03, 'a', 'b', 'c'}), Bytes({0x20, 0x3C, 0x00}), Bytes({0x00}), kEnd});
    cBytes expected = Image(96, Cat({Bytes({0x00, 0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7}), Bytes({0x00, 0x90, 0x3C, 0x40}),
                                     Bytes({0x10, 0xFF, 0x06, 0x03, 'a', 'b', 'c'}), Bytes({0x20, 0x90, 0x3C, 0x00}),
                                     Bytes({0x00}), kEnd}));
    EXPECT_EQ(expected, Convert(Smf(0, 96, {track})));
}

TEST_F(MidiFileTest, EndOfSongIsTheLatestTrackEndAndChunkLengthsAreHonoured) {
    // Track 0 ends late with nothing before its end; track 1 has padding after its end event,
    // which the next track's chunk must not be read from.
    cBytes early = Cat({Bytes({0x00, 0x90, 0x3C, 0x40, 0x10}), kEnd, Bytes({0x00, 0x00})});
    cBytes late = Cat({Bytes({0xFF, 0xFF, 0xFF, 0x7F}), kEnd});
    cBytes expected = Image(96, Cat({Bytes({0x00, 0x90, 0x3C, 0x40}), Bytes({0xFF, 0xFF, 0xFF, 0x7F}), kEnd}));
    EXPECT_EQ(expected, Convert(Smf(1, 96, {late, early})));
}

TEST_F(MidiFileTest, SmpteDivisionCountsFramesNotBeats) {
    // 25 frames of 40 ticks: 1000 ticks a second whatever the tempo.
    cBytes track = Cat({Bytes({0x00, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40, 0x83, 0x74}), kEnd});
    EXPECT_FALSE(Convert(Smf(0, 0xE728, {track})).empty());
    EXPECT_NEAR(0.5, m_dSongLength, 1e-9);
}

struct cBadFile {
    const char* name;
    cBytes bytes;
    const char* message;  // after "Midi song.mid "
};

TEST_F(MidiFileTest, DamagedFilesLeaveNoImageAndAreReported) {
    cBytes note = Bytes({0x00, 0x90, 0x3C, 0x40});
    cBytes good = Cat({note, Bytes({0x00}), kEnd});
    cBytes header = Smf(0, 96, {good});
    cBytes shortHeader = header;
    shortHeader[7] = 7;
    cBytes format2 = Smf(2, 96, {good});
    cBytes format3 = Smf(3, 96, {good});
    cBytes twoTracksClaimed = header;
    twoTracksClaimed[11] = 2;
    cBytes chunkTooLong = header;
    chunkTooLong[21] += 1;
    const cBadFile cases[] = {
        {"not MThd", Cat({Bytes({'M', 'T', 'h', 'x'}), cBytes(header.begin() + 4, header.end())}), "Init 標準MIDIでない(4)"},
        {"too short", cBytes(header.begin(), header.begin() + 20), "Init 標準MIDIでない(4)"},
        {"header length 7", shortHeader, "Init 標準MIDIでない(6)"},
        {"format 2", format2, "Init 対応フォーマットが2でない"},
        {"format 3", format3, "Init 対応フォーマットが0または1でない"},
        {"division 0", Smf(0, 0, {good}), "Init 分解能が0"},
        {"chunk longer than the file", chunkTooLong, "Init トラック0が壊れている"},
        {"missing track", twoTracksClaimed, "Init トラック1が壊れている"},
        {"no end of track", Smf(0, 96, {note}), "Init トラック0が壊れている"},
        {"cut in an event", Smf(0, 96, {Bytes({0x00, 0x90, 0x3C})}), "Init トラック0が壊れている"},
        {"tempo of two bytes", Smf(0, 96, {Cat({Bytes({0x00, 0xFF, 0x51, 0x02, 0x07, 0xA1, 0x00}), kEnd})}), "Init トラック0が壊れている"},
        {"data byte first", Smf(0, 96, {Cat({Bytes({0x00, 0x3C, 0x40, 0x00}), kEnd})}), "Init トラック0が壊れている"},
        {"five-byte delta", Smf(0, 96, {Cat({Bytes({0x81, 0x80, 0x80, 0x80, 0x00, 0x90, 0x3C, 0x40, 0x00}), kEnd})}),
         "Init トラック0が壊れている"},
        {"status in data", Smf(0, 96, {Cat({Bytes({0x00, 0x90, 0x3C, 0x80, 0x00}), kEnd})}), "Init トラック0が壊れている"},
        {"system common", Smf(0, 96, {Cat({Bytes({0x00, 0xF2, 0x00, 0x00, 0x00}), kEnd})}), "Init トラック0が壊れている"},
        {"SysEx past the chunk", Smf(0, 96, {Bytes({0x00, 0xF0, 0x7F, 0x01, 0x02})}), "Init トラック0が壊れている"},
    };
    for (const cBadFile& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(OpenReport("report.txt"));
        EXPECT_TRUE(Convert(c.bytes).empty());
        EXPECT_EQ(Format("Midi song.mid %s\r\n", c.message), m_dir.Read("report.txt"));
    }
}

TEST_F(MidiFileTest, SongTimesBeyondThirtyTwoBitsAreRefused) {
    // Sixteen of the largest delta times stay below 2^32 ticks; seventeen do not.
    for (int events : {16, 17}) {
        SCOPED_TRACE(events);
        cBytes track;
        for (int i = 0; i < events; ++i) track = Cat({track, Bytes({0xFF, 0xFF, 0xFF, 0x7F, 0x90, 0x3C, 0x40})});
        EXPECT_EQ(events == 16, !Convert(Smf(0, 96, {Cat({track, Bytes({0x00}), kEnd})})).empty());
    }
}

TEST_F(MidiFileTest, MissingFileIsReportedAndTheLogGetsTheSameLine) {
    cErrorLogOn log("log.txt");
    cMidiFile midi("none.mid");
    EXPECT_FALSE(midi.HasImage());
    EXPECT_EQ("Midi none.mid Create ファイルが開けません\r\n", m_dir.Read("report.txt"));
    EXPECT_EQ(m_dir.Read("report.txt"), m_dir.Read("log.txt"));
}

}  // namespace
