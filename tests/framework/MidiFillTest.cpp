// Filling stream buffers from a converted song, apart from any device.
#include <gtest/gtest.h>

#include <cstring>

#include "framework/MidiStream.h"
#include "tests/framework/MidiBytes.h"

namespace {

// One buffer entry as the stream sees it: delta time, event word and, for long events, bytes.
struct cEntry {
    DWORD delta;
    DWORD word;
    cBytes data;
    bool operator==(const cEntry& o) const { return delta == o.delta && word == o.word && data == o.data; }
};

std::ostream& operator<<(std::ostream& os, const cEntry& e) {
    return os << "{" << e.delta << ", 0x" << std::hex << e.word << std::dec << ", " << e.data.size() << " bytes}";
}

class MidiFillTest : public testing::Test {
protected:
    MidiFillTest() : m_buffer(kMidiBufferSize, 'x') { m_header.lpData = m_buffer.data(); }

    // The image holding the events, as the converter writes it.
    static cBytes Image(const cBytes& events) { return Smf(0, 96, {events}); }

    std::vector<cEntry> Fill(const cBytes& image) {
        m_dropped = cMidiStream::FillEvents(image, m_cursor, m_header);
        std::vector<cEntry> entries;
        for (DWORD at = 0; at < m_header.dwBytesRecorded;) {
            DWORD words[3];
            memcpy(words, m_buffer.data() + at, sizeof words);
            EXPECT_EQ(0u, words[1]) << "stream id";
            cEntry entry = {words[0], words[2], {}};
            at += 12;
            if (words[2] & MEVT_F_LONG) {
                DWORD n = words[2] & 0xFFFFFF;
                entry.data.assign(m_buffer.begin() + at, m_buffer.begin() + at + n);
                for (DWORD pad = n; pad % 4; ++pad) EXPECT_EQ(0, m_buffer[at + pad]) << "padding";
                at += (n + 3) & ~3u;
            }
            entries.push_back(entry);
        }
        return entries;
    }

    std::vector<char> m_buffer;
    MIDIHDR m_header = {};
    cMidiCursor m_cursor;
    int m_dropped = 0;
};

TEST_F(MidiFillTest, EventsBecomeStreamEntries) {
    cBytes image = Image(Cat({Bytes({0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20}), Bytes({0x05, 0x90, 0x3C, 0x40}),
                              Bytes({0x06, 0xC0, 0x07}), Bytes({0x07, 0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7}),
                              Bytes({0x08, 0xFF, 0x06, 0x01, 'a'}), Bytes({0x09, 0x80, 0x3C, 0x00}), Bytes({0x0A}), kEnd}));
    m_header.dwFlags = MHDR_PREPARED | MHDR_DONE;
    m_header.dwOffset = 36;
    std::vector<cEntry> expected = {
        {0, 0x01000000 | 500000, {}},
        {5, 0x403C90, {}},
        {6, 0x07C0, {}},
        {7, MEVT_F_LONG | 6, Bytes({0xF0, 0x7E, 0x7F, 0x09, 0x01, 0xF7})},
        {8 + 9, 0x3C80, {}},  // the marker sends nothing and passes its time on
        {10, kMidiEndMarker, {}},
    };
    EXPECT_EQ(expected, Fill(image));
    EXPECT_EQ(image.size(), m_cursor.position);
    EXPECT_EQ(0, m_dropped);
    EXPECT_EQ(kMidiBufferSize, m_header.dwBufferLength);
    EXPECT_EQ(0u, m_header.dwFlags);
    EXPECT_EQ(0u, m_header.dwOffset);
    EXPECT_EQ(nullptr, m_header.lpNext);
}

TEST_F(MidiFillTest, FullBufferEndsWithCallbackAndNextStartsWithTheEventThatDidNotFit) {
    // 2000 short events fill a buffer exactly; a marker between the last that fits and the next
    // passes its time over the buffer boundary.
    cBytes events;
    for (int i = 0; i < 2000; ++i) events = Cat({events, Bytes({0x01, 0x90, 0x3C, 0x40})});
    events = Cat({events, Bytes({0x05, 0xFF, 0x06, 0x00}), Bytes({0x07, 0x80, 0x3C, 0x00}), Bytes({0x00}), kEnd});
    cBytes image = Image(events);

    std::vector<cEntry> first = Fill(image);
    ASSERT_EQ(2000u, first.size());
    EXPECT_EQ(kMidiBufferSize, m_header.dwBytesRecorded);
    EXPECT_EQ((cEntry{1, 0x403C90, {}}), first[1998]);
    EXPECT_EQ((cEntry{1, MEVT_F_CALLBACK | 0x403C90, {}}), first[1999]);

    std::vector<cEntry> second = Fill(image);
    std::vector<cEntry> expected = {{5 + 7, 0x3C80, {}}, {0, kMidiEndMarker, {}}};
    EXPECT_EQ(expected, second);
    EXPECT_EQ(image.size(), m_cursor.position);
}

TEST_F(MidiFillTest, EndOfTrackThatDoesNotFitGoesIntoTheNextBuffer) {
    cBytes events;
    for (int i = 0; i < 2000; ++i) events = Cat({events, Bytes({0x00, 0xB0, 0x07, 0x64})});
    cBytes image = Image(Cat({events, Bytes({0x03}), kEnd}));
    EXPECT_EQ(2000u, Fill(image).size());
    std::vector<cEntry> expected = {{3, kMidiEndMarker, {}}};
    EXPECT_EQ(expected, Fill(image));
}

TEST_F(MidiFillTest, SysExLargerThanAnyBufferIsDroppedAndTheSongGoesOn) {
    // 23988 data bytes: with its status byte and the entry words it needs 24004 bytes.
    cBytes sysex = Bytes({0x04, 0xF0, 0x81, 0xBB, 0x34});
    sysex.resize(sysex.size() + 23988, 0x11);
    cBytes image = Image(Cat({Bytes({0x01, 0x90, 0x3C, 0x40}), sysex, Bytes({0x02, 0x80, 0x3C, 0x00}), Bytes({0x00}), kEnd}));
    std::vector<cEntry> expected = {{1, 0x403C90, {}}, {4 + 2, 0x3C80, {}}, {0, kMidiEndMarker, {}}};
    EXPECT_EQ(expected, Fill(image));
    EXPECT_EQ(1, m_dropped);
}

TEST_F(MidiFillTest, LargestSysExThatFitsFillsAnEmptyBuffer) {
    cBytes sysex = Bytes({0x04, 0xF0, 0x81, 0xBB, 0x33});
    sysex.resize(sysex.size() + 23987, 0x22);
    cBytes image = Image(Cat({sysex, Bytes({0x00}), kEnd}));
    std::vector<cEntry> first = Fill(image);
    ASSERT_EQ(1u, first.size());
    EXPECT_EQ(MEVT_F_CALLBACK | MEVT_F_LONG | 23988u, first[0].word);
    EXPECT_EQ(kMidiBufferSize, m_header.dwBytesRecorded);
    std::vector<cEntry> expected = {{0, kMidiEndMarker, {}}};
    EXPECT_EQ(expected, Fill(image));
}

TEST_F(MidiFillTest, DamagedImageEndsTheSongInsteadOfReadingPastIt) {
    cBytes image = Image(Bytes({0x01, 0x90, 0x3C, 0x40, 0x02, 0xF0, 0x7F, 0x01}));
    std::vector<cEntry> expected = {{1, MEVT_F_CALLBACK | 0x403C90, {}}};
    EXPECT_EQ(expected, Fill(image));
    EXPECT_EQ(image.size(), m_cursor.position);
}

}  // namespace
